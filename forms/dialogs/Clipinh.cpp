#include "Clipinh.h"
#include "ui_Clipinh.h"

#include "FormStyle.h"

namespace fluvara {

TClipForm::TClipForm(QWidget* parent) : TFixedDialog(parent), ui(std::make_unique<Ui::TClipForm>())
{
    ui->setupUi(this);
    SetUpFrame("Courier New", 13);
    SetFieldColor(ui->ClipREdit, FieldGreyColor);
    SetTextColor(ui->ClipREdit, Qt::black);
    connect(ui->CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TClipForm::~TClipForm() = default;

// Shows what this program copied last, not what the clipboard holds now.
void TClipForm::FormActivate() { ui->ClipREdit->setPlainText(copy_); }

}  // namespace fluvara
