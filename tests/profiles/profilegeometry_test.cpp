// The egg 2:3 and the closed rectangle: the egg's constants and published
// partial-filling ratios, the joins of its arcs, and the closed forms held
// against a plain numerical integration of the width.

#include "profilegeometry.h"

#include "calcerror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace fluvara {
namespace {

constexpr double r = 1.0;  // the egg of width 2: every figure below in units of r

// The egg's half width at height y, from its three circles.
double HalfWidth(double y)
{
    if (y <= 0.2 * r)
        return std::sqrt(std::max(0.0, 0.25 * r * r - (y - 0.5 * r) * (y - 0.5 * r)));
    if (y <= 2 * r)
        return std::sqrt(9 * r * r - (y - 2 * r) * (y - 2 * r)) - 2 * r;
    return std::sqrt(std::max(0.0, r * r - (y - 2 * r) * (y - 2 * r)));
}

// Area by Simpson's rule over the width, perimeter as the length of the
// outline sampled point by point: independent of the closed forms.
TProfileSection Numerical(double h)
{
    const int steps = 200000;
    const double dy = h / steps;
    double area = 0;
    double length = 0;
    for (int i = 0; i < steps; ++i) {
        const double y0 = i * dy;
        const double y1 = y0 + dy;
        area += dy / 6 * (2 * HalfWidth(y0) + 8 * HalfWidth((y0 + y1) / 2) + 2 * HalfWidth(y1));
        length += 2 * std::hypot(HalfWidth(y1) - HalfWidth(y0), dy);
    }
    return {area, length + 2 * HalfWidth(0), 2 * HalfWidth(h)};
}

TEST(EggProfile, ConstantsOfTheFullProfile)
{
    const TProfile egg = EggProfile(2 * r);
    EXPECT_EQ(egg.H, 3 * r);
    const TProfileSection full = FullSection(egg);
    EXPECT_NEAR(full.area, 4.5941 * r * r, 0.5e-4);
    EXPECT_NEAR(full.perimeter, 7.9299 * r, 0.5e-4);
    EXPECT_NEAR(full.area / full.perimeter, 0.57934 * r, 0.5e-5);
    EXPECT_NEAR(full.area / (egg.H * egg.H), 0.51046, 0.5e-5);
    EXPECT_NEAR(full.area / full.perimeter / egg.H, 0.19311, 0.5e-5);
    EXPECT_EQ(full.surfaceWidth, 0);
    const TProfileSection empty = ProfileSection(egg, 0);
    EXPECT_EQ(empty.area, 0);
    EXPECT_EQ(empty.perimeter, 0);
    EXPECT_EQ(empty.surfaceWidth, 0);
}

TEST(EggProfile, PublishedPartialFillingRatios)
{
    const struct {
        double hH, areaRatio, radiusRatio;
    } rows[] = {{0.04, 0.0116, 0.130}, {0.08, 0.0316, 0.244}};
    const TProfile egg = EggProfile(2 * r);
    const TProfileSection full = FullSection(egg);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.hH);
        const TProfileSection s = ProfileSection(egg, row.hH * egg.H);
        EXPECT_NEAR(s.area / full.area, row.areaRatio, 0.001);
        EXPECT_NEAR((s.area / s.perimeter) / (full.area / full.perimeter), row.radiusRatio, 0.005);
    }
}

TEST(EggProfile, ArcsJoinWithoutAStep)
{
    const TProfile egg = EggProfile(2 * r);
    const double delta = 1e-7 * r;
    for (const double join : {EggInvertJoin * r, EggCrownJoin * r}) {
        SCOPED_TRACE(join);
        const TProfileSection below = ProfileSection(egg, join - delta);
        const TProfileSection at = ProfileSection(egg, join);
        const TProfileSection above = ProfileSection(egg, join + delta);
        // The area grows by the surface width: no step, no kink.
        EXPECT_NEAR(above.area - below.area, 2 * delta * at.surfaceWidth, 1e-12 * r * r);
        EXPECT_NEAR(above.surfaceWidth, below.surfaceWidth, 1e-6 * r);
        EXPECT_NEAR(above.perimeter, below.perimeter, 10 * delta);
        EXPECT_NEAR(at.surfaceWidth, 2 * HalfWidth(join), 1e-15 * r);
    }
    EXPECT_NEAR(ProfileSection(egg, EggCrownJoin * r).surfaceWidth, 2 * r, 1e-15);
    EXPECT_NEAR(ProfileSection(egg, EggInvertJoin * r).surfaceWidth, 0.8 * r, 1e-15);
}

TEST(EggProfile, ClosedFormsAgreeWithTheWidthIntegrated)
{
    const TProfile egg = EggProfile(2 * r);
    for (const double h : {0.05, 0.2, 0.35, 1.0, 1.9, 2.0, 2.4, 2.9, 3.0}) {
        SCOPED_TRACE(h);
        const TProfileSection exact = ProfileSection(egg, h * r);
        const TProfileSection sampled = Numerical(h * r);
        EXPECT_NEAR(exact.area, sampled.area, 1e-6 * r * r);
        EXPECT_NEAR(exact.perimeter, sampled.perimeter, 1e-6 * r);
        EXPECT_NEAR(exact.surfaceWidth, sampled.surfaceWidth, 1e-12 * r);
    }
}

TEST(EggProfile, ScalesWithItsWidth)
{
    const TProfileSection unit = ProfileSection(EggProfile(2), 1.1);
    const TProfileSection large = ProfileSection(EggProfile(1200), 660);
    EXPECT_NEAR(large.area, unit.area * 600 * 600, 1e-9 * 600 * 600);
    EXPECT_NEAR(large.perimeter, unit.perimeter * 600, 1e-9 * 600);
}

TEST(RectangleProfile, SectionsBelowTheCoverAndFull)
{
    const struct {
        double h, area, perimeter, width;
    } rows[] = {{0, 0, 1.2, 1.2}, {0.3, 0.36, 1.8, 1.2}, {0.8, 0.96, 2.8, 1.2}, {0.9, 1.08, 4.2, 0}};
    const TProfile box = RectangleProfile(1.2, 0.9);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.h);
        const TProfileSection s = ProfileSection(box, row.h);
        EXPECT_NEAR(s.area, row.area, 1e-15);
        EXPECT_NEAR(s.perimeter, row.perimeter, 1e-15);
        EXPECT_EQ(s.surfaceWidth, row.width);
    }
}

TEST(ProfileSection, RefusesWhatIsNoProfileOrNoHeightInIt)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(ProfileSection(EggProfile(2), -0.1), CalculationError);
    EXPECT_THROW(ProfileSection(EggProfile(2), 3.0001), CalculationError);
    EXPECT_THROW(ProfileSection(EggProfile(2), nan), CalculationError);
    EXPECT_THROW(ProfileSection(EggProfile(0), 0), CalculationError);
    EXPECT_THROW(ProfileSection(EggProfile(nan), 0), CalculationError);
    EXPECT_THROW(ProfileSection(TProfile{TProfileShape::Egg, 600, 1000}, 100), CalculationError);
    EXPECT_THROW(ProfileSection(RectangleProfile(1, -1), 0), CalculationError);
    EXPECT_THROW(ProfileSection(RectangleProfile(std::numeric_limits<double>::infinity(), 1), 0.5), CalculationError);
}

TEST(ProfileSize, ReadAsWrittenInLists)
{
    const struct {
        const char* text;
        double b, H;  // 0: refused
    } rows[] = {
        {"600/900", 600, 900},
        {" 1000 / 1500 ", 1000, 1500},
        {"800,5/1200", 800.5, 1200},
        {"1200.0/1800", 1200, 1800},
        {"600", 0, 0},
        {"600/", 0, 0},
        {"/900", 0, 0},
        {"0/900", 0, 0},
        {"600/900/1", 0, 0},
        {"-600/900", 0, 0},
        {"600x900", 0, 0},
        {"6.0.0/900", 0, 0},
        {"./900", 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const auto size = ParseProfileSize(row.text);
        if (row.b == 0) {
            EXPECT_FALSE(size);
            continue;
        }
        ASSERT_TRUE(size);
        EXPECT_EQ(size->b, row.b);
        EXPECT_EQ(size->H, row.H);
    }
}

TEST(ProfileSize, TheEggSeriesIsTwoToThreeAndAscending)
{
    const auto& series = EggSeries();
    ASSERT_EQ(series.size(), 8u);
    EXPECT_EQ(series.front().b, 500);
    EXPECT_EQ(series.back().H, 2100);
    for (std::size_t i = 0; i < series.size(); ++i) {
        EXPECT_EQ(series[i].H, 1.5 * series[i].b);
        EXPECT_NO_THROW(FullSection(EggProfile(series[i].b)));
        if (i > 0) {
            EXPECT_LT(series[i - 1].b, series[i].b);
        }
    }
}

}  // namespace
}  // namespace fluvara
