#include "listlayout.h"

#include "columnunits.h"
#include "textformat.h"

#include <algorithm>

namespace fluvara {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// "Q/0.9" is the same column as "Q/0,9".
std::string ColumnKey(std::string_view name)
{
    std::string key;
    for (char c : TrimBlanks(name))
        key += Lower(c);
    if (key == "q/0.9")
        key = "q/0,9";
    if (key == "ψ")
        key = "psi";
    return key;
}

// Lower case without any blanks: "kst Sohle" and "KSTsohle" look alike.
std::string Compact(std::string_view name)
{
    std::string key;
    for (char c : name)
        if (c != ' ' && c != '\t')
            key += Lower(c);
    return key;
}

// The header cell names the column plain or with the column's unit.
bool NamesColumn(TReachKind kind, std::string_view header, std::string_view plain)
{
    if (SameColumnName(header, plain))
        return true;
    const TNameAndUnit split = SplitUnit(header);
    const std::string_view unit = ColumnUnit(kind, plain);
    return split.hasUnit && !unit.empty() && SameColumnName(split.name, plain) && Compact(split.unit) == Compact(unit);
}

// The input field a header cell names, -1 for none. "95%" is the older
// name of the 95%-Wert, kept for the files that have it.
int FieldOfHeader(TReachKind kind, std::string_view header)
{
    const auto names = FieldNames(kind);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (NamesColumn(kind, header, names[i]))
            return static_cast<int>(i);
    if (kind == TReachKind::Circle && Compact(header) == "95%")
        return CircleReduce95;
    return -1;
}

int FindColumn(std::span<const std::string> header, std::string_view name)
{
    for (std::size_t i = 0; i < header.size(); ++i)
        if (SameColumnName(header[i], name))
            return static_cast<int>(i);
    return -1;
}

// "95", "95,00 %", "0,95": what spreadsheets make of a header "95%".
bool PercentNumber(std::string_view compact)
{
    std::string_view text = compact;
    const bool percent = !text.empty() && text.back() == '%';
    if (percent)
        text.remove_suffix(1);
    const auto zeros = [](std::string_view decimals) {
        return decimals.find_first_not_of('0') == std::string_view::npos;
    };
    const auto decimalsAfter = [&](std::string_view whole) -> std::optional<std::string_view> {
        if (!text.starts_with(whole))
            return std::nullopt;
        const std::string_view rest = text.substr(whole.size());
        if (rest.empty())
            return rest;
        if (rest[0] != ',' && rest[0] != '.')
            return std::nullopt;
        return rest.substr(1);
    };
    if (const auto d = decimalsAfter("95"))
        return zeros(*d);
    if (const auto d = decimalsAfter("0"); d && !percent)
        return d->starts_with("95") && zeros(d->substr(2));
    return false;
}

// Why a column that names no field looks as if it was meant to; "" when it does not.
std::string LookAlike(TReachKind kind, std::string_view header)
{
    const std::string shown(TrimBlanks(header));
    const auto names = FieldNames(kind);
    const TNameAndUnit split = SplitUnit(header);
    for (std::string_view name : names) {
        const std::string_view unit = ColumnUnit(kind, name);
        if (split.hasUnit && SameColumnName(split.name, name))
            return Fmt("Die Spalte „%s“ wird nicht als „%s“ gelesen: ihre Einheit ist nicht %s", shown, name,
                       unit.empty() ? std::string_view("angegeben") : unit);
        if (Compact(split.name) == Compact(name))
            return Fmt("Die Spalte „%s“ wird nicht gelesen; gemeint ist wohl „%s“", shown, name);
    }
    if (kind == TReachKind::Circle && PercentNumber(Compact(header)))
        return Fmt("Die Spalte „%s“ wird nicht als „%s“ gelesen: eine Tabellenkalkulation hat die Überschrift "
                   "„95%%“ wohl in eine Zahl verwandelt. Die Spalte bitte „%s“ nennen",
                   shown, names[CircleReduce95], names[CircleReduce95]);
    return {};
}

bool HasAny(std::span<const std::string> header, TReachKind kind)
{
    const auto names = FieldNames(kind);
    const TReachKind other = kind == TReachKind::Circle ? TReachKind::Channel : TReachKind::Circle;
    const auto otherNames = FieldNames(other);
    for (std::size_t field = 0; field < names.size(); ++field) {
        // Columns both lists share ("Q", "Is") tell nothing.
        const bool shared = std::any_of(otherNames.begin(), otherNames.end(),
                                        [&](std::string_view o) { return SameColumnName(o, names[field]); });
        if (!shared && std::any_of(header.begin(), header.end(), [&](const std::string& h) {
                return FieldOfHeader(kind, h) == static_cast<int>(field);
            }))
            return true;
    }
    return false;
}

bool IsResultName(TReachKind kind, std::string_view name)
{
    if (SameColumnName(name, StatusName))
        return true;
    if (kind != TReachKind::Channel && SameColumnName(name, ProfileFillingRatioName))
        return true;
    const auto results = ResultNames(kind);
    return std::any_of(results.begin(), results.end(), [&](std::string_view r) { return NamesColumn(kind, name, r); });
}

std::string Quoted(std::string_view name) { return Fmt("„%s“", name); }

}  // namespace

bool SameColumnName(std::string_view a, std::string_view b) { return ColumnKey(a) == ColumnKey(b); }

bool HasProfiles(const TListLayout& layout)
{
    const int field = layout.kind == TReachKind::Circle ? int{CircleProfile}
        : layout.kind == TReachKind::Network            ? int{NetworkProfile}
                                                        : -1;
    return field >= 0 && static_cast<std::size_t>(field) < layout.fieldColumn.size() &&
        layout.fieldColumn[static_cast<std::size_t>(field)] >= 0;
}

bool BlankRow(std::span<const std::string> row)
{
    return std::all_of(row.begin(), row.end(), [](const std::string& cell) { return TrimBlanks(cell).empty(); });
}

// A network list names each reach's manholes; without both columns a list
// is one of single reaches, whatever other columns of its own it keeps.
bool IsNetworkHeader(std::span<const std::string> header)
{
    const auto names = FieldNames(TReachKind::Network);
    return FindColumn(header, names[NetworkFrom]) >= 0 && FindColumn(header, names[NetworkTo]) >= 0;
}

std::optional<TReachKind> KindOfHeader(std::span<const std::string> header)
{
    if (IsNetworkHeader(header))
        return HasAny(header, TReachKind::Channel) ? std::nullopt : std::optional(TReachKind::Network);
    const bool circle = HasAny(header, TReachKind::Circle);
    const bool channel = HasAny(header, TReachKind::Channel);
    if (circle == channel)
        return std::nullopt;
    return circle ? TReachKind::Circle : TReachKind::Channel;
}

TListLayout ReadHeader(std::span<const std::string> header, std::size_t line)
{
    const std::string where = line > 0 ? Fmt("Zeile %d: ", static_cast<long long>(line)) : std::string();
    const bool network = IsNetworkHeader(header);
    const bool circle = !network && HasAny(header, TReachKind::Circle);
    const bool channel = HasAny(header, TReachKind::Channel);
    if (network && channel)
        throw TInputError(where +
                          "Die Kopfzeile enthält Spalten der Netz- und der Gerinneliste; "
                          "eine Liste enthält nur eine Art");
    if (circle && channel)
        throw TInputError(where +
                          "Die Kopfzeile enthält Spalten der Kreisprofil- und der Gerinneliste; "
                          "eine Liste enthält nur eine Art");
    if (!network && !circle && !channel)
        throw TInputError(where +
                          "Die Kopfzeile ist weder die einer Kreisprofilliste (Haltung; d; kb; Is; Q …) "
                          "noch die einer Gerinneliste (Gerinne; Q; Is; kst Sohle …) "
                          "noch die eines Netzes (Haltung; von; bis; L …)");
    TListLayout layout;
    layout.kind = network ? TReachKind::Network : circle ? TReachKind::Circle : TReachKind::Channel;
    layout.readWidth = header.size();
    const auto names = FieldNames(layout.kind);
    std::vector<std::string> fieldHeader(names.size());  // the cell that names each field
    for (std::size_t i = 0; i < header.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j)
            if (!TrimBlanks(header[i]).empty() && SameColumnName(header[i], header[j]))
                throw TInputError(where + "Die Spalte " + Quoted(TrimBlanks(header[i])) +
                                  " steht zweimal in der Kopfzeile");
        if (IsResultName(layout.kind, header[i]))
            continue;
        layout.keptColumns.push_back(static_cast<int>(i));
        const int field = FieldOfHeader(layout.kind, header[i]);
        if (field < 0) {
            layout.columns.push_back(header[i]);
            if (std::string warning = LookAlike(layout.kind, header[i]); !warning.empty())
                layout.warnings.push_back(where + warning);
            continue;
        }
        const std::string_view name = names[static_cast<std::size_t>(field)];
        std::string& first = fieldHeader[static_cast<std::size_t>(field)];
        if (!first.empty())
            throw TInputError(where + "Die Spalten " + Quoted(first) + " und " + Quoted(TrimBlanks(header[i])) +
                              " meinen beide " + Quoted(name));
        first = TrimBlanks(header[i]);
        // A name with its unit or an older name is written back plain.
        layout.columns.push_back(SameColumnName(header[i], name) ? header[i] : std::string(name));
    }
    for (std::string_view name : names)
        layout.fieldColumn.push_back(FindColumn(layout.columns, name));

    const auto missing = [&](int field) { return layout.fieldColumn[static_cast<std::size_t>(field)] < 0; };
    const auto require = [&](int field) {
        if (missing(field))
            throw TInputError(where + "Die Pflichtspalte " + Quoted(names[static_cast<std::size_t>(field)]) +
                              " fehlt in der Kopfzeile");
    };
    if (layout.kind == TReachKind::Circle) {
        if (missing(CircleD) && missing(CircleHdPermitted))
            throw TInputError(where +
                              "Die Pflichtspalte „d“ fehlt in der Kopfzeile (oder „h/d zul“ für eine Bemessung)");
        require(CircleKb);
        require(CircleIs);
        if (!missing(CircleHdPermitted))
            require(CircleQ);
    } else if (layout.kind == TReachKind::Network) {
        for (int field : {NetworkName, NetworkLength})
            require(field);
        if (missing(NetworkIs) && (missing(NetworkInvertTop) || missing(NetworkInvertBottom)))
            throw TInputError(where +
                              "Die Pflichtspalten „Sohle oben“ und „Sohle unten“ fehlen in der Kopfzeile "
                              "(oder „Is“ für ein angegebenes Gefälle)");
        if (missing(NetworkD) && missing(NetworkHdPermitted))
            throw TInputError(where +
                              "Die Pflichtspalte „d“ fehlt in der Kopfzeile (oder „h/d zul“ für eine Bemessung)");
        require(NetworkKb);
    } else {
        for (int field = ChannelQ; field < ChannelFieldCount; ++field)
            require(field);
    }
    return layout;
}

std::vector<std::string> KeptColumns(const TListLayout& layout, std::vector<std::string>&& row, std::size_t line)
{
    if (row.size() != layout.readWidth)
        throw TInputError(Fmt("Zeile %d: %d Felder statt %d wie in der Kopfzeile (Trennzeichen oder "
                              "Anführungszeichen prüfen)",
                              static_cast<long long>(line), static_cast<long long>(row.size()),
                              static_cast<long long>(layout.readWidth)));
    if (layout.keptColumns.size() == row.size())
        return std::move(row);
    std::vector<std::string> kept;
    kept.reserve(layout.keptColumns.size());
    for (int index : layout.keptColumns)
        kept.push_back(std::move(row[static_cast<std::size_t>(index)]));
    return kept;
}

std::vector<std::string> FieldsOfRow(const TListLayout& layout, std::span<const std::string> row)
{
    std::vector<std::string> fields(layout.fieldColumn.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const int column = layout.fieldColumn[i];
        if (column >= 0 && static_cast<std::size_t>(column) < row.size())
            fields[i] = row[static_cast<std::size_t>(column)];
    }
    return fields;
}

std::vector<std::string> OutputHeader(const TListLayout& layout)
{
    std::vector<std::string> header = layout.columns;
    const bool profiles = HasProfiles(layout);
    for (std::size_t i = 0; i < ResultNames(layout.kind).size(); ++i)
        header.emplace_back(ResultName(layout.kind, static_cast<int>(i), profiles));
    header.emplace_back(StatusName);
    return header;
}

}  // namespace fluvara
