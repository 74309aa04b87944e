#pragma once
// A CSV list calculated row by row from one stream into another, in
// batches: memory stays the same for any length, and the rows are
// calculated on several threads while the output keeps the input's order.

#include "csvwriter.h"
#include "reach.h"

#include <cstdio>
#include <functional>
#include <istream>

namespace fluvara {

struct TRunOptions {
    TReachOptions reach;
    TCsvStyle style = GermanCsv;
    unsigned threads = 0;  // 0: every core
    std::size_t batchRows = 8192;
    std::function<void(std::size_t rows)> progress;  // after each batch written
};

struct TRunSummary {
    TReachKind kind = TReachKind::Circle;
    std::size_t calculated = 0;
    std::size_t refused = 0;
};

// Throws TInputError when the input cannot be used (see TCsvReader,
// ReadHeader, a ragged row) and std::runtime_error when the output cannot
// be written; the output then holds a part and must be thrown away.
TRunSummary RunCsvList(std::istream& in, std::FILE* out, const TRunOptions& options);

} // namespace fluvara
