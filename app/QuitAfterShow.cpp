#include "QuitAfterShow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace fluvara {

namespace {

class TQuitAfterPaint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            // Queued, so the paint this event starts and its flush to the screen finish first.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};

}  // namespace

void QuitAfterFirstPaint(QWidget& window) { window.installEventFilter(new TQuitAfterPaint(&window)); }

}  // namespace fluvara
