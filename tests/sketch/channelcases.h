#pragma once
// Channels for the sketch tests: the designed layout of the main window and
// records as the channel page fills them.

#include "channelrecords.h"
#include "recordingsurface.h"

namespace fluvara::test {

// The designed layout of the main window: the bevel and its centre.
inline constexpr TPoint centre{632, 328};
inline constexpr TRect bevel{368, 72, 529, 513};
// Its room for the picture: half width 264 and half height 256, less the margins.
inline constexpr TChannelRoom room{234, 226, 166, 0.9};

// The given numbers with the widths of the result Q 500 l/s, Is 2, kst 30,
// b 100, hp 100, 45 and 45 degrees.
inline TChannelSketch Result(double hp, double b, double alpha, double beta, double h)
{
    return ChannelRecord(hp, b, alpha, beta, h, 100, 100, 204.46, 300);
}

// The numbers of a channel with the widths the calculation gives it.
inline TChannelSketch Labelled(double hp, double b, double alpha, double beta, double h)
{
    return CalculatedChannel(hp, b, alpha, beta, h);
}

inline TRecordingSurface Draw(const TChannelSketch& sketch, TRect area = bevel)
{
    TRecordingSurface surface;
    DrawChannelSketch(surface, sketch, centre, area);
    return surface;
}

}  // namespace fluvara::test
