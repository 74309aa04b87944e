#pragma once
// Shared by the circular and the channel reach: collecting the failing fields
// of a row, and the page's label texts without their padding.

#include "calcerror.h"
#include "reach.h"

#include <string>
#include <string_view>

namespace fluvara {

struct TNumberField;
struct TFieldRule;

class TRowCheck {
public:
    // False when the field fails its rule; the first message of a field is kept.
    bool Check(int field, const TNumberField& value, const TFieldRule& rule);
    void Fail(int field, std::string message);
    bool Failed() const { return !errors_.empty(); }
    // Moves the messages into the outcome and marks it refused when any field failed.
    void Finish(TReachOutcome& outcome);

private:
    std::vector<TCellError> errors_;
};

// A label of the page: its printf format applied to the value, blanks at
// both ends cut ("%4.1f " of 5.25 gives "5.2"). Throws CalculationError for
// a value that is not finite: no "inf" or "nan" reaches a list.
std::string LabelText(std::string_view format, double value);

// The outcome of a row refused as a whole with message.
TReachOutcome RefusedOutcome(std::size_t resultCount, std::string message);

// A row's calculation; a CalculationError that escapes it (a result not
// checked on the way) refuses the row, never the list.
template <typename Calculate>
TReachOutcome GuardedReach(std::size_t resultCount, Calculate calculate)
{
    try {
        return calculate();
    } catch (const CalculationError& e) {
        return RefusedOutcome(resultCount, e.what());
    }
}

}  // namespace fluvara
