#pragma once
// The legend of a curve window: the chart's named series below the plot,
// wrapped into as many rows as the width needs, so that no name is cut
// short in a narrow window. Drawn into the chart, it goes with it into files
// and printouts.

#include <QMargins>

#include <vector>

class QChart;
class QGraphicsItem;
class QGraphicsTextItem;

namespace fluvara {

class TChartLegend {
public:
    // Once every series is in the chart; margins: the chart's own, which the
    // legend's rows are added to at the bottom.
    TChartLegend(QChart& chart, const QMargins& margins);

    // After a resize: the rows laid out anew across the chart's width.
    void Place();

private:
    struct TEntry {
        QGraphicsItem* marker;
        QGraphicsTextItem* label;
    };
    QChart& chart_;
    QMargins margins_;
    std::vector<TEntry> entries_;
};

}  // namespace fluvara
