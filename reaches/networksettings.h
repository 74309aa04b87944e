#pragma once
// What a network is calculated with besides its rows: the design rain and
// the limits of its checks. Kept with the lists, so that a project stores
// them; the network library calculates with them.

#include <optional>
#include <vector>

namespace fluvara {

struct TRainRow {
    double D = 0;  // min
    double r = 0;  // l/(s·ha)
};

struct TReinholdRain {
    double r15 = 0;  // l/(s·ha), the 15-minute rain of frequency 1
    double n = 1;    // 1/a, how often a year the rain is reached
};

// Either a table (durations strictly ascending) or Reinhold's rain.
struct TDesignRain {
    std::vector<TRainRow> table;
    std::optional<TReinholdRain> reinhold;
};

struct TNetworkSettings {
    TDesignRain rain;
    double t0 = 5;            // min, flow time at the top of each branch
    double tauLimit = 1.0;    // N/m², below: deposits to be feared
    double coverLimit = 1.0;  // m, below: too little cover
};

}  // namespace fluvara
