#include "project.h"

#include "atomicfile.h"
#include "textformat.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <sstream>

namespace fluvara {

namespace {

using nlohmann::json;

constexpr const char* CircleKey = "kreisprofile";
constexpr const char* ChannelKey = "gerinne";
constexpr const char* ColumnsKey = "spalten";
constexpr const char* RowsKey = "zeilen";
constexpr const char* SeriesKey = "nennweiten";
constexpr const char* NetworkKey = "netz";
constexpr const char* SettingsKey = "netzvorgaben";
constexpr const char* RainTableKey = "regentabelle";
constexpr const char* R15Key = "r15";
constexpr const char* FrequencyKey = "n";
constexpr const char* T0Key = "t0";
constexpr const char* TauKey = "tau_min";
constexpr const char* CoverKey = "ueberdeckung_min";

[[noreturn]] void Refuse(const std::string& message) { throw TInputError("Projektdatei: " + message); }

std::string Place(const std::string& path) { return "„" + path + "“"; }

std::string Compact(const json& value)
{
    // Texts from the readers are UTF-8; anything else is replaced rather than lost in an exception.
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

// One row a line, so that a project reads well and compares well line by line.
void AppendList(std::string& out, const char* key, const TReachList& list)
{
    out += Fmt("\t%s: {\n\t\t%s: %s,\n\t\t%s: [", Compact(key), Compact(ColumnsKey), Compact(list.layout.columns),
               Compact(RowsKey));
    for (std::size_t i = 0; i < list.rows.size(); ++i)
        out += (i == 0 ? "\n\t\t\t" : ",\n\t\t\t") + Compact(list.rows[i]);
    out += list.rows.empty() ? "]\n\t}" : "\n\t\t]\n\t}";
}

std::vector<std::string> Texts(const json& value, const std::string& path)
{
    if (!value.is_array())
        Refuse(Place(path) + " ist keine Liste");
    std::vector<std::string> texts;
    texts.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (!value[i].is_string())
            Refuse(Fmt("%s ist kein Text", Place(Fmt("%s[%d]", path, static_cast<long long>(i)))));
        texts.push_back(value[i].get<std::string>());
        // "\u0000" would put a NUL byte into a cell and into every output.
        if (texts.back().find('\0') != std::string::npos)
            Refuse(Fmt("%s enthält ein Nullzeichen", Place(Fmt("%s[%d]", path, static_cast<long long>(i)))));
    }
    return texts;
}

TReachList ReadList(const json& root, const char* key, TReachKind kind)
{
    const auto it = root.find(key);
    if (it == root.end())
        Refuse(Place(key) + " fehlt");
    if (!it->is_object())
        Refuse(Place(key) + " ist kein Objekt");
    const std::string columnsPath = std::string(key) + "." + ColumnsKey;
    const std::string rowsPath = std::string(key) + "." + RowsKey;
    if (!it->contains(ColumnsKey))
        Refuse(Place(columnsPath) + " fehlt");
    if (!it->contains(RowsKey))
        Refuse(Place(rowsPath) + " fehlt");
    std::vector<std::string> columns = Texts(it->at(ColumnsKey), columnsPath);
    const json& rowsJson = it->at(RowsKey);
    if (!rowsJson.is_array())
        Refuse(Place(rowsPath) + " ist keine Liste");
    std::vector<std::vector<std::string>> rows;
    rows.reserve(rowsJson.size());
    for (std::size_t i = 0; i < rowsJson.size(); ++i) {
        const std::string rowPath = Fmt("%s[%d]", rowsPath, static_cast<long long>(i));
        rows.push_back(Texts(rowsJson[i], rowPath));
        if (rows.back().size() != columns.size())
            Refuse(Fmt("%s hat %d Einträge statt %d wie %s", Place(rowPath), static_cast<long long>(rows.back().size()),
                       static_cast<long long>(columns.size()), Place(columnsPath)));
    }
    TReachList list;
    try {
        list = MakeList(std::move(columns), std::move(rows));
    } catch (const TInputError& e) {
        Refuse(Place(columnsPath) + ": " + e.what());
    }
    if (list.Kind() != kind)
        Refuse(Place(columnsPath) + " ist die Kopfzeile einer " +
               (list.Kind() == TReachKind::Circle        ? "Kreisprofilliste"
                    : list.Kind() == TReachKind::Channel ? "Gerinneliste"
                                                         : "Netzliste"));
    return list;
}

bool HasNetwork(const TProject& project)
{
    const TNetworkSettings& s = project.networkSettings;
    const TNetworkSettings standard;
    return !project.network.rows.empty() || !s.rain.table.empty() || s.rain.reinhold || s.t0 != standard.t0 ||
        s.tauLimit != standard.tauLimit || s.coverLimit != standard.coverLimit;
}

// Numbers as JSON writes them: the shortest text that reads back the same.
std::string SettingsText(const TNetworkSettings& s)
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
    return Compact(settings);
}

double Number(const json& object, const char* key, double fallback, double lower)
{
    const auto it = object.find(key);
    if (it == object.end())
        return fallback;
    if (!it->is_number() || !std::isfinite(it->get<double>()) || it->get<double>() < lower)
        Refuse(
            Fmt("%s ist keine Zahl ab %s", Place(std::string(SettingsKey) + "." + key), lower == 0 ? "0" : "über 0"));
    return it->get<double>();
}

TNetworkSettings ReadSettings(const json& root)
{
    TNetworkSettings s;
    const auto it = root.find(SettingsKey);
    if (it == root.end())
        return s;
    if (!it->is_object())
        Refuse(Place(SettingsKey) + " ist kein Objekt");
    if (it->contains(R15Key)) {
        s.rain.reinhold = TReinholdRain{Number(*it, R15Key, 0, 0), Number(*it, FrequencyKey, 1, 0)};
    } else if (const auto table = it->find(RainTableKey); table != it->end()) {
        const std::string path = std::string(SettingsKey) + "." + RainTableKey;
        if (!table->is_array())
            Refuse(Place(path) + " ist keine Liste");
        for (const json& row : *table) {
            if (!row.is_array() || row.size() != 2 || !row[0].is_number() || !row[1].is_number() ||
                !(row[0].get<double>() > 0) || !(row[1].get<double>() > 0) || !std::isfinite(row[0].get<double>()) ||
                !std::isfinite(row[1].get<double>()) ||
                (!s.rain.table.empty() && row[0].get<double>() <= s.rain.table.back().D))
                Refuse(Place(path) +
                       " ist keine Liste von Zeilen [Dauer, Regenspende] mit positiven, steigenden Dauern");
            s.rain.table.push_back({row[0].get<double>(), row[1].get<double>()});
        }
    }
    s.t0 = Number(*it, T0Key, s.t0, 0);
    s.tauLimit = Number(*it, TauKey, s.tauLimit, 0);
    s.coverLimit = Number(*it, CoverKey, s.coverLimit, -1e9);
    return s;
}

}  // namespace

TReachList& ListOf(TProject& project, TReachKind kind)
{
    if (kind == TReachKind::Network)
        return project.network;
    return kind == TReachKind::Circle ? project.circle : project.channel;
}

const TReachList& ListOf(const TProject& project, TReachKind kind)
{
    return ListOf(const_cast<TProject&>(project), kind);
}

TReachOptions TProject::Options() const
{
    TReachOptions options;
    if (series && !series->empty())
        options.series = *series;
    return options;
}

std::string ProjectText(const TProject& project)
{
    const bool network = HasNetwork(project);
    std::string out =
        Fmt("{\n\t\"format\": %s,\n\t\"version\": %d,\n", Compact(ProjectFormatName), network ? ProjectVersion : 1);
    AppendList(out, CircleKey, project.circle);
    out += ",\n";
    AppendList(out, ChannelKey, project.channel);
    if (project.series)
        out += Fmt(",\n\t%s: %s", Compact(SeriesKey), Compact(*project.series));
    if (network) {
        out += ",\n";
        AppendList(out, NetworkKey, project.network);
        out += Fmt(",\n\t%s: %s", Compact(SettingsKey), SettingsText(project.networkSettings));
    }
    out += "\n}\n";
    return out;
}

TProject ReadProject(std::string_view text)
{
    json root;
    try {
        root = json::parse(text.begin(), text.end());
    } catch (const json::parse_error& e) {
        if (e.byte >= text.size())
            Refuse(Fmt("Die Datei endet mitten im Inhalt (nach %d Bytes); sie ist unvollständig",
                       static_cast<long long>(text.size())));
        Refuse(Fmt("Die Datei ist beschädigt: Fehler im JSON bei Byte %d", static_cast<long long>(e.byte)));
    } catch (const json::out_of_range&) {
        // a number beyond a double, such as 1e999
        Refuse("Die Datei ist beschädigt: eine Zahl im JSON ist zu groß");
    }
    if (!root.is_object() || !root.contains("format") || root["format"] != ProjectFormatName)
        Refuse(Fmt("Die Datei ist keine Projektdatei von FLUVARA (der Formatname „%s“ fehlt)", ProjectFormatName));
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer() || version->get<long long>() < 1)
        Refuse(Place("version") + " fehlt oder ist keine Versionsnummer");
    if (version->get<long long>() > ProjectVersion)
        Refuse(Fmt("Die Datei hat die Version %d; diese Ausgabe von FLUVARA liest Projektdateien bis Version %d",
                   version->get<long long>(), ProjectVersion));
    TProject project;
    project.circle = ReadList(root, CircleKey, TReachKind::Circle);
    project.channel = ReadList(root, ChannelKey, TReachKind::Channel);
    if (root.contains(NetworkKey))
        project.network = ReadList(root, NetworkKey, TReachKind::Network);
    project.networkSettings = ReadSettings(root);
    if (const auto series = root.find(SeriesKey); series != root.end()) {
        TNominalSeries sizes;
        if (!series->is_array() || series->empty())
            Refuse(Place(SeriesKey) + " ist keine Liste von Nennweiten");
        for (const json& size : *series) {
            if (!size.is_number_integer() || size.get<long long>() < 1 || size.get<long long>() > 10000)
                Refuse(Place(SeriesKey) + " enthält keine ganze Zahl von 1 bis 10000 mm");
            sizes.push_back(size.get<int>());
        }
        std::sort(sizes.begin(), sizes.end());
        sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
        project.series = sizes;
    }
    return project;
}

void SaveProject(const std::filesystem::path& path, const TProject& project)
{
    WriteFileAtomically(path, ProjectText(project));
}

TProject LoadProject(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TInputError(Fmt("%s kann nicht geöffnet werden", path.string()));
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        throw TInputError(Fmt("%s kann nicht gelesen werden", path.string()));
    return ReadProject(content.str());
}

}  // namespace fluvara
