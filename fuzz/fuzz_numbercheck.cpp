// The field check and conversion on any text: the working text and its class
// follow the rules, the value is what strtod reads in the C locale (except
// that nothing gives an infinity, a NaN or a hexadecimal number), and no
// field rule set trips over it.

#include "fuzzinput.h"
#include "numbercheck.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

using namespace fluvara;
using namespace fluvara::fuzz;

namespace {

void CheckClass(const std::string& text, const TNumberField& field)
{
    if (!text.empty() && text[0] == '-') {
        if (field.check != CheckNegative || field.working != text)
            Finding("a leading minus is negative and nothing is replaced");
        return;
    }
    bool numeric = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char expected = text[i] == ',' ? '.' : text[i];
        if (field.working.size() != text.size() || field.working[i] != expected)
            Finding("every comma becomes a point, nothing else changes");
        numeric = numeric && ((expected >= '0' && expected <= '9') || expected == '.');
    }
    if (field.check != (numeric ? CheckNumeric : CheckNotNumeric))
        Finding("digits and points only are numeric");
}

// strtod of the C locale, whatever the process locale is.
double CStrtod(const char* text, char** end)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(text, end, c);
}

void CheckValue(const std::string& working, double value)
{
    RequireFinite(value, "the converted value");
    const char* text = working.c_str();  // strtod stops at a NUL byte, as the conversion does
    char* end = nullptr;
    const double expected = CStrtod(text, &end);
    // Where strtod reads a form the conversion leaves out, both read nothing of it.
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    if (*p == '+' || *p == '-')
        ++p;
    const bool decimal = (*p >= '0' && *p <= '9') || *p == '.';
    const bool hexadecimal = p[0] == '0' && (p[1] == 'x' || p[1] == 'X');
    if (!decimal || hexadecimal || end == text)
        return;
    if (std::isinf(expected)) {
        if (value != std::copysign(DBL_MAX, expected))
            Finding("a value beyond the largest double gives the largest double");
        return;
    }
    if (value != expected || std::signbit(value) != std::signbit(expected))
        Finding("the value differs from strtod");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const TNumberField field = ReadNumberField(text);
    CheckClass(text, field);
    CheckValue(field.working, field.value);
    if (ConvertNumberText(text) != ConvertNumberText(text))
        Finding("the conversion is not repeatable");

    // Every rule set gives a message or none, and a message only for a failing field.
    const TNumberField fields[] = {field, field, field, field, field, field, field};
    for (const auto* rules : {&VerificationFieldRules(), &DesignFieldRules(), &ChannelFieldRules()}) {
        const auto failure = ValidateFields(fields, *rules);
        if (failure && failure->message.empty())
            Finding("a failure without a message");
    }
    return 0;
}
