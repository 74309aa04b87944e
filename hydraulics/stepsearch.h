#pragma once
// The stepping search of the circular and channel calculations: one unknown
// walks ten steps at a time towards its aim; each time it has to turn, the
// step shrinks to a tenth. All three searches run this one routine, so their
// numbers come out of the same operations in the same order.

#include "calcerror.h"

namespace fluvara {

struct TSteppingStart {
    double x = 0;          // first value of the unknown
    double step = 0;       // first step; the unknown moves by ten of them
    double miss = 0;       // miss before the first pass
    double tolerance = 0;  // the search ends once the miss is no longer above it
    int passLimit = 0;     // more passes throw CalculationError(limitMessage)
    const char* limitMessage = "";
};

struct TSteppingResult {
    double x = 0;
    int passes = 0;
};

// Each pass first asks whether x lies above its aim (then x moves down), then,
// with x as it is now, whether it lies below (then x moves up), and then
// measures the miss at the new x. measure may throw to end the search.
template <typename Above, typename Below, typename Measure>
TSteppingResult SteppingSearch(const TSteppingStart& start, Above above, Below below, Measure measure)
{
    TSteppingResult r;
    double x = start.x;
    double s = start.step;
    bool up = false;
    bool down = false;
    double miss = start.miss;
    while (miss > start.tolerance) {
        if (++r.passes > start.passLimit)
            throw CalculationError(start.limitMessage);
        if (above(x)) {
            if (up) {
                up = false;
                s = 0.1 * s;
            } else {
                down = true;
            }
            x = x - 10 * s;
        }
        if (below(x)) {
            if (down) {
                down = false;
                s = 0.1 * s;
            } else {
                up = true;
            }
            x = x + 10 * s;
        }
        miss = measure(x);
    }
    r.x = x;
    return r;
}

}  // namespace fluvara
