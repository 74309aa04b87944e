// The channel page calculating: results, messages and what a failed run leaves.

#include "channelentry.h"

#include "Gbem.h"
#include "Main.h"
#include "Startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace fluvara;
using namespace fluvara::test;

class ChannelCalculationTest : public QObject {
    Q_OBJECT
private slots:
    void example();
    void channels_data();
    void channels();
    void inputErrors_data();
    void inputErrors();
    void boundsAreInclusive_data();
    void boundsAreInclusive();
    void decimalCommaIsEchoedAsPoint();
    void firstInvalidFieldWins();
    void leftBank_data();
    void leftBank();
    void failedCheckKeepsResults();
    void depthBoundIsReported();
    void rejectedRunLeavesThePictureAsTheLastResultDrewIt();
};

void ChannelCalculationTest::example()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    Calculate(page, {});
    QCOMPARE(LabelTexts(page), ExampleLabels);
    QCOMPARE(Text(page, "GErrLabel"), QString(" "));
    QVERIFY(Enabled(page, "GClipBtn"));
    QVERIFY(Enabled(page, "GDruSBtn"));
    QCOMPARE(ResultLines(program), ExampleLines);

    const TChannelSketch& sketch = program.ChannelPage().Sketch();
    QCOMPARE(sketch.LabelsOnly, 0);
    QCOMPARE(sketch.hp, 100.0);
    QCOMPARE(sketch.b, 100.0);
    QCOMPARE(sketch.alpha, 45.0);
    QCOMPARE(sketch.beta, 45.0);
    QVERIFY(sketch.h > 52.2 && sketch.h < 52.3);
    // the labels the sketch writes for these numbers
    const TChannelLabels labels = ChannelLabels(sketch);
    const std::vector<std::string> texts = {labels.h,  labels.b,  labels.hp,   labels.alpha,  labels.beta,
                                            labels.l1, labels.l2, labels.bWsp, labels.bProfil};
    QCOMPARE(texts,
             (std::vector<std::string>{"52.2 ", "100.0 ", "100.0 ", "45.0 ° ", "45.0 ° ", "100.0 ", "100.0 ", "204.5 ",
                                       "300.0 "}));
}

void ChannelCalculationTest::channels_data()
{
    QTest::addColumn<TChannelEntry>("entry");
    QTest::addColumn<QStringList>("expected");  // "label=text" or "sketch field=text"
    QTest::newRow("slopes 1:1.5 and 1:2")
        << Entry({"10", "1", "30", "30", "30", "50", "50", "1,5", "2"}, true, true)
        << QStringList{"GaLabel=33.7 ",  "GBSLabel=1.5 ", "GbetaLabel=26.6 ",   "GBS2Label=2 ",
                       "GFtLabel= 9.3 ", "GvLabel=0.16 ", "GhgrLabel= 3.4 ",    "GAbfLabel= strömend",
                       "l1Text=75.0 ",   "l2Text=100.0 ", "bProfilText=225.0 ", "bWspText=82.6 ",
                       "GaEdit=",        "GbetaEdit="};
    QTest::newRow("60 and vertical") << Entry({"1000", "1", "40", "25", "25", "200", "80", "60", "90"})
                                     << QStringList{"GBSLabel=0.58 ",  "GBS2Label=  ",        "GFtLabel=76.4 ",
                                                    "GvLabel=0.59 ",   "GkstDLabel=31.0 ",    "GhgrLabel=29.1 ",
                                                    "GvgrLabel=1.65 ", "GAbfLabel= strömend", "bProfilText=246.2 ",
                                                    "l2Text= 0.0 "};
    QTest::newRow("two vertical banks overflowing")
        << Entry({"2000", "5", "60", "60", "60", "150", "50", "90", "90"})
        << QStringList{"GFtLabel=63.9 ",     "GAbfLabel= läuft über", "bWspText=150.0 ",
                       "bProfilText=150.0 ", "GBSLabel=  ",           "GBS2Label=  "};
    QTest::newRow("angle and slope, supercritical")
        << Entry({"200", "20", "70", "30", "30", "50", "60", "30", "3"}, false, true)
        << QStringList{"GbetaLabel=18.4 ", "GBS2Label=3 ",    "GFtLabel=17.8 ",       "GvLabel=1.22 ",
                       "GkstDLabel=36.5 ", "GhgrLabel=19.0 ", "GAbfLabel= schießend", "betaText=18.4 ° "};
    QTest::newRow("smallest depth") << Entry({"1", "500", "100", "100", "100", "3000", "10", "10", "10"})
                                    << QStringList{"GFtLabel= 0.0 ", "GhgrLabel= 0.2 ", "GAbfLabel= schießend",
                                                   "hText= 0.0 "};
}

void ChannelCalculationTest::channels()
{
    QFETCH(TChannelEntry, entry);
    QFETCH(QStringList, expected);
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    Calculate(page, entry);
    QCOMPARE(Text(page, "GErrLabel"), QString(" "));
    const TChannelLabels labels = ChannelLabels(program.ChannelPage().Sketch());
    const std::pair<const char*, const std::string*> sketchTexts[] = {
        {"hText", &labels.h},       {"l1Text", &labels.l1},           {"l2Text", &labels.l2},
        {"bWspText", &labels.bWsp}, {"bProfilText", &labels.bProfil}, {"betaText", &labels.beta},
    };
    for (const QString& item : expected) {
        const QString name = item.section('=', 0, 0);
        const QString text = item.section('=', 1);
        const auto inSketch = std::find_if(std::begin(sketchTexts), std::end(sketchTexts),
                                           [&](const auto& s) { return name == s.first; });
        const QString shown =
            inSketch != std::end(sketchTexts) ? QString::fromStdString(*inSketch->second) : Text(page, name);
        QVERIFY2(shown == text, qPrintable(name + ": '" + shown + "' instead of '" + text + "'"));
    }
}

// One row per field for message and focus; the number check's own tables hold every rule.
void ChannelCalculationTest::inputErrors_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* field, const char* text, const char* message) {
        QTest::newRow((QString(field) + " '" + text + "'").toUtf8().constData())
            << QString(field) << QString(text) << QString::fromUtf8(message);
    };
    row("GQEdit", "", "Q-Wert ist ungültig ( >=1 und <=99000 )");
    row("GIeEdit", "1 ", "Is-Wert ist nicht nummerisch");
    row("GkstSEdit", "-30", "kst-Wert Sohle darf nicht negativ sein");
    row("GkstUEdit", "5", "kst-Wert Ufer links ist ungültig ( >=10 und <=100 )");
    row("GkstU2Edit", "3e1", "kst-Wert Ufer rechts ist nicht nummerisch");
    row("GbEdit", ".", "b-Wert ist ungültig ( >=1 und <=3000 )");
    row("GhEdit", "-100", "hp-Wert darf nicht negativ sein");
    row("GaEdit", "45°", "Winkel links ist nicht nummerisch");
    row("GBSEdit", "", "Steigung links ist ungültig ( >=1 und <=5 )");
    row("GbetaEdit", "100", "Winkel rechts ist ungültig ( >=10 und <=90 )");
    row("GBS2Edit", "0,5", "Steigung rechts ist ungültig ( >=1 und <=5 )");
}

void ChannelCalculationTest::inputErrors()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    Enter(page, ExampleUsing(field));
    TypeInto(page, field, text);
    Find<QWidget>(page, "GQEdit")->setFocus();
    Click(page, "GFtBtn");
    QCOMPARE(Text(page, "GErrLabel"), message);
    QCOMPARE(FocusName(), field);
    for (const char* name : ResultLabels)
        QCOMPARE(Text(page, name), QString());
    QVERIFY(!Enabled(page, "GClipBtn"));
    QVERIFY(!Enabled(page, "GDruSBtn"));
    QCOMPARE(program.ChannelPage().Sketch().LabelsOnly, 1);
}

// A field at its bound calculates, just beyond it is refused; the number check's
// own tables hold both bounds of every field.
void ChannelCalculationTest::boundsAreInclusive_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("inside");
    QTest::addColumn<QString>("outside");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const char* field, const char* inside, const char* outside,
                        const char* message) {
        QTest::newRow(name) << QString(field) << QString(inside) << QString(outside) << QString::fromUtf8(message);
    };
    row("Q 99000", "GQEdit", "99000", "99001", "Q-Wert ist ungültig ( >=1 und <=99000 )");
    row("right slope 1", "GBS2Edit", "1", "0,9", "Steigung rechts ist ungültig ( >=1 und <=5 )");
}

void ChannelCalculationTest::boundsAreInclusive()
{
    QFETCH(QString, field);
    QFETCH(QString, inside);
    QFETCH(QString, outside);
    QFETCH(QString, message);
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    Enter(page, ExampleUsing(field));
    TypeInto(page, field, inside);
    Click(page, "GFtBtn");
    QCOMPARE(Text(page, "GErrLabel"), QString(" "));
    QVERIFY(!Text(page, "GFtLabel").isEmpty());
    TypeInto(page, field, outside);
    Click(page, "GFtBtn");
    QCOMPARE(Text(page, "GErrLabel"), message);
    QCOMPARE(FocusName(), field);
}

void ChannelCalculationTest::decimalCommaIsEchoedAsPoint()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    TChannelEntry entry;
    entry.Is = "0,5";
    entry.b = "100,0";
    Calculate(page, entry);
    QCOMPARE(Text(page, "GIeLabel"), QString("0.5 "));
    QCOMPARE(Text(page, "GbLabel"), QString("100.0 "));
    QCOMPARE(Text(page, "GIeEdit"), QString("0,5"));
    QCOMPARE(program.ChannelPage().ResultLines().Line(4), std::string("Gefälle                Is  =     0.50 o/oo   "));
}

void ChannelCalculationTest::firstInvalidFieldWins()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    TChannelEntry entry;
    entry.Q = "0";
    entry.Is = "-2";
    entry.right = "5";
    Calculate(page, entry);
    QCOMPARE(Text(page, "GErrLabel"), QString::fromUtf8("Q-Wert ist ungültig ( >=1 und <=99000 )"));
    QCOMPARE(FocusName(), QString("GQEdit"));
}

void ChannelCalculationTest::leftBank_data()
{
    QTest::addColumn<TChannelEntry>("entry");
    QTest::addColumn<QStringList>("echo");   // GaLabel, GBSLabel, GaEdit, GBSEdit
    QTest::addColumn<QStringList>("lines");  // result lines 11 and 12
    QTest::addColumn<double>("alpha");
    QTest::addColumn<QStringList>("sketchTexts");  // alphaText, l1Text
    TChannelEntry vertical;
    vertical.left = "90";
    QTest::newRow("vertical by angle") << vertical << QStringList{"90 ", "  ", "90", ""}
                                       << QStringList{"Profilwinkel         alpha =    90.00 °      ",
                                                      "Profilsteigung li      m   = 1:  0.00      "}
                                       << 90.0 << QStringList{"90.0 ° ", " 0.0 "};
    TChannelEntry slope;
    slope.left = "2";
    slope.leftSlope = true;
    QTest::newRow("slope 1:2") << slope << QStringList{"26.6 ", "2 ", "", "2"}
                               << QStringList{"Profilwinkel         alpha =    26.57 °      ",
                                              "Profilsteigung li      m   = 1:  2.00      "}
                               << 26.5651 << QStringList{"26.6 ° ", "200.0 "};
}

void ChannelCalculationTest::leftBank()
{
    QFETCH(TChannelEntry, entry);
    QFETCH(QStringList, echo);
    QFETCH(QStringList, lines);
    QFETCH(double, alpha);
    QFETCH(QStringList, sketchTexts);
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    Calculate(page, entry);
    QCOMPARE(Text(page, "GErrLabel"), QString(" "));
    QCOMPARE((QStringList{Text(page, "GaLabel"), Text(page, "GBSLabel"), Text(page, "GaEdit"), Text(page, "GBSEdit")}),
             echo);
    QCOMPARE(Text(page, "GBS2Label"), QString("1.00 "));
    QCOMPARE((QStringList{QString::fromStdString(program.ChannelPage().ResultLines().Line(11)),
                          QString::fromStdString(program.ChannelPage().ResultLines().Line(12))}),
             lines);
    const TChannelSketch& sketch = program.ChannelPage().Sketch();
    QVERIFY2(std::abs(sketch.alpha - alpha) < 0.0001, qPrintable(QString::number(sketch.alpha)));
    const TChannelLabels labels = ChannelLabels(sketch);
    QCOMPARE((QStringList{QString::fromStdString(labels.alpha), QString::fromStdString(labels.l1)}), sketchTexts);
}

void ChannelCalculationTest::failedCheckKeepsResults()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    Calculate(page, {});
    const TChannelSketch before = program.ChannelPage().Sketch();

    const TChannelEntry changed = Entry({"500", "2", "30", "30", "5", "5", "900", "30", "60"});
    Calculate(page, changed);
    QCOMPARE(Text(page, "GErrLabel"), QString::fromUtf8("kst-Wert Ufer rechts ist ungültig ( >=10 und <=100 )"));
    QCOMPARE(FocusName(), QString("GkstU2Edit"));
    QCOMPARE(LabelTexts(page), ExampleLabels);
    QCOMPARE(ResultLines(program), ExampleLines);
    QVERIFY(Enabled(page, "GClipBtn"));
    QVERIFY(Enabled(page, "GDruSBtn"));
    // The sketch keeps the profile of the last result with its labels.
    const TChannelSketch& after = program.ChannelPage().Sketch();
    QCOMPARE(after.hp, 100.0);
    QCOMPARE(after.b, 100.0);
    QCOMPARE(after.alpha, 45.0);
    QCOMPARE(after.beta, 45.0);
    QCOMPARE(after.h, before.h);
    QCOMPARE(ChannelLabels(after).h, ChannelLabels(before).h);
    QCOMPARE(ChannelLabels(after).b, std::string("100.0 "));
    QCOMPARE(ChannelLabels(after).alpha, std::string("45.0 ° "));
    QCOMPARE(after.bProfil, before.bProfil);
    QCOMPARE(after.LabelsOnly, 0);

    // the next successful run blanks the message again
    Calculate(page, {});
    QCOMPARE(Text(page, "GErrLabel"), QString(" "));
}

void ChannelCalculationTest::depthBoundIsReported()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    // two vertical banks 1 cm apart, the largest discharge, the smallest slope and kst
    const TChannelEntry worst = Entry({"99000", "0,1", "10", "10", "10", "1", "100", "90", "90"});

    Calculate(page, worst);
    QCOMPARE(Text(page, "GErrLabel"), QString::fromUtf8("Fließtiefe über 50 m: Eingaben prüfen"));
    QCOMPARE(FocusName(), QString("GQEdit"));
    for (const char* name : ResultLabels)
        QCOMPARE(Text(page, name), QString());
    QVERIFY(!Enabled(page, "GClipBtn"));
    QCOMPARE(program.ChannelPage().Sketch().LabelsOnly, 1);

    Calculate(page, {});
    Calculate(page, worst);
    QCOMPARE(Text(page, "GErrLabel"), QString::fromUtf8("Fließtiefe über 50 m: Eingaben prüfen"));
    QCOMPARE(LabelTexts(page), ExampleLabels);
    QCOMPARE(ResultLines(program), ExampleLines);
    QVERIFY(Enabled(page, "GClipBtn"));
    QVERIFY(Enabled(page, "GDruSBtn"));
    QCOMPARE(ChannelLabels(program.ChannelPage().Sketch()).h, std::string("52.2 "));
    QCOMPARE(program.ChannelPage().Sketch().b, 100.0);
}

void ChannelCalculationTest::rejectedRunLeavesThePictureAsTheLastResultDrewIt()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    auto* area = Find<QWidget>(&program.Main(), "Bevel1");
    Calculate(page, {});
    area->grab();  // the first drawing of a run leaves its face for the later ones
    const QImage result = area->grab().toImage();

    // a new, unchecked profile that the empty discharge rejects
    TChannelEntry rejected;
    rejected.Q = "";
    rejected.hp = "900";
    rejected.b = "10";
    Calculate(page, rejected);
    QCOMPARE(Text(page, "GErrLabel"), QString::fromUtf8("Q-Wert ist ungültig ( >=1 und <=99000 )"));
    QCOMPARE(area->grab().toImage(), result);

    // a bank rule that fails after the slope field was emptied, and a search
    // that stops at its depth bound, leave it as well
    TChannelEntry badAngle;
    badAngle.right = "5";
    Calculate(page, badAngle);
    QCOMPARE(Text(page, "GErrLabel"), QString::fromUtf8("Winkel rechts ist ungültig ( >=10 und <=90 )"));
    QCOMPARE(area->grab().toImage(), result);
    Calculate(page, Entry({"99000", "0,1", "10", "10", "10", "1", "100", "90", "90"}));
    QCOMPARE(Text(page, "GErrLabel"), QString::fromUtf8("Fließtiefe über 50 m: Eingaben prüfen"));
    QCOMPARE(area->grab().toImage(), result);
}

QTEST_MAIN(ChannelCalculationTest)
#include "channel_calculation_test.moc"
