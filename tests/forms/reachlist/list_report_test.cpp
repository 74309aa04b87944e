#include "listreport.h"

#include <gtest/gtest.h>

#include <map>

using namespace fluvara;

namespace {

// Pages of texts; every letter 10 pixels wide at 10 points, lines 12 pixels per 10 points.
class TTextPages : public TPagedSurface, public TDrawSurface {
public:
    std::vector<std::vector<std::string>> pages{{}};
    int points = 10;

    int PageWidth() override { return 2970; }
    int PageHeight() override { return 2100; }
    TDrawSurface& Surface() override { return *this; }
    void SetFontSize(int p) override { points = p; }
    void NewPage() override { pages.emplace_back(); }

    void SetPenColor(TRgb) override { }
    void SetPenWidth(int) override { }
    void SetBrushColor(TRgb) override { }
    void FillRect(int, int, int, int) override { }
    void Ellipse(int, int, int, int) override { }
    void Chord(int, int, int, int, int, int, int, int) override { }
    void MoveTo(int, int) override { }
    void LineTo(int, int) override { }
    void Polygon(std::span<const TPoint>) override { }
    void TextOut(int x, int y, std::string_view text) override
    {
        EXPECT_GE(x, 0);
        EXPECT_LE(x + TextWidth(text), PageWidth());
        EXPECT_LE(y + TextHeight(), PageHeight());
        pages.back().emplace_back(text);
    }
    void SetFontName(std::string_view) override { }
    int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * points; }
    int TextHeight() override { return 12 * points; }
};

TListTable Table(int rows)
{
    TListTable table;
    table.columns = {"Haltung", "d", "Qv", "Status"};
    table.rightAligned = {false, true, true, false};
    for (int i = 0; i < rows; ++i)
        table.rows.push_back({"R" + std::to_string(1000 + i), "300", "69.12", "berechnet"});
    return table;
}

std::size_t Count(const std::vector<std::string>& texts, const std::string& text)
{
    return static_cast<std::size_t>(std::count(texts.begin(), texts.end(), text));
}

}  // namespace

TEST(ListReport, EveryRowOnceHeadersOnEveryPageAndPageNumbers)
{
    TTextPages pages;
    const TListReportFrame frame{"Ingenieurbüro Muster", "Haltungsliste Kreisprofile", "FLUVARA", {5, 3, 2026}};
    const TListTable table = Table(400);
    const std::size_t count = PrintListReport(pages, frame, table);
    ASSERT_GT(count, 2u);
    ASSERT_EQ(pages.pages.size(), count);
    std::map<std::string, int> seen;
    for (std::size_t p = 0; p < count; ++p) {
        const auto& texts = pages.pages[p];
        EXPECT_EQ(Count(texts, "Ingenieurbüro Muster"), 1u);
        EXPECT_EQ(Count(texts, "Haltung"), 1u);
        EXPECT_EQ(Count(texts, "Status"), 1u);
        EXPECT_EQ(Count(texts, "FLUVARA  05.03.2026"), 1u);
        EXPECT_EQ(Count(texts, "Seite " + std::to_string(p + 1) + " von " + std::to_string(count)), 1u);
        for (const std::string& text : texts)
            if (text.size() == 5 && text[0] == 'R')
                ++seen[text];
    }
    ASSERT_EQ(seen.size(), table.rows.size());
    for (const auto& [name, times] : seen)
        EXPECT_EQ(times, 1) << name;
}

TEST(ListReport, AnEmptyListIsOnePageWithItsHeaders)
{
    TTextPages pages;
    EXPECT_EQ(PrintListReport(pages, {"", "Liste", "FLUVARA", {1, 1, 2026}}, Table(0)), 1u);
    EXPECT_EQ(Count(pages.pages[0], "Seite 1 von 1"), 1u);
}

TEST(ListReport, ALongMessageWrapsInsideItsColumn)
{
    TTextPages pages;
    TListTable table = Table(3);
    const std::string message(150, 'x');
    table.rows[1][3] = "Bitte einen Wert eingeben: " + message + " und so weiter";
    PrintListReport(pages, {"", "Liste", "FLUVARA", {1, 1, 2026}}, table);
    // TextOut checks that every piece stays on the page; no letter is lost
    std::size_t xs = 0;
    for (const std::string& text : pages.pages[0])
        xs += static_cast<std::size_t>(std::count(text.begin(), text.end(), 'x'));
    EXPECT_EQ(xs, message.size());
    EXPECT_EQ(Count(pages.pages[0], "R1002"), 1u);
}

TEST(ListReport, WrapCutsAtBlanksAndNeverInsideALetter)
{
    TTextPages pages;
    pages.points = 1;  // one pixel per byte
    EXPECT_EQ(WrapCell(pages, "ab cd ef", 5), (std::vector<std::string>{"ab cd", "ef"}));
    EXPECT_EQ(WrapCell(pages, "abcdefgh", 3), (std::vector<std::string>{"abc", "def", "gh"}));
    EXPECT_EQ(WrapCell(pages, "äöü", 3), (std::vector<std::string>{"ä", "ö", "ü"}));  // two bytes each
    EXPECT_EQ(WrapCell(pages, "", 3), std::vector<std::string>{});
}
