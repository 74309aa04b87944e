#include "circleprintout.h"

#include "textformat.h"

#include <cmath>
#include <string>

namespace fluvara {

namespace {

constexpr int FullDepth = 480;  // inner diameter on paper

}  // namespace

void DrawCirclePrintout(TDrawSurface& surface, const TCircleSketch& sketch, const TPageRect& box)
{
    const int cx = box.left + (box.right - box.left) / 2;
    const int cy = box.top + (box.bottom - box.top) / 2;
    const std::string widthText = CircleWidthText(sketch);
    const std::string depthText = CircleDepthText(sketch);
    // the same water level as on the screen, between 0 and the full diameter
    const int f = CircleFillPixels(sketch, FullDepth);

    surface.SetBrushColor(Grey);
    surface.Ellipse(cx - 270, cy - 270, cx + 270, cy + 270);
    surface.SetBrushColor(White);
    surface.Ellipse(cx - 240, cy - 240, cx + 240, cy + 240);

    // Water: the chord counter-clockwise from the left end of the water line
    // to its right end is the segment below it; a full pipe closes both ends
    // at the top and the chord is the whole inside. A depth under one pixel
    // closes them at the bottom, and is not drawn as a full pipe.
    const double s = std::sqrt(240.0 * 240.0 - std::abs(240.0 - f) * std::abs(240.0 - f));
    const int xL = T(cx - s);
    const int xR = T(cx + s);
    const int yW = cy + 240 - f;
    surface.SetBrushColor(LightBlue);
    if (f > 0)
        surface.Chord(cx - 240, cy - 240, cx + 240, cy + 240, xL, yW, xR, yW);

    surface.SetPenColor(Black);
    surface.SetBrushColor(White);
    DrawDimArrows(surface, 'P', cx - 330, cy - 240, cx - 330, cy + 240);
    Line(surface, cx - 360, cy - 240, cx, cy - 240);
    Line(surface, cx - 360, cy + 240, cx, cy + 240);
    surface.TextOut(cx - 1130, cy - 10, widthText);
    surface.TextOut(cx - 240, cy + 470, "[cm]");

    DrawDimArrows(surface, 'P', cx + 330, yW, cx + 330, cy + 240);
    Line(surface, cx + 360, yW, xR + 5, yW);
    Line(surface, cx + 360, cy + 240, cx, cy + 240);
    surface.TextOut(cx + 430, yW + f / 2 - 10, depthText);
}

TPrintout CirclePrintout(const TCircleSketch& sketch, const TResultLines& lines)
{
    TPrintout printout;
    printout.kind = TPrintoutKind::Circle;
    for (int i = 0; i < CircleResultLineCount; ++i)
        printout.rows.push_back(lines.Line(i));
    printout.drawing = [sketch](TDrawSurface& surface, const TPageLayout& layout) {
        DrawCirclePrintout(surface, sketch, layout.DrawingBox);
    };
    return printout;
}

}  // namespace fluvara
