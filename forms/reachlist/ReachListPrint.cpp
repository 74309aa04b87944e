// The reach list as a table report: through the print dialog or straight
// into a PDF file, landscape A4 under the header line.
#include "ReachListWindow.h"

#include "ReachFilterModel.h"

#include "listreport.h"
#include "printfile.h"
#include "printservice.h"
#include "qtpageddocument.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include <exception>

namespace fluvara {

namespace {

QString Text(const std::exception& e) { return QString::fromUtf8(e.what()); }

}  // namespace

void TReachListWindow::Render(QPrinter& printer, const std::vector<TReachKind>& kinds) const
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QPageSize::A4));
    // A PDF file is whole or not written at all.
    TPrintFile file(printer);
    {
        TQtPagedDocument document(printer);
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            if (i > 0)
                document.NewPage();
            PrintListReport(document, ReportFrame(kinds[i]), ReportTable(kinds[i]));
        }
        document.Finish();
    }
    file.Deliver();
}

TListReportFrame TReachListWindow::ReportFrame(TReachKind kind) const
{
    TListReportFrame frame;
    frame.headerLine = headerLine_.toStdString();
    frame.title = std::string(kind == TReachKind::Circle ? "Haltungsliste Kreisprofile" : "Haltungsliste Gerinne");
    if (!FilePath().isEmpty())
        frame.title += " – " + QFileInfo(FilePath()).fileName().toStdString();
    frame.applicationTitle = "FLUVARA";
    const QDate today = QDate::currentDate();
    frame.date = TCalendarDate{today.day(), today.month(), today.year()};
    return frame;
}

TListTable TReachListWindow::ReportTable(TReachKind kind) const
{
    const TReachTableModel& model = Model(kind);
    const TReachFilterModel& shown = Filter(kind);
    TListTable table;
    for (int c = 0; c < model.columnCount(); ++c) {
        table.columns.push_back(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toStdString());
        table.rightAligned.push_back(model.data(model.index(0, c), Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
    }
    table.rows.reserve(static_cast<std::size_t>(shown.rowCount()));
    for (int r = 0; r < shown.rowCount(); ++r) {
        const int row = shown.mapToSource(shown.index(r, 0)).row();
        std::vector<std::string> cells;
        for (int c = 0; c < model.columnCount(); ++c)
            cells.push_back(model.ShownText(row, c));
        table.rows.push_back(std::move(cells));
    }
    return table;
}

void TReachListWindow::PrintList()
{
    // The table is laid out for landscape A4; the dialog starts from there.
    // That layout is the list's own: the pages and curves printed next start
    // from the layout they had before, while the printer, its copies and
    // settings chosen in the dialog stay for them.
    QPrinter& shared = printing_.Printer();
    const QPageLayout before = shared.pageLayout();
    shared.setPageOrientation(QPageLayout::Landscape);
    shared.setPageSize(QPageSize(QPageSize::A4));
    const std::vector<TReachKind> kinds = ChooseLists("gedruckt werden");
    if (kinds.empty())
        return;
    if (QPrinter* printer = printing_.Choose(this)) {
        try {
            Render(*printer, kinds);
        } catch (const std::exception& e) {
            Warn(QString("Die Liste konnte nicht gedruckt werden:\n%1").arg(Text(e)));
        }
    }
    shared.setPageLayout(before);
}

void TReachListWindow::PdfChosen()
{
    const std::vector<TReachKind> kinds = ChooseLists("als PDF gespeichert werden");
    if (kinds.empty())
        return;
    const QString path = Choose(TFileQuestion::SavePdf, Suggested(".pdf"));
    if (!path.isEmpty())
        SavePdf(path, kinds);
}

bool TReachListWindow::SavePdf(const QString& path) { return SavePdf(path, {CurrentKind()}); }

bool TReachListWindow::SavePdf(const QString& path, const std::vector<TReachKind>& kinds)
{
    try {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setDocName(QFileInfo(path).completeBaseName());
        Render(printer, kinds);
    } catch (const std::exception& e) {
        Warn(QString("„%1“ kann nicht geschrieben werden:\n%2").arg(QDir::toNativeSeparators(path), Text(e)));
        return false;
    }
    ShowMessage(QString("PDF geschrieben: %1").arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
    return true;
}

}  // namespace fluvara
