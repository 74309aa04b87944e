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

TEST(SpreadsheetText, RepeatsABlockOverASelectionThatIsAWholeMultipleOfIt)
{
    const TCellBlock one{{"x"}};
    const TCellBlock pair{{"a", "b"}};
    const TCellBlock square{{"a", "b"}, {"c", "d"}};
    const TCellBlock none;
    struct TCase {
        const TCellBlock& block;
        std::size_t rows, columns;
        TCellBlock pasted;
    } cases[] = {
        {one, 3, 1, {{"x"}, {"x"}, {"x"}}},                                // one cell down a column
        {one, 2, 2, {{"x", "x"}, {"x", "x"}}},                             // and over a range
        {pair, 2, 4, {{"a", "b", "a", "b"}, {"a", "b", "a", "b"}}},        // a row over two rows, twice
        {square, 4, 2, {{"a", "b"}, {"c", "d"}, {"a", "b"}, {"c", "d"}}},  // a block down
        {square, 2, 2, square},                                            // the same size: once
        {square, 1, 1, square},                                            // one cell selected: once, all of it
        {square, 3, 2, square},                                            // not a multiple: once
        {pair, 2, 3, pair},                                                // not a multiple across
        {none, 4, 4, none},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RepeatedOver(c.block, c.rows, c.columns), c.pasted) << c.rows << "×" << c.columns;
}
