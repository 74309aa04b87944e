#pragma once
// One reach (Haltung or channel reach) of a list: its input texts as typed,
// checked and calculated exactly as the pages check and calculate them.
//
// A list is a table of texts. The input fields of a reach are picked out of
// its row by name (see listlayout.h); results come back as the texts the page
// would show, without the page's padding, with decimal points.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fluvara {

// A network's reaches depend on each other: they are calculated together
// (see the network library), never one row alone.
enum class TReachKind { Circle, Channel, Network };

// Input fields of a circular reach, in the order of CircleFieldNames().
enum TCircleField : int {
    CircleName,
    CircleD,
    CircleKb,
    CircleIs,
    CircleQ,
    CircleReduce95,
    CircleHdPermitted,
    CircleUse09,
    CircleProfile,  // "Kreis" (also empty), "Ei", "Rechteck"
    CircleSize,     // b/H in mm of an egg or a box, "600/900"
    CircleFieldCount
};

// Results of a circular reach, in the order of CircleResultNames().
enum TCircleResult : int {
    CircleClearWidth,
    CircleQv,
    CircleVv,
    CircleH,
    CircleHd,
    CircleQq,
    CircleVt,
    CircleDRequired,
    CircleDN,
    CircleResultCount
};

// Input fields of a channel reach, in the order of ChannelFieldNames().
enum TChannelField : int {
    ChannelName,
    ChannelQ,
    ChannelIs,
    ChannelKstBottom,
    ChannelKstLeft,
    ChannelKstRight,
    ChannelB,
    ChannelHp,
    ChannelBankLeft,
    ChannelBankRight,
    ChannelFieldCount
};

enum TChannelResultColumn : int {
    ChannelH,
    ChannelV,
    ChannelKstMean,
    ChannelHgr,
    ChannelVgr,
    ChannelBWsp,
    ChannelBProfil,
    ChannelRegime,
    ChannelFroude,
    ChannelFreeboard,
    ChannelResultCount
};

// Input fields of a network reach, in the order of NetworkFieldNames().
enum TNetworkField : int {
    NetworkName,
    NetworkFrom,
    NetworkTo,
    NetworkLength,
    NetworkInvertTop,
    NetworkInvertBottom,
    NetworkIs,
    NetworkCoverTop,
    NetworkCoverBottom,
    NetworkD,
    NetworkKb,
    NetworkAE,
    NetworkPsi,
    NetworkQT,
    NetworkHdPermitted,
    NetworkUse09,
    NetworkProfile,
    NetworkSize,
    NetworkFieldCount
};

// Results of a network reach: its own columns, then the circular reach's.
enum TNetworkResult : int {
    NetworkIsFromLevels,
    NetworkAred,
    NetworkAredSum,
    NetworkQTSum,
    NetworkTf,
    NetworkDuration,
    NetworkRain,
    NetworkQr,
    NetworkQ,
    NetworkPipeFirst,  // CircleClearWidth ... CircleDN follow from here
    NetworkTau = NetworkPipeFirst + CircleResultCount,
    NetworkCover,
    NetworkResultCount
};

// Column names as they stand in a list's header row.
std::span<const std::string_view> FieldNames(TReachKind kind);
std::span<const std::string_view> ResultNames(TReachKind kind);  // without "Status"
inline constexpr std::string_view StatusName = "Status";
// A list whose header holds the column "Profil" shows h/H where the others
// show h/d: a circle's H is its d.
inline constexpr std::string_view FillingRatioName = "h/d";
inline constexpr std::string_view ProfileFillingRatioName = "h/H";
// The name of a result column in a list with or without the "Profil" column.
std::string_view ResultName(TReachKind kind, int result, bool withProfiles);

// The field that holds the reach's name ("Haltung", "Gerinne").
int NameField(TReachKind kind);

// A word rather than a number (the regime); every other result is a number
// with a decimal point or empty.
bool IsWordResult(TReachKind kind, int result);

inline constexpr std::string_view CalculatedStatus = "berechnet";

// A message that belongs to one input field.
struct TCellError {
    int field = -1;  // TCircleField or TChannelField; -1 for the row as a whole
    std::string message;
};

struct TReachOutcome {
    std::vector<std::string> results;  // one text per result column, empty where nothing was calculated
    std::string status;                // "berechnet", the overload note or the first message
    bool refused = false;              // an input or calculation error: no results
    std::vector<TCellError> errors;    // every field that fails, in checking order; the first is the status
};

// Nominal sizes (mm, inner diameters) for the design, ascending.
using TNominalSeries = std::vector<int>;
const TNominalSeries& StandardNominalSeries();

// Reads a series such as "150 200 250" or "150;200;250" (also separated by
// commas); nothing when a value is not a whole number of 1 ... 10000 mm or
// the list is empty. The series is sorted and duplicates are dropped.
std::optional<TNominalSeries> ParseNominalSeries(std::string_view text);

struct TReachOptions {
    TNominalSeries series = StandardNominalSeries();
    // A designed reach gets no nominal size below this one (mm): a sewer
    // never narrows downstream.
    double smallestSize = 0;
};

// The smallest size of the series not below the required diameter as
// calculated (a diameter shown as "250.0" may lie just above 250 mm, and DN
// 250 would then be overloaded) nor below smallest; nothing when the series
// holds none.
std::optional<int> NominalSize(const TNominalSeries& series, double required, double smallest = 0);

// fields has one text per input field of the kind (missing columns as empty
// texts). Never throws for any input text.
TReachOutcome CalculateReach(TReachKind kind, std::span<const std::string> fields, const TReachOptions& options);
TReachOutcome CalculateCircleReach(std::span<const std::string> fields, const TReachOptions& options);
TReachOutcome CalculateChannelReach(std::span<const std::string> fields);

// A yes/no cell: "ja", "j", "x", "1", "wahr" / "nein", "n", "0", "falsch",
// any case, blanks around ignored; the empty cell gives emptyValue.
std::optional<bool> ParseYesNo(std::string_view text, bool emptyValue);

// Cuts the blanks (and tabs) at both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace fluvara
