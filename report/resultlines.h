#pragma once
// Plain-text report of the last calculation of a page, one fixed table of
// lines per page. The clipboard copy and the printouts read these tables.

#include "channel.h"

#include <string>
#include <string_view>
#include <vector>

namespace fluvara {

inline constexpr std::string_view DashLine = "------------------------------------------- ";
inline constexpr std::size_t ResultLineMaxChars = 99;
inline constexpr int CircleResultLineCount = 17;
inline constexpr int ChannelResultLineCount = 25;

class TResultLines {
public:
    explicit TResultLines(int count);

    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& Line(int index) const { return lines_.at(static_cast<std::size_t>(index)); }
    // Stores at most ResultLineMaxChars characters of the text.
    void Set(int index, std::string_view text);
    void Clear(int first, int last);

private:
    std::vector<std::string> lines_;
};

// Both tables start empty except line 0, which holds one blank.
TResultLines MakeCircleResultLines();
TResultLines MakeChannelResultLines();

// Lines 0 to 10 from a full-flow run; lines 11 to 16 are emptied.
// dEntered is the diameter as typed, dUsed the clear width of the calculation.
void WriteCircleFullFlowLines(TResultLines& lines, double dEntered, double dUsed, double kb, double Is, double Qv,
                              double vv);

// Lines 11 to 16 from a partial-flow run; lines 0 to 10 stay.
void WriteCirclePartialFlowLines(TResultLines& lines, double Qt, double h, double hd, double qq, double vt);

// The flow regime as the channel page shows it: " strömend", with its leading blank.
std::string ChannelRegimeText(TFlowRegime regime);

// All 25 lines of the channel table, from the inputs and the result of one calculation.
void WriteChannelResultLines(TResultLines& lines, const TChannelInput& input, const TChannelResult& result);

}  // namespace fluvara
