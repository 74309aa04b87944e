#include "DialogFrame.h"

#include "FormStyle.h"

#include <QEvent>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>

namespace fluvara {

TFixedDialog::TFixedDialog(QWidget* parent) : QDialog(parent) { }

void TFixedDialog::SetUpFrame(const QString& fontFamily, int pixelHeight)
{
    setFixedSize(size());
    SetBackground(this, SilverColor);
    SetPixelFont(this, fontFamily, pixelHeight);
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
}

void TFixedDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFixedDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

TPrintTitles TPrintTitleDialog::AskTitles()
{
    exec();
    return Titles();
}

TPrintTitles TPrintTitleDialog::Titles() const
{
    return {title1_->text().toStdString(), title2_->text().toStdString(), page_->text().toStdString()};
}

void TPrintTitleDialog::ClearTitles()
{
    title1_->clear();
    title2_->clear();
}

void TPrintTitleDialog::SetUpFields(QLineEdit* title1, QLineEdit* title2, QLineEdit* page, const QString& fontFamily,
                                    int pixelHeight)
{
    title1_ = title1;
    title2_ = title2;
    page_ = page;
    for (QLineEdit* field : {title1, title2, page}) {
        SetPixelFont(field, fontFamily, pixelHeight);
        SetFieldColor(field, Qt::white);
        SetTextColor(field, Qt::black);
    }
}

void TPrintTitleDialog::FormShow() { title1_->setFocus(); }

void SetUpTableGrid(QTableWidget* grid, std::span<const int> columnPixels)
{
    SetFieldColor(grid, SilverColor);
    SetTextColor(grid, Qt::black);
    for (int c = 0; c < int(columnPixels.size()); ++c)
        grid->setColumnWidth(c, columnPixels[c]);
}

void WriteGrid(QTableWidget* grid, int rows, const std::function<QString(int row, int column)>& cellText)
{
    for (int r = 0; r < grid->rowCount() && r < rows; ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            grid->setItem(r, c, new QTableWidgetItem(cellText(r, c)));
}

}  // namespace fluvara
