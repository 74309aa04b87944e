#include "ChartLegend.h"

#include <QAreaSeries>
#include <QChart>
#include <QGraphicsLineItem>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QPen>
#include <QScatterSeries>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace fluvara {

namespace {

constexpr double MarkerWidth = 18;  // a short stretch of a line
constexpr double MarkerSize = 10;   // a mark or a filled region
constexpr double LabelGap = 4;      // between marker and name
constexpr double EntryGap = 14;     // between entries of a row
constexpr double RowGap = 2;
constexpr double AboveLegend = 6;  // between the axis title and the legend

// The series drawn small: its region, its mark or a stretch of its line.
QGraphicsItem* Marker(QAbstractSeries* series, QGraphicsItem* parent)
{
    const QRectF box(-MarkerSize / 2, -MarkerSize / 2, MarkerSize, MarkerSize);
    if (auto* area = qobject_cast<QAreaSeries*>(series)) {
        auto* item = new QGraphicsRectItem(box, parent);
        item->setBrush(area->color());
        item->setPen(QPen(area->color().darker(125), 1));
        return item;
    }
    if (auto* marks = qobject_cast<QScatterSeries*>(series)) {
        QAbstractGraphicsShapeItem* item = marks->markerShape() == QScatterSeries::MarkerShapeRectangle
            ? static_cast<QAbstractGraphicsShapeItem*>(new QGraphicsRectItem(box, parent))
            : new QGraphicsEllipseItem(box, parent);
        item->setBrush(marks->color());
        item->setPen(QPen(marks->borderColor(), 1));
        return item;
    }
    auto* item = new QGraphicsLineItem(-MarkerWidth / 2, 0, MarkerWidth / 2, 0, parent);
    if (auto* line = qobject_cast<QXYSeries*>(series))
        item->setPen(line->pen());
    return item;
}

}  // namespace

TChartLegend::TChartLegend(QChart& chart, const QMargins& margins) : chart_(chart), margins_(margins)
{
    chart_.legend()->hide();
    for (QAbstractSeries* series : chart_.series()) {
        if (series->name().isEmpty())
            continue;
        auto* label = new QGraphicsTextItem(&chart_);
        label->document()->setDocumentMargin(0);
        label->setFont(chart_.legend()->font());
        label->setDefaultTextColor(chart_.legend()->labelColor());
        label->setPlainText(series->name());
        entries_.push_back({Marker(series, &chart_), label});
    }
    Place();
}

void TChartLegend::Place()
{
    const double width = chart_.size().width() - margins_.left() - margins_.right();
    // Rows of entries, each as wide as fits.
    std::vector<std::vector<const TEntry*>> rows(1);
    std::vector<double> rowWidths(1, 0.0);
    double rowHeight = MarkerSize;
    for (const TEntry& entry : entries_) {
        const QRectF text = entry.label->boundingRect();
        rowHeight = std::max(rowHeight, text.height());
        const double entryWidth = MarkerWidth + LabelGap + text.width();
        if (!rows.back().empty() && rowWidths.back() + EntryGap + entryWidth > width) {
            rows.emplace_back();
            rowWidths.push_back(0);
        }
        rowWidths.back() += (rows.back().empty() ? 0 : EntryGap) + entryWidth;
        rows.back().push_back(&entry);
    }
    const double height = rows.size() * rowHeight + (rows.size() - 1) * RowGap;

    QMargins margins = margins_;
    margins.setBottom(margins_.bottom() + static_cast<int>(std::ceil(height + AboveLegend)));
    if (chart_.margins() != margins)
        chart_.setMargins(margins);

    double y = chart_.size().height() - margins_.bottom() - height;
    for (std::size_t r = 0; r < rows.size(); ++r, y += rowHeight + RowGap) {
        double x = margins_.left() + std::max(0.0, (width - rowWidths[r]) / 2);
        for (const TEntry* entry : rows[r]) {
            const QRectF text = entry->label->boundingRect();
            entry->marker->setPos(x + MarkerWidth / 2, y + rowHeight / 2);
            entry->label->setPos(x + MarkerWidth + LabelGap, y + (rowHeight - text.height()) / 2);
            x += MarkerWidth + LabelGap + text.width() + EntryGap;
        }
    }
}

}  // namespace fluvara
