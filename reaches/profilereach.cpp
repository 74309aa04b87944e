#include "profilereach.h"

#include "calcerror.h"
#include "labelformats.h"
#include "numbercheck.h"
#include "rowcheck.h"
#include "textformat.h"

#include <cmath>

namespace fluvara {

namespace {

using namespace labelformats;

std::string Lowered(std::string_view text)
{
    std::string lowered;
    for (char c : TrimBlanks(text))
        lowered += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return lowered;
}

std::string Shown(const char* format, double value) { return std::string(TrimBlanks(LabelText(format, value))); }

std::string SizeText(const TProfileSize& size) { return Fmt("%.0f/%.0f", size.b, size.H); }

// A number cell by the circle's rule; nothing when it fails (the failure is noted).
std::optional<double> Read(TRowCheck& check, int field, const std::string& text, const TFieldRule& rule)
{
    const TRunNumber number = ListReading(text);
    if (auto message = RunNumberError(number, rule)) {
        check.Fail(field, std::move(*message));
        return std::nullopt;
    }
    return number.number.value;
}

TReachOutcome ProfileReach(std::span<const std::string> fields, TReachProfile shape, const TReachOptions& options,
                           std::optional<TProfileRun>& run)
{
    TReachOutcome out;
    out.results.resize(CircleResultCount);
    std::string text[CircleFieldCount];
    for (std::size_t i = 0; i < CircleFieldCount && i < fields.size(); ++i)
        text[i] = fields[i];
    const bool egg = shape == TReachProfile::Egg;
    const auto blank = [&](int field) { return TrimBlanks(text[field]).empty(); };
    const bool design = !blank(CircleHdPermitted);
    const bool qGiven = !blank(CircleQ);

    TRowCheck check;
    if (!blank(CircleD))
        check.Fail(CircleD, "d gilt nur für Kreisprofile; für Ei und Rechteck b/H angeben");
    std::optional<TProfileSize> size;
    if (!blank(CircleSize)) {
        size = ParseProfileSize(text[CircleSize]);
        if (!size || size->b < 100 || size->H < 100 || size->b > 10000 || size->H > 10000)
            check.Fail(CircleSize, "b/H ist ungültig ( Breite/Höhe in mm, etwa 600/900 )");
        else if (egg && size->H != 1.5 * size->b)
            check.Fail(CircleSize, "b/H ist ungültig ( ein Ei 2:3 hat H = 1,5 · b, etwa 600/900 )");
    } else if (!egg || !design) {
        check.Fail(CircleSize,
                   egg ? "b/H fehlt ( etwa 600/900, oder h/d zul für eine Bemessung )"
                       : "b/H fehlt ( Breite/Höhe in mm, etwa 1000/800 )");
    }
    if (design && !egg)
        check.Fail(CircleHdPermitted, "Ein Rechteck wird nicht bemessen: h/d zul leer lassen und b/H angeben");
    const auto& rules = VerificationFieldRules();
    const auto kb = Read(check, CircleKb, text[CircleKb], rules[1]);
    const auto Is = Read(check, CircleIs, text[CircleIs], rules[2]);
    std::optional<double> Q, hd;
    if (design) {
        Q = Read(check, CircleQ, text[CircleQ], DesignFieldRules()[0]);
        hd = Read(check, CircleHdPermitted, text[CircleHdPermitted], DesignFieldRules()[1]);
    } else if (qGiven) {
        const TRunNumber number = ListReading(text[CircleQ]);
        if (auto message = RunNumberError(
                number,
                TFieldRule{0, 1e300, "Qt-Wert darf nicht negativ sein", "Qt-Wert ist nicht nummerisch", "", "Qt-Wert"}))
            check.Fail(CircleQ, *message);
        Q = number.number.value;
    }
    const auto reduce95 = ParseYesNo(text[CircleReduce95], false);
    const auto use09 = ParseYesNo(text[CircleUse09], true);
    if (!reduce95 || *reduce95)
        check.Fail(CircleReduce95, "95%-Wert gilt nur für Kreisprofile ( leer oder nein )");
    if (!use09)
        check.Fail(CircleUse09, "Q/0,9-Wert ist ungültig ( ja oder nein )");
    if (check.Failed()) {
        check.Finish(out);
        return out;
    }

    TProfileRun& r = run.emplace();
    r.Is = *Is;
    if (design && egg) {
        // The egg series from the height of the pipes above on: a sewer never narrows.
        std::vector<TProfileSize> series;
        for (const TProfileSize& s : EggSeries())
            if (s.H >= options.smallestSize)
                series.push_back(s);
        const auto designed = series.empty() ? std::nullopt : DesignEgg(*Q, *hd, *kb, *Is, *use09, series);
        if (!designed) {
            check.Fail(-1, EggTooSmallMessage);
            check.Finish(out);
            return out;
        }
        out.results[CircleDN] = SizeText(designed->size);
        if (!size) {
            size = designed->size;
            r.designed = true;
        }
    }
    r.profile = egg ? EggProfile(size->b) : RectangleProfile(size->b, size->H);
    r.full = ProfileFullFlow(r.profile, *kb, *Is);
    out.results[CircleClearWidth] = r.designed ? SizeText(*size) : std::string(TrimBlanks(text[CircleSize]));
    out.results[CircleQv] = Shown(Hundredths, r.full.Qv);
    out.results[CircleVv] = Shown(Hundredths, r.full.vv);
    out.status = CalculatedStatus;
    if (!qGiven)
        return out;
    if (*Q < 1) {
        check.Fail(CircleQ, Fmt("Qt-Wert ist ungültig ( >=1 und <=%5.2f )", r.full.Qv));
        check.Finish(out);
        return out;
    }
    if (*Q > r.full.Qv) {
        out.status = Fmt("überlastet (Qt/Qv = %s %%)", Shown(Tenths, *Q / r.full.Qv * 100));
        return out;
    }
    r.partial = ProfilePartialFlow(r.profile, r.full, *Q);
    out.results[CircleH] = Shown(Tenths, r.partial->h);
    out.results[CircleHd] = Shown(Tenths, r.partial->hH);
    out.results[CircleQq] = Shown(Tenths, r.partial->qq);
    out.results[CircleVt] = Shown(Hundredths, r.partial->vt);
    return out;
}

}  // namespace

std::optional<TReachProfile> ParseReachProfile(std::string_view text)
{
    const std::string t = Lowered(text);
    if (t.empty() || t == "kreis")
        return TReachProfile::Circle;
    if (t == "ei")
        return TReachProfile::Egg;
    if (t == "rechteck")
        return TReachProfile::Rectangle;
    return std::nullopt;
}

TReachOutcome CalculateProfileReach(std::span<const std::string> fields, TReachProfile shape,
                                    const TReachOptions& options, std::optional<TProfileRun>& run)
{
    return GuardedReach(CircleResultCount, [&] { return ProfileReach(fields, shape, options, run); });
}

}  // namespace fluvara
