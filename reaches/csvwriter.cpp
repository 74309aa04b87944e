#include "csvwriter.h"

#include "rowcheck.h"

namespace fluvara {

void AppendCsvField(std::string& out, std::string_view text, const TCsvStyle& style, bool first)
{
    if (!first)
        out += style.delimiter;
    if (text.find_first_of(std::string{style.delimiter, '"', '\r', '\n'}) == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void AppendCsvRecord(std::string& out, std::span<const std::string> fields, const TCsvStyle& style)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        AppendCsvField(out, fields[i], style, i == 0);
    out += "\r\n";
}

std::string WithDecimalMark(std::string text, bool comma)
{
    std::size_t digits = 0, marks = 0, mark = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            ++digits;
        else if ((c == '.' || c == ',') && i > 0 && i + 1 < text.size() && text[i - 1] != '-')
            mark = i, ++marks;
        else if (!(c == '-' && i == 0))
            return text;
    }
    if (digits == 0 || marks != 1 || !ReadListNumber(text).refusal.empty())
        return text;
    text[mark] = comma ? ',' : '.';
    return text;
}

void AppendCsvResultRow(std::string& out, std::span<const std::string> columns, const TReachOutcome& outcome,
                        TReachKind kind, const TCsvStyle& style)
{
    bool first = true;
    for (const std::string& column : columns) {
        AppendCsvField(out, style.decimalComma ? WithDecimalMark(column, true) : column, style, first);
        first = false;
    }
    for (std::size_t i = 0; i < outcome.results.size(); ++i) {
        const std::string& result = outcome.results[i];
        if (style.decimalComma && !IsWordResult(kind, static_cast<int>(i))) {
            std::string number = result;
            for (char& c : number)
                if (c == '.')
                    c = ',';
            AppendCsvField(out, number, style, first);
        } else {
            AppendCsvField(out, result, style, first);
        }
        first = false;
    }
    AppendCsvField(out, outcome.status, style, first);
    out += "\r\n";
}

}  // namespace fluvara
