// The reach-list CSV reader on any bytes: a file is refused with a message
// or read whole; every row of a read list calculates without an exception
// and without a number that is not finite, and the list with its results
// can be written out again.

#include "fuzzinput.h"
#include "reachlist.h"

#include <regex>
#include <sstream>

using namespace fluvara;
using namespace fluvara::fuzz;

namespace {

bool NotFinite(const std::string& text)
{
    static const std::regex word("(^|[^a-z])(nan|inf)([^a-z]|$)", std::regex::icase);
    return std::regex_search(text, word);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    TReachList list;
    try {
        list = ReadCsvList(in);
    } catch (const TInputError&) {
        return 0;  // refused with a message
    }
    std::vector<TReachOutcome> outcomes;
    const TReachOptions options;
    for (std::size_t row = 0; row < list.rows.size() && row < 64; ++row) {
        outcomes.push_back(CalculateRow(list, row, options));
        for (const std::string& result : outcomes.back().results)
            if (NotFinite(result))
                Finding("a result that is not finite: " + result);
        if (outcomes.back().status.empty())
            Finding("a row without a status");
    }
    list.rows.resize(outcomes.size());
    const std::string text = CsvText(list, outcomes, GermanCsv);
    if (text.compare(0, Utf8ByteOrderMark.size(), Utf8ByteOrderMark) != 0)
        Finding("the written list lacks its byte-order mark");
    return 0;
}
