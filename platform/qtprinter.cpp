#include "qtprinter.h"

#include <QPrinter>

#include <stdexcept>

namespace fluvara {

namespace {

QFont PageFont()
{
    QFont font("Courier New");
    font.setPointSize(10);
    return font;
}

}  // namespace

TQtPrinterPage::TQtPrinterPage(QPrinter& printer) : printer_(printer), surface_(PageFont()) { }

TQtPrinterPage::~TQtPrinterPage()
{
    surface_.End();
    if (painter_.isActive())
        painter_.end();
    file_.reset();
}

void TQtPrinterPage::SetJobTitle(std::string_view title)
{
    printer_.setDocName(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
}

int TQtPrinterPage::PageWidth() { return printer_.pageLayout().paintRectPixels(printer_.resolution()).width(); }

int TQtPrinterPage::PageHeight() { return printer_.pageLayout().paintRectPixels(printer_.resolution()).height(); }

void TQtPrinterPage::BeginDoc()
{
    file_.emplace(printer_);
    if (!painter_.begin(&printer_))
        throw std::runtime_error("Der Druckauftrag konnte nicht begonnen werden.");
    surface_.Begin(&painter_);
    surface_.SetPenColor(Black);
    surface_.SetPenWidth(1);
    surface_.SetBrushColor(White);
}

void TQtPrinterPage::EndDoc()
{
    surface_.End();
    if (!painter_.end())
        throw std::runtime_error("Die Seite konnte nicht gedruckt werden.");
    if (printer_.printerState() == QPrinter::Error)
        throw std::runtime_error("Die Ausgabe ist unvollständig: der Ausdruck konnte nicht ganz gedruckt werden.");
    if (file_)
        file_->Deliver();
    file_.reset();
}

void TQtPrinterPage::SetFontSize(int points) { surface_.SetFontPointSize(points); }

}  // namespace fluvara
