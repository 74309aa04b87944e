// The reach list's editing on the document alone, without any window: a
// selection given as shown (sorted, filtered) acts on the right rows.
#include "ReachFilterModel.h"
#include "ReachListDocument.h"
#include "ReachListEditor.h"
#include "windowtest.h"

#include <QSignalSpy>
#include <QTest>

using namespace fluvara;
using namespace fluvara::test;

namespace {

constexpr TReachKind Circle = TReachKind::Circle;

QStringList Names(const TReachListDocument& document)
{
    const TReachTableModel& circles = document.Model(Circle);
    QStringList names;
    for (int row = 0; row < circles.rowCount(); ++row)
        names << QString::fromStdString(circles.CellText(row, 0));
    return names;
}

}  // namespace

class ReachListEditorTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TTestSettings> settings_;
    std::unique_ptr<TReachListDocument> document_;
    std::unique_ptr<TReachListEditor> editor_;

    QModelIndex Shown(int row, int column) const { return editor_->Filter(Circle).index(row, column); }

private slots:
    void init()
    {
        settings_ = std::make_unique<TTestSettings>();
        document_ = std::make_unique<TReachListDocument>();
        editor_ = std::make_unique<TReachListEditor>(*document_);
        document_->Model(Circle).ReplaceList(
            MakeList({"Haltung", "d", "kb", "Is"},
                     {{"A", "300", "1,5", "5"}, {"B", "400", "1,5", "5"}, {"C", "500", "1,5", "5"}}));
    }
    void cleanup()
    {
        editor_.reset();
        document_->UndoStack().setClean();
        document_.reset();
        settings_.reset();
    }

    // Sorted backwards, the rows shown are "C", "B", "A": a block pasted from
    // the top goes into them in that order, the rest of it into a new row;
    // one undo takes it all back.
    void pasteFollowsTheOrderShown()
    {
        editor_->Filter(Circle).sort(0, Qt::DescendingOrder);
        QCOMPARE(editor_->ModelRow(Circle, Shown(0, 0)), 2);
        editor_->Paste(Circle, {}, Shown(0, 0), "X\nY\nZ\nW\n");
        QCOMPARE(Names(*document_), QStringList({"Z", "Y", "X", "W"}));
        QCOMPARE(document_->UndoStack().count(), 1);
        document_->UndoStack().undo();
        QCOMPARE(Names(*document_), QStringList({"A", "B", "C"}));
    }

    // Results are calculated: nothing is pasted into them, the status says why.
    void pasteIntoAResultIsRefused()
    {
        QSignalSpy told(editor_.get(), &TReachListEditor::Told);
        const int result = document_->Model(Circle).InputColumnCount();
        editor_->Paste(Circle, {}, Shown(0, result), "1\n");
        QCOMPARE(told.count(), 1);
        QCOMPARE(told.at(0).value(0).toString(),
                 QString("Ergebnisse werden berechnet; eingefügt wird nur in Eingabespalten."));
        QCOMPARE(document_->UndoStack().count(), 0);
    }

    // The rows each command leaves, and the rows it answers to be selected.
    void rowCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<std::vector<int>>("rows");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("delete two") << "delete" << std::vector<int>{0, 2} << QStringList{"B"} << 0 << 1;
        QTest::newRow("delete the last") << "delete" << std::vector<int>{2} << QStringList{"A", "B"} << 1 << 1;
        QTest::newRow("duplicate") << "duplicate" << std::vector<int>{0, 1} << QStringList{"A", "B", "A", "B", "C"} << 2
                                   << 2;
        QTest::newRow("move down") << "down" << std::vector<int>{0, 1} << QStringList{"C", "A", "B"} << 1 << 2;
        QTest::newRow("move up at the top") << "up" << std::vector<int>{0} << QStringList{"A", "B", "C"} << 0 << 0;
        QTest::newRow("move apart rows") << "down" << std::vector<int>{0, 2} << QStringList{"A", "B", "C"} << 0 << 0;
        QTest::newRow("insert before") << "insert" << std::vector<int>{1} << QStringList{"A", "", "B", "C"} << 1 << 1;
    }
    void rowCommands()
    {
        QFETCH(QString, command);
        QFETCH(std::vector<int>, rows);
        QFETCH(QStringList, names);
        QFETCH(int, first);
        QFETCH(int, count);
        QSignalSpy told(editor_.get(), &TReachListEditor::Told);
        TRowRange range;
        if (command == "delete")
            range = editor_->DeleteRows(Circle, rows);
        else if (command == "duplicate")
            range = editor_->DuplicateRows(Circle, rows);
        else if (command == "insert")
            range = editor_->InsertRow(Circle, rows.front());
        else
            range = editor_->MoveRows(Circle, rows, command == "up" ? -1 : 1);
        QCOMPARE(Names(*document_), names);
        QCOMPARE(range.count, count);
        if (count > 0)
            QCOMPARE(range.first, first);
        QCOMPARE(told.count(), rows.size() == 2 && rows[1] - rows[0] > 1 && command == "down" ? 1 : 0);
    }

    // Rows move only in the list's own order with all its rows shown.
    void movingWantsTheListsOwnOrder()
    {
        QVERIFY(editor_->CanMove(Circle, false));
        QVERIFY(!editor_->CanMove(Circle, true));
        editor_->SetProblemsOnly(true);
        QVERIFY(editor_->ProblemsOnly());
        QVERIFY(!editor_->CanMove(Circle, false));
        QVERIFY(editor_->Filter(TReachKind::Channel).ProblemsOnly());
    }
};

QTEST_GUILESS_MAIN(ReachListEditorTest)
#include "reach_list_editor_test.moc"
