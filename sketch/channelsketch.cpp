#include "channelsketch.h"

namespace fluvara {

void DrawChannelSketch(TDrawSurface& surface, TChannelSketch&, TPoint, TRect bevel)
{
    surface.SetBrushColor(Silver);
    surface.FillRect(bevel.left + 1, bevel.top + 1, bevel.left + bevel.width - 1, bevel.top + bevel.height - 1);
}

} // namespace fluvara
