// Where the channel sketch puts its labels: the label layout's rule, and a
// sweep over channels that measures every text cell.

#include "channelcases.h"
#include "labellayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fluvara {
namespace {

using namespace test;

// Lines and shapes with a point outside the sketch area, the bevel inset by one pixel.
std::vector<std::string> GeometryOutsideTheArea(const TRecordingSurface& surface)
{
    std::vector<std::string> outside;
    for (const TSurfaceCall& call : surface.Calls()) {
        if (call.name != "Polygon" && call.name != "MoveTo" && call.name != "LineTo")
            continue;
        for (std::size_t i = 0; i + 1 < call.args.size(); i += 2)
            if (call.args[i] < 369 || call.args[i] > 895 || call.args[i + 1] < 73 || call.args[i + 1] > 583) {
                outside.push_back(call.ToString());
                break;
            }
    }
    return outside;
}

TEST(TLabelLayoutTest, PlacesByTheRule)
{
    const TBox area{0, 0, 100, 100};
    const TBox first{40, 40, 60, 50};
    const struct {
        const char* name;
        TBox box;
        std::initializer_list<TMove> moves;
        std::initializer_list<TMove> fallback;
        TPoint shift;
    } cases[] = {
        {"clear of everything: stays", {10, 10, 30, 20}, {TMove::Down}, {}, {0, 0}},
        {"overlapping: down by the least distance, with the gap", {45, 45, 65, 55}, {TMove::Down}, {}, {0, 7}},
        {"the nearer of two directions", {45, 35, 65, 45}, {TMove::Down, TMove::Up}, {}, {0, -7}},
        {"a tie goes to the earlier direction", {45, 40, 55, 50}, {TMove::Right, TMove::Left}, {}, {17, 0}},
        {"outside the area: in by the least distance", {90, 10, 110, 20}, {TMove::Left}, {}, {-10, 0}},
        {"inward runs toward the middle", {-5, 10, 15, 20}, {TMove::Inward}, {}, {5, 0}},
        {"no place along the moves: the fallback", {45, 45, 95, 55}, {TMove::Right}, {TMove::Down}, {0, 7}},
        {"no place at all: stays", {45, 45, 95, 55}, {TMove::Right}, {}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TLabelLayout layout(area, 2);
        layout.Place(first, {});
        const TPoint shift = layout.Place(c.box, c.moves, c.fallback);
        EXPECT_EQ(shift, c.shift);
    }
}

TEST(TLabelLayoutTest, ReservedLinesAreClearedWithoutTheGap)
{
    TLabelLayout layout({0, 0, 100, 100}, 5);
    layout.Reserve({0, 20, 100, 22});
    EXPECT_EQ(layout.Place({10, 15, 30, 25}, {TMove::Down}), (TPoint{0, 7}));
    // a label at its own place is not moved by a line it does not touch
    EXPECT_EQ(layout.Place({40, 23, 60, 30}, {TMove::Down}), (TPoint{0, 0}));
}

TEST(TLabelLayoutTest, AMarksTextAndLegsCollideEachOnItsOwn)
{
    // A 90 degree mark: a leg rising from (50,50) to (50,10), one running to
    // (90,50), the text below the vertex; the room between them is empty.
    const TBox text[] = {{50, 57, 80, 67}};
    const TSegment upright[] = {{{50, 10}, {50, 50}}, {{50, 50}, {90, 50}}};
    // A 45 degree mark with its rising leg to (78,22).
    const TSegment slanting[] = {{{78, 22}, {50, 50}}, {{50, 50}, {90, 50}}};
    const struct {
        const char* name;
        TBox before;
        std::span<const TSegment> legs;
        TPoint shift;
    } cases[] = {
        {"a label in the empty corner between the legs: the mark stays", {70, 20, 85, 30}, upright, {0, 0}},
        {"a label under the slanting leg: the mark stays", {70, 40, 85, 48}, slanting, {0, 0}},
        {"a label the rising leg crosses: the mark moves inward", {45, 20, 60, 30}, upright, {13, 0}},
        {"a label the slanting leg crosses: the mark moves inward", {62, 30, 72, 40}, slanting, {17, 0}},
        {"a label over the text: the mark moves inward", {75, 60, 95, 64}, upright, {48, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TLabelLayout layout({0, 0, 200, 100}, 3);
        layout.Place(c.before, {});
        EXPECT_EQ(layout.PlaceGroup(text, c.legs, {TMove::Inward}), c.shift);
    }
}

TEST(TLabelLayoutTest, LaterLabelsAvoidAMarksLegsNotTheRoomBetween)
{
    TLabelLayout layout({0, 0, 200, 100}, 3);
    const TBox text[] = {{50, 57, 80, 67}};
    const TSegment legs[] = {{{50, 10}, {50, 50}}, {{50, 50}, {90, 50}}};
    layout.PlaceGroup(text, legs, {TMove::Inward});
    EXPECT_EQ(layout.Place({60, 20, 80, 30}, {TMove::Left}), (TPoint{0, 0}));
    // over the rising leg: left until it is 3 px clear of the leg's pixel
    EXPECT_EQ(layout.Place({40, 32, 55, 40}, {TMove::Left}), (TPoint{-8, 0}));
}

TEST(TLabelLayoutTest, PlaceTextMeasuresInTheSurfacesFont)
{
    TRecordingSurface surface("Arial", 10, 10);
    TLabelLayout layout({0, 0, 200, 200}, 0);
    EXPECT_EQ(layout.PlaceText(surface, {10, 10}, "abc", {TMove::Down}), (TPoint{10, 10}));
    EXPECT_EQ(layout.PlaceText(surface, {30, 15}, "x", {TMove::Right}), (TPoint{40, 15}));
}

TEST(AxisWithinTest, MovesThePictureInOrCentresIt)
{
    const TBox area{100, 0, 201, 50};  // pixels 100 to 200
    EXPECT_EQ(AxisWithin(150, 20, 20, area), 150);
    EXPECT_EQ(AxisWithin(110, 20, 20, area), 120);
    EXPECT_EQ(AxisWithin(195, 20, 20, area), 180);
    EXPECT_EQ(AxisWithin(150, 80, 60, area), 160);  // wider than the area: centred
}

TEST(ChannelLabelsTest, ValuesAsTheChannelPageFormatsThem)
{
    const TChannelLabels labels = ChannelLabels(Result(100, 3000, 26.565, 90, 7.25));
    const std::vector<std::string> texts{labels.hp,   labels.b, labels.l1,   labels.l2,     labels.alpha,
                                         labels.beta, labels.h, labels.bWsp, labels.bProfil};
    EXPECT_EQ(texts,
              (std::vector<std::string>{"100.0 ", "3000.0 ", "100.0 ", "100.0 ", "26.6 ° ", "90.0 ° ", " 7.2 ",
                                        "204.5 ", "300.0 "}));
}

TEST(DrawChannelSketchTest, LabelsNeverCoverOneAnotherNorLeaveTheArea)
{
    // narrow and wide bottoms, flat and tall profiles, flat to vertical banks,
    // shallow to overflowing water
    for (const double b : {1.0, 4.0, 30.0, 100.0, 500.0, 3000.0})
        for (const double hp : {10.0, 40.0, 100.0, 900.0})
            for (const double alpha : {10.0, 26.57, 45.0, 75.0, 90.0})
                for (const double beta : {10.0, 26.57, 45.0, 75.0, 90.0})
                    for (const double depth : {0.02, 0.5, 1.0, 1.6, 4.0}) {
                        TRecordingSurface surface;
                        DrawChannelSketch(surface, Labelled(hp, b, alpha, beta, depth * hp), centre, bevel);
                        const std::vector<std::string> faults = surface.TextCollisions(369, 73, 896, 584);
                        ASSERT_EQ(faults, std::vector<std::string>{}) << "b " << b << " hp " << hp << " alpha " << alpha
                                                                      << " beta " << beta << " h " << depth * hp;
                        ASSERT_EQ(GeometryOutsideTheArea(surface), std::vector<std::string>{})
                            << "b " << b << " hp " << hp << " alpha " << alpha << " beta " << beta << " h "
                            << depth * hp;
                    }
}

TEST(DrawChannelSketchTest, CollidingLabelsMoveTheLeastDistanceAlongTheirOwnDirections)
{
    // A label that moves keeps 3 px from the labels it clears.
    const struct {
        const char* name;
        TChannelSketch sketch;
        std::vector<std::string> texts;
    } cases[] = {
        {"steep banks on a 1 px bottom: the bottom width, which the bank widths would hide, moves down clear of "
         "the total width's line and label",
         Labelled(100, 1, 80, 80, 50),
         {"TextOut(622,167,\"18.6 \")", "TextOut(622,431,\" 1.0 \")", "TextOut(601,385,\"17.6 \")",
          "TextOut(642,385,\"17.6 \")", "TextOut(622,415,\"36.3 \")", "TextOut(574,226,\"100.0 \")",
          "TextOut(532,480,\"80.0 \u00b0 \")", "TextOut(692,480,\"80.0 \u00b0 \")", "TextOut(612,458,\"[ cm ]\")",
          "TextOut(670,272,\"50.0 \")"}},
        {"two vertical banks on a tall narrow profile: the right bank width moves right, the bottom width "
         "down, the profile height below the water-surface width",
         Labelled(900, 1, 90, 90, 200),
         {"TextOut(622,223,\" 1.0 \")", "TextOut(622,431,\" 1.0 \")", "TextOut(622,385,\" 0.0 \")",
          "TextOut(655,385,\" 0.0 \")", "TextOut(622,415,\" 1.0 \")", "TextOut(635,239,\"900.0 \")",
          "TextOut(532,480,\"90.0 \u00b0 \")", "TextOut(692,480,\"90.0 \u00b0 \")", "TextOut(612,458,\"[ cm ]\")",
          "TextOut(609,300,\"200.0 \")"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Draw(c.sketch).Log({"TextOut"}), c.texts);
    }
}

TEST(DrawChannelSketchTest, AnAngleMarkMovesOnlyForWhatItsTextOrLegsTouch)
{
    const auto rightAngle = [](const TChannelSketch& sketch) {
        for (const TSurfaceCall& call : Draw(sketch).Find("TextOut"))
            if (call.ToString().find("90.0 \u00b0") != std::string::npos)
                return call.ToString();
        return std::string();
    };
    // the bottom width's label stands in the room between the right bank's
    // rising leg and the end of its level leg, touching neither: the mark keeps its place
    EXPECT_EQ(rightAngle(Labelled(30, 11.8, 33.7, 90, 36)), "TextOut(692,480,\"90.0 \u00b0 \")");
    // here its text or a leg does touch a label: the least move that clears them
    EXPECT_EQ(rightAngle(Labelled(30, 11.8, 45, 90, 36)), "TextOut(687,480,\"90.0 \u00b0 \")");
}

TEST(DrawChannelSketchTest, PictureWiderThanTheAreaMovesInOrShrinks)
{
    // Water of 13 cm over hp 10, b 1 and banks of 10 and 45 degrees is
    // centred on its surface; the flow-depth dimension right of the ground's
    // rim would leave the area, so the axis moves left by the least distance.
    const TChannelSketch overflowing = Labelled(10, 1, 10, 45, 13);
    const auto p = ScaleChannel(overflowing, room);
    ASSERT_TRUE(p.has_value());
    ASSERT_TRUE(p->wide);
    const TRecordingSurface surface = Draw(overflowing);
    EXPECT_EQ(GeometryOutsideTheArea(surface), std::vector<std::string>{});
    // the water surface from 375 instead of 398
    EXPECT_EQ(surface.Find("Polygon").at(1).ToString(), "Polygon(768,328;772,328;842,266;375,266)");
    // water of 16 cm over hp 10 with a bank of 10 degrees against a vertical
    // one: no shift fits the water surface and the ground's rims, the scale shrinks
    const TRecordingSurface shrunk = Draw(Labelled(10, 1, 10, 90, 16));
    EXPECT_EQ(GeometryOutsideTheArea(shrunk), std::vector<std::string>{});
    // 455 px of water surface instead of 467
    EXPECT_EQ(shrunk.Find("Polygon").at(1).ToString(), "Polygon(825,328;829,328;829,257;374,257)");
}

}  // namespace
}  // namespace fluvara
