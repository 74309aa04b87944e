#pragma once
// The program's command line: its options, the project file, help and version.

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <vector>

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

// The arguments left once Qt's application object has taken its own options (-platform, -style, -display, …)
// out, as it does; read without an application object, which would need a display.
QStringList WithoutQtOptions(const QStringList& arguments);

// The arguments the application object is made with. A command line that asks only for a text (help,
// version) or is wrong needs no display: its text is told on Qt's platform without a screen, and Qt's own
// options are left out then, as one of them could name another platform.
class TStartArguments {
public:
    TStartArguments(int argc, char** argv);
    bool NeedsDisplay() const { return needsDisplay_; }
    // For the application object, which keeps both and may take arguments out.
    int& Count() { return count_; }
    char** Values() { return pointers_.data(); }

private:
    std::vector<QByteArray> arguments_;
    std::vector<char*> pointers_;
    int count_ = 0;
    bool needsDisplay_ = true;
};

}  // namespace fluvara
