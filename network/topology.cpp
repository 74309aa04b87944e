#include "topology.h"

#include "textformat.h"

#include <deque>
#include <string_view>
#include <unordered_map>

namespace fluvara {

namespace {

using TIndex = std::unordered_map<std::string_view, std::vector<std::size_t>>;

std::string Quoted(std::string_view name) { return "„" + std::string(name) + "“"; }

void Refuse(TTopology& t, std::size_t reach, const std::string& message)
{
    if (t.refusal[reach].empty())
        t.refusal[reach] = message;
}

// Names of reaches for a message, at most ten of them.
std::string NameList(const std::vector<TNetworkLink>& links, const std::vector<std::size_t>& reaches,
                     const char* separator)
{
    std::string text;
    for (std::size_t i = 0; i < reaches.size() && i < 10; ++i)
        text += (i == 0 ? "" : separator) + links[reaches[i]].name;
    if (reaches.size() > 10)
        text += Fmt("%s… (%d Haltungen)", separator, static_cast<long long>(reaches.size()));
    return text;
}

// Kahn's order over the reaches in pending whose incoming reaches are all
// done or not pending; appends to order and marks them done.
void OrderDownstream(const TTopology& t, const std::vector<std::vector<std::size_t>>& outgoing,
                     const std::vector<bool>& pending, std::vector<bool>& done, std::vector<std::size_t>& order)
{
    std::vector<std::size_t> waiting(t.incoming.size(), 0);
    std::deque<std::size_t> ready;
    for (std::size_t r = 0; r < t.incoming.size(); ++r) {
        if (!pending[r])
            continue;
        for (std::size_t in : t.incoming[r])
            waiting[r] += pending[in] && !done[in] ? 1 : 0;
        if (waiting[r] == 0)
            ready.push_back(r);
    }
    while (!ready.empty()) {
        const std::size_t r = ready.front();
        ready.pop_front();
        done[r] = true;
        order.push_back(r);
        for (std::size_t down : outgoing[r])
            if (pending[down] && !done[down] && --waiting[down] == 0)
                ready.push_back(down);
    }
}

}  // namespace

TTopology ReadTopology(const std::vector<TNetworkLink>& links)
{
    const std::size_t n = links.size();
    TTopology t;
    t.incoming.resize(n);
    t.refusal.resize(n);

    TIndex byName;
    TIndex leaving;   // manhole -> reaches that start there
    TIndex arriving;  // manhole -> reaches that end there
    for (std::size_t r = 0; r < n; ++r) {
        const TNetworkLink& link = links[r];
        if (link.name.empty())
            Refuse(t, r, "Der Name der Haltung fehlt");
        if (link.from.empty())
            Refuse(t, r, "Der obere Schacht („von“) fehlt");
        if (link.to.empty())
            Refuse(t, r, "Der untere Schacht („bis“) fehlt");
        if (!link.from.empty() && link.from == link.to)
            Refuse(t, r, Fmt("„von“ und „bis“ sind derselbe Schacht %s", Quoted(link.from)));
        if (!link.name.empty())
            byName[link.name].push_back(r);
        // A reach from a manhole to itself is refused as such, not as a second way out.
        if (!link.from.empty() && link.from != link.to)
            leaving[link.from].push_back(r);
        if (!link.to.empty())
            arriving[link.to].push_back(r);
    }
    for (const auto& [name, reaches] : byName)
        if (reaches.size() > 1)
            for (std::size_t r : reaches)
                Refuse(
                    t, r,
                    Fmt("Der Haltungsname %s kommt %d-mal vor", Quoted(name), static_cast<long long>(reaches.size())));
    for (const auto& [manhole, reaches] : leaving)
        if (reaches.size() > 1)
            for (std::size_t r : reaches)
                Refuse(t, r,
                       Fmt("Vom Schacht %s gehen mehrere Haltungen ab: %s", Quoted(manhole),
                           NameList(links, reaches, ", ")));

    // Edges between reaches through their manholes; von equal to bis makes none.
    std::vector<std::vector<std::size_t>> outgoing(n);
    for (std::size_t r = 0; r < n; ++r) {
        if (links[r].from.empty() || links[r].from == links[r].to)
            continue;
        const auto in = arriving.find(links[r].from);
        if (in == arriving.end())
            continue;
        for (std::size_t up : in->second)
            if (links[up].from != links[up].to) {
                t.incoming[r].push_back(up);
                outgoing[up].push_back(r);
            }
    }

    std::vector<bool> done(n, false);
    OrderDownstream(t, outgoing, std::vector<bool>(n, true), done, t.order);
    if (t.order.size() == n)
        return t;

    // Left over: rings and what lies below them. Peeling off from below
    // whatever sends nothing into the rest leaves the rings.
    std::vector<bool> onRing(n, false);
    std::vector<std::size_t> sending(n, 0);
    std::deque<std::size_t> peel;
    for (std::size_t r = 0; r < n; ++r) {
        if (done[r])
            continue;
        onRing[r] = true;
        sending[r] = outgoing[r].size();
        if (sending[r] == 0)
            peel.push_back(r);
    }
    while (!peel.empty()) {
        const std::size_t r = peel.front();
        peel.pop_front();
        onRing[r] = false;
        for (std::size_t up : t.incoming[r])
            if (onRing[up] && --sending[up] == 0)
                peel.push_back(up);
    }
    // What is left after peeling still holds the reaches between rings;
    // walking down from each, a walk that meets itself has found a ring.
    std::vector<char> sorted(n, 0);  // 1: on a ring, 2: not
    for (std::size_t r = 0; r < n; ++r) {
        if (!onRing[r] || sorted[r] != 0)
            continue;
        std::vector<std::size_t> walk;
        std::unordered_map<std::size_t, std::size_t> place;
        std::size_t at = r;
        while (at < n && sorted[at] == 0 && !place.count(at)) {
            place[at] = walk.size();
            walk.push_back(at);
            std::size_t next = n;
            for (std::size_t down : outgoing[at])
                if (onRing[down]) {
                    next = down;
                    break;
                }
            at = next;
        }
        const std::size_t ringStart = at < n && place.count(at) ? place[at] : walk.size();
        for (std::size_t i = 0; i < walk.size(); ++i)
            sorted[walk[i]] = i >= ringStart ? 1 : 2;
        if (ringStart == walk.size())
            continue;
        const std::vector<std::size_t> ring(walk.begin() + static_cast<std::ptrdiff_t>(ringStart), walk.end());
        const std::string message = "Ring im Netz über die Haltungen " + NameList(links, ring, ", ");
        for (std::size_t member : ring)
            Refuse(t, member, message);
    }
    for (std::size_t r = 0; r < n; ++r)
        onRing[r] = onRing[r] && sorted[r] == 1;
    for (std::size_t r = 0; r < n; ++r)
        if (onRing[r]) {
            done[r] = true;
            t.order.push_back(r);
        }
    std::vector<bool> below(n, false);
    for (std::size_t r = 0; r < n; ++r)
        below[r] = !done[r];
    OrderDownstream(t, outgoing, below, done, t.order);
    return t;
}

}  // namespace fluvara
