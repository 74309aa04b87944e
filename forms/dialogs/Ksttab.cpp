#include "Ksttab.h"
#include "ui_Ksttab.h"

#include "FormStyle.h"

#include <iterator>
#include <string_view>

namespace fluvara {

namespace {

// Material (only in the first row of its materials), description, kst range.
struct TKstRow {
    const char* material;
    const char* description;
    const char* kst;
};

constexpr std::size_t GroupRows = 18;
constexpr int MaterialChars = 14;
constexpr int DescriptionChars = 45;
constexpr int KstChars = 10;
constexpr int ColumnPixels[3] = {88, 284, 88};

constexpr const char* Footnote = " * = kst-Wert enthält Unregelmäßigkeits-Einflüsse!";

constexpr TKstRow Heading = {"Material", " Nähere Beschreibung", "kst [m1/3/s]"};
constexpr TKstRow Empty = {"", "", ""};
constexpr TKstRow FootnoteRow = {"", Footnote, ""};

constexpr TKstRow EarthGroup[] = {
    Heading,
    Empty,
    {"Erde", " fest, fein", "50"},
    {"", " mit Fein- bis Mittelkies", "40 -  45"},
    {"", " mit Grobkies", "35"},
    {"", " grob, schollig", "30"},
    {"", " mit groben Steinen ausgelegt", "25 -  30"},
    {"", " Erdkanäle und Gräben - stark bewachsen", "20 -  25 *"},
    {"", " natürl.Flußbetten - mit fester Sohle", "40 *"},
    {"", " natürl.Flußbetten - mäßiger Geschiebetrieb", "33 -  35 *"},
    {"", " natürl.Flußbetten - Ufer verkrautet", "30 -  35 *"},
    {"", " natürl.Flußbetten - mit Geröll", "30"},
    {"", " natürl.Flußbetten - starker Geschiebetrieb", "28 *"},
    {"", " Vorland - uneben, bewachsen", "15 -  25 *"},
    {"", " Wildbäche mit grobem Geröll im Ruhezustand", "25 -  28 *"},
    {"", " Wildbäche mit grobem Geröll in Bewegung", "19 -  22 *"},
    Empty,
    FootnoteRow,
};
static_assert(std::size(EarthGroup) == GroupRows);

constexpr TKstRow ConcreteGroup[] = {
    Heading,
    Empty,
    {"Beton", " mit Zementglattstrich", "100"},
    {"", " mit Stahlschalung", "90 - 100"},
    {"", " mit Holzschalung", "65 -  70"},
    {"", " geglättet", "90"},
    {"", " Stampfbeton", "60 -  70"},
    {"", " grobe Betonauskleidung - alter Beton", "50 -  55"},
    Empty,
    {"Stahl", " neu, sehr glatt", "100"},
    {"", " alt, verkrustet und verrostet", "60 -  78"},
    {"", " Blech - geschweißt", "80 -  90"},
    {"", " Blech - genietet, nicht versenkte Köpfe", "65 -  70"},
    Empty,
    {"Gußeisen", " neu", "90"},
    Empty,
    Empty,
    Empty,
};
static_assert(std::size(ConcreteGroup) == GroupRows);

constexpr TKstRow WoodRockGroup[] = {
    Heading,
    Empty,
    {"Holz", " Bretter - gehobelt", "85 -  90"},
    {"", " Bretter - ungehobelt", "75 -  85"},
    {"", " Holzgerinne - alt", "65 -  70"},
    {"", " Holzgerinne - neu, glatt", "90 -  95"},
    Empty,
    {"Felsausbruch", " sorgfältig bearbeitet", "60"},
    {"", " gut bearbeitet oder gebohrt", "45 -  50"},
    {"", " mittelgrob", "25 -  30"},
    {"", " grob", "15 -  20 *"},
    {"", " roh, mit Betonsohle", "40 -  50 *"},
    Empty,
    Empty,
    Empty,
    Empty,
    Empty,
    FootnoteRow,
};
static_assert(std::size(WoodRockGroup) == GroupRows);

constexpr TKstRow MasonryGroup[] = {
    Heading,
    Empty,
    {"Asphalt", " Werkkanäle aus Walzgußasphalt", "70 -  75"},
    {"", " Kanäle aus Asphaltbeton", "72 -  77"},
    Empty,
    {"Asphalt-Zement", " Auskleidungen", "100"},
    Empty,
    {"Asbest-Zement", " altersabhängig", "85 - 100"},
    Empty,
    {"Mauerwerk", " Ziegelmauerwerk - gut gefugt", "75 -  80"},
    {"", " Mauerwerk - normal", "60 -  70"},
    Empty,
    {"Naturstein", " Hausteinquader", "70 -  80"},
    {"", " Sorgfältiges Bruchsteinmauerwerk", "70"},
    {"", " Normales Bruchsteinmauerwerk", "60"},
    {"", " Grobes Bruchsteinmauerwerk", "50"},
    // One entry over two lines: the value stands beside the second.
    {"", " Bruchsteinböschungen - gepflastert, mit", ""},
    {"", " Sand oder Kiessohle", "45 -  50"},
};
static_assert(std::size(MasonryGroup) == GroupRows);

QString Padded(const char* text, int width) { return QString::fromUtf8(text).leftJustified(width, QLatin1Char(' ')); }

QString CellText(const TKstRow& row, int column)
{
    if (column == 0)
        return Padded(row.material, MaterialChars);
    if (column == 1)
        return Padded(row.description, DescriptionChars);
    // The footnote's long description takes the room of the value, whose cell keeps four blanks.
    if (std::string_view(row.description) == Footnote)
        return QString(4, QLatin1Char(' '));
    return Padded(row.kst, KstChars);
}

// Overwrites every cell, so nothing of the group shown before remains.
void FillGrid(QTableWidget* grid, const TKstRow* group)
{
    WriteGrid(grid, int(GroupRows), [group](int r, int c) { return CellText(group[r], c); });
}

}  // namespace

TkstForm::TkstForm(QWidget* parent) : TFixedDialog(parent), ui(std::make_unique<Ui::TkstForm>())
{
    ui->setupUi(this);
    SetUpFrame("MS Sans Serif", 11);
    SetPixelHeight(ui->Button1, 13);
    SetUpTableGrid(ui->kstStrGrid, ColumnPixels);
    connect(ui->SpBtn3v4, &QPushButton::clicked, this, &TkstForm::SpBtn3v4Click);
    connect(ui->xSpBtn1v4, &QPushButton::clicked, this, &TkstForm::xSpBtn1v4Click);
    connect(ui->xSpBtn4v4, &QPushButton::clicked, this, &TkstForm::xSpBtn4v4Click);
    connect(ui->xSpBtn2v4, &QPushButton::clicked, this, &TkstForm::xSpBtn2v4Click);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
}

TkstForm::~TkstForm() = default;

void TkstForm::FormActivate()
{
    setWindowTitle(QString::fromUtf8("  kst-Werte  "));
    FillGrid(ui->kstStrGrid, EarthGroup);
}

void TkstForm::SpBtn3v4Click() { FillGrid(ui->kstStrGrid, EarthGroup); }
void TkstForm::xSpBtn1v4Click() { FillGrid(ui->kstStrGrid, ConcreteGroup); }
void TkstForm::xSpBtn4v4Click() { FillGrid(ui->kstStrGrid, WoodRockGroup); }
void TkstForm::xSpBtn2v4Click() { FillGrid(ui->kstStrGrid, MasonryGroup); }

}  // namespace fluvara
