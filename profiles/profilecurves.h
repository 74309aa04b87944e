#pragma once
// Partial-filling curves of an egg or a box: At/Av, Q/Qv, vt/vv and Rt/Rv
// over h/H from 0 to 100 %, evaluated with the formulas of the partial-flow
// search, so that every partial-flow result lies on them.

#include "profilehydraulics.h"

#include <vector>

namespace fluvara {

struct TProfileFillingPoint {
    double hH = 0;  // percent, h / H
    double aa = 0;  // percent, At / Av
    double qq = 0;  // percent, Q / Qv (Qv cut)
    double vr = 0;  // percent, vt / vv
    double rr = 0;  // percent, Rt / Rv
    double h = 0;   // mm
    double Q = 0;   // l/s
    double vt = 0;  // m/s
};

// The point filled to hH percent (0 to 100) of the height; the dry profile
// at 0. Throws CalculationError when a value is not finite.
TProfileFillingPoint ProfileFillingPointAt(const TProfile& profile, const TProfileFullFlow& full, double hH);

// The greatest discharge, found on the upper half of the height: the egg's
// a little below the crown; the box's lies just below its cover, where the
// water touches the cover and the perimeter takes in the cover's width.
TProfileFillingPoint ProfileMaximumDischarge(const TProfile& profile, const TProfileFullFlow& full);

struct TProfileFillingCurve {
    std::vector<TProfileFillingPoint> points;  // by rising h, from dry to full
    TProfileFillingPoint maximum;
};

// intervals equal steps of h/H, plus the maximum and the given fillings
// (percent of H; the last partial-flow result, say) as points of their own.
TProfileFillingCurve ProfileFillingCurve(const TProfile& profile, const TProfileFullFlow& full, int intervals,
                                         const std::vector<double>& extraFillings = {});

}  // namespace fluvara
