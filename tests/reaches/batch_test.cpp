// The command as a user runs it: exit status, messages, files written whole.

#include "tempfolder.h"

#include <cstdlib>
#include <sys/wait.h>

namespace {

const std::string CircleList = "Haltung;d;kb;Is;Q\r\nH1;300;1,5;5;40\r\nH2;300;1,5;5;70\r\n";
const std::string CircleResult = "\xEF\xBB\xBFHaltung;d;kb;Is;Q;lichte Weite;Qv;vv;h;h/d;Qt/Qv;vt;d erf;DN;Status\r\n"
                                 "H1;300;1,5;5;40;300;69,12;0,98;16,4;54,7;57,9;1,01;;;berechnet\r\n"
                                 "H2;300;1,5;5;70;300;69,12;0,98;;;;;;;überlastet (Qt/Qv = 101.3 %)\r\n";

class BatchCommand : public fluvara::TempFolderTest {
protected:
    // Runs the command in the folder; standard output and error land in files.
    int Run(const std::string& arguments, const std::string& input = "/dev/null")
    {
        const std::string command = "cd '" + folder.string() + "' && '" FLUVARA_BATCH "' " + arguments + " < " + input +
            " > stdout.txt 2> stderr.txt";
        const int status = std::system(command.c_str());
        out = Read("stdout.txt");
        err = Read("stderr.txt");
        std::filesystem::remove(folder / "stdout.txt");
        std::filesystem::remove(folder / "stderr.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string out, err;
};

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
    EXPECT_EQ(err, "fluvara-batch: fehlt.csv: fehlt.csv kann nicht geöffnet werden\n");
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
              "FLUVARA liest Projektdateien bis Version 1\n");
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

TEST_F(BatchCommand, HelpAndVersion)
{
    EXPECT_EQ(Run("--help"), 0);
    EXPECT_NE(out.find("Aufruf: fluvara-batch EINGABE [-o AUSGABE]"), std::string::npos);
    EXPECT_EQ(Run("--version"), 0);
    EXPECT_EQ(out.rfind("fluvara-batch ", 0), 0u);
}

}  // namespace
