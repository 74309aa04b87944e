#pragma once
// One reach of a network as read from its row: where it runs, its own
// numbers, and the texts its pipe is checked and calculated from. What
// fails is kept per field; the calculation refuses such a reach.

#include "reach.h"
#include "topology.h"

#include <span>
#include <string>
#include <vector>

namespace fluvara {

struct TNetworkReachInput {
    TNetworkLink link;           // names without the blanks around them
    double length = 0;           // m
    bool levels = false;         // both inverts given: the slope comes from them
    double invertTop = 0;        // m
    double invertBottom = 0;     // m
    double slopeFromLevels = 0;  // per mille, with levels
    bool coverGiven = false;
    double coverTop = 0;  // m
    double area = 0;      // ha, AE
    double psi = 0;
    double QT = 0;  // l/s
    // As typed, for the circular reach's own checks.
    std::string d;
    std::string kb;
    std::string Is;  // the typed slope, used without levels
    std::string hdPermitted;
    std::string use09;
    std::string profile;             // "Kreis" or empty, "Ei", "Rechteck"
    std::string size;                // b/H of an egg or a box
    double dValue = 0;               // mm, the typed d as read (0: design)
    std::vector<TCellError> errors;  // TNetworkField order; the reach is refused when any
};

// fields: one text per TNetworkField. Never throws.
TNetworkReachInput ReadNetworkReach(std::span<const std::string> fields);

// The shortest decimal text of a value that a list reads back as exactly
// that value (never an exponent, never three decimals a list takes for a
// thousands point).
std::string ExactNumberText(double value);

}  // namespace fluvara
