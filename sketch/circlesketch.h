#pragma once
// Schematic cross-section of a circular pipe with its water level and two
// dimension lines, drawn at a fixed size around the sketch centre.

#include "drawsurface.h"

namespace fluvara {

struct TCircleSketch {
    double d = 0;        // mm, clear width
    double h = 0;        // cm, fill depth
    int LabelsOnly = 1;  // 1: placeholder picture with symbols
    int Full = 0;        // 1: pipe completely filled
};

// Redraws the whole sketch area (the bevel's rectangle inset by one pixel).
void DrawCircleSketch(TDrawSurface& surface, const TCircleSketch& sketch, TPoint centre, TRect bevel);

// Dimension line with two arrowheads between two points on one vertical or
// horizontal line. device is 'B' for the window, 'P' for the printer page
// (three times larger heads).
void DrawDimArrows(TDrawSurface& surface, char device, int x1, int y1, int x2, int y2);

} // namespace fluvara
