#include "flowtime.h"

#include "circlereach.h"
#include "profilereach.h"
#include "pipenumbers.h"
#include "numbercheck.h"
#include "rowcheck.h"
#include "textformat.h"

#include <cmath>
#include <optional>

namespace fluvara {

namespace {


// The circular reach's fields, as TNetworkField.
constexpr int FieldOfCircle[CircleFieldCount] = {NetworkName, NetworkD, NetworkKb,          NetworkIs,
                                                 -1,          -1,       NetworkHdPermitted, NetworkUse09};

// A limit is checked against the value as shown: a cover shown as 1.00 m
// is not below 1.00 m, whatever the last bits of the difference of levels.
double Shown(const std::string& text) { return ConvertNumberText(text); }

struct TPass {
    double tEnd = 0;
    std::optional<double> r;  // l/(s·ha); none above the rain table without an area
    double Qr = 0;
    double Q = 0;
    TReachOutcome pipe;
    TCircleReachRuns runs;
    double size = 0;
    double v = 0;  // m/s, for the next pass
};

class TFlowTime {
public:
    TFlowTime(const TNetworkReachInput& in, const TFlowTimeStart& start, const TNetworkOptions& options)
        : in_(in), start_(start), options_(options), reach_(options.reach)
    {
        reach_.smallestSize = start.smallestSize;
        slope_ = in.levels ? ExactNumberText(in.slopeFromLevels) : in.Is;
    }

    // Throws CalculationError for a value beyond any number.
    TFlowTimeReach Run()
    {
        std::optional<TPipeNumbers> numbers = TPipeNumbers::Read(in_, slope_, reach_);
        double v = 1.0;
        std::optional<double> tBefore;
        double QBefore = 0;
        for (int pass = 1;; ++pass) {
            const double tEnd = start_.tStart + in_.length / (60 * v);
            RequireFinite({tEnd});
            if (tBefore && std::fabs(tEnd - *tBefore) < FlowTimeTolerance)
                return Last(tEnd, false);
            const double Q = Discharge(tEnd).Q;
            if (!refusal_.empty())
                return Refused(TPass{});
            // Flipping between two velocities for ever: the larger discharge holds.
            if (pass == FlowTimePassLimit)
                return Last(QBefore > Q ? *tBefore : tEnd, true);
            const auto pipe = numbers ? numbers->At(Q) : std::nullopt;
            if (pipe) {
                v = pipe->v;
            } else {
                // The circular reach itself, which says why it refuses.
                const TPass full = Pass(tEnd);
                if (full.pipe.refused || !refusal_.empty())
                    return Refused(full);
                v = full.v;
            }
            tBefore = tEnd;
            QBefore = Q;
        }
    }

private:
    // The pass shown: the circular reach with its texts.
    TFlowTimeReach Last(double tEnd, bool ambiguous)
    {
        const TPass last = Pass(tEnd);
        if (last.pipe.refused || !refusal_.empty())
            return Refused(last);
        return Finish(last, ambiguous);
    }

    // The rain and the discharge at the flow time tEnd.
    TPass Discharge(double tEnd)
    {
        TPass p;
        p.tEnd = tEnd;
        p.r = RainIntensity(options_.rain, tEnd);
        if (!p.r && start_.aredSum > 0)
            refusal_ = Fmt("Regendauer %s min über der Regentabelle (bis %s min)", LabelText("%.2f", tEnd),
                           ExactNumberText(options_.rain.table.empty() ? 0 : options_.rain.table.back().D));
        p.Qr = p.r ? *p.r * start_.aredSum : 0;
        p.Q = p.Qr + start_.qtSum;
        return p;
    }

    TPass Pass(double tEnd)
    {
        TPass p = Discharge(tEnd);
        if (!refusal_.empty())
            return p;

        std::string fields[CircleFieldCount];
        fields[CircleName] = in_.link.name;
        fields[CircleD] = in_.d;
        fields[CircleKb] = in_.kb;
        fields[CircleIs] = slope_;
        fields[CircleReduce95] = "nein";
        fields[CircleUse09] = in_.use09;
        fields[CircleProfile] = in_.profile;
        fields[CircleSize] = in_.size;
        const bool flowing = p.Q >= SmallestDischarge;
        const auto shape = ParseReachProfile(in_.profile);
        const bool circle = shape == TReachProfile::Circle;
        const bool design = circle ? TrimBlanks(in_.d).empty() : TrimBlanks(in_.size).empty();
        std::optional<int> smallSize;
        if (flowing) {
            fields[CircleQ] = ExactNumberText(p.Q);
            fields[CircleHdPermitted] = in_.hdPermitted;
        } else if (design && shape == TReachProfile::Egg) {
            // Too little to design for: the smallest egg the reaches above allow.
            for (const TProfileSize& s : EggSeries())
                if (s.H >= reach_.smallestSize && TrimBlanks(fields[CircleSize]).empty())
                    fields[CircleSize] = Fmt("%.0f/%.0f", s.b, s.H);
            if (TrimBlanks(fields[CircleSize]).empty()) {
                refusal_ = EggTooSmallMessage;
                return p;
            }
        } else if (design && circle) {
            // Too little to design for: the smallest size the reaches above allow.
            smallSize = NominalSize(reach_.series, 0, reach_.smallestSize);
            if (!smallSize) {
                refusal_ = Fmt("Oberhalb liegt ein Rohr mit %s mm, größer als die größte Nennweite",
                               LabelText("%.0f", reach_.smallestSize));
                return p;
            }
            fields[CircleD] = Fmt("%d", *smallSize);
        }
        p.pipe = CalculateCircleReach(fields, reach_, p.runs);
        if (p.pipe.refused)
            return p;
        if (smallSize)
            p.pipe.results[CircleDN] = Fmt("%d", *smallSize);
        if (const auto& profile = p.runs.profile) {
            // Sizes compare by their heights.
            p.size = profile->profile.H;
            p.v = profile->partial ? profile->partial->vt : profile->full.vv;
            return p;
        }
        p.size = design ? (p.runs.nominalSize ? *p.runs.nominalSize : smallSize.value_or(0)) : in_.dValue;
        const TFullFlowRun& full = *p.runs.full;
        const bool filled = p.runs.partial && !p.runs.partial->overloaded;
        p.v = filled ? p.runs.partial->flow.vt : full.flow.vv;
        return p;
    }

    TFlowTimeReach Refused(const TPass& p)
    {
        TFlowTimeReach reach;
        if (!refusal_.empty()) {
            reach.outcome = RefusedOutcome(NetworkResultCount, refusal_);
            return reach;
        }
        reach.outcome = RefusedOutcome(NetworkResultCount, "");
        reach.outcome.errors.clear();
        for (const TCellError& e : p.pipe.errors) {
            int field = e.field < 0 ? -1 : FieldOfCircle[e.field];
            if (e.field == CircleIs && in_.levels)
                field = NetworkInvertTop;
            std::string message = e.message;
            if (e.field == CircleQ)
                message = Fmt("Q = %s l/s: %s", LabelText("%.2f", p.Q), e.message);
            else if (e.field == CircleIs && in_.levels)
                message = Fmt("Is aus den Sohlen %s ‰: %s", LabelText("%.2f", in_.slopeFromLevels), e.message);
            reach.outcome.errors.push_back({field, message});
        }
        if (reach.outcome.errors.empty())
            reach.outcome.errors.push_back({-1, p.pipe.status});
        reach.outcome.status = reach.outcome.errors.front().message;
        return reach;
    }

    TFlowTimeReach Finish(const TPass& p, bool ambiguous)
    {
        TFlowTimeReach reach;
        reach.tEnd = p.tEnd;
        reach.size = p.size;
        TReachOutcome& out = reach.outcome;
        out.results.resize(NetworkResultCount);
        // A difference of levels that cancels shows 0.00, not -0.00.
        const auto two = [](double value) {
            std::string text = LabelText("%.2f", value);
            return text == "-0.00" ? std::string("0.00") : text;
        };
        if (in_.levels)
            out.results[NetworkIsFromLevels] = two(in_.slopeFromLevels);
        out.results[NetworkAred] = two(in_.area * in_.psi);
        out.results[NetworkAredSum] = two(start_.aredSum);
        out.results[NetworkQTSum] = two(start_.qtSum);
        out.results[NetworkTf] = two(p.tEnd);
        out.results[NetworkDuration] = two(p.tEnd);
        if (p.r)
            out.results[NetworkRain] = LabelText("%.1f", *p.r);
        out.results[NetworkQr] = two(p.Qr);
        out.results[NetworkQ] = two(p.Q);
        for (int i = 0; i < CircleResultCount; ++i)
            out.results[NetworkPipeFirst + i] = p.pipe.results[static_cast<std::size_t>(i)];
        out.status = CalculatedStatus;
        if (p.pipe.status != CalculatedStatus)
            AddWarning(out, p.pipe.status);
        if (ambiguous)
            AddWarning(out, AmbiguousFlowTimeWarning);

        // Rt and Is of the partial filling, of the circle or the profile.
        std::optional<std::pair<double, double>> wetted;
        if (p.runs.profile && p.runs.profile->partial)
            wetted = {p.runs.profile->partial->Rt, p.runs.profile->Is};
        else if (p.runs.partial && !p.runs.partial->overloaded)
            wetted = {CircleSegment(p.runs.partial->flow.phi, p.runs.full->flow.dc, p.runs.full->flow.vv).Rt,
                      p.runs.full->Is};
        if (wetted) {
            const double tau = 1000 * 9.81 * wetted->first * wetted->second / 1000;
            out.results[NetworkTau] = two(tau);
            if (Shown(out.results[NetworkTau]) < options_.tauLimit)
                AddWarning(out, Fmt("Ablagerungsgefahr (tau %s unter %s N/m²)", two(tau), two(options_.tauLimit)));
        }
        if (in_.levels && in_.coverGiven) {
            const double cover = in_.coverTop - in_.invertTop - p.size / 1000;
            out.results[NetworkCover] = two(cover);
            if (Shown(out.results[NetworkCover]) < options_.coverLimit)
                AddWarning(out, Fmt("Überdeckung %s m unter %s m", two(cover), two(options_.coverLimit)));
        }
        if (p.size < start_.smallestSize)
            AddWarning(out, Fmt("d kleiner als oberhalb (%s mm)", LabelText("%.0f", start_.smallestSize)));
        return reach;
    }

    const TNetworkReachInput& in_;
    const TFlowTimeStart& start_;
    const TNetworkOptions& options_;
    TReachOptions reach_;
    std::string slope_;
    std::string refusal_;
};

}  // namespace

void AddWarning(TReachOutcome& outcome, const std::string& warning)
{
    if (outcome.status == CalculatedStatus)
        outcome.status = warning;
    else
        outcome.status += "; " + warning;
}

TFlowTimeReach CalculateFlowTime(const TNetworkReachInput& in, const TFlowTimeStart& start,
                                 const TNetworkOptions& options)
{
    try {
        return TFlowTime(in, start, options).Run();
    } catch (const CalculationError& e) {
        TFlowTimeReach reach;
        reach.outcome = RefusedOutcome(NetworkResultCount, e.what());
        return reach;
    }
}

}  // namespace fluvara
