#pragma once
// A chart as a file (PNG, SVG or PDF) and on a printed page under the header
// line, drawn as it stands in its window.

#include "printframe.h"

#include <QString>

#include <string>

class QChart;
class QPrinter;

namespace fluvara {

// The kind follows the suffix of path: .png, .svg or .pdf. The file is
// replaced only once it is complete. Empty on success, else a German message.
QString SaveChart(QChart& chart, const QString& path);

// One page: the header line with its rule, the chart across the frame below
// them, the footer with the program title and the date. Throws
// std::runtime_error when the printing system fails.
void PrintChart(QPrinter& printer, QChart& chart, const std::string& headerLine, TCalendarDate today);

}  // namespace fluvara
