#pragma once
// The drawing operations the sketches and printouts use. The window and the
// printer page each provide them through an adapter; tests record them.
// A surface keeps its pen, brush and font between calls and between drawings.

#include <span>
#include <string_view>

namespace fluvara {

struct TRgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const TRgb&, const TRgb&) = default;
};

struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr TRgb Silver{192, 192, 192};
inline constexpr TRgb Grey{128, 128, 128};
inline constexpr TRgb LightBlue{130, 130, 255};
inline constexpr TRgb Black{0, 0, 0};
inline constexpr TRgb White{255, 255, 255};
inline constexpr TRgb Yellow{255, 255, 0};

class TDrawSurface {
public:
    virtual ~TDrawSurface() = default;

    virtual void SetPenColor(TRgb color) = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual void SetBrushColor(TRgb color) = 0;
    // Fills with the brush, no outline; right and bottom edges excluded.
    virtual void FillRect(int x1, int y1, int x2, int y2) = 0;
    // Ellipse inscribed in the box, outlined with the pen, filled with the brush.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Part of the box's ellipse cut off by the chord from the ray through P1
    // counter-clockwise (as seen on screen) to the ray through P2; equal
    // points give the whole ellipse.
    virtual void Chord(int x1, int y1, int x2, int y2, int px1, int py1, int px2, int py2) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // Line from the current point; the end point itself is not painted.
    virtual void LineTo(int x, int y) = 0;
    virtual void Polygon(std::span<const TPoint> points) = 0;
    // Text (UTF-8) with its top-left corner at (x, y), black, on a cell filled with the brush.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual void SetFontName(std::string_view name) = 0;
    // Size of a text's cell in the current font.
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight() = 0;
};

// Pixel conversion: truncation toward zero. Callers let only finite values
// well inside int reach it.
inline int T(double x) { return static_cast<int>(x); }

// A line from (x1, y1) to (x2, y2), the end point left out.
inline void Line(TDrawSurface& surface, int x1, int y1, int x2, int y2)
{
    surface.MoveTo(x1, y1);
    surface.LineTo(x2, y2);
}

}  // namespace fluvara
