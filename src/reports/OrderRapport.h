#pragma once
// The production order report `TOrderOverzicht`: a full header on the first
// page (logo, debtor, shipping and delivery address, order data, the order
// number as Code 128 barcodes, production texts and delivery instructions),
// a compact header after it, one detail band per print row shaped by its
// row type, and the end block with the remarks and the confirmation.

#include "desk/ProductionOrder.h"
#include "desk/ProductionPrintData.h"
#include "reports/PageModel.h"
#include "reports/Report.h"

#include <QDateTime>
#include <QImage>

namespace vonu {

// What the print run decides for the report.
struct ProductionReportOptions {
    QString order;             // shown order number: "PROEF", the number or "N.N.B."
    bool controlCopy = false;  // "Controleblad", no barcodes
    bool coated = false;       // "MOFFELORDER"
    QImage logo;               // null: no logo
    QDateTime now;             // for the end block
    // The main screen's debtor labels.
    QString debiteur, debiteurNaam, debiteurAdres, debiteurWoonplaats;
};

namespace productionreport {

// "ZONDAG" ... "ZATERDAG"; empty for an invalid date.
QString weekdayName(const QDate& date);
// The logo's place in its 342 x 128 box at (40, 0): shrunk to the box's
// width, then to its height, centred.
QRect logoRect(const QSize& picture);
// Lines of a remark: one, plus one per line feed and per run of more than
// 75 characters without one.
int remarkLines(const QString& text);

} // namespace productionreport

// Builds the report for the header and options.
void buildProductionReport(report::Report& report, const ProductionHeader& header,
                           const ProductionReportOptions& options);
// The print rows as the report's data.
report::DataSet productionDataSet(const QList<ProductionPrintRow>& rows);
// Lays the production order out.
report::PageModel layoutProductionOrder(const ProductionHeader& header, const ProductionReportOptions& options,
                                        const QList<ProductionPrintRow>& rows);

} // namespace vonu
