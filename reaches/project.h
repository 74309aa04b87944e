#pragma once
// The project file (.fluvara): JSON with a format name and a version, the
// lists with their columns and the texts as typed, the series of nominal
// sizes when it is not the standard one, and a network's rain and limits. Results are not stored: opening a
// project calculates them anew from the texts. The file is read and written
// as a stream (projectreader.h, projectwriter.h): memory follows the rows
// kept, not the document.

#include "memorybudget.h"
#include "progress.h"
#include "projectreader.h"
#include "reachlist.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fluvara {

struct TProject {
    TReachList circle = EmptyList(TReachKind::Circle);
    TReachList channel = EmptyList(TReachKind::Channel);
    TReachList network = EmptyList(TReachKind::Network);
    TNetworkSettings networkSettings;
    std::optional<TNominalSeries> series;  // the standard series when empty

    TReachOptions Options() const;
};

// The project's list of a kind.
TReachList& ListOf(TProject& project, TReachKind kind);
const TReachList& ListOf(const TProject& project, TReachKind kind);

// The parts of a project as they are written, wherever they are kept.
struct TProjectView {
    const TReachList& circle;
    const TReachList& channel;
    const std::optional<TNominalSeries>& series;
    const TReachList& network;
    const TNetworkSettings& networkSettings;
};
inline TProjectView ViewOf(const TProject& project)
{
    return {project.circle, project.channel, project.series, project.network, project.networkSettings};
}

std::string ProjectText(const TProject& project);

class TProjectWriter;
// The key of a list in the project file.
std::string_view ProjectListKey(TReachKind kind);
// The series of nominal sizes as the project file holds it.
void WriteProjectSeries(TProjectWriter& writer, const TNominalSeries& series);

// Throws TInputError saying what is wrong and where (see ReadProjectEvents).
// Nothing of a refused file is kept.
TProject ReadProject(std::string_view text);

// Whole or not at all (see TAtomicFile); throws std::runtime_error naming
// the cause, or TCancelled when progress (rows written of all rows) answers
// false: the old file then stays as it was.
void SaveProject(const std::filesystem::path& path, const TProjectView& project, const TProgressHook& progress = {});
inline void SaveProject(const std::filesystem::path& path, const TProject& project)
{
    SaveProject(path, ViewOf(project));
}

// Throws TInputError, also when the file cannot be read or is too large
// for the bound, and TCancelled.
TProject LoadProject(const std::filesystem::path& path, const TLoadOptions& options = {});

}  // namespace fluvara
