#pragma once
// A chart view with a cursor: the mouse or the arrow keys move a vertical
// line over the plot area, and the view tells the x value under it.

#include <QChartView>

class QGraphicsLineItem;

namespace fluvara {

class TChartView : public QChartView {
    Q_OBJECT
public:
    explicit TChartView(QChart* chart, QWidget* parent = nullptr);

    // Moves the cursor to the x value (in the units of the bottom axis).
    void SetCursorValue(double x);
    void HideCursor();
    bool CursorVisible() const;
    double CursorValue() const { return x_; }

signals:
    void CursorMoved(double x);
    void CursorLeft();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceLine();

    QGraphicsLineItem* line_ = nullptr;
    double x_ = 0;
};

}  // namespace fluvara
