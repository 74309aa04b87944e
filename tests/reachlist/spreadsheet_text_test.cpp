#include "SpreadsheetText.h"

#include <gtest/gtest.h>

using namespace fluvara;

TEST(SpreadsheetText, ReadsTheRangesSpreadsheetsCopy)
{
    struct TCase {
        const char* text;
        TCellBlock block;
    } cases[] = {
        {"a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}}},  // Excel
        {"a\tb\nc\td\n", {{"a", "b"}, {"c", "d"}}},      // LibreOffice Calc
        {"a\tb\nc", {{"a", "b"}, {"c", ""}}},            // no line end after the last row, short row padded
        {"1,5\t\t2\n", {{"1,5", "", "2"}}},              // empty cells keep their places
        {"\"two\nlines\"\t\"say \"\"x\"\"\"\n", {{"two\nlines", "say \"x\""}}},
        {"5\" pipe\tx\n", {{"5\" pipe", "x"}}},  // a quote inside a cell is a letter
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseSpreadsheetText(c.text), c.block) << c.text;
}

TEST(SpreadsheetText, WritesWhatItReads)
{
    const TCellBlock block{{"H 1", "1,5", ""}, {"tab\there", "line\nend", "\"q\""}};
    EXPECT_EQ(SpreadsheetText({{"a", "b"}, {"", "c"}}), "a\tb\n\tc\n");
    EXPECT_EQ(ParseSpreadsheetText(SpreadsheetText(block)), block);
    EXPECT_EQ(WithDecimalComma("69.12"), "69,12");
}
