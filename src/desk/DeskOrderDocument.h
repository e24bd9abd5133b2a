#pragma once
// What an order document tells the order desk beyond the lines: the stored
// order number in the name attribute, the debtor, and the extra order data
// written beside the header (delivery address, dates, method, costs,
// production texts).

#include "order/DeskOrderData.h"

#include <QString>
#include <QStringList>

namespace vonu {

class TXMLOrder;

struct DeskDocumentHead {
    QString number;     // stored order number, empty for an order never stored
    QString debiteur;   // trimmed
};
DeskDocumentHead deskDocumentHead(const TXMLOrder& order);

// Takes the extra order data of the document into `extra`, replacing what
// the shipping address put there. Delivery method description, call-off
// choice and delivery texts are the database's and stay as they are. A date
// that cannot be read keeps the value `extra` held; each such value is
// named in *problems.
void takeDeskExtra(const TXMLOrder& order, ExtraOrderData& extra, QStringList* problems = nullptr);

} // namespace vonu
