#pragma once
// The command line of fluvara-batch.

#include "csvwriter.h"
#include "networksettings.h"
#include "reach.h"

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fluvara {

class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TFileKind { Csv, Workbook, Project };

struct TCommand {
    std::string input;         // "-": CSV from standard input
    std::string output = "-";  // "-": CSV to standard output
    TFileKind inputKind = TFileKind::Csv;
    TFileKind outputKind = TFileKind::Csv;
    TCsvStyle style = GermanCsv;
    unsigned threads = 0;  // 0: every core
    std::optional<TNominalSeries> series;
    std::optional<TReachKind> list;  // which list of a project goes into a CSV file
    // A network's settings from the command line; what is not given comes
    // from the project or the defaults.
    std::optional<TDesignRain> rain;
    std::optional<double> t0;
    std::optional<double> tauLimit;
    std::optional<double> coverLimit;
    bool help = false;
    bool version = false;
};

// Throws TUsageError with a German message.
TCommand ParseCommandLine(std::span<const std::string_view> args);

// The kind of a file by its extension, any case; Csv for anything unknown.
TFileKind KindOfPath(std::string_view path);

std::string HelpText();

}  // namespace fluvara
