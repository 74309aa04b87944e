#include "designrun.h"

#include "calcerror.h"
#include "textformat.h"

namespace fluvara {

namespace {

// The page's label formats, each written once here.
constexpr const char* EchoFormat = "%s ";      // a field as read, decimal commas as points
constexpr const char* QbemFormat = "%.2f ";    // Q / 0.9
constexpr const char* ResultFormat = "%6.1f ";  // D, h, Qv, Qt/Qv
constexpr const char* SpeedFormat = "%6.2f ";   // vv, vt

}  // namespace

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
    l.Q = input.use09 ? Fmt(QbemFormat, d.Qbem) : Fmt(EchoFormat, fields[DesignQ].number.working);
    l.hd = Fmt(EchoFormat, fields[DesignHd].number.working);
    l.kb = Fmt(EchoFormat, fields[DesignKb].number.working);
    l.Is = Fmt(EchoFormat, fields[DesignIs].number.working);
    l.D = Fmt(ResultFormat, d.D);
    l.h = Fmt(ResultFormat, d.h);
    l.Qv = Fmt(ResultFormat, d.Qv);
    l.vv = Fmt(SpeedFormat, d.vv);
    l.vt = Fmt(SpeedFormat, d.vt);
    l.qq = Fmt(ResultFormat, d.qq);
    // a design result is a partial filling
    run.sketch = TCircleSketch{.d = d.D, .h = d.h, .LabelsOnly = 0, .Full = 0};
    return run;
}

}  // namespace fluvara
