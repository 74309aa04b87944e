// The depth bound of the channel searches, against a plain reference of both
// searches without any limit.

#include "channel.h"

#include "calcerror.h"
#include "stepsearch.h"
#include "textformat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace fluvara {
namespace {

struct ReferenceResult {
    double h = 0;           // m
    double maxStepped = 0;  // m, deepest depth the walk stepped to
    int passes = 0;
    double kstMean = 0;
    double A = 0;
    double hgr = 0;  // cm
    double vgr = 0;
    int criticalPasses = 0;
};

double RefRad(double degrees) { return degrees * 3.14159265358979 * (1.0 / 180.0); }

double RefArea(double y, double b, double alpha, double beta)
{
    const double Bm = std::tan(RefRad(90 - beta)) * (0.5 * y) + (std::tan(RefRad(90 - alpha)) * (0.5 * y) + 0.01 * b);
    return Bm * y;
}

ReferenceResult Reference(double Q, double Is, double kb, double kl, double kr, double b, double alpha, double beta)
{
    ReferenceResult r;
    // The stepping itself is the program's routine, without its bound on passes or depth.
    double hn = 0.1;
    const TSteppingResult found = SteppingSearch(
        {0, 0.01, 0.0002, 0.0001, std::numeric_limits<int>::max(), ""}, [&](double h) { return hn < h; },
        [&](double h) { return hn > h; },
        [&](double h) {
            r.maxStepped = std::max(r.maxStepped, h);
            const double Bm =
                std::tan(RefRad(90 - beta)) * (0.5 * h) + (std::tan(RefRad(90 - alpha)) * (0.5 * h) + 0.01 * b);
            const double A = Bm * h;
            const double Pl = h / std::sin(RefRad(alpha));
            const double Pr = h / std::sin(RefRad(beta));
            const double Pb = 0.01 * b;
            const double P = Pr + (Pl + Pb);
            r.kstMean = std::pow(P, 2.0 / 3.0) /
                std::pow(Pb / std::pow(kb, 1.5) + Pl / std::pow(kl, 1.5) + Pr / std::pow(kr, 1.5), 2.0 / 3.0);
            hn = Q * 0.001 / (std::sqrt(Is * 0.001) * r.kstMean * std::pow(A / P, 2.0 / 3.0) * Bm);
            r.A = A;
            return std::fabs(hn - h);
        });
    const double h = found.x;
    r.passes = found.passes;
    r.h = h;

    const double Qm = Q * 0.001;
    double y = 0.001;
    double Eprev = std::pow(Qm, 2) / (std::pow(RefArea(y, b, alpha, beta), 2) * 19.62) + y;
    double d = Eprev;
    while (d >= 0) {
        ++r.criticalPasses;
        y = y + 0.001;
        const double Enew = std::pow(Qm, 2) / (std::pow(RefArea(y, b, alpha, beta), 2) * 19.62) + y;
        d = Eprev - Enew;
        Eprev = Enew;
    }
    r.hgr = y * 100;
    r.vgr = Qm / RefArea(y, b, alpha, beta);
    return r;
}

double ResolvedAngle(const TBankInclination& bank)
{
    return bank.form == TBankForm::ByAngle ? bank.value : AngleFromSlope(bank.value);
}

enum class TOutcome { Same, Refused };

// Runs both and compares every result bit; an input whose unbounded walk
// steps beyond the bound must be refused with the depth message instead.
TOutcome CompareWithReference(const TChannelInput& in, ReferenceResult* refOut = nullptr)
{
    const double alpha = ResolvedAngle(in.left);
    const double beta = ResolvedAngle(in.right);
    const ReferenceResult ref = Reference(in.Q, in.Is, in.kstBottom, in.kstLeft, in.kstRight, in.b, alpha, beta);
    if (refOut)
        *refOut = ref;
    const std::string where = Fmt("Q %f Is %f kst %f %f %f b %f alpha %f beta %f", in.Q, in.Is, in.kstBottom,
                                  in.kstLeft, in.kstRight, in.b, alpha, beta);
    if (ref.maxStepped > MaxDepth) {
        EXPECT_GT(ref.h, MaxDepth - 0.1) << where;
        try {
            CalculateChannel(in);
            ADD_FAILURE() << "accepted " << where;
        } catch (const CalculationError& e) {
            EXPECT_STREQ(e.what(), NormalDepthLimitMessage) << where;
        }
        return TOutcome::Refused;
    }
    const TChannelResult r = CalculateChannel(in);
    EXPECT_EQ(r.h, ref.h * 100) << where;
    EXPECT_EQ(r.normalPasses, ref.passes) << where;
    EXPECT_EQ(r.kstMean, ref.kstMean) << where;
    EXPECT_EQ(r.v, in.Q * 0.001 / ref.A) << where;
    const double hcm = ref.h * 100;
    EXPECT_EQ(r.bWsp, hcm / std::tan(RefRad(alpha)) + in.b + hcm / std::tan(RefRad(beta))) << where;
    EXPECT_EQ(r.hgr, ref.hgr) << where;
    EXPECT_EQ(r.vgr, ref.vgr) << where;
    EXPECT_EQ(r.criticalPasses, ref.criticalPasses) << where;
    return TOutcome::Same;
}

TEST(ChannelBound, OrdinaryChannelsGiveTheUnboundedResultBitForBit)
{
    // A fixed spread over the accepted ranges, log-scaled where the ranges span decades.
    std::mt19937_64 random(20240611);
    auto uniform = [&](double lo, double hi) { return lo + (hi - lo) * (random() >> 11) * 0x1.0p-53; };
    auto logUniform = [&](double lo, double hi) { return std::exp(uniform(std::log(lo), std::log(hi))); };
    auto bank = [&] { return random() % 2 ? ByAngle(uniform(10, 90)) : BySlope(uniform(1, 5)); };
    int refused = 0;
    for (int i = 0; i < 1500; ++i) {
        // clang-format off
        const TChannelInput in{std::round(logUniform(1, 99000)), logUniform(0.1, 500), uniform(10, 100),
                               uniform(10, 100), uniform(10, 100), std::round(logUniform(1, 3000)), 900,
                               bank(), bank()};
        // clang-format on
        if (CompareWithReference(in) == TOutcome::Refused)
            ++refused;
    }
    EXPECT_LE(refused, 15);
}

struct DeepCase {
    double Q, Is, kst, b;
    TBankInclination left, right;
};

std::vector<DeepCase> DeepChannels()
{
    std::vector<DeepCase> cases;
    // clang-format off
    const std::pair<TBankInclination, TBankInclination> banks[] = {
        {ByAngle(90), ByAngle(90)}, {ByAngle(75), ByAngle(90)}, {ByAngle(85), ByAngle(88.5)}, {BySlope(1), ByAngle(60)}};
    // clang-format on
    for (double Q : {30000.0, 65432.1, 99000.0})
        for (double Is : {0.1, 0.35, 2.0})
            for (double kst : {10.0, 27.0, 80.0})
                for (double b : {120.0, 250.0, 480.0, 1000.0})
                    for (const auto& [left, right] : banks)
                        cases.push_back({Q, Is, kst, b, left, right});
    return cases;
}

TEST(ChannelBound, DeepChannelsGiveTheUnboundedResultOrAreRefusedBeyond50m)
{
    int accepted = 0;
    int deeperThan20m = 0;
    int refused = 0;
    double deepestAccepted = 0;
    for (const DeepCase& c : DeepChannels()) {
        const TChannelInput in{c.Q, c.Is, c.kst, 0.75 * c.kst + 10, 100, c.b, 900, c.left, c.right};
        ReferenceResult ref;
        if (CompareWithReference(in, &ref) == TOutcome::Refused) {
            ++refused;
            continue;
        }
        ++accepted;
        if (ref.h > 20)
            ++deeperThan20m;
        deepestAccepted = std::max(deepestAccepted, ref.h);
    }
    // The table must really reach deep channels on both sides of the bound.
    EXPECT_GE(deeperThan20m, 60);
    EXPECT_GT(deepestAccepted, 45);
    EXPECT_GE(refused, 20);
    EXPECT_GE(accepted, 400);
}

TEST(ChannelBound, WorstInputIsRefused)
{
    // Two walls 1 cm apart: the unbounded walk would go to about 3,400 km.
    const TChannelInput worst{99000, 0.1, 10, 10, 10, 1, 900, ByAngle(90), ByAngle(90)};
    try {
        CalculateChannel(worst);
        FAIL() << "no error";
    } catch (const CalculationError& e) {
        EXPECT_STREQ(e.what(), "Fließtiefe über 50 m: Eingaben prüfen");
    }
}

TEST(ChannelBound, DeepestAcceptedCriticalDepth)
{
    // Steep, smooth, a narrow wedge: normal depth just under the bound, critical
    // depth above 45 m, about the largest an accepted input reaches.
    const TChannelInput in{99000, 500, 100, 100, 100, 1, 900, ByAngle(89.72), ByAngle(89.94)};
    ReferenceResult ref;
    EXPECT_EQ(CompareWithReference(in, &ref), TOutcome::Same);
    EXPECT_GT(ref.h, 49);
    EXPECT_GT(ref.hgr, 4500);
}

TEST(ChannelBound, CriticalDepthRefusedBeyond50m)
{
    // Only reachable by a direct call: a channel with such a critical depth
    // has a normal depth far beyond the bound.
    try {
        CriticalDepth(99, 1, 90, 90);
        FAIL() << "no error";
    } catch (const CalculationError& e) {
        EXPECT_STREQ(e.what(), CriticalDepthLimitMessage);
    }
}

TEST(ChannelBound, NonFiniteIsAnError)
{
    // No bottom and vertical walls: zero area.
    EXPECT_THROW(NormalDepth(100, 1, 30, 30, 30, 0, 90, 90), CalculationError);
    EXPECT_THROW(CriticalDepth(0.1, 0, 90, 90), CalculationError);
}

}  // namespace
}  // namespace fluvara
