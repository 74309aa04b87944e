#include "textformat.h"

#include <gtest/gtest.h>

#include <clocale>

namespace fluvara {
namespace {

struct FormatCase {
    std::string expected;
    std::string actual;
};

TEST(Format, PrintfConversionsUsedByTheProgram)
{
    const std::vector<FormatCase> cases{
        {"69.12 ", Fmt("%4.2f ", 69.12)},
        {"0.98 ", Fmt("%4.2f ", 0.977944)},
        {"16.4 ", Fmt("%4.1f ", 16.4)},
        {" 358.8 ", Fmt("%6.1f ", 358.793)},
        {"  1.10 ", Fmt("%6.2f ", 1.0993)},
        {"  300.00", Fmt("%8.2f", 300.0)},
        {"296784.21", Fmt("%7.2f", 296784.21)},  // wider than the field
        {"14472.5", Fmt("%-.1f", 14472.519)},
        {"1.00", Fmt("%-4.2f", 1.0)},
        {"26.6", Fmt("%-4.1f", 26.565)},
        {"5   ", Fmt("%-4.0f", 5.0)},
        {"2014", Fmt("%4.4d", 2014)},
        {"0099", Fmt("%4.4d", 99)},
        {"05.03.2014", Fmt("%2.2d.%2.2d.%4.4d", 5, 3, 2014)},
        {" 0.55", Fmt("%5.2f", 0.55)},
        {"-1.50", Fmt("%4.2f", -1.5)},
        {"a 300 b", Fmt("a %s b", "300")},
        {"100%", Fmt("100%%")},
        {" strömend", Fmt(" %s", "strömend")},
        {"x%d", Fmt("x%d", "text")},  // mismatched conversion is written literally
        {"%f", Fmt("%f")},            // missing argument
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected);
}

TEST(Format, RoundsExactTiesLikePrintf)
{
    // 0.125 and 2.5 are exact binary ties: round half to even, as glibc does.
    EXPECT_EQ(Fmt("%4.2f", 0.125), "0.12");
    EXPECT_EQ(Fmt("%4.0f", 2.5), "   2");
    EXPECT_EQ(Fmt("%4.1f", 0.25), " 0.2");
    // 52.25 is exact too; 0.35 is not and lies above its tie.
    EXPECT_EQ(Fmt("%4.1f", 52.25), "52.2");
    EXPECT_EQ(Fmt("%4.1f", 0.35), " 0.3");
}

TEST(Format, WidthCountsCharactersNotBytes)
{
    EXPECT_EQ(Fmt("%-6s|", "läuft"), "läuft |");
    EXPECT_EQ(Utf8Length("Gefälle °"), 9u);
    EXPECT_EQ(Utf8Left("Füllhöhe", 3), "Fül");
}

TEST(Format, WritesThePointUnderAGermanLocale)
{
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the de_DE.UTF-8 locale is not installed";
    EXPECT_EQ(Fmt("%7.2f", 1138.86), "1138.86");
    EXPECT_EQ(Fmt("%4.1f ", 0.5), " 0.5 ");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace fluvara
