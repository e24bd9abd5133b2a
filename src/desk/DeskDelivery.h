#pragma once
// The delivery data of an order at the desk, read from and written to the
// order database: what applying a shipping address puts into the extra
// order data (delivery method, relation address, delivery date), a relation
// chosen by hand, the relation's standing instruction, and the delivery
// texts of a stored order.

#include "order/DeskOrderData.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace vonu {

class DbSession;

class DeskDelivery {
public:
    explicit DeskDelivery(DbSession& db);

    struct Applied {
        bool ok = false;            // false: a statement failed (shown)
        QString dateError;          // the delivery rules could not be used
        bool freeDayMoved = false;  // the date moved off a free day
        QString freeDayMessage;     // the status text for that move
    };
    // Applies shipping address `verzend` of debtor `debiteur` to the extra
    // order data: delivery method, relation address, proposed delivery date
    // (moved off free days for a new order), and the reset of costs,
    // contract and freight choices and production texts.
    Applied applyShipTo(ExtraOrderData& extra, const QString& debiteur, const QString& verzend,
                        const QDate& orderDate, const QDate& today, bool hasOrderNumber);

    // Reads relation `relatie` (blank: relation 0) into the address fields;
    // false when it does not exist (the fields are then emptied when
    // `emptyWhenMissing`).
    bool readRelation(ExtraOrderData& extra, const QString& relatie, bool emptyWhenMissing);
    // The relation's standing delivery instruction, two lines.
    std::array<QString, 2> standingInstruction(const QString& relatie);
    // The description of a delivery method, empty when unknown.
    QString leveringswijzeOmschrijving(const QString& code);

    // The five delivery texts of stored order `number`, found through the
    // delivery values of its header; nullopt when the order is not stored.
    // No delivery row gives five empty texts.
    std::optional<std::array<QString, ExtraOrderData::Afleverteksten>> storedDeliveryTexts(const QString& number);
    // Writes the five texts to the delivery row of stored order `number`
    // (made when it has none). Nothing happens when the order is not stored
    // or all texts are blank.
    bool writeDeliveryTexts(const QString& number, const std::array<QString, ExtraOrderData::Afleverteksten>& texts);

private:
    DbSession& db_;
};

} // namespace vonu
