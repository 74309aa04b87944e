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
    // Help and version are texts: they need no display, so they run on Qt's platform without a screen.
    if (fluvara::AsksOnlyForText(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fluvara::KeepClassicNumbers();
    fluvara::SetProgramIdentity();
    fluvara::InstallGermanQtTexts();
    fluvara::TCommandLine commandLine;
    commandLine.Process(app);

    auto windows = fluvara::StartApplication();
    // A project named on the command line opens in the reach list window; a
    // missing one is told on the terminal, without a box that would hold up the start.
    const QString project = commandLine.ProjectFile();
    if (!project.isEmpty() && !QFileInfo(project).isFile())
        std::fputs(QStringLiteral("fluvara: %1 gibt es nicht; die Haltungsliste bleibt leer.\n")
                       .arg(project)
                       .toLocal8Bit()
                       .constData(),
                   stderr);
    else if (!project.isEmpty())
        windows->mainForm->OpenReachProject(project);
    if (commandLine.QuitAfterShow())
        fluvara::QuitAfterFirstPaint(*windows->mainForm);
    app.exec();
    return 0;
}
