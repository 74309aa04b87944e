#pragma once
// CSV as German spreadsheets read it: ';' between fields, decimal commas in
// the results, CRLF line ends, UTF-8 with a byte-order mark so that the
// umlauts show. The other style writes ',' and decimal points.

#include "reach.h"

#include <span>
#include <string>
#include <string_view>

namespace fluvara {

struct TCsvStyle {
    char delimiter = ';';
    bool decimalComma = true;
};
inline constexpr TCsvStyle GermanCsv{';', true};
inline constexpr TCsvStyle PointCsv{',', false};

inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// Appends one field, quoted when it holds the delimiter, a quote or a line end.
void AppendCsvField(std::string& out, std::string_view text, const TCsvStyle& style, bool first);
void AppendCsvRecord(std::string& out, std::span<const std::string> fields, const TCsvStyle& style);

// A plain number ("2.5", "-1,25") with the decimal mark asked for, when the
// list reads it as a number either way; any other text as it is ("2.500",
// which the list refuses as ambiguous, stays as typed).
std::string WithDecimalMark(std::string text, bool comma);

// A row written back: its columns as read (in the German style plain
// numbers with the decimal comma: a German spreadsheet reads "1.5" as a
// date), the results with the style's decimal mark, then the status.
void AppendCsvResultRow(std::string& out, std::span<const std::string> columns, const TReachOutcome& outcome,
                        TReachKind kind, const TCsvStyle& style);

}  // namespace fluvara
