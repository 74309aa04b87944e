#include "circlesketch.h"
#include "recordingsurface.h"
#include "testlines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace fluvara {
namespace {

// The designed layout of the main window: the bevel and its centre.
constexpr TPoint centre{632, 328};
constexpr TRect bevel{368, 72, 529, 513};

TCircleSketch Values(double d, double h, int full = 0) { return TCircleSketch{d, h, 0, full}; }

test::TRecordingSurface Draw(const TCircleSketch& sketch)
{
    test::TRecordingSurface surface;
    DrawCircleSketch(surface, sketch, centre, bevel);
    return surface;
}

std::vector<std::string> Geometry(const test::TRecordingSurface& surface)
{
    return surface.Log({"Chord", "MoveTo", "LineTo", "Polygon", "TextOut"});
}

// Pieces that do not depend on the water level.
// clang-format off
const std::vector<std::string> clearWidthDimension{
    "MoveTo(522,256)", "LineTo(522,400)", "Polygon(522,256;526,267;518,267)", "Polygon(522,400;526,389;518,389)",
    "MoveTo(512,256)", "LineTo(632,256)", "MoveTo(512,400)", "LineTo(632,400)"};
// clang-format on
const std::vector<std::string> bottomExtension{"MoveTo(752,400)", "LineTo(632,400)"};

TEST(DrawCircleSketchTest, StartUpPictureShowsSymbolsOverSixtyPixelsOfWater)
{
    test::TRecordingSurface surface;
    DrawCircleSketch(surface, TCircleSketch{}, centre, bevel);
    // clang-format off
    const std::vector<std::string> expected{
        "SetBrushColor(192,192,192)", "FillRect(369,73,896,584)",
        "SetBrushColor(255,255,255)", "TextOut(552,198,\" Bezeichnungen \")",
        "SetPenColor(128,128,128)", "SetBrushColor(128,128,128)", "Ellipse(542,247,722,409)",
        "SetBrushColor(192,192,192)", "Ellipse(552,256,712,400)",
        "SetBrushColor(130,130,255)", "Chord(552,256,712,400,554,346,709,346)",
        "SetPenColor(192,192,192)", "MoveTo(555,345)", "LineTo(708,345)",
        "SetPenColor(0,0,0)", "SetBrushColor(192,192,192)",
        "MoveTo(522,256)", "LineTo(522,400)", "Polygon(522,256;526,267;518,267)", "Polygon(522,400;526,389;518,389)",
        "MoveTo(512,256)", "LineTo(632,256)", "MoveTo(512,400)", "LineTo(632,400)",
        "SetBrushColor(255,255,255)", "TextOut(492,318,\" l.W. \")",
        "SetBrushColor(192,192,192)", "TextOut(552,458,\"[ cm ]\")",
        "SetBrushColor(192,192,192)",
        "MoveTo(742,346)", "LineTo(742,400)", "Polygon(742,346;746,357;738,357)", "Polygon(742,400;746,389;738,389)",
        "MoveTo(752,346)", "LineTo(714,346)", "MoveTo(752,400)", "LineTo(632,400)",
        "SetBrushColor(255,255,0)", "TextOut(752,363,\" h \")"};
    // clang-format on
    EXPECT_EQ(surface.Log(), expected);
}

struct TPictureCase {
    const char* name;
    TCircleSketch sketch;
    std::vector<std::string> expected;
};

// clang-format off
const TPictureCase pictureCases[] = {
    {"full pipe: chord ends meet at the top, no silver line, equal labels", Values(300, 30, 1),
     test::Join({{"Chord(552,256,712,400,632,256,632,256)"},
           clearWidthDimension,
           {"TextOut(482,318,\" 30.0 \")", "TextOut(552,458,\"[ cm ]\")"},
           {"MoveTo(742,256)", "LineTo(742,400)", "Polygon(742,256;746,267;738,267)",
            "Polygon(742,400;746,389;738,389)", "MoveTo(752,256)", "LineTo(637,256)"},
           bottomExtension,
           {"TextOut(752,318,\" 30.0 \")"}})},
    {"half full: water line through the centre", Values(300, 15),
     test::Join({{"Chord(552,256,712,400,552,328,712,328)", "MoveTo(553,327)", "LineTo(711,327)"},
           clearWidthDimension,
           {"TextOut(482,318,\" 30.0 \")", "TextOut(552,458,\"[ cm ]\")"},
           {"MoveTo(742,328)", "LineTo(742,400)", "Polygon(742,328;746,339;738,339)",
            "Polygon(742,400;746,389;738,389)", "MoveTo(752,328)", "LineTo(717,328)"},
           bottomExtension,
           {"TextOut(752,354,\" 15.0 \")"}})},
    {"shallow: depth dimension of 6 px, heads outside, no line", Values(300, 1.2),
     test::Join({{"Chord(552,256,712,400,601,394,662,394)", "MoveTo(602,393)", "LineTo(661,393)"},
           clearWidthDimension,
           {"TextOut(482,318,\" 30.0 \")", "TextOut(552,458,\"[ cm ]\")"},
           {"Polygon(742,400;746,411;738,411)", "Polygon(742,394;746,383;738,383)", "MoveTo(752,394)",
            "LineTo(667,394)"},
           bottomExtension,
           {"TextOut(752,386,\"  1.2 \")"}})},
    // The chord rule would fill the whole inside when its ends meet at the
    // bottom; a pipe with a few millimetres of water must not look full.
    {"no water pixel: no water drawn, no depth dimension", Values(300, 0.04),
     test::Join({clearWidthDimension,
           {"TextOut(482,318,\" 30.0 \")", "TextOut(552,458,\"[ cm ]\")"},
           {"MoveTo(752,400)", "LineTo(637,400)"},
           bottomExtension,
           {"TextOut(752,390,\"  0.0 \")"}})},
};
// clang-format on

TEST(DrawCircleSketchTest, DrawsTheWaterLevelAndDimensionsOfTheValues)
{
    for (const TPictureCase& c : pictureCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Geometry(Draw(c.sketch)), c.expected);
    }
}

TEST(DrawCircleSketchTest, DrawsEachPartInItsColours)
{
    const test::TRecordingSurface surface = Draw(Values(300, 15));
    const test::TSurfaceCall chord = surface.Find("Chord").at(0);
    EXPECT_EQ(chord.pen, Grey);
    EXPECT_EQ(chord.brush, LightBlue);
    const std::vector<test::TSurfaceCall> lines = surface.Find("LineTo");
    EXPECT_EQ(lines.at(0).pen, Silver) << "the water surface";
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].pen, Black) << lines[i].ToString();
    for (const test::TSurfaceCall& head : surface.Find("Polygon")) {
        EXPECT_EQ(head.pen, Black);
        EXPECT_EQ(head.brush, Silver);
    }
    EXPECT_EQ(surface.FindText(" 30.0 ")->brush, White);
    EXPECT_EQ(surface.FindText("[ cm ]")->brush, Silver);
    EXPECT_EQ(surface.FindText(" 15.0 ")->brush, Yellow);
}

TEST(DrawCircleSketchTest, DepthDimensionLosesItsLineBelowTwentyFivePixels)
{
    // f = 27 leaves 25 px between water line and bottom, f = 26 only 24
    const test::TRecordingSurface line = Draw(Values(300, 5.1));
    const test::TRecordingSurface heads = Draw(Values(300, 4.9));
    const std::vector<std::string> withLine = line.Log({"MoveTo", "LineTo", "Polygon"});
    const std::vector<std::string> withoutLine = heads.Log({"MoveTo", "LineTo", "Polygon"});
    EXPECT_NE(std::find(withLine.begin(), withLine.end(), "MoveTo(742,375)"), withLine.end());
    EXPECT_NE(std::find(withLine.begin(), withLine.end(), "Polygon(742,375;746,386;738,386)"), withLine.end());
    EXPECT_EQ(std::find(withoutLine.begin(), withoutLine.end(), "MoveTo(742,376)"), withoutLine.end());
    EXPECT_NE(std::find(withoutLine.begin(), withoutLine.end(), "Polygon(742,376;746,365;738,365)"), withoutLine.end());
}

TEST(DrawCircleSketchTest, ClearWidthLabelInCentimetres)
{
    // clang-format off
    const struct {
        double d;
        const char* text;
    } cases[] = {{300, " 30.0 "}, {3000, "300.0 "}, {25, "  2.5 "}, {12345, "1234.5 "}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.d);
        const test::TRecordingSurface surface = Draw(Values(c.d, 1));
        const test::TSurfaceCall* label = surface.FindText(c.text);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->args, (std::vector<int>{482, 318}));
    }
}

TEST(DrawCircleSketchTest, SymbolPictureIgnoresFullAndValues)
{
    const test::TRecordingSurface symbols = Draw(TCircleSketch{300, 30, 1, 1});
    EXPECT_EQ(Geometry(symbols), Geometry(Draw(TCircleSketch{})));
}

TEST(DrawCircleSketchTest, DepthAtTheDiameterWithoutFullShowsThePipeFull)
{
    // The verification page's full-flow depth after the design page cleared Full.
    const std::vector<std::string> full = Geometry(Draw(Values(300, 30, 1)));
    EXPECT_EQ(Geometry(Draw(Values(300, 30))), full);
    const std::vector<std::string> above = Geometry(Draw(Values(300, 45)));
    EXPECT_EQ(above.at(0), full.at(0));
    EXPECT_EQ(above.back(), "TextOut(752,318,\" 45.0 \")");
}

TEST(DrawCircleSketchTest, KeepsTheSurfacesFontAndPenWidth)
{
    // the channel sketch leaves "Arial" behind; the circle sketch draws in it
    test::TRecordingSurface surface("Arial");
    DrawCircleSketch(surface, Values(300, 15), centre, bevel);
    EXPECT_TRUE(surface.Log({"SetFontName", "SetPenWidth"}).empty());
    EXPECT_EQ(surface.FontName(), "Arial");
}

TEST(DrawCircleSketchTest, ValuesOutsideTheAcceptedRangesStayInsideTheSketchArea)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const TCircleSketch cases[] = {Values(nan, 10),  Values(300, nan), Values(300, inf), Values(inf, 10),
                                   Values(0, 10),    Values(-300, 10), Values(300, -5), Values(0, 0),
                                   Values(1e308, 1e-308)};
    // clang-format on
    for (const TCircleSketch& sketch : cases) {
        SCOPED_TRACE(::testing::Message() << "d " << sketch.d << " h " << sketch.h);
        const test::TRecordingSurface surface = Draw(sketch);
        EXPECT_EQ(surface.CallsOutside(369, 73, 896, 584), std::vector<std::string>{});
    }
}

struct TFillCase {
    const char* name;
    TCircleSketch sketch;
    int window;  // 160 px full height
    int page;    // 480 px full height
};

TEST(CircleFillPixelsTest, WaterDepthInPixels)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const TFillCase cases[] = {
        {"full flow", Values(300, 30, 1), 160, 480},
        {"full flow ignores the depth", Values(300, 0, 1), 160, 480},
        {"half", Values(300, 15), 80, 240},
        {"shallow, truncated", Values(300, 1.2), 6, 19},
        {"below one pixel", Values(300, 0.04), 0, 0},
        {"depth equal to the diameter", Values(300, 30), 160, 480},
        {"depth above the diameter", Values(300, 45), 160, 480},
        {"no depth", Values(300, 0), 0, 0},
        {"negative depth", Values(300, -1), 0, 0},
        {"depth over no diameter", Values(0, 5), 160, 480},
        {"nothing at all", Values(0, 0), 0, 0},
        {"diameter not a number", Values(nan, 5), 0, 0},
        {"depth not a number", Values(300, nan), 0, 0},
        {"infinite depth", Values(300, inf), 160, 480},
        {"infinite diameter", Values(inf, 5), 0, 0},
        {"symbol flag plays no part", TCircleSketch{300, 15, 1, 0}, 80, 240},
    };
    // clang-format on
    for (const TFillCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CircleFillPixels(c.sketch, 160), c.window);
        EXPECT_EQ(CircleFillPixels(c.sketch, 480), c.page);
    }
}

}  // namespace
}  // namespace fluvara
