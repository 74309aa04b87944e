#include "CommandLine.h"

#include <QCoreApplication>
#include <QGuiApplication>

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

bool AsksOnlyForText(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    TCommandLine commandLine;
    return commandLine.Parse(arguments) && (commandLine.HelpRequested() || commandLine.VersionRequested());
}

}  // namespace fluvara
