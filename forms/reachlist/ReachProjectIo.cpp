#include "ReachProjectIo.h"

#include <stdexcept>

namespace fluvara {

TProjectLists ReadProjectBytes(const std::string&)
{
    throw TInputError("Projektdateien werden noch nicht unterstützt");
}

std::string ProjectBytes(const TReachList&, const TReachList&)
{
    throw std::runtime_error("Projektdateien werden noch nicht unterstützt");
}

void WriteXlsxFile(const std::string&, const TReachList&, const TReachList&)
{
    throw std::runtime_error("Excel-Dateien werden noch nicht unterstützt");
}

} // namespace fluvara
