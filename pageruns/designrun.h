#pragma once
// The run of the page " Kreisprofil Bem. ": the required inner diameter of a
// circular pipe from Q, the permitted filling h/d, kb and Is. It gives
// everything the page shows; a circular reach of a list runs the same.

#include "numberreading.h"
#include "pagerun.h"

#include "circle.h"
#include "circlesketch.h"

#include <string>

namespace fluvara {

// The run's input fields, as TRunFailure::field.
enum TDesignField : int { DesignQ, DesignHd, DesignKb, DesignIs };

struct TDesignInput {
    std::string Q;
    std::string hd;
    std::string kb;
    std::string Is;
    bool use09 = true;  // designs for Q / 0.9
};

// The texts of BQtLabel, BhdLabel, BkbLabel, BIeLabel, BDNLabel, BFhLabel,
// BQvLabel, BVvLabel, BVtLabel and BVQLabel.
struct TDesignLabels {
    std::string Q;
    std::string hd;
    std::string kb;
    std::string Is;
    std::string D;
    std::string h;
    std::string Qv;
    std::string vv;
    std::string vt;
    std::string qq;
};

struct TDesignRun {
    // Q, h/d, kb, Is in the page's order; when they pass, perhaps the
    // calculation's failure on Q.
    TRunChecks checks;
    bool fieldsPassed = false;  // a failure then is the calculation's
    TCircleDesign design;
    TDesignLabels labels;
    TCircleSketch sketch;  // the designed pipe, partly filled
};

TDesignRun RunDesign(const TDesignInput& input, TNumberReading read = PageReading);

}  // namespace fluvara
