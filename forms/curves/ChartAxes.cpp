#include "ChartAxes.h"

#include "textformat.h"

#include <QFontMetricsF>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace fluvara {

double NiceStep(double step)
{
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= step)
            return factor * power;
    return 10 * power;
}

double TickStep(double range, double length, double labelExtent, int most)
{
    // Before the first layout the axis has no length yet.
    const int room = length > 0 && labelExtent > 0 ? static_cast<int>(length / labelExtent) : most;
    return NiceStep(range / std::clamp(room, 1, most));
}

double LabelHeight(const QValueAxis& axis) { return 2 * QFontMetricsF(axis.labelsFont()).height(); }

double LabelWidth(const QValueAxis& axis, double value)
{
    const QFontMetricsF metrics(axis.labelsFont());
    return metrics.horizontalAdvance(QString::fromStdString(Fmt("%.0f", value))) + 2 * metrics.height();
}

void SetAxis(QValueAxis& axis, double max, double step)
{
    axis.setTickAnchor(0);
    if (step >= axis.tickInterval()) {
        axis.setTickInterval(step);
        axis.setRange(0, max);
    } else {
        axis.setRange(0, max);
        axis.setTickInterval(step);
    }
}

}  // namespace fluvara
