#pragma once
// Paints a laid-out report onto a paged device: a PDF writer, or (from the
// GUI library) a printer. Report units are scaled to the device's resolution.

#include "reports/PageModel.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace vonu::report {

// Pages fromPage..toPage as printed numbers are counted from 1 in the model
// (0, 0: all). Sets the device's page layout to the report's. Returns false
// when the device cannot be painted on.
bool paint(const PageModel& model, QPagedPaintDevice& device, int fromPage = 0, int toPage = 0);

// One page, with the painter's origin at the top-left of the margins.
void paintPage(QPainter& painter, const Page& page, qreal unitsToDevice);

// Writes the report as a PDF file (written beside, then renamed).
bool writePdf(const PageModel& model, const QString& path, QString* error = nullptr);

} // namespace vonu::report
