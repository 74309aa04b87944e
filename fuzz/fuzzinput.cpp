#include "fuzzinput.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace fluvara::fuzz {

double AnyDouble(FuzzedDataProvider& in)
{
    // clang-format off
    static constexpr double Special[] = {
        0.0, -0.0, 1.0, -1.0, 0.5, 100, 1e6, -1e6, 1e15, DBL_MAX, -DBL_MAX, DBL_MIN, -DBL_MIN,
        std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(), 1e-300, 2147483647.0,
        2147483648.0, -2147483649.0, 89.999999, 90.000001, 1e308};
    // clang-format on
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return in.PickValueInArray(Special);
    case 1:
        return in.ConsumeFloatingPoint<double>();
    case 2:
        return in.ConsumeFloatingPointInRange<double>(-5000, 5000);
    default: {
        // raw bits: every NaN payload and subnormal
        const auto bits = in.ConsumeIntegral<unsigned long long>();
        double value;
        static_assert(sizeof value == sizeof bits);
        __builtin_memcpy(&value, &bits, sizeof value);
        return value;
    }
    }
}

double Accepted(FuzzedDataProvider& in, double lower, double upper)
{
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return in.ConsumeBool() ? lower : upper;
    case 1: {
        const auto steps = static_cast<long long>(std::floor((upper - lower) * 100));
        const double value = std::round(lower * 100 + in.ConsumeIntegralInRange<long long>(0, steps)) / 100;
        return std::min(std::max(value, lower), upper);
    }
    default:
        return in.ConsumeFloatingPointInRange<double>(lower, upper);
    }
}

std::string AnyText(FuzzedDataProvider& in, std::size_t maxBytes) { return in.ConsumeRandomLengthString(maxBytes); }

TCircleSketch AnyCircleSketch(FuzzedDataProvider& in)
{
    TCircleSketch sketch;
    sketch.d = AnyDouble(in);
    sketch.h = AnyDouble(in);
    sketch.LabelsOnly = in.ConsumeIntegralInRange(-1, 2);
    sketch.Full = in.ConsumeIntegralInRange(-1, 2);
    return sketch;
}

TChannelSketch AnyChannelSketch(FuzzedDataProvider& in)
{
    TChannelSketch sketch;
    for (double* v : {&sketch.hp, &sketch.b, &sketch.alpha, &sketch.beta, &sketch.h, &sketch.l1, &sketch.l2,
                      &sketch.bWsp, &sketch.bProfil})
        *v = AnyDouble(in);
    sketch.LabelsOnly = in.ConsumeIntegralInRange(-1, 2);
    return sketch;
}

void Finding(const std::string& what)
{
    std::fprintf(stderr, "FINDING: %s\n", what.c_str());
    std::abort();
}

void RequireFinite(double value, const char* name)
{
    if (!std::isfinite(value))
        Finding(std::string(name) + " is not finite");
}

}  // namespace fluvara::fuzz
