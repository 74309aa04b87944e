#pragma once
// A table of the reach list as spreadsheet users expect it: Enter moves to
// the next row and Tab to the next column, in and out of editing; the
// columns fit their content and keep the widths the user gave them.

#include <QAbstractItemDelegate>
#include <QString>
#include <QTableView>
#include <QVariantMap>

namespace fluvara {

class TReachTableView : public QTableView {
    Q_OBJECT
public:
    // widthsKey names the list in the settings that keep the user's widths.
    TReachTableView(const char* name, const QString& widthsKey, QAbstractItemModel* model, QWidget* parent);

    // Every column as wide as its header and the texts of its first rows,
    // within bounds, or as the user made it.
    void FitColumns();
    // A current cell for a list with rows that has none.
    void EnsureCurrentCell();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void MoveCurrent(int rows, int columns);
    void ColumnResized(int column, int oldWidth, int newWidth);
    void WidenForRows(int first, int last);

    QString widthsKey_;
    QVariantMap userWidths_;  // by column name, as the settings keep them
    bool fitting_ = false;    // widths set by the program, not by the user
};

}  // namespace fluvara
