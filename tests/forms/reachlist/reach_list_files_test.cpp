// The reach list window's files: CSV, the question before changes are lost,
// the printed list as PDF.
#include "reachlisttest.h"
#include "printservice.h"
#include "windowtest.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QDate>

#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace fluvara;
using namespace fluvara::test;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString PdfText(const QString& pdf, int page)
{
    QProcess process;
    process.start("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& pdf)
{
    QProcess process;
    process.start("pdfinfo", {pdf});
    process.waitForFinished(60000);
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return 0;
}

QByteArray ZipEntry(const QString& zip, const QString& entry)
{
    QProcess process;
    process.start("unzip", {"-p", zip, entry});
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

// True when a text holds "inf" or "nan" as a word, in any case.
bool HoldsNonFinite(const QString& text)
{
    static const std::regex word("(^|[^a-z])(inf|nan)([^a-z]|$)", std::regex::icase);
    return std::regex_search(text.toStdString(), word);
}

int ModeOf(const QString& path)
{
    struct stat st { };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

}  // namespace

class ReachListFilesTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TTestSettings> settings_;
    TPrintService printing_;
    std::unique_ptr<TReachListWindow> window_;
    QTemporaryDir dir_;

    QString Path(const char* name) const { return dir_.filePath(name); }

private slots:
    void init()
    {
        settings_ = std::make_unique<TTestSettings>();
        window_ = std::make_unique<TReachListWindow>(printing_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup()
    {
        window_->UndoStack().setClean();
        window_.reset();
        settings_.reset();
    }

    void importKeepsBadRowsWithTheirMessages()
    {
        WriteFile(Path("netz.csv"), "Haltung;d;kb;Is;Q\r\nH1;300;1,5;5;40\r\nH2;300;abc;5;40\r\nH3;300;1,5;5;500\r\n");
        QVERIFY(window_->ImportCsv(Path("netz.csv")));
        QTableView* view = Table(*window_, TReachKind::Circle);
        QCOMPARE(view->model()->rowCount(), 3);
        const int status = view->model()->columnCount() - 1;
        QCOMPARE(Cell(view, 0, status), QString("berechnet"));
        QVERIFY(!Cell(view, 1, status).isEmpty() && Cell(view, 1, status) != "berechnet");
        QCOMPARE(CellData(view, 1, 2, Qt::ToolTipRole).toString(), Cell(view, 1, status));
        QVERIFY(Cell(view, 2, status).startsWith("überlastet"));
        QVERIFY(window_->statusBar()->currentMessage().contains("3 Zeilen eingelesen, davon 1 abgelehnt"));
        // an import is one edit: undone at once
        window_->UndoStack().undo();
        QCOMPARE(view->model()->rowCount(), 0);
    }

    void workbookWithBothListsIsImportedAsOneStep()
    {
        QVERIFY(window_->ImportCsv(QString(FLUVARA_TEST_DATA) + "/projekt.ods"));
        QCOMPARE(Table(*window_, TReachKind::Circle)->model()->rowCount(), 1);
        QCOMPARE(Table(*window_, TReachKind::Channel)->model()->rowCount(), 2);
        QCOMPARE(window_->Model(TReachKind::Circle).List().layout.columns.back(), std::string("95%-Wert"));
        QVERIFY(window_->statusBar()->currentMessage().contains("Gerinne: 2 Zeilen eingelesen, davon 1 abgelehnt"));
        window_->UndoStack().undo();
        QCOMPARE(Table(*window_, TReachKind::Circle)->model()->rowCount(), 0);
        QCOMPARE(Table(*window_, TReachKind::Channel)->model()->rowCount(), 0);
    }

    void columnsThatLookChangedAreWarnedAbout()
    {
        WriteFile(Path("calc.csv"), "Haltung;d;kb;Is;Q;95,00 %\r\nH1;300;1,5;5;40;ja\r\n");
        TMessageBoxAnswers answers({{"ListMessage", QMessageBox::Ok}});
        QVERIFY(window_->ImportCsv(Path("calc.csv")));
        QCOMPARE(answers.Names(), QStringList{"ListMessage"});
        QVERIFY2(answers.Texts().front().contains("„95,00 %“ wird nicht als „95%-Wert“ gelesen"),
                 qPrintable(answers.Texts().front()));
        QCOMPARE(Table(*window_, TReachKind::Circle)->model()->rowCount(), 1);
    }

    void aBadFileGetsTheCoresMessageAndChangesNothing()
    {
        WriteFile(Path("schief.csv"), "Haltung;d;kb;Is;Q\r\nH1;300;1,5;5;40\r\nH2;300;1,5\r\n");
        QString box;
        AnswerMessageBox(QMessageBox::Ok, &box);
        QVERIFY(!window_->ImportCsv(Path("schief.csv")));
        QCOMPARE(box, QString("ListMessage"));
        QCOMPARE(Table(*window_, TReachKind::Circle)->model()->rowCount(), 0);
        QVERIFY(!window_->IsModified());
    }

    void aNetworkIsNotTakenForAListOfSingleReaches()
    {
        WriteFile(Path("netz.csv"), "Haltung;von;bis;L;Is;d;kb\r\nH1;S1;S2;50;5;300;1,5\r\n");
        QString box;
        AnswerMessageBox(QMessageBox::Ok, &box);
        QVERIFY(!window_->ImportCsv(Path("netz.csv")));
        QCOMPARE(box, QString("ListMessage"));
        QCOMPARE(Table(*window_, TReachKind::Circle)->model()->rowCount(), 0);
        QCOMPARE(Table(*window_, TReachKind::Channel)->model()->rowCount(), 0);
        QVERIFY(!window_->IsModified());
    }

    void exportWritesTheCoresCsvWithResults()
    {
        WriteFile(Path("in.csv"),
                  "Gerinne;Q;Is;kst Sohle;kst links;kst rechts;b;hp;Ufer links;Ufer rechts\r\n"
                  "G1;500;2;30;30;30;100;100;45;45\r\n");
        QVERIFY(window_->ImportCsv(Path("in.csv")));
        QCOMPARE(window_->CurrentKind(), TReachKind::Channel);
        QVERIFY(window_->ExportCsv(Path("out.csv")));
        std::istringstream in(ReadFile(Path("out.csv")).toStdString());
        const TReachList list = ReadCsvList(in);
        const TReachList expected = MakeList(
            {"Gerinne", "Q", "Is", "kst Sohle", "kst links", "kst rechts", "b", "hp", "Ufer links", "Ufer rechts"},
            {{"G1", "500", "2", "30", "30", "30", "100", "100", "45", "45"}});
        QCOMPARE(ReadFile(Path("out.csv")),
                 QByteArray::fromStdString(CsvText(expected, CalculateList(expected, {}, 1), GermanCsv)));
        QCOMPARE(list.rows.size(), std::size_t{1});
    }

    void closingWithChangesAsks()
    {
        WriteFile(Path("netz.csv"), "Haltung;d;kb;Is\r\nH1;300;1,5;5\r\n");
        QVERIFY(window_->ImportCsv(Path("netz.csv")));
        QVERIFY(window_->isWindowModified());
        QString box;
        AnswerMessageBox(QMessageBox::Cancel, &box);
        QVERIFY(!window_->close());
        QCOMPARE(box, QString("SaveQuestion"));
        QVERIFY(window_->isVisible());
        AnswerMessageBox(QMessageBox::Discard, &box);
        QVERIFY(window_->close());
        QVERIFY(!window_->isVisible());
    }

    void saveAndReopenGiveTheTextsAsTyped()
    {
        WriteFile(Path("netz.csv"),
                  "Haltung;d;kb;Is;Q;Bemerkung\r\nH1;300;1,5;5;40;Schacht 3\r\nH2; 300 ;abc;5,;;\r\n");
        QVERIFY(window_->ImportCsv(Path("netz.csv")));
        QTableView* circles = Table(*window_, TReachKind::Circle);
        TypeCell(circles, 1, 4, "12,50");
        const auto texts = [&](QTableView* view) {
            QStringList all;
            for (int r = 0; r < view->model()->rowCount(); ++r)
                for (int c = 0; c < view->model()->columnCount(); ++c)
                    all << Cell(view, r, c) << CellData(view, r, c, Qt::ToolTipRole).toString();
            return all;
        };
        const QStringList before = texts(circles);
        window_->SetFileChooser([&](TFileQuestion question, const QString&) {
            return question == TFileQuestion::SaveProject ? Path("netz") : QString();
        });
        Trigger(*window_, "SaveAction");  // unnamed: asks for a name, adds the extension
        QVERIFY(QFile::exists(Path("netz.fluvara")));
        QVERIFY(!window_->isWindowModified());
        QCOMPARE(window_->windowTitle(), QString("netz.fluvara[*] – Haltungsliste – FLUVARA"));

        TReachListWindow reopened(printing_);
        QVERIFY(reopened.OpenProject(Path("netz.fluvara")));
        QCOMPARE(texts(Table(reopened, TReachKind::Circle)), before);
        QCOMPARE(Cell(Table(reopened, TReachKind::Circle), 1, 1), QString(" 300 "));
        QCOMPARE(Table(reopened, TReachKind::Circle)->model()->headerData(5, Qt::Horizontal).toString(),
                 QString("Bemerkung"));
        QVERIFY(!reopened.isWindowModified());
        QCOMPARE(QSettings(QSettings::NativeFormat, QSettings::UserScope, "ko_lut", "fluvara")
                     .value("Haltungsliste/ZuletztGeoeffnet")
                     .toStringList()
                     .value(0),
                 QFileInfo(Path("netz.fluvara")).absoluteFilePath());
    }

    void openingAnotherProjectAsksBeforeChangesAreLost()
    {
        QVERIFY(window_->SaveProject(Path("leer.fluvara")));
        WriteFile(Path("netz.csv"), "Haltung;d;kb;Is\r\nH1;300;1,5;5\r\n");
        QVERIFY(window_->ImportCsv(Path("netz.csv")));
        bool chosen = false;
        window_->SetFileChooser([&](TFileQuestion, const QString&) {
            chosen = true;
            return Path("leer.fluvara");
        });
        QString box;
        AnswerMessageBox(QMessageBox::Cancel, &box);
        Trigger(*window_, "OpenAction");
        QCOMPARE(box, QString("SaveQuestion"));
        QVERIFY(!chosen);
        QCOMPARE(Table(*window_, TReachKind::Circle)->model()->rowCount(), 1);
        AnswerMessageBox(QMessageBox::Discard, &box);
        Trigger(*window_, "OpenAction");
        QVERIFY(chosen);
        QCOMPARE(Table(*window_, TReachKind::Circle)->model()->rowCount(), 0);
        QVERIFY(!window_->isWindowModified());
    }

    void aDamagedProjectIsRefusedWithItsMessage()
    {
        WriteFile(Path("kaputt.fluvara"), "{\"format\": \"fluvara-haltungen\", \"version\": 1, \"kreis");
        QString box;
        AnswerMessageBox(QMessageBox::Ok, &box);
        QVERIFY(!window_->OpenProject(Path("kaputt.fluvara")));
        QCOMPARE(box, QString("ListMessage"));
        QCOMPARE(window_->FilePath(), QString());
    }

    void aCrashLeavesARecoveryCopyThatTheNextStartOffers()
    {
        window_->SetRecoveryDelay(10);
        WriteFile(Path("netz.csv"), "Haltung;d;kb;Is\r\nH1;300;1,5;5\r\n");
        QVERIFY(window_->ImportCsv(Path("netz.csv")));
        TypeCell(Table(*window_, TReachKind::Circle), 0, 0, "Nach dem Absturz");
        QTRY_VERIFY(TReachListWindow::RecoveryCopyWaiting());
        QTRY_VERIFY(QFileInfo(TReachListWindow::RecoveryPath()).size() > 0);
        // the crash: the window goes without being closed or asked
        window_.reset();
        QVERIFY(TReachListWindow::RecoveryCopyWaiting());

        window_ = std::make_unique<TReachListWindow>(printing_);
        window_->show();
        QString box;
        AnswerMessageBox(QMessageBox::Yes, &box);
        QVERIFY(window_->OfferRecoveryCopy());
        QCOMPARE(box, QString("RecoveryQuestion"));
        QTableView* circles = Table(*window_, TReachKind::Circle);
        QCOMPARE(Cell(circles, 0, 0), QString("Nach dem Absturz"));
        QCOMPARE(Cell(circles, 0, 5), QString("69,12"));  // Qv after the four columns read
        QVERIFY(window_->isWindowModified());             // still to be saved
        QCOMPARE(window_->FilePath(), QString());
        // saved: the copy is gone
        QVERIFY(window_->SaveProject(Path("gerettet.fluvara")));
        QVERIFY(!TReachListWindow::RecoveryCopyWaiting());
    }

    void exportsAWorkbook()
    {
        WriteFile(Path("netz.csv"), "Haltung;d;kb;Is\r\nH1;300;1,5;5\r\n");
        QVERIFY(window_->ImportCsv(Path("netz.csv")));
        QVERIFY(window_->ExportXlsx(Path("netz.xlsx")));
        QVERIFY(ReadFile(Path("netz.xlsx")).startsWith("PK"));
    }

    void printsAThreePageListAsPdf()
    {
        TReachList list = EmptyList(TReachKind::Circle);
        for (int i = 0; i < 130; ++i)
            list.rows.push_back(CircleRow(("R" + std::to_string(1000 + i)).c_str(), std::to_string(200 + i).c_str(),
                                          "1,5", "5", i % 10 == 0 ? "400" : "20"));
        list.rows[7][CircleKb] = "abc";
        window_->Model(TReachKind::Circle).ReplaceList(std::move(list));
        window_->SetHeaderLine("Ingenieurbüro Muster");
        QVERIFY(window_->SavePdf(Path("liste.pdf")));
        QCOMPARE(QDir(dir_.path()).entryList({"liste*"}), QStringList({"liste.pdf"}));  // nothing left beside it
        QCOMPARE(PdfPages(Path("liste.pdf")), 3);
        QString all;
        for (int page = 1; page <= 3; ++page) {
            const QString text = PdfText(Path("liste.pdf"), page);
            QVERIFY(text.contains("Ingenieurbüro Muster"));
            QVERIFY(text.contains("Haltungsliste Kreisprofile"));
            QVERIFY(text.contains("lichte Weite") && text.contains("Qt/Qv") && text.contains("Status"));
            QVERIFY(text.contains(QString("Seite %1 von 3").arg(page)));
            QVERIFY(text.contains(QDate::currentDate().toString("dd.MM.yyyy")));
            all += text;
        }
        for (int i = 0; i < 130; ++i)
            QCOMPARE(all.count(QString("R%1").arg(1000 + i)), 1);
        QVERIFY(all.contains("berechnet") && all.contains("überlastet"));
    }

    void everyFileFollowsTheRule_data()
    {
        QTest::addColumn<QString>("writer");
        for (const char* writer : {"project", "csv", "xlsx", "pdf"})
            QTest::newRow(writer) << writer;
    }

    // Project, CSV, workbook and PDF: a link is followed and kept with its
    // file's mode, a folder is refused with a message and left as it was.
    void everyFileFollowsTheRule()
    {
        QFETCH(QString, writer);
        window_->Model(TReachKind::Circle)
            .ReplaceList(MakeList({"Haltung", "d", "kb", "Is"}, {{"P1", "300", "1,5", "5"}}));
        const auto write = [&](const QString& path) {
            if (writer == "project")
                return window_->SaveProject(path);
            if (writer == "csv")
                return window_->ExportCsv(path);
            if (writer == "xlsx")
                return window_->ExportXlsx(path);
            return window_->SavePdf(path);
        };
        QTemporaryDir dir;
        const QString file = dir.filePath("echt");
        WriteFile(file, "alt");
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser));
        QVERIFY(QFile::link("echt", dir.filePath("ziel")));
        QVERIFY(write(dir.filePath("ziel")));
        QVERIFY(QFileInfo(dir.filePath("ziel")).isSymLink());
        QVERIFY(ReadFile(file).size() > 10);
        QCOMPARE(ModeOf(file), 0600);

        QVERIFY(QDir(dir.path()).mkdir("ordner"));
        QString box;
        AnswerMessageBox(QMessageBox::Ok, &box);
        QVERIFY(!write(dir.filePath("ordner")));
        QCOMPARE(box, QString("ListMessage"));
        QVERIFY(QFileInfo(dir.filePath("ordner")).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 (QStringList{"echt", "ordner", "ziel"}));
    }

    // A discharge beyond any ratio to the full flow: the row is refused in the
    // window and in every file, with no "inf" anywhere.
    void noInfiniteTextInTheListOrItsFiles()
    {
        window_->Model(TReachKind::Circle)
            .ReplaceList(MakeList({"Haltung", "d", "kb", "Is", "Q"}, {{"H1", "100", "0,25", "0,1", "0,5"}}));
        QTableView* view = Table(*window_, TReachKind::Circle);
        TypeCell(view, 0, 4, QString::fromStdString("2" + std::string(306, '0')));
        const int status = view->model()->columnCount() - 1;
        QCOMPARE(Cell(view, 0, status), QString("Rechenfehler: Ergebnis ist nicht endlich"));
        for (int c = 0; c < view->model()->columnCount(); ++c)
            QVERIFY2(!HoldsNonFinite(Cell(view, 0, c)), qPrintable(Cell(view, 0, c)));
        QTemporaryDir dir;
        QVERIFY(window_->ExportCsv(dir.filePath("aus.csv")));
        QVERIFY(window_->ExportXlsx(dir.filePath("aus.xlsx")));
        QVERIFY(window_->SavePdf(dir.filePath("aus.pdf")));
        const QString texts[] = {QString::fromUtf8(ReadFile(dir.filePath("aus.csv"))),
                                 QString::fromUtf8(ZipEntry(dir.filePath("aus.xlsx"), "xl/worksheets/sheet1.xml")),
                                 PdfText(dir.filePath("aus.pdf"), 1)};
        for (const QString& text : texts) {
            QVERIFY2(text.contains("Rechenfehler: Ergebnis ist nicht endlich"), qPrintable(text));
            QVERIFY2(!HoldsNonFinite(text), qPrintable(text));
        }
    }

    void printGoesThroughThePrinterDialog()
    {
        window_->Model(TReachKind::Circle)
            .ReplaceList(MakeList({"Haltung", "d", "kb", "Is"}, {{"P1", "300", "1,5", "5"}}));
        bool asked = false;
        printing_.SetPrintTarget([&](QPrinter& printer) {
            asked = true;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(Path("gedruckt.pdf"));
            return true;
        });
        Trigger(*window_, "PrintAction");
        QVERIFY(asked);
        QVERIFY(PdfText(Path("gedruckt.pdf"), 1).contains("P1"));
        QVERIFY(PdfText(Path("gedruckt.pdf"), 1).contains("69,12"));
    }
};

QTEST_MAIN(ReachListFilesTest)
#include "reach_list_files_test.moc"
