#include "numbercheck.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace fluvara {
namespace {

struct CheckCase {
    const char* text;
    int result;
    const char* normalised;
    double value;
};

class CheckNumberTextTest : public ::testing::TestWithParam<CheckCase> { };

TEST_P(CheckNumberTextTest, ClassifiesNormalisesAndConverts)
{
    const CheckCase& c = GetParam();
    std::string working = c.text;
    EXPECT_EQ(CheckNumberText(working), c.result) << '"' << c.text << '"';
    EXPECT_EQ(working, c.normalised);
    EXPECT_DOUBLE_EQ(ConvertNumberText(working), c.value);
}

INSTANTIATE_TEST_SUITE_P(Texts, CheckNumberTextTest,
                         ::testing::Values(CheckCase{"", 1, "", 0},              // empty: numeric, value 0
                                           CheckCase{"300", 1, "300", 300},      //
                                           CheckCase{"1,5", 1, "1.5", 1.5},      // decimal comma
                                           CheckCase{"1,2,5", 1, "1.2.5", 1.2},  // several separators: leading number
                                           CheckCase{"1.2.3", 1, "1.2.3", 1.2},  //
                                           CheckCase{"5.", 1, "5.", 5},          //
                                           CheckCase{".", 1, ".", 0},            // lone point
                                           CheckCase{",5", 1, ".5", 0.5},        //
                                           CheckCase{"-5", -1, "-5", -5},        // negative
                                           CheckCase{"-", -1, "-", 0},           //
                                           CheckCase{"-1,5", -1, "-1,5", -1},    // no replacement after a leading minus
                                           CheckCase{"5-", 0, "5-", 5},          // minus further on is not numeric
                                           CheckCase{"+5", 0, "+5", 5},          //
                                           CheckCase{" 5", 0, " 5", 5},          //
                                           CheckCase{"5e2", 0, "5e2", 500},      // exponent
                                           CheckCase{"5x,1", 0, "5x.1", 5},  // every comma replaced past the offender
                                           CheckCase{"abc", 0, "abc", 0},    //
                                           CheckCase{"inf", 0, "inf", 0},    // no infinities from text
                                           CheckCase{"1e999", 0, "1e999", 1.7976931348623157e308}));

TEST(ConvertNumberText, WholeLongTextIsRead)
{
    // A program-written diameter can be longer than six characters.
    std::string working = "14472.5";
    EXPECT_EQ(CheckNumberText(working), 1);
    EXPECT_DOUBLE_EQ(ConvertNumberText(working), 14472.5);
}

// Beyond the range of a double: a value too small reads as strtod reads it
// (zero, or the nearest tiny value), a value too large as the largest double,
// so that the range check rejects it without an infinity.
struct RangeCase {
    std::string text;
    double value;
};

void PrintTo(const RangeCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ConvertOutOfRangeTest : public ::testing::TestWithParam<RangeCase> { };

TEST_P(ConvertOutOfRangeTest, ReadsAsStrtodWithoutInfinity)
{
    const RangeCase& c = GetParam();
    const double value = ConvertNumberText(c.text);
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << c.text;
}

const double Largest = 1.7976931348623157e308;
const double Tiniest = 4.9406564584124654e-324;

INSTANTIATE_TEST_SUITE_P(
    Texts, ConvertOutOfRangeTest,
    ::testing::Values(RangeCase{"0." + std::string(400, '0') + "1", 0.0},      // underflow by leading zeros
                      RangeCase{"0." + std::string(323, '0') + "5", Tiniest},  // just inside
                      RangeCase{"0." + std::string(323, '0') + "2", 0.0},      // rounds to zero
                      RangeCase{"1e-400", 0.0},                                //
                      RangeCase{"123e-999", 0.0},                              // digits before the point, tiny exponent
                      RangeCase{"0.001e-99999999999999999999", 0.0},           // exponent beyond any integer
                      RangeCase{"-1e-400", -0.0},                              //
                      RangeCase{"1" + std::string(400, '0'), Largest},         // overflow by digits
                      RangeCase{"0.0001e400", Largest},                        // leading zeros, large exponent
                      RangeCase{"1e99999999999999999999", Largest},            //
                      RangeCase{"-1e400", -Largest}));

TEST(ConvertNumberText, IgnoresTheCLocale)
{
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the de_DE.UTF-8 locale is not installed";
    std::string working = "1,5";
    CheckNumberText(working);
    EXPECT_DOUBLE_EQ(ConvertNumberText(working), 1.5);
    EXPECT_DOUBLE_EQ(ConvertNumberText("2.25"), 2.25);
    std::setlocale(LC_ALL, "C");
}

struct FieldCase {
    std::vector<std::string> texts;
    std::optional<std::size_t> failingIndex;
    std::string message;
};

class VerificationFieldsTest : public ::testing::TestWithParam<FieldCase> { };

TEST_P(VerificationFieldsTest, FirstFailingFieldAndMessage)
{
    const FieldCase& c = GetParam();
    std::vector<TNumberField> fields;
    for (const auto& t : c.texts)
        fields.push_back(ReadNumberField(t));
    const auto failure = ValidateFields(fields, VerificationFieldRules());
    if (!c.failingIndex) {
        EXPECT_FALSE(failure.has_value()) << failure->message;
        return;
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->index, *c.failingIndex);
    EXPECT_EQ(failure->message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    DKbIs, VerificationFieldsTest,
    ::testing::Values(FieldCase{{"300", "1,5", "5"}, std::nullopt, ""},
                      FieldCase{{"", "1,5", "5"}, 0, "d-Wert ist ungültig ( >=100 und <=3000 )"},
                      FieldCase{{"-5", "1,5", "5"}, 0, "d-Wert darf nicht negativ sein"},
                      FieldCase{{"-", "1,5", "5"}, 0, "d-Wert darf nicht negativ sein"},
                      FieldCase{{"5-", "1,5", "5"}, 0, "d-Wert ist nicht nummerisch"},
                      FieldCase{{"+300", "1,5", "5"}, 0, "d-Wert ist nicht nummerisch"},
                      FieldCase{{"100", "0.25", "0.1"}, std::nullopt, ""},
                      FieldCase{{"3000", "1.5", "500"}, std::nullopt, ""},
                      FieldCase{{"99.9", "1.5", "5"}, 0, "d-Wert ist ungültig ( >=100 und <=3000 )"},
                      FieldCase{{"3000.1", "1.5", "5"}, 0, "d-Wert ist ungültig ( >=100 und <=3000 )"},
                      FieldCase{{".", "1.5", "5"}, 0, "d-Wert ist ungültig ( >=100 und <=3000 )"},
                      FieldCase{{"50", "9", "5"}, 0, "d-Wert ist ungültig ( >=100 und <=3000 )"},  // only the first
                      FieldCase{{"300", "1,2,5", "5"}, std::nullopt, ""},
                      FieldCase{{"300", "0,2", "5"}, 1, "kb-Wert ist ungültig ( >=0.25 und <=1.5 )"},
                      FieldCase{{"300", "-1", "5"}, 1, "kb-Wert darf nicht negativ sein"},
                      FieldCase{{"300", "1x", "5"}, 1, "kb-Wert ist nicht nummerisch"},
                      FieldCase{{"300", "1", "0,09"}, 2, "Is-Wert ist ungültig ( >=0.1 und <=500 )"},
                      FieldCase{{"300", "1", "5e2"}, 2, "Is-Wert ist nicht nummerisch"},
                      FieldCase{{"300", "1", "-0"}, 2, "Is-Wert darf nicht negativ sein"}));

TEST(DesignFields, RangesAndMessagesInOrder)
{
    const auto& rules = DesignFieldRules();
    ASSERT_EQ(rules.size(), 4u);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"0", "82,7", "1,5", "5"}, "Q-Wert ist ungültig ( >=1 und <=5000 )"},
        {{"5001", "82,7", "1,5", "5"}, "Q-Wert ist ungültig ( >=1 und <=5000 )"},
        {{"-1", "82,7", "1,5", "5"}, "Q-Wert darf nicht negativ sein"},
        {{"1a", "82,7", "1,5", "5"}, "Q-Wert ist nicht nummerisch"},
        {{"100", "82,8", "1,5", "5"}, "h/d-Wert ist ungültig ( >=10 und <=82.7 )"},
        {{"100", "9.9", "1,5", "5"}, "h/d-Wert ist ungültig ( >=10 und <=82.7 )"},
        {{"100", "-8", "1,5", "5"}, "h/d-Wert darf nicht negativ sein"},
        {{"100", "8 ", "1,5", "5"}, "h/d-Wert ist nicht nummerisch"},
        {{"100", "82,7", "1,6", "5"}, "kb-Wert ist ungültig ( >=0.25 und <=1.5 )"},
        {{"100", "82,7", "-", "5"}, "kb-Wert darf nicht negativ sein"},
        {{"100", "82,7", "k", "5"}, "kb-Wert ist nicht nummerisch"},
        {{"100", "82,7", "1,5", "501"}, "Is-Wert ist ungültig ( >=0.1 und <=500 )"},
        {{"100", "82,7", "1,5", "-5"}, "Is-Wert darf nicht negativ sein"},
        {{"100", "82,7", "1,5", "5%"}, "Is-Wert ist nicht nummerisch"},
    };
    for (const auto& [texts, message] : cases) {
        std::vector<TNumberField> fields;
        for (const auto& t : texts)
            fields.push_back(ReadNumberField(t));
        const auto failure = ValidateFields(fields, rules);
        ASSERT_TRUE(failure.has_value()) << texts[0] << ' ' << texts[1];
        EXPECT_EQ(failure->message, message);
    }
    std::vector<TNumberField> bounds{ReadNumberField("5000"), ReadNumberField("82,7"), ReadNumberField("0.25"),
                                     ReadNumberField("0,1")};
    EXPECT_FALSE(ValidateFields(bounds, rules).has_value());
}

TEST(ChannelFields, RangesAndMessagesInOrder)
{
    const struct {
        const TFieldRule& rule;
        const char* outOfRange;  // just outside the range
        const char* inside;      // the bounds are inclusive
        const char* subject;
        const char* range;
    } cases[] = {
        {ChannelFieldRules()[0], "99000.1", "99000", "Q-Wert", ">=1 und <=99000"},
        {ChannelFieldRules()[1], "0,09", "0,1", "Is-Wert", ">=0.1 und <=500"},
        {ChannelFieldRules()[2], "9.9", "10", "kst-Wert Sohle", ">=10 und <=100"},
        {ChannelFieldRules()[3], "100.1", "100", "kst-Wert Ufer links", ">=10 und <=100"},
        {ChannelFieldRules()[4], "9", "100", "kst-Wert Ufer rechts", ">=10 und <=100"},
        {ChannelFieldRules()[5], "3001", "1", "b-Wert", ">=1 und <=3000"},
        {ChannelFieldRules()[6], "901", "900", "hp-Wert", ">=10 und <=900"},
        {LeftBankRules().angle, "90.1", "90", "Winkel links", ">=10 und <=90"},
        {LeftBankRules().slope, "0,9", "5", "Steigung links", ">=1 und <=5"},
        {RightBankRules().angle, "9", "10", "Winkel rechts", ">=10 und <=90"},
        {RightBankRules().slope, "5,1", "1", "Steigung rechts", ">=1 und <=5"},
    };
    ASSERT_EQ(ChannelFieldRules().size(), 7u);
    for (const auto& c : cases) {
        const std::string subject = c.subject;
        EXPECT_EQ(FieldError(ReadNumberField(c.outOfRange), c.rule), subject + " ist ungültig ( " + c.range + " )");
        EXPECT_EQ(FieldError(ReadNumberField(""), c.rule), subject + " ist ungültig ( " + c.range + " )");
        EXPECT_EQ(FieldError(ReadNumberField("-2"), c.rule), subject + " darf nicht negativ sein");
        EXPECT_EQ(FieldError(ReadNumberField("2a"), c.rule), subject + " ist nicht nummerisch");
        EXPECT_EQ(FieldError(ReadNumberField(c.inside), c.rule), std::nullopt) << subject;
    }
}

// Each bound of each channel field: the bound itself passes, the value just beyond it fails.
TEST(ChannelFields, BothBoundsAreInclusive)
{
    const struct {
        const TFieldRule& rule;
        const char* inside;
        const char* outside;
    } cases[] = {
        {ChannelFieldRules()[0], "1", "0,99"},   {ChannelFieldRules()[0], "99000", "99001"},
        {ChannelFieldRules()[1], "0,1", "0,09"}, {ChannelFieldRules()[1], "500", "500,1"},
        {ChannelFieldRules()[2], "10", "9,9"},   {ChannelFieldRules()[2], "100", "100.1"},
        {ChannelFieldRules()[3], "10", "9,9"},   {ChannelFieldRules()[3], "100", "100.1"},
        {ChannelFieldRules()[4], "10", "9,9"},   {ChannelFieldRules()[4], "100", "100.1"},
        {ChannelFieldRules()[5], "1", "0,9"},    {ChannelFieldRules()[5], "3000", "3000.1"},
        {ChannelFieldRules()[6], "10", "9,9"},   {ChannelFieldRules()[6], "900", "900,1"},
        {LeftBankRules().angle, "10", "9,9"},    {LeftBankRules().angle, "90", "90,1"},
        {LeftBankRules().slope, "1", "0,9"},     {LeftBankRules().slope, "5", "5,01"},
        {RightBankRules().angle, "10", "9,9"},   {RightBankRules().angle, "90", "90,1"},
        {RightBankRules().slope, "1", "0,9"},    {RightBankRules().slope, "5", "5,01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FieldError(ReadNumberField(c.inside), c.rule), std::nullopt) << c.inside;
        EXPECT_NE(FieldError(ReadNumberField(c.outside), c.rule), std::nullopt) << c.outside;
    }
}

TEST(PartialDischargeRule, UpperBoundIsTheFullFlowDischarge)
{
    const TFieldRule rule = PartialDischargeRule(69.12);
    EXPECT_EQ(FieldError(ReadNumberField("70"), rule), "Qt-Wert ist ungültig ( >=1 und <=69.12 )");
    EXPECT_EQ(FieldError(ReadNumberField("69,12"), rule), std::nullopt);
    EXPECT_EQ(FieldError(ReadNumberField("1"), rule), std::nullopt);
    EXPECT_EQ(FieldError(ReadNumberField("0,9"), rule), "Qt-Wert ist ungültig ( >=1 und <=69.12 )");
    EXPECT_EQ(FieldError(ReadNumberField("-3"), rule), "Qt-Wert darf nicht negativ sein");
    EXPECT_EQ(FieldError(ReadNumberField("3q"), rule), "Qt-Wert ist nicht nummerisch");
    // A full flow below 1 l/s leaves no valid partial discharge; the bound is printed "%5.2f".
    for (const char* text : {"0,5", "1", "0.55"})
        EXPECT_EQ(FieldError(ReadNumberField(text), PartialDischargeRule(0.55)),
                  "Qt-Wert ist ungültig ( >=1 und <= 0.55 )")
            << text;
}

}  // namespace
}  // namespace fluvara
