// Both window sketches with extreme records: nothing that is not finite or
// lies beyond ±10⁶ reaches a pixel, whatever a stopped calculation left in
// the record.

#include "checkedsurface.h"
#include "fuzzinput.h"

using namespace fluvara;
using namespace fluvara::fuzz;

namespace {

// The sketch area of the main window.
constexpr TPoint Centre{632, 328};
constexpr TRect Bevel{368, 72, 529, 513};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    TCheckedSurface surface;
    if (in.ConsumeBool()) {
        const TCircleSketch sketch = AnyCircleSketch(in);
        const int fill = CircleFillPixels(sketch, in.ConsumeBool() ? 160 : 480);
        if (fill < 0 || fill > 480)
            Finding("the fill depth is outside the circle");
        DrawCircleSketch(surface, sketch, Centre, Bevel);
        // any points of a page; the heads reach a little beyond them
        const auto coordinate = [&in] { return in.ConsumeIntegralInRange(-100'000, 100'000); };
        const char device = in.ConsumeBool() ? 'B' : 'P';
        const int x1 = coordinate(), y1 = coordinate(), x2 = coordinate(), y2 = coordinate();
        DrawDimArrows(surface, device, x1, y1, x2, y2);
    } else {
        const TChannelSketch sketch = AnyChannelSketch(in);
        DrawChannelSketch(surface, sketch, Centre, Bevel);
    }
    return 0;
}
