#include "listreport.h"

#include <algorithm>
#include <numeric>

namespace fluvara {

namespace {

constexpr int LargestPoints = 8;
constexpr int SmallestPoints = 5;

struct TFrameLayout {
    int left = 0;
    int right = 0;
    int headerTop = 0;
    int headerRule = 0;
    int titleTop = 0;
    int tableTop = 0;
    int footerRule = 0;
    int footerTop = 0;
    int pad = 0;  // blank on either side of a cell
};

TFrameLayout FrameLayout(TPagedSurface& pages, int W, int H)
{
    TFrameLayout f;
    f.left = W * 3 / 100;
    f.right = W - f.left;
    f.pad = std::max(1, W / 400);
    f.headerTop = H * 3 / 100;
    pages.Surface().SetFontName("Courier New");
    pages.SetFontSize(10);
    const int headerHeight = pages.Surface().TextHeight();
    f.headerRule = f.headerTop + headerHeight + headerHeight / 4;
    f.titleTop = f.headerRule + headerHeight / 2;
    f.tableTop = f.titleTop + headerHeight * 2;
    f.footerTop = H - H * 2 / 100 - headerHeight;
    f.footerRule = f.footerTop - headerHeight / 4;
    return f;
}

void Rule(TDrawSurface& surface, int x1, int x2, int y)
{
    surface.MoveTo(x1, y);
    surface.LineTo(x2, y);
}

std::vector<int> MeasureColumns(TDrawSurface& surface, const TListTable& table)
{
    std::vector<int> widths(table.columns.size(), 0);
    const auto measure = [&](const std::vector<std::string>& row) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            if (!row[c].empty())
                widths[c] = std::max(widths[c], surface.TextWidth(row[c]));
    };
    measure(table.columns);
    for (const auto& row : table.rows)
        measure(row);
    return widths;
}

// Shrinks the widest columns until the table fits; their cells wrap.
void FitColumns(std::vector<int>& widths, int available)
{
    int total = std::accumulate(widths.begin(), widths.end(), 0);
    while (total > available) {
        auto widest = std::max_element(widths.begin(), widths.end());
        const int floor = available / static_cast<int>(widths.size());
        if (*widest <= floor)
            break;
        const int cut = std::min(total - available, *widest - floor);
        *widest -= std::max(1, std::min(cut, *widest / 4 + 1));
        total = std::accumulate(widths.begin(), widths.end(), 0);
    }
}

std::size_t RowLines(TDrawSurface& surface, const std::vector<std::string>& row, const std::vector<int>& inner)
{
    std::size_t lines = 1;
    for (std::size_t c = 0; c < row.size() && c < inner.size(); ++c)
        if (!row[c].empty() && surface.TextWidth(row[c]) > inner[c])
            lines = std::max(lines, WrapCell(surface, row[c], inner[c]).size());
    return lines;
}

void PrintRow(TDrawSurface& surface, const TListTable& table, const std::vector<std::string>& row,
              const std::vector<int>& widths, int left, int top, int pad, int lineHeight)
{
    int x = left;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const int inner = widths[c] - 2 * pad;
        const std::string& text = c < row.size() ? row[c] : std::string();
        int y = top;
        for (const std::string& line : WrapCell(surface, text, inner)) {
            const bool right = c < table.rightAligned.size() && table.rightAligned[c];
            const int width = surface.TextWidth(line);
            surface.TextOut(right ? x + widths[c] - pad - width : x + pad, y, line);
            y += lineHeight;
        }
        x += widths[c];
    }
}

}  // namespace

std::vector<std::string> WrapCell(TDrawSurface& surface, const std::string& text, int width)
{
    std::vector<std::string> lines;
    if (text.empty() || surface.TextWidth(text) <= width) {
        if (!text.empty())
            lines.push_back(text);
        return lines;
    }
    std::string line;
    std::size_t i = 0;
    while (i < text.size()) {
        // the next word with the blank before it
        std::size_t end = text.find(' ', i + 1);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(i, end - i);
        if (surface.TextWidth(line + word) <= width) {
            line += word;
            i = end;
            continue;
        }
        if (!line.empty()) {
            lines.push_back(line);
            line.clear();
            i = text.find_first_not_of(' ', i);
            if (i == std::string::npos)
                break;
            continue;
        }
        // A word longer than the column: cut it, never inside a UTF-8 sequence.
        std::size_t cut = i + 1;
        while (cut < end) {
            std::size_t next = cut + 1;
            while (next < end && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
                ++next;
            if (surface.TextWidth(text.substr(i, next - i)) > width)
                break;
            cut = next;
        }
        while (cut < end && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            ++cut;
        lines.push_back(text.substr(i, cut - i));
        i = cut;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

std::size_t PrintListReport(TPagedSurface& pages, const TListReportFrame& frame, const TListTable& table)
{
    const int W = pages.PageWidth();
    const int H = pages.PageHeight();
    TDrawSurface& surface = pages.Surface();
    const TFrameLayout f = FrameLayout(pages, W, H);
    const int available = f.right - f.left;

    // The largest font at which the widths the text asks for fit; the
    // widths scale with the font, so one measurement tells.
    surface.SetFontName("Arial");
    pages.SetFontSize(LargestPoints);
    std::vector<int> widths = MeasureColumns(surface, table);
    const int padding = 2 * f.pad * static_cast<int>(widths.size());
    const long long wanted = std::accumulate(widths.begin(), widths.end(), 0LL);
    int points = LargestPoints;
    while (points > SmallestPoints && wanted * points / LargestPoints + padding > available)
        --points;
    if (points != LargestPoints) {
        pages.SetFontSize(points);
        widths = MeasureColumns(surface, table);
    }
    std::vector<int> inner = widths;
    for (int& w : widths)
        w += 2 * f.pad;
    FitColumns(widths, available);
    for (std::size_t c = 0; c < widths.size(); ++c)
        inner[c] = widths[c] - 2 * f.pad;

    const int lineHeight = pages.Surface().TextHeight();
    const std::size_t headLines = RowLines(surface, table.columns, inner);
    const int bodyTop = f.tableTop + static_cast<int>(headLines) * lineHeight + lineHeight / 2;
    const int bodyLines = std::max(1, (f.footerRule - lineHeight / 2 - bodyTop) / lineHeight);

    std::vector<std::size_t> firstRow{0};
    std::vector<std::size_t> rowLines(table.rows.size());
    int used = 0;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        rowLines[r] = RowLines(surface, table.rows[r], inner);
        const int lines = static_cast<int>(rowLines[r]);
        if (used > 0 && used + lines > bodyLines) {
            firstRow.push_back(r);
            used = 0;
        }
        used += lines;
    }
    const std::size_t pageCount = firstRow.size();

    for (std::size_t p = 0; p < pageCount; ++p) {
        if (p > 0)
            pages.NewPage();
        surface.SetPenColor(Black);
        surface.SetPenWidth(std::max(1, W / 1500));
        surface.SetBrushColor(White);
        surface.SetFontName("Courier New");
        pages.SetFontSize(10);
        surface.TextOut(f.left, f.headerTop, frame.headerLine);
        Rule(surface, f.left, f.right, f.headerRule);
        surface.SetFontName("Arial");
        pages.SetFontSize(10);
        surface.TextOut(f.left, f.titleTop, frame.title);
        surface.TextOut(f.left, f.footerTop, frame.applicationTitle + "  " + DateText(frame.date));
        const std::string number = "Seite " + std::to_string(p + 1) + " von " + std::to_string(pageCount);
        surface.TextOut(f.right - surface.TextWidth(number), f.footerTop, number);
        Rule(surface, f.left, f.right, f.footerRule);

        pages.SetFontSize(points);
        PrintRow(surface, table, table.columns, widths, f.left, f.tableTop, f.pad, lineHeight);
        Rule(surface, f.left, f.right, bodyTop - lineHeight / 4);
        const std::size_t end = p + 1 < pageCount ? firstRow[p + 1] : table.rows.size();
        int y = bodyTop;
        for (std::size_t r = firstRow[p]; r < end; ++r) {
            PrintRow(surface, table, table.rows[r], widths, f.left, y, f.pad, lineHeight);
            y += static_cast<int>(rowLines[r]) * lineHeight;
        }
    }
    return pageCount;
}

}  // namespace fluvara
