#include "circle.h"

#include "calcerror.h"
#include "constants.h"
#include "flowlaw.h"
#include "stepsearch.h"

#include <cmath>

namespace fluvara {

namespace {

struct TFullFlowTerms {
    double A;
    double Qv;  // not cut
    double vv;
};

// Steps 2 to 7 of the full-flow law for a diameter dc in mm.
TFullFlowTerms FullFlowTerms(double dc, double kb, double Is)
{
    const double dm = 0.001 * dc;
    const double A = dm * dm * Pi * 0.25;
    const TFullFlowLaw law = PrandtlColebrook(dc, A, kb, Is);
    return {A, law.Qv, law.vv};
}

struct TSegment {
    double At;
    double vt;
    double Q;
    double Rt;
};

// Wetted circular segment of central angle phi (degrees) in a pipe of dc mm.
TSegment Segment(double phi, double dc, double vv)
{
    const double phir = phi * Pi * OneOver180;
    const double r = 0.001 * dc * 0.5;
    TSegment s{};
    s.At = (phir - std::sin(phir)) * (r * r) * 0.5;
    const double Ut = Pi * dc * 0.001 * 0.5 * phi * OneOver180;
    s.Rt = s.At / Ut;
    const double Rt = s.Rt;
    const double Av = (r * r) * Pi;
    const double Uv = 2 * Pi * dc * 0.001 * 0.5;
    const double Rv = Av / Uv;
    s.vt = PartialFlowVelocity(Rt, Rv, vv);
    s.Q = s.vt * s.At * 1000;
    return s;
}

// A pipe of diameter D (mm) filled to the design's h/d: what each pass of
// the design search measures.
struct TDesignFilling {
    TFullFlowTerms full;
    double hm;  // m
    TSegment seg;
};

TDesignFilling DesignFilling(double D, double hd, double kb, double Is)
{
    TDesignFilling f{};
    f.full = FullFlowTerms(D, kb, Is);
    f.hm = 0.01 * hd * D * 0.001;
    const double phi = std::asin(std::sqrt(f.hm / (D * 0.001))) * 4 * 180 / Pi;
    f.seg = Segment(phi, D, f.full.vv);
    return f;
}

}  // namespace

TCircleFullFlow CircleFullFlow(double d, double kb, double Is, bool reduce95)
{
    TCircleFullFlow r;
    r.dc = reduce95 ? 0.95 * d : d;
    const TFullFlowTerms t = FullFlowTerms(r.dc, kb, Is);
    r.A = t.A;
    r.vv = t.vv;
    RequireFinite({t.Qv, t.vv});
    r.Qv = std::trunc(t.Qv * 100) * 0.01;
    r.hFull = 0.1 * r.dc;
    return r;
}

TCirclePartialFlow CirclePartialFlow(double dc, double Qv, double vv, double Qt)
{
    TCirclePartialFlow r;
    double Qc = 0;
    double vt = 0;
    const TSteppingResult found = SteppingSearch(
        {0, 1.0, std::fabs(Qc - Qt), 0.0001, PartialFlowPassLimit, PartialFlowLimitMessage},
        [&](double) { return Qc > Qt; }, [&](double) { return Qc < Qt; },
        [&](double phi) {
            const TSegment seg = Segment(phi, dc, vv);
            vt = seg.vt;
            Qc = seg.Q;
            const double err = std::fabs(Qc - Qt);
            if (std::isnan(err))
                throw CalculationError(NotFiniteMessage);
            return err;
        });
    const double phi = found.x;
    r.passes = found.passes;
    const TCircleFilling filling = CircleFillingAt(phi, dc);
    r.phi = phi;
    r.h = filling.h;
    r.qq = Qt / Qv * 100;
    r.hd = filling.hd;
    r.vt = vt;
    RequireFinite({r.h, r.qq, r.hd, r.vt});
    return r;
}

TCircleDesign CircleDesign(double Q, double hd, double kb, double Is, bool use09)
{
    TCircleDesign r;
    r.Qbem = use09 ? Q * (1.0 / 0.9) : Q;
    double Qc = 0;
    double hm = 0;
    TFullFlowTerms full{};
    TSegment seg{};
    const TSteppingResult found = SteppingSearch(
        {50, 10, std::fabs(Qc - r.Qbem), 0.001, DesignPassLimit, DesignLimitMessage},
        [&](double) { return Qc > r.Qbem; }, [&](double) { return Qc < r.Qbem; },
        [&](double D) {
            const TDesignFilling filling = DesignFilling(D, hd, kb, Is);
            full = filling.full;
            hm = filling.hm;
            seg = filling.seg;
            Qc = seg.Q;
            const double err = std::fabs(Qc - r.Qbem);
            if (std::isnan(err))
                throw CalculationError(NotFiniteMessage);
            return err;
        });
    const double D = found.x;
    r.passes = found.passes;
    r.D = D;
    r.h = hm * 100;
    r.Qv = full.Qv;
    r.vv = full.vv;
    r.vt = Qc / seg.At * 0.001;
    r.qq = Qc / full.Qv * 100;
    RequireFinite({r.D, r.h, r.Qv, r.vv, r.vt, r.qq});
    return r;
}

double CircleDesignCapacity(double D, double hd, double kb, double Is) { return DesignFilling(D, hd, kb, Is).seg.Q; }

TCircleSegment CircleSegment(double phi, double dc, double vv)
{
    const TSegment s = Segment(phi, dc, vv);
    return {s.At, s.vt, s.Q, s.Rt};
}

TCircleFilling CircleFillingAt(double phi, double dc)
{
    const double phir = phi * Pi * OneOver180;
    const double sq = std::sin(phir * 0.25);
    TCircleFilling f;
    f.h = sq * sq * 2 * dc * 0.001 * 0.5 * 100;
    f.hd = f.h / (0.1 * dc) * 100;
    return f;
}

}  // namespace fluvara
