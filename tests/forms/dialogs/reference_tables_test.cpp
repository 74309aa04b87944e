// The kb table, the kst table and the explanations: contents, widths and
// behaviour on activation.

#include "Kbtab.h"
#include "Ksttab.h"
#include "Theo.h"

#include "dialogtest.h"
#include "windowtest.h"

#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>
#include <vector>

using namespace fluvara;
using namespace fluvara::test;

namespace {

bool AllBlanks(const QString& text) { return text.trimmed().isEmpty(); }

// Characters of every cell of a column in every row.
void CheckColumnWidths(const QTableWidget* grid, int column, const std::vector<int>& widthOfRow)
{
    for (int r = 0; r < int(widthOfRow.size()); ++r)
        QVERIFY2(Cell(grid, r, column).size() == widthOfRow[r],
                 qPrintable("row " + QString::number(r) + " column " + QString::number(column) + ": '" +
                            Cell(grid, r, column) + "'"));
}

struct TKstGroup {
    const char* button;
    const char* firstMaterial;
    std::vector<int> footnoteRows;
};

const TKstGroup KstGroups[] = {
    {"SpBtn3v4", "Erde", {17}},
    {"xSpBtn1v4", "Beton", {}},
    {"xSpBtn4v4", "Holz", {17}},
    {"xSpBtn2v4", "Asphalt", {}},
};

const QString Footnote = QString::fromUtf8(" * = kst-Wert enthält Unregelmäßigkeits-Einflüsse!");

}  // namespace

class ReferenceTablesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        kb_ = std::make_unique<TkbForm>();
        kst_ = std::make_unique<TkstForm>();
        theo_ = std::make_unique<TTheoForm>();
    }
    void cleanup()
    {
        kb_.reset();
        kst_.reset();
        theo_.reset();
    }

    void kbTableIsWrittenOnActivation()
    {
        auto* grid = Find<QTableWidget>(kb_.get(), "kbStrGrid");
        QCOMPARE(Cell(grid, 0, 0), "<none>");
        QVERIFY(Activate(kb_.get()));
        QCOMPARE(grid->rowCount(), 19);
        QCOMPARE(grid->columnCount(), 3);
        QCOMPARE(Cell(grid, 0, 0), " kb [mm]");
        QCOMPARE(Cell(grid, 0, 1), QString::fromUtf8(" Anwendung für").leftJustified(44));
        QCOMPARE(Cell(grid, 2, 1), QString::fromUtf8(" Drosselstrecken, Druckrohrleitungen, Düker "));
        QCOMPARE(Cell(grid, 7, 2), " bis DN 1000 ");
        QCOMPARE(Cell(grid, 8, 2), " alle DN     ");
        QCOMPARE(Cell(grid, 16, 1), " Nachweis der Wandrauheit                   ");
        for (int c = 0; c < 3; ++c)
            QVERIFY(AllBlanks(Cell(grid, 18, c)));
    }

    void kbCellsHaveTheirColumnWidthInCharacters()
    {
        QVERIFY(Activate(kb_.get()));
        auto* grid = Find<QTableWidget>(kb_.get(), "kbStrGrid");
        const int widths[3] = {8, 44, 13};
        for (int c = 0; c < 3; ++c) {
            CheckColumnWidths(grid, c, std::vector<int>(19, widths[c]));
            for (int r = 0; r < 19; ++r)
                QVERIFY(Cell(grid, r, c).startsWith(' '));
        }
    }

    void kbValuesStandInTheirRows()
    {
        QVERIFY(Activate(kb_.get()));
        auto* grid = Find<QTableWidget>(kb_.get(), "kbStrGrid");
        QStringList values;
        for (int r = 1; r < 19; ++r)
            values << Cell(grid, r, 0).trimmed();
        QCOMPARE(values.join('|'), "|0,25|||0,50||0,75|||||1,50||||||");
    }

    void kbTableIsRestoredAtEveryActivation()
    {
        QVERIFY(Activate(kb_.get()));
        auto* grid = Find<QTableWidget>(kb_.get(), "kbStrGrid");
        grid->item(5, 0)->setText("x");
        QVERIFY(Reactivate(kb_.get()));
        QCOMPARE(Cell(grid, 5, 0), " 0,50   ");
        kb_->hide();
        QVERIFY(Activate(kb_.get()));
        QCOMPARE(grid->rowCount(), 19);
        QCOMPARE(Cell(grid, 5, 0), " 0,50   ");
    }

    void kbGridTakesNoInput()
    {
        auto* grid = Find<QTableWidget>(kb_.get(), "kbStrGrid");
        QVERIFY(!grid->isEnabled());
        QVERIFY(grid->horizontalHeader()->isHidden());
        QVERIFY(grid->verticalHeader()->isHidden());
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE((QList<int>{grid->columnWidth(0), grid->columnWidth(1), grid->columnWidth(2)}),
                 (QList<int>{64, 287, 78}));
        for (int r = 0; r < 19; ++r)
            QCOMPARE(grid->rowHeight(r), 15);
        QVERIFY(Activate(kb_.get()));
        QCOMPARE(FocusName(), "Button1");
    }

    void kbCloseButtonCloses()
    {
        QVERIFY(Activate(kb_.get()));
        Click(kb_.get(), "Button1");
        QVERIFY(!kb_->isVisible());
    }

    void kstActivationShowsEarthAndSetsCaption()
    {
        kst_->setWindowTitle("x");
        QVERIFY(Activate(kst_.get()));
        QCOMPARE(kst_->windowTitle(), "  kst-Werte  ");
        auto* grid = Find<QTableWidget>(kst_.get(), "kstStrGrid");
        QCOMPARE(grid->rowCount(), 18);
        QCOMPARE(Cell(grid, 0, 0), "Material      ");
        QCOMPARE(Cell(grid, 0, 1), QString::fromUtf8(" Nähere Beschreibung").leftJustified(45));
        QCOMPARE(Cell(grid, 0, 2), "kst [m1/3/s]");
        QCOMPARE(Cell(grid, 2, 0), "Erde          ");
        QCOMPARE(Cell(grid, 3, 2), "40 -  45  ");
        QCOMPARE(Cell(grid, 7, 2), "20 -  25 *");
        QCOMPARE(Cell(grid, 8, 2), "40 *      ");
        QCOMPARE(Cell(grid, 17, 0), QString(14, ' '));
        QCOMPARE(Cell(grid, 17, 1), Footnote);
        QCOMPARE(Cell(grid, 17, 2), "    ");
    }

    void kstCellWidthsInEveryGroup()
    {
        QVERIFY(Activate(kst_.get()));
        auto* grid = Find<QTableWidget>(kst_.get(), "kstStrGrid");
        for (const TKstGroup& group : KstGroups) {
            Click(kst_.get(), group.button);
            QCOMPARE(Cell(grid, 2, 0).trimmed(), QString(group.firstMaterial));
            std::vector<int> material(18, 14), description(18, 45), kst(18, 10);
            kst[0] = 12;
            for (int r : group.footnoteRows) {
                description[r] = 50;
                kst[r] = 4;
                QCOMPARE(Cell(grid, r, 1), Footnote);
            }
            CheckColumnWidths(grid, 0, material);
            CheckColumnWidths(grid, 1, description);
            CheckColumnWidths(grid, 2, kst);
            for (int r = 2; r < 18; ++r)
                QVERIFY(AllBlanks(Cell(grid, r, 1)) || Cell(grid, r, 1).startsWith(' '));
        }
    }

    // Lower value, " - ", upper value right-aligned in three characters, an optional footnote mark.
    void kstRangesKeepTheirLayout()
    {
        QVERIFY(Activate(kst_.get()));
        auto* grid = Find<QTableWidget>(kst_.get(), "kstStrGrid");
        const QRegularExpression layout("^\\d{2,3}( - ( \\d\\d|\\d{3}))?( \\*)? *$");
        int ranges = 0;
        for (const TKstGroup& group : KstGroups) {
            Click(kst_.get(), group.button);
            for (int r = 1; r < 18; ++r) {
                const QString cell = Cell(grid, r, 2);
                if (AllBlanks(cell))
                    continue;
                QVERIFY2(layout.match(cell).hasMatch(), qPrintable(cell));
                ++ranges;
            }
        }
        QCOMPARE(ranges, 14 + 11 + 9 + 11);
        Click(kst_.get(), "xSpBtn1v4");
        QCOMPARE(Cell(grid, 3, 2), "90 - 100  ");
        QCOMPARE(Cell(grid, 4, 2), "65 -  70  ");
        QCOMPARE(Cell(grid, 14, 0), QString::fromUtf8("Gußeisen      "));
    }

    void kstSwitchOverwritesEveryCell()
    {
        QVERIFY(Activate(kst_.get()));
        auto* grid = Find<QTableWidget>(kst_.get(), "kstStrGrid");
        Click(kst_.get(), "xSpBtn1v4");
        QCOMPARE(Cell(grid, 2, 0), "Beton         ");
        for (int r = 15; r < 18; ++r)
            for (int c = 0; c < 3; ++c)
                QVERIFY2(AllBlanks(Cell(grid, r, c)), qPrintable(Cell(grid, r, c)));
        QCOMPARE(Cell(grid, 17, 1), QString(45, ' '));
    }

    void kstMasonryEntryOverTwoLines()
    {
        QVERIFY(Activate(kst_.get()));
        auto* grid = Find<QTableWidget>(kst_.get(), "kstStrGrid");
        Click(kst_.get(), "xSpBtn2v4");
        QCOMPARE(Cell(grid, 16, 1), QString::fromUtf8(" Bruchsteinböschungen - gepflastert, mit").leftJustified(45));
        QCOMPARE(Cell(grid, 16, 2), QString(10, ' '));
        QCOMPARE(Cell(grid, 17, 1), QString(" Sand oder Kiessohle").leftJustified(45));
        QCOMPARE(Cell(grid, 17, 2), "45 -  50  ");
        QCOMPARE(Cell(grid, 5, 0), "Asphalt-Zement");
    }

    void kstEveryActivationResetsToEarth()
    {
        QVERIFY(Activate(kst_.get()));
        auto* grid = Find<QTableWidget>(kst_.get(), "kstStrGrid");
        Click(kst_.get(), "xSpBtn4v4");
        QCOMPARE(Cell(grid, 7, 0), "Felsausbruch  ");
        QVERIFY(Reactivate(kst_.get()));
        QCOMPARE(Cell(grid, 2, 0), "Erde          ");
        QCOMPARE(Cell(grid, 7, 0), QString(14, ' '));

        Click(kst_.get(), "xSpBtn2v4");
        Click(kst_.get(), "Button1");
        QVERIFY(!kst_->isVisible());
        QVERIFY(Activate(kst_.get()));
        QCOMPARE(Cell(grid, 2, 0), "Erde          ");
        QCOMPARE(kst_->windowTitle(), "  kst-Werte  ");
    }

    void kstGroupButtons()
    {
        const std::pair<const char*, const char*> buttons[] = {
            {"SpBtn3v4", "&Erde"},
            {"xSpBtn1v4", "&Beton,Stahl,Gußeisen "},
            {"xSpBtn4v4", "&Holz,Felsausbruch"},
            {"xSpBtn2v4", "&Asphalt, Asphalt-Zem., Asbest-Zem., Mauerwerk, Naturstein"},
            {"Button1", "&Schließen"},
        };
        for (const auto& [name, caption] : buttons)
            QCOMPARE(AnyText(kst_.get(), name), QString::fromUtf8(caption));
        QVERIFY(!Find<QTableWidget>(kst_.get(), "kstStrGrid")->isEnabled());
    }

    void explanationsHaveTheirLines()
    {
        const QTextDocument* text = Find<QTextEdit>(theo_.get(), "TheoREdit")->document();
        QCOMPARE(text->blockCount(), 35);
        const std::pair<int, const char*> lines[] = {
            {2, "  Nachweis und Bemessung von Kreisprofilrohren"},
            {4, "  Bei Verwendung des Pauschalkonzeptes ( mit betrieblicher Rauheit kb ) ist folgendes zu beachten :"},
            {8,
             "  Der Bemessungsabfluß soll das Abflußvermögen des Kanals nur zu 90 % ausschöpfen "
             "( Q,Bem =  Q,vorh / 0,9 )."},
            {18, "       wenn entweder "},
            {21, "       - die Auslastung des abgehenden Kanals nur 85% des Abflußvermögens beträgt"},
            {29,
             "  von h/d = 0,827 ), da bei h/d > 0,827 z.B. durch Zuschlagen der Kanäle infolge mangelnder "
             "Belüftung oder"},
            {34, "  Näheres dazu kann im Arbeitsblatt A110 der ATV nachgelesen werden."},
        };
        for (const auto& [line, expected] : lines)
            QCOMPARE(text->findBlockByNumber(line - 1).text(), QString::fromUtf8(expected));
        QCOMPARE(text->findBlockByNumber(8).text(), text->findBlockByNumber(14).text());
        QStringList blankLines;
        for (int line = 1; line <= 35; ++line)
            if (text->findBlockByNumber(line - 1).text() == "  ")
                blankLines << QString::number(line);
        QCOMPARE(blankLines.join(','), "1,3,5,7,10,12,16,19,22,24,25,27,31,33,35");
    }

    void onlyTheHeadingIsBold()
    {
        const QTextDocument* text = Find<QTextEdit>(theo_.get(), "TheoREdit")->document();
        QStringList boldLines;
        for (QTextBlock block = text->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().fontWeight() > QFont::Normal) {
                    boldLines << QString::number(block.blockNumber() + 1);
                    QCOMPARE(it.fragment().text(), block.text());
                }
        QCOMPARE(boldLines.join(','), "2");
    }

    void explanationsTakeFocusAndStayUnchanged()
    {
        auto* view = Find<QTextEdit>(theo_.get(), "TheoREdit");
        const QString before = view->toPlainText();
        QVERIFY(Activate(theo_.get()));
        QCOMPARE(FocusName(), "TheoREdit");
        QTest::keyClicks(view, "abc");
        QTest::keyClick(view, Qt::Key_Delete);
        QVERIFY(view->isReadOnly());
        QVERIFY(view->textInteractionFlags() & Qt::TextSelectableByMouse);

        Find<QPushButton>(theo_.get(), "TheoBtn")->setFocus();
        QVERIFY(Reactivate(theo_.get()));
        QCOMPARE(FocusName(), "TheoREdit");
        Click(theo_.get(), "TheoBtn");
        QVERIFY(!theo_->isVisible());
        QVERIFY(Activate(theo_.get()));
        QCOMPARE(view->toPlainText(), before);
        QCOMPARE(view->document()->blockCount(), 35);
    }

private:
    TTestSettings settings_;
    std::unique_ptr<TkbForm> kb_;
    std::unique_ptr<TkstForm> kst_;
    std::unique_ptr<TTheoForm> theo_;
};

QTEST_MAIN(ReferenceTablesTest)
#include "reference_tables_test.moc"
