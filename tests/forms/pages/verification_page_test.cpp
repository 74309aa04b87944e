#include "windowtest.h"

#include "Main.h"
#include "VerificationPage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QTabWidget>
#include <QTest>

using namespace fluvara;
using namespace fluvara::test;

namespace {

const char* const FullFlowLabels[] = {"DNLabel", "kbLabel", "IeLabel", "QvLabel", "VvLabel"};
const char* const PartialFlowLabels[] = {"QtLabel", "QtvLabel", "FhLabel", "htvLabel", "VtLabel"};

bool Enabled(const QObject* root, const char* name) { return Find<QAbstractButton>(root, name)->isEnabled(); }

void FullFlow(const QObject* page, const QString& d, const QString& kb, const QString& is, bool reduce95 = false)
{
    TypeInto(page, "DNEdit", d);
    TypeInto(page, "kbEdit", kb);
    TypeInto(page, "IeEdit", is);
    Find<QCheckBox>(page, "CBox95")->setChecked(reduce95);
    Click(page, "OKBtn1");
}

std::vector<std::string> ResultLines(const TRunningProgram& program)
{
    const TResultLines& table = program.VerificationPage().ResultLines();
    std::vector<std::string> lines;
    for (int i = 0; i < table.Count(); ++i)
        lines.push_back(table.Line(i));
    return lines;
}

}  // namespace

class VerificationPageTest : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void fullFlow_data();
    void fullFlow();
    void fullFlowReport();
    void partialFlow();
    void newFullFlowEmptiesPartialResults();
    void fullFlowErrors_data();
    void fullFlowErrors();
    void failedRunKeepsResultsAndSketch();
    void partialFlowErrors();
    void tinyFullFlowRejectsEveryPartialDischarge();
    void clearButton();
    void partialFlowWithoutDiameter();
    void newFullFlowAfterRejectedPartialDischarge();
};

void VerificationPageTest::layout()
{
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    // clang-format off
    const struct {
        const char* name;
        QRect geometry;
    } controls[] = {
        {"RadierBtn1", {8, 4, 36, 36}},   {"SpeedButton1", {44, 4, 36, 36}}, {"NClipBtn", {80, 4, 36, 36}},
        {"NDruSBtn", {116, 4, 36, 36}},   {"TheoSBtn", {152, 4, 36, 36}},    {"DNEdit", {192, 64, 48, 17}},
        {"CBox95", {280, 64, 41, 17}},    {"kbEdit", {192, 88, 48, 17}},     {"IeEdit", {192, 112, 48, 17}},
        {"OKBtn1", {40, 144, 249, 25}},   {"DNLabel", {64, 184, 49, 17}},    {"kbLabel", {64, 208, 48, 17}},
        {"IeLabel", {64, 232, 48, 17}},   {"QvLabel", {192, 184, 65, 17}},   {"VvLabel", {192, 208, 65, 17}},
        {"QtEdit", {192, 288, 48, 17}},   {"OKBtn2", {40, 320, 249, 25}},    {"QtLabel", {64, 360, 48, 17}},
        {"QtvLabel", {64, 408, 48, 17}},  {"FhLabel", {192, 360, 49, 17}},   {"htvLabel", {192, 384, 49, 17}},
        {"VtLabel", {192, 408, 49, 17}},  {"ErrLabel", {16, 464, 305, 17}},
    };
    // clang-format on
    for (const auto& c : controls)
        QCOMPARE(Find<QWidget>(page, c.name)->geometry(), c.geometry);
    QCOMPARE(Find<QAbstractButton>(page, "OKBtn1")->text(), QString::fromUtf8("&Vollfüllung berechnen"));
    QCOMPARE(Find<QAbstractButton>(page, "OKBtn2")->text(), QString::fromUtf8("&Teilfüllung berechnen"));
    QCOMPARE(Find<QAbstractButton>(page, "CBox95")->text(), QString("95%"));
    QCOMPARE(Find<QWidget>(page, "CBox95")->toolTip(), QString("des Innendurchmessers"));
    QCOMPARE(Find<QWidget>(page, "RadierBtn1")->toolTip(), QString::fromUtf8("Eingaben löschen"));
    QCOMPARE(Find<QWidget>(page, "SpeedButton1")->toolTip(), QString("kb-Werte anzeigen"));
    QCOMPARE(Find<QWidget>(page, "NClipBtn")->toolTip(), QString("in Zwischenablage kopieren"));
    QCOMPARE(Find<QWidget>(page, "NDruSBtn")->toolTip(), QString("Kreisprofil drucken"));
    QCOMPARE(Find<QWidget>(page, "TheoSBtn")->toolTip(), QString::fromUtf8("Erläuterungen anzeigen"));
    QCOMPARE(Find<QWidget>(page, "QvLabel")->palette().color(QPalette::Window), QColor(255, 255, 0));
    QCOMPARE(Find<QWidget>(page, "DNLabel")->palette().color(QPalette::Window), QColor(255, 255, 183));
    QCOMPARE(Find<QWidget>(page, "ErrLabel")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(Find<QWidget>(page, "QvLabel")->font().bold());
    QVERIFY(Find<QWidget>(page, "FhLabel")->font().bold());
    QVERIFY(!Find<QWidget>(page, "VvLabel")->font().bold());
    for (const char* name : {"DNEdit", "kbEdit", "QvLabel", "DNCaption", "OKBtn1", "ErrLabel"}) {
        const QFont font = Find<QWidget>(page, name)->font();
        QCOMPARE(font.family(), QString("Arial"));
        QCOMPARE(font.pixelSize(), 13);
    }
    for (const char* name : {"CBox95"}) {
        auto* box = Find<QWidget>(page, name);
        QCOMPARE(box->font().family(), QString("Arial"));
        QCOMPARE(box->font().pixelSize(), 11);
        QVERIFY(box->sizeHint().width() <= box->width());
    }
}

void VerificationPageTest::fullFlow_data()
{
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("kb");
    QTest::addColumn<QString>("is");
    QTest::addColumn<bool>("reduce95");
    QTest::addColumn<QStringList>("labels");  // DN, kb, Is, Qv, vv
    // clang-format off
    QTest::newRow("300 95%") << "300" << "1,5" << "5" << true
                             << QStringList{"285.00 ", "1.5 ", "5 ", "60.32 ", "0.95 "};
    QTest::newRow("300") << "300" << "1,5" << "5" << false << QStringList{"300 ", "1.5 ", "5 ", "69.12 ", "0.98 "};
    QTest::newRow("1000") << "1000" << "0.75" << "2" << false
                          << QStringList{"1000 ", "0.75 ", "2 ", "1138.86 ", "1.45 "};
    QTest::newRow("largest") << "3000" << "1,5" << "500" << false
                             << QStringList{"3000 ", "1.5 ", "500 ", "296784.21 ", "41.99 "};
    QTest::newRow("1,2,5 reads as 1.2") << "300" << "1,2,5" << "5" << false
                                        << QStringList{"300 ", "1.2.5 ", "5 ", "71.35 ", "1.01 "};
    // clang-format on
}

void VerificationPageTest::fullFlow()
{
    QFETCH(QString, d);
    QFETCH(QString, kb);
    QFETCH(QString, is);
    QFETCH(bool, reduce95);
    QFETCH(QStringList, labels);
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    FullFlow(page, d, kb, is, reduce95);
    QStringList shown;
    for (const char* name : FullFlowLabels)
        shown << Text(page, name);
    QCOMPARE(shown, labels);
    QCOMPARE(Text(page, "ErrLabel"), QString(" "));
    for (const char* name : {"OKBtn2", "NClipBtn", "NDruSBtn"})
        QVERIFY2(Enabled(page, name), name);
    const TCircleSketch& sketch = program.ShownCircleSketch();
    QCOMPARE(sketch.Full, 1);
    QCOMPARE(sketch.LabelsOnly, 0);
    QCOMPARE(sketch.h, sketch.d * 0.1);
    // the fields keep what the user typed
    QCOMPARE(Text(page, "kbEdit"), kb);
}

void VerificationPageTest::fullFlowReport()
{
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    FullFlow(page, "300", "1,5", "5", true);
    const std::vector<std::string> lines = ResultLines(program);
    QCOMPARE(lines[3], std::string(" Innendurchmesser       d   =  300.00 mm     "));
    QCOMPARE(lines[4], std::string(" lichte Weite          l.W. =  285.00 mm     "));
    QCOMPARE(lines[8], std::string(" Abflußmenge Vollfüll.  Qv  =   60.32 l/s    "));
    QCOMPARE(lines[9], std::string(" Geschwindig.Vollfüll.  Vv  =    0.95 m/s    "));
    for (int i = 11; i <= 16; ++i)
        QCOMPARE(lines[static_cast<std::size_t>(i)], std::string());
    QCOMPARE(program.ShownCircleSketch().d, 285.0);
}

void VerificationPageTest::partialFlow()
{
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    FullFlow(page, "300", "1,5", "5");
    const std::vector<std::string> fullReport = ResultLines(program);
    TypeInto(page, "QtEdit", "40");
    Click(page, "OKBtn2");
    QStringList shown;
    for (const char* name : PartialFlowLabels)
        shown << Text(page, name);
    QCOMPARE(shown, (QStringList{"40 ", "57.9 ", "16.4 ", "54.7 ", "1.01 "}));
    QCOMPARE(Text(page, "ErrLabel"), QString(" "));
    const std::vector<std::string> lines = ResultLines(program);
    QVERIFY(std::equal(lines.begin(), lines.begin() + 11, fullReport.begin()));
    QCOMPARE(lines[11], std::string(" Abflußmenge Teilfüll.  Qt  =   40.00 l/s    "));
    QCOMPARE(lines[12], std::string(" Füllhöhe               h   =   16.40 cm     "));
    QCOMPARE(lines[13], std::string(" Verhältnis             h/d =   54.67 o/o    "));
    QCOMPARE(lines[14], std::string(" Verhältnis           Qt/Qv =   57.87 o/o    "));
    QCOMPARE(lines[15], std::string(" Geschwindig.Teilfüll.  Vt  =    1.01 m/s    "));
    QCOMPARE(lines[16], std::string("------------------------------------------- "));
    const TCircleSketch& sketch = program.ShownCircleSketch();
    QCOMPARE(sketch.Full, 0);
    QCOMPARE(sketch.LabelsOnly, 0);
    QCOMPARE(QString::number(sketch.h, 'f', 2), QString("16.40"));
}

void VerificationPageTest::newFullFlowEmptiesPartialResults()
{
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    FullFlow(page, "300", "1,5", "5");
    TypeInto(page, "QtEdit", "40");
    Click(page, "OKBtn2");
    Click(page, "OKBtn1");
    for (const char* name : PartialFlowLabels)
        QCOMPARE(Text(page, name), QString());
    QCOMPARE(Text(page, "QtEdit"), QString("40"));
    for (int i = 11; i <= 16; ++i)
        QCOMPARE(program.VerificationPage().ResultLines().Line(i), std::string());
}

void VerificationPageTest::fullFlowErrors_data()
{
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("kb");
    QTest::addColumn<QString>("is");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    // clang-format off
    QTest::newRow("empty d") << "" << "1,5" << "5" << QString::fromUtf8("d-Wert ist ungültig ( >=100 und <=3000 )")
                             << "DNEdit";
    QTest::newRow("-5") << "-5" << "1,5" << "5" << "d-Wert darf nicht negativ sein" << "DNEdit";
    QTest::newRow("-") << "-" << "1,5" << "5" << "d-Wert darf nicht negativ sein" << "DNEdit";
    QTest::newRow("5-") << "5-" << "1,5" << "5" << "d-Wert ist nicht nummerisch" << "DNEdit";
    QTest::newRow("99.9") << "99.9" << "1,5" << "5" << QString::fromUtf8("d-Wert ist ungültig ( >=100 und <=3000 )")
                          << "DNEdit";
    QTest::newRow("d and kb wrong") << "20" << "7" << "5"
                                    << QString::fromUtf8("d-Wert ist ungültig ( >=100 und <=3000 )") << "DNEdit";
    QTest::newRow("kb") << "300" << "0,2" << "5" << QString::fromUtf8("kb-Wert ist ungültig ( >=0.25 und <=1.5 )")
                        << "kbEdit";
    QTest::newRow("kb +") << "300" << "+1" << "5" << "kb-Wert ist nicht nummerisch" << "kbEdit";
    QTest::newRow("Is") << "300" << "1,5" << "500.1" << QString::fromUtf8("Is-Wert ist ungültig ( >=0.1 und <=500 )")
                        << "IeEdit";
    QTest::newRow("Is 5e2") << "300" << "1,5" << "5e2" << "Is-Wert ist nicht nummerisch" << "IeEdit";
    QTest::newRow("Is blank") << "300" << "1,5" << " 5" << "Is-Wert ist nicht nummerisch" << "IeEdit";
    // clang-format on
}

void VerificationPageTest::fullFlowErrors()
{
    QFETCH(QString, d);
    QFETCH(QString, kb);
    QFETCH(QString, is);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    FullFlow(page, d, kb, is);
    QCOMPARE(Text(page, "ErrLabel"), message);
    QCOMPARE(FocusName(), focus);
    QVERIFY(!Enabled(page, "OKBtn2"));
    QVERIFY(!Enabled(page, "NClipBtn"));
    QCOMPARE(Text(page, "QvLabel"), QString());
}

void VerificationPageTest::failedRunKeepsResultsAndSketch()
{
    TRunningProgram program;
    TMainForm& main = program.Main();
    const QObject* page = Find<QWidget>(&main, "TabSheet1");
    FullFlow(page, "300", "1,5", "5");
    const std::vector<std::string> report = ResultLines(program);
    FullFlow(page, "2000", "9", "5");
    QCOMPARE(Text(page, "ErrLabel"), QString::fromUtf8("kb-Wert ist ungültig ( >=0.25 und <=1.5 )"));
    QCOMPARE(Text(page, "QvLabel"), QString("69.12 "));
    QCOMPARE(Text(page, "DNLabel"), QString("300 "));
    QVERIFY(!Enabled(page, "OKBtn2"));
    QVERIFY(Enabled(page, "NClipBtn"));
    QVERIFY(Enabled(page, "NDruSBtn"));
    QCOMPARE(ResultLines(program), report);
    // A page switch draws the pipe of the last successful run, not the failed 2000 mm.
    auto* pages = Find<QTabWidget>(&main, "PageControl1");
    pages->setCurrentIndex(1);
    pages->setCurrentIndex(0);
    QCOMPARE(program.ShownCircleSketch().d, 300.0);
    QCOMPARE(program.ShownCircleSketch().h, 30.0);
    QCOMPARE(program.ShownCircleSketch().LabelsOnly, 0);
}

void VerificationPageTest::partialFlowErrors()
{
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    FullFlow(page, "300", "1,5", "5");
    // clang-format off
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"70", "Qt-Wert ist ungültig ( >=1 und <=69.12 )"},
        {"", "Qt-Wert ist ungültig ( >=1 und <=69.12 )"},
        {"0,9", "Qt-Wert ist ungültig ( >=1 und <=69.12 )"},
        {"-4", "Qt-Wert darf nicht negativ sein"},
        {"4a", "Qt-Wert ist nicht nummerisch"},
    };
    // clang-format on
    for (const auto& c : cases) {
        TypeInto(page, "QtEdit", QString::fromUtf8(c.text));
        Click(page, "OKBtn2");
        QCOMPARE(Text(page, "ErrLabel"), QString::fromUtf8(c.message));
        QCOMPARE(FocusName(), QString("QtEdit"));
        QVERIFY(Enabled(page, "OKBtn2"));
        QCOMPARE(Text(page, "FhLabel"), QString());
    }
    // bounds are inclusive
    TypeInto(page, "QtEdit", "69,12");
    Click(page, "OKBtn2");
    QCOMPARE(Text(page, "ErrLabel"), QString(" "));
    QCOMPARE(Text(page, "htvLabel"), QString("82.7 "));
    QCOMPARE(Text(page, "QtvLabel"), QString("100.0 "));
}

void VerificationPageTest::tinyFullFlowRejectsEveryPartialDischarge()
{
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    FullFlow(page, "100", "0,25", "0,1");
    QCOMPARE(Text(page, "QvLabel"), QString("0.55 "));
    for (const char* text : {"1", "0,55", "0.3"}) {
        TypeInto(page, "QtEdit", text);
        Click(page, "OKBtn2");
        QCOMPARE(Text(page, "ErrLabel"), QString::fromUtf8("Qt-Wert ist ungültig ( >=1 und <= 0.55 )"));
    }
}

void VerificationPageTest::clearButton()
{
    TRunningProgram program;
    TMainForm& main = program.Main();
    const QObject* page = Find<QWidget>(&main, "TabSheet1");
    FullFlow(page, "300", "1,5", "5", true);
    TypeInto(page, "QtEdit", "40");
    Click(page, "OKBtn2");
    Click(page, "RadierBtn1");
    for (const char* name : {"DNEdit", "kbEdit", "IeEdit", "QtEdit", "DNLabel", "kbLabel", "IeLabel", "QvLabel",
                             "VvLabel", "QtLabel", "QtvLabel", "FhLabel", "htvLabel", "VtLabel", "ErrLabel"})
        QCOMPARE(Text(page, name), QString());
    for (int i = 0; i < 17; ++i)
        QCOMPARE(program.VerificationPage().ResultLines().Line(i), std::string());
    QVERIFY(!Enabled(page, "NClipBtn"));
    QVERIFY(!Enabled(page, "NDruSBtn"));
    QVERIFY(Enabled(page, "OKBtn2"));  // left as it was
    QVERIFY(!Find<QCheckBox>(page, "CBox95")->isChecked());
    const TCircleSketch& sketch = program.ShownCircleSketch();
    QCOMPARE(sketch.LabelsOnly, 1);
    QCOMPARE(sketch.Full, 0);
}

void VerificationPageTest::partialFlowWithoutDiameter()
{
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    FullFlow(page, "300", "1,5", "5");
    Click(page, "RadierBtn1");
    TypeInto(page, "QtEdit", "40");
    Click(page, "OKBtn2");
    QCOMPARE(Text(page, "ErrLabel"), QString::fromUtf8("Bitte zuerst die Vollfüllung berechnen"));
    QCOMPARE(FocusName(), QString("DNEdit"));
    QCOMPARE(Text(page, "FhLabel"), QString());
    QCOMPARE(program.ShownCircleSketch().LabelsOnly, 1);
}

void VerificationPageTest::newFullFlowAfterRejectedPartialDischarge()
{
    TRunningProgram program;
    const QObject* page = Find<QWidget>(&program.Main(), "TabSheet1");
    FullFlow(page, "300", "1,5", "5");
    TypeInto(page, "QtEdit", "40");
    Click(page, "OKBtn2");
    TypeInto(page, "QtEdit", "-5");
    Click(page, "OKBtn2");
    QCOMPARE(Text(page, "ErrLabel"), QString("Qt-Wert darf nicht negativ sein"));
    // the 300 mm pipe's partial results must not stand beside the 1000 mm pipe
    FullFlow(page, "1000", "1,5", "5");
    QCOMPARE(Text(page, "QvLabel"), QString("1663.97 "));
    for (const char* name : PartialFlowLabels)
        QCOMPARE(Text(page, name), QString());
}

QTEST_MAIN(VerificationPageTest)
#include "verification_page_test.moc"
