#pragma once
// A sewer network calculated by the flow-time method: reach by reach from
// the top of each tree, the reduced areas and the dry-weather flow added up
// downstream, the design rain taken for the flow time to each reach's lower
// end, and each pipe designed or verified as a circular reach of a list.

#include "rain.h"
#include "reach.h"
#include "reachlist.h"
#include "rowstore.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace fluvara {

struct TNetworkOptions : TNetworkSettings {
    TReachOptions reach;  // the nominal sizes
};

// The iteration of the flow time gives up after this many passes.
inline constexpr int FlowTimePassLimit = 100;
// Two passes whose flow times differ by less than this (min) have settled.
inline constexpr double FlowTimeTolerance = 0.0001;

// fields(i) gives the input fields of row i (TNetworkField order); sink
// takes each reach's outcome as it is done, upstream reaches first.
using TNetworkFields = std::function<std::vector<std::string>(std::size_t row)>;
using TNetworkSink = std::function<void(std::size_t row, TReachOutcome&& outcome)>;
void CalculateNetwork(std::size_t count, const TNetworkFields& fields, const TNetworkOptions& options,
                      const TNetworkSink& sink);
// The outcome of each reach, in the order of the rows.
std::vector<TReachOutcome> CalculateNetwork(const TReachList& list, const TNetworkOptions& options);

// A network's rows as a list run holds them (TRunOptions::wholeList).
void CalculateNetwork(const TListLayout& layout, const TPackedTexts& rows, TPackedOutcomes& outcomes,
                      const TNetworkOptions& options);

// "" when the options can be used, else a German message.
std::string NetworkOptionsError(const TNetworkOptions& options);

}  // namespace fluvara
