#pragma once
// Locale-independent printf-style formatting.
//
// Users run German locales and Qt sets the C library's locale from the
// environment at start-up, so std::snprintf would write a decimal comma.
// Every number this program shows, copies or prints goes through Format,
// which always writes the point. Format strings are program constants; user
// text only ever enters as a "%s" argument.

#include <string>
#include <string_view>
#include <variant>

namespace fluvara {

class FormatArg {
public:
    FormatArg(double v) : value_(v) { }
    FormatArg(int v) : value_(static_cast<long long>(v)) { }
    FormatArg(long long v) : value_(v) { }
    FormatArg(const char* v) : value_(std::string_view(v)) { }
    FormatArg(std::string_view v) : value_(v) { }
    FormatArg(const std::string& v) : value_(std::string_view(v)) { }

    const std::variant<double, long long, std::string_view>& value() const { return value_; }

private:
    std::variant<double, long long, std::string_view> value_;
};

// Supports the conversions %f, %d, %s and %% with the flags '-' and '0', a
// field width and a precision ("%7.2f", "%-4.1f", "%4.4d", "%s"). A
// conversion that does not fit its argument is written literally, so a wrong
// pairing shows up in the output instead of reading past an argument.
std::string Format(std::string_view format, std::initializer_list<FormatArg> args);

template <typename... Args>
std::string Fmt(std::string_view format, const Args&... args)
{
    return Format(format, {FormatArg(args)...});
}

// The shortest text with a decimal point that reads back as the same
// double, never with an exponent: 0.1 gives "0.1", 1e-5 gives "0.00001".
std::string ShortestText(double value);

// Number of characters (not bytes) of a UTF-8 text.
std::size_t Utf8Length(std::string_view text);

// The first maxChars characters of a UTF-8 text.
std::string Utf8Left(std::string_view text, std::size_t maxChars);

}  // namespace fluvara
