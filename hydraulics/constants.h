#pragma once

namespace fluvara {

// The decimal value the program has always used, not the nearest double to pi.
inline constexpr double Pi = 3.14159265358979;
inline constexpr double OneOver180 = 1.0 / 180.0;
inline constexpr double TwoG = 19.62;  // 2 * 9.81 m/s^2

}  // namespace fluvara
