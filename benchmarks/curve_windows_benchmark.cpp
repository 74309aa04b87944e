// Time for an open curve window to follow a new run and draw it: the curves,
// the axes and the notes laid out and the window painted. The rating curve of
// the largest channel the channel page accepts, after a small ditch and on
// its own, a steep ditch in the smallest window, and the partial-filling
// curves of the largest pipe after the smallest.

#include "PartialFillingChart.h"
#include "RatingCurveChart.h"
#include "printservice.h"

#include "channel.h"
#include "circle.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

using fluvara::ByAngle;
using fluvara::BySlope;
using fluvara::TChannelInput;

const TChannelInput SmallDitch{10, 1, 30, 30, 30, 50, 50, BySlope(1.5), BySlope(2)};
// Every bound at its widest: the greatest bankfull discharge.
const TChannelInput LargestChannel{99000, 500, 100, 100, 100, 3000, 900, ByAngle(10), ByAngle(10)};
const TChannelInput WideRiver{5000, 1, 35, 30, 30, 3000, 500, BySlope(2), BySlope(2)};

// The window shown at its opening size or the one given; each step is one
// update, drawn.
template <typename Window>
void Follow(benchmark::State& state, const std::function<void(Window&)>& before,
            const std::function<void(Window&)>& update, QSize size = {})
{
    fluvara::TPrintService printing;
    Window window(printing);
    if (size.isValid())
        window.resize(size);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        before(window);
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
        state.ResumeTiming();
        update(window);
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}

void ShowChannel(fluvara::TRatingCurveForm& window, const TChannelInput& input)
{
    window.ShowChannel(input, fluvara::CalculateChannel(input));
}

void Rating(benchmark::State& state, const TChannelInput& first, const TChannelInput& next)
{
    Follow<fluvara::TRatingCurveForm>(
        state, [&](auto& window) { ShowChannel(window, first); }, [&](auto& window) { ShowChannel(window, next); });
}

// The smallest window, where the notes of a steep channel find room only
// in another order than they were made in.
void RatingSmallest(benchmark::State& state, const TChannelInput& input)
{
    Follow<fluvara::TRatingCurveForm>(
        state, [](auto& window) { window.ShowNoChannel(); }, [&](auto& window) { ShowChannel(window, input); },
        QSize(480, 360));
}

void RatingOpened(benchmark::State& state, const TChannelInput& input)
{
    Follow<fluvara::TRatingCurveForm>(
        state, [](auto& window) { window.ShowNoChannel(); }, [&](auto& window) { ShowChannel(window, input); });
}

fluvara::TFullFlowPipe Pipe(double d, double Is)
{
    const fluvara::TCircleFullFlow full = fluvara::CircleFullFlow(d, 0.25, Is, false);
    return {full.dc, full.Qv, full.vv};
}

void Filling(benchmark::State& state)
{
    const fluvara::TFullFlowPipe small = Pipe(100, 0.1);
    const fluvara::TFullFlowPipe large = Pipe(3000, 500);
    const fluvara::TPartialFlowMark mark{large.Qv / 2,
                                         fluvara::CirclePartialFlow(large.dc, large.Qv, large.vv, large.Qv / 2)};
    Follow<fluvara::TPartialFillingForm>(
        state, [&](auto& window) { window.ShowPipe(small, std::nullopt); },
        [&](auto& window) { window.ShowPipe(large, mark); });
}

BENCHMARK_CAPTURE(Rating, largest_after_ditch, SmallDitch, LargestChannel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rating, ditch_after_largest, LargestChannel, SmallDitch)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rating, wide_river_after_ditch, SmallDitch, WideRiver)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RatingOpened, largest_opened, LargestChannel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RatingSmallest, steep_ditch_480x360,
                  TChannelInput{500, 50, 30, 30, 30, 100, 100, ByAngle(45), ByAngle(45)})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Filling)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // The windows need no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
