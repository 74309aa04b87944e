#include "profilehydraulics.h"

#include "calcerror.h"
#include "circle.h"
#include "flowlaw.h"
#include "stepsearch.h"

#include <cmath>
#include <limits>

namespace fluvara {

namespace {

struct TFullFlowTerms {
    TProfileFullFlow full;  // Qv not yet cut
    double Qv = 0;          // l/s, not cut
};

TFullFlowTerms FullFlowTerms(const TProfile& profile, double kb, double Is)
{
    const TProfileSection section = FullSection(profile);
    TFullFlowTerms t;
    TProfileFullFlow& f = t.full;
    f.A = section.area * 1e-6;
    f.U = section.perimeter * 0.001;
    f.R = f.A / f.U;
    f.dh = 4 * f.R * 1000;
    const TFullFlowLaw law = PrandtlColebrook(f.dh, f.A, kb, Is);
    RequireFinite({law.Qv, law.vv});
    if (law.Qv <= 0)
        throw CalculationError("Vollfüllung: das Profil führt keinen Abfluss");
    t.Qv = law.Qv;
    f.Qv = law.Qv;
    f.vv = law.vv;
    f.hFull = 0.1 * profile.H;
    return t;
}

}  // namespace

TProfileFullFlow ProfileFullFlow(const TProfile& profile, double kb, double Is)
{
    TProfileFullFlow f = FullFlowTerms(profile, kb, Is).full;
    // Cut, not rounded, as the circle's list shows its Qv.
    f.Qv = std::trunc(f.Qv * 100) * 0.01;
    return f;
}

TProfileFlow ProfileFlowAt(const TProfile& profile, const TProfileFullFlow& full, double h)
{
    TProfileFlow r;
    // The dry profile: 0 / 0 for its hydraulic radius.
    if (h <= 0)
        return r;
    const TProfileSection s = ProfileSection(profile, h);
    // as the full flow's, so that the full profile gives Rv to the bit
    r.At = s.area * 1e-6;
    r.Rt = r.At / (s.perimeter * 0.001);
    r.vt = PartialFlowVelocity(r.Rt, full.R, full.vv);
    r.Q = r.vt * r.At * 1000;
    return r;
}

TProfilePartialFlow ProfilePartialFlow(const TProfile& profile, const TProfileFullFlow& full, double Qt)
{
    if (!(Qt > 0 && Qt <= full.Qv))
        throw CalculationError(ProfileDischargeMessage);
    TProfileFlow flow;
    double Qc = 0;
    // The walk stays inside the profile: dry below the invert it carries
    // nothing, and beyond the crown it turns back as from too much water.
    const TSteppingResult found = SteppingSearch(
        {0, 0.1 * ProfilePartialFlowFirstStep, std::fabs(Qc - Qt), ProfilePartialFlowTolerance, PartialFlowPassLimit,
         PartialFlowLimitMessage},
        [&](double) { return Qc > Qt; }, [&](double) { return Qc < Qt; },
        [&](double h) {
            if (h > profile.H) {
                Qc = std::numeric_limits<double>::infinity();
                return Qc;
            }
            flow = ProfileFlowAt(profile, full, h);
            Qc = flow.Q;
            const double err = std::fabs(Qc - Qt);
            if (std::isnan(err))
                throw CalculationError(NotFiniteMessage);
            return err;
        });
    TProfilePartialFlow r;
    r.passes = found.passes;
    r.h = found.x * 0.1;
    r.hH = found.x / profile.H * 100;
    r.qq = Qt / full.Qv * 100;
    r.vt = flow.vt;
    r.At = flow.At;
    r.Rt = flow.Rt;
    RequireFinite({r.h, r.hH, r.qq, r.vt, r.At, r.Rt});
    return r;
}

std::optional<TProfileDesign> DesignEgg(double Q, double hH, double kb, double Is, bool use09,
                                        const std::vector<TProfileSize>& series)
{
    if (!(Q > 0) || !std::isfinite(Q))
        throw CalculationError("Bemessung: Q muss größer als 0 sein");
    if (!(hH > 0 && hH <= 100))
        throw CalculationError("Bemessung: h/H muss größer als 0 und höchstens 100 % sein");
    const double Qbem = use09 ? Q * (1.0 / 0.9) : Q;
    for (const TProfileSize& size : series) {
        const TProfile egg{TProfileShape::Egg, size.b, size.H};
        const TFullFlowTerms t = FullFlowTerms(egg, kb, Is);
        const double h = 0.01 * hH * egg.H;
        const TProfileFlow flow = ProfileFlowAt(egg, t.full, h);
        RequireFinite({flow.Q, flow.vt});
        if (flow.Q < Qbem)
            continue;
        TProfileDesign d;
        d.size = size;
        d.Qbem = Qbem;
        d.h = h * 0.1;
        d.Q = flow.Q;
        d.Qv = t.Qv;
        d.vv = t.full.vv;
        d.vt = flow.vt;
        d.qq = flow.Q / t.Qv * 100;
        return d;
    }
    return std::nullopt;
}

}  // namespace fluvara
