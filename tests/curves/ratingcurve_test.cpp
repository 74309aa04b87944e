#include "ratingcurve.h"

#include "channel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace fluvara {
namespace {

struct ChannelCase {
    const char* name;
    TChannelInput input;
};

const ChannelCase Channels[] = {
    {"Symmetric45", {500, 2, 30, 30, 30, 100, 100, ByAngle(45), ByAngle(45)}},
    {"BanksBySlope", {10, 1, 30, 30, 30, 50, 50, BySlope(1.5), BySlope(2)}},
    {"RightBankVertical", {1000, 1, 40, 25, 25, 200, 80, ByAngle(60), ByAngle(90)}},
    {"OverflowingBetweenWalls", {2000, 5, 60, 60, 60, 150, 50, ByAngle(90), ByAngle(90)}},
    {"Supercritical", {200, 20, 70, 30, 30, 50, 60, ByAngle(30), BySlope(3)}},
    {"ShallowestDepth", {1, 500, 100, 100, 100, 3000, 10, ByAngle(10), ByAngle(10)}},
    {"River", {99000, 0.5, 30, 25, 25, 2000, 900, BySlope(2), BySlope(2)}},
};

class RatingCurveTest : public ::testing::TestWithParam<ChannelCase> { };

const TRatingPoint& PointAt(const TRatingCurve& curve, double Q)
{
    const auto at =
        std::find_if(curve.points.begin(), curve.points.end(), [&](const TRatingPoint& p) { return p.Q == Q; });
    if (at == curve.points.end())
        throw std::runtime_error("no point at Q " + std::to_string(Q));
    return *at;
}

// The page's normal and critical depth, bit for bit.
TEST_P(RatingCurveTest, PassesThroughThePagesResult)
{
    const TChannelInput& input = GetParam().input;
    const TChannelResult result = CalculateChannel(input);
    const TRatingCurve curve = RatingCurve(input, 100);
    const TRatingPoint& p = PointAt(curve, input.Q);
    ASSERT_TRUE(p.h && p.hgr);
    EXPECT_EQ(*p.h, result.h);
    EXPECT_EQ(*p.hgr, result.hgr);
}

// The normal depth of the bankfull discharge is hp, within the 0.1 mm at
// which the search stops.
TEST_P(RatingCurveTest, ReachesTheProfileHeightAtTheBankfullDischarge)
{
    const TChannelInput& input = GetParam().input;
    const TRatingCurve curve = RatingCurve(input, 100);
    EXPECT_EQ(curve.hp, input.hp);
    const TRatingPoint& bankfull = PointAt(curve, curve.Qbankfull);
    ASSERT_TRUE(bankfull.h);
    EXPECT_NEAR(*bankfull.h, input.hp, 0.01);
    // The curve ends there, or at the run's discharge when the run overflows.
    EXPECT_EQ(curve.points.back().Q, std::max(curve.Qbankfull, input.Q));
    if (input.Q <= curve.Qbankfull) {
        EXPECT_EQ(&curve.points.back(), &bankfull);
    }
}

TEST_P(RatingCurveTest, StartsEmptyAndRisesWithTheDischarge)
{
    const TRatingCurve curve = RatingCurve(GetParam().input, 100);
    ASSERT_GE(curve.points.size(), 101u);
    const TRatingPoint& first = curve.points.front();
    EXPECT_EQ(first.Q, 0);
    EXPECT_EQ(first.h, 0.0);
    EXPECT_EQ(first.hgr, 0.0);
    for (std::size_t i = 1; i < curve.points.size(); ++i) {
        const TRatingPoint& a = curve.points[i - 1];
        const TRatingPoint& b = curve.points[i];
        EXPECT_LT(a.Q, b.Q);
        ASSERT_TRUE(a.h && b.h && a.hgr && b.hgr);
        // Stepped depths: never lower by more than the search's tolerance.
        EXPECT_GE(*b.h, *a.h - 0.02) << "Q " << b.Q;
        EXPECT_GE(*b.hgr, *a.hgr) << "Q " << b.Q;
    }
}

INSTANTIATE_TEST_SUITE_P(Channels, RatingCurveTest, ::testing::ValuesIn(Channels),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RatingPoint, SameDepthsAsTheChannelCalculationAtAnyDischarge)
{
    TChannelInput input{0, 1, 40, 25, 25, 200, 80, BySlope(1.5), ByAngle(90)};
    for (double Q : {1.0, 17.3, 480.0, 2599.99, 99000.0}) {
        input.Q = Q;
        const TChannelResult r = CalculateChannel(input);
        const TRatingPoint p = RatingPointAt(input, Q);
        EXPECT_EQ(p.h, r.h) << Q;
        EXPECT_EQ(p.hgr, r.hgr) << Q;
    }
}

TEST(RatingPoint, EmptyChannelWithoutSearch)
{
    const TRatingPoint p = RatingPointAt({500, 2, 30, 30, 30, 100, 100, ByAngle(45), ByAngle(45)}, 0);
    EXPECT_EQ(p.h, 0.0);
    EXPECT_EQ(p.hgr, 0.0);
}

// A wide, steep, smooth rectangle carries so much at bankfull that its
// critical depth passes the searches' bound: the critical-depth line ends
// there, the normal depth goes on to hp.
TEST(RatingCurve, CriticalDepthBeyondTheBoundLeftOut)
{
    const TChannelInput input{1, 500, 100, 100, 100, 3000, 900, ByAngle(90), ByAngle(90)};
    const TRatingCurve curve = RatingCurve(input, 100);
    EXPECT_TRUE(curve.points.front().hgr);
    EXPECT_FALSE(curve.points.back().hgr);
    bool ended = false;
    for (const TRatingPoint& p : curve.points) {
        EXPECT_TRUE(p.h) << p.Q;
        if (!p.hgr)
            ended = true;
        EXPECT_EQ(ended, !p.hgr) << "no critical depth after the first refusal, Q " << p.Q;
        if (p.hgr) {
            EXPECT_LE(*p.hgr, 5000.0);
        }
    }
    EXPECT_NEAR(*curve.points.back().h, 900, 0.01);
}

TEST(BankfullDischarge, ManningStricklerAtTheProfileHeight)
{
    // Rectangle 1 m wide, 1 m high, kst 30, Is 1 per mille: A 1, P 3, Q = 30 * (1/3)^(2/3) * sqrt(0.001) m^3/s.
    const double Q = BankfullDischarge({0, 1, 30, 30, 30, 100, 100, ByAngle(90), ByAngle(90)});
    EXPECT_NEAR(Q, 30 * std::pow(1.0 / 3, 2.0 / 3) * std::sqrt(0.001) * 1000, 1e-9);
}

}  // namespace
}  // namespace fluvara
