// The quick passes of the flow time: the pipe's size and velocity exactly as
// the circular reach gives them, without its texts.

#include "circlereach.h"
#include "networkreach.h"
#include "pipenumbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fluvara {
namespace {

struct TPipeCase {
    const char* d;
    const char* kb;
    const char* Is;
    const char* hd;
    const char* use09;
    double smallest;
};

// What the circular reach makes of the pipe at Q: its size and the velocity
// the next pass takes.
std::optional<TPipeNumbers::TPipe> ByTheCircularReach(const TPipeCase& c, double Q, const TReachOptions& options)
{
    const bool flowing = Q >= 1;
    std::string fields[CircleFieldCount] = {
        "H", c.d, c.kb, c.Is, flowing ? ExactNumberText(Q) : "", "nein", flowing ? c.hd : "", c.use09};
    if (!flowing && fields[CircleD].empty())
        fields[CircleD] = std::to_string(*NominalSize(options.series, 0, options.smallestSize));
    TCircleReachRuns runs;
    if (CalculateCircleReach(fields, options, runs).refused)
        return std::nullopt;
    const double size = runs.nominalSize && std::string(c.d).empty() ? *runs.nominalSize : runs.full->dEntered;
    const bool filled = runs.partial && !runs.partial->overloaded;
    return TPipeNumbers::TPipe{size, filled ? runs.partial->flow.vt : runs.full->flow.vv};
}

TEST(PipeNumbers, SizeAndVelocityAsTheCircularReachGivesThem)
{
    const TPipeCase cases[] = {
        {"", "1,5", "5", "70", "", 0},    {"", "0,25", "2,5", "50", "nein", 0}, {"", "1,5", "12", "82,7", "ja", 400},
        {"300", "1,5", "5", "", "", 0},   {"800", "0,75", "1,2", "", "", 0},    {"", "1,5", "30", "10", "", 0},
        {"250", "1,5", "5", "70", "", 0},
    };
    for (const TPipeCase& c : cases) {
        SCOPED_TRACE(std::string(c.d) + "/" + c.kb + "/" + c.Is + "/" + c.hd);
        TReachOptions options;
        options.smallestSize = c.smallest;
        TNetworkReachInput in;
        in.d = c.d;
        in.kb = c.kb;
        in.hdPermitted = c.hd;
        in.use09 = c.use09;
        auto numbers = TPipeNumbers::Read(in, c.Is, options);
        ASSERT_TRUE(numbers);
        // Up and down over the discharges, so that the size of the call
        // before is tried first both ways; the steps land on every kind of
        // distance to a size's capacity.
        int checked = 0;
        for (double Q = 0.25; Q < 6000; Q *= 1.0137) {
            for (double q : {Q, Q * 0.5, Q}) {
                const auto quick = numbers->At(q);
                const auto full = ByTheCircularReach(c, q, options);
                ASSERT_EQ(quick.has_value(), full.has_value()) << q;
                if (!quick)
                    continue;
                ASSERT_EQ(quick->size, full->size) << q;
                ASSERT_EQ(quick->v, full->v) << q;
                ++checked;
            }
        }
        EXPECT_GT(checked, 300);
    }
}

// At a discharge that a size carries just within the search's tolerance,
// the search decides.
TEST(PipeNumbers, ASizeAtItsCapacityIsLeftToTheSearch)
{
    TReachOptions options;
    TNetworkReachInput in;
    in.kb = "1,5";
    in.hdPermitted = "70";
    in.use09 = "nein";
    const TPipeCase c{"", "1,5", "5", "70", "nein", 0};
    for (int size : {200, 300, 500, 1000}) {
        const double capacity = CircleDesignCapacity(size, 70, 1.5, 5);
        for (double q : {capacity - 0.002, capacity - 0.0005, capacity, capacity + 0.0005, capacity + 0.002}) {
            auto numbers = TPipeNumbers::Read(in, "5", options);
            const auto quick = numbers->At(q);
            const auto full = ByTheCircularReach(c, q, options);
            ASSERT_TRUE(quick && full);
            EXPECT_EQ(quick->size, full->size) << size << " " << q;
            EXPECT_EQ(quick->v, full->v) << size << " " << q;
        }
    }
}

TEST(PipeNumbers, CellsThatFailTheirCheckLeaveItToTheCircularReach)
{
    TReachOptions options;
    for (const auto& [d, kb, Is, hd] :
         {std::tuple{"300", "3", "5", ""}, std::tuple{"300", "1,5", "0", ""}, std::tuple{"99", "1,5", "5", ""},
          std::tuple{"", "1,5", "5", "90"}, std::tuple{"300", "1.500", "5", ""}}) {
        TNetworkReachInput in;
        in.d = d;
        in.kb = kb;
        in.hdPermitted = hd;
        EXPECT_FALSE(TPipeNumbers::Read(in, Is, options)) << d << " " << kb << " " << Is << " " << hd;
    }
}

}  // namespace
}  // namespace fluvara
