#include "csvreader.h"
#include "listrun.h"
#include "reachlist.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace fluvara {
namespace {

const std::string CircleHeader = "Haltung;d;kb;Is;Q;95%;h/d zul;Q/0,9\r\n";

std::string MessageOf(const std::string& text)
{
    try {
        std::istringstream in(text);
        ReadCsvList(in);
    } catch (const TInputError& e) {
        return e.what();
    }
    return "";
}

// What RunCsvList writes, through a temporary file.
std::string RunText(const std::string& text, const TRunOptions& options, TRunSummary* summary = nullptr)
{
    std::istringstream in(text);
    std::FILE* out = std::tmpfile();
    const TRunSummary s = RunCsvList(in, out, options);
    if (summary)
        *summary = s;
    std::string written(static_cast<std::size_t>(std::ftell(out)), '\0');
    std::rewind(out);
    EXPECT_EQ(std::fread(written.data(), 1, written.size(), out), written.size());
    std::fclose(out);
    return written;
}

TEST(CsvReader, QuotedFieldsWithDelimitersQuotesAndLineBreaks)
{
    const auto records = ReadCsvRecords("\xEF\xBB\xBF"
                                        "a;b;c\r\n\"x;y\";\"say \"\"hi\"\"\";\"two\r\nlines\"\r\n\r\n1;;3\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"x;y", "say \"hi\"", "two\r\nlines"}));
    EXPECT_EQ(records[2].fields, (std::vector<std::string>{"1", "", "3"}));
    // lines of the file, not records: the quoted line break and the blank line count
    EXPECT_EQ(records[1].line, 2u);
    EXPECT_EQ(records[2].line, 5u);
}

TEST(CsvReader, BlanksStayPartOfTheField)
{
    const auto records = ReadCsvRecords("a;b\n 1 ;\t2\n");
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{" 1 ", "\t2"}));
}

TEST(CsvReader, DelimiterFromTheHeaderRow)
{
    EXPECT_EQ(ReadCsvRecords("a,b,\"Q/0,9\"\n1.5,2,ja\n")[1].fields, (std::vector<std::string>{"1.5", "2", "ja"}));
    EXPECT_EQ(ReadCsvRecords("a\tb\n1,5\t2\n")[1].fields, (std::vector<std::string>{"1,5", "2"}));
    // the header's "Q/0,9" does not make a comma file of a semicolon file
    EXPECT_EQ(ReadCsvRecords("Q/0,9;b\n1,5;2\n")[1].fields, (std::vector<std::string>{"1,5", "2"}));
}

TEST(CsvReader, Windows1252AndUtf8WithAndWithoutMark)
{
    struct Case {
        std::string bytes;
        TEncoding encoding;
    };
    const Case cases[] = {
        {"Name\nM\xFChlweg \x80 \x84Nord\x93\n", TEncoding::Windows1252},
        {"Name\nMühlweg € „Nord“\n", TEncoding::Utf8},
        {"\xEF\xBB\xBFName\nMühlweg € „Nord“\n", TEncoding::Utf8},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.bytes);
        TCsvReader reader(in);
        TCsvRecord record;
        ASSERT_TRUE(reader.Next(record));
        EXPECT_EQ(record.fields[0], "Name");  // the byte-order mark is no part of the first name
        ASSERT_TRUE(reader.Next(record));
        EXPECT_EQ(record.fields[0], "Mühlweg € „Nord“");
        EXPECT_EQ(reader.Encoding(), c.encoding);
    }
}

TEST(TextDecoder, CharacterCutBetweenPiecesAndLaterNonUtf8)
{
    TTextDecoder decoder;
    std::string out;
    EXPECT_TRUE(decoder.Decode("a\xC3", false, out));
    EXPECT_TRUE(decoder.Decode("\xBC"
                               "b",
                               false, out));
    EXPECT_EQ(out, "aüb");
    EXPECT_EQ(decoder.Encoding(), TEncoding::Utf8);
    EXPECT_FALSE(decoder.Decode("c\xFC"
                                "d",
                                true, out));
    EXPECT_EQ(out, "aübc");
}

TEST(CsvReader, LateNonUtf8ByteNamesItsLine)
{
    // The first piece decides UTF-8; a Windows-1252 byte far behind it is refused with its line.
    std::string text = CircleHeader + "Mühlweg;300;1,5;5;;;;\r\n";
    int lines = 2;
    while (text.size() < 200000) {
        text += "H;300;1,5;5;;;;\r\n";
        ++lines;
    }
    text += "M\xFChle;300;1,5;5;;;;\r\n";
    EXPECT_EQ(MessageOf(text),
              "Zeile " + std::to_string(lines + 1) +
                  ": Die Datei ist bis hier UTF-8, enthält aber ein Zeichen, das kein UTF-8 ist");
}

TEST(CsvList, BrokenFilesNameTheLine)
{
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"", "Die Datei ist leer: es fehlt die Kopfzeile"},
        {CircleHeader + "H1;300;1,5;5;;;;\r\nH2;300;1,5;5\r\n",
         "Zeile 3: 4 Felder statt 8 wie in der Kopfzeile (Trennzeichen oder Anführungszeichen prüfen)"},
        {CircleHeader + "H1;300;1,5;5;;;;;\r\n",
         "Zeile 2: 9 Felder statt 8 wie in der Kopfzeile (Trennzeichen oder Anführungszeichen prüfen)"},
        {CircleHeader + "H1;300;1,5;5;;;;\r\n\"H2;300;1,5;5;;;;\r\nH3;300;1,5;5;;;;\r\n",
         "Zeile 3: Ein Anführungszeichen wird bis zum Dateiende nicht geschlossen"},
        {CircleHeader + "H1;300;1,5;5;;;;\r\nH\"2;300;1,5;5;;;;\r\n",
         "Zeile 3: Anführungszeichen an falscher Stelle (ein Feld mit \" muss ganz in \"…\" stehen, ein \" darin "
         "verdoppelt)"},
        {"Haltung;d;Is;Q\r\nH1;300;5;\r\n", "Zeile 1: Die Pflichtspalte „kb“ fehlt in der Kopfzeile"},
        {"Haltung;kb;Is;Q\r\n",
         "Zeile 1: Die Pflichtspalte „d“ fehlt in der Kopfzeile (oder „h/d zul“ für eine "
         "Bemessung)"},
        {"Haltung;kb;Is;h/d zul\r\n", "Zeile 1: Die Pflichtspalte „Q“ fehlt in der Kopfzeile"},
        {"Gerinne;Q;Is;kst Sohle;kst links;kst rechts;b;hp;Ufer links\r\n",
         "Zeile 1: Die Pflichtspalte „Ufer rechts“ fehlt in der Kopfzeile"},
        {"Haltung;d;kb;Is;D\r\n", "Zeile 1: Die Spalte „D“ steht zweimal in der Kopfzeile"},
        {"Haltung;d;kb;Is;kst Sohle\r\n",
         "Zeile 1: Die Kopfzeile enthält Spalten der Kreisprofil- und der "
         "Gerinneliste; eine Liste enthält nur eine Art"},
        {"Name;Wert\r\n1;2\r\n",
         "Zeile 1: Die Kopfzeile ist weder die einer Kreisprofilliste (Haltung; d; kb; Is; "
         "Q …) noch die einer Gerinneliste (Gerinne; Q; Is; kst Sohle …) noch die eines Netzes (Haltung; von; bis; L "
         "…)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MessageOf(c.text), c.message);
}

TEST(CsvList, UnterminatedQuoteInALongFileStaysBounded)
{
    std::string text = CircleHeader + "\"H1;300;1,5;5;;;;\r\n";
    text += std::string(3 << 20, 'x');
    EXPECT_EQ(MessageOf(text), "Zeile 2: Ein Feld ist länger als 1 MiB; fehlt ein schließendes Anführungszeichen?");
}

TEST(CsvList, ColumnsByNameInAnyOrderOtherColumnsKept)
{
    const std::string text = " IS ;Bemerkung;D;KB;haltung\r\n5;alt; 300 ;1,5;H1\r\n;;;;\r\n5;neu;300;1,5;H2\r\n";
    std::istringstream in(text);
    const TReachList list = ReadCsvList(in);
    ASSERT_EQ(list.rows.size(), 2u);  // the blank row is left out
    EXPECT_EQ(list.Fields(1), (std::vector<std::string>{"H2", "300", "1,5", "5", "", "", "", "", "", ""}));
    const std::vector<TReachOutcome> outcomes = CalculateList(list, TReachOptions{}, 1);
    EXPECT_EQ(outcomes[0].status, "d-Wert ist nicht nummerisch");  // " 300" as on the page
    EXPECT_EQ(CsvText(list, outcomes, GermanCsv),
              "\xEF\xBB\xBF IS ;Bemerkung;D;KB;haltung;lichte Weite;Qv;vv;h;h/d;Qt/Qv;vt;d erf;DN;Status\r\n"
              "5;alt; 300 ;1,5;H1;;;;;;;;;;d-Wert ist nicht nummerisch\r\n"
              "5;neu;300;1,5;H2;300;69,12;0,98;;;;;;;berechnet\r\n");
    EXPECT_EQ(CsvText(list, outcomes, PointCsv),
              "\xEF\xBB\xBF IS ,Bemerkung,D,KB,haltung,lichte Weite,Qv,vv,h,h/d,Qt/Qv,vt,d erf,DN,Status\r\n"
              "5,alt, 300 ,\"1,5\",H1,,,,,,,,,,d-Wert ist nicht nummerisch\r\n"
              "5,neu,300,\"1,5\",H2,300,69.12,0.98,,,,,,,berechnet\r\n");
}

TEST(CsvList, EarlierResultsAreCalculatedAnew)
{
    const std::string input = "Gerinne;Q;Is;kst Sohle;kst links;kst rechts;b;hp;Ufer links;Ufer rechts\r\n"
                              "\"G;1\";500;2;30;30;30;100;100;45;1:1\r\n";
    TRunOptions options;
    options.threads = 1;
    const std::string once = RunText(input, options);
    EXPECT_EQ(once,
              "\xEF\xBB\xBFGerinne;Q;Is;kst Sohle;kst links;kst rechts;b;hp;Ufer links;Ufer rechts;h;v;"
              "kst mittel;hgr;vgr;bWsp;bProfil;Abfluss;Fr;Freibord;Status\r\n"
              "\"G;1\";500;2;30;30;30;100;100;45;1:1;52,2;0,63;30,0;26,9;1,46;204,5;300,0;strömend;0,32;47,8;"
              "berechnet\r\n");
    EXPECT_EQ(RunText(once, options), once);
}

// A German spreadsheet's thousands grouping and a mistyped number, imported
// and run: refused with their messages, not read as 2.5, 1.234 and 0.5.
TEST(CsvList, GroupedAndMistypedNumbersAreRefusedOnImportAndInARun)
{
    const std::string input = "Haltung;d;kb;Is;Q\r\n"
                              "H1;300;1,5;5;2.500\r\n"
                              "H2;300;1,5;5;1.234,5\r\n"
                              "H3;300;1,5;5;0,5.3\r\n"
                              "H4;300;1,5;5;40,0\r\n";
    const std::string statuses[] = {
        "Qt-Wert „2.500“ ist mehrdeutig: Tausender- oder Dezimalpunkt? 2500 oder 2,500 schreiben",
        "Qt-Wert „1.234,5“ hat Tausenderpunkte: ohne sie 1234,5 schreiben",
        "Qt-Wert „0,5.3“ hat mehr als ein Trennzeichen: nur ein Dezimalkomma oder -punkt ist erlaubt", "berechnet"};
    std::istringstream in(input);
    const TReachList list = ReadCsvList(in);
    const std::vector<TReachOutcome> outcomes = CalculateList(list, TReachOptions{}, 1);
    ASSERT_EQ(outcomes.size(), 4u);
    for (std::size_t i = 0; i < outcomes.size(); ++i)
        EXPECT_EQ(outcomes[i].status, statuses[i]);

    TRunOptions options;
    options.threads = 1;
    TRunSummary summary;
    const std::string written = RunText(input, options, &summary);
    EXPECT_EQ(summary.refused, 3u);
    EXPECT_EQ(written, CsvText(list, outcomes, GermanCsv));
    EXPECT_NE(written.find("H1;300;1,5;5;2.500;;;;;;;;;;Qt-Wert „2.500“ ist mehrdeutig"), std::string::npos);
}

// A list of every kind of row, long enough for many batches.
std::string MixedCircleList(int rows)
{
    std::string text = CircleHeader;
    const char* const kinds[] = {"300;1,5;5;40;;;",       "300;1,5;5;;ja;;", "300;1,5;5;70;;;",
                                 ";1,5;5;100;;82,7;",     "99;1,5;5;;;;",    "800;0,75;2;400;nein;;",
                                 ";0,25;500;1;;82,7;nein"};
    for (int i = 0; i < rows; ++i)
        text += "H" + std::to_string(i) + ";" + kinds[i % 7] + "\r\n";
    return text;
}

TEST(RunCsvList, SameOutputOnAnyNumberOfThreadsAndAsInMemory)
{
    const std::string input = MixedCircleList(1000);
    std::istringstream in(input);
    const TReachList list = ReadCsvList(in);
    const std::string expected = CsvText(list, CalculateList(list, TReachOptions{}, 1), GermanCsv);
    for (unsigned threads : {1u, 2u, 3u}) {
        TRunOptions options;
        options.threads = threads;
        options.batchRows = 97;
        TRunSummary summary;
        EXPECT_EQ(RunText(input, options, &summary), expected) << threads;
        EXPECT_EQ(summary.refused, 143u);  // every row with d = 99
        EXPECT_EQ(summary.calculated, 857u);
    }
    EXPECT_EQ(CalculateList(list, TReachOptions{}, 3).size(), 1000u);
}

TEST(RunCsvList, RaggedRowFarDownIsAnInputError)
{
    // With threads the error is found while an earlier batch is calculated.
    std::string input = MixedCircleList(500) + "H;300;1,5\r\n";
    for (unsigned threads : {1u, 2u, 3u}) {
        TRunOptions options;
        options.threads = threads;
        options.batchRows = 64;
        try {
            RunText(input, options);
            FAIL() << "no error with " << threads << " threads";
        } catch (const TInputError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Zeile 502: 3 Felder statt 8 wie in der Kopfzeile (Trennzeichen oder Anführungszeichen prüfen)");
        }
    }
}

}  // namespace
}  // namespace fluvara
