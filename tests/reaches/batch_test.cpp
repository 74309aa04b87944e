// The command as a user runs it: exit status, messages, files written whole.

#include "batchrun.h"
#include "tempfolder.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <regex>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

const std::string CircleList = "Haltung;d;kb;Is;Q\r\nH1;300;1,5;5;40\r\nH2;300;1,5;5;70\r\n";
const std::string CircleResult = "\xEF\xBB\xBFHaltung;d;kb;Is;Q;lichte Weite;Qv;vv;h;h/d;Qt/Qv;vt;d erf;DN;Status\r\n"
                                 "H1;300;1,5;5;40;300;69,12;0,98;16,4;54,7;57,9;1,01;;;berechnet\r\n"
                                 "H2;300;1,5;5;70;300;69,12;0,98;;;101,3;;;;überlastet (Qt/Qv = 101.3 %)\r\n";

class BatchCommand : public fluvara::TempFolderTest {
protected:
    // Runs the command in the folder; standard output and error land in files.
    int Run(const std::string& arguments, const std::string& input = "/dev/null")
    {
        return fluvara::RunBatch(folder, arguments, input, out, err);
    }
    // Starts the command in the folder with a pipe as its standard input,
    // which the caller writes and closes; output and errors are discarded.
    pid_t Start(const std::vector<std::string>& arguments, int& input) const
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return -1;
        std::vector<char*> argv{const_cast<char*>(FLUVARA_BATCH)};
        for (const std::string& a : arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            if (::chdir(folder.c_str()) != 0 || ::dup2(fds[0], 0) < 0 || ::dup2(null, 1) < 0 || ::dup2(null, 2) < 0)
                ::_exit(127);
            ::close(fds[0]);
            ::close(fds[1]);
            ::execv(FLUVARA_BATCH, argv.data());
            ::_exit(127);
        }
        ::close(fds[0]);
        input = fds[1];
        return pid;
    }
    // The temporary file of an output in the making, once it exists.
    bool WaitForTemporary(const std::string& output) const
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline) {
            for (const std::string& name : Files())
                if (name.rfind("." + output + ".", 0) == 0)
                    return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    std::string out, err;
};

// True when a text holds "inf" or "nan" as a word, in any case.
bool HoldsNonFinite(const std::string& text)
{
    static const std::regex word("(^|[^a-z])(inf|nan)([^a-z]|$)", std::regex::icase);
    return std::regex_search(text, word);
}

TEST_F(BatchCommand, EveryRowCalculatedExitsZero)
{
    Write("netz.csv", CircleList);
    EXPECT_EQ(Run("netz.csv -o ergebnis.csv"), 0);
    EXPECT_EQ(Read("ergebnis.csv"), CircleResult);
    EXPECT_EQ(err, "");
    // standard input to standard output
    EXPECT_EQ(Run("-", "netz.csv"), 0);
    EXPECT_EQ(out, CircleResult);
}

TEST_F(BatchCommand, RefusedRowsExitOneWithASummary)
{
    Write("netz.csv", CircleList + "H3;99;1,5;5;\r\n");
    EXPECT_EQ(Run("netz.csv -o ergebnis.csv -j 2"), 1);
    EXPECT_EQ(err, "fluvara-batch: 2 Zeilen berechnet, 1 abgewiesen (Meldungen in der Spalte Status)\n");
    EXPECT_EQ(Read("ergebnis.csv"),
              CircleResult + "H3;99;1,5;5;;;;;;;;;;;d-Wert ist ungültig ( >=100 und <=3000 )\r\n");
}

TEST_F(BatchCommand, UnusableInputExitsTwoAndWritesNothing)
{
    Write("kaputt.csv", CircleList + "H3;300;1,5\r\n");
    Write("ergebnis.csv", "alt");
    EXPECT_EQ(Run("kaputt.csv -o ergebnis.csv"), 2);
    EXPECT_EQ(err,
              "fluvara-batch: kaputt.csv: Zeile 4: 3 Felder statt 5 wie in der Kopfzeile (Trennzeichen oder "
              "Anführungszeichen prüfen)\n");
    EXPECT_EQ(Read("ergebnis.csv"), "alt");
    EXPECT_EQ(Run("kaputt.csv"), 2);
    EXPECT_EQ(out, "");  // standard output gets nothing of a broken list either
    EXPECT_EQ(Run("kaputt.csv -o neu.xlsx"), 2);
    EXPECT_EQ(Run("kaputt.csv -o neu.fluvara"), 2);
    EXPECT_EQ(Files(), (std::vector<std::string>{"ergebnis.csv", "kaputt.csv"}));

    EXPECT_EQ(Run("fehlt.csv"), 2);
    EXPECT_EQ(err, "fluvara-batch: fehlt.csv: fehlt.csv kann nicht geöffnet werden (Die Datei gibt es nicht)\n");
    EXPECT_EQ(Run("kaputt.csv -o ergebnis.txt"), 2);
    EXPECT_EQ(Run("kaputt.csv --unbekannt"), 2);
    EXPECT_EQ(Run(""), 2);
    EXPECT_EQ(err,
              "fluvara-batch: Es fehlt die Eingabedatei\n"
              "Aufruf: fluvara-batch EINGABE [-o AUSGABE] [Optionen]; mehr mit --help\n");
    Write("kaputt.fluvara", "{\"format\": \"fluvara-haltungen\", \"version\": 7}");
    EXPECT_EQ(Run("kaputt.fluvara -o ergebnis.csv"), 2);
    EXPECT_EQ(err,
              "fluvara-batch: kaputt.fluvara: Projektdatei: Die Datei hat die Version 7; diese Ausgabe von "
              "FLUVARA liest Projektdateien bis Version 2\n");
    EXPECT_EQ(Read("ergebnis.csv"), "alt");
}

TEST_F(BatchCommand, ProjectAndWorkbookFromACsvList)
{
    Write("netz.csv", CircleList);
    EXPECT_EQ(Run("netz.csv -o netz.fluvara"), 0);
    EXPECT_EQ(Run("netz.fluvara -o wieder.csv"), 0);
    EXPECT_EQ(Read("wieder.csv"), CircleResult);
    EXPECT_EQ(Run("netz.fluvara -o netz.xlsx"), 0);
    EXPECT_EQ(Read("netz.xlsx").substr(0, 2), "PK");
    EXPECT_EQ(Run("netz.csv -o direkt.xlsx"), 0);  // row by row, without the list in memory
    EXPECT_EQ(Read("direkt.xlsx").substr(0, 2), "PK");
    EXPECT_EQ(Run("netz.fluvara --liste gerinne --dezimalpunkt"), 0);
    EXPECT_EQ(out,
              "\xEF\xBB\xBFGerinne,Q,Is,kst Sohle,kst links,kst rechts,b,hp,Ufer links,Ufer rechts,h,v,"
              "kst mittel,hgr,vgr,bWsp,bProfil,Abfluss,Fr,Freibord,Status\r\n");
}

// Ctrl+C, SIGTERM or SIGHUP in the middle of a long list: the signal ends
// the run as it would, and nothing of the output is left behind.
TEST_F(BatchCommand, AnInterruptedRunLeavesNoTemporaryFile)
{
    std::string rows = "Haltung;d;kb;Is;Q\n";
    for (int i = 0; i < 20000; ++i)
        rows += "H" + std::to_string(i) + ";300;1,5;5;40\n";
    for (const std::string output : {"aus.xlsx", "aus.csv"}) {
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            SCOPED_TRACE(output + " " + std::to_string(signal));
            int input = -1;
            const pid_t pid = Start({"-", "-o", output, "-j", "2"}, input);
            ASSERT_GT(pid, 0);
            // The rows are read while they come; the input stays open, so the run cannot end by itself.
            EXPECT_EQ(::write(input, rows.data(), rows.size()), static_cast<ssize_t>(rows.size()));
            EXPECT_TRUE(WaitForTemporary(output));
            ::kill(pid, signal);
            int status = 0;
            ASSERT_EQ(::waitpid(pid, &status, 0), pid);
            ::close(input);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
            EXPECT_EQ(Files(), std::vector<std::string>{});
        }
    }
}

// Every output by the program's rule: a link is followed and kept, the mode
// of an existing file kept, a device or pipe written through, a folder refused.
TEST_F(BatchCommand, OutputsFollowLinksKeepModesAndRefuseFolders)
{
    const mode_t mask = ::umask(022);
    Write("netz.csv", CircleList);
    for (const std::string ext : {".csv", ".xlsx", ".fluvara"}) {
        SCOPED_TRACE(ext);
        const std::string start = ext == ".csv" ? "\xEF\xBB\xBFHaltung" : ext == ".xlsx" ? "PK" : "{";
        Write("echt" + ext, "alt");
        ::chmod((folder / ("echt" + ext)).c_str(), 0640);
        std::filesystem::create_symlink("echt" + ext, folder / ("link" + ext));
        EXPECT_EQ(Run("netz.csv -o link" + ext), 0) << err;
        EXPECT_TRUE(std::filesystem::is_symlink(folder / ("link" + ext)));
        EXPECT_EQ(Read("echt" + ext).rfind(start, 0), 0u);
        EXPECT_EQ(std::filesystem::status(folder / ("echt" + ext)).permissions(), std::filesystem::perms(0640));

        EXPECT_EQ(Run("netz.csv -o neu" + ext), 0) << err;
        EXPECT_EQ(std::filesystem::status(folder / ("neu" + ext)).permissions(), std::filesystem::perms(0644));

        std::filesystem::create_symlink("/dev/null", folder / ("null" + ext));
        EXPECT_EQ(Run("netz.csv -o null" + ext), 0) << err;
        EXPECT_TRUE(std::filesystem::is_symlink(folder / ("null" + ext)));

        const std::filesystem::path pipe = folder / ("rohr" + ext);
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
        const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
        EXPECT_EQ(Run("netz.csv -o rohr" + ext), 0) << err;
        std::string piped(1 << 16, '\0');
        const ssize_t n = ::read(reader, piped.data(), piped.size());
        ::close(reader);
        piped.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        EXPECT_EQ(piped.rfind(start, 0), 0u);
        EXPECT_TRUE(std::filesystem::is_fifo(pipe));

        std::filesystem::create_directory(folder / ("ordner" + ext));
        EXPECT_EQ(Run("netz.csv -o ordner" + ext), 2);
        EXPECT_EQ(err, "fluvara-batch: ordner" + ext + " kann nicht geschrieben werden (das ist ein Ordner)\n");
        EXPECT_TRUE(std::filesystem::is_empty(folder / ("ordner" + ext)));
    }
    EXPECT_EQ(Files().size(), 1u + 3 * 6);  // nothing else beside them
    ::umask(mask);
}

// A discharge far beyond the pipe: the row is refused in every output, no "inf" anywhere.
TEST_F(BatchCommand, NoInfiniteTextReachesAnyOutput)
{
    Write("gross.csv", "Haltung;d;kb;Is;Q\r\nH1;100;0,25;0,1;2" + std::string(306, '0') + "\r\n");
    for (const std::string output : {"aus.csv", "aus.xlsx", "-"}) {
        SCOPED_TRACE(output);
        EXPECT_EQ(Run("gross.csv -o " + output), 1);
        const std::string text = output == "-" ? out
            : output == "aus.csv"              ? Read(output)
                                               : fluvara::ZipEntry(folder / output, "xl/worksheets/sheet1.xml");
        EXPECT_NE(text.find("Rechenfehler: Ergebnis ist nicht endlich"), std::string::npos) << text;
        EXPECT_FALSE(HoldsNonFinite(text)) << text;
    }
}

// A NUL byte is no text: the file is refused as a whole, nothing is written.
TEST_F(BatchCommand, ANulByteRefusesTheFile)
{
    Write("null.csv", CircleList + std::string("H3\0x;300;1,5;5;40\r\n", 19));
    for (const char* output : {"aus.csv", "aus.xlsx", "aus.fluvara"}) {
        EXPECT_EQ(Run(std::string("null.csv -o ") + output), 2);
        EXPECT_EQ(err,
                  "fluvara-batch: null.csv: Zeile 4: Die Datei enthält ein Nullbyte; sie ist keine Textdatei in "
                  "UTF-8 oder Windows-1252\n");
    }
    Write("netz.csv", CircleList);
    ASSERT_EQ(Run("netz.csv -o netz.fluvara"), 0);
    std::string project = Read("netz.fluvara");
    project.replace(project.find("\"H1\""), 4, "\"H\\u00001\"");
    Write("null.fluvara", project);
    EXPECT_EQ(Run("null.fluvara -o aus.csv"), 2);
    EXPECT_EQ(err, "fluvara-batch: null.fluvara: Projektdatei: „kreisprofile.zeilen[0][0]“ enthält ein Nullzeichen\n");
    EXPECT_EQ(Files(), (std::vector<std::string>{"netz.csv", "netz.fluvara", "null.csv", "null.fluvara"}));
}

TEST_F(BatchCommand, HelpAndVersion)
{
    EXPECT_EQ(Run("--help"), 0);
    EXPECT_NE(out.find("Aufruf: fluvara-batch EINGABE [-o AUSGABE]"), std::string::npos);
    EXPECT_EQ(Run("--version"), 0);
    EXPECT_EQ(out.rfind("fluvara-batch ", 0), 0u);
}

}  // namespace

namespace {

TEST_F(BatchCommand, WorkbooksAreReadByTheirExtension)
{
    const std::string data = FLUVARA_TEST_DATA;
    // The first sheet is a list: written as a CSV list is.
    EXPECT_EQ(Run("'" + data + "/kreisprofile.ods' -o aus.csv"), 0) << err;
    EXPECT_EQ(Read("aus.csv").rfind("\xEF\xBB\xBFHaltung;d;kb;Is;Q;95%-Wert;Bemerkung;lichte Weite", 0), 0u);
    // Both lists of a workbook go into a project, or one of them into a CSV file.
    EXPECT_EQ(Run("'" + data + "/projekt.ods' -o aus.csv"), 2);
    EXPECT_NE(err.find("--liste"), std::string::npos) << err;
    EXPECT_EQ(Run("'" + data + "/projekt.ods' --liste gerinne -o aus.csv"), 1) << err;
    EXPECT_NE(Read("aus.csv").find("Uhrzeit"), std::string::npos);
    EXPECT_EQ(Run("'" + data + "/projekt.ods' -o aus.fluvara"), 1) << err;
    EXPECT_EQ(Run("'" + data + "/projekt.ods' -o aus.ods"), 2);
    EXPECT_NE(err.find(".xlsx"), std::string::npos) << err;
}

TEST_F(BatchCommand, ColumnsThatLookChangedAreWarnedAbout)
{
    Write("calc.csv", "Haltung;d;kb;Is;Q;95,00 %\r\nH1;300;1,5;5;40;ja\r\n");
    for (const std::string output : {"aus.csv", "aus.fluvara"}) {
        EXPECT_EQ(Run("calc.csv -o " + output), 0) << err;
        EXPECT_NE(err.find("calc.csv: Zeile 1: Die Spalte „95,00 %“ wird nicht als „95%-Wert“ gelesen"),
                  std::string::npos)
            << output << ": " << err;
    }
}

}  // namespace
