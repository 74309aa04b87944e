// A channel reach: the channel page's run, with each bank given in one cell
// either as an angle ("45", "45°") or as a slope ("1:1,5").

#include "reach.h"
#include "rowcheck.h"

#include "channelrun.h"
#include "textformat.h"

#include <cmath>

namespace fluvara {

namespace {

constexpr std::string_view Degree = "\xC2\xB0";
constexpr double Gravity = 9.81;  // m/s^2

TRunBank ReadBankCell(std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        // A slope must read "1:m"; any other is not a number to the slope's rule.
        if (TrimBlanks(text.substr(0, colon)) != "1")
            return TRunBank{TBankForm::BySlope, TRunNumber{TNumberField{std::string(text), CheckNotNumeric, 0}, {}}};
        return TRunBank{TBankForm::BySlope, ListReading(TrimBlanks(text.substr(colon + 1)))};
    }
    std::string_view angle = TrimBlanks(text);
    if (angle.size() >= Degree.size() && angle.substr(angle.size() - Degree.size()) == Degree)
        angle = TrimBlanks(angle.substr(0, angle.size() - Degree.size()));
    return TRunBank{TBankForm::ByAngle, ListReading(angle)};
}

// The list's column of a field of the run.
int ListFieldOf(int runField)
{
    if (runField < ChannelRunLeftAngle)
        return ChannelQ + runField;
    return runField < ChannelRunRightAngle ? ChannelBankLeft : ChannelBankRight;
}

std::string Trimmed(std::string_view label) { return std::string(TrimBlanks(label)); }

TReachOutcome ChannelReach(std::span<const std::string> fields)
{
    TReachOutcome out;
    out.results.resize(ChannelResultCount);
    std::string text[ChannelFieldCount];
    for (std::size_t i = 0; i < ChannelFieldCount && i < fields.size(); ++i)
        text[i] = fields[i];

    const TChannelRun run = RunChannel(TChannelRunInputs{
        ListReading(text[ChannelQ]), ListReading(text[ChannelIs]), ListReading(text[ChannelKstBottom]),
        ListReading(text[ChannelKstLeft]), ListReading(text[ChannelKstRight]), ListReading(text[ChannelB]),
        ListReading(text[ChannelHp]), ReadBankCell(text[ChannelBankLeft]), ReadBankCell(text[ChannelBankRight])});
    if (!run.Passed()) {
        TRowCheck check;
        for (const TRunFailure& failure : run.checks.failures)
            check.Fail(ListFieldOf(failure.field), failure.message);
        check.Finish(out);
        return out;
    }

    // The page's labels without their padding; the widths as the page's sketch writes them.
    const TChannelInput& input = run.input;
    const TChannelResult& r = run.result;
    const TChannelLabels widths = ChannelLabels(run.sketch);
    out.results[ChannelH] = Trimmed(run.labels.h);
    out.results[ChannelV] = Trimmed(run.labels.v);
    out.results[ChannelKstMean] = Trimmed(run.labels.kstMean);
    out.results[ChannelHgr] = Trimmed(run.labels.hgr);
    out.results[ChannelVgr] = Trimmed(run.labels.vgr);
    out.results[ChannelBWsp] = Trimmed(widths.bWsp);
    out.results[ChannelBProfil] = Trimmed(widths.bProfil);
    out.results[ChannelRegime] = Trimmed(run.labels.regime);

    // Froude number at the normal depth with the hydraulic depth A / bWsp.
    const double A = ChannelSectionAt(r.h * 0.01, input.b, r.alpha, r.beta).A;
    const double froude = r.v / std::sqrt(Gravity * A / (r.bWsp * 0.01));
    const double freeboard = input.hp - r.h;
    try {
        RequireFinite({froude, freeboard});
    } catch (const CalculationError& e) {
        // as a calculation the page refuses: on the discharge
        TRowCheck check;
        check.Fail(ChannelQ, e.what());
        check.Finish(out);
        return out;
    }
    out.results[ChannelFroude] = LabelText("%.2f", froude);
    out.results[ChannelFreeboard] = LabelText("%.1f", freeboard);
    if (out.results[ChannelFreeboard] == "-0.0")  // a rounded zero has no sign
        out.results[ChannelFreeboard] = "0.0";
    // Water above the banks: flagged as an overloaded pipe is, with the ratio of the depths.
    out.status = r.regime == TFlowRegime::Overflowing
        ? Fmt("läuft über (h/hp = %s %%)", LabelText("%.1f", r.h / input.hp * 100))
        : std::string(CalculatedStatus);
    return out;
}

}  // namespace

TReachOutcome CalculateChannelReach(std::span<const std::string> fields)
{
    return GuardedReach(ChannelResultCount, [&] { return ChannelReach(fields); });
}

}  // namespace fluvara
