#include "ChartExport.h"

#include "ResultOutput.h"
#include "printfile.h"
#include "qtprinter.h"

#include <QBuffer>
#include <QChart>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

namespace fluvara {

namespace {

QRectF ChartRect(QChart& chart)
{
    // A chart that was never shown has no size yet.
    if (chart.size().isEmpty())
        chart.resize(800, 560);
    return chart.sceneBoundingRect();
}

// The chart drawn into target, keeping its proportions, top-aligned.
void RenderChart(QChart& chart, QPainter& painter, const QRectF& target)
{
    const QRectF source = ChartRect(chart);
    QSizeF size = source.size().scaled(target.size(), Qt::KeepAspectRatio);
    const QRectF placed(target.left() + (target.width() - size.width()) / 2, target.top(), size.width(), size.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    chart.scene()->render(&painter, placed, source, Qt::KeepAspectRatio);
}

bool WritePng(QChart& chart, QIODevice& file)
{
    const QRectF source = ChartRect(chart);
    // Twice the window's pixels, for print and slides.
    QImage image((source.size() * 2).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    RenderChart(chart, painter, QRectF(QPointF(0, 0), image.size()));
    painter.end();
    return image.save(&file, "PNG");
}

bool WriteSvg(QChart& chart, QIODevice& file)
{
    const QRectF source = ChartRect(chart);
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(source.size().toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), source.size()));
    svg.setTitle(chart.title());
    svg.setDescription(QString::fromUtf8(ApplicationTitle).trimmed());
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    RenderChart(chart, painter, QRectF(QPointF(0, 0), source.size()));
    return painter.end();
}

bool WritePdf(QChart& chart, QIODevice& file)
{
    QPdfWriter pdf(&file);
    pdf.setCreator(QString::fromUtf8(ApplicationTitle).trimmed());
    pdf.setTitle(chart.title());
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setResolution(PrintResolution);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    RenderChart(chart, painter, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())));
    return painter.end();
}

}  // namespace

QString SaveChart(QChart& chart, const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != "png" && suffix != "svg" && suffix != "pdf")
        return QString::fromUtf8("Unbekannte Dateiart „%1“: bitte .png, .svg oder .pdf wählen.").arg(suffix);
    // Made in memory and written whole by the program's rule for files.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    const bool written = suffix == "png" ? WritePng(chart, file)
        : suffix == "svg"                ? WriteSvg(chart, file)
                                         : WritePdf(chart, file);
    if (!written)
        return QString::fromUtf8("Das Diagramm konnte nicht als „%1“ gespeichert werden.").arg(path);
    try {
        WriteWholeFile(path, file.data());
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());  // names the file and the reason
    }
    return {};
}

void PrintChart(QPrinter& printer, QChart& chart, const std::string& headerLine, TCalendarDate today)
{
    TQtPrinterPage page(printer);
    page.SetJobTitle("FLUVARA");
    const TPageLayout layout = ComputePageLayout(TPrintoutKind::Channel, page.PageWidth(), page.PageHeight());
    page.BeginDoc();
    page.Surface().SetFontName("Courier New");
    page.SetFontSize(10);
    PrintPageHeader(page, layout, headerLine);

    const TPageRect& frame = layout.PageFrame;
    const QRectF area(frame.left, T(frame.top + 1.5 * layout.UY), frame.right - frame.left,
                      T(frame.bottom - layout.UY) - T(frame.top + 1.5 * layout.UY));
    QPainter& painter = page.Painter();
    painter.save();
    RenderChart(chart, painter, area);
    painter.restore();

    PrintPageFooter(page, layout, ApplicationTitle, today);
    page.EndDoc();
}

}  // namespace fluvara
