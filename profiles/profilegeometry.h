#pragma once
// Cross-sections of closed sewers other than the circle: the standard egg
// profile 2:3 and the closed rectangle. For a filling height h, the wetted
// area, the wetted perimeter and the width of the water surface, each in
// closed form (one segment formula per arc of the egg), exact at empty and
// full. Lengths in any one unit; areas in its square.

#include <optional>
#include <string_view>
#include <vector>

namespace fluvara {

enum class TProfileShape { Egg, Rectangle };

struct TProfile {
    TProfileShape shape = TProfileShape::Egg;
    double b = 0;  // inner width
    double H = 0;  // inner height; an egg's is 1.5 b
};

struct TProfileSection {
    double area = 0;
    double perimeter = 0;     // wetted
    double surfaceWidth = 0;  // 0 when the profile runs full
};

// The egg 2:3 of width b: height 1.5 b. The crown is a semicircle of radius
// r = b / 2 whose centre stands 2r above the invert; the sides are arcs of
// radius 3r whose centres lie on the horizontal through the crown centre, 2r
// beyond the axis on the opposite side; the invert is an arc of radius r / 2
// centred r / 2 above the invert. The arcs meet tangentially at 0.2r and 2r.
TProfile EggProfile(double b);
TProfile RectangleProfile(double b, double H);

// Throws CalculationError for a profile that is not one (sizes not positive
// or not finite, an egg not of 2:3) or a height outside 0 ... H.
TProfileSection ProfileSection(const TProfile& profile, double h);
TProfileSection FullSection(const TProfile& profile);

// The heights above the invert where the egg's arcs meet, in units of r.
inline constexpr double EggInvertJoin = 0.2;
inline constexpr double EggCrownJoin = 2.0;

// A size as written in lists, "b/H" in mm ("600/900"); blanks around the
// numbers allowed, decimal point or comma. Nothing when it is not two
// positive finite numbers.
struct TProfileSize {
    double b = 0;
    double H = 0;
};
std::optional<TProfileSize> ParseProfileSize(std::string_view text);

// The standard series of egg profiles, b/H in mm, ascending: 500/750 …
// 1400/2100.
const std::vector<TProfileSize>& EggSeries();

}  // namespace fluvara
