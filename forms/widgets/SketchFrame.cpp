#include "SketchFrame.h"

#include <QPainter>

namespace fluvara {

TSketchFrame::TSketchFrame(QWidget* parent) : QFrame(parent) { }

void TSketchFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (!routine_)
        return;
    QPainter painter(this);
    // the sketches are laid out in client coordinates of the main window
    painter.translate(-x(), -y());
    routine_(painter);
}

}  // namespace fluvara
