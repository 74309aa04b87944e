#include "ReachFilterModel.h"

#include "ReachTableModel.h"

namespace fluvara {

TReachFilterModel::TReachFilterModel(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(TReachTableModel::SortRole);
    setDynamicSortFilter(true);
}

void TReachFilterModel::SetProblemsOnly(bool only)
{
    if (only == problemsOnly_)
        return;
    problemsOnly_ = only;
    invalidateFilter();
}

bool TReachFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (!problemsOnly_)
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
