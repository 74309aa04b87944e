#include "liststreams.h"

#include "atomicfile.h"
#include "listfile.h"
#include "networkbatch.h"
#include "projectnetwork.h"
#include "projectrun.h"
#include "workbook.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace fluvara {

namespace {

namespace fs = std::filesystem;

using TFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

TListCount CountOf(const TRunSummary& summary) { return {summary.calculated, summary.refused}; }

void Add(TListCount& count, const TRunSummary& summary)
{
    count.calculated += summary.calculated;
    count.refused += summary.refused;
}

TFile TemporaryFile()
{
    TFile file(std::tmpfile(), std::fclose);
    if (!file)
        throw std::runtime_error("Es kann keine temporäre Datei angelegt werden (" + WriteErrorCause(errno) + ")");
    return file;
}

void CopyStream(std::FILE* from, std::FILE* to)
{
    std::rewind(from);
    std::vector<char> buffer(1 << 16);
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), from)) > 0)
        if (std::fwrite(buffer.data(), 1, n, to) != n)
            throw WriteFailure("Die Standardausgabe", errno);
    if (std::ferror(from) || std::fflush(to) != 0)
        throw WriteFailure("Die Standardausgabe", errno);
}

// CSV text into the output file, or through a temporary file to standard
// output, so that a broken input writes nothing there.
TRunSummary WriteCsv(const TCommand& command, const std::function<TRunSummary(std::FILE*, const std::string&)>& run)
{
    if (command.output == "-") {
        const TFile spool = TemporaryFile();
        const TRunSummary summary = run(spool.get(), "Die temporäre Datei für die Standardausgabe");
        CopyStream(spool.get(), stdout);
        return summary;
    }
    TAtomicFile file(command.output);
    const TRunSummary summary = run(file.Stream(), command.output);
    file.Commit();
    return summary;
}

// A project is read more than once; one from a pipe is first copied into a
// temporary file, named by its descriptor.
class TProjectInput {
public:
    explicit TProjectInput(const std::string& path) : path_(path)
    {
        struct stat st { };
        if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode) || S_ISDIR(st.st_mode))
            return;  // the reader names what is wrong
        std::ifstream in(path, std::ios::binary);
        copy_ = TemporaryFile();
        std::vector<char> buffer(1 << 16);
        while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
            const auto n = static_cast<std::size_t>(in.gcount());
            if (std::fwrite(buffer.data(), 1, n, copy_.get()) != n)
                throw WriteFailure("Die temporäre Kopie des Projekts", errno);
        }
        if (std::fflush(copy_.get()) != 0)
            throw WriteFailure("Die temporäre Kopie des Projekts", errno);
        path_ = "/proc/self/fd/" + std::to_string(::fileno(copy_.get()));
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
    TFile copy_{nullptr, std::fclose};
};

// The lists that go into the output: all of a project, the one asked for,
// those with rows, or the circular list.
std::vector<TReachKind> ListsToWrite(const TCommand& command, const TProjectSurvey& survey)
{
    if (command.outputKind == TFileKind::Project) {
        if (survey.layouts.count(TReachKind::Network))
            return {TReachKind::Circle, TReachKind::Channel, TReachKind::Network};
        return {TReachKind::Circle, TReachKind::Channel};
    }
    if (command.list)
        return {*command.list};
    std::vector<TReachKind> lists;
    for (const TReachKind kind : {TReachKind::Circle, TReachKind::Channel, TReachKind::Network})
        if (survey.Rows(kind) > 0)
            lists.push_back(kind);
    if (lists.empty())
        lists.push_back(TReachKind::Circle);
    if (command.outputKind == TFileKind::Csv && lists.size() > 1)
        throw TUsageError("Das Projekt enthält mehrere Listen, eine CSV-Datei fasst nur eine: bitte --liste kreis, "
                          "--liste gerinne oder --liste netz angeben");
    return lists;
}

// Rows counted over several lists for the progress line.
TRunOptions Counting(const TRunOptions& options, const std::size_t& before)
{
    TRunOptions counting = options;
    if (options.progress)
        counting.progress = [&before, progress = options.progress](std::size_t rows) { progress(before + rows); };
    return counting;
}

std::string InputName(const TCommand& command) { return command.input == "-" ? "Standardeingabe" : command.input; }

// Columns of the header that look like input columns a spreadsheet changed.
const TRunSummary& Warned(const TCommand& command, const TRunSummary& summary)
{
    for (const std::string& warning : summary.warnings)
        std::cerr << "fluvara-batch: " << InputName(command) << ": " << warning << "\n";
    return summary;
}

}  // namespace

TRunOptions RunOptionsOf(const TCommand& command, const TNetworkSettings& saved)
{
    TRunOptions options;
    options.style = command.style;
    options.threads = command.threads;
    if (command.series)
        options.reach.series = *command.series;
    options.wholeList = NetworkStep(command, saved, options.reach);
    return options;
}

TListCount StreamCsv(const TCommand& command, std::istream& in, const TRunOptions& options)
{
    if (command.outputKind == TFileKind::Workbook)
        return CountOf(Warned(command, RunCsvListToWorkbook(in, command.output, options)));
    return CountOf(Warned(command, WriteCsv(command, [&](std::FILE* out, const std::string& name) {
                              return RunCsvList(in, out, options, name);
                          })));
}

TListCount StreamCsvToProject(const TCommand& command, std::istream& in, const TRunOptions& options)
{
    TAtomicFile file(command.output);
    TProjectWriter writer([&file](std::string_view text) { file.Write(text); });
    TListSink sink = ProjectListSink(writer);
    const auto begin = sink.begin;
    const auto empty = [&](TReachKind kind) {
        writer.BeginList(ProjectListKey(kind), EmptyList(kind).layout.columns);
        writer.EndList();
    };
    sink.begin = [&](const TListLayout& layout) {
        // The circular list stands first, empty when the CSV file holds another; a
        // network comes after both and the series.
        if (layout.kind != TReachKind::Circle)
            empty(TReachKind::Circle);
        if (layout.kind == TReachKind::Network) {
            writer.SetVersion(ProjectVersion);
            empty(TReachKind::Channel);
            if (command.series)
                WriteProjectSeries(writer, *command.series);
        }
        begin(layout);
    };
    const TRunSummary summary = Warned(command, RunList(in, options, sink));
    writer.EndList();
    if (summary.kind == TReachKind::Circle)
        empty(TReachKind::Channel);
    if (summary.kind == TReachKind::Network)
        // The rain and limits it was calculated with.
        writer.Value(NetworkSettingsKey,
                     NetworkSettingsJson(NetworkOptionsOf(command, TNetworkSettings{}, options.reach)));
    else if (command.series)
        WriteProjectSeries(writer, *command.series);
    writer.Finish();
    file.Commit();
    return CountOf(summary);
}

TListCount StreamWorkbook(const TCommand& command, const TRunOptions& options)
{
    std::vector<TReachList> lists = ReadListFile(command.input);
    if (lists.size() == 1) {
        // One list goes on as a CSV list would (its header warned about there).
        std::string text;
        AppendCsvRecord(text, lists.front().layout.columns, GermanCsv);
        for (const std::vector<std::string>& row : lists.front().rows)
            AppendCsvRecord(text, row, GermanCsv);
        std::istringstream in(text);
        return command.outputKind == TFileKind::Project ? StreamCsvToProject(command, in, options)
                                                        : StreamCsv(command, in, options);
    }
    // Several lists, as a project holds them.
    TProject project;
    for (TReachList& list : lists) {
        for (const std::string& warning : list.layout.warnings)
            std::cerr << "fluvara-batch: " << InputName(command) << ": " << warning << "\n";
        ListOf(project, list.Kind()) = std::move(list);
    }
    const TFile copy = TemporaryFile();
    const std::string text = ProjectText(project);
    if (std::fwrite(text.data(), 1, text.size(), copy.get()) != text.size() || std::fflush(copy.get()) != 0)
        throw WriteFailure("Die temporäre Kopie der Arbeitsmappe", errno);
    TCommand asProject = command;
    asProject.input = "/proc/self/fd/" + std::to_string(::fileno(copy.get()));
    asProject.inputKind = TFileKind::Project;
    return StreamProject(asProject, options);
}

TListCount StreamProject(const TCommand& command, const TRunOptions& given)
{
    const TProjectInput input(command.input);
    const fs::path& path = input.Path();
    const TProjectSurvey survey = SurveyProject(path);
    const std::optional<TNominalSeries> series = command.series ? command.series : survey.series;
    TRunOptions options = given;
    if (series && !series->empty())
        options.reach.series = *series;
    // The network's rain and limits: the command line's over the project's.
    const TNetworkSettings settings = MergedNetworkSettings(command, survey.networkSettings);
    options.wholeList = NetworkStep(command, survey.networkSettings, options.reach);
    const std::vector<TReachKind> lists = ListsToWrite(command, survey);
    std::size_t before = 0;
    const TRunOptions counting = Counting(options, before);
    TListCount count;
    const auto run = [&](TReachKind kind, const TListSink& sink) {
        const TRunSummary summary = RunProjectList(path, kind, counting, sink);
        Add(count, summary);
        before += summary.calculated + summary.refused;
    };
    if (command.outputKind == TFileKind::Csv) {
        WriteCsv(command, [&](std::FILE* out, const std::string& name) {
            run(lists.front(), CsvSink(out, name, counting));
            return TRunSummary{};
        });
    } else if (command.outputKind == TFileKind::Workbook) {
        TWorkbookWriter writer(command.output);
        for (const TReachKind kind : lists)
            run(kind, WorkbookSink(writer));
        writer.Commit();
    } else {
        TAtomicFile file(command.output);
        const bool network = std::find(lists.begin(), lists.end(), TReachKind::Network) != lists.end();
        TProjectWriter writer([&file](std::string_view text) { file.Write(text); },
                              network ? ProjectVersion : ProjectVersionWithoutNetwork);
        for (const TReachKind kind : lists) {
            if (kind == TReachKind::Network && series)
                WriteProjectSeries(writer, *series);
            run(kind, ProjectListSink(writer));
            writer.EndList();
        }
        if (series && !network)
            WriteProjectSeries(writer, *series);
        if (network)
            writer.Value(NetworkSettingsKey, NetworkSettingsJson(settings));
        writer.Finish();
        file.Commit();
    }
    return count;
}

}  // namespace fluvara
