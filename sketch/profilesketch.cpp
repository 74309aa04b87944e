#include "profilesketch.h"

#include "calcerror.h"
#include "circlesketch.h"
#include "labelformats.h"
#include "profileoutline.h"
#include "textformat.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace fluvara {

namespace {

// Sizes in pixels of the window; the page multiplies them by a.
struct TLook {
    int a = 1;
    char arrows = 'B';
    TRgb inside = Silver;
    TRgb depthBrush = Yellow;
    TRgb unitBrush = Silver;
    const char* unit = "[ cm ]";
    int arcPoints = 24;
};

TLook LookOf(TSketchDevice device)
{
    if (device == TSketchDevice::Window)
        return {};
    return {3, 'P', White, White, White, "[cm]", 72};
}

constexpr int Wall = 10;  // wall thickness
constexpr int Dim = 20;   // dimension lines from the wall's outer face
constexpr int Over = 6;   // extension lines beyond the dimension line
constexpr int Gap = 4;    // labels from the lines, the picture from the area's edge
constexpr const char* Heading = " Bezeichnungen ";

bool IsProfile(const TProfile& profile)
{
    try {
        FullSection(profile);
        return true;
    } catch (const CalculationError&) {
        return false;
    }
}

// The sketch whose outline is drawn: a placeholder without a profile shows the example's.
const TProfileSketch* Drawn(const TProfileSketch& sketch)
{
    static const TProfileSketch example = ExampleProfileSketch();
    if (IsProfile(sketch.profile))
        return &sketch;
    return sketch.LabelsOnly == 1 ? &example : nullptr;
}

// The water level in mm: the placeholder's three eighths, none for no number.
double WaterLevel(const TProfileSketch& sketch, const TProfile& profile)
{
    if (sketch.LabelsOnly == 1)
        return 0.375 * profile.H;
    const double h = sketch.h * 10;
    if (std::isnan(h) || h <= 0)
        return 0;
    return std::min(h, profile.H);
}

struct TPlacer {
    const TProfilePixels& p;
    TPoint Right(const TOutlinePoint& q) const { return {p.axis + T(q.x * p.s), p.invert - T(q.y * p.s)}; }
    TPoint Left(const TOutlinePoint& q) const { return {p.axis - T(q.x * p.s), p.invert - T(q.y * p.s)}; }

    // The closed outline: up the right half, down the left one.
    std::vector<TPoint> Whole(const std::vector<TOutlinePoint>& half) const
    {
        std::vector<TPoint> points;
        for (const TOutlinePoint& q : half)
            points.push_back(Right(q));
        for (auto q = half.rbegin() + 1; q + 1 != half.rend(); ++q)
            points.push_back(Left(*q));
        return points;
    }
};

}  // namespace

TProfileSketch ExampleProfileSketch() { return {EggProfile(1000), 56.25, 1}; }

TProfileLabels ProfileLabels(const TProfileSketch& sketch)
{
    if (sketch.LabelsOnly == 1)
        return {" b ", " H ", " h "};
    return {Fmt(labelformats::PipeSketch, sketch.profile.b * 0.1),
            Fmt(labelformats::PipeSketch, sketch.profile.H * 0.1), Fmt(labelformats::PipeSketch, sketch.h)};
}

std::optional<TProfilePixels> ScaleProfileSketch(TDrawSurface& surface, const TProfileSketch& sketch, TRect area,
                                                 TSketchDevice device)
{
    const TProfileSketch* drawn = Drawn(sketch);
    if (!drawn)
        return std::nullopt;
    const TProfile& profile = drawn->profile;
    const TLook look = LookOf(device);
    const int a = look.a;
    const TProfileLabels text = ProfileLabels(sketch);
    const int th = surface.TextHeight();
    const int reachLeft = (Wall + Dim + Over + Gap) * a + surface.TextWidth(text.H);
    const int reachRight = (Wall + Dim + Over + Gap) * a + surface.TextWidth(text.h);
    const int reachUp = (Wall + Dim + Over) * a + th + (sketch.LabelsOnly == 1 ? th + Gap * a : 0);
    const int reachDown = (Wall + Gap) * a + th;
    const int freeWidth = area.width - 2 * Gap * a - reachLeft - reachRight;
    const int freeHeight = area.height - 2 * Gap * a - reachUp - reachDown;
    if (freeWidth < 2 || freeHeight < 2)
        return std::nullopt;

    TProfilePixels p;
    p.s = std::min(freeWidth / profile.b, freeHeight / profile.H);
    p.halfWidth = T(profile.b / 2 * p.s);
    p.height = T(profile.H * p.s);
    p.wall = Wall * a;
    p.axis = area.left + Gap * a + reachLeft + (freeWidth - 2 * p.halfWidth) / 2 + p.halfWidth;
    p.invert = area.top + Gap * a + reachUp + (freeHeight - p.height) / 2 + p.height;
    const double level = WaterLevel(sketch, profile);
    p.water = level >= profile.H ? p.height : T(level * p.s);
    // The texts above and below stand centred on the axis, the heading
    // where the picture starts: all of them in the area, or no picture.
    const int leftEdge = area.left + Gap * a;
    const int rightEdge = area.left + area.width - Gap * a;
    const int centred = std::max(surface.TextWidth(text.b), surface.TextWidth(look.unit));
    if (p.axis - centred / 2 < leftEdge || p.axis - centred / 2 + centred > rightEdge)
        return std::nullopt;
    const int headingLeft = p.axis - p.halfWidth - reachLeft;
    if (sketch.LabelsOnly == 1 && headingLeft + surface.TextWidth(Heading) > rightEdge)
        return std::nullopt;
    return p;
}

void DrawProfileSketch(TDrawSurface& surface, const TProfileSketch& sketch, TRect area, TSketchDevice device)
{
    const TLook look = LookOf(device);
    const int a = look.a;
    if (area.width <= 0 || area.height <= 0)
        return;
    if (device == TSketchDevice::Window) {
        surface.SetBrushColor(Silver);
        surface.FillRect(area.left, area.top, area.left + area.width, area.top + area.height);
    }
    const std::optional<TProfilePixels> scaled = ScaleProfileSketch(surface, sketch, area, device);
    if (!scaled)
        return;
    const TProfilePixels& p = *scaled;
    const TProfile& profile = Drawn(sketch)->profile;
    const TProfileLabels text = ProfileLabels(sketch);
    const int th = surface.TextHeight();
    const TPlacer place{p};
    const int left = p.axis - p.halfWidth;
    const int right = p.axis + p.halfWidth;
    const int crown = p.invert - p.height;

    if (sketch.LabelsOnly == 1) {
        surface.SetBrushColor(White);
        surface.TextOut(left - (Wall + Dim + Over + Gap) * a - surface.TextWidth(text.H), area.top + Gap * a, Heading);
    }

    // the wall, then the dry inside on top of it
    surface.SetPenColor(Grey);
    surface.SetBrushColor(Grey);
    surface.Polygon(place.Whole(ProfileHalfOutline(profile, p.wall / p.s, look.arcPoints)));
    const std::vector<TOutlinePoint> inner = ProfileHalfOutline(profile, 0, look.arcPoints);
    surface.SetBrushColor(look.inside);
    surface.Polygon(place.Whole(inner));

    // Water: the inside below the level, closed by the water line. A level
    // under one pixel draws none, as the circle's sketch.
    const int yW = p.invert - p.water;
    const double level = WaterLevel(sketch, profile);
    const bool full = level >= profile.H;
    const double halfSurface = full ? 0 : ProfileSection(profile, level).surfaceWidth / 2;
    const int xL = p.axis - T(halfSurface * p.s);
    const int xR = p.axis + T(halfSurface * p.s);
    if (p.water > 0) {
        std::vector<TPoint> water{{xL, yW}};
        for (auto q = inner.rbegin() + 1; q != inner.rend(); ++q)
            if (q->y < level)
                water.push_back(place.Left(*q));
        for (auto q = inner.begin() + 1; q != inner.end(); ++q)
            if (q->y < level)
                water.push_back(place.Right(*q));
        water.push_back({xR, yW});
        surface.SetBrushColor(LightBlue);
        surface.Polygon(full ? place.Whole(inner) : water);
    }
    if (device == TSketchDevice::Window && !full && xL + 20 < xR) {
        // the light surface of the water, one pixel above its grey edge
        surface.SetPenColor(Silver);
        Line(surface, xL + 1, yW - 1, xR - 1, yW - 1);
    }

    surface.SetPenColor(Black);
    const TRgb lines = device == TSketchDevice::Window ? Silver : White;

    // height, on the left
    const int xH = left - p.wall - Dim * a;
    surface.SetBrushColor(lines);
    DrawDimArrows(surface, look.arrows, xH, crown, xH, p.invert);
    Line(surface, xH - Over * a, crown, p.axis, crown);
    Line(surface, xH - Over * a, p.invert, p.axis, p.invert);
    surface.SetBrushColor(White);
    surface.TextOut(xH - (Over + Gap) * a - surface.TextWidth(text.H), p.invert - p.height / 2 - th / 2, text.H);

    // width, above, with extension lines down to the widest point
    const int yB = crown - p.wall - Dim * a;
    const int yWide = p.invert - T(WidestHeight(profile) * p.s);
    surface.SetBrushColor(lines);
    DrawDimArrows(surface, look.arrows, left, yB, right, yB);
    Line(surface, left, yB - Over * a, left, yWide);
    Line(surface, right, yB - Over * a, right, yWide);
    surface.SetBrushColor(White);
    surface.TextOut(p.axis - surface.TextWidth(text.b) / 2, yB - Over * a - th, text.b);

    surface.SetBrushColor(look.unitBrush);
    surface.TextOut(p.axis - surface.TextWidth(look.unit) / 2, p.invert + p.wall + Gap * a, look.unit);

    // filling height, on the right
    const int xh = right + p.wall + Dim * a;
    surface.SetBrushColor(lines);
    DrawDimArrows(surface, look.arrows, xh, yW, xh, p.invert);
    Line(surface, xh + Over * a, yW, xR + 5 * a, yW);
    Line(surface, xh + Over * a, p.invert, p.axis, p.invert);
    surface.SetBrushColor(look.depthBrush);
    surface.TextOut(xh + (Over + Gap) * a, yW + p.water / 2 - th / 2, text.h);
}

}  // namespace fluvara
