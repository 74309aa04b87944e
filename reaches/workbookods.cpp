// OpenDocument spreadsheets through the zip and XML parsers of liborcus.
// The library's own filter for them leaves out cells of times, percentages
// and truth values, so the cells of content.xml are read here: every value
// type with its value, texts with their spaces, repeated rows and cells.

#include "textformat.h"
#include "workbookreader.h"

#include <orcus/sax_ns_parser.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

namespace fluvara {

namespace {

constexpr std::string_view TableNs = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view OfficeNs = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view TextNs = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
constexpr std::size_t MaxRepeat = 1048576;

std::string_view Ns(orcus::xmlns_id_t ns) { return ns ? std::string_view(ns) : std::string_view(); }

std::size_t Count(std::string_view text, std::size_t fallback = 1)
{
    std::size_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    return ec == std::errc() && end == text.data() + text.size() && n > 0 ? std::min(n, MaxRepeat) : fallback;
}

std::optional<double> Number(std::string_view text)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "PT01H01M30S", also with fractions of seconds or days ("P1DT2H").
std::optional<double> Duration(std::string_view text)
{
    const bool negative = text.starts_with('-');
    if (negative)
        text.remove_prefix(1);
    if (!text.starts_with('P'))
        return std::nullopt;
    text.remove_prefix(1);
    double seconds = 0;
    bool inTime = false;
    while (!text.empty()) {
        if (text[0] == 'T') {
            inTime = true;
            text.remove_prefix(1);
            continue;
        }
        const std::size_t unit = text.find_first_of("DHMS");
        if (unit == std::string_view::npos)
            return std::nullopt;
        const auto value = Number(text.substr(0, unit));
        if (!value)
            return std::nullopt;
        const char u = text[unit];
        seconds += *value * (u == 'D' ? 86400 : u == 'H' ? 3600 : u == 'M' ? (inTime ? 60 : 2592000) : 1);
        text.remove_prefix(unit + 1);
    }
    return negative ? -seconds : seconds;
}

// "2024-05-02" or "2024-05-02T10:30:00".
std::string DateText(std::string_view text)
{
    int year = 0, month = 0, day = 0;
    const auto part = [&](std::size_t at, std::size_t length, int& out) {
        return at + length <= text.size() &&
            std::from_chars(text.data() + at, text.data() + at + length, out).ptr == text.data() + at + length;
    };
    if (!part(0, 4, year) || !part(5, 2, month) || !part(8, 2, day))
        return std::string(text);
    double seconds = 0;
    if (text.size() > 11 && text[10] == 'T') {
        int hour = 0, minute = 0;
        const auto second = text.size() >= 19 ? Number(text.substr(17)) : std::optional<double>(0);
        if (part(11, 2, hour) && part(14, 2, minute) && second)
            seconds = hour * 3600.0 + minute * 60.0 + *second;
    }
    return DateCellText(year, month, day, seconds);
}

class TContentHandler {
public:
    std::vector<TWorkbookTable> tables;

    void doctype(const orcus::sax::doctype_declaration&) { }
    void start_declaration(std::string_view) { }
    void end_declaration(std::string_view) { }
    void attribute(std::string_view, std::string_view) { }
    void attribute(const orcus::sax_ns_parser_attribute& a) { attributes_[{Ns(a.ns), std::string(a.name)}] = a.value; }

    void start_element(const orcus::sax_ns_parser_element& e)
    {
        const std::string_view ns = Ns(e.ns);
        if (ns == TableNs && e.name == "table" && !sheet_) {
            sheet_.emplace(Attribute(TableNs, "name"));
            row_ = 0;
        } else if (ns == TableNs && e.name == "table-row" && sheet_) {
            rowRepeat_ = Count(Attribute(TableNs, "number-rows-repeated"));
            column_ = 0;
            rowCells_.clear();
        } else if (ns == TableNs && (e.name == "table-cell" || e.name == "covered-table-cell") && sheet_) {
            StartCell();
        } else if (ns == OfficeNs && e.name == "annotation") {
            ++annotation_;
        } else if (inCell_ && annotation_ == 0 && ns == TextNs) {
            if (e.name == "p" && paragraphs_++ > 0)
                text_ += '\n';
            else if (e.name == "s")
                text_.append(std::min<std::size_t>(Count(Attribute(TextNs, "c")), 1024), ' ');
            else if (e.name == "tab")
                text_ += '\t';
            else if (e.name == "line-break")
                text_ += '\n';
        }
        attributes_.clear();
    }

    void end_element(const orcus::sax_ns_parser_element& e)
    {
        const std::string_view ns = Ns(e.ns);
        if (ns == TableNs && e.name == "table" && sheet_) {
            tables.push_back(sheet_->Take());
            sheet_.reset();
        } else if (ns == TableNs && e.name == "table-row" && sheet_) {
            EndRow();
        } else if (ns == TableNs && (e.name == "table-cell" || e.name == "covered-table-cell") && inCell_) {
            EndCell();
        } else if (ns == OfficeNs && e.name == "annotation" && annotation_ > 0) {
            --annotation_;
        }
    }

    void characters(std::string_view text, bool)
    {
        if (inCell_ && annotation_ == 0 && paragraphs_ > 0)
            text_ += text;
    }

private:
    std::string Attribute(std::string_view ns, std::string_view name) const
    {
        const auto it = attributes_.find({ns, std::string(name)});
        return it == attributes_.end() ? std::string() : it->second;
    }

    void StartCell()
    {
        inCell_ = true;
        cellRepeat_ = Count(Attribute(TableNs, "number-columns-repeated"));
        type_ = Attribute(OfficeNs, "value-type");
        value_ = Attribute(OfficeNs,
                           type_ == "date"          ? "date-value"
                               : type_ == "time"    ? "time-value"
                               : type_ == "boolean" ? "boolean-value"
                               : type_ == "string"  ? "string-value"
                                                    : "value");
        text_.clear();
        paragraphs_ = 0;
    }

    std::string CellText() const
    {
        if (type_ == "float" || type_ == "currency" || type_ == "percentage") {
            const auto number = Number(value_);
            if (!number)
                return text_;
            return type_ == "percentage" ? PercentCellText(*number) : NumberCellText(*number);
        }
        if (type_ == "date")
            return DateText(value_);
        if (type_ == "time") {
            const auto seconds = Duration(value_);
            return seconds ? TimeCellText(*seconds) : text_;
        }
        if (type_ == "boolean")
            return BooleanCellText(value_ == "true" || value_ == "1");
        return type_ == "string" && !value_.empty() ? value_ : text_;
    }

    void EndCell()
    {
        inCell_ = false;
        std::string text = CellText();
        if (!text.empty())
            for (std::size_t i = 0; i < cellRepeat_ && column_ + i < MaxRepeat; ++i)
                rowCells_.emplace_back(column_ + i, text);
        column_ += cellRepeat_;
    }

    void EndRow()
    {
        // Rows repeated empty are only skipped; rows repeated with cells are set for each repetition.
        if (!rowCells_.empty())
            for (std::size_t r = 0; r < rowRepeat_ && row_ + r < MaxRepeat; ++r)
                for (const auto& [column, text] : rowCells_)
                    sheet_->Set(row_ + r, column, text);
        row_ += rowRepeat_;
        rowCells_.clear();
    }

    std::map<std::pair<std::string_view, std::string>, std::string> attributes_;
    std::optional<TSheetCells> sheet_;
    std::size_t row_ = 0, rowRepeat_ = 1, column_ = 0, cellRepeat_ = 1;
    std::vector<std::pair<std::size_t, std::string>> rowCells_;
    bool inCell_ = false;
    int annotation_ = 0;
    std::size_t paragraphs_ = 0;
    std::string type_, value_, text_;
};

}  // namespace

std::vector<TWorkbookTable> ReadOdsTables(std::string_view bytes)
{
    std::vector<unsigned char> content;
    try {
        orcus::zip_archive_stream_blob stream(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        orcus::zip_archive archive(&stream);
        archive.load();
        if (!archive.read_file_entry("content.xml", content))
            throw TInputError("Die Datei ist keine OpenDocument-Tabelle (.ods): ihr fehlt content.xml");
    } catch (const TInputError&) {
        throw;
    } catch (const std::exception& e) {
        throw TInputError(Fmt("Die Datei ist keine lesbare OpenDocument-Tabelle (.ods): %s", e.what()));
    }
    TContentHandler handler;
    try {
        orcus::xmlns_repository repository;
        orcus::xmlns_context context = repository.create_context();
        orcus::sax_ns_parser<TContentHandler> parser(reinterpret_cast<const char*>(content.data()), content.size(),
                                                     context, handler);
        parser.parse();
    } catch (const TInputError&) {
        throw;
    } catch (const std::exception& e) {
        throw TInputError(Fmt("Der Inhalt der OpenDocument-Tabelle ist kein lesbares XML: %s", e.what()));
    }
    return std::move(handler.tables);
}

}  // namespace fluvara
