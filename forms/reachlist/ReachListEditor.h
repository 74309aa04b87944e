#pragma once
// The editing of the reach list document: clipboard blocks, cleared cells,
// rows inserted, removed, duplicated and moved, each one undoable command;
// and the order and choice of rows a view shows. It works on the cells and
// rows a view has selected, given as indexes of Filter(kind), and answers
// with the rows to be selected next; it knows no widget.

#include "PageReach.h"
#include "ReachTableModel.h"

#include <QModelIndexList>
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

namespace fluvara {

class TReachFilterModel;
class TReachListDocument;

// Rows of a model; count 0 for none.
struct TRowRange {
    int first = 0;
    int count = 0;
};

class TReachListEditor : public QObject {
    Q_OBJECT
public:
    explicit TReachListEditor(TReachListDocument& document, QObject* parent = nullptr);

    // The rows of a list as a view shows them: sorted, perhaps problems only.
    TReachFilterModel& Filter(TReachKind kind) const;
    // The rows of the model behind indexes of Filter(kind), ascending, each once.
    std::vector<int> ModelRows(TReachKind kind, const QModelIndexList& shown) const;
    // The model's row of a shown index, -1 for none.
    int ModelRow(TReachKind kind, const QModelIndex& shown) const;

    // The selected cells as spreadsheet text; "" for none.
    QString CopyText(TReachKind kind, const QModelIndexList& selected) const;
    // A spreadsheet block into the input columns from the selection's
    // top-left cell (or the current one), repeated over a whole rectangle
    // selected; rows beyond the list are added.
    void Paste(TReachKind kind, const QModelIndexList& selected, const QModelIndex& current, const QString& text);
    void ClearCells(TReachKind kind, const QModelIndexList& selected);
    TRowRange AppendRow(TReachKind kind);
    // A blank row before the given one, or at the end for -1.
    TRowRange InsertRow(TReachKind kind, int before);
    TRowRange DeleteRows(TReachKind kind, std::vector<int> rows);
    TRowRange DuplicateRows(TReachKind kind, const std::vector<int>& rows);
    TRowRange MoveRows(TReachKind kind, const std::vector<int>& rows, int delta);
    // Rows move only in the list's own order, all of it shown.
    bool CanMove(TReachKind kind, bool sorted) const;

    // Both lists show only their refused and overloaded rows, or all again.
    void SetProblemsOnly(bool only);
    bool ProblemsOnly() const;
    // Both lists back in their own order.
    void Unsort();

    // The row's reach for its page: a designed one with its nominal size.
    std::optional<TPageReach> PageReach(TReachKind kind, int row) const;
    // A new row at the end with a reach's inputs.
    TRowRange AddReach(const TPageReach& reach);
    // The fields the page has written into a row of its list, one undoable step.
    TRowRange UpdateReach(const TPageReach& reach, int row);

signals:
    // A message for the status line.
    void Told(const QString& text);

private:
    TReachListDocument& document_;
    TReachFilterModel* circleFilter_ = nullptr;
    TReachFilterModel* channelFilter_ = nullptr;
};

}  // namespace fluvara
