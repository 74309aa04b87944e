// A network through the batch command: the design rain from the command
// line, exit status as for the other lists.

#include "batchrun.h"
#include "tempfolder.h"

namespace fluvara {
namespace {

const std::string Network = "Haltung;von;bis;L;Sohle oben;Sohle unten;d;kb;AE;Psi;h/d zul\r\n"
                            "H1;S1;S2;60;105,00;104,70;;1,5;1,2;0,6;70\r\n"
                            "H2;S2;S3;80;104,65;104,30;;1,5;0,8;0,5;70\r\n";
const std::string Rain = "--regen '5:283,3;10:190;15:146,7;20:120;30:90;60:55'";

class NetworkBatch : public TempFolderTest {
protected:
    int Run(const std::string& arguments) { return RunBatch(folder, arguments, "/dev/null", out, err); }
    std::string out, err;
};

TEST_F(NetworkBatch, CalculatedWithTheRainOfTheCommandLine)
{
    Write("netz.csv", Network);
    EXPECT_EQ(Run("netz.csv -o ergebnis.csv " + Rain), 0) << err;
    EXPECT_EQ(Read("ergebnis.csv"),
              "\xEF\xBB\xBFHaltung;von;bis;L;Sohle oben;Sohle unten;d;kb;AE;Psi;h/d zul;Is aus Sohlen;Ared;"
              "Summe Ared;Summe QT;tf;Regendauer;r;Qr;Q;lichte Weite;Qv;vv;h;h/d;Qt/Qv;vt;d erf;DN;tau;"
              "Überdeckung;Status\r\n"
              "H1;S1;S2;60;105,00;104,70;;1,5;1,2;0,6;70;5,00;0,72;0,72;0,00;5,68;5,68;270,7;194,90;194,90;500;"
              "267,57;1,36;31,8;63,6;72,8;1,48;494,9;500;7,00;;berechnet\r\n"
              "H2;S2;S3;80;104,65;104,30;;1,5;0,8;0,5;70;4,38;0,40;1,12;0,00;6,54;6,54;254,6;285,15;285,15;600;"
              "405,03;1,43;37,3;62,1;70,4;1,55;586,3;600;7,27;;berechnet\r\n");
    // The file read back gives the same: the earlier results are dropped.
    EXPECT_EQ(Run("ergebnis.csv -o wieder.csv " + Rain), 0);
    EXPECT_EQ(Read("wieder.csv"), Read("ergebnis.csv"));
    EXPECT_EQ(Run("netz.csv -o netz.xlsx " + Rain), 0);
    EXPECT_EQ(Read("netz.xlsx").substr(0, 2), "PK");
}

TEST_F(NetworkBatch, TheProjectKeepsTheRain)
{
    Write("netz.csv", Network);
    EXPECT_EQ(Run("netz.csv -o netz.fluvara " + Rain + " --t0 6"), 0) << err;
    EXPECT_EQ(Run("netz.csv -o direkt.csv " + Rain + " --t0 6"), 0);
    // No rain on the command line: the project's own.
    EXPECT_EQ(Run("netz.fluvara -o aus-projekt.csv"), 0) << err;
    EXPECT_EQ(Read("aus-projekt.csv"), Read("direkt.csv"));
    EXPECT_EQ(Run("netz.fluvara --liste netz --dezimalpunkt"), 0);
    EXPECT_EQ(out.substr(0, 37), "\xEF\xBB\xBFHaltung,von,bis,L,Sohle oben,Sohle");
    EXPECT_EQ(Run("netz.fluvara -o netz.xlsx"), 0);
    // The command line's rain goes over the project's.
    EXPECT_EQ(Run("netz.fluvara -o anders.csv --r15 100"), 0);
    EXPECT_NE(Read("anders.csv"), Read("direkt.csv"));
}

TEST_F(NetworkBatch, ExitStatus)
{
    Write("netz.csv", Network);
    Write("ring.csv", Network + "H3;S3;S1;50;104,00;103,00;300;1,5;;;\r\n");
    EXPECT_EQ(Run("netz.csv --r15 100 --n 1"), 0) << err;
    EXPECT_EQ(Run("ring.csv -o ring-ergebnis.csv " + Rain), 1);
    EXPECT_EQ(err, "fluvara-batch: 0 Zeilen berechnet, 3 abgewiesen (Meldungen in der Spalte Status)\n");

    // Without a design rain nothing is written.
    EXPECT_EQ(Run("netz.csv -o ohne-regen.csv"), 2);
    EXPECT_EQ(err,
              "fluvara-batch: netz.csv: Für ein Netz fehlt der Bemessungsregen: --regen TABELLE oder --r15 R und "
              "--n N angeben\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "ohne-regen.csv"));
    EXPECT_EQ(Run("netz.csv --regen '5:283,3;10'"), 2);
    EXPECT_EQ(err,
              "fluvara-batch: --regen: Regentabelle, Zeile 2: „10“ ist nicht „Dauer:Regenspende“ mit zwei "
              "positiven Zahlen\n"
              "Aufruf: fluvara-batch EINGABE [-o AUSGABE] [Optionen]; mehr mit --help\n");
    EXPECT_EQ(Run("netz.csv --regen '5:100' --r15 100"), 2);
    EXPECT_EQ(Run("netz.csv --n 2"), 2);
    EXPECT_EQ(Run("netz.csv --r15 100 --n 60"), 2);
    EXPECT_EQ(Run("netz.csv --t0 -1 " + Rain), 2);
}

}  // namespace
}  // namespace fluvara
