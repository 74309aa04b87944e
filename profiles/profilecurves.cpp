#include "profilecurves.h"

#include "calcerror.h"
#include "goldensection.h"

#include <algorithm>
#include <cmath>

namespace fluvara {

namespace {

TProfileFillingPoint PointAtHeight(const TProfile& profile, const TProfileFullFlow& full, double h)
{
    const TProfileFlow flow = ProfileFlowAt(profile, full, h);
    TProfileFillingPoint p;
    p.h = h;
    p.hH = h / profile.H * 100;
    p.aa = flow.At / full.A * 100;
    p.qq = flow.Q / full.Qv * 100;
    p.vr = flow.vt / full.vv * 100;
    p.rr = flow.Rt / full.R * 100;
    p.Q = flow.Q;
    p.vt = flow.vt;
    RequireFinite({p.hH, p.aa, p.qq, p.vr, p.rr, p.Q, p.vt});
    return p;
}

}  // namespace

TProfileFillingPoint ProfileFillingPointAt(const TProfile& profile, const TProfileFullFlow& full, double hH)
{
    return PointAtHeight(profile, full, std::clamp(hH * 0.01 * profile.H, 0.0, profile.H));
}

TProfileFillingPoint ProfileMaximumDischarge(const TProfile& profile, const TProfileFullFlow& full)
{
    // Q rises from the half-full profile to its one maximum and falls to Qv
    // full: a golden-section search narrows the bracket to the last bits.
    const auto Q = [&](double h) { return ProfileFlowAt(profile, full, h).Q; };
    return PointAtHeight(profile, full, GoldenSectionMaximum(Q, 0.5 * profile.H, profile.H, 1e-12 * profile.H));
}

TProfileFillingCurve ProfileFillingCurve(const TProfile& profile, const TProfileFullFlow& full, int intervals,
                                         const std::vector<double>& extraFillings)
{
    TProfileFillingCurve curve;
    curve.maximum = ProfileMaximumDischarge(profile, full);
    const int n = std::max(intervals, 1);
    curve.points.reserve(static_cast<std::size_t>(n) + 2 + extraFillings.size());
    for (int i = 0; i <= n; ++i)
        curve.points.push_back(ProfileFillingPointAt(profile, full, 100.0 * i / n));
    curve.points.push_back(curve.maximum);
    for (double hH : extraFillings)
        curve.points.push_back(ProfileFillingPointAt(profile, full, hH));
    std::stable_sort(curve.points.begin(), curve.points.end(),
                     [](const TProfileFillingPoint& a, const TProfileFillingPoint& b) { return a.h < b.h; });
    curve.points.erase(
        std::unique(curve.points.begin(), curve.points.end(),
                    [](const TProfileFillingPoint& a, const TProfileFillingPoint& b) { return a.h == b.h; }),
        curve.points.end());
    return curve;
}

}  // namespace fluvara
