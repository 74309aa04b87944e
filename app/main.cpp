#include "CommandLine.h"
#include "Main.h"
#include "QuitAfterShow.h"
#include "Startup.h"

#include <QApplication>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Help and version are texts: they need no display, so they run on Qt's platform without a screen.
    if (fluvara::AsksOnlyForText(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fluvara::SetProgramIdentity();
    fluvara::InstallGermanQtTexts();
    fluvara::TCommandLine commandLine;
    commandLine.Process(app);

    if (!commandLine.ProjectFile().isEmpty()) {
        const QString message = QStringLiteral("fluvara: Projektdateien öffnet diese Version noch nicht; %1 bleibt ungeöffnet.\n")
                                    .arg(commandLine.ProjectFile());
        std::fputs(message.toLocal8Bit().constData(), stderr);
    }
    auto windows = fluvara::StartApplication();
    if (commandLine.QuitAfterShow())
        fluvara::QuitAfterFirstPaint(*windows->mainForm);
    app.exec();
    return 0;
}
