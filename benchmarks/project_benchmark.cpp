// Time and peak memory of long project files, read and written: in the batch
// command (the program itself) and in the window's document (opening a
// project, importing the same list from CSV for comparison, saving it).
// Every case runs in a process of its own, so that the peak memory
// (peak_MB, the process's maximum resident set) is that case's alone.
//
//   benchmarks/project_benchmark [--benchmark_filter=Batch]
//
// FLUVARA_BATCH names the batch command; by default it is found beside
// this program's build folder.

#include "ReachListDocument.h"

#include "printfile.h"
#include "project.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace fluvara;

// The files of a list of rows, made once: CSV and project.
struct TFiles {
    fs::path csv, project;
};

const fs::path& Folder()
{
    static QTemporaryDir dir;
    static const fs::path path = LocalPath(dir.path());
    return path;
}

struct TMeasured {
    double seconds = 0;
    long peakKiB = 0;
    bool ok = false;
};

// Runs work in a child process; its time as the child measured it (sent
// through a pipe) and the child's peak memory.
TMeasured InChild(const std::function<bool(double& seconds)>& work)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        double seconds = 0;
        const bool ok = work(seconds);
        const double message[2] = {seconds, ok ? 1.0 : 0.0};
        [[maybe_unused]] const ssize_t n = ::write(fds[1], message, sizeof message);
        ::_exit(ok ? 0 : 1);
    }
    ::close(fds[1]);
    double message[2] = {0, 0};
    const bool got = ::read(fds[0], message, sizeof message) == static_cast<ssize_t>(sizeof message);
    ::close(fds[0]);
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid)
        return {};
    return {message[0], usage.ru_maxrss, got && message[1] > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

// Made in a process of its own, so that this one stays small: a child
// starts with the memory of its parent, which would count in its peak.
const TFiles& FilesOf(int rows)
{
    static std::map<int, TFiles> made;
    if (auto it = made.find(rows); it != made.end())
        return it->second;
    const TFiles files{Folder() / ("liste" + std::to_string(rows) + ".csv"),
                       Folder() / ("projekt" + std::to_string(rows) + ".fluvara")};
    InChild([&](double&) {
        static const char* const diameters[] = {"200", "250", "300", "400", "500", "600", "800", "1000"};
        std::vector<std::vector<std::string>> texts;
        texts.reserve(static_cast<std::size_t>(rows));
        for (int i = 0; i < rows; ++i)
            texts.push_back({"H" + std::to_string(i), diameters[i % 8], "1,5", std::to_string(2 + i % 7),
                             std::to_string(10 + i % 90)});
        TProject project;
        project.circle = MakeList({"Haltung", "d", "kb", "Is", "Q"}, std::move(texts));
        SaveCsvList(files.csv, project.circle, CalculateList(project.circle, project.Options(), 0), GermanCsv);
        SaveProject(files.project, project);
        return true;
    });
    return made[rows] = files;
}

double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string BatchCommand()
{
    if (const char* given = std::getenv("FLUVARA_BATCH"))
        return given;
    return FLUVARA_BATCH;
}

void Report(benchmark::State& state, const TMeasured& measured, int rows)
{
    if (!measured.ok) {
        state.SkipWithError("the case failed");
        return;
    }
    state.SetIterationTime(measured.seconds);
    state.counters["peak_MB"] = static_cast<double>(measured.peakKiB) / 1024.0;
    state.counters["rows"] = rows;
}

// The batch command with the arguments, as a process of its own.
void Batch(benchmark::State& state, const std::function<std::vector<std::string>(const TFiles&)>& arguments)
{
    const int rows = static_cast<int>(state.range(0));
    const TFiles& files = FilesOf(rows);
    for (auto _ : state) {
        const std::vector<std::string> args = arguments(files);
        const TMeasured measured = InChild([&](double& seconds) {
            const auto start = std::chrono::steady_clock::now();
            const std::string command = BatchCommand();
            std::vector<char*> argv{const_cast<char*>(command.c_str())};
            for (const std::string& a : args)
                argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            const pid_t pid = ::fork();
            if (pid == 0) {
                const int null = ::open("/dev/null", O_RDWR);
                ::dup2(null, 1);
                ::execv(command.c_str(), argv.data());
                ::_exit(127);
            }
            int status = 0;
            ::waitpid(pid, &status, 0);
            seconds = Since(start);
            return WIFEXITED(status) && WEXITSTATUS(status) <= 1;
        });
        Report(state, measured, rows);
    }
}

void BatchReadProject(benchmark::State& state)
{
    Batch(state, [](const TFiles& f) {
        return std::vector<std::string>{f.project.string(), "-o", (Folder() / "aus.csv").string()};
    });
}

void BatchWriteProject(benchmark::State& state)
{
    Batch(state, [](const TFiles& f) {
        return std::vector<std::string>{f.csv.string(), "-o", (Folder() / "aus.fluvara").string()};
    });
}

void BatchProjectToProject(benchmark::State& state)
{
    Batch(state, [](const TFiles& f) {
        return std::vector<std::string>{f.project.string(), "-o", (Folder() / "kopie.fluvara").string()};
    });
}

// The window's document in a process of its own, with its own settings.
void Window(benchmark::State& state, const std::function<bool(TReachListDocument&, const TFiles&, double&)>& work)
{
    const int rows = static_cast<int>(state.range(0));
    const TFiles& files = FilesOf(rows);
    for (auto _ : state) {
        const TMeasured measured = InChild([&](double& seconds) {
            ::setenv("XDG_CONFIG_HOME", (Folder() / "einstellungen").c_str(), 1);
            int argc = 1;
            char name[] = "project_benchmark";
            char* argv[] = {name, nullptr};
            QCoreApplication application(argc, argv);
            TReachListDocument document;
            return work(document, files, seconds);
        });
        Report(state, measured, rows);
    }
}

template <typename F>
bool Timed(double& seconds, F&& work)
{
    const auto start = std::chrono::steady_clock::now();
    const bool ok = work();
    seconds = Since(start);
    return ok;
}

void WindowOpenProject(benchmark::State& state)
{
    Window(state, [](TReachListDocument& document, const TFiles& files, double& seconds) {
        return Timed(seconds, [&] { return document.Open(QString::fromStdString(files.project.string())); });
    });
}

void WindowImportCsv(benchmark::State& state)
{
    Window(state, [](TReachListDocument& document, const TFiles& files, double& seconds) {
        return Timed(seconds,
                     [&] { return document.ImportCsv(QString::fromStdString(files.csv.string())).has_value(); });
    });
}

// Opens the project, then times its save (the peak holds both).
void WindowSaveProject(benchmark::State& state)
{
    Window(state, [](TReachListDocument& document, const TFiles& files, double& seconds) {
        if (!document.Open(QString::fromStdString(files.project.string())))
            return false;
        return Timed(seconds,
                     [&] { return document.Save(QString::fromStdString((Folder() / "fenster.fluvara").string())); });
    });
}

}  // namespace

#define FLUVARA_CASE(name)                                                                                             \
    BENCHMARK(name)->ArgName("rows")->Arg(100000)->Arg(1000000)->Iterations(1)->UseManualTime()->Unit(                 \
        benchmark::kMillisecond)

FLUVARA_CASE(BatchReadProject);
FLUVARA_CASE(BatchWriteProject);
FLUVARA_CASE(BatchProjectToProject);
FLUVARA_CASE(WindowImportCsv);
FLUVARA_CASE(WindowOpenProject);
FLUVARA_CASE(WindowSaveProject);

BENCHMARK_MAIN();
