#include "About.h"
#include "ui_About.h"

#include "FormStyle.h"
#include "ProgramIcon.h"
#include "textformat.h"

#include <QDate>

namespace fluvara {

TAboutForm::TAboutForm(QWidget* parent) : TFixedDialog(parent), ui(std::make_unique<Ui::TAboutForm>())
{
    ui->setupUi(this);
    SetUpFrame("MS Sans Serif", 11);
    for (QLabel* label :
         {ui->Label1, ui->VersionLabel, ui->D, ui->Label2, ui->Label5, ui->Label6, ui->CopyrightLabel}) {
        SetPixelFont(label, "Verdana", 13);
        SetTextColor(label, Qt::black);
    }
    ui->Image1->setPixmap(ProgramIcon().pixmap(32, 32));
    connect(ui->CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutForm::~TAboutForm() = default;

void TAboutForm::FillLabels(const QString& applicationTitle)
{
    // Taken at every opening, so a new year shows without a restart.
    const int year = QDate::currentDate().year();
    ui->Label1->setText(QStringLiteral("Programm ") + applicationTitle);
    ui->CopyrightLabel->setText(QString::fromStdString(Fmt("Copyright © ko_lut 1998-%4.4d", year)));
    // The word follows the build's pointer width; the size of the program file says nothing about it.
    ui->VersionLabel->setText(sizeof(void*) == 8 ? QStringLiteral("Version 14.3.27 64bit")
                                                 : QStringLiteral("Version 14.3.27 32bit"));
}

}  // namespace fluvara
