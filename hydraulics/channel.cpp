#include "channel.h"

#include "calcerror.h"
#include "constants.h"
#include "stepsearch.h"

#include <cmath>

namespace fluvara {

namespace {

constexpr double TwoThirds = 2.0 / 3.0;

double Radians(double degrees) { return degrees * Pi * OneOver180; }

// The parts of a section that do not depend on the depth. Computing them once
// per search gives the same bits as computing them in every pass.
struct TShape {
    double cotAlpha;  // tan(90 - alpha): exactly 0 for a vertical bank
    double cotBeta;
    double sinAlpha;
    double sinBeta;
    double bm;  // bottom width in m
};

TShape ShapeOf(double b, double alpha, double beta)
{
    TShape s{};
    s.cotAlpha = std::tan(Radians(90 - alpha));
    s.cotBeta = std::tan(Radians(90 - beta));
    s.sinAlpha = std::sin(Radians(alpha));
    s.sinBeta = std::sin(Radians(beta));
    s.bm = 0.01 * b;
    return s;
}

double MeanWidth(const TShape& s, double h) { return s.cotBeta * (0.5 * h) + (s.cotAlpha * (0.5 * h) + s.bm); }

TChannelSection SectionOf(const TShape& s, double h)
{
    TChannelSection c;
    c.Bm = MeanWidth(s, h);
    c.A = c.Bm * h;
    c.Pl = h / s.sinAlpha;
    c.Pr = h / s.sinBeta;
    c.Pb = s.bm;
    c.P = c.Pr + (c.Pl + c.Pb);
    return c;
}

// Specific energy at depth y (m); A receives the area.
double Energy(const TShape& s, double Q2, double y, double& A)
{
    A = MeanWidth(s, y) * y;
    return Q2 / (std::pow(A, 2) * TwoG) + y;
}

}  // namespace

const char* RegimeWord(TFlowRegime regime)
{
    switch (regime) {
    case TFlowRegime::Subcritical:
        return "strömend";
    case TFlowRegime::Supercritical:
        return "schießend";
    case TFlowRegime::Overflowing:
        return "läuft über";
    }
    return "";
}

double SlopeFromAngle(double angle)
{
    if (angle >= 90)
        return 0;
    return 1 / std::tan(Radians(angle));
}

double AngleFromSlope(double m) { return std::atan(1 / m) * 180 / Pi; }

TChannelSection ChannelSectionAt(double h, double b, double alpha, double beta)
{
    return SectionOf(ShapeOf(b, alpha, beta), h);
}

double CompositeKst(const TChannelSection& section, double kstBottom, double kstLeft, double kstRight)
{
    const double sum = section.Pb / std::pow(kstBottom, 1.5) + section.Pl / std::pow(kstLeft, 1.5) +
        section.Pr / std::pow(kstRight, 1.5);
    return std::pow(section.P, TwoThirds) / std::pow(sum, TwoThirds);
}

TNormalDepth NormalDepth(double Q, double Is, double kstBottom, double kstLeft, double kstRight, double b, double alpha,
                         double beta)
{
    const TShape shape = ShapeOf(b, alpha, beta);
    const double Qm = Q * 0.001;
    const double rootIs = std::sqrt(Is * 0.001);
    TNormalDepth r;
    double hn = 0.1;
    const TSteppingResult found = SteppingSearch(
        {0, 0.01, 0.0002, 0.0001, NormalDepthPassLimit, NormalDepthNoSolutionMessage}, [&](double h) { return hn < h; },
        [&](double h) { return hn > h; },
        [&](double h) {
            if (h > MaxDepth)
                throw CalculationError(NormalDepthLimitMessage);
            r.section = SectionOf(shape, h);
            r.kstMean = CompositeKst(r.section, kstBottom, kstLeft, kstRight);
            const double R = r.section.A / r.section.P;
            hn = Qm / (rootIs * r.kstMean * std::pow(R, TwoThirds) * r.section.Bm);
            if (!std::isfinite(hn))
                throw CalculationError(NotFiniteMessage);
            return std::fabs(hn - h);
        });
    const double h = found.x;
    r.passes = found.passes;
    r.h = h;
    return r;
}

TChannelWidths ChannelWidths(double h, double hp, double b, double alpha, double beta)
{
    const double tanAlpha = std::tan(Radians(alpha));
    const double tanBeta = std::tan(Radians(beta));
    TChannelWidths w;
    w.l1 = hp / tanAlpha;
    w.l2 = hp / tanBeta;
    w.bProfil = w.l1 + w.l2 + b;
    w.bWsp = h / tanAlpha + b + h / tanBeta;
    RequireFinite({w.l1, w.l2, w.bProfil, w.bWsp});
    return w;
}

TCriticalDepth CriticalDepth(double Qm, double b, double alpha, double beta)
{
    const TShape shape = ShapeOf(b, alpha, beta);
    const double Q2 = std::pow(Qm, 2);
    TCriticalDepth r;
    double A = 0;
    double y = 0.001;
    double Eprev = Energy(shape, Q2, y, A);
    double d = Eprev;
    // Runs on while the energy falls or stays equal; a NaN ends it and is caught below.
    while (d >= 0) {
        ++r.passes;
        y = y + 0.001;
        if (y > MaxDepth)
            throw CalculationError(CriticalDepthLimitMessage);
        const double Enew = Energy(shape, Q2, y, A);
        d = Eprev - Enew;
        Eprev = Enew;
    }
    if (std::isnan(d))
        throw CalculationError(NotFiniteMessage);
    r.hgr = y * 100;
    r.vgr = Qm / A;
    RequireFinite({r.hgr, r.vgr});
    return r;
}

TFlowRegime ClassifyRegime(double h, double hgr, double hp)
{
    TFlowRegime regime = h > hgr ? TFlowRegime::Subcritical : TFlowRegime::Supercritical;
    if (h > hp)
        regime = TFlowRegime::Overflowing;
    return regime;
}

namespace {

// The form the user gave is kept, the other one computed.
void ResolveBank(const TBankInclination& bank, double& angle, double& m)
{
    if (bank.form == TBankForm::ByAngle) {
        angle = bank.value;
        m = SlopeFromAngle(angle);
    } else {
        m = bank.value;
        angle = AngleFromSlope(m);
    }
}

}  // namespace

TChannelResult CalculateChannel(const TChannelInput& input)
{
    TChannelResult r;
    ResolveBank(input.left, r.alpha, r.mLeft);
    ResolveBank(input.right, r.beta, r.mRight);
    RequireFinite({r.alpha, r.mLeft, r.beta, r.mRight});

    const TNormalDepth normal =
        NormalDepth(input.Q, input.Is, input.kstBottom, input.kstLeft, input.kstRight, input.b, r.alpha, r.beta);
    const double Qm = input.Q * 0.001;
    r.v = Qm / normal.section.A;
    r.h = normal.h * 100;
    r.kstMean = normal.kstMean;
    r.normalPasses = normal.passes;
    RequireFinite({r.v, r.h, r.kstMean});

    const TChannelWidths widths = ChannelWidths(r.h, input.hp, input.b, r.alpha, r.beta);
    r.l1 = widths.l1;
    r.l2 = widths.l2;
    r.bWsp = widths.bWsp;
    r.bProfil = widths.bProfil;

    const TCriticalDepth critical = CriticalDepth(Qm, input.b, r.alpha, r.beta);
    r.hgr = critical.hgr;
    r.vgr = critical.vgr;
    r.criticalPasses = critical.passes;

    r.regime = ClassifyRegime(r.h, r.hgr, input.hp);
    return r;
}

}  // namespace fluvara
