#pragma once
// The printer page of one print job: the job around the page, its size and
// the window's drawing operations plus font sizes in points.

#include "drawsurface.h"

#include <string_view>

namespace fluvara {

class TPageSurface {
public:
    virtual ~TPageSurface() = default;

    virtual void SetJobTitle(std::string_view title) = 0;
    // The printable area of the chosen printer in device pixels; x to the
    // right and y downward from its top-left corner.
    virtual int PageWidth() = 0;
    virtual int PageHeight() = 0;
    // Starts the one-page document with a black pen one pixel wide, a white
    // brush and black text. Failures of the printing system throw.
    virtual void BeginDoc() = 0;
    // Outputs the page.
    virtual void EndDoc() = 0;

    // Drawing on the page, between BeginDoc and EndDoc.
    virtual TDrawSurface& Surface() = 0;
    virtual void SetFontSize(int points) = 0;
};

}  // namespace fluvara
