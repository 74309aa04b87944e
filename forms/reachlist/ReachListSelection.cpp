// The reach list window's editing commands: the selection of the list in
// front handed to the editor, and the rows it answers with selected.
#include "ReachListWindow.h"

#include "ReachFilterModel.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>

namespace fluvara {

QModelIndexList TReachListWindow::SelectedCells() const
{
    return View(CurrentKind())->selectionModel()->selectedIndexes();
}

std::vector<int> TReachListWindow::SelectedRows() const { return editor_->ModelRows(CurrentKind(), SelectedCells()); }

int TReachListWindow::CurrentRow() const
{
    const TReachKind kind = CurrentKind();
    return editor_->ModelRow(kind, View(kind)->currentIndex());
}

void TReachListWindow::SelectRows(TRowRange rows)
{
    const TReachKind kind = CurrentKind();
    QTableView* view = View(kind);
    const TReachTableModel& model = Model(kind);
    const int first = rows.first;
    if (rows.count <= 0 || first < 0 || first >= model.rowCount())
        return;
    QItemSelection selection;
    for (int row = first; row < first + rows.count && row < model.rowCount(); ++row) {
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
    const QString text = editor_->CopyText(CurrentKind(), SelectedCells());
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void TReachListWindow::PasteCells()
{
    const TReachKind kind = CurrentKind();
    editor_->Paste(kind, SelectedCells(), View(kind)->currentIndex(), QApplication::clipboard()->text());
}

void TReachListWindow::ClearCells() { editor_->ClearCells(CurrentKind(), SelectedCells()); }

void TReachListWindow::AppendRow()
{
    const TReachKind kind = CurrentKind();
    const TRowRange rows = editor_->AppendRow(kind);
    SelectRows(rows);
    QTableView* view = View(kind);
    view->setFocus();
    const QModelIndex shown = Filter(kind).mapFromSource(Model(kind).index(rows.first, 0));
    if (shown.isValid())
        view->setCurrentIndex(shown);
}

void TReachListWindow::InsertRow() { SelectRows(editor_->InsertRow(CurrentKind(), CurrentRow())); }

void TReachListWindow::DeleteRows() { SelectRows(editor_->DeleteRows(CurrentKind(), SelectedRows())); }

void TReachListWindow::DuplicateRows() { SelectRows(editor_->DuplicateRows(CurrentKind(), SelectedRows())); }

void TReachListWindow::MoveRows(int delta) { SelectRows(editor_->MoveRows(CurrentKind(), SelectedRows(), delta)); }

void TReachListWindow::SetProblemsOnly(bool only)
{
    editor_->SetProblemsOnly(only);
    UpdateActions();
}

void TReachListWindow::Unsort()
{
    for (TReachKind kind : {TReachKind::Circle, TReachKind::Channel})
        View(kind)->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    editor_->Unsort();
    UpdateActions();
}

void TReachListWindow::ToPage()
{
    const TReachKind kind = CurrentKind();
    const int row = CurrentRow();
    if (const std::optional<TPageReach> reach = editor_->PageReach(kind, row)) {
        // The page's inputs come back to this row, however the rows move meanwhile.
        pageOrigin_ = TPageOrigin{kind, QPersistentModelIndex(Model(kind).index(row, 0)), false};
        emit ReachToPage(*reach);
    }
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
    if (!pageOrigin_ || pageOrigin_->kind != reach->kind || !pageOrigin_->row.isValid()) {
        pageOrigin_.reset();
        AddReach(*reach);
        return;
    }
    const int row = pageOrigin_->row.row();
    if (!pageOrigin_->confirmed) {
        // Asked once for the reach sent to the page; the answer holds until another is sent.
        const std::string name =
            Model(reach->kind).CellText(row, std::max(0, Model(reach->kind).FieldColumn(NameField(reach->kind))));
        QMessageBox box(QMessageBox::Question, "Haltungsliste",
                        QString("Die Seite rechnet mit der Zeile %1%2 der Liste.\nSoll diese Zeile die Eingaben der "
                                "Seite übernehmen?")
                            .arg(row + 1)
                            .arg(name.empty() ? QString() : QString(" („%1“)").arg(QString::fromStdString(name))),
                        QMessageBox::NoButton, this);
        box.setObjectName("FromPageQuestion");
        QPushButton* update = box.addButton("Zeile &aktualisieren", QMessageBox::AcceptRole);
        QPushButton* append = box.addButton("Als &neue Zeile anfügen", QMessageBox::ActionRole);
        QPushButton* cancel = box.addButton("&Abbrechen", QMessageBox::RejectRole);
        box.setDefaultButton(update);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == append) {
            pageOrigin_.reset();
            AddReach(*reach);
            return;
        }
        if (box.clickedButton() != update)
            return;
        pageOrigin_->confirmed = true;
    }
    ShowList(reach->kind);
    SelectRows(editor_->UpdateReach(*reach, row));
}

void TReachListWindow::AddReach(const TPageReach& reach)
{
    const TRowRange rows = editor_->AddReach(reach);
    ShowList(reach.kind);
    SelectRows(rows);
}

}  // namespace fluvara
