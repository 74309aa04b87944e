#pragma once
// The project and workbook formats of the list core, as the window uses them.

#include "reachlist.h"

#include <string>

namespace fluvara {

struct TProjectLists {
    TReachList circles = EmptyList(TReachKind::Circle);
    TReachList channels = EmptyList(TReachKind::Channel);
};

// Throws TInputError for a file that is not a project this program reads.
TProjectLists ReadProjectBytes(const std::string& bytes);
std::string ProjectBytes(const TReachList& circles, const TReachList& channels);
// Throws std::exception when the workbook cannot be written.
void WriteXlsxFile(const std::string& path, const TReachList& circles, const TReachList& channels);

} // namespace fluvara
