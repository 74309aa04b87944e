#pragma once
// What the main window asks of each of its three pages: the page paints its
// own picture into the sketch area and says when that picture changed.

#include "PageReach.h"
#include "drawsurface.h"

#include <QWidget>

#include <optional>

namespace fluvara {

class TCalculationPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The page's picture over the whole sketch area (the bevel's rectangle),
    // in client coordinates of the main window.
    virtual void PaintSketch(TDrawSurface& surface, TPoint centre, TRect bevel) const = 0;
    // The page has become the visible one.
    virtual void PageShown() = 0;
    // The page's inputs as a reach of a list; nothing for a page that holds none.
    virtual std::optional<TPageReach> InputsAsReach() const { return std::nullopt; }

signals:
    // The picture of the page is different now; the sketch area repaints if it shows this page.
    void SketchChanged();
};

}  // namespace fluvara
