#pragma once
// The egg 2:3 and the closed rectangle under the circular pipe's laws: full
// flow after Prandtl-Colebrook with the hydraulic diameter 4 R in place of d
// and the profile's full area; partial flow by vt = (Rt / Rv)^0.625 · vv and
// Qt = vt · At, the filling height found by the circle's stepping search
// walking over h; design of an egg as the smallest size of its series.
// Sizes b and H in mm, kb in mm, Is in per mille, discharges in l/s.

#include "profilegeometry.h"

#include <optional>
#include <vector>

namespace fluvara {

struct TProfileFullFlow {
    double A = 0;      // m^2, full area
    double U = 0;      // m, full perimeter
    double R = 0;      // m, hydraulic radius A / U
    double dh = 0;     // mm, hydraulic diameter 4 R
    double Qv = 0;     // l/s, cut to two decimals as the circle's
    double vv = 0;     // m/s, from Qv before the cut
    double hFull = 0;  // cm, H
};

// Throws CalculationError for a profile that is not one, and when the law
// gives no finite, positive discharge (a slope not above 0, say).
TProfileFullFlow ProfileFullFlow(const TProfile& profile, double kb, double Is);

// The wetted section at a filling height h (mm, 0 ... H) and what the 0.625
// law gives there: the formulas the partial-flow search evaluates in every
// pass. The dry profile (h 0) carries nothing at the velocity 0.
struct TProfileFlow {
    double At = 0;  // m^2
    double Rt = 0;  // m
    double vt = 0;  // m/s
    double Q = 0;   // l/s
};
TProfileFlow ProfileFlowAt(const TProfile& profile, const TProfileFullFlow& full, double h);

struct TProfilePartialFlow {
    double h = 0;   // cm
    double hH = 0;  // percent, h / H
    double qq = 0;  // percent, Qt / Qv (Qv cut)
    double vt = 0;  // m/s
    double At = 0;  // m^2
    double Rt = 0;  // m
    int passes = 0;
};

// The walk over h starts dry and moves 10 mm at a time; every turn divides
// the step by ten. It ends once |Q(h) - Qt| is no more than this (l/s).
inline constexpr double ProfilePartialFlowFirstStep = 10;  // mm
inline constexpr double ProfilePartialFlowTolerance = 0.0001;
inline constexpr const char* ProfileDischargeMessage = "Teilfüllung: Qt muss größer als 0 und höchstens Qv sein";

// Qt l/s, above 0 and at most full.Qv, for full the last ProfileFullFlow of
// the same profile. Q(h) rises to a maximum above Qv a little below the
// crown (the box's just below its cover) and comes back to Qv full; as for
// the circle, the walk from the dry profile ends at the lower of the heights
// that carry Qt. Throws CalculationError with ProfileDischargeMessage for a
// Qt outside that range, with the circle's PartialFlowLimitMessage when the
// walk does not settle within PartialFlowPassLimit passes, and when a value
// is not finite.
TProfilePartialFlow ProfilePartialFlow(const TProfile& profile, const TProfileFullFlow& full, double Qt);

struct TProfileDesign {
    TProfileSize size;  // mm, the size chosen
    double Qbem = 0;    // l/s, Q or Q / 0.9
    double h = 0;       // cm, at the permitted filling
    double Q = 0;       // l/s, what the size carries there
    double Qv = 0;      // l/s, not cut, as in the circle's design
    double vv = 0;      // m/s
    double vt = 0;      // m/s, at the permitted filling
    double qq = 0;      // percent, Q / Qv
};

inline constexpr const char* EggTooSmallMessage = "Bemessung: kein Eiprofil der Reihe ist groß genug";

// The smallest egg of series (ascending b/H in mm, each 2:3) whose discharge
// at the permitted filling hH (percent of H, above 0 and at most 100) is at
// least Q (l/s, above 0), or Q / 0.9 with use09. Nothing when even the
// largest size carries less (EggTooSmallMessage says so). Throws
// CalculationError for inputs out of range and values that are not finite.
std::optional<TProfileDesign> DesignEgg(double Q, double hH, double kb, double Is, bool use09,
                                        const std::vector<TProfileSize>& series = EggSeries());

}  // namespace fluvara
