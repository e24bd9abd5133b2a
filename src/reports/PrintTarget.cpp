#include "reports/PrintTarget.h"

#include "reports/ReportPainter.h"

namespace vonu::report {

bool PdfFileTarget::print(const PageModel& pages, QString* error)
{
    return writePdf(pages, path_, error);
}

} // namespace vonu::report
