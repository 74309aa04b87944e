#include "CommandLine.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace fluvara {

namespace {

const char* const TooManyFiles = "Es kann nur eine Projektdatei angegeben werden.";

}  // namespace

void SetProgramIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("fluvara"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FLUVARA_VERSION));
    // Wayland finds the window's icon and menu entry through this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.ko_lut.fluvara"));
}

TCommandLine::TCommandLine()
    : quitAfterShow_(QStringLiteral("quit-after-show"),
                     QStringLiteral("Zeigt das Hauptfenster und endet, sobald es gezeichnet ist "
                                    "(Prüfung einer Installation).")),
      helpOption_(parser_.addHelpOption()),
      versionOption_(parser_.addVersionOption())
{
    parser_.setApplicationDescription(
        QStringLiteral("FLUVARA: Kreisrohre nach Prandtl-Colebrook nachweisen und bemessen, Trapezgerinne berechnen."));
    parser_.addOption(quitAfterShow_);
    parser_.addPositionalArgument(QStringLiteral("DATEI"),
                                  QStringLiteral("FLUVARA-Projektdatei (.fluvara), in der Haltungsliste geöffnet"),
                                  QStringLiteral("[DATEI]"));
}

bool TCommandLine::Parse(const QStringList& arguments)
{
    error_.clear();
    if (!parser_.parse(arguments)) {
        error_ = parser_.errorText();
        return false;
    }
    if (parser_.positionalArguments().size() > 1) {
        error_ = QString::fromUtf8(TooManyFiles);
        return false;
    }
    return true;
}

bool TCommandLine::HelpRequested() const
{
    return parser_.isSet(helpOption_) || parser_.isSet(QStringLiteral("help-all"));
}

bool TCommandLine::VersionRequested() const { return parser_.isSet(versionOption_); }

QString TCommandLine::ProjectFile() const { return parser_.positionalArguments().value(0); }

void TCommandLine::Process(const QCoreApplication& app)
{
    // Qt's own handling: help, version and unknown options print their text and end the program.
    parser_.process(app);
    if (parser_.positionalArguments().size() > 1) {
        const QString message = QCoreApplication::applicationName() + QStringLiteral(": ") +
            QString::fromUtf8(TooManyFiles) + QLatin1Char('\n');
        std::fputs(message.toLocal8Bit().constData(), stderr);
        std::exit(EXIT_FAILURE);
    }
}

namespace {

// Qt's own options (Qt 6: core, gui, widgets and the X11 platform) and whether each takes a value, which
// follows it or, for the marked ones, is joined by '='. Qt reads them wherever they stand, also after "--".
struct TQtOption {
    const char* name;
    bool takesValue;
    bool joinedValue;
};
constexpr TQtOption QtOptions[] = {
    {"qmljsdebugger", true, true},  {"platform", true, false},     {"platformpluginpath", true, false},
    {"platformtheme", true, false}, {"plugin", true, false},       {"qwindowgeometry", true, false},
    {"geometry", true, false},      {"qwindowtitle", true, false}, {"title", true, false},
    {"qwindowicon", true, false},   {"icon", true, false},         {"session", true, false},
    {"style", true, true},          {"stylesheet", true, true},    {"display", true, false},
    {"name", true, false},          {"visual", true, false},       {"reverse", false, false},
    {"testability", false, false},  {"widgetcount", false, false}, {"qdebug", false, false},
    {"qdevel", false, false},       {"nograb", false, false},      {"dograb", false, false},
};

// How many arguments from `index` on are one of Qt's options with its value; 0 when none.
int QtOptionLength(const QStringList& arguments, int index)
{
    QString argument = arguments[index];
    if (!argument.startsWith(QLatin1Char('-')))
        return 0;
    argument.remove(0, argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    for (const TQtOption& option : QtOptions) {
        const QLatin1String name(option.name);
        if (argument == name)
            return option.takesValue ? std::min(2, int(arguments.size()) - index) : 1;
        if (option.joinedValue && argument.startsWith(name + QLatin1Char('=')))
            return 1;
    }
    return 0;
}

// Positions of the arguments that are the program's own, the program's name first.
std::vector<int> OwnArguments(const QStringList& arguments)
{
    std::vector<int> own;
    for (int i = 0; i < int(arguments.size());) {
        const int qtLength = i == 0 ? 0 : QtOptionLength(arguments, i);
        if (qtLength == 0)
            own.push_back(i);
        i += std::max(qtLength, 1);
    }
    return own;
}

}  // namespace

QStringList WithoutQtOptions(const QStringList& arguments)
{
    QStringList own;
    for (const int i : OwnArguments(arguments))
        own << arguments[i];
    return own;
}

TStartArguments::TStartArguments(int argc, char** argv)
{
    QStringList all;
    for (int i = 0; i < argc; ++i)
        all << QString::fromLocal8Bit(argv[i]);
    const std::vector<int> own = OwnArguments(all);
    TCommandLine commandLine;
    needsDisplay_ =
        commandLine.Parse(WithoutQtOptions(all)) && !commandLine.HelpRequested() && !commandLine.VersionRequested();
    if (needsDisplay_) {
        for (int i = 0; i < argc; ++i)
            arguments_.emplace_back(argv[i]);
    } else {
        for (const int i : own)
            arguments_.emplace_back(argv[i]);
    }
    for (QByteArray& argument : arguments_)
        pointers_.push_back(argument.data());
    count_ = int(arguments_.size());
    pointers_.push_back(nullptr);
}

}  // namespace fluvara
