#include "circleprintout.h"
#include "recordingpage.h"
#include "recordingsurface.h"
#include "testlines.h"

#include "textformat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace fluvara {
namespace {

// The drawing box of a 4800 x 6800 pixel page.
constexpr TPageRect drawingBox{823, 3689, 4094, 6069};

TCircleSketch Values(double d, double h, int full) { return TCircleSketch{d, h, 0, full}; }

test::TRecordingSurface Draw(const TCircleSketch& sketch)
{
    test::TRecordingSurface surface("Courier New");
    DrawCirclePrintout(surface, sketch, drawingBox);
    return surface;
}

// Wall and inside about the centre (2458, 4879), and the clear-width dimension.
const std::vector<std::string> pipe{"SetBrushColor(128,128,128)", "Ellipse(2188,4609,2728,5149)",
                                    "SetBrushColor(255,255,255)", "Ellipse(2218,4639,2698,5119)",
                                    "SetBrushColor(130,130,255)"};
const std::vector<std::string> clearWidth{"SetPenColor(0,0,0)",
                                          "SetBrushColor(255,255,255)",
                                          "MoveTo(2128,4639)",
                                          "LineTo(2128,5119)",
                                          "Polygon(2128,4639;2140,4672;2116,4672)",
                                          "Polygon(2128,5119;2140,5086;2116,5086)",
                                          "MoveTo(2098,4639)",
                                          "LineTo(2458,4639)",
                                          "MoveTo(2098,5119)",
                                          "LineTo(2458,5119)"};

TEST(CirclePrintout, FullFlowFillsTheInsideAndLabelsBothDimensionsAlike)
{
    const std::vector<std::string> expected = test::Join({
        pipe,
        {"Chord(2218,4639,2698,5119,2458,4639,2458,4639)"},
        clearWidth,
        {"TextOut(1328,4869,\" 30.0 \")", "TextOut(2218,5349,\"[cm]\")",
         // the depth dimension spans the whole inner diameter
         "MoveTo(2788,4639)", "LineTo(2788,5119)", "Polygon(2788,4639;2800,4672;2776,4672)",
         "Polygon(2788,5119;2800,5086;2776,5086)", "MoveTo(2818,4639)", "LineTo(2463,4639)", "MoveTo(2818,5119)",
         "LineTo(2458,5119)", "TextOut(2888,4869,\" 30.0 \")"},
    });
    EXPECT_EQ(Draw(Values(300, 30, 1)).Log(), expected);
}

struct TDepthCase {
    const char* name;
    TCircleSketch sketch;
    std::vector<std::string> water;  // chord, depth dimension and its text
};

const TDepthCase depthCases[] = {
    {"half full: water line through the centre",
     Values(300, 15, 0),
     {"Chord(2218,4639,2698,5119,2218,4879,2698,4879)", "MoveTo(2788,4879)", "LineTo(2788,5119)",
      "Polygon(2788,4879;2800,4912;2776,4912)", "Polygon(2788,5119;2800,5086;2776,5086)", "MoveTo(2818,4879)",
      "LineTo(2703,4879)", "MoveTo(2818,5119)", "LineTo(2458,5119)", "TextOut(2888,4989,\" 15.0 \")"}},
    {"19 px deep: heads outside pointing inward, no line",
     Values(300, 1.2, 0),
     {"Chord(2218,4639,2698,5119,2364,5100,2551,5100)", "Polygon(2788,5119;2800,5152;2776,5152)",
      "Polygon(2788,5100;2800,5067;2776,5067)", "MoveTo(2818,5100)", "LineTo(2556,5100)", "MoveTo(2818,5119)",
      "LineTo(2458,5119)", "TextOut(2888,5099,\"  1.2 \")"}},
    {"depth of the diameter without the full flag: drawn full as on the screen",
     Values(300, 30, 0),
     {"Chord(2218,4639,2698,5119,2458,4639,2458,4639)", "MoveTo(2788,4639)", "LineTo(2788,5119)",
      "Polygon(2788,4639;2800,4672;2776,4672)", "Polygon(2788,5119;2800,5086;2776,5086)", "MoveTo(2818,4639)",
      "LineTo(2463,4639)", "MoveTo(2818,5119)", "LineTo(2458,5119)", "TextOut(2888,4869,\" 30.0 \")"}},
    {"under 1/480 of the diameter: f = 0, no water drawn (not a full pipe), no depth dimension",
     Values(300, 0.06, 0),
     {"MoveTo(2818,5119)", "LineTo(2463,5119)", "MoveTo(2818,5119)", "LineTo(2458,5119)",
      "TextOut(2888,5109,\"  0.1 \")"}},
};

TEST(CirclePrintout, WaterLevelAndDepthDimension)
{
    for (const TDepthCase& c : depthCases) {
        const test::TRecordingSurface surface = Draw(c.sketch);
        std::vector<std::string> water;
        const std::vector<std::string> log = surface.Log();
        // everything after the clear width's label and "[cm]" but the chord before them
        for (const std::string& call : surface.Log({"Chord"}))
            water.push_back(call);
        auto cm = std::find(log.begin(), log.end(), "TextOut(2218,5349,\"[cm]\")");
        ASSERT_NE(cm, log.end()) << c.name;
        water.insert(water.end(), cm + 1, log.end());
        EXPECT_EQ(water, c.water) << c.name;
    }
}

TEST(CirclePrintout, ClearWidthLabelInCentimetres)
{
    EXPECT_NE(Draw(Values(300, 15, 0)).FindText(" 30.0 "), nullptr);
    const test::TRecordingSurface surface = Draw(Values(3000, 300, 0));
    const test::TSurfaceCall* label = surface.FindText("300.0 ");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->args, (std::vector<int>{1328, 4869}));
}

TEST(CirclePrintout, PrintsAllSeventeenLinesAboveTheDrawing)
{
    TResultLines lines = MakeCircleResultLines();
    WriteCircleFullFlowLines(lines, 300, 300, 1.5, 5, 69.12, 0.98);
    TPrintRequest request;
    request.choosePrinter = [] { return true; };
    test::TRecordingPage page(4800, 6800);
    ASSERT_TRUE(PrintReport(page, request, CirclePrintout(Values(300, 30, 1), lines)));

    // the rows inside the lines box, in their places
    std::vector<std::string> rows;
    for (const test::TSurfaceCall& call : page.Drawing().Find("TextOut"))
        if (call.args[1] > 1309 && call.args[1] < 3451)
            rows.push_back(call.ToString());
    std::vector<std::string> expected;
    for (int i = 0; i < 17; ++i)
        expected.push_back(Fmt("TextOut(923,%d,\"%s\")", 1411 + i * 102, lines.Line(i)));
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(lines.Line(11), "");  // the partial-flow rows print empty

    const test::TSurfaceCall* clearWidthLabel = page.Drawing().FindText(" 30.0 ");
    ASSERT_NE(clearWidthLabel, nullptr);
    EXPECT_EQ(clearWidthLabel->args, (std::vector<int>{1328, 4869}));
}

}  // namespace
}  // namespace fluvara
