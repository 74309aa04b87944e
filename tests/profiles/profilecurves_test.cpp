// Partial-filling curves of eggs and boxes: the published ratios of the egg,
// the results of the partial-flow walk lying on the curves, the ends and the
// greatest discharge (figures from profile_figures.py).

#include "profilecurves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace fluvara {
namespace {

struct TReach {
    const char* name;
    TProfile profile;
    double kb, Is;
};

const TReach reaches[] = {
    {"egg 600/900", EggProfile(600), 1.5, 5},
    {"egg 1400/2100", EggProfile(1400), 0.25, 40},
    {"box 1000/800", RectangleProfile(1000, 800), 1.5, 3},
    {"box 2000/1500", RectangleProfile(2000, 1500), 0.25, 1},
    {"box 300/200", RectangleProfile(300, 200), 0.75, 2},
};

TEST(ProfileFillingCurve, PublishedRatiosOfTheEgg)
{
    const struct {
        double hH, areaRatio, radiusRatio;
    } rows[] = {{4, 0.0116, 0.130}, {8, 0.0316, 0.244}};
    for (const TReach& reach : {reaches[0], reaches[1]}) {
        const TProfileFullFlow full = ProfileFullFlow(reach.profile, reach.kb, reach.Is);
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(reach.name) + " at " + std::to_string(row.hH));
            const TProfileFillingPoint p = ProfileFillingPointAt(reach.profile, full, row.hH);
            EXPECT_NEAR(p.hH, row.hH, 1e-12);
            EXPECT_NEAR(p.aa / 100, row.areaRatio, 0.001);
            EXPECT_NEAR(p.rr / 100, row.radiusRatio, 0.005);
            // the law the curves draw
            EXPECT_NEAR(p.vr / 100, std::pow(p.rr / 100, 0.625), 1e-12);
        }
    }
}

TEST(ProfileFillingCurve, EveryPartialFlowResultLiesOnTheCurveBelowItsMaximum)
{
    for (const TReach& reach : reaches) {
        const TProfileFullFlow full = ProfileFullFlow(reach.profile, reach.kb, reach.Is);
        for (const double share : {0.001, 0.05, 0.5, 0.9, 1.0}) {
            const double Qt = share == 1.0 ? full.Qv : share * full.Qv;
            SCOPED_TRACE(std::string(reach.name) + " Qt " + std::to_string(Qt));
            const TProfilePartialFlow result = ProfilePartialFlow(reach.profile, full, Qt);
            const TProfileFillingCurve curve = ProfileFillingCurve(reach.profile, full, 50, {result.hH});
            const auto at = std::find_if(curve.points.begin(), curve.points.end(),
                                         [&](const TProfileFillingPoint& p) { return p.hH == result.hH; });
            ASSERT_NE(at, curve.points.end());
            EXPECT_NEAR(at->h * 0.1, result.h, 1e-9 * result.h);
            EXPECT_NEAR(at->vt, result.vt, 1e-9 * result.vt);
            EXPECT_LE(std::fabs(at->Q - Qt), 0.0001 * (1 + 1e-6));
            EXPECT_NEAR(at->qq, result.qq, 0.0001 / full.Qv * 100 * (1 + 1e-6));
            EXPECT_LT(at->h, curve.maximum.h);
        }
    }
}

TEST(ProfileFillingCurve, FromDryToFullByRisingHeight)
{
    for (const TReach& reach : reaches) {
        SCOPED_TRACE(reach.name);
        const TProfileFullFlow full = ProfileFullFlow(reach.profile, reach.kb, reach.Is);
        const TProfileFillingCurve curve = ProfileFillingCurve(reach.profile, full, 40, {37.3, 40, 120, -3});
        // 41 steps and the maximum; 37.3 is new, 40 a step already, and
        // what lies outside 0 ... 100 % ends at dry or full
        ASSERT_EQ(curve.points.size(), 43u);
        const TProfileFillingPoint& dry = curve.points.front();
        EXPECT_EQ(dry.h, 0);
        EXPECT_EQ(dry.Q, 0);
        EXPECT_EQ(dry.aa, 0);
        const TProfileFillingPoint& full100 = curve.points.back();
        EXPECT_EQ(full100.h, reach.profile.H);
        EXPECT_EQ(full100.hH, 100);
        EXPECT_NEAR(full100.aa, 100, 1e-12);
        EXPECT_NEAR(full100.rr, 100, 1e-12);
        EXPECT_EQ(full100.vr, 100);
        // Qv is cut: full, the profile carries a little more than the 100 %
        EXPECT_GE(full100.qq, 100);
        EXPECT_LT(full100.qq, 100 + 0.01 / full.Qv * 100);
        for (std::size_t i = 1; i < curve.points.size(); ++i) {
            EXPECT_LT(curve.points[i - 1].h, curve.points[i].h);
            EXPECT_LE(curve.points[i].Q, curve.maximum.Q);
        }
    }
}

TEST(ProfileFillingCurve, GreatestDischargeOfTheEggAndTheBox)
{
    // egg: 95.50 % of H carry 105.78 % of Qv; box 1000/800: just below the
    // cover, where the wetted perimeter still lacks the cover's width,
    // ((2b + 2H) / (b + 2H))^0.625 = 122.55 % of Qv.
    const struct {
        TReach reach;
        double hH, QQv;  // %, greatest Q over the uncut Qv in %
    } rows[] = {{reaches[0], 95.500363, 105.77647}, {reaches[2], 100, 122.554911}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reach.name);
        const TProfileFullFlow full = ProfileFullFlow(row.reach.profile, row.reach.kb, row.reach.Is);
        const TProfileFillingPoint top = ProfileMaximumDischarge(row.reach.profile, full);
        const double Qv = ProfileFlowAt(row.reach.profile, full, row.reach.profile.H).Q;
        EXPECT_NEAR(top.hH, row.hH, 1e-4);
        EXPECT_LT(top.hH, 100);
        EXPECT_NEAR(top.Q / Qv * 100, row.QQv, 1e-4);
    }
}

}  // namespace
}  // namespace fluvara
