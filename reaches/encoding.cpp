#include "encoding.h"

#include <algorithm>
#include <array>

namespace fluvara {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Code points of the bytes 0x80 ... 0x9F.
constexpr std::array<char16_t, 32> Windows1252High{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendCodePoint(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool HasHighByte(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

}  // namespace

std::size_t ValidUtf8Prefix(std::string_view text, bool& incomplete)
{
    incomplete = false;
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0;  // no overlong forms
            if (c == 0xED)
                high = 0x9F;  // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            if (c == 0xF4)
                high = 0x8F;  // nothing above U+10FFFF
        } else {
            return i;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k >= n) {
                incomplete = true;
                return i;
            }
            const unsigned char b = s[i + k];
            const bool ok = k == 1 ? (b >= low && b <= high) : (b >= 0x80 && b <= 0xBF);
            if (!ok)
                return i;
        }
        i += length;
    }
    return i;
}

bool IsValidUtf8(std::string_view text)
{
    bool incomplete = false;
    return ValidUtf8Prefix(text, incomplete) == text.size();
}

void AppendWindows1252(std::string_view bytes, std::string& out)
{
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out += ch;
        else if (c < 0xA0)
            AppendCodePoint(Windows1252High[c - 0x80], out);
        else
            AppendCodePoint(c, out);
    }
}

bool TTextDecoder::Decode(std::string_view bytes, bool last, std::string& out)
{
    std::string joined;
    std::string_view data = bytes;
    if (!pending_.empty()) {
        joined = pending_ + std::string(bytes);
        pending_.clear();
        data = joined;
    }
    if (!markChecked_) {
        if (data.size() < ByteOrderMark.size() && !last && ByteOrderMark.starts_with(data)) {
            pending_ = std::string(data);
            return true;
        }
        markChecked_ = true;
        if (data.starts_with(ByteOrderMark)) {
            data.remove_prefix(ByteOrderMark.size());
            encoding_ = TEncoding::Utf8;
        }
    }
    if (encoding_ == TEncoding::Windows1252) {
        AppendWindows1252(data, out);
        return true;
    }
    bool incomplete = false;
    const std::size_t valid = ValidUtf8Prefix(data, incomplete);
    const bool whole = valid == data.size() || (incomplete && !last);
    if (encoding_ == TEncoding::Undecided) {
        if (!whole) {
            encoding_ = TEncoding::Windows1252;
            AppendWindows1252(data, out);
            return true;
        }
        if (HasHighByte(data.substr(0, valid)))
            encoding_ = TEncoding::Utf8;
    }
    out.append(data.substr(0, valid));
    if (!whole)
        return false;
    pending_ = std::string(data.substr(valid));
    return true;
}

}  // namespace fluvara
