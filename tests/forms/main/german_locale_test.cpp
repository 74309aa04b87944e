// Runs under LC_ALL=de_DE.UTF-8: Qt hands that locale to the C library at
// start-up, where it would turn every printf-style point into a comma.

#include "windowtest.h"
#include "printservice.h"

#include "ClassicNumbers.h"
#include "Main.h"
#include "ReachListWindow.h"
#include "VerificationPage.h"
#include "reachlist.h"
#include "textformat.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cstdio>

using namespace fluvara;
using namespace fluvara::test;

class GermanLocaleTest : public QObject {
    Q_OBJECT
private slots:
    void theCLibraryWritesAComma();
    void labelsAndReportUseThePoint();
    void designAndTransferUseThePoint();
    void reachListWorkbookUsesThePoint();
    void programKeepsThePointForTheCLibrary();
};

void GermanLocaleTest::theCLibraryWritesAComma()
{
    // Proves the test really runs where a naive program would go wrong.
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%4.2f", 1.5);
    QCOMPARE(QString(buffer), QString("1,50"));
    QCOMPARE(QString::fromStdString(Fmt("%4.2f", 1.5)), QString("1.50"));
}

void GermanLocaleTest::labelsAndReportUseThePoint()
{
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    TypeInto(page, "DNEdit", "300");
    TypeInto(page, "kbEdit", "1,5");
    TypeInto(page, "IeEdit", "5");
    Click(page, "OKBtn1");
    QCOMPARE(Text(page, "ErrLabel"), QString(" "));
    QCOMPARE(Text(page, "QvLabel"), QString("69.12 "));
    QCOMPARE(Text(page, "VvLabel"), QString("0.98 "));
    QCOMPARE(Text(page, "kbLabel"), QString("1.5 "));
    QCOMPARE(program.VerificationPage().ResultLines().Line(5),
             std::string(" Betriebsrauhigkeit     kb  =    1.50 mm     "));
    TypeInto(page, "QtEdit", "40,0");
    Click(page, "OKBtn2");
    QCOMPARE(Text(page, "FhLabel"), QString("16.4 "));
    QCOMPARE(Text(page, "VtLabel"), QString("1.01 "));
    TypeInto(page, "QtEdit", "70");
    Click(page, "OKBtn2");
    QCOMPARE(Text(page, "ErrLabel"), QString::fromUtf8("Qt-Wert ist ungültig ( >=1 und <=69.12 )"));
}

void GermanLocaleTest::designAndTransferUseThePoint()
{
    TRunningProgram program;
    auto* pages = Find<QTabWidget>(&program.Main(), "PageControl1");
    pages->setCurrentIndex(1);
    const QObject* page = pages->currentWidget();
    TypeInto(page, "BQtEdit", "100");
    TypeInto(page, "BkbEdit", "1,5");
    TypeInto(page, "BIeEdit", "5");
    Click(page, "BemTeilBtn");
    QCOMPARE(Text(page, "BQtLabel"), QString("111.11 "));
    QCOMPARE(Text(page, "BDNLabel"), QString(" 358.8 "));
    Click(page, "NachBemBtn");
    QCOMPARE(Text(&program.Main(), "DNEdit"), QString("358.8"));
}

// The workbook library formats with printf: its numbers and column widths
// must not follow the locale either.
void GermanLocaleTest::reachListWorkbookUsesThePoint()
{
    TTestSettings settings;
    TPrintService printing;
    TReachListWindow window(printing);
    window.Model(TReachKind::Circle)
        .ReplaceList(MakeList({"Haltung", "d", "kb", "Is", "Q"}, {{"H1", "300", "1,5", "5", "40"}}));
    QTemporaryDir dir;
    const QString path = dir.filePath("netz.xlsx");
    QVERIFY(window.ExportXlsx(path));
    QProcess unzip;
    unzip.start("unzip", {"-p", path, "xl/worksheets/sheet1.xml"});
    QVERIFY(unzip.waitForFinished(60000));
    const QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
    for (const char* number : {"<v>1.5</v>", "<v>69.12</v>", "<v>16.4</v>"})
        QVERIFY2(xml.contains(number), qPrintable(xml));
    QVERIFY2(!xml.contains(QRegularExpression("<v>[^<]*,")), qPrintable(xml));
    QVERIFY2(!xml.contains(QRegularExpression("width=\"[^\"]*,")), qPrintable(xml));
    QVERIFY2(xml.contains(QRegularExpression("width=\"[0-9]+\\.[0-9]+\"")), qPrintable(xml));
}

// The program keeps the C library's numbers at "C" once Qt has set the
// user's locale; texts stay the user's.
void GermanLocaleTest::programKeepsThePointForTheCLibrary()
{
    KeepClassicNumbers();
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%4.2f", 1.5);
    const QString written(buffer);
    const QString ctype = QString::fromLatin1(std::setlocale(LC_CTYPE, nullptr));
    std::setlocale(LC_NUMERIC, "");  // as the other tests expect it
    QCOMPARE(written, QString("1.50"));
    QCOMPARE(ctype, QString("de_DE.UTF-8"));
}

QTEST_MAIN(GermanLocaleTest)
#include "german_locale_test.moc"
