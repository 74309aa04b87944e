// A circular reach: the design page's run when a permitted filling is given,
// then the verification page's full-flow run and, with a discharge, its
// partial-flow run. The results are the runs' label texts, the messages their
// failures; the list adds its own reading of numbers, the yes/no cells, the
// nominal size and the overload note.

#include "circlereach.h"
#include "profilereach.h"
#include "rowcheck.h"

#include "designrun.h"
#include "textformat.h"
#include "verificationrun.h"

#include <span>

namespace fluvara {

namespace {

const char* const Reduce95Message = "95%-Wert ist ungültig ( ja oder nein )";
const char* const Use09Message = "Q/0,9-Wert ist ungültig ( ja oder nein )";

// The cells of the runs' fields, by TVerificationField and TDesignField.
constexpr int VerificationCells[] = {CircleD, CircleKb, CircleIs, CircleQ};
constexpr int DesignCells[] = {CircleQ, CircleHdPermitted, CircleKb, CircleIs};

bool Blank(const std::string& text) { return TrimBlanks(text).empty(); }

// The page's reading, refusing first what it would misread (ReadListNumber).
// A label of the page as a list shows it: without the blanks at both ends.
std::string Shown(const std::string& label) { return std::string(TrimBlanks(label)); }

void Mark(TRowCheck& check, const TRunChecks& run, std::span<const int> cells)
{
    for (const TRunFailure& failure : run.failures)
        check.Fail(failure.field < 0 ? -1 : cells[static_cast<std::size_t>(failure.field)], failure.message);
}

// The required diameter for the message that no size is large enough: the
// page's digits, or more where they round down to the largest size.
std::string RequiredAboveSeries(const TDesignRun& design, int largest)
{
    std::string text = Shown(design.labels.D);
    if (ConvertNumberText(text) <= largest)
        text = LabelText("%.4f", design.design.D);
    return text;
}

TReachOutcome CircleReach(std::span<const std::string> fields, const TReachOptions& options, TCircleReachRuns& runs)
{
    TReachOutcome out;
    out.results.resize(CircleResultCount);
    std::string text[CircleFieldCount];
    for (std::size_t i = 0; i < CircleFieldCount && i < fields.size(); ++i)
        text[i] = fields[i];

    const bool design = !Blank(text[CircleHdPermitted]);
    const bool dGiven = !Blank(text[CircleD]);
    const bool qGiven = !Blank(text[CircleQ]);
    const auto reduce95 = ParseYesNo(text[CircleReduce95], false);
    const auto use09 = ParseYesNo(text[CircleUse09], true);

    // The order of the page that runs first decides which message a row
    // shows; a calculation counts only once every cell is read.
    TRowCheck check;
    std::optional<TDesignRun>& designRun = runs.design;
    if (design) {
        designRun = RunDesign(
            TDesignInput{text[CircleQ], text[CircleHdPermitted], text[CircleKb], text[CircleIs], use09.value_or(true)},
            ListReading);
        if (!designRun->fieldsPassed)
            Mark(check, designRun->checks, DesignCells);
    }
    std::optional<TFullFlowRun>& full = runs.full;
    if (dGiven || !design) {
        full = RunFullFlow(TFullFlowInput{text[CircleD], text[CircleKb], text[CircleIs], reduce95.value_or(false)},
                           ListReading);
        if (!full->fieldsPassed)
            Mark(check, full->checks, VerificationCells);
    }
    if (!reduce95)
        check.Fail(CircleReduce95, Reduce95Message);
    if (!use09)
        check.Fail(CircleUse09, Use09Message);
    if (check.Failed()) {
        check.Finish(out);
        return out;
    }

    if (designRun) {
        if (!designRun->checks.Passed()) {
            Mark(check, designRun->checks, DesignCells);
            check.Finish(out);
            return out;
        }
        out.results[CircleDRequired] = Shown(designRun->labels.D);
        const auto size = NominalSize(options.series, designRun->design.D, options.smallestSize);
        if (!size) {
            const int largest = options.series.empty() ? 0 : options.series.back();
            if (!NominalSize(options.series, designRun->design.D))
                check.Fail(-1,
                           Fmt("d erf %s mm liegt über der größten Nennweite %d mm",
                               RequiredAboveSeries(*designRun, largest), largest));
            else
                check.Fail(-1,
                           Fmt("Oberhalb liegt ein Rohr mit %s mm, größer als die größte Nennweite %d mm",
                               LabelText("%.0f", options.smallestSize), largest));
            check.Finish(out);
            return out;
        }
        runs.nominalSize = *size;
        out.results[CircleDN] = Fmt("%d", *size);
        // The verification runs on the nominal size as if it had been typed.
        if (!dGiven)
            full = RunFullFlow(TFullFlowInput{out.results[CircleDN], text[CircleKb], text[CircleIs], *reduce95},
                               ListReading);
    }
    if (!full->checks.Passed()) {
        Mark(check, full->checks, VerificationCells);
        check.Finish(out);
        return out;
    }
    out.results[CircleClearWidth] = Shown(full->labels.d);
    out.results[CircleQv] = Shown(full->labels.Qv);
    out.results[CircleVv] = Shown(full->labels.vv);
    out.status = CalculatedStatus;
    if (!qGiven)
        return out;

    const TPartialFlowRun& partial = runs.partial.emplace(RunPartialFlow(&*full, text[CircleQ], ListReading));
    if (partial.overloaded) {
        // More than the pipe carries full: not an input error for a list,
        // unless the ratio is beyond any number.
        if (partial.overloadRatio.empty()) {
            check.Fail(CircleQ, NotFiniteMessage);
            check.Finish(out);
            return out;
        }
        // The ratio stands in its column too, so that sorting by it puts the worst pipes first.
        out.results[CircleQq] = Shown(partial.overloadRatio);
        out.status = Fmt("überlastet (Qt/Qv = %s %%)", Shown(partial.overloadRatio));
        return out;
    }
    if (!partial.checks.Passed()) {
        Mark(check, partial.checks, VerificationCells);
        check.Finish(out);
        return out;
    }
    out.results[CircleH] = Shown(partial.labels.h);
    out.results[CircleHd] = Shown(partial.labels.hd);
    out.results[CircleQq] = Shown(partial.labels.qq);
    out.results[CircleVt] = Shown(partial.labels.vt);
    return out;
}

}  // namespace

TReachOutcome CalculateCircleReach(std::span<const std::string> fields, const TReachOptions& options,
                                   TCircleReachRuns& runs)
{
    const std::string profileText =
        fields.size() > static_cast<std::size_t>(CircleProfile) ? fields[CircleProfile] : std::string();
    const std::optional<TReachProfile> shape = ParseReachProfile(profileText);
    if (!shape) {
        TReachOutcome out = RefusedOutcome(CircleResultCount, ProfileMessage);
        out.errors = {{CircleProfile, ProfileMessage}};
        return out;
    }
    if (*shape != TReachProfile::Circle)
        return CalculateProfileReach(fields, *shape, options, runs.profile);
    return GuardedReach(CircleResultCount, [&] { return CircleReach(fields, options, runs); });
}

TReachOutcome CalculateCircleReach(std::span<const std::string> fields, const TReachOptions& options)
{
    TCircleReachRuns runs;
    return CalculateCircleReach(fields, options, runs);
}

}  // namespace fluvara
