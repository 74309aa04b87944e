#include "circle.h"

#include "calcerror.h"

#include <gtest/gtest.h>

namespace fluvara {
namespace {

struct FullFlowCase {
    double d, kb, Is;
    bool reduce95;
    double dc, Qv, vv;
};

class CircleFullFlowTest : public ::testing::TestWithParam<FullFlowCase> {};

TEST_P(CircleFullFlowTest, DischargeCutToTwoDecimalsVelocityUncut)
{
    const FullFlowCase& c = GetParam();
    const TCircleFullFlow r = CircleFullFlow(c.d, c.kb, c.Is, c.reduce95);
    EXPECT_DOUBLE_EQ(r.dc, c.dc);
    EXPECT_NEAR(r.Qv, c.Qv, 1e-9);
    EXPECT_NEAR(r.vv, c.vv, 5e-7);
    EXPECT_DOUBLE_EQ(r.hFull, 0.1 * c.dc);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CircleFullFlowTest,
    ::testing::Values(FullFlowCase{300, 1.5, 5, false, 300, 69.12, 0.977944},  // 69.1268 cut, not rounded
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

} // namespace
} // namespace fluvara
