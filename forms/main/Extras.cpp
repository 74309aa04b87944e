#include "Extras.h"
#include "Startup.h"

#include "ChannelPage.h"
#include "CurveWindow.h"
#include "DialogFrame.h"
#include "HeaderLineSetting.h"
#include "PartialFillingChart.h"
#include "RatingCurveChart.h"
#include "ResultOutput.h"
#include "VerificationPage.h"

#include "qtprinter.h"
#include "reportfilename.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <exception>

namespace fluvara {

namespace {

QString ProgramName() { return QString::fromUtf8(ApplicationTitle).trimmed(); }

}  // namespace

TExtras::TExtras(QWidget& mainWindow, TVerificationPage& verification, TPrintTitleDialog* verificationTitles,
                 TChannelPage& channel, TPrintTitleDialog* channelTitles, TResultOutput& output,
                 TPrintService& printing, std::function<const QWidget*()> pageInFront)
    : QObject(&mainWindow),
      main_(mainWindow),
      verification_(verification),
      verificationTitles_(verificationTitles),
      channel_(channel),
      channelTitles_(channelTitles),
      output_(output),
      printing_(printing),
      pageInFront_(std::move(pageInFront))
{
    connect(&verification_, &TVerificationPage::PipeChanged, this, &TExtras::FollowPipe);
    connect(&channel_, &TChannelPage::RunChanged, this, &TExtras::FollowChannel);
}

TExtras::~TExtras() = default;

void TExtras::AddTo(QMenu& menu)
{
    const auto add = [&menu, this](const char* text, const char* name, std::function<void()> handler) {
        QAction* action = menu.addAction(QString::fromUtf8(text), this, std::move(handler));
        action->setObjectName(QString::fromLatin1(name));
    };
    add("&Teilfüllungskurven…", "CurvesItem", [this] { ShowPartialFillingCurves(); });
    add("&Abflusskurve…", "RatingCurveItem", [this] { ShowRatingCurve(); });
    add("&Druckvorschau…", "PreviewItem", [this] { PrintPreview(); });
    add("Als &PDF speichern…", "PdfItem", [this] { SaveAsPdf(); });
}

void TExtras::Inform(const QString& message) const { QMessageBox::information(&main_, ProgramName(), message); }

void TExtras::ShowPartialFillingCurves()
{
    if (!verification_.FullFlowPipe()) {
        Inform(QString::fromUtf8("Teilfüllungskurven: bitte zuerst die Vollfüllung berechnen."));
        return;
    }
    if (!filling_)
        filling_ = MakePartialFillingWindow(main_, printing_, output_.HeaderLine());
    FollowPipe();
    filling_->show();
    filling_->raise();
    filling_->activateWindow();
}

void TExtras::ShowRatingCurve()
{
    if (!channel_.Run()) {
        Inform(QString::fromUtf8("Abflusskurve: bitte zuerst das Gerinne berechnen."));
        return;
    }
    if (!rating_)
        rating_ = MakeRatingCurveWindow(main_, printing_, output_.HeaderLine());
    FollowChannel();
    rating_->show();
    rating_->raise();
    rating_->activateWindow();
}

void TExtras::FollowPipe()
{
    if (!filling_)
        return;
    if (const std::optional<TFullFlowPipe> pipe = verification_.FullFlowPipe())
        filling_->ShowPipe(*pipe, verification_.PartialFlow());
    else
        filling_->ShowNoPipe();
}

void TExtras::FollowChannel()
{
    if (!rating_)
        return;
    if (const std::optional<TChannelRun>& run = channel_.Run())
        rating_->ShowChannel(run->input, run->result);
    else
        rating_->ShowNoChannel();
}

TExtras::TReport TExtras::ReportInFront() const
{
    const QWidget* page = pageInFront_ ? pageInFront_() : nullptr;
    TReport report;
    if (page == &verification_) {
        report = {verification_.Report(), verificationTitles_, "Kreisprofil"};
    } else if (page == &channel_) {
        report = {channel_.Report(), channelTitles_, "Gerinne"};
    } else {
        Inform(QString::fromUtf8("Berichte gibt es für die Seiten „Kreisprofil Nachw.“ und „Gerinne Bem.“."));
        return {};
    }
    if (!report.printout)
        Inform(QString::fromUtf8("Noch kein Bericht: bitte zuerst berechnen."));
    return report;
}

void TExtras::PrintPreview()
{
    const TReport report = ReportInFront();
    if (!report.printout)
        return;
    // The titles as last typed; the preview asks nothing.
    const TPrintTitles titles = report.titles ? report.titles->Titles() : TPrintTitles{};
    // A printer of its own with the run's paper: the run's printer may still
    // name the PDF file of the last print, which a preview must not touch.
    const QPrinter& shared = output_.Printer();
    QPrinter printer(QPrinter::HighResolution);
    if (shared.outputFormat() == QPrinter::NativeFormat)
        printer.setPrinterName(shared.printerName());
    printer.setPageLayout(shared.pageLayout());
    printer.setColorMode(shared.colorMode());
    printer.setResolution(PrintResolution);
    QPrintPreviewDialog preview(&printer, &main_);
    preview.setObjectName("ReportPreview");
    preview.setWindowTitle(QString::fromUtf8("Druckvorschau: %1").arg(QString::fromUtf8(report.name)));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* target) {
        try {
            output_.Render(*target, titles, *report.printout);
        } catch (const std::exception& e) {
            QMessageBox::critical(&preview, ProgramName(), QString::fromUtf8(e.what()));
        }
    });
    preview.resize(900, 1000);
    preview.exec();
}

bool TExtras::SaveAsPdf()
{
    const TReport report = ReportInFront();
    if (!report.printout)
        return false;
    // As for printing: the titles first, then where the page goes.
    const TPrintTitles titles = report.titles ? report.titles->AskTitles() : TPrintTitles{};
    QFileDialog dialog(&main_, QString::fromUtf8("Bericht als PDF speichern"), SaveDialogFolder());
    dialog.setObjectName("SaveReportDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QString::fromUtf8("PDF-Dokument (*.pdf)"));
    dialog.setDefaultSuffix("pdf");
    dialog.selectFile(QString::fromStdString(ReportFileName(titles, report.name)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString path = dialog.selectedFiles().first();
    LastChartFolder() = QFileInfo(path).absolutePath();
    const QString error = WriteReportPdf(output_, titles, *report.printout, path);
    if (!error.isEmpty()) {
        QMessageBox::warning(&main_, ProgramName(), error);
        return false;
    }
    return true;
}

QString WriteReportPdf(TResultOutput& output, const TPrintTitles& titles, const TPrintout& printout,
                       const QString& path)
{
    // The printer page writes the file whole or not at all (see TPrintFile).
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setPageLayout(output.Printer().pageLayout());
    pdf.setCreator(ProgramName());
    try {
        output.Render(pdf, titles, printout);
    } catch (const std::exception& e) {
        return QString::fromUtf8("Die Datei „%1“ kann nicht geschrieben werden: %2")
            .arg(path, QString::fromUtf8(e.what()));
    }
    return {};
}

}  // namespace fluvara
