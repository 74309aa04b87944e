// A network through the program's files: the project keeps its rows, rain
// and limits; CSV and project give back the same list.

#include "networktest.h"
#include "project.h"

#include <gtest/gtest.h>

#include <sstream>

namespace fluvara {
namespace {

using testing::NetworkList;

TReachList TwoReaches()
{
    return NetworkList({
        {"H1", "S1", "S2", "60", "105,00", "104,70", "", "107,50", "", "1,5", "1,2", "0,6", "0,5", "70"},
        {"H2", "S2", "S3", "80", "", "", "4,5", "", "400", "1,5", "0,8", "ψ 0,5?", "", ""},
    });
}

TEST(NetworkFiles, TheProjectKeepsRowsRainAndLimits)
{
    for (const bool reinhold : {false, true}) {
        TProject project;
        project.network = TwoReaches();
        if (reinhold)
            project.networkSettings.rain.reinhold = TReinholdRain{132.5, 0.5};
        else
            project.networkSettings.rain.table = {{5, 283.3}, {10, 190}, {15, 146.7}};
        project.networkSettings.t0 = 7.5;
        project.networkSettings.tauLimit = 1.25;
        project.networkSettings.coverLimit = 0.8;

        const std::string text = ProjectText(project);
        EXPECT_NE(text.find("\"version\": 2"), std::string::npos);
        const TProject read = ReadProject(text);
        EXPECT_EQ(read.network.layout.columns, project.network.layout.columns);
        EXPECT_EQ(read.network.rows, project.network.rows);
        EXPECT_EQ(read.network.Kind(), TReachKind::Network);
        const TNetworkSettings& s = read.networkSettings;
        ASSERT_EQ(s.rain.reinhold.has_value(), reinhold);
        if (reinhold) {
            EXPECT_EQ(s.rain.reinhold->r15, 132.5);
            EXPECT_EQ(s.rain.reinhold->n, 0.5);
        } else {
            ASSERT_EQ(s.rain.table.size(), 3u);
            EXPECT_EQ(s.rain.table[0].r, 283.3);
            EXPECT_EQ(s.rain.table[2].D, 15);
        }
        EXPECT_EQ(s.t0, 7.5);
        EXPECT_EQ(s.tauLimit, 1.25);
        EXPECT_EQ(s.coverLimit, 0.8);
        EXPECT_EQ(ProjectText(read), text);
    }
}

// Earlier versions of the program open a project without a network.
TEST(NetworkFiles, AProjectWithoutANetworkStaysVersionOne)
{
    const std::string text = ProjectText(TProject{});
    EXPECT_NE(text.find("\"version\": 1"), std::string::npos);
    EXPECT_EQ(text.find("netz"), std::string::npos);
    EXPECT_TRUE(ReadProject(text).network.rows.empty());
}

TEST(NetworkFiles, ABrokenNetworkPartRefusesTheProject)
{
    const std::string head = "{\"format\": \"fluvara-haltungen\", \"version\": 2, "
                             "\"kreisprofile\": {\"spalten\": [\"Haltung\", \"d\", \"kb\", \"Is\"], \"zeilen\": []}, "
                             "\"gerinne\": {\"spalten\": [\"Gerinne\", \"Q\", \"Is\", \"kst Sohle\", \"kst links\", "
                             "\"kst rechts\", \"b\", \"hp\", \"Ufer links\", \"Ufer rechts\"], \"zeilen\": []}";
    const struct {
        const char* part;
        const char* message;
    } cases[] = {
        {", \"netz\": {\"spalten\": [\"Haltung\", \"d\", \"kb\", \"Is\"], \"zeilen\": []}}",
         "Projektdatei: „netz.spalten“ ist die Kopfzeile einer Kreisprofilliste"},
        {", \"netzvorgaben\": {\"regentabelle\": [[10, 190], [5, 283.3]]}}",
         "Projektdatei: „netzvorgaben.regentabelle“ ist keine Liste von Zeilen [Dauer, Regenspende] mit positiven, "
         "steigenden Dauern"},
        {", \"netzvorgaben\": {\"t0\": \"5\"}}", "Projektdatei: „netzvorgaben.t0“ ist keine Zahl ab 0"},
        {", \"netzvorgaben\": [1]}", "Projektdatei: „netzvorgaben“ ist kein Objekt"},
    };
    for (const auto& c : cases) {
        try {
            ReadProject(head + c.part);
            ADD_FAILURE() << c.part;
        } catch (const TInputError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(NetworkFiles, CsvGivesBackTheSameList)
{
    const TReachList list = TwoReaches();
    TNetworkOptions options;
    options.rain.table = {{5, 283.3}, {10, 190}, {15, 146.7}};
    const auto outcomes = CalculateNetwork(list, options);
    std::istringstream in(CsvText(list, outcomes, GermanCsv));
    const TReachList read = ReadCsvList(in);
    EXPECT_EQ(read.Kind(), TReachKind::Network);
    EXPECT_EQ(read.layout.columns, list.layout.columns);
    EXPECT_EQ(read.rows, list.rows);
}

}  // namespace
}  // namespace fluvara
