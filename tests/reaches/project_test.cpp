#include "atomicfile.h"
#include "project.h"
#include "workbook.h"
#include "textformat.h"

#include "tempfolder.h"

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
    newer.replace(newer.find("\"version\": 1"), 12, "\"version\": 2");

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
         "Projektdatei: Die Datei hat die Version 2; diese Ausgabe von FLUVARA liest Projektdateien bis "
         "Version 1"},
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
