#pragma once
// A document of several pages on a printer or a PDF writer: positions in
// device pixels, fonts in points at the device's resolution.

#include "pagedsurface.h"
#include "qtdrawsurface.h"

#include <QPainter>

class QPagedPaintDevice;

namespace fluvara {

class TQtPagedDocument : public TPagedSurface {
public:
    // Starts the first page; throws std::runtime_error when the device cannot start.
    explicit TQtPagedDocument(QPagedPaintDevice& device);
    // Ends a document that an error left open.
    ~TQtPagedDocument() override;

    int PageWidth() override;
    int PageHeight() override;
    TDrawSurface& Surface() override { return surface_; }
    void SetFontSize(int points) override { surface_.SetFontPointSize(points); }
    void NewPage() override;
    // Outputs the last page; throws std::runtime_error when that fails.
    void Finish();

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    TQtDrawSurface surface_;
};

}  // namespace fluvara
