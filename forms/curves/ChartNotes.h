#pragma once
// Where the notes of a chart go: beside the point they describe when that
// leaves the curves, the marks and the other notes visible, else at the
// nearest free place, which the window joins to the point with a line.

#include <QLineF>
#include <QRectF>

#include <optional>
#include <vector>

class QChart;

namespace fluvara {

// What a note must leave visible, in the chart's coordinates.
struct TChartObstacles {
    std::vector<QLineF> lines;  // segments of the curves
    std::vector<QRectF> boxes;  // marks, and the notes placed before
};

// The curves and marks of the chart's line and scatter series.
TChartObstacles CurvesOf(QChart& chart);

// A note at anchor, beside it on side (Qt::AlignLeft or AlignRight with
// AlignTop or AlignBottom) when that is free.
struct TNoteRequest {
    QPointF anchor;
    QSizeF size;
    Qt::Alignment side;
};

// Places for the notes inside area, clear of the obstacles and of each
// other, each as near to its anchor as can be; earlier notes first, but where
// the area has no room for all of them in that order, the first order that
// fits all, else the one that fits the most. Empty for a note without place.
std::vector<std::optional<QRectF>> FreeNotePlaces(const std::vector<TNoteRequest>& notes, const QRectF& area,
                                                  const TChartObstacles& obstacles);

}  // namespace fluvara
