#include "workbookreader.h"

#include "rowcheck.h"
#include "textformat.h"
#include "workbook.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace fluvara {

namespace {

constexpr std::size_t MaxRows = 1048576;
constexpr std::size_t MaxColumns = 16384;
constexpr std::size_t MaxCells = 4'000'000;
constexpr std::uintmax_t MaxFileBytes = std::uintmax_t{256} << 20;

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending)
{
    if (text.size() < ending.size())
        return false;
    text.remove_prefix(text.size() - ending.size());
    return std::equal(text.begin(), text.end(), ending.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

std::string ReadFileBytes(const std::filesystem::path& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > MaxFileBytes)
        throw TInputError("Die Arbeitsmappe ist größer als 256 MiB");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TInputError("Die Datei kann nicht geöffnet werden");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw TInputError("Die Datei kann nicht gelesen werden");
    return bytes;
}

std::string Lowered(std::string_view text)
{
    std::string out(TrimBlanks(text));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The list of one sheet; messages name the sheet.
TReachList ListOfTable(TWorkbookTable& table, std::optional<TReachKind> kind)
{
    const std::string where = Fmt("Blatt „%s“: ", table.name);
    try {
        std::size_t width = 0;
        for (const TCsvRecord& row : table.rows)
            width = std::max(width, row.fields.size());
        // A sheet has no ragged rows: every row is as wide as the widest.
        for (TCsvRecord& row : table.rows)
            row.fields.resize(width);
        std::size_t next = 0;
        TReachList list = ListOfRecords([&](TCsvRecord& record) {
            if (next >= table.rows.size())
                return false;
            record = std::move(table.rows[next++]);
            return true;
        });
        if (kind && list.Kind() != *kind)
            throw TInputError(Fmt("Die Kopfzeile ist nicht die einer Liste „%s“", SheetName(*kind)));
        for (std::string& warning : list.layout.warnings)
            warning = where + warning;
        return list;
    } catch (const TInputError& e) {
        throw TInputError(where + e.what());
    }
}

}  // namespace

std::optional<TWorkbookFormat> WorkbookFormatOfPath(std::string_view path)
{
    if (EndsWithIgnoringCase(path, ".xlsx"))
        return TWorkbookFormat::Xlsx;
    if (EndsWithIgnoringCase(path, ".ods"))
        return TWorkbookFormat::Ods;
    return std::nullopt;
}

std::string NumberCellText(double value)
{
    std::string text = ShortestText(value);
    // "1.125" would read as 1125 to a German sheet and is refused: the comma is unambiguous.
    if (!ReadListNumber(text).refusal.empty())
        std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string PercentCellText(double value) { return NumberCellText(value * 100) + "%"; }

std::string TimeCellText(double seconds)
{
    const auto whole = static_cast<long long>(std::llround(seconds));
    return Fmt("%02d:%02d:%02d", whole / 3600, whole / 60 % 60, whole % 60);
}

std::string DateCellText(int year, int month, int day, double seconds)
{
    std::string text = Fmt("%02d.%02d.%04d", day, month, year);
    if (std::llround(seconds) != 0)
        text += " " + TimeCellText(seconds);
    return text;
}

std::string BooleanCellText(bool value) { return value ? "WAHR" : "FALSCH"; }

void TSheetCells::Set(std::size_t row, std::size_t column, std::string text)
{
    if (text.empty())
        return;
    if (row >= MaxRows || column >= MaxColumns)
        throw TInputError(Fmt("Blatt „%s“: eine Zelle liegt außerhalb von %d Zeilen und %d Spalten", name_,
                              static_cast<long long>(MaxRows), static_cast<long long>(MaxColumns)));
    if (cells_.size() >= MaxCells)
        throw TInputError(Fmt("Blatt „%s“ hat mehr als %d gefüllte Zellen", name_, static_cast<long long>(MaxCells)));
    cells_.push_back({{row, column}, std::move(text)});
}

TWorkbookTable TSheetCells::Take()
{
    // A cell set twice (a formula and its result) keeps the last text.
    std::stable_sort(cells_.begin(), cells_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    TWorkbookTable table{name_, {}};
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const auto [row, column] = cells_[i].first;
        if (i + 1 < cells_.size() && cells_[i + 1].first == cells_[i].first)
            continue;
        if (table.rows.empty() || table.rows.back().line != row + 1)
            table.rows.push_back(TCsvRecord{{}, row + 1});
        std::vector<std::string>& fields = table.rows.back().fields;
        fields.resize(column + 1);
        fields[column] = std::move(cells_[i].second);
    }
    cells_.clear();
    return table;
}

std::vector<TWorkbookTable> ReadWorkbookTables(const std::filesystem::path& path, TWorkbookFormat format)
{
    const std::string bytes = ReadFileBytes(path);
    return format == TWorkbookFormat::Xlsx ? ReadXlsxTables(bytes) : ReadOdsTables(bytes);
}

std::vector<TReachList> ReadWorkbookLists(const std::filesystem::path& path, TWorkbookFormat format)
{
    std::vector<TWorkbookTable> tables = ReadWorkbookTables(path, format);
    std::vector<TReachList> lists;
    for (TReachKind kind : {TReachKind::Circle, TReachKind::Channel}) {
        const auto named = std::find_if(tables.begin(), tables.end(), [&](const TWorkbookTable& table) {
            return Lowered(table.name) == Lowered(SheetName(kind));
        });
        if (named != tables.end() && !named->rows.empty())
            lists.push_back(ListOfTable(*named, kind));
    }
    if (!lists.empty())
        return lists;
    if (tables.empty())
        throw TInputError("Die Arbeitsmappe hat kein Blatt");
    lists.push_back(ListOfTable(tables.front(), std::nullopt));
    return lists;
}

}  // namespace fluvara
