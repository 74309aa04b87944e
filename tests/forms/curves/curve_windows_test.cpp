// The two curve windows on their own: curves, marks, cursor readout, keys,
// following a new run, saving as PNG, SVG and PDF, printing.

#include "curvewindows.h"
#include "outputdriver.h"

#include "ChartView.h"
#include "PartialFillingChart.h"
#include "RatingCurveChart.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QValueAxis>
#include <QXYSeries>

#include <functional>

using namespace fluvara;
using namespace fluvara::test;

namespace {

// The texts written beside the marks.
QStringList Notes(const QWidget* window)
{
    QStringList notes;
    for (QGraphicsItem* item : ChartOf(window)->scene()->items())
        if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item); text && text->isVisible())
            notes << text->text();
    notes.sort();
    return notes;
}

QString AxisTitle(const QWidget* window, Qt::Orientation orientation)
{
    return ChartOf(window)->axes(orientation).first()->titleText();
}

// Answers the save dialog with path.
void AnswerSaveDialog(const QString& path)
{
    WhenModal<QFileDialog>([path](QFileDialog* dialog) {
        QCOMPARE(dialog->objectName(), QString("SaveChartDialog"));
        // The dialog leaves its name field alone while that has the focus,
        // which it gets once the dialog is active.
        if (QWidget* focus = dialog->focusWidget())
            focus->clearFocus();
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

QByteArray FileStart(const QString& path, int bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

}  // namespace

class CurveWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void partialFillingCurvesAndMarks();
    void partialFillingCursorReadout();
    void partialFillingFollowsANewRun();
    void ratingCurveAndMark();
    void ratingCurveCursorReadout();
    void saveAsPngSvgAndPdf_data();
    void saveAsPngSvgAndPdf();
    void saveRefusesAnUnknownKind();
    void startFolder_data();
    void startFolder();
    void saveStartsInAFolderThatExists();
    void printUnderTheHeaderLine();
    void escapeCloses();

private:
    TTestSettings settings_;
    TPrintService printing_;
};

void CurveWindowsTest::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils) is needed");
}

void CurveWindowsTest::partialFillingCurvesAndMarks()
{
    TPartialFillingForm window(printing_);
    ShowWindow(window);
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Teilfüllungskurven"));
    QCOMPARE(AxisTitle(&window, Qt::Horizontal), QString::fromUtf8("Füllhöhe h/d [%]"));
    QCOMPARE(AxisTitle(&window, Qt::Vertical), QString::fromUtf8("Qt/Qv und vt/vv [%]"));

    const TFullFlowPipe pipe = Pipe300();
    const TPartialFlowMark mark = Mark(pipe, 40);
    window.ShowPipe(pipe, mark);
    QCOMPARE(ChartOf(&window)->title(),
             QString::fromUtf8("Teilfüllungskurven  Kreisprofil l.W. = 300.00 mm, "
                               "Qv = 69.12 l/s, vv = 0.98 m/s"));
    // 201 steps of h/d, the maximum and the partial-flow point
    QCOMPARE(Series(&window, "Qt/Qv")->count(), 203);
    QCOMPARE(Series(&window, "vt/vv")->count(), 203);
    QXYSeries* marked = Series(&window, "Teilfüllung");
    QCOMPARE(marked->count(), 2);
    QCOMPARE(marked->at(0).x(), mark.result.hd);
    QVERIFY(Series(&window, "Qt/Qv")->points().contains(marked->at(0)));
    QVERIFY(Series(&window, "vt/vv")->points().contains(marked->at(1)));
    QCOMPARE(Series(&window, "größter Abfluss")->count(), 1);
    QCOMPARE(Notes(&window),
             (QStringList{"Qt = 40.00 l/s\nh/d = 54.7 %\nQt/Qv = 57.9 %",
                          QString::fromUtf8("größter Abfluss\nQt/Qv = 106.9 %\nh/d = 94.1 %"),
                          "vt = 1.01 m/s\nvt/vv = 103.5 %"}));
}

void CurveWindowsTest::partialFillingCursorReadout()
{
    TPartialFillingForm window(printing_);
    ShowWindow(window);
    window.ShowPipe(Pipe300(), std::nullopt);
    QChartView* view = Find<QChartView>(&window, "ChartView");
    const QPointF half = view->chart()->mapToPosition(QPointF(50, 60), view->chart()->series().first());
    QTest::mouseMove(view, view->mapFromScene(view->chart()->mapToScene(half)));
    const QString readout = Text(&window, "ReadoutLabel");
    QVERIFY2(readout.startsWith("h/d = "), qPrintable(readout));
    QVERIFY2(readout.contains("Qt/Qv = ") && readout.contains("vt/vv = "), qPrintable(readout));

    // The keys read the same values: the empty and the full pipe at the ends.
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(Text(&window, "ReadoutLabel"),
             QString::fromUtf8("h/d =  0.0 %    Qt/Qv =  0.0 % (0.00 l/s)    vt/vv =  0.0 % (0.00 m/s)"));
    // The segment formulas give the full pipe's discharge before Qv's cut to 69.12.
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(Text(&window, "ReadoutLabel"),
             QString::fromUtf8("h/d = 100.0 %    Qt/Qv = 100.0 % (69.13 l/s)    vt/vv = 100.0 % (0.98 m/s)"));
    QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
    QVERIFY(Text(&window, "ReadoutLabel").startsWith("h/d = 90.0 %"));
}

void CurveWindowsTest::partialFillingFollowsANewRun()
{
    TPartialFillingForm window(printing_);
    ShowWindow(window);
    const TFullFlowPipe pipe = Pipe300();
    window.ShowPipe(pipe, Mark(pipe, 40));
    window.ShowPipe(pipe, std::nullopt);  // a new full-flow run empties the partial results
    QCOMPARE(Series(&window, "Qt/Qv")->count(), 202);
    QCOMPARE(Series(&window, "Teilfüllung")->count(), 0);
    QCOMPARE(Notes(&window).size(), 1);

    const TCircleFullFlow other = CircleFullFlow(1000, 0.75, 2, false);
    const TFullFlowPipe bigger{other.dc, other.Qv, other.vv};
    window.ShowPipe(bigger, Mark(bigger, 1000));
    QVERIFY(ChartOf(&window)->title().contains("l.W. = 1000.00 mm, Qv = 1138.86 l/s"));
    QVERIFY(Notes(&window).first().startsWith("Qt = 1000.00 l/s"));

    window.ShowNoPipe();
    QCOMPARE(Series(&window, "Qt/Qv")->count(), 0);
    QCOMPARE(ChartOf(&window)->title(), QString::fromUtf8("Teilfüllungskurven: keine Vollfüllung berechnet"));
    QCOMPARE(Notes(&window), QStringList());
}

void CurveWindowsTest::ratingCurveAndMark()
{
    TRatingCurveForm window(printing_);
    ShowWindow(window);
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Abflusskurve"));
    QCOMPARE(AxisTitle(&window, Qt::Horizontal), QString::fromUtf8("Abfluss Q [l/s]"));
    QCOMPARE(AxisTitle(&window, Qt::Vertical), QString::fromUtf8("Tiefe h, hgr [cm]"));

    window.ShowChannel(Ditch, CalculateChannel(Ditch));
    QXYSeries* h = Series(&window, "Normalabflusstiefe h");
    QXYSeries* hgr = Series(&window, "Grenztiefe hgr");
    QCOMPARE(h->count(), 102);  // 101 steps to bankfull and the run's discharge
    QCOMPARE(h->at(0), QPointF(0, 0));
    QVERIFY(std::abs(h->at(h->count() - 1).y() - 100) <= 0.01);
    QCOMPARE(hgr->count(), 102);
    QCOMPARE(Series(&window, "Berechnung")->count(), 2);
    QVERIFY(h->points().contains(QPointF(500, CalculateChannel(Ditch).h)));
    QCOMPARE(Series(&window, "Profilhöhe hp")->at(0).y(), 100.0);
    QCOMPARE(Notes(&window),
             (QStringList{QString::fromUtf8("Q = 500.00 l/s\nh = 52.2 cm\nhgr = 26.9 cm\nströmend"),
                          "hp = 100.0 cm\nbordvoll bei Q = 1740 l/s"}));
    // both regions are named in the legend
    QStringList names;
    for (QAbstractSeries* series : ChartOf(&window)->series())
        names << series->name();
    QVERIFY(names.contains(QString::fromUtf8("strömend")));
    QVERIFY(names.contains(QString::fromUtf8("schießend")));

    window.ShowNoChannel();
    QCOMPARE(Series(&window, "Normalabflusstiefe h")->count(), 0);
}

void CurveWindowsTest::ratingCurveCursorReadout()
{
    TRatingCurveForm window(printing_);
    ShowWindow(window);
    TChannelInput input = Ditch;
    window.ShowChannel(input, CalculateChannel(input));
    auto* view = Find<TChartView>(&window, "ChartView");
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(Text(&window, "ReadoutLabel"), QString::fromUtf8("Q = 0.0 l/s    h =  0.0 cm    hgr =  0.0 cm"));
    // A cursor at 500 l/s reads the page's result.
    view->SetCursorValue(500);
    QCOMPARE(Text(&window, "ReadoutLabel"),
             QString::fromUtf8("Q = 500.0 l/s    h = 52.2 cm    hgr = 26.9 cm strömend"));
    // Follows a new run: a steeper slope, supercritical.
    input.Is = 50;
    window.ShowChannel(input, CalculateChannel(input));
    QVERIFY(Notes(&window).first().endsWith(QString::fromUtf8("schießend")));
}

void CurveWindowsTest::saveAsPngSvgAndPdf_data()
{
    QTest::addColumn<bool>("rating");
    QTest::addColumn<QString>("suffix");
    for (const char* suffix : {"png", "svg", "pdf"}) {
        QTest::addRow("partial filling %s", suffix) << false << QString(suffix);
        QTest::addRow("rating curve %s", suffix) << true << QString(suffix);
    }
}

void CurveWindowsTest::saveAsPngSvgAndPdf()
{
    QFETCH(bool, rating);
    QFETCH(QString, suffix);
    TExampleWindow example(rating);
    TCurveWindow* window = example.window;
    ShowWindow(*window);
    QTemporaryDir dir;
    const QString path = dir.filePath("kurve." + suffix);
    AnswerSaveDialog(path);
    Click(window, "SaveBtn");
    QVERIFY(QFile::exists(path));
    QVERIFY(QFile(path).size() > 1000);
    const QStringList titles{AxisTitle(window, Qt::Horizontal), AxisTitle(window, Qt::Vertical)};
    if (suffix == "png") {
        QCOMPARE(FileStart(path, 4), QByteArray("\x89PNG"));
    } else if (suffix == "svg") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        QVERIFY(svg.contains("<svg"));
        for (const QString& title : titles)
            QVERIFY2(svg.contains(title.toHtmlEscaped()), qPrintable(title));
    } else {
        QCOMPARE(FileStart(path, 5), QByteArray("%PDF-"));
        const QString text = PdfText(path);
        for (const QString& title : titles)
            QVERIFY2(text.contains(title), qPrintable(text));
    }
}

void CurveWindowsTest::saveRefusesAnUnknownKind()
{
    TPartialFillingForm window(printing_);
    window.ShowPipe(Pipe300(), std::nullopt);
    ShowWindow(window);
    QTemporaryDir dir;
    const QString path = dir.filePath("kurve.txt");
    QString message;
    AnswerSaveDialog(path);
    WhenModal<QMessageBox>([&message](QMessageBox* box) {
        message = box->text();
        box->accept();
    });
    QVERIFY(!window.SaveBtnClick());
    QVERIFY2(message.contains(".png, .svg oder .pdf"), qPrintable(message));
    QVERIFY(!QFile::exists(path));
}

void CurveWindowsTest::startFolder_data()
{
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("expected");
    // folders by role: "saved" and "projects" exist, "gone" does not
    // clang-format off
    QTest::newRow("the folder saved to") << "saved" << "projects/kanal.fluvara" << "saved";
    QTest::newRow("saved-to folder removed: the project's") << "gone" << "projects/kanal.fluvara" << "projects";
    QTest::newRow("a file remembered: the project's") << "saved/kurve.png" << "projects/kanal.fluvara" << "projects";
    QTest::newRow("both removed: home") << "gone" << "gone/kanal.fluvara" << "home";
    QTest::newRow("nothing remembered, no project: home") << "" << "" << "home";
    QTest::newRow("no project: home") << "gone" << "" << "home";
    // clang-format on
}

void CurveWindowsTest::startFolder()
{
    QFETCH(QString, remembered);
    QFETCH(QString, project);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("saved") && QDir(dir.path()).mkpath("projects"));
    QFile file(dir.filePath("saved/kurve.png"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const auto in = [&dir](const QString& name) { return name.isEmpty() ? name : dir.filePath(name); };
    QCOMPARE(StartFolder(in(remembered), in(project)), expected == "home" ? QDir::homePath() : in(expected));
}

// The folder saved to last was removed since: the dialog does not guess at
// its parent but starts at home, as no project was opened.
void CurveWindowsTest::saveStartsInAFolderThatExists()
{
    {
        QTemporaryDir gone;
        LastChartFolder() = gone.path();
    }
    TRatingCurveForm window(printing_);
    window.ShowChannel(Ditch, CalculateChannel(Ditch));
    ShowWindow(window);
    QString start;
    WhenModal<QFileDialog>([&start](QFileDialog* dialog) {
        start = dialog->directory().absolutePath();
        dialog->reject();
    });
    QVERIFY(!window.SaveBtnClick());
    QCOMPARE(start, QDir::homePath());
}

void CurveWindowsTest::printUnderTheHeaderLine()
{
    TRatingCurveForm window(printing_);
    window.ShowChannel(Ditch, CalculateChannel(Ditch));
    window.SetHeaderLine(QString::fromUtf8("Ingenieurbüro Muster"));
    ShowWindow(window);
    QTemporaryDir dir;
    const QString path = dir.filePath("abflusskurve.pdf");
    int asked = 0;
    printing_.SetPrintTarget([&](QPrinter& printer) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    Click(&window, "PrintBtn");
    QCOMPARE(asked, 1);
    QCOMPARE(printing_.Printer().resolution(), 600);
    const QString text = PdfText(path);
    // header line first, then the chart, then the footer
    const qsizetype header = text.indexOf(QString::fromUtf8("Ingenieurbüro Muster"));
    const qsizetype axis = text.indexOf("Abfluss Q [l/s]");
    QVERIFY2(header >= 0 && axis > header, qPrintable(text));
    QVERIFY2(text.contains("FLUVARA") && text.contains(QDate::currentDate().toString("dd.MM.yyyy")), qPrintable(text));

    // cancelled: nothing printed
    QFile::remove(path);
    printing_.SetPrintTarget([](QPrinter&) { return false; });
    Click(&window, "PrintBtn");
    QVERIFY(!QFile::exists(path));
    printing_.SetPrintTarget({});
}

void CurveWindowsTest::escapeCloses()
{
    TPartialFillingForm window(printing_);
    ShowWindow(window);
    Find<QWidget>(&window, "ChartView")->setFocus();
    QTest::keyClick(Find<QWidget>(&window, "ChartView"), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(CurveWindowsTest)
#include "curve_windows_test.moc"
