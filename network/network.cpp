#include "network.h"

#include "circlereach.h"
#include "flowtime.h"
#include "networkreach.h"
#include "rowcheck.h"
#include "textformat.h"
#include "topology.h"

#include <algorithm>
#include <cmath>

namespace fluvara {

namespace {

std::string Quoted(std::string_view name) { return "„" + std::string(name) + "“"; }

// Where a reach stands once it is done: what the reaches below take from it.
struct TReachState {
    bool refused = true;
    std::size_t cause = 0;  // the reach refused for a fault of its own
    double tEnd = 0;        // min
    double aredSum = 0;     // ha
    double qtSum = 0;       // l/s
    double size = 0;        // mm, the pipe's d or nominal size
};

// The inverts of a reach, kept for the reach above it.
struct TInverts {
    bool given = false;
    double top = 0;  // m
};

// Sohle gegen Fließrichtung: a reach that ends below the start of the reach
// it runs into.
std::string InvertWarning(const TNetworkReachInput& up, const TInverts& down)
{
    if (!up.levels || !down.given || !(up.invertBottom < down.top))
        return {};
    return Fmt("Sohle gegen Fließrichtung am Schacht %s (%s m unter der abgehenden Sohle)", Quoted(up.link.to),
               LabelText("%.2f", down.top - up.invertBottom));
}

}  // namespace

std::string NetworkOptionsError(const TNetworkOptions& options)
{
    if (options.rain.reinhold) {
        if (std::string error = ReinholdError(*options.rain.reinhold); !error.empty())
            return error;
    } else if (options.rain.table.empty()) {
        return "Es ist kein Bemessungsregen angegeben (Regentabelle oder r15 und n)";
    }
    if (!std::isfinite(options.t0) || options.t0 < 0)
        return "t0 muss eine Fließzeit von 0 min oder mehr sein";
    if (!std::isfinite(options.tauLimit) || options.tauLimit < 0)
        return "Die Grenze der Schubspannung muss 0 N/m² oder mehr sein";
    if (!std::isfinite(options.coverLimit))
        return "Die Mindestüberdeckung muss eine Zahl sein";
    return {};
}

void CalculateNetwork(std::size_t count, const TNetworkFields& fields, const TNetworkOptions& options,
                      const TNetworkSink& sink)
{
    // Each row is read twice, here for the network's layout and again when
    // its turn comes: memory then holds a few numbers per reach, not its texts.
    std::vector<TNetworkLink> links;
    links.reserve(count);
    std::vector<TInverts> inverts;
    inverts.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        TNetworkReachInput in = ReadNetworkReach(fields(i));
        links.push_back(std::move(in.link));
        inverts.push_back({in.levels, in.invertTop});
    }
    const TTopology topology = ReadTopology(links);
    std::vector<std::string> names(count);
    for (std::size_t i = 0; i < count; ++i)
        names[i] = std::move(links[i].name);
    links = {};

    // Per reach, the reach it runs into (count: none), for the invert warning.
    std::vector<std::size_t> downstream(count, count);
    for (std::size_t r = 0; r < count; ++r)
        for (std::size_t up : topology.incoming[r])
            downstream[up] = r;

    std::vector<TReachState> state(count);
    for (std::size_t r : topology.order) {
        const TNetworkReachInput in = ReadNetworkReach(fields(r));
        TReachState& s = state[r];
        s.cause = r;
        TReachOutcome out;
        if (!topology.refusal[r].empty()) {
            out = RefusedOutcome(NetworkResultCount, topology.refusal[r]);
        } else if (!in.errors.empty()) {
            out = RefusedOutcome(NetworkResultCount, in.errors.front().message);
            out.errors = in.errors;
        } else {
            const auto& incoming = topology.incoming[r];
            const auto refusedAbove =
                std::find_if(incoming.begin(), incoming.end(), [&](std::size_t up) { return state[up].refused; });
            if (refusedAbove != incoming.end()) {
                s.cause = state[*refusedAbove].cause;
                out = RefusedOutcome(NetworkResultCount, "oberhalb abgelehnt: Haltung " + names[s.cause]);
            } else {
                TFlowTimeStart start;
                start.tStart = options.t0;
                start.aredSum = in.area * in.psi;
                start.qtSum = in.QT;
                for (std::size_t up : incoming) {
                    start.tStart = up == incoming.front() ? state[up].tEnd : std::max(start.tStart, state[up].tEnd);
                    start.aredSum += state[up].aredSum;
                    start.qtSum += state[up].qtSum;
                    start.smallestSize = std::max(start.smallestSize, state[up].size);
                }
                const TFlowTimeReach reach = CalculateFlowTime(in, start, options);
                out = reach.outcome;
                s.refused = out.refused;
                s.tEnd = reach.tEnd;
                s.aredSum = start.aredSum;
                s.qtSum = start.qtSum;
                s.size = reach.size;
                if (!s.refused && downstream[r] < count) {
                    const std::string warning = InvertWarning(in, inverts[downstream[r]]);
                    if (!warning.empty())
                        AddWarning(out, warning);
                }
            }
        }
        sink(r, std::move(out));
    }
}

std::vector<TReachOutcome> CalculateNetwork(const TReachList& list, const TNetworkOptions& options)
{
    std::vector<TReachOutcome> outcomes(list.rows.size());
    CalculateNetwork(
        list.rows.size(), [&](std::size_t row) { return list.Fields(row); }, options,
        [&](std::size_t row, TReachOutcome&& outcome) { outcomes[row] = std::move(outcome); });
    return outcomes;
}

void CalculateNetwork(const TListLayout& layout, const TPackedTexts& rows, TPackedOutcomes& outcomes,
                      const TNetworkOptions& options)
{
    CalculateNetwork(
        rows.Size(), [&](std::size_t row) { return FieldsOfRow(layout, rows.At(row)); }, options,
        [&](std::size_t row, TReachOutcome&& outcome) { outcomes.Set(row, outcome); });
}

}  // namespace fluvara
