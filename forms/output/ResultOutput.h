#pragma once
// The program's output of results: clipboard copies and one-page printouts
// on the one printer of the run, which the print service keeps.

#include "printframe.h"
#include "printservice.h"

#include <QObject>
#include <QString>

#include <string>

class QPrinter;
class QWidget;

namespace fluvara {

class THeaderLine;
class TPrintTitleDialog;

inline const char* const ApplicationTitle = " FLUVARA ";

class TResultOutput : public QObject {
    Q_OBJECT
public:
    // The header line and the print service outlive this object.
    TResultOutput(const THeaderLine& headerLine, TPrintService& printing, QObject* parent = nullptr);
    ~TResultOutput() override;

    // The one printer of the run: what is chosen for one printout carries over to the next.
    QPrinter& Printer();

    // The printer dialog over window (or the service's target) on the run's
    // printer, set to the printouts' resolution; nullptr when the user cancels.
    QPrinter* ChoosePrinter(QWidget* window);

    const THeaderLine& HeaderLine() const { return headerLine_; }

    // Puts the text on the clipboard and tells who keeps the last copy.
    void Copy(const std::string& text);

    // One print job: the title dialog, the printer dialog over window (or the
    // target), the page. A failure of the printing system is shown over
    // window and the program goes on. False when nothing was printed.
    bool Print(QWidget* window, TPrintTitleDialog* titles, const TPrintout& printout);

    // The page with the given titles on any printer, asking nothing: for a
    // preview or a file. Throws std::exception when the printing system fails.
    void Render(QPrinter& printer, const TPrintTitles& titles, const TPrintout& printout) const;

signals:
    // The text last put on the clipboard, as the clipboard viewer shows it.
    void Copied(const QString& text);

private:
    TPrintRequest Request() const;

    const THeaderLine& headerLine_;
    TPrintService& printing_;
};

}  // namespace fluvara
