#include "reach.h"

#include "calcerror.h"
#include "channel.h"
#include "channelrun.h"
#include "circle.h"
#include "numbercheck.h"
#include "textformat.h"
#include "verificationrun.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fluvara {
namespace {

struct RowCase {
    std::vector<std::string> fields;
    std::vector<std::string> results;
    std::string status;
};

// The page's label without its padding.

void ExpectRow(TReachKind kind, const RowCase& c)
{
    const TReachOutcome o = CalculateReach(kind, c.fields, TReachOptions{});
    EXPECT_EQ(o.results, c.results) << c.fields[0];
    EXPECT_EQ(o.status, c.status) << c.fields[0];
    EXPECT_EQ(o.refused, !o.errors.empty()) << c.fields[0];
}

// Haltung, d, kb, Is, Q, 95%, h/d zul, Q/0,9 -> lichte Weite, Qv, vv, h, h/d, Qt/Qv, vt, d erf, DN
TEST(CircleReach, ResultsAreThePagesTexts)
{
    const RowCase cases[] = {
        // verification page: full flow, then partial flow with Qt = 40
        {{"H1", "300", "1,5", "5", "40", "", "", ""},
         {"300", "69.12", "0.98", "16.4", "54.7", "57.9", "1.01", "", ""},
         "berechnet"},
        // the 95 % option shows the clear width with two decimals
        {{"H2", "300", "1,5", "5", "", "ja", "", ""}, {"285.00", "60.32", "0.95", "", "", "", "", "", ""}, "berechnet"},
        // the echo is the working text: commas become points, the digits stay as typed
        {{"H3", "300,0", "1.5", "5", "", "x", "", ""},
         {"285.00", "60.32", "0.95", "", "", "", "", "", ""},
         "berechnet"},
        {{"H4", "300,0", "1.5", "5", "", "nein", "", ""},
         {"300.0", "69.12", "0.98", "", "", "", "", "", ""},
         "berechnet"},
        // more than the full flow: no partial results but the ratio, which is in the status too
        {{"H5", "300", "1,5", "5", "70", "", "", ""},
         {"300", "69.12", "0.98", "", "", "101.3", "", "", ""},
         "überlastet (Qt/Qv = 101.3 %)"},
        // exactly the full flow is still a partial flow
        {{"H6", "300", "1,5", "5", "69,12", "", "", ""},
         {"300", "69.12", "0.98", "24.8", "82.7", "100.0", "1.11", "", ""},
         "berechnet"},
        // design page: Q/0,9 by default; verification on the nominal size
        {{"B1", "", "1,5", "5", "100", "", "82,7", ""},
         {"400", "148.25", "1.18", "24.1", "60.3", "67.5", "1.26", "358.8", "400"},
         "berechnet"},
        {{"B2", "", "1,5", "5", "100", "", "82,7", "nein"},
         {"350", "104.06", "1.08", "27.8", "79.3", "96.1", "1.22", "344.8", "350"},
         "berechnet"},
        // a design below the smallest size the verification accepts
        {{"B3", "", "0,25", "500", "1", "", "82,7", "nein"},
         {"150", "142.78", "8.08", "0.9", "5.8", "0.7", "2.46", "23.1", "150"},
         "berechnet"},
        // a typed d is verified, the design stands beside it
        {{"B4", "300", "1,5", "5", "100", "", "82,7", "ja"},
         {"300", "69.12", "0.98", "", "", "144.7", "", "358.8", "400"},
         "überlastet (Qt/Qv = 144.7 %)"},
        {{"B5", "", "1,5", "5", "100", "ja", "82,7", ""},
         {"380.00", "129.41", "1.14", "25.2", "66.3", "77.3", "1.25", "358.8", "400"},
         "berechnet"},
    };
    for (const RowCase& c : cases)
        ExpectRow(TReachKind::Circle, c);
}

// Gerinne, Q, Is, kst Sohle, kst links, kst rechts, b, hp, Ufer links, Ufer rechts
// -> h, v, kst mittel, hgr, vgr, bWsp, bProfil, Abfluss, Fr, Freibord
TEST(ChannelReach, ResultsAreThePagesTexts)
{
    const RowCase cases[] = {
        {{"G1", "500", "2", "30", "30", "30", "100", "100", "45", "45"},
         {"52.2", "0.63", "30.0", "26.9", "1.46", "204.5", "300.0", "strömend", "0.32", "47.8"},
         "berechnet"},
        // the same banks as slopes and with the degree sign
        {{"G2", "500", "2", "30", "30", "30", "100", "100", "1:1", "45°"},
         {"52.2", "0.63", "30.0", "26.9", "1.46", "204.5", "300.0", "strömend", "0.32", "47.8"},
         "berechnet"},
        {{"G3", "1000", "1", "40", "25", "25", "200", "80", "60", "90"},
         {"76.4", "0.59", "31.0", "29.1", "1.65", "244.1", "246.2", "strömend", "0.23", "3.6"},
         "berechnet"},
        {{"G4", "99000", "0,5", "30", "25", "25", "2000", "900", "1 : 2", "1:2,0"},
         {"327.3", "1.14", "27.6", "129.8", "3.38", "3309.1", "5600.0", "strömend", "0.22", "572.7"},
         "berechnet"},
        // overflowing: the freeboard is negative, and the status says so as it says an overloaded pipe
        {{"G5", "500", "2", "30", "30", "30", "100", "30", "45", "45"},
         {"52.2", "0.63", "30.0", "26.9", "1.46", "204.5", "160.0", "läuft über", "0.32", "-22.2"},
         "läuft über (h/hp = 174.1 %)"},
        {{"G6", "15000", "0,8", "45", "30", "30", "400", "120", "1:2", "1:2"},
         {"185.9", "1.05", "33.4", "95.5", "2.66", "1143.6", "880.0", "läuft über", "0.30", "-65.9"},
         "läuft über (h/hp = 154.9 %)"},
    };
    for (const RowCase& c : cases)
        ExpectRow(TReachKind::Channel, c);
}

TEST(ChannelReach, SteepChannelShootsWithFroudeAboveOne)
{
    const std::vector<std::string> f{"S", "500", "50", "60", "60", "60", "100", "100", "45", "45"};
    const TReachOutcome o = CalculateChannelReach(f);
    ASSERT_FALSE(o.refused) << o.status;
    EXPECT_EQ(o.results[ChannelRegime], "schießend");
    EXPECT_GT(std::stod(o.results[ChannelFroude]), 1.0);
}

struct BadCase {
    std::vector<std::string> fields;
    std::string status;
    std::vector<int> failingFields;
};

TEST(CircleReach, BadRowsGetThePagesMessagesAndNoResults)
{
    const BadCase cases[] = {
        {{"", "", "", "", "", "", "", ""}, "d-Wert ist ungültig ( >=100 und <=3000 )", {CircleD, CircleKb, CircleIs}},
        {{"", "-5", "1,5", "5", "", "", "", ""}, "d-Wert darf nicht negativ sein", {CircleD}},
        {{"", "5-", "1,5", "5", "", "", "", ""}, "d-Wert ist nicht nummerisch", {CircleD}},
        {{"", " 300", "1,5", "5", "", "", "", ""}, "d-Wert ist nicht nummerisch", {CircleD}},
        {{"", "300", "1,6", "5e2", "", "", "", ""}, "kb-Wert ist ungültig ( >=0.25 und <=1.5 )", {CircleKb, CircleIs}},
        {{"", "300", "1,5", "5", "", "vielleicht", "", ""}, "95%-Wert ist ungültig ( ja oder nein )", {CircleReduce95}},
        {{"", "", "1,5", "5", "100", "", "82,7", "jein"}, "Q/0,9-Wert ist ungültig ( ja oder nein )", {CircleUse09}},
        // the partial discharge against the full flow, as on the page
        {{"", "100", "0,25", "0,1", "0,5", "", "", ""}, "Qt-Wert ist ungültig ( >=1 und <= 0.55 )", {CircleQ}},
        {{"", "300", "1,5", "5", "4x", "", "", ""}, "Qt-Wert ist nicht nummerisch", {CircleQ}},
        // design rows check in the design page's order: Q, h/d, kb, Is
        {{"", "", "2", "5", "", "", "82,8", ""},
         "Q-Wert ist ungültig ( >=1 und <=5000 )",
         {CircleQ, CircleHdPermitted, CircleKb}},
        {{"", "", "1,5", "5", "100", "", "9", ""}, "h/d-Wert ist ungültig ( >=10 und <=82.7 )", {CircleHdPermitted}},
        // no size of the series is large enough
        {{"", "", "1,5", "0,1", "5000", "", "10", "ja"},
         "d erf 14472.5 mm liegt über der größten Nennweite 3000 mm",
         {-1}},
    };
    for (const BadCase& c : cases) {
        const TReachOutcome o = CalculateCircleReach(c.fields, TReachOptions{});
        EXPECT_TRUE(o.refused);
        EXPECT_EQ(o.status, c.status);
        std::vector<int> failing;
        for (const TCellError& e : o.errors)
            failing.push_back(e.field);
        EXPECT_EQ(failing, c.failingFields) << c.status;
        for (const std::string& r : o.results)
            EXPECT_EQ(r, "");
    }
}

// A discharge so far above the full flow that Qt/Qv is beyond any number:
// the row is refused with the calculation's message, never "inf %".
TEST(CircleReach, ARatioBeyondAnyNumberIsRefused)
{
    for (const std::string& q : {"2" + std::string(306, '0'), std::string(400, '9')}) {
        const std::vector<std::string> fields{"", "100", "0,25", "0,1", q, "", "", ""};
        const TReachOutcome o = CalculateReach(TReachKind::Circle, fields, TReachOptions{});
        EXPECT_TRUE(o.refused);
        EXPECT_EQ(o.status, NotFiniteMessage);
        ASSERT_EQ(o.errors.size(), 1u);
        EXPECT_EQ(o.errors[0].field, CircleQ);
        for (const std::string& r : o.results)
            EXPECT_EQ(r, "");
    }
    // far above, but a number: still an overload
    const std::vector<std::string> fields{"", "100", "0,25", "0,1", "1" + std::string(300, '0'), "", "", ""};
    EXPECT_EQ(CalculateReach(TReachKind::Circle, fields, TReachOptions{}).status.rfind("überlastet (Qt/Qv = 1", 0), 0u);
}

TEST(ChannelReach, BadRowsGetThePagesMessages)
{
    const BadCase cases[] = {
        {{"", "", "2", "30", "30", "30", "100", "100", "45", "45"},
         "Q-Wert ist ungültig ( >=1 und <=99000 )",
         {ChannelQ}},
        {{"", "-5", "2", "30", "30", "30", "100", "100", "45", "45"}, "Q-Wert darf nicht negativ sein", {ChannelQ}},
        {{"", "500", "2", "30", "30", "9", "100", "100", "45", "45"},
         "kst-Wert Ufer rechts ist ungültig ( >=10 und <=100 )",
         {ChannelKstRight}},
        {{"", "500", "2", "30", "30", "30", "100", "100", "1:-2", "45"},
         "Steigung links darf nicht negativ sein",
         {ChannelBankLeft}},
        {{"", "500", "2", "30", "30", "30", "100", "100", "2:3", "9"},
         "Steigung links ist nicht nummerisch",
         {ChannelBankLeft, ChannelBankRight}},
        {{"", "500", "2", "30", "30", "30", "100", "100", "45", "1:6"},
         "Steigung rechts ist ungültig ( >=1 und <=5 )",
         {ChannelBankRight}},
        {{"", "500", "2", "30", "30", "30", "100", "100", "", "45"},
         "Winkel links ist ungültig ( >=10 und <=90 )",
         {ChannelBankLeft}},
        // a channel the depth bound refuses: the calculation's message
        {{"", "99000", "0,1", "10", "10", "10", "1", "900", "90", "90"}, NormalDepthLimitMessage, {ChannelQ}},
    };
    for (const BadCase& c : cases) {
        const TReachOutcome o = CalculateChannelReach(c.fields);
        EXPECT_TRUE(o.refused);
        EXPECT_EQ(o.status, c.status);
        std::vector<int> failing;
        for (const TCellError& e : o.errors)
            failing.push_back(e.field);
        EXPECT_EQ(failing, c.failingFields) << c.status;
    }
}

// Over a grid of inputs, every text equals the label of the verification
// page's runs, and the runs stand on the calculation functions.
TEST(CircleReach, GridMatchesThePageLabels)
{
    const auto shown = [](const std::string& label) { return std::string(TrimBlanks(label)); };
    for (double d : {100.0, 250.0, 300.0, 800.0, 3000.0})
        for (double kb : {0.25, 0.75, 1.5})
            for (double Is : {0.1, 3.0, 500.0})
                for (double Q : {1.0, 25.0, 400.0}) {
                    const std::vector<std::string> f{
                        "", Fmt("%.0f", d), Fmt("%.2f", kb), Fmt("%.1f", Is), Fmt("%.0f", Q), "", "", ""};
                    const TReachOutcome o = CalculateCircleReach(f, TReachOptions{});
                    const TFullFlowRun full = RunFullFlow({f[CircleD], f[CircleKb], f[CircleIs], false});
                    ASSERT_TRUE(full.checks.Passed());
                    const TCircleFullFlow flow = CircleFullFlow(d, kb, Is, false);
                    EXPECT_EQ(full.flow.Qv, flow.Qv);
                    EXPECT_EQ(full.flow.vv, flow.vv);
                    EXPECT_EQ(o.results[CircleClearWidth], shown(full.labels.d));
                    EXPECT_EQ(o.results[CircleQv], shown(full.labels.Qv));
                    EXPECT_EQ(o.results[CircleVv], shown(full.labels.vv));
                    const TPartialFlowRun partial = RunPartialFlow(&full, f[CircleQ]);
                    if (Q > flow.Qv) {
                        EXPECT_TRUE(partial.overloaded);
                        EXPECT_EQ(o.results[CircleH], "");
                        EXPECT_EQ(o.results[CircleQq], shown(partial.overloadRatio));
                        EXPECT_EQ(o.status, "überlastet (Qt/Qv = " + shown(partial.overloadRatio) + " %)");
                        continue;
                    }
                    ASSERT_TRUE(partial.checks.Passed());
                    const TCirclePartialFlow p = CirclePartialFlow(flow.dc, flow.Qv, flow.vv, Q);
                    EXPECT_EQ(partial.flow.h, p.h);
                    EXPECT_EQ(partial.flow.vt, p.vt);
                    EXPECT_EQ(o.results[CircleH], shown(partial.labels.h));
                    EXPECT_EQ(o.results[CircleHd], shown(partial.labels.hd));
                    EXPECT_EQ(o.results[CircleQq], shown(partial.labels.qq));
                    EXPECT_EQ(o.results[CircleVt], shown(partial.labels.vt));
                }
}

// Over a grid of inputs, every text equals the channel page's label of the
// page's run on the same fields, and the run calculates what the calculation gives.
TEST(ChannelReach, GridMatchesThePageLabels)
{
    const auto trimmed = [](const std::string& label) { return std::string(TrimBlanks(label)); };
    for (double Q : {1.0, 500.0, 20000.0})
        for (double b : {20.0, 300.0})
            for (double angle : {10.0, 45.0, 90.0}) {
                const std::vector<std::string> f{"",    Fmt("%.0f", Q),     "1",  "35", "30", "25", Fmt("%.0f", b),
                                                 "200", Fmt("%.0f", angle), "1:2"};
                const TReachOutcome o = CalculateChannelReach(f);
                const TChannelPageTexts page{f[ChannelQ],          f[ChannelIs],       f[ChannelKstBottom],
                                             f[ChannelKstLeft],    f[ChannelKstRight], f[ChannelB],
                                             f[ChannelHp],         TBankForm::ByAngle, f[ChannelBankLeft],
                                             {},                   TBankForm::BySlope, {},
                                             "2"};
                const TChannelRun run = RunChannel(page);
                TChannelInput in{Q, 1, 35, 30, 25, b, 200, ByAngle(angle), BySlope(2)};
                TChannelResult r;
                try {
                    r = CalculateChannel(in);
                } catch (const CalculationError& e) {
                    EXPECT_EQ(o.status, e.what());
                    ASSERT_FALSE(run.Passed());
                    EXPECT_EQ(run.checks.First().message, e.what());
                    continue;
                }
                ASSERT_TRUE(run.Passed());
                EXPECT_EQ(run.result.h, r.h);
                EXPECT_EQ(run.result.v, r.v);
                EXPECT_EQ(run.result.kstMean, r.kstMean);
                EXPECT_EQ(run.result.hgr, r.hgr);
                EXPECT_EQ(run.result.vgr, r.vgr);
                EXPECT_EQ(run.sketch.bWsp, r.bWsp);
                EXPECT_EQ(run.sketch.bProfil, r.bProfil);
                EXPECT_EQ(o.results[ChannelH], trimmed(run.labels.h));
                EXPECT_EQ(o.results[ChannelV], trimmed(run.labels.v));
                EXPECT_EQ(o.results[ChannelKstMean], trimmed(run.labels.kstMean));
                EXPECT_EQ(o.results[ChannelHgr], trimmed(run.labels.hgr));
                EXPECT_EQ(o.results[ChannelVgr], trimmed(run.labels.vgr));
                EXPECT_EQ(o.results[ChannelBWsp], trimmed(ChannelLabels(run.sketch).bWsp));
                EXPECT_EQ(o.results[ChannelBProfil], trimmed(ChannelLabels(run.sketch).bProfil));
                EXPECT_EQ(o.results[ChannelRegime], trimmed(run.labels.regime));
                EXPECT_EQ(o.results[ChannelRegime], RegimeWord(r.regime));
            }
}

// A required diameter just above a size is shown rounded to it ("250.0")
// but needs the next size: the size that was picked from the shown text
// left the pipe overloaded.
TEST(CircleReach, NominalSizeIsNeverBelowTheUnroundedRequiredDiameter)
{
    const std::vector<std::string> reported{"", "", "1,5", "5", "42,58", "", "82,7", "nein"};
    const TReachOutcome o = CalculateCircleReach(reported, TReachOptions{});
    EXPECT_EQ(o.results,
              (std::vector<std::string>{"300", "69.12", "0.98", "17.1", "56.9", "61.6", "1.03", "250.0", "300"}));
    EXPECT_EQ(o.status, "berechnet");

    struct TieCase {
        const char* Q;
        const char* hd;
        const char* kb;
        const char* Is;
        const char* use09;
        const char* dRequired;  // as shown
        const char* DN;
    };
    // Required diameters a few hundredths of a millimetre either side of a
    // size, and some that land on it exactly.
    // clang-format off
    const TieCase cases[] = {
        {"10,89", "82,7", "1,5", "5", "nein", "150.0", "150"},      // 149.990
        {"10,90", "82,7", "1,5", "5", "nein", "150.0", "200"},      // 150.040
        {"23,49", "82,7", "1,5", "5", "nein", "200.0", "200"},      // 200 exactly
        {"23,50", "82,7", "1,5", "5", "nein", "200.0", "250"},      // 200.030
        {"42,56", "82,7", "1,5", "5", "nein", "250.0", "250"},      // 249.990
        {"42,57", "82,7", "1,5", "5", "nein", "250.0", "300"},      // 250.016
        {"69,10", "82,7", "1,5", "5", "nein", "300.0", "300"},      // 299.990
        {"69,11", "82,7", "1,5", "5", "nein", "300.0", "350"},      // 300.004
        {"148,21", "82,7", "1,5", "5", "nein", "400.0", "400"},     // 399.998
        {"148,22", "82,7", "1,5", "5", "nein", "400.0", "450"},     // 400.008
        {"924,58", "82,7", "1,5", "5", "nein", "800.0", "800"},     // 799.997
        {"924,59", "82,7", "1,5", "5", "nein", "800.0", "900"},     // 800.0002
        {"4825,45", "82,7", "1,5", "5", "nein", "1500.0", "1500"},  // 1499.9999
        {"4825,46", "82,7", "1,5", "5", "nein", "1500.0", "1600"},  // 1500.001
        {"6,8", "82,7", "0,75", "2", "ja", "150.0", "200"},         // 150.010
        {"64,56", "82,7", "0,75", "2", "ja", "350.0", "350"},       // 350 exactly
        {"64,57", "82,7", "0,75", "2", "ja", "350.0", "400"},       // 350.020
        {"3509,43", "82,7", "0,75", "2", "ja", "1600.0", "1600"},   // 1600 exactly
        {"3509,44", "82,7", "0,75", "2", "ja", "1600.0", "1800"},   // 1600.0017
        {"61,20", "50", "0,25", "10", "nein", "300.0", "300"},      // 299.990
        {"61,21", "50", "0,25", "10", "nein", "300.0", "350"},      // 300.010
        {"712,67", "70", "1,5", "1", "ja", "1100.0", "1100"},       // 1100 exactly
        {"712,68", "70", "1,5", "1", "ja", "1100.0", "1200"},       // 1100.006
        {"4395,17", "70", "1,5", "1", "ja", "2200.0", "2200"},      // 2199.9986
        {"4395,18", "70", "1,5", "1", "ja", "2200.0", "2400"},      // 2200.0006
    };
    // clang-format on
    for (const TieCase& c : cases) {
        const std::vector<std::string> f{"", "", c.kb, c.Is, c.Q, "", c.hd, c.use09};
        const TReachOutcome r = CalculateCircleReach(f, TReachOptions{});
        EXPECT_EQ(r.results[CircleDRequired], c.dRequired) << c.Q;
        EXPECT_EQ(r.results[CircleDN], c.DN) << c.Q;
        EXPECT_EQ(r.status, "berechnet") << c.Q;
        const auto number = [](const char* text) { return ReadNumberField(text).value; };
        const TCircleDesign design =
            CircleDesign(number(c.Q), number(c.hd), number(c.kb), number(c.Is), std::string(c.use09) == "ja");
        EXPECT_GE(number(r.results[CircleDN].c_str()), design.D) << c.Q;
    }
}

TEST(CircleReach, CustomSeriesPicksItsSmallestSizeNotBelowTheRequiredDiameter)
{
    TReachOptions options;
    options.series = *ParseNominalSeries("1000; 358 359,359");
    EXPECT_EQ(options.series, (TNominalSeries{358, 359, 1000}));
    const std::vector<std::string> f{"", "", "1,5", "5", "100", "", "82,7", ""};
    EXPECT_EQ(CalculateCircleReach(f, options).results[CircleDN], "359");
    options.series = {300, 358, 1000};
    EXPECT_EQ(CalculateCircleReach(f, options).results[CircleDN], "1000");
    // a diameter just above the largest size is not shown as that size
    options.series = {150, 250};
    const std::vector<std::string> tie{"", "", "1,5", "5", "42,58", "", "82,7", "nein"};
    EXPECT_EQ(CalculateCircleReach(tie, options).status, "d erf 250.0380 mm liegt über der größten Nennweite 250 mm");
}

TEST(NominalSeries, RejectsWhatIsNoSeries)
{
    for (const char* text : {"", " ; ", "150 abc", "0", "150 20000", "150.5", "-150"})
        EXPECT_FALSE(ParseNominalSeries(text)) << text;
}

TEST(YesNo, WordsOfSpreadsheets)
{
    for (const char* yes : {"ja", "JA", " x ", "1", "J", "WAHR"})
        EXPECT_EQ(ParseYesNo(yes, false), true) << yes;
    for (const char* no : {"nein", "0", "N", "FALSCH"})
        EXPECT_EQ(ParseYesNo(no, true), false) << no;
    EXPECT_EQ(ParseYesNo("", true), true);
    EXPECT_EQ(ParseYesNo("  ", false), false);
    EXPECT_FALSE(ParseYesNo("jo", false));
}

}  // namespace
}  // namespace fluvara
