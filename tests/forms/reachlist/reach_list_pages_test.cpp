// The reach list window in the running program: its menu entry, reaches into
// the pages and the page in front into the list, closing the program.
#include "outputdriver.h"
#include "reachlisttest.h"
#include "windowtest.h"

#include "HeaderLineSetting.h"
#include "Main.h"
#include "RatingCurveChart.h"
#include "VerificationPage.h"
#include "Startup.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QTest>

using namespace fluvara;
using namespace fluvara::test;

namespace {

QTabWidget* Pages(TRunningProgram& program) { return Find<QTabWidget>(&program.Main(), "PageControl1"); }

TReachListWindow& OpenList(TRunningProgram& program)
{
    auto* item = program.Main().findChild<QAction*>("ReachListItem");
    if (!item)
        qFatal("no list entry");
    item->trigger();
    return program.Main().ReachList();
}

void SelectFirstRow(TReachListWindow& list, TReachKind kind)
{
    list.ShowList(kind);
    Table(list, kind)->setFocus();
    Table(list, kind)->selectRow(0);
}

// One channel row in the list's own columns.
void FillChannels(TReachListWindow& list, std::vector<std::string> row)
{
    list.Model(TReachKind::Channel)
        .ReplaceList(MakeList(
            {"Gerinne", "Q", "Is", "kst Sohle", "kst links", "kst rechts", "b", "hp", "Ufer links", "Ufer rechts"},
            {std::move(row)}));
}

}  // namespace

class ReachListPagesTest : public QObject {
    Q_OBJECT
private slots:
    void extrasMenuOpensTheListBesideTheMenu()
    {
        TRunningProgram program;
        QMenuBar* bar = program.Main().menuBar();
        QStringList titles;
        for (QAction* action : bar->actions())
            titles << action->text();
        QCOMPARE(titles, QStringList({"&Menü", "&Extras"}));
        QCOMPARE(bar->actions().front()->menu()->actions().size(), 2);
        auto* item = program.Main().findChild<QAction*>("ReachListItem");
        QVERIFY(item);
        QCOMPARE(item->text(), QString("&Haltungsliste…"));
        TReachListWindow& list = OpenList(program);
        QVERIFY(list.isVisible());
        QVERIFY(!list.isModal());
        QVERIFY(program.Main().isEnabled());
        list.close();
    }

    void menusAndToolBarHoldEveryCommandInItsPlace()
    {
        TRunningProgram program;
        TReachListWindow& list = OpenList(program);
        const auto names = [](const QList<QAction*>& actions) {
            QStringList names;
            for (const QAction* action : actions)
                names << (action->isSeparator() ? QString("-") : action->menu() ? action->menu()->objectName()
                                                                                 : action->objectName());
            return names.join(' ');
        };
        QStringList menus;
        for (const QAction* menu : list.menuBar()->actions())
            menus << menu->text() + ": " + names(menu->menu()->actions());
        QCOMPARE(menus,
                 (QStringList{
                     "&Datei: NewAction OpenAction RecentMenu SaveAction SaveAsAction - ImportCsvAction "
                     "ExportCsvAction ExportXlsxAction - PrintAction PdfAction - CloseAction",
                     "&Bearbeiten: UndoAction RedoAction - CopyAction PasteAction ClearCellsAction - "
                     "AppendRowAction InsertRowAction DeleteRowsAction DuplicateRowsAction MoveUpAction "
                     "MoveDownAction",
                     "&Ansicht: ProblemsOnlyAction UnsortAction - DecimalPointAction",
                     "&Seiten: ToPageAction FromPageAction",
                 }));
        QCOMPARE(names(Find<QToolBar>(&list, "ListToolBar")->actions()),
                 QString("AppendRowAction InsertRowAction DeleteRowsAction DuplicateRowsAction MoveUpAction "
                         "MoveDownAction - ProblemsOnlyAction - ToPageAction FromPageAction"));
        list.close();
    }

    void theListPrintsUnderTheHeaderLineWhicheverIsMadeFirst()
    {
        // The main window gets the header line when it is made: the list,
        // made later, takes it and follows every change.
        THeaderLine line(QString::fromUtf8("Ingenieurbüro Muster"));
        TPrintService printing;
        TResultOutput output(line, printing);
        TMainForm main(TMainWindowParts{line, output, printing});
        TReachListWindow& list = main.ReachList();
        QCOMPARE(list.HeaderLine(), QString::fromUtf8("Ingenieurbüro Muster"));
        emit line.Changed("Stadtentwässerung");
        QCOMPARE(list.HeaderLine(), QString("Stadtentwässerung"));
    }

    void aCircularReachGoesIntoTheVerificationPage()
    {
        TRunningProgram program;
        QWidget* page = Find<QWidget>(&program.Main(), "TabSheet1");
        TypeInto(page, "DNEdit", "300");
        TypeInto(page, "kbEdit", "1,5");
        TypeInto(page, "IeEdit", "5");
        Click(page, "OKBtn1");
        QVERIFY(!Text(page, "QvLabel").isEmpty());
        Pages(program)->setCurrentIndex(2);

        TReachListWindow& list = OpenList(program);
        list.Model(TReachKind::Circle)
            .ReplaceList(
                MakeList({"Haltung", "d", "kb", "Is", "Q", "95%"}, {{"H7", "400", "0,75", "3,5", "80", "ja"}}));
        SelectFirstRow(list, TReachKind::Circle);
        Trigger(list, "ToPageAction");
        QCOMPARE(Pages(program)->currentWidget(), page);
        QCOMPARE(Text(page, "DNEdit"), QString("400"));
        QCOMPARE(Text(page, "kbEdit"), QString("0,75"));
        QCOMPARE(Text(page, "IeEdit"), QString("3,5"));
        QCOMPARE(Text(page, "QtEdit"), QString("80"));
        QVERIFY(Find<QCheckBox>(page, "CBox95")->isChecked());
        QCOMPARE(Text(page, "QvLabel"), QString());
        QCOMPARE(Text(page, "DNLabel"), QString());
        list.UndoStack().setClean();
        list.close();
    }

    void aDesignedReachGoesWithItsNominalSize()
    {
        TRunningProgram program;
        TReachListWindow& list = OpenList(program);
        list.Model(TReachKind::Circle)
            .ReplaceList(MakeList({"Haltung", "d", "kb", "Is", "Q", "h/d zul"}, {{"B1", "", "1,5", "5", "40", "80"}}));
        const QString dn = Cell(Table(list, TReachKind::Circle), 0, 6 + CircleDN);
        QVERIFY(!dn.isEmpty());
        SelectFirstRow(list, TReachKind::Circle);
        Trigger(list, "ToPageAction");
        QCOMPARE(Text(Find<QWidget>(&program.Main(), "TabSheet1"), "DNEdit"), dn);
        list.close();
    }

    void aChannelReachGoesIntoTheChannelPage()
    {
        TRunningProgram program;
        TReachListWindow& list = OpenList(program);
        FillChannels(list, {"G1", "500", "2", "30", "25", "35", "100", "120", "45°", "1:1,5"});
        SelectFirstRow(list, TReachKind::Channel);
        Trigger(list, "ToPageAction");
        QWidget* page = Find<QWidget>(&program.Main(), "TabSheet2");
        QCOMPARE(Pages(program)->currentWidget(), page);
        const char* const expected[][2] = {{"GQEdit", "500"},   {"GIeEdit", "2"},     {"GkstSEdit", "30"},
                                           {"GkstUEdit", "25"}, {"GkstU2Edit", "35"}, {"GbEdit", "100"},
                                           {"GhEdit", "120"},   {"GaEdit", "45"},     {"GBS2Edit", "1,5"},
                                           {"GBSEdit", ""},     {"GbetaEdit", ""}};
        for (const auto& [name, text] : expected)
            QCOMPARE(Text(page, name), QString(text));
        QVERIFY(Find<QRadioButton>(page, "RadioBtnGa")->isChecked());
        QVERIFY(Find<QRadioButton>(page, "RadioBtnGBS2")->isChecked());
        // the page calculates what the list calculated
        Click(page, "GFtBtn");
        QVERIFY(!Text(page, "GvLabel").trimmed().isEmpty());
        list.close();
    }

    void aReachTakesThePagesLastRunAwayEverywhere()
    {
        TRunningProgram program;
        FullFlow(program);
        QWidget* verification = VerificationPage(program);
        QVERIFY(Find<QWidget>(verification, "NDruSBtn")->isEnabled());
        CalculateChannel(program);
        QWidget* channel = ChannelPage(program);
        Find<QAction>(&program.Main(), "RatingCurveItem")->trigger();
        auto* curve = Find<TRatingCurveForm>(&program.Main(), "RatingCurveForm");
        QVERIFY(!Find<QChartView>(curve, "ChartView")->chart()->title().contains("kein Gerinne"));

        TReachListWindow& list = OpenList(program);
        list.Model(TReachKind::Circle)
            .ReplaceList(MakeList({"Haltung", "d", "kb", "Is", "Q"}, {{"H1", "400", "1,5", "3", "80"}}));
        FillChannels(list, {"G1", "900", "1", "30", "30", "30", "200", "100", "45", "45"});
        SelectFirstRow(list, TReachKind::Circle);
        Trigger(list, "ToPageAction");
        for (const char* button : {"NDruSBtn", "NClipBtn"})
            QVERIFY2(!Find<QWidget>(verification, button)->isEnabled(), button);
        QVERIFY(!program.VerificationPage().Report());

        SelectFirstRow(list, TReachKind::Channel);
        Trigger(list, "ToPageAction");
        QCOMPARE(Text(channel, "GQEdit"), QString("900"));
        QCOMPARE(Find<QChartView>(curve, "ChartView")->chart()->title(),
                 QString::fromUtf8("Abflusskurve: kein Gerinne berechnet"));
        QString shown;
        WhenModal<QMessageBox>([&shown](QMessageBox* box) {
            shown = box->text();
            box->accept();
        });
        Find<QAction>(&program.Main(), "RatingCurveItem")->trigger();
        QCOMPARE(shown, QString::fromUtf8("Abflusskurve: bitte zuerst das Gerinne berechnen."));
        list.UndoStack().setClean();
        list.close();
    }

    void thePageInFrontBecomesANewRow()
    {
        TRunningProgram program;
        QWidget* verification = Find<QWidget>(&program.Main(), "TabSheet1");
        TypeInto(verification, "DNEdit", "250");
        TypeInto(verification, "kbEdit", "0,4");
        TypeInto(verification, "IeEdit", "12");
        TypeInto(verification, "QtEdit", "30");
        TReachListWindow& list = OpenList(program);
        Trigger(list, "FromPageAction");
        QTableView* circles = Table(list, TReachKind::Circle);
        QCOMPARE(circles->model()->rowCount(), 1);
        QCOMPARE(Cell(circles, 0, 1) + "|" + Cell(circles, 0, 2) + "|" + Cell(circles, 0, 3) + "|" +
                     Cell(circles, 0, 4),
                 QString("250|0,4|12|30"));
        QCOMPARE(Cell(circles, 0, circles->model()->columnCount() - 1), QString("berechnet"));

        Pages(program)->setCurrentIndex(2);
        QWidget* channel = Find<QWidget>(&program.Main(), "TabSheet2");
        const char* const inputs[][2] = {{"GQEdit", "500"},   {"GIeEdit", "2"},     {"GkstSEdit", "30"},
                                         {"GkstUEdit", "30"}, {"GkstU2Edit", "30"}, {"GbEdit", "100"},
                                         {"GhEdit", "100"},   {"GaEdit", "45"},     {"GbetaEdit", "60"}};
        for (const auto& input : inputs)
            TypeInto(channel, input[0], input[1]);
        Trigger(list, "FromPageAction");
        QCOMPARE(list.CurrentKind(), TReachKind::Channel);
        QTableView* channels = Table(list, TReachKind::Channel);
        QCOMPARE(channels->model()->rowCount(), 1);
        QCOMPARE(Cell(channels, 0, 8) + "|" + Cell(channels, 0, 9), QString("45|60"));
        QCOMPARE(Cell(channels, 0, channels->model()->columnCount() - 1), QString("berechnet"));
        list.UndoStack().setClean();
        list.close();
    }

    void aReachBackFromItsPageUpdatesItsRowAfterOneQuestion()
    {
        TRunningProgram program;
        TReachListWindow& list = OpenList(program);
        list.Model(TReachKind::Circle)
            .ReplaceList(MakeList({"Haltung", "d", "kb", "Is", "Q", "h/d zul"},
                                  {{"H1", "300", "1,5", "5", "40", ""}, {"H2", "400", "1,5", "3", "80", "70"}}));
        QTableView* circles = Table(list, TReachKind::Circle);
        circles->setCurrentIndex(circles->model()->index(1, 0));
        Trigger(list, "ToPageAction");
        QWidget* verification = Find<QWidget>(&program.Main(), "TabSheet1");
        TypeInto(verification, "DNEdit", "500");
        TMessageBoxAnswers answers({{"FromPageQuestion", QMessageBox::AcceptRole}});
        // the rows move meanwhile: the reach is still found
        circles->sortByColumn(0, Qt::DescendingOrder);
        Trigger(list, "FromPageAction");
        QCOMPARE(answers.Names(), QStringList{"FromPageQuestion"});
        QVERIFY(answers.Texts().front().contains("Zeile 2 („H2“)"));
        QCOMPARE(list.Model(TReachKind::Circle).rowCount(), 2);
        const auto& row = list.Model(TReachKind::Circle).RowTexts(1);
        QCOMPARE(QString::fromStdString(row[0] + "|" + row[1] + "|" + row[5]), QString("H2|500|70"));
        // asked once: the next time the row is updated straight away
        TypeInto(verification, "DNEdit", "600");
        Trigger(list, "FromPageAction");
        QCOMPARE(answers.Names().size(), 1);
        QCOMPARE(list.Model(TReachKind::Circle).RowTexts(1)[1], std::string("600"));
        list.UndoStack().undo();
        QCOMPARE(list.Model(TReachKind::Circle).RowTexts(1)[1], std::string("500"));
        list.UndoStack().setClean();
        list.close();
    }

    void closingTheProgramAsksForTheUnsavedList()
    {
        TRunningProgram program;
        TReachListWindow& list = OpenList(program);
        Trigger(list, "AppendRowAction");
        QVERIFY(list.isWindowModified());
        QString box;
        AnswerMessageBox(QMessageBox::Cancel, &box);
        QVERIFY(!program.Main().close());
        QCOMPARE(box, QString("SaveQuestion"));
        QVERIFY(program.Main().isVisible() && list.isVisible());
        AnswerMessageBox(QMessageBox::Discard, &box);
        QVERIFY(program.Main().close());
        QVERIFY(!list.isVisible());
    }
};

QTEST_MAIN(ReachListPagesTest)
#include "reach_list_pages_test.moc"
