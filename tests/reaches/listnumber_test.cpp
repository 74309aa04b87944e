// Number cells of a list: read as the pages read them, except the texts the
// pages' rule would misread, which a list refuses with a message.
#include "reach.h"
#include "rowcheck.h"

#include <gtest/gtest.h>

namespace fluvara {
namespace {

std::string Several(const std::string& subject, const std::string& text)
{
    return subject + " „" + text + "“ hat mehr als ein Trennzeichen: nur ein Dezimalkomma oder -punkt ist erlaubt";
}

std::string Grouped(const std::string& subject, const std::string& text, const std::string& plain)
{
    return subject + " „" + text + "“ hat Tausenderpunkte: ohne sie " + plain + " schreiben";
}

std::string Ambiguous(const std::string& subject, const std::string& text, const std::string& whole,
                      const std::string& decimal)
{
    return subject + " „" + text + "“ ist mehrdeutig: Tausender- oder Dezimalpunkt? " + whole + " oder " + decimal +
        " schreiben";
}

std::vector<std::string> Circle(const char* d, const char* kb, const char* Q)
{
    return {"H", d, kb, "5", Q, "", "", ""};
}
std::vector<std::string> Design(const char* Q) { return {"B", "", "1,5", "5", Q, "", "82,7", ""}; }
std::vector<std::string> Channel(const char* Q, const char* bank)
{
    return {"G", Q, "2", "30", "30", "30", "100", "100", bank, "45"};
}

struct RowCase {
    TReachKind kind;
    std::vector<std::string> fields;
    std::string status;
};

TEST(ListNumbers, RowsRefuseSeveralSeparatorsAndThreeDigitsAfterAPoint)
{
    constexpr TReachKind C = TReachKind::Circle, G = TReachKind::Channel;
    const RowCase cases[] = {
        // typos the pages read as their leading number (0.5, 1.2, 1)
        {C, Circle("300", "1,5", "0,5.3"), Several("Qt-Wert", "0,5.3")},
        {C, Circle("300", "1,2,5", "40"), Several("kb-Wert", "1,2,5")},
        {C, Circle("300", "1,5", "1,234.5"), Several("Qt-Wert", "1,234.5")},
        {G, Channel("500", "45,0.0°"), Several("Winkel links", "45,0.0")},
        {C, Circle("300", "1,5", "1.234,"), Several("Qt-Wert", "1.234,")},
        {C, Circle("300", "1,5", "0.250.000"), Several("Qt-Wert", "0.250.000")},
        // a German spreadsheet's thousands grouping, which the pages read as 1.234 and 2.5
        {C, Circle("300", "1,5", "1.234,5"), Grouped("Qt-Wert", "1.234,5", "1234,5")},
        {G, Channel("2.500.000", "45"), Grouped("Q-Wert", "2.500.000", "2500000")},
        {C, Circle("300", "1,5", "2.500"), Ambiguous("Qt-Wert", "2.500", "2500", "2,500")},
        {C, Circle("300", "1,5", "40.000"), Ambiguous("Qt-Wert", "40.000", "40000", "40,000")},
        {C, Circle("1.200", "1,5", ""), Ambiguous("d-Wert", "1.200", "1200", "1,200")},
        {C, Design("2.500"), Ambiguous("Q-Wert", "2.500", "2500", "2,500")},
        {G, Channel("12.500", "45"), Ambiguous("Q-Wert", "12.500", "12500", "12,500")},
        {G, Channel("500", "1:1.500"), Ambiguous("Steigung links", "1.500", "1500", "1,500")},
        // every other text as on the pages
        {C, Circle("300", "1,5", "40,00"), "berechnet"},
        {C, Circle("300.0", "1.50", "40.0"), "berechnet"},
        {C, Circle("300", "0.250", "40"), "berechnet"},
        {C, Circle("1234.500", "1,5", ""), "berechnet"},
        {G, Channel("500", "1:1,5"), "berechnet"},
        {C, Circle("300", "1,5", "-2.500"), "Qt-Wert darf nicht negativ sein"},
        {C, Circle("300", "1,5", "2.500x"), "Qt-Wert ist nicht nummerisch"},
        {C, Circle("300", "1,5", " 1.234,5"), "Qt-Wert ist nicht nummerisch"},
    };
    for (const RowCase& c : cases) {
        const TReachOutcome o = CalculateReach(c.kind, c.fields, TReachOptions{});
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.refused, c.status != "berechnet") << c.status;
    }
}

struct NumberCase {
    const char* text;
    bool refused;
    const char* working;
    double value;
};

TEST(ListNumbers, ReadAsThePagesReadUnlessRefused)
{
    // clang-format off
    const NumberCase cases[] = {
        {"300",       false, "300",       300},
        {"1,5",       false, "1.5",       1.5},
        {"1.5",       false, "1.5",       1.5},
        {"1,2",       false, "1.2",       1.2},
        {"2,500",     false, "2.500",     2.5},
        {"0.250",     false, "0.250",     0.25},
        {",500",      false, ".500",      0.5},
        {"2.5000",    false, "2.5000",    2.5},
        {"1234.500",  false, "1234.500",  1234.5},
        {"5.",        false, "5.",        5},
        {"",          false, "",          0},
        {".",         false, ".",         0},
        {"2.500",     true,  "",          0},
        {"999.999",   true,  "",          0},
        {"1.000.000", true,  "",          0},
        {"1.234,5",   true,  "",          0},
        {"1.2.3",     true,  "",          0},
        {"12.34,5",   true,  "",          0},
        {"1.2345,6",  true,  "",          0},
        {"..",        true,  "",          0},
    };
    // clang-format on
    for (const NumberCase& c : cases) {
        const TListNumber n = ReadListNumber(c.text);
        EXPECT_EQ(!n.refusal.empty(), c.refused) << c.text;
        EXPECT_EQ(n.check, c.refused ? CheckNotNumeric : CheckNumeric) << c.text;
        EXPECT_DOUBLE_EQ(n.value, c.value) << c.text;
        if (!c.refused) {
            EXPECT_EQ(n.working, c.working) << c.text;
        }
    }
}

}  // namespace
}  // namespace fluvara
