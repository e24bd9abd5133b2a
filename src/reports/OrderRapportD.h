#pragma once
// The picture page `TOrderOverzichtD`: one production picture of the order
// under the order number and the page number.

#include "reports/PageModel.h"

#include <QImage>
#include <QString>

namespace vonu {

// The order number as the picture pages and sill sheets show it: the number
// right-aligned in 8, "  N.N.B." without one, "   PROEF" on a test workstation.
QString paperOrderText(const QString& currentOrder, bool testWorkstation);

// One page numbered `pageNumber` with the picture stretched to its box.
report::PageModel layoutPicturePage(const QString& orderText, int pageNumber, const QImage& picture);

} // namespace vonu
