#pragma once
// How the reaches of a network hang together: each reach runs from its
// upper manhole (von) to its lower one (bis); a manhole sends at most one
// reach, so each network is a tree that branches upstream, its outlet the
// manhole that sends none. A list may hold several trees.

#include <cstddef>
#include <string>
#include <vector>

namespace fluvara {

struct TNetworkLink {
    std::string name;
    std::string from;
    std::string to;
};

struct TTopology {
    // Per reach, the reaches that end at its upper manhole, in list order.
    std::vector<std::vector<std::size_t>> incoming;
    // Per reach, the message that refuses it for its place in the network;
    // "" for a reach that can be calculated once its incoming reaches are.
    std::vector<std::string> refusal;
    // Every reach, each after all reaches above it; a reach on a ring and
    // the reaches below a ring last.
    std::vector<std::size_t> order;
};

// Refuses, each on every reach concerned: an empty name, von or bis; von
// equal to bis; a name used twice; a manhole with two outgoing reaches; a
// ring. Reaches below a refused one are not refused here: the calculation
// refuses them as it meets them.
TTopology ReadTopology(const std::vector<TNetworkLink>& links);

}  // namespace fluvara
