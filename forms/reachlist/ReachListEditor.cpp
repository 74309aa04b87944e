// The editing of the reach list: clipboard blocks, cells, rows, the view's order.
#include "ReachListEditor.h"

#include "ReachCommands.h"
#include "ReachFilterModel.h"
#include "ReachListDocument.h"
#include "SpreadsheetText.h"

#include <algorithm>

namespace fluvara {

namespace {

// The rectangle around the selected cells, in the order the view shows.
struct TBounds {
    int top = 0, bottom = 0, left = 0, right = 0;
};

TBounds Bounds(const QModelIndexList& selected)
{
    TBounds b{selected.front().row(), selected.front().row(), selected.front().column(), selected.front().column()};
    for (const QModelIndex& index : selected) {
        b.top = std::min(b.top, index.row());
        b.bottom = std::max(b.bottom, index.row());
        b.left = std::min(b.left, index.column());
        b.right = std::max(b.right, index.column());
    }
    return b;
}

}  // namespace

TReachListEditor::TReachListEditor(TReachListDocument& document, QObject* parent) : QObject(parent), document_(document)
{
    circleFilter_ = new TReachFilterModel(this);
    circleFilter_->setSourceModel(&document_.Model(TReachKind::Circle));
    channelFilter_ = new TReachFilterModel(this);
    channelFilter_->setSourceModel(&document_.Model(TReachKind::Channel));
}

TReachFilterModel& TReachListEditor::Filter(TReachKind kind) const
{
    return kind == TReachKind::Circle ? *circleFilter_ : *channelFilter_;
}

std::vector<int> TReachListEditor::ModelRows(TReachKind kind, const QModelIndexList& shown) const
{
    std::vector<int> rows;
    for (const QModelIndex& index : shown)
        rows.push_back(Filter(kind).mapToSource(index).row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int TReachListEditor::ModelRow(TReachKind kind, const QModelIndex& shown) const
{
    const QModelIndex source = Filter(kind).mapToSource(shown);
    return source.isValid() ? source.row() : -1;
}

QString TReachListEditor::CopyText(TReachKind kind, const QModelIndexList& selected) const
{
    if (selected.isEmpty())
        return QString();
    const TBounds b = Bounds(selected);
    const TReachTableModel& model = document_.Model(kind);
    TCellBlock block(static_cast<std::size_t>(b.bottom - b.top + 1),
                     std::vector<std::string>(static_cast<std::size_t>(b.right - b.left + 1)));
    for (const QModelIndex& index : selected) {
        const QModelIndex source = Filter(kind).mapToSource(index);
        // As shown: German spreadsheets read the decimal commas.
        std::string text = model.ShownText(source.row(), source.column());
        block[static_cast<std::size_t>(index.row() - b.top)][static_cast<std::size_t>(index.column() - b.left)] =
            std::move(text);
    }
    return QString::fromStdString(SpreadsheetText(block));
}

void TReachListEditor::Paste(TReachKind kind, const QModelIndexList& selected, const QModelIndex& current,
                             const QString& text)
{
    TReachTableModel& model = document_.Model(kind);
    const TReachFilterModel& filter = Filter(kind);
    TCellBlock block = ParseSpreadsheetText(text.toStdString());
    if (block.empty())
        return;
    // The top-left cell of the selection, or the start of a new row.
    int topShown = filter.rowCount();
    int left = 0;
    if (!selected.isEmpty()) {
        const TBounds b = Bounds(selected);
        topShown = b.top;
        left = b.left;
        // A whole rectangle selected gets the block repeated over it.
        const auto rows = static_cast<std::size_t>(b.bottom - b.top + 1);
        const auto columns = static_cast<std::size_t>(b.right - b.left + 1);
        if (static_cast<std::size_t>(selected.size()) == rows * columns)
            block = RepeatedOver(block, rows, columns);
    } else if (current.isValid()) {
        topShown = current.row();
        left = current.column();
    }
    if (!model.IsInputColumn(left)) {
        emit Told("Ergebnisse werden berechnet; eingefügt wird nur in Eingabespalten.");
        return;
    }
    std::vector<TCellChange> changes;
    std::vector<TRowTexts> newRows;
    for (std::size_t r = 0; r < block.size(); ++r) {
        const int shown = topShown + static_cast<int>(r);
        const bool existing = shown < filter.rowCount();
        const int row = existing ? filter.mapToSource(filter.index(shown, 0)).row() : -1;
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
    document_.UndoStack().push(paste);
}

void TReachListEditor::ClearCells(TReachKind kind, const QModelIndexList& selected)
{
    TReachTableModel& model = document_.Model(kind);
    std::vector<TCellChange> changes;
    for (const QModelIndex& index : selected) {
        const QModelIndex source = Filter(kind).mapToSource(index);
        if (!model.IsInputColumn(source.column()))
            continue;
        std::string before = model.CellText(source.row(), source.column());
        if (!before.empty())
            changes.push_back({source.row(), source.column(), std::move(before), std::string()});
    }
    if (!changes.empty())
        document_.UndoStack().push(new TEditCellsCommand(model, std::move(changes), "Zellen leeren"));
}

TRowRange TReachListEditor::AppendRow(TReachKind kind)
{
    TReachTableModel& model = document_.Model(kind);
    const int row = model.rowCount();
    document_.UndoStack().push(new TInsertRowsCommand(model, row, {model.BlankRow()}, "Zeile anfügen"));
    return {row, 1};
}

TRowRange TReachListEditor::InsertRow(TReachKind kind, int before)
{
    TReachTableModel& model = document_.Model(kind);
    const int row = before >= 0 ? before : model.rowCount();
    document_.UndoStack().push(new TInsertRowsCommand(model, row, {model.BlankRow()}, "Zeile einfügen"));
    return {row, 1};
}

TRowRange TReachListEditor::DeleteRows(TReachKind kind, std::vector<int> rows)
{
    if (rows.empty())
        return {};
    const int first = rows.front();
    TReachTableModel& model = document_.Model(kind);
    document_.UndoStack().push(new TRemoveRowsCommand(model, std::move(rows)));
    const int count = model.rowCount();
    return count > 0 ? TRowRange{std::min(first, count - 1), 1} : TRowRange{};
}

TRowRange TReachListEditor::DuplicateRows(TReachKind kind, const std::vector<int>& rows)
{
    if (rows.empty())
        return {};
    TReachTableModel& model = document_.Model(kind);
    std::vector<TRowTexts> copies;
    for (int row : rows)
        copies.push_back(model.RowTexts(row));
    const int after = rows.back() + 1;
    document_.UndoStack().push(new TInsertRowsCommand(model, after, std::move(copies),
                                                      rows.size() == 1 ? "Zeile duplizieren" : "Zeilen duplizieren"));
    return {after, static_cast<int>(rows.size())};
}

TRowRange TReachListEditor::MoveRows(TReachKind kind, const std::vector<int>& rows, int delta)
{
    if (rows.empty())
        return {};
    if (rows.back() - rows.front() + 1 != static_cast<int>(rows.size())) {
        emit Told("Verschoben werden nur zusammenhängende Zeilen.");
        return {};
    }
    TReachTableModel& model = document_.Model(kind);
    const int first = rows.front();
    const int count = static_cast<int>(rows.size());
    if (first + delta < 0 || first + count + delta > model.rowCount())
        return {};
    document_.UndoStack().push(new TMoveRowsCommand(model, first, count, delta));
    return {first + delta, count};
}

bool TReachListEditor::CanMove(TReachKind kind, bool sorted) const { return !sorted && !Filter(kind).ProblemsOnly(); }

void TReachListEditor::SetProblemsOnly(bool only)
{
    circleFilter_->SetProblemsOnly(only);
    channelFilter_->SetProblemsOnly(only);
}

bool TReachListEditor::ProblemsOnly() const { return circleFilter_->ProblemsOnly(); }

void TReachListEditor::Unsort()
{
    circleFilter_->sort(-1);
    channelFilter_->sort(-1);
}

std::optional<TPageReach> TReachListEditor::PageReach(TReachKind kind, int row) const
{
    const TReachTableModel& model = document_.Model(kind);
    if (row < 0 || row >= model.rowCount())
        return std::nullopt;
    TPageReach reach{model.Kind(), model.List().Fields(static_cast<std::size_t>(row)), {}};
    // A designed reach goes to the verification page with its nominal size.
    const TReachOutcome& outcome = model.Outcome(row);
    if (reach.kind == TReachKind::Circle && TrimBlanks(reach.fields[CircleD]).empty() &&
        CircleDN < static_cast<int>(outcome.results.size()))
        reach.fields[CircleD] = outcome.results[CircleDN];
    return reach;
}

TRowRange TReachListEditor::AddReach(const TPageReach& reach)
{
    TReachTableModel& model = document_.Model(reach.kind);
    TRowTexts row = model.BlankRow();
    for (std::size_t field = 0; field < reach.fields.size(); ++field) {
        const int column = model.FieldColumn(static_cast<int>(field));
        if (column >= 0)
            row[static_cast<std::size_t>(column)] = reach.fields[field];
    }
    const int at = model.rowCount();
    document_.UndoStack().push(new TInsertRowsCommand(model, at, {std::move(row)}, "Von Seite übernehmen"));
    return {at, 1};
}

TRowRange TReachListEditor::UpdateReach(const TPageReach& reach, int row)
{
    TReachTableModel& model = document_.Model(reach.kind);
    if (row < 0 || row >= model.rowCount())
        return {};
    std::vector<TCellChange> changes;
    for (std::size_t field = 0; field < reach.fields.size(); ++field) {
        const int column = model.FieldColumn(static_cast<int>(field));
        if (column < 0 || !reach.Holds(static_cast<int>(field)))
            continue;
        std::string before = model.CellText(row, column);
        if (before != reach.fields[field])
            changes.push_back({row, column, std::move(before), reach.fields[field]});
    }
    if (changes.empty())
        emit Told("Die Zeile hat schon die Eingaben der Seite.");
    else
        document_.UndoStack().push(new TEditCellsCommand(model, std::move(changes), "Von Seite übernehmen"));
    return {row, 1};
}

}  // namespace fluvara
