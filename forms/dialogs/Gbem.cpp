#include "Gbem.h"
#include "ui_Gbem.h"

#include "FormStyle.h"

namespace fluvara {

TGBemForm::TGBemForm(QWidget* parent) : TPrintTitleDialog(parent), ui(std::make_unique<Ui::TGBemForm>())
{
    ui->setupUi(this);
    SetUpFrame("MS Sans Serif", 11);
    SetUpFields(ui->GBemEdit1, ui->GBemEdit2, ui->GSEdit, "Courier New", 13);
    SetTextColor(ui->Label1, QColor(0, 128, 0));
    connect(ui->GBemBBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TGBemForm::~TGBemForm() = default;

}  // namespace fluvara
