#pragma once
// Rows and outcomes of a whole list held packed, for lists that must be
// read to the end before any row can be calculated (a network): a cell or a
// result costs its bytes and a length, not a string object each.

#include "reach.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace fluvara {

class TPackedTexts {
public:
    void Add(std::span<const std::string> texts);
    std::size_t Size() const { return start_.size(); }
    std::vector<std::string> At(std::size_t index) const;
    std::size_t Bytes() const { return bytes_.capacity() + start_.capacity() * sizeof(std::uint64_t); }

private:
    std::string bytes_;
    std::vector<std::uint64_t> start_;
};

// The outcomes of a list by row, without the per-field messages (a file
// shows the status only).
class TPackedOutcomes {
public:
    explicit TPackedOutcomes(std::size_t rows) : refused_(rows, false), texts_(rows) { }
    void Set(std::size_t row, const TReachOutcome& outcome);
    TReachOutcome At(std::size_t row) const;
    std::size_t Size() const { return texts_.size(); }

private:
    std::vector<bool> refused_;
    std::vector<std::string> texts_;  // status, then the results, each with its length
};

}  // namespace fluvara
