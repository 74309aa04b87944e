// The channel calculation on inputs the page accepts: every result is finite,
// the composite coefficient lies between its parts, the discharge of the
// normal depth is bracketed 1 mm below and above it, the regime says
// "läuft über" exactly when the water stands above the profile, and only the
// depth limit ends a calculation with an error.

#include "calcerror.h"
#include "channel.h"
#include "fuzzinput.h"
#include "numbercheck.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

using namespace fluvara;
using namespace fluvara::fuzz;

namespace {

TBankInclination Bank(FuzzedDataProvider& in, const TBankRules& rules)
{
    if (in.ConsumeBool())
        return ByAngle(Accepted(in, rules.angle.lower, rules.angle.upper));
    return BySlope(Accepted(in, rules.slope.lower, rules.slope.upper));
}

// Discharge in l/s at depth h (m) after Manning-Strickler.
double Discharge(const TChannelInput& input, const TChannelResult& r, double h)
{
    const TChannelSection section = ChannelSectionAt(h, input.b, r.alpha, r.beta);
    const double kst = CompositeKst(section, input.kstBottom, input.kstLeft, input.kstRight);
    return kst * section.A * std::pow(section.A / section.P, 2.0 / 3.0) * std::sqrt(input.Is * 0.001) * 1000;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto& rules = ChannelFieldRules();
    TChannelInput input;
    double* const fields[] = {&input.Q,        &input.Is, &input.kstBottom, &input.kstLeft,
                              &input.kstRight, &input.b,  &input.hp};
    for (std::size_t i = 0; i < std::size(fields); ++i)
        *fields[i] = Accepted(in, rules[i].lower, rules[i].upper);
    input.left = Bank(in, LeftBankRules());
    input.right = Bank(in, RightBankRules());

    TChannelResult r;
    try {
        r = CalculateChannel(input);
    } catch (const CalculationError& e) {
        if (std::strcmp(e.what(), NormalDepthLimitMessage) != 0)
            Finding(std::string("an accepted channel ends in: ") + e.what());
        return 0;
    }
    for (double v :
         {r.alpha, r.mLeft, r.beta, r.mRight, r.h, r.v, r.kstMean, r.l1, r.l2, r.bWsp, r.bProfil, r.hgr, r.vgr})
        RequireFinite(v, "a channel result");
    const double kstLow = std::min({input.kstBottom, input.kstLeft, input.kstRight});
    const double kstHigh = std::max({input.kstBottom, input.kstLeft, input.kstRight});
    // one rounding step of the power's result on either side
    if (r.kstMean < kstLow * (1 - 1e-12) || r.kstMean > kstHigh * (1 + 1e-12))
        Finding("the composite kst is not between its parts");
    const double h = r.h / 100;
    const double below = h > 0.001 ? Discharge(input, r, h - 0.001) : 0;
    const double above = Discharge(input, r, h + 0.001);
    if (!(below <= input.Q && input.Q <= above))
        Finding("the discharge is not bracketed at h - 1 mm and h + 1 mm");
    if ((r.regime == TFlowRegime::Overflowing) != (r.h > input.hp))
        Finding("overflow is reported exactly when h > hp");
    if (r.h <= 0 || r.hgr <= 0 || r.v <= 0 || r.vgr <= 0 || r.bWsp < input.b || r.bProfil < input.b)
        Finding("a channel result out of its range");
    return 0;
}
