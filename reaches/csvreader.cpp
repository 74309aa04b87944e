#include "csvreader.h"

#include "textformat.h"

#include <csv.h>

#include <algorithm>
#include <sstream>

namespace fluvara {

namespace {

constexpr std::size_t ChunkBytes = 1 << 16;
constexpr std::size_t MaxRecordBytes = 16 * CsvMaxFieldBytes;

// Blanks around a field are part of it: the number check decides about them.
int NoSpace(unsigned char) { return 0; }

char DetectDelimiter(std::string_view text)
{
    const std::string_view firstLine = text.substr(0, text.find('\n'));
    for (char c : {';', '\t', ','})
        if (firstLine.find(c) != std::string_view::npos)
            return c;
    return ';';
}

}  // namespace

TCsvReader::TCsvReader(std::istream& in) : in_(in), parser_(std::make_unique<csv_parser>())
{
    csv_init(parser_.get(), CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(parser_.get(), NoSpace);
}

TCsvReader::~TCsvReader() { csv_free(parser_.get()); }

void TCsvReader::Fail(const std::string& message, std::size_t line) const
{
    throw TInputError(Fmt("Zeile %d: %s", static_cast<long long>(line), message));
}

void TCsvReader::OnField(void* data, std::size_t length, void* self)
{
    auto& r = *static_cast<TCsvReader*>(self);
    if (!r.inRecord_) {  // a record that began after a lone carriage return
        r.inRecord_ = true;
        r.current_.line = r.line_;
    }
    // No exception may cross the C parser: the bounds are checked after it returns.
    r.fieldBytes_ += length;
    if (r.current_.fields.size() >= CsvMaxFields || r.fieldBytes_ > MaxRecordBytes)
        return;
    r.current_.fields.emplace_back(static_cast<const char*>(data), length);
}

void TCsvReader::OnRecord(int, void* self)
{
    auto& r = *static_cast<TCsvReader*>(self);
    if (r.current_.fields.size() >= CsvMaxFields || r.fieldBytes_ > MaxRecordBytes) {
        if (r.oversizedLine_ == 0)
            r.oversizedLine_ = r.current_.line;
    } else {
        r.ready_.push_back(std::move(r.current_));
    }
    r.current_ = TCsvRecord{};
    r.inRecord_ = false;
    r.fieldBytes_ = 0;
}

void TCsvReader::CheckBounds() const
{
    std::size_t line = oversizedLine_;
    if (line == 0 && (current_.fields.size() >= CsvMaxFields || fieldBytes_ > MaxRecordBytes))
        line = current_.line;
    if (line != 0)
        Fail(Fmt("Die Zeile hat mehr als %d Felder oder ist länger als 16 MiB", static_cast<long long>(CsvMaxFields)),
             line);
}

void TCsvReader::Feed(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        const std::size_t length = newline == std::string_view::npos ? text.size() : newline + 1;
        const std::string_view segment = text.substr(0, length);
        text.remove_prefix(length);
        if (atLineStart_ && !inRecord_ && segment != "\n" && segment != "\r\n") {
            inRecord_ = true;
            current_.line = line_;
        }
        const std::size_t parsed = csv_parse(parser_.get(), segment.data(), segment.size(), OnField, OnRecord, this);
        // Records end inside csv_parse; their bounds are checked here, outside the C code.
        CheckBounds();
        if (parsed != segment.size())
            Fail(csv_error(parser_.get()) == CSV_EPARSE
                     ? "Anführungszeichen an falscher Stelle (ein Feld mit \" muss ganz in \"…\" stehen, "
                       "ein \" darin verdoppelt)"
                     : "Die Zeile ist zu lang",
                 line_);
        if (parser_->entry_pos > CsvMaxFieldBytes)
            Fail("Ein Feld ist länger als 1 MiB; fehlt ein schließendes Anführungszeichen?", current_.line);
        atLineStart_ = newline != std::string_view::npos;
        if (atLineStart_)
            ++line_;
    }
}

void TCsvReader::Fill()
{
    std::string text;
    bool last = false;
    bool ok = true;
    do {
        raw_.resize(ChunkBytes);
        in_.read(raw_.data(), static_cast<std::streamsize>(raw_.size()));
        if (in_.bad())
            Fail("Die Eingabe kann nicht gelesen werden", line_);
        raw_.resize(static_cast<std::size_t>(in_.gcount()));
        last = in_.eof();
        ok = decoder_.Decode(raw_, last, text);
        // The delimiter is taken from the whole header row.
    } while (delimiter_ == 0 && ok && !last && text.find('\n') == std::string::npos && text.size() < CsvMaxFieldBytes);
    if (delimiter_ == 0) {
        delimiter_ = DetectDelimiter(text);
        csv_set_delim(parser_.get(), static_cast<unsigned char>(delimiter_));
    }
    // A text cell never holds a NUL: such a file is binary or UTF-16, and
    // the byte would reach the outputs.
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos) {
        const auto lines = std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(nul), '\n');
        Fail("Die Datei enthält ein Nullbyte; sie ist keine Textdatei in UTF-8 oder Windows-1252",
             line_ + static_cast<std::size_t>(lines));
    }
    Feed(text);
    if (!ok)
        Fail("Die Datei ist bis hier UTF-8, enthält aber ein Zeichen, das kein UTF-8 ist", line_);
    if (last) {
        finished_ = true;
        const std::size_t begun = current_.line;
        if (csv_fini(parser_.get(), OnField, OnRecord, this) != 0)
            Fail("Ein Anführungszeichen wird bis zum Dateiende nicht geschlossen", begun);
        CheckBounds();
    }
}

bool TCsvReader::Next(TCsvRecord& record)
{
    while (ready_.empty()) {
        if (finished_)
            return false;
        Fill();
    }
    record = std::move(ready_.front());
    ready_.pop_front();
    return true;
}

std::vector<TCsvRecord> ReadCsvRecords(std::string_view text)
{
    std::istringstream in{std::string(text)};
    TCsvReader reader(in);
    std::vector<TCsvRecord> records;
    TCsvRecord record;
    while (reader.Next(record))
        records.push_back(std::move(record));
    return records;
}

}  // namespace fluvara
