#include "channelcases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace fluvara {
namespace {

using namespace test;

std::vector<std::string> Geometry(const test::TRecordingSurface& surface)
{
    return surface.Log({"MoveTo", "LineTo", "Polygon"});
}

std::vector<std::string> Picture(const test::TRecordingSurface& surface)
{
    return surface.Log({"MoveTo", "LineTo", "Polygon", "TextOut"});
}

bool ContainsRun(const std::vector<std::string>& log, const std::vector<std::string>& run)
{
    return std::search(log.begin(), log.end(), run.begin(), run.end()) != log.end();
}

const std::string bottomFill = "FillRect(369,73,896,584)";

TEST(DrawChannelSketchTest, ExampleChannelAtTheDesignedLayout)
{
    test::TRecordingSurface surface;
    TChannelSketch sketch;  // start-up: LabelsOnly 1, no numbers
    DrawChannelSketch(surface, sketch, centre, bevel);
    // s = 234 / 122.5 px per cm from the profile's width; bottom 561 .. 703,
    // profile 128 px high, water 85 px deep; 45 degree marks 28 px by 28 px.
    // clang-format off
    const std::vector<std::string> expected{
        "SetBrushColor(192,192,192)", bottomFill,
        "SetPenWidth(1)", "SetPenColor(255,128,0)", "SetBrushColor(255,128,0)",
        "Polygon(398,200;418,200;561,328;703,328;846,200;866,200;866,355;398,355)",
        "SetPenColor(130,130,255)", "SetBrushColor(130,130,255)",
        "Polygon(561,328;703,328;799,243;465,243)",
        "SetPenWidth(1)", "SetPenColor(0,0,0)", "SetBrushColor(192,192,192)",
        "MoveTo(465,203)", "LineTo(799,203)", "Polygon(465,203;476,207;476,199)", "Polygon(799,203;788,207;788,199)",
        "MoveTo(465,193)", "LineTo(465,233)", "MoveTo(799,193)", "LineTo(799,233)",
        "SetBrushColor(255,255,255)", "TextOut(622,183,\" b-wsp \")",
        "SetBrushColor(192,192,192)",
        "MoveTo(561,378)", "LineTo(703,378)", "Polygon(561,378;572,382;572,374)", "Polygon(703,378;692,382;692,374)",
        "MoveTo(561,388)", "LineTo(561,338)", "MoveTo(703,388)", "LineTo(703,338)",
        "SetBrushColor(255,255,255)", "TextOut(622,385,\" b \")",
        "SetBrushColor(192,192,192)",
        "MoveTo(418,378)", "LineTo(561,378)", "Polygon(418,378;429,382;429,374)", "Polygon(561,378;550,382;550,374)",
        "MoveTo(418,388)", "LineTo(418,338)",
        "MoveTo(703,378)", "LineTo(846,378)", "Polygon(703,378;714,382;714,374)", "Polygon(846,378;835,382;835,374)",
        "MoveTo(846,388)", "LineTo(846,338)",
        "MoveTo(418,408)", "LineTo(846,408)", "Polygon(418,408;429,412;429,404)", "Polygon(846,408;835,412;835,404)",
        "MoveTo(418,418)", "LineTo(418,368)", "MoveTo(846,418)", "LineTo(846,368)",
        "SetBrushColor(255,255,255)", "TextOut(479,385,\"  l1 \")", "TextOut(764,385,\"  l2 \")",
        "TextOut(622,415,\" b-profil \")",
        "SetBrushColor(192,192,192)",
        "MoveTo(388,200)", "LineTo(388,328)", "Polygon(388,200;392,211;384,211)", "Polygon(388,328;392,317;384,317)",
        "MoveTo(382,200)", "LineTo(398,200)", "MoveTo(382,328)", "LineTo(551,328)",
        "SetBrushColor(255,255,255)", "TextOut(403,264,\" hp \")", "TextOut(418,168,\" Bezeichnungen \")",
        "SetFontName(\"Symbol\")",
        "MoveTo(544,445)", "LineTo(572,473)", "LineTo(532,473)", "TextOut(532,480,\"  a  \")",
        "MoveTo(720,445)", "LineTo(692,473)", "LineTo(732,473)", "TextOut(692,480,\"  b  \")",
        "SetFontName(\"Arial\")",
        "SetBrushColor(192,192,192)", "TextOut(612,458,\"[ cm ]\")",
        "SetBrushColor(192,192,192)",
        "MoveTo(876,243)", "LineTo(876,328)", "Polygon(876,243;880,254;872,254)", "Polygon(876,328;880,317;872,317)",
        "MoveTo(882,243)", "LineTo(804,243)", "MoveTo(882,328)", "LineTo(713,328)",
        "SetBrushColor(255,255,0)", "TextOut(841,280,\" h \")"};
    // clang-format on
    EXPECT_EQ(surface.Log(), expected);

    // the example's numbers and symbols
    const TChannelSketch example = ExampleChannel();
    EXPECT_EQ((std::vector<double>{example.hp, example.b, example.alpha, example.beta, example.h}),
              (std::vector<double>{75, 75, 45, 45, 50}));
    EXPECT_EQ(example.LabelsOnly, 1);
    const TChannelLabels labels = ChannelLabels(example);
    // clang-format off
    const std::vector<std::string> texts{labels.hp,   labels.b, labels.l1,   labels.l2,     labels.alpha,
                                         labels.beta, labels.h, labels.bWsp, labels.bProfil};
    // clang-format on
    EXPECT_EQ(
        texts,
        (std::vector<std::string>{" hp ", " b ", "  l1 ", "  l2 ", "  a  ", "  b  ", " h ", " b-wsp ", " b-profil "}));
}

TEST(DrawChannelSketchTest, LabelsOnlyReplacesTheRecordsValues)
{
    TChannelSketch sketch = Result(100, 100, 45, 45, 52.23);
    sketch.LabelsOnly = 1;
    const test::TRecordingSurface surface = Draw(sketch);
    EXPECT_EQ(surface.Log(), Draw(TChannelSketch{}).Log());
}

TEST(ScaleChannelTest, ExampleChannelScalesByTheProfileWidth)
{
    const auto p = ScaleChannel(ExampleChannel(), room);
    ASSERT_TRUE(p.has_value());
    EXPECT_NEAR(p->s, 234 / 122.5, 1e-12);  // tan 45 degrees falls just short of 1
    EXPECT_FALSE(p->wide);
    const std::vector<int> lengths{p->eL, p->eR, p->tL, p->tR, p->hb, p->yP, p->wL, p->wR, p->yW, p->AxisOffset()};
    EXPECT_EQ(lengths, (std::vector<int>{234, 234, 214, 214, 71, 128, 167, 167, 85, 0}));
}

TEST(DrawChannelSketchTest, ResultChannelWithItsLabels)
{
    // h 52.23 cm of the Q 500 l/s case: the profile's width decides, s = 234 / 160
    const test::TRecordingSurface surface = Draw(Result(100, 100, 45, 45, 52.23));
    // clang-format off
    const std::vector<std::string> expected{
        "Polygon(398,197;413,197;559,328;705,328;851,197;866,197;866,355;398,355)",
        "Polygon(559,328;705,328;781,260;483,260)",
        "MoveTo(483,220)", "LineTo(781,220)", "Polygon(483,220;494,224;494,216)", "Polygon(781,220;770,224;770,216)",
        "MoveTo(483,210)", "LineTo(483,250)", "MoveTo(781,210)", "LineTo(781,250)",
        "TextOut(622,200,\"204.5 \")",
        "MoveTo(559,378)", "LineTo(705,378)", "Polygon(559,378;570,382;570,374)", "Polygon(705,378;694,382;694,374)",
        "MoveTo(559,388)", "LineTo(559,338)", "MoveTo(705,388)", "LineTo(705,338)",
        "TextOut(622,385,\"100.0 \")",
        "MoveTo(413,378)", "LineTo(559,378)", "Polygon(413,378;424,382;424,374)", "Polygon(559,378;548,382;548,374)",
        "MoveTo(413,388)", "LineTo(413,338)",
        "MoveTo(705,378)", "LineTo(851,378)", "Polygon(705,378;716,382;716,374)", "Polygon(851,378;840,382;840,374)",
        "MoveTo(851,388)", "LineTo(851,338)",
        "MoveTo(413,408)", "LineTo(851,408)", "Polygon(413,408;424,412;424,404)", "Polygon(851,408;840,412;840,404)",
        "MoveTo(413,418)", "LineTo(413,368)", "MoveTo(851,418)", "LineTo(851,368)",
        "TextOut(476,385,\"100.0 \")", "TextOut(768,385,\"100.0 \")", "TextOut(622,415,\"300.0 \")",
        "MoveTo(388,197)", "LineTo(388,328)", "Polygon(388,197;392,208;384,208)", "Polygon(388,328;392,317;384,317)",
        "MoveTo(382,197)", "LineTo(398,197)", "MoveTo(382,328)", "LineTo(549,328)",
        "TextOut(403,262,\"100.0 \")",
        "MoveTo(544,445)", "LineTo(572,473)", "LineTo(532,473)", "TextOut(532,480,\"45.0 \u00b0 \")",
        "MoveTo(720,445)", "LineTo(692,473)", "LineTo(732,473)", "TextOut(692,480,\"45.0 \u00b0 \")",
        "TextOut(612,458,\"[ cm ]\")",
        "MoveTo(876,260)", "LineTo(876,328)", "Polygon(876,260;880,271;872,271)", "Polygon(876,328;880,317;872,317)",
        "MoveTo(882,260)", "LineTo(786,260)", "MoveTo(882,328)", "LineTo(715,328)",
        "TextOut(841,289,\"52.2 \")"};
    // clang-format on
    EXPECT_EQ(Picture(surface), expected);
    // no heading and no symbol face for values
    EXPECT_EQ(surface.Log({"SetFontName"}), std::vector<std::string>{"SetFontName(\"Arial\")"});
}

struct TLayoutCase {
    const char* name;
    TChannelSketch sketch;
    bool wide;
    int axisOffset;
    std::vector<std::vector<std::string>> runs;  // each found in this order in the picture
};

// clang-format off
const TLayoutCase layoutCases[] = {
    {"overflowing water is the binding width: centred on the water surface, depth dimension right of it",
     Result(50, 100, 45, 60, 70), true, 32,  // (266 - 201) div 2; the ground alone would give 23
     {{"Polygon(420,228;442,228;553,328;775,328;839,228;861,228;861,355;420,355)",
       "Polygon(553,328;775,328;865,188;398,188)"},
      {"MoveTo(875,188)", "LineTo(875,328)", "Polygon(875,188;879,199;871,199)", "Polygon(875,328;879,317;871,317)",
       "MoveTo(881,188)", "LineTo(870,188)", "MoveTo(881,328)", "LineTo(785,328)", "TextOut(840,253,\"70.0 \")"}}},
    {"very different banks centre the profile with its rims, not the bottom", Result(100, 100, 60, 30, 50), false,
     -76,  // (157 - 310) div 2, truncated toward zero
     {{"Polygon(399,208;413,208;490,328;622,328;853,208;866,208;866,355;399,355)"},
      {"MoveTo(552,439)", "LineTo(572,473)", "LineTo(532,473)"},
      {"MoveTo(726,454)", "LineTo(692,473)", "LineTo(732,473)"},
      {"MoveTo(876,268)", "LineTo(876,328)"}}},
    {"bottom under 10 px: dimension 2 px wider each side, heads outside, no line", Result(100, 4, 45, 45, 50), false,
     0,
     {{"Polygon(398,140;419,140;628,328;636,328;845,140;866,140;866,355;398,355)"},
      {"TextOut(622,174,\"204.5 \")", "Polygon(638,378;649,382;649,374)", "Polygon(626,378;615,382;615,374)",
       "MoveTo(628,388)", "LineTo(628,338)", "MoveTo(636,388)", "LineTo(636,338)", "TextOut(622,385,\" 4.0 \")"}}},
    {"bottom of exactly 10 px keeps its width", Result(100, 5.3, 45, 45, 50), false, 0,
     {{"TextOut(622,175,\"204.5 \")", "Polygon(637,378;648,382;648,374)", "Polygon(627,378;616,382;616,374)",
       "MoveTo(627,388)", "LineTo(627,338)", "MoveTo(637,388)", "LineTo(637,338)"}}},
    {"vertical left bank: its width dimension has no length and draws nothing", Result(100, 100, 90, 45, 50), false,
     -106,
     {{"Polygon(399,137;420,137;420,328;632,328;845,137;866,137;866,355;399,355)"},
      {"MoveTo(632,388)", "LineTo(632,338)", "TextOut(516,385,\"100.0 \")", "MoveTo(420,388)", "LineTo(420,338)",
       "MoveTo(632,378)", "LineTo(845,378)"},
      {"MoveTo(572,433)", "LineTo(572,473)", "LineTo(532,473)"}}},
    {"flat profile: profile height and flow depth under 25 px get their heads outside",
     Result(20, 1000, 45, 45, 10), false, 0,
     {{"Polygon(388,328;392,339;384,339)", "Polygon(388,321;392,310;384,310)", "MoveTo(382,321)", "LineTo(398,321)",
       "MoveTo(382,328)", "LineTo(402,328)", "TextOut(403,324,\"20.0 \")"},
      {"TextOut(612,458,\"[ cm ]\")", "Polygon(876,328;880,339;872,339)", "Polygon(876,325;880,314;872,314)",
       "MoveTo(882,325)", "LineTo(862,325)", "MoveTo(882,328)", "LineTo(862,328)", "TextOut(841,321,\"10.0 \")"}}},
};
// clang-format on

TEST(DrawChannelSketchTest, ScaleCentringAndShortDimensions)
{
    for (const TLayoutCase& c : layoutCases) {
        SCOPED_TRACE(c.name);
        const auto p = ScaleChannel(c.sketch, room);
        ASSERT_TRUE(p.has_value());
        EXPECT_EQ(p->wide, c.wide);
        EXPECT_EQ(p->AxisOffset(), c.axisOffset);
        const std::vector<std::string> picture = Picture(Draw(c.sketch));
        auto from = picture.begin();
        for (const auto& run : c.runs) {
            const auto found = std::search(from, picture.end(), run.begin(), run.end());
            EXPECT_NE(found, picture.end()) << run.front();
            if (found != picture.end())
                from = found + static_cast<std::ptrdiff_t>(run.size());
        }
    }
}

TEST(ScaleChannelTest, SmallestOfTheFourScalesAndWhichWidthIsCentred)
{
    // clang-format off
    const struct {
        const char* name;
        TChannelSketch sketch;
        double s;
        bool wide;
    } cases[] = {
        {"profile with rims across the width", Result(100, 100, 45, 45, 52.23), 234.0 / 160, false},
        {"tall profile: its height", Result(200, 20, 80, 80, 50), 226.0 / 200, false},
        {"overflowing water surface across the width", Result(50, 100, 45, 60, 70),
         234 / ((70 + 70 / std::sqrt(3.0)) * 0.5 + 50), true},
        {"deep water: its depth, still centred on the water surface", Result(50, 100, 45, 60, 150), 166.0 / 150,
         true},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto p = ScaleChannel(c.sketch, room);
        ASSERT_TRUE(p.has_value());
        EXPECT_NEAR(p->s, c.s, 1e-12);
        EXPECT_EQ(p->wide, c.wide);
    }
}

TEST(ChannelShapeTest, DrawableNumbersKeepTheirOwnShapeAndAngles)
{
    const auto shape = ChannelShape(Result(100, 100, 60, 30, 50), room);
    ASSERT_TRUE(shape.has_value());
    EXPECT_EQ(shape->alpha, 60);
    EXPECT_EQ(shape->beta, 30);
    EXPECT_EQ(shape->pixels.AxisOffset(), -76);
    EXPECT_FALSE(ChannelShape(Result(100, 100, 60, 30, 50), TChannelRoom{0, 0, -60, 0.9}).has_value());
}

TEST(DrawChannelSketchTest, PartsInTheirColoursAndFaces)
{
    test::TRecordingSurface surface;  // the window's first drawing: "MS Sans Serif"
    TChannelSketch sketch;
    DrawChannelSketch(surface, sketch, centre, bevel);
    const std::vector<test::TSurfaceCall> shapes = surface.Find("Polygon");
    EXPECT_EQ(shapes.at(0).pen, Orange);
    EXPECT_EQ(shapes.at(0).brush, Orange);
    EXPECT_EQ(shapes.at(1).pen, LightBlue);
    EXPECT_EQ(shapes.at(1).brush, LightBlue);
    for (std::size_t i = 2; i < shapes.size(); ++i) {
        EXPECT_EQ(shapes[i].pen, Black) << shapes[i].ToString();
        EXPECT_EQ(shapes[i].brush, Silver) << shapes[i].ToString();
    }
    for (const test::TSurfaceCall& line : surface.Find("LineTo")) {
        EXPECT_EQ(line.pen, Black) << line.ToString();
        EXPECT_EQ(line.penWidth, 1);
    }
    // clang-format off
    const struct {
        const char* text;
        TRgb brush;
        const char* font;
    } labels[] = {{" b-wsp ", White, "MS Sans Serif"},    {" b ", White, "MS Sans Serif"},
                  {"  l1 ", White, "MS Sans Serif"},      {"  l2 ", White, "MS Sans Serif"},
                  {" b-profil ", White, "MS Sans Serif"}, {" hp ", White, "MS Sans Serif"},
                  {" Bezeichnungen ", White, "MS Sans Serif"},
                  {"  a  ", White, "Symbol"},             {"  b  ", White, "Symbol"},
                  {"[ cm ]", Silver, "Arial"},            {" h ", Yellow, "Arial"}};
    // clang-format on
    for (const auto& label : labels) {
        SCOPED_TRACE(label.text);
        const test::TSurfaceCall* call = surface.FindText(label.text);
        ASSERT_NE(call, nullptr);
        EXPECT_EQ(call->brush, label.brush);
        EXPECT_EQ(call->fontName, label.font);
    }
    EXPECT_EQ(surface.FontName(), "Arial");

    // every later drawing writes its labels in the face left behind
    surface.ClearCalls();
    sketch = Result(100, 100, 45, 45, 52.23);
    DrawChannelSketch(surface, sketch, centre, bevel);
    for (const test::TSurfaceCall& text : surface.Find("TextOut"))
        EXPECT_EQ(text.fontName, "Arial") << text.ToString();
}

TEST(DrawChannelSketchTest, ProfileAndLabelsFollowTheNumbers)
{
    const std::vector<std::string> picture = Picture(Draw(Result(60, 40, 45, 45, 52.23)));
    EXPECT_EQ(picture.at(0), "Polygon(398,188;424,188;581,328;683,328;840,188;866,188;866,355;398,355)");
    EXPECT_EQ(picture.at(1), "Polygon(581,328;683,328;819,206;445,206)");
    EXPECT_EQ(picture.back(), "TextOut(841,262,\"52.2 \")");
    EXPECT_TRUE(ContainsRun(picture, {"TextOut(403,258,\"60.0 \")"}));
    EXPECT_TRUE(ContainsRun(picture, {"TextOut(622,385,\"40.0 \")"}));
}

struct TGuardCase {
    const char* name;
    TChannelSketch sketch;
};

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// clang-format off
const TGuardCase guardCases[] = {
    {"profile height 0", Result(0, 100, 45, 45, 52.23)},
    {"negative profile height", Result(-100, 100, 45, 45, 52.23)},
    {"bottom width negative", Result(100, -1, 45, 45, 52.23)},
    {"left angle 0", Result(100, 100, 0, 45, 52.23)},
    {"right angle 0", Result(100, 100, 45, 0, 52.23)},
    {"negative angle", Result(100, 100, -30, 45, 52.23)},
    {"overhanging bank", Result(100, 100, 45, 120, 52.23)},
    {"flow depth 0", Result(100, 100, 45, 45, 0)},
    {"profile height not a number", Result(nan, 100, 45, 45, 52.23)},
    {"angle not a number", Result(100, 100, nan, 45, 52.23)},
    {"infinite bottom width", Result(100, inf, 45, 45, 52.23)},
    {"infinite flow depth", Result(100, 100, 45, 45, inf)},
    {"bank widths overflow", Result(1e308, 100, 45, 45, 52.23)},
    {"angle too small for its tangent", Result(100, 100, 1e-320, 45, 52.23)},
};
// clang-format on

TEST(DrawChannelSketchTest, NumbersWithoutAFinitePictureShowTheExampleShapeUnderTheLastLabels)
{
    const test::TRecordingSurface example = Draw(TChannelSketch{});
    for (const TGuardCase& c : guardCases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(ScaleChannel(c.sketch, room).has_value());
        const auto shape = ChannelShape(c.sketch, room);
        ASSERT_TRUE(shape.has_value());
        EXPECT_EQ(shape->alpha, 45);
        EXPECT_EQ(shape->beta, 45);
        EXPECT_EQ(shape->pixels.yP, 128);
        test::TRecordingSurface surface;
        DrawChannelSketch(surface, c.sketch, centre, bevel);
        EXPECT_EQ(Geometry(surface), Geometry(example));
        EXPECT_EQ(surface.FindText(" Bezeichnungen "), nullptr);
        EXPECT_TRUE(surface.Log({"SetFontName"}) == std::vector<std::string>{"SetFontName(\"Arial\")"});
        const std::vector<std::string> picture = Picture(surface);
        EXPECT_TRUE(ContainsRun(picture, {"TextOut(622,183,\"204.5 \")"}));
        EXPECT_TRUE(ContainsRun(picture, {"TextOut(841,280,\"" + ChannelLabels(c.sketch).h + "\")"}));
    }
}

TEST(DrawChannelSketchTest, ExtremeButDrawableNumbersStayOnTheWindow)
{
    // accepted by the picture, though not by the calculation: all lengths finite
    // clang-format off
    const TChannelSketch cases[] = {Result(100, 0, 45, 45, 50),        Result(0.001, 100, 45, 45, 50),
                                    Result(999999, 1, 10, 10, 0.01),   Result(10, 3000, 90, 90, 5000),
                                    Result(100, 100, 0.0001, 45, 50),  Result(100, 100, 90, 10, 5000),
                                    Result(1e-300, 1e-300, 45, 45, 1e-300)};
    // clang-format on
    for (const TChannelSketch& sketch : cases) {
        SCOPED_TRACE(::testing::Message() << "hp " << sketch.hp << " b " << sketch.b << " alpha " << sketch.alpha
                                          << " beta " << sketch.beta << " h " << sketch.h);
        ASSERT_TRUE(ScaleChannel(sketch, room).has_value());
        const test::TRecordingSurface surface = Draw(sketch);
        EXPECT_NE(Geometry(surface), Geometry(Draw(TChannelSketch{})));
        EXPECT_EQ(surface.CallsOutside(0, 0, 913, 607), std::vector<std::string>{});
    }
}

TEST(DrawChannelSketchTest, AreaTooSmallForAnyPictureIsOnlyCleared)
{
    const TRect tiny{368, 72, 60, 180};  // no room left inside the margins
    const test::TRecordingSurface surface = Draw(Result(100, 100, 45, 45, 52.23), tiny);
    EXPECT_EQ(surface.Log(), (std::vector<std::string>{"SetBrushColor(192,192,192)", "FillRect(369,73,427,251)"}));
}

}  // namespace
}  // namespace fluvara
