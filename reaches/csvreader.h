#pragma once
// Records of a CSV file as German spreadsheets write it: ';' between the
// fields (',' or a tab when the header row has no ';'), RFC 4180 quoting,
// CRLF or LF line ends, UTF-8 or Windows-1252. Reads in pieces, so memory
// stays the same however long the file is.

#include "encoding.h"
#include "listlayout.h"

#include <deque>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct csv_parser;

namespace fluvara {

struct TCsvRecord {
    std::vector<std::string> fields;
    std::size_t line = 0;  // line of the file on which the record begins, from 1
};

// Bounds that keep a broken file (an unterminated quote, binary data) from
// filling the memory.
inline constexpr std::size_t CsvMaxFieldBytes = 1 << 20;
inline constexpr std::size_t CsvMaxFields = 4096;

class TCsvReader {
public:
    explicit TCsvReader(std::istream& in);
    ~TCsvReader();
    TCsvReader(const TCsvReader&) = delete;
    TCsvReader& operator=(const TCsvReader&) = delete;

    // The next record; false at the end of the file. Throws TInputError with
    // the line number for an unterminated or misplaced quote, a byte
    // sequence that is neither UTF-8 nor Windows-1252, an overlong field.
    bool Next(TCsvRecord& record);

    char Delimiter() const { return delimiter_; }
    TEncoding Encoding() const { return decoder_.Encoding(); }

private:
    void Fill();
    void Feed(std::string_view text);
    void Fail(const std::string& message, std::size_t line) const;
    void CheckBounds() const;
    static void OnField(void* data, std::size_t length, void* self);
    static void OnRecord(int terminator, void* self);

    std::istream& in_;
    std::unique_ptr<csv_parser> parser_;
    TTextDecoder decoder_;
    std::deque<TCsvRecord> ready_;
    TCsvRecord current_;
    std::string raw_;
    std::string text_;
    char delimiter_ = 0;
    std::size_t line_ = 1;   // line being fed
    bool inRecord_ = false;  // a record has begun and not ended
    bool atLineStart_ = true;
    bool finished_ = false;
    std::size_t fieldBytes_ = 0;     // bytes of the current record's fields
    std::size_t oversizedLine_ = 0;  // first record beyond the bounds
};

// The whole text as records, for callers that hold a file in memory.
std::vector<TCsvRecord> ReadCsvRecords(std::string_view text);

}  // namespace fluvara
