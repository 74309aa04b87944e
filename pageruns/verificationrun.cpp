#include "verificationrun.h"

#include "calcerror.h"
#include "labelformats.h"
#include "textformat.h"

#include <cmath>

namespace fluvara {

namespace {

using namespace labelformats;

void Fail(TRunChecks& checks, int field, std::string message)
{
    checks.failures.push_back(TRunFailure{field, std::move(message)});
}

}  // namespace

TFullFlowRun RunFullFlow(const TFullFlowInput& input, TNumberReading read)
{
    TFullFlowRun run;
    const TRunNumber fields[] = {read(input.d), read(input.kb), read(input.Is)};
    const auto& rules = VerificationFieldRules();
    for (int field : {VerificationD, VerificationKb, VerificationIs})
        CheckRunNumber(run.checks, field, fields[field], rules[static_cast<std::size_t>(field)]);
    if (!run.checks.Passed())
        return run;
    run.fieldsPassed = true;
    run.dEntered = fields[VerificationD].number.value;
    run.kb = fields[VerificationKb].number.value;
    run.Is = fields[VerificationIs].number.value;
    try {
        run.flow = CircleFullFlow(run.dEntered, run.kb, run.Is, input.reduce95);
    } catch (const CalculationError& e) {
        Fail(run.checks, VerificationD, e.what());
        return run;
    }
    const TCircleFullFlow& f = run.flow;
    run.labels.d = input.reduce95 ? Fmt(TwoDecimals, f.dc) : Fmt(Echo, fields[VerificationD].number.working);
    run.labels.kb = Fmt(Echo, fields[VerificationKb].number.working);
    run.labels.Is = Fmt(Echo, fields[VerificationIs].number.working);
    run.labels.Qv = Fmt(Hundredths, f.Qv);
    run.labels.vv = Fmt(Hundredths, f.vv);
    run.sketch = TCircleSketch{.d = f.dc, .h = f.hFull, .LabelsOnly = 0, .Full = 1};
    return run;
}

TPartialFlowRun RunPartialFlow(const TFullFlowRun* full, std::string_view Qt, TNumberReading read)
{
    TPartialFlowRun run;
    const TRunNumber field = read(Qt);
    run.Qt = field.number.value;
    if (!full || !full->checks.Passed()) {
        Fail(run.checks, VerificationD, NoFullFlowMessage);
        return run;
    }
    const TCircleFullFlow& pipe = full->flow;
    const TFieldRule rule = PartialDischargeRule(pipe.Qv);
    if (!CheckRunNumber(run.checks, VerificationQt, field, rule)) {
        run.overloaded =
            field.refusal.empty() && field.number.check == CheckNumeric && run.Qt >= rule.lower && run.Qt > rule.upper;
        const double ratio = run.Qt / pipe.Qv * 100;
        if (run.overloaded && std::isfinite(ratio))
            run.overloadRatio = Fmt(Tenths, ratio);
        return run;
    }
    try {
        run.flow = CirclePartialFlow(pipe.dc, pipe.Qv, pipe.vv, run.Qt);
    } catch (const CalculationError& e) {
        Fail(run.checks, VerificationQt, e.what());
        return run;
    }
    const TCirclePartialFlow& p = run.flow;
    run.labels.Qt = Fmt(Echo, field.number.working);
    run.labels.qq = Fmt(Tenths, p.qq);
    run.labels.h = Fmt(Tenths, p.h);
    run.labels.hd = Fmt(Tenths, p.hd);
    run.labels.vt = Fmt(Hundredths, p.vt);
    run.sketch = TCircleSketch{.d = pipe.dc, .h = p.h, .LabelsOnly = 0, .Full = 0};
    return run;
}

TResultLines CircleResultLines(const TFullFlowRun& full)
{
    TResultLines lines = MakeCircleResultLines();
    const TCircleFullFlow& f = full.flow;
    WriteCircleFullFlowLines(lines, full.dEntered, f.dc, full.kb, full.Is, f.Qv, f.vv);
    return lines;
}

TResultLines CircleResultLines(const TFullFlowRun& full, const TPartialFlowRun& partial)
{
    TResultLines lines = CircleResultLines(full);
    const TCirclePartialFlow& p = partial.flow;
    WriteCirclePartialFlowLines(lines, partial.Qt, p.h, p.hd, p.qq, p.vt);
    return lines;
}

}  // namespace fluvara
