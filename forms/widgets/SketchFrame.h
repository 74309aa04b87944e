#pragma once

#include <QFrame>

#include <functional>

class QPainter;

namespace fluvara {

// The raised sketch frame of the main window. Its content is drawn by the
// owner's paint routine in window client coordinates.
class TSketchFrame : public QFrame {
    Q_OBJECT
public:
    using TPaintRoutine = std::function<void(QPainter&)>;

    explicit TSketchFrame(QWidget* parent = nullptr);
    void SetPaintRoutine(TPaintRoutine routine) { routine_ = std::move(routine); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPaintRoutine routine_;
};

}  // namespace fluvara
