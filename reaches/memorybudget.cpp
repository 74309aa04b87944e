#include "memorybudget.h"

#include "listlayout.h"
#include "textformat.h"

#include <algorithm>
#include <fstream>
#include <unistd.h>

namespace fluvara {

namespace {

// A block of the C library's heap for n bytes, with its header.
std::uint64_t HeapBlock(std::uint64_t bytes) { return std::max<std::uint64_t>(32, (bytes + 8 + 15) / 16 * 16); }

std::uint64_t StringBytes(const std::string& text)
{
    // Short texts are kept inside the string itself.
    return sizeof(std::string) + (text.size() < 16 ? 0 : HeapBlock(text.size() + 1));
}

// The limit of the control group (cgroup v2), when one is set.
std::uint64_t GroupLimit()
{
    std::ifstream in("/sys/fs/cgroup/memory.max");
    std::uint64_t limit = 0;
    if (in >> limit)
        return limit;
    return 0;
}

// An outcome's status or messages, on average over calculated and refused rows.
constexpr std::uint64_t OutcomeTextBytes = 64;

}  // namespace

std::uint64_t UsableMemory()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    std::uint64_t memory = pages > 0 && pageSize > 0 ? static_cast<std::uint64_t>(pages) * pageSize : 0;
    const std::uint64_t group = GroupLimit();
    if (group > 0 && (memory == 0 || group < memory))
        memory = group;
    return memory > 0 ? memory : std::uint64_t{4} << 30;
}

std::uint64_t ListMemoryBound() { return UsableMemory() / 10 * 4; }

std::uint64_t HeldRowBytes(const std::vector<std::string>& row, TReachKind kind)
{
    std::uint64_t bytes = sizeof(std::vector<std::string>) + HeapBlock(row.size() * sizeof(std::string));
    for (const std::string& cell : row)
        bytes += StringBytes(cell) - sizeof(std::string);
    const std::uint64_t results = ResultNames(kind).size();
    return bytes + sizeof(TReachOutcome) + HeapBlock(results * sizeof(std::string)) + OutcomeTextBytes;
}

void TMemoryBound::Add(const std::vector<std::string>& row, TReachKind kind)
{
    if (bound_ == 0)
        return;
    held_ += HeldRowBytes(row, kind);
    if (held_ > bound_)
        throw TInputError(TooLargeText(bound_));
}

void TMemoryBound::CheckFileSize(std::uint64_t bytes) const
{
    if (bound_ != 0 && bytes > bound_)
        throw TInputError(TooLargeText(bound_));
}

std::string TooLargeText(std::uint64_t bound)
{
    return Fmt("Die Listen sind zu groß für den Arbeitsspeicher dieses Rechners: mit ihren Ergebnissen brauchten sie "
               "mehr als %d MB, 40 %% des Arbeitsspeichers. fluvara-batch berechnet Listen jeder Länge Zeile für "
               "Zeile.",
               static_cast<long long>(bound >> 20));
}

}  // namespace fluvara
