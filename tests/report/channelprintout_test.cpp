#include "channelprintout.h"
#include "channelrecords.h"
#include "recordingpage.h"
#include "recordingsurface.h"

#include "textformat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace fluvara {
namespace {

// The channel printout's drawing box and page unit on a 4800 x 6800 pixel page.
constexpr TPageRect drawingBox{470, 3927, 4329, 6307};
constexpr double UX = 235.2;

// Numbers as given, widths of b 100, hp 100, 45 degrees and h 50.
TChannelSketch Channel(double b, double hp, double alpha, double beta, double h)
{
    return test::ChannelRecord(hp, b, alpha, beta, h, 100, 100, 200, 300);
}

// A screen font 6 pixels per character: "50.0 " is 30 pixels wide.
int ScreenWidth(std::string_view text) { return static_cast<int>(Utf8Length(text)) * 6; }

// Courier New 10 points at 600 dpi: 50 pixels a character, 94 high.
test::TRecordingSurface PageSurface() { return test::TRecordingSurface("Courier New", 50, 94); }

test::TRecordingSurface Draw(const TChannelSketch& sketch, const TScreenTextWidth& width = ScreenWidth)
{
    test::TRecordingSurface surface = PageSurface();
    DrawChannelPrintout(surface, sketch, drawingBox, UX, width);
    return surface;
}

// The numbers of a channel with the widths the calculation gives it.
TChannelSketch Labelled(double b, double hp, double alpha, double beta, double h)
{
    return test::CalculatedChannel(hp, b, alpha, beta, h);
}

// The calls from the first one equal to `from`, `count` of them.
std::vector<std::string> Slice(const std::vector<std::string>& log, const std::string& from, std::size_t count)
{
    const auto start = std::find(log.begin(), log.end(), from);
    if (start == log.end())
        return {"missing " + from};
    return {start, start + std::min<std::ptrdiff_t>(count, log.end() - start)};
}

TEST(ChannelPrintout, ProfileOfOneMetreAtHalfDepth)
{
    // cxB 2399, yB 5513, wd 1629, hd 1040; k = sx1 = 1629 / 160, not wide, xc = 2399
    const std::vector<std::string> expected{
        "SetPenWidth(1)",
        "SetPenColor(255,128,0)",
        "SetBrushColor(255,128,0)",
        "Polygon(770,4495;872,4495;1890,5513;2908,5513;3926,4495;4028,4495;4028,5603;770,5603)",
        "SetPenColor(130,130,255)",
        "SetBrushColor(130,130,255)",
        "Polygon(1890,5513;2908,5513;3417,5004;1381,5004)",
        "SetPenColor(0,0,0)",
        "SetPenWidth(1)",
        "SetBrushColor(255,255,255)",
        "MoveTo(1381,4884)",
        "LineTo(3417,4884)",
        "Polygon(1381,4884;1414,4896;1414,4872)",
        "Polygon(3417,4884;3384,4896;3384,4872)",
        "MoveTo(1381,4854)",
        "LineTo(1381,4974)",
        "MoveTo(3417,4854)",
        "LineTo(3417,4974)",
        "TextOut(2369,4734,\"200.0 \")",
        "MoveTo(1890,5663)",
        "LineTo(2908,5663)",
        "Polygon(1890,5663;1923,5675;1923,5651)",
        "Polygon(2908,5663;2875,5675;2875,5651)",
        "MoveTo(1890,5543)",
        "LineTo(1890,5693)",
        "MoveTo(2908,5543)",
        "LineTo(2908,5693)",
        "TextOut(1890,5684,\"100.0 \")",
        "MoveTo(872,5663)",
        "LineTo(1890,5663)",
        "Polygon(872,5663;905,5675;905,5651)",
        "Polygon(1890,5663;1857,5675;1857,5651)",
        "MoveTo(872,5543)",
        "LineTo(872,5693)",
        "TextOut(992,5684,\"100.0 \")",
        "MoveTo(2908,5663)",
        "LineTo(3926,5663)",
        "Polygon(2908,5663;2941,5675;2941,5651)",
        "Polygon(3926,5663;3893,5675;3893,5651)",
        "MoveTo(3926,5543)",
        "LineTo(3926,5693)",
        "TextOut(3387,5684,\"100.0 \")",
        "MoveTo(872,5963)",
        "LineTo(3926,5963)",
        "Polygon(872,5963;905,5975;905,5951)",
        "Polygon(3926,5963;3893,5975;3893,5951)",
        "MoveTo(872,5693)",
        "LineTo(872,5993)",
        "MoveTo(3926,5693)",
        "LineTo(3926,5993)",
        "TextOut(2369,5993,\"300.0 \")",
        "MoveTo(740,4495)",
        "LineTo(740,5513)",
        "Polygon(740,4495;752,4528;728,4528)",
        "Polygon(740,5513;752,5480;728,5480)",
        "MoveTo(722,4495)",
        "LineTo(770,4495)",
        "MoveTo(722,5513)",
        "LineTo(1860,5513)",
        "TextOut(590,5004,\"100.0 \")",
        "MoveTo(1572,6029)",
        "LineTo(1656,6113)",
        "LineTo(1536,6113)",
        "TextOut(1572,6173,\"45.0 ° \")",
        "MoveTo(3105,6029)",
        "LineTo(3021,6113)",
        "LineTo(3141,6113)",
        "TextOut(3021,6173,\"45.0 ° \")",
        "TextOut(3810,6113,\"[cm]\")",
        "MoveTo(4058,5004)",
        "LineTo(4058,5513)",
        "Polygon(4058,5004;4070,5037;4046,5037)",
        "Polygon(4058,5513;4070,5480;4046,5480)",
        "MoveTo(4076,5004)",
        "LineTo(3432,5004)",
        "MoveTo(4076,5513)",
        "LineTo(2938,5513)",
        "TextOut(3518,5243,\"50.0 \")",
    };
    EXPECT_EQ(Draw(Channel(100, 100, 45, 45, 50)).Log(), expected);
}

struct TScaleCase {
    const char* name;
    TChannelSketch sketch;
    std::vector<std::string> ground;  // ground and water polygons
    std::string depthDimension;       // the start of the flow-depth dimension line
};

const TScaleCase scaleCases[] = {
    {"water above the profile: the water surface binds and is centred, depth dimension 30 px right of it",
     Channel(100, 50, 45, 45, 70),
     {"Polygon(906,4835;1042,4835;1721,5513;3077,5513;3756,4835;3892,4835;3892,5603;906,5603)",
      "Polygon(1721,5513;3077,5513;4028,4563;770,4563)"},
     "MoveTo(4058,4563)"},
    {"water surface as wide as the profile with its rims",
     Channel(100, 50, 45, 45, 60),
     {"Polygon(771,4773;919,4773;1659,5513;3139,5513;3879,4773;4027,4773;4027,5603;771,5603)",
      "Polygon(1659,5513;3139,5513;4028,4625;770,4625)"},
     "MoveTo(4058,4625)"},
    {"banks of 60 and 30 degrees: the axis moves left to 1864",
     Channel(100, 100, 60, 30, 50),
     {"Polygon(771,4585;864,4585;1400,5513;2328,5513;3936,4585;4028,4585;4028,5603;771,5603)",
      "Polygon(1400,5513;2328,5513;3132,5049;1132,5049)"},
     "MoveTo(4058,5049)"},
    {"vertical left bank",
     Channel(100, 100, 90, 45, 50),
     {"Polygon(1255,4473;1359,4473;1359,5513;2399,5513;3439,4473;3543,4473;3543,5603;1255,5603)",
      "Polygon(1359,5513;2399,5513;2919,4993;1359,4993)"},
     "MoveTo(3573,4993)"},
};

TEST(ChannelPrintout, ScaleAndCentring)
{
    for (const TScaleCase& c : scaleCases) {
        const test::TRecordingSurface surface = Draw(c.sketch);
        const std::vector<std::string> polygons = surface.Log({"Polygon"});
        EXPECT_EQ(std::vector<std::string>(polygons.begin(), polygons.begin() + 2), c.ground) << c.name;
        const std::vector<std::string> log = surface.Log();
        EXPECT_NE(std::find(log.begin(), log.end(), c.depthDimension), log.end()) << c.name;
    }
}

TEST(ChannelPrintout, ConvertsAnglesAsPaperDoesNotAsTheScreen)
{
    // Degrees become radians as x * pi * (1/180) on paper; for these angles
    // x * pi / 180 differs in the last bit and moves the ground's first corner.
    const struct {
        double angle, hp;
        const char* firstCorner;
    } cases[] = {{10.09, 50, "Polygon(771,"}, {10.13, 50, "Polygon(770,"}, {10.28, 100, "Polygon(770,"}};
    for (const auto& c : cases) {
        const std::vector<std::string> polygons = Draw(Channel(100, c.hp, c.angle, c.angle, 50)).Log({"Polygon"});
        ASSERT_FALSE(polygons.empty());
        EXPECT_EQ(polygons[0].rfind(c.firstCorner, 0), 0u) << c.angle << ": " << polygons[0];
    }
}

TEST(ChannelPrintout, AngleMarksMoveWithTheAxis)
{
    const std::vector<std::string> log = Draw(Channel(100, 100, 60, 30, 50)).Log();
    EXPECT_EQ(Slice(log, "MoveTo(1061,6010)", 9),
              (std::vector<std::string>{"MoveTo(1061,6010)", "LineTo(1121,6113)", "LineTo(1001,6113)",
                                        "TextOut(1061,6173,\"60.0 ° \")", "MoveTo(2589,6054)", "LineTo(2486,6113)",
                                        "LineTo(2606,6113)", "TextOut(2486,6173,\"30.0 ° \")",
                                        "TextOut(3275,6113,\"[cm]\")"}));
}

TEST(ChannelPrintout, NarrowBottomWidensItsDimension)
{
    // b = 5 cm: hb = 26 < 5 k, the dimension runs 6 px further out at each end
    EXPECT_EQ(
        Slice(Draw(Channel(5, 100, 45, 45, 50)).Log(), "MoveTo(2367,5663)", 9),
        (std::vector<std::string>{"MoveTo(2367,5663)", "LineTo(2431,5663)", "Polygon(2367,5663;2400,5675;2400,5651)",
                                  "Polygon(2431,5663;2398,5675;2398,5651)", "MoveTo(2373,5543)", "LineTo(2373,5693)",
                                  "MoveTo(2425,5543)", "LineTo(2425,5693)", "TextOut(2367,5684,\" 5.0 \")"}));
    // b = 1 cm: widened to 22 px, still short: heads outside, no line
    EXPECT_EQ(Slice(Draw(Channel(1, 100, 45, 45, 50)).Log(), "Polygon(2410,5663;2443,5675;2443,5651)", 3),
              (std::vector<std::string>{"Polygon(2410,5663;2443,5675;2443,5651)",
                                        "Polygon(2388,5663;2355,5675;2355,5651)", "MoveTo(2394,5543)"}));
}

TEST(ChannelPrintout, VerticalBankHasNoBankWidthDimension)
{
    // tL = hb: between the bottom label and the left bank's label only its
    // extension line; the bottom label, which the bank's label would cover,
    // stands below it with 25 px between them
    EXPECT_EQ(Slice(Draw(Channel(100, 100, 90, 45, 50)).Log(), "TextOut(1359,5803,\"100.0 \")", 4),
              (std::vector<std::string>{"TextOut(1359,5803,\"100.0 \")", "MoveTo(1359,5543)", "LineTo(1359,5693)",
                                        "TextOut(1479,5684,\"100.0 \")"}));
}

TEST(ChannelPrintout, LabelsThatWouldCollideOrLeaveTheBoxMove)
{
    const TPageLayout page = ComputePageLayout(TPrintoutKind::Channel, 4792, 6851);
    const struct {
        const char* name;
        TChannelSketch sketch;
        std::vector<std::string> texts;
    } cases[] = {
        {"left bank vertical: the bottom width moves below the left bank's width",
         Labelled(100, 100, 90, 45, 60.88),
         {"TextOut(1841,4646,\"160.9 \")", "TextOut(1347,5844,\"100.0 \")", "TextOut(1467,5725,\" 0.0 \")",
          "TextOut(2889,5725,\"100.0 \")", "TextOut(1841,6034,\"200.0 \")", "TextOut(1062,5029,\"100.0 \")",
          "TextOut(1128,6214,\"90.0 ° \")", "TextOut(2493,6214,\"45.0 ° \")", "TextOut(3279,6154,\"[cm]\")",
          "TextOut(3039,5220,\"60.9 \")"}},
        {"b 3000, hp 10, left bank vertical: likewise",
         Labelled(3000, 10, 90, 45, 7.2),
         {"TextOut(2360,5277,\"3007.2 \")", "TextOut(781,5844,\"3000.0 \")", "TextOut(901,5725,\" 0.0 \")",
          "TextOut(3974,5725,\"10.0 \")", "TextOut(2360,6034,\"3010.0 \")", "TextOut(590,5549,\"10.0 \")",
          "TextOut(1647,6214,\"90.0 ° \")", "TextOut(3012,6214,\"45.0 ° \")", "TextOut(3798,6154,\"[cm]\")",
          "TextOut(3511,5535,\" 7.2 \")"}},
        {"left slope 1 : 2, right bank vertical: the right angle mark moves inside the box, [cm] left of it",
         Labelled(100, 100, 26.57, 90, 53.83),
         {"TextOut(3381,4737,\"207.6 \")", "TextOut(2903,5725,\"100.0 \")", "TextOut(991,5725,\"200.0 \")",
          "TextOut(3889,5725,\" 0.0 \")", "TextOut(3381,6034,\"300.0 \")", "TextOut(589,5046,\"100.0 \")",
          "TextOut(2561,6214,\"26.6 ° \")", "TextOut(3972,6214,\"90.0 ° \")", "TextOut(3747,6154,\"[cm]\")",
          "TextOut(3510,5265,\"53.8 \")"}},
        {"b 1, hp 10, left slope 1 : 5, right bank vertical, overflowing: likewise, and the bottom width below the "
         "right bank's width",
         Labelled(1, 10, 11.31, 90, 10.23),
         {"TextOut(3510,4816,\"52.1 \")", "TextOut(3512,5844,\" 1.0 \")", "TextOut(1347,5725,\"50.0 \")",
          "TextOut(3532,5725,\" 0.0 \")", "TextOut(3510,6034,\"51.0 \")", "TextOut(589,5325,\"10.0 \")",
          "TextOut(2680,6214,\"11.3 ° \")", "TextOut(3972,6214,\"90.0 ° \")", "TextOut(3747,6154,\"[cm]\")",
          "TextOut(3510,5305,\"10.2 \")"}},
        {"b 1, hp 10, left bank vertical, right bank 10 degrees, h 40: the left angle mark moves in only as far as "
         "its legs need, the right one only as far as its text needs",
         Labelled(1, 10, 90, 10, 40),
         {"TextOut(747,4714,\"227.9 \")", "TextOut(764,5844,\" 1.0 \")", "TextOut(890,5725,\" 0.0 \")",
          "TextOut(1158,5725,\"56.7 \")", "TextOut(747,6034,\"57.7 \")", "TextOut(470,5483,\"10.0 \")",
          "TextOut(589,6214,\"90.0 ° \")", "TextOut(1399,6214,\"10.0 ° \")", "TextOut(2185,6154,\"[cm]\")",
          "TextOut(3511,5254,\"40.0 \")"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TRecordingSurface surface = PageSurface();
        DrawChannelPrintout(surface, c.sketch, page.DrawingBox, page.UX, ScreenWidth);
        EXPECT_EQ(surface.Log({"TextOut"}), c.texts);
    }
}

TEST(ChannelPrintout, ShallowFlowDepthHasItsHeadsOutside)
{
    // h = 2 cm is 20 px on paper
    const std::vector<std::string> log = Draw(Channel(100, 100, 45, 45, 2)).Log();
    const std::vector<std::string> tail(log.end() - 7, log.end());
    EXPECT_EQ(
        tail,
        (std::vector<std::string>{"Polygon(4058,5513;4070,5546;4046,5546)", "Polygon(4058,5493;4070,5460;4046,5460)",
                                  "MoveTo(4076,5493)", "LineTo(2943,5493)", "MoveTo(4076,5513)", "LineTo(2938,5513)",
                                  "TextOut(3518,5488,\" 2.0 \")"}));
}

TEST(ChannelPrintout, FlowDepthLabelStandsEighteenScreenWidthsLeft)
{
    const struct {
        int pixelsPerCharacter;
        int x;
    } cases[] = {{6, 4058 - 18 * 30}, {7, 4058 - 18 * 35}, {0, 4058}};
    for (const auto& c : cases) {
        std::string measured;
        const auto width = [&](std::string_view text) {
            measured = std::string(text);
            return static_cast<int>(Utf8Length(text)) * c.pixelsPerCharacter;
        };
        const test::TRecordingSurface surface = Draw(Channel(100, 100, 45, 45, 50), width);
        const test::TSurfaceCall* label = surface.FindText("50.0 ");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->args, (std::vector<int>{c.x, 5243}));
        EXPECT_EQ(measured, "50.0 ");
    }
}

TEST(ChannelPrintout, NumbersWithoutAPicturePrintTheExampleShapeUnderTheLabels)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const TChannelSketch records[] = {
        Channel(100, 100, 0, 45, 50),   Channel(100, 0, 45, 45, 50),    Channel(-5, 100, 45, 45, 50),
        Channel(100, 100, 45, 120, 50), Channel(100, 100, 45, 45, 0),   Channel(100, nan, 45, 45, 50),
        Channel(inf, 100, 45, 45, 50),  Channel(100, 100, -30, 45, 50),
    };
    const std::vector<std::string> exampleShape{
        "Polygon(770,4516;903,4516;1901,5513;2897,5513;3895,4516;4028,4516;4028,5603;770,5603)",
        "Polygon(1901,5513;2897,5513;3562,4849;1236,4849)"};
    for (const TChannelSketch& record : records) {
        const test::TRecordingSurface surface = Draw(record);
        const std::vector<std::string> polygons = surface.Log({"Polygon"});
        ASSERT_GE(polygons.size(), 2u);
        EXPECT_EQ(std::vector<std::string>(polygons.begin(), polygons.begin() + 2), exampleShape)
            << record.alpha << " " << record.hp;
        EXPECT_NE(surface.FindText("300.0 "), nullptr);
    }
}

TEST(ChannelPrintout, ExtremeNumbersStayOnThePage)
{
    const TChannelSketch records[] = {Channel(100, 100, 1e-300, 45, 50), Channel(100, 100, 0.0001, 0.0001, 50),
                                      Channel(1e9, 100, 45, 45, 50), Channel(100, 100, 45, 45, 1e-9),
                                      Channel(0, 100, 90, 90, 50)};
    for (const TChannelSketch& record : records) {
        const test::TRecordingSurface surface = Draw(record);
        EXPECT_EQ(surface.CallsOutside(0, 0, 6800, 6800), std::vector<std::string>{})
            << record.alpha << " " << record.b;
    }
}

TEST(ChannelPrintout, PrintsResultLinesOneToTwenty)
{
    TResultLines lines = MakeChannelResultLines();
    for (int i = 0; i < ChannelResultLineCount; ++i)
        lines.Set(i, Fmt("Zeile %d", i));
    TPrintRequest request;
    request.choosePrinter = [] { return true; };
    test::TRecordingPage page(4800, 6800);
    ASSERT_TRUE(PrintReport(page, request, ChannelPrintout(Channel(100, 100, 45, 45, 50), lines, ScreenWidth)));
    std::vector<std::string> rows;
    for (const test::TSurfaceCall& call : page.Drawing().Find("TextOut"))
        if (call.args[1] > 1309 && call.args[1] < 3689)
            rows.push_back(call.ToString());
    std::vector<std::string> expected;
    for (int k = 0; k < 20; ++k)
        expected.push_back(Fmt("TextOut(570,%d,\"Zeile %d\")", 1411 + k * 113, k + 1));
    EXPECT_EQ(rows, expected);
    EXPECT_NE(page.Drawing().FindText("300.0 "), nullptr);  // the cross-section is on the page
}

TEST(ChannelPrintout, LabelsNeverCoverOneAnotherNorLeaveTheDrawingBox)
{
    // an A4 page at 600 dpi
    const TPageLayout page = ComputePageLayout(TPrintoutKind::Channel, 4792, 6851);
    const TPageRect& box = page.DrawingBox;
    for (const double b : {1.0, 4.0, 30.0, 100.0, 500.0, 3000.0})
        for (const double hp : {10.0, 40.0, 100.0, 900.0})
            for (const double alpha : {10.0, 26.57, 45.0, 75.0, 90.0})
                for (const double beta : {10.0, 26.57, 45.0, 75.0, 90.0})
                    for (const double depth : {0.02, 0.5, 1.0, 1.6, 4.0}) {
                        test::TRecordingSurface surface = PageSurface();
                        DrawChannelPrintout(surface, Labelled(b, hp, alpha, beta, depth * hp), box, page.UX,
                                            ScreenWidth);
                        const auto where = [&] {
                            return Fmt("b %f hp %f alpha %f beta %f h %f", b, hp, alpha, beta, depth * hp);
                        };
                        ASSERT_EQ(surface.TextCollisions(box.left + 1, box.top + 1, box.right, box.bottom),
                                  std::vector<std::string>{})
                            << where();
                        ASSERT_EQ(surface.CallsOutside(box.left + 1, box.top + 1, box.right - 1, box.bottom - 1),
                                  std::vector<std::string>{})
                            << where();
                    }
}

}  // namespace
}  // namespace fluvara
