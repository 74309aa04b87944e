#pragma once
// The design rain of a network: intensity r (l/(s·ha)) over the rain
// duration D (min), from a table of the local rain series or from r15 and
// the frequency n by Reinhold's time coefficient.

#include "networksettings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fluvara {

// r15 · 38 / (D + 9) · (n^-0.25 - 0.369)
double ReinholdIntensity(const TReinholdRain& rain, double D);

// r at the duration D: Reinhold's formula, or the table read linearly
// between its rows and as its first row below it; nothing above its last
// row (and for an empty table).
std::optional<double> RainIntensity(const TDesignRain& rain, double D);

// "5:283,3;10:190;15:146,7": rows of D:r, decimal comma or point. Nothing
// and a German message in error when a row is not two positive numbers or
// the durations do not ascend.
struct TRainReading {
    std::optional<std::vector<TRainRow>> table;
    std::string error;
};
TRainReading ParseRainTable(std::string_view text);
// The same form back, with decimal points.
std::string RainTableText(const std::vector<TRainRow>& table);

// Checks r15 and n; a German message, "" when they can be used.
std::string ReinholdError(const TReinholdRain& rain);

// The largest n for which the coefficient stays positive.
inline constexpr double ReinholdLargestN = 50;

}  // namespace fluvara
