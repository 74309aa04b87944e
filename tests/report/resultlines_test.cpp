#include "resultlines.h"
#include "testlines.h"

#include "textformat.h"

#include <gtest/gtest.h>

namespace fluvara {
namespace {

std::vector<std::string> Lines(const TResultLines& table)
{
    std::vector<std::string> lines;
    for (int i = 0; i < table.Count(); ++i)
        lines.push_back(table.Line(i));
    return lines;
}

TEST(ResultLines, InitialContent)
{
    const std::vector<std::string> circle = Lines(MakeCircleResultLines());
    ASSERT_EQ(circle.size(), 17u);
    EXPECT_EQ(circle[0], " ");
    for (std::size_t i = 1; i < circle.size(); ++i)
        EXPECT_EQ(circle[i], "") << i;
    const std::vector<std::string> channel = Lines(MakeChannelResultLines());
    ASSERT_EQ(channel.size(), 25u);
    EXPECT_EQ(channel[0], " ");
    for (std::size_t i = 1; i < channel.size(); ++i)
        EXPECT_EQ(channel[i], "") << i;
    EXPECT_EQ(DashLine, "------------------------------------------- ");
    EXPECT_EQ(DashLine.size(), 44u);
}

TEST(CircleResultLines, FullFlowReport)
{
    TResultLines table = MakeCircleResultLines();
    WriteCirclePartialFlowLines(table, 40, 16.4, 54.67, 57.87, 1.0117);  // from an earlier run
    WriteCircleFullFlowLines(table, 300, 285, 1.5, 5, 60.32, 0.945562);
    const std::vector<std::string> expected{
        "------------------------------------------- ",
        " Abflußwerte Kreisprofil                     ",
        "------------------------------------------- ",
        " Innendurchmesser       d   =  300.00 mm     ",
        " lichte Weite          l.W. =  285.00 mm     ",
        " Betriebsrauhigkeit     kb  =    1.50 mm     ",
        " Gefälle                Is  =    5.00 o/oo   ",
        "------------------------------------------- ",
        " Abflußmenge Vollfüll.  Qv  =   60.32 l/s    ",
        " Geschwindig.Vollfüll.  Vv  =    0.95 m/s    ",
        "------------------------------------------- ",
        "",
        "",
        "",
        "",
        "",
        "",
    };
    EXPECT_EQ(Lines(table), expected);
    // value lines are 45 characters (not bytes: ß and ä count once)
    for (int i : {1, 3, 4, 5, 6, 8, 9})
        EXPECT_EQ(Utf8Length(table.Line(i)), 45u) << i;
}

TEST(CircleResultLines, PartialFlowKeepsTheFullFlowReport)
{
    TResultLines table = MakeCircleResultLines();
    WriteCircleFullFlowLines(table, 300, 300, 1.5, 5, 69.12, 0.977944);
    const std::vector<std::string> before = Lines(table);
    WriteCirclePartialFlowLines(table, 40, 16.40, 54.67, 57.87, 1.0117);
    const std::vector<std::string> after = Lines(table);
    EXPECT_EQ(std::vector<std::string>(after.begin(), after.begin() + 11),
              std::vector<std::string>(before.begin(), before.begin() + 11));
    const std::vector<std::string> expected{
        " Abflußmenge Teilfüll.  Qt  =   40.00 l/s    ", " Füllhöhe               h   =   16.40 cm     ",
        " Verhältnis             h/d =   54.67 o/o    ", " Verhältnis           Qt/Qv =   57.87 o/o    ",
        " Geschwindig.Teilfüll.  Vt  =    1.01 m/s    ", "------------------------------------------- ",
    };
    EXPECT_EQ(std::vector<std::string>(after.begin() + 11, after.end()), expected);
    for (int i = 11; i <= 15; ++i)
        EXPECT_EQ(Utf8Length(table.Line(i)), 45u) << i;
}

TEST(CircleResultLines, WideNumberWidensItsLine)
{
    TResultLines table = MakeCircleResultLines();
    WriteCircleFullFlowLines(table, 3000, 3000, 1.5, 500, 296784.21, 41.986378);
    EXPECT_EQ(table.Line(8), " Abflußmenge Vollfüll.  Qv  = 296784.21 l/s    ");
    EXPECT_EQ(Utf8Length(table.Line(8)), 47u);
    EXPECT_EQ(table.Line(3), " Innendurchmesser       d   = 3000.00 mm     ");
}

TEST(ResultLines, ClearEmptiesTheGivenRange)
{
    TResultLines table = MakeCircleResultLines();
    WriteCircleFullFlowLines(table, 300, 300, 1.5, 5, 69.12, 0.977944);
    table.Clear(0, 16);
    for (int i = 0; i < table.Count(); ++i)
        EXPECT_EQ(table.Line(i), "") << i;
}

TEST(ResultLines, SlotHoldsAtMost99Characters)
{
    TResultLines table(1);
    table.Set(0, std::string(98, 'x') + "äöü");
    EXPECT_EQ(Utf8Length(table.Line(0)), 99u);
    EXPECT_EQ(table.Line(0), std::string(98, 'x') + "ä");
}

TEST(ChannelResultLines, AllLinesOfTheFirstExample)
{
    TResultLines table = MakeChannelResultLines();
    TChannelInput in;
    in.Q = 500;
    in.Is = 2;
    in.kstBottom = in.kstLeft = in.kstRight = 30;
    in.b = 100;
    in.hp = 100;
    TChannelResult r;
    r.kstMean = 30;
    r.alpha = 45;
    r.mLeft = 1;
    r.beta = 45;
    r.mRight = 1;
    r.h = 52.23;
    r.hgr = 26.9;
    r.v = 0.63;
    r.vgr = 1.46;
    r.bWsp = 204.46;
    r.bProfil = 300;
    r.regime = TFlowRegime::Subcritical;
    WriteChannelResultLines(table, in, r);
    EXPECT_EQ(Lines(table), test::FirstChannelExampleLines());
    for (int i : {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 16, 17, 18, 19, 20, 21})
        EXPECT_EQ(Utf8Length(table.Line(i)), 45u) << i;
    EXPECT_EQ(Utf8Length(table.Line(12)), 43u);
    EXPECT_EQ(Utf8Length(table.Line(14)), 43u);
}

TEST(ChannelResultLines, RegimeTextAsThePageShowsIt)
{
    EXPECT_EQ(ChannelRegimeText(TFlowRegime::Subcritical), " strömend");
    EXPECT_EQ(ChannelRegimeText(TFlowRegime::Supercritical), " schießend");
    EXPECT_EQ(ChannelRegimeText(TFlowRegime::Overflowing), " läuft über");
}

TEST(ChannelResultLines, VerticalBankAndWideDischarge)
{
    TResultLines table = MakeChannelResultLines();
    TChannelInput in;
    in.Q = 99000;
    TChannelResult r;
    r.mLeft = 0;
    r.regime = TFlowRegime::Overflowing;
    WriteChannelResultLines(table, in, r);
    EXPECT_EQ(table.Line(3), "Durchflußmenge         Q   = 99000.00 l/s    ");
    EXPECT_EQ(table.Line(12), "Profilsteigung li      m   = 1:  0.00      ");
    EXPECT_EQ(table.Line(23), "Abfluß                     =  läuft über  ");
}

}  // namespace
}  // namespace fluvara
