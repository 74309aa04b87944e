#include "profileoutline.h"

#include <algorithm>
#include <cmath>

namespace fluvara {

namespace {

// Points on an arc around (cx, cy) of radius rho from angle a0 to a1 (radians), a0 left out.
void AddArc(std::vector<TOutlinePoint>& points, double cx, double cy, double rho, double a0, double a1, int n)
{
    for (int i = 1; i <= n; ++i) {
        const double a = a0 + (a1 - a0) * i / n;
        points.push_back({cx + rho * std::cos(a), cy + rho * std::sin(a)});
    }
}

}  // namespace

std::vector<TOutlinePoint> ProfileHalfOutline(const TProfile& profile, double offset, int pointsPerArc)
{
    FullSection(profile);  // refuses what is no profile
    const double t = offset;
    if (profile.shape == TProfileShape::Rectangle) {
        const double half = profile.b / 2 + t;
        return {{0, -t}, {half, -t}, {half, profile.H + t}, {0, profile.H + t}};
    }
    const double r = profile.b / 2;
    const int n = std::max(pointsPerArc, 1);
    // The arcs meet where the line through their centres cuts them: the
    // invert and the sides at the angle whose tangent is -3/4, the sides and
    // the crown on the horizontal through the crown's centre.
    const double join = std::atan2(-3.0, 4.0);
    const double quarter = std::acos(0.0);
    std::vector<TOutlinePoint> points{{0, -t}};
    AddArc(points, 0, r / 2, r / 2 + t, -quarter, join, n);
    AddArc(points, -2 * r, 2 * r, 3 * r + t, join, 0, n);
    AddArc(points, 0, 2 * r, r + t, 0, quarter, n);
    points.back() = {0, profile.H + t};  // exactly on the axis
    return points;
}

double WidestHeight(const TProfile& profile)
{
    return profile.shape == TProfileShape::Rectangle ? profile.H : EggCrownJoin * profile.b / 2;
}

}  // namespace fluvara
