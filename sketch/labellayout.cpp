#include "labellayout.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace fluvara {

namespace {

// A line runs through the centres of its pixels; a box covers its pixels
// whole. The half pixel keeps a line that only runs along a box's edge from
// touching it.
bool Crosses(const TSegment& line, const TBox& box)
{
    const double x0 = line.from.x + 0.5;
    const double y0 = line.from.y + 0.5;
    const double dx = line.to.x - line.from.x;
    const double dy = line.to.y - line.from.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x0 - box.left, box.right - x0, y0 - box.top, box.bottom - y0};
    double enter = 0;
    double leave = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    return enter < leave || (dx == 0 && dy == 0);
}

double Distance(TPoint point, const TSegment& line)
{
    const double dx = line.to.x - line.from.x;
    const double dy = line.to.y - line.from.y;
    const double length2 = dx * dx + dy * dy;
    double t = 0;
    if (length2 > 0)
        t = std::clamp(((point.x - line.from.x) * dx + (point.y - line.from.y) * dy) / length2, 0.0, 1.0);
    return std::hypot(point.x - (line.from.x + t * dx), point.y - (line.from.y + t * dy));
}

double Cross(TPoint o, TPoint a, TPoint b)
{
    return double(a.x - o.x) * (b.y - o.y) - double(a.y - o.y) * (b.x - o.x);
}

bool Intersect(const TSegment& a, const TSegment& b)
{
    const double d1 = Cross(b.from, b.to, a.from);
    const double d2 = Cross(b.from, b.to, a.to);
    const double d3 = Cross(a.from, a.to, b.from);
    const double d4 = Cross(a.from, a.to, b.to);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

// Two lines nearer than gap pixels, or crossing.
bool Near(const TSegment& a, const TSegment& b, int gap)
{
    if (Intersect(a, b))
        return true;
    const double nearest = std::min(
        {Distance(a.from, b), Distance(a.to, b), Distance(b.from, a), Distance(b.to, a)});
    return nearest < std::max(gap, 1);
}

TBox Spaced(const TBox& box, int gap) { return {box.left - gap, box.top - gap, box.right + gap, box.bottom + gap}; }

TBox PixelBox(const TSegment& line)
{
    return {std::min(line.from.x, line.to.x), std::min(line.from.y, line.to.y), std::max(line.from.x, line.to.x) + 1,
            std::max(line.from.y, line.to.y) + 1};
}

}  // namespace

TBox TBox::United(const TBox& other) const
{
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
}

TBox TextBox(TDrawSurface& surface, int x, int y, std::string_view text)
{
    return {x, y, x + surface.TextWidth(text), y + surface.TextHeight()};
}

TLabelLayout::TGroup TLabelLayout::TGroup::Moved(TPoint by) const
{
    TGroup moved{boxes, lines};
    for (TBox& box : moved.boxes)
        box = box.Moved(by);
    for (TSegment& line : moved.lines)
        line = {{line.from.x + by.x, line.from.y + by.y}, {line.to.x + by.x, line.to.y + by.y}};
    return moved;
}

TBox TLabelLayout::TGroup::Bounds() const
{
    std::optional<TBox> bounds;
    const auto add = [&bounds](const TBox& box) { bounds = bounds ? bounds->United(box) : box; };
    for (const TBox& box : boxes)
        add(box);
    for (const TSegment& line : lines)
        add(PixelBox(line));
    return bounds.value_or(TBox{});
}

bool TLabelLayout::Free(const TGroup& group, int gap) const
{
    if (!group.Bounds().Within(area_))
        return false;
    for (const TBox& box : group.boxes) {
        const TBox spaced = Spaced(box, gap);
        if (std::any_of(placed_.begin(), placed_.end(), [&](const TBox& other) { return spaced.Overlaps(other); }) ||
            std::any_of(placedLines_.begin(), placedLines_.end(),
                        [&](const TSegment& line) { return Crosses(line, spaced); }) ||
            std::any_of(reserved_.begin(), reserved_.end(), [&](const TBox& line) { return box.Overlaps(line); }))
            return false;
    }
    for (const TSegment& line : group.lines) {
        if (std::any_of(placed_.begin(), placed_.end(), [&](const TBox& other) { return Crosses(line, Spaced(other, gap)); }) ||
            std::any_of(placedLines_.begin(), placedLines_.end(),
                        [&](const TSegment& other) { return Near(line, other, gap); }) ||
            std::any_of(reserved_.begin(), reserved_.end(), [&](const TBox& box) { return Crosses(line, box); }))
            return false;
    }
    return true;
}

std::optional<TPoint> TLabelLayout::Search(const TGroup& group, std::initializer_list<TMove> moves) const
{
    const TBox bounds = group.Bounds();
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
            step.x = bounds.left + bounds.right < area_.left + area_.right ? 1 : -1;
            break;
        }
        // The label is inside the area between these distances and nowhere
        // else along this direction; the least free one is found pixel by pixel.
        const TBox& a = area_;
        const int entering = step.x > 0 ? a.left - bounds.left
            : step.x < 0                ? bounds.right - a.right
            : step.y > 0                ? a.top - bounds.top
                                        : bounds.bottom - a.bottom;
        const int leaving = step.x > 0 ? a.right - bounds.right
            : step.x < 0               ? bounds.left - a.left
            : step.y > 0               ? a.bottom - bounds.bottom
                                       : bounds.top - a.top;
        const int last = best ? std::min(leaving, bestDistance - 1) : leaving;
        for (int d = std::max(entering, 1); d <= last; ++d) {
            const TPoint shift{step.x * d, step.y * d};
            if (Free(group.Moved(shift), gap_)) {
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
    return PlaceGroup(std::span<const TBox>(&box, 1), {}, moves, fallback);
}

TPoint TLabelLayout::PlaceGroup(std::span<const TBox> boxes, std::span<const TSegment> lines,
                                std::initializer_list<TMove> moves, std::initializer_list<TMove> fallback)
{
    const TGroup group{{boxes.begin(), boxes.end()}, {lines.begin(), lines.end()}};
    TPoint shift{0, 0};
    if (!Free(group, 0)) {
        if (const auto found = Search(group, moves))
            shift = *found;
        else if (const auto other = Search(group, fallback))
            shift = *other;
    }
    const TGroup placed = group.Moved(shift);
    placed_.insert(placed_.end(), placed.boxes.begin(), placed.boxes.end());
    placedLines_.insert(placedLines_.end(), placed.lines.begin(), placed.lines.end());
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
