#include "numbercheck.h"

#include "textformat.h"

#include <algorithm>
#include <cfloat>
#include <charconv>

namespace fluvara {

int CheckNumberText(std::string& workingText)
{
    int result = CheckNumeric;
    if (workingText.empty())
        return result;
    if (workingText[0] == '-')
        return CheckNegative;
    // Walk the whole text: every comma is replaced, even after an offending character.
    for (char& c : workingText) {
        if (c == ',')
            c = '.';
        if (!((c >= '0' && c <= '9') || c == '.'))
            result = CheckNotNumeric;
    }
    return result;
}

namespace {

// For a decimal number that from_chars found out of range: true when it lies
// beyond the largest double, false when it is too small for the smallest one.
// Written as 0.d... times ten to an exponent, the exponent's sign tells.
bool BeyondLargest(std::string_view number)
{
    const std::size_t e = std::min(number.find_first_of("eE"), number.size());
    const std::string_view digits = number.substr(0, e);
    const std::size_t point = std::min(digits.find('.'), digits.size());
    const std::size_t significant = digits.find_first_of("123456789");
    if (significant == std::string_view::npos)
        return false;
    long long exponent = significant < point ? static_cast<long long>(point - significant)
                                             : -static_cast<long long>(significant - point - 1);
    if (e + 1 < number.size()) {
        std::size_t k = e + 1;
        const bool negative = number[k] == '-';
        if (number[k] == '-' || number[k] == '+')
            ++k;
        long long written = 0;  // saturated: far beyond any double either way
        for (; k < number.size(); ++k)
            written = std::min<long long>(written * 10 + (number[k] - '0'), 1'000'000'000'000LL);
        exponent += negative ? -written : written;
    }
    return exponent > 0;
}

}  // namespace

double ConvertNumberText(std::string_view text)
{
    std::size_t i = 0;
    while (
        i < text.size() &&
        (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' || text[i] == '\f' || text[i] == '\v'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Decimal numbers only: no "inf", "nan" or hexadecimal forms.
    if (i >= text.size() || !((text[i] >= '0' && text[i] <= '9') || text[i] == '.'))
        return 0;
    double value = 0;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range)
        value = BeyondLargest({first, static_cast<std::size_t>(end - first)}) ? DBL_MAX : 0.0;
    else if (ec != std::errc())
        value = 0;  // a lone point
    return negative ? -value : value;
}

TNumberField ReadNumberField(std::string_view fieldText)
{
    TNumberField field;
    field.working = std::string(fieldText);
    field.check = CheckNumberText(field.working);
    field.value = ConvertNumberText(field.working);
    return field;
}

std::optional<std::string> FieldError(const TNumberField& field, const TFieldRule& rule)
{
    const bool fails = field.value < rule.lower || field.value > rule.upper || field.check < CheckNumeric;
    if (!fails)
        return std::nullopt;
    if (field.check == CheckNegative)
        return rule.negativeMessage;
    if (field.check == CheckNotNumeric)
        return rule.notNumericMessage;
    return rule.rangeMessage;
}

std::optional<TFieldFailure> ValidateFields(std::span<const TNumberField> fields, std::span<const TFieldRule> rules)
{
    for (std::size_t i = 0; i < fields.size() && i < rules.size(); ++i)
        if (auto message = FieldError(fields[i], rules[i]))
            return TFieldFailure{i, *message};
    return std::nullopt;
}

namespace {

// Every field's three messages begin with its subject ("d-Wert", "kst-Wert Sohle", "Winkel links").
TFieldRule Rule(double lower, double upper, const std::string& subject, const std::string& range)
{
    return TFieldRule{lower, upper, subject + " darf nicht negativ sein", subject + " ist nicht nummerisch",
                      subject + " ist ungültig ( " + range + " )", subject};
}

}  // namespace

const std::vector<TFieldRule>& VerificationFieldRules()
{
    static const std::vector<TFieldRule> rules{
        Rule(100, 3000, "d-Wert", ">=100 und <=3000"),
        Rule(0.25, 1.5, "kb-Wert", ">=0.25 und <=1.5"),
        Rule(0.1, 500, "Is-Wert", ">=0.1 und <=500"),
    };
    return rules;
}

TFieldRule PartialDischargeRule(double Qv)
{
    TFieldRule rule = Rule(1, Qv, "Qt-Wert", "");
    rule.rangeMessage = Fmt("Qt-Wert ist ungültig ( >=1 und <=%5.2f )", Qv);
    return rule;
}

const std::vector<TFieldRule>& DesignFieldRules()
{
    static const std::vector<TFieldRule> rules{
        Rule(1, 5000, "Q-Wert", ">=1 und <=5000"),
        Rule(10, 82.7, "h/d-Wert", ">=10 und <=82.7"),
        Rule(0.25, 1.5, "kb-Wert", ">=0.25 und <=1.5"),
        Rule(0.1, 500, "Is-Wert", ">=0.1 und <=500"),
    };
    return rules;
}

const std::vector<TFieldRule>& ChannelFieldRules()
{
    static const std::vector<TFieldRule> rules{
        Rule(1, 99000, "Q-Wert", ">=1 und <=99000"),
        Rule(0.1, 500, "Is-Wert", ">=0.1 und <=500"),
        Rule(10, 100, "kst-Wert Sohle", ">=10 und <=100"),
        Rule(10, 100, "kst-Wert Ufer links", ">=10 und <=100"),
        Rule(10, 100, "kst-Wert Ufer rechts", ">=10 und <=100"),
        Rule(1, 3000, "b-Wert", ">=1 und <=3000"),
        Rule(10, 900, "hp-Wert", ">=10 und <=900"),
    };
    return rules;
}

const TBankRules& LeftBankRules()
{
    static const TBankRules rules{Rule(10, 90, "Winkel links", ">=10 und <=90"),
                                  Rule(1, 5, "Steigung links", ">=1 und <=5")};
    return rules;
}

const TBankRules& RightBankRules()
{
    static const TBankRules rules{Rule(10, 90, "Winkel rechts", ">=10 und <=90"),
                                  Rule(1, 5, "Steigung rechts", ">=1 und <=5")};
    return rules;
}

}  // namespace fluvara
