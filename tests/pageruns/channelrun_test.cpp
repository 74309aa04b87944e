// The channel page's run, and a channel reach of a list as the same run.

#include "channelrun.h"

#include "reach.h"
#include "testlines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fluvara {
namespace {

// One channel as typed: a bank given by its slope fills the slope field.
struct TEntry {
    std::string Q = "500", Is = "2", kstS = "30", kstU = "30", kstU2 = "30", b = "100", hp = "100";
    std::string left = "45", right = "45";
    bool leftSlope = false, rightSlope = false;
};

TChannelPageTexts PageTexts(const TEntry& e)
{
    TChannelPageTexts t;
    t.Q = e.Q;
    t.Is = e.Is;
    t.kstBottom = e.kstS;
    t.kstLeft = e.kstU;
    t.kstRight = e.kstU2;
    t.b = e.b;
    t.hp = e.hp;
    t.leftForm = e.leftSlope ? TBankForm::BySlope : TBankForm::ByAngle;
    (e.leftSlope ? t.leftSlope : t.leftAngle) = e.left;
    t.rightForm = e.rightSlope ? TBankForm::BySlope : TBankForm::ByAngle;
    (e.rightSlope ? t.rightSlope : t.rightAngle) = e.right;
    return t;
}

// The same channel as a list row: a bank cell "45" or "1:1,5".
std::vector<std::string> ListRow(const TEntry& e)
{
    const auto bank = [](const std::string& text, bool slope) { return slope ? "1:" + text : text; };
    return {"G", e.Q, e.Is, e.kstS, e.kstU, e.kstU2, e.b, e.hp, bank(e.left, e.leftSlope), bank(e.right, e.rightSlope)};
}

std::string Trimmed(const std::string& label) { return std::string(TrimBlanks(label)); }

// The list's column of each of the run's fields.
int ListField(int runField)
{
    const int columns[] = {ChannelQ,  ChannelIs,       ChannelKstBottom, ChannelKstLeft,   ChannelKstRight, ChannelB,
                           ChannelHp, ChannelBankLeft, ChannelBankLeft,  ChannelBankRight, ChannelBankRight};
    return columns[runField];
}

struct TRowCase {
    const char* name;
    TEntry entry;
    std::string shown;         // the regime label for a result, the first message for a refusal
    std::vector<int> failing;  // the run's failing fields
};

std::vector<TRowCase> RowCases()
{
    const auto entry = [](std::vector<std::string> t, bool leftSlope = false, bool rightSlope = false) {
        return TEntry{t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], leftSlope, rightSlope};
    };
    const auto example = [](std::string TEntry::*field, const char* text, bool leftSlope = false,
                            bool rightSlope = false) {
        TEntry e;
        e.leftSlope = leftSlope;
        e.rightSlope = rightSlope;
        if (leftSlope)
            e.left = "1";
        if (rightSlope)
            e.right = "1";
        e.*field = text;
        return e;
    };
    return {
        {"example", TEntry{}, " strömend", {}},
        {"slopes", entry({"10", "1", "30", "30", "30", "50", "50", "1,5", "2"}, true, true), " strömend", {}},
        {"60 and vertical", entry({"1000", "1", "40", "25", "25", "200", "80", "60", "90"}), " strömend", {}},
        {"shooting", entry({"200", "20", "70", "30", "30", "50", "60", "30", "3"}, false, true), " schießend", {}},
        {"smallest depth", entry({"1", "500", "100", "100", "100", "3000", "10", "10", "10"}), " schießend", {}},
        {"overflowing", entry({"2000", "5", "60", "60", "60", "150", "50", "90", "90"}), " läuft über", {}},
        {"slopes overflowing",
         entry({"15000", "0,8", "45", "30", "30", "400", "120", "2", "2"}, true, true),
         " läuft über",
         {}},
        {"Q empty", example(&TEntry::Q, ""), "Q-Wert ist ungültig ( >=1 und <=99000 )", {ChannelRunQ}},
        {"Is blank", example(&TEntry::Is, "1 "), "Is-Wert ist nicht nummerisch", {ChannelRunIs}},
        {"kst bottom", example(&TEntry::kstS, "-30"), "kst-Wert Sohle darf nicht negativ sein", {ChannelRunKstBottom}},
        {"kst left",
         example(&TEntry::kstU, "5"),
         "kst-Wert Ufer links ist ungültig ( >=10 und <=100 )",
         {ChannelRunKstLeft}},
        {"kst right",
         example(&TEntry::kstU2, "3e1"),
         "kst-Wert Ufer rechts ist nicht nummerisch",
         {ChannelRunKstRight}},
        {"b point", example(&TEntry::b, "."), "b-Wert ist ungültig ( >=1 und <=3000 )", {ChannelRunB}},
        {"hp", example(&TEntry::hp, "-100"), "hp-Wert darf nicht negativ sein", {ChannelRunHp}},
        {"left angle", example(&TEntry::left, "x"), "Winkel links ist nicht nummerisch", {ChannelRunLeftAngle}},
        {"left slope",
         example(&TEntry::left, "", true),
         "Steigung links ist ungültig ( >=1 und <=5 )",
         {ChannelRunLeftSlope}},
        {"right angle",
         example(&TEntry::right, "100"),
         "Winkel rechts ist ungültig ( >=10 und <=90 )",
         {ChannelRunRightAngle}},
        {"right slope",
         example(&TEntry::right, "0,5", false, true),
         "Steigung rechts ist ungültig ( >=1 und <=5 )",
         {ChannelRunRightSlope}},
        {"several fields",
         entry({"0", "-2", "30", "30", "30", "100", "100", "45", "5"}),
         "Q-Wert ist ungültig ( >=1 und <=99000 )",
         {ChannelRunQ, ChannelRunIs, ChannelRunRightAngle}},
        {"depth bound",
         entry({"99000", "0,1", "10", "10", "10", "1", "100", "90", "90"}),
         "Fließtiefe über 50 m: Eingaben prüfen",
         {ChannelRunQ}},
    };
}

TEST(ChannelRun, AListRowIsThePagesRun)
{
    for (const TRowCase& c : RowCases()) {
        SCOPED_TRACE(c.name);
        const TChannelRun run = RunChannel(PageTexts(c.entry));
        const TReachOutcome row = CalculateChannelReach(ListRow(c.entry));
        std::vector<int> failing;
        for (const TRunFailure& failure : run.checks.failures)
            failing.push_back(failure.field);
        EXPECT_EQ(failing, c.failing);
        if (!run.Passed()) {
            EXPECT_EQ(run.checks.First().message, c.shown);
            EXPECT_TRUE(row.refused);
            EXPECT_EQ(row.status, run.checks.First().message);
            ASSERT_EQ(row.errors.size(), run.checks.failures.size());
            for (std::size_t i = 0; i < row.errors.size(); ++i) {
                EXPECT_EQ(row.errors[i].field, ListField(run.checks.failures[i].field));
                EXPECT_EQ(row.errors[i].message, run.checks.failures[i].message);
            }
            EXPECT_EQ(row.results, std::vector<std::string>(ChannelResultCount));
            continue;
        }
        EXPECT_EQ(run.labels.regime, c.shown);
        ASSERT_FALSE(row.refused) << row.status;
        EXPECT_TRUE(row.errors.empty());
        const TChannelLabels widths = ChannelLabels(run.sketch);
        const std::pair<int, std::string> columns[] = {
            {ChannelH, run.labels.h},         {ChannelV, run.labels.v},          {ChannelKstMean, run.labels.kstMean},
            {ChannelHgr, run.labels.hgr},     {ChannelVgr, run.labels.vgr},      {ChannelBWsp, widths.bWsp},
            {ChannelBProfil, widths.bProfil}, {ChannelRegime, run.labels.regime}};
        for (const auto& [column, label] : columns)
            EXPECT_EQ(row.results[static_cast<std::size_t>(column)], Trimmed(label)) << column;
        const bool overflowing = run.result.regime == TFlowRegime::Overflowing;
        EXPECT_EQ(row.status.rfind(overflowing ? "läuft über (h/hp = " : "berechnet", 0), 0u) << row.status;
    }
}

TEST(ChannelRun, ExampleLabelsWithTheirPadding)
{
    const TChannelRun run = RunChannel(PageTexts(TEntry{}));
    ASSERT_TRUE(run.Passed());
    EXPECT_TRUE(run.fieldsPassed);
    const TChannelLabelTexts& l = run.labels;
    EXPECT_EQ((std::vector<std::string>{l.Q, l.Is, l.kstMean, l.b, l.hp, l.leftAngle, l.leftSlope, l.rightAngle,
                                        l.rightSlope, l.h, l.hgr, l.v, l.vgr, l.regime}),
              (std::vector<std::string>{"500 ", "2 ", "30.0 ", "100 ", "100 ", "45 ", "1.00 ", "45 ", "1.00 ", "52.2 ",
                                        "26.9 ", "0.63 ", "1.46 ", " strömend"}));
    std::vector<std::string> lines;
    for (int i = 0; i < run.lines.Count(); ++i)
        lines.push_back(run.lines.Line(i));
    EXPECT_EQ(lines, test::FirstChannelExampleLines());
}

TEST(ChannelRun, ExampleSketchAndWhatTheRatingCurveTakes)
{
    const TChannelRun run = RunChannel(PageTexts(TEntry{}));
    const TChannelSketch& s = run.sketch;
    EXPECT_EQ(s.LabelsOnly, 0);
    EXPECT_EQ(s.hp, 100.0);
    EXPECT_EQ(s.b, 100.0);
    EXPECT_EQ(s.alpha, 45.0);
    EXPECT_EQ(s.beta, 45.0);
    EXPECT_GT(s.h, 52.2);
    EXPECT_LT(s.h, 52.3);
    const TChannelLabels labels = ChannelLabels(s);
    EXPECT_EQ((std::vector<std::string>{labels.h, labels.b, labels.hp, labels.alpha, labels.beta, labels.l1, labels.l2,
                                        labels.bWsp, labels.bProfil}),
              (std::vector<std::string>{"52.2 ", "100.0 ", "100.0 ", "45.0 ° ", "45.0 ° ", "100.0 ", "100.0 ", "204.5 ",
                                        "300.0 "}));
    const TChannelInput& in = run.input;
    EXPECT_EQ((std::vector<double>{in.Q, in.Is, in.kstBottom, in.kstLeft, in.kstRight, in.b, in.hp}),
              (std::vector<double>{500, 2, 30, 30, 30, 100, 100}));
    EXPECT_EQ(in.left.form, TBankForm::ByAngle);
    EXPECT_EQ(in.left.value, 45.0);
    EXPECT_EQ(in.right.form, TBankForm::ByAngle);
    EXPECT_EQ(run.result.h, s.h);
}

// Each bank is echoed in both forms; a vertical bank has no slope to show.
TEST(ChannelRun, BanksEchoedInBothForms)
{
    struct TCase {
        TEntry entry;
        std::vector<std::string> banks;    // left angle, left slope, right angle, right slope
        std::vector<std::string> results;  // h, v, kst mean, hgr, vgr
    };
    TEntry slopes{"10", "1", "30", "30", "30", "50", "50", "1,5", "2", true, true};
    TEntry vertical{"1000", "1", "40", "25", "25", "200", "80", "60", "90"};
    const TCase cases[] = {
        {slopes, {"33.7 ", "1.5 ", "26.6 ", "2 "}, {" 9.3 ", "0.16 ", "30.0 ", " 3.4 ", ""}},
        {vertical, {"60 ", "0.58 ", "90 ", "  "}, {"76.4 ", "0.59 ", "31.0 ", "29.1 ", "1.65 "}},
    };
    for (const TCase& c : cases) {
        const TChannelRun run = RunChannel(PageTexts(c.entry));
        ASSERT_TRUE(run.Passed());
        const TChannelLabelTexts& l = run.labels;
        EXPECT_EQ((std::vector<std::string>{l.leftAngle, l.leftSlope, l.rightAngle, l.rightSlope}), c.banks);
        const std::string results[] = {l.h, l.v, l.kstMean, l.hgr, l.vgr};
        for (std::size_t i = 0; i < c.results.size(); ++i) {
            if (!c.results[i].empty()) {
                EXPECT_EQ(results[i], c.results[i]) << i;
            }
        }
    }
}

TEST(ChannelRun, DecimalCommaIsEchoedAsPoint)
{
    TEntry entry;
    entry.Is = "0,5";
    entry.b = "100,0";
    const TChannelRun run = RunChannel(PageTexts(entry));
    EXPECT_EQ(run.labels.Is, "0.5 ");
    EXPECT_EQ(run.labels.b, "100.0 ");
    EXPECT_EQ(run.lines.Line(4), "Gefälle                Is  =     0.50 o/oo   ");
}

// The fields pass before the calculation refuses; a field that fails leaves
// no result behind.
TEST(ChannelRun, RefusedRunsShowNothing)
{
    TEntry bad;
    bad.right = "5";
    const TChannelRun checked = RunChannel(PageTexts(bad));
    EXPECT_FALSE(checked.fieldsPassed);
    EXPECT_EQ(checked.labels.leftAngle, "");
    EXPECT_EQ(checked.sketch.LabelsOnly, 1);
    EXPECT_EQ(checked.lines.Line(0), " ");

    const TEntry deep{"99000", "0,1", "10", "10", "10", "1", "100", "90", "90"};
    const TChannelRun calculated = RunChannel(PageTexts(deep));
    EXPECT_TRUE(calculated.fieldsPassed);
    EXPECT_FALSE(calculated.Passed());
    EXPECT_EQ(calculated.labels.h, "");
    EXPECT_EQ(calculated.sketch.LabelsOnly, 1);
}

}  // namespace
}  // namespace fluvara
