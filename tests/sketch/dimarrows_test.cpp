#include "circlesketch.h"
#include "recordingsurface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fluvara {
namespace {

struct TArrowCase {
    const char* name;
    char device;
    int x1, y1, x2, y2;
    std::vector<std::string> expected;
};

// Heads are 11a long and 8a wide, a = 1 on the window and 3 on the page; a
// dimension under 25 pixels loses its line and gets the heads outside.
// clang-format off
const TArrowCase arrowCases[] = {
    {"vertical long window", 'B', 100, 50, 100, 100,
     {"MoveTo(100,50)", "LineTo(100,100)", "Polygon(100,50;104,61;96,61)", "Polygon(100,100;104,89;96,89)"}},
    {"vertical exactly 25", 'B', 100, 50, 100, 75,
     {"MoveTo(100,50)", "LineTo(100,75)", "Polygon(100,50;104,61;96,61)", "Polygon(100,75;104,64;96,64)"}},
    {"vertical 24 heads outside", 'B', 100, 50, 100, 74,
     {"Polygon(100,74;104,85;96,85)", "Polygon(100,50;104,39;96,39)"}},
    {"vertical long page", 'P', 100, 50, 100, 200,
     {"MoveTo(100,50)", "LineTo(100,200)", "Polygon(100,50;112,83;88,83)", "Polygon(100,200;112,167;88,167)"}},
    {"vertical short page keeps the window limit", 'P', 100, 50, 100, 69,
     {"Polygon(100,69;112,102;88,102)", "Polygon(100,50;112,17;88,17)"}},
    {"horizontal long window", 'B', 50, 100, 100, 100,
     {"MoveTo(50,100)", "LineTo(100,100)", "Polygon(50,100;61,104;61,96)", "Polygon(100,100;89,104;89,96)"}},
    {"horizontal exactly 25", 'B', 50, 100, 75, 100,
     {"MoveTo(50,100)", "LineTo(75,100)", "Polygon(50,100;61,104;61,96)", "Polygon(75,100;64,104;64,96)"}},
    {"horizontal 24 heads outside", 'B', 50, 100, 74, 100,
     {"Polygon(74,100;85,104;85,96)", "Polygon(50,100;39,104;39,96)"}},
    {"horizontal long page", 'P', 50, 100, 200, 100,
     {"MoveTo(50,100)", "LineTo(200,100)", "Polygon(50,100;83,112;83,88)", "Polygon(200,100;167,112;167,88)"}},
    {"horizontal short page", 'P', 50, 100, 60, 100,
     {"Polygon(60,100;93,112;93,88)", "Polygon(50,100;17,112;17,88)"}},
    {"one pixel long", 'B', 100, 50, 100, 51, {"Polygon(100,51;104,62;96,62)", "Polygon(100,50;104,39;96,39)"}},
    {"equal points", 'B', 100, 50, 100, 50, {}},
    {"vertical reversed", 'B', 100, 100, 100, 50, {}},
    {"horizontal reversed", 'B', 100, 50, 50, 50, {}},
    {"slanted", 'B', 50, 50, 100, 100, {}},
    {"slanted page", 'P', 50, 100, 100, 50, {}},
};
// clang-format on

TEST(DrawDimArrowsTest, DrawsLineAndHeadsByLengthAndDevice)
{
    for (const TArrowCase& c : arrowCases) {
        SCOPED_TRACE(c.name);
        test::TRecordingSurface surface;
        DrawDimArrows(surface, c.device, c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(surface.Log(), c.expected);
    }
}

}  // namespace
}  // namespace fluvara
