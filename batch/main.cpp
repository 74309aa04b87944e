// fluvara-batch: calculates a list of reaches from a file, without windows.

#include "atomicfile.h"
#include "commandline.h"
#include "listfile.h"
#include "listrun.h"
#include "project.h"
#include "reachlist.h"
#include "textformat.h"
#include "workbook.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

using namespace fluvara;

namespace {

constexpr int ExitCalculated = 0;
constexpr int ExitRefusedRows = 1;
constexpr int ExitUnusable = 2;

// An interrupted run (Ctrl+C, SIGTERM, SIGHUP) leaves no temporary file
// behind; then the signal ends the program as it would have. Only
// async-signal-safe calls in the handler.
extern "C" void OnInterrupt(int signal)
{
    RemoveTemporaryFiles();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void CleanUpOnInterrupt()
{
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction old { };
        // A signal ignored when the program started (nohup, a background job) stays ignored.
        if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN)
            continue;
        struct sigaction action { };
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

void Complain(const std::string& message) { std::cerr << "fluvara-batch: " << message << "\n"; }

// Rows done so far on one line of a terminal; nothing when the errors go to a file.
class TProgress {
public:
    TProgress() : active_(::isatty(STDERR_FILENO) == 1) { }
    ~TProgress()
    {
        if (shown_)
            std::cerr << "\r" << rows_ << " Zeilen berechnet\n";
    }
    void operator()(std::size_t rows)
    {
        rows_ = rows;
        const auto now = std::chrono::steady_clock::now();
        if (!active_ || now - last_ < std::chrono::milliseconds(250))
            return;
        last_ = now;
        shown_ = true;
        std::cerr << "\r" << rows << " Zeilen berechnet" << std::flush;
    }

private:
    bool active_;
    bool shown_ = false;
    std::size_t rows_ = 0;
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

void CopyStream(std::FILE* from, std::FILE* to)
{
    std::rewind(from);
    std::vector<char> buffer(1 << 16);
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), from)) > 0)
        if (std::fwrite(buffer.data(), 1, n, to) != n)
            throw std::runtime_error("Die Standardausgabe kann nicht geschrieben werden");
    if (std::ferror(from) || std::fflush(to) != 0)
        throw std::runtime_error("Die Standardausgabe kann nicht geschrieben werden");
}

// A CSV list row by row into CSV or a workbook, in constant memory.
// Standard output gets the text only once it is complete, through a
// temporary file, so that a broken input writes nothing.
TListCount StreamCsv(const TCommand& command, std::istream& in)
{
    TRunOptions options;
    options.style = command.style;
    options.threads = command.threads;
    if (command.series)
        options.reach.series = *command.series;
    TProgress progress;
    options.progress = [&progress](std::size_t rows) { progress(rows); };
    TRunSummary summary;
    if (command.outputKind == TFileKind::Workbook) {
        summary = RunCsvListToWorkbook(in, command.output, options);
    } else if (command.output == "-") {
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> spool(std::tmpfile(), std::fclose);
        if (!spool)
            throw std::runtime_error("Es kann keine temporäre Datei angelegt werden");
        summary = RunCsvList(in, spool.get(), options);
        CopyStream(spool.get(), stdout);
    } else {
        TAtomicFile file(command.output);
        summary = RunCsvList(in, file.Stream(), options);
        file.Commit();
    }
    for (const std::string& warning : summary.warnings)
        Complain((command.input == "-" ? std::string("Standardeingabe") : command.input) + ": " + warning);
    return {summary.calculated, summary.refused};
}

struct TInput {
    TProject project;
    std::optional<TReachKind> csvKind;  // the list a CSV file held
};

TInput LoadInput(const TCommand& command, std::istream* in)
{
    TInput input;
    if (command.inputKind == TFileKind::Project) {
        input.project = LoadProject(command.input);
        if (command.series)
            input.project.series = command.series;
        return input;
    }
    if (command.inputKind == TFileKind::Workbook) {
        // A workbook with one list is written as a CSV file is; with both, as a project is.
        std::vector<TReachList> lists = ReadListFile(command.input);
        if (lists.size() == 1)
            input.csvKind = lists.front().Kind();
        for (TReachList& list : lists) {
            for (const std::string& warning : list.layout.warnings)
                Complain(command.input + ": " + warning);
            (list.Kind() == TReachKind::Circle ? input.project.circle : input.project.channel) = std::move(list);
        }
        input.project.series = command.series;
        return input;
    }
    TReachList list = ReadCsvList(*in);
    for (const std::string& warning : list.layout.warnings)
        Complain(command.input + ": " + warning);
    input.csvKind = list.Kind();
    (list.Kind() == TReachKind::Circle ? input.project.circle : input.project.channel) = std::move(list);
    input.project.series = command.series;
    return input;
}

// The lists that go into the output: the one asked for, those with rows, or the circular list.
std::vector<const TReachList*> ListsToWrite(const TCommand& command, const TInput& input)
{
    const TProject& project = input.project;
    const auto listOf = [&](TReachKind kind) {
        return kind == TReachKind::Circle ? &project.circle : &project.channel;
    };
    if (input.csvKind)
        return {listOf(*input.csvKind)};
    if (command.list)
        return {listOf(*command.list)};
    std::vector<const TReachList*> lists;
    for (const TReachList* list : {&project.circle, &project.channel})
        if (!list->rows.empty())
            lists.push_back(list);
    if (lists.empty())
        lists.push_back(&project.circle);
    if (command.outputKind == TFileKind::Csv && lists.size() > 1)
        throw TUsageError("Das Projekt enthält beide Listen, eine CSV-Datei fasst nur eine: bitte --liste kreis "
                          "oder --liste gerinne angeben");
    return lists;
}

TListCount WriteLists(const TCommand& command, const TInput& input)
{
    const TProject& project = input.project;
    if (command.outputKind == TFileKind::Project) {
        // The project keeps the texts only; the rows are calculated for the exit status.
        const TListCount a = CountList(project.circle, project.Options(), command.threads);
        const TListCount b = CountList(project.channel, project.Options(), command.threads);
        SaveProject(command.output, project);
        return {a.calculated + b.calculated, a.refused + b.refused};
    }
    const std::vector<const TReachList*> lists = ListsToWrite(command, input);
    std::vector<std::vector<TReachOutcome>> outcomes;
    TListCount count;
    for (const TReachList* list : lists) {
        outcomes.push_back(CalculateList(*list, project.Options(), command.threads));
        const TListCount c = CountOutcomes(outcomes.back());
        count.calculated += c.calculated;
        count.refused += c.refused;
    }
    if (command.outputKind == TFileKind::Workbook) {
        std::vector<TWorkbookSheet> sheets;
        for (std::size_t i = 0; i < lists.size(); ++i)
            sheets.push_back({lists[i], &outcomes[i]});
        WriteWorkbook(command.output, sheets);
    } else {
        const std::string text = CsvText(*lists.front(), outcomes.front(), command.style);
        if (command.output == "-") {
            if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
                throw std::runtime_error("Die Standardausgabe kann nicht geschrieben werden");
        } else {
            WriteFileAtomically(command.output, text);
        }
    }
    return count;
}

int Run(const TCommand& command)
{
    std::ifstream file;
    std::istream* in = &std::cin;
    if (command.inputKind == TFileKind::Csv && command.input != "-") {
        file.open(command.input, std::ios::binary);
        if (!file)
            throw TInputError(command.input + " kann nicht geöffnet werden");
        in = &file;
    }
    TListCount count;
    if (command.inputKind == TFileKind::Csv && command.outputKind != TFileKind::Project)
        count = StreamCsv(command, *in);
    else
        count = WriteLists(command, LoadInput(command, in));
    if (count.refused == 0)
        return ExitCalculated;
    Complain(Fmt("%d %s berechnet, %d abgewiesen (Meldungen in der Spalte Status)",
                 static_cast<long long>(count.calculated), count.calculated == 1 ? "Zeile" : "Zeilen",
                 static_cast<long long>(count.refused)));
    return ExitRefusedRows;
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    TCommand command;
    try {
        command = ParseCommandLine(args);
    } catch (const TUsageError& e) {
        Complain(e.what());
        std::cerr << "Aufruf: fluvara-batch EINGABE [-o AUSGABE] [Optionen]; mehr mit --help\n";
        return ExitUnusable;
    }
    if (command.help) {
        std::cout << HelpText();
        return ExitCalculated;
    }
    if (command.version) {
        std::cout << "fluvara-batch " << FLUVARA_VERSION << "\n";
        return ExitCalculated;
    }
    CleanUpOnInterrupt();
    try {
        return Run(command);
    } catch (const TInputError& e) {
        Complain((command.input == "-" ? std::string("Standardeingabe") : command.input) + ": " + e.what());
    } catch (const TUsageError& e) {
        Complain(e.what());
    } catch (const std::exception& e) {
        Complain(e.what());
    }
    return ExitUnusable;
}
