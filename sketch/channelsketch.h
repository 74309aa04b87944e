#pragma once
// Scaled, dimensioned cross-section of the trapezoidal channel.

#include "drawsurface.h"

#include <optional>
#include <string>

namespace fluvara {

inline constexpr TRgb Orange{255, 128, 0};  // the ground

struct TChannelSketch {
    double hp = 0;     // cm, profile height
    double b = 0;      // cm, bottom width
    double alpha = 0;  // degrees, left bank
    double beta = 0;   // degrees, right bank
    double h = 0;      // cm, flow depth
    std::string hpText;
    std::string bText;
    std::string l1Text;
    std::string l2Text;
    std::string alphaText;
    std::string betaText;
    std::string hText;
    std::string bWspText;
    std::string bProfilText;
    int LabelsOnly = 1;  // 1: example channel with symbols
};

// Writes the example channel (hp 75, b 75, both banks 45 degrees, h 50) and
// the symbols of the quantities as its labels. LabelsOnly is left alone.
void SetExampleChannel(TChannelSketch& sketch);

// Room for the picture in pixels: across half the width (the profile with a
// 10 cm rim on each side, and the water surface, are fitted into twice this),
// for the profile height and for the flow depth; verticalFactor flattens
// every height (0.9 on the window).
struct TChannelRoom {
    double halfWidth = 0;
    double profileHeight = 0;
    double flowDepth = 0;
    double verticalFactor = 1;
    // The window converts degrees as x · π / 180, the printout as
    // x · π · (1/180); the last bit of a tangent can move a pixel.
    bool timesOneOver180 = false;
};

// The channel's lengths in pixels, measured from its axis (widths) or from
// its bottom (heights).
struct TChannelPixels {
    double s = 0;       // scale in pixels per cm
    bool wide = false;  // the water surface is the binding width and is centred
    int eL = 0, eR = 0;  // outer ends of the ground's top
    int tL = 0, tR = 0;  // top corners of the channel
    int hb = 0;          // half bottom
    int yP = 0;          // profile height
    int wL = 0, wR = 0;  // ends of the water surface
    int yW = 0;          // flow depth

    // Axis minus the centre of the area, so that the widest element is centred.
    int AxisOffset() const { return wide ? (wL - wR) / 2 : (eL - eR) / 2; }
};

// Scale and pixel lengths of the record's numbers. Empty when the numbers
// give no finite picture: a profile height or flow depth not above 0, a
// negative bottom width, a bank angle outside (0, 90] degrees, a value that
// is not a finite number, lengths that overflow, or no room at all.
std::optional<TChannelPixels> ScaleChannel(const TChannelSketch& numbers, const TChannelRoom& room);

// What a drawing shows: the record's numbers, or, where they give no finite
// picture (a calculation that stopped at an invalid input leaves them there),
// the example channel's shape and bank angles under the record's labels.
struct TChannelShape {
    TChannelPixels pixels;
    double alpha = 0;  // degrees, for the angle marks
    double beta = 0;
};

// Empty only when not even the example channel fits the room.
std::optional<TChannelShape> ChannelShape(const TChannelSketch& sketch, const TChannelRoom& room);

// The ground (orange, reaching groundDepth below the bottom) with the channel
// cut into it, and the water in it; the bottom's middle is (xc, yBottom).
void DrawChannelBody(TDrawSurface& surface, const TChannelPixels& p, int xc, int yBottom, int groundDepth);

// Redraws the whole sketch area (the bevel's rectangle inset by one pixel)
// with the shape of ChannelShape. With LabelsOnly set it first writes the
// example channel into the record; otherwise the record is left as it is.
void DrawChannelSketch(TDrawSurface& surface, TChannelSketch& sketch, TPoint centre, TRect bevel);

} // namespace fluvara
