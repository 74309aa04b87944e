// The pieces the dialogs share: the fixed frame with its show and activation
// hooks, and the reference-table grid; and typing any letter into a field.

#include "DialogFrame.h"

#include "dialogtest.h"
#include "windowtest.h"

#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

using namespace fluvara;
using namespace fluvara::test;

namespace {

class TCountingDialog : public TFixedDialog {
public:
    TCountingDialog()
    {
        setObjectName("CountingDialog");
        resize(301, 199);
        auto* field = new QLineEdit(this);
        field->setObjectName("Field");
        field->setGeometry(10, 10, 200, 20);
        SetUpFrame("Courier New", 13);
    }
    int shown = 0;
    int activated = 0;

protected:
    void FormShow() override { ++shown; }
    void FormActivate() override { ++activated; }
};

QString CellOrNone(const QTableWidget& grid, int row, int column)
{
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QStringLiteral("-");
}

QString Rows(const QTableWidget& grid)
{
    QStringList rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.columnCount(); ++c)
            cells << CellOrNone(grid, r, c);
        rows << cells.join(',');
    }
    return rows.join('|');
}

}  // namespace

class DialogPartsTest : public QObject {
    Q_OBJECT

private slots:
    void frameKeepsItsSizeSilverFontAndCentre()
    {
        TCountingDialog dialog;
        QCOMPARE(dialog.minimumSize(), QSize(301, 199));
        QCOMPARE(dialog.maximumSize(), QSize(301, 199));
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(192, 192, 192));
        QVERIFY(dialog.autoFillBackground());
        QCOMPARE(dialog.font().family(), "Courier New");
        QCOMPARE(dialog.font().pixelSize(), 13);
        const QRect screen = dialog.screen()->availableGeometry();
        // Half the screen less half the dialog, each half rounded down.
        const QRect expected(screen.left() + screen.width() / 2 - 150, screen.top() + screen.height() / 2 - 99, 301,
                             199);
        QCOMPARE(dialog.geometry(), expected);
        QVERIFY(Activate(&dialog));
        QCOMPARE(dialog.geometry(), expected);
    }

    void showAndActivationHooksRunOncePerEvent()
    {
        TCountingDialog dialog;
        QCOMPARE(dialog.shown, 0);
        QCOMPARE(dialog.activated, 0);
        QVERIFY(Activate(&dialog));
        QCOMPARE(dialog.shown, 1);
        QCOMPARE(dialog.activated, 1);
        // Losing the activation calls nothing; coming back does.
        QVERIFY(Reactivate(&dialog));
        QCOMPARE(dialog.shown, 1);
        QCOMPARE(dialog.activated, 2);
        dialog.hide();
        QVERIFY(Reactivate(&dialog));
        QCOMPARE(dialog.shown, 2);
        QCOMPARE(dialog.activated, 3);
    }

    void gridGetsColumnWidthsAndReadsBlackOnSilver()
    {
        QTableWidget grid(2, 3);
        grid.setEnabled(false);
        const int widths[] = {64, 287, 78};
        SetUpTableGrid(&grid, widths);
        QCOMPARE((QList<int>{grid.columnWidth(0), grid.columnWidth(1), grid.columnWidth(2)}),
                 (QList<int>{64, 287, 78}));
        QCOMPARE(grid.palette().color(QPalette::Disabled, QPalette::Base), QColor(192, 192, 192));
        QCOMPARE(grid.palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
    }

    void gridIsWrittenUpToTheSmallerRowCount()
    {
        QTableWidget grid(3, 2);
        const auto cell = [](int r, int c) { return QString::number(r) + QString::number(c); };
        WriteGrid(&grid, 2, cell);
        QCOMPARE(Rows(grid), "00,01|10,11|-,-");
        grid.item(0, 1)->setText("x");
        QStringList asked;
        WriteGrid(&grid, 5, [&](int r, int c) {
            asked << cell(r, c);
            return "n" + cell(r, c);
        });
        QCOMPARE(Rows(grid), "n00,n01|n10,n11|n20,n21");
        QCOMPARE(asked.join(','), "00,01,10,11,20,21");
    }

    void typeIntoTypesAnyLetter()
    {
        TCountingDialog dialog;
        QVERIFY(Activate(&dialog));
        const char* texts[] = {"Haltung 12 – Straße", "ÄÖÜ äöü ß", "abc 1,5", ""};
        for (const char* text : texts) {
            TypeInto(&dialog, "Field", "alt");
            TypeInto(&dialog, "Field", QString::fromUtf8(text));
            QCOMPARE(Text(&dialog, "Field"), QString::fromUtf8(text));
        }
    }
};

QTEST_MAIN(DialogPartsTest)
#include "dialog_parts_test.moc"
