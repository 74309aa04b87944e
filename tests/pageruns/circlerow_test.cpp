// A circular reach of a list against the pages: for the same inputs the row
// shows what the design and verification pages show, label by label, and
// fails with the messages the pages show.

#include "calcerror.h"
#include "designrun.h"
#include "reach.h"
#include "verificationrun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>

namespace fluvara {
namespace {

enum class TRow { Calculated, Overloaded, Refused };

struct RowCase {
    // Haltung, d, kb, Is, Q, 95%, h/d zul, Q/0,9
    std::array<std::string, CircleFieldCount> fields;
    TRow outcome;
};

std::string Trimmed(const std::string& label) { return std::string(TrimBlanks(label)); }

constexpr int VerificationCells[] = {CircleD, CircleKb, CircleIs, CircleQ};
constexpr int DesignCells[] = {CircleQ, CircleHdPermitted, CircleKb, CircleIs};

// The row's cells of a page's failures, in the page's order.
std::vector<int> Cells(const TRunChecks& checks, const int* cells)
{
    std::vector<int> fields;
    for (const TRunFailure& f : checks.failures)
        fields.push_back(cells[f.field]);
    return fields;
}

std::vector<int> Cells(const TReachOutcome& row)
{
    std::vector<int> fields;
    for (const TCellError& e : row.errors)
        fields.push_back(e.field);
    return fields;
}

// The row refused with the page's first message, its failing cells first.
void ExpectRefusedAsThePage(const TReachOutcome& row, const TRunChecks& page, const int* cells, TRow expected)
{
    EXPECT_EQ(expected, TRow::Refused);
    ASSERT_FALSE(page.Passed());
    EXPECT_TRUE(row.refused);
    EXPECT_EQ(row.status, page.First().message);
    const std::vector<int> pageCells = Cells(page, cells);
    const std::vector<int> rowCells = Cells(row);
    ASSERT_GE(rowCells.size(), pageCells.size());
    EXPECT_TRUE(std::equal(pageCells.begin(), pageCells.end(), rowCells.begin()));
    for (std::size_t i = 0; i < page.failures.size(); ++i)
        EXPECT_EQ(row.errors[i].message, page.failures[i].message);
    for (const std::string& result : row.results)
        EXPECT_EQ(result, "");
}

// Runs the pages as a user would for the row's inputs: the design page when a
// permitted filling is given, then the verification page on the typed d or
// the row's nominal size, then its partial flow with Q. The first page that
// fails refuses the row; else every label stands in its column.
void ExpectThePagesTexts(const RowCase& c)
{
    const auto& f = c.fields;
    const TReachOutcome row = CalculateCircleReach(f, TReachOptions{});
    EXPECT_EQ(row.results.size(), std::size_t(CircleResultCount));
    EXPECT_EQ(row.refused, !row.errors.empty());
    const bool designed = !f[CircleHdPermitted].empty();

    std::optional<TDesignRun> design;
    std::string d = f[CircleD];
    if (designed) {
        design = RunDesign({f[CircleQ], f[CircleHdPermitted], f[CircleKb], f[CircleIs], f[CircleUse09] != "nein"});
        if (!design->checks.Passed())
            return ExpectRefusedAsThePage(row, design->checks, DesignCells, c.outcome);
        if (d.empty())
            d = row.results[CircleDN];  // the list's nominal size
    }
    const TFullFlowRun full = RunFullFlow({d, f[CircleKb], f[CircleIs], f[CircleReduce95] == "ja"});
    if (!full.checks.Passed())
        return ExpectRefusedAsThePage(row, full.checks, VerificationCells, c.outcome);
    std::optional<TPartialFlowRun> partial;
    if (!f[CircleQ].empty()) {
        partial = RunPartialFlow(&full, f[CircleQ]);
        if (!partial->overloaded && !partial->checks.Passed())
            return ExpectRefusedAsThePage(row, partial->checks, VerificationCells, c.outcome);
        if (partial->overloaded && partial->overloadRatio.empty()) {
            // a ratio beyond any number: the list refuses what no page can show
            EXPECT_EQ(c.outcome, TRow::Refused);
            EXPECT_TRUE(row.refused);
            EXPECT_EQ(row.status, NotFiniteMessage);
            EXPECT_EQ(Cells(row), std::vector<int>{CircleQ});
            return;
        }
    }

    if (design) {
        EXPECT_EQ(row.results[CircleDRequired], Trimmed(design->labels.D));
        EXPECT_GE(std::stod(row.results[CircleDN]), design->design.D);
    } else {
        EXPECT_EQ(row.results[CircleDRequired], "");
        EXPECT_EQ(row.results[CircleDN], "");
    }
    EXPECT_EQ(row.results[CircleClearWidth], Trimmed(full.labels.d));
    EXPECT_EQ(row.results[CircleQv], Trimmed(full.labels.Qv));
    EXPECT_EQ(row.results[CircleVv], Trimmed(full.labels.vv));
    const TPartialFlowLabels none;
    const TPartialFlowLabels& labels = partial && !partial->overloaded ? partial->labels : none;
    EXPECT_EQ(row.results[CircleH], Trimmed(labels.h));
    EXPECT_EQ(row.results[CircleHd], Trimmed(labels.hd));
    EXPECT_EQ(row.results[CircleQq],
              partial && partial->overloaded ? Trimmed(partial->overloadRatio) : Trimmed(labels.qq));
    EXPECT_EQ(row.results[CircleVt], Trimmed(labels.vt));
    EXPECT_FALSE(row.refused);
    if (partial && partial->overloaded) {
        // the page refuses the discharge, the list notes the overload
        EXPECT_EQ(c.outcome, TRow::Overloaded);
        EXPECT_EQ(partial->checks.First().message, PartialDischargeRule(full.flow.Qv).rangeMessage);
        EXPECT_EQ(row.status, "überlastet (Qt/Qv = " + Trimmed(partial->overloadRatio) + " %)");
    } else {
        EXPECT_EQ(c.outcome, TRow::Calculated);
        EXPECT_EQ(row.status, "berechnet");
    }
}

TEST(CircleRow, ShowsWhatThePagesShow)
{
    using enum TRow;
    // clang-format off
    const RowCase cases[] = {
        // full flow only, and the 95 % box
        {{"V1", "300", "1,5", "5", "", "", "", ""}, Calculated},
        {{"V2", "300", "1,5", "5", "", "ja", "", ""}, Calculated},
        {{"V3", "300,0", "1.5", "5", "", "nein", "", ""}, Calculated},
        {{"V4", "1000", "0.75", "2", "", "", "", ""}, Calculated},
        {{"V5", "3000", "1,5", "500", "", "", "", ""}, Calculated},
        // partial flow, up to exactly the full flow
        {{"T1", "300", "1,5", "5", "40", "", "", ""}, Calculated},
        {{"T2", "300", "1,5", "5", "40", "ja", "", ""}, Calculated},
        {{"T3", "300", "1,5", "5", "69,12", "", "", ""}, Calculated},
        {{"T4", "800", "0,25", "0,1", "1", "", "", ""}, Calculated},
        // overload, and a ratio beyond any number
        {{"U1", "300", "1,5", "5", "70", "", "", ""}, Overloaded},
        {{"U2", "300", "1,5", "5", "100", "ja", "82,7", "ja"}, Overloaded},
        {{"U3", "100", "0,25", "0,1", std::string(400, '9'), "", "", ""}, Refused},
        // each field of the verification failing
        {{"F1", "", "1,5", "5", "", "", "", ""}, Refused},
        {{"F2", "-5", "1,5", "5", "", "", "", ""}, Refused},
        {{"F3", "5-", "1,5", "5", "", "", "", ""}, Refused},
        {{"F4", "99.9", "1,5", "5", "", "", "", ""}, Refused},
        {{"F5", "300", "0,2", "5", "", "", "", ""}, Refused},
        {{"F6", "300", "+1", "5", "", "", "", ""}, Refused},
        {{"F7", "300", "1,5", "500.1", "", "", "", ""}, Refused},
        {{"F8", "300", "1,5", "5e2", "", "", "", ""}, Refused},
        {{"F9", "20", "7", "0", "", "", "", ""}, Refused},
        {{"F10", "", "", "", "", "", "", ""}, Refused},
        {{"Q1", "300", "1,5", "5", "0,9", "", "", ""}, Refused},
        {{"Q2", "300", "1,5", "5", "-4", "", "", ""}, Refused},
        {{"Q3", "300", "1,5", "5", "4a", "", "", ""}, Refused},
        {{"Q4", "100", "0,25", "0,1", "0,5", "", "", ""}, Refused},
        // design without d: verification on the nominal size
        {{"B1", "", "1,5", "5", "100", "", "82,7", ""}, Calculated},
        {{"B2", "", "1,5", "5", "100", "", "82,7", "nein"}, Calculated},
        {{"B3", "", "1,5", "5", "100", "ja", "82,7", ""}, Calculated},
        {{"B4", "", "1,5", "5", "100", "", "50", "ja"}, Calculated},
        {{"B5", "", "0,25", "500", "1", "", "82,7", "nein"}, Calculated},
        {{"B6", "", "1,5", "5", "42,58", "", "82,7", "nein"}, Calculated},
        // design with d: the typed d is verified
        {{"B7", "400", "1,5", "5", "100", "", "82,7", ""}, Calculated},
        {{"B8", "300", "1,5", "5", "100", "", "82,7", "ja"}, Overloaded},
        // each field of the design failing, in the design page's order
        {{"E1", "", "1,5", "5", "", "", "82,7", ""}, Refused},
        {{"E2", "", "1,5", "5", "100", "", "82,8", ""}, Refused},
        {{"E3", "", "2", "5", "100", "", "82,7", ""}, Refused},
        {{"E4", "", "1,5", "0", "100", "", "82,7", ""}, Refused},
        {{"E5", "", "1,5", "5", "5001", "", "82,7", ""}, Refused},
        {{"E6", "", "2", "0", "", "", "9", ""}, Refused},
        // the design passes, the typed d fails
        {{"E7", "50", "1,5", "5", "100", "", "82,7", ""}, Refused},
    };
    // clang-format on
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.fields[CircleName]);
        ExpectThePagesTexts(c);
    }
}

// What a list refuses that a page reads, and its yes/no cells: the row's own
// rules beside the pages'.
TEST(CircleRow, KeepsTheListsOwnRules)
{
    const struct {
        std::array<std::string, CircleFieldCount> fields;
        int cell;
    } cases[] = {
        {{"", "0,5.3", "1,5", "5", "", "", "", ""}, CircleD},
        {{"", "300", "1,5", "1.234,5", "", "", "", ""}, CircleIs},
        {{"", "300", "1,5", "5", "2.500", "", "", ""}, CircleQ},
        {{"", "300", "1,5", "5", "", "vielleicht", "", ""}, CircleReduce95},
        {{"", "", "1,5", "5", "100", "", "82,7", "jein"}, CircleUse09},
    };
    for (const auto& c : cases) {
        const TReachOutcome row = CalculateCircleReach(c.fields, TReachOptions{});
        EXPECT_TRUE(row.refused) << c.cell;
        ASSERT_EQ(row.errors.size(), 1u) << c.cell;
        EXPECT_EQ(row.errors[0].field, c.cell);
    }
    // the pages read the refused numbers
    EXPECT_TRUE(RunFullFlow({"300", "1,5", "1.234,5", false}).checks.Passed());
    const TFullFlowRun full = RunFullFlow({"300", "1,5", "5", false});
    EXPECT_TRUE(RunPartialFlow(&full, "2.500").checks.Passed());
}

}  // namespace
}  // namespace fluvara
