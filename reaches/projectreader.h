#pragma once
// The project file read as a stream of JSON events (nlohmann-json's SAX
// interface): each list comes row by row, so that memory follows what the
// receiver keeps, never the whole document. The keys of the top level are a
// table (projectreader.cpp): a list, streamed to the sink, or a small value
// read whole; a key the table does not know is passed over, so that a newer
// file's additions do not stop an older program.

#include "bytesource.h"
#include "networksettings.h"
#include "listlayout.h"
#include "progress.h"
#include "reach.h"

#include <string>
#include <vector>

namespace fluvara {

inline constexpr std::string_view ProjectFormatName = "fluvara-haltungen";
// Version 2 adds the network; a project without one is written as version
// 1, so that earlier versions of the program still open it.
inline constexpr int ProjectVersion = 2;
inline constexpr int ProjectVersionWithoutNetwork = 1;
// The keys of the top level besides "format" and "version".
inline constexpr std::string_view CircleListKey = "kreisprofile";
inline constexpr std::string_view ChannelListKey = "gerinne";
inline constexpr std::string_view SeriesKey = "nennweiten";
inline constexpr std::string_view NetworkListKey = "netz";
inline constexpr std::string_view NetworkSettingsKey = "netzvorgaben";

// What the reader hands on, in the order of the file. A list's columns come
// before its rows (a file with the rows first is refused).
class TProjectSink {
public:
    virtual ~TProjectSink() = default;
    virtual void BeginList(const TListLayout& layout) = 0;
    // A row's kept columns (see KeptColumns).
    virtual void Row(std::vector<std::string>&& row) = 0;
    virtual void EndList(TReachKind kind) = 0;
    virtual void Series(TNominalSeries series) = 0;
    // The rain and limits of the network.
    virtual void NetworkSettings(TNetworkSettings) { }
};

// Bounds against a hostile file: the bytes of one value between two events
// of the reader (a text, a number), of a small value read whole, and the
// columns of a list.
inline constexpr std::uint64_t ProjectMaxTokenBytes = std::uint64_t{64} << 20;
inline constexpr std::uint64_t ProjectMaxSmallValueBytes = std::uint64_t{1} << 20;
inline constexpr std::size_t ProjectMaxColumns = 4096;

// Reads a whole project from the source into the sink. Throws TInputError
// ("Projektdatei: …") saying what is wrong and where: no JSON, a cut-off
// file, another format, a newer version, a value of the wrong type, a list
// that is not the one its key names, a row of the wrong width; and whatever
// the sink or the progress hook (TCancelled) throws. progress gets the bytes
// read of the source's size.
void ReadProjectEvents(TByteSource& source, TProjectSink& sink, const TProgressHook& progress = {});

}  // namespace fluvara
