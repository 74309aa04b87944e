#include "ratingcurve.h"

#include "calcerror.h"

#include <algorithm>
#include <cmath>

namespace fluvara {

namespace {

struct TAngles {
    double alpha;
    double beta;
};

// The angles CalculateChannel works with: an entered angle as it is, a slope
// through AngleFromSlope.
double AngleOf(const TBankInclination& bank)
{
    return bank.form == TBankForm::ByAngle ? bank.value : AngleFromSlope(bank.value);
}

TAngles AnglesOf(const TChannelInput& input) { return {AngleOf(input.left), AngleOf(input.right)}; }

std::optional<double> NormalDepthAt(const TChannelInput& input, const TAngles& angles, double Q)
{
    try {
        const TNormalDepth normal = NormalDepth(Q, input.Is, input.kstBottom, input.kstLeft, input.kstRight, input.b,
                                                angles.alpha, angles.beta);
        return normal.h * 100;
    } catch (const CalculationError&) {
        return std::nullopt;
    }
}

std::optional<double> CriticalDepthAt(const TChannelInput& input, const TAngles& angles, double Q)
{
    try {
        return CriticalDepth(Q * 0.001, input.b, angles.alpha, angles.beta).hgr;
    } catch (const CalculationError&) {
        return std::nullopt;
    }
}

}  // namespace

double BankfullDischarge(const TChannelInput& input)
{
    const TAngles angles = AnglesOf(input);
    const double h = input.hp * 0.01;
    const TChannelSection section = ChannelSectionAt(h, input.b, angles.alpha, angles.beta);
    const double kst = CompositeKst(section, input.kstBottom, input.kstLeft, input.kstRight);
    const double R = section.A / section.P;
    const double Q = std::sqrt(input.Is * 0.001) * kst * std::pow(R, 2.0 / 3.0) * section.Bm * h * 1000;
    RequireFinite({Q});
    return Q;
}

TRatingPoint RatingPointAt(const TChannelInput& input, double Q)
{
    TRatingPoint p;
    p.Q = Q;
    if (Q <= 0) {
        p.h = 0.0;
        p.hgr = 0.0;
        return p;
    }
    const TAngles angles = AnglesOf(input);
    p.h = NormalDepthAt(input, angles, Q);
    p.hgr = CriticalDepthAt(input, angles, Q);
    return p;
}

TRatingCurve RatingCurve(const TChannelInput& input, int intervals)
{
    TRatingCurve curve;
    curve.hp = input.hp;
    curve.Qbankfull = BankfullDischarge(input);
    const double Qend = std::max(curve.Qbankfull, input.Q);
    const int n = std::max(intervals, 1);

    std::vector<double> discharges;
    discharges.reserve(static_cast<std::size_t>(n) + 3);
    for (int i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        discharges.push_back(Qend * t * t);
    }
    discharges.push_back(curve.Qbankfull);
    discharges.push_back(input.Q);
    std::sort(discharges.begin(), discharges.end());
    discharges.erase(std::unique(discharges.begin(), discharges.end()), discharges.end());

    const TAngles angles = AnglesOf(input);
    // The critical depth grows with the discharge: once its search refuses,
    // it refuses for every larger discharge, and each refusal walks the whole
    // bound.
    bool criticalFound = true;
    curve.points.reserve(discharges.size());
    for (double Q : discharges) {
        if (Q <= 0) {
            curve.points.push_back(RatingPointAt(input, Q));
            continue;
        }
        TRatingPoint p;
        p.Q = Q;
        p.h = NormalDepthAt(input, angles, Q);
        if (criticalFound) {
            p.hgr = CriticalDepthAt(input, angles, Q);
            criticalFound = p.hgr.has_value();
        }
        curve.points.push_back(p);
    }
    return curve;
}

}  // namespace fluvara
