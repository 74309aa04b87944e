#include "atomicfile.h"
#include "encoding.h"
#include "project.h"
#include "projectwriter.h"
#include "workbook.h"
#include "textformat.h"

#include "tempfolder.h"

#include <nlohmann/json.hpp>

#include <filesystem>

namespace fluvara {
namespace {

namespace fs = std::filesystem;

TProject SampleProject()
{
    TProject project;
    project.circle = MakeList({"Haltung", "Bemerkung", "d", "kb", "Is", "Q", "95%"},
                              {{"Mühlweg 1", "\"alt\"; neu", "300", "1,5", "5", "40", ""},
                               {"Mühlweg 2", "", " 300", "1,5", "5", "", "x"},
                               {"Mühlweg 3", "", "300,", "1.5", "5e1", "70", "nein"}});
    project.channel =
        MakeList({"Gerinne", "Q", "Is", "kst Sohle", "kst links", "kst rechts", "b", "hp", "Ufer links", "Ufer rechts"},
                 {{"Graben", "500", "2", "30", "30", "30", "100", "100", "45°", "1:1,5"}});
    project.series = TNominalSeries{250, 300, 400};
    return project;
}

std::vector<std::string> Statuses(const TReachList& list, const TReachOptions& options)
{
    std::vector<std::string> statuses;
    for (const TReachOutcome& o : CalculateList(list, options, 1))
        statuses.push_back(o.status);
    return statuses;
}

std::string RefusalOf(const std::string& text)
{
    try {
        ReadProject(text);
    } catch (const TInputError& e) {
        return e.what();
    }
    return "";
}

TEST(Project, RoundTripKeepsTheTextsAsTypedAndTheirMessages)
{
    const TProject saved = SampleProject();
    const TProject opened = ReadProject(ProjectText(saved));
    EXPECT_EQ(opened.circle.layout.columns, saved.circle.layout.columns);
    EXPECT_EQ(opened.circle.rows, saved.circle.rows);
    EXPECT_EQ(opened.channel.rows, saved.channel.rows);
    EXPECT_EQ(opened.series, saved.series);
    EXPECT_EQ(Statuses(opened.circle, opened.Options()),
              (std::vector<std::string>{"berechnet", "d-Wert ist nicht nummerisch", "Is-Wert ist nicht nummerisch"}));
    EXPECT_EQ(Statuses(opened.channel, opened.Options()), Statuses(saved.channel, saved.Options()));
    EXPECT_EQ(ProjectText(opened), ProjectText(saved));
}

TEST(Project, RefusesDamagedNewerAndForeignFilesSayingWhatAndWhere)
{
    const std::string good = ProjectText(SampleProject());
    std::string damaged = good;
    damaged[good.find("\"zeilen\"")] = '#';
    std::string numberCell = good;
    numberCell.replace(numberCell.find("\"1,5\""), 5, "1.5");
    std::string shortRow = good;
    shortRow.replace(shortRow.find(",\"40\""), 5, "");
    std::string swapped = good;
    swapped.replace(swapped.find("\"kreisprofile\""), 14, "\"x\"");
    swapped.replace(swapped.find("\"gerinne\""), 9, "\"kreisprofile\"");
    swapped.replace(swapped.find("\"x\""), 3, "\"gerinne\"");
    std::string newer = good;
    newer.replace(newer.find("\"version\": 1"), 12, "\"version\": 3");

    const std::pair<std::string, std::string> cases[] = {
        {good.substr(0, good.size() / 2),
         Fmt("Projektdatei: Die Datei endet mitten im Inhalt (nach %d Bytes); sie ist "
             "unvollständig",
             static_cast<long long>(good.size() / 2))},
        {"", "Projektdatei: Die Datei endet mitten im Inhalt (nach 0 Bytes); sie ist unvollständig"},
        {damaged,
         Fmt("Projektdatei: Die Datei ist beschädigt: Fehler im JSON bei Byte %d",
             static_cast<long long>(good.find("\"zeilen\"") + 1))},
        {newer,
         "Projektdatei: Die Datei hat die Version 3; diese Ausgabe von FLUVARA liest Projektdateien bis "
         "Version 2"},
        {"{\"format\": \"etwas\", \"version\": 1}",
         "Projektdatei: Die Datei ist keine Projektdatei von FLUVARA (der Formatname „fluvara-haltungen“ fehlt)"},
        {"[1, 2]",
         "Projektdatei: Die Datei ist keine Projektdatei von FLUVARA (der Formatname „fluvara-haltungen“ fehlt)"},
        {"{\"format\": \"fluvara-haltungen\", \"version\": \"1\"}",
         "Projektdatei: „version“ fehlt oder ist keine Versionsnummer"},
        {"{\"format\": \"fluvara-haltungen\", \"version\": 1}", "Projektdatei: „kreisprofile“ fehlt"},
        {"{\"format\": \"fluvara-haltungen\", \"version\": 11e999}",
         "Projektdatei: Die Datei ist beschädigt: eine Zahl im JSON ist zu groß"},
        {numberCell, "Projektdatei: „kreisprofile.zeilen[0][3]“ ist kein Text"},
        {shortRow, "Projektdatei: „kreisprofile.zeilen[0]“ hat 6 Einträge statt 7 wie „kreisprofile.spalten“"},
        // the lists are read in the order of the file, where the swapped "gerinne" now stands first
        {swapped, "Projektdatei: „gerinne.spalten“ ist die Kopfzeile einer Kreisprofilliste"},
    };
    for (const auto& [text, message] : cases)
        EXPECT_EQ(RefusalOf(text), message);
}

class FileTest : public TempFolderTest {
protected:
    std::size_t Entries() const { return Files().size(); }
};

TEST_F(FileTest, SaveAndLoadProject)
{
    const fs::path path = folder / "netz.fluvara";
    SaveProject(path, SampleProject());
    EXPECT_EQ(LoadProject(path).circle.rows, SampleProject().circle.rows);
    EXPECT_EQ(Entries(), 1u);  // no temporary file left beside it
    EXPECT_THROW(LoadProject(folder / "fehlt.fluvara"), TInputError);
}

TEST_F(FileTest, AnInterruptedWriteLeavesTheOldFileWhole)
{
    const fs::path path = folder / "netz.fluvara";
    WriteFileAtomically(path, "alt");
    {
        TAtomicFile file(path);
        std::fputs("halb geschrieben", file.Stream());
        // no Commit: an error or a crash on the way
    }
    EXPECT_EQ(Read(path.filename().string()), "alt");
    EXPECT_EQ(Entries(), 1u);
    EXPECT_THROW(WriteFileAtomically(folder / "fehlt" / "netz.fluvara", "neu"), std::runtime_error);
}

TEST(WorkbookCell, NumbersKeepTheirDigitsTextsStayTexts)
{
    struct Case {
        const char* text;
        bool number;
        double value;
        int decimals;
    };
    const Case cases[] = {{"300", true, 300, 0},     {"1,5", true, 1.5, 1},    {"69.12", true, 69.12, 2},
                          {"-22.2", true, -22.2, 1}, {"300.00", true, 300, 2}, {" 300", false, 0, 0},
                          {"5.", false, 0, 0},       {"1:2", false, 0, 0},     {"", false, 0, 0},
                          {"1.2.3", false, 0, 0},    {"5e2", false, 0, 0},     {"strömend", false, 0, 0},
                          // refused by the list as a possible thousands grouping
                          {"2.500", false, 0, 0},    {"0.500", true, 0.5, 3},  {"2.5000", true, 2.5, 4}};
    for (const Case& c : cases) {
        const TWorkbookCell cell = WorkbookCell(c.text);
        EXPECT_EQ(cell.number, c.number) << c.text;
        EXPECT_EQ(cell.value, c.value) << c.text;
        EXPECT_EQ(cell.decimals, c.decimals) << c.text;
    }
}

TEST_F(FileTest, WorkbookIsWrittenWholeWithASheetPerList)
{
    const TProject project = SampleProject();
    const auto circle = CalculateList(project.circle, project.Options(), 1);
    const auto channel = CalculateList(project.channel, project.Options(), 1);
    const TWorkbookSheet sheets[] = {{&project.circle, &circle}, {&project.channel, &channel}};
    const fs::path path = folder / "netz.xlsx";
    WriteWorkbook(path, sheets);
    EXPECT_EQ(Read(path.filename().string()).substr(0, 2), "PK");
    EXPECT_EQ(Entries(), 1u);
}

}  // namespace
}  // namespace fluvara

namespace fluvara {
namespace {

// A project as another program may write it: keys sorted, extra keys of a
// newer version, the version last.
TEST(ProjectReader, KeysInAnyOrderAndUnknownKeysAreRead)
{
    const std::string text = R"({"extra": {"a": [1, {"b": [[], "x"]}], "c": null},
        "format": "fluvara-haltungen",
        "gerinne": {"notiz": "frei", "spalten": ["Gerinne", "Q", "Is", "kst Sohle", "kst links", "kst rechts", "b",
                    "hp", "Ufer links", "Ufer rechts"], "zeilen": []},
        "kreisprofile": {"spalten": ["Haltung", "d", "kb", "Is", "Q"], "zeilen": [["H1", "300", "1,5", "5", "40"]],
                         "ansicht": [1, 2, 3]},
        "nennweiten": [400, 250, 300, 250],
        "zusatz": [["später"]],
        "version": 1})";
    const TProject project = ReadProject(text);
    EXPECT_EQ(project.circle.rows, (std::vector<std::vector<std::string>>{{"H1", "300", "1,5", "5", "40"}}));
    EXPECT_TRUE(project.channel.rows.empty());
    EXPECT_EQ(project.series, (TNominalSeries{250, 300, 400}));
}

std::string ManySizes(int count)
{
    std::string text = "300";
    for (int i = 1; i < count; ++i)
        text += ",300";
    return text;
}

TEST(ProjectReader, RefusesWhatAStreamCannotTakeSayingWhere)
{
    const std::string head = R"({"format": "fluvara-haltungen", "version": 1, )";
    const std::string channel =
        R"("gerinne": {"spalten": ["Gerinne", "Q", "Is", "kst Sohle", "kst links", "kst rechts", "b", "hp",
           "Ufer links", "Ufer rechts"], "zeilen": []})";
    const std::string circle = R"("kreisprofile": {"spalten": ["Haltung", "d", "kb", "Is", "Q"], "zeilen": []})";
    const std::pair<std::string, std::string> cases[] = {
        {head + circle + ", " + circle + ", " + channel + "}",
         "Projektdatei: „kreisprofile“ steht zweimal in der Datei"},
        {head + R"("kreisprofile": {"zeilen": [], "spalten": ["Haltung", "d", "kb", "Is", "Q"]}, )" + channel + "}",
         "Projektdatei: „kreisprofile.spalten“ fehlt (vor „kreisprofile.zeilen“)"},
        {head + R"("kreisprofile": {"spalten": ["Haltung", "d", "kb", "Is", "Q"], "spalten": [], "zeilen": []}, )" +
             channel + "}",
         "Projektdatei: „kreisprofile.spalten“ steht zweimal in der Datei"},
        {head +
             R"("kreisprofile": {"spalten": ["Haltung", "d", "kb", "Is", "Q"], "zeilen": [["H1", "300", "1,5", "5", "40", "x", 7]]}})",
         "Projektdatei: „kreisprofile.zeilen[0][6]“ ist kein Text"},
        {head +
             R"("kreisprofile": {"spalten": ["Haltung", "d", "kb", "Is", "Q"], "zeilen": [["H1", "300", "1,5", "5", "40", "x"]]}})",
         "Projektdatei: „kreisprofile.zeilen[0]“ hat 6 Einträge statt 5 wie „kreisprofile.spalten“"},
        {head + R"("kreisprofile": {"spalten": ["Haltung", "d\u0000", "kb", "Is", "Q"], "zeilen": []}})",
         "Projektdatei: „kreisprofile.spalten[1]“ enthält ein Nullzeichen"},
        {head + R"("kreisprofile": [], )" + channel + "}", "Projektdatei: „kreisprofile“ ist kein Objekt"},
        {head + R"("kreisprofile": {"spalten": "Haltung", "zeilen": []}})",
         "Projektdatei: „kreisprofile.spalten“ ist keine Liste"},
        {head + R"("kreisprofile": {"spalten": ["Haltung", "d", "kb", "Is", "Q"], "zeilen": [{}]}})",
         "Projektdatei: „kreisprofile.zeilen[0]“ ist keine Liste"},
        {head + R"("nennweiten": [], )" + circle + "}", "Projektdatei: „nennweiten“ ist keine Liste von Nennweiten"},
        {head + R"("nennweiten": [)" + ManySizes(300000) + "]}", "Projektdatei: „nennweiten“ ist länger als 1 MiB"},
        // a foreign file: what it holds is not read as a project's lists
        {R"({"kreisprofile": 5, "format": "fluvara-haltungen", "version": 1})",
         "Projektdatei: Die Datei ist keine Projektdatei von FLUVARA (der Formatname „fluvara-haltungen“ fehlt)"},
        {R"({"version": 9, "format": "fluvara-haltungen"})",
         "Projektdatei: Die Datei hat die Version 9; diese Ausgabe von FLUVARA liest Projektdateien bis Version 2"},
        {head + circle + ", " + channel + "} []",
         "Projektdatei: Die Datei ist beschädigt: Fehler im JSON bei Byte " +
             std::to_string(head.size() + circle.size() + channel.size() + 5)},
    };
    for (const auto& [text, message] : cases)
        EXPECT_EQ(RefusalOf(text), message) << text.substr(0, 200);
}

// Texts as nlohmann-json writes them, whatever they hold.
TEST(ProjectWriter, TextsAreEscapedAsTheJsonLibraryDoes)
{
    const std::string texts[] = {"Mühlweg 1",
                                 "\"alt\"; neu",
                                 "a\\b",
                                 "Zeile\r\nzwei",
                                 std::string("\x01\x1f\x7f", 3),
                                 "\xC3\x28",
                                 "\xED\xA0\x80",
                                 "ok\xF0\x9F\x98\x80",
                                 "",
                                 "1/2"};
    for (const std::string& text : texts) {
        std::string written;
        AppendJsonString(written, text);
        EXPECT_EQ(written, nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
        // and read back as the same text where it is UTF-8
        if (IsValidUtf8(text)) {
            EXPECT_EQ(nlohmann::json::parse(written).get<std::string>(), text);
        }
    }
}

// A long project written to a file and read back: the progress reaches the
// end, a cancel stops it, a bound on memory refuses it early.
class ProjectFile : public TempFolderTest {
protected:
    fs::path LongProject(int rows)
    {
        TProject project;
        std::vector<std::vector<std::string>> texts;
        for (int i = 0; i < rows; ++i)
            texts.push_back({"H" + std::to_string(i), "300", "1,5", "5", std::to_string(10 + i % 50)});
        project.circle = MakeList({"Haltung", "d", "kb", "Is", "Q"}, texts);
        const fs::path path = folder / "lang.fluvara";
        SaveProject(path, project);
        return path;
    }
};

TEST_F(ProjectFile, ProgressCancelAndBound)
{
    const fs::path path = LongProject(100000);
    const std::uint64_t size = fs::file_size(path);
    std::uint64_t last = 0;
    TLoadOptions options;
    options.progress = [&](std::uint64_t done, std::uint64_t total) {
        EXPECT_EQ(total, size);
        EXPECT_GE(done, last);
        last = done;
        return true;
    };
    EXPECT_EQ(LoadProject(path, options).circle.rows.size(), 100000u);
    EXPECT_EQ(last, size);

    options.progress = [&](std::uint64_t done, std::uint64_t) { return done < size / 2; };
    EXPECT_THROW(LoadProject(path, options), TCancelled);

    // the bound is met halfway: reading stops there, with a message naming the bound
    last = 0;
    options.progress = [&](std::uint64_t done, std::uint64_t) {
        last = done;
        return true;
    };
    options.maxHeldBytes = HeldRowBytes({"H1", "300", "1,5", "5", "40"}, TReachKind::Circle) * 50000;
    try {
        LoadProject(path, options);
        ADD_FAILURE() << "no refusal";
    } catch (const TInputError& e) {
        EXPECT_EQ(std::string(e.what()), TooLargeText(options.maxHeldBytes));
        EXPECT_NE(std::string(e.what()).find("fluvara-batch"), std::string::npos);
    }
    EXPECT_LT(last, size * 3 / 4);
    // a file larger than the bound is refused before it is read
    options.maxHeldBytes = size - 1;
    last = 0;
    EXPECT_THROW(LoadProject(path, options), TInputError);
    EXPECT_EQ(last, 0u);
}

TEST_F(ProjectFile, ACancelledSaveLeavesTheOldFile)
{
    const fs::path path = LongProject(20000);
    const std::string before = Read("lang.fluvara");
    TProject other;
    other.circle = MakeList({"Haltung", "d", "kb", "Is", "Q"}, {{"neu", "300", "1,5", "5", "40"}});
    EXPECT_THROW(
        SaveProject(path, ViewOf(LoadProject(path)), [](std::uint64_t done, std::uint64_t) { return done == 0; }),
        TCancelled);
    EXPECT_EQ(Read("lang.fluvara"), before);
    EXPECT_EQ(Files(), std::vector<std::string>{"lang.fluvara"});
}

}  // namespace
}  // namespace fluvara
