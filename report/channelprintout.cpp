#include "channelprintout.h"

#include "circlesketch.h"
#include "constants.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace fluvara {

namespace {

double Radians(double degrees) { return degrees * Pi * OneOver180; }

// A 120 px horizontal leg pointing away from the channel and a 120 px leg
// rising at the bank's angle, about the vertex (vx, vy); direction -1 on the
// left bank, +1 on the right one.
TAngleMark PaperAngleMark(double vx, int vy, double degrees, int direction)
{
    const int rise = T(std::sin(Radians(degrees)) * 40 * 3);
    const int run = T(std::cos(Radians(degrees)) * 40 * 3);
    const TPoint outer{T(vx + direction * run), vy - rise};
    // the left angle's label stands below the rising leg's end, the right one's below the vertex
    const TPoint textAt{direction < 0 ? outer.x : T(vx), vy + 60};
    return {outer, {T(vx), vy}, {T(vx + direction * 120), vy}, textAt};
}

}  // namespace

void DrawChannelPrintout(TDrawSurface& surface, const TChannelSketch& sketch, const TPageRect& box, double UX,
                         const TScreenTextWidth& screenTextWidth)
{
    const int cxB = box.left + (box.right - box.left) / 2;
    // the channel bottom lies two thirds down the box
    const int yB = box.top + (2 * (box.bottom - box.top)) / 3;
    const int wd = (box.right - box.left) / 2 - 300;
    const int hd = (box.bottom - box.top) / 2 - 150;
    const TChannelRoom room{double(wd), double(hd), double(hd), 1, true};
    const TBox area{box.left + 1, box.top + 1, box.right, box.bottom};
    const TChannelLabels text = ChannelLabels(sketch);

    // numbers without a finite picture print the example's shape under the labels
    const std::optional<TChannelShape> shape = ChannelShapeWithin(sketch, room, 48, area.right - area.left);
    if (!shape)
        return;  // a page too small for any picture
    const TChannelPixels& p = shape->pixels;
    const double k = p.s;
    // Centred on the widest element; a picture that would reach beyond the
    // area moves in by the least distance.
    const int xc = AxisWithin(cxB + p.AxisOffset(), p.LeftReach(48), p.RightReach(48), area);
    const int ySurface = yB - p.yW;
    const int g = p.hb < 5 * k ? 6 : 0;  // a bottom under 10 cm gets its heads 6 px further out

    // the labels in the order of the window sketch, by the same rule; the
    // bottom width gives way last and keeps clear of the dimension lines of its rows
    TLabelLayout labels(area, 25);  // half a character
    using enum TMove;
    const TPoint l1At = labels.PlaceText(surface, {xc - p.tL + 120, yB + 171}, text.l1, {Left}, {Down, Inward});
    const TPoint l2At =
        labels.PlaceText(surface, {xc + p.hb + (p.tR - p.hb) / 2 - 30, yB + 171}, text.l2, {Right}, {Down, Inward});
    const TPoint bProfilAt = labels.PlaceText(surface, {xc - 30, yB + 480}, text.bProfil, {Down}, {Up, Inward});
    const TPoint bWspAt = labels.PlaceText(surface, {xc - 30, ySurface - 270}, text.bWsp, {Up}, {Down, Inward});
    const TPoint hpAt =
        labels.PlaceText(surface, {xc - p.eL - 180, yB - p.yP + p.yP / 2}, text.hp, {Down, Up}, {Inward});
    labels.Reserve({xc - p.tL, yB + 138, xc + p.tR + 1, yB + 163});
    labels.Reserve({xc - p.tL, yB + 438, xc + p.tR + 1, yB + 463});
    const TPoint bAt = labels.PlaceText(surface, {xc - p.hb - g, yB + 171}, text.b, {Down}, {Up, Inward});

    DrawChannelBody(surface, p, xc, yB, 90);

    surface.SetPenColor(Black);
    surface.SetPenWidth(1);
    surface.SetBrushColor(White);

    // water-surface width
    DrawDimArrows(surface, 'P', xc - p.wL, ySurface - 120, xc + p.wR, ySurface - 120);
    Line(surface, xc - p.wL, ySurface - 150, xc - p.wL, ySurface - 30);
    Line(surface, xc + p.wR, ySurface - 150, xc + p.wR, ySurface - 30);
    surface.TextOut(bWspAt.x, bWspAt.y, text.bWsp);

    // bottom width
    DrawDimArrows(surface, 'P', xc - p.hb - g, yB + 150, xc + p.hb + g, yB + 150);
    Line(surface, xc - p.hb, yB + 30, xc - p.hb, yB + 180);
    Line(surface, xc + p.hb, yB + 30, xc + p.hb, yB + 180);
    surface.TextOut(bAt.x, bAt.y, text.b);

    // bank widths
    DrawDimArrows(surface, 'P', xc - p.tL, yB + 150, xc - p.hb, yB + 150);
    Line(surface, xc - p.tL, yB + 30, xc - p.tL, yB + 180);
    surface.TextOut(l1At.x, l1At.y, text.l1);
    DrawDimArrows(surface, 'P', xc + p.hb, yB + 150, xc + p.tR, yB + 150);
    Line(surface, xc + p.tR, yB + 30, xc + p.tR, yB + 180);
    surface.TextOut(l2At.x, l2At.y, text.l2);

    // total profile width
    DrawDimArrows(surface, 'P', xc - p.tL, yB + 450, xc + p.tR, yB + 450);
    Line(surface, xc - p.tL, yB + 180, xc - p.tL, yB + 480);
    Line(surface, xc + p.tR, yB + 180, xc + p.tR, yB + 480);
    surface.TextOut(bProfilAt.x, bProfilAt.y, text.bProfil);

    // profile height, left of the ground
    DrawDimArrows(surface, 'P', xc - p.eL - 30, yB - p.yP, xc - p.eL - 30, yB);
    Line(surface, xc - p.eL - 48, yB - p.yP, xc - p.eL, yB - p.yP);
    Line(surface, xc - p.eL - 48, yB, xc - p.hb - 30, yB);
    surface.TextOut(hpAt.x, hpAt.y, text.hp);

    // The angle marks move with the channel axis and the page width.
    const TAngleMark left = PaperAngleMark(xc - 1.5 * UX - 390, yB + 600, shape->alpha, -1);
    DrawAngleMark(surface, PlaceAngleMark(surface, labels, left, text.alpha), text.alpha);
    const TAngleMark right = PaperAngleMark(xc + 1.5 * UX + 270, yB + 600, shape->beta, +1);
    DrawAngleMark(surface, PlaceAngleMark(surface, labels, right, text.beta), text.beta);

    const TPoint cmAt = labels.PlaceText(surface, {T(xc + 6 * UX), yB + 600}, "[cm]", {Inward}, {Up, Down});
    surface.TextOut(cmAt.x, cmAt.y, "[cm]");

    // Flow depth, right of whichever reaches further: water surface or ground.
    const int xh = p.wR > p.eR ? xc + p.wR + 30 : xc + p.eR + 30;
    DrawDimArrows(surface, 'P', xh, ySurface, xh, yB);
    Line(surface, xh + 18, ySurface, xc + p.wR + 15, ySurface);
    Line(surface, xh + 18, yB, xc + p.hb + 30, yB);
    const int w = screenTextWidth ? screenTextWidth(text.h) : 0;
    const TPoint hAt = labels.PlaceText(surface, {xh - 18 * w, ySurface + p.yW / 2 - 15}, text.h, {Down, Up}, {Inward});
    surface.TextOut(hAt.x, hAt.y, text.h);
}

TPrintout ChannelPrintout(const TChannelSketch& sketch, const TResultLines& lines, TScreenTextWidth screenTextWidth)
{
    TPrintout printout;
    printout.kind = TPrintoutKind::Channel;
    for (int i = 1; i <= 20; ++i)
        printout.rows.push_back(lines.Line(i));
    printout.drawing = [sketch, width = std::move(screenTextWidth)](TDrawSurface& surface, const TPageLayout& layout) {
        DrawChannelPrintout(surface, sketch, layout.DrawingBox, layout.UX, width);
    };
    return printout;
}

}  // namespace fluvara
