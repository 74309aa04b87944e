#pragma once
// A CSV list calculated row by row from one stream into another, in
// batches bounded by rows and by bytes: memory stays the same for any
// length and any width of row, and the rows are calculated on several
// threads while the output keeps the input's order.

#include "csvwriter.h"
#include "listlayout.h"
#include "reach.h"
#include "rowstore.h"

#include <cstdio>
#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace fluvara {

struct TRunOptions {
    TReachOptions reach;
    TCsvStyle style = GermanCsv;
    unsigned threads = 0;  // 0: every core
    // A batch ends at batchRows rows or once its rows hold about batchBytes
    // (cells, CSV lines and outcomes); two batches are under way at a time.
    std::size_t batchRows = 8192;
    std::size_t batchBytes = std::size_t{16} << 20;
    std::function<void(std::size_t rows)> progress;  // after each batch written
    // Calculates a list whose reaches depend on each other (a network) once
    // every row is in; without it such a list is refused.
    std::function<void(const TListLayout&, const TPackedTexts& rows, TPackedOutcomes& outcomes)> wholeList;
};

struct TRunSummary {
    TReachKind kind = TReachKind::Circle;
    std::size_t calculated = 0;
    std::size_t refused = 0;
    std::vector<std::string> warnings;  // of the header (see TListLayout)
};

struct TListLayout;

// A batch of rows with their outcomes, handed to the writer in input order.
struct TListBatch {
    std::vector<std::vector<std::string>> rows;  // the kept columns of each row
    std::vector<TReachOutcome> outcomes;
    std::vector<std::string> text;  // the CSV line of each row, when the sink asks for it
};

struct TListSink {
    std::function<void(const TListLayout&)> begin;
    std::function<void(const TListBatch&)> write;  // on the calling thread
    const TCsvStyle* csvText = nullptr;            // CSV lines made on the calculating threads
};

// Rows handed in one by one, calculated in batches on several threads while
// the next batch fills, and handed to the sink in their order; a network's
// rows are held packed until the last and calculated together. What the
// sink wrote before an exception is a part and must be thrown away.
class TListPipeline {
public:
    TListPipeline(const TRunOptions& options, const TListSink& sink);
    ~TListPipeline();
    TListPipeline(const TListPipeline&) = delete;
    TListPipeline& operator=(const TListPipeline&) = delete;

    // Calls the sink's begin; the rows that follow have the layout's kept columns.
    void Begin(const TListLayout& layout);
    void Push(std::vector<std::string>&& row);
    // Calculates and writes the rest; the counts of this list.
    TRunSummary Finish();

private:
    struct TState;
    std::unique_ptr<TState> state_;
};

// Reads a CSV list and hands it to the sink batch by batch. Throws
// TInputError when the input cannot be used (see TCsvReader, ReadHeader, a
// ragged row) and whatever the sink throws; what the sink wrote until then
// is a part and must be thrown away.
TRunSummary RunList(std::istream& in, const TRunOptions& options, const TListSink& sink);

// A sink that writes CSV text, named output in the messages; throws
// std::runtime_error naming the cause when out cannot be written.
TListSink CsvSink(std::FILE* out, const std::string& output, const TRunOptions& options);

// RunList into CSV text (see CsvSink).
TRunSummary RunCsvList(std::istream& in, std::FILE* out, const TRunOptions& options,
                       const std::string& output = "Die Ausgabe");

}  // namespace fluvara
