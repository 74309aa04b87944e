#pragma once
// A network in the batch command: its options from the command line over
// those of the project over the defaults.

#include "commandline.h"
#include "network.h"

namespace fluvara {

// The command line's settings over the saved ones, unchecked.
TNetworkSettings MergedNetworkSettings(const TCommand& command, const TNetworkSettings& saved);

// Throws TInputError when no design rain is given or an option cannot be used.
TNetworkOptions NetworkOptionsOf(const TCommand& command, const TNetworkSettings& saved, const TReachOptions& reach);

// The whole-list step of a streamed list run for a network.
std::function<void(const TListLayout&, const TPackedTexts&, TPackedOutcomes&)>
NetworkStep(const TCommand& command, const TNetworkSettings& saved, const TReachOptions& reach);

}  // namespace fluvara
