#include "listfile.h"

#include "workbookreader.h"

#include <fstream>

namespace fluvara {

std::vector<TReachList> ReadListFile(const std::filesystem::path& path)
{
    if (const auto format = WorkbookFormatOfPath(path.string()))
        return ReadWorkbookLists(path, *format);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TInputError("Die Datei kann nicht geöffnet werden");
    std::vector<TReachList> lists;
    lists.push_back(ReadCsvList(in));
    return lists;
}

}  // namespace fluvara
