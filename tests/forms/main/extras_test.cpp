// The main window's menu "&Extras": the curve windows following their pages,
// the preview and the PDF file of the report of the page in front.

#include "outputdriver.h"
#include "windowtest.h"

#include "ChartExport.h"
#include "ChartView.h"
#include "CurveWindow.h"
#include "Main.h"
#include "PartialFillingChart.h"
#include "RatingCurveChart.h"
#include "ResultOutput.h"

#include <QAbstractButton>
#include <QChart>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace fluvara;
using namespace fluvara::test;

namespace {

void Trigger(TRunningProgram& program, const char* item) { Find<QAction>(&program.Main(), item)->trigger(); }

// The message the next information box shows; the box is closed.
void NextMessage(QString& message)
{
    WhenModal<QMessageBox>([&message](QMessageBox* box) {
        message = box->text();
        box->accept();
    });
}

QXYSeries* Series(QWidget* window, const QString& name)
{
    for (QAbstractSeries* series : Find<QChartView>(window, "ChartView")->chart()->series())
        if (series->name() == name)
            return qobject_cast<QXYSeries*>(series);
    qFatal("no series %s", qPrintable(name));
}

QString ChartTitle(QWidget* window) { return Find<QChartView>(window, "ChartView")->chart()->title(); }

void ShowPage(TRunningProgram& program, int index)
{
    Find<QTabWidget>(&program.Main(), "PageControl1")->setCurrentIndex(index);
}

}  // namespace

class ExtrasTest : public QObject {
    Q_OBJECT
private slots:
    void menuEntries();
    void curvesNeedACalculation_data();
    void curvesNeedACalculation();
    void partialFillingCurvesFollowThePage();
    void ratingCurveFollowsThePage();
    void chartPrintedOnTheRunsPrinter();
    void previewOfThePageInFront();
    void noReportOnTheDesignPage();
    void pdfExportHoldsThePrintoutsText_data();
    void pdfExportHoldsThePrintoutsText();
    void previewAfterAPrintIntoAFileWritesNothing();
    void filesFollowLinksAndKeepModes_data();
    void filesFollowLinksAndKeepModes();
};

void ExtrasTest::menuEntries()
{
    TRunningProgram program;
    const QList<QAction*> menus = program.Main().menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QString::fromUtf8("&Menü"));
    QCOMPARE(menus[0]->menu()->actions().size(), 2);
    QCOMPARE(menus[1]->text(), QString("&Extras"));
    QStringList entries;
    for (QAction* action : program.Main().ExtrasMenu().actions())
        entries << action->text();
    QCOMPARE(entries,
             (QStringList{QString::fromUtf8("&Haltungsliste…"), QString::fromUtf8("&Teilfüllungskurven…"),
                          QString::fromUtf8("&Abflusskurve…"), QString::fromUtf8("&Druckvorschau…"),
                          QString::fromUtf8("Als &PDF speichern…")}));
}

void ExtrasTest::curvesNeedACalculation_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("message");
    QTest::newRow("partial filling") << "CurvesItem"
                                     << QString::fromUtf8(
                                            "Teilfüllungskurven: bitte zuerst die Vollfüllung berechnen.");
    QTest::newRow("rating curve") << "RatingCurveItem"
                                  << QString::fromUtf8("Abflusskurve: bitte zuerst das Gerinne berechnen.");
    QTest::newRow("preview") << "PreviewItem" << QString::fromUtf8("Noch kein Bericht: bitte zuerst berechnen.");
    QTest::newRow("pdf") << "PdfItem" << QString::fromUtf8("Noch kein Bericht: bitte zuerst berechnen.");
}

void ExtrasTest::curvesNeedACalculation()
{
    QFETCH(QString, item);
    QFETCH(QString, message);
    TRunningProgram program;
    QString shown;
    NextMessage(shown);
    Trigger(program, qPrintable(item));
    QCOMPARE(shown, message);
    QVERIFY(!program.Main().findChild<TCurveWindow*>());
}

void ExtrasTest::partialFillingCurvesFollowThePage()
{
    TRunningProgram program;
    FullFlow(program);
    Trigger(program, "CurvesItem");
    auto* window = Find<TPartialFillingForm>(&program.Main(), "PartialFillingForm");
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(ChartTitle(window).contains("l.W. = 300.00 mm, Qv = 69.12 l/s"));
    QCOMPARE(Series(window, QString::fromUtf8("Teilfüllung"))->count(), 0);

    // a partial-flow run marks its point
    TypeInto(VerificationPage(program), "QtEdit", "40");
    Click(VerificationPage(program), "OKBtn2");
    QXYSeries* mark = Series(window, QString::fromUtf8("Teilfüllung"));
    QCOMPARE(mark->count(), 2);
    QCOMPARE(QString::number(mark->at(0).x(), 'f', 1), Text(VerificationPage(program), "htvLabel").trimmed());

    // a new full flow of another pipe: new curves, no mark
    TypeInto(VerificationPage(program), "DNEdit", "1000");
    Click(VerificationPage(program), "OKBtn1");
    QVERIFY(ChartTitle(window).contains("l.W. = 1000.00 mm"));
    QCOMPARE(mark->count(), 0);

    // the clear button takes the pipe away
    Click(VerificationPage(program), "RadierBtn1");
    QCOMPARE(ChartTitle(window), QString::fromUtf8("Teilfüllungskurven: keine Vollfüllung berechnet"));
}

void ExtrasTest::ratingCurveFollowsThePage()
{
    TRunningProgram program;
    CalculateChannel(program);
    Trigger(program, "RatingCurveItem");
    auto* window = Find<TRatingCurveForm>(&program.Main(), "RatingCurveForm");
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QXYSeries* mark = Series(window, "Berechnung");
    QCOMPARE(mark->at(0).x(), 500.0);
    QCOMPARE(QString::number(mark->at(0).y(), 'f', 1), Text(ChannelPage(program), "GFtLabel").trimmed());
    QCOMPARE(QString::number(mark->at(1).y(), 'f', 1), Text(ChannelPage(program), "GhgrLabel").trimmed());

    TypeInto(ChannelPage(program), "GQEdit", "800");
    Click(ChannelPage(program), "GFtBtn");
    QCOMPARE(mark->at(0).x(), 800.0);
    QCOMPARE(QString::number(mark->at(0).y(), 'f', 1), Text(ChannelPage(program), "GFtLabel").trimmed());

    Click(ChannelPage(program), "RadiBtn3");
    QCOMPARE(ChartTitle(window), QString::fromUtf8("Abflusskurve: kein Gerinne berechnet"));
}

void ExtrasTest::chartPrintedOnTheRunsPrinter()
{
    TRunningProgram program(QString::fromUtf8("Ingenieurbüro Muster"));
    FullFlow(program);
    Trigger(program, "CurvesItem");
    auto* window = Find<TPartialFillingForm>(&program.Main(), "PartialFillingForm");
    QTemporaryDir dir;
    const QString path = dir.filePath("kurven.pdf");
    TPdfTarget target(program.Printing(), path);
    Click(window, "PrintBtn");
    QCOMPARE(target.asked, 1);
    const QString text = PdfText(path);
    QVERIFY2(text.startsWith(QString::fromUtf8("Ingenieurbüro Muster")), qPrintable(text));
    QVERIFY2(text.contains(QString::fromUtf8("Füllhöhe h/d [%]")), qPrintable(text));
    QVERIFY2(text.contains(QDate::currentDate().toString("dd.MM.yyyy")), qPrintable(text));
}

void ExtrasTest::previewOfThePageInFront()
{
    TRunningProgram program;
    CalculateChannel(program);
    int pages = -1;
    QString title;
    WhenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        title = preview->windowTitle();
        pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        preview->reject();
    });
    Trigger(program, "PreviewItem");
    QCOMPARE(title, QString::fromUtf8("Druckvorschau: Gerinne"));
    QCOMPARE(pages, 1);
}

void ExtrasTest::noReportOnTheDesignPage()
{
    TRunningProgram program;
    FullFlow(program);
    ShowPage(program, 1);
    QString shown;
    NextMessage(shown);
    Trigger(program, "PreviewItem");
    QCOMPARE(shown, QString::fromUtf8("Berichte gibt es für die Seiten „Kreisprofil Nachw.“ und „Gerinne Bem.“."));
}

void ExtrasTest::pdfExportHoldsThePrintoutsText_data()
{
    QTest::addColumn<bool>("channel");
    QTest::addColumn<QString>("titleButton");
    QTest::addColumn<QStringList>("titleFields");
    QTest::newRow("verification") << false << "NBemBBtn" << QStringList{"NBemEdit1", "NBemEdit2", "NSEdit"};
    QTest::newRow("channel") << true << "GBemBBtn" << QStringList{"GBemEdit1", "GBemEdit2", "GSEdit"};
}

// The file holds what the printout prints, page for page, and is offered
// under the names of its titles.
void ExtrasTest::pdfExportHoldsThePrintoutsText()
{
    QFETCH(bool, channel);
    QFETCH(QString, titleButton);
    QFETCH(QStringList, titleFields);
    TRunningProgram program(QString::fromUtf8("Ingenieurbüro Muster"));
    QWidget* page = channel ? ChannelPage(program) : VerificationPage(program);
    if (channel) {
        CalculateChannel(program);
    } else {
        FullFlow(program);
        TypeInto(page, "QtEdit", "40");
        Click(page, "OKBtn2");
    }
    QTemporaryDir dir;
    const QString printed = dir.filePath("gedruckt.pdf");
    {
        TPdfTarget target(program.Printing(), printed);
        AnswerTitleDialog(titleButton, titleFields, {"Kanal Nord", "Haltung 12/13", "7"});
        Click(page, channel ? "GDruSBtn" : "NDruSBtn");
    }

    QString offered;
    // The dialog opens where the last file went.
    LastChartFolder() = dir.path();
    AnswerTitleDialog(titleButton, {}, {}, [&] {
        WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            QCOMPARE(dialog->objectName(), QString("SaveReportDialog"));
            offered = dialog->selectedFiles().value(0);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    });
    Trigger(program, "PdfItem");
    QCOMPARE(offered, dir.filePath("Kanal Nord - Haltung 12_13.pdf"));
    const QString exported = PdfText(offered);
    QVERIFY(exported.contains("Kanal Nord"));
    QCOMPARE(exported, PdfText(printed));
    // nothing half-written stays beside it
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// The preview draws on a printer of its own: the PDF file the last print
// went into is neither written nor reported.
void ExtrasTest::previewAfterAPrintIntoAFileWritesNothing()
{
    TRunningProgram program;
    FullFlow(program);
    QTemporaryDir dir;
    const QString path = dir.filePath("x.pdf");
    {
        TPdfTarget target(program.Printing(), path);
        AnswerTitleDialog("NBemBBtn", {}, {});
        Click(VerificationPage(program), "NDruSBtn");
    }
    QFile printed(path);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    const QByteArray bytes = printed.readAll();
    printed.close();
    QVERIFY(bytes.startsWith("%PDF"));

    QStringList messages;
    int pages = -1;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            box->accept();
        } else if (auto* preview = qobject_cast<QPrintPreviewDialog*>(modal); preview && preview->isVisible()) {
            pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            preview->reject();
        }
    });
    answer.start(10);
    Trigger(program, "PreviewItem");
    answer.stop();
    QCOMPARE(messages, QStringList());
    QCOMPARE(pages, 1);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QCOMPARE(printed.readAll(), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"x.pdf"});
}

void ExtrasTest::filesFollowLinksAndKeepModes_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("before");  // what stands at the chosen name
    QTest::addColumn<int>("mode");        // of the file written
    for (const char* writer : {"report pdf", "chart png", "chart svg"}) {
        QTest::addRow("%s, new file", writer) << writer << "" << 0644;
        QTest::addRow("%s, file 0644", writer) << writer << "file 0644" << 0644;
        QTest::addRow("%s, file 0600", writer) << writer << "file 0600" << 0600;
        QTest::addRow("%s, link to a file 0640", writer) << writer << "link" << 0640;
    }
}

// The report's PDF (through the menu and its file dialog) and the chart
// files: a link is followed and kept, an existing file keeps its mode, a new
// one gets the umask's.
void ExtrasTest::filesFollowLinksAndKeepModes()
{
    QFETCH(QString, writer);
    QFETCH(QString, before);
    QFETCH(int, mode);
    const mode_t mask = ::umask(022);
    TRunningProgram program;
    FullFlow(program);
    QTemporaryDir dir;
    const QString suffix = writer.right(3);
    // The report's file under the name the dialog offers (no titles typed).
    const QString chosen = dir.filePath(writer == "report pdf" ? "Kreisprofil.pdf" : "ausgabe." + suffix);
    QString written = chosen;
    if (before.startsWith("file")) {
        QFile old(chosen);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("alt");
        old.close();
        ::chmod(QFile::encodeName(chosen).constData(), before.endsWith("0600") ? 0600 : 0644);
    } else if (before == "link") {
        written = dir.filePath("echt." + suffix);
        QFile old(written);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        ::chmod(QFile::encodeName(written).constData(), 0640);
        QVERIFY(QFile::link("echt." + suffix, chosen));
    }
    QString offered;
    if (writer == "report pdf") {
        LastChartFolder() = dir.path();
        AnswerTitleDialog("NBemBBtn", {}, {}, [&] {
            WhenModal<QFileDialog>([&](QFileDialog* dialog) {
                // The dialog asks before an existing file is replaced.
                if (!before.isEmpty())
                    WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
                offered = dialog->selectedFiles().value(0);
                QMetaObject::invokeMethod(dialog, "accept");
            });
        });
        Trigger(program, "PdfItem");
        QCOMPARE(offered, chosen);
    } else {
        Trigger(program, "CurvesItem");
        auto* window = Find<TPartialFillingForm>(&program.Main(), "PartialFillingForm");
        QCOMPARE(SaveChart(*Find<QChartView>(window, "ChartView")->chart(), chosen), QString());
    }
    ::umask(mask);
    QFile file(written);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray start = file.read(5);
    QVERIFY2(start == "%PDF-" || start == "\x89PNG\r" || start == "<?xml", start.constData());
    struct stat st { };
    QCOMPARE(::stat(QFile::encodeName(written).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), mode);
    QCOMPARE(QFileInfo(chosen).isSymLink(), before == "link");
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(),
             before == "link" ? 2 : 1);
}

QTEST_MAIN(ExtrasTest)
#include "extras_test.moc"
