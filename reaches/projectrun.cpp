#include "projectrun.h"

#include "bytesource.h"
#include "projectreader.h"

namespace fluvara {

namespace {

class TSurveySink : public TProjectSink {
public:
    explicit TSurveySink(TProjectSurvey& survey) : survey_(survey) { }
    void BeginList(const TListLayout& layout) override
    {
        kind_ = layout.kind;
        survey_.layouts[kind_] = layout;
        survey_.rows[kind_] = 0;
    }
    void Row(std::vector<std::string>&&) override { ++survey_.rows[kind_]; }
    void EndList(TReachKind) override { }
    void Series(TNominalSeries series) override { survey_.series = std::move(series); }
    void NetworkSettings(TNetworkSettings settings) override { survey_.networkSettings = std::move(settings); }

private:
    TProjectSurvey& survey_;
    TReachKind kind_ = TReachKind::Circle;
};

// Hands the rows of one list to a pipeline and passes over the rest.
class TPipelineSink : public TProjectSink {
public:
    TPipelineSink(TReachKind kind, TListPipeline& pipeline) : kind_(kind), pipeline_(pipeline) { }
    void BeginList(const TListLayout& layout) override
    {
        active_ = layout.kind == kind_;
        if (active_)
            pipeline_.Begin(layout);
    }
    void Row(std::vector<std::string>&& row) override
    {
        if (active_)
            pipeline_.Push(std::move(row));
    }
    void EndList(TReachKind) override
    {
        if (active_)
            summary_ = pipeline_.Finish();
        active_ = false;
    }
    void Series(TNominalSeries) override { }

    const TRunSummary& Summary() const { return summary_; }

private:
    TReachKind kind_;
    TListPipeline& pipeline_;
    bool active_ = false;
    TRunSummary summary_;
};

}  // namespace

TProjectSurvey SurveyProject(const std::filesystem::path& path)
{
    TProjectSurvey survey;
    TSurveySink sink(survey);
    TByteSource source(path);
    ReadProjectEvents(source, sink);
    return survey;
}

TRunSummary RunProjectList(const std::filesystem::path& path, TReachKind kind, const TRunOptions& options,
                           const TListSink& sink)
{
    TListPipeline pipeline(options, sink);
    TPipelineSink rows(kind, pipeline);
    TByteSource source(path);
    ReadProjectEvents(source, rows);
    return rows.Summary();
}

TListSink ProjectListSink(TProjectWriter& writer)
{
    TListSink sink;
    sink.begin = [&writer](const TListLayout& layout) {
        writer.BeginList(ProjectListKey(layout.kind), layout.columns);
    };
    sink.write = [&writer](const TListBatch& batch) {
        for (const std::vector<std::string>& row : batch.rows)
            writer.Row(row);
    };
    return sink;
}

}  // namespace fluvara
