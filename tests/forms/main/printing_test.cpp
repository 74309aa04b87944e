// The one printer of the run: the page reports, the curves and the reach list
// print on it, each starting from what the last print left, and a test's
// print target stands in for the printer dialog of all three.

#include "outputdriver.h"
#include "windowtest.h"

#include "Main.h"
#include "PartialFillingChart.h"
#include "ReachListWindow.h"
#include "Startup.h"
#include "printservice.h"

#include <QAction>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

using namespace fluvara;
using namespace fluvara::test;

namespace {

// What the printer held when a print job reached the target.
struct TJobStart {
    const QPrinter* printer;
    int copies;
    QPageSize::PageSizeId paper;
    QPageLayout::Orientation orientation;
};

void Trigger(const QObject* window, const char* name) { Find<QAction>(window, name)->trigger(); }

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void pagesCurvesAndListShareOnePrinter();
    void theTargetStandsInForTheDialog();
};

void PrintingTest::pagesCurvesAndListShareOnePrinter()
{
    TRunningProgram program;
    FullFlow(program);
    QTemporaryDir dir;
    std::vector<TJobStart> starts;
    // What the user chooses in the dialog, job by job; 0 copies: as it stands.
    const struct {
        int copies;
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
    } choices[] = {
        {3, QPageSize::A5, QPageLayout::Portrait},
        {0, QPageSize::A5, QPageLayout::Portrait},
        {2, QPageSize::A4, QPageLayout::Landscape},
        {0, QPageSize::A4, QPageLayout::Landscape},
    };
    program.Printing().SetPrintTarget([&](QPrinter& printer) {
        const auto& choice = choices[starts.size()];
        starts.push_back(
            {&printer, printer.copyCount(), printer.pageLayout().pageSize().id(), printer.pageLayout().orientation()});
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QString("auftrag%1.pdf").arg(starts.size())));
        if (choice.copies)
            printer.setCopyCount(choice.copies);
        printer.setPageSize(QPageSize(choice.paper));
        printer.setPageOrientation(choice.orientation);
        return true;
    });

    // the verification page's report
    AnswerTitleDialog("NBemBBtn", {"NBemEdit1"}, {"Kanal Nord"});
    Click(VerificationPage(program), "NDruSBtn");
    QCOMPARE(starts.size(), std::size_t{1});
    // the partial-filling curves
    Trigger(&program.Main(), "CurvesItem");
    Click(Find<TPartialFillingForm>(&program.Main(), "PartialFillingForm"), "PrintBtn");
    QCOMPARE(starts.size(), std::size_t{2});
    // the reach list, which lays its table out on landscape A4
    TReachListWindow& list = program.Main().ReachList();
    Trigger(&list, "PrintAction");
    QCOMPARE(starts.size(), std::size_t{3});
    // the page again
    AnswerTitleDialog("NBemBBtn", {}, {});
    Click(VerificationPage(program), "NDruSBtn");
    QCOMPARE(starts.size(), std::size_t{4});
    program.Printing().SetPrintTarget({});

    const struct {
        int copies;
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
    } expected[] = {
        {1, QPageSize::A4, QPageLayout::Portrait},   // a fresh printer
        {3, QPageSize::A5, QPageLayout::Portrait},   // as the page's dialog left it
        {3, QPageSize::A4, QPageLayout::Landscape},  // the list's paper, the copies kept
        {2, QPageSize::A5, QPageLayout::Portrait},   // the copies as the list's dialog left them, the
                                                     // layout as before the list's own landscape A4
    };
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const QByteArray job = QByteArray("print job ") + QByteArray::number(qulonglong(i + 1));
        QVERIFY2(starts[i].printer == &program.Printing().Printer(), job);
        QVERIFY2(starts[i].copies == expected[i].copies, job);
        QVERIFY2(starts[i].paper == expected[i].paper, job);
        QVERIFY2(starts[i].orientation == expected[i].orientation, job);
        QVERIFY2(QFile(dir.filePath(QString("auftrag%1.pdf").arg(i + 1))).size() > 0, job);
    }
}

void PrintingTest::theTargetStandsInForTheDialog()
{
    TPrintService printing;
    QPrinter* given = nullptr;
    printing.SetPrintTarget([&given](QPrinter& printer) {
        given = &printer;
        return true;
    });
    QCOMPARE(printing.Choose(nullptr), &printing.Printer());
    QCOMPARE(given, &printing.Printer());

    printing.SetPrintTarget([](QPrinter&) { return false; });
    QCOMPARE(printing.Choose(nullptr), nullptr);

    // without a target the printer dialog asks, on the same printer
    printing.SetPrintTarget({});
    QPrinter* asked = nullptr;
    WhenModal<QPrintDialog>([&asked](QPrintDialog* dialog) {
        asked = dialog->printer();
        dialog->reject();
    });
    QCOMPARE(printing.Choose(nullptr), nullptr);
    QCOMPARE(asked, &printing.Printer());
}

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
