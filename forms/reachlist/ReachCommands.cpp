#include "ReachCommands.h"

#include <algorithm>

namespace fluvara {

TEditCellsCommand::TEditCellsCommand(TReachTableModel& model, std::vector<TCellChange> changes, const QString& text,
                                     QUndoCommand* parent)
    : QUndoCommand(text, parent), model_(model), changes_(std::move(changes))
{
    // Grouped by row, so that each row is calculated once.
    std::stable_sort(changes_.begin(), changes_.end(),
                     [](const TCellChange& a, const TCellChange& b) { return a.row < b.row; });
}

void TEditCellsCommand::redo() { model_.ApplyCells(changes_, true); }

void TEditCellsCommand::undo() { model_.ApplyCells(changes_, false); }

TInsertRowsCommand::TInsertRowsCommand(TReachTableModel& model, int row, std::vector<TRowTexts> rows,
                                       const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent), model_(model), row_(row), rows_(std::move(rows))
{ }

void TInsertRowsCommand::redo() { model_.InsertRows(row_, rows_); }

void TInsertRowsCommand::undo() { model_.RemoveRows(row_, static_cast<int>(rows_.size())); }

TRemoveRowsCommand::TRemoveRowsCommand(TReachTableModel& model, std::vector<int> rows, QUndoCommand* parent)
    : QUndoCommand(rows.size() == 1 ? QString("Zeile löschen") : QString("Zeilen löschen"), parent),
      model_(model),
      rows_(std::move(rows))
{
    std::sort(rows_.begin(), rows_.end());
    rows_.erase(std::unique(rows_.begin(), rows_.end()), rows_.end());
    for (int row : rows_)
        texts_.push_back(model_.RowTexts(row));
}

void TRemoveRowsCommand::redo()
{
    // From the bottom, in runs of neighbouring rows.
    std::size_t end = rows_.size();
    while (end > 0) {
        std::size_t begin = end - 1;
        while (begin > 0 && rows_[begin - 1] + 1 == rows_[begin])
            --begin;
        model_.RemoveRows(rows_[begin], static_cast<int>(end - begin));
        end = begin;
    }
}

void TRemoveRowsCommand::undo()
{
    std::size_t begin = 0;
    while (begin < rows_.size()) {
        std::size_t end = begin + 1;
        while (end < rows_.size() && rows_[end - 1] + 1 == rows_[end])
            ++end;
        model_.InsertRows(
            rows_[begin],
            {texts_.begin() + static_cast<std::ptrdiff_t>(begin), texts_.begin() + static_cast<std::ptrdiff_t>(end)});
        begin = end;
    }
}

TMoveRowsCommand::TMoveRowsCommand(TReachTableModel& model, int first, int count, int delta, QUndoCommand* parent)
    : QUndoCommand(delta < 0 ? QString("Nach oben") : QString("Nach unten"), parent),
      model_(model),
      first_(first),
      count_(count),
      delta_(delta)
{ }

void TMoveRowsCommand::redo() { model_.MoveRows(first_, count_, delta_); }

void TMoveRowsCommand::undo() { model_.MoveRows(first_ + delta_, count_, -delta_); }

TReplaceListCommand::TReplaceListCommand(TReachTableModel& model, TReachList list, std::vector<TReachOutcome> outcomes,
                                         const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent), model_(model), other_(std::move(list)), otherOutcomes_(std::move(outcomes))
{ }

void TReplaceListCommand::redo() { model_.SwapList(other_, otherOutcomes_); }

void TReplaceListCommand::undo() { redo(); }

}  // namespace fluvara
