// A circular reach: the design page's run when a permitted filling is given,
// then the verification page's full-flow run and, with a discharge, its
// partial-flow run.

#include "reach.h"
#include "rowcheck.h"

#include "calcerror.h"
#include "circle.h"
#include "numbercheck.h"
#include "textformat.h"

#include <cmath>

namespace fluvara {

namespace {

const char* const Reduce95Message = "95%-Wert ist ungültig ( ja oder nein )";
const char* const Use09Message = "Q/0,9-Wert ist ungültig ( ja oder nein )";

bool Blank(const std::string& text) { return TrimBlanks(text).empty(); }

// The smallest size of the series not below the required diameter as
// calculated: a diameter shown as "250.0" may lie just above 250 mm, and
// DN 250 would then be overloaded.
std::optional<int> NominalSize(const TNominalSeries& series, double required)
{
    for (int size : series)
        if (size >= required)
            return size;
    return std::nullopt;
}

// The required diameter for the message that no size is large enough: the
// page's digits, or more where they round down to the largest size.
std::string RequiredAboveSeries(double required, int largest)
{
    std::string text = LabelText("%6.1f ", required);
    if (ConvertNumberText(text) <= largest)
        text = LabelText("%.4f", required);
    return text;
}

TReachOutcome CircleReach(std::span<const std::string> fields, const TReachOptions& options)
{
    TReachOutcome out;
    out.results.resize(CircleResultCount);
    std::string text[CircleFieldCount];
    for (std::size_t i = 0; i < CircleFieldCount && i < fields.size(); ++i)
        text[i] = fields[i];

    const TListNumber d = ReadListNumber(text[CircleD]);
    const TListNumber kb = ReadListNumber(text[CircleKb]);
    const TListNumber Is = ReadListNumber(text[CircleIs]);
    const TListNumber Q = ReadListNumber(text[CircleQ]);
    const TListNumber hd = ReadListNumber(text[CircleHdPermitted]);
    const bool design = !Blank(text[CircleHdPermitted]);
    const bool dGiven = !Blank(text[CircleD]);
    const bool qGiven = !Blank(text[CircleQ]);

    // The order of the page that runs first decides which message a row shows.
    TRowCheck check;
    if (design) {
        const auto& rules = DesignFieldRules();
        check.Check(CircleQ, Q, rules[0]);
        check.Check(CircleHdPermitted, hd, rules[1]);
        check.Check(CircleKb, kb, rules[2]);
        check.Check(CircleIs, Is, rules[3]);
    }
    if (dGiven || !design) {
        const auto& rules = VerificationFieldRules();
        check.Check(CircleD, d, rules[0]);
        check.Check(CircleKb, kb, rules[1]);
        check.Check(CircleIs, Is, rules[2]);
    }
    const auto reduce95 = ParseYesNo(text[CircleReduce95], false);
    if (!reduce95)
        check.Fail(CircleReduce95, Reduce95Message);
    const auto use09 = ParseYesNo(text[CircleUse09], true);
    if (!use09)
        check.Fail(CircleUse09, Use09Message);
    if (check.Failed()) {
        check.Finish(out);
        return out;
    }

    double dValue = d.value;
    std::string dWorking = d.working;
    if (design) {
        double required = 0;
        try {
            required = CircleDesign(Q.value, hd.value, kb.value, Is.value, *use09).D;
            out.results[CircleDRequired] = LabelText("%6.1f ", required);
        } catch (const CalculationError& e) {
            check.Fail(CircleQ, e.what());
            check.Finish(out);
            return out;
        }
        const auto size = NominalSize(options.series, required);
        if (!size) {
            const int largest = options.series.empty() ? 0 : options.series.back();
            check.Fail(-1,
                       Fmt("d erf %s mm liegt über der größten Nennweite %d mm", RequiredAboveSeries(required, largest),
                           largest));
            check.Finish(out);
            return out;
        }
        out.results[CircleDN] = Fmt("%d", *size);
        if (!dGiven) {
            // The verification runs on the nominal size as if it had been typed.
            const TListNumber nominal = ReadListNumber(out.results[CircleDN]);
            if (!check.Check(CircleD, nominal, VerificationFieldRules()[0])) {
                check.Finish(out);
                return out;
            }
            dValue = nominal.value;
            dWorking = nominal.working;
        }
    }

    TCircleFullFlow full;
    try {
        full = CircleFullFlow(dValue, kb.value, Is.value, *reduce95);
    } catch (const CalculationError& e) {
        check.Fail(CircleD, e.what());
        check.Finish(out);
        return out;
    }
    out.results[CircleClearWidth] = *reduce95 ? LabelText("%.2f ", full.dc) : dWorking;
    out.results[CircleQv] = LabelText("%4.2f ", full.Qv);
    out.results[CircleVv] = LabelText("%4.2f ", full.vv);
    out.status = CalculatedStatus;
    if (!qGiven)
        return out;

    const TFieldRule rule = PartialDischargeRule(full.Qv);
    if (Q.check < CheckNumeric || Q.value < rule.lower) {
        check.Check(CircleQ, Q, rule);
        check.Finish(out);
        return out;
    }
    if (Q.value > full.Qv) {
        // More than the pipe carries full: not an input error for a list,
        // unless the ratio is beyond any number.
        const double ratio = Q.value / full.Qv * 100;
        if (!std::isfinite(ratio)) {
            check.Fail(CircleQ, NotFiniteMessage);
            check.Finish(out);
            return out;
        }
        out.status = Fmt("überlastet (Qt/Qv = %s %%)", LabelText("%4.1f ", ratio));
        return out;
    }
    try {
        const TCirclePartialFlow p = CirclePartialFlow(full.dc, full.Qv, full.vv, Q.value);
        out.results[CircleH] = LabelText("%4.1f ", p.h);
        out.results[CircleHd] = LabelText("%4.1f ", p.hd);
        out.results[CircleQq] = LabelText("%4.1f ", p.qq);
        out.results[CircleVt] = LabelText("%4.2f ", p.vt);
    } catch (const CalculationError& e) {
        check.Fail(CircleQ, e.what());
        check.Finish(out);
    }
    return out;
}

}  // namespace

TReachOutcome CalculateCircleReach(std::span<const std::string> fields, const TReachOptions& options)
{
    return GuardedReach(CircleResultCount, [&] { return CircleReach(fields, options); });
}

}  // namespace fluvara
