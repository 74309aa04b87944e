// Random actions across the whole program: clicks, keys, texts, pastes, page
// switches, menus and every dialog, from a seed. Fails on a message box the
// program has no reason to show, on "nan" or "inf" in a label, and on a hang;
// the sanitizer build also fails on any report. The seed is printed;
// FLUVARA_RANDOM_SEED replays it, FLUVARA_RANDOM_ACTIONS sets the number of
// actions (300 unless given), FLUVARA_HANG_SECONDS the watchdog (120).

#include "windowtest.h"

#include "Main.h"
#include "ResultOutput.h"
#include "Startup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>
#include <thread>

using namespace fluvara;
using namespace fluvara::test;

namespace {

unsigned long long EnvNumber(const char* name, unsigned long long fallback)
{
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const unsigned long long number = value.toULongLong(&ok);
    return ok ? number : fallback;
}

// Texts a user might type or paste, the awkward ones among them.
QString SomeText(std::mt19937_64& rng)
{
    // clang-format off
    static const QStringList texts{
        "300", "1,5", "5", "0", "-1", "1e999", "0." + QString(400, '0') + "1", "99999", "abc", "", "82,7",
        "45", "1,2,3", ".", ",", " ", "100", "3000", "0,25", "500", "2", "10", "90", "1", "99000", "900",
        QString::fromUtf8("Ingenieurbüro Ä"), QString::fromUtf8("\xF0\x9F\x8C\x8A"), QString(80, '7'), "%s%n"};
    // clang-format on
    if (rng() % 3 == 0) {
        QString digits;
        const int length = static_cast<int>(rng() % 8);
        for (int i = 0; i < length; ++i)
            digits += QChar("0123456789,.-e"[rng() % 14]);
        return digits;
    }
    return texts[static_cast<int>(rng() % texts.size())];
}

const Qt::Key Keys[] = {Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Escape,
                        Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,   Qt::Key_Home,
                        Qt::Key_End,       Qt::Key_Up,     Qt::Key_Down, Qt::Key_Space,   Qt::Key_F1};

template <typename T>
QList<T*> Usable(const QWidget* root)
{
    QList<T*> found;
    for (T* child : root->findChildren<T*>())
        if (child->isVisible() && child->isEnabled())
            found.append(child);
    return found;
}

// Ends the process when no action has finished for a while.
class TWatchdog {
public:
    TWatchdog(unsigned long long seed, int seconds) : seed_(seed), seconds_(seconds), thread_([this] { Watch(); }) { }
    ~TWatchdog()
    {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    void Beat(const QString& action)
    {
        std::lock_guard lock(mutex_);
        last_ = action.toStdString();
        ++beats_;
    }

private:
    void Watch()
    {
        std::unique_lock lock(mutex_);
        long long seen = -1;
        while (!done_) {
            if (seen == beats_) {
                std::fprintf(stderr, "HANG: no action finished for %d s after \"%s\" (seed %llu)\n", seconds_,
                             last_.c_str(), seed_);
                std::fflush(stderr);
                std::abort();
            }
            seen = beats_;
            wake_.wait_for(lock, std::chrono::seconds(seconds_), [this] { return done_; });
        }
    }

    unsigned long long seed_;
    int seconds_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    long long beats_ = 0;
    std::string last_;
    std::thread thread_;
};

}  // namespace

class RandomActionsTest : public QObject {
    Q_OBJECT
private slots:
    void randomActions();

private:
    void Act();
    void Tick();
    void ActOnDialog(QWidget* dialog);
    void ActOnPopup(QWidget* popup);
    void TypeText(QLineEdit* field);
    void CheckLabels();
    void Note(const QString& action);

    std::mt19937_64 rng_;
    std::unique_ptr<TRunningProgram> program_;
    std::unique_ptr<TWatchdog> watchdog_;
    bool ticking_ = false;
    QWidget* dialog_ = nullptr;  // the modal dialog being acted on
    int dialogActions_ = 0;
    int dialogsSeen_ = 0;
    QStringList failures_;
    QString lastAction_;
    int action_ = 0;
};

void RandomActionsTest::Note(const QString& action)
{
    lastAction_ = QString("%1: %2").arg(action_).arg(action);
    if (watchdog_)
        watchdog_->Beat(lastAction_);
}

void RandomActionsTest::TypeText(QLineEdit* field)
{
    const QString text = SomeText(rng_);
    Note("type \"" + text.left(20) + "\" into " + field->objectName());
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    field->setFocus();
    if (rng_() % 2)
        field->selectAll();
    if (plain) {
        QTest::keyClicks(field, text);
    } else {
        for (QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
}

// Acts on whatever modal dialog or popup menu is open; runs again every few
// milliseconds, also inside the modal loops its own actions open.
void RandomActionsTest::Tick()
{
    if (!ticking_)
        return;
    QTimer::singleShot(2, this, &RandomActionsTest::Tick);
    if (QWidget* popup = QApplication::activePopupWidget()) {
        ActOnPopup(popup);
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
        ActOnDialog(modal);
    }
}

void RandomActionsTest::ActOnPopup(QWidget* popup)
{
    auto* menu = qobject_cast<QMenu*>(popup);
    QList<QAction*> actions;
    if (menu)
        for (QAction* action : menu->actions())
            if (action->isEnabled() && !action->isSeparator() && !action->menu())
                actions.append(action);
    if (!actions.isEmpty() && rng_() % 2) {
        QAction* action = actions[static_cast<int>(rng_() % actions.size())];
        Note("menu entry " + action->text());
        menu->close();
        action->trigger();
    } else {
        Note("close popup");
        popup->close();
    }
}

void RandomActionsTest::ActOnDialog(QWidget* dialog)
{
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        // A hint that a calculation must come first has its reason, and so has
        // the question whether changes of the reach list are to be kept; a
        // warning or an error has none.
        if (box->icon() == QMessageBox::Question) {
            Note("question answered: discard");
            if (QAbstractButton* discard = box->button(QMessageBox::Discard)) {
                discard->click();
                return;
            }
        } else if (box->icon() != QMessageBox::Information) {
            failures_.append(QString("message box after action %1: %2").arg(lastAction_, box->text()));
        }
        box->accept();
        return;
    }
    if (dialog != dialog_) {
        dialog_ = dialog;
        dialogActions_ = 0;
        ++dialogsSeen_;
    }
    if (++dialogActions_ > 15 || rng_() % 6 == 0) {
        Note("close " + dialog->objectName());
        if (rng_() % 2)
            QTest::keyClick(dialog, Qt::Key_Escape);
        if (dialog == QApplication::activeModalWidget())
            dialog->close();
        return;
    }
    const auto fields = Usable<QLineEdit>(dialog);
    const auto buttons = Usable<QAbstractButton>(dialog);
    switch (rng_() % 3) {
    case 0:
        if (!fields.isEmpty())
            TypeText(fields[static_cast<int>(rng_() % fields.size())]);
        break;
    case 1:
        if (!buttons.isEmpty()) {
            QAbstractButton* button = buttons[static_cast<int>(rng_() % buttons.size())];
            Note("click " + button->objectName() + " in " + dialog->objectName());
            QTest::mouseClick(button, Qt::LeftButton);
        }
        break;
    default: {
        const Qt::Key key = Keys[rng_() % std::size(Keys)];
        Note(QString("key %1 in %2").arg(key).arg(dialog->objectName()));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog, key);
    }
    }
}

// One action on the main window.
void RandomActionsTest::Act()
{
    TMainForm& main = program_->Main();
    if (!main.isVisible()) {
        Note("start again");
        main.show();
        main.activateWindow();
    }
    const auto fields = Usable<QLineEdit>(&main);
    QList<QAbstractButton*> buttons = Usable<QAbstractButton>(&main);
    auto* pages = Find<QTabWidget>(&main, "PageControl1");
    const unsigned choice = rng_() % 100;
    if (choice < 30 && !fields.isEmpty()) {
        TypeText(fields[static_cast<int>(rng_() % fields.size())]);
    } else if (choice < 55 && !buttons.isEmpty()) {
        QAbstractButton* button = buttons[static_cast<int>(rng_() % buttons.size())];
        if (button->objectName() == "ExitButton" && rng_() % 10 != 0)
            return;
        Note("click " + button->objectName());
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (choice < 70) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &main;
        const Qt::Key key = Keys[rng_() % std::size(Keys)];
        const Qt::KeyboardModifiers modifiers =
            rng_() % 4 == 0 ? (rng_() % 2 ? Qt::AltModifier : Qt::ControlModifier) : Qt::NoModifier;
        const Qt::Key letter = Qt::Key(Qt::Key_A + static_cast<int>(rng_() % 26));
        const Qt::Key pressed = modifiers == Qt::NoModifier ? key : letter;
        Note(QString("key %1 modifiers %2 to %3").arg(pressed).arg(modifiers.toInt()).arg(target->objectName()));
        QTest::keyClick(target, pressed, modifiers);
    } else if (choice < 80) {
        const int index = static_cast<int>(rng_() % pages->count());
        Note(QString("page %1").arg(index));
        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(index).center());
    } else if (choice < 88) {
        const QPoint at(static_cast<int>(rng_() % main.width()), static_cast<int>(rng_() % main.height()));
        QWidget* target = main.childAt(at);
        if (!target)
            return;
        const Qt::MouseButton button = rng_() % 4 == 0 ? Qt::RightButton : Qt::LeftButton;
        Note(QString("mouse %1 at %2,%3 on %4").arg(button).arg(at.x()).arg(at.y()).arg(target->objectName()));
        QTest::mouseClick(target, button, {}, target->mapFrom(&main, at));
    } else if (choice < 94 && !fields.isEmpty()) {
        QLineEdit* field = fields[static_cast<int>(rng_() % fields.size())];
        const QString text = SomeText(rng_);
        Note("paste \"" + text.left(20) + "\" into " + field->objectName());
        QGuiApplication::clipboard()->setText(text);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else {
        QList<QAction*> entries;
        for (QMenu* menu : main.menuBar()->findChildren<QMenu*>())
            for (QAction* entry : menu->actions())
                if (!entry->isSeparator() && !entry->menu() && entry->objectName() != "ExitItem")
                    entries.append(entry);
        if (entries.isEmpty())
            return;
        QAction* entry = entries[static_cast<int>(rng_() % entries.size())];
        Note("menu " + entry->objectName());
        entry->trigger();
    }
}

void RandomActionsTest::CheckLabels()
{
    static const QRegularExpression notFinite("(^|[^a-z])(nan|inf)([^a-z]|$)",
                                              QRegularExpression::CaseInsensitiveOption);
    for (QLabel* label : program_->Main().findChildren<QLabel*>())
        if (notFinite.match(label->text()).hasMatch())
            failures_.append(
                QString("%1 shows \"%2\" after action %3").arg(label->objectName(), label->text(), lastAction_));
}

void RandomActionsTest::randomActions()
{
    const unsigned long long seed = EnvNumber("FLUVARA_RANDOM_SEED", std::random_device{}());
    const int count = static_cast<int>(EnvNumber("FLUVARA_RANDOM_ACTIONS", 300));
    std::fprintf(stderr, "random actions: %d, seed %llu (replay with FLUVARA_RANDOM_SEED=%llu)\n", count, seed, seed);
    std::fflush(stderr);
    rng_.seed(seed);
    watchdog_ = std::make_unique<TWatchdog>(seed, static_cast<int>(EnvNumber("FLUVARA_HANG_SECONDS", 120)));

    QTemporaryDir dir;
    program_ = std::make_unique<TRunningProgram>();
    program_->Printing().SetPrintTarget([this, &dir](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("ausdruck.pdf"));
        return rng_() % 2 == 0;
    });
    ticking_ = true;
    Tick();
    for (action_ = 0; action_ < count && failures_.size() < 10; ++action_) {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        Act();
        QCoreApplication::processEvents();
        CheckLabels();
    }
    // The end: the program closed from the toolbar with the focus in a field.
    const auto fields = Usable<QLineEdit>(&program_->Main());
    if (!fields.isEmpty())
        fields[static_cast<int>(rng_() % fields.size())]->setFocus();
    Note("exit");
    if (program_->Main().isVisible())
        Click(&program_->Main(), "ExitButton");
    ticking_ = false;
    program_.reset();
    watchdog_.reset();
    std::fprintf(stderr, "random actions: %d done, %d dialog showings acted on\n", action_, dialogsSeen_);
    if (!failures_.isEmpty())
        QFAIL(qPrintable(QString("seed %1:\n").arg(seed) + failures_.join('\n')));
}

QTEST_MAIN(RandomActionsTest)
#include "random_actions_test.moc"
