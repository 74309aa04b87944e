#pragma once
// A project file's lists calculated row by row, as the batch command runs
// them, holding no list: the file is read once to check it whole and to
// learn its lists and its series, then once more for each list that is
// calculated, its rows going through a TListPipeline into a sink.

#include "listrun.h"
#include "project.h"
#include "projectwriter.h"

#include <filesystem>
#include <map>
#include <optional>

namespace fluvara {

struct TProjectSurvey {
    std::map<TReachKind, TListLayout> layouts;
    std::map<TReachKind, std::size_t> rows;
    std::optional<TNominalSeries> series;
    TNetworkSettings networkSettings;

    std::size_t Rows(TReachKind kind) const { return rows.count(kind) ? rows.at(kind) : 0; }
};

// Reads the whole file; throws TInputError as LoadProject does.
TProjectSurvey SurveyProject(const std::filesystem::path& path);

// The rows of one list of the project into the sink; throws what the
// reader or the sink throws.
TRunSummary RunProjectList(const std::filesystem::path& path, TReachKind kind, const TRunOptions& options,
                           const TListSink& sink);

// A list written into a project as the pipeline hands it on; the caller
// ends it (TProjectWriter::EndList).
TListSink ProjectListSink(TProjectWriter& writer);

}  // namespace fluvara
