#pragma once
// A network's rain and limits in the project file ("netzvorgaben"): written
// as a small JSON object, read whole.

#include "networksettings.h"
#include "reachlist.h"

#include <nlohmann/json_fwd.hpp>

#include <string>

namespace fluvara {

// True when a project holds a network, rows or settings of its own: then it
// is written as version 2.
bool HasNetwork(const TReachList& network, const TNetworkSettings& settings);

// The settings as JSON text (numbers as the shortest text that reads back
// the same).
std::string NetworkSettingsJson(const TNetworkSettings& settings);

// Throws TInputError ("Projektdatei: …") for a value that is not such an
// object; keys it does not know are passed over.
TNetworkSettings ReadNetworkSettings(const nlohmann::json& value);

}  // namespace fluvara
