#pragma once
// Lists read from spreadsheet workbooks, Excel (.xlsx) and OpenDocument
// (.ods), as the CSV reader reads a list: the first row that is not blank is
// the header, the columns are found by name, other columns are kept. A
// number cell gives its value as a number text (no decimal mark is guessed),
// a text cell its text as typed; dates, times, percentages and truth values
// give the texts a German spreadsheet shows, which the list then checks.

#include "csvreader.h"
#include "reachlist.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fluvara {

enum class TWorkbookFormat { Xlsx, Ods };

// By the file name's extension, any case; nothing for other files.
std::optional<TWorkbookFormat> WorkbookFormatOfPath(std::string_view path);

// One sheet: its rows that hold anything, each with its row number from 1
// as line, every row as wide as its last filled cell.
struct TWorkbookTable {
    std::string name;
    std::vector<TCsvRecord> rows;
};

// Every sheet of the workbook in its order; throws TInputError (German) for
// a file that cannot be read or is no such workbook.
std::vector<TWorkbookTable> ReadWorkbookTables(const std::filesystem::path& path, TWorkbookFormat format);

// The lists of a workbook: each sheet named after a kind of list
// ("Kreisprofile", "Gerinne", any case) as that list, or else the first
// sheet as the list its header names. Throws TInputError naming the sheet.
std::vector<TReachList> ReadWorkbookLists(const std::filesystem::path& path, TWorkbookFormat format);

// The texts of cells as the list reads them.
// A number: the shortest text that reads back as the same double, with a
// point, or with a comma where a point would read as a thousands separator.
std::string NumberCellText(double value);
// A percentage as shown: 0.95 gives "95%".
std::string PercentCellText(double value);
// "01:01:30"; hours beyond a day keep counting.
std::string TimeCellText(double seconds);
// "02.05.2024"; with a time of day "02.05.2024 10:30:00".
std::string DateCellText(int year, int month, int day, double seconds);
std::string BooleanCellText(bool value);

// Collects one sheet's cells in any order and gives its table; bounds the
// cells so that a broken file does not fill the memory.
class TSheetCells {
public:
    explicit TSheetCells(std::string name) : name_(std::move(name)) { }
    void Set(std::size_t row, std::size_t column, std::string text);
    TWorkbookTable Take();

private:
    std::string name_;
    std::vector<std::pair<std::pair<std::size_t, std::size_t>, std::string>> cells_;
};

// The sheets of each format, for ReadWorkbookTables.
std::vector<TWorkbookTable> ReadXlsxTables(std::string_view bytes);
std::vector<TWorkbookTable> ReadOdsTables(std::string_view bytes);

}  // namespace fluvara
