#pragma once
// Partial-filling curves of a circular pipe: Qt/Qv and vt/vv over h/d from 0
// to 100 %, evaluated with the segment formulas and the 0.625 law of the
// partial-flow search, so that every partial-flow result lies on them.

#include "circle.h"

#include <vector>

namespace fluvara {

// The pipe of one full-flow run, as the partial-flow search takes it.
struct TFullFlowPipe {
    double dc = 0;  // mm, clear width
    double Qv = 0;  // l/s, cut to two decimals
    double vv = 0;  // m/s
};

// The last partial-flow run in the pipe: the discharge asked for and what
// the search found.
struct TPartialFlowMark {
    double Qt = 0;  // l/s
    TCirclePartialFlow result;
};

struct TFillingPoint {
    double phi = 0;  // degrees, central angle of the wetted segment
    double hd = 0;   // percent, h/d
    double qq = 0;   // percent, Q / Qv
    double vr = 0;   // percent, vt / vv
    double Q = 0;    // l/s
    double vt = 0;   // m/s
};

// The point of the segment of angle phi (degrees, 0 to 360); the empty pipe at 0.
TFillingPoint FillingPointAtAngle(const TFullFlowPipe& pipe, double phi);

// Angle of the segment filled to hd percent (0 to 100) of the diameter.
double AngleOfFilling(double hd);

// The point filled to hd percent; its h/d is recomputed from the angle as the
// page does, so it may differ from hd in the last digits.
TFillingPoint FillingPointAt(const TFullFlowPipe& pipe, double hd);

// The greatest discharge the segment formulas give, found on the angle.
TFillingPoint MaximumDischarge(const TFullFlowPipe& pipe);

struct TFillingCurve {
    std::vector<TFillingPoint> points;  // by rising angle, from empty to full
    TFillingPoint maximum;
};

// intervals equal steps of h/d, plus the maximum and the given angles (the
// last partial-flow result, say) as points of their own. Throws
// CalculationError when a value is not finite.
TFillingCurve PartialFillingCurve(const TFullFlowPipe& pipe, int intervals,
                                  const std::vector<double>& extraAngles = {});

}  // namespace fluvara
