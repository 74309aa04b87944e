// The flow-time method on a network worked out apart from the program
// (network_reference.py: the same steps with the roots found by bisection).

#include "networktest.h"

#include <gtest/gtest.h>

namespace fluvara {
namespace {

using testing::NetworkList;
using testing::RainTableOptions;
using testing::Result;

// Two branches (H1-H2 and H3) meet at S3; H4-H5-H6 run on to the outlet S6.
TReachList SixReaches()
{
    return NetworkList({
        {"H1", "S1", "S2", "60", "105,00", "104,70", "", "107,50", "", "1,5", "1,2", "0,6", "0,5", "70"},
        {"H2", "S2", "S3", "80", "104,65", "104,30", "", "107,20", "", "1,5", "0,8", "0,5", "0,3", "70"},
        {"H3", "S7", "S3", "50", "", "", "12", "", "250", "1,5", "0,5", "0,7", "", ""},
        {"H4", "S3", "S4", "70", "104,20", "103,95", "", "106,00", "", "1,5", "0,6", "0,6", "0,2", "70"},
        {"H5", "S4", "S5", "90", "103,98", "103,60", "", "104,90", "800", "1,5", "0,4", "0,5", "", ""},
        {"H6", "S5", "S6", "40", "103,55", "103,15", "", "", "", "1,5", "", "", "", "80"},
    });
}

struct TExpected {
    const char* name;
    std::vector<std::string> results;  // every result column in order
    const char* status;
};

TEST(NetworkMethod, SixReachesWithOneJunctionAsWorkedOut)
{
    // Is aus Sohlen, Ared, Summe Ared, Summe QT, tf, Regendauer, r, Qr, Q,
    // lichte Weite, Qv, vv, h, h/d, Qt/Qv, vt, d erf, DN, tau, Überdeckung
    const TExpected expected[] = {
        {"H1",
         {"5.00",   "0.72", "0.72", "0.50", "5.68", "5.68", "270.7", "194.90", "195.40", "500",
          "267.57", "1.36", "31.8", "63.7", "73.0", "1.48", "495.4", "500",    "7.00",   "2.00"},
         "berechnet"},
        {"H2",
         {"4.38",   "0.40", "1.12", "0.80", "6.54", "6.54", "254.6", "285.17", "285.97", "600",
          "405.03", "1.43", "37.3", "62.2", "70.6", "1.55", "587.0", "600",    "7.28",   "1.95"},
         "berechnet"},
        // Overloaded: Qt/Qv in its column, and the full pipe's velocity carries the
        // flow time on.
        {"H3",
         {"",      "0.35", "0.35", "0.00", "5.62",  "5.62", "271.8", "95.12", "95.12", "250",
          "66.14", "1.35", "",     "",     "143.8", "",     "",      "",      "",      ""},
         "überlastet (Qt/Qv = 143.8 %)"},
        // The cover shows 1.00 m: not below the limit of 1.00 m.
        {"H4",
         {"3.57",   "0.36", "1.83", "1.00", "7.27", "7.27", "241.0", "441.03", "442.03", "800",
          "781.11", "1.55", "43.1", "53.9", "56.6", "1.60", "719.6", "800",    "7.34",   "1.00"},
         "Sohle gegen Fließrichtung am Schacht „S4“ (0.03 m unter der abgehenden Sohle)"},
        {"H5",
         {"4.22",   "0.20", "2.03", "1.00", "8.14", "8.14", "224.7", "456.20", "457.20", "800",
          "849.60", "1.69", "41.8", "52.3", "53.8", "1.72", "",      "",       "8.52",   "0.12"},
         "Überdeckung 0.12 m unter 1.00 m"},
        // d erf 560.2 mm, yet DN 800 as above: the sewer never narrows.
        {"H6",
         {"10.00",   "0.00", "2.03", "1.00", "8.42", "8.42", "219.5", "445.53", "446.53", "800",
          "1309.38", "2.60", "32.1", "40.1", "34.1", "2.37", "560.2", "800",    "16.85",  ""},
         "berechnet"},
    };
    const auto outcomes = CalculateNetwork(SixReaches(), RainTableOptions());
    ASSERT_EQ(outcomes.size(), std::size(expected));
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_FALSE(outcomes[i].refused) << outcomes[i].status;
        EXPECT_EQ(outcomes[i].results, expected[i].results);
        EXPECT_EQ(outcomes[i].status, expected[i].status);
    }
}

// From 1 m/s to about 3 m/s: seven passes until the flow time settles.
TEST(NetworkMethod, ASteepReachSettlesFarFromTheFirstVelocity)
{
    const auto outcomes = CalculateNetwork(
        NetworkList({{"S", "A", "B", "600", "130", "112", "", "", "300", "0,25", "0,5", "0,9", "2", ""}}),
        RainTableOptions());
    EXPECT_EQ(
        outcomes[0].results,
        (std::vector<std::string>{"30.00",  "0.45", "0.45", "2.00", "8.35", "8.35", "220.8", "99.38", "101.38", "300",
                                  "213.91", "3.03", "14.5", "48.4", "47.4", "2.99", "",      "",      "21.62",  ""}));
    EXPECT_EQ(outcomes[0].status, "berechnet");
}

// At the edge of overload the pipe flips for ever between its partial-flow
// velocity (then the shorter flow time brings more rain than it carries)
// and its full-flow velocity (then it carries the rain): the larger
// discharge holds, with the note.
TEST(NetworkMethod, AFlowTimeFlippingAtOverloadTakesTheLargerDischarge)
{
    const auto outcomes = CalculateNetwork(
        NetworkList({{"S", "A", "B", "1500", "", "", "5", "", "300", "1,5", "1", "0,74", "", ""}}), RainTableOptions());
    EXPECT_EQ(
        outcomes[0].results,
        (std::vector<std::string>{"",      "0.74", "0.74", "0.00", "27.63", "27.63", "97.1", "71.87", "71.87", "300",
                                  "69.12", "0.98", "",     "",     "104.0", "",      "",     "",      "",      ""}));
    EXPECT_EQ(outcomes[0].status,
              "überlastet (Qt/Qv = 104.0 %); Fließzeit nicht eindeutig: größerer Abfluss angesetzt");
}

// The reach below an ambiguous one goes on from the flow time it was given.
TEST(NetworkMethod, AboveTheRainTableRefusedBelowItGoesOn)
{
    const auto outcomes =
        CalculateNetwork(NetworkList({
                             {"A", "S1", "S2", "4000", "", "", "5", "", "300", "1,5", "1", "0,5", "", ""},
                             {"B", "S2", "S3", "50", "", "", "5", "", "300", "1,5", "", "", "", ""},
                             {"C", "T1", "T2", "3000", "", "", "5", "", "300", "1,5", "", "", "3", ""},
                         }),
                         RainTableOptions());
    EXPECT_EQ(outcomes[0].status, "Regendauer 71.67 min über der Regentabelle (bis 60 min)");
    EXPECT_TRUE(outcomes[0].refused);
    EXPECT_EQ(outcomes[1].status, "oberhalb abgelehnt: Haltung A");
    // Without an area the rain does not matter: no r, no refusal.
    EXPECT_EQ(outcomes[2].status, "berechnet");
    EXPECT_EQ(testing::Result(outcomes[2], "r"), "");
    EXPECT_EQ(testing::Result(outcomes[2], "Q"), "3.00");
}

TEST(NetworkMethod, RowOrderDoesNotMatter)
{
    TReachList list = SixReaches();
    const auto inOrder = CalculateNetwork(list, RainTableOptions());
    std::reverse(list.rows.begin(), list.rows.end());
    const auto reversed = CalculateNetwork(list, RainTableOptions());
    for (std::size_t i = 0; i < inOrder.size(); ++i) {
        EXPECT_EQ(inOrder[i].results, reversed[reversed.size() - 1 - i].results);
        EXPECT_EQ(inOrder[i].status, reversed[reversed.size() - 1 - i].status);
    }
}

}  // namespace
}  // namespace fluvara
