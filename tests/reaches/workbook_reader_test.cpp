// Workbooks read as lists: an Excel workbook written here with the writer
// library and OpenDocument files as Calc writes them (data/make_ods.py)
// give the same rows as the CSV file of the same sheet, under a German
// locale as under any other.

#include "reachlist.h"
#include "workbookreader.h"

#include "tempfolder.h"

#include <xlsxwriter.h>

#include <clocale>
#include <sstream>
#include <variant>

namespace fluvara {
namespace {

namespace fs = std::filesystem;

// A cell as typed in a spreadsheet: a number, a text, a truth value, a
// formula with its result, a percentage or a time of day.
struct TNumber {
    double value;
};
struct TText {
    const char* text;
};
struct TTruth {
    bool value;
};
struct TFormula {
    const char* formula;
    double result;
};
struct TPercent {
    double value;
};
struct TTime {
    double days;
};
using TCell = std::variant<std::monostate, TNumber, TText, TTruth, TFormula, TPercent, TTime>;
using TSheet = std::vector<std::vector<TCell>>;

// The same cells as kreisprofile.ods.
const TSheet CircleCells{
    {TText{"Haltung"}, TText{"d"}, TText{"kb"}, TText{"Is"}, TText{"Q"}, TText{"95%-Wert"}, TText{"Bemerkung"}},
    {TText{"H01"}, TNumber{300}, TNumber{1.5}, TNumber{5}, TNumber{40}, {}, TText{"Anschluss  Nord"}},
    {TText{"H02"}, TNumber{400}, TNumber{0.75}, TNumber{2.125}, TNumber{80}, TTruth{true}},
    {TText{"H03"}, TNumber{250}, TNumber{1.5}, TNumber{12.5}, TFormula{"=20*2", 40}, TTruth{false}},
    {},
    {TText{"H05"}, TNumber{1000}, TNumber{1.5}, TNumber{1.125}, TNumber{1500}, TText{"ja"}, TText{"a;b"}},
};

// The sheet as Calc saves it as CSV with German settings.
const char* const CircleCsv = "Haltung;d;kb;Is;Q;95%-Wert;Bemerkung\n"
                              "H01;300;1,5;5;40;;Anschluss  Nord\n"
                              "H02;400;0,75;2,125;80;WAHR;\n"
                              "H03;250;1,5;12,5;40;FALSCH;\n"
                              ";;;;;;\n"
                              "H05;1000;1,5;1,125;1500;ja;\"a;b\"\n";

// The same sheets as projekt.ods.
const TSheet Notes{{TText{"Kanalnetz Nord"}}};
const TSheet CirclesWithPercentHeader{
    {TText{"Haltung"}, TText{"d"}, TText{"kb"}, TText{"Is"}, TText{"Q"}, TPercent{0.95}},
    {TText{"H05"}, TNumber{1000}, TNumber{1.5}, TNumber{1.125}, TNumber{1500}, TText{"ja"}},
};
const TSheet ChannelsWithTime{
    {TText{"Gerinne"}, TText{"Q"}, TText{"Is"}, TText{"kst Sohle"}, TText{"kst links"}, TText{"kst rechts"}, TText{"b"},
     TText{"hp"}, TText{"Ufer links"}, TText{"Ufer rechts"}},
    {TText{"G1"}, TNumber{1500}, TNumber{2}, TNumber{35}, TNumber{30}, TNumber{30}, TNumber{100}, TNumber{120},
     TText{"1:1,5"}, TNumber{45}},
    {TText{"G2"}, TNumber{1500}, TNumber{2}, TNumber{35}, TNumber{30}, TNumber{30}, TNumber{100}, TNumber{120},
     TTime{(3600 + 60 + 30) / 86400.0}, TNumber{45}},
};

void WriteXlsx(const fs::path& path, const std::vector<std::pair<const char*, const TSheet*>>& sheets)
{
    lxw_workbook* book = workbook_new(path.c_str());
    ASSERT_NE(book, nullptr);
    lxw_format* percent = workbook_add_format(book);
    format_set_num_format(percent, "0.00%");
    lxw_format* time = workbook_add_format(book);
    format_set_num_format(time, "HH:MM:SS");
    for (const auto& [name, cells] : sheets) {
        lxw_worksheet* sheet = workbook_add_worksheet(book, name);
        for (std::size_t r = 0; r < cells->size(); ++r)
            for (std::size_t c = 0; c < (*cells)[r].size(); ++c) {
                const auto row = static_cast<lxw_row_t>(r);
                const auto col = static_cast<lxw_col_t>(c);
                const TCell& cell = (*cells)[r][c];
                if (const auto* n = std::get_if<TNumber>(&cell))
                    worksheet_write_number(sheet, row, col, n->value, nullptr);
                else if (const auto* t = std::get_if<TText>(&cell))
                    worksheet_write_string(sheet, row, col, t->text, nullptr);
                else if (const auto* b = std::get_if<TTruth>(&cell))
                    worksheet_write_boolean(sheet, row, col, b->value, nullptr);
                else if (const auto* f = std::get_if<TFormula>(&cell))
                    worksheet_write_formula_num(sheet, row, col, f->formula, nullptr, f->result);
                else if (const auto* p = std::get_if<TPercent>(&cell))
                    worksheet_write_number(sheet, row, col, p->value, percent);
                else if (const auto* d = std::get_if<TTime>(&cell))
                    worksheet_write_number(sheet, row, col, d->days, time);
            }
    }
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
}

fs::path Fixture(const char* name) { return fs::path(FLUVARA_TEST_DATA) / name; }

// The C library's locale is German for every test: the readers must not follow it.
class WorkbookReader : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        // Written before the locale changes: the writer library would write "0,95" into the XML.
        WriteXlsx(folder / "kreisprofile.xlsx", {{"Tabelle1", &CircleCells}});
        WriteXlsx(folder / "projekt.xlsx",
                  {{"Notizen", &Notes}, {"Kreisprofile", &CirclesWithPercentHeader}, {"Gerinne", &ChannelsWithTime}});
        old_ = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the de_DE.UTF-8 locale is missing";
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, old_.c_str());
        TempFolderTest::TearDown();
    }
    fs::path Book(const std::string& name, TWorkbookFormat format) const
    {
        return format == TWorkbookFormat::Xlsx ? folder / (name + ".xlsx") : Fixture((name + ".ods").c_str());
    }

private:
    std::string old_;
};

class EachFormat : public WorkbookReader, public ::testing::WithParamInterface<TWorkbookFormat> { };

TEST_P(EachFormat, SheetGivesTheRowsOfItsCsv)
{
    const std::vector<TReachList> lists = ReadWorkbookLists(Book("kreisprofile", GetParam()), GetParam());
    ASSERT_EQ(lists.size(), 1u);
    const TReachList& book = lists.front();
    std::istringstream in(CircleCsv);
    const TReachList csv = ReadCsvList(in);

    EXPECT_EQ(book.layout.columns, csv.layout.columns);
    EXPECT_EQ(book.layout.fieldColumn, csv.layout.fieldColumn);
    EXPECT_TRUE(book.layout.warnings.empty());
    ASSERT_EQ(book.rows.size(), 4u);
    // Numbers as numbers: 1.125 and 2.125 are no thousands, blanks and ';' stay in the texts.
    EXPECT_EQ(book.rows[0], (std::vector<std::string>{"H01", "300", "1.5", "5", "40", "", "Anschluss  Nord"}));
    EXPECT_EQ(book.rows[1], (std::vector<std::string>{"H02", "400", "0.75", "2,125", "80", "WAHR", ""}));
    EXPECT_EQ(book.rows[2], (std::vector<std::string>{"H03", "250", "1.5", "12.5", "40", "FALSCH", ""}));
    EXPECT_EQ(book.rows[3], (std::vector<std::string>{"H05", "1000", "1.5", "1,125", "1500", "ja", "a;b"}));
    const auto bookOutcomes = CalculateList(book, {}, 1);
    const auto csvOutcomes = CalculateList(csv, {}, 1);
    ASSERT_EQ(bookOutcomes.size(), csvOutcomes.size());
    for (std::size_t i = 0; i < bookOutcomes.size(); ++i) {
        EXPECT_EQ(bookOutcomes[i].results, csvOutcomes[i].results) << "row " << i;
        EXPECT_EQ(bookOutcomes[i].status, csvOutcomes[i].status) << "row " << i;
    }
    EXPECT_EQ(bookOutcomes[0].status, "berechnet");
}

TEST_P(EachFormat, SheetsNamedAfterTheListsAreRead)
{
    const std::vector<TReachList> lists = ReadWorkbookLists(Book("projekt", GetParam()), GetParam());
    ASSERT_EQ(lists.size(), 2u);
    const TReachList& circles = lists[0];
    const TReachList& channels = lists[1];
    ASSERT_EQ(circles.Kind(), TReachKind::Circle);
    ASSERT_EQ(channels.Kind(), TReachKind::Channel);
    // The percentage that Calc made of the header "95%" is the 95%-Wert again.
    EXPECT_EQ(circles.layout.columns.back(), "95%-Wert");
    EXPECT_GE(circles.layout.fieldColumn[CircleReduce95], 0);
    EXPECT_EQ(circles.rows.at(0)[5], "ja");
    ASSERT_EQ(channels.rows.size(), 2u);
    EXPECT_EQ(channels.rows[0][ChannelBankLeft], "1:1,5");
    EXPECT_EQ(channels.rows[1][ChannelBankLeft], "01:01:30");
    const auto outcomes = CalculateList(channels, {}, 1);
    EXPECT_FALSE(outcomes[0].refused) << outcomes[0].status;
    ASSERT_TRUE(outcomes[1].refused);
    EXPECT_NE(outcomes[1].status.find("Uhrzeit"), std::string::npos) << outcomes[1].status;
    EXPECT_NE(outcomes[1].status.find("1:1,5"), std::string::npos) << outcomes[1].status;
}

INSTANTIATE_TEST_SUITE_P(Workbooks, EachFormat, ::testing::Values(TWorkbookFormat::Xlsx, TWorkbookFormat::Ods),
                         [](const auto& info) { return info.param == TWorkbookFormat::Xlsx ? "Xlsx" : "Ods"; });

TEST_F(WorkbookReader, BrokenFilesAreRefusedWithAMessage)
{
    Write("leer.xlsx", "");
    Write("text.ods", "Haltung;d\n");
    for (const auto& [name, format] :
         {std::pair{"leer.xlsx", TWorkbookFormat::Xlsx}, std::pair{"text.ods", TWorkbookFormat::Ods},
          std::pair{"fehlt.ods", TWorkbookFormat::Ods}}) {
        try {
            ReadWorkbookLists(folder / name, format);
            ADD_FAILURE() << name << " was read";
        } catch (const TInputError& e) {
            EXPECT_NE(std::string(e.what()), "") << name;
        }
    }
}

TEST(WorkbookCellText, NumbersAreNeverReadAsThousands)
{
    EXPECT_EQ(NumberCellText(1.5), "1.5");
    EXPECT_EQ(NumberCellText(1.125), "1,125");
    EXPECT_EQ(NumberCellText(2500), "2500");
    EXPECT_EQ(NumberCellText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(NumberCellText(1e-5), "0.00001");
    EXPECT_EQ(PercentCellText(0.95), "95%");
    EXPECT_EQ(TimeCellText(3690), "01:01:30");
    EXPECT_EQ(DateCellText(2024, 5, 2, 0), "02.05.2024");
    EXPECT_EQ(WorkbookFormatOfPath("a/Liste.XLSX"), TWorkbookFormat::Xlsx);
    EXPECT_EQ(WorkbookFormatOfPath("liste.ods"), TWorkbookFormat::Ods);
    EXPECT_EQ(WorkbookFormatOfPath("liste.csv"), std::nullopt);
}

}  // namespace
}  // namespace fluvara
