#pragma once
// The view's order and choice of rows: sorted by any column (numbers as
// numbers), optionally only the refused and overloaded rows.

#include <QSet>
#include <QSortFilterProxyModel>

namespace fluvara {

class TReachFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit TReachFilterModel(QObject* parent = nullptr);

    // Applying the filter (again) forgets the rows kept for being mended.
    void SetProblemsOnly(bool only);
    bool ProblemsOnly() const { return problemsOnly_; }
    void setSourceModel(QAbstractItemModel* model) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    void KeepShownRows(const QModelIndex& first, const QModelIndex& last);

    bool problemsOnly_ = false;
    // Rows shown as problems and mended since: they stay until the filter is applied again.
    QSet<int> kept_;
};

}  // namespace fluvara
