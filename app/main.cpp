#include "ClassicNumbers.h"
#include "CommandLine.h"
#include "Main.h"
#include "QuitAfterShow.h"
#include "Startup.h"

#include <QApplication>
#include <QFileInfo>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The command line is read before the application object, which needs a display: help, version and a
    // wrong command line are texts and are told on Qt's platform without a screen.
    fluvara::TStartArguments arguments(argc, argv);
    if (!arguments.NeedsDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(arguments.Count(), arguments.Values());
    fluvara::KeepClassicNumbers();
    fluvara::SetProgramIdentity();
    fluvara::InstallGermanQtTexts();
    fluvara::TCommandLine commandLine;
    commandLine.Process(app);

    // A project named on the command line opens in the reach list window; a
    // missing one is told on the terminal, without a box that would hold up the start.
    QString project = commandLine.ProjectFile();
    if (!project.isEmpty() && !QFileInfo(project).isFile()) {
        std::fputs(QStringLiteral("fluvara: %1 gibt es nicht; die Haltungsliste bleibt leer.\n")
                       .arg(project)
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        project.clear();
    }
    auto windows = fluvara::StartApplication(project);
    if (commandLine.QuitAfterShow())
        fluvara::QuitAfterFirstPaint(*windows->mainForm);
    app.exec();
    return 0;
}
