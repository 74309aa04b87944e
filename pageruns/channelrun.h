#pragma once
// The channel page's run: from its input fields to everything the page
// shows. A channel reach of a list calls the same run, so that a list row is
// the page's result by construction.

#include "numberreading.h"
#include "pagerun.h"

#include "channel.h"
#include "channelsketch.h"
#include "numbercheck.h"
#include "resultlines.h"

#include <string>
#include <string_view>

namespace fluvara {

// The run's input fields in the page's checking order; a bank counts as the
// field of the form it is given in. TRunFailure::field holds one of these.
enum TChannelRunField : int {
    ChannelRunQ,
    ChannelRunIs,
    ChannelRunKstBottom,
    ChannelRunKstLeft,
    ChannelRunKstRight,
    ChannelRunB,
    ChannelRunHp,
    ChannelRunLeftAngle,
    ChannelRunLeftSlope,
    ChannelRunRightAngle,
    ChannelRunRightSlope,
    ChannelRunFieldCount
};

// A bank in the form the user chose, with the number of that form.
struct TRunBank {
    TBankForm form = TBankForm::ByAngle;
    TRunNumber field;
};

struct TChannelRunInputs {
    TRunNumber Q, Is, kstBottom, kstLeft, kstRight, b, hp;
    TRunBank left, right;
};

// The texts of the page's fields; of a bank only the field of its form counts.
struct TChannelPageTexts {
    std::string Q, Is, kstBottom, kstLeft, kstRight, b, hp;
    TBankForm leftForm = TBankForm::ByAngle;
    std::string leftAngle, leftSlope;
    TBankForm rightForm = TBankForm::ByAngle;
    std::string rightAngle, rightSlope;
};

TChannelRunInputs ReadChannelPage(const TChannelPageTexts& texts);

// The result labels as the page shows them, padding included: the inputs
// echoed as their working texts, each bank in both forms.
struct TChannelLabelTexts {
    std::string Q, Is, kstMean, b, hp;
    std::string leftAngle, leftSlope, rightAngle, rightSlope;
    std::string h, v, hgr, vgr, regime;
};

struct TChannelRun {
    // Every failing field in the page's order; a calculation that refuses the
    // inputs fails on the discharge, where the page puts the focus.
    TRunChecks checks;
    // Every field passed its check (the calculation may still have refused).
    bool fieldsPassed = false;
    // The rest holds a result only when the checks passed.
    TChannelInput input;
    TChannelResult result;
    TChannelLabelTexts labels;
    TResultLines lines = MakeChannelResultLines();
    TChannelSketch sketch;  // LabelsOnly cleared

    bool Passed() const { return checks.Passed(); }
};

TChannelRun RunChannel(const TChannelRunInputs& inputs);
inline TChannelRun RunChannel(const TChannelPageTexts& texts) { return RunChannel(ReadChannelPage(texts)); }

}  // namespace fluvara
