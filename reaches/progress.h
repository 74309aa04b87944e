#pragma once
// Long work on files and lists reports how far it is, and may be cancelled
// there: a hook that answers false stops the work with TCancelled, which
// leaves whatever the work was to change as it was.

#include <cstdint>
#include <functional>
#include <stdexcept>

namespace fluvara {

// done of total steps (bytes or rows); false cancels the work.
using TProgressHook = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// The user stopped the work; no error to report.
class TCancelled : public std::runtime_error {
public:
    TCancelled() : std::runtime_error("abgebrochen") { }
};

// Calls the hook, if any, and throws TCancelled when it answers false.
inline void ReportProgress(const TProgressHook& hook, std::uint64_t done, std::uint64_t total)
{
    if (hook && !hook(done, total))
        throw TCancelled();
}

}  // namespace fluvara
