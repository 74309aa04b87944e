#include "reach.h"

#include "rowcheck.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace fluvara {

namespace {

// "95%-Wert" rather than "95%", which spreadsheets turn into the number 0.95.
constexpr std::array<std::string_view, CircleFieldCount> CircleFields{"Haltung",  "d",       "kb",    "Is",     "Q",
                                                                      "95%-Wert", "h/d zul", "Q/0,9", "Profil", "b/H"};
constexpr std::array<std::string_view, CircleResultCount> CircleResults{"lichte Weite", "Qv", "vv",    "h", "h/d",
                                                                        "Qt/Qv",        "vt", "d erf", "DN"};
constexpr std::array<std::string_view, ChannelFieldCount> ChannelFields{
    "Gerinne", "Q", "Is", "kst Sohle", "kst links", "kst rechts", "b", "hp", "Ufer links", "Ufer rechts"};
constexpr std::array<std::string_view, ChannelResultCount> ChannelResults{
    "h", "v", "kst mittel", "hgr", "vgr", "bWsp", "bProfil", "Abfluss", "Fr", "Freibord"};

constexpr std::array<std::string_view, NetworkFieldCount> NetworkFields{
    "Haltung", "von", "bis", "L",   "Sohle oben", "Sohle unten", "Is",    "Deckel oben", "Deckel unten",
    "d",       "kb",  "AE",  "Psi", "QT",         "h/d zul",     "Q/0,9", "Profil",      "b/H"};
// "Is" and "D" would meet the inputs "Is" and "d" (names are compared
// without case): the slope from the levels and the rain duration have
// names of their own.
constexpr std::array<std::string_view, NetworkResultCount> NetworkResults{
    "Is aus Sohlen", "Ared",       "Summe Ared", "Summe QT", "tf",  "Regendauer", "r",  "Qr",    "Q",
    "lichte Weite",  "Qv",         "vv",         "h",        "h/d", "Qt/Qv",      "vt", "d erf", "DN",
    "tau",           "Überdeckung"};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
        std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace

std::span<const std::string_view> FieldNames(TReachKind kind)
{
    if (kind == TReachKind::Circle)
        return CircleFields;
    if (kind == TReachKind::Network)
        return NetworkFields;
    return ChannelFields;
}

std::span<const std::string_view> ResultNames(TReachKind kind)
{
    if (kind == TReachKind::Circle)
        return CircleResults;
    if (kind == TReachKind::Network)
        return NetworkResults;
    return ChannelResults;
}

std::string_view ResultName(TReachKind kind, int result, bool withProfiles)
{
    const std::string_view name = ResultNames(kind)[static_cast<std::size_t>(result)];
    return withProfiles && name == FillingRatioName ? ProfileFillingRatioName : name;
}

int NameField(TReachKind kind)
{
    if (kind == TReachKind::Network)
        return NetworkName;
    return kind == TReachKind::Circle ? int{CircleName} : int{ChannelName};
}

bool IsWordResult(TReachKind kind, int result) { return kind == TReachKind::Channel && result == ChannelRegime; }

const TNominalSeries& StandardNominalSeries()
{
    static const TNominalSeries series{150,  200,  250,  300,  350,  400,  450,  500,  600,  700,  800,  900,  1000,
                                       1100, 1200, 1300, 1400, 1500, 1600, 1800, 2000, 2200, 2400, 2600, 2800, 3000};
    return series;
}

std::optional<int> NominalSize(const TNominalSeries& series, double required, double smallest)
{
    for (int size : series)
        if (size >= required && size >= smallest)
            return size;
    return std::nullopt;
}

std::optional<TNominalSeries> ParseNominalSeries(std::string_view text)
{
    TNominalSeries series;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == ';' || c == ',') {
            ++i;
            continue;
        }
        int value = 0;
        const auto [end, ec] = std::from_chars(text.data() + i, text.data() + text.size(), value);
        const std::size_t next = static_cast<std::size_t>(end - text.data());
        const bool separated =
            next == text.size() || text[next] == ' ' || text[next] == '\t' || text[next] == ';' || text[next] == ',';
        if (ec != std::errc() || !separated || value < 1 || value > 10000)
            return std::nullopt;
        series.push_back(value);
        i = next;
    }
    if (series.empty())
        return std::nullopt;
    std::sort(series.begin(), series.end());
    series.erase(std::unique(series.begin(), series.end()), series.end());
    return series;
}

TReachOutcome CalculateReach(TReachKind kind, std::span<const std::string> fields, const TReachOptions& options)
{
    if (kind == TReachKind::Circle)
        return CalculateCircleReach(fields, options);
    if (kind == TReachKind::Network)
        return RefusedOutcome(NetworkResultCount, "Eine Netzhaltung wird nur mit dem ganzen Netz berechnet");
    return CalculateChannelReach(fields);
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::optional<bool> ParseYesNo(std::string_view text, bool emptyValue)
{
    const std::string_view t = TrimBlanks(text);
    if (t.empty())
        return emptyValue;
    for (std::string_view yes : {"ja", "j", "x", "1", "wahr"})
        if (EqualsIgnoringCase(t, yes))
            return true;
    for (std::string_view no : {"nein", "n", "0", "falsch"})
        if (EqualsIgnoringCase(t, no))
            return false;
    return std::nullopt;
}

}  // namespace fluvara
