#pragma once
// The frame shared by the two printed reports: title dialog, printer dialog,
// a page with the header line, boxes for titles, result lines and drawing,
// the page number and a footer with the program title and the date.

#include "pagesurface.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fluvara {

// left, top, right, bottom in device pixels of the page
struct TPageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const TPageRect&, const TPageRect&) = default;
};

enum class TPrintoutKind { Circle, Channel };

// Positions on the page of one print job, from its printable size.
struct TPageLayout {
    int W = 0;      // page width, device pixels
    int H = 0;      // page height
    double UX = 0;  // PageUnitX
    double UY = 0;  // PageUnitY
    TPageRect PageFrame;
    TPageRect TitleBox;
    TPageRect LinesBox;
    TPageRect DrawingBox;
    int LineStep = 0;  // between title lines and between result lines
};

TPageLayout ComputePageLayout(TPrintoutKind kind, int W, int H);

struct TCalendarDate {
    int day = 1;
    int month = 1;  // 1 to 12
    int year = 2000;
};

// "05.03.2014"
std::string DateText(TCalendarDate date);

// The header line with the rule below it; leaves Courier New set.
void PrintPageHeader(TPageSurface& page, const TPageLayout& layout, std::string_view headerLine);

// The footer rule, the program title and the date, in the current font.
void PrintPageFooter(TPageSurface& page, const TPageLayout& layout, std::string_view applicationTitle,
                     TCalendarDate date);

// What the title dialog held when it was closed.
struct TPrintTitles {
    std::string line1;
    std::string line2;
    std::string pageNumber;
};

// The program around one print job.
struct TPrintRequest {
    std::function<TPrintTitles()> askTitles;  // shows the title dialog modally
    std::function<bool()> choosePrinter;      // the printer dialog; false when cancelled
    std::function<TCalendarDate()> today;
    std::string headerLine;
    std::string applicationTitle;
};

// The part of the page that differs between the two reports.
struct TPrintout {
    TPrintoutKind kind = TPrintoutKind::Circle;
    std::vector<std::string> rows;                                   // result lines, one per printed row
    std::function<void(TDrawSurface&, const TPageLayout&)> drawing;  // the cross-section
};

// Runs the whole job. Returns false, having printed nothing, when the
// printer dialog is cancelled.
bool PrintReport(TPageSurface& page, const TPrintRequest& request, const TPrintout& printout);

}  // namespace fluvara
