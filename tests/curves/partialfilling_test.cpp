#include "partialfilling.h"

#include "circle.h"
#include "constants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace fluvara {
namespace {

struct PipeCase {
    double d, kb, Is;
    bool reduce95;
    double Qt;  // l/s; < 0: the full-flow discharge itself
};

class FillingCurveThroughResult : public ::testing::TestWithParam<PipeCase> { };

// The page's partial-flow result is a point of the curve: same angle, same
// h/d and vt to the bit, Qt/Qv within the search's tolerance of 0.0001 l/s.
TEST_P(FillingCurveThroughResult, SamePointAsThePartialFlowSearch)
{
    const PipeCase& c = GetParam();
    const TCircleFullFlow full = CircleFullFlow(c.d, c.kb, c.Is, c.reduce95);
    const double Qt = c.Qt < 0 ? full.Qv : c.Qt;
    const TCirclePartialFlow result = CirclePartialFlow(full.dc, full.Qv, full.vv, Qt);
    const TFullFlowPipe pipe{full.dc, full.Qv, full.vv};

    const TFillingCurve curve = PartialFillingCurve(pipe, 200, {result.phi});
    const auto at = std::find_if(curve.points.begin(), curve.points.end(),
                                 [&](const TFillingPoint& p) { return p.phi == result.phi; });
    ASSERT_NE(at, curve.points.end());
    EXPECT_EQ(at->hd, result.hd);
    EXPECT_EQ(at->vt, result.vt);
    EXPECT_EQ(at->vr, result.vt / full.vv * 100);
    EXPECT_LE(std::fabs(at->Q - Qt), 0.0001);
    EXPECT_NEAR(at->qq, result.qq, 0.0001 / full.Qv * 100 * (1 + 1e-9));
    // Lies on the rising branch below the maximum, as the search ends at the lower angle.
    EXPECT_LT(at->phi, curve.maximum.phi);
}

INSTANTIATE_TEST_SUITE_P(Pipes, FillingCurveThroughResult,
                         ::testing::Values(PipeCase{300, 1.5, 5, false, 40}, PipeCase{300, 1.5, 5, false, -1},
                                           PipeCase{300, 1.5, 5, true, 12.5}, PipeCase{1000, 0.75, 2, false, 1},
                                           PipeCase{1000, 0.75, 2, false, 1138.86}, PipeCase{3000, 0.25, 500, false, 1},
                                           PipeCase{3000, 0.25, 500, false, -1},
                                           PipeCase{3000, 1.5, 500, false, 296784.21},
                                           PipeCase{150, 0.25, 40, true, 20}, PipeCase{800, 1.5, 0.1, false, 100}));

// Read the other way round: the search for the discharge of a curve point
// ends at that point's filling.
TEST(FillingCurve, SearchForAPointsDischargeFindsItsFilling)
{
    const TCircleFullFlow full = CircleFullFlow(1000, 0.75, 2, false);
    const TFullFlowPipe pipe{full.dc, full.Qv, full.vv};
    const TFillingCurve curve = PartialFillingCurve(pipe, 40);
    int checked = 0;
    for (const TFillingPoint& p : curve.points) {
        if (p.Q < 1 || p.Q > full.Qv || p.phi > curve.maximum.phi)
            continue;
        const TCirclePartialFlow r = CirclePartialFlow(full.dc, full.Qv, full.vv, p.Q);
        EXPECT_NEAR(r.hd, p.hd, 0.01) << "Q " << p.Q;
        EXPECT_NEAR(r.vt, p.vt, 1e-5) << "Q " << p.Q;
        ++checked;
    }
    EXPECT_GT(checked, 25);
}

TEST(FillingCurve, RunsFromTheEmptyToTheFullPipe)
{
    const TCircleFullFlow full = CircleFullFlow(300, 1.5, 5, false);
    const TFullFlowPipe pipe{full.dc, full.Qv, full.vv};
    const TFillingCurve curve = PartialFillingCurve(pipe, 200);
    ASSERT_EQ(curve.points.size(), 202u);  // 201 steps and the maximum
    const TFillingPoint& empty = curve.points.front();
    EXPECT_EQ(empty.hd, 0);
    EXPECT_EQ(empty.qq, 0);
    EXPECT_EQ(empty.vr, 0);
    const TFillingPoint& fullPipe = curve.points.back();
    EXPECT_NEAR(fullPipe.hd, 100, 1e-9);
    EXPECT_NEAR(fullPipe.vr, 100, 1e-9);
    // Qv is cut to two decimals, the segment formulas are not.
    EXPECT_GE(fullPipe.qq, 100);
    EXPECT_LT(fullPipe.Q - full.Qv, 0.01);
    for (std::size_t i = 1; i < curve.points.size(); ++i)
        EXPECT_LT(curve.points[i - 1].hd, curve.points[i].hd);
}

// The exponents 1.625 of the area and 0.625 of the perimeter put the maximum
// where 1.625 (1 - cos x) / (x - sin x) = 0.625 / x, x the angle in radians.
double AngleOfTheMaximum()
{
    auto slope = [](double x) { return 1.625 * (1 - std::cos(x)) / (x - std::sin(x)) - 0.625 / x; };
    double lo = 3.2;
    double hi = 6.28;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (slope(mid) > 0 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi) * 180 / Pi;
}

class FillingCurveMaximum : public ::testing::TestWithParam<PipeCase> { };

TEST_P(FillingCurveMaximum, WhereTheSegmentFormulasPutIt)
{
    const PipeCase& c = GetParam();
    const TCircleFullFlow full = CircleFullFlow(c.d, c.kb, c.Is, c.reduce95);
    const TFullFlowPipe pipe{full.dc, full.Qv, full.vv};
    const TFillingPoint max = MaximumDischarge(pipe);
    const double phi = AngleOfTheMaximum();
    EXPECT_NEAR(max.phi, phi, 1e-4);
    EXPECT_NEAR(max.hd, std::pow(std::sin(phi * Pi / 180 / 4), 2) * 100, 1e-5);
    EXPECT_NEAR(max.hd, 94.09, 0.005);
    EXPECT_GT(max.qq, 100);
    for (const TFillingPoint& p : PartialFillingCurve(pipe, 400).points)
        EXPECT_LE(p.Q, max.Q) << "h/d " << p.hd;
}

INSTANTIATE_TEST_SUITE_P(Pipes, FillingCurveMaximum,
                         ::testing::Values(PipeCase{300, 1.5, 5, false, 0}, PipeCase{100, 0.25, 0.1, false, 0},
                                           PipeCase{3000, 0.25, 500, true, 0}));

TEST(FillingCurve, AngleOfFillingInvertsTheFillingHeight)
{
    for (double hd : {0.5, 10.0, 50.0, 82.7, 99.5}) {
        const double phi = AngleOfFilling(hd);
        EXPECT_NEAR(CircleFillingAt(phi, 300).hd, hd, 1e-9);
    }
    EXPECT_NEAR(AngleOfFilling(50), 180, 1e-9);
    EXPECT_NEAR(AngleOfFilling(100), 360, 1e-9);
}

}  // namespace
}  // namespace fluvara
