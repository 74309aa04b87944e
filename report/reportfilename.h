#pragma once
// The file name offered when a report is saved: from its print titles.

#include "printframe.h"

#include <string>
#include <string_view>

namespace fluvara {

// The two title lines joined by " - ", with the characters that file systems
// refuse replaced by "_" and runs of blanks made one, at most 120 characters,
// with ".pdf"; fallback (".pdf" added) when both lines are blank.
std::string ReportFileName(const TPrintTitles& titles, std::string_view fallback);

}  // namespace fluvara
