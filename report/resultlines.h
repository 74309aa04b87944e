#pragma once
// Plain-text report of the last calculation of a page, one fixed table of
// lines per page. The clipboard copy and the printouts read these tables.

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
void WriteCircleFullFlowLines(TResultLines& lines, double dEntered, double dUsed, double kb, double Is,
                              double Qv, double vv);

// Lines 11 to 16 from a partial-flow run; lines 0 to 10 stay.
void WriteCirclePartialFlowLines(TResultLines& lines, double Qt, double h, double hd, double qq, double vt);

struct TChannelReport {
    double Q = 0;  // l/s
    double Is = 0;
    double kstBottom = 0;
    double kstLeft = 0;
    double kstRight = 0;
    double kstMean = 0;
    double b = 0;
    double hp = 0;
    double alpha = 0;
    double mLeft = 0;
    double beta = 0;
    double mRight = 0;
    double h = 0;
    double hgr = 0;
    double v = 0;
    double vgr = 0;
    double bWsp = 0;
    double bProfil = 0;
    std::string regimeText;  // as the page shows it, with its leading blank
};

// All 25 lines of the channel table.
void WriteChannelResultLines(TResultLines& lines, const TChannelReport& report);

} // namespace fluvara
