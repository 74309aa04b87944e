// The workbook as a spreadsheet reads it: numbers with the point whatever
// the locale, widths likewise.

#include "listrun.h"
#include "reachlist.h"
#include "workbook.h"

#include "tempfolder.h"

#include <clocale>
#include <regex>
#include <sstream>

namespace fluvara {
namespace {

namespace fs = std::filesystem;

// The C library's locale set to German for the test, restored afterwards.
class GermanLocaleWorkbook : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        old_ = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the de_DE.UTF-8 locale is missing";
        // Proves the test runs where printf writes a comma.
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", 1.5);
        ASSERT_STREQ(text, "1,5");
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, old_.c_str());
        TempFolderTest::TearDown();
    }
    // Every number and width of the sheet's XML has a point, none a comma.
    static void ExpectPoints(const std::string& xml)
    {
        ASSERT_FALSE(xml.empty());
        EXPECT_NE(xml.find("<v>1.5</v>"), std::string::npos) << xml;
        EXPECT_NE(xml.find("<v>69.12</v>"), std::string::npos) << xml;
        EXPECT_FALSE(std::regex_search(xml, std::regex("<v>[^<]*,"))) << xml;
        EXPECT_FALSE(std::regex_search(xml, std::regex("width=\"[^\"]*,"))) << xml;
        EXPECT_TRUE(std::regex_search(xml, std::regex("width=\"[0-9]+\\.[0-9]+\""))) << xml;
    }

private:
    std::string old_;
};

const char* const List = "Haltung;d;kb;Is;Q\r\nH1;300;1,5;5;40\r\nH2;300;1,5;5;70\r\n";

TEST_F(GermanLocaleWorkbook, ListWrittenWholeHasPoints)
{
    std::istringstream in(List);
    const TReachList list = ReadCsvList(in);
    const auto outcomes = CalculateList(list, {}, 1);
    const TWorkbookSheet sheets[] = {{&list, &outcomes}};
    WriteWorkbook(folder / "netz.xlsx", sheets);
    ExpectPoints(ZipEntry(folder / "netz.xlsx", "xl/worksheets/sheet1.xml"));
}

TEST_F(GermanLocaleWorkbook, ListStreamedRowByRowHasPoints)
{
    std::istringstream in(List);
    RunCsvListToWorkbook(in, folder / "netz.xlsx", TRunOptions{});
    ExpectPoints(ZipEntry(folder / "netz.xlsx", "xl/worksheets/sheet1.xml"));
}

std::size_t OpenFiles()
{
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

TEST_F(GermanLocaleWorkbook, AnAbandonedWorkbookIsNotPackedAndLeavesNothingOpen)
{
    std::istringstream in(List);
    const TReachList list = ReadCsvList(in);
    const auto outcomes = CalculateList(list, {}, 1);
    const std::size_t before = OpenFiles();
    {
        TWorkbookWriter writer(folder / "netz.xlsx");
        writer.BeginSheet(list.layout);
        writer.AppendRow(list.rows[0], outcomes[0]);
        // no Commit: an error or a cancel on the way
    }
    EXPECT_EQ(OpenFiles(), before);
    EXPECT_EQ(Files(), std::vector<std::string>{});
}

}  // namespace
}  // namespace fluvara
