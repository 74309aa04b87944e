#include "rain.h"

#include "numbercheck.h"
#include "reach.h"
#include "textformat.h"

#include <charconv>
#include <cmath>

namespace fluvara {

namespace {

// A positive finite number, with a comma or a point: nothing otherwise.
std::optional<double> PositiveNumber(std::string_view text)
{
    std::string working(TrimBlanks(text));
    if (working.empty() || CheckNumberText(working) != CheckNumeric)
        return std::nullopt;
    double value = 0;
    const auto [end, ec] =
        std::from_chars(working.data(), working.data() + working.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != working.data() + working.size() || !std::isfinite(value) || value <= 0)
        return std::nullopt;
    return value;
}

}  // namespace

double ReinholdIntensity(const TReinholdRain& rain, double D)
{
    return rain.r15 * 38 / (D + 9) * (std::pow(rain.n, -0.25) - 0.369);
}

std::optional<double> RainIntensity(const TDesignRain& rain, double D)
{
    if (rain.reinhold)
        return ReinholdIntensity(*rain.reinhold, D);
    const auto& t = rain.table;
    if (t.empty() || D > t.back().D)
        return std::nullopt;
    if (D <= t.front().D)
        return t.front().r;
    std::size_t i = 1;
    while (t[i].D < D)
        ++i;
    const TRainRow& a = t[i - 1];
    const TRainRow& b = t[i];
    return a.r + (b.r - a.r) * (D - a.D) / (b.D - a.D);
}

TRainReading ParseRainTable(std::string_view text)
{
    TRainReading reading;
    std::vector<TRainRow> table;
    std::size_t start = 0;
    for (int row = 1; start <= text.size(); ++row) {
        std::size_t end = text.find(';', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view part = text.substr(start, end - start);
        start = end + 1;
        if (part.find_first_not_of(' ') == std::string_view::npos && end == text.size() && !table.empty())
            break;  // a closing semicolon
        const std::size_t colon = part.find(':');
        const auto D = colon == std::string_view::npos ? std::nullopt : PositiveNumber(part.substr(0, colon));
        const auto r = colon == std::string_view::npos ? std::nullopt : PositiveNumber(part.substr(colon + 1));
        if (!D || !r) {
            reading.error =
                Fmt("Regentabelle, Zeile %d: „%s“ ist nicht „Dauer:Regenspende“ mit zwei positiven Zahlen", row, part);
            return reading;
        }
        if (!table.empty() && *D <= table.back().D) {
            reading.error = Fmt("Regentabelle, Zeile %d: die Dauer %s min steigt nicht über die Zeile davor", row,
                                part.substr(0, colon));
            return reading;
        }
        table.push_back({*D, *r});
    }
    reading.table = std::move(table);
    return reading;
}

std::string RainTableText(const std::vector<TRainRow>& table)
{
    // Shortest fixed form that reads back to the same double; the widest
    // double in fixed form has about 330 characters.
    const auto append = [](std::string& text, double value) {
        char buffer[512];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
        if (ec == std::errc())
            text.append(buffer, end);
    };
    std::string text;
    for (const TRainRow& row : table) {
        if (!text.empty())
            text += ';';
        append(text, row.D);
        text += ':';
        append(text, row.r);
    }
    return text;
}

std::string ReinholdError(const TReinholdRain& rain)
{
    if (!std::isfinite(rain.r15) || rain.r15 <= 0)
        return "r15 muss eine positive Regenspende in l/(s·ha) sein";
    if (!std::isfinite(rain.n) || rain.n <= 0 || rain.n > ReinholdLargestN)
        return "n muss größer als 0 und höchstens 50 (1/a) sein";
    return {};
}

}  // namespace fluvara
