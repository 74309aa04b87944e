#pragma once
// One reach of a network by the flow-time method: the flow time to its
// lower end found by passes, each taking the velocity of the pass before,
// until the time settles; each pass designs or verifies the pipe as a
// circular reach of a list does.

#include "network.h"
#include "networkreach.h"

namespace fluvara {

struct TFlowTimeStart {
    double tStart = 0;        // min, at the upper manhole
    double aredSum = 0;       // ha, the reach's own and everything above
    double qtSum = 0;         // l/s
    double smallestSize = 0;  // mm, the largest pipe above
};

struct TFlowTimeReach {
    TReachOutcome outcome;  // NetworkResultCount results
    double tEnd = 0;        // min
    double size = 0;        // mm, d as typed or the nominal size
};

inline constexpr const char* AmbiguousFlowTimeWarning = "Fließzeit nicht eindeutig: größerer Abfluss angesetzt";

// in must have no errors. Never throws.
TFlowTimeReach CalculateFlowTime(const TNetworkReachInput& in, const TFlowTimeStart& start,
                                 const TNetworkOptions& options);

// Adds a warning to the status of a calculated reach ("berechnet" gives way).
void AddWarning(TReachOutcome& outcome, const std::string& warning);

}  // namespace fluvara
