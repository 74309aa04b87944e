#include "profilegeometry.h"

#include "calcerror.h"
#include "numbercheck.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace fluvara {

namespace {

// The area under a circle of radius R from its centre line to u:
// the integral of sqrt(R² - t²) dt from 0 to u, for -R <= u <= R.
double SegmentIntegral(double u, double R)
{
    const double s = std::clamp(u / R, -1.0, 1.0);
    return (u * std::sqrt(std::max(0.0, R * R - u * u)) + R * R * std::asin(s)) / 2;
}

double ArcAngle(double s) { return std::asin(std::clamp(s, -1.0, 1.0)); }

// Each arc's section from the invert up to h, h within the arc's range; the
// arcs above the invert start from the section where the arc below ends.
TProfileSection EggInvert(double r, double h)
{
    const double rho = r / 2;
    const double u = h - rho;  // height over the invert arc's centre
    TProfileSection s;
    s.area = 2 * (SegmentIntegral(u, rho) + SegmentIntegral(rho, rho));
    s.perimeter = r * std::acos(std::clamp(-u / rho, -1.0, 1.0));
    s.surfaceWidth = 2 * std::sqrt(std::max(0.0, rho * rho - u * u));
    return s;
}

TProfileSection EggSides(double r, double h)
{
    const double R = 3 * r;
    const double join = EggInvertJoin * r;
    const TProfileSection below = EggInvert(r, join);
    const double u = h - 2 * r;  // height over the side arcs' centres
    const double u0 = join - 2 * r;
    TProfileSection s;
    s.area = below.area + 2 * (SegmentIntegral(u, R) - SegmentIntegral(u0, R) - 2 * r * (h - join));
    s.perimeter = below.perimeter + 2 * R * (ArcAngle(u / R) - ArcAngle(u0 / R));
    s.surfaceWidth = 2 * (std::sqrt(std::max(0.0, R * R - u * u)) - 2 * r);
    return s;
}

TProfileSection EggCrown(double r, double h)
{
    const TProfileSection below = EggSides(r, EggCrownJoin * r);
    const double u = h - 2 * r;  // height over the crown's centre
    TProfileSection s;
    s.area = below.area + 2 * SegmentIntegral(u, r);
    s.perimeter = below.perimeter + 2 * r * ArcAngle(u / r);
    s.surfaceWidth = 2 * std::sqrt(std::max(0.0, r * r - u * u));
    return s;
}

void CheckProfile(const TProfile& p)
{
    if (!std::isfinite(p.b) || !std::isfinite(p.H) || p.b <= 0 || p.H <= 0)
        throw CalculationError("Profil: Breite und Höhe müssen größer als 0 sein");
    if (p.shape == TProfileShape::Egg && p.H != 1.5 * p.b)
        throw CalculationError("Eiprofil: die Höhe muss das 1,5-fache der Breite sein");
}

}  // namespace

TProfile EggProfile(double b) { return {TProfileShape::Egg, b, 1.5 * b}; }

TProfile RectangleProfile(double b, double H) { return {TProfileShape::Rectangle, b, H}; }

TProfileSection ProfileSection(const TProfile& profile, double h)
{
    CheckProfile(profile);
    if (!std::isfinite(h) || h < 0 || h > profile.H)
        throw CalculationError("Profil: die Füllhöhe liegt außerhalb des Profils");
    if (profile.shape == TProfileShape::Rectangle) {
        if (h == profile.H)
            return {profile.b * h, 2 * (profile.b + profile.H), 0};
        return {profile.b * h, profile.b + 2 * h, profile.b};
    }
    const double r = profile.b / 2;
    if (h <= EggInvertJoin * r)
        return EggInvert(r, h);
    if (h <= EggCrownJoin * r)
        return EggSides(r, h);
    return EggCrown(r, h);
}

TProfileSection FullSection(const TProfile& profile) { return ProfileSection(profile, profile.H); }

std::optional<TProfileSize> ParseProfileSize(std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos || text.find('/', slash + 1) != std::string_view::npos)
        return std::nullopt;
    const auto number = [](std::string_view part) -> std::optional<double> {
        while (!part.empty() && (part.front() == ' ' || part.front() == '\t'))
            part.remove_prefix(1);
        while (!part.empty() && (part.back() == ' ' || part.back() == '\t'))
            part.remove_suffix(1);
        if (part.empty())
            return std::nullopt;
        std::string working(part);
        if (CheckNumberText(working) != CheckNumeric)
            return std::nullopt;
        // Digits and one decimal mark only: "1.2.3" is no size.
        if (std::count(working.begin(), working.end(), '.') > 1 || working == ".")
            return std::nullopt;
        const double value = ConvertNumberText(working);
        if (!std::isfinite(value) || value <= 0)
            return std::nullopt;
        return value;
    };
    const auto b = number(text.substr(0, slash));
    const auto H = number(text.substr(slash + 1));
    if (!b || !H)
        return std::nullopt;
    return TProfileSize{*b, *H};
}

const std::vector<TProfileSize>& EggSeries()
{
    static const std::vector<TProfileSize> series{{500, 750},  {600, 900},   {700, 1050},  {800, 1200},
                                                  {900, 1350}, {1000, 1500}, {1200, 1800}, {1400, 2100}};
    return series;
}

}  // namespace fluvara
