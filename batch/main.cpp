// fluvara-batch: calculates a list of reaches from a file, without windows.

#include "atomicfile.h"
#include "commandline.h"
#include "liststreams.h"
#include "listlayout.h"
#include "textformat.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
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

int Run(const TCommand& command)
{
    std::ifstream file;
    std::istream* in = &std::cin;
    if (command.inputKind == TFileKind::Csv && command.input != "-") {
        file.open(command.input, std::ios::binary);
        if (!file)
            throw TInputError(command.input + " kann nicht geöffnet werden (" + ReadErrorCause(errno) + ")");
        in = &file;
    }
    TRunOptions options = RunOptionsOf(command);
    TProgress progress;
    options.progress = [&progress](std::size_t rows) { progress(rows); };
    TListCount count;
    if (command.inputKind == TFileKind::Project)
        count = StreamProject(command, options);
    else if (command.inputKind == TFileKind::Workbook)
        count = StreamWorkbook(command, options);
    else if (command.outputKind == TFileKind::Project)
        count = StreamCsvToProject(command, *in, options);
    else
        count = StreamCsv(command, *in, options);
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
