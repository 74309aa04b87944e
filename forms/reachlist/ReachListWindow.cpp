#include "ReachListWindow.h"

#include "ReachFilterModel.h"
#include "ReachTableView.h"

#include "usersettings.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>

namespace fluvara {

namespace {

const char* const GeometryKey = "Haltungsliste/Fenster";
const char* const DecimalPointKey = "Haltungsliste/Dezimalpunkt";

}  // namespace

TReachListWindow::TReachListWindow(TPrintService& printing, QWidget* parent)
    : QMainWindow(parent),
      document_(new TReachListDocument(this)),
      editor_(new TReachListEditor(*document_, this)),
      printing_(printing)
{
    setObjectName("ReachListWindow");
    setAttribute(Qt::WA_DeleteOnClose, false);
    document_->SetProgress(&progress_);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("ListTabs");
    circleView_ = new TReachTableView("CircleTable", "Kreisprofile", &Filter(TReachKind::Circle), tabs_);
    channelView_ = new TReachTableView("ChannelTable", "Gerinne", &Filter(TReachKind::Channel), tabs_);
    tabs_->addTab(circleView_, "&Kreisprofile");
    tabs_->addTab(channelView_, "&Gerinne");
    setCentralWidget(tabs_);

    statusBar()->setObjectName("StatusLine");
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName("RowCountLabel");
    statusBar()->addPermanentWidget(countLabel_);

    CreateActions();
    CreateMenus();
    // Wide enough for the whole tool bar, as far as the screen allows; or as the user left it.
    int width = std::max(1100, findChild<QToolBar*>("ListToolBar")->sizeHint().width() + 24);
    if (const QScreen* shown = screen())
        width = std::min(width, shown->availableGeometry().width());
    resize(width, 620);
    restoreGeometry(ReadSetting(GeometryKey).toByteArray());

    for (TReachKind kind : {TReachKind::Circle, TReachKind::Channel}) {
        QTableView* view = View(kind);
        connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, &TReachListWindow::ShowCellMessage);
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TReachListWindow::UpdateActions);
        connect(view->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, &TReachListWindow::UpdateActions);
        connect(&Model(kind), &TReachTableModel::RowRecalculated, this,
                [this, kind](int row) { RowRecalculated(kind, row); });
        connect(&Model(kind), &TReachTableModel::Touched, this,
                [this, kind](int row, int column) { ShowCell(kind, row, column); });
        for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(&Filter(kind), signal, this, &TReachListWindow::UpdateActions);
        connect(&Filter(kind), &QAbstractItemModel::modelReset, this, &TReachListWindow::UpdateActions);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        UpdateActions();
        ShowCellMessage();
    });
    QUndoStack& undo = UndoStack();
    connect(&undo, &QUndoStack::cleanChanged, this, &TReachListWindow::UpdateTitle);
    connect(&undo, &QUndoStack::indexChanged, this, &TReachListWindow::UpdateActions);
    connect(document_, &TReachListDocument::FileChanged, this, [this] {
        UpdateTitle();
        UpdateActions();
    });
    connect(document_, &TReachListDocument::Imported, this, &TReachListWindow::ShowList);
    connect(document_, &TReachListDocument::Warning, this, &TReachListWindow::Warn);
    connect(document_, &TReachListDocument::Told, this, &TReachListWindow::ShowMessage);
    connect(editor_, &TReachListEditor::Told, this, [this](const QString& text) { ShowMessage(text); });

    UpdateTitle();
    UpdateActions();
}

TReachListWindow::~TReachListWindow()
{
    // The views and filters go before the models they show; the stack's
    // last signals reach no half-destroyed window.
    disconnect(&UndoStack(), nullptr, this, nullptr);
    disconnect(document_, nullptr, this, nullptr);
    document_->SetProgress(nullptr);
    delete tabs_;
    delete editor_;
    delete document_;
}

QTableView* TReachListWindow::View(TReachKind kind) const
{
    return kind == TReachKind::Circle ? circleView_ : channelView_;
}

TReachFilterModel& TReachListWindow::Filter(TReachKind kind) const { return editor_->Filter(kind); }

TReachKind TReachListWindow::CurrentKind() const
{
    return tabs_->currentWidget() == channelView_ ? TReachKind::Channel : TReachKind::Circle;
}

void TReachListWindow::ShowList(TReachKind kind) { tabs_->setCurrentWidget(View(kind)); }

QAction* TReachListWindow::Action(const char* name, const QString& text, const QKeySequence& key)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    addAction(action);
    return action;
}

void TReachListWindow::CreateActions()
{
    TActions& a = actions_;
    a.newFile = Action("NewAction", "&Neu", QKeySequence::New);
    a.open = Action("OpenAction", "Ö&ffnen…", QKeySequence::Open);
    a.save = Action("SaveAction", "&Speichern", QKeySequence::Save);
    a.saveAs = Action("SaveAsAction", "Speichern &unter…", QKeySequence("Ctrl+Shift+S"));
    a.importCsv = Action("ImportCsvAction", "&Importieren (CSV, Excel, Calc)…");
    a.exportCsv = Action("ExportCsvAction", "CSV &exportieren…");
    a.exportXlsx = Action("ExportXlsxAction", "E&xcel-Datei exportieren…");
    a.print = Action("PrintAction", "&Drucken…", QKeySequence::Print);
    a.pdf = Action("PdfAction", "Als &PDF speichern…");
    a.close = Action("CloseAction", "S&chließen", QKeySequence("Ctrl+W"));
    connect(a.newFile, &QAction::triggered, this, &TReachListWindow::NewProject);
    connect(a.open, &QAction::triggered, this, &TReachListWindow::OpenChosen);
    connect(a.save, &QAction::triggered, this, &TReachListWindow::Save);
    connect(a.saveAs, &QAction::triggered, this, &TReachListWindow::SaveAs);
    connect(a.importCsv, &QAction::triggered, this, &TReachListWindow::ImportChosen);
    connect(a.exportCsv, &QAction::triggered, this, &TReachListWindow::ExportCsvChosen);
    connect(a.exportXlsx, &QAction::triggered, this, &TReachListWindow::ExportXlsxChosen);
    connect(a.print, &QAction::triggered, this, &TReachListWindow::PrintList);
    connect(a.pdf, &QAction::triggered, this, &TReachListWindow::PdfChosen);
    connect(a.close, &QAction::triggered, this, &QWidget::close);

    a.undo = UndoStack().createUndoAction(this, "&Rückgängig");
    a.undo->setObjectName("UndoAction");
    a.undo->setShortcut(QKeySequence("Ctrl+Z"));
    addAction(a.undo);
    a.redo = UndoStack().createRedoAction(this, "&Wiederholen");
    a.redo->setObjectName("RedoAction");
    a.redo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    addAction(a.redo);
    a.copy = Action("CopyAction", "&Kopieren", QKeySequence::Copy);
    a.paste = Action("PasteAction", "&Einfügen", QKeySequence::Paste);
    a.clearCells = Action("ClearCellsAction", "Zellen &leeren", QKeySequence::Delete);
    a.appendRow = Action("AppendRowAction", "Zeile &anfügen", QKeySequence("Ctrl+Shift+N"));
    a.insertRow = Action("InsertRowAction", "Zeile ei&nfügen", QKeySequence("Ctrl++"));
    a.deleteRows = Action("DeleteRowsAction", "Zeilen lö&schen", QKeySequence("Ctrl+-"));
    a.duplicateRows = Action("DuplicateRowsAction", "Zeilen &duplizieren", QKeySequence("Ctrl+D"));
    a.moveUp = Action("MoveUpAction", "Nach &oben", QKeySequence("Alt+Up"));
    a.moveDown = Action("MoveDownAction", "Nach u&nten", QKeySequence("Alt+Down"));
    connect(a.copy, &QAction::triggered, this, &TReachListWindow::CopyCells);
    connect(a.paste, &QAction::triggered, this, &TReachListWindow::PasteCells);
    connect(a.clearCells, &QAction::triggered, this, &TReachListWindow::ClearCells);
    connect(a.appendRow, &QAction::triggered, this, &TReachListWindow::AppendRow);
    connect(a.insertRow, &QAction::triggered, this, &TReachListWindow::InsertRow);
    connect(a.deleteRows, &QAction::triggered, this, &TReachListWindow::DeleteRows);
    connect(a.duplicateRows, &QAction::triggered, this, &TReachListWindow::DuplicateRows);
    connect(a.moveUp, &QAction::triggered, this, [this] { MoveRows(-1); });
    connect(a.moveDown, &QAction::triggered, this, [this] { MoveRows(1); });

    a.decimalPoint = Action("DecimalPointAction", "&Dezimalpunkt statt Dezimalkomma");
    a.decimalPoint->setCheckable(true);
    a.decimalPoint->setChecked(ReadSetting(DecimalPointKey).toBool());
    SetDecimalPoint(a.decimalPoint->isChecked());
    connect(a.decimalPoint, &QAction::toggled, this, [this](bool point) {
        SetDecimalPoint(point);
        WriteSetting(DecimalPointKey, point);
    });
    a.problemsOnly = Action("ProblemsOnlyAction", "Nur a&bgelehnte und überlastete Zeilen", QKeySequence("Ctrl+F"));
    a.problemsOnly->setCheckable(true);
    a.unsort = Action("UnsortAction", "Sortierung &aufheben");
    a.toPage = Action("ToPageAction", "&Zum Nachweis", QKeySequence("Ctrl+Return"));
    a.fromPage = Action("FromPageAction", "&Von Seite übernehmen", QKeySequence("Ctrl+Shift+V"));
    a.fromPage->setEnabled(false);
    connect(a.problemsOnly, &QAction::toggled, this, &TReachListWindow::SetProblemsOnly);
    connect(a.unsort, &QAction::triggered, this, &TReachListWindow::Unsort);
    connect(a.toPage, &QAction::triggered, this, &TReachListWindow::ToPage);
    connect(a.fromPage, &QAction::triggered, this, &TReachListWindow::FromPage);
}

void TReachListWindow::CreateMenus()
{
    const TActions& a = actions_;
    // nullptr stands for a separator
    const auto fill = [](QWidget* where, std::initializer_list<QAction*> actions) {
        for (QAction* action : actions) {
            if (!action) {
                auto* separator = new QAction(where);
                separator->setSeparator(true);
                action = separator;
            }
            where->addAction(action);
        }
    };
    QMenu* file = menuBar()->addMenu("&Datei");
    file->setObjectName("FileMenu");
    fill(file, {a.newFile, a.open});
    recentMenu_ = file->addMenu("&Zuletzt geöffnet");
    recentMenu_->setObjectName("RecentMenu");
    connect(recentMenu_, &QMenu::aboutToShow, this, &TReachListWindow::FillRecentMenu);
    fill(file, {a.save, a.saveAs, nullptr, a.importCsv, a.exportCsv, a.exportXlsx, nullptr, a.print, a.pdf, nullptr,
                a.close});

    fill(menuBar()->addMenu("&Bearbeiten"),
         {a.undo, a.redo, nullptr, a.copy, a.paste, a.clearCells, nullptr, a.appendRow, a.insertRow, a.deleteRows,
          a.duplicateRows, a.moveUp, a.moveDown});
    fill(menuBar()->addMenu("&Ansicht"), {a.problemsOnly, a.unsort, nullptr, a.decimalPoint});
    fill(menuBar()->addMenu("&Seiten"), {a.toPage, a.fromPage});

    QToolBar* bar = addToolBar("Zeilen");
    bar->setObjectName("ListToolBar");
    bar->setMovable(false);
    fill(bar, {a.appendRow, a.insertRow, a.deleteRows, a.duplicateRows, a.moveUp, a.moveDown, nullptr, a.problemsOnly,
               nullptr, a.toPage, a.fromPage});
}

void TReachListWindow::SetPageInputs(TPageInputs inputs)
{
    pageInputs_ = std::move(inputs);
    actions_.fromPage->setEnabled(static_cast<bool>(pageInputs_));
}

void TReachListWindow::UpdateTitle()
{
    setWindowTitle(document_->FileName() + "[*] – Haltungsliste – FLUVARA");
    setWindowModified(IsModified());
}

void TReachListWindow::UpdateActions()
{
    const TReachKind kind = CurrentKind();
    const bool sorted = View(kind)->horizontalHeader()->sortIndicatorSection() >= 0 &&
        View(kind)->horizontalHeader()->sortIndicatorSection() < Model(kind).columnCount();
    const bool rows = !SelectedRows().empty();
    const bool moveable = rows && editor_->CanMove(kind, sorted);
    actions_.deleteRows->setEnabled(rows);
    actions_.duplicateRows->setEnabled(rows);
    actions_.moveUp->setEnabled(moveable);
    actions_.moveDown->setEnabled(moveable);
    actions_.toPage->setEnabled(CurrentRow() >= 0);
    actions_.unsort->setEnabled(sorted);
    const TReachTableModel& model = Model(kind);
    const int shown = Filter(kind).rowCount();
    countLabel_->setText(shown == model.rowCount() ? QString("%1 Zeilen").arg(model.rowCount())
                                                   : QString("%1 von %2 Zeilen").arg(shown).arg(model.rowCount()));
}

void TReachListWindow::ShowCellMessage()
{
    const TReachKind kind = CurrentKind();
    const QModelIndex current = Filter(kind).mapToSource(View(kind)->currentIndex());
    if (!current.isValid()) {
        statusBar()->clearMessage();
        return;
    }
    const TReachTableModel& model = Model(kind);
    QString message = model.CellMessage(current.row(), current.column());
    if (message.isEmpty() && model.State(current.row()) != TRowState::Calculated)
        message = QString::fromStdString(model.Outcome(current.row()).status);
    // The refusal of a row just typed stays when Enter moves on to a cell without a message.
    const bool refusalShown = refusedRow_ && refusedRow_->first == kind && refusedRow_->second < model.rowCount() &&
        model.State(refusedRow_->second) == TRowState::Refused;
    if (message.isEmpty() && refusalShown)
        return;
    refusedRow_.reset();
    if (message.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(QString("Zeile %1: %2").arg(current.row() + 1).arg(message));
}

void TReachListWindow::RowRecalculated(TReachKind kind, int row)
{
    const TReachTableModel& model = Model(kind);
    if (model.State(row) == TRowState::Refused) {
        statusBar()->showMessage(
            QString("Zeile %1: %2").arg(row + 1).arg(QString::fromStdString(model.Outcome(row).status)));
        refusedRow_ = std::pair{kind, row};
    } else if (kind == CurrentKind())
        ShowCellMessage();
}

void TReachListWindow::ShowMessage(const QString& text, int timeout) { statusBar()->showMessage(text, timeout); }

void TReachListWindow::SetDecimalPoint(bool point)
{
    for (TReachKind kind : {TReachKind::Circle, TReachKind::Channel})
        Model(kind).SetDecimalComma(!point);
}

void TReachListWindow::ShowCell(TReachKind kind, int row, int column)
{
    // An undo or redo brings the cell it changes into view.
    const QModelIndex shown = Filter(kind).mapFromSource(Model(kind).index(row, column));
    if (!shown.isValid())
        return;
    if (kind != CurrentKind())
        ShowList(kind);
    // A pasted block stays selected; only a cell outside the selection becomes the current one.
    if (!View(kind)->selectionModel()->isSelected(shown))
        View(kind)->setCurrentIndex(shown);
    View(kind)->scrollTo(shown);
}

void TReachListWindow::closeEvent(QCloseEvent* event)
{
    switch (AskToSave()) {
    case TSaveAnswer::Cancelled:
        event->ignore();
        return;
    case TSaveAnswer::Discarded:
        // Given up: the list opens again as it was last saved or opened.
        document_->Revert();
        break;
    case TSaveAnswer::NothingToSave:
    case TSaveAnswer::Saved:
        break;
    }
    WriteSetting(GeometryKey, saveGeometry());
    event->accept();
}

}  // namespace fluvara
