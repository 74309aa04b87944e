#include "ChartNotes.h"

#include <QChart>
#include <QScatterSeries>
#include <QXYSeries>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace fluvara {

namespace {

// Between a note beside its point and the point.
constexpr double Gap = 8;
// Kept between a note and a curve, mark or other note.
constexpr double NoteClearance = 3;

double Distance(const QRectF& box, const QPointF& point)
{
    const double dx = std::max({box.left() - point.x(), 0.0, point.x() - box.right()});
    const double dy = std::max({box.top() - point.y(), 0.0, point.y() - box.bottom()});
    return std::hypot(dx, dy);
}

// Positions from low to high in steps, the last one flush with high.
std::vector<double> Steps(double low, double high, double step)
{
    std::vector<double> steps;
    for (double at = low; at < high; at += step)
        steps.push_back(at);
    if (high >= low)
        steps.push_back(high);
    return steps;
}

// True when the line crosses or lies in the box.
bool Touches(const QRectF& box, const QLineF& line)
{
    const QRectF bounds = QRectF(line.p1(), line.p2()).normalized();
    if (bounds.right() < box.left() || bounds.left() > box.right() || bounds.bottom() < box.top() ||
        bounds.top() > box.bottom())
        return false;
    if (box.contains(line.p1()) || box.contains(line.p2()))
        return true;
    const QLineF edges[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    return std::any_of(std::begin(edges), std::end(edges), [&line](const QLineF& edge) {
        return line.intersects(edge, nullptr) == QLineF::BoundedIntersection;
    });
}

bool Clear(const QRectF& box, const TChartObstacles& obstacles)
{
    const QRectF kept = box.adjusted(-NoteClearance, -NoteClearance, NoteClearance, NoteClearance);
    return std::none_of(obstacles.lines.begin(), obstacles.lines.end(),
                        [&kept](const QLineF& line) { return Touches(kept, line); }) &&
        std::none_of(obstacles.boxes.begin(), obstacles.boxes.end(),
                     [&kept](const QRectF& other) { return kept.intersects(other); });
}

// Beside the anchor, on the side asked for first, else the nearest free
// place on a grid over the area.
std::optional<QRectF> FreeNotePlace(const QPointF& anchor, const QSizeF& size, Qt::Alignment side, const QRectF& area,
                                    const TChartObstacles& obstacles)
{
    const auto fits = [&](const QRectF& box) { return area.contains(box) && Clear(box, obstacles); };
    const auto beside = [&](bool left, bool top) {
        return QRectF(QPointF(left ? anchor.x() - Gap - size.width() : anchor.x() + Gap,
                              top ? anchor.y() - Gap / 2 - size.height() : anchor.y() + Gap / 2),
                      size);
    };
    const bool left = side & Qt::AlignLeft;
    const bool top = side & Qt::AlignTop;
    for (const QRectF& box : {beside(left, top), beside(!left, top), beside(left, !top), beside(!left, !top)})
        if (fits(box))
            return box;

    const double step = std::max(4.0, std::min(area.width(), area.height()) / 80);
    std::vector<std::pair<double, QRectF>> places;
    for (double y : Steps(area.top(), area.bottom() - size.height(), step))
        for (double x : Steps(area.left(), area.right() - size.width(), step)) {
            const QRectF box(QPointF(x, y), size);
            places.emplace_back(Distance(box, anchor), box);
        }
    std::stable_sort(places.begin(), places.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [distance, box] : places)
        if (Clear(box, obstacles))
            return box;
    return std::nullopt;
}

}  // namespace

TChartObstacles CurvesOf(QChart& chart)
{
    TChartObstacles curves;
    for (QAbstractSeries* series : chart.series()) {
        auto* xy = qobject_cast<QXYSeries*>(series);
        if (!xy || !xy->isVisible() || xy->count() == 0)
            continue;
        const QList<QPointF> points = xy->points();
        if (auto* marks = qobject_cast<QScatterSeries*>(xy)) {
            const double size = marks->markerSize();
            for (const QPointF& point : points)
                curves.boxes.emplace_back(chart.mapToPosition(point, xy) - QPointF(size / 2, size / 2),
                                          QSizeF(size, size));
            continue;
        }
        QPointF from = chart.mapToPosition(points.first(), xy);
        for (qsizetype i = 1; i < points.size(); ++i) {
            const QPointF to = chart.mapToPosition(points[i], xy);
            curves.lines.emplace_back(from, to);
            from = to;
        }
    }
    return curves;
}

std::vector<std::optional<QRectF>> FreeNotePlaces(const std::vector<TNoteRequest>& notes, const QRectF& area,
                                                  const TChartObstacles& obstacles)
{
    std::vector<std::size_t> order(notes.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<std::optional<QRectF>> best;
    std::size_t bestPlaced = 0;
    do {
        TChartObstacles taken = obstacles;
        std::vector<std::optional<QRectF>> places(notes.size());
        std::size_t placed = 0;
        for (std::size_t i : order) {
            places[i] = FreeNotePlace(notes[i].anchor, notes[i].size, notes[i].side, area, taken);
            if (places[i]) {
                taken.boxes.push_back(*places[i]);
                ++placed;
            }
        }
        if (best.empty() || placed > bestPlaced) {
            best = std::move(places);
            bestPlaced = placed;
        }
    } while (bestPlaced < notes.size() && std::next_permutation(order.begin(), order.end()));
    return best;
}

}  // namespace fluvara
