#pragma once
// The argument of a function's one maximum between a and b, found by a
// golden-section search that narrows the bracket until it is no wider than
// width (at most 200 narrowings). The partial-filling curves look for the
// greatest discharge with it.

#include <cmath>

namespace fluvara {

template <typename Function>
double GoldenSectionMaximum(Function f, double a, double b, double width)
{
    const double g = (std::sqrt(5.0) - 1) / 2;
    double x1 = b - g * (b - a);
    double x2 = a + g * (b - a);
    double q1 = f(x1);
    double q2 = f(x2);
    for (int i = 0; i < 200 && b - a > width; ++i) {
        if (q1 < q2) {
            a = x1;
            x1 = x2;
            q1 = q2;
            x2 = a + g * (b - a);
            q2 = f(x2);
        } else {
            b = x2;
            x2 = x1;
            q2 = q1;
            x1 = b - g * (b - a);
            q1 = f(x1);
        }
    }
    return q1 < q2 ? x2 : x1;
}

}  // namespace fluvara
