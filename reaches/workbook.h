#pragma once
// The lists with their results as an Excel workbook: one sheet per list,
// numbers as numbers whose number format shows the program's digits, the
// header row frozen, columns as wide as their texts.

#include "reachlist.h"

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace fluvara {

struct TWorkbookSheet {
    const TReachList* list = nullptr;
    const std::vector<TReachOutcome>* outcomes = nullptr;
};

// "Kreisprofile", "Gerinne".
const char* SheetName(TReachKind kind);

// A cell as the workbook holds it: a number with the decimals shown, or a text.
struct TWorkbookCell {
    bool number = false;
    double value = 0;
    int decimals = 0;
};
// "300", "1,5", "69.12" are numbers; "1:2", " 300", "5." and words are texts.
TWorkbookCell WorkbookCell(std::string_view text);

// Whole or not at all; throws std::runtime_error (German).
void WriteWorkbook(const std::filesystem::path& path, std::span<const TWorkbookSheet> sheets);

} // namespace fluvara
