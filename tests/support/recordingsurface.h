#pragma once
// A drawing surface for tests: remembers every call with its arguments and
// the pen, brush and font in effect, and keeps that state like a real surface.

#include "drawsurface.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace fluvara::test {

struct TSurfaceCall {
    std::string name;       // the operation, e.g. "Ellipse"
    std::vector<int> args;  // its numbers in call order; colours as r, g, b; points as x, y, x, y, ...
    std::string text;       // TextOut and SetFontName: the text
    // State when the call was made (for the setters: after it).
    TRgb pen;
    int penWidth = 1;
    TRgb brush;
    std::string fontName;
    TPoint from;  // LineTo: the current point the line starts at

    // Readable form: "Ellipse(542,247,722,409)", "TextOut(552,198,\" Bezeichnungen \")",
    // "Polygon(522,256;526,267;518,267)".
    std::string ToString() const;
};

class TRecordingSurface : public TDrawSurface {
public:
    // The window's start state: black pen 1 wide, white brush, "MS Sans Serif".
    // Texts measure charWidth pixels per character and charHeight pixels high;
    // measuring is not drawing and is not recorded.
    explicit TRecordingSurface(std::string fontName = "MS Sans Serif", int charWidth = 6, int charHeight = 13);

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
    int TextWidth(std::string_view text) override;
    int TextHeight() override { return charHeight_; }

    const std::vector<TSurfaceCall>& Calls() const { return calls_; }
    // Every call in readable form.
    std::vector<std::string> Log() const;
    // Only the calls of the given operations, in readable form.
    std::vector<std::string> Log(std::initializer_list<std::string_view> names) const;
    // The calls of one operation.
    std::vector<TSurfaceCall> Find(std::string_view name) const;
    // The first TextOut call that wrote exactly this text, or null.
    const TSurfaceCall* FindText(std::string_view text) const;
    // The drawing calls with a point outside left..right, top..bottom (bounds
    // included), in readable form; state calls carry no points and are skipped.
    std::vector<std::string> CallsOutside(int left, int top, int right, int bottom) const;
    // The cells of the texts drawn, in drawing order, as the surface measures them.
    struct TTextCell {
        std::string text;
        int left, top, right, bottom;  // right and bottom excluded
    };
    std::vector<TTextCell> TextCells() const;
    // Texts whose cells overlap another text's cell or reach outside the area
    // (right and bottom excluded), in readable form; empty when none does.
    std::vector<std::string> TextCollisions(int left, int top, int right, int bottom) const;
    // Forgets the calls; the state stays, as on a real surface between drawings.
    void ClearCalls() { calls_.clear(); }

    TRgb Pen() const { return pen_; }
    int PenWidth() const { return penWidth_; }
    TRgb Brush() const { return brush_; }
    const std::string& FontName() const { return fontName_; }
    TPoint CurrentPoint() const { return current_; }

private:
    TSurfaceCall& Record(std::string name, std::vector<int> args, std::string text = {});

    std::vector<TSurfaceCall> calls_;
    TRgb pen_ = Black;
    int penWidth_ = 1;
    TRgb brush_ = White;
    std::string fontName_;
    int charWidth_;
    int charHeight_;
    TPoint current_;
};

}  // namespace fluvara::test
