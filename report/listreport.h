#pragma once
// A list printed as a table: the header line, the title, the column headers
// on every page, rows broken onto as many pages as they need, and a footer
// with the program, the date and "Seite n von m".

#include "pagedsurface.h"
#include "printframe.h"

#include <string>
#include <vector>

namespace fluvara {

struct TListTable {
    std::vector<std::string> columns;
    std::vector<bool> rightAligned;  // per column
    std::vector<std::vector<std::string>> rows;
};

struct TListReportFrame {
    std::string headerLine;
    std::string title;
    std::string applicationTitle;
    TCalendarDate date;
};

// Cuts a cell into lines no wider than width: at blanks where it can, inside a word where it must.
std::vector<std::string> WrapCell(TDrawSurface& surface, const std::string& text, int width);

// Plans and prints the whole document; the surface's first page is started.
// Returns the number of pages.
std::size_t PrintListReport(TPagedSurface& pages, const TListReportFrame& frame, const TListTable& table);

}  // namespace fluvara
