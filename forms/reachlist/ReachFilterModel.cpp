#include "ReachFilterModel.h"

#include "ReachTableModel.h"

namespace fluvara {

TReachFilterModel::TReachFilterModel(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(TReachTableModel::SortRole);
    setDynamicSortFilter(true);
}

void TReachFilterModel::setSourceModel(QAbstractItemModel* model)
{
    // Connected before the proxy's own handling, which would drop a mended row at once.
    connect(model, &QAbstractItemModel::dataChanged, this, &TReachFilterModel::KeepShownRows);
    const auto forget = [this] { kept_.clear(); };
    connect(model, &QAbstractItemModel::rowsInserted, this, forget);
    connect(model, &QAbstractItemModel::rowsRemoved, this, forget);
    connect(model, &QAbstractItemModel::rowsMoved, this, forget);
    connect(model, &QAbstractItemModel::modelReset, this, forget);
    QSortFilterProxyModel::setSourceModel(model);
}

void TReachFilterModel::KeepShownRows(const QModelIndex& first, const QModelIndex& last)
{
    if (!problemsOnly_)
        return;
    for (int row = first.row(); row <= last.row(); ++row)
        if (mapFromSource(sourceModel()->index(row, 0)).isValid())
            kept_.insert(row);
}

void TReachFilterModel::SetProblemsOnly(bool only)
{
    kept_.clear();
    problemsOnly_ = only;
    invalidateFilter();
}

bool TReachFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (!problemsOnly_ || kept_.contains(sourceRow))
        return true;
    const auto* model = static_cast<const TReachTableModel*>(sourceModel());
    const TRowState state = model->State(sourceRow);
    return state == TRowState::Refused || state == TRowState::Overloaded;
}

bool TReachFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    // Numbers before texts; texts in the order of the language; empty cells
    // last in either order, so that the largest values come first when descending.
    const QVariant a = left.data(TReachTableModel::SortRole);
    const QVariant b = right.data(TReachTableModel::SortRole);
    const bool aEmpty = a.typeId() != QMetaType::Double && a.toString().isEmpty();
    const bool bEmpty = b.typeId() != QMetaType::Double && b.toString().isEmpty();
    if (aEmpty != bEmpty)
        return (sortOrder() == Qt::AscendingOrder) == bEmpty;
    const bool aNumber = a.typeId() == QMetaType::Double;
    const bool bNumber = b.typeId() == QMetaType::Double;
    if (aNumber && bNumber)
        return a.toDouble() < b.toDouble();
    if (aNumber != bNumber)
        return aNumber;
    return QString::localeAwareCompare(a.toString(), b.toString()) < 0;
}

}  // namespace fluvara
