#include "Nbem.h"
#include "ui_Nbem.h"

#include "FormStyle.h"

#include <QScreen>
#include <QStyle>

namespace fluvara {

TNBemForm::TNBemForm(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TNBemForm>())
{
    ui->setupUi(this);
    SetBackground(this, SilverColor);
    SetPixelFont(this, "MS Sans Serif", 11);
    for (QLineEdit* field : {ui->NBemEdit1, ui->NBemEdit2, ui->NSEdit}) {
        SetPixelFont(field, "Arial", 12);
        SetFieldColor(field, Qt::white);
        SetTextColor(field, Qt::black);
    }
    connect(ui->NBemBBtn, &QPushButton::clicked, this, &QDialog::accept);
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
}

TNBemForm::~TNBemForm() = default;

void TNBemForm::ClearTitles()
{
    ui->NBemEdit1->clear();
    ui->NBemEdit2->clear();
}

void TNBemForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui->NBemEdit1->setFocus();
}

} // namespace fluvara
