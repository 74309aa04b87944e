#pragma once
// The view's order and choice of rows: sorted by any column (numbers as
// numbers), optionally only the refused and overloaded rows.

#include <QSortFilterProxyModel>

namespace fluvara {

class TReachFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit TReachFilterModel(QObject* parent = nullptr);

    void SetProblemsOnly(bool only);
    bool ProblemsOnly() const { return problemsOnly_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    bool problemsOnly_ = false;
};

}  // namespace fluvara
