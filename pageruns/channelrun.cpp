#include "channelrun.h"
#include "labelformats.h"

#include "calcerror.h"
#include "textformat.h"

namespace fluvara {

namespace {

// The page's label formats, each written once: lengths in cm and the mean
// coefficient with one decimal, speeds with two.
std::string Tenths(double value) { return Fmt(labelformats::Tenths, value); }
std::string Hundredths(double value) { return Fmt(labelformats::Hundredths, value); }
std::string Echo(std::string_view workingText) { return Fmt(labelformats::Echo, workingText); }

// Checks the bank in the form given; the label texts show it in both forms.
bool CheckBank(TRunChecks& checks, int angleField, int slopeField, const TRunBank& bank, const TBankRules& rules,
               TBankInclination& result, std::string& angleLabel, std::string& slopeLabel)
{
    const TNumberField& number = bank.field.number;
    if (bank.form == TBankForm::ByAngle) {
        if (!CheckRunNumber(checks, angleField, bank.field, rules.angle))
            return false;
        result = ByAngle(number.value);
        angleLabel = Echo(number.working);
        // A vertical bank has no slope to show.
        slopeLabel = Echo(number.value < 90 ? Fmt("%-4.2f", SlopeFromAngle(number.value)) : " ");
        return true;
    }
    if (!CheckRunNumber(checks, slopeField, bank.field, rules.slope))
        return false;
    result = BySlope(number.value);
    angleLabel = Echo(Fmt("%-4.1f", AngleFromSlope(number.value)));
    slopeLabel = Echo(number.working);
    return true;
}

}  // namespace

TChannelRunInputs ReadChannelPage(const TChannelPageTexts& t)
{
    const auto bank = [](TBankForm form, const std::string& angle, const std::string& slope) {
        return TRunBank{form, PageReading(form == TBankForm::ByAngle ? angle : slope)};
    };
    return TChannelRunInputs{PageReading(t.Q),
                             PageReading(t.Is),
                             PageReading(t.kstBottom),
                             PageReading(t.kstLeft),
                             PageReading(t.kstRight),
                             PageReading(t.b),
                             PageReading(t.hp),
                             bank(t.leftForm, t.leftAngle, t.leftSlope),
                             bank(t.rightForm, t.rightAngle, t.rightSlope)};
}

TChannelRun RunChannel(const TChannelRunInputs& in)
{
    TChannelRun run;
    // Every field is checked, so that a list marks each failing cell; the page shows the first.
    const TRunNumber* const fields[] = {&in.Q, &in.Is, &in.kstBottom, &in.kstLeft, &in.kstRight, &in.b, &in.hp};
    const std::vector<TFieldRule>& rules = ChannelFieldRules();
    for (int i = 0; i < ChannelRunLeftAngle; ++i)
        CheckRunNumber(run.checks, i, *fields[i], rules[static_cast<std::size_t>(i)]);
    TChannelLabelTexts& labels = run.labels;
    CheckBank(run.checks, ChannelRunLeftAngle, ChannelRunLeftSlope, in.left, LeftBankRules(), run.input.left,
              labels.leftAngle, labels.leftSlope);
    CheckBank(run.checks, ChannelRunRightAngle, ChannelRunRightSlope, in.right, RightBankRules(), run.input.right,
              labels.rightAngle, labels.rightSlope);
    if (!run.checks.Passed()) {
        run.labels = {};
        return run;
    }
    run.fieldsPassed = true;

    TChannelInput& input = run.input;
    input.Q = in.Q.number.value;
    input.Is = in.Is.number.value;
    input.kstBottom = in.kstBottom.number.value;
    input.kstLeft = in.kstLeft.number.value;
    input.kstRight = in.kstRight.number.value;
    input.b = in.b.number.value;
    input.hp = in.hp.number.value;
    try {
        run.result = CalculateChannel(input);
    } catch (const CalculationError& e) {
        run.checks.failures.push_back({ChannelRunQ, e.what()});
        run.labels = {};
        return run;
    }
    const TChannelResult& r = run.result;

    labels.Q = Echo(in.Q.number.working);
    labels.Is = Echo(in.Is.number.working);
    labels.kstMean = Tenths(r.kstMean);
    labels.b = Echo(in.b.number.working);
    labels.hp = Echo(in.hp.number.working);
    labels.h = Tenths(r.h);
    labels.v = Hundredths(r.v);
    labels.hgr = Tenths(r.hgr);
    labels.vgr = Hundredths(r.vgr);
    labels.regime = ChannelRegimeText(r.regime);

    WriteChannelResultLines(run.lines, input, r);
    run.sketch = TChannelSketch{.hp = input.hp,
                                .b = input.b,
                                .alpha = r.alpha,
                                .beta = r.beta,
                                .h = r.h,
                                .l1 = r.l1,
                                .l2 = r.l2,
                                .bWsp = r.bWsp,
                                .bProfil = r.bProfil,
                                .LabelsOnly = 0};
    return run;
}

}  // namespace fluvara
