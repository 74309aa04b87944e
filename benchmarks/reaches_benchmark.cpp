// Throughput of reach lists: circular reaches with partial flow from CSV to
// CSV on one and on more threads, and channel reaches one by one.
// Memory of a whole run is measured on the command (/usr/bin/time -v).

#include "listrun.h"
#include "reach.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>
#include <string>

namespace {

// A network of ordinary sewers, the same every time: a partial discharge
// below the full flow on every row.
std::string CircleList(int rows)
{
    static const char* const diameters[] = {"200", "250", "300", "400", "500", "600", "800", "1000"};
    static const char* const roughness[] = {"0,25", "0,75", "1,5"};
    static const char* const slopes[] = {"2", "3,5", "5", "10"};
    std::string text = "Haltung;d;kb;Is;Q\r\n";
    unsigned seed = 12345;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
    for (int i = 0; i < rows; ++i) {
        const unsigned d = next() % 8;
        // about 5 % to 60 % of the smallest full flow of that diameter
        const unsigned q = 1 + next() % (d < 2 ? 10 : d * 20);
        text += "H" + std::to_string(i) + ";" + diameters[d] + ";" + roughness[next() % 3] + ";" + slopes[next() % 4] +
            ";" + std::to_string(q) + "\r\n";
    }
    return text;
}

void CircleCsvToCsv(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::string input = CircleList(rows);
    fluvara::TRunOptions options;
    options.threads = static_cast<unsigned>(state.range(1));
    fluvara::TRunSummary summary;
    for (auto _ : state) {
        std::istringstream in(input);
        std::FILE* out = std::fopen("/dev/null", "wb");
        summary = fluvara::RunCsvList(in, out, options);
        std::fclose(out);
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["refused"] = static_cast<double>(summary.refused);
    state.counters["calculated"] = static_cast<double>(summary.calculated);
}

BENCHMARK(CircleCsvToCsv)
    ->ArgNames({"rows", "threads"})
    ->Args({1000000, 1})
    ->Args({1000000, 2})
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();

void ChannelReach(benchmark::State& state, std::vector<std::string> fields)
{
    fluvara::TReachOutcome outcome;
    for (auto _ : state) {
        outcome = fluvara::CalculateChannelReach(fields);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(outcome.status);
}

// Ordinary channels: Gerinne, Q, Is, kst Sohle, kst links, kst rechts, b, hp, Ufer links, Ufer rechts.
BENCHMARK_CAPTURE(ChannelReach, ditch_500ls,
                  std::vector<std::string>{"G", "500", "2", "30", "30", "30", "100", "100", "45", "45"});
BENCHMARK_CAPTURE(ChannelReach, wall_and_bank_1000ls,
                  std::vector<std::string>{"G", "1000", "1", "40", "25", "25", "200", "80", "60", "90"});
BENCHMARK_CAPTURE(ChannelReach, river_99000ls,
                  std::vector<std::string>{"G", "99000", "0,5", "30", "25", "25", "2000", "900", "1:2", "1:2"});

}  // namespace

BENCHMARK_MAIN();
