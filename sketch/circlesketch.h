#pragma once
// Schematic cross-section of a circular pipe with its water level and two
// dimension lines, drawn at a fixed size around the sketch centre.

#include "drawsurface.h"

#include <string>

namespace fluvara {

struct TCircleSketch {
    double d = 0;        // mm, clear width
    double h = 0;        // cm, fill depth
    int LabelsOnly = 1;  // 1: placeholder picture with symbols
    int Full = 0;        // 1: pipe completely filled
};

// Water depth in pixels below the top of an inner circle fullPixels high
// (160 on the window, 480 on the printed page). A depth at or above the
// diameter shows the pipe full; a depth of zero or less, or values that are
// not numbers, give 0. The placeholder depth of the window's symbol picture
// is not part of this rule.
int CircleFillPixels(const TCircleSketch& sketch, int fullPixels);

// The two dimension labels, as the window and the printed page write them:
// the clear width in cm and the fill depth in cm.
std::string CircleWidthText(const TCircleSketch& sketch);
std::string CircleDepthText(const TCircleSketch& sketch);

// Redraws the whole sketch area (the bevel's rectangle inset by one pixel).
void DrawCircleSketch(TDrawSurface& surface, const TCircleSketch& sketch, TPoint centre, TRect bevel);

// Dimension line with two arrowheads between two points on one vertical or
// horizontal line, given top to bottom or left to right. device is 'B' for
// the window, 'P' for the printer page (three times larger heads). Lengths
// under 25 get no line and heads outside pointing inward; any other pair of
// points draws nothing.
void DrawDimArrows(TDrawSurface& surface, char device, int x1, int y1, int x2, int y2);

}  // namespace fluvara
