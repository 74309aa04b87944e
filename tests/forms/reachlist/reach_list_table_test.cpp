// The reach list's tables as spreadsheet users expect them: keys, units,
// the decimal mark, columns that fit, and what the window keeps.
#include "reachlisttest.h"
#include "printservice.h"
#include "windowtest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace fluvara;
using namespace fluvara::test;

namespace {

// H05 runs over: Qt/Qv 218.3 %; the others are calculated.
const QByteArray Circles = "Haltung;d;kb;Is;Q;95%-Wert\r\n"
                           "Haltung am Schießstand Nord;300;1.5;5;40;\r\n"
                           "H02;400;0,75;2,125;80;ja\r\n"
                           "H03;250;1,5;2.500;40;\r\n"
                           "H05;1000;1,5;1,125;1500;ja\r\n"
                           "H06;300;1,5;5;70;\r\n";

}  // namespace

class ReachListTableTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TTestSettings> settings_;
    QTemporaryDir folder_;
    TPrintService printing_;
    std::unique_ptr<TReachListWindow> window_;
    QTableView* circles_ = nullptr;

    void Open()
    {
        window_ = std::make_unique<TReachListWindow>(printing_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        circles_ = Table(*window_, TReachKind::Circle);
    }
    void Import()
    {
        QFile file(folder_.filePath("netz.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Circles);
        file.close();
        QVERIFY(window_->ImportCsv(file.fileName()));
    }
    int Column(const QString& header) const
    {
        for (int c = 0; c < circles_->model()->columnCount(); ++c)
            if (circles_->model()->headerData(c, Qt::Horizontal).toString() == header)
                return c;
        qFatal("no column %s", qPrintable(header));
    }
    QModelIndex Current() const { return circles_->currentIndex(); }

private slots:
    void init()
    {
        settings_ = std::make_unique<TTestSettings>();
        Open();
    }
    void cleanup()
    {
        window_->UndoStack().setClean();
        window_.reset();
        settings_.reset();
    }

    void anOpenedListHasACurrentCellAndEnterAndTabMoveOn()
    {
        Import();
        QCOMPARE(Current(), circles_->model()->index(0, 0));
        circles_->setFocus();
        QTest::keyClick(circles_, Qt::Key_Return);
        QCOMPARE(Current(), circles_->model()->index(1, 0));
        QTest::keyClick(circles_, Qt::Key_Tab);
        QCOMPARE(Current(), circles_->model()->index(1, 1));
        QTest::keyClick(circles_, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(Current(), circles_->model()->index(0, 1));
        // typed and confirmed with Enter: the next row, as in a spreadsheet
        TypeCell(circles_, 2, 1, "350");
        QCOMPARE(Current(), circles_->model()->index(3, 1));
        QCOMPARE(Cell(circles_, 2, 1), QString("350"));
        // typed and left with Tab: the next column, no editor opened there
        circles_->setCurrentIndex(circles_->model()->index(2, 1));
        QTest::keyClick(circles_, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "360");
        QTest::keyClick(editor, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(Cell(circles_, 2, 1), QString("360"));
        QCOMPARE(Current(), circles_->model()->index(2, 2));
        QVERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    }

    void headersCarryUnitsAndNumbersTheDecimalComma()
    {
        Import();
        for (const char* header : {"d [mm]", "kb [mm]", "Is [‰]", "Q [l/s]", "95%-Wert", "Qv [l/s]", "h [cm]",
                                   "h/d [%]", "Qt/Qv [%]", "vt [m/s]", "Status"})
            Column(header);
        QCOMPARE(Cell(circles_, 0, Column("kb [mm]")), QString("1,5"));   // typed "1.5"
        QCOMPARE(Cell(circles_, 2, Column("Is [‰]")), QString("2.500"));  // ambiguous: as typed
        QCOMPARE(Cell(circles_, 0, Column("Qv [l/s]")), QString("69,12"));
        QCOMPARE(Cell(circles_, 4, Column("Status")), QString("überlastet (Qt/Qv = 101,3 %)"));
        // the files keep the plain names
        QCOMPARE(window_->Model(TReachKind::Circle).List().layout.columns[1], std::string("d"));
        // copied as shown
        circles_->setCurrentIndex(circles_->model()->index(0, Column("Qv [l/s]")));
        Trigger(*window_, "CopyAction");
        QCOMPARE(QApplication::clipboard()->text(), QString("69,12\n"));

        auto* point = window_->findChild<QAction*>("DecimalPointAction");
        QVERIFY(point && point->isCheckable() && !point->isChecked());
        point->trigger();
        QCOMPARE(Cell(circles_, 0, Column("Qv [l/s]")), QString("69.12"));
        QCOMPARE(Cell(circles_, 1, Column("kb [mm]")), QString("0.75"));  // typed "0,75"
        // taking the shown text back unchanged is no edit
        QVERIFY(circles_->model()->setData(circles_->model()->index(1, Column("kb [mm]")), "0.75"));
        QCOMPARE(window_->Model(TReachKind::Circle).RowTexts(1)[2], std::string("0,75"));
        // the choice stays for the next window
        window_.reset();
        Open();
        QVERIFY(window_->findChild<QAction*>("DecimalPointAction")->isChecked());
    }

    void overloadedPipesSortByTheirRatio()
    {
        Import();
        const int ratio = Column("Qt/Qv [%]");
        QCOMPARE(Cell(circles_, 3, ratio), QString("218,3"));
        circles_->sortByColumn(ratio, Qt::DescendingOrder);
        QCOMPARE(Cell(circles_, 0, 0), QString("H05"));
        QCOMPARE(Cell(circles_, 1, 0), QString("H06"));
    }

    void columnsFitTheirTextsAndKeepTheUsersWidths()
    {
        Import();
        const QFontMetrics metrics = circles_->fontMetrics();
        for (int c = 0; c < circles_->model()->columnCount(); ++c) {
            const QString header = circles_->model()->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(circles_->columnWidth(c) >= metrics.horizontalAdvance(header), qPrintable(header));
            for (int r = 0; r < circles_->model()->rowCount(); ++r) {
                const QString text = Cell(circles_, r, c);
                QVERIFY2(circles_->columnWidth(c) >= metrics.horizontalAdvance(text) + 4,
                         qPrintable(QString("%1 in %2").arg(text, header)));
            }
        }
        const int status = Column("Status");
        circles_->horizontalHeader()->resizeSection(status, 333);
        window_.reset();
        Open();
        Import();
        QCOMPARE(circles_->columnWidth(Column("Status")), 333);
    }

    void aRowMendedInTheProblemViewStaysUntilTheFilterIsAppliedAgain()
    {
        Import();
        auto* problems = window_->findChild<QAction*>("ProblemsOnlyAction");
        problems->trigger();
        QCOMPARE(circles_->model()->rowCount(), 3);  // H03 refused, H05 and H06 overloaded
        QCOMPARE(Cell(circles_, 0, 0), QString("H03"));
        TypeCell(circles_, 0, Column("Is [‰]"), "12,5");
        QCOMPARE(circles_->model()->rowCount(), 3);
        QCOMPARE(Cell(circles_, 0, Column("Status")), QString("berechnet"));
        problems->trigger();
        problems->trigger();
        QCOMPARE(circles_->model()->rowCount(), 2);
    }

    void windowSizeIsKept()
    {
        window_->resize(900, 500);
        QVERIFY(window_->close());
        window_.reset();
        Open();
        QCOMPARE(window_->size(), QSize(900, 500));
    }

    void undoBringsTheChangedCellIntoView()
    {
        for (int i = 0; i < 120; ++i)
            Trigger(*window_, "AppendRowAction");
        TypeCell(circles_, 110, 1, "300");
        circles_->setCurrentIndex(circles_->model()->index(0, 0));
        circles_->scrollToTop();
        window_->UndoStack().undo();
        QCOMPARE(Current(), circles_->model()->index(110, 1));
        QVERIFY(circles_->viewport()->rect().intersects(circles_->visualRect(Current())));
    }
};

QTEST_MAIN(ReachListTableTest)
#include "reach_list_table_test.moc"
