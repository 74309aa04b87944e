#pragma once
// The runs of the page " Kreisprofil Nachw. ": the full flow from d, kb, Is
// and the 95 % box, then the partial flow from Qt in the pipe of the last
// full-flow run. Each gives everything the page shows; a circular reach of a
// list runs the same.

#include "numberreading.h"
#include "pagerun.h"

#include "circle.h"
#include "circlesketch.h"
#include "resultlines.h"

#include <string>
#include <string_view>

namespace fluvara {

// The run's input fields, as TRunFailure::field.
enum TVerificationField : int { VerificationD, VerificationKb, VerificationIs, VerificationQt };

struct TFullFlowInput {
    std::string d;
    std::string kb;
    std::string Is;
    bool reduce95 = false;
};

// The texts of DNLabel, kbLabel, IeLabel, QvLabel and VvLabel.
struct TFullFlowLabels {
    std::string d;
    std::string kb;
    std::string Is;
    std::string Qv;
    std::string vv;
};

struct TFullFlowRun {
    // d, kb, Is in the page's order; when they pass, perhaps the
    // calculation's failure on d.
    TRunChecks checks;
    bool fieldsPassed = false;  // a failure then is the calculation's
    double dEntered = 0;        // mm, as typed
    double kb = 0;              // mm
    double Is = 0;              // per mille
    TCircleFullFlow flow;
    TFullFlowLabels labels;
    TCircleSketch sketch;  // the full pipe
};

TFullFlowRun RunFullFlow(const TFullFlowInput& input, TNumberReading read = PageReading);

// The texts of QtLabel, QtvLabel, FhLabel, htvLabel and VtLabel.
struct TPartialFlowLabels {
    std::string Qt;
    std::string qq;
    std::string h;
    std::string hd;
    std::string vt;
};

inline constexpr const char* NoFullFlowMessage = "Bitte zuerst die Vollfüllung berechnen";

struct TPartialFlowRun {
    // NoFullFlowMessage on d without a pipe; the check of Qt against the
    // full flow; the calculation's failure on Qt.
    TRunChecks checks;
    double Qt = 0;  // l/s
    TCirclePartialFlow flow;
    TPartialFlowLabels labels;
    TCircleSketch sketch;  // the pipe filled to h
    // Qt above the full flow: the page refuses it (see checks); a list notes
    // the overload with Qt/Qv in percent as the Qt/Qv label would show it,
    // "" when the ratio is beyond any number.
    bool overloaded = false;
    std::string overloadRatio;
};

// full: the last successful full-flow run while its pipe may be filled,
// nullptr after the page was cleared or took over other inputs.
TPartialFlowRun RunPartialFlow(const TFullFlowRun* full, std::string_view Qt, TNumberReading read = PageReading);

// The result lines the page writes for a successful full-flow run (lines 0
// to 10, 11 to 16 empty), and with a partial-flow run in its pipe. Written on
// demand: a list shows none of them and would pay for them on every row.
TResultLines CircleResultLines(const TFullFlowRun& full);
TResultLines CircleResultLines(const TFullFlowRun& full, const TPartialFlowRun& partial);

}  // namespace fluvara
