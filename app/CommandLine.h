#pragma once
// The program's command line: its options, the project file, help and version.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace fluvara {

// Name, version and desktop entry of the program, as the command line and the desktop see them.
void SetProgramIdentity();

class TCommandLine {
public:
    // The option texts are taken now: install the translator first.
    TCommandLine();

    // Reads the arguments (the first is the program); false on an unknown option or too many files.
    bool Parse(const QStringList& arguments);
    QString ErrorText() const { return error_; }

    bool HelpRequested() const;
    bool VersionRequested() const;
    bool QuitAfterShow() const { return parser_.isSet(quitAfterShow_); }
    // The project file named on the command line; empty when none.
    QString ProjectFile() const;

    // As Parse; prints help, version or the error and ends the program when any of them is due.
    void Process(const QCoreApplication& app);

private:
    QCommandLineParser parser_;
    QCommandLineOption quitAfterShow_;
    QCommandLineOption helpOption_;
    QCommandLineOption versionOption_;
    QString error_;
};

// True when the arguments ask only for a text (help or version), so that no display is needed.
bool AsksOnlyForText(int argc, char** argv);

}  // namespace fluvara
