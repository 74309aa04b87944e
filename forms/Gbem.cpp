#include "Gbem.h"
#include "ui_Gbem.h"

#include "FormStyle.h"

#include <QScreen>
#include <QStyle>

namespace fluvara {

TGBemForm::TGBemForm(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TGBemForm>())
{
    ui->setupUi(this);
    SetBackground(this, SilverColor);
    SetPixelFont(this, "MS Sans Serif", 11);
    for (QLineEdit* field : {ui->GBemEdit1, ui->GBemEdit2, ui->GSEdit}) {
        SetPixelFont(field, "Courier New", 13);
        SetFieldColor(field, Qt::white);
        SetTextColor(field, Qt::black);
    }
    SetTextColor(ui->Label1, QColor(0, 128, 0));
    connect(ui->GBemBBtn, &QPushButton::clicked, this, &QDialog::accept);
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
}

TGBemForm::~TGBemForm() = default;

void TGBemForm::ClearTitles()
{
    ui->GBemEdit1->clear();
    ui->GBemEdit2->clear();
}

void TGBemForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui->GBemEdit1->setFocus();
}

} // namespace fluvara
