#pragma once
// Storing the order in memory in the order database: the checks that
// refuse a store once later stages have taken the order up, and the store
// itself - header, production lines, sill values, delivery instruction,
// tracking event, then the size corrections, line quantities and sales
// lines - as one transaction. A store that fails at any point leaves the
// database as it was before and the order in memory untouched.

#include "desk/RowBatch.h"
#include "order/OrderModel.h"

#include <QDate>
#include <QString>

#include <functional>

namespace vonu {

class DbSession;
class IMessageDialog;

// The screen's part of the order that the model does not hold.
struct StoreHeader {
    Transactie transactie = Transactie::Order;
    QDate orderdatum;
    QString verzendadres;       // two-character shipping address code
    QString klantOrdernummer;   // the customer's order number (`Ordernummer`)
    QString referentie;
    QString notities;
    bool onderdorpelorder = false;   // the window caption marks a sill order
};

struct StoreRequest {
    bool newOrder = true;
    QString number;             // the order number, or the workstation name
    bool printCopy = false;
};

// Status words; a test store writes them with a trailing no-break space so
// they never equal the real ones.
QString statusWord(const QString& word, bool test);

class OrderStore {
public:
    OrderStore(DbSession& session, IMessageDialog& messages);

    // Batched in one transaction (the program), or one statement per row
    // without a transaction (the measure a benchmark compares with).
    Writing writing = Writing::Batched;

    // Panel 0 of the status bar.
    std::function<void(const QString&)> status = [](const QString&) {};

    // Why an existing order may no longer be stored, or empty when it may.
    // *failed is set when the checks could not be run (shown).
    QString refusal(const QString& ordernummer, bool* failed = nullptr);

    // Writes the whole order. False when nothing was stored: the reason has
    // been shown and the database is as it was.
    bool store(const OrderModel& order, const StoreHeader& header, const StoreRequest& request);

private:
    bool storeInTransaction(const OrderModel& order, const StoreHeader& header, const StoreRequest& request,
                            QString* problem);
    void reportFailure(const QString& problem);

    DbSession& session_;
    IMessageDialog& messages_;
};

} // namespace vonu
