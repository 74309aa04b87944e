#include "Clipinh.h"
#include "ui_Clipinh.h"

#include "FormStyle.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>

namespace fluvara {

TClipForm::TClipForm(const QPlainTextEdit& memo, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TClipForm>()), memo_(memo)
{
    ui->setupUi(this);
    SetBackground(this, SilverColor);
    SetPixelFont(this, "Courier New", 13);
    SetFieldColor(ui->ClipREdit, FieldGreyColor);
    SetTextColor(ui->ClipREdit, Qt::black);
    connect(ui->CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
}

TClipForm::~TClipForm() = default;

void TClipForm::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

// Shows what this program copied last, not what the clipboard holds now.
void TClipForm::FormActivate() { ui->ClipREdit->setPlainText(memo_.toPlainText()); }

} // namespace fluvara
