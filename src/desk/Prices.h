#pragma once
// Prices, contracts and totals as the database computes them: the price of
// one article for an order, whether a call-off contract may be set aside,
// the amount contract of an order and the order totals.

#include "desk/RowBatch.h"

#include <QDate>
#include <QString>

#include <map>
#include <optional>
#include <tuple>

namespace vonu {

class DbSession;

// Who asks for a price: the debtor, shipping address, date and which kinds
// of contract price the order may use.
struct PriceContext {
    QString debnr;      // as the caller has it (padded or typed)
    QString verzend;
    QDate datum;
    bool meter = false;
    bool stuks = false;
    bool productgroep = false;
    bool groep = false;
    bool bedrag = false;
};

struct PriceResult {
    bool found = false;
    QString prijs;          // numbers as exact texts with a decimal point
    QString oorsprong;
    QString korting;        // empty when none
    QString kontrakt;
    QString orderKorting;
};

class Prices {
public:
    explicit Prices(DbSession& session, Writing writing = Writing::Batched) : session_(session), writing_(writing) {}

    // ArtikelPrijs for one article; soort 'M' (made to size) or 'H'.
    // nullopt when the statement failed (shown). Answers are kept for the
    // life of this object: within one store the same question gets the same
    // answer, and a large order asks the same few questions many times.
    std::optional<PriceResult> lookup(const QString& artikel, const PriceContext& context, QChar soort,
                                      double aantal = 0);
    // True when the contract leaves the use of call-off prices to the
    // customer (GebruikAfroep "K"); nullopt on failure.
    std::optional<bool> customerChooses(const QString& kontrakt);

    // Assigns the first active amount contract of the debtor that has an
    // amount left (the last one when all are used up) to an order that may
    // use one and has none; switches the order's amount flag off when the
    // debtor has none. False on failure.
    bool assignAmountContract(const QString& orderKey);
    // VonuOrderTotaal with the entered order costs (decimal comma; empty:
    // none). False on failure; a text that is no amount is refused (shown
    // by the caller through *badCosts).
    bool orderTotals(const QString& orderKey, const QString& orderkosten, bool* badCosts = nullptr);
    // VonuOrderRegelBedrag for every listed sales line, in one statement.
    bool lineAmounts(const QString& orderKey, const QStringList& regels);

    void forget() { cache_.clear(); }

private:
    using Key = std::tuple<QString, QString, QString, qint64, QChar, int, double>;
    DbSession& session_;
    Writing writing_;
    std::map<Key, PriceResult> cache_;
};

} // namespace vonu
