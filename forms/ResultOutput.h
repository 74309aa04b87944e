#pragma once
// Copy and print buttons of the verification and channel pages: the page's
// result lines to the clipboard, and the one-page printed reports.

#include <functional>

class QPrinter;

namespace fluvara {

class TMainForm;

// The printer dialog for printer, the one printer of the run, so that what
// is chosen for one printout carries over to the next; true to print.
using TPrintTarget = std::function<bool(QPrinter& printer)>;

// Replaces the printer dialog, as tests do to print into a file without a
// modal dialog; an empty target brings the dialog back.
void SetPrintTarget(TPrintTarget target);

void CopyCircleResult(TMainForm& main);    // NClipBtnClick
void CopyChannelResult(TMainForm& main);   // GClipBtnClick
void PrintCircleReport(TMainForm& main);   // DruckBtnClick
void PrintChannelReport(TMainForm& main);  // GDruSBtnClick

} // namespace fluvara
