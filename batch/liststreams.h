#pragma once
// The runs of fluvara-batch that stream a list: CSV into CSV or a
// workbook, CSV into a project, and a project into any output. Memory stays
// bounded for any number of rows.

#include "commandline.h"
#include "listrun.h"
#include "reachlist.h"

#include <istream>

namespace fluvara {

// The network step takes the saved settings under the command line's.
TRunOptions RunOptionsOf(const TCommand& command, const TNetworkSettings& saved = {});

// A CSV list into CSV or a workbook.
TListCount StreamCsv(const TCommand& command, std::istream& in, const TRunOptions& options);
// A CSV list into a project, the other list empty.
TListCount StreamCsvToProject(const TCommand& command, std::istream& in, const TRunOptions& options);
// An Excel or Calc workbook's lists, as a CSV list or a project would go.
TListCount StreamWorkbook(const TCommand& command, const TRunOptions& options);
// A project's lists into CSV, a workbook or a project.
TListCount StreamProject(const TCommand& command, const TRunOptions& options);

}  // namespace fluvara
