// Faults of a network's layout: each refuses the reaches concerned with its
// own message and everything below them; other trees are still calculated.

#include "networktest.h"

#include <gtest/gtest.h>

namespace fluvara {
namespace {

using testing::NetworkList;
using testing::RainTableOptions;

// A reach of 50 m at 5 per mille with a 300 pipe and a small area.
std::vector<std::string> Reach(std::string name, std::string from, std::string to, std::string L = "50")
{
    return {std::move(name), std::move(from), std::move(to), std::move(L), "", "", "5", "",
            "300",           "1,5",           "0,2",         "0,9",        "", ""};
}

struct TTopologyCase {
    const char* what;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> statuses;  // per row
};

class NetworkTopology : public ::testing::TestWithParam<TTopologyCase> { };

TEST_P(NetworkTopology, RefusesWithItsMessage)
{
    const TTopologyCase& c = GetParam();
    const auto outcomes = CalculateNetwork(NetworkList(c.rows), RainTableOptions());
    ASSERT_EQ(outcomes.size(), c.statuses.size());
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        SCOPED_TRACE(c.rows[i][0]);
        EXPECT_EQ(outcomes[i].status, c.statuses[i]);
        EXPECT_EQ(outcomes[i].refused, c.statuses[i] != "berechnet");
        if (outcomes[i].refused) {
            EXPECT_EQ(outcomes[i].results, std::vector<std::string>(NetworkResultCount));
        }
    }
}

const std::string Calculated = "berechnet";

INSTANTIATE_TEST_SUITE_P(
    Faults, NetworkTopology,
    ::testing::Values(
        TTopologyCase{"von equals bis",
                      {Reach("A", "S1", "S1"), Reach("B", "S1", "S2"), Reach("X", "T1", "T2")},
                      {"„von“ und „bis“ sind derselbe Schacht „S1“", Calculated, Calculated}},
        TTopologyCase{"two reaches leave one manhole",
                      {Reach("A", "S1", "S2"), Reach("B", "S1", "S3"), Reach("C", "S2", "S4"), Reach("D", "S4", "S5"),
                       Reach("U", "S0", "S1"), Reach("X", "T1", "T2")},
                      {"Vom Schacht „S1“ gehen mehrere Haltungen ab: A, B",
                       "Vom Schacht „S1“ gehen mehrere Haltungen ab: A, B", "oberhalb abgelehnt: Haltung A",
                       "oberhalb abgelehnt: Haltung A", Calculated, Calculated}},
        TTopologyCase{"a ring",
                      {Reach("A", "S1", "S2"), Reach("B", "S2", "S3"), Reach("C", "S3", "S1"), Reach("U", "S0", "S2"),
                       Reach("X", "T1", "T2")},
                      {"Ring im Netz über die Haltungen A, B, C", "Ring im Netz über die Haltungen A, B, C",
                       "Ring im Netz über die Haltungen A, B, C", Calculated, Calculated}},
        TTopologyCase{"a name twice",
                      {Reach("A", "S1", "S2"), Reach("A", "S5", "S2"), Reach("B", "S2", "S3"), Reach("X", "T1", "T2")},
                      {"Der Haltungsname „A“ kommt 2-mal vor", "Der Haltungsname „A“ kommt 2-mal vor",
                       "oberhalb abgelehnt: Haltung A", Calculated}},
        TTopologyCase{"empty names",
                      {Reach("A", "", "S2"), Reach("B", "S2", ""), Reach("", "S7", "S8"), Reach("X", "T1", "T2")},
                      {"Der obere Schacht („von“) fehlt", "Der untere Schacht („bis“) fehlt",
                       "Der Name der Haltung fehlt", Calculated}},
        // The message below names the reach refused for a fault of its own,
        // however far up it lies.
        TTopologyCase{
            "a refused input two reaches up",
            {Reach("A", "S1", "S2", "0"), Reach("B", "S2", "S3"), Reach("C", "S3", "S4"), Reach("D", "S9", "S3")},
            {"L-Wert ist ungültig ( >0 )", "oberhalb abgelehnt: Haltung A", "oberhalb abgelehnt: Haltung A",
             Calculated}}),
    [](const ::testing::TestParamInfo<TTopologyCase>& info) { return "case" + std::to_string(info.index); });

TEST(NetworkInputs, RefusedWithTheirMessages)
{
    const struct {
        std::vector<std::string> row;
        std::string status;
    } cases[] = {
        {{"A", "S1", "S2", "50", "101,20", "101,35", "", "", "300", "1,5", "", "", "", ""},
         "Kein Gefälle: Sohle oben 101,20 m liegt nicht über Sohle unten 101,35 m"},
        {{"A", "S1", "S2", "50", "101,20", "101,20", "", "", "300", "1,5", "", "", "", ""},
         "Kein Gefälle: Sohle oben 101,20 m liegt nicht über Sohle unten 101,20 m"},
        {{"A", "S1", "S2", "50", "", "", "", "", "300", "1,5", "", "", "", ""},
         "Das Gefälle fehlt: Sohle oben und Sohle unten oder Is angeben"},
        {{"A", "S1", "S2", "", "", "", "5", "", "300", "1,5", "", "", "", ""}, "Die Länge L fehlt"},
        {{"A", "S1", "S2", "50", "", "", "5", "", "", "1,5", "", "", "", ""},
         "d fehlt: d angeben oder h/d zul für eine Bemessung"},
        {{"A", "S1", "S2", "50", "", "", "5", "", "300", "1,5", "2", "", "", ""},
         "Der Abflussbeiwert Psi fehlt (AE ist angegeben)"},
        {{"A", "S1", "S2", "50", "", "", "5", "", "300", "1,5", "2", "1,2", "", ""},
         "Psi-Wert ist ungültig ( >=0 und <=1 )"},
        {{"A", "S1", "S2", "50", "", "", "5", "", "300", "1,5", "-2", "0,5", "", ""},
         "AE-Wert darf nicht negativ sein"},
        {{"A", "S1", "S2", "50", "", "", "5", "", "300", "1,5", "", "", "2.500", ""},
         "QT-Wert „2.500“ ist mehrdeutig: Tausender- oder Dezimalpunkt? 2500 oder 2,500 schreiben"},
        {{"A", "S1", "S2", "50", "1o1", "100", "", "", "300", "1,5", "", "", "", ""},
         "Sohle oben ist nicht nummerisch"},
        // The pipe's own checks, with the slope from the levels named.
        {{"A", "S1", "S2", "1000", "100,05", "100", "", "", "300", "1,5", "", "", "", ""},
         "Is aus den Sohlen 0.05 ‰: Is-Wert ist ungültig ( >=0.1 und <=500 )"},
        {{"A", "S1", "S2", "50", "", "", "5", "", "300", "3", "", "", "", ""},
         "kb-Wert ist ungültig ( >=0.25 und <=1.5 )"},
        // Far too much for any pipe to be designed for.
        {{"A", "S1", "S2", "50", "", "", "5", "", "", "1,5", "40", "0,9", "", "70"},
         "Q = 9639.00 l/s: Q-Wert ist ungültig ( >=1 und <=5000 )"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        const auto outcomes = CalculateNetwork(NetworkList({c.row}), RainTableOptions());
        EXPECT_TRUE(outcomes[0].refused);
        EXPECT_EQ(outcomes[0].status, c.status);
    }
}

TEST(NetworkInputs, LevelsBelowDatumAndTheGreekPsi)
{
    std::vector<std::string> columns = testing::NetworkColumns;
    columns[11] = "ψ";
    const auto outcomes = CalculateNetwork(
        NetworkList({{"A", "S1", "S2", "50", "-2,00", "-2,25", "", "-0,5", "300", "1,5", "0,2", "0,5", "", ""}},
                    columns),
        RainTableOptions());
    EXPECT_EQ(outcomes[0].status, "berechnet");
    EXPECT_EQ(testing::Result(outcomes[0], "Is aus Sohlen"), "5.00");
    EXPECT_EQ(testing::Result(outcomes[0], "Ared"), "0.10");
    EXPECT_EQ(testing::Result(outcomes[0], "Überdeckung"), "1.20");
}

}  // namespace
}  // namespace fluvara

namespace fluvara {
namespace {

// Levels whose difference cancels in the last bits show 0.00, never -0.00.
TEST(NetworkInputs, ACoverThatCancelsShowsZero)
{
    const auto outcomes = CalculateNetwork(testing::NetworkList({{"A", "S1", "S2", "70", "104,20", "103,95", "",
                                                                  "105,00", "800", "1,5", "1", "0,5", "", ""}}),
                                           testing::RainTableOptions());
    EXPECT_EQ(testing::Result(outcomes[0], "Überdeckung"), "0.00");
    EXPECT_EQ(outcomes[0].status, "Überdeckung 0.00 m unter 1.00 m");
}

}  // namespace
}  // namespace fluvara
