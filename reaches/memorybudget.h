#pragma once
// How much memory a list held whole may take: the lists of the window are
// bounded, so that a file beyond what the machine can hold is refused with
// a message before the memory runs out. The batch command streams its
// rows and needs no such bound.

#include "progress.h"
#include "reach.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fluvara {

// How a file is read whole into lists.
struct TLoadOptions {
    TProgressHook progress;  // bytes read of the file's size
    // The memory the lists may take with their results (HeldRowBytes); a
    // file that would take more is refused before it does. 0: no bound.
    std::uint64_t maxHeldBytes = 0;
};

// The memory of this machine, or the lower limit of the control group the
// program runs in.
std::uint64_t UsableMemory();

// What the window may give the rows of its lists with their results: 40 %
// of the usable memory, which leaves room for a second copy of the texts
// (the list as last saved) and for the rest of the program.
std::uint64_t ListMemoryBound();

// The bytes a row of texts takes in a list together with its outcome.
std::uint64_t HeldRowBytes(const std::vector<std::string>& row, TReachKind kind);

// Counts the rows of a list being read and refuses the one that goes
// beyond the bound (0: no bound) with a TInputError.
class TMemoryBound {
public:
    explicit TMemoryBound(std::uint64_t bound) : bound_(bound) { }
    void Add(const std::vector<std::string>& row, TReachKind kind);
    // Before reading: a file larger than the bound holds more than it allows.
    void CheckFileSize(std::uint64_t bytes) const;

private:
    std::uint64_t bound_;
    std::uint64_t held_ = 0;
};

std::string TooLargeText(std::uint64_t bound);

}  // namespace fluvara
