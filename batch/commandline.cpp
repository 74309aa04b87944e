#include "commandline.h"

#include <charconv>

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
            else
                throw TUsageError("--liste erwartet \"kreis\" oder \"gerinne\"");
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
           "Rechenwegen und Prüfungen der Seiten von FLUVARA.\n"
           "\n"
           "EINGABE  eine CSV-Datei (Kreisprofil- oder Gerinneliste, an der Kopfzeile erkannt),\n"
           "         eine Arbeitsmappe (.xlsx, .ods: die Blätter „Kreisprofile“ und „Gerinne“,\n"
           "         sonst das erste Blatt), ein Projekt (.fluvara) oder - für CSV von der\n"
           "         Standardeingabe\n"
           "AUSGABE  .csv, .xlsx (Arbeitsmappe) oder .fluvara (Projekt), nach der Endung;\n"
           "         ohne -o oder mit - als CSV auf die Standardausgabe\n"
           "\n"
           "Optionen:\n"
           "  -o, --ausgabe DATEI     Ausgabedatei\n"
           "  --dezimalpunkt          CSV mit , zwischen den Feldern und Dezimalpunkt\n"
           "                          (sonst ; und Dezimalkomma)\n"
           "  --nennweiten LISTE      eigene Nennweitenreihe in mm, etwa \"200 300 400 500\"\n"
           "  --liste kreis|gerinne   welche Liste eines Projekts in eine CSV-Datei geht\n"
           "  -j, --kerne N           Anzahl der Rechenkerne (sonst alle)\n"
           "  -h, --help              diese Hilfe\n"
           "  --version               Programmversion\n"
           "\n"
           "Rückgabewert: 0 alle Zeilen berechnet, 1 Zeilen abgewiesen (Meldung in der Spalte\n"
           "Status, Zusammenfassung auf der Standardfehlerausgabe), 2 Eingabe unbrauchbar\n"
           "(nichts geschrieben).\n";
}

}  // namespace fluvara
