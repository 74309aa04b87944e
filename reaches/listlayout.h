#pragma once
// Where a list's columns stand: which list a header row belongs to, which
// column holds which input field, and the row written back (every column as
// read, then the results and the status).

#include "reach.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fluvara {

// A file or list that cannot be used as a whole; the message is German and
// names the line or place.
class TInputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TListLayout {
    TReachKind kind = TReachKind::Circle;
    std::vector<std::string> columns;  // the header as read, without earlier result columns
    std::vector<int> fieldColumn;      // per input field: index into the kept columns, -1 when absent
    std::vector<int> keptColumns;      // per kept column: its index in the header as read
    std::size_t readWidth = 0;         // number of columns of the header as read
    // Columns kept as other columns although they look like an input column
    // that a spreadsheet or a typing slip changed ("95,00 %", "Q [m³/s]").
    std::vector<std::string> warnings;
};

// Result columns found in the header (names of results and "Status") are
// earlier results: they are dropped and calculated anew. Input columns are
// found by their names, alone or with their units ("Q [l/s]"), and "95%" for
// the 95%-Wert; such a column takes the plain name.
// Throws TInputError: an unknown list, two columns of one name, a missing
// required column. line is the header's line for the messages (0: none).
TListLayout ReadHeader(std::span<const std::string> header, std::size_t line = 1);

// Which list a header belongs to, without the required-column check.
std::optional<TReachKind> KindOfHeader(std::span<const std::string> header);

// The kept columns of a row as read; throws TInputError for a ragged row.
std::vector<std::string> KeptColumns(const TListLayout& layout, std::vector<std::string>&& row, std::size_t line);

// The input fields of a row of kept columns (absent columns give "").
std::vector<std::string> FieldsOfRow(const TListLayout& layout, std::span<const std::string> row);

// The header written back: kept columns, result names, "Status".
std::vector<std::string> OutputHeader(const TListLayout& layout);

// True when the list has the column "Profil" (eggs and boxes beside circles).
bool HasProfiles(const TListLayout& layout);

// The header name, compared ignoring case and the blanks around it.
bool SameColumnName(std::string_view a, std::string_view b);

// True when every cell of a row is empty or blank.
bool BlankRow(std::span<const std::string> row);

}  // namespace fluvara
