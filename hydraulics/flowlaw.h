#pragma once
// The flow laws of the circular pipe, shared with the other closed profiles:
// full flow after Prandtl-Colebrook in the lump-sum form with one operating
// roughness kb, and partial flow by the 0.625 power of the hydraulic radii.

#include <cmath>

namespace fluvara {

struct TFullFlowLaw {
    double Qv = 0;  // l/s, not cut
    double vv = 0;  // m/s, Qv / A
};

// A section of area A (m^2) whose hydraulic diameter is d (mm): the pipe's
// inner diameter, 4 R for any other profile. kb mm, Is per mille.
TFullFlowLaw PrandtlColebrook(double d, double A, double kb, double Is);

// Mean velocity at partial flow from the hydraulic radius Rt of the wetted
// section and Rv of the full one (any one unit), vv at full flow.
inline double PartialFlowVelocity(double Rt, double Rv, double vv) { return std::pow(Rt / Rv, 0.625) * vv; }

}  // namespace fluvara
