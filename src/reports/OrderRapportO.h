#pragma once
// The sill sheet `TOrderOverzichtO`: per configured sill its production
// number, quantity and saw length, the macro of every position with its
// distances, and the dimensions, laid out as the sill configurator shows
// them; the other articles of the sill's line with their descriptions.

#include "desk/ProductionPrintData.h"
#include "reports/PageModel.h"
#include "sill/SillConfiguration.h"

namespace vonu {

// A sheet row with what the database gave for it.
struct SillSheetEntry {
    SillSheetRow row;
    QString omschrijving1, omschrijving2;   // of the article
    bool hasValues = false;                 // stored macro values for the row
    sill::SillProposal proposal;            // of the article's proposed macros
    QList<SillMacro> macros;                // as stored, position 1 first
    QStringList maten;                      // as stored, dimension 1 first
};

// The sheets; page numbers start at firstPage. Empty entries: no pages.
report::PageModel layoutSillSheet(const QString& orderText, int firstPage, const QList<SillSheetEntry>& entries);

} // namespace vonu
