#include "About.h"
#include "ui_About.h"

#include "FormStyle.h"
#include "textformat.h"

#include <QDate>
#include <QPainter>
#include <QPixmap>
#include <QtMath>

#include <cmath>

namespace fluvara {

namespace {

// The program's icon: a sewer pipe in cross-section, filled with water to h/d = 0.6.
QPixmap ProgramIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(QColor(170, 160, 145));  // concrete wall
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    const QRectF bore(5.5, 5.5, 21, 21);
    p.setBrush(Qt::white);
    p.drawEllipse(bore);
    // The water is the chord below the surface; a is the angle of the surface's ends above the centre.
    const double r = bore.width() / 2;
    const double surfaceAboveCentre = 2 * r * 0.6 - r;
    const double a = qRadiansToDegrees(std::asin(surfaceAboveCentre / r));
    p.setPen(QPen(QColor(20, 60, 150), 1));
    p.setBrush(QColor(60, 130, 220));
    p.drawChord(bore, qRound(a * 16), -qRound((180 + 2 * a) * 16));
    p.end();
    return pixmap;
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent) : TFixedDialog(parent), ui(std::make_unique<Ui::TAboutForm>())
{
    ui->setupUi(this);
    SetUpFrame("MS Sans Serif", 11);
    for (QLabel* label : {ui->Label1, ui->VersionLabel, ui->D, ui->Label2, ui->Label5, ui->Label6, ui->CopyrightLabel}) {
        SetPixelFont(label, "Verdana", 13);
        SetTextColor(label, Qt::black);
    }
    ui->Image1->setPixmap(ProgramIcon());
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

} // namespace fluvara
