#include "checkedsurface.h"

#include "fuzzinput.h"

#include <initializer_list>
#include <string>

namespace fluvara::fuzz {

namespace {

void Check(const char* call, std::initializer_list<int> values)
{
    for (int v : values)
        if (v < -MaxCoordinate || v > MaxCoordinate)
            Finding(std::string(call) + ": coordinate " + std::to_string(v) + " is beyond the page");
}

void CheckColor(TRgb color)
{
    for (int c : {color.r, color.g, color.b})
        if (c < 0 || c > 255)
            Finding("colour component " + std::to_string(c));
}

}  // namespace

void TCheckedSurface::SetPenColor(TRgb color) { CheckColor(color); }
void TCheckedSurface::SetBrushColor(TRgb color) { CheckColor(color); }

void TCheckedSurface::SetPenWidth(int width)
{
    if (width < 0 || width > 1000)
        Finding("pen width " + std::to_string(width));
}

void TCheckedSurface::FillRect(int x1, int y1, int x2, int y2) { Check("FillRect", {x1, y1, x2, y2}); }
void TCheckedSurface::Ellipse(int x1, int y1, int x2, int y2) { Check("Ellipse", {x1, y1, x2, y2}); }

void TCheckedSurface::Chord(int x1, int y1, int x2, int y2, int px1, int py1, int px2, int py2)
{
    Check("Chord", {x1, y1, x2, y2, px1, py1, px2, py2});
}

void TCheckedSurface::MoveTo(int x, int y) { Check("MoveTo", {x, y}); }
void TCheckedSurface::LineTo(int x, int y) { Check("LineTo", {x, y}); }

void TCheckedSurface::Polygon(std::span<const TPoint> points)
{
    for (const TPoint& p : points)
        Check("Polygon", {p.x, p.y});
}

void TCheckedSurface::TextOut(int x, int y, std::string_view) { Check("TextOut", {x, y}); }
void TCheckedSurface::SetFontName(std::string_view) { }
int TCheckedSurface::TextWidth(std::string_view text) { return static_cast<int>(text.size() % 100000) * 7; }

void TCheckedPage::SetFontSize(int points)
{
    if (points <= 0 || points > 200)
        Finding("font size " + std::to_string(points));
}

}  // namespace fluvara::fuzz
