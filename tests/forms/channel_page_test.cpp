#include "windowtest.h"

#include "ChannelPage.h"
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

namespace {

const char* const InputFields[] = {"GQEdit", "GIeEdit", "GkstSEdit", "GkstUEdit", "GkstU2Edit", "GbEdit",
                                   "GhEdit", "GaEdit", "GBSEdit", "GbetaEdit", "GBS2Edit"};
const char* const ResultLabels[] = {"GQLabel", "GIeLabel", "GkstDLabel", "GbLabel", "GhLabel",
                                    "GaLabel", "GBSLabel", "GbetaLabel", "GBS2Label", "GFtLabel",
                                    "GhgrLabel", "GvLabel", "GvgrLabel", "GAbfLabel"};

// One set of inputs; a bank given by its slope fills the slope field.
struct TChannelEntry {
    QString Q = "500";
    QString Is = "2";
    QString kstS = "30";
    QString kstU = "30";
    QString kstU2 = "30";
    QString b = "100";
    QString hp = "100";
    QString left = "45";
    QString right = "45";
    bool leftSlope = false;
    bool rightSlope = false;
};

// Q, Is, kst bottom, left, right, b, hp, left bank, right bank.
TChannelEntry Entry(const QStringList& t, bool leftSlope = false, bool rightSlope = false)
{
    return TChannelEntry{t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], leftSlope, rightSlope};
}

// The first example, with a bank given by its slope 1 : 1 when the field is a slope field.
TChannelEntry ExampleUsing(const QString& field)
{
    TChannelEntry entry;
    entry.leftSlope = field == "GBSEdit";
    entry.rightSlope = field == "GBS2Edit";
    if (entry.leftSlope)
        entry.left = "1";
    if (entry.rightSlope)
        entry.right = "1";
    return entry;
}

QWidget* ShowChannelPage(TRunningProgram& program)
{
    auto* pages = Find<QTabWidget>(&program.Main(), "PageControl1");
    pages->setCurrentIndex(2);
    return pages->currentWidget();
}

struct TNamedText {
    const char* name;
    const char* text;
};

bool Enabled(const QObject* root, const char* name) { return Find<QWidget>(root, name)->isEnabled(); }

// The colour of a field as painted, and as its palette holds it for the
// printouts and anything else that asks.
QColor FieldColor(const QObject* root, const char* name)
{
    auto* field = Find<QWidget>(root, name);
    const QImage image = field->grab().toImage();
    const QColor painted = image.pixelColor(image.width() - 2, image.height() / 2);
    const QColor held = field->palette().color(QPalette::Base);
    return painted == held ? painted : QColor();
}

void Enter(const QObject* page, const TChannelEntry& e)
{
    Click(page, e.leftSlope ? "RadioBtnGBS" : "RadioBtnGa");
    Click(page, e.rightSlope ? "RadioBtnGBS2" : "RadioBtnGbeta");
    TypeInto(page, "GQEdit", e.Q);
    TypeInto(page, "GIeEdit", e.Is);
    TypeInto(page, "GkstSEdit", e.kstS);
    TypeInto(page, "GkstUEdit", e.kstU);
    TypeInto(page, "GkstU2Edit", e.kstU2);
    TypeInto(page, "GbEdit", e.b);
    TypeInto(page, "GhEdit", e.hp);
    TypeInto(page, e.leftSlope ? "GBSEdit" : "GaEdit", e.left);
    TypeInto(page, e.rightSlope ? "GBS2Edit" : "GbetaEdit", e.right);
}

void Calculate(const QObject* page, const TChannelEntry& e)
{
    Enter(page, e);
    Click(page, "GFtBtn");
}

QStringList LabelTexts(const QObject* page)
{
    QStringList texts;
    for (const char* name : ResultLabels)
        texts << Text(page, name);
    return texts;
}

std::vector<std::string> ResultLines(const TRunningProgram& program)
{
    const TResultLines& table = program.ChannelPage().ResultLines();
    std::vector<std::string> lines;
    for (int i = 0; i < table.Count(); ++i)
        lines.push_back(table.Line(i));
    return lines;
}

const std::string Dashes = "------------------------------------------- ";

// The labels of the first example: Q 500, Is 2, kst 30, b 100, hp 100, both banks at 45°.
const QStringList ExampleLabels = {"500 ",  "2 ",     "30.0 ", "100 ",  "100 ",  "45 ",  "1.00 ",
                                   "45 ",   "1.00 ",  "52.2 ", "26.9 ", "0.63 ", "1.46 ",
                                   QString::fromUtf8(" strömend")};

const std::vector<std::string> ExampleLines = {
    Dashes,
    "Abflußwerte Gerinne",
    Dashes,
    "Durchflußmenge         Q   =   500.00 l/s    ",
    "Gefälle                Is  =     2.00 o/oo   ",
    "Ma.Strick.Wert Sohle   kst =    30.00 m1/3 /s",
    "Ma.Strick.Wert Ufer li kst =    30.00 m1/3 /s",
    "Ma.Strick.Wert Ufer re kst =    30.00 m1/3 /s",
    "Durchschnittsbeiwert   kst =    30.00 m1/3 /s",
    "Sohlbreite             b   =   100.00 cm     ",
    "Profilhöhe             hp  =   100.00 cm     ",
    "Profilwinkel         alpha =    45.00 °      ",
    "Profilsteigung li      m   = 1:  1.00      ",
    "Profilwinkel          beta =    45.00 °      ",
    "Profilsteigung re      m   = 1:  1.00      ",
    Dashes,
    "Fließtiefe             h   =    52.23 cm     ",
    "Grenztiefe             hgr =    26.90 cm     ",
    "Fließgeschwindigkeit   v   =     0.63 m/s    ",
    "Grenzgeschwindigkeit   vgr =     1.46 m/s    ",
    "Wasserspiegelbreite  b-wsp =   204.46 cm     ",
    "Profilbreite gesamt    bp  =   300.00 cm     ",
    Dashes,
    "Abfluß                     =  strömend  ",
    Dashes,
};

} // namespace

Q_DECLARE_METATYPE(TChannelEntry)

class ChannelPageTest : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void initialState();
    void tabOrder();
    void typingIsLimitedToSixCharacters();
    void showingThePageFocusesTheDischarge();
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
    void clearButton();
    void enterKeyMovesFocus();
    void enterNeverCalculates();
    void radioButtonsSwitchTheBankField();
    void kstButtonOpensTheTable();
    void accelerator();
};

void ChannelPageTest::layout()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    QCOMPARE(Find<QTabWidget>(&program.Main(), "PageControl1")->tabText(2), QString(" Gerinne Bem.  "));
    const struct {
        const char* name;
        QRect geometry;
    } controls[] = {
        {"RadiBtn3", {8, 4, 36, 36}},      {"SpeedButton3", {44, 4, 36, 36}},  {"GClipBtn", {80, 4, 36, 36}},
        {"GDruSBtn", {116, 4, 36, 36}},    {"GQEdit", {212, 56, 48, 17}},      {"GIeEdit", {212, 76, 48, 17}},
        {"GkstSEdit", {212, 96, 48, 17}},  {"GkstUEdit", {212, 116, 48, 17}},  {"GkstU2Edit", {212, 136, 48, 17}},
        {"GbEdit", {212, 156, 48, 17}},    {"GhEdit", {212, 176, 48, 17}},     {"GaEdit", {212, 196, 48, 17}},
        {"GBSEdit", {212, 216, 48, 17}},   {"GbetaEdit", {212, 236, 48, 17}},  {"GBS2Edit", {212, 256, 48, 17}},
        {"GFtBtn", {40, 290, 257, 25}},    {"GQLabel", {48, 328, 52, 17}},     {"GIeLabel", {48, 352, 52, 17}},
        {"GkstDLabel", {48, 376, 52, 17}}, {"GbLabel", {48, 400, 52, 17}},     {"GhLabel", {48, 424, 52, 16}},
        {"GaLabel", {48, 448, 52, 17}},    {"GBSLabel", {128, 448, 52, 17}},   {"GbetaLabel", {48, 472, 52, 17}},
        {"GBS2Label", {128, 472, 52, 17}}, {"GFtLabel", {228, 328, 48, 17}},   {"GhgrLabel", {228, 352, 48, 17}},
        {"GvLabel", {228, 376, 48, 17}},   {"GvgrLabel", {228, 400, 48, 17}},  {"GAbfLabel", {228, 424, 77, 17}},
        {"GErrLabel", {16, 514, 305, 17}},
    };
    for (const auto& c : controls)
        QCOMPARE(Find<QWidget>(page, c.name)->geometry(), c.geometry);
    // The right bank's radio buttons sit in their own panel, level with their fields.
    auto* panel = Find<QWidget>(page, "Panel2");
    QCOMPARE(Find<QWidget>(page, "RadioBtnGbeta")->parentWidget(), panel);
    QCOMPARE(Find<QWidget>(page, "RadioBtnGbeta")->mapTo(panel->parentWidget(), QPoint(0, 0)).y(), 236);
    QCOMPARE(Find<QWidget>(page, "RadioBtnGBS2")->mapTo(panel->parentWidget(), QPoint(0, 0)).y(), 256);
    QCOMPARE(Find<QWidget>(page, "RadioBtnGa")->parentWidget(), panel->parentWidget());

    const TNamedText captions[] = {
        {"GQCaption", "Abflußmenge Q "},
        {"GIeCaption", "Gefälle  Is "},
        {"GkstSCaption", "Man.-Strickl.-Wert kst Sohle"},
        {"GkstUCaption", "kst Ufer links"},
        {"GkstU2Caption", "kst Ufer rechts"},
        {"GbCaption", "Sohlbreite b "},
        {"GhCaption", "Profilhöhe hp "},
        {"GaCaption", "α"},
        {"GbetaCaption", "β"},
        {"GkstSUnit", "m     /s"},
        {"GkstSPower", "1/3"},
        {"GBSUnit", "links"},
        {"GBS2Unit", "rechts"},
        {"GFtCaption", "Fließtiefe h  "},
        {"GhgrCaption", "Grenztiefe hgr  "},
        {"GvCaption", "Fließgeschw. v  "},
        {"GvgrCaption", "Grenzgeschw. vgr  "},
        {"GAbfCaption", "Abfluß  "},
    };
    for (const auto& c : captions)
        QCOMPARE(Text(page, c.name), QString::fromUtf8(c.text));
    QCOMPARE(Find<QAbstractButton>(page, "GFtBtn")->text(), QString::fromUtf8("&Fließtiefe berechnen"));
    QCOMPARE(Find<QAbstractButton>(page, "RadioBtnGa")->text(), QString("Profilwinkel"));
    QCOMPARE(Find<QAbstractButton>(page, "RadioBtnGBS")->text(), QString("Profilsteigung  1 : "));
    QCOMPARE(Find<QAbstractButton>(page, "RadioBtnGbeta")->text(), QString("Profilwinkel"));
    QCOMPARE(Find<QAbstractButton>(page, "RadioBtnGBS2")->text(), QString("Profilsteigung  1 : "));

    const TNamedText hints[] = {
        {"RadiBtn3", "Eingaben löschen"},
        {"SpeedButton3", "kst-Werte anzeigen"},
        {"GClipBtn", "in Zwischenablage kopieren"},
        {"GDruSBtn", "Gerinne drucken"},
        {"GQCaption2", "Abflußmenge"},
        {"GIeCaption2", "Sohlgefälle"},
        {"GbCaption2", "Sohlbreite"},
        {"GhCaption2", "Profilhöhe"},
        {"GaCaption2", "Profilwinkel"},
        {"GBSCaption2", "Profilsteigung"},
        {"GbetaCaption2", "Profilwinkel"},
        {"GBS2Caption2", "Profilsteigung"},
    };
    for (const auto& h : hints)
        QCOMPARE(Find<QWidget>(page, h.name)->toolTip(), QString::fromUtf8(h.text));

    for (const char* name : {"GQLabel", "GIeLabel", "GkstDLabel", "GbLabel", "GhLabel", "GaLabel", "GBSLabel",
                             "GbetaLabel", "GBS2Label"})
        QCOMPARE(Find<QWidget>(page, name)->palette().color(QPalette::Window), QColor(255, 255, 183));
    for (const char* name : {"GFtLabel", "GhgrLabel", "GvLabel", "GvgrLabel", "GAbfLabel"})
        QCOMPARE(Find<QWidget>(page, name)->palette().color(QPalette::Window), QColor(255, 255, 0));
    QVERIFY(Find<QWidget>(page, "GFtLabel")->font().bold());
    QVERIFY(!Find<QWidget>(page, "GhgrLabel")->font().bold());
    auto* regime = Find<QLabel>(page, "GAbfLabel");
    QVERIFY(regime->font().bold());
    QCOMPARE(regime->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(regime->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(Find<QLabel>(page, "GFtLabel")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    auto* error = Find<QLabel>(page, "GErrLabel");
    QCOMPARE(error->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(error->alignment(), Qt::AlignCenter);
    // Arial 13 px everywhere, also on a field that has changed its colour
    Click(page, "RadioBtnGBS");
    for (const char* name : {"GQEdit", "GBSEdit", "GaEdit", "GQCaption", "RadioBtnGBS2", "GFtBtn", "GFtLabel",
                             "GAbfLabel", "GErrLabel", "GaCaption"}) {
        const QFont font = Find<QWidget>(page, name)->font();
        QVERIFY2(font.family() == "Arial" && font.pixelSize() == 13, name);
    }
    QCOMPARE(Find<QWidget>(page, "GkstUPower")->font().pixelSize(), 9);
}

void ChannelPageTest::initialState()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    QVERIFY(Find<QRadioButton>(page, "RadioBtnGa")->isChecked());
    QVERIFY(Find<QRadioButton>(page, "RadioBtnGbeta")->isChecked());
    for (const char* name : {"GaEdit", "GbetaEdit", "GQEdit", "GkstU2Edit"}) {
        QVERIFY(Enabled(page, name));
        QCOMPARE(FieldColor(page, name), QColor(255, 255, 255));
    }
    for (const char* name : {"GBSEdit", "GBS2Edit"}) {
        QVERIFY(!Enabled(page, name));
        QCOMPARE(FieldColor(page, name), QColor(216, 216, 216));
    }
    for (const char* name : InputFields)
        QCOMPARE(Text(page, name), QString());
    for (const char* name : ResultLabels)
        QCOMPARE(Text(page, name), QString());
    QVERIFY(!Enabled(page, "GClipBtn"));
    QVERIFY(!Enabled(page, "GDruSBtn"));
    QVERIFY(Enabled(page, "RadiBtn3"));
    QCOMPARE(program.ChannelPage().Sketch().LabelsOnly, 1);
}

void ChannelPageTest::tabOrder()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    Find<QWidget>(page, "GQEdit")->setFocus();
    QStringList visited{program.FocusName()};
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << program.FocusName();
    }
    QCOMPARE(visited, (QStringList{"GQEdit", "GIeEdit", "GkstSEdit", "GkstUEdit", "GkstU2Edit", "GbEdit", "GhEdit",
                                   "GaEdit", "GbetaEdit", "GFtBtn", "RadioBtnGa"}));
}

void ChannelPageTest::typingIsLimitedToSixCharacters()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    for (const char* name : {"GQEdit", "GIeEdit", "GkstSEdit", "GkstUEdit", "GkstU2Edit", "GbEdit", "GhEdit",
                             "GaEdit", "GbetaEdit"}) {
        TypeInto(page, name, "1234567");
        QCOMPARE(Text(page, name), QString("123456"));
    }
}

void ChannelPageTest::showingThePageFocusesTheDischarge()
{
    TRunningProgram program;
    ShowChannelPage(program);
    QCOMPARE(program.FocusName(), QString("GQEdit"));
}

void ChannelPageTest::example()
{
    TRunningProgram program;
    TMainForm& main = program.Main();
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
    const std::vector<std::string> texts = {sketch.hText,    sketch.bText,    sketch.hpText,
                                            sketch.alphaText, sketch.betaText, sketch.l1Text,
                                            sketch.l2Text,   sketch.bWspText, sketch.bProfilText};
    QCOMPARE(texts, (std::vector<std::string>{"52.2 ", "100.0 ", "100.0 ", "45.0 ° ", "45.0 ° ", "100.0 ", "100.0 ",
                                              "204.5 ", "300.0 "}));
}

void ChannelPageTest::channels_data()
{
    QTest::addColumn<TChannelEntry>("entry");
    QTest::addColumn<QStringList>("expected");  // "label=text" or "sketch field=text"
    QTest::newRow("slopes 1:1.5 and 1:2")
        << Entry({"10", "1", "30", "30", "30", "50", "50", "1,5", "2"}, true, true)
        << QStringList{"GaLabel=33.7 ", "GBSLabel=1.5 ", "GbetaLabel=26.6 ", "GBS2Label=2 ", "GFtLabel= 9.3 ",
                       "GvLabel=0.16 ", "GhgrLabel= 3.4 ", "GAbfLabel= strömend", "l1Text=75.0 ", "l2Text=100.0 ",
                       "bProfilText=225.0 ", "bWspText=82.6 ", "GaEdit=", "GbetaEdit="};
    QTest::newRow("60 and vertical")
        << Entry({"1000", "1", "40", "25", "25", "200", "80", "60", "90"})
        << QStringList{"GBSLabel=0.58 ", "GBS2Label=  ", "GFtLabel=76.4 ", "GvLabel=0.59 ", "GkstDLabel=31.0 ",
                       "GhgrLabel=29.1 ", "GvgrLabel=1.65 ", "GAbfLabel= strömend", "bProfilText=246.2 ",
                       "l2Text= 0.0 "};
    QTest::newRow("two vertical banks overflowing")
        << Entry({"2000", "5", "60", "60", "60", "150", "50", "90", "90"})
        << QStringList{"GFtLabel=63.9 ", "GAbfLabel= läuft über", "bWspText=150.0 ", "bProfilText=150.0 ",
                       "GBSLabel=  ", "GBS2Label=  "};
    QTest::newRow("angle and slope, supercritical")
        << Entry({"200", "20", "70", "30", "30", "50", "60", "30", "3"}, false, true)
        << QStringList{"GbetaLabel=18.4 ", "GBS2Label=3 ", "GFtLabel=17.8 ", "GvLabel=1.22 ", "GkstDLabel=36.5 ",
                       "GhgrLabel=19.0 ", "GAbfLabel= schießend", "betaText=18.4 ° "};
    QTest::newRow("smallest depth")
        << Entry({"1", "500", "100", "100", "100", "3000", "10", "10", "10"})
        << QStringList{"GFtLabel= 0.0 ", "GhgrLabel= 0.2 ", "GAbfLabel= schießend", "hText= 0.0 "};
}

void ChannelPageTest::channels()
{
    QFETCH(TChannelEntry, entry);
    QFETCH(QStringList, expected);
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    Calculate(page, entry);
    QCOMPARE(Text(page, "GErrLabel"), QString(" "));
    const TChannelSketch& sketch = program.ChannelPage().Sketch();
    const std::pair<const char*, const std::string*> sketchTexts[] = {
        {"hText", &sketch.hText},     {"l1Text", &sketch.l1Text},     {"l2Text", &sketch.l2Text},
        {"bWspText", &sketch.bWspText}, {"bProfilText", &sketch.bProfilText}, {"betaText", &sketch.betaText},
    };
    for (const QString& item : expected) {
        const QString name = item.section('=', 0, 0);
        const QString text = item.section('=', 1);
        const auto inSketch = std::find_if(std::begin(sketchTexts), std::end(sketchTexts),
                                           [&](const auto& s) { return name == s.first; });
        const QString shown = inSketch != std::end(sketchTexts) ? QString::fromStdString(*inSketch->second)
                                                                 : Text(page, name);
        QVERIFY2(shown == text, qPrintable(name + ": '" + shown + "' instead of '" + text + "'"));
    }
}

// One row per field for message and focus; the number check's own tables hold every rule.
void ChannelPageTest::inputErrors_data()
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

void ChannelPageTest::inputErrors()
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
    QCOMPARE(program.FocusName(), field);
    for (const char* name : ResultLabels)
        QCOMPARE(Text(page, name), QString());
    QVERIFY(!Enabled(page, "GClipBtn"));
    QVERIFY(!Enabled(page, "GDruSBtn"));
    QCOMPARE(program.ChannelPage().Sketch().LabelsOnly, 1);
}

// A field at its bound calculates, just beyond it is refused; the number check's
// own tables hold both bounds of every field.
void ChannelPageTest::boundsAreInclusive_data()
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

void ChannelPageTest::boundsAreInclusive()
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
    QCOMPARE(program.FocusName(), field);
}

void ChannelPageTest::decimalCommaIsEchoedAsPoint()
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

void ChannelPageTest::firstInvalidFieldWins()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    TChannelEntry entry;
    entry.Q = "0";
    entry.Is = "-2";
    entry.right = "5";
    Calculate(page, entry);
    QCOMPARE(Text(page, "GErrLabel"), QString::fromUtf8("Q-Wert ist ungültig ( >=1 und <=99000 )"));
    QCOMPARE(program.FocusName(), QString("GQEdit"));
}

void ChannelPageTest::leftBank_data()
{
    QTest::addColumn<TChannelEntry>("entry");
    QTest::addColumn<QStringList>("echo");  // GaLabel, GBSLabel, GaEdit, GBSEdit
    QTest::addColumn<QStringList>("lines"); // result lines 11 and 12
    QTest::addColumn<double>("alpha");
    QTest::addColumn<QStringList>("sketchTexts");  // alphaText, l1Text
    TChannelEntry vertical;
    vertical.left = "90";
    QTest::newRow("vertical by angle")
        << vertical << QStringList{"90 ", "  ", "90", ""}
        << QStringList{"Profilwinkel         alpha =    90.00 °      ", "Profilsteigung li      m   = 1:  0.00      "}
        << 90.0 << QStringList{"90.0 ° ", " 0.0 "};
    TChannelEntry slope;
    slope.left = "2";
    slope.leftSlope = true;
    QTest::newRow("slope 1:2")
        << slope << QStringList{"26.6 ", "2 ", "", "2"}
        << QStringList{"Profilwinkel         alpha =    26.57 °      ", "Profilsteigung li      m   = 1:  2.00      "}
        << 26.5651 << QStringList{"26.6 ° ", "200.0 "};
}

void ChannelPageTest::leftBank()
{
    QFETCH(TChannelEntry, entry);
    QFETCH(QStringList, echo);
    QFETCH(QStringList, lines);
    QFETCH(double, alpha);
    QFETCH(QStringList, sketchTexts);
    TRunningProgram program;
    TMainForm& main = program.Main();
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
    QCOMPARE((QStringList{QString::fromStdString(sketch.alphaText), QString::fromStdString(sketch.l1Text)}),
             sketchTexts);
}

void ChannelPageTest::failedCheckKeepsResults()
{
    TRunningProgram program;
    TMainForm& main = program.Main();
    const QObject* page = ShowChannelPage(program);
    Calculate(page, {});
    const TChannelSketch before = program.ChannelPage().Sketch();

    const TChannelEntry changed = Entry({"500", "2", "30", "30", "5", "5", "900", "30", "60"});
    Calculate(page, changed);
    QCOMPARE(Text(page, "GErrLabel"), QString::fromUtf8("kst-Wert Ufer rechts ist ungültig ( >=10 und <=100 )"));
    QCOMPARE(program.FocusName(), QString("GkstU2Edit"));
    QCOMPARE(LabelTexts(page), ExampleLabels);
    QCOMPARE(ResultLines(program), ExampleLines);
    QVERIFY(Enabled(page, "GClipBtn"));
    QVERIFY(Enabled(page, "GDruSBtn"));
    // The dimensions are taken before the check, the result texts stay.
    const TChannelSketch& after = program.ChannelPage().Sketch();
    QCOMPARE(after.hp, 900.0);
    QCOMPARE(after.b, 5.0);
    QCOMPARE(after.alpha, 30.0);
    QCOMPARE(after.beta, 60.0);
    QCOMPARE(after.h, before.h);
    QCOMPARE(after.hText, before.hText);
    QCOMPARE(after.bText, std::string("100.0 "));
    QCOMPARE(after.alphaText, std::string("45.0 ° "));
    QCOMPARE(after.bProfilText, before.bProfilText);
    QCOMPARE(after.LabelsOnly, 0);

    // the next successful run blanks the message again
    Calculate(page, {});
    QCOMPARE(Text(page, "GErrLabel"), QString(" "));
}

void ChannelPageTest::depthBoundIsReported()
{
    TRunningProgram program;
    TMainForm& main = program.Main();
    const QObject* page = ShowChannelPage(program);
    // two vertical banks 1 cm apart, the largest discharge, the smallest slope and kst
    const TChannelEntry worst = Entry({"99000", "0,1", "10", "10", "10", "1", "100", "90", "90"});

    Calculate(page, worst);
    QCOMPARE(Text(page, "GErrLabel"), QString::fromUtf8("Fließtiefe über 50 m: Eingaben prüfen"));
    QCOMPARE(program.FocusName(), QString("GQEdit"));
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
    QCOMPARE(program.ChannelPage().Sketch().hText, std::string("52.2 "));
    QCOMPARE(program.ChannelPage().Sketch().b, 1.0);
}

void ChannelPageTest::clearButton()
{
    TRunningProgram program;
    TMainForm& main = program.Main();
    const QObject* page = ShowChannelPage(program);
    TChannelEntry entry;
    entry.left = "2";
    entry.leftSlope = true;
    Calculate(page, entry);
    const std::vector<std::string> before = ResultLines(program);
    QDialog* titles = program.Windows().gBemForm.get();
    QVERIFY(titles);
    Find<QLineEdit>(titles, "GBemEdit1")->setText("Graben Nord");
    Find<QLineEdit>(titles, "GBemEdit2")->setText("Abschnitt 2");
    Find<QWidget>(page, "GhEdit")->setFocus();

    Click(page, "RadiBtn3");
    for (const char* name : InputFields)
        QCOMPARE(Text(page, name), QString());
    for (const char* name : ResultLabels)
        QCOMPARE(Text(page, name), QString());
    QCOMPARE(Text(page, "GErrLabel"), QString());
    QCOMPARE(Text(titles, "GBemEdit1"), QString());
    QCOMPARE(Text(titles, "GBemEdit2"), QString());
    QVERIFY(!Enabled(page, "GClipBtn"));
    QVERIFY(!Enabled(page, "GDruSBtn"));
    const std::vector<std::string> after = ResultLines(program);
    for (int i = 0; i <= 19; ++i)
        QCOMPARE(after[i], std::string());
    for (int i = 20; i <= 24; ++i)
        QCOMPARE(after[i], before[i]);
    QCOMPARE(program.ChannelPage().Sketch().LabelsOnly, 1);
    // radio buttons, field states and focus stay
    QVERIFY(Find<QRadioButton>(page, "RadioBtnGBS")->isChecked());
    QVERIFY(Enabled(page, "GBSEdit"));
    QVERIFY(!Enabled(page, "GaEdit"));
    QCOMPARE(FieldColor(page, "GaEdit"), QColor(216, 216, 216));
    QCOMPARE(program.FocusName(), QString("GhEdit"));

    Calculate(page, {});
    QVERIFY(Enabled(page, "GClipBtn"));
    QCOMPARE(ResultLines(program), ExampleLines);
}

void ChannelPageTest::enterKeyMovesFocus()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    const auto moves = [&](const std::vector<std::pair<const char*, const char*>>& steps) {
        for (const auto& [from, to] : steps) {
            Find<QWidget>(page, from)->setFocus();
            PressEnter(page, from);
            QVERIFY2(program.FocusName() == to, from);
        }
    };
    moves({{"GQEdit", "GIeEdit"},
           {"GIeEdit", "GkstSEdit"},
           {"GkstSEdit", "GkstUEdit"},
           {"GkstUEdit", "GkstU2Edit"},
           {"GkstU2Edit", "GbEdit"},
           {"GbEdit", "GhEdit"},
           {"GhEdit", "GaEdit"},
           {"GaEdit", "GbetaEdit"},
           {"GbetaEdit", "GQEdit"}});
    Click(page, "RadioBtnGBS");
    Click(page, "RadioBtnGBS2");
    moves({{"GhEdit", "GBSEdit"}, {"GBSEdit", "GBS2Edit"}, {"GBS2Edit", "GQEdit"}});
    Click(page, "RadioBtnGbeta");
    moves({{"GBSEdit", "GbetaEdit"}});
    // Shift is ignored
    Find<QWidget>(page, "GIeEdit")->setFocus();
    QTest::keyClick(Find<QWidget>(page, "GIeEdit"), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(program.FocusName(), QString("GkstSEdit"));
}

void ChannelPageTest::enterNeverCalculates()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    Enter(page, {});
    Find<QWidget>(page, "GbetaEdit")->setFocus();
    PressEnter(page, "GbetaEdit");
    QCOMPARE(program.FocusName(), QString("GQEdit"));
    for (const char* name : InputFields) {
        if (Enabled(page, name)) {
            Find<QWidget>(page, name)->setFocus();
            PressEnter(page, name);
        }
    }
    for (const char* name : ResultLabels)
        QCOMPARE(Text(page, name), QString());
    QCOMPARE(Text(page, "GErrLabel"), QString());
    QVERIFY(!Enabled(page, "GClipBtn"));
}

void ChannelPageTest::radioButtonsSwitchTheBankField()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    const struct {
        const char* slopeButton;
        const char* angleButton;
        const char* angleEdit;
        const char* slopeEdit;
    } banks[] = {{"RadioBtnGBS", "RadioBtnGa", "GaEdit", "GBSEdit"},
                 {"RadioBtnGBS2", "RadioBtnGbeta", "GbetaEdit", "GBS2Edit"}};
    // Selecting a button empties, disables and greys the other field and
    // puts the focus into its own, white field.
    const auto select = [&](const char* button, const char* other, const char* used, const char* unused) {
        TypeInto(page, unused, "45");
        Click(page, button);
        QVERIFY(!Find<QRadioButton>(page, other)->isChecked());
        QVERIFY(!Enabled(page, unused));
        QCOMPARE(Text(page, unused), QString());
        QCOMPARE(FieldColor(page, unused), QColor(216, 216, 216));
        QVERIFY(Enabled(page, used));
        QCOMPARE(FieldColor(page, used), QColor(255, 255, 255));
        QCOMPARE(program.FocusName(), QString(used));
    };
    for (const auto& bank : banks) {
        select(bank.slopeButton, bank.angleButton, bank.slopeEdit, bank.angleEdit);
        select(bank.angleButton, bank.slopeButton, bank.angleEdit, bank.slopeEdit);
    }
    // the two banks are separate groups, and selecting the selected button changes nothing
    Click(page, "RadioBtnGa");
    QVERIFY(Find<QRadioButton>(page, "RadioBtnGa")->isChecked());
    QVERIFY(Find<QRadioButton>(page, "RadioBtnGbeta")->isChecked());
    Click(page, "RadioBtnGBS");
    QVERIFY(Find<QRadioButton>(page, "RadioBtnGbeta")->isChecked());
    Click(page, "RadioBtnGBS2");
    QVERIFY(Find<QRadioButton>(page, "RadioBtnGBS")->isChecked());
}

void ChannelPageTest::kstButtonOpensTheTable()
{
    TRunningProgram program;
    TMainForm& main = program.Main();
    const QObject* page = ShowChannelPage(program);
    QString opened;
    QTimer::singleShot(0, &main, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->objectName();
            Click(modal, "Button1");
        }
    });
    Click(page, "SpeedButton3");
    QCOMPARE(opened, QString("kstForm"));
}

void ChannelPageTest::accelerator()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    Enter(page, {});
    // Alt+F clicks the button after its short animation
    QTest::keyClick(Find<QWidget>(page, "GbetaEdit"), Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(Text(page, "GFtLabel"), QString("52.2 "));
}

QTEST_MAIN(ChannelPageTest)
#include "channel_page_test.moc"
