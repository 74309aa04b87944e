#include "ResultOutput.h"

#include "DialogFrame.h"
#include "HeaderLineSetting.h"

#include "qtprinter.h"

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QMessageBox>
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

TResultOutput::TResultOutput(const THeaderLine& headerLine, TPrintService& printing, QObject* parent)
    : QObject(parent), headerLine_(headerLine), printing_(printing)
{ }

TResultOutput::~TResultOutput() = default;

QPrinter& TResultOutput::Printer() { return printing_.Printer(); }

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
    QPrinter* printer = printing_.Choose(window);
    // the drawings are laid out in pixels of a 600 dpi printer
    printing_.Printer().setResolution(PrintResolution);
    return printer;
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
