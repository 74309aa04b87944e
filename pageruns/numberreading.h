#pragma once
// How a run reads its number fields. A page reads every text as it stands;
// a list refuses some texts first that the page would misread, and passes
// its own reading.

#include "numbercheck.h"
#include "pagerun.h"

#include <optional>
#include <string>
#include <string_view>

namespace fluvara {

struct TRunNumber {
    TNumberField number;
    std::string refusal;  // why the text is refused before its rule is applied; "" when it is read
};

using TNumberReading = TRunNumber (*)(std::string_view text);

// The page's reading: ReadNumberField, never refused.
TRunNumber PageReading(std::string_view text);

// The message for a number that is refused or fails its rule; nothing when it passes.
std::optional<std::string> RunNumberError(const TRunNumber& number, const TFieldRule& rule);

// Adds the failure of one field, if any, to checks; false when it failed.
bool CheckRunNumber(TRunChecks& checks, int field, const TRunNumber& number, const TFieldRule& rule);

}  // namespace fluvara
