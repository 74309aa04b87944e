// A channel reach: the channel page's run, with each bank given in one cell
// either as an angle ("45", "45°") or as a slope ("1:1,5").

#include "reach.h"
#include "rowcheck.h"

#include "channelrun.h"
#include "textformat.h"

#include <algorithm>
#include <cmath>
#include <optional>

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

bool AllDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "01:01:30" or "01:02": the time a spreadsheet makes of a slope typed as
// "1:1,5" or "1:2". A slope "1:15" is no time: a time has seconds or an hour
// with a leading zero. The message names the slope the time was made of.
std::optional<std::string> TimeForSlope(std::string_view cell, std::string_view bank)
{
    const std::string_view text = TrimBlanks(cell);
    const std::size_t first = text.find(':');
    const std::size_t second = text.find(':', first + 1);
    if (first == std::string_view::npos || first == 0 || first > 2)
        return std::nullopt;
    const std::string_view hours = text.substr(0, first);
    const std::string_view minutes =
        text.substr(first + 1, second == std::string_view::npos ? second : second - first - 1);
    std::string_view seconds = second == std::string_view::npos ? std::string_view() : text.substr(second + 1);
    std::string_view fraction;
    if (const std::size_t mark = seconds.find_first_of(".,"); mark != std::string_view::npos) {
        fraction = seconds.substr(mark + 1);
        seconds = seconds.substr(0, mark);
        if (!AllDigits(fraction))
            return std::nullopt;
    }
    const bool withSeconds = second != std::string_view::npos;
    if (!AllDigits(hours) || !AllDigits(minutes) || minutes.size() != 2 || (withSeconds && seconds.size() != 2) ||
        (!withSeconds && (hours.size() != 2 || hours[0] != '0')))
        return std::nullopt;
    const std::string shown(text);
    if (hours != "1" && hours != "01")
        return Fmt("%s: „%s“ ist eine Uhrzeit, keine Neigung 1:m und kein Winkel; die Neigung als Text eingeben "
                   "(in der Tabellenkalkulation mit vorangestelltem ' oder als Text formatiert)",
                   bank, shown);
    const double slope = ConvertNumberText(minutes) +
        ConvertNumberText(std::string(seconds.empty() ? "0" : seconds) + "." + std::string(fraction)) / 60;
    std::string m = ShortestText(slope);
    std::replace(m.begin(), m.end(), '.', ',');
    return Fmt("%s: „%s“ ist eine Uhrzeit, die eine Tabellenkalkulation wohl aus der Neigung 1:%s gemacht hat; "
               "die Neigung als Text eingeben (in der Tabellenkalkulation '1:%s oder die Zelle als Text "
               "formatiert)",
               bank, shown, m, m);
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

    TRowCheck times;
    for (int bank : {ChannelBankLeft, ChannelBankRight})
        if (auto message = TimeForSlope(text[bank], FieldNames(TReachKind::Channel)[static_cast<std::size_t>(bank)]))
            times.Fail(bank, std::move(*message));
    if (times.Failed()) {
        times.Finish(out);
        return out;
    }

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
