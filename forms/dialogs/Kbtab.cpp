#include "Kbtab.h"
#include "ui_Kbtab.h"

#include "FormStyle.h"

#include <iterator>

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

}  // namespace

TkbForm::TkbForm(QWidget* parent) : TFixedDialog(parent), ui(std::make_unique<Ui::TkbForm>())
{
    ui->setupUi(this);
    SetUpFrame("MS Sans Serif", 11);
    SetPixelHeight(ui->Button1, 13);
    SetUpTableGrid(ui->kbStrGrid, ColumnPixels);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
}

TkbForm::~TkbForm() = default;

void TkbForm::FormActivate()
{
    WriteGrid(ui->kbStrGrid, int(std::size(KbTable)),
              [](int r, int c) { return PaddedCell(KbTable[r][c], ColumnChars[c]); });
}

}  // namespace fluvara
