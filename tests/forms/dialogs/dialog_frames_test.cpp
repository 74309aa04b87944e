// Every dialog as start-up creates it: name, caption, size, place, colours,
// fonts and controls; the info, print-title and clipboard dialogs' behaviour.

#include "About.h"
#include "Clipinh.h"
#include "ResultOutput.h"
#include "Gbem.h"
#include "Headline.h"
#include "Kbtab.h"
#include "Ksttab.h"
#include "Main.h"
#include "Nbem.h"
#include "Startup.h"
#include "Theo.h"

#include "dialogtest.h"
#include "windowtest.h"

#include <QDate>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSysInfo>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cstdlib>
#include <memory>

using namespace fluvara;
using namespace fluvara::test;

namespace {

struct TFrame {
    const char* name;
    const char* caption;
    int width, height;
};

const TFrame Frames[] = {
    {"AboutForm", "Info", 362, 254},         {"ClipForm", "  Inhalt der Zwischenablage", 553, 447},
    {"GBemForm", "  Gerinne", 453, 263},     {"HeadLineForm", "  Kopfzeile", 563, 179},
    {"kbForm", "  kb-Werte", 492, 419},      {"kstForm", "  kst-Werte  ", 531, 470},
    {"NBemForm", "  Kreisprofil", 452, 212}, {"TheoForm", " Erläuterungen", 654, 493},
};

// Width and height -1: only the position is fixed, the size follows the text.
struct TControl {
    const char* dialog;
    const char* name;
    QRect geometry;
    const char* text;  // nullptr: not checked here
};

const TControl Controls[] = {
    {"kbForm", "kbStrGrid", {16, 25, 457, 337}, nullptr},
    {"kbForm", "Button1", {184, 368, 96, 25}, "&Schließen"},
    {"kstForm", "SpBtn3v4", {104, 24, 57, 25}, "&Erde"},
    {"kstForm", "xSpBtn1v4", {168, 24, 121, 25}, "&Beton,Stahl,Gußeisen "},
    {"kstForm", "xSpBtn4v4", {296, 24, 113, 25}, "&Holz,Felsausbruch"},
    {"kstForm", "xSpBtn2v4", {104, 56, 305, 25}, "&Asphalt, Asphalt-Zem., Asbest-Zem., Mauerwerk, Naturstein"},
    {"kstForm", "kstStrGrid", {32, 112, 473, 305}, nullptr},
    {"kstForm", "Button1", {216, 424, 96, 25}, "&Schließen"},
    {"TheoForm", "TheoREdit", {16, 16, 617, 409}, nullptr},
    {"TheoForm", "TheoBtn", {288, 448, 96, 25}, "&Schließen"},
    {"HeadLineForm", "Bevel1", {8, 8, 545, 105}, nullptr},
    {"HeadLineForm",
     "StaticText1",
     {32, 16, -1, -1},
     "Hier können Sie z.B. Ihre Firmenbezeichnung eingeben, ändern oder löschen "},
    {"HeadLineForm", "HLineEdit", {24, 48, 513, 24}, nullptr},
    {"HeadLineForm", "StaticText2", {32, 80, -1, -1}, "Sie erscheint als Kopfzeile im Ausdruck "},
    {"HeadLineForm", "xOKBtn", {176, 128, 96, 25}, "&OK"},
    {"HeadLineForm", "xCancelBtn", {280, 128, 96, 25}, "&Abbrechen"},
    {"AboutForm", "Bevel1", {16, 16, 329, 177}, nullptr},
    {"AboutForm", "Image1", {36, 24, 32, 32}, nullptr},
    {"AboutForm", "Label1", {84, 28, -1, -1}, "Programm ......."},
    {"AboutForm", "VersionLabel", {84, 46, -1, -1}, "Version ......."},
    {"AboutForm", "D", {84, 78, -1, -1}, nullptr},
    {"AboutForm", "Label2", {84, 100, -1, -1}, nullptr},
    {"AboutForm", "Label5", {84, 118, -1, -1}, nullptr},
    {"AboutForm", "Label6", {84, 136, -1, -1}, nullptr},
    {"AboutForm", "CopyrightLabel", {84, 154, -1, -1}, nullptr},
    {"AboutForm", "CloseBtn", {24, 208, 75, 25}, "&Schließen"},
    {"NBemForm", "StaticText1", {16, 16, 420, 20}, "  Hier können Sie eine Überschrift eingeben"},
    {"NBemForm", "NBemEdit1", {16, 40, 420, 20}, ""},
    {"NBemForm", "NBemEdit2", {16, 72, 420, 20}, ""},
    {"NBemForm", "StaticText2", {16, 120, 161, 20}, "  und hier eine Seitenzahl"},
    {"NBemForm", "NSEdit", {192, 120, 90, 20}, ""},
    {"NBemForm", "NBemBBtn", {176, 176, 75, 25}, "&Schließen"},
    {"GBemForm", "BemSTxt", {16, 16, 265, 20}, "  Hier können Sie eine Überschrift eingeben"},
    {"GBemForm", "GBemEdit1", {16, 48, 416, 20}, ""},
    {"GBemForm", "GBemEdit2", {16, 80, 416, 20}, ""},
    {"GBemForm", "GSText", {16, 120, 169, 20}, "  und hier eine Seitenzahl "},
    {"GBemForm", "GSEdit", {200, 120, 90, 20}, ""},
    {"GBemForm", "Label1", {16, 176, 416, 18}, "Erforderliche Druckerauflösung:   600 dpi  "},
    {"GBemForm", "GBemBBtn", {128, 224, 185, 25}, "&Weiter zu Druckerauswahl"},
    {"ClipForm", "ClipREdit", {16, 16, 521, 377}, ""},
    {"ClipForm", "CloseBtn", {232, 408, 97, 25}, "&Schließen"},
};

// Control "" is the dialog itself.
struct TFont {
    const char* dialog;
    const char* control;
    const char* family;
    int pixels;
};

const TFont Fonts[] = {
    {"kbForm", "", "MS Sans Serif", 11},
    {"kbForm", "kbStrGrid", "MS Sans Serif", 11},
    {"kbForm", "Button1", "MS Sans Serif", 13},
    {"kstForm", "", "MS Sans Serif", 11},
    {"kstForm", "kstStrGrid", "MS Sans Serif", 11},
    {"kstForm", "Button1", "MS Sans Serif", 13},
    {"TheoForm", "TheoREdit", "MS Sans Serif", 11},
    {"TheoForm", "TheoBtn", "MS Sans Serif", 13},
    {"HeadLineForm", "", "MS Sans Serif", 13},
    {"HeadLineForm", "HLineEdit", "MS Sans Serif", 13},
    {"AboutForm", "", "MS Sans Serif", 11},
    {"AboutForm", "Label1", "Verdana", 13},
    {"AboutForm", "D", "Verdana", 13},
    {"AboutForm", "CopyrightLabel", "Verdana", 13},
    {"NBemForm", "NBemEdit1", "Arial", 12},
    {"NBemForm", "NSEdit", "Arial", 12},
    {"GBemForm", "GBemEdit2", "Courier New", 13},
    {"GBemForm", "GSEdit", "Courier New", 13},
    {"ClipForm", "ClipREdit", "Courier New", 13},
    {"ClipForm", "CloseBtn", "Courier New", 13},
};

struct TTitleDialog {
    const char* dialog;
    const char* title1;
    const char* title2;
    const char* page;
};

const TTitleDialog TitleDialogs[] = {
    {"NBemForm", "NBemEdit1", "NBemEdit2", "NSEdit"},
    {"GBemForm", "GBemEdit1", "GBemEdit2", "GSEdit"},
};

// The same room on either side, give or take the odd pixel.
bool Centred(const QRect& window, const QRect& screen)
{
    const int left = window.left() - screen.left(), right = screen.right() - window.right();
    const int top = window.top() - screen.top(), bottom = screen.bottom() - window.bottom();
    return std::abs(left - right) <= 1 && std::abs(top - bottom) <= 1;
}

}  // namespace

class DialogFramesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        settings_ = std::make_unique<TTestSettings>();
        windows_ = CreateApplicationWindows();
    }
    void cleanup()
    {
        windows_.reset();
        settings_.reset();
    }

    void framesAreFixedCentredAndSilver()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (const TFrame& frame : Frames) {
            QDialog* dialog = DialogNamed(frame.name);
            QCOMPARE(dialog->windowTitle(), QString::fromUtf8(frame.caption));
            QCOMPARE(dialog->minimumSize(), QSize(frame.width, frame.height));
            QCOMPARE(dialog->maximumSize(), QSize(frame.width, frame.height));
            QVERIFY(Centred(dialog->geometry(), screen));
            QCOMPARE(dialog->palette().color(QPalette::Window), QColor(192, 192, 192));
            QVERIFY(Activate(dialog));
            QCOMPARE(dialog->size(), QSize(frame.width, frame.height));
            QVERIFY(Centred(dialog->geometry(), screen));
            dialog->hide();
        }
    }

    void controlsStandWhereTheyBelong()
    {
        for (const TControl& control : Controls) {
            const QString where = QString(control.dialog) + "." + control.name;
            QWidget* widget = Find<QWidget>(DialogNamed(control.dialog), control.name);
            const QRect actual = widget->geometry();
            if (control.geometry.width() < 0)
                QVERIFY2(actual.topLeft() == control.geometry.topLeft(), qPrintable(where));
            else
                QVERIFY2(actual == control.geometry, qPrintable(where));
            if (control.text)
                QVERIFY2(AnyText(DialogNamed(control.dialog), control.name) == QString::fromUtf8(control.text),
                         qPrintable(where));
        }
    }

    void fontsHaveTheirPixelHeights()
    {
        for (const TFont& expected : Fonts) {
            QDialog* dialog = DialogNamed(expected.dialog);
            QWidget* widget = *expected.control ? Find<QWidget>(dialog, expected.control) : dialog;
            const QString where = QString(expected.dialog) + "." + expected.control;
            QVERIFY2(widget->font().family() == expected.family, qPrintable(where + " " + widget->font().family()));
            QVERIFY2(widget->font().pixelSize() == expected.pixels, qPrintable(where));
        }
    }

    void textViewsAndFieldsHaveTheirColours()
    {
        const QColor grey(216, 216, 216);
        QCOMPARE(Find<QWidget>(DialogNamed("TheoForm"), "TheoREdit")->palette().color(QPalette::Base), grey);
        QCOMPARE(Find<QWidget>(DialogNamed("ClipForm"), "ClipREdit")->palette().color(QPalette::Base), grey);
        for (const char* grid : {"kbStrGrid", "kstStrGrid"}) {
            QWidget* widget = Find<QWidget>(grid[1] == 'b' ? DialogNamed("kbForm") : DialogNamed("kstForm"), grid);
            QCOMPARE(widget->palette().color(QPalette::Base), QColor(192, 192, 192));
            QCOMPARE(widget->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
        }
        for (const auto& [dialog, field] : {std::pair{"HeadLineForm", "HLineEdit"},
                                            {"NBemForm", "NBemEdit1"},
                                            {"NBemForm", "NSEdit"},
                                            {"GBemForm", "GBemEdit1"},
                                            {"GBemForm", "GSEdit"}}) {
            const QPalette palette = Find<QWidget>(DialogNamed(dialog), field)->palette();
            QCOMPARE(palette.color(QPalette::Base), QColor(Qt::white));
            QCOMPARE(palette.color(QPalette::Text), QColor(Qt::black));
        }
        auto* label = Find<QLabel>(DialogNamed("GBemForm"), "Label1");
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(label->alignment(), Qt::AlignCenter);
    }

    void infoShowsProgramVersionAndYear()
    {
        TMainForm& mainForm = *windows_->mainForm;
        QVERIFY(Activate(&mainForm));
        QDialog* about = DialogNamed("AboutForm");
        QString label1, version, rights;
        QTimer::singleShot(0, about, [&] {
            label1 = Text(about, "Label1");
            version = Text(about, "VersionLabel");
            rights = Text(about, "CopyrightLabel");
            Click(about, "CloseBtn");
        });
        Click(&mainForm, "AboutBtn");
        QVERIFY(!about->isVisible());
        QCOMPARE(label1, "Programm  FLUVARA ");
        QCOMPARE(version, QSysInfo::WordSize == 64 ? "Version 14.3.27 64bit" : "Version 14.3.27 32bit");
        const QString year = QString::number(QDate::currentDate().year());
        QVERIFY2(rights.endsWith("-" + year), qPrintable(rights));
        QVERIFY2(rights.contains(QChar(0xA9)), qPrintable(rights));
    }

    void infoContactLinesStay()
    {
        auto* about = static_cast<TAboutForm*>(DialogNamed("AboutForm"));
        QStringList before;
        for (const char* name : {"D", "Label2", "Label5", "Label6"})
            before << Text(about, name);
        about->FillLabels("x");
        QCOMPARE(Text(about, "Label1"), "Programm x");
        QStringList after;
        for (const char* name : {"D", "Label2", "Label5", "Label6"})
            after << Text(about, name);
        QCOMPARE(after, before);
        QVERIFY(!before.contains(""));
        QVERIFY(!Find<QLabel>(about, "Image1")->pixmap().isNull());
        QCOMPARE(Find<QLabel>(about, "Image1")->pixmap().size(), QSize(32, 32));
    }

    void titleDialogsFocusFirstTitleAndKeepTexts()
    {
        for (const TTitleDialog& names : TitleDialogs) {
            QDialog* dialog = DialogNamed(names.dialog);
            Find<QWidget>(dialog, names.page)->setFocus();
            QVERIFY(Activate(dialog));
            QCOMPARE(FocusName(), QString(names.title1));
            TypeLetters(dialog, names.title1, QString::fromUtf8("Haltung 12 – Straße").repeated(3));
            TypeInto(dialog, names.title2, QString(60, 'b'));
            TypeInto(dialog, names.page, "Seite 1234567");
            QCOMPARE(Text(dialog, names.title1), QString::fromUtf8("Haltung 12 – Straße").repeated(3).left(50));
            QCOMPARE(Text(dialog, names.title2), QString(50, 'b'));
            QCOMPARE(Text(dialog, names.page), "Seite 1234");
            dialog->close();
            Find<QWidget>(dialog, names.page)->setFocus();
            QVERIFY(Activate(dialog));
            QCOMPARE(FocusName(), QString(names.title1));
            QCOMPARE(Text(dialog, names.title2), QString(50, 'b'));
            dialog->hide();
        }
    }

    void clearTitlesKeepsPageNumber()
    {
        for (const TTitleDialog& names : TitleDialogs) {
            QDialog* dialog = DialogNamed(names.dialog);
            QVERIFY(Activate(dialog));
            TypeInto(dialog, names.title1, "Titel 1");
            TypeInto(dialog, names.title2, "Titel 2");
            TypeInto(dialog, names.page, "7");
            dialog->hide();
            if (auto* circle = qobject_cast<TNBemForm*>(dialog))
                circle->ClearTitles();
            else
                static_cast<TGBemForm*>(dialog)->ClearTitles();
            QCOMPARE(Text(dialog, names.title1), "");
            QCOMPARE(Text(dialog, names.title2), "");
            QCOMPARE(Text(dialog, names.page), "7");
        }
    }

    void titleDialogButtonsClose()
    {
        for (const auto& [dialogName, button] : {std::pair{"NBemForm", "NBemBBtn"}, {"GBemForm", "GBemBBtn"}}) {
            QDialog* dialog = DialogNamed(dialogName);
            QVERIFY(Activate(dialog));
            Click(dialog, button);
            QVERIFY(!dialog->isVisible());
        }
    }

    // The verification page's buttons open the kb table and the explanations, filled and focused.
    void pageButtonsOpenReferenceDialogs()
    {
        TMainForm& mainForm = *windows_->mainForm;
        QVERIFY(Activate(&mainForm));
        QDialog* kb = DialogNamed("kbForm");
        QString cell;
        QTimer::singleShot(0, kb, [&] {
            QVERIFY(QTest::qWaitForWindowActive(kb));
            cell = Cell(Find<QTableWidget>(kb, "kbStrGrid"), 2, 0);
            Click(kb, "Button1");
        });
        Click(&mainForm, "SpeedButton1");
        QCOMPARE(cell, " 0,25   ");

        QDialog* theo = DialogNamed("TheoForm");
        QString focus;
        QTimer::singleShot(0, theo, [&] {
            QVERIFY(QTest::qWaitForWindowActive(theo));
            focus = FocusName();
            Click(theo, "TheoBtn");
        });
        Click(&mainForm, "TheoSBtn");
        QCOMPARE(focus, "TheoREdit");
        QVERIFY(!theo->isVisible());
    }

    void viewerShowsLastCopiedText()
    {
        TMainForm& mainForm = *windows_->mainForm;
        QDialog* viewer = DialogNamed("ClipForm");
        auto* view = Find<QPlainTextEdit>(viewer, "ClipREdit");
        QVERIFY(view->isReadOnly());
        QCOMPARE(view->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        QVERIFY(Activate(&mainForm));
        QString shown = "<not opened>";
        QTimer::singleShot(0, viewer, [&] {
            QVERIFY(QTest::qWaitForWindowActive(viewer));
            shown = view->toPlainText();
            Click(viewer, "CloseBtn");
        });
        Click(&mainForm, "SpClipfrageBtn");
        QCOMPARE(shown, "");

        const QString copy = "   d       =   300.0 mm\n    Qv      =    95.12 l/s\n   \n   ";
        windows_->output->Copy(copy.toStdString());
        QVERIFY(Activate(viewer));
        QCOMPARE(view->toPlainText(), copy);
        windows_->output->Copy("   Zweite Kopie");
        QVERIFY(Reactivate(viewer));
        QCOMPARE(view->toPlainText(), "   Zweite Kopie");
        // the copies' line ends are CR LF; the viewer shows lines, as the main window's copy does
        windows_->output->Copy("   Zeile 1\r\n   Zeile 2\r\n");
        QVERIFY(Reactivate(viewer));
        QCOMPARE(view->toPlainText(), "   Zeile 1\n   Zeile 2\n");
        QCOMPARE(view->toPlainText(), Find<QPlainTextEdit>(&mainForm, "Memo1")->toPlainText());
        Click(viewer, "CloseBtn");
        QVERIFY(!viewer->isVisible());
    }

private:
    QDialog* DialogNamed(const char* name) const
    {
        TApplicationWindows& w = *windows_;
        for (QDialog* dialog : std::initializer_list<QDialog*>{
                 w.Dialog<TAboutForm>(), w.Dialog<TClipForm>(), w.Dialog<TGBemForm>(), w.Dialog<THeadLineForm>(),
                 w.Dialog<TkbForm>(), w.Dialog<TkstForm>(), w.Dialog<TNBemForm>(), w.Dialog<TTheoForm>()})
            if (dialog->objectName() == name)
                return dialog;
        qFatal("no dialog %s", name);
    }

    std::unique_ptr<TTestSettings> settings_;
    std::unique_ptr<TApplicationWindows> windows_;
};

QTEST_MAIN(DialogFramesTest)
#include "dialog_frames_test.moc"
