// The recovery copy of the reach list and changes given up: what a crash
// leaves, what the next start restores, what "Verwerfen" brings back.
#include "reachlisttest.h"
#include "printservice.h"
#include "windowtest.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

using namespace fluvara;
using namespace fluvara::test;

namespace {

constexpr int Name = 0;

const QString NetzSued = QStringLiteral("Netz Süd.fluvara");

QString Title(const QString& name) { return name + "[*] – Haltungsliste – FLUVARA"; }

}  // namespace

class ReachListRecoveryTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TTestSettings> settings_;
    TPrintService printing_;
    std::unique_ptr<TReachListWindow> window_;
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }
    QTableView* Circles() const { return Table(*window_, TReachKind::Circle); }

    void NewWindow()
    {
        window_ = std::make_unique<TReachListWindow>(printing_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    // A saved project with one reach "H1".
    void SaveNetzSued()
    {
        window_->Model(TReachKind::Circle)
            .ReplaceList(MakeList({"Haltung", "d", "kb", "Is"}, {{"H1", "300", "1,5", "5"}}));
        QVERIFY(window_->SaveProject(Path(NetzSued)));
    }
    // The window goes without being closed or asked, as in a crash.
    void Crash()
    {
        window_.reset();
        QVERIFY(TReachListWindow::RecoveryCopyWaiting());
        NewWindow();
    }

private slots:
    void init()
    {
        settings_ = std::make_unique<TTestSettings>();
        NewWindow();
    }
    void cleanup()
    {
        window_->UndoStack().setClean();
        window_.reset();
        settings_.reset();
    }

    // A user who keeps on editing gets a copy all the same: the timer runs
    // from the first unsaved change and the next ones do not start it anew.
    void copyIsDueAFewSecondsAfterTheFirstChange()
    {
        auto* timer = Find<QTimer>(window_.get(), "RecoveryTimer");
        QVERIFY(timer->isSingleShot());
        QVERIFY(timer->interval() > 0 && timer->interval() <= 5000);
        QVERIFY(!timer->isActive());
        // Long and to the millisecond, so that the time left tells whether
        // the timer was started anew.
        constexpr int Hour = 3600 * 1000;
        timer->setTimerType(Qt::PreciseTimer);
        window_->SetRecoveryDelay(Hour);
        Trigger(*window_, "AppendRowAction");
        QVERIFY(timer->isActive());
        QTRY_VERIFY(timer->remainingTime() < Hour - 500);  // the clock has moved on
        const int due = timer->remainingTime();
        for (int edit = 1; edit < 8; ++edit) {
            TypeCell(Circles(), 0, Name, QString("H%1").arg(edit));
            QVERIFY(timer->isActive());
            QVERIFY2(timer->remainingTime() <= due, "a further edit put the copy off");
        }
        // once written, the next change makes the next copy due
        window_->SetRecoveryDelay(10);
        QTRY_VERIFY(TReachListWindow::RecoveryCopyWaiting());
        QVERIFY(!timer->isActive());
        TypeCell(Circles(), 0, Name, "H9");
        QVERIFY(timer->isActive());
        // undone back to the saved list: nothing left to recover
        window_->UndoStack().setIndex(0);
        QVERIFY(!timer->isActive());
        QVERIFY(!TReachListWindow::RecoveryCopyWaiting());
    }

    // The copy of a named project comes back under its name, on top of the
    // file as saved: Ctrl+S writes it there, undo goes back to the file.
    void restoredCopyKeepsTheProjectsName()
    {
        SaveNetzSued();
        TypeCell(Circles(), 0, Name, "H1 neu");
        window_->WriteRecoveryCopy();
        Crash();

        TMessageBoxAnswers answers({{"RecoveryQuestion", QMessageBox::Yes}});
        QVERIFY(window_->OfferRecoveryCopy());
        QCOMPARE(answers.Names(), QStringList{"RecoveryQuestion"});
        QVERIFY(answers.Texts().value(0).contains("„Netz Süd.fluvara“"));
        QCOMPARE(Cell(Circles(), 0, Name), QString("H1 neu"));
        QCOMPARE(window_->FilePath(), QFileInfo(Path(NetzSued)).absoluteFilePath());
        QCOMPARE(window_->windowTitle(), Title(NetzSued));
        QVERIFY(window_->isWindowModified());

        bool asked = false;
        window_->SetFileChooser([&asked](TFileQuestion, const QString&) {
            asked = true;
            return QString();
        });
        Trigger(*window_, "SaveAction");
        QVERIFY(!asked);
        QVERIFY(!window_->isWindowModified());
        QVERIFY(!TReachListWindow::RecoveryCopyWaiting());
        TReachListWindow reopened(printing_);
        QVERIFY(reopened.OpenProject(Path(NetzSued)));
        QCOMPARE(Cell(Table(reopened, TReachKind::Circle), 0, Name), QString("H1 neu"));
        window_->UndoStack().setIndex(0);
        QCOMPARE(Cell(Circles(), 0, Name), QString("H1"));
    }

    // "Verwerfen" on closing gives the changes up: the list opens again as it
    // was last saved or opened, or empty when it never was, with no copy left.
    void discardBringsBackTheSavedList_data()
    {
        QTest::addColumn<bool>("named");
        QTest::newRow("saved project") << true;
        QTest::newRow("new list") << false;
    }
    void discardBringsBackTheSavedList()
    {
        QFETCH(bool, named);
        if (named)
            SaveNetzSued();
        Trigger(*window_, "AppendRowAction");
        const int rows = Circles()->model()->rowCount();
        TypeCell(Circles(), rows - 1, Name, "verworfen");
        window_->WriteRecoveryCopy();
        QVERIFY(TReachListWindow::RecoveryCopyWaiting());

        TMessageBoxAnswers answers({{"SaveQuestion", QMessageBox::Discard}});
        QTest::keyClick(window_.get(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(answers.Names(), QStringList{"SaveQuestion"});
        QVERIFY(!window_->isVisible());
        QVERIFY(!TReachListWindow::RecoveryCopyWaiting());

        window_->show();
        QVERIFY(!window_->isWindowModified());
        QCOMPARE(window_->windowTitle(), Title(named ? NetzSued : QString("Unbenannt")));
        QCOMPARE(Circles()->model()->rowCount(), rows - 1);
        if (named)
            QCOMPARE(Cell(Circles(), 0, Name), QString("H1"));
        QVERIFY(!window_->UndoStack().canRedo());  // the changes are gone, not put aside
    }

    // Something else in the copy's place is no copy: reading it could wait for ever.
    void aPipeInPlaceOfTheCopyIsNotOffered()
    {
        window_.reset();
        QVERIFY(mkfifo(QFile::encodeName(TReachListWindow::RecoveryPath()).constData(), 0644) == 0);
        QVERIFY(!TReachListWindow::RecoveryCopyWaiting());
        NewWindow();
        QVERIFY(!window_->OfferRecoveryCopy());
    }
};

QTEST_MAIN(ReachListRecoveryTest)
#include "reach_list_recovery_test.moc"
