#include "project.h"

#include "atomicfile.h"
#include "bytesource.h"
#include "memorybudget.h"
#include "projectnetwork.h"
#include "projectwriter.h"
#include "textformat.h"

namespace fluvara {

namespace {

constexpr std::size_t ProgressRows = 4096;

// A project read whole, within a bound on the memory of its rows.
class TProjectBuilder : public TProjectSink {
public:
    explicit TProjectBuilder(std::uint64_t maxHeldBytes) : bound_(maxHeldBytes) { }

    void BeginList(const TListLayout& layout) override
    {
        list_ = &ListOf(project_, layout.kind);
        list_->layout = layout;
        list_->rows.clear();
    }
    void Row(std::vector<std::string>&& row) override
    {
        bound_.Add(row, list_->Kind());
        list_->rows.push_back(std::move(row));
    }
    void EndList(TReachKind) override
    {
        list_->rows.shrink_to_fit();
        list_ = nullptr;
    }
    void Series(TNominalSeries series) override { project_.series = std::move(series); }
    void NetworkSettings(TNetworkSettings settings) override { project_.networkSettings = std::move(settings); }

    TProject Take() { return std::move(project_); }

private:
    TProject project_;
    TReachList* list_ = nullptr;
    TMemoryBound bound_;
};

TProject Read(TByteSource& source, const TLoadOptions& options)
{
    TMemoryBound(options.maxHeldBytes).CheckFileSize(source.Size());
    TProjectBuilder builder(options.maxHeldBytes);
    ReadProjectEvents(source, builder, options.progress);
    return builder.Take();
}

int ProjectVersionOf(const TProjectView& project)
{
    return HasNetwork(project.network, project.networkSettings) ? ProjectVersion : ProjectVersionWithoutNetwork;
}

void WriteProject(TProjectWriter& writer, const TProjectView& project, const TProgressHook& progress)
{
    const bool network = HasNetwork(project.network, project.networkSettings);
    const std::uint64_t total = project.circle.rows.size() + project.channel.rows.size() + project.network.rows.size();
    std::uint64_t done = 0;
    ReportProgress(progress, done, total);
    for (const TReachList* list : {&project.circle, &project.channel, &project.network}) {
        if (list == &project.network && !network)
            continue;
        if (list == &project.network && project.series)  // the series stands before the network, as ever
            WriteProjectSeries(writer, *project.series);
        writer.BeginList(ProjectListKey(list->Kind()), list->layout.columns);
        for (const std::vector<std::string>& row : list->rows) {
            writer.Row(row);
            if (++done % ProgressRows == 0)
                ReportProgress(progress, done, total);
        }
        writer.EndList();
    }
    if (project.series && !network)
        WriteProjectSeries(writer, *project.series);
    if (network)
        writer.Value(NetworkSettingsKey, NetworkSettingsJson(project.networkSettings));
    writer.Finish();
    ReportProgress(progress, total, total);
}

}  // namespace

std::string_view ProjectListKey(TReachKind kind)
{
    if (kind == TReachKind::Network)
        return NetworkListKey;
    return kind == TReachKind::Circle ? CircleListKey : ChannelListKey;
}

TReachList& ListOf(TProject& project, TReachKind kind)
{
    if (kind == TReachKind::Network)
        return project.network;
    return kind == TReachKind::Circle ? project.circle : project.channel;
}

const TReachList& ListOf(const TProject& project, TReachKind kind)
{
    return ListOf(const_cast<TProject&>(project), kind);
}

void WriteProjectSeries(TProjectWriter& writer, const TNominalSeries& series)
{
    std::string text = "[";
    for (std::size_t i = 0; i < series.size(); ++i)
        text += (i == 0 ? "" : ",") + std::to_string(series[i]);
    writer.Value(SeriesKey, text + "]");
}

TReachOptions TProject::Options() const
{
    TReachOptions options;
    if (series && !series->empty())
        options.series = *series;
    return options;
}

std::string ProjectText(const TProject& project)
{
    std::string out;
    TProjectWriter writer([&out](std::string_view text) { out += text; }, ProjectVersionOf(ViewOf(project)));
    WriteProject(writer, ViewOf(project), {});
    return out;
}

TProject ReadProject(std::string_view text)
{
    TByteSource source(text);
    return Read(source, {});
}

void SaveProject(const std::filesystem::path& path, const TProjectView& project, const TProgressHook& progress)
{
    TAtomicFile file(path);
    TProjectWriter writer([&file](std::string_view text) { file.Write(text); }, ProjectVersionOf(project));
    WriteProject(writer, project, progress);
    file.Commit();
}

TProject LoadProject(const std::filesystem::path& path, const TLoadOptions& options)
{
    TByteSource source(path);
    return Read(source, options);
}

}  // namespace fluvara
