#pragma once
// The label formats of the pages and their sketches, each written once. A
// format gives the label's whole text with its padding: "%4.2f " of 3.14159
// is "3.14 ".

namespace fluvara::labelformats {

inline constexpr const char* Echo = "%s ";             // a field as read, decimal commas as points
inline constexpr const char* TwoDecimals = "%.2f ";    // d with the 95 % box; Q / 0.9
inline constexpr const char* Hundredths = "%4.2f ";    // Qv, vv, vt; the channel's v and vgr
inline constexpr const char* Tenths = "%4.1f ";        // h, h/d, Qt/Qv; the channel's h, hgr, kst mean, sketch lengths
inline constexpr const char* PipeSketch = "%5.1f ";    // the pipe sketch's clear width and fill depth, cm
inline constexpr const char* DesignResult = "%6.1f ";  // design: D, h, Qv, Qt/Qv
inline constexpr const char* DesignSpeed = "%6.2f ";   // design: vv, vt

}  // namespace fluvara::labelformats
