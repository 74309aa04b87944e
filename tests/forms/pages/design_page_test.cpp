#include "windowtest.h"

#include "DesignPage.h"
#include "Main.h"
#include "VerificationPage.h"
#include "recordingsurface.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace fluvara;
using namespace fluvara::test;

namespace {

const char* const ResultLabels[] = {"BQtLabel", "BhdLabel", "BkbLabel", "BIeLabel", "BDNLabel",
                                    "BFhLabel", "BVtLabel", "BQvLabel", "BVvLabel", "BVQLabel"};

QWidget* ShowDesignPage(TRunningProgram& program)
{
    auto* pages = Find<QTabWidget>(&program.Main(), "PageControl1");
    pages->setCurrentIndex(1);
    return pages->currentWidget();
}

void Design(const QObject* page, const QString& q, const QString& hd, const QString& kb, const QString& is, bool use09)
{
    TypeInto(page, "BQtEdit", q);
    TypeInto(page, "BhdEdit", hd);
    TypeInto(page, "BkbEdit", kb);
    TypeInto(page, "BIeEdit", is);
    Find<QCheckBox>(page, "CBox0_9")->setChecked(use09);
    Click(page, "BemTeilBtn");
}

}  // namespace

class DesignPageTest : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void design_data();
    void design();
    void errors_data();
    void errors();
    void failedRunKeepsResults();
    void enterKeyMovesFocus();
    void clearButton();
    void transfer();
    void transferOfASevenCharacterDiameter();
    void transferredSmallDiameterIsRejectedByVerification();
    void showingThePageWithoutResultDisablesTransfer();
    void accelerator();
    void referenceButtonsOpenTheirDialogs();
};

void DesignPageTest::layout()
{
    TRunningProgram program;
    const QObject* page = ShowDesignPage(program);
    const struct {
        const char* name;
        QRect geometry;
    } controls[] = {
        {"RadiBtn2", {8, 4, 36, 36}},       {"SpeedButton2", {44, 4, 36, 36}}, {"NachBemBtn", {80, 4, 82, 36}},
        {"TheoSBtn2", {162, 4, 36, 36}},    {"BQtEdit", {192, 64, 48, 17}},    {"CBox0_9", {192, 88, 129, 17}},
        {"BhdEdit", {192, 120, 48, 17}},    {"BkbEdit", {192, 144, 48, 17}},   {"BIeEdit", {192, 168, 48, 17}},
        {"BemTeilBtn", {40, 248, 257, 25}}, {"BQtLabel", {64, 288, 48, 17}},   {"BhdLabel", {64, 312, 48, 17}},
        {"BkbLabel", {64, 336, 48, 17}},    {"BIeLabel", {64, 360, 48, 17}},   {"BDNLabel", {192, 288, 48, 17}},
        {"BFhLabel", {192, 312, 48, 17}},   {"BVtLabel", {192, 336, 48, 17}},  {"BQvLabel", {192, 360, 48, 17}},
        {"BVvLabel", {192, 384, 48, 17}},   {"BVQLabel", {192, 408, 48, 17}},  {"BErrLabel", {16, 464, 305, 16}},
    };
    for (const auto& c : controls)
        QCOMPARE(Find<QWidget>(page, c.name)->geometry(), c.geometry);
    QCOMPARE(Find<QAbstractButton>(page, "BemTeilBtn")->text(), QString("erf. &Innendurchmesser berechnen"));
    QCOMPARE(Find<QAbstractButton>(page, "CBox0_9")->text(), QString("Q,bem = Q,vorh / 0,9"));
    QCOMPARE(Find<QWidget>(page, "NachBemBtn")->toolTip(), QString("mit Werten zu Nachweis wechseln"));
    QCOMPARE(Find<QWidget>(page, "RadiBtn2")->toolTip(), QString::fromUtf8("Eingaben löschen"));
    QCOMPARE(Find<QWidget>(page, "SpeedButton2")->toolTip(), QString("kb-Werte anzeigen"));
    QCOMPARE(Find<QWidget>(page, "TheoSBtn2")->toolTip(), QString::fromUtf8("Erläuterungen anzeigen"));
    QVERIFY(Find<QWidget>(page, "BDNLabel")->font().bold());
    QCOMPARE(Find<QWidget>(page, "BDNLabel")->palette().color(QPalette::Window), QColor(255, 255, 0));
    QCOMPARE(Find<QWidget>(page, "BQtLabel")->palette().color(QPalette::Window), QColor(255, 255, 183));
    for (const char* name : {"BQtEdit", "BhdEdit", "BDNLabel", "BQtCaption", "BemTeilBtn", "BErrLabel"}) {
        const QFont font = Find<QWidget>(page, name)->font();
        QCOMPARE(font.family(), QString("Arial"));
        QCOMPARE(font.pixelSize(), 13);
    }
    auto* box = Find<QWidget>(page, "CBox0_9");
    QCOMPARE(box->font().family(), QString("Arial"));
    QCOMPARE(box->font().pixelSize(), 11);
    QVERIFY(box->sizeHint().width() <= box->width());
}

void DesignPageTest::design_data()
{
    QTest::addColumn<QString>("q");
    QTest::addColumn<QString>("hd");
    QTest::addColumn<QString>("kb");
    QTest::addColumn<QString>("is");
    QTest::addColumn<bool>("use09");
    QTest::addColumn<QStringList>("labels");
    // clang-format off
    QTest::newRow("with 0.9") << "100" << "82,7" << "1,5" << "5" << true
                              << QStringList{"111.11 ", "82.7 ", "1.5 ", "5 ", " 358.8 ", "  29.7 ", "  1.24 ",
                                             " 111.1 ", "  1.10 ", " 100.0 "};
    QTest::newRow("without 0.9") << "100" << "82,7" << "1,5" << "5" << false
                                 << QStringList{"100 ", "82.7 ", "1.5 ", "5 ", " 344.8 ", "  28.5 ", "  1.21 ",
                                                " 100.0 ", "  1.07 ", " 100.0 "};
    QTest::newRow("half full") << "100" << "50" << "1,5" << "5" << true
                               << QStringList{"111.11 ", "50 ", "1.5 ", "5 ", " 466.1 ", "  23.3 ", "  1.30 ",
                                              " 222.2 ", "  1.30 ", "  50.0 "};
    QTest::newRow("largest") << "5000" << "10" << "1,5" << "0,1" << true
                             << QStringList{"5555.56 ", "10 ", "1.5 ", "0.1 ", "14472.5 ", " 144.7 ", "  0.65 ",
                                            "251333.1 ", "  1.53 ", "   2.2 "};
    // clang-format on
}

void DesignPageTest::design()
{
    QFETCH(QString, q);
    QFETCH(QString, hd);
    QFETCH(QString, kb);
    QFETCH(QString, is);
    QFETCH(bool, use09);
    QFETCH(QStringList, labels);
    TRunningProgram program;
    const QObject* page = ShowDesignPage(program);
    Design(page, q, hd, kb, is, use09);
    QStringList shown;
    for (const char* name : ResultLabels)
        shown << Text(page, name);
    QCOMPARE(shown, labels);
    QCOMPARE(Text(page, "BErrLabel"), QString(" "));
    QVERIFY(Find<QAbstractButton>(page, "NachBemBtn")->isEnabled());
    const TCircleSketch& sketch = program.ShownCircleSketch();
    QCOMPARE(sketch.Full, 0);
    QCOMPARE(sketch.LabelsOnly, 0);
    QVERIFY(sketch.d > 0 && sketch.h > 0);
}

// One row per field for message and focus; the number check's own tables hold the rest.
void DesignPageTest::errors_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("Q empty") << QStringList{"", "82,7", "1,5", "5"}
                             << QString::fromUtf8("Q-Wert ist ungültig ( >=1 und <=5000 )") << "BQtEdit";
    QTest::newRow("h/d 82.8") << QStringList{"100", "82,8", "1,5", "5"}
                              << QString::fromUtf8("h/d-Wert ist ungültig ( >=10 und <=82.7 )") << "BhdEdit";
    QTest::newRow("kb") << QStringList{"100", "82,7", "2", "5"}
                        << QString::fromUtf8("kb-Wert ist ungültig ( >=0.25 und <=1.5 )") << "BkbEdit";
    QTest::newRow("Is") << QStringList{"100", "82,7", "1,5", "0"}
                        << QString::fromUtf8("Is-Wert ist ungültig ( >=0.1 und <=500 )") << "BIeEdit";
    QTest::newRow("Q above 5000 though Q/0.9 is checked later")
        << QStringList{"5001", "82,7", "1,5", "5"} << QString::fromUtf8("Q-Wert ist ungültig ( >=1 und <=5000 )")
        << "BQtEdit";
}

void DesignPageTest::errors()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    TRunningProgram program;
    const QObject* page = ShowDesignPage(program);
    Design(page, fields[0], fields[1], fields[2], fields[3], true);
    QCOMPARE(Text(page, "BErrLabel"), message);
    QCOMPARE(FocusName(), focus);
    QVERIFY(!Find<QAbstractButton>(page, "NachBemBtn")->isEnabled());
    QCOMPARE(Text(page, "BDNLabel"), QString());
}

void DesignPageTest::failedRunKeepsResults()
{
    TRunningProgram program;
    const QObject* page = ShowDesignPage(program);
    Design(page, "100", "82,7", "1,5", "5", true);
    Design(page, "100", "90", "1,5", "5", true);
    QCOMPARE(Text(page, "BErrLabel"), QString::fromUtf8("h/d-Wert ist ungültig ( >=10 und <=82.7 )"));
    QCOMPARE(Text(page, "BDNLabel"), QString(" 358.8 "));
    QCOMPARE(Text(page, "BhdLabel"), QString("82.7 "));
    QVERIFY(Find<QAbstractButton>(page, "NachBemBtn")->isEnabled());
}

void DesignPageTest::enterKeyMovesFocus()
{
    TRunningProgram program;
    const QObject* page = ShowDesignPage(program);
    const struct {
        const char* from;
        const char* to;
    } moves[] = {{"BQtEdit", "BhdEdit"}, {"BhdEdit", "BkbEdit"}, {"BkbEdit", "BIeEdit"}, {"BIeEdit", "BQtEdit"}};
    for (const auto& m : moves) {
        Find<QWidget>(page, m.from)->setFocus();
        PressEnter(page, m.from);
        QCOMPARE(FocusName(), QString(m.to));
    }
}

void DesignPageTest::clearButton()
{
    TRunningProgram program;
    const QObject* page = ShowDesignPage(program);
    Design(page, "100", "50", "1,5", "5", false);
    Click(page, "RadiBtn2");
    for (const char* name : {"BQtEdit", "BkbEdit", "BIeEdit"})
        QCOMPARE(Text(page, name), QString());
    for (const char* name : ResultLabels)
        QCOMPARE(Text(page, name), QString());
    QCOMPARE(Text(page, "BErrLabel"), QString());
    QCOMPARE(Text(page, "BhdEdit"), QString("82,7"));
    QVERIFY(Find<QCheckBox>(page, "CBox0_9")->isChecked());
    QVERIFY(!Find<QAbstractButton>(page, "NachBemBtn")->isEnabled());
    QCOMPARE(program.ShownCircleSketch().LabelsOnly, 1);
    QCOMPARE(program.ShownCircleSketch().Full, 0);
}

void DesignPageTest::transfer()
{
    TRunningProgram program;
    TMainForm& main = program.Main();
    const QObject* verification = Find<QWidget>(&main, "TabSheet1");
    // an earlier verification with results and the 95 % option
    TypeInto(verification, "DNEdit", "300");
    TypeInto(verification, "kbEdit", "1");
    TypeInto(verification, "IeEdit", "5");
    Find<QCheckBox>(verification, "CBox95")->setChecked(true);
    Click(verification, "OKBtn1");
    TypeInto(verification, "QtEdit", "40");
    Click(verification, "OKBtn2");
    const std::string reportLine8 = program.VerificationPage().ResultLines().Line(8);

    const QObject* page = ShowDesignPage(program);
    Design(page, "100", "82,7", "1,5", "5", true);
    Click(page, "NachBemBtn");

    QCOMPARE(Find<QTabWidget>(&main, "PageControl1")->currentWidget()->objectName(), QString("TabSheet1"));
    QCOMPARE(Text(verification, "DNEdit"), QString("358.8"));
    QCOMPARE(Text(verification, "QtEdit"), QString("100"));
    QCOMPARE(Text(verification, "kbEdit"), QString("1,5"));
    QCOMPARE(Text(verification, "IeEdit"), QString("5"));
    for (const char* name : {"DNLabel", "IeLabel", "kbLabel", "QvLabel", "VvLabel", "QtLabel", "QtvLabel", "FhLabel",
                             "htvLabel", "VtLabel"})
        QCOMPARE(Text(verification, name), QString());
    QVERIFY(!Find<QCheckBox>(verification, "CBox95")->isChecked());
    QCOMPARE(FocusName(), QString("DNEdit"));
    QCOMPARE(program.ShownCircleSketch().LabelsOnly, 1);
    QCOMPARE(program.ShownCircleSketch().Full, 0);
    // error field, result lines and buttons of the verification page stay
    QCOMPARE(program.VerificationPage().ResultLines().Line(8), reportLine8);
    QVERIFY(Find<QAbstractButton>(verification, "NClipBtn")->isEnabled());
    QVERIFY(Find<QAbstractButton>(verification, "OKBtn2")->isEnabled());
    // the printout still draws the pipe its result lines describe
    TRecordingSurface paper;
    program.VerificationPage().Printout().drawing(paper, ComputePageLayout(TPrintoutKind::Circle, 4792, 6851));
    QVERIFY(paper.FindText(" 28.5 "));
    QVERIFY(paper.FindText(" 16.4 "));
    const std::vector<TSurfaceCall> water = paper.Find("Chord");
    QCOMPARE(water.size(), std::size_t(1));
    QVERIFY(water[0].args[4] < water[0].args[6]);  // a water line, not a full pipe

    // and the verification of the designed pipe runs on what was carried over
    Click(verification, "OKBtn1");
    QCOMPARE(Text(verification, "DNLabel"), QString("358.8 "));
    QCOMPARE(Text(verification, "QvLabel"), QString("111.15 "));
    Click(verification, "OKBtn2");
    QCOMPARE(Text(verification, "ErrLabel"), QString(" "));
    QCOMPARE(Text(verification, "QtLabel"), QString("100 "));
}

void DesignPageTest::transferOfASevenCharacterDiameter()
{
    TRunningProgram program;
    const QObject* page = ShowDesignPage(program);
    Design(page, "5000", "10", "1,5", "0,1", true);
    Click(page, "NachBemBtn");
    const QObject* verification = Find<QWidget>(&program.Main(), "TabSheet1");
    QCOMPARE(Text(verification, "DNEdit"), QString("14472.5"));
    QCOMPARE(Text(verification, "IeEdit"), QString("0,1"));
    Click(verification, "OKBtn1");
    QCOMPARE(Text(verification, "ErrLabel"), QString::fromUtf8("d-Wert ist ungültig ( >=100 und <=3000 )"));
    // typing stays limited: the user can shorten the text but not lengthen it
    auto* field = Find<QLineEdit>(verification, "DNEdit");
    field->setFocus();
    field->end(false);
    QTest::keyClick(field, Qt::Key_9);
    QCOMPARE(field->text(), QString("14472.5"));
    QInputMethodEvent compose;
    compose.setCommitString("99");
    QApplication::sendEvent(field, &compose);
    QCOMPARE(field->text(), QString("14472.5"));
    QTest::mouseClick(field, Qt::MiddleButton);
    QCOMPARE(field->text(), QString("14472.5"));
    field->end(false);
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QString("14472."));
}

void DesignPageTest::transferredSmallDiameterIsRejectedByVerification()
{
    TRunningProgram program;
    const QObject* page = ShowDesignPage(program);
    Design(page, "1", "82,7", "0,25", "500", false);
    QCOMPARE(Text(page, "BDNLabel"), QString("  23.1 "));
    Click(page, "NachBemBtn");
    const QObject* verification = Find<QWidget>(&program.Main(), "TabSheet1");
    QCOMPARE(Text(verification, "DNEdit"), QString("23.1"));
    Click(verification, "OKBtn1");
    QCOMPARE(Text(verification, "ErrLabel"), QString::fromUtf8("d-Wert ist ungültig ( >=100 und <=3000 )"));
    QCOMPARE(FocusName(), QString("DNEdit"));
}

void DesignPageTest::showingThePageWithoutResultDisablesTransfer()
{
    TRunningProgram program;
    const QObject* page = ShowDesignPage(program);
    QVERIFY(!Find<QAbstractButton>(page, "NachBemBtn")->isEnabled());
    QCOMPARE(program.ShownCircleSketch().LabelsOnly, 1);
    Design(page, "100", "82,7", "1,5", "5", true);
    auto* pages = Find<QTabWidget>(&program.Main(), "PageControl1");
    pages->setCurrentIndex(0);
    pages->setCurrentIndex(1);
    QVERIFY(Find<QAbstractButton>(page, "NachBemBtn")->isEnabled());
    QCOMPARE(program.ShownCircleSketch().LabelsOnly, 0);
}

void DesignPageTest::accelerator()
{
    TRunningProgram program;
    const QObject* page = ShowDesignPage(program);
    TypeInto(page, "BQtEdit", "100");
    TypeInto(page, "BkbEdit", "1,5");
    TypeInto(page, "BIeEdit", "5");
    QTest::keyClick(Find<QWidget>(page, "BIeEdit"), Qt::Key_I, Qt::AltModifier);
    QTRY_COMPARE(Text(page, "BDNLabel"), QString(" 358.8 "));
}

void DesignPageTest::referenceButtonsOpenTheirDialogs()
{
    TRunningProgram program;
    const QObject* page = ShowDesignPage(program);
    const struct {
        const char* button;
        const char* dialog;
    } cases[] = {{"SpeedButton2", "kbForm"}, {"TheoSBtn2", "TheoForm"}};
    for (const auto& c : cases) {
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = modal->objectName();
                modal->close();
            }
        });
        Click(page, c.button);
        QCOMPARE(shown, QString(c.dialog));
    }
}

QTEST_MAIN(DesignPageTest)
#include "design_page_test.moc"
