#include "partialfilling.h"

#include "calcerror.h"
#include "circle.h"
#include "constants.h"
#include "goldensection.h"

#include <algorithm>
#include <cmath>

namespace fluvara {

TFillingPoint FillingPointAtAngle(const TFullFlowPipe& pipe, double phi)
{
    TFillingPoint p;
    // The segment formulas divide 0 by 0 for the empty pipe.
    if (phi <= 0)
        return p;
    const TCircleSegment segment = CircleSegment(phi, pipe.dc, pipe.vv);
    const TCircleFilling filling = CircleFillingAt(phi, pipe.dc);
    p.phi = phi;
    p.hd = filling.hd;
    p.Q = segment.Q;
    p.vt = segment.vt;
    p.qq = segment.Q / pipe.Qv * 100;
    p.vr = segment.vt / pipe.vv * 100;
    RequireFinite({p.hd, p.Q, p.vt, p.qq, p.vr});
    return p;
}

double AngleOfFilling(double hd) { return std::asin(std::sqrt(hd * 0.01)) * 4 * 180 / Pi; }

TFillingPoint FillingPointAt(const TFullFlowPipe& pipe, double hd)
{
    return FillingPointAtAngle(pipe, AngleOfFilling(hd));
}

TFillingPoint MaximumDischarge(const TFullFlowPipe& pipe)
{
    // Q rises from the half-full pipe to its one maximum and falls to Qv at
    // 360 degrees: a golden-section search narrows the bracket to the last bits.
    const auto Q = [&](double phi) { return CircleSegment(phi, pipe.dc, pipe.vv).Q; };
    return FillingPointAtAngle(pipe, GoldenSectionMaximum(Q, 180, 360, 1e-12));
}

TFillingCurve PartialFillingCurve(const TFullFlowPipe& pipe, int intervals, const std::vector<double>& extraAngles)
{
    TFillingCurve curve;
    curve.maximum = MaximumDischarge(pipe);
    const int n = std::max(intervals, 1);
    curve.points.reserve(static_cast<std::size_t>(n) + 2 + extraAngles.size());
    for (int i = 0; i <= n; ++i)
        curve.points.push_back(FillingPointAt(pipe, 100.0 * i / n));
    curve.points.push_back(curve.maximum);
    for (double phi : extraAngles)
        curve.points.push_back(FillingPointAtAngle(pipe, phi));
    std::stable_sort(curve.points.begin(), curve.points.end(),
                     [](const TFillingPoint& a, const TFillingPoint& b) { return a.phi < b.phi; });
    curve.points.erase(std::unique(curve.points.begin(), curve.points.end(),
                                   [](const TFillingPoint& a, const TFillingPoint& b) { return a.phi == b.phi; }),
                       curve.points.end());
    return curve;
}

}  // namespace fluvara
