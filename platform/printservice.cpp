#include "printservice.h"

#include <QPrintDialog>
#include <QPrinter>

namespace fluvara {

TPrintService::TPrintService() = default;
TPrintService::~TPrintService() = default;

void TPrintService::SetPrintTarget(TPrintTarget target) { target_ = std::move(target); }

QPrinter& TPrintService::Printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

QPrinter* TPrintService::Choose(QWidget* window)
{
    QPrinter& printer = Printer();
    bool print = false;
    if (target_) {
        print = target_(printer);
    } else {
        QPrintDialog dialog(&printer, window);
        print = dialog.exec() == QDialog::Accepted;
    }
    return print ? &printer : nullptr;
}

}  // namespace fluvara
