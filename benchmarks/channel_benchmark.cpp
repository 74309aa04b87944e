// Time of one channel calculation on ordinary channels and on the most
// expensive inputs the depth bound still accepts, with the passes of both
// searches per call.

#include "calcerror.h"
#include "channel.h"

#include <benchmark/benchmark.h>

namespace {

using fluvara::ByAngle;
using fluvara::BySlope;
using fluvara::TChannelInput;

void Calculate(benchmark::State& state, TChannelInput input)
{
    fluvara::TChannelResult r;
    for (auto _ : state) {
        r = fluvara::CalculateChannel(input);
        benchmark::DoNotOptimize(r);
    }
    state.counters["normalPasses"] = r.normalPasses;
    state.counters["criticalPasses"] = r.criticalPasses;
    state.counters["h_cm"] = r.h;
    state.counters["hgr_cm"] = r.hgr;
}

// Inputs beyond the bound: the time until the error.
void Refuse(benchmark::State& state, TChannelInput input)
{
    int errors = 0;
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(fluvara::CalculateChannel(input));
        } catch (const fluvara::CalculationError&) {
            ++errors;
        }
    }
    state.counters["refused"] = benchmark::Counter(errors, benchmark::Counter::kAvgIterations);
}

// Ordinary channels.
BENCHMARK_CAPTURE(Calculate, ditch_500ls, TChannelInput{500, 2, 30, 30, 30, 100, 100, ByAngle(45), ByAngle(45)});
BENCHMARK_CAPTURE(Calculate, wall_and_bank_1000ls,
                  TChannelInput{1000, 1, 40, 25, 25, 200, 80, ByAngle(60), ByAngle(90)});
BENCHMARK_CAPTURE(Calculate, river_99000ls, TChannelInput{99000, 0.5, 30, 25, 25, 2000, 900, BySlope(2), BySlope(2)});
BENCHMARK_CAPTURE(Calculate, shallowest_1ls, TChannelInput{1, 500, 100, 100, 100, 3000, 10, ByAngle(10), ByAngle(10)});

// Worst accepted inputs found by scanning the accepted ranges.
// Most normal-depth passes: a 49.9 m deep slot.
BENCHMARK_CAPTURE(Calculate, worst_normal_passes,
                  TChannelInput{93250, 10, 30, 30, 30, 12.5, 900, ByAngle(88), ByAngle(90)});
// Largest critical depths: steep smooth slot and wedge, normal depth just under the bound.
BENCHMARK_CAPTURE(Calculate, deep_critical_slot,
                  TChannelInput{99000, 500, 100, 100, 100, 15.48, 900, ByAngle(90), ByAngle(90)});
BENCHMARK_CAPTURE(Calculate, worst_critical_depth,
                  TChannelInput{99000, 500, 100, 100, 100, 1, 900, ByAngle(89.72), ByAngle(89.94)});

// Refused: two walls 1 cm apart, unbounded depth about 3,400 km.
BENCHMARK_CAPTURE(Refuse, refused_1cm_slot, TChannelInput{99000, 0.1, 10, 10, 10, 1, 900, ByAngle(90), ByAngle(90)});

}  // namespace

BENCHMARK_MAIN();
