#include "designrun.h"

#include "calcerror.h"
#include "labelformats.h"
#include "textformat.h"

namespace fluvara {

using namespace labelformats;

TDesignRun RunDesign(const TDesignInput& input, TNumberReading read)
{
    TDesignRun run;
    const TRunNumber fields[] = {read(input.Q), read(input.hd), read(input.kb), read(input.Is)};
    const auto& rules = DesignFieldRules();
    for (int field : {DesignQ, DesignHd, DesignKb, DesignIs})
        CheckRunNumber(run.checks, field, fields[field], rules[static_cast<std::size_t>(field)]);
    if (!run.checks.Passed())
        return run;
    run.fieldsPassed = true;
    try {
        run.design = CircleDesign(fields[DesignQ].number.value, fields[DesignHd].number.value,
                                  fields[DesignKb].number.value, fields[DesignIs].number.value, input.use09);
    } catch (const CalculationError& e) {
        run.checks.failures.push_back(TRunFailure{DesignQ, e.what()});
        return run;
    }
    const TCircleDesign& d = run.design;
    TDesignLabels& l = run.labels;
    l.Q = input.use09 ? Fmt(TwoDecimals, d.Qbem) : Fmt(Echo, fields[DesignQ].number.working);
    l.hd = Fmt(Echo, fields[DesignHd].number.working);
    l.kb = Fmt(Echo, fields[DesignKb].number.working);
    l.Is = Fmt(Echo, fields[DesignIs].number.working);
    l.D = Fmt(DesignResult, d.D);
    l.h = Fmt(DesignResult, d.h);
    l.Qv = Fmt(DesignResult, d.Qv);
    l.vv = Fmt(DesignSpeed, d.vv);
    l.vt = Fmt(DesignSpeed, d.vt);
    l.qq = Fmt(DesignResult, d.qq);
    // a design result is a partial filling
    run.sketch = TCircleSketch{.d = d.D, .h = d.h, .LabelsOnly = 0, .Full = 0};
    return run;
}

}  // namespace fluvara
