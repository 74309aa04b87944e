#include "Headline.h"
#include "ui_Headline.h"

#include "FormStyle.h"
#include "HeaderLineSetting.h"
#include "ResultOutput.h"
#include "settingsstore.h"

#include <QMessageBox>

namespace fluvara {

THeadLineForm::THeadLineForm(THeaderLine& headerLine, QWidget* parent)
    : TFixedDialog(parent), ui(std::make_unique<Ui::THeadLineForm>()), headerLine_(headerLine)
{
    ui->setupUi(this);
    SetUpFrame("MS Sans Serif", 13);
    SetFieldColor(ui->HLineEdit, Qt::white);
    SetTextColor(ui->HLineEdit, Qt::black);
    // Taken from HeaderLineMaxChars so that the field never holds more than the header line.
    ui->HLineEdit->setMaxLength(HeaderLineMaxChars);
    connect(ui->xOKBtn, &QPushButton::clicked, this, &THeadLineForm::xOKBtnClick);
    connect(ui->xCancelBtn, &QPushButton::clicked, this, &THeadLineForm::xCancelBtnClick);

    // The stored value is read again here; the field is filled from it this once only.
    headerLine_.Load();
    ui->HLineEdit->setText(headerLine_.Text());
}

THeadLineForm::~THeadLineForm() = default;

void THeadLineForm::xOKBtnClick()
{
    // Stays open with the typed text when the store fails; the line holds for this run.
    if (const auto error = headerLine_.Store(ui->HLineEdit->text())) {
        QMessageBox::critical(this, QString::fromUtf8(ApplicationTitle).trimmed(), *error);
        return;
    }
    accept();
}

// Keeps the field as typed, so the next opening shows it again.
void THeadLineForm::xCancelBtnClick() { reject(); }

void THeadLineForm::FormActivate()
{
    ui->HLineEdit->setFocus();
    ui->HLineEdit->deselect();
}

}  // namespace fluvara
