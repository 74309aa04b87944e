#pragma once
// Scaled, dimensioned cross-section of the trapezoidal channel.

#include "drawsurface.h"

#include <string>

namespace fluvara {

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

// Redraws the whole sketch area. With LabelsOnly set it first writes the
// example channel into the record.
void DrawChannelSketch(TDrawSurface& surface, TChannelSketch& sketch, TPoint centre, TRect bevel);

} // namespace fluvara
