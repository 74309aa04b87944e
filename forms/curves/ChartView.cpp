#include "ChartView.h"

#include <QGraphicsLineItem>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QValueAxis>

#include <algorithm>

namespace fluvara {

namespace {

QValueAxis* BottomAxis(QChart* chart)
{
    const QList<QAbstractAxis*> axes = chart->axes(Qt::Horizontal);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
}

}  // namespace

TChartView::TChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent)
{
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    line_ = new QGraphicsLineItem(chart);
    line_->setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    line_->setZValue(100);
    line_->hide();
    connect(chart, &QChart::plotAreaChanged, this, [this] { PlaceLine(); });
}

void TChartView::SetCursorValue(double x)
{
    QValueAxis* axis = BottomAxis(chart());
    if (!axis)
        return;
    x_ = std::clamp(x, axis->min(), axis->max());
    line_->show();
    PlaceLine();
    emit CursorMoved(x_);
}

void TChartView::HideCursor()
{
    line_->hide();
    emit CursorLeft();
}

bool TChartView::CursorVisible() const { return line_->isVisible(); }

void TChartView::PlaceLine()
{
    if (!BottomAxis(chart()) || chart()->series().isEmpty())
        return;
    const QRectF area = chart()->plotArea();
    const double x = chart()->mapToPosition(QPointF(x_, 0), chart()->series().first()).x();
    line_->setLine(x, area.top(), x, area.bottom());
}

void TChartView::mouseMoveEvent(QMouseEvent* event)
{
    QChartView::mouseMoveEvent(event);
    const QPointF scenePos = mapToScene(event->position().toPoint());
    const QPointF chartPos = chart()->mapFromScene(scenePos);
    if (chart()->series().isEmpty() || !chart()->plotArea().contains(chartPos)) {
        if (line_->isVisible())
            HideCursor();
        return;
    }
    SetCursorValue(chart()->mapToValue(chartPos, chart()->series().first()).x());
}

void TChartView::leaveEvent(QEvent* event)
{
    QChartView::leaveEvent(event);
    if (line_->isVisible())
        HideCursor();
}

// Left and right move the cursor by a hundredth of the axis, with Shift by a
// tenth; Home and End jump to the ends.
void TChartView::keyPressEvent(QKeyEvent* event)
{
    QValueAxis* axis = BottomAxis(chart());
    if (!axis || chart()->series().isEmpty()) {
        QChartView::keyPressEvent(event);
        return;
    }
    const double step = (axis->max() - axis->min()) * ((event->modifiers() & Qt::ShiftModifier) ? 0.1 : 0.01);
    const double from = line_->isVisible() ? x_ : axis->min();
    switch (event->key()) {
    case Qt::Key_Left:
        SetCursorValue(from - step);
        break;
    case Qt::Key_Right:
        SetCursorValue(line_->isVisible() ? from + step : from);
        break;
    case Qt::Key_Home:
        SetCursorValue(axis->min());
        break;
    case Qt::Key_End:
        SetCursorValue(axis->max());
        break;
    default:
        QChartView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TChartView::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    PlaceLine();
}

}  // namespace fluvara
