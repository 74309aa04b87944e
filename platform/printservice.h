#pragma once
// The one printer of the run, shared by every printout (the pages' reports,
// the curves, the reach list): the printer chosen, the paper, the orientation
// and the copies as the printer dialog left them carry over from one printout
// to the next, whichever window printed.

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace fluvara {

// Decides for a print job where it goes: gets the run's printer, prepared by
// the window that prints, sets it up and gives true to print on it. The
// printer dialog unless replaced.
using TPrintTarget = std::function<bool(QPrinter& printer)>;

class TPrintService {
public:
    TPrintService();
    ~TPrintService();
    TPrintService(const TPrintService&) = delete;
    TPrintService& operator=(const TPrintService&) = delete;

    // Replaces the printer dialog, as tests do to print into a file without a
    // modal dialog; an empty target brings the dialog back.
    void SetPrintTarget(TPrintTarget target);

    // The run's printer, made on first use.
    QPrinter& Printer();

    // The printer dialog over window (or the target) on the run's printer;
    // nullptr when the user cancels.
    QPrinter* Choose(QWidget* window);

private:
    TPrintTarget target_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace fluvara
