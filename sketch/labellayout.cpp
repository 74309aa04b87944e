#include "labellayout.h"

#include <algorithm>
#include <vector>

namespace fluvara {

TBox TBox::United(const TBox& other) const
{
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
}

TBox TextBox(TDrawSurface& surface, int x, int y, std::string_view text)
{
    return {x, y, x + surface.TextWidth(text), y + surface.TextHeight()};
}

bool TLabelLayout::Free(const TBox& box, int gap) const
{
    const TBox spaced{box.left - gap, box.top - gap, box.right + gap, box.bottom + gap};
    return box.Within(area_) &&
        std::none_of(placed_.begin(), placed_.end(), [&](const TBox& other) { return spaced.Overlaps(other); }) &&
        std::none_of(reserved_.begin(), reserved_.end(), [&](const TBox& line) { return box.Overlaps(line); });
}

std::optional<TPoint> TLabelLayout::Search(const TBox& box, std::initializer_list<TMove> moves) const
{
    std::optional<TPoint> best;
    int bestDistance = 0;
    for (const TMove move : moves) {
        TPoint step{0, 0};
        switch (move) {
        case TMove::Left:
            step.x = -1;
            break;
        case TMove::Right:
            step.x = 1;
            break;
        case TMove::Up:
            step.y = -1;
            break;
        case TMove::Down:
            step.y = 1;
            break;
        case TMove::Inward:
            step.x = box.left + box.right < area_.left + area_.right ? 1 : -1;
            break;
        }
        // Along one direction the box comes free where it enters the area or
        // where it has just passed a box placed before; nowhere else.
        const auto clearing = [&](const TBox& b) {
            if (step.x > 0)
                return b.right - box.left;
            if (step.x < 0)
                return box.right - b.left;
            if (step.y > 0)
                return b.bottom - box.top;
            return box.bottom - b.top;
        };
        std::vector<int> distances;
        for (const TBox& other : placed_)
            distances.push_back(clearing(other) + gap_);
        for (const TBox& line : reserved_)
            distances.push_back(clearing(line));
        const TBox& a = area_;
        distances.push_back(step.x > 0       ? a.left - box.left
                                : step.x < 0 ? box.right - a.right
                                : step.y > 0 ? a.top - box.top
                                             : box.bottom - a.bottom);
        std::sort(distances.begin(), distances.end());
        for (const int d : distances) {
            if (d <= 0 || (best && d >= bestDistance))
                continue;
            const TPoint shift{step.x * d, step.y * d};
            if (Free(box.Moved(shift), gap_)) {
                best = shift;
                bestDistance = d;
                break;
            }
        }
    }
    return best;
}

TPoint TLabelLayout::Place(const TBox& box, std::initializer_list<TMove> moves, std::initializer_list<TMove> fallback)
{
    TPoint shift{0, 0};
    if (!Free(box, 0)) {
        if (const auto found = Search(box, moves))
            shift = *found;
        else if (const auto other = Search(box, fallback))
            shift = *other;
    }
    placed_.push_back(box.Moved(shift));
    return shift;
}

TPoint TLabelLayout::PlaceText(TDrawSurface& surface, TPoint at, std::string_view text,
                               std::initializer_list<TMove> moves, std::initializer_list<TMove> fallback)
{
    const TPoint shift = Place(TextBox(surface, at.x, at.y, text), moves, fallback);
    return {at.x + shift.x, at.y + shift.y};
}

int AxisWithin(int xc, int leftReach, int rightReach, const TBox& area)
{
    const int lowest = area.left + leftReach;
    const int highest = area.right - 1 - rightReach;
    if (lowest > highest)
        return (lowest + highest) / 2;
    return std::clamp(xc, lowest, highest);
}

}  // namespace fluvara
