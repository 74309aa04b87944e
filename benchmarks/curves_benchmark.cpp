// Time to sample the curves a curve window draws when it opens: the rating
// curve of ordinary channels and of the most expensive channel found, and
// the partial-filling curves of a pipe.

#include "channel.h"
#include "circle.h"
#include "partialfilling.h"
#include "ratingcurve.h"

#include <benchmark/benchmark.h>

namespace {

using fluvara::ByAngle;
using fluvara::BySlope;
using fluvara::TChannelInput;

// The sampling the rating-curve window uses.
constexpr int RatingIntervals = 100;
constexpr int FillingIntervals = 200;

void Rating(benchmark::State& state, TChannelInput input)
{
    fluvara::TRatingCurve curve;
    for (auto _ : state) {
        curve = fluvara::RatingCurve(input, RatingIntervals);
        benchmark::DoNotOptimize(curve);
    }
    int criticalPoints = 0;
    for (const auto& p : curve.points)
        criticalPoints += p.hgr ? 1 : 0;
    state.counters["points"] = static_cast<double>(curve.points.size());
    state.counters["criticalPoints"] = criticalPoints;
    state.counters["Qbankfull_ls"] = curve.Qbankfull;
    state.counters["hgr_end_cm"] = curve.points.back().hgr.value_or(-1);
}

BENCHMARK_CAPTURE(Rating, ditch_500ls, TChannelInput{500, 2, 30, 30, 30, 100, 100, ByAngle(45), ByAngle(45)})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rating, river_99000ls, TChannelInput{99000, 0.5, 30, 25, 25, 2000, 900, BySlope(2), BySlope(2)})
    ->Unit(benchmark::kMillisecond);
// The slowest found by scanning the accepted ranges: wide, steep and smooth,
// so that the critical depth climbs to just under its 50 m bound at bankfull
// and each of its searches walks tens of thousands of millimetres.
BENCHMARK_CAPTURE(Rating, slowest_critical_4996cm,
                  TChannelInput{1, 500, 100, 100, 100, 2985.7, 900, ByAngle(20), ByAngle(60)})
    ->Unit(benchmark::kMillisecond);
// Just as slow: the critical depth passes the bound before bankfull, so one
// search walks the whole bound before the line ends.
BENCHMARK_CAPTURE(Rating, critical_beyond_bound,
                  TChannelInput{1, 500, 100, 100, 100, 2579.15, 900, ByAngle(30), ByAngle(45)})
    ->Unit(benchmark::kMillisecond);

void Filling(benchmark::State& state, double d)
{
    const fluvara::TCircleFullFlow full = fluvara::CircleFullFlow(d, 1.5, 5, false);
    const fluvara::TFullFlowPipe pipe{full.dc, full.Qv, full.vv};
    for (auto _ : state)
        benchmark::DoNotOptimize(fluvara::PartialFillingCurve(pipe, FillingIntervals, {190.71}));
}

BENCHMARK_CAPTURE(Filling, pipe_300mm, 300.0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
