#pragma once
// Rectangular ranges as spreadsheets put them on the clipboard: cells
// separated by tabs, rows by line ends, a cell with a tab, a line end or a
// quote in quotes with its quotes doubled.

#include <string>
#include <string_view>
#include <vector>

namespace fluvara {

using TCellBlock = std::vector<std::vector<std::string>>;

// Rows of cells; the line end after the last row does not start another row.
// Short rows are padded with empty cells to the widest row.
TCellBlock ParseSpreadsheetText(std::string_view text);

std::string SpreadsheetText(const TCellBlock& block);

// The block repeated over a selected range of rows × columns, as spreadsheets
// paste: only when the range is larger and a whole multiple of the block in
// both directions; otherwise the block as it is, pasted once.
TCellBlock RepeatedOver(const TCellBlock& block, std::size_t rows, std::size_t columns);

// A number with a decimal point as German spreadsheets read it: "12.5" → "12,5".
std::string WithDecimalComma(std::string text);

// Every decimal point between digits of a note ("Qt/Qv = 101.3 %") as a comma.
std::string NoteWithDecimalMark(std::string text, bool comma);

}  // namespace fluvara
