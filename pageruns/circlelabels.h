#pragma once
// The label formats of the circular pages, each written once. A format gives
// the label's whole text with its padding: "%4.2f " of 3.14159 is "3.14 ".

namespace fluvara::circlelabels {

inline constexpr const char* Echo = "%s ";             // a field as read, decimal commas as points
inline constexpr const char* TwoDecimals = "%.2f ";    // d with the 95 % box; Q / 0.9
inline constexpr const char* Flow = "%4.2f ";          // verification: Qv, vv, vt
inline constexpr const char* Percent = "%4.1f ";       // verification: h, h/d, Qt/Qv
inline constexpr const char* DesignResult = "%6.1f ";  // design: D, h, Qv, Qt/Qv
inline constexpr const char* DesignSpeed = "%6.2f ";   // design: vv, vt

}  // namespace fluvara::circlelabels
