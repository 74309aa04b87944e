#include "Kbtab.h"
#include "ui_Kbtab.h"

#include "FormStyle.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>

namespace fluvara {

namespace {

constexpr int ColumnChars[3] = {8, 44, 13};
constexpr int ColumnPixels[3] = {64, 287, 78};

// kb value, kind of line, remark; row 0 is the heading.
constexpr const char* KbTable[19][3] = {
    {"kb [mm]", "Anwendung für", "Bem."},
    {"", "", ""},
    {"0,25", "Drosselstrecken, Druckrohrleitungen, Düker", "alle DN"},
    {"", "und Reliningstrecken ohne Schächte", ""},
    {"", "", ""},
    {"0,50", "Transportkanäle mit Schächten", "alle DN"},
    {"", "", ""},
    {"0,75", "Sammelkanäle und -leitungen mit Schächten", "bis DN 1000"},
    {"", "oder mit angeformten Schächten", "alle DN"},
    {"", "Transportkanäle mit Sonderschächten bzw.", "alle DN"},
    {"", "angeformten Schächten", ""},
    {"", "", ""},
    {"1,50", "Sammelkanäle und -leitungen mit", "alle DN"},
    {"", "Sonderschächten", ""},
    {"", "Mauerwerkskanäle, Ortbetonkanäle, Kanäle", "alle DN"},
    {"", "aus nicht genormten Rohren ohne besonderen", ""},
    {"", "Nachweis der Wandrauheit", ""},
    {"", "", ""},
    {"", "", ""},
};

// One blank, the text, blanks up to the column's width in characters.
QString PaddedCell(const char* text, int width)
{
    return (QLatin1Char(' ') + QString::fromUtf8(text)).leftJustified(width, QLatin1Char(' '));
}

} // namespace

TkbForm::TkbForm(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TkbForm>())
{
    ui->setupUi(this);
    SetBackground(this, SilverColor);
    SetPixelFont(this, "MS Sans Serif", 11);
    SetPixelHeight(ui->Button1, 13);
    // The grid is disabled only to keep it from taking focus and clicks; it reads as black on silver.
    SetFieldColor(ui->kbStrGrid, SilverColor);
    SetTextColor(ui->kbStrGrid, Qt::black);
    for (int c = 0; c < 3; ++c)
        ui->kbStrGrid->setColumnWidth(c, ColumnPixels[c]);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
}

TkbForm::~TkbForm() = default;

void TkbForm::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TkbForm::FormActivate()
{
    QTableWidget* grid = ui->kbStrGrid;
    for (int r = 0; r < grid->rowCount() && r < 19; ++r)
        for (int c = 0; c < 3; ++c)
            grid->setItem(r, c, new QTableWidgetItem(PaddedCell(KbTable[r][c], ColumnChars[c])));
}

} // namespace fluvara
