// Start-up makes every window and connects them in one place: each small
// dialog once, opened by each of its buttons and menu entries, and the reach
// list under the header line whenever it is made.

#include "outputdriver.h"
#include "windowtest.h"

#include "HeaderLineSetting.h"
#include "Main.h"
#include "ReachListWindow.h"
#include "Startup.h"
#include "printservice.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <set>

using namespace fluvara;
using namespace fluvara::test;

namespace {

// The modal dialog that acting brings up, closed at once.
QWidget* OpenedBy(const std::function<void()>& act)
{
    QWidget* shown = nullptr;
    QTimer::singleShot(0, [&shown] {
        shown = QApplication::activeModalWidget();
        if (shown)
            shown->close();
    });
    act();
    return shown;
}

}  // namespace

class CompositionTest : public QObject {
    Q_OBJECT
private slots:
    void everyDialogOnceAndOpenedByItsEntries();
    void theReachListFollowsTheHeaderLine();
};

void CompositionTest::everyDialogOnceAndOpenedByItsEntries()
{
    TRunningProgram program;
    FullFlow(program);
    CalculateChannel(program);
    TApplicationWindows& w = program.Windows();
    // the title dialogs lead on to the printer dialog, which prints nothing here
    program.Printing().SetPrintTarget([](QPrinter&) { return false; });

    // each dialog once: no two of one kind, no other of its class anywhere
    const std::vector<QDialog*> dialogs = w.Dialogs();
    QCOMPARE(std::set<QDialog*>(dialogs.begin(), dialogs.end()).size(), dialogs.size());
    for (QDialog* dialog : dialogs) {
        QVERIFY(dialog && !dialog->isVisible());
        int alike = 0;
        for (const QWidget* window : QApplication::topLevelWidgets())
            alike += window->metaObject() == dialog->metaObject();
        QVERIFY2(alike == 1, dialog->metaObject()->className());
    }

    auto* pages = Find<QTabWidget>(&program.Main(), "PageControl1");
    const struct {
        TDialogKind kind;
        int page;
        const char* entry;  // a button, or a menu entry of the main window
    } entries[] = {
        {TDialogKind::About, 0, "AboutBtn"},           {TDialogKind::About, 0, "InfoItem"},
        {TDialogKind::Clipboard, 0, "SpClipfrageBtn"}, {TDialogKind::HeaderLine, 0, "HLineBtn"},
        {TDialogKind::KbTable, 0, "SpeedButton1"},     {TDialogKind::KbTable, 1, "SpeedButton2"},
        {TDialogKind::KstTable, 2, "SpeedButton3"},    {TDialogKind::Explanations, 0, "TheoSBtn"},
        {TDialogKind::Explanations, 1, "TheoSBtn2"},   {TDialogKind::VerificationTitles, 0, "NDruSBtn"},
        {TDialogKind::ChannelTitles, 2, "GDruSBtn"},
    };
    std::set<QDialog*> reached;
    for (const auto& e : entries) {
        pages->setCurrentIndex(e.page);
        QWidget* shown = OpenedBy([&] {
            if (auto* action = program.Main().findChild<QAction*>(e.entry))
                action->trigger();
            else
                Click(&program.Main(), e.entry);
        });
        QVERIFY2(shown && shown == w.Dialog(e.kind), e.entry);
        reached.insert(w.Dialog(e.kind));
    }
    // no dialog of the list without an entry that opens it
    QCOMPARE(reached.size(), dialogs.size());
    program.Printing().SetPrintTarget({});
}

void CompositionTest::theReachListFollowsTheHeaderLine()
{
    TRunningProgram program(QString::fromUtf8("Ingenieurbüro Muster"));
    // the list is made now, long after start-up gave the main window the line
    TReachListWindow& list = program.Main().ReachList();
    QCOMPARE(list.HeaderLine(), QString::fromUtf8("Ingenieurbüro Muster"));

    // a new line typed into the header line dialog reaches the open list
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        TypeInto(dialog, "HLineEdit", QString::fromUtf8("Stadtentwässerung"));
        Click(dialog, "xOKBtn");
    });
    Click(&program.Main(), "HLineBtn");
    QCOMPARE(program.HeaderLine().Text(), QString::fromUtf8("Stadtentwässerung"));
    QCOMPARE(list.HeaderLine(), QString::fromUtf8("Stadtentwässerung"));
}

QTEST_MAIN(CompositionTest)
#include "composition_test.moc"
