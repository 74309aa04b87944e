#include "Nbem.h"
#include "ui_Nbem.h"

namespace fluvara {

TNBemForm::TNBemForm(QWidget* parent) : TPrintTitleDialog(parent), ui(std::make_unique<Ui::TNBemForm>())
{
    ui->setupUi(this);
    SetUpFrame("MS Sans Serif", 11);
    SetUpFields(ui->NBemEdit1, ui->NBemEdit2, ui->NSEdit, "Arial", 12);
    connect(ui->NBemBBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TNBemForm::~TNBemForm() = default;

}  // namespace fluvara
