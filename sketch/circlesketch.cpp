#include "circlesketch.h"

namespace fluvara {

void DrawCircleSketch(TDrawSurface& surface, const TCircleSketch&, TPoint, TRect bevel)
{
    surface.SetBrushColor(Silver);
    surface.FillRect(bevel.left + 1, bevel.top + 1, bevel.left + bevel.width - 1, bevel.top + bevel.height - 1);
}

void DrawDimArrows(TDrawSurface&, char, int, int, int, int) {}

} // namespace fluvara
