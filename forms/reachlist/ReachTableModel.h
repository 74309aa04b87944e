#pragma once
// One list of reaches as a table: the input texts as typed, and for every
// row the outcome of the core's calculation, refreshed whenever a text of the
// row changes. Edits from the view go through the undo stack; the commands
// call the plain operations below.

#include "reach.h"
#include "reachlist.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

class QUndoStack;

namespace fluvara {

using TRowTexts = std::vector<std::string>;

struct TCellChange {
    int row = 0;
    int column = 0;
    std::string before;
    std::string after;
};

enum class TRowState { Blank, Calculated, Overloaded, Refused };

class TReachTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A number for the numeric columns, the text for the others: what the sort compares.
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit TReachTableModel(TReachKind kind, QObject* parent = nullptr);

    // Edits typed into the view become commands on this stack.
    void SetUndoStack(QUndoStack* stack) { undo_ = stack; }
    QUndoStack* UndoStack() const { return undo_; }

    TReachKind Kind() const { return list_.Kind(); }
    const TReachList& List() const { return list_; }
    const TReachOptions& Options() const { return options_; }
    // The options for the rows calculated from now on; ReplaceList calculates them all.
    void SetOptions(const TReachOptions& options) { options_ = options; }
    TRowState State(int row) const;
    const TReachOutcome& Outcome(int row) const { return outcomes_.at(static_cast<std::size_t>(row)); }
    // One per row; a blank row has empty results and no status.
    const std::vector<TReachOutcome>& Outcomes() const { return outcomes_; }
    // The input field's column, -1 when the list has no such column.
    int FieldColumn(int field) const;
    int InputColumnCount() const { return static_cast<int>(list_.layout.columns.size()); }
    bool IsInputColumn(int column) const { return column >= 0 && column < InputColumnCount(); }
    int StatusColumn() const { return columnCount() - 1; }
    // The message that belongs to a cell ("" when it has none).
    QString CellMessage(int row, int column) const;
    // The text as stored: an input as typed, a result with its decimal point.
    std::string CellText(int row, int column) const;
    // The text as the window shows, copies and prints it: numbers with the
    // decimal comma, or with the point when the window is set to points.
    std::string ShownText(int row, int column) const;
    void SetDecimalComma(bool comma);
    bool DecimalComma() const { return decimalComma_; }
    const TRowTexts& RowTexts(int row) const { return list_.rows.at(static_cast<std::size_t>(row)); }
    TRowTexts BlankRow() const { return TRowTexts(list_.layout.columns.size()); }

    // Plain operations, without undo.
    void ApplyCells(const std::vector<TCellChange>& changes, bool forward);
    void InsertRows(int row, const std::vector<TRowTexts>& rows);
    void RemoveRows(int row, int count);
    // Moves the count rows from first by delta places (the rows between move the other way).
    void MoveRows(int first, int count, int delta);
    // Takes a whole list (a new, opened or imported one) and calculates every row.
    void ReplaceList(TReachList list);
    // Takes a whole list with its outcomes as CalculateList gave them.
    void ReplaceList(TReachList list, std::vector<TReachOutcome> outcomes);
    // Exchanges the list and its outcomes with the given ones, calculating nothing.
    void SwapList(TReachList& list, std::vector<TReachOutcome>& outcomes);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // A row was calculated anew after its texts changed.
    void RowRecalculated(int row);
    // Cells were changed, rows put in or moved by an edit, its undo or redo:
    // the first cell it touched.
    void Touched(int row, int column);

private:
    void Recalculate(int row);
    void MarkBlankRows();
    TReachOutcome BlankOutcome() const;
    int ErrorField(int column) const;
    bool IsNumericColumn(int column) const;

    TReachList list_;
    TReachOptions options_;
    std::vector<TReachOutcome> outcomes_;
    QUndoStack* undo_ = nullptr;
    bool decimalComma_ = true;
};

// A text typed with a comma or a point as a number; nothing for other texts.
std::optional<double> NumberOfText(std::string_view text);

}  // namespace fluvara
