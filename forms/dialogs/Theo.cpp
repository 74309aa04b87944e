#include "Theo.h"
#include "ui_Theo.h"

#include "FormStyle.h"

#include <QTextCursor>

#include <iterator>

namespace fluvara {

namespace {

constexpr int BoldLine = 1;  // the heading, counted from 0

constexpr const char* TheoLines[] = {
    "  ",
    "  Nachweis und Bemessung von Kreisprofilrohren",
    "  ",
    "  Bei Verwendung des Pauschalkonzeptes ( mit betrieblicher Rauheit kb ) ist folgendes zu beachten :",
    "  ",
    "  1.  Bemessung",
    "  ",
    "  Der Bemessungsabfluß soll das Abflußvermögen des Kanals nur zu 90 % ausschöpfen ( Q,Bem =  Q,vorh / 0,9 ).",
    "  Durch Anschalten des Buttons auf der Registerseite wird bei der Berechnung diese Vorgabe berücksichtigt.",
    "  ",
    "  2.  Nachweis",
    "  ",
    "  Es ist die tatsächliche mittlere lichte Weite des Kanals zu nehmen. Ist diese nicht bekannt, kann statt dessen 95%",
    "  der Nennweite angesetzt werden.",
    "  Durch Anschalten des Buttons auf der Registerseite wird bei der Berechnung diese Vorgabe berücksichtigt.",
    "  ",
    "  3.  Auf die gesonderte Berechnung von Ein- und Auslaufverlusten bei Vereinigungsbauwerken kann verzichtet werden,",
    "       wenn entweder ",
    "  ",
    "       - der Sohlsprung im Bauwerk mindestens d/20 des abgehenden Kanals beträgt",
    "       - die Auslastung des abgehenden Kanals nur 85% des Abflußvermögens beträgt",
    "  ",
    "  4.  Ein- und Auslaufverluste von Drosselstrecken, Druckrohrleitungen und Dükern sind in jedem Fall anzusetzen.",
    "  ",
    "  ",
    "  Zur Teilfüllung ist zu bemerken :",
    "  ",
    "  Die Teilfüllungskurven werden bei Qt/Qv = 1,0 abgebrochen ( dies entspricht einer relativen max.Füllhöhe",
    "  von h/d = 0,827 ), da bei h/d > 0,827 z.B. durch Zuschlagen der Kanäle infolge mangelnder Belüftung oder",
    "  durch andere Störungen keine stabilen Strömungszustände mehr zu erwarten sind.",
    "  ",
    "  Bem.: Bei der Bemessung wird das Eingabefeld h/d [%] mit dem Maximalwert von 82,7 % vorbelegt.",
    "  ",
    "  Näheres dazu kann im Arbeitsblatt A110 der ATV nachgelesen werden.",
    "  ",
};
static_assert(std::size(TheoLines) == 35);

}  // namespace

TTheoForm::TTheoForm(QWidget* parent) : TFixedDialog(parent), ui(std::make_unique<Ui::TTheoForm>())
{
    ui->setupUi(this);
    SetUpFrame("MS Sans Serif", 11);
    SetPixelHeight(ui->TheoBtn, 13);
    SetFieldColor(ui->TheoREdit, FieldGreyColor);
    SetTextColor(ui->TheoREdit, Qt::black);
    connect(ui->TheoBtn, &QPushButton::clicked, this, &QDialog::accept);
    FormCreate();
}

TTheoForm::~TTheoForm() = default;

// Appends the lines once; only the heading is set in bold.
void TTheoForm::FormCreate()
{
    QTextCursor cursor(ui->TheoREdit->document());
    const QTextCharFormat plain = cursor.charFormat();
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    for (int i = 0; i < int(std::size(TheoLines)); ++i) {
        if (i > 0)
            cursor.insertBlock(cursor.blockFormat(), plain);
        cursor.insertText(QString::fromUtf8(TheoLines[i]), i == BoldLine ? bold : plain);
    }
    ui->TheoREdit->moveCursor(QTextCursor::Start);
}

// The arrow and page keys scroll the text at once.
void TTheoForm::FormActivate() { ui->TheoREdit->setFocus(); }

}  // namespace fluvara
