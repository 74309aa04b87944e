// Both printouts with extreme records and texts, through the whole print
// job on a 600 dpi page: nothing that is not finite or lies beyond ±10⁶
// reaches a pixel.

#include "channelprintout.h"
#include "checkedsurface.h"
#include "circleprintout.h"
#include "fuzzinput.h"

using namespace fluvara;
using namespace fluvara::fuzz;

namespace {

TResultLines AnyLines(FuzzedDataProvider& in, int count)
{
    TResultLines lines(count);
    for (int i = 0; i < count; ++i)
        if (in.ConsumeBool())
            lines.Set(i, AnyText(in, 120));
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    TPrintRequest request;
    const TPrintTitles titles{AnyText(in, 80), AnyText(in, 80), AnyText(in, 20)};
    request.askTitles = [&titles] { return titles; };
    request.choosePrinter = [] { return true; };
    const TCalendarDate date{in.ConsumeIntegralInRange(1, 31), in.ConsumeIntegralInRange(1, 12),
                             in.ConsumeIntegralInRange(1900, 2200)};
    request.today = [date] { return date; };
    request.headerLine = AnyText(in, 80);
    request.applicationTitle = " FLUVARA ";

    TPrintout printout;
    if (in.ConsumeBool()) {
        printout = CirclePrintout(AnyCircleSketch(in), AnyLines(in, CircleResultLineCount));
    } else {
        const TChannelSketch sketch = AnyChannelSketch(in);
        const int textWidth = in.ConsumeIntegralInRange(0, 2000);
        printout = ChannelPrintout(sketch, AnyLines(in, ChannelResultLineCount), [textWidth](std::string_view text) {
            return static_cast<int>(text.size() % 1000) * textWidth / 100;
        });
    }
    TCheckedPage page;
    PrintReport(page, request, printout);
    return 0;
}
