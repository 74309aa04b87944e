#pragma once
// A whole list in memory, as a window or a project file holds it: the
// columns and the texts of every row as typed. Results are never stored;
// they are calculated from the texts.

#include "csvwriter.h"
#include "listlayout.h"
#include "memorybudget.h"
#include "progress.h"
#include "reach.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace fluvara {

struct TReachList {
    TListLayout layout;
    std::vector<std::vector<std::string>> rows;  // one text per column of layout.columns

    TReachKind Kind() const { return layout.kind; }
    // The input fields of one row, for CalculateReach.
    std::vector<std::string> Fields(std::size_t row) const { return FieldsOfRow(layout, rows.at(row)); }
};

// A list with the input columns of its kind, but those of eggs and boxes,
// and no rows.
TReachList EmptyList(TReachKind kind);

// A list from its column names and rows; throws TInputError as ReadHeader
// does and for a row whose width differs from the header's (line counts the
// header as line 1).
TReachList MakeList(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows);

// Reads a whole CSV list (see TCsvReader); blank rows are left out.
TReachList ReadCsvList(std::istream& in);
// The same from a file, within the options' bound and with their progress;
// throws TInputError (also naming why the file cannot be read) and TCancelled.
TReachList LoadCsvList(const std::filesystem::path& path, const TLoadOptions& options = {});

// A list from records as a reader gives them, the header first; blank rows
// are left out. next gives the next record, false at the end.
struct TCsvRecord;
TReachList ListOfRecords(const std::function<bool(TCsvRecord&)>& next);

TReachOutcome CalculateRow(const TReachList& list, std::size_t row, const TReachOptions& options);

// Every row, spread over the given number of threads (0: every core); the
// outcomes are the same whatever the number.
std::vector<TReachOutcome> CalculateList(const TReachList& list, const TReachOptions& options, unsigned threads);
// The same, reporting the rows calculated; TCancelled when progress answers false.
std::vector<TReachOutcome> CalculateList(const TReachList& list, const TReachOptions& options, unsigned threads,
                                         const TProgressHook& progress);

// The list with its results as CSV text, byte-order mark first.
std::string CsvText(const TReachList& list, const std::vector<TReachOutcome>& outcomes, const TCsvStyle& style);
// The same into a file, whole or not at all (TAtomicFile), row by row with
// the rows written as progress; throws std::runtime_error naming the cause,
// or TCancelled, the old file then left as it was.
void SaveCsvList(const std::filesystem::path& path, const TReachList& list, const std::vector<TReachOutcome>& outcomes,
                 const TCsvStyle& style, const TProgressHook& progress = {});

// Calls body(begin, end) for slices of [0, count) on up to threads threads
// and returns when all are done. threads 0 means every core.
void ParallelSlices(std::size_t count, unsigned threads, const std::function<void(std::size_t, std::size_t)>& body);
unsigned ThreadCount(unsigned requested);

struct TListCount {
    std::size_t calculated = 0;
    std::size_t refused = 0;
};
TListCount CountOutcomes(const std::vector<TReachOutcome>& outcomes);
// Calculates every row and keeps only the counts.
TListCount CountList(const TReachList& list, const TReachOptions& options, unsigned threads);

}  // namespace fluvara
