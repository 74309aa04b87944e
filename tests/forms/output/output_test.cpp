#include "outputdriver.h"
#include "writelimits.h"
#include "windowtest.h"

#include "Main.h"
#include "ResultOutput.h"
#include "VerificationPage.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

#include <sys/resource.h>

using namespace fluvara;
using namespace fluvara::test;

namespace {

QString Lines(std::initializer_list<const char*> lines)
{
    QString text;
    for (const char* line : lines)
        text += "   " + QString::fromUtf8(line) + "\r\n";
    return text;
}

const QString FullFlowCopy = Lines({
    "------------------------------------------- ",
    " Abflußwerte Kreisprofil                     ",
    "------------------------------------------- ",
    " Innendurchmesser       d   =  300.00 mm     ",
    " lichte Weite          l.W. =  300.00 mm     ",
    " Betriebsrauhigkeit     kb  =    1.50 mm     ",
    " Gefälle                Is  =    5.00 o/oo   ",
    "------------------------------------------- ",
    " Abflußmenge Vollfüll.  Qv  =   69.12 l/s    ",
    " Geschwindig.Vollfüll.  Vv  =    0.98 m/s    ",
    "------------------------------------------- ",
    "",
    "",
    "",
    "",
    "",
    "",
});

const char* const HeaderLine = "Ingenieurbüro Muster";

// Whether the PDF's text holds the words of expected in this order.
bool Printed(const QString& pdfText, const char* expected)
{
    return pdfText.contains(QString::fromUtf8(expected).simplified());
}

QString Today() { return QDate::currentDate().toString("dd.MM.yyyy"); }

// Closes the open message box; its text.
QString AnswerMessageBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return "(no message box)";
    const QString text = box->text();
    box->accept();
    return text;
}

}  // namespace

class OutputTest : public QObject {
    Q_OBJECT
private slots:
    void viewerIsEmptyBeforeTheFirstCopy();
    void copyAfterFullFlow();
    void channelCopy();
    void printCircleReport();
    void printChannelReport();
    void cancelledPrinterDialogPrintsNothing();
    void failedPrintJobIsReported();
    void failedWriteIsReportedAndOldFileStays_data();
    void failedWriteIsReportedAndOldFileStays();
    void printerSettingsCarryOver();
    void renderPrintsWithoutAsking();
};

QString ViewerText(TRunningProgram& program)
{
    QString shown;
    QTimer::singleShot(0, [&] {
        QWidget* viewer = QApplication::activeModalWidget();
        QVERIFY(viewer);
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        shown = Find<QPlainTextEdit>(viewer, "ClipREdit")->toPlainText();
        Click(viewer, "CloseBtn");
    });
    Click(&program.Main(), "SpClipfrageBtn");
    return shown;
}

void OutputTest::viewerIsEmptyBeforeTheFirstCopy()
{
    TRunningProgram program;
    QGuiApplication::clipboard()->setText("aus einem anderen Programm");
    QCOMPARE(ViewerText(program), QString());
}

void OutputTest::copyAfterFullFlow()
{
    TRunningProgram program;
    FullFlow(program);
    Click(VerificationPage(program), "NClipBtn");
    QCOMPARE(QGuiApplication::clipboard()->text(), FullFlowCopy);
    QCOMPARE(program.Main().Memo1().toPlainText(), QString(FullFlowCopy).replace("\r\n", "\n"));

    // the viewer shows what this program copied, not what is on the clipboard now
    QGuiApplication::clipboard()->setText("aus einem anderen Programm");
    QCOMPARE(ViewerText(program), QString(FullFlowCopy).replace("\r\n", "\n"));
}

void OutputTest::channelCopy()
{
    TRunningProgram program;
    CalculateChannel(program);
    Click(ChannelPage(program), "GClipBtn");
    const QString copy = QGuiApplication::clipboard()->text();
    QCOMPARE(copy.count("\r\n"), 22);
    QVERIFY2(copy.startsWith(Lines({"------------------------------------------- ", "Abflußwerte Gerinne"})),
             qPrintable(copy));
    QVERIFY2(copy.endsWith(Lines({"Profilbreite gesamt    bp  =   300.00 cm     "})), qPrintable(copy));
    QVERIFY(!copy.contains(QString::fromUtf8("strömend")));
    QCOMPARE(program.Main().Memo1().toPlainText(), QString(copy).replace("\r\n", "\n"));
}

void OutputTest::printCircleReport()
{
    TRunningProgram program(QString::fromUtf8(HeaderLine));
    FullFlow(program);
    TypeInto(VerificationPage(program), "QtEdit", "40");
    Click(VerificationPage(program), "OKBtn2");
    QTemporaryDir dir;
    const QString path = dir.filePath("kreisprofil.pdf");
    TPdfTarget target(program.Printing(), path);
    AnswerTitleDialog("NBemBBtn", {"NBemEdit1", "NBemEdit2", "NSEdit"},
                      {"Kanal Nord", QString::fromUtf8("Haltung 12 bis 13, Prüfung"), "7"});
    Click(VerificationPage(program), "NDruSBtn");
    QCOMPARE(target.asked, 1);
    QVERIFY(QFile::exists(path));
    QVERIFY(QFile(path).size() > 1000);

    const QString text = PdfText(path);
    if (text.isEmpty())
        QSKIP("pdftotext is not installed; the report's text is not checked");
    // in the order of the page: header, titles, lines, drawing labels, footer, page number
    const char* const expected = "Ingenieurbüro Muster Kanal Nord Haltung 12 bis 13, Prüfung "
                                 "------------------------------------------- Abflußwerte Kreisprofil "
                                 "------------------------------------------- "
                                 "Innendurchmesser d = 300.00 mm lichte Weite l.W. = 300.00 mm "
                                 "Betriebsrauhigkeit kb = 1.50 mm Gefälle Is = 5.00 o/oo "
                                 "------------------------------------------- "
                                 "Abflußmenge Vollfüll. Qv = 69.12 l/s Geschwindig.Vollfüll. Vv = 0.98 m/s "
                                 "------------------------------------------- "
                                 "Abflußmenge Teilfüll. Qt = 40.00 l/s Füllhöhe h = 16.40 cm "
                                 "Verhältnis h/d = 54.67 o/o Verhältnis Qt/Qv = 57.87 o/o "
                                 "Geschwindig.Teilfüll. Vt = 1.01 m/s "
                                 "------------------------------------------- "
                                 "30.0 16.4 [cm] FLUVARA";
    QVERIFY2(Printed(text, expected), qPrintable(text));
    QVERIFY2(text.endsWith(Today() + " 7"), qPrintable(text));
}

void OutputTest::printChannelReport()
{
    TRunningProgram program(QString::fromUtf8(HeaderLine));
    CalculateChannel(program);
    QTemporaryDir dir;
    const QString path = dir.filePath("gerinne.pdf");
    TPdfTarget target(program.Printing(), path);
    AnswerTitleDialog("GBemBBtn", {"GBemEdit1", "GBemEdit2", "GSEdit"}, {"Graben West", "Abschnitt 3", "12"});
    Click(ChannelPage(program), "GDruSBtn");
    QVERIFY(QFile::exists(path));

    const QString text = PdfText(path);
    if (text.isEmpty())
        QSKIP("pdftotext is not installed; the report's text is not checked");
    for (const char* expected :
         {"Ingenieurbüro Muster Graben West Abschnitt 3 Abflußwerte Gerinne", "Durchflußmenge Q = 500.00 l/s",
          "Fließtiefe h = 52.2", "Wasserspiegelbreite b-wsp", "[cm]", "12"})
        QVERIFY2(Printed(text, expected), qPrintable(text));
    // line 21 and the regime are not printed
    QVERIFY(!text.contains("Profilbreite gesamt"));
    QVERIFY(!text.contains(QString::fromUtf8("strömend")));
    QVERIFY(text.contains(Today()));
}

void OutputTest::cancelledPrinterDialogPrintsNothing()
{
    TRunningProgram program;
    FullFlow(program);
    QTemporaryDir dir;
    const QString path = dir.filePath("kreisprofil.pdf");
    TPdfTarget target(program.Printing(), path, false);
    // closing the title dialog with its close box still leads to the printer dialog
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        dialog->close();
    });
    Click(VerificationPage(program), "NDruSBtn");
    QCOMPARE(target.asked, 1);
    QVERIFY(!QFile::exists(path));
}

void OutputTest::failedPrintJobIsReported()
{
    TRunningProgram program;
    FullFlow(program);
    TPdfTarget target(program.Printing(), "/nonexistent-folder/kreisprofil.pdf");
    QString message;
    AnswerTitleDialog("NBemBBtn", {}, {}, [&] { message = AnswerMessageBox(); });
    Click(VerificationPage(program), "NDruSBtn");
    QCOMPARE(message, QString("Der Druckauftrag konnte nicht begonnen werden: Den Ordner gibt es nicht."));
    // the program goes on
    Click(VerificationPage(program), "NClipBtn");
    QCOMPARE(QGuiApplication::clipboard()->text(), FullFlowCopy);
}

void OutputTest::failedWriteIsReportedAndOldFileStays_data()
{
    QTest::addColumn<bool>("fullDevice");
    QTest::newRow("file-size limit") << false;
    QTest::newRow("full device") << true;
}

// The PDF engine's failed writes leave no half file and no silence.
void OutputTest::failedWriteIsReportedAndOldFileStays()
{
    QFETCH(bool, fullDevice);
    TRunningProgram program;
    FullFlow(program);
    QTemporaryDir dir;
    const QString path = dir.filePath("kreisprofil.pdf");
    if (fullDevice) {
        QVERIFY(QFile::link("/dev/full", path));
    } else {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("alter Ausdruck");
    }
    TPdfTarget target(program.Printing(), path);
    QString message;
    AnswerTitleDialog("NBemBBtn", {}, {}, [&] { message = AnswerMessageBox(); });
    {
        std::unique_ptr<TFileSizeLimit> limit;
        if (!fullDevice)
            limit = std::make_unique<TFileSizeLimit>(4096);
        Click(VerificationPage(program), "NDruSBtn");
    }
    QVERIFY2(message.contains(QString::fromUtf8("unvollständig")), qPrintable(message));
    QVERIFY2(message.contains(path), qPrintable(message));
    // the cause as the system gives it, in German
    QVERIFY2(message.contains(fullDevice ? "(Kein Speicherplatz mehr auf dem Datenträger)."
                                         : "(Die Datei wird größer, als erlaubt ist)."),
             qPrintable(message));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"kreisprofil.pdf"});
    if (fullDevice) {
        QCOMPARE(QFileInfo(path).symLinkTarget(), QString("/dev/full"));
    } else {
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("alter Ausdruck"));
    }
    // the program goes on, and the next print succeeds
    Click(VerificationPage(program), "NClipBtn");
    QCOMPARE(QGuiApplication::clipboard()->text(), FullFlowCopy);
    if (!fullDevice) {
        AnswerTitleDialog("NBemBBtn", {}, {});
        Click(VerificationPage(program), "NDruSBtn");
        QVERIFY(QFile(path).size() > 4096);
    }
}

// One printer for the run: what the printer dialog set for one printout is there for the next.
void OutputTest::printerSettingsCarryOver()
{
    TRunningProgram program;
    FullFlow(program);
    QTemporaryDir dir;
    std::vector<QPrinter*> printers;
    std::vector<int> copies;
    program.Printing().SetPrintTarget([&](QPrinter& printer) {
        printers.push_back(&printer);
        copies.push_back(printer.copyCount());
        printer.setCopyCount(2);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("kreisprofil.pdf"));
        return true;
    });
    for (int run = 0; run < 2; ++run) {
        AnswerTitleDialog("NBemBBtn", {}, {});
        Click(VerificationPage(program), "NDruSBtn");
    }
    CalculateChannel(program);
    AnswerTitleDialog("GBemBBtn", {}, {});
    Click(ChannelPage(program), "GDruSBtn");
    QCOMPARE(printers.size(), std::size_t(3));
    QCOMPARE(printers[1], printers[0]);
    QCOMPARE(printers[2], printers[0]);
    QCOMPARE(copies, (std::vector<int>{1, 2, 2}));
}

// A page rendered on a printer of the caller's, as a preview or a file would
// be, asks for nothing and carries the header line and the given titles.
void OutputTest::renderPrintsWithoutAsking()
{
    TRunningProgram program(QString::fromUtf8(HeaderLine));
    FullFlow(program);
    QTemporaryDir dir;
    const QString path = dir.filePath("vorschau.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QWidget* asked = nullptr;
    QTimer::singleShot(0, [&asked] {
        asked = QApplication::activeModalWidget();
        if (asked)
            asked->close();
    });
    program.Output().Render(printer, {"Kanal Nord", "Haltung 12", "3"}, program.VerificationPage().Printout());
    QCoreApplication::processEvents();
    QVERIFY(!asked);
    QVERIFY(QFile::exists(path));
    const QString text = PdfText(path);
    if (text.isEmpty())
        QSKIP("pdftotext is not installed; the page's text is not checked");
    QVERIFY2(Printed(text,
                     "Ingenieurbüro Muster Kanal Nord Haltung 12 "
                     "------------------------------------------- Abflußwerte Kreisprofil"),
             qPrintable(text));
    QVERIFY2(text.endsWith(Today() + " 3"), qPrintable(text));
}

QTEST_MAIN(OutputTest)
#include "output_test.moc"
