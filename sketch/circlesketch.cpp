#include "circlesketch.h"

#include "labelformats.h"
#include "textformat.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>

namespace fluvara {

namespace {

constexpr double k = 0.9;  // the circle is drawn 10 % lower than wide

}  // namespace

int CircleFillPixels(const TCircleSketch& sketch, int fullPixels)
{
    if (sketch.Full == 1)
        return fullPixels;
    const double clearWidth = sketch.d * 0.1;  // cm
    if (clearWidth > sketch.h && sketch.h > 0)
        return T(sketch.h / clearWidth * fullPixels);
    // A depth that has reached the diameter (also one over a diameter of zero)
    // shows the pipe full; none, a negative one or no number shows no water.
    if (std::isnan(sketch.h) || std::isnan(sketch.d) || sketch.h <= 0)
        return 0;
    return fullPixels;
}

std::string CircleWidthText(const TCircleSketch& sketch) { return Fmt(labelformats::PipeSketch, sketch.d * 0.1); }

std::string CircleDepthText(const TCircleSketch& sketch) { return Fmt(labelformats::PipeSketch, sketch.h); }

void DrawCircleSketch(TDrawSurface& surface, const TCircleSketch& sketch, TPoint centre, TRect bevel)
{
    const int cx = centre.x;
    const int cy = centre.y;
    const int yTop = T(cy - 80 * k);
    const int yBot = T(cy + 80 * k);

    surface.SetBrushColor(Silver);
    surface.FillRect(bevel.left + 1, bevel.top + 1, bevel.left + bevel.width - 1, bevel.top + bevel.height - 1);

    const bool labelsOnly = sketch.LabelsOnly == 1;
    const std::string widthText = labelsOnly ? " l.W. " : CircleWidthText(sketch);
    const std::string depthText = labelsOnly ? " h " : CircleDepthText(sketch);
    const int f = labelsOnly ? 60 : CircleFillPixels(sketch, 160);
    if (labelsOnly) {
        surface.SetBrushColor(White);
        surface.TextOut(cx - 80, cy - 130, " Bezeichnungen ");
    }

    // pipe wall, then the dry inside on top of it
    surface.SetPenColor(Grey);
    surface.SetBrushColor(Grey);
    surface.Ellipse(cx - 90, T(cy - 90 * k), cx + 90, T(cy + 90 * k));
    surface.SetBrushColor(Silver);
    surface.Ellipse(cx - 80, yTop, cx + 80, yBot);

    // Water: the chord counter-clockwise from the left end of the water line
    // to its right end is the segment below it. At f = 160 both ends meet at
    // the top and the chord is the whole inside. At f = 0 they meet at the
    // bottom, where the same rule would paint a shallow pipe full: there is
    // no water pixel to draw.
    const double s = std::sqrt(80.0 * 80 - (80.0 - f) * (80.0 - f));
    const int xL = T(cx - s);
    const int xR = T(cx + s);
    const int yW = T(cy + (80 - f) * k);
    surface.SetBrushColor(LightBlue);
    if (f > 0)
        surface.Chord(cx - 80, yTop, cx + 80, yBot, xL, yW, xR, yW);
    if (xL + 20 < xR) {
        // the light surface of the water, one pixel above its grey edge
        surface.SetPenColor(Silver);
        Line(surface, xL + 1, yW - 1, xR - 1, yW - 1);
    }

    surface.SetPenColor(Black);
    surface.SetBrushColor(Silver);
    DrawDimArrows(surface, 'B', cx - 110, yTop, cx - 110, yBot);
    Line(surface, cx - 120, yTop, cx, yTop);
    Line(surface, cx - 120, yBot, cx, yBot);
    surface.SetBrushColor(White);
    surface.TextOut(labelsOnly ? cx - 140 : cx - 150, cy - 10, widthText);

    surface.SetBrushColor(Silver);
    surface.TextOut(cx - 80, cy + 130, "[ cm ]");

    surface.SetBrushColor(Silver);
    DrawDimArrows(surface, 'B', cx + 110, yW, cx + 110, yBot);
    Line(surface, cx + 120, yW, xR + 5, yW);
    Line(surface, cx + 120, yBot, cx, yBot);
    surface.SetBrushColor(Yellow);
    surface.TextOut(cx + 120, T(yW + f * k * 0.5 - 10), depthText);
}

void DrawDimArrows(TDrawSurface& surface, char device, int x1, int y1, int x2, int y2)
{
    const int a = device == 'P' ? 3 : 1;
    if (x1 == x2 && y1 < y2) {
        if (y2 - y1 >= 25)
            Line(surface, x1, y1, x2, y2);
        else
            std::swap(y1, y2);  // too short for a line: heads outside, pointing in
        const std::array<TPoint, 3> head1{{{x1, y1}, {x1 + 4 * a, y1 + 11 * a}, {x1 - 4 * a, y1 + 11 * a}}};
        const std::array<TPoint, 3> head2{{{x2, y2}, {x2 + 4 * a, y2 - 11 * a}, {x2 - 4 * a, y2 - 11 * a}}};
        surface.Polygon(head1);
        surface.Polygon(head2);
    } else if (x1 < x2 && y1 == y2) {
        if (x2 - x1 >= 25)
            Line(surface, x1, y1, x2, y2);
        else
            std::swap(x1, x2);
        const std::array<TPoint, 3> head1{{{x1, y1}, {x1 + 11 * a, y1 + 4 * a}, {x1 + 11 * a, y1 - 4 * a}}};
        const std::array<TPoint, 3> head2{{{x2, y2}, {x2 - 11 * a, y2 + 4 * a}, {x2 - 11 * a, y2 - 4 * a}}};
        surface.Polygon(head1);
        surface.Polygon(head2);
    }
}

}  // namespace fluvara
