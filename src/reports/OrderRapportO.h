#pragma once
// The sill sheet `TOrderOverzichtO`: per configured sill a page with its
// production number, quantity and saw length, the macro of every position
// with its distances, and the dimensions; the other articles of the sill's
// line with their descriptions.

#include "desk/ProductionPrintData.h"
#include "reports/PageModel.h"

namespace vonu {

// A sheet row with what the database gave for it.
struct SillSheetEntry {
    SillSheetRow row;
    QString omschrijving1, omschrijving2;   // of the article
    bool hasValues = false;                 // stored macro values for the row
    QList<SillMacro> macros;                // positions 1..n
    QStringList maten;                      // dimensions 1..m
};

// Dimension labels: "a", "A", "B", ... with the last one "z".
QStringList sillDimensionLabels(int count);

// The sheets; page numbers start at firstPage. Empty entries: no pages.
report::PageModel layoutSillSheet(const QString& orderText, int firstPage, const QList<SillSheetEntry>& entries);

} // namespace vonu
