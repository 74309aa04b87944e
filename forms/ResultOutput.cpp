#include "ResultOutput.h"

#include "Gbem.h"
#include "Main.h"
#include "Nbem.h"
#include "VerificationPage.h"

#include "channelprintout.h"
#include "circleprintout.h"
#include "clipboardtext.h"
#include "qtprinter.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>

#include <exception>

namespace fluvara {

namespace {

TPrintTarget& PrintTarget()
{
    static TPrintTarget target;
    return target;
}

QPrinter* printer = nullptr;

// PrintDialog1's printer: one for the run, gone with the application.
QPrinter& PrintDialog1Printer()
{
    if (!printer) {
        printer = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine([] {
            delete printer;
            printer = nullptr;
        });
    }
    return *printer;
}

bool ChoosePrinter(TMainForm& main, QPrinter& printer)
{
    bool print = false;
    if (PrintTarget()) {
        print = PrintTarget()(printer);
    } else {
        QPrintDialog dialog(&printer, &main);
        print = dialog.exec() == QDialog::Accepted;
    }
    // the drawings are laid out in pixels of a 600 dpi printer
    printer.setResolution(PrintResolution);
    return print;
}

void CopyToClipboard(TMainForm& main, const std::string& text)
{
    const QString copy = QString::fromUtf8(text);
    QPlainTextEdit* memo = main.Memo1();
    memo->setPlainText(copy);
    memo->selectAll();
    QGuiApplication::clipboard()->setText(copy);
}

std::string FieldText(const QDialog& dialog, const char* name)
{
    const auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    return field ? field->text().toStdString() : std::string();
}

// The title dialog modally, however it is closed; then its fields.
TPrintTitles AskTitles(QDialog* dialog, const char* line1, const char* line2, const char* pageNumber)
{
    if (!dialog)
        return {};
    dialog->exec();
    return {FieldText(*dialog, line1), FieldText(*dialog, line2), FieldText(*dialog, pageNumber)};
}

TCalendarDate Today()
{
    const QDate date = QDate::currentDate();
    return {date.day(), date.month(), date.year()};
}

void Print(TMainForm& main, const std::function<TPrintTitles()>& askTitles, const TPrintout& printout)
{
    QPrinter& printer = PrintDialog1Printer();
    TPrintRequest request;
    request.askTitles = askTitles;
    request.choosePrinter = [&main, &printer] { return ChoosePrinter(main, printer); };
    request.today = Today;
    request.headerLine = main.HeaderLine().toStdString();
    request.applicationTitle = ApplicationTitle;
    try {
        TQtPrinterPage page(printer);
        PrintReport(page, request, printout);
    } catch (const std::exception& e) {
        // The printing system failed; the program goes on.
        QMessageBox::critical(&main, QString::fromUtf8(ApplicationTitle).trimmed(), QString::fromUtf8(e.what()));
    }
}

// On the main window's screen, in the face the channel sketch leaves there.
int ScreenTextWidth(std::string_view text)
{
    QFont font("Arial");
    font.setPixelSize(11);
    return QFontMetrics(font).horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace

void SetPrintTarget(TPrintTarget target) { PrintTarget() = std::move(target); }

void CopyCircleResult(TMainForm& main) { CopyToClipboard(main, CircleClipboardText(main.CircleResultLines())); }

void CopyChannelResult(TMainForm& main) { CopyToClipboard(main, ChannelClipboardText(main.ChannelResultLines())); }

void PrintCircleReport(TMainForm& main)
{
    QDialog* titles = main.Dialogs().nBem;
    Print(
        main, [titles] { return AskTitles(titles, "NBemEdit1", "NBemEdit2", "NSEdit"); },
        CirclePrintout(main.VerificationPage()->ReportSketch(), main.CircleResultLines()));
}

void PrintChannelReport(TMainForm& main)
{
    QDialog* titles = main.Dialogs().gBem;
    Print(
        main, [titles] { return AskTitles(titles, "GBemEdit1", "GBemEdit2", "GSEdit"); },
        ChannelPrintout(main.ChannelSketch(), main.ChannelResultLines(), ScreenTextWidth));
}

} // namespace fluvara
