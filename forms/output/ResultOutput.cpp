#include "ResultOutput.h"

#include "DialogFrame.h"
#include "HeaderLineSetting.h"

#include "qtprinter.h"

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <exception>

namespace fluvara {

namespace {

TCalendarDate Today()
{
    const QDate date = QDate::currentDate();
    return {date.day(), date.month(), date.year()};
}

}  // namespace

TResultOutput::TResultOutput(const THeaderLine& headerLine, QObject* parent) : QObject(parent), headerLine_(headerLine)
{ }

TResultOutput::~TResultOutput() = default;

void TResultOutput::SetPrintTarget(TPrintTarget target) { target_ = std::move(target); }

QPrinter& TResultOutput::Printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TResultOutput::Copy(const std::string& text)
{
    const QString copy = QString::fromUtf8(text);
    QGuiApplication::clipboard()->setText(copy);
    emit Copied(copy);
}

TPrintRequest TResultOutput::Request() const
{
    TPrintRequest request;
    request.today = Today;
    request.headerLine = headerLine_.Text().toStdString();
    request.applicationTitle = ApplicationTitle;
    return request;
}

QPrinter* TResultOutput::ChoosePrinter(QWidget* window)
{
    QPrinter& printer = Printer();
    bool print = false;
    if (target_) {
        print = target_(printer);
    } else {
        QPrintDialog dialog(&printer, window);
        print = dialog.exec() == QDialog::Accepted;
    }
    // the drawings are laid out in pixels of a 600 dpi printer
    printer.setResolution(PrintResolution);
    return print ? &printer : nullptr;
}

bool TResultOutput::Print(QWidget* window, TPrintTitleDialog* titles, const TPrintout& printout)
{
    QPrinter& printer = Printer();
    TPrintRequest request = Request();
    request.askTitles = [titles] { return titles ? titles->AskTitles() : TPrintTitles{}; };
    request.choosePrinter = [this, window] { return ChoosePrinter(window) != nullptr; };
    try {
        TQtPrinterPage page(printer);
        return PrintReport(page, request, printout);
    } catch (const std::exception& e) {
        // The printing system failed; the program goes on.
        QMessageBox::critical(window, QString::fromUtf8(ApplicationTitle).trimmed(), QString::fromUtf8(e.what()));
    }
    return false;
}

void TResultOutput::Render(QPrinter& printer, const TPrintTitles& titles, const TPrintout& printout) const
{
    TPrintRequest request = Request();
    request.askTitles = [&titles] { return titles; };
    request.choosePrinter = [&printer] {
        printer.setResolution(PrintResolution);
        return true;
    };
    TQtPrinterPage page(printer);
    PrintReport(page, request, printout);
}

}  // namespace fluvara
