#include "printframe.h"
#include "recordingpage.h"
#include "testlines.h"

#include "textformat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fluvara {
namespace {

constexpr TCalendarDate FirstFebruary2014{1, 2, 2014};

struct TJob {
    TPrintTitles titles{"Kanal Nord", "Haltung 12 - 13", "7"};
    bool printerConfirmed = true;
    std::vector<std::string> events;  // the dialogs and the date, in the order asked

    TPrintRequest Request()
    {
        TPrintRequest request;
        request.askTitles = [this] {
            events.push_back("titles");
            return titles;
        };
        request.choosePrinter = [this] {
            events.push_back("printer");
            return printerConfirmed;
        };
        request.today = [this] {
            events.push_back("date");
            return FirstFebruary2014;
        };
        request.headerLine = "Ingenieurbüro Muster";
        request.applicationTitle = " FLUVARA ";
        return request;
    }
};

// Rows "Zeile 0" ... and a drawing that leaves one mark, to see where it is made.
TPrintout Printout(TPrintoutKind kind, int rows)
{
    TPrintout printout;
    printout.kind = kind;
    for (int i = 0; i < rows; ++i)
        printout.rows.push_back(Fmt("Zeile %d", i));
    printout.drawing = [](TDrawSurface& surface, const TPageLayout& layout) {
        surface.TextOut(layout.DrawingBox.left, layout.DrawingBox.top, "Zeichnung");
    };
    return printout;
}

std::vector<std::string> Rows(int x, int y0, int step, int count)
{
    std::vector<std::string> rows;
    for (int k = 0; k < count; ++k)
        rows.push_back(Fmt("TextOut(%d,%d,\"Zeile %d\")", x, y0 + k * step, k));
    return rows;
}

TEST(PageLayout, UnitsAndRectangles)
{
    // clang-format off
    const struct {
        const char* name;
        TPrintoutKind kind;
        int W, H;
        TPageRect frame, titles, lines, drawing;
        int lineStep;
    } cases[] = {
        {"circular", TPrintoutKind::Circle, 4800, 6800, {823, 238, 4094, 6681}, {823, 714, 4094, 1071},
         {823, 1309, 4094, 3451}, {823, 3689, 4094, 6069}, 102},
        {"channel", TPrintoutKind::Channel, 4800, 6800, {470, 238, 4329, 6681}, {470, 714, 4329, 1071},
         {470, 1309, 4329, 3689}, {470, 3927, 4329, 6307}, 113},
        // A4 at 600 dpi with margins of about 1 cm: every position truncated
        {"circular A4", TPrintoutKind::Circle, 4724, 6780, {810, 237, 4029, 6661}, {810, 711, 4029, 1067},
         {810, 1305, 4029, 3440}, {810, 3678, 4029, 6051}, 101},
    };
    // clang-format on
    for (const auto& c : cases) {
        const TPageLayout layout = ComputePageLayout(c.kind, c.W, c.H);
        EXPECT_EQ(layout.PageFrame, c.frame) << c.name;
        EXPECT_EQ(layout.TitleBox, c.titles) << c.name;
        EXPECT_EQ(layout.LinesBox, c.lines) << c.name;
        EXPECT_EQ(layout.DrawingBox, c.drawing) << c.name;
        EXPECT_EQ(layout.LineStep, c.lineStep) << c.name;
    }
    const TPageLayout layout = ComputePageLayout(TPrintoutKind::Circle, 4800, 6800);
    EXPECT_DOUBLE_EQ(layout.UY, 238);
    EXPECT_DOUBLE_EQ(layout.UX, 235.2);
}

TEST(PrintReport, CircularPageFrame)
{
    TJob job;
    test::TRecordingPage page(4800, 6800);
    ASSERT_TRUE(PrintReport(page, job.Request(), Printout(TPrintoutKind::Circle, 17)));
    const std::vector<std::string> expected = test::Join({
        {"SetJobTitle(\"FLUVARA\")", "PageHeight", "PageWidth", "BeginDoc", "SetFontName(\"Courier New\")",
         "SetFontSize(10)",
         // header line and its rule
         "SetFontName(\"Arial\")", "SetFontSize(10)", "TextOut(940,357,\"Ingenieurbüro Muster\")",
         "SetFontName(\"Courier New\")", "SetFontSize(10)", "MoveTo(823,476)", "LineTo(4094,476)",
         // the three boxes, black on white
         "SetPenColor(0,0,0)", "SetBrushColor(255,255,255)", "Polygon(823,714;823,1071;4094,1071;4094,714)",
         "Polygon(823,1309;823,3451;4094,3451;4094,1309)", "Polygon(823,3689;823,6069;4094,6069;4094,3689)",
         "TextOut(923,816,\"Kanal Nord\")", "TextOut(923,918,\"Haltung 12 - 13\")"},
        Rows(923, 1411, 102, 17),
        {"TextOut(2358,6621,\"7\")", "TextOut(823,3689,\"Zeichnung\")",
         // footer
         "MoveTo(823,6514)", "LineTo(4094,6514)", "TextOut(940,6562,\" FLUVARA \")",
         "TextOut(3388,6562,\"01.02.2014\")", "EndDoc"},
    });
    EXPECT_EQ(page.Log(), expected);
    EXPECT_EQ(job.events, (std::vector<std::string>{"titles", "printer", "date"}));
}

TEST(PrintReport, ChannelPageFrame)
{
    TJob job;
    test::TRecordingPage page(4800, 6800);
    ASSERT_TRUE(PrintReport(page, job.Request(), Printout(TPrintoutKind::Channel, 20)));
    const std::vector<std::string> expected = test::Join({
        {"TextOut(587,357,\"Ingenieurbüro Muster\")", "MoveTo(470,476)", "LineTo(4329,476)",
         "Polygon(470,714;470,1071;4329,1071;4329,714)", "Polygon(470,1309;470,3689;4329,3689;4329,1309)",
         "Polygon(470,3927;470,6307;4329,6307;4329,3927)", "TextOut(570,816,\"Kanal Nord\")",
         "TextOut(570,929,\"Haltung 12 - 13\")"},
        Rows(570, 1411, 113, 20),
        {"TextOut(2299,6562,\"7\")", "TextOut(470,3927,\"Zeichnung\")", "MoveTo(470,6514)", "LineTo(4329,6514)",
         "TextOut(587,6562,\" FLUVARA \")", "TextOut(3623,6562,\"01.02.2014\")"},
    });
    EXPECT_EQ(page.Drawing().Log({"TextOut", "MoveTo", "LineTo", "Polygon"}), expected);
}

TEST(PrintReport, CancelledPrinterDialogPrintsNothing)
{
    TJob job;
    job.printerConfirmed = false;
    test::TRecordingPage page(4800, 6800);
    EXPECT_FALSE(PrintReport(page, job.Request(), Printout(TPrintoutKind::Circle, 17)));
    EXPECT_TRUE(page.Log().empty());
    EXPECT_EQ(job.events, (std::vector<std::string>{"titles", "printer"}));
}

TEST(PrintReport, EmptyTitlesAndPageNumberPrintEmptyTextsInTheirPlaces)
{
    TJob job;
    job.titles = {};
    test::TRecordingPage page(4800, 6800);
    ASSERT_TRUE(PrintReport(page, job.Request(), Printout(TPrintoutKind::Circle, 0)));
    EXPECT_EQ(page.Drawing().Log({"TextOut", "Polygon"}),
              (std::vector<std::string>{
                  "TextOut(940,357,\"Ingenieurbüro Muster\")", "Polygon(823,714;823,1071;4094,1071;4094,714)",
                  "Polygon(823,1309;823,3451;4094,3451;4094,1309)", "Polygon(823,3689;823,6069;4094,6069;4094,3689)",
                  "TextOut(923,816,\"\")", "TextOut(923,918,\"\")", "TextOut(2358,6621,\"\")",
                  "TextOut(823,3689,\"Zeichnung\")", "TextOut(940,6562,\" FLUVARA \")",
                  "TextOut(3388,6562,\"01.02.2014\")"}));
}

TEST(PrintReport, DateHasTwoDigitDayAndMonthAndFourDigitYear)
{
    const struct {
        TCalendarDate date;
        const char* text;
    } cases[] = {
        {{1, 2, 2014}, "01.02.2014"},
        {{5, 3, 2014}, "05.03.2014"},
        {{31, 12, 2099}, "31.12.2099"},
        {{9, 10, 999}, "09.10.0999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateText(c.date), c.text);
}

}  // namespace
}  // namespace fluvara
