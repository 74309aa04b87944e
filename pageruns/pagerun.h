#pragma once
// What a page's run found wrong with its inputs: every failing field in the
// order the page checks them. The page shows the first message and puts the
// focus on its field; a list row marks every failing cell.

#include <string>
#include <vector>

namespace fluvara {

struct TRunFailure {
    int field = -1;  // the run's input field; -1 for the inputs as a whole
    std::string message;
};

struct TRunChecks {
    std::vector<TRunFailure> failures;  // in the page's checking order

    bool Passed() const { return failures.empty(); }
    // The one the page shows; only when the run did not pass.
    const TRunFailure& First() const { return failures.front(); }
};

}  // namespace fluvara
