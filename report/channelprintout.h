#pragma once
// The printed report of the open channel page: result lines 1 to 20 and the
// scaled, dimensioned cross-section of the channel, laid out for 600 dpi.

#include "channelsketch.h"
#include "printframe.h"
#include "resultlines.h"

#include <functional>
#include <string_view>

namespace fluvara {

// Width in screen pixels of a text in "Arial" about 11 pixels high. The
// flow-depth label stands 18 times its screen width left of its dimension.
using TScreenTextWidth = std::function<int(std::string_view)>;

// The cross-section in drawingBox; UX is the page unit across the page.
// Numbers that give no finite picture print the example channel's shape under
// their labels, as the window sketch shows them; labels that would cover one
// another or leave the box move as on the window.
void DrawChannelPrintout(TDrawSurface& surface, const TChannelSketch& sketch, const TPageRect& drawingBox, double UX,
                         const TScreenTextWidth& screenTextWidth);

// The page content for PrintReport, from the values at the time of the call.
TPrintout ChannelPrintout(const TChannelSketch& sketch, const TResultLines& lines, TScreenTextWidth screenTextWidth);

}  // namespace fluvara
