#pragma once
// A circular reach with the runs it made, for callers that go on from the
// pipe's numbers (a network takes the velocity of each reach's flow).

#include "reach.h"

#include "designrun.h"
#include "profilehydraulics.h"
#include "verificationrun.h"

#include <optional>
#include <span>
#include <string>

namespace fluvara {

// An egg or a box in a circular list (profilereach.h).
struct TProfileRun {
    TProfile profile;
    double Is = 0;  // per mille
    TProfileFullFlow full;
    std::optional<TProfilePartialFlow> partial;  // with a discharge the profile carries
    bool designed = false;
};

struct TCircleReachRuns {
    std::optional<TDesignRun> design;
    std::optional<TFullFlowRun> full;        // the pipe as verified: d as typed or the nominal size
    std::optional<TPartialFlowRun> partial;  // with a discharge that the pipe carries or overloads
    std::optional<int> nominalSize;          // mm, the designed size
    std::optional<TProfileRun> profile;      // an egg or a box, instead of the runs above
};

// CalculateCircleReach, keeping the runs in runs.
TReachOutcome CalculateCircleReach(std::span<const std::string> fields, const TReachOptions& options,
                                   TCircleReachRuns& runs);

}  // namespace fluvara
