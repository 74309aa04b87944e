#pragma once
// Circular pipe after Prandtl-Colebrook, lump-sum form with one operating
// roughness kb (ATV worksheet A 110): full flow, partial flow, design.

namespace fluvara {

struct TCircleFullFlow {
    double dc = 0;     // mm, diameter used (clear width)
    double A = 0;      // m^2
    double Qv = 0;     // l/s, cut to two decimals
    double vv = 0;     // m/s, from Qv before the cut
    double hFull = 0;  // cm
};

// d mm, kb mm, Is per mille; reduce95 takes 95 % of d as the clear width.
TCircleFullFlow CircleFullFlow(double d, double kb, double Is, bool reduce95);

struct TCirclePartialFlow {
    double phi = 0;  // degrees, central angle of the wetted segment
    double h = 0;    // cm
    double hd = 0;   // percent
    double qq = 0;   // percent, Qt/Qv
    double vt = 0;   // m/s
    int passes = 0;
};

// Bound on the passes of the angle search; ordinary inputs need under 100.
inline constexpr int PartialFlowPassLimit = 10000;
inline constexpr const char* PartialFlowLimitMessage = "Teilfüllung: Suche findet keine Lösung";

// dc mm, Qv l/s (cut), vv m/s of the last full-flow run, Qt l/s.
// Throws CalculationError when the search does not settle or a value is not finite.
TCirclePartialFlow CirclePartialFlow(double dc, double Qv, double vv, double Qt);

// The wetted circular segment of central angle phi (degrees, above 0) in a
// pipe of dc mm whose full-flow velocity is vv: the formulas the partial-flow
// search evaluates in every pass. Partial-filling curves sample it.
struct TCircleSegment {
    double At = 0;  // m^2
    double vt = 0;  // m/s
    double Q = 0;   // l/s
    double Rt = 0;  // m, hydraulic radius of the wetted segment
};
TCircleSegment CircleSegment(double phi, double dc, double vv);

// Filling height and h/d of the segment of central angle phi in a pipe of dc mm.
struct TCircleFilling {
    double h = 0;   // cm
    double hd = 0;  // percent
};
TCircleFilling CircleFillingAt(double phi, double dc);

struct TCircleDesign {
    double Qbem = 0;  // l/s
    double D = 0;     // mm
    double h = 0;     // cm
    double Qv = 0;    // l/s, not cut
    double vv = 0;    // m/s
    double vt = 0;    // m/s
    double qq = 0;    // percent
    int passes = 0;
};

// Ordinary inputs need under 200 passes.
inline constexpr int DesignPassLimit = 10000;
inline constexpr const char* DesignLimitMessage = "Bemessung: Suche findet keinen Durchmesser";

// The discharge (l/s) of a pipe of D mm filled to hd percent, as each pass
// of the design search measures it; it grows with D.
double CircleDesignCapacity(double D, double hd, double kb, double Is);

// Q l/s, hd percent, kb mm, Is per mille; use09 designs for Q / 0.9.
// Throws CalculationError when the search does not settle or a value is not finite.
TCircleDesign CircleDesign(double Q, double hd, double kb, double Is, bool use09);

}  // namespace fluvara
