#pragma once
// The outline of an egg or a box as points, for drawing: the inner face and
// the parallel outline a wall's thickness outside it.

#include "profilegeometry.h"

#include <vector>

namespace fluvara {

struct TOutlinePoint {
    double x = 0;  // right of the axis
    double y = 0;  // above the inner invert
};

// The right half of the outline offset outward by offset (0: the inner
// face), from the invert on the axis to the crown on the axis, in the
// profile's unit. The egg's arcs keep their centres and grow by offset, so
// they still meet tangentially; each gets pointsPerArc points besides its
// start. The box gives its corners. Throws CalculationError for a profile
// that is not one.
std::vector<TOutlinePoint> ProfileHalfOutline(const TProfile& profile, double offset, int pointsPerArc);

// The height of the egg's widest point (the crown's centre), the box's cover.
double WidestHeight(const TProfile& profile);

}  // namespace fluvara
