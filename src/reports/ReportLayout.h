#pragma once
// Runs a report over its data: calls the report's and the bands' handlers
// and places the bands page by page. Per page: page headers, on the first
// page the title bands, column headers, then detail bands per row as long
// as they fit above the page footers; summary bands after the last row; the
// page footers at the foot of every page.

#include "reports/PageModel.h"

namespace vonu::report {

// The report's bands may be changed by its handlers; lay a report out once
// per run.
PageModel layout(Report& report, const DataSet& data = {});

// The height of one line of a font in report units.
qreal lineHeight(const QFont& font);

} // namespace vonu::report
