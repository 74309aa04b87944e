#pragma once
// Number check of the input fields.
//
// A field's text is copied into a working text; CheckNumberText turns decimal
// commas into points and classifies the text; the working text is converted
// to a double; the value is tested against the field's rule. The first field
// that fails decides the message the page shows.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fluvara {

inline constexpr int CheckNegative = -1;   // text begins with '-'
inline constexpr int CheckNotNumeric = 0;  // a character other than a digit or a point
inline constexpr int CheckNumeric = 1;     // digits and points only (also the empty text)

// Normalises the working text in place (every ',' becomes '.', unless the text
// begins with '-') and returns CheckNegative, CheckNotNumeric or CheckNumeric.
int CheckNumberText(std::string& workingText);

// The longest leading decimal number of the text, with the point as decimal
// separator; 0 when there is none ("" and "." give 0, "1.2.3" gives 1.2).
// Reads as strtod does in the C locale, except that no text gives an infinity,
// a NaN or a hexadecimal number: a value beyond the largest double gives the
// largest double (with its sign), one too small for the smallest gives zero.
double ConvertNumberText(std::string_view text);

struct TFieldRule {
    double lower = 0;
    double upper = 0;
    std::string negativeMessage;
    std::string notNumericMessage;
    std::string rangeMessage;
    std::string subject;  // what the messages begin with: "d-Wert", "Winkel links"
};

// One input field after copying, checking and converting.
struct TNumberField {
    std::string working;  // the whole field text, commas turned into points
    int check = CheckNumeric;
    double value = 0;
};

TNumberField ReadNumberField(std::string_view fieldText);

// The message for a failing field, or nothing when the field passes.
std::optional<std::string> FieldError(const TNumberField& field, const TFieldRule& rule);

struct TFieldFailure {
    std::size_t index = 0;  // position of the failing field in the validation order
    std::string message;
};

// Validates the fields in order against their rules; the first failure wins.
std::optional<TFieldFailure> ValidateFields(std::span<const TNumberField> fields, std::span<const TFieldRule> rules);

// Field rules of the circular-pipe pages, in validation order.
const std::vector<TFieldRule>& VerificationFieldRules();  // d, kb, Is
TFieldRule PartialDischargeRule(double Qv);               // Qt, 1 ... Qv
const std::vector<TFieldRule>& DesignFieldRules();        // Q,vorh, h/d, kb, Is

// Field rules of the channel page: Q, Is, kst bottom, kst left, kst right, b, hp
// in validation order, then one bank at a time in the form the user chose.
const std::vector<TFieldRule>& ChannelFieldRules();
struct TBankRules {
    TFieldRule angle;  // degrees, 10 ... 90
    TFieldRule slope;  // m of 1 : m, 1 ... 5
};
const TBankRules& LeftBankRules();
const TBankRules& RightBankRules();

}  // namespace fluvara
