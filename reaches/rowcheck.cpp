#include "rowcheck.h"

#include "textformat.h"

#include <algorithm>

namespace fluvara {

namespace {

bool Digits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// One to three digits, the first not 0, then groups of a point and three
// digits, then perhaps a decimal comma with digits: "2.500", "1.234,5".
bool ThousandsGrouped(std::string_view text)
{
    const std::size_t comma = text.find(',');
    if (comma != std::string_view::npos && (comma + 1 == text.size() || !Digits(text.substr(comma + 1))))
        return false;
    const std::string_view whole = text.substr(0, comma);
    const std::size_t lead = whole.find('.');
    if (lead == std::string_view::npos || lead == 0 || lead > 3 || whole[0] == '0' || !Digits(whole.substr(0, lead)))
        return false;
    if ((whole.size() - lead) % 4 != 0)
        return false;
    for (std::size_t i = lead; i < whole.size(); i += 4)
        if (whole[i] != '.' || !Digits(whole.substr(i + 1, 3)))
            return false;
    return true;
}

std::string Refusal(std::string_view text)
{
    const bool plain = !text.empty() &&
        std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == ','; });
    if (!plain)
        return {};  // the page's check decides
    const auto separators = std::count_if(text.begin(), text.end(), [](char c) { return c == '.' || c == ','; });
    const bool grouped = ThousandsGrouped(text);
    if (separators == 1 && grouped) {
        std::string whole(text), decimal(text);
        whole.erase(std::remove(whole.begin(), whole.end(), '.'), whole.end());
        std::replace(decimal.begin(), decimal.end(), '.', ',');
        return Fmt("„%s“ ist mehrdeutig: Tausender- oder Dezimalpunkt? %s oder %s schreiben", text, whole, decimal);
    }
    if (separators < 2)
        return {};
    if (grouped) {
        std::string plainNumber(text);
        plainNumber.erase(std::remove(plainNumber.begin(), plainNumber.end(), '.'), plainNumber.end());
        return Fmt("„%s“ hat Tausenderpunkte: ohne sie %s schreiben", text, plainNumber);
    }
    return Fmt("„%s“ hat mehr als ein Trennzeichen: nur ein Dezimalkomma oder -punkt ist erlaubt", text);
}

}  // namespace

TListNumber ReadListNumber(std::string_view cellText)
{
    TListNumber number;
    static_cast<TNumberField&>(number) = ReadNumberField(cellText);
    number.refusal = Refusal(cellText);
    if (!number.refusal.empty()) {
        number.check = CheckNotNumeric;
        number.value = 0;
    }
    return number;
}

TRunNumber ListReading(std::string_view cellText)
{
    TListNumber number = ReadListNumber(cellText);
    return TRunNumber{static_cast<TNumberField&&>(number), std::move(number.refusal)};
}

void TRowCheck::Fail(int field, std::string message)
{
    const bool known = field >= 0 &&
        std::any_of(errors_.begin(), errors_.end(), [field](const TCellError& e) { return e.field == field; });
    if (!known)
        errors_.push_back(TCellError{field, std::move(message)});
}

void TRowCheck::Finish(TReachOutcome& outcome)
{
    if (errors_.empty())
        return;
    outcome.refused = true;
    for (std::string& result : outcome.results)
        result.clear();
    outcome.status = errors_.front().message;
    outcome.errors = std::move(errors_);
    errors_.clear();
}

TReachOutcome RefusedOutcome(std::size_t resultCount, std::string message)
{
    TReachOutcome out;
    out.results.resize(resultCount);
    TRowCheck check;
    check.Fail(-1, std::move(message));
    check.Finish(out);
    return out;
}

std::string LabelText(std::string_view format, double value)
{
    RequireFinite({value});
    return std::string(TrimBlanks(Fmt(format, value)));
}

}  // namespace fluvara
