#include "channelsketch.h"

#include "circlesketch.h"
#include "constants.h"
#include "labelformats.h"
#include "textformat.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace fluvara {

namespace {

double Radians(double degrees) { return degrees * Pi / 180; }

double Radians(double degrees, const TChannelRoom& room)
{
    return room.timesOneOver180 ? degrees * Pi * OneOver180 : Radians(degrees);
}

// Far beyond any picture that fits its room, and well inside int.
constexpr double MaxPixels = 1e6;

bool IsPixelLength(double x) { return x >= 0 && x <= MaxPixels; }  // false for NaN

// A horizontal leg pointing away from the channel and a 40 px leg rising at
// the bank's angle; direction -1 for the left bank, +1 for the right one.
TAngleMark ScreenAngleMark(TPoint vertex, double degrees, int direction, TPoint textAt)
{
    const double r = Radians(degrees);
    const int rise = T(40 * std::sin(r));
    const int run = T(40 * std::cos(r));
    return {{vertex.x + direction * run, vertex.y - rise}, vertex, {vertex.x + direction * 40, vertex.y}, textAt};
}

}  // namespace

TAngleMark PlaceAngleMark(TDrawSurface& surface, TLabelLayout& labels, const TAngleMark& mark, std::string_view text)
{
    const TBox texts[] = {TextBox(surface, mark.textAt.x, mark.textAt.y, text)};
    const TSegment legs[] = {{mark.outer, mark.vertex}, {mark.vertex, mark.legEnd}};
    const TPoint by = labels.PlaceGroup(texts, legs, {TMove::Inward}, {TMove::Up, TMove::Down});
    const auto moved = [by](TPoint point) { return TPoint{point.x + by.x, point.y + by.y}; };
    return {moved(mark.outer), moved(mark.vertex), moved(mark.legEnd), moved(mark.textAt)};
}

void DrawAngleMark(TDrawSurface& surface, const TAngleMark& mark, std::string_view text)
{
    surface.MoveTo(mark.outer.x, mark.outer.y);
    surface.LineTo(mark.vertex.x, mark.vertex.y);
    surface.LineTo(mark.legEnd.x, mark.legEnd.y);
    surface.TextOut(mark.textAt.x, mark.textAt.y, text);
}

TChannelSketch ExampleChannel()
{
    TChannelSketch sketch;
    sketch.hp = 75;
    sketch.b = 75;
    sketch.alpha = 45;
    sketch.beta = 45;
    sketch.h = 50;
    return sketch;
}

TChannelLabels ChannelLabels(const TChannelSketch& sketch)
{
    if (sketch.LabelsOnly == 1)
        return {" hp ", " b ", "  l1 ", "  l2 ", "  a  ", "  b  ", " h ", " b-wsp ", " b-profil "};
    const auto length = [](double cm) { return Fmt(labelformats::Tenths, cm); };
    const auto angle = [](double degrees) { return Fmt("%4.1f ° ", degrees); };
    return {length(sketch.hp),  length(sketch.b), length(sketch.l1),   length(sketch.l2),     angle(sketch.alpha),
            angle(sketch.beta), length(sketch.h), length(sketch.bWsp), length(sketch.bProfil)};
}

std::optional<TChannelPixels> ScaleChannel(const TChannelSketch& c, const TChannelRoom& room)
{
    // Written so that NaN fails every test.
    const bool lengthsValid =
        c.hp > 0 && c.h > 0 && c.b >= 0 && std::isfinite(c.hp) && std::isfinite(c.h) && std::isfinite(c.b);
    const bool anglesValid = c.alpha > 0 && c.alpha <= 90 && c.beta > 0 && c.beta <= 90;
    if (!lengthsValid || !anglesValid)
        return std::nullopt;
    const double tanAlpha = std::tan(Radians(c.alpha, room));
    const double tanBeta = std::tan(Radians(c.beta, room));
    if (!(tanAlpha > 0 && tanBeta > 0))  // an angle too small to leave the horizontal
        return std::nullopt;

    const double half = c.b * 0.5;
    const double L1 = c.hp / tanAlpha;
    const double L2 = c.hp / tanBeta;
    const double W1 = c.h / tanAlpha;
    const double W2 = c.h / tanBeta;

    TChannelPixels p;
    const double sx1 = room.halfWidth / ((L1 + L2) * 0.5 + half + 10);
    const double sy1 = room.profileHeight / c.hp;
    const double waterHalfWidth = (W1 + W2) * 0.5 + half;
    const double sy2 = room.flowDepth / c.h;
    p.s = sx1;
    if (sy1 < p.s)
        p.s = sy1;
    // A water surface too narrow to measure sets no limit.
    if (waterHalfWidth > 0) {
        const double sx2 = room.halfWidth / waterHalfWidth;
        if (sx2 < p.s) {
            p.s = sx2;
            p.wide = true;
        }
    }
    if (sy2 < p.s)
        p.s = sy2;
    // Overflowing lengths give a scale of 0 or NaN; no room gives one below 0.
    if (!(p.s > 0 && std::isfinite(p.s)))
        return std::nullopt;

    const double s = p.s;
    const double k = room.verticalFactor;
    const std::array<double, 9> lengths{
        (half + L1 + 10) * s, (half + L2 + 10) * s, (half + L1) * s, (half + L2) * s, half * s,
        c.hp * s * k,         (half + W1) * s,      (half + W2) * s, c.h * s * k};
    if (!std::all_of(lengths.begin(), lengths.end(), IsPixelLength))
        return std::nullopt;
    p.eL = T(lengths[0]);
    p.eR = T(lengths[1]);
    p.tL = T(lengths[2]);
    p.tR = T(lengths[3]);
    p.hb = T(lengths[4]);
    p.yP = T(lengths[5]);
    p.wL = T(lengths[6]);
    p.wR = T(lengths[7]);
    p.yW = T(lengths[8]);
    return p;
}

std::optional<TChannelShape> ChannelShape(const TChannelSketch& sketch, const TChannelRoom& room)
{
    TChannelSketch numbers = sketch;
    std::optional<TChannelPixels> pixels = ScaleChannel(numbers, room);
    if (!pixels) {
        numbers = ExampleChannel();
        pixels = ScaleChannel(numbers, room);
    }
    if (!pixels)
        return std::nullopt;
    return TChannelShape{*pixels, numbers.alpha, numbers.beta};
}

std::optional<TChannelShape> ChannelShapeWithin(const TChannelSketch& sketch, TChannelRoom room, int margin,
                                                int areaWidth)
{
    std::optional<TChannelShape> shape = ChannelShape(sketch, room);
    // Each pass narrows the room by the part that does not fit; the margins
    // do not shrink with it, so a few passes may be needed.
    for (int pass = 0; pass < 10 && shape; ++pass) {
        const TChannelPixels& p = shape->pixels;
        const int width = p.LeftReach(margin) + p.RightReach(margin) + 1;
        if (width <= areaWidth)
            break;
        room.halfWidth *= 0.99 * areaWidth / width;
        shape = ChannelShape(sketch, room);
    }
    return shape;
}

void DrawChannelBody(TDrawSurface& surface, const TChannelPixels& p, int xc, int y, int groundDepth)
{
    surface.SetPenWidth(1);
    surface.SetPenColor(Orange);
    surface.SetBrushColor(Orange);
    const std::array<TPoint, 8> ground{{{xc - p.eL, y - p.yP},
                                        {xc - p.tL, y - p.yP},
                                        {xc - p.hb, y},
                                        {xc + p.hb, y},
                                        {xc + p.tR, y - p.yP},
                                        {xc + p.eR, y - p.yP},
                                        {xc + p.eR, y + groundDepth},
                                        {xc - p.eL, y + groundDepth}}};
    surface.Polygon(ground);
    // Water above the profile height rises along the prolonged banks.
    surface.SetPenColor(LightBlue);
    surface.SetBrushColor(LightBlue);
    const std::array<TPoint, 4> water{{{xc - p.hb, y}, {xc + p.hb, y}, {xc + p.wR, y - p.yW}, {xc - p.wL, y - p.yW}}};
    surface.Polygon(water);
}

void DrawChannelSketch(TDrawSurface& surface, const TChannelSketch& sketch, TPoint centre, TRect bevel)
{
    const bool labelsOnly = sketch.LabelsOnly == 1;
    const TChannelSketch& numbers = labelsOnly ? ExampleChannel() : sketch;
    const TChannelLabels text = ChannelLabels(sketch);

    surface.SetBrushColor(Silver);
    surface.FillRect(bevel.left + 1, bevel.top + 1, bevel.left + bevel.width - 1, bevel.top + bevel.height - 1);
    const TBox area{bevel.left + 1, bevel.top + 1, bevel.left + bevel.width - 1, bevel.top + bevel.height - 1};

    const int wd = bevel.width / 2;
    const int hd = bevel.height / 2;
    const std::optional<TChannelShape> shape = ChannelShapeWithin(
        numbers, TChannelRoom{double(wd - 30), double(hd - 30), double(hd - 90), 0.9}, 16, area.right - area.left);
    if (!shape)
        return;  // an area too small for any picture stays empty
    const TChannelPixels& p = shape->pixels;

    const int cx = centre.x;
    const int cy = centre.y;
    // Centred on the widest element; a picture that would reach beyond the
    // area moves in by the least distance.
    const int xc = AxisWithin(cx + p.AxisOffset(), p.LeftReach(16), p.RightReach(16), area);
    const int ySurface = cy - p.yW;

    // The labels below and beside the channel, in the face the surface brings along.
    TLabelLayout labels(area, 3);  // half a character
    using enum TMove;
    const TPoint headingAt = labelsOnly
        ? labels.PlaceText(surface, {xc - p.eL + 20, cy - 160}, " Bezeichnungen ", {Up, Down}, {Inward})
        : TPoint{};
    const TPoint l1At =
        labels.PlaceText(surface, {xc - p.tL + (p.tL - p.hb) / 2 - 10, cy + 57}, text.l1, {Left}, {Down, Inward});
    const TPoint l2At =
        labels.PlaceText(surface, {xc + p.hb + (p.tR - p.hb) / 2 - 10, cy + 57}, text.l2, {Right}, {Down, Inward});
    const TPoint bProfilAt = labels.PlaceText(surface, {xc - 10, cy + 87}, text.bProfil, {Down}, {Up, Inward});
    const TPoint bWspAt = labels.PlaceText(surface, {xc - 10, ySurface - 60}, text.bWsp, {Up}, {Down, Inward});
    const TPoint hpAt = labels.PlaceText(surface, {xc - p.eL + 5, cy - p.yP + p.yP / 2}, text.hp, {Down, Up}, {Inward});
    // The bottom width gives way last; it keeps clear of the two dimension
    // lines of its rows.
    labels.Reserve({xc - p.tL, cy + 46, xc + p.tR + 1, cy + 55});
    labels.Reserve({xc - p.tL, cy + 76, xc + p.tR + 1, cy + 85});
    const TPoint bAt = labels.PlaceText(surface, {xc - 10, cy + 57}, text.b, {Down}, {Up, Inward});

    DrawChannelBody(surface, p, xc, cy, 27);  // T(30 * 0.9) below the bottom

    surface.SetPenWidth(1);
    surface.SetPenColor(Black);
    surface.SetBrushColor(Silver);

    // water-surface width
    DrawDimArrows(surface, 'B', xc - p.wL, ySurface - 40, xc + p.wR, ySurface - 40);
    Line(surface, xc - p.wL, ySurface - 50, xc - p.wL, ySurface - 10);
    Line(surface, xc + p.wR, ySurface - 50, xc + p.wR, ySurface - 10);
    surface.SetBrushColor(White);
    surface.TextOut(bWspAt.x, bWspAt.y, text.bWsp);

    // Bottom width; a bottom under 10 px gets its heads 2 px further out.
    surface.SetBrushColor(Silver);
    const int g = p.hb >= 5 ? 0 : 2;
    DrawDimArrows(surface, 'B', xc - p.hb - g, cy + 50, xc + p.hb + g, cy + 50);
    Line(surface, xc - p.hb, cy + 60, xc - p.hb, cy + 10);
    Line(surface, xc + p.hb, cy + 60, xc + p.hb, cy + 10);
    surface.SetBrushColor(White);
    surface.TextOut(bAt.x, bAt.y, text.b);

    // bank widths
    surface.SetBrushColor(Silver);
    DrawDimArrows(surface, 'B', xc - p.tL, cy + 50, xc - p.hb, cy + 50);
    Line(surface, xc - p.tL, cy + 60, xc - p.tL, cy + 10);
    DrawDimArrows(surface, 'B', xc + p.hb, cy + 50, xc + p.tR, cy + 50);
    Line(surface, xc + p.tR, cy + 60, xc + p.tR, cy + 10);

    // total profile width
    DrawDimArrows(surface, 'B', xc - p.tL, cy + 80, xc + p.tR, cy + 80);
    Line(surface, xc - p.tL, cy + 90, xc - p.tL, cy + 40);
    Line(surface, xc + p.tR, cy + 90, xc + p.tR, cy + 40);

    surface.SetBrushColor(White);
    surface.TextOut(l1At.x, l1At.y, text.l1);
    surface.TextOut(l2At.x, l2At.y, text.l2);
    surface.TextOut(bProfilAt.x, bProfilAt.y, text.bProfil);

    // profile height, left of the ground
    surface.SetBrushColor(Silver);
    DrawDimArrows(surface, 'B', xc - p.eL - 10, cy - p.yP, xc - p.eL - 10, cy);
    Line(surface, xc - p.eL - 16, cy - p.yP, xc - p.eL, cy - p.yP);
    Line(surface, xc - p.eL - 16, cy, xc - p.hb - 10, cy);
    surface.SetBrushColor(White);
    surface.TextOut(hpAt.x, hpAt.y, text.hp);
    if (labelsOnly)
        surface.TextOut(headingAt.x, headingAt.y, " Bezeichnungen ");

    // The angle marks stand at fixed places below the channel. The example's
    // symbols are the Latin letters that the "Symbol" face shows as Greek.
    if (labelsOnly)
        surface.SetFontName("Symbol");
    const TAngleMark left = ScreenAngleMark({cx - 60, cy + 145}, shape->alpha, -1, {cx - 100, cy + 152});
    DrawAngleMark(surface, PlaceAngleMark(surface, labels, left, text.alpha), text.alpha);
    const TAngleMark right = ScreenAngleMark({cx + 60, cy + 145}, shape->beta, +1, {cx + 60, cy + 152});
    DrawAngleMark(surface, PlaceAngleMark(surface, labels, right, text.beta), text.beta);
    surface.SetFontName("Arial");

    surface.SetBrushColor(Silver);
    const TPoint cmAt = labels.PlaceText(surface, {cx - 20, cy + 130}, "[ cm ]", {Inward}, {Down, Up});
    surface.TextOut(cmAt.x, cmAt.y, "[ cm ]");

    // Flow depth, right of whichever reaches further: water surface or ground.
    surface.SetBrushColor(Silver);
    const int xh = xc + std::max(p.wR, p.eR) + 10;
    DrawDimArrows(surface, 'B', xh, ySurface, xh, cy);
    Line(surface, xh + 6, ySurface, xc + p.wR + 5, ySurface);
    Line(surface, xh + 6, cy, xc + p.hb + 10, cy);
    surface.SetBrushColor(Yellow);
    const TPoint hAt = labels.PlaceText(surface, {xh - 35, ySurface + p.yW / 2 - 5}, text.h, {Down, Up}, {Inward});
    surface.TextOut(hAt.x, hAt.y, text.h);
}

}  // namespace fluvara
