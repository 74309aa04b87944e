#include "printframe.h"

#include "textformat.h"

#include <array>

namespace fluvara {

namespace {

constexpr std::size_t TitleStoreChars = 99;  // the longest title the footer prints

void SetFont(TPageSurface& page, std::string_view name, int points)
{
    page.Surface().SetFontName(name);
    page.SetFontSize(points);
}

void Box(TDrawSurface& surface, const TPageRect& r)
{
    const std::array<TPoint, 4> corners{{{r.left, r.top}, {r.left, r.bottom}, {r.right, r.bottom}, {r.right, r.top}}};
    surface.Polygon(corners);
}

}  // namespace

TPageLayout ComputePageLayout(TPrintoutKind kind, int W, int H)
{
    TPageLayout p;
    p.W = W;
    p.H = H;
    p.UY = H * 0.035;
    p.UX = W * 0.049;
    const bool circle = kind == TPrintoutKind::Circle;
    // the circular report leaves a wider margin on the left than on the right
    const double leftUnits = circle ? 3.5 : 2;
    const double rightUnits = circle ? 3 : 2;
    p.PageFrame = {T(leftUnits * p.UX), T(p.UY), T(W - rightUnits * p.UX), T(H - 0.5 * p.UY)};
    const int left = p.PageFrame.left;
    const int right = p.PageFrame.right;
    p.TitleBox = {left, T(3 * p.UY), right, T(4.5 * p.UY)};
    // the channel report prints more lines and moves its drawing down
    const double linesBottom = circle ? 14.5 : 15.5;
    p.LinesBox = {left, T(5.5 * p.UY), right, T(linesBottom * p.UY)};
    p.DrawingBox = {left, T((linesBottom + 1) * p.UY), right, T((linesBottom + 11) * p.UY)};
    p.LineStep = (p.LinesBox.bottom - p.LinesBox.top) / 21;
    return p;
}

std::string DateText(TCalendarDate date) { return Fmt("%2.2d.%2.2d.%4.4d", date.day, date.month, date.year); }

void PrintPageHeader(TPageSurface& page, const TPageLayout& layout, std::string_view headerLine)
{
    TDrawSurface& surface = page.Surface();
    const TPageRect& frame = layout.PageFrame;
    SetFont(page, "Arial", 10);
    surface.TextOut(T(frame.left + 0.5 * layout.UX), T(frame.top + 0.5 * layout.UY), headerLine);
    SetFont(page, "Courier New", 10);
    const int y = T(frame.top + layout.UY);
    Line(surface, frame.left, y, frame.right, y);
}

void PrintPageFooter(TPageSurface& page, const TPageLayout& layout, std::string_view applicationTitle,
                     TCalendarDate date)
{
    TDrawSurface& surface = page.Surface();
    const TPageRect& frame = layout.PageFrame;
    const int ruleY = T(frame.bottom - 0.7 * layout.UY);
    Line(surface, frame.left, ruleY, frame.right, ruleY);
    const int y = T(frame.bottom - 0.5 * layout.UY);
    surface.TextOut(T(frame.left + 0.5 * layout.UX), y, Utf8Left(Fmt("%s", applicationTitle), TitleStoreChars));
    surface.TextOut(T(frame.right - 3 * layout.UX), y, DateText(date));
}

bool PrintReport(TPageSurface& page, const TPrintRequest& request, const TPrintout& printout)
{
    // However the title dialog is closed, the printer dialog follows.
    const TPrintTitles titles = request.askTitles ? request.askTitles() : TPrintTitles{};
    if (!request.choosePrinter || !request.choosePrinter())
        return false;

    page.SetJobTitle("FLUVARA");
    const int H = page.PageHeight();
    const int W = page.PageWidth();
    const TPageLayout layout = ComputePageLayout(printout.kind, W, H);

    page.BeginDoc();
    TDrawSurface& surface = page.Surface();
    SetFont(page, "Courier New", 10);
    PrintPageHeader(page, layout, request.headerLine);

    surface.SetPenColor(Black);
    surface.SetBrushColor(White);
    for (const TPageRect& box : {layout.TitleBox, layout.LinesBox, layout.DrawingBox})
        Box(surface, box);

    const int textX = layout.TitleBox.left + 100;
    const double titleY = layout.TitleBox.top + 0.015 * H;
    surface.TextOut(textX, T(titleY), titles.line1);
    surface.TextOut(textX, T(titleY + layout.LineStep), titles.line2);
    const double rowY = layout.LinesBox.top + 0.015 * H;
    for (std::size_t k = 0; k < printout.rows.size(); ++k)
        surface.TextOut(layout.LinesBox.left + 100, T(rowY + static_cast<int>(k) * layout.LineStep), printout.rows[k]);

    const TPageRect& frame = layout.PageFrame;
    const int pageNumberX = frame.left + (frame.right - frame.left) / 2 - 100;
    const int pageNumberY =
        printout.kind == TPrintoutKind::Circle ? frame.bottom - 60 : T(frame.bottom - 0.5 * layout.UY);
    surface.TextOut(pageNumberX, pageNumberY, titles.pageNumber);

    if (printout.drawing)
        printout.drawing(surface, layout);

    PrintPageFooter(page, layout, request.applicationTitle, request.today ? request.today() : TCalendarDate{});
    page.EndDoc();
    return true;
}

}  // namespace fluvara
