#pragma once
// Places the labels of a drawing so that none covers another or leaves the
// drawing's area. A label that collides with nothing keeps its place; one
// that would overlap a label placed before it, or reach outside the area,
// moves the least distance along its own directions that clears it. The
// window sketch and the printout place their labels by the same rule.

#include "drawsurface.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace fluvara {

// Pixels from left to right - 1 and from top to bottom - 1.
struct TBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Overlaps(const TBox& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool Within(const TBox& area) const
    {
        return left >= area.left && right <= area.right && top >= area.top && bottom <= area.bottom;
    }
    TBox Moved(TPoint by) const { return {left + by.x, top + by.y, right + by.x, bottom + by.y}; }
    TBox United(const TBox& other) const;
    friend bool operator==(const TBox&, const TBox&) = default;
};

// A line drawn from one pixel to another, as part of a label (the legs of an angle mark).
struct TSegment {
    TPoint from;
    TPoint to;
};

// The cell of a text drawn at (x, y) in the surface's current font.
TBox TextBox(TDrawSurface& surface, int x, int y, std::string_view text);

// Inward runs across toward the middle of the area.
enum class TMove { Left, Right, Up, Down, Inward };

class TLabelLayout {
public:
    // A label that has to move keeps gap pixels from the labels placed before.
    TLabelLayout(const TBox& area, int gap) : area_(area), gap_(gap) { }

    // The shift that puts box inside the area, clear of every box placed
    // before: none when it already is; otherwise the least distance along one
    // of moves (a tie goes to the earlier move), and only when none of these
    // finds a place, along one of fallback. A box that nothing clears keeps
    // its place. The box is remembered where it ends up.
    TPoint Place(const TBox& box, std::initializer_list<TMove> moves, std::initializer_list<TMove> fallback = {});

    // The same for a label of several parts that move together: text cells
    // and lines, each tested on its own, so that the empty room between them
    // hits nothing.
    TPoint PlaceGroup(std::span<const TBox> boxes, std::span<const TSegment> lines, std::initializer_list<TMove> moves,
                      std::initializer_list<TMove> fallback = {});

    // A line that moved labels keep clear of.
    void Reserve(const TBox& box) { reserved_.push_back(box); }

    // Places a text drawn at `at` in the surface's current font; returns where to draw it.
    TPoint PlaceText(TDrawSurface& surface, TPoint at, std::string_view text, std::initializer_list<TMove> moves,
                     std::initializer_list<TMove> fallback = {});

    const TBox& Area() const { return area_; }

private:
    struct TGroup {
        std::vector<TBox> boxes;
        std::vector<TSegment> lines;
        TGroup Moved(TPoint by) const;
        TBox Bounds() const;
    };

    std::optional<TPoint> Search(const TGroup& group, std::initializer_list<TMove> moves) const;
    bool Free(const TGroup& group, int gap) const;

    TBox area_;
    int gap_;
    std::vector<TBox> placed_;
    std::vector<TSegment> placedLines_;
    std::vector<TBox> reserved_;
};

// The axis xc moved the least distance that keeps the picture, reaching
// leftReach pixels left of it and rightReach right of it, inside the area;
// a picture wider than the area is centred on it.
int AxisWithin(int xc, int leftReach, int rightReach, const TBox& area);

}  // namespace fluvara
