#include "circle.h"

#include "calcerror.h"
#include "textformat.h"

#include <gtest/gtest.h>

namespace fluvara {
namespace {

struct FullFlowCase {
    double d, kb, Is;
    bool reduce95;
    double dc, Qv, vv;
};

class CircleFullFlowTest : public ::testing::TestWithParam<FullFlowCase> { };

TEST_P(CircleFullFlowTest, DischargeCutToTwoDecimalsVelocityUncut)
{
    const FullFlowCase& c = GetParam();
    const TCircleFullFlow r = CircleFullFlow(c.d, c.kb, c.Is, c.reduce95);
    EXPECT_DOUBLE_EQ(r.dc, c.dc);
    EXPECT_NEAR(r.Qv, c.Qv, 1e-9);
    EXPECT_NEAR(r.vv, c.vv, 5e-7);
    EXPECT_DOUBLE_EQ(r.hFull, 0.1 * c.dc);
}

INSTANTIATE_TEST_SUITE_P(Examples, CircleFullFlowTest,
                         ::testing::Values(FullFlowCase{300, 1.5, 5, false, 300, 69.12,
                                                        0.977944},  // 69.1268 cut, not rounded
                                           FullFlowCase{300, 1.5, 5, true, 285, 60.32, 0.945562},
                                           FullFlowCase{1000, 0.75, 2, false, 1000, 1138.86, 1.450042},
                                           FullFlowCase{100, 0.25, 0.1, false, 100, 0.55, 0.070591},  // below 1 l/s
                                           FullFlowCase{3000, 1.5, 500, false, 3000, 296784.21, 41.986378}));

TEST(CircleFullFlow, AreaAndUntruncatedVelocity)
{
    const TCircleFullFlow r = CircleFullFlow(300, 1.5, 5, false);
    EXPECT_NEAR(r.A, 0.0706858, 1e-7);
    // vv comes from the discharge before the cut: 69.1268 / A
    EXPECT_GT(r.vv * r.A * 1000, 69.126);
}

}  // namespace
}  // namespace fluvara

namespace fluvara {
namespace {

struct PartialCase {
    double d, kb, Is, Qt;  // Qt < 0: the full-flow discharge itself
    const char* phi;       // "%.2f", or nullptr when not checked
    const char* h;         // "%.2f" cm
    const char* hd;        // "%.2f" %
    const char* qq;        // "%.1f" %
    const char* vt;        // "%.4f" m/s
    int passes;            // 0: not checked
};

class CirclePartialFlowTest : public ::testing::TestWithParam<PartialCase> { };

TEST_P(CirclePartialFlowTest, FindsTheLowerAngleCarryingQt)
{
    const PartialCase& c = GetParam();
    const TCircleFullFlow full = CircleFullFlow(c.d, c.kb, c.Is, false);
    const double Qt = c.Qt < 0 ? full.Qv : c.Qt;
    const TCirclePartialFlow r = CirclePartialFlow(full.dc, full.Qv, full.vv, Qt);
    if (c.phi) {
        EXPECT_EQ(Fmt("%.2f", r.phi), c.phi);
    }
    if (c.h) {
        EXPECT_EQ(Fmt("%.2f", r.h), c.h);
    }
    EXPECT_EQ(Fmt("%.2f", r.hd), c.hd);
    if (c.qq) {
        EXPECT_EQ(Fmt("%.1f", r.qq), c.qq);
    }
    if (c.vt) {
        EXPECT_EQ(Fmt("%.4f", r.vt), c.vt);
    }
    if (c.passes) {
        EXPECT_EQ(r.passes, c.passes);
    }
    EXPECT_LE(r.passes, 100);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CirclePartialFlowTest,
    ::testing::Values(PartialCase{300, 1.5, 5, 40, "190.71", "16.40", "54.67", "57.9", "1.0117", 47},
                      PartialCase{300, 1.5, 5, -1, nullptr, "24.82", "82.72", "100.0", "1.1054", 0},
                      PartialCase{3000, 0.25, 500, -1, nullptr, nullptr, "82.73", "100.0", nullptr, 0},
                      PartialCase{3000, 0.25, 500, 1, "8.66", "0.43", "0.14", nullptr, nullptr, 0}));

TEST(CirclePartialFlow, SmallDischargeTurnsBackFromTheFirstStep)
{
    const TCircleFullFlow full = CircleFullFlow(3000, 0.25, 500, false);
    const TCirclePartialFlow r = CirclePartialFlow(full.dc, full.Qv, full.vv, 1);
    EXPECT_NEAR(r.phi, 8.657, 0.0005);
    // the search stops within its tolerance of the wanted discharge
    const TCirclePartialFlow again = CirclePartialFlow(full.dc, full.Qv, full.vv, 1);
    EXPECT_EQ(again.phi, r.phi);
}

TEST(CirclePartialFlow, WithoutADiameterItFailsInsteadOfReturningNumbers)
{
    // dc = 0 after the page was cleared: no finite result can come out.
    EXPECT_THROW(CirclePartialFlow(0, 69.12, 0.977944, 40), CalculationError);
}

TEST(CirclePartialFlow, UnreachableDischargeEndsAtThePassLimit)
{
    // Far beyond anything the pipe carries: the walk would run on for ever.
    try {
        CirclePartialFlow(300, 69.12, 0.977944, 1e12);
        FAIL() << "no error";
    } catch (const CalculationError& e) {
        EXPECT_STREQ(e.what(), PartialFlowLimitMessage);
    }
}

struct DesignCase {
    double Q, hd, kb, Is;
    bool use09;
    const char* Qbem;  // "%.2f"
    const char* D;     // "%.3f" mm
    const char* h;     // "%.3f" cm, or nullptr
    const char* Qv;    // "%.3f" l/s, or nullptr
    const char* vv;    // "%.4f", or nullptr
    const char* vt;    // "%.4f", or nullptr
    const char* qq;    // "%.2f", or nullptr
    int passes;        // 0: not checked
};

class CircleDesignTest : public ::testing::TestWithParam<DesignCase> { };

TEST_P(CircleDesignTest, WalksToTheRequiredDiameter)
{
    const DesignCase& c = GetParam();
    const TCircleDesign r = CircleDesign(c.Q, c.hd, c.kb, c.Is, c.use09);
    EXPECT_EQ(Fmt("%.2f", r.Qbem), c.Qbem);
    EXPECT_EQ(Fmt("%.3f", r.D), c.D);
    if (c.h) {
        EXPECT_EQ(Fmt("%.3f", r.h), c.h);
    }
    if (c.Qv) {
        EXPECT_EQ(Fmt("%.3f", r.Qv), c.Qv);
    }
    if (c.vv) {
        EXPECT_EQ(Fmt("%.4f", r.vv), c.vv);
    }
    if (c.vt) {
        EXPECT_EQ(Fmt("%.4f", r.vt), c.vt);
    }
    if (c.qq) {
        EXPECT_EQ(Fmt("%.2f", r.qq), c.qq);
    }
    if (c.passes) {
        EXPECT_EQ(r.passes, c.passes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CircleDesignTest,
    ::testing::Values(
        DesignCase{100, 82.7, 1.5, 5, true, "111.11", "358.793", "29.672", "111.144", "1.0993", "1.2426", "99.97", 0},
        DesignCase{100, 82.7, 1.5, 5, false, "100.00", "344.815", "28.516", "100.028", nullptr, nullptr, "99.97", 0},
        DesignCase{100, 50, 1.5, 5, true, "111.11", "466.089", "23.304", nullptr, "1.3025", "1.3025", "50.00", 0},
        DesignCase{1, 82.7, 0.25, 500, false, "1.00", "23.150", nullptr, nullptr, nullptr, nullptr, nullptr, 0},
        DesignCase{5000, 10, 1.5, 0.1, true, "5555.56", "14472.519", "144.725", nullptr, nullptr, nullptr, nullptr,
                   164}));

TEST(CircleDesign, UnsettledSearchEndsAtThePassLimit)
{
    try {
        CircleDesign(1e300, 82.7, 1.5, 5, false);
        FAIL() << "no error";
    } catch (const CalculationError& e) {
        EXPECT_STREQ(e.what(), DesignLimitMessage);
    }
}

TEST(CircleDesign, FirstTrialIsAlways150mm)
{
    // A discharge that 150 mm already exceeds turns back at once in 10 mm steps.
    const TCircleDesign r = CircleDesign(1, 82.7, 0.25, 500, false);
    EXPECT_LT(r.D, 150);
    EXPECT_GT(r.D, 10);
}

}  // namespace
}  // namespace fluvara
