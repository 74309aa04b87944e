#pragma once
// Channel sketch records for the drawing tests, filled as the channel page
// fills them.

#include "channelsketch.h"

#include <cmath>

namespace fluvara::test {

// A result's numbers with the given widths (cm).
inline TChannelSketch ChannelRecord(double hp, double b, double alpha, double beta, double h, double l1, double l2,
                                    double bWsp, double bProfil)
{
    return TChannelSketch{.hp = hp,
                          .b = b,
                          .alpha = alpha,
                          .beta = beta,
                          .h = h,
                          .l1 = l1,
                          .l2 = l2,
                          .bWsp = bWsp,
                          .bProfil = bProfil,
                          .LabelsOnly = 0};
}

// A result's numbers with the widths the calculation gives them.
inline TChannelSketch CalculatedChannel(double hp, double b, double alpha, double beta, double h)
{
    const auto run = [](double height, double degrees) { return height / std::tan(degrees * 3.14159265358979 / 180); };
    return ChannelRecord(hp, b, alpha, beta, h, run(hp, alpha), run(hp, beta), run(h, alpha) + b + run(h, beta),
                         run(hp, alpha) + run(hp, beta) + b);
}

}  // namespace fluvara::test
