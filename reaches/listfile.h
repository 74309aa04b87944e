#pragma once
// A file of lists by its extension: a workbook (.xlsx, .ods) with its lists,
// any other file as a CSV list.

#include "reachlist.h"

#include <filesystem>
#include <vector>

namespace fluvara {

// Throws TInputError (German) when the file cannot be read or used.
std::vector<TReachList> ReadListFile(const std::filesystem::path& path);

}  // namespace fluvara
