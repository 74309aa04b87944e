#pragma once
// A document of several pages: the page being drawn, its size, and the step
// to the next page. Fonts in points.

#include "drawsurface.h"

namespace fluvara {

class TPagedSurface {
public:
    virtual ~TPagedSurface() = default;

    // The printable area in device pixels.
    virtual int PageWidth() = 0;
    virtual int PageHeight() = 0;
    virtual TDrawSurface& Surface() = 0;
    virtual void SetFontSize(int points) = 0;
    // Outputs the page and starts the next; failures of the printing system throw.
    virtual void NewPage() = 0;
};

}  // namespace fluvara
