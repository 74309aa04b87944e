#include "workbookformats.h"

#include "workbookreader.h"

#include <cmath>

namespace fluvara {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Days since 1970-01-01 of a civil date (proleptic Gregorian calendar).
long long DaysOfDate(long long y, long long m, long long d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

TCalendarDay DateOfDays(long long z)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp + (mp < 10 ? 3 : -9);
    return {static_cast<int>(yoe + era * 400 + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

}  // namespace

TNumberKind KindOfFormatCode(std::string_view code)
{
    bool date = false, time = false, percent = false, month = false;
    bool quoted = false, bracket = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = Lower(code[i]);
        if (quoted) {
            quoted = c != '"';
            continue;
        }
        if (bracket) {
            // [h], [mm], [ss]: elapsed time; colours and conditions say nothing.
            if (c == 'h' || c == 's')
                time = true;
            bracket = c != ']';
            continue;
        }
        switch (c) {
        case '"':
            quoted = true;
            break;
        case '[':
            bracket = true;
            break;
        case '\\':
        case '_':
        case '*':
            ++i;  // the next character is shown as it is, or only sets a width
            break;
        case ';':
            i = code.size();  // the first section decides
            break;
        case 'y':
        case 'd':
            date = true;
            break;
        case 'h':
        case 's':
            time = true;
            break;
        case 'm':
            month = true;
            break;
        case '%':
            percent = true;
            break;
        default:
            break;
        }
    }
    date = date || (month && !time);
    if (date && time)
        return TNumberKind::DateTime;
    if (date)
        return TNumberKind::Date;
    if (time)
        return TNumberKind::Time;
    return percent ? TNumberKind::Percent : TNumberKind::Plain;
}

TNumberKind KindOfBuiltInFormat(std::size_t id)
{
    if (id == 9 || id == 10)
        return TNumberKind::Percent;
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || (id >= 34 && id <= 36) || (id >= 50 && id <= 58))
        return TNumberKind::Date;
    if ((id >= 18 && id <= 21) || (id >= 32 && id <= 33) || (id >= 45 && id <= 47))
        return TNumberKind::Time;
    return id == 22 ? TNumberKind::DateTime : TNumberKind::Plain;
}

std::string NumberText(double value, TNumberKind kind, const TCalendarDay& origin)
{
    if (!std::isfinite(value))
        return NumberCellText(value);
    switch (kind) {
    case TNumberKind::Plain:
        return NumberCellText(value);
    case TNumberKind::Percent:
        return PercentCellText(value);
    case TNumberKind::Time:
        return TimeCellText(value * 86400);
    case TNumberKind::Date:
    case TNumberKind::DateTime:
        break;
    }
    if (std::fabs(value) > 3e6)  // beyond the year 9999
        return NumberCellText(value);
    const double days = std::floor(value);
    // Excel counts a 29 February 1900 that never was: its days before March 1900 start a day later.
    const bool leapBug = origin.year == 1899 && origin.month == 12 && origin.day == 30 && days < 61 && days > 0;
    const TCalendarDay day = DateOfDays(DaysOfDate(origin.year, origin.month, origin.day) +
                                        static_cast<long long>(days) + (leapBug ? 1 : 0));
    const double seconds = kind == TNumberKind::DateTime ? (value - days) * 86400 : 0;
    return DateCellText(day.year, day.month, day.day, seconds);
}

std::size_t TNumberFormats::commit_number_format()
{
    codes_[formatId_] = std::move(formatCode_);
    formatCode_.clear();
    formatId_ = 0;
    return formatCount_++;
}

std::size_t TNumberFormats::commit_cell_xf()
{
    cellFormats_.push_back(xfFormat_);
    xfFormat_ = 0;
    return cellFormats_.size() - 1;
}

TNumberKind TNumberFormats::KindOfCell(std::size_t cellFormat) const
{
    if (cellFormat >= cellFormats_.size())
        return TNumberKind::Plain;
    const std::size_t id = cellFormats_[cellFormat];
    const auto code = codes_.find(id);
    return code != codes_.end() ? KindOfFormatCode(code->second) : KindOfBuiltInFormat(id);
}

}  // namespace fluvara
