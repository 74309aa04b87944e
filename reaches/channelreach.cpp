// A channel reach: the channel page's run, with each bank given in one cell
// either as an angle ("45", "45°") or as a slope ("1:1,5").

#include "reach.h"
#include "rowcheck.h"

#include "calcerror.h"
#include "channel.h"
#include "numbercheck.h"
#include "textformat.h"

#include <cmath>

namespace fluvara {

namespace {

constexpr std::string_view Degree = "\xC2\xB0";
constexpr double Gravity = 9.81;  // m/s^2

struct TBankCell {
    TBankForm form = TBankForm::ByAngle;
    TListNumber number;
    bool wellFormed = true;  // a slope must read "1:m"
};

TBankCell ReadBankCell(std::string_view text)
{
    TBankCell cell;
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        cell.form = TBankForm::BySlope;
        cell.wellFormed = TrimBlanks(text.substr(0, colon)) == "1";
        cell.number = ReadListNumber(TrimBlanks(text.substr(colon + 1)));
        return cell;
    }
    std::string_view angle = TrimBlanks(text);
    if (angle.size() >= Degree.size() && angle.substr(angle.size() - Degree.size()) == Degree)
        angle = TrimBlanks(angle.substr(0, angle.size() - Degree.size()));
    cell.number = ReadListNumber(angle);
    return cell;
}

// The page's check of the bank in the form given.
void CheckBank(TRowCheck& check, int field, const TBankCell& cell, const TBankRules& rules, TBankInclination& bank)
{
    if (cell.form == TBankForm::ByAngle) {
        if (check.Check(field, cell.number, rules.angle))
            bank = ByAngle(cell.number.value);
        return;
    }
    if (!cell.wellFormed) {
        check.Fail(field, rules.slope.notNumericMessage);
        return;
    }
    if (check.Check(field, cell.number, rules.slope))
        bank = BySlope(cell.number.value);
}

TReachOutcome ChannelReach(std::span<const std::string> fields)
{
    TReachOutcome out;
    out.results.resize(ChannelResultCount);
    std::string text[ChannelFieldCount];
    for (std::size_t i = 0; i < ChannelFieldCount && i < fields.size(); ++i)
        text[i] = fields[i];

    const int order[] = {ChannelQ, ChannelIs, ChannelKstBottom, ChannelKstLeft, ChannelKstRight, ChannelB, ChannelHp};
    TListNumber number[ChannelFieldCount];
    TRowCheck check;
    const auto& rules = ChannelFieldRules();
    for (std::size_t i = 0; i < std::size(order); ++i) {
        number[order[i]] = ReadListNumber(text[order[i]]);
        check.Check(order[i], number[order[i]], rules[i]);
    }
    TChannelInput input;
    CheckBank(check, ChannelBankLeft, ReadBankCell(text[ChannelBankLeft]), LeftBankRules(), input.left);
    CheckBank(check, ChannelBankRight, ReadBankCell(text[ChannelBankRight]), RightBankRules(), input.right);
    if (check.Failed()) {
        check.Finish(out);
        return out;
    }
    input.Q = number[ChannelQ].value;
    input.Is = number[ChannelIs].value;
    input.kstBottom = number[ChannelKstBottom].value;
    input.kstLeft = number[ChannelKstLeft].value;
    input.kstRight = number[ChannelKstRight].value;
    input.b = number[ChannelB].value;
    input.hp = number[ChannelHp].value;

    try {
        const TChannelResult r = CalculateChannel(input);
        // Froude number at the normal depth with the hydraulic depth A / bWsp.
        const double A = ChannelSectionAt(r.h * 0.01, input.b, r.alpha, r.beta).A;
        const double froude = r.v / std::sqrt(Gravity * A / (r.bWsp * 0.01));
        const double freeboard = input.hp - r.h;
        RequireFinite({froude, freeboard});
        out.results[ChannelH] = LabelText("%4.1f ", r.h);
        out.results[ChannelV] = LabelText("%4.2f ", r.v);
        out.results[ChannelKstMean] = LabelText("%4.1f ", r.kstMean);
        out.results[ChannelHgr] = LabelText("%4.1f ", r.hgr);
        out.results[ChannelVgr] = LabelText("%4.2f ", r.vgr);
        out.results[ChannelBWsp] = LabelText("%4.1f ", r.bWsp);
        out.results[ChannelBProfil] = LabelText("%4.1f ", r.bProfil);
        out.results[ChannelRegime] = RegimeWord(r.regime);
        out.results[ChannelFroude] = LabelText("%.2f", froude);
        out.results[ChannelFreeboard] = LabelText("%.1f", freeboard);
        if (out.results[ChannelFreeboard] == "-0.0")  // a rounded zero has no sign
            out.results[ChannelFreeboard] = "0.0";
        // Water above the banks: flagged as an overloaded pipe is, with the ratio of the depths.
        out.status = r.regime == TFlowRegime::Overflowing
            ? Fmt("läuft über (h/hp = %s %%)", LabelText("%4.1f ", r.h / input.hp * 100))
            : std::string(CalculatedStatus);
    } catch (const CalculationError& e) {
        check.Fail(ChannelQ, e.what());
        check.Finish(out);
    }
    return out;
}

}  // namespace

TReachOutcome CalculateChannelReach(std::span<const std::string> fields)
{
    return GuardedReach(ChannelResultCount, [&] { return ChannelReach(fields); });
}

}  // namespace fluvara
