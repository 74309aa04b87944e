#include "commandline.h"

#include "rain.h"
#include "textformat.h"

#include <charconv>
#include <cmath>

namespace fluvara {

namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending)
{
    if (text.size() < ending.size())
        return false;
    text.remove_prefix(text.size() - ending.size());
    for (std::size_t i = 0; i < ending.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != ending[i])
            return false;
    }
    return true;
}

// A number of an option, with a decimal comma or point.
std::optional<double> OptionNumber(std::string_view text)
{
    std::string working(text);
    for (char& c : working)
        if (c == ',')
            c = '.';
    double value = 0;
    const char* first = working.data() + (working.starts_with('-') ? 1 : 0);
    const auto [end, ec] = std::from_chars(first, working.data() + working.size(), value, std::chars_format::fixed);
    if (working.empty() || ec != std::errc() || end != working.data() + working.size() || !std::isfinite(value))
        return std::nullopt;
    return working.starts_with('-') ? -value : value;
}

double TakeNumber(std::string_view option, std::string_view text, double lower)
{
    const auto value = OptionNumber(text);
    if (!value || *value < lower)
        throw TUsageError(Fmt("%s erwartet eine Zahl ab %s, nicht „%s“", option, lower == 0 ? "0" : "über 0", text));
    return *value;
}

}  // namespace

TFileKind KindOfPath(std::string_view path)
{
    if (EndsWithIgnoringCase(path, ".fluvara"))
        return TFileKind::Project;
    if (EndsWithIgnoringCase(path, ".xlsx") || EndsWithIgnoringCase(path, ".ods"))
        return TFileKind::Workbook;
    return TFileKind::Csv;
}

TCommand ParseCommandLine(std::span<const std::string_view> args)
{
    TCommand command;
    bool inputGiven = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        std::string_view value;
        bool hasValue = false;
        if (!optionsEnded && arg.starts_with("--") && arg.find('=') != std::string_view::npos) {
            value = arg.substr(arg.find('=') + 1);
            arg = arg.substr(0, arg.find('='));
            hasValue = true;
        }
        const auto takeValue = [&]() -> std::string_view {
            if (hasValue)
                return value;
            if (i + 1 >= args.size())
                throw TUsageError("Die Option " + std::string(arg) + " braucht einen Wert");
            return args[++i];
        };
        if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
            if (inputGiven)
                throw TUsageError("Mehr als eine Eingabedatei: " + std::string(arg));
            command.input = std::string(arg);
            inputGiven = true;
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help" || arg == "--hilfe") {
            command.help = true;
        } else if (arg == "--version") {
            command.version = true;
        } else if (arg == "-o" || arg == "--ausgabe") {
            command.output = std::string(takeValue());
            if (command.output.empty())
                throw TUsageError("Die Ausgabedatei hat keinen Namen");
        } else if (arg == "--dezimalpunkt") {
            command.style = PointCsv;
        } else if (arg == "--nennweiten") {
            command.series = ParseNominalSeries(takeValue());
            if (!command.series)
                throw TUsageError("--nennweiten erwartet ganze Millimeter von 1 bis 10000, etwa \"200 300 400\"");
        } else if (arg == "--liste") {
            const std::string_view which = takeValue();
            if (which == "kreis")
                command.list = TReachKind::Circle;
            else if (which == "gerinne")
                command.list = TReachKind::Channel;
            else if (which == "netz")
                command.list = TReachKind::Network;
            else
                throw TUsageError("--liste erwartet \"kreis\", \"gerinne\" oder \"netz\"");
        } else if (arg == "--regen") {
            if (command.rain && command.rain->reinhold)
                throw TUsageError("--regen und --r15 schließen einander aus");
            const TRainReading reading = ParseRainTable(takeValue());
            if (!reading.table)
                throw TUsageError("--regen: " + reading.error);
            command.rain = TDesignRain{*reading.table, std::nullopt};
        } else if (arg == "--r15" || arg == "--n") {
            if (command.rain && !command.rain->reinhold)
                throw TUsageError("--regen und --r15 schließen einander aus");
            if (!command.rain)
                command.rain = TDesignRain{{}, TReinholdRain{0, 1}};
            const double value = TakeNumber(arg, takeValue(), 0);
            (arg == "--r15" ? command.rain->reinhold->r15 : command.rain->reinhold->n) = value;
        } else if (arg == "--t0") {
            command.t0 = TakeNumber(arg, takeValue(), 0);
        } else if (arg == "--tau-min") {
            command.tauLimit = TakeNumber(arg, takeValue(), 0);
        } else if (arg == "--ueberdeckung-min") {
            const auto value = OptionNumber(takeValue());
            if (!value)
                throw TUsageError("--ueberdeckung-min erwartet eine Zahl in m");
            command.coverLimit = *value;
        } else if (arg == "-j" || arg == "--kerne") {
            const std::string_view text = takeValue();
            unsigned n = 0;
            const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
            if (ec != std::errc() || end != text.data() + text.size() || n < 1 || n > 256)
                throw TUsageError(std::string(arg) + " erwartet eine Anzahl von 1 bis 256");
            command.threads = n;
        } else {
            throw TUsageError("Unbekannte Option: " + std::string(arg));
        }
    }
    if (command.help || command.version)
        return command;
    if (command.rain && command.rain->reinhold) {
        if (command.rain->reinhold->r15 == 0)
            throw TUsageError("--n braucht --r15, die Regenspende r15 in l/(s·ha)");
        if (std::string error = ReinholdError(*command.rain->reinhold); !error.empty())
            throw TUsageError(error);
    }
    if (!inputGiven)
        throw TUsageError("Es fehlt die Eingabedatei");
    command.inputKind = command.input == "-" ? TFileKind::Csv : KindOfPath(command.input);
    command.outputKind = command.output == "-" ? TFileKind::Csv : KindOfPath(command.output);
    if (EndsWithIgnoringCase(command.output, ".ods"))
        throw TUsageError("Arbeitsmappen werden als .xlsx geschrieben, nicht als .ods: " + command.output);
    if (command.output != "-" && command.outputKind == TFileKind::Csv && !EndsWithIgnoringCase(command.output, ".csv"))
        throw TUsageError("Die Ausgabe braucht die Endung .csv, .xlsx oder .fluvara: " + command.output);
    return command;
}

std::string HelpText()
{
    return "Aufruf: fluvara-batch EINGABE [-o AUSGABE] [Optionen]\n"
           "\n"
           "Berechnet eine Liste von Kreisprofil-Haltungen oder Gerinneabschnitten mit den\n"
           "Rechenwegen und Prüfungen der Seiten von FLUVARA, oder ein Kanalnetz nach dem\n"
           "Fließzeitverfahren.\n"
           "\n"
           "EINGABE  eine CSV-Datei (Kreisprofil-, Gerinne- oder Netzliste, an der Kopfzeile\n"
           "         erkannt), eine Arbeitsmappe (.xlsx, .ods: die Blätter „Kreisprofile“ und\n"
           "         „Gerinne“, sonst das erste Blatt), ein Projekt (.fluvara) oder - für CSV von\n"
           "         der Standardeingabe\n"
           "AUSGABE  .csv, .xlsx (Arbeitsmappe) oder .fluvara (Projekt), nach der Endung;\n"
           "         ohne -o oder mit - als CSV auf die Standardausgabe\n"
           "\n"
           "Optionen:\n"
           "  -o, --ausgabe DATEI     Ausgabedatei\n"
           "  --dezimalpunkt          CSV mit , zwischen den Feldern und Dezimalpunkt\n"
           "                          (sonst ; und Dezimalkomma)\n"
           "  --nennweiten LISTE      eigene Nennweitenreihe in mm, etwa \"200 300 400 500\"\n"
           "  --liste kreis|gerinne|netz\n"
           "                          welche Liste eines Projekts in eine CSV-Datei geht\n"
           "\n"
           "Für ein Netz (Liste mit den Spalten von und bis):\n"
           "  --regen TABELLE         Bemessungsregen als Dauer:Regenspende in min und\n"
           "                          l/(s·ha), etwa \"5:283,3;10:190;15:146,7\"\n"
           "  --r15 R --n N           oder Regenspende r15 und Häufigkeit n (1/a) nach\n"
           "                          Reinhold (n ohne Angabe 1)\n"
           "  --t0 MIN                Fließzeit am Anfang jedes Strangs (sonst 5 min)\n"
           "  --tau-min N/m²          Schubspannung, unter der gewarnt wird (sonst 1)\n"
           "  --ueberdeckung-min M    Überdeckung, unter der gewarnt wird (sonst 1 m)\n"
           "  -j, --kerne N           Anzahl der Rechenkerne (sonst alle)\n"
           "  -h, --help              diese Hilfe\n"
           "  --version               Programmversion\n"
           "\n"
           "Rückgabewert: 0 alle Zeilen berechnet, 1 Zeilen abgewiesen (Meldung in der Spalte\n"
           "Status, Zusammenfassung auf der Standardfehlerausgabe), 2 Eingabe unbrauchbar\n"
           "(nichts geschrieben).\n";
}

}  // namespace fluvara
