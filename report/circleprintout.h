#pragma once
// The printed report of the circular verification page: all 17 result lines
// and the pipe's cross-section three times the size of the window sketch,
// as circles, dimensioned in cm.

#include "circlesketch.h"
#include "printframe.h"
#include "resultlines.h"

namespace fluvara {

// The cross-section about the centre of drawingBox.
void DrawCirclePrintout(TDrawSurface& surface, const TCircleSketch& sketch, const TPageRect& drawingBox);

// The page content for PrintReport, from the values at the time of the call.
TPrintout CirclePrintout(const TCircleSketch& sketch, const TResultLines& lines);

}  // namespace fluvara
