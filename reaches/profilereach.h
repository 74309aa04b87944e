#pragma once
// A reach of a circular list that is an egg 2:3 or a closed box: the
// column "Profil" says which, "b/H" its size. Checked with the circular
// reach's rules and messages, calculated under the circle's laws; the
// results stand in the circle's columns, the size "b/H" in place of the
// diameter, h/H in place of h/d.

#include "circlereach.h"
#include "profilehydraulics.h"

#include <optional>
#include <span>
#include <string>

namespace fluvara {

enum class TReachProfile { Circle, Egg, Rectangle };

// "Kreis" or empty, "Ei", "Rechteck" in any case; nothing for another text.
std::optional<TReachProfile> ParseReachProfile(std::string_view text);

inline constexpr const char* ProfileMessage = "Profil ist ungültig ( Kreis, Ei oder Rechteck )";

// fields as for CalculateCircleReach; the row's profile is an egg or a box.
TReachOutcome CalculateProfileReach(std::span<const std::string> fields, TReachProfile shape,
                                    const TReachOptions& options, std::optional<TProfileRun>& run);

}  // namespace fluvara
