// The editing commands of the reach list window: selection, clipboard, rows.
#include "ReachListWindow.h"

#include "ReachCommands.h"
#include "ReachFilterModel.h"
#include "SpreadsheetText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStatusBar>
#include <QTableView>

#include <algorithm>
#include <map>

namespace fluvara {

std::vector<int> TReachListWindow::SelectedRows() const
{
    const TReachKind kind = CurrentKind();
    std::vector<int> rows;
    for (const QModelIndex& index : View(kind)->selectionModel()->selectedIndexes())
        rows.push_back(Filter(kind).mapToSource(index).row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int TReachListWindow::CurrentRow() const
{
    const TReachKind kind = CurrentKind();
    const QModelIndex current = Filter(kind).mapToSource(View(kind)->currentIndex());
    return current.isValid() ? current.row() : -1;
}

void TReachListWindow::SelectRows(int first, int count)
{
    const TReachKind kind = CurrentKind();
    QTableView* view = View(kind);
    const TReachTableModel& model = Model(kind);
    if (count <= 0 || first < 0 || first >= model.rowCount())
        return;
    QItemSelection selection;
    for (int row = first; row < first + count && row < model.rowCount(); ++row) {
        const QModelIndex shown = Filter(kind).mapFromSource(model.index(row, 0));
        if (shown.isValid())
            selection.select(shown, shown.siblingAtColumn(model.columnCount() - 1));
    }
    const QModelIndex current = Filter(kind).mapFromSource(model.index(first, 0));
    if (current.isValid())
        view->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (current.isValid())
        view->scrollTo(current);
}

void TReachListWindow::CopyCells()
{
    const TReachKind kind = CurrentKind();
    const QModelIndexList selected = View(kind)->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    // The rectangle around the selection, in the order the view shows.
    int top = selected.front().row(), bottom = top, left = selected.front().column(), right = left;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    const TReachTableModel& model = Model(kind);
    TCellBlock block(static_cast<std::size_t>(bottom - top + 1),
                     std::vector<std::string>(static_cast<std::size_t>(right - left + 1)));
    for (const QModelIndex& index : selected) {
        const QModelIndex source = Filter(kind).mapToSource(index);
        std::string text = model.CellText(source.row(), source.column());
        // Results carry decimal points; the spreadsheets read decimal commas.
        if (!model.IsInputColumn(source.column()) && source.column() != model.StatusColumn() &&
            !IsWordResult(kind, source.column() - model.InputColumnCount()))
            text = WithDecimalComma(std::move(text));
        block[static_cast<std::size_t>(index.row() - top)][static_cast<std::size_t>(index.column() - left)] =
            std::move(text);
    }
    QApplication::clipboard()->setText(QString::fromStdString(SpreadsheetText(block)));
}

void TReachListWindow::PasteCells()
{
    const TReachKind kind = CurrentKind();
    TReachTableModel& model = Model(kind);
    QTableView* view = View(kind);
    TCellBlock block = ParseSpreadsheetText(QApplication::clipboard()->text().toStdString());
    if (block.empty())
        return;
    // The top-left cell of the selection, or the start of a new row.
    int topShown = Filter(kind).rowCount();
    int left = 0;
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        topShown = selected.front().row();
        left = selected.front().column();
        int bottom = topShown, right = left;
        for (const QModelIndex& index : selected) {
            topShown = std::min(topShown, index.row());
            left = std::min(left, index.column());
            bottom = std::max(bottom, index.row());
            right = std::max(right, index.column());
        }
        // A whole rectangle selected gets the block repeated over it.
        const auto rows = static_cast<std::size_t>(bottom - topShown + 1);
        const auto columns = static_cast<std::size_t>(right - left + 1);
        if (static_cast<std::size_t>(selected.size()) == rows * columns)
            block = RepeatedOver(block, rows, columns);
    } else if (view->currentIndex().isValid()) {
        topShown = view->currentIndex().row();
        left = view->currentIndex().column();
    }
    if (!model.IsInputColumn(left)) {
        statusBar()->showMessage("Ergebnisse werden berechnet; eingefügt wird nur in Eingabespalten.");
        return;
    }
    std::vector<TCellChange> changes;
    std::vector<TRowTexts> newRows;
    for (std::size_t r = 0; r < block.size(); ++r) {
        const int shown = topShown + static_cast<int>(r);
        const bool existing = shown < Filter(kind).rowCount();
        const int row = existing ? Filter(kind).mapToSource(Filter(kind).index(shown, 0)).row() : -1;
        TRowTexts texts = existing ? model.RowTexts(row) : model.BlankRow();
        for (std::size_t c = 0; c < block[r].size(); ++c) {
            const int column = left + static_cast<int>(c);
            if (!model.IsInputColumn(column))
                break;
            if (existing && texts[static_cast<std::size_t>(column)] != block[r][c])
                changes.push_back({row, column, texts[static_cast<std::size_t>(column)], block[r][c]});
            texts[static_cast<std::size_t>(column)] = block[r][c];
        }
        if (!existing)
            newRows.push_back(std::move(texts));
    }
    if (changes.empty() && newRows.empty())
        return;
    auto* paste = new QUndoCommand("Einfügen");
    if (!changes.empty())
        new TEditCellsCommand(model, std::move(changes), "Einfügen", paste);
    if (!newRows.empty())
        new TInsertRowsCommand(model, model.rowCount(), std::move(newRows), "Einfügen", paste);
    undo_.push(paste);
}

void TReachListWindow::ClearCells()
{
    const TReachKind kind = CurrentKind();
    TReachTableModel& model = Model(kind);
    std::vector<TCellChange> changes;
    for (const QModelIndex& index : View(kind)->selectionModel()->selectedIndexes()) {
        const QModelIndex source = Filter(kind).mapToSource(index);
        if (!model.IsInputColumn(source.column()))
            continue;
        std::string before = model.CellText(source.row(), source.column());
        if (!before.empty())
            changes.push_back({source.row(), source.column(), std::move(before), std::string()});
    }
    if (!changes.empty())
        undo_.push(new TEditCellsCommand(model, std::move(changes), "Zellen leeren"));
}

void TReachListWindow::AppendRow()
{
    TReachTableModel& model = Model(CurrentKind());
    const int row = model.rowCount();
    undo_.push(new TInsertRowsCommand(model, row, {model.BlankRow()}, "Zeile anfügen"));
    SelectRows(row, 1);
    QTableView* view = View(CurrentKind());
    view->setFocus();
    const QModelIndex shown = Filter(CurrentKind()).mapFromSource(model.index(row, 0));
    if (shown.isValid())
        view->setCurrentIndex(shown);
}

void TReachListWindow::InsertRow()
{
    TReachTableModel& model = Model(CurrentKind());
    const int current = CurrentRow();
    const int row = current >= 0 ? current : model.rowCount();
    undo_.push(new TInsertRowsCommand(model, row, {model.BlankRow()}, "Zeile einfügen"));
    SelectRows(row, 1);
}

void TReachListWindow::DeleteRows()
{
    std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return;
    const int first = rows.front();
    undo_.push(new TRemoveRowsCommand(Model(CurrentKind()), std::move(rows)));
    const int count = Model(CurrentKind()).rowCount();
    if (count > 0)
        SelectRows(std::min(first, count - 1), 1);
}

void TReachListWindow::DuplicateRows()
{
    const std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return;
    TReachTableModel& model = Model(CurrentKind());
    std::vector<TRowTexts> copies;
    for (int row : rows)
        copies.push_back(model.RowTexts(row));
    const int after = rows.back() + 1;
    undo_.push(new TInsertRowsCommand(model, after, std::move(copies),
                                      rows.size() == 1 ? "Zeile duplizieren" : "Zeilen duplizieren"));
    SelectRows(after, static_cast<int>(rows.size()));
}

void TReachListWindow::MoveRows(int delta)
{
    const std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return;
    if (rows.back() - rows.front() + 1 != static_cast<int>(rows.size())) {
        statusBar()->showMessage("Verschoben werden nur zusammenhängende Zeilen.");
        return;
    }
    TReachTableModel& model = Model(CurrentKind());
    const int first = rows.front();
    const int count = static_cast<int>(rows.size());
    if (first + delta < 0 || first + count + delta > model.rowCount())
        return;
    undo_.push(new TMoveRowsCommand(model, first, count, delta));
    SelectRows(first + delta, count);
}

void TReachListWindow::SetProblemsOnly(bool only)
{
    circleFilter_->SetProblemsOnly(only);
    channelFilter_->SetProblemsOnly(only);
    UpdateActions();
}

void TReachListWindow::Unsort()
{
    for (TReachKind kind : {TReachKind::Circle, TReachKind::Channel}) {
        View(kind)->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        Filter(kind).sort(-1);
    }
    UpdateActions();
}

void TReachListWindow::ToPage()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    const TReachTableModel& model = Model(CurrentKind());
    TPageReach reach{model.Kind(), model.List().Fields(static_cast<std::size_t>(row))};
    // A designed reach goes to the verification page with its nominal size.
    const TReachOutcome& outcome = model.Outcome(row);
    if (reach.kind == TReachKind::Circle && TrimBlanks(reach.fields[CircleD]).empty() &&
        CircleDN < static_cast<int>(outcome.results.size()))
        reach.fields[CircleD] = outcome.results[CircleDN];
    emit ReachToPage(reach);
}

void TReachListWindow::FromPage()
{
    if (!pageInputs_)
        return;
    const std::optional<TPageReach> reach = pageInputs_();
    if (!reach) {
        statusBar()->showMessage("Die Seite im Vordergrund hat keine Eingaben für eine Liste.");
        return;
    }
    AddReach(*reach);
}

void TReachListWindow::AddReach(const TPageReach& reach)
{
    TReachTableModel& model = Model(reach.kind);
    TRowTexts row = model.BlankRow();
    for (std::size_t field = 0; field < reach.fields.size(); ++field) {
        const int column = model.FieldColumn(static_cast<int>(field));
        if (column >= 0)
            row[static_cast<std::size_t>(column)] = reach.fields[field];
    }
    const int at = model.rowCount();
    undo_.push(new TInsertRowsCommand(model, at, {std::move(row)}, "Von Seite übernehmen"));
    ShowList(reach.kind);
    SelectRows(at, 1);
}

}  // namespace fluvara
