// A sewer network from CSV to CSV on one core: trees of about 200 reaches,
// each a main sewer with side branches of 5 to 40 reaches; two thirds of the
// pipes designed, one third verified. Peak memory of the whole process is
// reported as a counter (kB); run one size per process to read it.

#include "listrun.h"
#include "network.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

std::string NetworkList(int reaches)
{
    std::string text = "Haltung;von;bis;L;Sohle oben;Sohle unten;Is;Deckel oben;d;kb;AE;Psi;QT;h/d zul\r\n";
    unsigned seed = 4711;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
    int made = 0;
    for (int tree = 0; made < reaches; ++tree) {
        // Manholes of this tree that a branch may join, the outlet first.
        std::vector<std::string> manholes{"T" + std::to_string(tree) + "-0"};
        int inTree = 0;
        while (inTree < 200 && made < reaches) {
            const std::string join = manholes[next() % manholes.size()];
            const int length = 5 + static_cast<int>(next() % 36);
            std::string below = join;
            for (int i = 0; i < length && made < reaches; ++i, ++made, ++inTree) {
                const std::string above = "T" + std::to_string(tree) + "-" + std::to_string(manholes.size());
                manholes.push_back(above);
                const bool design = next() % 3 != 0;
                const std::string slope = std::to_string(3 + next() % 12);
                text += "H" + std::to_string(made) + ";" + above + ";" + below + ";" +
                    std::to_string(30 + next() % 50) + ";;;" + slope + ";;" + (design ? "" : "1000") + ";1,5;0," +
                    std::to_string(1 + next() % 6) + ";0," + std::to_string(3 + next() % 5) + ";0,1;" +
                    (design ? "70" : "") + "\r\n";
                below = above;
            }
        }
    }
    return text;
}

void NetworkCsvToCsv(benchmark::State& state)
{
    const int reaches = static_cast<int>(state.range(0));
    const std::string input = NetworkList(reaches);
    fluvara::TRunOptions options;
    options.threads = 1;
    fluvara::TNetworkOptions network;
    network.rain.table = {{5, 283.3}, {10, 190}, {15, 146.7}, {20, 120}, {30, 90}, {60, 55}, {120, 33}, {240, 19}};
    options.wholeList = [&network](const fluvara::TListLayout& layout, const fluvara::TPackedTexts& rows,
                                   fluvara::TPackedOutcomes& outcomes) {
        fluvara::CalculateNetwork(layout, rows, outcomes, network);
    };
    fluvara::TRunSummary summary;
    for (auto _ : state) {
        std::istringstream in(input);
        std::FILE* out = std::fopen("/dev/null", "wb");
        summary = fluvara::RunCsvList(in, out, options);
        std::fclose(out);
    }
    state.SetItemsProcessed(state.iterations() * reaches);
    state.counters["refused"] = static_cast<double>(summary.refused);
    state.counters["calculated"] = static_cast<double>(summary.calculated);
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_kB"] = static_cast<double>(usage.ru_maxrss);
    state.counters["input_kB"] = static_cast<double>(input.size() / 1024);
}
BENCHMARK(NetworkCsvToCsv)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
