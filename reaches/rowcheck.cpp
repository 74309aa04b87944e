#include "rowcheck.h"

#include "numbercheck.h"
#include "textformat.h"

#include <algorithm>

namespace fluvara {

bool TRowCheck::Check(int field, const TNumberField& value, const TFieldRule& rule)
{
    const auto message = FieldError(value, rule);
    if (!message)
        return true;
    Fail(field, *message);
    return false;
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
