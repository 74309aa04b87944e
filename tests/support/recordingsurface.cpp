#include "recordingsurface.h"

#include "textformat.h"

#include <algorithm>
#include <utility>

namespace fluvara::test {

std::string TSurfaceCall::ToString() const
{
    std::string out = name + "(";
    const bool points = name == "Polygon";
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i > 0)
            out += points && i % 2 == 0 ? ";" : ",";
        out += Fmt("%d", args[i]);
    }
    if (!text.empty() || name == "TextOut" || name == "SetFontName") {
        if (!args.empty())
            out += ",";
        out += "\"" + text + "\"";
    }
    return out + ")";
}

TRecordingSurface::TRecordingSurface(std::string fontName, int charWidth, int charHeight)
    : fontName_(std::move(fontName)), charWidth_(charWidth), charHeight_(charHeight)
{ }

TSurfaceCall& TRecordingSurface::Record(std::string name, std::vector<int> args, std::string text)
{
    TSurfaceCall call;
    call.name = std::move(name);
    call.args = std::move(args);
    call.text = std::move(text);
    call.pen = pen_;
    call.penWidth = penWidth_;
    call.brush = brush_;
    call.fontName = fontName_;
    call.from = current_;
    calls_.push_back(std::move(call));
    return calls_.back();
}

void TRecordingSurface::SetPenColor(TRgb color)
{
    pen_ = color;
    Record("SetPenColor", {color.r, color.g, color.b});
}

void TRecordingSurface::SetPenWidth(int width)
{
    penWidth_ = width;
    Record("SetPenWidth", {width});
}

void TRecordingSurface::SetBrushColor(TRgb color)
{
    brush_ = color;
    Record("SetBrushColor", {color.r, color.g, color.b});
}

void TRecordingSurface::FillRect(int x1, int y1, int x2, int y2) { Record("FillRect", {x1, y1, x2, y2}); }

void TRecordingSurface::Ellipse(int x1, int y1, int x2, int y2) { Record("Ellipse", {x1, y1, x2, y2}); }

void TRecordingSurface::Chord(int x1, int y1, int x2, int y2, int px1, int py1, int px2, int py2)
{
    Record("Chord", {x1, y1, x2, y2, px1, py1, px2, py2});
}

void TRecordingSurface::MoveTo(int x, int y)
{
    Record("MoveTo", {x, y});
    current_ = TPoint{x, y};
}

void TRecordingSurface::LineTo(int x, int y)
{
    Record("LineTo", {x, y});
    current_ = TPoint{x, y};
}

void TRecordingSurface::Polygon(std::span<const TPoint> points)
{
    std::vector<int> args;
    for (const TPoint& p : points) {
        args.push_back(p.x);
        args.push_back(p.y);
    }
    Record("Polygon", std::move(args));
}

void TRecordingSurface::TextOut(int x, int y, std::string_view text) { Record("TextOut", {x, y}, std::string(text)); }

void TRecordingSurface::SetFontName(std::string_view name)
{
    fontName_ = std::string(name);
    Record("SetFontName", {}, std::string(name));
}

int TRecordingSurface::TextWidth(std::string_view text) { return static_cast<int>(Utf8Length(text)) * charWidth_; }

std::vector<TRecordingSurface::TTextCell> TRecordingSurface::TextCells() const
{
    std::vector<TTextCell> cells;
    for (const TSurfaceCall& call : calls_)
        if (call.name == "TextOut")
            cells.push_back({call.text, call.args[0], call.args[1],
                             call.args[0] + static_cast<int>(Utf8Length(call.text)) * charWidth_,
                             call.args[1] + charHeight_});
    return cells;
}

std::vector<std::string> TRecordingSurface::TextCollisions(int left, int top, int right, int bottom) const
{
    const std::vector<TTextCell> cells = TextCells();
    const auto show = [](const TTextCell& c) { return Fmt("\"%s\" at %d,%d", c.text, c.left, c.top); };
    std::vector<std::string> faults;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const TTextCell& a = cells[i];
        if (a.left < left || a.top < top || a.right > right || a.bottom > bottom)
            faults.push_back(show(a) + " leaves the area");
        for (std::size_t j = i + 1; j < cells.size(); ++j) {
            const TTextCell& b = cells[j];
            if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
                faults.push_back(show(a) + " overlaps " + show(b));
        }
    }
    return faults;
}

std::vector<std::string> TRecordingSurface::CallsOutside(int left, int top, int right, int bottom) const
{
    std::vector<std::string> outside;
    for (const TSurfaceCall& call : calls_) {
        if (call.name.rfind("Set", 0) == 0)
            continue;
        for (std::size_t i = 0; i < call.args.size(); ++i) {
            const int v = call.args[i];
            const bool inside = i % 2 == 0 ? v >= left && v <= right : v >= top && v <= bottom;
            if (!inside) {
                outside.push_back(call.ToString());
                break;
            }
        }
    }
    return outside;
}

std::vector<std::string> TRecordingSurface::Log() const
{
    std::vector<std::string> out;
    for (const TSurfaceCall& call : calls_)
        out.push_back(call.ToString());
    return out;
}

std::vector<std::string> TRecordingSurface::Log(std::initializer_list<std::string_view> names) const
{
    std::vector<std::string> out;
    for (const TSurfaceCall& call : calls_)
        if (std::find(names.begin(), names.end(), call.name) != names.end())
            out.push_back(call.ToString());
    return out;
}

std::vector<TSurfaceCall> TRecordingSurface::Find(std::string_view name) const
{
    std::vector<TSurfaceCall> out;
    for (const TSurfaceCall& call : calls_)
        if (call.name == name)
            out.push_back(call);
    return out;
}

const TSurfaceCall* TRecordingSurface::FindText(std::string_view text) const
{
    for (const TSurfaceCall& call : calls_)
        if (call.name == "TextOut" && call.text == text)
            return &call;
    return nullptr;
}

}  // namespace fluvara::test
