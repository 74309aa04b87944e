#pragma once
// Scaled, dimensioned cross-section of the trapezoidal channel.

#include "drawsurface.h"
#include "labellayout.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace fluvara {

inline constexpr TRgb Orange{255, 128, 0};  // the ground

// The channel a drawing shows, as the calculation gave it.
struct TChannelSketch {
    double hp = 0;       // cm, profile height
    double b = 0;        // cm, bottom width
    double alpha = 0;    // degrees, left bank
    double beta = 0;     // degrees, right bank
    double h = 0;        // cm, flow depth
    double l1 = 0;       // cm, width of the left bank at the profile height
    double l2 = 0;       // cm, width of the right bank
    double bWsp = 0;     // cm, water-surface width
    double bProfil = 0;  // cm, total profile width
    int LabelsOnly = 1;  // 1: the example channel with the symbols of the quantities
};

// hp 75, b 75, both banks 45 degrees, h 50; LabelsOnly set.
TChannelSketch ExampleChannel();

// The nine labels of a drawing.
struct TChannelLabels {
    std::string hp;
    std::string b;
    std::string l1;
    std::string l2;
    std::string alpha;
    std::string beta;
    std::string h;
    std::string bWsp;
    std::string bProfil;
};

// With LabelsOnly the symbols (" hp ", "  a  " for alpha, ...), otherwise the
// values formatted "%4.1f " and the angles "%4.1f ° ".
TChannelLabels ChannelLabels(const TChannelSketch& sketch);

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
    double s = 0;        // scale in pixels per cm
    bool wide = false;   // the water surface is the binding width and is centred
    int eL = 0, eR = 0;  // outer ends of the ground's top
    int tL = 0, tR = 0;  // top corners of the channel
    int hb = 0;          // half bottom
    int yP = 0;          // profile height
    int wL = 0, wR = 0;  // ends of the water surface
    int yW = 0;          // flow depth

    // Axis minus the centre of the area, so that the widest element is centred.
    int AxisOffset() const { return wide ? (wL - wR) / 2 : (eL - eR) / 2; }
    // How far the picture reaches left and right of the axis: the ground with
    // margin pixels of dimension lines beyond it, or the water surface.
    int LeftReach(int margin) const { return std::max(eL + margin, wL); }
    int RightReach(int margin) const { return std::max(eR, wR) + margin; }
};

// Scale and pixel lengths of the record's numbers. Empty when the numbers
// give no finite picture: a profile height or flow depth not above 0, a
// negative bottom width, a bank angle outside (0, 90] degrees, a value that
// is not a finite number, lengths that overflow, or no room at all.
std::optional<TChannelPixels> ScaleChannel(const TChannelSketch& numbers, const TChannelRoom& room);

// What a drawing shows: the record's numbers, or, where they give no finite
// picture, the example channel's shape and bank angles under the record's labels.
struct TChannelShape {
    TChannelPixels pixels;
    double alpha = 0;  // degrees, for the angle marks
    double beta = 0;
};

// Empty only when not even the example channel fits the room.
std::optional<TChannelShape> ChannelShape(const TChannelSketch& sketch, const TChannelRoom& room);

// ChannelShape at a scale reduced, where needed, until the picture with its
// margins fits areaWidth: centred on the water surface, a ground reaching
// beyond the water on one side can make it wider than the room allows.
std::optional<TChannelShape> ChannelShapeWithin(const TChannelSketch& sketch, TChannelRoom room, int margin,
                                                int areaWidth);

// The ground (orange, reaching groundDepth below the bottom) with the channel
// cut into it, and the water in it; the bottom's middle is (xc, yBottom).
void DrawChannelBody(TDrawSurface& surface, const TChannelPixels& p, int xc, int yBottom, int groundDepth);

// An angle mark: a leg rising at the bank's angle to its vertex, a
// horizontal leg pointing away from the channel, and the angle's label.
struct TAngleMark {
    TPoint outer;  // the rising leg's outer end
    TPoint vertex;
    TPoint legEnd;  // the horizontal leg's end
    TPoint textAt;
};

// The mark with its label moved inward, the least distance that keeps both
// inside the area and clear of the labels placed before.
TAngleMark PlaceAngleMark(TDrawSurface& surface, TLabelLayout& labels, const TAngleMark& mark, std::string_view text);
void DrawAngleMark(TDrawSurface& surface, const TAngleMark& mark, std::string_view text);

// Redraws the whole sketch area (the bevel's rectangle inset by one pixel)
// with the shape of ChannelShape, or with LabelsOnly the example channel and
// the heading " Bezeichnungen "; labels that would cover one another or leave
// the area move as TLabelLayout places them.
void DrawChannelSketch(TDrawSurface& surface, const TChannelSketch& sketch, TPoint centre, TRect bevel);

}  // namespace fluvara
