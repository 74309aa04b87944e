#include "ReachTableView.h"

#include "usersettings.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>

#include <algorithm>

namespace fluvara {

namespace {

constexpr int MinimumChars = 6;
constexpr int MaximumChars = 48;
constexpr int MeasuredRows = 200;  // rows measured for a fit: any length of list costs the same

QString WidthsSetting(const QString& key) { return "Haltungsliste/Spaltenbreiten/" + key; }

}  // namespace

TReachTableView::TReachTableView(const char* name, const QString& widthsKey, QAbstractItemModel* model, QWidget* parent)
    : QTableView(parent), widthsKey_(widthsKey), userWidths_(ReadSetting(WidthsSetting(widthsKey)).toMap())
{
    setObjectName(name);
    setModel(model);
    setSortingEnabled(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(true);
    horizontalHeader()->setResizeContentsPrecision(MeasuredRows);
    // Fixed row heights: the view never measures the rows, however many there are.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Tab goes from cell to cell as in a spreadsheet; Ctrl+Tab leaves the table.
    setTabKeyNavigation(true);
    setWordWrap(false);
    setCornerButtonEnabled(true);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &TReachTableView::ColumnResized);
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        FitColumns();
        EnsureCurrentCell();
    });
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { WidenForRows(first, last); });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) { WidenForRows(from.row(), to.row()); });
    FitColumns();
}

void TReachTableView::FitColumns()
{
    const QScopedValueRollback fitting(fitting_, true);
    const QVariantMap& user = userWidths_;
    const QFontMetrics metrics = fontMetrics();
    const int least = metrics.horizontalAdvance(QString(MinimumChars, QChar('0'))) + 12;
    const int most = metrics.horizontalAdvance(QString(MaximumChars, QChar('0')));
    for (int c = 0; c < model()->columnCount(); ++c) {
        const QString name = model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const int wanted = user.value(name).toInt();
        if (wanted > 0) {
            setColumnWidth(c, wanted);
            continue;
        }
        resizeColumnToContents(c);
        // The last column, the status, takes its messages whole.
        const bool last = c == model()->columnCount() - 1;
        setColumnWidth(c, std::clamp(columnWidth(c), least, last ? columnWidth(c) : std::max(least, most)));
    }
}

void TReachTableView::WidenForRows(int first, int last)
{
    // Only the rows changed, and only wider: the user's widths and the
    // columns the user reads stay where they are.
    const QScopedValueRollback fitting(fitting_, true);
    const QVariantMap& user = userWidths_;
    const int widest = fontMetrics().horizontalAdvance(QString(MaximumChars, QChar('0')));
    last = std::min(last, first + MeasuredRows);
    for (int c = 0; c < model()->columnCount(); ++c) {
        const int most = c == model()->columnCount() - 1 ? QWIDGETSIZE_MAX : widest;
        if (user.contains(model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()))
            continue;
        int width = columnWidth(c);
        for (int r = first; r <= last; ++r)
            width = std::max(width, std::min(most, sizeHintForIndex(model()->index(r, c)).width() + 2));
        if (width > columnWidth(c))
            setColumnWidth(c, width);
    }
}

void TReachTableView::ColumnResized(int column, int, int newWidth)
{
    if (fitting_)
        return;
    userWidths_.insert(model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), newWidth);
    // Settings that cannot be written keep the widths for this run only.
    WriteSetting(WidthsSetting(widthsKey_), userWidths_);
}

void TReachTableView::EnsureCurrentCell()
{
    if (currentIndex().isValid() || model()->rowCount() == 0)
        return;
    setCurrentIndex(model()->index(0, 0));
}

void TReachTableView::MoveCurrent(int rows, int columns)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    const QModelIndex next = model()->index(current.row() + rows, current.column() + columns);
    if (!next.isValid())
        return;
    setCurrentIndex(next);
    scrollTo(next);
}

void TReachTableView::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && state() != EditingState && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        MoveCurrent(modifiers == Qt::ShiftModifier ? -1 : 1, 0);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TReachTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Enter (which the delegate submits) goes down, Tab and Backtab sideways,
    // without opening the next cell's editor.
    QTableView::closeEditor(editor,
                            hint == QAbstractItemDelegate::RevertModelCache ? hint : QAbstractItemDelegate::NoHint);
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        MoveCurrent(1, 0);
    else if (hint == QAbstractItemDelegate::EditNextItem)
        MoveCurrent(0, 1);
    else if (hint == QAbstractItemDelegate::EditPreviousItem)
        MoveCurrent(0, -1);
}

}  // namespace fluvara
