// The laws the circle shares with the other closed profiles.

#include "flowlaw.h"

#include "circle.h"
#include "constants.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fluvara {
namespace {

TEST(FlowLaw, TheCirclesFullFlowIsTheSharedLawWithItsDiameter)
{
    const struct {
        double d, kb, Is;
    } rows[] = {{300, 1.5, 5}, {1000, 0.75, 2}, {100, 0.25, 0.1}, {3000, 1.5, 500}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.d);
        const TCircleFullFlow circle = CircleFullFlow(row.d, row.kb, row.Is, false);
        const TFullFlowLaw law = PrandtlColebrook(row.d, circle.A, row.kb, row.Is);
        EXPECT_EQ(law.vv, circle.vv);
        EXPECT_EQ(std::trunc(law.Qv * 100) * 0.01, circle.Qv);
    }
}

TEST(FlowLaw, PartialFlowVelocityIsTheFullOneAtEqualRadii)
{
    EXPECT_EQ(PartialFlowVelocity(0.25, 0.25, 1.7), 1.7);
    EXPECT_NEAR(PartialFlowVelocity(0.5, 1, 1), std::pow(0.5, 0.625), 1e-15);
}

}  // namespace
}  // namespace fluvara
