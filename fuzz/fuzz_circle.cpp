// The three circular calculations on inputs the pages accept: every result
// is finite, the water stays within the pipe, and no accepted input ends in
// a calculation error.

#include "calcerror.h"
#include "circle.h"
#include "fuzzinput.h"
#include "numbercheck.h"

#include <string>

using namespace fluvara;
using namespace fluvara::fuzz;

namespace {

double AcceptedBy(FuzzedDataProvider& in, const TFieldRule& rule) { return Accepted(in, rule.lower, rule.upper); }

void CheckFullAndPartial(FuzzedDataProvider& in)
{
    const auto& rules = VerificationFieldRules();
    const double d = AcceptedBy(in, rules[0]);
    const double kb = AcceptedBy(in, rules[1]);
    const double Is = AcceptedBy(in, rules[2]);
    const bool reduce95 = in.ConsumeBool();
    TCircleFullFlow full;
    try {
        full = CircleFullFlow(d, kb, Is, reduce95);
    } catch (const CalculationError& e) {
        Finding(std::string("full flow: ") + e.what());
    }
    for (double v : {full.dc, full.A, full.Qv, full.vv, full.hFull})
        RequireFinite(v, "a full-flow result");
    if (full.Qv < 0 || full.vv <= 0 || full.hFull != 0.1 * full.dc)
        Finding("full flow out of its range");

    const TFieldRule qtRule = PartialDischargeRule(full.Qv);
    if (qtRule.upper < qtRule.lower)
        return;  // no discharge is accepted
    const double Qt = AcceptedBy(in, qtRule);
    TCirclePartialFlow partial;
    try {
        partial = CirclePartialFlow(full.dc, full.Qv, full.vv, Qt);
    } catch (const CalculationError& e) {
        Finding(std::string("partial flow: ") + e.what());
    }
    for (double v : {partial.phi, partial.h, partial.hd, partial.qq, partial.vt})
        RequireFinite(v, "a partial-flow result");
    if (partial.h < 0 || partial.h > full.hFull || partial.hd < 0 || partial.hd > 100)
        Finding("the partial filling is not within the pipe");
    if (partial.qq <= 0 || partial.qq > 100 || partial.vt <= 0)
        Finding("partial flow out of its range");
}

void CheckDesign(FuzzedDataProvider& in)
{
    const auto& rules = DesignFieldRules();
    const double Q = AcceptedBy(in, rules[0]);
    const double hd = AcceptedBy(in, rules[1]);
    const double kb = AcceptedBy(in, rules[2]);
    const double Is = AcceptedBy(in, rules[3]);
    const bool use09 = in.ConsumeBool();
    TCircleDesign design;
    try {
        design = CircleDesign(Q, hd, kb, Is, use09);
    } catch (const CalculationError& e) {
        Finding(std::string("design: ") + e.what());
    }
    for (double v : {design.Qbem, design.D, design.h, design.Qv, design.vv, design.vt, design.qq})
        RequireFinite(v, "a design result");
    if (design.D <= 0 || design.h <= 0 || design.h > 0.1 * design.D)
        Finding("the design filling is not within the pipe");
    if (design.Qv <= 0 || design.vv <= 0 || design.vt <= 0 || design.qq <= 0)
        Finding("design out of its range");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool())
        CheckFullAndPartial(in);
    else
        CheckDesign(in);
    return 0;
}
