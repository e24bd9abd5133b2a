#pragma once
// The sales order of a stored order: its priced lines, derived from the
// production rows. Every store rebuilds them whole; production rows are
// repriced with the quantities of the whole order on the way.

#include "desk/RowBatch.h"

#include <QDate>
#include <QString>

#include <functional>

namespace vonu {

class DbSession;
class Prices;

struct SalesLineParams {
    QString order;            // order key as stored
    bool kostentoeslag = false;
    QString debnr;
    QString vAdres;
    bool bedrag = false;
    bool groep = false;
    bool productgroep = false;
    bool stuks = false;
    bool meter = false;
    QDate orderdatum;
    QString orderkosten;      // as typed, decimal comma; empty: none
};

class SalesLines {
public:
    SalesLines(DbSession& session, Prices& prices, Writing writing = Writing::Batched)
        : session_(session), prices_(prices), writing_(writing)
    {
    }

    std::function<void(const QString&)> status = [](const QString&) {};

    // Replaces the order's sales lines. False on failure (the reason shown
    // by the session, or put into *problem).
    bool build(const SalesLineParams& params, QString* problem);

private:
    DbSession& session_;
    Prices& prices_;
    Writing writing_;
};

// The packing text of a row: "3 Bundel a 6,00 mtr.", "2 Koker op maat",
// "4 Doos". Empty without packages or without a colli kind.
struct PackingInput {
    double packages = 0;       // P, single pieces already added
    QString colli;
    bool sizeRemark = false;   // a main line with its sizes in detail rows
    QString lastMaatvoering;   // of its last detail
    double lastMaat = 0;
    QString eenheid;           // of the article
    QString berekening;
};
QString packingText(const PackingInput& in);

} // namespace vonu
