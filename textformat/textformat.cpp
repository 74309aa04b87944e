#include "textformat.h"

#include <array>
#include <charconv>
#include <vector>

namespace fluvara {

namespace {

struct TConversion {
    bool leftAlign = false;
    bool zeroPad = false;
    int width = 0;
    int precision = -1;
    char conversion = 0;
};

void Pad(std::string& out, std::string_view body, const TConversion& conv, bool numeric)
{
    const int length = static_cast<int>(Utf8Length(body));
    const int fill = conv.width > length ? conv.width - length : 0;
    if (conv.leftAlign) {
        out += body;
        out.append(static_cast<std::size_t>(fill), ' ');
    } else if (conv.zeroPad && numeric) {
        // zeros go between the sign and the digits
        std::size_t signLength = (!body.empty() && body[0] == '-') ? 1 : 0;
        out += body.substr(0, signLength);
        out.append(static_cast<std::size_t>(fill), '0');
        out += body.substr(signLength);
    } else {
        out.append(static_cast<std::size_t>(fill), ' ');
        out += body;
    }
}

std::string FixedText(double value, int precision)
{
    // A double needs at most 309 integer digits; the precision is small.
    std::vector<char> buffer(340 + static_cast<std::size_t>(precision));
    auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, precision);
    if (ec != std::errc())
        return "?";
    return std::string(buffer.data(), end);
}

std::string IntegerText(long long value, int precision)
{
    std::array<char, 32> buffer{};
    const bool negative = value < 0;
    unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude);
    std::string digits(buffer.data(), ec == std::errc() ? end : buffer.data());
    if (precision > static_cast<int>(digits.size()))
        digits.insert(0, static_cast<std::size_t>(precision) - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

}  // namespace

std::string ShortestText(double value)
{
    // Fixed notation of the largest double has 309 digits.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

std::size_t Utf8Length(std::string_view text)
{
    std::size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

std::string Utf8Left(std::string_view text, std::size_t maxChars)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (count == maxChars)
                return std::string(text.substr(0, i));
            ++count;
        }
    }
    return std::string(text);
}

std::string Format(std::string_view format, std::initializer_list<FormatArg> args)
{
    std::string out;
    auto next = args.begin();
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        const std::size_t start = i++;
        if (i < format.size() && format[i] == '%') {
            out += '%';
            ++i;
            continue;
        }
        TConversion conv;
        for (; i < format.size() && (format[i] == '-' || format[i] == '0'); ++i)
            (format[i] == '-' ? conv.leftAlign : conv.zeroPad) = true;
        for (; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i)
            conv.width = conv.width * 10 + (format[i] - '0');
        if (i < format.size() && format[i] == '.') {
            conv.precision = 0;
            for (++i; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i)
                conv.precision = conv.precision * 10 + (format[i] - '0');
        }
        if (i < format.size())
            conv.conversion = format[i++];
        const std::string_view literal = format.substr(start, i - start);

        if (next == args.end()) {
            out += literal;
            continue;
        }
        const auto& value = next->value();
        bool used = true;
        switch (conv.conversion) {
        case 'f':
            if (const double* v = std::get_if<double>(&value))
                Pad(out, FixedText(*v, conv.precision < 0 ? 6 : conv.precision), conv, true);
            else if (const long long* n = std::get_if<long long>(&value))
                Pad(out, FixedText(static_cast<double>(*n), conv.precision < 0 ? 6 : conv.precision), conv, true);
            else
                used = false;
            break;
        case 'd':
            if (const long long* n = std::get_if<long long>(&value))
                Pad(out, IntegerText(*n, conv.precision), conv, true);
            else
                used = false;
            break;
        case 's':
            if (const std::string_view* s = std::get_if<std::string_view>(&value))
                Pad(out, conv.precision >= 0 ? Utf8Left(*s, static_cast<std::size_t>(conv.precision)) : std::string(*s),
                    conv, false);
            else
                used = false;
            break;
        default:
            used = false;
        }
        if (used)
            ++next;
        else
            out += literal;
    }
    return out;
}

}  // namespace fluvara
