#include "projectnetwork.h"

#include "projectvalues.h"

#include <cmath>

namespace fluvara {

namespace {

using namespace project;

constexpr const char* RainTableKey = "regentabelle";
constexpr const char* R15Key = "r15";
constexpr const char* FrequencyKey = "n";
constexpr const char* T0Key = "t0";
constexpr const char* TauKey = "tau_min";
constexpr const char* CoverKey = "ueberdeckung_min";

std::string PathOf(const char* key) { return std::string(NetworkSettingsKey) + "." + key; }

double Number(const json& object, const char* key, double fallback, double lower)
{
    const auto it = object.find(key);
    if (it == object.end())
        return fallback;
    if (!it->is_number() || !std::isfinite(it->get<double>()) || it->get<double>() < lower)
        Refuse(Fmt("%s ist keine Zahl ab %s", Place(PathOf(key)), lower == 0 ? "0" : "über 0"));
    return it->get<double>();
}

bool PositiveNumber(const json& value)
{
    return value.is_number() && std::isfinite(value.get<double>()) && value.get<double>() > 0;
}

}  // namespace

bool HasNetwork(const TReachList& network, const TNetworkSettings& s)
{
    const TNetworkSettings standard;
    return !network.rows.empty() || !s.rain.table.empty() || s.rain.reinhold || s.t0 != standard.t0 ||
        s.tauLimit != standard.tauLimit || s.coverLimit != standard.coverLimit;
}

std::string NetworkSettingsJson(const TNetworkSettings& s)
{
    json settings = json::object();
    if (s.rain.reinhold) {
        settings[R15Key] = s.rain.reinhold->r15;
        settings[FrequencyKey] = s.rain.reinhold->n;
    } else {
        json table = json::array();
        for (const TRainRow& row : s.rain.table)
            table.push_back(json::array({row.D, row.r}));
        settings[RainTableKey] = std::move(table);
    }
    settings[T0Key] = s.t0;
    settings[TauKey] = s.tauLimit;
    settings[CoverKey] = s.coverLimit;
    return settings.dump(-1, ' ', false, json::error_handler_t::replace);
}

TNetworkSettings ReadNetworkSettings(const json& value)
{
    TNetworkSettings s;
    if (!value.is_object())
        Refuse(Place(NetworkSettingsKey) + " ist kein Objekt");
    if (value.contains(R15Key)) {
        s.rain.reinhold = TReinholdRain{Number(value, R15Key, 0, 0), Number(value, FrequencyKey, 1, 0)};
    } else if (const auto table = value.find(RainTableKey); table != value.end()) {
        if (!table->is_array())
            Refuse(Place(PathOf(RainTableKey)) + " ist keine Liste");
        for (const json& row : *table) {
            if (!row.is_array() || row.size() != 2 || !PositiveNumber(row[0]) || !PositiveNumber(row[1]) ||
                (!s.rain.table.empty() && row[0].get<double>() <= s.rain.table.back().D))
                Refuse(Place(PathOf(RainTableKey)) +
                       " ist keine Liste von Zeilen [Dauer, Regenspende] mit positiven, steigenden Dauern");
            s.rain.table.push_back({row[0].get<double>(), row[1].get<double>()});
        }
    }
    s.t0 = Number(value, T0Key, s.t0, 0);
    s.tauLimit = Number(value, TauKey, s.tauLimit, 0);
    s.coverLimit = Number(value, CoverKey, s.coverLimit, -1e9);
    return s;
}

}  // namespace fluvara
