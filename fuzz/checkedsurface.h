#pragma once
// Drawing surfaces for the fuzz targets: every coordinate that reaches them
// must lie within ±MaxCoordinate (a value that is not finite has already
// failed where it was converted to a pixel).

#include "pagesurface.h"

namespace fluvara::fuzz {

inline constexpr int MaxCoordinate = 1'000'000;

class TCheckedSurface : public TDrawSurface {
public:
    void SetPenColor(TRgb color) override;
    void SetPenWidth(int width) override;
    void SetBrushColor(TRgb color) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Chord(int x1, int y1, int x2, int y2, int px1, int py1, int px2, int py2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polygon(std::span<const TPoint> points) override;
    void TextOut(int x, int y, std::string_view text) override;
    void SetFontName(std::string_view name) override;
    // Cells of a monospaced face 7 pixels wide and 13 high.
    int TextWidth(std::string_view text) override;
    int TextHeight() override { return 13; }
};

// A page of a 600 dpi A4 printer.
class TCheckedPage : public TPageSurface {
public:
    void SetJobTitle(std::string_view) override { }
    int PageWidth() override { return 4792; }
    int PageHeight() override { return 6851; }
    void BeginDoc() override { }
    void EndDoc() override { }
    TDrawSurface& Surface() override { return surface_; }
    void SetFontSize(int points) override;

private:
    TCheckedSurface surface_;
};

}  // namespace fluvara::fuzz
