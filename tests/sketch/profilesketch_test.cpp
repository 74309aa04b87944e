#include "profilesketch.h"
#include "recordingsurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace fluvara {
namespace {

// 410 px wide: a box 1000 mm wide is drawn at 0.25 px per mm, every length exact.
constexpr TRect area{0, 0, 410, 400};

TProfileSketch Values(const TProfile& profile, double h) { return {profile, h, 0}; }

test::TRecordingSurface Draw(const TProfileSketch& sketch, TRect where = area,
                             TSketchDevice device = TSketchDevice::Window)
{
    test::TRecordingSurface surface;
    DrawProfileSketch(surface, sketch, where, device);
    return surface;
}

std::vector<int> Ys(const test::TSurfaceCall& polygon)
{
    std::vector<int> ys;
    for (std::size_t i = 1; i < polygon.args.size(); i += 2)
        ys.push_back(polygon.args[i]);
    return ys;
}

TEST(DrawProfileSketchTest, BoxWithItsWaterLevelAndThreeDimensions)
{
    // Labels 36 px wide leave 250 px across: s = 0.25, axis at 205, the
    // invert at 311, the cover 200 px above it, the wall 10 px (40 mm).
    const test::TRecordingSurface surface = Draw(Values(RectangleProfile(1000, 800), 40));
    // clang-format off
    const std::vector<std::string> expected{
        "SetBrushColor(192,192,192)", "FillRect(0,0,410,400)",
        "SetPenColor(128,128,128)", "SetBrushColor(128,128,128)",
        "Polygon(205,321;340,321;340,101;205,101;70,101;70,321)",
        "SetBrushColor(192,192,192)", "Polygon(205,311;330,311;330,111;205,111;80,111;80,311)",
        "SetBrushColor(130,130,255)", "Polygon(80,211;80,311;205,311;330,311;330,211)",
        "SetPenColor(192,192,192)", "MoveTo(81,210)", "LineTo(329,210)",
        "SetPenColor(0,0,0)",
        "SetBrushColor(192,192,192)",
        "MoveTo(50,111)", "LineTo(50,311)", "Polygon(50,111;54,122;46,122)", "Polygon(50,311;54,300;46,300)",
        "MoveTo(44,111)", "LineTo(205,111)", "MoveTo(44,311)", "LineTo(205,311)",
        "SetBrushColor(255,255,255)", "TextOut(4,205,\" 80.0 \")",
        "SetBrushColor(192,192,192)",
        "MoveTo(80,81)", "LineTo(330,81)", "Polygon(80,81;91,85;91,77)", "Polygon(330,81;319,85;319,77)",
        "MoveTo(80,75)", "LineTo(80,111)", "MoveTo(330,75)", "LineTo(330,111)",
        "SetBrushColor(255,255,255)", "TextOut(187,62,\"100.0 \")",
        "SetBrushColor(192,192,192)", "TextOut(187,325,\"[ cm ]\")",
        "SetBrushColor(192,192,192)",
        "MoveTo(360,211)", "LineTo(360,311)", "Polygon(360,211;364,222;356,222)", "Polygon(360,311;364,300;356,300)",
        "MoveTo(366,211)", "LineTo(335,211)", "MoveTo(366,311)", "LineTo(205,311)",
        "SetBrushColor(255,255,0)", "TextOut(370,255,\" 40.0 \")"};
    // clang-format on
    EXPECT_EQ(surface.Log(), expected);
}

TEST(DrawProfileSketchTest, EggInTrueProportionWithTheWaterUnderItsLevel)
{
    const test::TRecordingSurface surface = Draw(Values(EggProfile(600), 45));
    const std::vector<test::TSurfaceCall> polygons = surface.Find("Polygon");
    ASSERT_GE(polygons.size(), 3u);
    const test::TSurfaceCall& inner = polygons[1];
    const test::TSurfaceCall& water = polygons[2];
    EXPECT_EQ(inner.brush, Silver);
    EXPECT_EQ(water.brush, LightBlue);
    std::vector<int> xs;
    for (std::size_t i = 0; i < inner.args.size(); i += 2)
        xs.push_back(inner.args[i]);
    const std::vector<int> ys = Ys(inner);
    const int width = *std::max_element(xs.begin(), xs.end()) - *std::min_element(xs.begin(), xs.end());
    const int height = *std::max_element(ys.begin(), ys.end()) - *std::min_element(ys.begin(), ys.end());
    EXPECT_NEAR(height, 1.5 * width, 2);
    // Half full: the water line halfway up, the water below it.
    const int invert = *std::max_element(ys.begin(), ys.end());
    const std::vector<int> wet = Ys(water);
    EXPECT_EQ(*std::max_element(wet.begin(), wet.end()), invert);
    EXPECT_NEAR(invert - *std::min_element(wet.begin(), wet.end()), height / 2.0, 1);
    EXPECT_NE(surface.FindText(" 60.0 "), nullptr);
    EXPECT_NE(surface.FindText(" 90.0 "), nullptr);
    EXPECT_EQ(surface.FindText(" 45.0 ")->brush, Yellow);
}

struct TFitCase {
    const char* name;
    TProfileSketch sketch;
    TRect where;
    TSketchDevice device;
};

// clang-format off
const TFitCase fitCases[] = {
    {"placeholder", TProfileSketch{}, area, TSketchDevice::Window},
    {"egg nearly dry", Values(EggProfile(1400), 0.3), area, TSketchDevice::Window},
    {"egg full", Values(EggProfile(500), 75), {30, 40, 260, 500}, TSketchDevice::Window},
    {"wide flat box", Values(RectangleProfile(3000, 500), 25), {368, 72, 529, 513}, TSketchDevice::Window},
    {"tall narrow box", Values(RectangleProfile(400, 2000), 180), {0, 0, 600, 240}, TSketchDevice::Window},
    {"egg on the page", Values(EggProfile(800), 100), {823, 3689, 3271, 2380}, TSketchDevice::Page},
    {"box on the page", Values(RectangleProfile(2000, 1500), 126.99), {470, 3927, 3859, 2380}, TSketchDevice::Page},
};
// clang-format on

TEST(DrawProfileSketchTest, EverythingStaysInsideItsAreaAndNoLabelCoversAnother)
{
    for (const TFitCase& c : fitCases) {
        SCOPED_TRACE(c.name);
        const test::TRecordingSurface surface = Draw(c.sketch, c.where, c.device);
        const TRect w = c.where;
        EXPECT_EQ(surface.CallsOutside(w.left, w.top, w.left + w.width, w.top + w.height), std::vector<std::string>{});
        EXPECT_EQ(surface.TextCollisions(w.left, w.top, w.left + w.width, w.top + w.height),
                  std::vector<std::string>{});
        EXPECT_GE(surface.Find("Polygon").size(), 6u) << "wall, inside, water and arrowheads";
    }
}

TEST(DrawProfileSketchTest, PlaceholderShowsSymbolsAndTheExampleEgg)
{
    const test::TRecordingSurface surface = Draw(TProfileSketch{});
    for (const char* text : {" Bezeichnungen ", " b ", " H ", " h ", "[ cm ]"}) {
        EXPECT_NE(surface.FindText(text), nullptr) << text;
    }
    // the water three eighths up the egg, as the circle's sixty of 160 pixels
    const std::vector<test::TSurfaceCall> polygons = surface.Find("Polygon");
    const std::vector<int> inner = Ys(polygons.at(1));
    const std::vector<int> water = Ys(polygons.at(2));
    const int invert = *std::max_element(inner.begin(), inner.end());
    const int height = invert - *std::min_element(inner.begin(), inner.end());
    EXPECT_NEAR(invert - *std::min_element(water.begin(), water.end()), 0.375 * height, 1);
}

TEST(DrawProfileSketchTest, FullProfileIsBlueInsideWithoutAWaterSurface)
{
    for (const TProfile& profile : {EggProfile(600), RectangleProfile(1000, 800)}) {
        const test::TRecordingSurface surface = Draw(Values(profile, profile.H * 0.1));
        const std::vector<test::TSurfaceCall> polygons = surface.Find("Polygon");
        EXPECT_EQ(polygons.at(2).args, polygons.at(1).args);
        EXPECT_EQ(polygons.at(2).brush, LightBlue);
        EXPECT_TRUE(surface.Find("LineTo").at(0).pen == Black) << "no silver water surface";
    }
}

TEST(DrawProfileSketchTest, NoWaterPixelDrawsNoWater)
{
    for (const double h : {0.0, 0.01, -5.0, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(h);
        const test::TRecordingSurface surface = Draw(Values(EggProfile(600), h));
        for (const test::TSurfaceCall& polygon : surface.Find("Polygon"))
            EXPECT_NE(polygon.brush, LightBlue);
    }
}

TEST(DrawProfileSketchTest, PageHasNoBackgroundAndThreeTimesLargerMarks)
{
    const test::TRecordingSurface surface =
        Draw(Values(RectangleProfile(1000, 800), 40), {0, 0, 1230, 1200}, TSketchDevice::Page);
    EXPECT_TRUE(surface.Find("FillRect").empty());
    const std::vector<test::TSurfaceCall> polygons = surface.Find("Polygon");
    EXPECT_EQ(polygons.at(1).brush, White);
    // an arrowhead 33 px long, 24 px wide
    const test::TSurfaceCall& head = polygons.at(3);
    EXPECT_EQ(head.args.at(3) - head.args.at(1), 33);
    EXPECT_EQ(head.args.at(2) - head.args.at(4), 24);
    EXPECT_NE(surface.FindText("[cm]"), nullptr);
    EXPECT_EQ(surface.FindText(" 40.0 ")->brush, White);
}

TEST(DrawProfileSketchTest, NoRoomOrNoProfileLeavesTheBackgroundOnly)
{
    const std::vector<std::string> background{"SetBrushColor(192,192,192)", "FillRect(0,0,150,100)"};
    EXPECT_EQ(Draw(Values(EggProfile(600), 45), {0, 0, 150, 100}).Log(), background);
    const std::vector<std::string> none{"SetBrushColor(192,192,192)", "FillRect(0,0,410,400)"};
    EXPECT_EQ(Draw(Values(EggProfile(0), 45)).Log(), none);
    EXPECT_EQ(Draw(Values(TProfile{TProfileShape::Egg, 600, 800}, 45)).Log(), none);
    EXPECT_EQ(Draw(Values(RectangleProfile(std::numeric_limits<double>::infinity(), 800), 45)).Log(), none);
    EXPECT_EQ(Draw(Values(RectangleProfile(1e300, 800), 45)).Log(), none) << "its label is wider than any area";
}

TEST(DrawProfileSketchTest, ExtremeNumbersDrawInsideTheAreaOrNotAtAll)
{
    const double inf = std::numeric_limits<double>::infinity();
    const TProfileSketch sketches[] = {
        Values(EggProfile(1e-300), 45),
        Values(RectangleProfile(1e-300, 800), 1e300),
        Values(RectangleProfile(3000, 1e-6), 0),
        Values(EggProfile(1e20), 1e19),
        Values(EggProfile(600), inf),
        Values(EggProfile(600), -inf),
        {EggProfile(600), 45, 7},  // neither placeholder nor values: drawn with values
    };
    for (const TProfileSketch& sketch : sketches) {
        SCOPED_TRACE(sketch.profile.b);
        for (const TRect where : {area, TRect{5, 5, 0, 0}, TRect{0, 0, -50, 300}, TRect{0, 0, 200, 90}}) {
            const test::TRecordingSurface surface = Draw(sketch, where);
            EXPECT_EQ(surface.CallsOutside(where.left, where.top, where.left + std::max(where.width, 0),
                                           where.top + std::max(where.height, 0)),
                      std::vector<std::string>{});
        }
    }
}

TEST(ProfileLabelsTest, CentimetresAsTheCirclesSketchWritesThem)
{
    const TProfileLabels labels = ProfileLabels(Values(EggProfile(1200), 162.04));
    EXPECT_EQ(labels.b, "120.0 ");
    EXPECT_EQ(labels.H, "180.0 ");
    EXPECT_EQ(labels.h, "162.0 ");
}

}  // namespace
}  // namespace fluvara
