#include "reportfilename.h"

#include <gtest/gtest.h>

namespace fluvara {
namespace {

struct NameCase {
    const char* line1;
    const char* line2;
    const char* name;
};

class ReportFileNameTest : public ::testing::TestWithParam<NameCase> { };

TEST_P(ReportFileNameTest, FromTheTitles)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(ReportFileName({c.line1, c.line2, "7"}, "Kreisprofil"), c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, ReportFileNameTest,
    ::testing::Values(NameCase{"Kanal Nord", "Haltung 12 bis 13, Prüfung",
                               "Kanal Nord - Haltung 12 bis 13, Prüfung.pdf"},
                      NameCase{"Kanal Nord", "", "Kanal Nord.pdf"}, NameCase{"", "Haltung 4", "Haltung 4.pdf"},
                      NameCase{"", "", "Kreisprofil.pdf"}, NameCase{"   ", " \t ", "Kreisprofil.pdf"},
                      NameCase{"  Graben   Süd  ", "", "Graben Süd.pdf"},
                      NameCase{"DN 300/400: Zulauf?", "a\\b*c\"d<e>f|g", "DN 300_400_ Zulauf_ - a_b_c_d_e_f_g.pdf"},
                      NameCase{"..", "", "Kreisprofil.pdf"}, NameCase{"Stand 1.", "", "Stand 1.pdf"}));

TEST(ReportFileName, LongTitlesCutOnWholeCharacters)
{
    // two-byte letters: the cut falls between letters, never inside one
    std::string line;
    for (int i = 0; i < 70; ++i)
        line += "ä";
    const std::string name = ReportFileName({line, line, ""}, "Gerinne");
    EXPECT_EQ(name, line + " - " + std::string(line, 0, 47 * 2) + ".pdf");
}

}  // namespace
}  // namespace fluvara
