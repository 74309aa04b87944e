#pragma once
// The lists with their results as an Excel workbook: one sheet per list,
// numbers as numbers whose number format shows the program's digits, the
// header row frozen, columns as wide as their texts.

#include "progress.h"
#include "reachlist.h"

#include <filesystem>
#include <istream>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace fluvara {

struct TWorkbookSheet {
    const TReachList* list = nullptr;
    const std::vector<TReachOutcome>* outcomes = nullptr;
};

// "Kreisprofile", "Gerinne", "Netz".
const char* SheetName(TReachKind kind);

// A cell as the workbook holds it: a number with the decimals shown, or a text.
struct TWorkbookCell {
    bool number = false;
    double value = 0;
    int decimals = 0;
};
// "300", "1,5", "69.12" are numbers; "1:2", " 300", "5." and words are texts.
TWorkbookCell WorkbookCell(std::string_view text);

// Writes sheet after sheet, row after row, keeping only the current row in
// memory. Nothing reaches the path unless Commit succeeds; every function
// throws std::runtime_error (German).
class TWorkbookWriter {
public:
    explicit TWorkbookWriter(const std::filesystem::path& path);
    ~TWorkbookWriter();
    TWorkbookWriter(const TWorkbookWriter&) = delete;
    TWorkbookWriter& operator=(const TWorkbookWriter&) = delete;

    void BeginSheet(const TListLayout& layout);
    void AppendRow(std::span<const std::string> columns, const TReachOutcome& outcome);
    void Commit();

private:
    struct TState;
    std::unique_ptr<TState> state_;
};

// The rows of all sheets written are the progress; TCancelled leaves the old file.
void WriteWorkbook(const std::filesystem::path& path, std::span<const TWorkbookSheet> sheets,
                   const TProgressHook& progress = {});

struct TRunOptions;
struct TRunSummary;
struct TListSink;
// A list written as a sheet as the pipeline hands it on.
TListSink WorkbookSink(TWorkbookWriter& writer);
// A CSV list straight into a workbook of one sheet, in constant memory.
TRunSummary RunCsvListToWorkbook(std::istream& in, const std::filesystem::path& path, const TRunOptions& options);

}  // namespace fluvara
