#include "clipboardtext.h"

#include "textformat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace fluvara {
namespace {

std::string Joined(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string("   ") + line + "\r\n";
    return text;
}

// A table whose every line names its number.
TResultLines Numbered(int count)
{
    TResultLines table(count);
    for (int i = 0; i < count; ++i)
        table.Set(i, Fmt("Zeile %d", i));
    return table;
}

// The lines of a text whose every line ends with CR LF.
std::vector<std::string> CrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

TEST(ClipboardText, FullFlowGivesSeventeenLinesWithSixBlankOnes)
{
    TResultLines table = MakeCircleResultLines();
    WriteCircleFullFlowLines(table, 300, 285, 1.5, 5, 60.32, 0.945562);
    const std::vector<std::string> lines = CrLfLines(CircleClipboardText(table));
    ASSERT_EQ(lines.size(), 17u);
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(lines[i], "   " + table.Line(i)) << i;
    for (int i = 11; i <= 16; ++i)
        EXPECT_EQ(lines[i], "   ") << i;
    // value lines begin with four blanks: three of the copy and one of the format
    EXPECT_EQ(lines[3], "    Innendurchmesser       d   =  300.00 mm     ");
    EXPECT_EQ(lines[8], "    Abflußmenge Vollfüll.  Qv  =   60.32 l/s    ");
}

TEST(ClipboardText, PartialFlowFollowsTheUnchangedFullFlowLines)
{
    TResultLines table = MakeCircleResultLines();
    WriteCircleFullFlowLines(table, 300, 300, 1.5, 5, 69.12, 0.98);
    const std::vector<std::string> fullFlow = CrLfLines(CircleClipboardText(table));
    WriteCirclePartialFlowLines(table, 40, 16.4, 54.67, 57.87, 1.0117);
    const std::vector<std::string> lines = CrLfLines(CircleClipboardText(table));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_TRUE(std::equal(lines.begin(), lines.begin() + 11, fullFlow.begin()));
    for (int i = 11; i <= 16; ++i)
        EXPECT_EQ(lines[i], "   " + table.Line(i)) << i;
    EXPECT_EQ(lines[12], "    Füllhöhe               h   =   16.40 cm     ");
    EXPECT_EQ(lines[16], "   ------------------------------------------- ");
}

TEST(ClipboardText, EachCopyTakesItsLines)
{
    EXPECT_EQ(CircleClipboardText(Numbered(CircleResultLineCount)),
              Joined({"Zeile 0", "Zeile 1", "Zeile 2", "Zeile 3", "Zeile 4", "Zeile 5", "Zeile 6", "Zeile 7", "Zeile 8",
                      "Zeile 9", "Zeile 10", "Zeile 11", "Zeile 12", "Zeile 13", "Zeile 14", "Zeile 15", "Zeile 16"}));
    // the channel copy stops after line 21: no closing separator, no flow regime
    EXPECT_EQ(ChannelClipboardText(Numbered(ChannelResultLineCount)),
              Joined({"Zeile 0",  "Zeile 1",  "Zeile 2",  "Zeile 3",  "Zeile 4",  "Zeile 5",  "Zeile 6",  "Zeile 7",
                      "Zeile 8",  "Zeile 9",  "Zeile 10", "Zeile 11", "Zeile 12", "Zeile 13", "Zeile 14", "Zeile 15",
                      "Zeile 16", "Zeile 17", "Zeile 18", "Zeile 19", "Zeile 20", "Zeile 21"}));
}

TEST(ClipboardText, ChannelCopyEndsWithTheTotalProfileWidth)
{
    TResultLines table = MakeChannelResultLines();
    TChannelResult result;
    result.bProfil = 300;
    result.regime = TFlowRegime::Subcritical;
    WriteChannelResultLines(table, TChannelInput{}, result);
    const std::string text = ChannelClipboardText(table);
    const std::string last = "   Profilbreite gesamt    bp  =   300.00 cm     \r\n";
    ASSERT_GE(text.size(), last.size());
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
    EXPECT_EQ(text.find("strömend"), std::string::npos);
    // value lines begin with the copy's three blanks only
    EXPECT_NE(text.find("\r\n   Durchflußmenge"), std::string::npos);
}

// Lines of 99 characters, each two bytes long, so that the limit counts
// characters and not bytes.
TResultLines FullLines(int count)
{
    TResultLines table(count);
    std::string line;
    for (int i = 0; i < 99; ++i)
        line += "ß";
    for (int i = 0; i < count; ++i)
        table.Set(i, line);
    return table;
}

TEST(ClipboardText, ContentBeyondTheLimitIsDroppedButEveryLineKeepsItsFrame)
{
    // 21 whole lines of 3 + 99 + 2 characters leave 2249 - 2184 - 3 = 62 for the last one
    const std::string channel = ChannelClipboardText(FullLines(ChannelResultLineCount));
    EXPECT_EQ(Utf8Length(channel), 21u * 104 + 3 + 62 + 2);
    const std::string lastLine = "   " + Utf8Left(FullLines(1).Line(0), 62) + "\r\n";
    ASSERT_GE(channel.size(), lastLine.size());
    EXPECT_EQ(channel.substr(channel.size() - lastLine.size()), lastLine);

    // a line that starts at the limit keeps only its blanks and line break
    EXPECT_EQ(ClipboardText(FullLines(3), 3, 104 + 3), "   " + FullLines(1).Line(0) + "\r\n" + "   \r\n   \r\n");

    // the circular copy stays below its limit even with full lines
    EXPECT_EQ(Utf8Length(CircleClipboardText(FullLines(CircleResultLineCount))), 17u * 104);
}

}  // namespace
}  // namespace fluvara
