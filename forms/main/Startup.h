#pragma once
// Start-up: the main window, then every dialog once, in a fixed order.

#include <QString>

#include <memory>

namespace fluvara {

class THeaderLine;
class TResultOutput;
class TMainForm;
class TAboutForm;
class TClipForm;
class TGBemForm;
class THeadLineForm;
class TkbForm;
class TkstForm;
class TNBemForm;
class TTheoForm;

struct TApplicationWindows {
    TApplicationWindows();
    ~TApplicationWindows();

    // Declared first, destroyed last: the dialogs go before the main window,
    // the windows before the header line and the output they use.
    std::unique_ptr<THeaderLine> headerLine;
    std::unique_ptr<TResultOutput> output;
    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TAboutForm> aboutForm;
    std::unique_ptr<TClipForm> clipForm;
    std::unique_ptr<TGBemForm> gBemForm;
    std::unique_ptr<THeadLineForm> headLineForm;
    std::unique_ptr<TkbForm> kbForm;
    std::unique_ptr<TkstForm> kstForm;
    std::unique_ptr<TNBemForm> nBemForm;
    std::unique_ptr<TTheoForm> theoForm;
};

// Maps the window faces to the installed ones. Called by CreateApplicationWindows.
void InstallFontSubstitutes();

// Loads Qt's German texts for its own dialogs when they are installed.
// Called by CreateApplicationWindows.
void InstallGermanQtTexts();

// Creates all windows in start-up order; the main window is centred but not shown.
std::unique_ptr<TApplicationWindows> CreateApplicationWindows();

// Creates the windows and shows the main window centred on the screen. Once
// it is up, a recovery copy of the reach list left by a crash is offered, and
// then the project file given (an existing file, or none) is opened.
std::unique_ptr<TApplicationWindows> StartApplication(const QString& projectFile = QString());

}  // namespace fluvara
