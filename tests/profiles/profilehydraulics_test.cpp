// Egg and box reaches under the circle's laws. The figures of the tables come
// from profile_figures.py beside this file, which works them out apart from
// the program: sections by quadrature of the outline, the filling height as
// the root of Q(h) = Qt by bisection, the design by trying each size.

#include "profilehydraulics.h"

#include "calcerror.h"
#include "circle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace fluvara {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

struct TReachCase {
    const char* name;
    TProfile profile;
    double kb, Is;
    double A, R, Qv, vv;  // m^2, m, l/s cut, m/s
};

// clang-format off
const TReachCase reaches[] = {
    {"egg 600/900",   EggProfile(600),               1.5,  5, 0.4134717099, 0.1738029464, 695.83,  1.682905017},
    {"egg 1000/1500", EggProfile(1000),              0.75, 2, 1.148532528,  0.2896715774, 1825.17, 1.589137439},
    {"box 1000/800",  RectangleProfile(1000, 800),   1.5,  3, 0.8,          0.2222222222, 1217.58, 1.521987468},
    {"box 2000/1500", RectangleProfile(2000, 1500),  0.25, 1, 3.0,          0.4285714286, 4734.99, 1.578332909},
};
// clang-format on

TEST(ProfileFullFlow, PrandtlColebrookWithTheHydraulicDiameter)
{
    for (const TReachCase& c : reaches) {
        SCOPED_TRACE(c.name);
        const TProfileFullFlow f = ProfileFullFlow(c.profile, c.kb, c.Is);
        EXPECT_NEAR(f.A, c.A, 1e-9);
        EXPECT_NEAR(f.R, c.R, 1e-10);
        EXPECT_NEAR(f.dh, 4000 * c.R, 1e-6);
        EXPECT_NEAR(f.U, c.A / c.R, 1e-8);
        EXPECT_NEAR(f.Qv, c.Qv, 1e-9);  // cut to two decimals
        EXPECT_NEAR(f.vv, c.vv, 1e-9);
        EXPECT_EQ(f.hFull, 0.1 * c.profile.H);
    }
}

TEST(ProfileFullFlow, ACircleOfEqualHydraulicDiameterGivesTheSameVelocity)
{
    // The law sees only 4 R: a pipe of that diameter flows as fast.
    const TProfileFullFlow egg = ProfileFullFlow(EggProfile(600), 1.5, 5);
    const TCircleFullFlow pipe = CircleFullFlow(egg.dh, 1.5, 5, false);
    EXPECT_NEAR(egg.vv, pipe.vv, 1e-12);
}

TEST(ProfileFullFlow, DischargeIsCutNotRounded)
{
    // 1217.5899744 l/s shows 1217.58, the velocity comes from the uncut discharge
    const TProfileFullFlow f = ProfileFullFlow(RectangleProfile(1000, 800), 1.5, 3);
    EXPECT_NEAR(f.Qv, 1217.58, 1e-9);
    EXPECT_GT(f.vv * f.A * 1000, 1217.5899);
}

// A figure at the two heights that carry 0.0001 l/s less and more than Qt.
struct TBracket {
    double h, hH, vt, At, Rt;  // cm, %, m/s, m^2, m
};

struct TPartialCase {
    int reach;  // index into reaches
    double Qt;  // l/s; < 0: the reach's Qv
    double qq;  // %
    TBracket less, more;
};

// clang-format off
const TPartialCase partials[] = {
    {0, 0.01, 0.001437132633,
     {0.2705403952, 0.3006004391, 0.09659754490, 0.0001024870768, 0.001796004863},
     {0.2731053045, 0.3034503383, 0.09716647569, 0.0001039453158, 0.001812959438}},
    {0, 1, 0.1437132633,
     {2.423209494, 2.692454993, 0.3721216391, 0.002687024604, 0.01554023732},
     {2.423443129, 2.692714587, 0.3721431676, 0.002687406587, 0.01554167583}},
    {0, 10, 1.437132633,
     {7.561617805, 8.401797561, 0.7146766472, 0.01399220198, 0.04415065109},
     {7.561695688, 8.401884098, 0.7146804824, 0.01399240674, 0.04415103018}},
    {0, 100, 14.37132633,
     {25.18099198, 27.97887998, 1.262755489, 0.07919181571, 0.1097672011},
     {25.18101845, 27.97890939, 1.262756074, 0.07919193742, 0.1097672825}},
    {0, -1, 100.0000000,
     {77.99555515, 86.66172794, 1.864526939, 0.3731938035, 0.2047724971},
     {77.99557846, 86.66175384, 1.864526915, 0.3731939154, 0.2047724930}},
    {1, 5, 0.2739470844,
     {5.519886405, 3.679924270, 0.4232297755, 0.01181367732, 0.03487943904},
     {5.519993879, 3.679995919, 0.4232346386, 0.01181401413, 0.03488008028}},
    {1, 500, 27.39470844,
     {59.09060543, 39.39373695, 1.380725478, 0.3621283941, 0.2313232531},
     {59.09061814, 39.39374542, 1.380725601, 0.3621285067, 0.2313232860}},
    {1, -1, 100.0000000,
     {129.9928589, 86.66190592, 1.760639657, 1.036651590, 0.3412874485},
     {129.9928737, 86.66191580, 1.760639648, 1.036651709, 0.3412874459}},
    {2, 20, 1.642602539,
     {4.016963291, 5.021204114, 0.4978860535, 0.04016963291, 0.03718242425},
     {4.016988739, 5.021235924, 0.4978878782, 0.04016988739, 0.03718264228}},
    {2, 400, 32.85205079,
     {29.44171840, 36.80214800, 1.358616011, 0.2944171840, 0.1853038869},
     {29.44172897, 36.80216121, 1.358616202, 0.2944172897, 0.1853039287}},
    {2, -1, 100.0000000,
     {68.00886306, 85.01107882, 1.790325327, 0.6800886306, 0.2881515053},
     {68.00887189, 85.01108986, 1.790325389, 0.6800887189, 0.2881515212}},
    {3, 100, 2.111936878,
     {8.915235917, 5.943490611, 0.5608370936, 0.1783047183, 0.08185480977},
     {8.915247246, 5.943498164, 0.5608375025, 0.1783049449, 0.08185490527}},
    {3, 2000, 42.23873757,
     {66.29046350, 44.19364234, 1.508512533, 1.325809270, 0.3986426047},
     {66.29046832, 44.19364555, 1.508512574, 1.325809366, 0.3986426221}},
    {3, -1, 100.0000000,
     {126.9862597, 84.65750649, 1.864370960, 2.539725195, 0.5594446989},
     {126.9862639, 84.65750930, 1.864370977, 2.539725279, 0.5594447071}},
};
// clang-format on

// Within the bracket, give or take the last digits of its figures.
void ExpectWithin(double value, double a, double b, const char* what)
{
    const double slack = 1e-9 * std::max(std::fabs(a), std::fabs(b));
    EXPECT_GE(value, std::min(a, b) - slack) << what;
    EXPECT_LE(value, std::max(a, b) + slack) << what;
}

// The walk ends within 0.0001 l/s of Qt: each figure lies between its values
// at the heights that carry Qt - 0.0001 and Qt + 0.0001 l/s.
TEST(ProfilePartialFlow, FindsTheLowerHeightCarryingQt)
{
    for (const TPartialCase& c : partials) {
        const TReachCase& reach = reaches[c.reach];
        SCOPED_TRACE(std::string(reach.name) + " Qt " + std::to_string(c.Qt));
        const TProfileFullFlow full = ProfileFullFlow(reach.profile, reach.kb, reach.Is);
        const double Qt = c.Qt < 0 ? full.Qv : c.Qt;
        const TProfilePartialFlow r = ProfilePartialFlow(reach.profile, full, Qt);
        ExpectWithin(r.h, c.less.h, c.more.h, "h");
        ExpectWithin(r.hH, c.less.hH, c.more.hH, "h/H");
        ExpectWithin(r.vt, c.less.vt, c.more.vt, "vt");
        ExpectWithin(r.At, c.less.At, c.more.At, "At");
        ExpectWithin(r.Rt, c.less.Rt, c.more.Rt, "Rt");
        EXPECT_NEAR(r.qq, c.qq, 1e-8);
        EXPECT_NEAR(r.vt * r.At * 1000, Qt, 0.0001 * (1 + 1e-9));
        EXPECT_GT(r.passes, 0);
        EXPECT_LE(r.passes, 300);
    }
}

TEST(ProfilePartialFlow, WalksTenMillimetresAtATimeFromTheInvert)
{
    // 0.01 l/s flow 2.72 mm deep in an egg 600/900: the first step to 10 mm
    // carries more, the walk turns back towards the invert in 1 mm steps,
    // reaches it dry and comes up again in steps of 0.1 mm.
    const TProfile egg = EggProfile(600);
    const TProfileFullFlow full = ProfileFullFlow(egg, 1.5, 5);
    EXPECT_GT(ProfileFlowAt(egg, full, 10).Q, 0.01);
    const TProfilePartialFlow r = ProfilePartialFlow(egg, full, 0.01);
    EXPECT_NEAR(r.h, 0.2718, 0.0015);
    EXPECT_EQ(ProfilePartialFlow(egg, full, 0.01).h, r.h);
}

TEST(ProfilePartialFlow, DryAndFullEnds)
{
    const TProfile box = RectangleProfile(1000, 800);
    const TProfileFullFlow full = ProfileFullFlow(box, 1.5, 3);
    const TProfileFlow dry = ProfileFlowAt(box, full, 0);
    EXPECT_EQ(dry.Q, 0);
    EXPECT_EQ(dry.vt, 0);
    // Full, the cover is wetted: Rt is Rv and the flow is the uncut Qv.
    const TProfileFlow top = ProfileFlowAt(box, full, 800);
    EXPECT_EQ(top.vt, full.vv);
    EXPECT_NEAR(top.Q, 1217.5899744, 1e-6);
    // Just below the cover it is not wetted: more than full.
    EXPECT_GT(ProfileFlowAt(box, full, 799.999).Q, 1.1 * top.Q);
}

TEST(ProfilePartialFlow, RefusesADischargeOutsideZeroToQv)
{
    const TProfile egg = EggProfile(600);
    const TProfileFullFlow full = ProfileFullFlow(egg, 1.5, 5);
    for (const double Qt : {0.0, -1.0, full.Qv + 0.01, 1e12, nan, std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(Qt);
        try {
            ProfilePartialFlow(egg, full, Qt);
            ADD_FAILURE() << "no error";
        } catch (const CalculationError& e) {
            EXPECT_STREQ(e.what(), ProfileDischargeMessage);
        }
    }
}

TEST(ProfilePartialFlow, UnreachableDischargeEndsAtThePassLimit)
{
    // A full flow that does not belong to the profile: its Qv promises more
    // than the profile ever carries, and the walk is held below the crown.
    const TProfile egg = EggProfile(600);
    TProfileFullFlow full = ProfileFullFlow(egg, 1.5, 5);
    full.Qv = 1e6;
    try {
        ProfilePartialFlow(egg, full, 1e5);
        FAIL() << "no error";
    } catch (const CalculationError& e) {
        EXPECT_STREQ(e.what(), PartialFlowLimitMessage);
    }
}

TEST(ProfilePartialFlow, NotFiniteIsAnError)
{
    const TProfile egg = EggProfile(600);
    TProfileFullFlow full = ProfileFullFlow(egg, 1.5, 5);
    full.vv = nan;
    try {
        ProfilePartialFlow(egg, full, 10);
        FAIL() << "no error";
    } catch (const CalculationError& e) {
        EXPECT_STREQ(e.what(), NotFiniteMessage);
    }
}

TEST(ProfileFullFlow, RefusesWhatGivesNoFiniteFlow)
{
    EXPECT_THROW(ProfileFullFlow(EggProfile(0), 1.5, 5), CalculationError);
    EXPECT_THROW(ProfileFullFlow(TProfile{TProfileShape::Egg, 600, 800}, 1.5, 5), CalculationError);
    EXPECT_THROW(ProfileFullFlow(RectangleProfile(nan, 800), 1.5, 5), CalculationError);
    EXPECT_THROW(ProfileFullFlow(EggProfile(600), 1.5, 0), CalculationError);
    EXPECT_THROW(ProfileFullFlow(EggProfile(600), 1.5, -1), CalculationError);
    EXPECT_THROW(ProfileFullFlow(EggProfile(600), nan, 5), CalculationError);
    EXPECT_THROW(ProfileFullFlow(EggProfile(600), 1.5, std::numeric_limits<double>::infinity()), CalculationError);
    // A roughness beyond any pipe's turns the logarithm positive: no discharge.
    EXPECT_THROW(ProfileFullFlow(EggProfile(600), 1e6, 5), CalculationError);
}

struct TDesignCase {
    double Q, hH, kb, Is;
    bool use09;
    double b, H;  // 0: no size large enough
    double Qbem, h, Qh, Qv, vv, vt;
};

// clang-format off
const TDesignCase designs[] = {
    {1,    80, 1.5,  5, false, 500,  750,  1,           60,   392.4531383, 430.1041143, 1.497925758, 1.651801068},
    {360,  80, 1.5,  5, false, 500,  750,  360,         60,   392.4531383, 430.1041143, 1.497925758, 1.651801068},
    {360,  80, 1.5,  5, true,  600,  900,  400,         72,   634.9208875, 695.8336151, 1.682905017, 1.855782431},
    {500,  50, 0.75, 2, true,  900,  1350, 555.5555556, 67.5, 586.5794966, 1384.678673, 1.488403508, 1.421840529},
    {4000, 90, 1.5,  3, false, 1400, 2100, 4000,        189,  5159.295406, 4997.285519, 2.219907062, 2.449424860},
    {5200, 90, 1.5,  3, false, 0,    0,    0,           0,    0,           0,           0,           0},
};
// clang-format on

TEST(DesignEgg, SmallestSizeOfTheSeriesThatCarriesTheDischarge)
{
    for (const TDesignCase& c : designs) {
        SCOPED_TRACE(std::to_string(c.Q) + (c.use09 ? " / 0.9" : ""));
        const std::optional<TProfileDesign> d = DesignEgg(c.Q, c.hH, c.kb, c.Is, c.use09);
        if (c.b == 0) {
            EXPECT_FALSE(d);
            continue;
        }
        ASSERT_TRUE(d);
        EXPECT_EQ(d->size.b, c.b);
        EXPECT_EQ(d->size.H, c.H);
        EXPECT_NEAR(d->Qbem, c.Qbem, 1e-7);
        EXPECT_NEAR(d->h, c.h, 1e-12);
        EXPECT_NEAR(d->Q, c.Qh, 1e-6);
        EXPECT_NEAR(d->Qv, c.Qv, 1e-6);  // not cut, as the circle's design
        EXPECT_NEAR(d->vv, c.vv, 1e-9);
        EXPECT_NEAR(d->vt, c.vt, 1e-9);
        EXPECT_NEAR(d->qq, c.Qh / c.Qv * 100, 1e-7);
    }
}

TEST(DesignEgg, TheLargestSizeCarriesUpToItsCapacityAndNoMore)
{
    const std::optional<TProfileDesign> largest = DesignEgg(4000, 90, 1.5, 3, false);
    ASSERT_TRUE(largest);
    EXPECT_TRUE(DesignEgg(largest->Q, 90, 1.5, 3, false));
    EXPECT_FALSE(DesignEgg(largest->Q * (1 + 1e-12), 90, 1.5, 3, false));
    EXPECT_FALSE(DesignEgg(largest->Q, 90, 1.5, 3, true));
    EXPECT_FALSE(DesignEgg(1, 80, 1.5, 5, false, {}));
}

TEST(DesignEgg, RefusesInputsOutOfRange)
{
    EXPECT_THROW(DesignEgg(0, 80, 1.5, 5, false), CalculationError);
    EXPECT_THROW(DesignEgg(nan, 80, 1.5, 5, false), CalculationError);
    EXPECT_THROW(DesignEgg(std::numeric_limits<double>::infinity(), 80, 1.5, 5, false), CalculationError);
    EXPECT_THROW(DesignEgg(100, 0, 1.5, 5, false), CalculationError);
    EXPECT_THROW(DesignEgg(100, 100.1, 1.5, 5, false), CalculationError);
    EXPECT_THROW(DesignEgg(100, nan, 1.5, 5, false), CalculationError);
    EXPECT_THROW(DesignEgg(100, 80, 1.5, 0, false), CalculationError);
    EXPECT_THROW(DesignEgg(100, 80, 1.5, 5, false, {{600, 800}}), CalculationError);
    // Full is allowed: the size's own Qv.
    const std::optional<TProfileDesign> full = DesignEgg(100, 100, 1.5, 5, false);
    ASSERT_TRUE(full);
    EXPECT_NEAR(full->Q, full->Qv, 1e-9);
}

}  // namespace
}  // namespace fluvara
