#pragma once
// What the order-file buttons ask of the order desk: the stored order
// behind a file (its lock, its debtor, its removal), the start of a new
// desk order and the successors of replaced articles. The order desk
// provides it once its session is open; until then, and in customer mode,
// the file actions answer for themselves as a customer's program does, so
// they never check whether a desk is there.

#include <QString>

namespace vonu {

class MorvekDocument;
class OrderModel;

class IOrderFileDesk {
public:
    enum class Open {
        Go,
        InUse,    // someone holds the order (told): New, with its change question
        Failed,   // the database failed (told): the screen starts afresh
    };

    virtual ~IOrderFileDesk() = default;

    // New, after the old order was cleared and before the first address is
    // shown: what the desk adds (locks released, debtor cleared).
    virtual void startNew() = 0;
    // Open, before the read document replaces the order on screen: the lock,
    // the debtor and its profile; may set the desk data of `read`.
    virtual Open opening(const MorvekDocument& doc, OrderModel& read, bool external) = 0;
    // Open, once the document is on screen and before its change signature
    // is taken: what the document holds besides the lines.
    virtual void opened(const MorvekDocument& doc, bool external) = 0;
    // `Verwijderen` of `file`: the question and what else goes with the
    // file; true when the file is to be deleted.
    virtual bool confirmDelete(const QString& file) = 0;
    // The successor of a replaced article, asked for every article of an
    // order a customer sent: true with *successor empty when the code
    // stays, false when the question could not be answered (told).
    virtual bool articleSuccessor(const QString& code, QString* successor) = 0;
};

} // namespace vonu
