#pragma once
// Entering channels on the channel page, and what its first example shows:
// shared by the channel page's window tests.

#include "testlines.h"
#include "windowtest.h"

#include "ChannelPage.h"
#include "Main.h"

#include <QImage>
#include <QMetaType>
#include <QStringList>
#include <QTabWidget>

#include <string>
#include <vector>

namespace fluvara::test {

inline const char* const InputFields[] = {"GQEdit", "GIeEdit", "GkstSEdit", "GkstUEdit", "GkstU2Edit", "GbEdit",
                                          "GhEdit", "GaEdit",  "GBSEdit",   "GbetaEdit", "GBS2Edit"};
inline const char* const ResultLabels[] = {"GQLabel",   "GIeLabel", "GkstDLabel", "GbLabel",   "GhLabel",
                                           "GaLabel",   "GBSLabel", "GbetaLabel", "GBS2Label", "GFtLabel",
                                           "GhgrLabel", "GvLabel",  "GvgrLabel",  "GAbfLabel"};

// One set of inputs; a bank given by its slope fills the slope field.
struct TChannelEntry {
    QString Q = "500";
    QString Is = "2";
    QString kstS = "30";
    QString kstU = "30";
    QString kstU2 = "30";
    QString b = "100";
    QString hp = "100";
    QString left = "45";
    QString right = "45";
    bool leftSlope = false;
    bool rightSlope = false;
};

// Q, Is, kst bottom, left, right, b, hp, left bank, right bank.
inline TChannelEntry Entry(const QStringList& t, bool leftSlope = false, bool rightSlope = false)
{
    return TChannelEntry{t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], leftSlope, rightSlope};
}

// The first example, with a bank given by its slope 1 : 1 when the field is a slope field.
inline TChannelEntry ExampleUsing(const QString& field)
{
    TChannelEntry entry;
    entry.leftSlope = field == "GBSEdit";
    entry.rightSlope = field == "GBS2Edit";
    if (entry.leftSlope)
        entry.left = "1";
    if (entry.rightSlope)
        entry.right = "1";
    return entry;
}

inline QWidget* ShowChannelPage(TRunningProgram& program)
{
    auto* pages = Find<QTabWidget>(&program.Main(), "PageControl1");
    pages->setCurrentIndex(2);
    return pages->currentWidget();
}

struct TNamedText {
    const char* name;
    const char* text;
};

inline bool Enabled(const QObject* root, const char* name) { return Find<QWidget>(root, name)->isEnabled(); }

// The colour of a field as painted, and as its palette holds it for the
// printouts and anything else that asks.
inline QColor FieldColor(const QObject* root, const char* name)
{
    auto* field = Find<QWidget>(root, name);
    const QImage image = field->grab().toImage();
    const QColor painted = image.pixelColor(image.width() - 2, image.height() / 2);
    const QColor held = field->palette().color(QPalette::Base);
    return painted == held ? painted : QColor();
}

inline void Enter(const QObject* page, const TChannelEntry& e)
{
    Click(page, e.leftSlope ? "RadioBtnGBS" : "RadioBtnGa");
    Click(page, e.rightSlope ? "RadioBtnGBS2" : "RadioBtnGbeta");
    TypeInto(page, "GQEdit", e.Q);
    TypeInto(page, "GIeEdit", e.Is);
    TypeInto(page, "GkstSEdit", e.kstS);
    TypeInto(page, "GkstUEdit", e.kstU);
    TypeInto(page, "GkstU2Edit", e.kstU2);
    TypeInto(page, "GbEdit", e.b);
    TypeInto(page, "GhEdit", e.hp);
    TypeInto(page, e.leftSlope ? "GBSEdit" : "GaEdit", e.left);
    TypeInto(page, e.rightSlope ? "GBS2Edit" : "GbetaEdit", e.right);
}

inline void Calculate(const QObject* page, const TChannelEntry& e)
{
    Enter(page, e);
    Click(page, "GFtBtn");
}

inline QStringList LabelTexts(const QObject* page)
{
    QStringList texts;
    for (const char* name : ResultLabels)
        texts << Text(page, name);
    return texts;
}

inline std::vector<std::string> ResultLines(const TRunningProgram& program)
{
    const TResultLines& table = program.ChannelPage().ResultLines();
    std::vector<std::string> lines;
    for (int i = 0; i < table.Count(); ++i)
        lines.push_back(table.Line(i));
    return lines;
}

// The labels of the first example: Q 500, Is 2, kst 30, b 100, hp 100, both banks at 45°.
inline const QStringList ExampleLabels = {
    "500 ", "2 ",    "30.0 ", "100 ",  "100 ",  "45 ",   "1.00 ",
    "45 ",  "1.00 ", "52.2 ", "26.9 ", "0.63 ", "1.46 ", QString::fromUtf8(" strömend")};

inline const std::vector<std::string>& ExampleLines = FirstChannelExampleLines();

}  // namespace fluvara::test

Q_DECLARE_METATYPE(fluvara::test::TChannelEntry)
