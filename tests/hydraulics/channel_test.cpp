#include "channel.h"

#include "calcerror.h"
#include "textformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace fluvara {
namespace {

// ---------------------------------------------------------------------------
// Worked examples, compared at the digits the page ("%4.1f", "%4.2f") and the
// report ("%8.2f") show. An empty text means the value is not checked.

struct ExampleCase {
    const char* name;
    TChannelInput input;
    const char* alpha;    // "%4.1f"
    const char* mLeft;    // "%4.2f"
    const char* beta;     // "%4.1f"
    const char* mRight;   // "%4.2f"
    const char* h;        // "%4.1f"
    const char* hReport;  // "%8.2f"
    const char* v;        // "%4.2f"
    const char* kstMean;  // "%4.1f"
    const char* l1;       // "%4.1f"
    const char* l2;       // "%4.1f"
    const char* bWsp;     // "%8.2f"
    const char* bProfil;  // "%8.2f"
    const char* hgr;      // "%4.1f"
    const char* vgr;      // "%4.2f"
    TFlowRegime regime;
    int normalPasses;  // -1: not checked
};

void ExpectShown(const char* format, double value, const char* expected, const char* what)
{
    if (*expected) {
        EXPECT_EQ(Fmt(format, value), expected) << what;
    }
}

class ChannelExampleTest : public ::testing::TestWithParam<ExampleCase> { };

TEST_P(ChannelExampleTest, ShownDigits)
{
    const ExampleCase& c = GetParam();
    const TChannelResult r = CalculateChannel(c.input);
    ExpectShown("%4.1f", r.alpha, c.alpha, "alpha");
    ExpectShown("%4.2f", r.mLeft, c.mLeft, "mLeft");
    ExpectShown("%4.1f", r.beta, c.beta, "beta");
    ExpectShown("%4.2f", r.mRight, c.mRight, "mRight");
    ExpectShown("%4.1f", r.h, c.h, "h");
    ExpectShown("%8.2f", r.h, c.hReport, "h report");
    ExpectShown("%4.2f", r.v, c.v, "v");
    ExpectShown("%4.1f", r.kstMean, c.kstMean, "kstMean");
    ExpectShown("%4.1f", r.l1, c.l1, "l1");
    ExpectShown("%4.1f", r.l2, c.l2, "l2");
    ExpectShown("%8.2f", r.bWsp, c.bWsp, "bWsp");
    ExpectShown("%8.2f", r.bProfil, c.bProfil, "bProfil");
    ExpectShown("%4.1f", r.hgr, c.hgr, "hgr");
    ExpectShown("%4.2f", r.vgr, c.vgr, "vgr");
    EXPECT_EQ(r.regime, c.regime);
    if (c.normalPasses >= 0) {
        EXPECT_EQ(r.normalPasses, c.normalPasses);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Examples, ChannelExampleTest,
    ::testing::Values(
        ExampleCase{"Symmetric45", {500, 2, 30, 30, 30, 100, 100, ByAngle(45), ByAngle(45)},
                    "45.0", "1.00", "45.0", "1.00", "52.2", "   52.23", "0.63", "30.0", "", "",
                    "  204.46", "  300.00", "26.9", "1.46", TFlowRegime::Subcritical, 24},
        ExampleCase{"BanksBySlope", {10, 1, 30, 30, 30, 50, 50, BySlope(1.5), BySlope(2)},
                    "33.7", "1.50", "26.6", "2.00", " 9.3", "", "0.16", "", "75.0", "100.0",
                    "   82.62", "  225.00", " 3.4", "", TFlowRegime::Subcritical, -1},
        ExampleCase{"RightBankVertical", {1000, 1, 40, 25, 25, 200, 80, ByAngle(60), ByAngle(90)},
                    "60.0", "0.58", "90.0", "0.00", "76.4", "", "0.59", "31.0", "", "", "",
                    "  246.19", "29.1", "1.65", TFlowRegime::Subcritical, -1},
        ExampleCase{"OverflowingBetweenWalls", {2000, 5, 60, 60, 60, 150, 50, ByAngle(90), ByAngle(90)},
                    "", "0.00", "", "0.00", "63.9", "", "", "", "", "", "  150.00", "  150.00", "", "",
                    TFlowRegime::Overflowing, -1},
        ExampleCase{"Supercritical", {200, 20, 70, 30, 30, 50, 60, ByAngle(30), BySlope(3)},
                    "30.0", "", "18.4", "3.00", "17.8", "", "1.22", "36.5", "", "", "", "", "19.0", "",
                    TFlowRegime::Supercritical, -1},
        ExampleCase{"ShallowestDepth", {1, 500, 100, 100, 100, 3000, 10, ByAngle(10), ByAngle(10)},
                    "10.0", "", "10.0", "", " 0.0", "    0.02", "", "", "", "", "", "", " 0.2", "",
                    TFlowRegime::Supercritical, 13}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ChannelExamples, CriticalSearchEndsOneStepPastTheGridMinimum)
{
    // Exact critical depth 26.78 cm, grid minimum 26.8 cm: the walk stops at
    // 26.9 cm after 268 one-millimetre steps from 1 mm.
    const TChannelResult r = CalculateChannel({500, 2, 30, 30, 30, 100, 100, ByAngle(45), ByAngle(45)});
    EXPECT_EQ(Fmt("%8.2f", r.hgr), "   26.90");
    EXPECT_EQ(r.criticalPasses, 268);
}

TEST(ChannelExamples, RegimeWords)
{
    EXPECT_STREQ(RegimeWord(TFlowRegime::Subcritical), "strömend");
    EXPECT_STREQ(RegimeWord(TFlowRegime::Supercritical), "schießend");
    EXPECT_STREQ(RegimeWord(TFlowRegime::Overflowing), "läuft über");
}

// ---------------------------------------------------------------------------
// Bank inclination in both forms.

struct AngleSlopeCase {
    double angle;
    const char* m;  // "%4.2f" of SlopeFromAngle
};

class SlopeFromAngleTest : public ::testing::TestWithParam<AngleSlopeCase> { };

TEST_P(SlopeFromAngleTest, Shown) { EXPECT_EQ(Fmt("%4.2f", SlopeFromAngle(GetParam().angle)), GetParam().m); }

INSTANTIATE_TEST_SUITE_P(Angles, SlopeFromAngleTest,
                         ::testing::Values(AngleSlopeCase{10, "5.67"}, AngleSlopeCase{30, "1.73"},
                                           AngleSlopeCase{45, "1.00"}, AngleSlopeCase{60, "0.58"},
                                           AngleSlopeCase{89.9, "0.00"}, AngleSlopeCase{90, "0.00"}));

TEST(SlopeFromAngle, VerticalBankHasNoSlope)
{
    EXPECT_EQ(SlopeFromAngle(90), 0.0);
    EXPECT_GT(SlopeFromAngle(89.999), 0.0);
}

struct SlopeAngleCase {
    double m;
    const char* angle;  // "%5.2f" as in the report
};

class AngleFromSlopeTest : public ::testing::TestWithParam<SlopeAngleCase> { };

TEST_P(AngleFromSlopeTest, Shown) { EXPECT_EQ(Fmt("%5.2f", AngleFromSlope(GetParam().m)), GetParam().angle); }

INSTANTIATE_TEST_SUITE_P(Slopes, AngleFromSlopeTest,
                         ::testing::Values(SlopeAngleCase{1, "45.00"}, SlopeAngleCase{1.5, "33.69"},
                                           SlopeAngleCase{2, "26.57"}, SlopeAngleCase{3, "18.43"},
                                           SlopeAngleCase{5, "11.31"}));

// ---------------------------------------------------------------------------
// Section and composite coefficient.

TEST(ChannelSectionAt, VerticalBanksAddNoWidth)
{
    for (double h : {0.001, 0.5, 7.25, 49.0}) {
        const TChannelSection s = ChannelSectionAt(h, 150, 90, 90);
        EXPECT_EQ(s.Bm, 1.5) << h;
        EXPECT_EQ(s.A, 1.5 * h) << h;
        EXPECT_EQ(s.Pl, h) << h;
        EXPECT_EQ(s.Pr, h) << h;
        EXPECT_EQ(s.P, h + (h + 1.5)) << h;
    }
}

TEST(ChannelSectionAt, SlopedBanks)
{
    // Left 1 : 1, right 1 : 2 (26.565 degrees), h = 2 m, b = 100 cm:
    // A = 2 * 1 + 0.5 * 4 * (1 + 2) = 8, P = 1 + 2 sqrt2 + 2 sqrt5.
    const TChannelSection s = ChannelSectionAt(2, 100, 45, AngleFromSlope(2));
    EXPECT_NEAR(s.A, 8.0, 1e-12);
    EXPECT_NEAR(s.Bm, 4.0, 1e-12);
    EXPECT_EQ(s.Pb, 1.0);
    EXPECT_NEAR(s.Pl, 2 * std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(s.Pr, 2 * std::sqrt(5.0), 1e-12);
    EXPECT_NEAR(s.P, 1 + 2 * std::sqrt(2.0) + 2 * std::sqrt(5.0), 1e-12);
}

class EqualKstTest : public ::testing::TestWithParam<double> { };

TEST_P(EqualKstTest, CompositeIsThatKstAtEveryDepth)
{
    const double kst = GetParam();
    for (double h : {0.0002, 0.01, 0.3, 2.0, 15.0, 49.9})
        for (const auto& [b, alpha, beta] : {std::tuple{1.0, 90.0, 90.0}, {3000.0, 10.0, 10.0}, {100.0, 45.0, 26.5}}) {
            const TChannelSection s = ChannelSectionAt(h, b, alpha, beta);
            EXPECT_NEAR(CompositeKst(s, kst, kst, kst), kst, 1e-12 * kst) << h << ' ' << b;
        }
}

INSTANTIATE_TEST_SUITE_P(Coefficients, EqualKstTest, ::testing::Values(10.0, 30.0, 37.5, 100.0));

TEST(CompositeKst, WeightsThePartsByLength)
{
    // Vertical walls, h 1 m, bottom 1 m: three parts of 1 m each, so
    // kstMean = 3^(2/3) / (1/40^1.5 + 2/25^1.5)^(2/3) = 28.28.
    const TChannelSection s = ChannelSectionAt(1, 100, 90, 90);
    EXPECT_EQ(Fmt("%5.2f", CompositeKst(s, 40, 25, 25)), "28.28");
    // The rougher part dominates as it grows: at 10 m the walls are 20 of 21 m.
    const TChannelSection deep = ChannelSectionAt(10, 100, 90, 90);
    EXPECT_EQ(Fmt("%5.2f", CompositeKst(deep, 40, 25, 25)), "25.41");
}

TEST(NormalDepth, SectionAndKstBelongToTheSteppedDepth)
{
    const TNormalDepth n = NormalDepth(1000, 1, 40, 25, 25, 200, 60, 90);
    const TChannelSection s = ChannelSectionAt(n.h, 200, 60, 90);
    EXPECT_EQ(n.section.A, s.A);
    EXPECT_EQ(n.section.P, s.P);
    EXPECT_EQ(n.kstMean, CompositeKst(s, 40, 25, 25));
    EXPECT_EQ(Fmt("%6.4f", n.h), "0.7639");
}

TEST(ChannelWidths, BanksContinueAboveTheProfile)
{
    // 1 : 1 banks, hp 100, b 100: bProfil 300; a depth of 150 cm is wider.
    const TChannelWidths w = ChannelWidths(150, 100, 100, 45, 45);
    EXPECT_EQ(Fmt("%8.2f", w.bProfil), "  300.00");
    EXPECT_EQ(Fmt("%8.2f", w.bWsp), "  400.00");
    const TChannelWidths walls = ChannelWidths(150, 100, 100, 90, 90);
    EXPECT_LT(walls.l1, 1e-9);
    EXPECT_EQ(walls.l1, walls.l2);
    EXPECT_EQ(Fmt("%8.2f", walls.bWsp), "  100.00");
}

// ---------------------------------------------------------------------------
// Regime.

struct RegimeCase {
    double h, hgr, hp;
    TFlowRegime regime;
};

class ClassifyRegimeTest : public ::testing::TestWithParam<RegimeCase> { };

TEST_P(ClassifyRegimeTest, Edges)
{
    const RegimeCase& c = GetParam();
    EXPECT_EQ(ClassifyRegime(c.h, c.hgr, c.hp), c.regime) << c.h << ' ' << c.hgr << ' ' << c.hp;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ClassifyRegimeTest,
    ::testing::Values(RegimeCase{26.9, 26.9, 100, TFlowRegime::Supercritical},  // equal: supercritical
                      RegimeCase{std::nextafter(26.9, 27.0), 26.9, 100, TFlowRegime::Subcritical},
                      RegimeCase{std::nextafter(26.9, 0.0), 26.9, 100, TFlowRegime::Supercritical},
                      RegimeCase{100, 26.9, 100, TFlowRegime::Subcritical},   // h = hp stays in
                      RegimeCase{100, 100, 100, TFlowRegime::Supercritical},  //
                      RegimeCase{100, 120, 100, TFlowRegime::Supercritical},  //
                      RegimeCase{std::nextafter(100.0, 101.0), 26.9, 100, TFlowRegime::Overflowing},
                      RegimeCase{std::nextafter(100.0, 101.0), 120, 100, TFlowRegime::Overflowing},
                      RegimeCase{0.02, 0.2, 10, TFlowRegime::Supercritical}));

// ---------------------------------------------------------------------------
// Critical depth.

class CriticalIndependenceTest : public ::testing::TestWithParam<TChannelInput> { };

TEST_P(CriticalIndependenceTest, SameForAnySlopeAndKst)
{
    const TChannelInput base = GetParam();
    const TChannelResult r0 = CalculateChannel(base);
    for (double Is : {0.1, 1.0, 37.0, 500.0})
        for (const auto& [kb, kl, kr] : {std::tuple{10.0, 10.0, 10.0}, {100.0, 10.0, 55.0}, {33.0, 100.0, 100.0}}) {
            TChannelInput in = base;
            in.Is = Is;
            in.kstBottom = kb;
            in.kstLeft = kl;
            in.kstRight = kr;
            TChannelResult r;
            try {
                r = CalculateChannel(in);
            } catch (const CalculationError&) {
                continue;  // the normal depth of this variant is beyond the bound
            }
            EXPECT_EQ(r.hgr, r0.hgr) << Is << ' ' << kb << ' ' << kl << ' ' << kr;
            EXPECT_EQ(r.vgr, r0.vgr);
            EXPECT_EQ(r.criticalPasses, r0.criticalPasses);
        }
    const TCriticalDepth direct = CriticalDepth(base.Q * 0.001, base.b, r0.alpha, r0.beta);
    EXPECT_EQ(direct.hgr, r0.hgr);
    EXPECT_EQ(direct.vgr, r0.vgr);
}

INSTANTIATE_TEST_SUITE_P(Channels, CriticalIndependenceTest,
                         ::testing::Values(TChannelInput{500, 2, 30, 30, 30, 100, 100, ByAngle(45), ByAngle(45)},
                                           TChannelInput{10, 1, 30, 30, 30, 50, 50, BySlope(1.5), BySlope(2)},
                                           TChannelInput{20000, 1, 30, 30, 30, 400, 900, ByAngle(90), BySlope(1)}));

TEST(CriticalDepth, SmallestResultIsTwoMillimetres)
{
    // The energy already rises from 1 mm to 2 mm: one pass.
    const TCriticalDepth c = CriticalDepth(0.001, 3000, 10, 10);
    EXPECT_EQ(Fmt("%4.1f", c.hgr), " 0.2");
    EXPECT_EQ(c.passes, 1);
}

}  // namespace
}  // namespace fluvara
