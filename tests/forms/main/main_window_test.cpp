#include "windowtest.h"

#include "About.h"
#include "Clipinh.h"
#include "Gbem.h"
#include "HeaderLineSetting.h"
#include "Headline.h"
#include "InputField.h"
#include "Kbtab.h"
#include "Ksttab.h"
#include "Main.h"
#include "Nbem.h"
#include "Startup.h"
#include "Theo.h"
#include "VerificationPage.h"
#include "channelsketch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace fluvara;
using namespace fluvara::test;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void frame();
    void toolbarAndMenu();
    void initialPageState();
    void pagesInOrder();
    void startUpCreatesEveryWindowOnce();
    void headerLine_data();
    void headerLine();
    void closesFromToolbarAndMenu();
    void closesWithFocusInAField_data();
    void closesWithFocusInAField();
    void limitedFieldDestroyedWithFocus();
    void pageSwitchRedrawsAndFocuses();
    void qtDialogsSpeakGerman();
    void sketchAreaShowsThePictureOfThePageInFront();
    void eachPageShowsItsOwnPicture();
};

void MainWindowTest::frame()
{
    TRunningProgram program;
    TMainForm& main = program.Main();
    QCOMPARE(main.windowTitle(), QString(" FLUVARA "));
    QCOMPARE(main.centralWidget()->size(), QSize(913, 607));
    // fixed size: the frame cannot be dragged larger or smaller
    QCOMPARE(main.minimumSize(), main.maximumSize());
    QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(main.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(main.SketchCentre(), (TPoint{632, 328}));
    QCOMPARE(Find<QWidget>(&main, "Bevel1")->geometry(), QRect(368, 72, 529, 513));
    QCOMPARE(Find<QWidget>(&main, "Panel1")->geometry(), QRect(368, 16, 529, 50));
    QCOMPARE(Find<QWidget>(&main, "PageControl1")->geometry(), QRect(16, 16, 345, 569));
    QVERIFY(Find<QPlainTextEdit>(&main, "Memo1")->isHidden());
    QCOMPARE(main.font().pixelSize(), 11);
    QCOMPARE(main.font().family(), QString("MS Sans Serif"));
}

void MainWindowTest::toolbarAndMenu()
{
    TRunningProgram program;
    const struct {
        const char* name;
        int x;
        const char* hint;
    } buttons[] = {
        {"SpClipfrageBtn", 368, "Inhalt der Zwischenablage anzeigen"},
        {"HLineBtn", 408, "Kopfzeile eingeben"},
        {"AboutBtn", 448, "Info anzeigen"},
        {"ExitButton", 488, "Programm beenden"},
    };
    for (const auto& b : buttons) {
        auto* button = Find<QToolButton>(&program.Main(), b.name);
        QCOMPARE(button->geometry(), QRect(b.x, 8, 36, 36));
        QCOMPARE(button->toolTip(), QString::fromUtf8(b.hint));
        QVERIFY(button->autoRaise());
        QVERIFY(!button->icon().isNull());
    }
    const QList<QAction*> menus = program.Main().menuBar()->actions();
    // "&Menü" first with its two entries; further windows are under "&Extras".
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QString::fromUtf8("&Menü"));
    QCOMPARE(menus[1]->text(), QString("&Extras"));
    const QList<QAction*> items = menus[0]->menu()->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->text(), QString("&Info"));
    QCOMPARE(items[1]->text(), QString("&Beenden"));
}

void MainWindowTest::initialPageState()
{
    TRunningProgram program;
    const QObject* main = &program.Main();
    QCOMPARE(Find<QTabWidget>(main, "PageControl1")->currentWidget()->objectName(), QString("TabSheet1"));
    QCOMPARE(Text(main, "DNEdit"), QString());
    for (const char* name : {"OKBtn2", "NClipBtn", "NDruSBtn", "NachBemBtn"})
        QVERIFY2(!Find<QAbstractButton>(main, name)->isEnabled(), name);
    QVERIFY(Find<QAbstractButton>(main, "OKBtn1")->isEnabled());
    QCOMPARE(Text(main, "BhdEdit"), QString("82,7"));
    QVERIFY(Find<QCheckBox>(main, "CBox0_9")->isChecked());
    QVERIFY(!Find<QCheckBox>(main, "CBox95")->isChecked());
    const TCircleSketch sketch = program.ShownCircleSketch();
    QCOMPARE(sketch.LabelsOnly, 1);
    QCOMPARE(sketch.Full, 0);
    QCOMPARE(program.VerificationPage().ResultLines().Line(0), std::string(" "));
    QCOMPARE(FocusName(), QString("DNEdit"));
}

void MainWindowTest::pagesInOrder()
{
    TRunningProgram program;
    auto* pages = Find<QTabWidget>(&program.Main(), "PageControl1");
    QCOMPARE(pages->count(), 3);
    const char* names[] = {"TabSheet1", "TabSheet3", "TabSheet2"};
    const char* captions[] = {" Kreisprofil Nachw. ", " Kreisprofil Bem. ", " Gerinne Bem.  "};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(pages->widget(i)->objectName(), QString(names[i]));
        QCOMPARE(pages->tabText(i), QString(captions[i]));
    }
    QCOMPARE(pages->font().family(), QString("Arial"));
    QCOMPARE(pages->font().pixelSize(), 13);
}

void MainWindowTest::startUpCreatesEveryWindowOnce()
{
    TRunningProgram program;
    TApplicationWindows& w = program.Windows();
    QVERIFY(w.mainForm && w.Dialog<TAboutForm>() && w.Dialog<TClipForm>() && w.Dialog<TGBemForm>() &&
            w.Dialog<THeadLineForm>() && w.Dialog<TkbForm>() && w.Dialog<TkstForm>() && w.Dialog<TNBemForm>() &&
            w.Dialog<TTheoForm>());
    QVERIFY(w.headerLine && w.output);
    // dialogs stay hidden until asked for
    QVERIFY(!w.Dialog<TAboutForm>()->isVisible());
    // the buttons open the dialogs start-up created
    auto* pages = Find<QTabWidget>(&program.Main(), "PageControl1");
    const struct {
        int page;
        const char* button;
        QDialog* dialog;
    } opens[] = {
        {0, "SpClipfrageBtn", w.Dialog<TClipForm>()}, {0, "HLineBtn", w.Dialog<THeadLineForm>()},
        {0, "AboutBtn", w.Dialog<TAboutForm>()},      {0, "SpeedButton1", w.Dialog<TkbForm>()},
        {0, "TheoSBtn", w.Dialog<TTheoForm>()},       {1, "SpeedButton2", w.Dialog<TkbForm>()},
        {1, "TheoSBtn2", w.Dialog<TTheoForm>()},      {2, "SpeedButton3", w.Dialog<TkstForm>()},
    };
    for (const auto& o : opens) {
        pages->setCurrentIndex(o.page);
        QWidget* shown = nullptr;
        QTimer::singleShot(0, [&shown] {
            shown = QApplication::activeModalWidget();
            if (shown)
                shown->close();
        });
        Click(&program.Main(), o.button);
        QVERIFY2(shown == o.dialog, o.button);
    }
}

void MainWindowTest::headerLine_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << QVariant() << QString();
    QTest::newRow("text") << QVariant(QString::fromUtf8("Ingenieurbüro Müller"))
                          << QString::fromUtf8("Ingenieurbüro Müller");
    QTest::newRow("empty text") << QVariant(QString()) << QString();
    QTest::newRow("list") << QVariant(QStringList{"a", "b"}) << QString("FLUVARA 5.0");
    QTest::newRow("binary") << QVariant(QByteArray("\x01\x02", 2)) << QString("FLUVARA 5.0");
    QTest::newRow("longer than 64") << QVariant(QString(70, QChar(u'ä'))) << QString(64, QChar(u'ä'));
    // a character outside the basic plane is two UTF-16 units and is not split
    QTest::newRow("pair across the cut") << QVariant(QString(63, 'x') + QString::fromUtf8("\xF0\x9F\x8C\x8A"))
                                         << QString(63, 'x');
    QTest::newRow("exactly 64") << QVariant(QString(64, 'x')) << QString(64, 'x');
}

void MainWindowTest::headerLine()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    std::unique_ptr<TRunningProgram> program;
    if (stored.isValid())
        program = std::make_unique<TRunningProgram>(stored);
    else
        program = std::make_unique<TRunningProgram>();
    QCOMPARE(program->HeaderLine().Text(), expected);
}

void MainWindowTest::closesFromToolbarAndMenu()
{
    {
        TRunningProgram program;
        QVERIFY(program.Main().isVisible());
        Click(&program.Main(), "ExitButton");
        QVERIFY(!program.Main().isVisible());
    }
    {
        TRunningProgram program;
        Find<QAction>(&program.Main(), "ExitItem")->trigger();
        QVERIFY(!program.Main().isVisible());
    }
    {
        TRunningProgram program;
        QVERIFY(program.Main().close());
        QVERIFY(!program.Main().isVisible());
    }
}

// Closing from the toolbar with the focus in a field of each page.
void MainWindowTest::closesWithFocusInAField_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("field");
    QTest::newRow("verification") << 0 << "DNEdit";
    QTest::newRow("design") << 1 << "BQtEdit";
    QTest::newRow("channel") << 2 << "GQEdit";
}

void MainWindowTest::closesWithFocusInAField()
{
    QFETCH(int, page);
    QFETCH(QString, field);
    auto program = std::make_unique<TRunningProgram>();
    Find<QTabWidget>(&program->Main(), "PageControl1")->setCurrentIndex(page);
    Find<QLineEdit>(&program->Main(), field)->setFocus();
    QCOMPARE(FocusName(), field);
    Click(&program->Main(), "ExitButton");
    QVERIFY(!program->Main().isVisible());
    program.reset();
}

// A field's destructor sends it a focus-out once its line edit part is gone;
// nothing may treat it as a line edit then (the sanitizer build reports any
// member call on it). On a desktop the closed window's deactivation arrives
// after the event loop has ended, so at exit the windows are destroyed with
// the focus still in the field; the offscreen platform deactivates at once,
// so here the field is destroyed while it has the focus.
void MainWindowTest::limitedFieldDestroyedWithFocus()
{
    QWidget window;
    auto* field = new QLineEdit(&window);
    LimitTyping(field, 6);
    field->setText("1234567");  // longer than typing allows: the guard is at work
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QCOMPARE(QApplication::focusWidget(), field);
    delete field;
    QCOMPARE(QApplication::focusWidget(), nullptr);
}

void MainWindowTest::pageSwitchRedrawsAndFocuses()
{
    TRunningProgram program;
    auto* pages = Find<QTabWidget>(&program.Main(), "PageControl1");
    pages->setCurrentIndex(1);
    QCOMPARE(FocusName(), QString("BQtEdit"));
    pages->setCurrentIndex(0);
    QCOMPARE(FocusName(), QString("DNEdit"));
    QCOMPARE(program.ShownCircleSketch().LabelsOnly, 1);
}

void MainWindowTest::qtDialogsSpeakGerman()
{
    TRunningProgram program;
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Paste"), QString::fromUtf8("Einf&ügen"));
}

namespace {

// The colour the sketch area shows at a point given in window client coordinates.
QColor SketchPixel(TMainForm& main, TPoint at)
{
    auto* area = Find<QWidget>(&main, "Bevel1");
    const QImage image = area->grab().toImage();
    return image.pixelColor(at.x - area->x(), at.y - area->y());
}

QColor Colour(TRgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

// Each page paints its own picture about the sketch centre: the pipe wall, the
// water and the dry inside where the page's record puts them, or the ground
// of the channel.
void MainWindowTest::sketchAreaShowsThePictureOfThePageInFront()
{
    TRunningProgram program;
    TMainForm& main = program.Main();
    auto* pages = Find<QTabWidget>(&main, "PageControl1");
    const TPoint c = main.SketchCentre();
    const TPoint wall{c.x - 85, c.y}, high{c.x, c.y - 50}, middle{c.x, c.y - 30}, low{c.x, c.y + 50};

    // the placeholder pipe, filled to its symbol depth
    QCOMPARE(SketchPixel(main, wall), Colour(Grey));
    QCOMPARE(SketchPixel(main, high), Colour(Silver));
    QCOMPARE(SketchPixel(main, low), Colour(LightBlue));

    QWidget* verification = pages->widget(0);
    TypeInto(verification, "DNEdit", "300");
    TypeInto(verification, "kbEdit", "1,5");
    TypeInto(verification, "IeEdit", "5");
    Click(verification, "OKBtn1");
    QCOMPARE(SketchPixel(main, high), Colour(LightBlue));  // full

    pages->setCurrentIndex(1);
    QCOMPARE(SketchPixel(main, high), Colour(Silver));  // the design page's placeholder
    QCOMPARE(SketchPixel(main, low), Colour(LightBlue));
    QWidget* design = pages->widget(1);
    TypeInto(design, "BQtEdit", "100");
    TypeInto(design, "BhdEdit", "50");
    TypeInto(design, "BkbEdit", "1,5");
    TypeInto(design, "BIeEdit", "5");
    Click(design, "BemTeilBtn");
    QCOMPARE(SketchPixel(main, middle), Colour(Silver));  // half full
    QCOMPARE(SketchPixel(main, TPoint{c.x, c.y + 30}), Colour(LightBlue));

    pages->setCurrentIndex(2);
    QCOMPARE(SketchPixel(main, TPoint{c.x, c.y + 10}), Colour(Orange));     // ground below the bottom
    QCOMPARE(SketchPixel(main, TPoint{c.x, c.y - 10}), Colour(LightBlue));  // water above it
    QVERIFY(SketchPixel(main, wall) != Colour(Grey));

    pages->setCurrentIndex(0);
    QCOMPARE(SketchPixel(main, high), Colour(LightBlue));  // the full pipe again
}

void MainWindowTest::eachPageShowsItsOwnPicture()
{
    TRunningProgram program;
    TMainForm& main = program.Main();
    auto* pages = Find<QTabWidget>(&main, "PageControl1");
    pages->setCurrentIndex(1);
    const QObject* design = pages->currentWidget();
    TypeInto(design, "BQtEdit", "100");
    TypeInto(design, "BhdEdit", "50");
    TypeInto(design, "BkbEdit", "1,5");
    TypeInto(design, "BIeEdit", "5");
    Click(design, "BemTeilBtn");
    pages->setCurrentIndex(0);
    QWidget* verification = Find<QWidget>(&main, "TabSheet1");
    TypeInto(verification, "DNEdit", "300");
    TypeInto(verification, "kbEdit", "1,5");
    TypeInto(verification, "IeEdit", "5");
    Click(verification, "OKBtn1");
    QCOMPARE(program.ShownCircleSketch().Full, 1);
    // the half-full designed pipe is not drawn over the full pipe of the other page
    pages->setCurrentIndex(1);
    QCOMPARE(program.ShownCircleSketch().Full, 0);
    QCOMPARE(program.ShownCircleSketch().LabelsOnly, 0);
    pages->setCurrentIndex(0);
    QCOMPARE(program.ShownCircleSketch().Full, 1);
    QCOMPARE(program.ShownCircleSketch().d, 300.0);
    QCOMPARE(program.ShownCircleSketch().h, 30.0);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
