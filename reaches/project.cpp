#include "project.h"

#include "atomicfile.h"
#include "bytesource.h"
#include "memorybudget.h"
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
        list_ = layout.kind == TReachKind::Circle ? &project_.circle : &project_.channel;
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

void WriteProject(TProjectWriter& writer, const TProjectView& project, const TProgressHook& progress)
{
    const std::uint64_t total = project.circle.rows.size() + project.channel.rows.size();
    std::uint64_t done = 0;
    ReportProgress(progress, done, total);
    for (const TReachList* list : {&project.circle, &project.channel}) {
        writer.BeginList(ProjectListKey(list->Kind()), list->layout.columns);
        for (const std::vector<std::string>& row : list->rows) {
            writer.Row(row);
            if (++done % ProgressRows == 0)
                ReportProgress(progress, done, total);
        }
        writer.EndList();
    }
    if (project.series)
        WriteProjectSeries(writer, *project.series);
    writer.Finish();
    ReportProgress(progress, total, total);
}

}  // namespace

std::string_view ProjectListKey(TReachKind kind) { return kind == TReachKind::Circle ? CircleListKey : ChannelListKey; }

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
    TProjectWriter writer([&out](std::string_view text) { out += text; });
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
    TProjectWriter writer([&file](std::string_view text) { file.Write(text); });
    WriteProject(writer, project, progress);
    file.Commit();
}

TProject LoadProject(const std::filesystem::path& path, const TLoadOptions& options)
{
    TByteSource source(path);
    return Read(source, options);
}

}  // namespace fluvara
