#pragma once
// Text of an input file as UTF-8. Files come as UTF-8, with or without a
// byte-order mark, or from older spreadsheets in Windows-1252. The decision
// falls on the first piece that holds a character beyond ASCII.

#include <cstddef>
#include <string>
#include <string_view>

namespace fluvara {

enum class TEncoding { Undecided, Utf8, Windows1252 };

class TTextDecoder {
public:
    // Appends the UTF-8 text of the next bytes to out; last marks the final
    // piece. False when a file already read as UTF-8 holds a byte sequence
    // that is not UTF-8: out then ends before it.
    bool Decode(std::string_view bytes, bool last, std::string& out);
    TEncoding Encoding() const { return encoding_; }

private:
    std::string pending_;  // an incomplete sequence or byte-order mark at the end of a piece
    bool markChecked_ = false;
    TEncoding encoding_ = TEncoding::Undecided;
};

// The number of leading bytes that form whole, well-formed UTF-8 characters;
// incomplete is set when the rest is only the start of a character cut off
// at the end.
std::size_t ValidUtf8Prefix(std::string_view text, bool& incomplete);
bool IsValidUtf8(std::string_view text);

// Each byte as its Windows-1252 character (the five unassigned bytes as the
// control characters of the same number).
void AppendWindows1252(std::string_view bytes, std::string& out);

}  // namespace fluvara
