#include "flowlaw.h"

#include "constants.h"

#include <cmath>

namespace fluvara {

namespace {

// 2.51 * nu with nu = 1.31e-6 m^2/s, as a double product
constexpr double TwoPointFiveOneNu = 2.51 * 1.31e-6;
constexpr double OneOver371 = 1.0 / 3.71;

}  // namespace

TFullFlowLaw PrandtlColebrook(double d, double A, double kb, double Is)
{
    TFullFlowLaw r;
    const double S = std::sqrt(TwoG * d * 0.001 * Is * 0.001);
    const double t1 = TwoPointFiveOneNu / (0.001 * d * S);
    const double t2 = OneOver371 * kb / d;
    r.Qv = std::log10(t1 + t2) * (-2) * S * A * 1000;
    r.vv = r.Qv / A * 0.001;
    return r;
}

}  // namespace fluvara
