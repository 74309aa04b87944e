// The reach list window as a user edits it: typing, messages, undo, rows,
// clipboard, sorting and the filter.
#include <algorithm>
#include "reachlisttest.h"
#include "printservice.h"
#include "windowtest.h"

#include "ReachTableModel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

using namespace fluvara;
using namespace fluvara::test;

namespace {

// Columns of the circular list: Haltung, d, kb, Is, Q, 95%, h/d zul, Q/0,9, then the results.
constexpr int Name = 0, D = 1, Kb = 2, Is = 3, Q = 4;
constexpr int Results = 8;

int ResultColumn(int result) { return Results + result; }

std::string Text(const QString& text) { return text.toStdString(); }

// A result as the window shows it: with the decimal comma.
std::string Comma(std::string text)
{
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

}  // namespace

class ReachListEditTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TTestSettings> settings_;
    TPrintService printing_;
    std::unique_ptr<TReachListWindow> window_;
    QTableView* circles_ = nullptr;

    TReachTableModel& Circles() { return window_->Model(TReachKind::Circle); }
    void Fill(std::initializer_list<std::vector<std::string>> rows)
    {
        int row = Circles().rowCount();
        for (const auto& texts : rows) {
            Trigger(*window_, "AppendRowAction");
            for (std::size_t c = 0; c < texts.size(); ++c)
                if (!texts[c].empty())
                    TypeCell(circles_, row, static_cast<int>(c), QString::fromStdString(texts[c]));
            ++row;
        }
    }

private slots:
    void init()
    {
        settings_ = std::make_unique<TTestSettings>();
        window_ = std::make_unique<TReachListWindow>(printing_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        circles_ = Table(*window_, TReachKind::Circle);
    }
    void cleanup()
    {
        window_->UndoStack().setClean();
        window_.reset();
        settings_.reset();
    }

    void windowIsGermanResizableAndNonModal()
    {
        QVERIFY(!window_->isModal());
        QVERIFY(window_->minimumSize() != window_->maximumSize());
        auto* tabs = Find<QTabWidget>(window_.get(), "ListTabs");
        QCOMPARE(tabs->tabText(0).remove('&'), QString("Kreisprofile"));
        QCOMPARE(tabs->tabText(1).remove('&'), QString("Gerinne"));
        QCOMPARE(window_->windowTitle(), QString("Unbenannt[*] – Haltungsliste – FLUVARA"));
        QCOMPARE(circles_->model()->headerData(Results + CircleQv, Qt::Horizontal).toString(), QString("Qv [l/s]"));
        QCOMPARE(circles_->model()->headerData(circles_->model()->columnCount() - 1, Qt::Horizontal).toString(),
                 QString("Status"));
    }

    void typingAValueRecalculatesItsRow()
    {
        Fill({{"H1", "300", "1,5", "5"}});
        QCOMPARE(Cell(circles_, 0, ResultColumn(CircleQv)), QString("69,12"));
        QCOMPARE(Cell(circles_, 0, ResultColumn(CircleVv)), QString("0,98"));
        QCOMPARE(Cell(circles_, 0, ResultColumn(CircleH)), QString());
        QVERIFY(window_->windowTitle().contains("[*]") && window_->isWindowModified());

        TypeCell(circles_, 0, Q, "40");
        const TReachOutcome expected =
            CalculateCircleReach(std::vector<std::string>{"H1", "300", "1,5", "5", "40", "", "", ""}, {});
        QVERIFY(!expected.refused);
        for (int r = 0; r < CircleResultCount; ++r)
            QCOMPARE(Text(Cell(circles_, 0, ResultColumn(r))), Comma(expected.results[static_cast<std::size_t>(r)]));
        QCOMPARE(Cell(circles_, 0, circles_->model()->columnCount() - 1), QString("berechnet"));
        // results are read-only and right-aligned
        QVERIFY(!(circles_->model()->flags(circles_->model()->index(0, ResultColumn(CircleQv))) & Qt::ItemIsEditable));
        QVERIFY(CellData(circles_, 0, ResultColumn(CircleQv), Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
    }

    void badValueMarksItsCellWithThePagesMessage()
    {
        Fill({{"H1", "300", "1,5", "5"}, {"H2", "400", "1,5", "5"}});
        const QString before = Cell(circles_, 1, ResultColumn(CircleQv));
        TypeCell(circles_, 0, Kb, "1,5x");
        const TReachOutcome expected =
            CalculateCircleReach(std::vector<std::string>{"H1", "300", "1,5x", "5", "", "", "", ""}, {});
        QVERIFY(expected.refused && !expected.errors.empty());
        const QString message = QString::fromStdString(expected.errors.front().message);
        QCOMPARE(CellData(circles_, 0, Kb, Qt::ToolTipRole).toString(), message);
        QCOMPARE(CellData(circles_, 0, Kb, Qt::BackgroundRole).value<QBrush>().color().red(), 255);
        QVERIFY(!CellData(circles_, 0, D, Qt::ToolTipRole).isValid());
        QVERIFY(window_->statusBar()->currentMessage().contains(message));
        for (int r = 0; r < CircleResultCount; ++r)
            QCOMPARE(Cell(circles_, 0, ResultColumn(r)), QString());
        QCOMPARE(Cell(circles_, 0, Kb), QString("1,5x"));             // the text stays as typed
        QCOMPARE(Cell(circles_, 1, ResultColumn(CircleQv)), before);  // nothing else touched
    }

    void undoAndRedoEveryEditByKeys()
    {
        Fill({{"H1", "300", "1,5", "5"}});
        TypeCell(circles_, 0, D, "400");
        const QString at400 = Cell(circles_, 0, ResultColumn(CircleQv));
        QVERIFY(at400 != "69,12");
        circles_->setFocus();
        QTest::keyClick(circles_, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Cell(circles_, 0, D), QString("300"));
        QCOMPARE(Cell(circles_, 0, ResultColumn(CircleQv)), QString("69,12"));
        QTest::keyClick(circles_, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Cell(circles_, 0, D), QString("400"));
        QCOMPARE(Cell(circles_, 0, ResultColumn(CircleQv)), at400);
        // back to where nothing was typed: the list is empty and unchanged
        while (window_->UndoStack().canUndo())
            QTest::keyClick(circles_, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(circles_->model()->rowCount(), 0);
        QVERIFY(!window_->isWindowModified());
    }

    void rowsAreAddedInsertedDuplicatedMovedAndDeletedWithUndo()
    {
        Fill({{"A", "300", "1,5", "5"}, {"B", "400", "1,5", "5"}, {"C", "500", "1,5", "5"}});
        const auto names = [&] {
            QStringList list;
            for (int r = 0; r < circles_->model()->rowCount(); ++r)
                list << Cell(circles_, r, Name);
            return list.join(',');
        };
        circles_->selectRow(1);
        Trigger(*window_, "DuplicateRowsAction");
        QCOMPARE(names(), QString("A,B,B,C"));
        Trigger(*window_, "MoveUpAction");  // the copy is selected
        Trigger(*window_, "MoveUpAction");
        QCOMPARE(names(), QString("B,A,B,C"));
        Trigger(*window_, "MoveDownAction");
        QCOMPARE(names(), QString("A,B,B,C"));
        circles_->selectRow(3);
        Trigger(*window_, "InsertRowAction");
        QCOMPARE(names(), QString("A,B,B,,C"));
        QCOMPARE(Cell(circles_, 3, circles_->model()->columnCount() - 1), QString());  // a blank row is no error
        circles_->clearSelection();
        circles_->selectionModel()->select(circles_->model()->index(0, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        circles_->selectionModel()->select(circles_->model()->index(2, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        Trigger(*window_, "DeleteRowsAction");
        QCOMPARE(names(), QString("B,,C"));
        Trigger(*window_, "UndoAction");
        QCOMPARE(names(), QString("A,B,B,,C"));
        QCOMPARE(Cell(circles_, 0, ResultColumn(CircleQv)), QString("69,12"));
        for (int i = 0; i < 5; ++i)
            Trigger(*window_, "UndoAction");
        QCOMPARE(names(), QString("A,B,C"));
        for (int i = 0; i < 6; ++i)
            Trigger(*window_, "RedoAction");
        QCOMPARE(names(), QString("B,,C"));
    }

    void pasteOfABlockWithDecimalCommas()
    {
        Fill({{"H1", "300", "1,5", "5"}});
        QApplication::clipboard()->setText(
            "H1\t250\t0,75\t12,5\t30,25\r\nH2\t400\t1,5\t3,2\t\r\nH3\t500\t1,5\t2\t99\r\n");
        circles_->setFocus();
        circles_->setCurrentIndex(circles_->model()->index(0, Name));
        QTest::keyClick(circles_, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(circles_->model()->rowCount(), 3);
        const std::vector<std::vector<std::string>> rows{CircleRow("H1", "250", "0,75", "12,5", "30,25"),
                                                         CircleRow("H2", "400", "1,5", "3,2", ""),
                                                         CircleRow("H3", "500", "1,5", "2", "99")};
        for (int r = 0; r < 3; ++r) {
            const TReachOutcome expected = CalculateCircleReach(rows[static_cast<std::size_t>(r)], {});
            QVERIFY(!expected.refused);
            QCOMPARE(Text(Cell(circles_, r, Kb)), rows[static_cast<std::size_t>(r)][CircleKb]);
            QCOMPARE(Text(Cell(circles_, r, ResultColumn(CircleQv))), Comma(expected.results[CircleQv]));
            QCOMPARE(Text(Cell(circles_, r, ResultColumn(CircleH))), Comma(expected.results[CircleH]));
        }
        // one paste, one undo
        Trigger(*window_, "UndoAction");
        QCOMPARE(circles_->model()->rowCount(), 1);
        QCOMPARE(Cell(circles_, 0, D), QString("300"));
    }

    // One copied value pasted over a selected range fills it, in one undo step;
    // a range that is not a whole multiple of the block gets it once.
    void pasteRepeatsOverAWholeMultipleOfTheBlock()
    {
        Fill({{"H1", "300", "1,5", "5", "40"}, {"H2", "300", "1,5", "5", "40"}, {"H3", "300", "1,5", "5", "40"}});
        QApplication::clipboard()->setText("0,75\n");
        circles_->setFocus();
        circles_->selectionModel()->select(
            QItemSelection(circles_->model()->index(0, Kb), circles_->model()->index(2, Kb)),
            QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(circles_, Qt::Key_V, Qt::ControlModifier);
        for (int r = 0; r < 3; ++r)
            QCOMPARE(Cell(circles_, r, Kb), QString("0,75"));
        QCOMPARE(circles_->model()->rowCount(), 3);
        Trigger(*window_, "UndoAction");
        for (int r = 0; r < 3; ++r)
            QCOMPARE(Cell(circles_, r, Kb), QString("1,5"));

        QApplication::clipboard()->setText("250\n400\n");
        circles_->selectionModel()->select(
            QItemSelection(circles_->model()->index(0, D), circles_->model()->index(2, D)),
            QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(circles_, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Cell(circles_, 0, D), QString("250"));
        QCOMPARE(Cell(circles_, 1, D), QString("400"));
        QCOMPARE(Cell(circles_, 2, D), QString("300"));
    }

    void copyGivesTabsAndDecimalCommas()
    {
        Fill({{"H1", "300", "1,5", "5"}});
        circles_->selectionModel()->select(
            QItemSelection(circles_->model()->index(0, Kb), circles_->model()->index(0, ResultColumn(CircleVv))),
            QItemSelectionModel::ClearAndSelect);
        Trigger(*window_, "CopyAction");
        QCOMPARE(QApplication::clipboard()->text(), QString("1,5\t5\t\t\t\t\t300\t69,12\t0,98\n"));
    }

    void sortsNumbersAsNumbersAndFiltersProblemRows()
    {
        Fill({{"A", "1000", "1,5", "5", "10"},
              {"B", "300", "1,5", "5", "500"},
              {"C", "200", "x", "5"},
              {"D", "400", "1,5", "5", "50"}});
        circles_->horizontalHeader()->setSortIndicator(D, Qt::AscendingOrder);
        const auto names = [&] {
            QStringList list;
            for (int r = 0; r < circles_->model()->rowCount(); ++r)
                list << Cell(circles_, r, Name);
            return list.join(',');
        };
        QCOMPARE(names(), QString("C,B,D,A"));  // 200 < 300 < 400 < 1000, not as texts
        QVERIFY(!window_->findChild<QAction*>("MoveUpAction")->isEnabled());
        Trigger(*window_, "UnsortAction");
        QCOMPARE(names(), QString("A,B,C,D"));

        Trigger(*window_, "ProblemsOnlyAction");
        QCOMPARE(names(), QString("B,C"));  // overloaded and refused
        const int status = circles_->model()->columnCount() - 1;
        QVERIFY(Cell(circles_, 0, status).startsWith("überlastet (Qt/Qv = "));
        QVERIFY(CellData(circles_, 0, status, Qt::BackgroundRole).isValid());
        QVERIFY(CellData(circles_, 1, status, Qt::BackgroundRole).isValid());
        QCOMPARE(Find<QLabel>(window_.get(), "RowCountLabel")->text(), QString("2 von 4 Zeilen"));
        // the mended row stays in view until the filter is applied again
        TypeCell(circles_, 1, Kb, "1,5");
        QCOMPARE(names(), QString("B,C"));
        QCOMPARE(Cell(circles_, 1, status), QString("berechnet"));
        Trigger(*window_, "ProblemsOnlyAction");
        QCOMPARE(names(), QString("A,B,C,D"));
        Trigger(*window_, "ProblemsOnlyAction");
        QCOMPARE(names(), QString("B"));
        Trigger(*window_, "ProblemsOnlyAction");
    }

    void overflowingChannelIsFlaggedAndFilteredAsAnOverloadedPipe()
    {
        Fill({{"P", "300", "1,5", "5", "500"}});
        const int circleStatus = circles_->model()->columnCount() - 1;
        const QVariant overloaded = CellData(circles_, 0, circleStatus, Qt::BackgroundRole);
        QVERIFY(overloaded.isValid());

        Find<QTabWidget>(window_.get(), "ListTabs")->setCurrentIndex(1);
        QTableView* channels = Table(*window_, TReachKind::Channel);
        const std::vector<std::vector<std::string>> rows{
            {"G1", "15000", "0,8", "45", "30", "30", "400", "120", "1:2", "1:2"},
            {"G2", "500", "2", "30", "30", "30", "100", "100", "45", "45"}};
        for (int r = 0; r < 2; ++r) {
            Trigger(*window_, "AppendRowAction");
            for (int c = 0; c < ChannelFieldCount; ++c)
                TypeCell(channels, r, c, QString::fromStdString(rows[static_cast<std::size_t>(r)][c]));
        }
        const int status = channels->model()->columnCount() - 1;
        constexpr int results = ChannelFieldCount;
        QCOMPARE(Cell(channels, 0, results + ChannelRegime), QString("läuft über"));
        QCOMPARE(Cell(channels, 0, results + ChannelFreeboard), QString("-65,9"));
        QCOMPARE(Cell(channels, 0, status), QString("läuft über (h/hp = 154,9 %)"));
        QCOMPARE(CellData(channels, 0, status, Qt::BackgroundRole), overloaded);
        QCOMPARE(Cell(channels, 1, status), QString("berechnet"));
        QVERIFY(CellData(channels, 1, status, Qt::BackgroundRole) != overloaded);

        Trigger(*window_, "ProblemsOnlyAction");
        QCOMPARE(channels->model()->rowCount(), 1);
        QCOMPARE(Cell(channels, 0, 0), QString("G1"));
        QCOMPARE(circles_->model()->rowCount(), 1);
    }

    // Typed and pasted cells are read as imported ones: a grouping or a
    // second separator refuses the row instead of reading 2.5 or 0.5.
    void groupedAndMistypedNumbersAreRefusedWhenTypedOrPasted()
    {
        Fill({{"H1", "300", "1,5", "5", "40"}, {"H2", "300", "1,5", "5", "40"}});
        const int status = circles_->model()->columnCount() - 1;
        TypeCell(circles_, 0, Q, "2.500");
        const QString ambiguous(
            "Qt-Wert „2.500“ ist mehrdeutig: Tausender- oder Dezimalpunkt? 2500 oder 2,500 schreiben");
        QCOMPARE(Cell(circles_, 0, status), ambiguous);
        QCOMPARE(CellData(circles_, 0, Q, Qt::ToolTipRole).toString(), ambiguous);
        QCOMPARE(CellData(circles_, 0, Q, Qt::BackgroundRole).value<QBrush>().color().red(), 255);
        QCOMPARE(Cell(circles_, 0, ResultColumn(CircleQv)), QString());

        QApplication::clipboard()->setText("1.234,5\n0,5.3\n");
        circles_->setFocus();
        circles_->setCurrentIndex(circles_->model()->index(0, Q));
        QTest::keyClick(circles_, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Cell(circles_, 0, status),
                 QString("Qt-Wert „1.234,5“ hat Tausenderpunkte: ohne sie 1234,5 schreiben"));
        QCOMPARE(
            Cell(circles_, 1, status),
            QString("Qt-Wert „0,5.3“ hat mehr als ein Trennzeichen: nur ein Dezimalkomma oder -punkt ist erlaubt"));
        Trigger(*window_, "UndoAction");
        QCOMPARE(Cell(circles_, 1, status), QString("berechnet"));
    }

    void scrollsAndSortsALongList()
    {
        TReachList list = EmptyList(TReachKind::Circle);
        for (int i = 0; i < 100000; ++i)
            list.rows.push_back(
                CircleRow(("H" + std::to_string(i)).c_str(), std::to_string(150 + i % 1000).c_str(), "1,5", "5", ""));
        Circles().ReplaceList(std::move(list));
        QCOMPARE(circles_->model()->rowCount(), 100000);
        circles_->scrollToBottom();
        circles_->horizontalHeader()->setSortIndicator(D, Qt::DescendingOrder);
        QCOMPARE(Cell(circles_, 0, D), QString("1149"));
        QCOMPARE(Cell(circles_, 99999, D), QString("150"));
    }
};

QTEST_MAIN(ReachListEditTest)
#include "reach_list_edit_test.moc"
