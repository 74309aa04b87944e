#pragma once
// Cross-section of an egg or a box with its water level and three dimension
// lines: the width b above, the height H on the left and the filling height
// h on the right, each labelled with its value in cm. Scaled to fit the area
// it is given, in true proportion, on the window or on a printed page.

#include "drawsurface.h"
#include "profilegeometry.h"

#include <optional>
#include <string>

namespace fluvara {

struct TProfileSketch {
    TProfile profile;    // b, H in mm
    double h = 0;        // cm, filling height
    int LabelsOnly = 1;  // 1: placeholder picture with symbols
};

// The example a placeholder picture shows when its profile is none: the egg
// 1000/1500 filled to three eighths of its height.
TProfileSketch ExampleProfileSketch();

// The three labels, as the circle's sketch writes its own ("%5.1f " in cm),
// or with LabelsOnly the symbols " b ", " H ", " h ".
struct TProfileLabels {
    std::string b;
    std::string H;
    std::string h;
};
TProfileLabels ProfileLabels(const TProfileSketch& sketch);

// The window, or the printed page: the page's pixels are three times
// smaller, so every gap, wall and arrowhead is three times larger (the
// arrows of device 'P'); the page keeps its white paper behind the picture
// and inside the profile, and writes every label on white.
enum class TSketchDevice { Window, Page };

// The picture's lengths in pixels.
struct TProfilePixels {
    double s = 0;       // pixels per mm
    int axis = 0;       // x of the axis
    int invert = 0;     // y of the inner invert
    int height = 0;     // inner height H
    int halfWidth = 0;  // half the inner width b
    int wall = 0;       // wall thickness
    int water = 0;      // filling height: 0 dry, height full
};

// Scale and place of the picture in the area, with room for the dimension
// lines and their labels. Empty when the sketch has no profile to draw (with
// LabelsOnly it has the example's) or the area leaves no room.
std::optional<TProfilePixels> ScaleProfileSketch(TDrawSurface& surface, const TProfileSketch& sketch, TRect area,
                                                 TSketchDevice device);

// Redraws the whole area: on the window its silver background, then the
// picture; an area without room, or a sketch without a profile, only the
// background; an empty area nothing.
void DrawProfileSketch(TDrawSurface& surface, const TProfileSketch& sketch, TRect area, TSketchDevice device);

}  // namespace fluvara
