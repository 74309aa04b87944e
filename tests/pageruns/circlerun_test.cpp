// The circular pages' runs: what each page shows for known pipes, with the
// padding of its labels, its result lines and its sketch.

#include "designrun.h"
#include "verificationrun.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fluvara {
namespace {

std::vector<std::string> FullLabels(const TFullFlowRun& run)
{
    const TFullFlowLabels& l = run.labels;
    return {l.d, l.kb, l.Is, l.Qv, l.vv};
}

std::vector<std::string> PartialLabels(const TPartialFlowRun& run)
{
    const TPartialFlowLabels& l = run.labels;
    return {l.Qt, l.qq, l.h, l.hd, l.vt};
}

std::vector<std::string> DesignLabels(const TDesignRun& run)
{
    const TDesignLabels& l = run.labels;
    return {l.Q, l.hd, l.kb, l.Is, l.D, l.h, l.vt, l.Qv, l.vv, l.qq};
}

std::vector<int> Fields(const TRunChecks& checks)
{
    std::vector<int> fields;
    for (const TRunFailure& f : checks.failures)
        fields.push_back(f.field);
    return fields;
}

TEST(FullFlowRun, LabelsAsThePageShowsThem)
{
    const struct {
        TFullFlowInput input;
        std::vector<std::string> labels;  // DN, kb, Is, Qv, vv
    } cases[] = {
        {{"300", "1,5", "5", true}, {"285.00 ", "1.5 ", "5 ", "60.32 ", "0.95 "}},
        {{"300", "1,5", "5", false}, {"300 ", "1.5 ", "5 ", "69.12 ", "0.98 "}},
        {{"1000", "0.75", "2", false}, {"1000 ", "0.75 ", "2 ", "1138.86 ", "1.45 "}},
        {{"3000", "1,5", "500", false}, {"3000 ", "1.5 ", "500 ", "296784.21 ", "41.99 "}},
        {{"300", "1,2,5", "5", false}, {"300 ", "1.2.5 ", "5 ", "71.35 ", "1.01 "}},
    };
    for (const auto& c : cases) {
        const TFullFlowRun run = RunFullFlow(c.input);
        ASSERT_TRUE(run.checks.Passed()) << c.input.d;
        EXPECT_TRUE(run.fieldsPassed);
        EXPECT_EQ(FullLabels(run), c.labels) << c.input.d;
        EXPECT_EQ(run.sketch.Full, 1);
        EXPECT_EQ(run.sketch.LabelsOnly, 0);
        EXPECT_EQ(run.sketch.d, run.flow.dc);
        EXPECT_EQ(run.sketch.h, run.sketch.d * 0.1);
    }
}

TEST(FullFlowRun, ResultLinesAndPipeOfThe95PercentBox)
{
    const TFullFlowRun run = RunFullFlow({"300", "1,5", "5", true});
    ASSERT_TRUE(run.checks.Passed());
    EXPECT_EQ(run.dEntered, 300.0);
    EXPECT_EQ(run.flow.dc, 285.0);
    const TResultLines lines = CircleResultLines(run);
    EXPECT_EQ(lines.Count(), 17);
    EXPECT_EQ(lines.Line(0), "------------------------------------------- ");
    EXPECT_EQ(lines.Line(3), " Innendurchmesser       d   =  300.00 mm     ");
    EXPECT_EQ(lines.Line(4), " lichte Weite          l.W. =  285.00 mm     ");
    EXPECT_EQ(lines.Line(8), " Abflußmenge Vollfüll.  Qv  =   60.32 l/s    ");
    EXPECT_EQ(lines.Line(9), " Geschwindig.Vollfüll.  Vv  =    0.95 m/s    ");
    for (int i = 11; i <= 16; ++i)
        EXPECT_EQ(lines.Line(i), "") << i;
    EXPECT_EQ(run.sketch.d, 285.0);
}

TEST(FullFlowRun, EveryFailingFieldInThePagesOrder)
{
    const struct {
        TFullFlowInput input;
        std::string first;  // what the page shows
        std::vector<int> fields;
    } cases[] = {
        {{"", "1,5", "5"}, "d-Wert ist ungültig ( >=100 und <=3000 )", {VerificationD}},
        {{"-", "1,5", "5"}, "d-Wert darf nicht negativ sein", {VerificationD}},
        {{"5-", "1,5", "5"}, "d-Wert ist nicht nummerisch", {VerificationD}},
        {{"20", "7", "5"}, "d-Wert ist ungültig ( >=100 und <=3000 )", {VerificationD, VerificationKb}},
        {{"300", "+1", "5"}, "kb-Wert ist nicht nummerisch", {VerificationKb}},
        {{"300", "1,5", " 5"}, "Is-Wert ist nicht nummerisch", {VerificationIs}},
        {{"2000", "9", "500.1"}, "kb-Wert ist ungültig ( >=0.25 und <=1.5 )", {VerificationKb, VerificationIs}},
        {{"", "", ""}, "d-Wert ist ungültig ( >=100 und <=3000 )", {VerificationD, VerificationKb, VerificationIs}},
    };
    for (const auto& c : cases) {
        const TFullFlowRun run = RunFullFlow(c.input);
        ASSERT_FALSE(run.checks.Passed()) << c.first;
        EXPECT_FALSE(run.fieldsPassed);
        EXPECT_EQ(run.checks.First().message, c.first);
        EXPECT_EQ(Fields(run.checks), c.fields) << c.first;
        EXPECT_EQ(run.labels.Qv, "");
    }
}

TEST(PartialFlowRun, LabelsLinesAndSketchInTheLastPipe)
{
    const TFullFlowRun full = RunFullFlow({"300", "1,5", "5", false});
    const TPartialFlowRun run = RunPartialFlow(&full, "40");
    ASSERT_TRUE(run.checks.Passed());
    EXPECT_EQ(PartialLabels(run), (std::vector<std::string>{"40 ", "57.9 ", "16.4 ", "54.7 ", "1.01 "}));
    const TResultLines lines = CircleResultLines(full, run);
    const TResultLines fullLines = CircleResultLines(full);
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(lines.Line(i), fullLines.Line(i)) << i;
    EXPECT_EQ(lines.Line(11), " Abflußmenge Teilfüll.  Qt  =   40.00 l/s    ");
    EXPECT_EQ(lines.Line(12), " Füllhöhe               h   =   16.40 cm     ");
    EXPECT_EQ(lines.Line(13), " Verhältnis             h/d =   54.67 o/o    ");
    EXPECT_EQ(lines.Line(14), " Verhältnis           Qt/Qv =   57.87 o/o    ");
    EXPECT_EQ(lines.Line(15), " Geschwindig.Teilfüll.  Vt  =    1.01 m/s    ");
    EXPECT_EQ(lines.Line(16), "------------------------------------------- ");
    EXPECT_EQ(run.sketch.Full, 0);
    EXPECT_EQ(run.sketch.LabelsOnly, 0);
    EXPECT_EQ(run.sketch.d, 300.0);
    EXPECT_NEAR(run.sketch.h, 16.40, 0.005);
    EXPECT_EQ(run.Qt, 40.0);
    EXPECT_FALSE(run.overloaded);

    // the bounds are inclusive
    const TPartialFlowRun brim = RunPartialFlow(&full, "69,12");
    ASSERT_TRUE(brim.checks.Passed());
    EXPECT_EQ(brim.labels.hd, "82.7 ");
    EXPECT_EQ(brim.labels.qq, "100.0 ");
}

TEST(PartialFlowRun, FailuresAndTheOverload)
{
    const TFullFlowRun full = RunFullFlow({"300", "1,5", "5", false});
    const struct {
        const char* Qt;
        const char* message;
        bool overloaded;
        const char* ratio;
    } cases[] = {
        {"70", "Qt-Wert ist ungültig ( >=1 und <=69.12 )", true, "101.3 "},
        {"", "Qt-Wert ist ungültig ( >=1 und <=69.12 )", false, ""},
        {"0,9", "Qt-Wert ist ungültig ( >=1 und <=69.12 )", false, ""},
        {"-4", "Qt-Wert darf nicht negativ sein", false, ""},
        {"4a", "Qt-Wert ist nicht nummerisch", false, ""},
    };
    for (const auto& c : cases) {
        const TPartialFlowRun run = RunPartialFlow(&full, c.Qt);
        ASSERT_FALSE(run.checks.Passed()) << c.Qt;
        EXPECT_EQ(run.checks.First().message, c.message);
        EXPECT_EQ(Fields(run.checks), std::vector<int>{VerificationQt}) << c.Qt;
        EXPECT_EQ(run.overloaded, c.overloaded) << c.Qt;
        EXPECT_EQ(run.overloadRatio, c.ratio) << c.Qt;
        EXPECT_EQ(run.labels.h, "");
    }
    // above the full flow beyond any ratio: overloaded, but no number to show
    const TFullFlowRun tiny = RunFullFlow({"100", "0,25", "0,1", false});
    EXPECT_EQ(tiny.labels.Qv, "0.55 ");
    const TPartialFlowRun far = RunPartialFlow(&tiny, std::string(400, '9'));
    EXPECT_TRUE(far.overloaded);
    EXPECT_EQ(far.overloadRatio, "");
    // a discharge below 1 l/s in a pipe that carries less is no overload
    EXPECT_FALSE(RunPartialFlow(&tiny, "0,8").overloaded);
}

TEST(PartialFlowRun, NoPipeToFillWithoutAFullFlow)
{
    const TFullFlowRun failed = RunFullFlow({"", "1,5", "5", false});
    for (const TFullFlowRun* full : {static_cast<const TFullFlowRun*>(nullptr), &failed}) {
        const TPartialFlowRun run = RunPartialFlow(full, "40");
        ASSERT_FALSE(run.checks.Passed());
        EXPECT_EQ(run.checks.First().message, "Bitte zuerst die Vollfüllung berechnen");
        EXPECT_EQ(Fields(run.checks), std::vector<int>{VerificationD});
    }
}

TEST(DesignRun, LabelsAsThePageShowsThem)
{
    const struct {
        TDesignInput input;
        std::vector<std::string> labels;  // Q, h/d, kb, Is, D, h, vt, Qv, vv, Qt/Qv
    } cases[] = {
        {{"100", "82,7", "1,5", "5", true},
         {"111.11 ", "82.7 ", "1.5 ", "5 ", " 358.8 ", "  29.7 ", "  1.24 ", " 111.1 ", "  1.10 ", " 100.0 "}},
        {{"100", "82,7", "1,5", "5", false},
         {"100 ", "82.7 ", "1.5 ", "5 ", " 344.8 ", "  28.5 ", "  1.21 ", " 100.0 ", "  1.07 ", " 100.0 "}},
        {{"100", "50", "1,5", "5", true},
         {"111.11 ", "50 ", "1.5 ", "5 ", " 466.1 ", "  23.3 ", "  1.30 ", " 222.2 ", "  1.30 ", "  50.0 "}},
        {{"5000", "10", "1,5", "0,1", true},
         {"5555.56 ", "10 ", "1.5 ", "0.1 ", "14472.5 ", " 144.7 ", "  0.65 ", "251333.1 ", "  1.53 ", "   2.2 "}},
    };
    for (const auto& c : cases) {
        const TDesignRun run = RunDesign(c.input);
        ASSERT_TRUE(run.checks.Passed()) << c.input.Q;
        EXPECT_EQ(DesignLabels(run), c.labels);
        EXPECT_EQ(run.sketch.d, run.design.D);
        EXPECT_EQ(run.sketch.h, run.design.h);
        EXPECT_EQ(run.sketch.Full, 0);
        EXPECT_EQ(run.sketch.LabelsOnly, 0);
    }
}

TEST(DesignRun, EveryFailingFieldInThePagesOrder)
{
    const struct {
        TDesignInput input;
        std::string first;
        std::vector<int> fields;
    } cases[] = {
        {{"", "82,7", "1,5", "5"}, "Q-Wert ist ungültig ( >=1 und <=5000 )", {DesignQ}},
        {{"100", "82,8", "1,5", "5"}, "h/d-Wert ist ungültig ( >=10 und <=82.7 )", {DesignHd}},
        {{"100", "82,7", "2", "5"}, "kb-Wert ist ungültig ( >=0.25 und <=1.5 )", {DesignKb}},
        {{"100", "82,7", "1,5", "0"}, "Is-Wert ist ungültig ( >=0.1 und <=500 )", {DesignIs}},
        {{"5001", "82,7", "1,5", "5"}, "Q-Wert ist ungültig ( >=1 und <=5000 )", {DesignQ}},
        {{"", "9", "2", "0"}, "Q-Wert ist ungültig ( >=1 und <=5000 )", {DesignQ, DesignHd, DesignKb, DesignIs}},
    };
    for (const auto& c : cases) {
        const TDesignRun run = RunDesign(c.input);
        ASSERT_FALSE(run.checks.Passed()) << c.first;
        EXPECT_EQ(run.checks.First().message, c.first);
        EXPECT_EQ(Fields(run.checks), c.fields) << c.first;
        EXPECT_EQ(run.labels.D, "");
    }
}

// A reading that refuses a text first: its reason follows the field's subject.
TEST(NumberReading, ARefusedTextFailsWithTheReadingsReason)
{
    const TNumberReading refuseGrouped = [](std::string_view text) {
        TRunNumber number = PageReading(text);
        if (text == "2.500")
            number.refusal = "ist mehrdeutig";
        return number;
    };
    const TFullFlowRun run = RunFullFlow({"2.500", "1,5", "5", false}, refuseGrouped);
    ASSERT_FALSE(run.checks.Passed());
    EXPECT_EQ(run.checks.First().message, "d-Wert ist mehrdeutig");
    // the page reads the same text as 2.5 mm
    EXPECT_EQ(RunFullFlow({"2.500", "1,5", "5", false}).checks.First().message,
              "d-Wert ist ungültig ( >=100 und <=3000 )");
}

}  // namespace
}  // namespace fluvara
