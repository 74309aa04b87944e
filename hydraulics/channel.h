#pragma once
// Trapezoidal open channel after Manning-Strickler with separate coefficients
// for the bottom and the two banks: normal depth by a stepping search,
// critical depth on a millimetre grid, flow regime.

namespace fluvara {

enum class TBankForm { ByAngle, BySlope };

// One bank's inclination in the form the user gave it.
struct TBankInclination {
    TBankForm form = TBankForm::ByAngle;
    double value = 90;  // degrees for ByAngle (90 = vertical), slope number m (1 : m) for BySlope
};

inline TBankInclination ByAngle(double degrees) { return {TBankForm::ByAngle, degrees}; }
inline TBankInclination BySlope(double m) { return {TBankForm::BySlope, m}; }

struct TChannelInput {
    double Q = 0;          // l/s
    double Is = 0;         // per mille
    double kstBottom = 0;  // m^(1/3)/s
    double kstLeft = 0;
    double kstRight = 0;
    double b = 0;   // cm, bottom width
    double hp = 0;  // cm, profile height
    TBankInclination left;
    TBankInclination right;
};

// The wetted cross-section at one depth, in m and m^2.
struct TChannelSection {
    double A = 0;
    double P = 0;
    double Bm = 0;  // mean width A / h
    double Pb = 0;  // bottom
    double Pl = 0;  // left bank
    double Pr = 0;  // right bank
};

enum class TFlowRegime { Subcritical, Supercritical, Overflowing };

// "strömend", "schießend", "läuft über" (UTF-8).
const char* RegimeWord(TFlowRegime regime);

struct TChannelResult {
    double alpha = 0;  // degrees, left bank
    double mLeft = 0;  // 1 : m, 0 for a vertical bank
    double beta = 0;   // degrees, right bank
    double mRight = 0;
    double h = 0;        // cm, normal depth (the stepped depth)
    double v = 0;        // m/s
    double kstMean = 0;  // m^(1/3)/s
    double l1 = 0;       // cm, run of the left bank over hp
    double l2 = 0;       // cm, run of the right bank over hp
    double bWsp = 0;     // cm, water-surface width at h
    double bProfil = 0;  // cm, profile width at hp
    double hgr = 0;      // cm, critical depth
    double vgr = 0;      // m/s
    TFlowRegime regime = TFlowRegime::Subcritical;
    int normalPasses = 0;
    int criticalPasses = 0;
};

// The bound of both depth searches. Taken without a limit, a narrow channel
// with vertical banks drives the normal-depth search to kilometres in millions
// of passes. Both searches refuse as soon as they step to a depth above
// MaxDepth. The normal-depth walk overshoots its result by less than one 0.1 m
// move, so every normal depth below 49.9 m is exactly the unbounded result.
// Within the page's ranges a section critical at 50 m is too narrow to carry
// the discharge at a normal depth of 50 m (its Froude number there would stay
// below 0.72), so the second message only meets direct calls of CriticalDepth;
// the deepest accepted critical depth found is 45.6 m.
inline constexpr double MaxDepth = 50.0;  // m
inline constexpr const char* NormalDepthLimitMessage = "Fließtiefe über 50 m: Eingaben prüfen";
inline constexpr const char* CriticalDepthLimitMessage = "Grenztiefe über 50 m: Eingaben prüfen";
// Guard against a search that does not settle; a depth of 50 m needs under 600 passes.
inline constexpr int NormalDepthPassLimit = 5000;
inline constexpr const char* NormalDepthNoSolutionMessage = "Fließtiefe: Suche findet keine Lösung";

// m = 1 / tan(angle); 0 for a vertical bank (angle 90).
double SlopeFromAngle(double angle);
// Degrees of a bank rising 1 : m.
double AngleFromSlope(double m);

// h in m, b in cm, angles in degrees.
TChannelSection ChannelSectionAt(double h, double b, double alpha, double beta);

// Composite coefficient of the wetted perimeter.
double CompositeKst(const TChannelSection& section, double kstBottom, double kstLeft, double kstRight);

struct TNormalDepth {
    double h = 0;             // m, the stepped depth
    TChannelSection section;  // at h
    double kstMean = 0;       // at h
    int passes = 0;
};

// Q l/s, Is per mille, b cm, angles in degrees. Throws CalculationError above
// MaxDepth, when the search does not settle or a value is not finite.
TNormalDepth NormalDepth(double Q, double Is, double kstBottom, double kstLeft, double kstRight, double b, double alpha,
                         double beta);

struct TChannelWidths {
    double l1 = 0;
    double l2 = 0;
    double bWsp = 0;
    double bProfil = 0;
};

// All lengths in cm, angles in degrees.
TChannelWidths ChannelWidths(double h, double hp, double b, double alpha, double beta);

struct TCriticalDepth {
    double hgr = 0;  // cm
    double vgr = 0;  // m/s
    int passes = 0;
};

// Qm in m^3/s, b in cm, angles in degrees. Throws CalculationError above
// MaxDepth or when a value is not finite.
TCriticalDepth CriticalDepth(double Qm, double b, double alpha, double beta);

// Depths in cm.
TFlowRegime ClassifyRegime(double h, double hgr, double hp);

// Throws CalculationError (see NormalDepth, CriticalDepth).
TChannelResult CalculateChannel(const TChannelInput& input);

}  // namespace fluvara
