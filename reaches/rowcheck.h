#pragma once
// Shared by the circular and the channel reach: reading a number cell,
// collecting the failing fields of a row, and the page's label texts without
// their padding.

#include "calcerror.h"
#include "reach.h"

#include "numbercheck.h"
#include "numberreading.h"

#include <string>
#include <string_view>

namespace fluvara {

// A number cell of a list. The pages read the leading number of a text with
// a comma or a point as the decimal mark; a list refuses what that would
// misread, as spreadsheets write it or as it is mistyped:
// - more than one separator: "0,5.3", "1,2,5" and the German thousands
//   grouping "1.234,5" or "2.500.000" (the message shows it without points);
// - one point after one to three digits (the first not 0) and exactly three
//   digits after it, "2.500": 2500 to a German sheet, 2.5 to others.
// Every other text is read as the page reads it. A refused cell has the
// check result "not numeric" and the value 0.
struct TListNumber : TNumberField {
    std::string refusal;  // the cell text and why it is refused; "" when it is read
};

TListNumber ReadListNumber(std::string_view cellText);

// The same reading as a page run's number reading.
TRunNumber ListReading(std::string_view cellText);

class TRowCheck {
public:
    // The first message of a field is kept.
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
