// The channel page: layout, fields, keys, radio buttons and the clear button.

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

class ChannelPageTest : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void initialState();
    void tabOrder();
    void typingIsLimitedToSixCharacters();
    void showingThePageFocusesTheDischarge();
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
        {"RadiBtn3", {8, 4, 36, 36}},      {"SpeedButton3", {44, 4, 36, 36}}, {"GClipBtn", {80, 4, 36, 36}},
        {"GDruSBtn", {116, 4, 36, 36}},    {"GQEdit", {212, 56, 48, 17}},     {"GIeEdit", {212, 76, 48, 17}},
        {"GkstSEdit", {212, 96, 48, 17}},  {"GkstUEdit", {212, 116, 48, 17}}, {"GkstU2Edit", {212, 136, 48, 17}},
        {"GbEdit", {212, 156, 48, 17}},    {"GhEdit", {212, 176, 48, 17}},    {"GaEdit", {212, 196, 48, 17}},
        {"GBSEdit", {212, 216, 48, 17}},   {"GbetaEdit", {212, 236, 48, 17}}, {"GBS2Edit", {212, 256, 48, 17}},
        {"GFtBtn", {40, 290, 257, 25}},    {"GQLabel", {48, 328, 52, 17}},    {"GIeLabel", {48, 352, 52, 17}},
        {"GkstDLabel", {48, 376, 52, 17}}, {"GbLabel", {48, 400, 52, 17}},    {"GhLabel", {48, 424, 52, 16}},
        {"GaLabel", {48, 448, 52, 17}},    {"GBSLabel", {128, 448, 52, 17}},  {"GbetaLabel", {48, 472, 52, 17}},
        {"GBS2Label", {128, 472, 52, 17}}, {"GFtLabel", {228, 328, 48, 17}},  {"GhgrLabel", {228, 352, 48, 17}},
        {"GvLabel", {228, 376, 48, 17}},   {"GvgrLabel", {228, 400, 48, 17}}, {"GAbfLabel", {228, 424, 77, 17}},
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

    for (const char* name :
         {"GQLabel", "GIeLabel", "GkstDLabel", "GbLabel", "GhLabel", "GaLabel", "GBSLabel", "GbetaLabel", "GBS2Label"})
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
    QStringList visited{FocusName()};
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << FocusName();
    }
    QCOMPARE(visited,
             (QStringList{"GQEdit", "GIeEdit", "GkstSEdit", "GkstUEdit", "GkstU2Edit", "GbEdit", "GhEdit", "GaEdit",
                          "GbetaEdit", "GFtBtn", "RadioBtnGa"}));
}

void ChannelPageTest::typingIsLimitedToSixCharacters()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    for (const char* name :
         {"GQEdit", "GIeEdit", "GkstSEdit", "GkstUEdit", "GkstU2Edit", "GbEdit", "GhEdit", "GaEdit", "GbetaEdit"}) {
        TypeInto(page, name, "1234567");
        QCOMPARE(Text(page, name), QString("123456"));
    }
}

void ChannelPageTest::showingThePageFocusesTheDischarge()
{
    TRunningProgram program;
    ShowChannelPage(program);
    QCOMPARE(FocusName(), QString("GQEdit"));
}

void ChannelPageTest::clearButton()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    TChannelEntry entry;
    entry.left = "2";
    entry.leftSlope = true;
    Calculate(page, entry);
    const std::vector<std::string> before = ResultLines(program);
    QDialog* titles = program.Windows().Dialog<TGBemForm>();
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
    QCOMPARE(FocusName(), QString("GhEdit"));

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
            QVERIFY2(FocusName() == to, from);
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
    QCOMPARE(FocusName(), QString("GkstSEdit"));
}

void ChannelPageTest::enterNeverCalculates()
{
    TRunningProgram program;
    const QObject* page = ShowChannelPage(program);
    Enter(page, {});
    Find<QWidget>(page, "GbetaEdit")->setFocus();
    PressEnter(page, "GbetaEdit");
    QCOMPARE(FocusName(), QString("GQEdit"));
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
        QCOMPARE(FocusName(), QString(used));
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
