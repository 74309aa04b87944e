#pragma once
// What the dialogs have in common: a fixed silver frame centred on the screen
// with FormShow and FormActivate hooks, the print-title fields and the
// read-only grids of the reference tables.

#include "printframe.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <span>

class QLineEdit;
class QTableWidget;

namespace fluvara {

// A dialog of the size its form was drawn with. FormShow runs each time it is
// shown, FormActivate each time it becomes the active window, as when the user
// switches back to it.
class TFixedDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFixedDialog(QWidget* parent = nullptr);

protected:
    // Called after setupUi: fixes the present size, paints the background
    // silver, sets the dialog's font and centres it on its screen.
    void SetUpFrame(const QString& fontFamily, int pixelHeight);

    virtual void FormShow() { }
    virtual void FormActivate() { }

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
};

// Two title lines and a page number for a printout.
class TPrintTitleDialog : public TFixedDialog {
    Q_OBJECT
public:
    using TFixedDialog::TFixedDialog;

    // Shows the dialog modally, however it is closed, and gives what its fields hold then.
    TPrintTitles AskTitles();
    // What the fields hold now, without showing the dialog.
    TPrintTitles Titles() const;
    // Empties the two title fields; the page number stays.
    void ClearTitles();

protected:
    // White fields with black text in the given font.
    void SetUpFields(QLineEdit* title1, QLineEdit* title2, QLineEdit* page, const QString& fontFamily, int pixelHeight);
    // The focus goes into the first title line.
    void FormShow() override;

private:
    QLineEdit* title1_ = nullptr;
    QLineEdit* title2_ = nullptr;
    QLineEdit* page_ = nullptr;
};

// A reference table's grid: disabled only to keep it from taking focus and
// clicks, so it is made to read black on silver; columns get their pixel widths.
void SetUpTableGrid(QTableWidget* grid, std::span<const int> columnPixels);

// Writes every cell of the first `rows` rows (no more than the grid has),
// replacing whatever they held.
void WriteGrid(QTableWidget* grid, int rows, const std::function<QString(int row, int column)>& cellText);

}  // namespace fluvara
