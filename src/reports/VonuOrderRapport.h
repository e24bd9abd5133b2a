#pragma once
// The customer's order overview: the print lines of the order (also kept in
// the print file VonuOrder.Prt) and the report `TVonuOrderOverzicht` that
// prints them under a page header with the customer, the addresses and the
// order data.

#include "reports/PageModel.h"
#include "reports/Report.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace vonu {

class Catalog;
class OrderModel;

// Longest print line the text data set keeps.
inline constexpr int kPrintLineWidth = 240;

// The print lines of every line in use and "Einde overzicht.". False with a
// Dutch reason when a quantity or size of the length column is not a number
// (nothing is printed then).
bool overviewLines(const OrderModel& order, const Catalog& catalog, QStringList* lines, QString* error = nullptr);

// The length column of a line (empty when the line offers no length choice),
// exposed for tests. False when a number cannot be read.
bool lengthColumn(const OrderModel& order, int line, QString* text);

// Writes the lines as CR LF lines, each cut to 240 characters (written
// beside, then renamed). False with a reason.
bool writePrintFile(const QString& path, const QStringList& lines, QString* error = nullptr);
// The lines of a print file as the report reads them back.
QStringList readPrintFile(const QString& path);

struct OverviewHeader {
    QString versie;           // program version
    QString sleutel;          // profile date
    QString assortiment;      // catalog date
    QString datum;            // today, "dd-mm-yyyy"
    QString debiteur, debiteurNaam, debiteurAdres, debiteurPlaats;
    QString verzend, verzendNaam, verzendAdres, verzendPlaats;
    QString afleverNaam, afleverAdres, afleverPlaats;
    QString transactie;       // "Order" or "Offerte"
    QString orderdatum, ordernummer, referentie;
    QString notities;
    QImage logo;              // the manufacturer's logo; null: its name in text
};

// The notes label's height: 17 pixels per line, lines being the larger of
// (trimmed length / 83) + 1 and the carriage returns + 1.
int notesLabelHeight(const QString& notes);

// Builds the report (A4, 10 mm margins, Arial 10 pt; lines in Courier New).
void buildOverviewReport(report::Report& report, const OverviewHeader& header);
// Lays the overview out over the print lines.
report::PageModel layoutOverview(const OverviewHeader& header, const QStringList& lines);

} // namespace vonu
