// Lists that went through a spreadsheet and back as CSV: what Calc makes of
// headers and cells is either read as meant, refused with a message that
// says what happened, or warned about; never dropped in silence.

#include "reachlist.h"

#include <gtest/gtest.h>

#include <sstream>

namespace fluvara {
namespace {

TReachList Read(const std::string& text)
{
    std::istringstream in(text);
    return ReadCsvList(in);
}

struct THeaderCase {
    const char* name;
    std::string csv;
    int field;                // the field the case is about
    bool found;               // the field has a column
    const char* column;       // the column's name in the list afterwards
    const char* warningPart;  // "" for no warning
};

class CalcHeader : public ::testing::TestWithParam<THeaderCase> { };

TEST_P(CalcHeader, IsReadOrWarnedAbout)
{
    const THeaderCase& c = GetParam();
    const TReachList list = Read(c.csv);
    const int column = list.layout.fieldColumn.at(static_cast<std::size_t>(c.field));
    EXPECT_EQ(column >= 0, c.found);
    if (column >= 0)
        EXPECT_EQ(list.layout.columns.at(static_cast<std::size_t>(column)), c.column);
    else
        EXPECT_NE(std::find(list.layout.columns.begin(), list.layout.columns.end(), c.column),
                  list.layout.columns.end());
    if (*c.warningPart == 0) {
        EXPECT_TRUE(list.layout.warnings.empty()) << list.layout.warnings.front();
    } else {
        ASSERT_EQ(list.layout.warnings.size(), 1u);
        EXPECT_NE(list.layout.warnings[0].find(c.warningPart), std::string::npos) << list.layout.warnings[0];
        EXPECT_EQ(list.layout.warnings[0].rfind("Zeile 1: ", 0), 0u) << list.layout.warnings[0];
    }
}

const std::string Row = "\nH05;1000;1,5;1,125;1500;ja\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, CalcHeader,
    ::testing::Values(
        THeaderCase{"Written", "Haltung;d;kb;Is;Q;95%-Wert" + Row, CircleReduce95, true, "95%-Wert", ""},
        THeaderCase{"OlderName", "Haltung;d;kb;Is;Q;95%" + Row, CircleReduce95, true, "95%-Wert", ""},
        THeaderCase{"PercentAsCalcShowsIt", "Haltung;d;kb;Is;Q;95,00 %" + Row, CircleReduce95, false, "95,00 %",
                    "„95%-Wert“ nennen"},
        THeaderCase{"PercentAsFraction", "Haltung;d;kb;Is;Q;0,95" + Row, CircleReduce95, false, "0,95",
                    "„95%-Wert“ nennen"},
        THeaderCase{"PercentAsNumber", "Haltung;d;kb;Is;Q;95" + Row, CircleReduce95, false, "95", "„95%-Wert“ nennen"},
        THeaderCase{"NameWithUnit", "Haltung;d [mm];kb [mm];Is [‰];Q [l/s];95%-Wert" + Row, CircleQ, true, "Q", ""},
        THeaderCase{"OtherUnit", "Haltung;d;kb;Is;Q [m³/s];95%-Wert" + Row, CircleQ, false, "Q [m³/s]",
                    "ihre Einheit ist nicht l/s"},
        THeaderCase{"BlanksLeftOut", "Haltung;d;kb;Is;Q;h/dzul" + Row, CircleHdPermitted, false, "h/dzul",
                    "gemeint ist wohl „h/d zul“"}),
    [](const auto& info) { return info.param.name; });

TEST(CalcHeader, TwoColumnsForOneFieldAreRefused)
{
    try {
        Read("Haltung;d;kb;Is;Q [l/s];Q\n");
        FAIL() << "read";
    } catch (const TInputError& e) {
        EXPECT_STREQ(e.what(), "Zeile 1: Die Spalten „Q [l/s]“ und „Q“ meinen beide „Q“");
    }
}

TEST(CalcHeader, OlderNameIsWrittenBackAsTheNewOne)
{
    const TReachList list = Read("Haltung;d;kb;Is;Q;95%" + Row);
    const std::string text = CsvText(list, CalculateList(list, {}, 1), GermanCsv);
    EXPECT_EQ(text.substr(0, text.find('\r')),
              "\xEF\xBB\xBFHaltung;d;kb;Is;Q;95%-Wert;lichte Weite;Qv;vv;h;h/d;Qt/Qv;"
              "vt;d erf;DN;Status");
}

TEST(CalcHeader, NumbersGoOutWithTheDecimalCommaThatCalcReads)
{
    // "1.5" would come back from a German Calc as the 1st of May.
    const TReachList list = Read("Haltung;d;kb;Is;Q;Bemerkung\nH1;300;1.5;2.500;40,5;Abzweig 1.5\n");
    const std::string text = CsvText(list, CalculateList(list, {}, 1), GermanCsv);
    EXPECT_NE(text.find("\r\nH1;300;1,5;2.500;40,5;Abzweig 1.5;"), std::string::npos) << text;
}

struct TBankCase {
    const char* name;
    const char* bank;
    bool refused;
    const char* messagePart;
};

class CalcBank : public ::testing::TestWithParam<TBankCase> { };

TEST_P(CalcBank, TimeMadeOfASlopeIsRefusedSayingSo)
{
    const TBankCase& c = GetParam();
    const TReachList list = Read(std::string("Gerinne;Q;Is;kst Sohle;kst links;kst rechts;b;hp;Ufer links;"
                                             "Ufer rechts\nG1;1500;2;35;30;30;100;120;") +
                                 c.bank + ";45\n");
    const TReachOutcome outcome = CalculateRow(list, 0, {});
    EXPECT_EQ(outcome.refused, c.refused) << outcome.status;
    EXPECT_NE(outcome.status.find(c.messagePart), std::string::npos) << outcome.status;
    if (c.refused) {
        EXPECT_EQ(outcome.errors.at(0).field, ChannelBankLeft);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalcBank,
    ::testing::Values(TBankCase{"Slope", "1:1,5", false, "berechnet"},
                      TBankCase{"TooFlatSlopeIsNoTime", "1:15", true, "Steigung links ist ungültig"},
                      TBankCase{"Angle", "45°", false, "berechnet"},
                      TBankCase{"TimeOfOneAndAHalf", "01:01:30", true, "Neigung 1:1,5 gemacht"},
                      TBankCase{"TimeOfTwo", "01:02:00", true, "Neigung 1:2 gemacht"},
                      TBankCase{"TimeWithoutSeconds", "01:02", true, "Neigung 1:2 gemacht"},
                      TBankCase{"TimeOfNoSlope", "02:30:00", true, "ist eine Uhrzeit, keine Neigung"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace fluvara
