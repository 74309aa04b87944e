#include "ReachTableModel.h"

#include "ReachCommands.h"
#include "SpreadsheetText.h"

#include "columnunits.h"

#include <QBrush>
#include <QColor>
#include <QUndoStack>

#include <charconv>

namespace fluvara {

namespace {

const QColor ErrorColour(255, 176, 176);
const QColor OverloadColour(255, 214, 140);
const QColor ResultColour(242, 242, 242);

QString Q(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

std::optional<double> NumberOfText(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty())
        return std::nullopt;
    std::string copy(text);
    for (char& c : copy)
        if (c == ',')
            c = '.';
    double value = 0;
    const auto [end, ec] = std::from_chars(copy.data(), copy.data() + copy.size(), value);
    if (ec != std::errc() || end != copy.data() + copy.size())
        return std::nullopt;
    return value;
}

TReachTableModel::TReachTableModel(TReachKind kind, QObject* parent)
    : QAbstractTableModel(parent), list_(EmptyList(kind))
{ }

TRowState TReachTableModel::State(int row) const
{
    const TReachOutcome& o = Outcome(row);
    if (o.status.empty())
        return TRowState::Blank;
    if (o.refused)
        return TRowState::Refused;
    return o.status == CalculatedStatus ? TRowState::Calculated : TRowState::Overloaded;
}

int TReachTableModel::FieldColumn(int field) const
{
    const auto& columns = list_.layout.fieldColumn;
    return field >= 0 && static_cast<std::size_t>(field) < columns.size() ? columns[static_cast<std::size_t>(field)]
                                                                          : -1;
}

int TReachTableModel::ErrorField(int column) const
{
    const auto& columns = list_.layout.fieldColumn;
    for (std::size_t field = 0; field < columns.size(); ++field)
        if (columns[field] == column)
            return static_cast<int>(field);
    return -2;  // a column of no field: no message of a field belongs to it
}

bool TReachTableModel::IsNumericColumn(int column) const
{
    if (!IsInputColumn(column))
        return column != StatusColumn() && !IsWordResult(Kind(), column - InputColumnCount());
    const int field = ErrorField(column);
    const bool yesNo = Kind() == TReachKind::Circle && (field == CircleReduce95 || field == CircleUse09);
    return field >= 0 && field != NameField(Kind()) && !yesNo;
}

QString TReachTableModel::CellMessage(int row, int column) const
{
    const TReachOutcome& o = Outcome(row);
    if (column == StatusColumn())
        return o.refused ? Q(o.status) : QString();
    const int field = ErrorField(column);
    for (const TCellError& e : o.errors)
        if (e.field == field)
            return Q(e.message);
    return QString();
}

std::string TReachTableModel::CellText(int row, int column) const
{
    if (IsInputColumn(column))
        return RowTexts(row).at(static_cast<std::size_t>(column));
    const TReachOutcome& o = Outcome(row);
    if (column == StatusColumn())
        return o.status;
    const auto result = static_cast<std::size_t>(column - InputColumnCount());
    return result < o.results.size() ? o.results[result] : std::string();
}

std::string TReachTableModel::ShownText(int row, int column) const
{
    std::string text = CellText(row, column);
    if (column == StatusColumn())
        return Outcome(row).refused ? text : NoteWithDecimalMark(std::move(text), decimalComma_);
    return IsNumericColumn(column) ? WithDecimalMark(std::move(text), decimalComma_) : text;
}

void TReachTableModel::SetDecimalComma(bool comma)
{
    if (comma == decimalComma_)
        return;
    decimalComma_ = comma;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole, Qt::EditRole});
}

TReachOutcome TReachTableModel::BlankOutcome() const
{
    TReachOutcome outcome;
    outcome.results.resize(ResultNames(Kind()).size());
    return outcome;
}

void TReachTableModel::Recalculate(int row)
{
    const auto r = static_cast<std::size_t>(row);
    outcomes_[r] = fluvara::BlankRow(list_.rows[r]) ? BlankOutcome() : CalculateRow(list_, r, options_);
}

void TReachTableModel::ApplyCells(const std::vector<TCellChange>& changes, bool forward)
{
    std::vector<int> rows;
    for (const TCellChange& change : changes) {
        list_.rows.at(static_cast<std::size_t>(change.row)).at(static_cast<std::size_t>(change.column)) =
            forward ? change.after : change.before;
        if (rows.empty() || rows.back() != change.row)
            rows.push_back(change.row);
    }
    for (int row : rows) {
        Recalculate(row);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        emit RowRecalculated(row);
    }
    if (!changes.empty())
        emit Touched(changes.front().row, changes.front().column);
}

void TReachTableModel::InsertRows(int row, const std::vector<TRowTexts>& rows)
{
    if (rows.empty())
        return;
    beginInsertRows({}, row, row + static_cast<int>(rows.size()) - 1);
    list_.rows.insert(list_.rows.begin() + row, rows.begin(), rows.end());
    outcomes_.insert(outcomes_.begin() + row, rows.size(), TReachOutcome{});
    for (int i = row; i < row + static_cast<int>(rows.size()); ++i)
        Recalculate(i);
    endInsertRows();
    emit Touched(row, 0);
}

void TReachTableModel::RemoveRows(int row, int count)
{
    if (count <= 0)
        return;
    beginRemoveRows({}, row, row + count - 1);
    list_.rows.erase(list_.rows.begin() + row, list_.rows.begin() + row + count);
    outcomes_.erase(outcomes_.begin() + row, outcomes_.begin() + row + count);
    endRemoveRows();
}

void TReachTableModel::MoveRows(int first, int count, int delta)
{
    if (count <= 0 || delta == 0)
        return;
    const int destination = delta > 0 ? first + count + delta : first + delta;
    if (!beginMoveRows({}, first, first + count - 1, {}, destination))
        return;
    const auto rotate = [&](auto& v) {
        const auto begin = v.begin() + first;
        if (delta > 0)
            std::rotate(begin, begin + count, begin + count + delta);
        else
            std::rotate(begin + delta, begin, begin + count);
    };
    rotate(list_.rows);
    rotate(outcomes_);
    endMoveRows();
    emit Touched(first + delta, 0);
}

void TReachTableModel::ReplaceList(TReachList list)
{
    std::vector<TReachOutcome> outcomes = CalculateList(list, options_, 0);
    ReplaceList(std::move(list), std::move(outcomes));
}

void TReachTableModel::ReplaceList(TReachList list, std::vector<TReachOutcome> outcomes) { SwapList(list, outcomes); }

void TReachTableModel::SwapList(TReachList& list, std::vector<TReachOutcome>& outcomes)
{
    beginResetModel();
    std::swap(list_, list);
    std::swap(outcomes_, outcomes);
    outcomes_.resize(list_.rows.size());
    MarkBlankRows();
    endResetModel();
}

void TReachTableModel::MarkBlankRows()
{
    // A blank row is no reach: it gets no message, only its empty results.
    for (std::size_t i = 0; i < outcomes_.size(); ++i)
        if (fluvara::BlankRow(list_.rows[i]))
            outcomes_[i] = BlankOutcome();
}

int TReachTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(list_.rows.size());
}

int TReachTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : InputColumnCount() + static_cast<int>(ResultNames(Kind()).size()) + 1;
}

QVariant TReachTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Q(ShownText(row, column));
    case Qt::ToolTipRole: {
        const QString message = CellMessage(row, column);
        if (!message.isEmpty() || column != StatusColumn())
            return message.isEmpty() ? QVariant() : QVariant(message);
        return Q(ShownText(row, column));
    }
    case Qt::TextAlignmentRole:
        return IsNumericColumn(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
        if (!CellMessage(row, column).isEmpty())
            return QBrush(ErrorColour);
        if (column == StatusColumn() && State(row) == TRowState::Overloaded)
            return QBrush(OverloadColour);
        if (!IsInputColumn(column))
            return QBrush(ResultColour);
        return {};
    }
    case SortRole: {
        const std::string text = CellText(row, column);
        if (IsNumericColumn(column))
            if (const auto number = NumberOfText(text))
                return *number;
        return Q(text);
    }
    default:
        return {};
    }
}

QVariant TReachTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    // Units on screen and in the report; the files keep the plain names.
    if (IsInputColumn(section)) {
        const int field = ErrorField(section);
        if (field < 0)
            return Q(list_.layout.columns[static_cast<std::size_t>(section)]);
        return Q(NameWithUnit(Kind(), FieldNames(Kind())[static_cast<std::size_t>(field)]));
    }
    if (section == StatusColumn())
        return Q(std::string(StatusName));
    return Q(NameWithUnit(Kind(), ResultNames(Kind())[static_cast<std::size_t>(section - InputColumnCount())]));
}

Qt::ItemFlags TReachTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (IsInputColumn(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool TReachTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !IsInputColumn(index.column()))
        return false;
    TCellChange change{index.row(), index.column(), CellText(index.row(), index.column()),
                       value.toString().toStdString()};
    // The text shown with the other decimal mark, taken back unchanged, is no edit.
    if (change.before == change.after || change.after == ShownText(index.row(), index.column()))
        return true;
    if (undo_)
        undo_->push(new TEditCellsCommand(*this, {std::move(change)}, "Wert ändern"));
    else
        ApplyCells({change}, true);
    return true;
}

}  // namespace fluvara
