#pragma once
// Start-up: the header line, the printer and the output of results, every
// dialog once, in a fixed order, then the main window, all connected here.

#include "Main.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <vector>

namespace fluvara {

class THeaderLine;
class TPrintService;
class TResultOutput;
class TMainForm;
class TPartialFillingForm;
class TRatingCurveForm;
class TReachListWindow;

// Every window of the program and what they share, made and connected here
// and nowhere else: the header line from the settings, the print service,
// the output of results, the small dialogs of the table in Startup.cpp, each
// once, and the main window, which gets them passed in.
class TApplicationWindows {
public:
    TApplicationWindows();
    ~TApplicationWindows();
    TApplicationWindows(const TApplicationWindows&) = delete;
    TApplicationWindows& operator=(const TApplicationWindows&) = delete;

    // The dialog of that kind; never nullptr.
    QDialog* Dialog(TDialogKind kind) const;
    template <typename Form>
    Form* Dialog() const
    {
        for (const auto& dialog : dialogs_)
            if (auto* form = qobject_cast<Form*>(dialog.get()))
                return form;
        return nullptr;
    }
    // Every dialog of the table, in its order.
    std::vector<QDialog*> Dialogs() const;

    // Declared first, destroyed last: the main window goes before the
    // dialogs, the windows before the output, printer and header line they use.
    const std::unique_ptr<THeaderLine> headerLine;
    const std::unique_ptr<TPrintService> printing;
    const std::unique_ptr<TResultOutput> output;

private:
    void OpenDialog(TDialogKind kind);

    std::vector<std::unique_ptr<QDialog>> dialogs_;

public:
    const std::unique_ptr<TMainForm> mainForm;
};

// The windows made on first use, made and connected here as every other:
// the reach list of the main window, which prints under the header line and
// trades reaches with the page in front; the curve windows of the Extras
// menu, beside the main window and printed under the header line.
std::unique_ptr<TReachListWindow> MakeReachListWindow(TMainForm& main, const TMainWindowParts& parts);
TPartialFillingForm* MakePartialFillingWindow(QWidget& main, TPrintService& printing, const THeaderLine& headerLine);
TRatingCurveForm* MakeRatingCurveWindow(QWidget& main, TPrintService& printing, const THeaderLine& headerLine);

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
