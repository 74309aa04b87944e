#pragma once
// The printer page on a QPrinter: positions in the printer's device pixels,
// fonts in points at the printer's resolution.

#include "pagesurface.h"
#include "printfile.h"
#include "qtdrawsurface.h"

#include <QPainter>

#include <optional>

class QPrinter;

namespace fluvara {

// The printouts are laid out in pixels of a 600 dpi printer.
inline constexpr int PrintResolution = 600;

class TQtPrinterPage : public TPageSurface {
public:
    // printer must outlive the page.
    explicit TQtPrinterPage(QPrinter& printer);
    // Ends a document that an error left open.
    ~TQtPrinterPage() override;

    void SetJobTitle(std::string_view title) override;
    int PageWidth() override;
    int PageHeight() override;
    // Throws std::runtime_error when the printer cannot start the document.
    void BeginDoc() override;
    // Throws std::runtime_error when the page cannot be output, or when the
    // output is incomplete; a file target is then left as it was.
    void EndDoc() override;
    TDrawSurface& Surface() override { return surface_; }
    void SetFontSize(int points) override;
    // For drawings the surface does not offer; save and restore its state around them.
    QPainter& Painter() { return painter_; }

private:
    QPrinter& printer_;
    std::optional<TPrintFile> file_;  // while a document to a file is open
    QPainter painter_;
    TQtDrawSurface surface_;
};

}  // namespace fluvara
