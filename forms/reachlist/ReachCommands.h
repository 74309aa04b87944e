#pragma once
// Every edit of a list as an undoable command: changed cells, inserted,
// removed and moved rows, a whole list replaced by an import.

#include "ReachTableModel.h"

#include <QUndoCommand>

#include <vector>

namespace fluvara {

class TEditCellsCommand : public QUndoCommand {
public:
    TEditCellsCommand(TReachTableModel& model, std::vector<TCellChange> changes, const QString& text,
                      QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    TReachTableModel& model_;
    std::vector<TCellChange> changes_;
};

class TInsertRowsCommand : public QUndoCommand {
public:
    TInsertRowsCommand(TReachTableModel& model, int row, std::vector<TRowTexts> rows, const QString& text,
                       QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    TReachTableModel& model_;
    int row_;
    std::vector<TRowTexts> rows_;
};

// Removes the given rows (any order, any gaps); undo puts them back in their places.
class TRemoveRowsCommand : public QUndoCommand {
public:
    TRemoveRowsCommand(TReachTableModel& model, std::vector<int> rows, QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    TReachTableModel& model_;
    std::vector<int> rows_;  // ascending
    std::vector<TRowTexts> texts_;
};

class TMoveRowsCommand : public QUndoCommand {
public:
    TMoveRowsCommand(TReachTableModel& model, int first, int count, int delta, QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    TReachTableModel& model_;
    int first_;
    int count_;
    int delta_;
};

// The list and its outcomes are exchanged, not calculated again: undo and
// redo of a long list take no time.
class TReplaceListCommand : public QUndoCommand {
public:
    TReplaceListCommand(TReachTableModel& model, TReachList list, std::vector<TReachOutcome> outcomes,
                        const QString& text, QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    TReachTableModel& model_;
    TReachList other_;  // the list not shown at present, with its outcomes
    std::vector<TReachOutcome> otherOutcomes_;
};

}  // namespace fluvara
