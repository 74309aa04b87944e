#include "numberreading.h"

#include "textformat.h"

namespace fluvara {

TRunNumber PageReading(std::string_view text) { return TRunNumber{ReadNumberField(text), {}}; }

std::optional<std::string> RunNumberError(const TRunNumber& number, const TFieldRule& rule)
{
    if (!number.refusal.empty())
        return Fmt("%s %s", rule.subject, number.refusal);
    return FieldError(number.number, rule);
}

bool CheckRunNumber(TRunChecks& checks, int field, const TRunNumber& number, const TFieldRule& rule)
{
    auto message = RunNumberError(number, rule);
    if (!message)
        return true;
    checks.failures.push_back(TRunFailure{field, std::move(*message)});
    return false;
}

}  // namespace fluvara
