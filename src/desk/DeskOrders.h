#pragma once
// The order desk's side of New, Open and Delete and of choosing a debtor:
// the debtor checks, the order lock taken when an order is opened, the test
// whether a stored order may still be removed, and its removal.

#include <QString>
#include <QStringList>

namespace vonu {

class CustomerProfile;
class DbSession;

class DeskOrders {
public:
    explicit DeskOrders(DbSession& db);

    // ---- Choosing the debtor of a new order.
    enum class DebtorCheck {
        Empty,                // nothing typed
        NotInAdministration,  // no ADM_Debiteur row
        NoOrderData,          // no Debiteur row
        Found,
        Failed,               // a statement failed (shown)
    };
    // Checks the typed debtor (trimmed) in both debtor tables; a refusal
    // comes with its status text.
    DebtorCheck checkDebtor(const QString& typed, QString* statusText = nullptr);

    // ---- Opening.
    // The order number of an order document's name attribute: after "Order"
    // from its 6th character, otherwise (after "Offerte") from its 8th;
    // trimmed.
    static QString numberFromOrderName(const QString& name);
    enum class Lock { Locked, InUse, Failed };
    // Locks the stored order `number` for this program. InUse: *lines are
    // the two lines that tell who holds it. This program's lock on the order
    // on screen is released only once the new lock is taken.
    Lock lockForOpen(const QString& number, QStringList* lines = nullptr);
    // Releases this program's order locks (New, and an Open that failed).
    bool releaseLocks();

    struct Opened {
        Lock lock = Lock::Failed;
        QStringList inUse;       // who holds the order, when InUse
        QString debtorWarning;   // status text for an incomplete debtor
        bool ok() const { return lock == Lock::Locked; }
    };
    // The database side of opening order document `number` (empty: a
    // document never stored) of debtor `debiteur`: the lock, the debtor
    // check and the debtor's profile built into `profile`. When anything
    // after the lock fails, the lock is released again (the session
    // reconnects for it) and Failed comes back: no lock outlives a failed
    // Open.
    Opened openOrder(const QString& number, const QString& debiteur, CustomerProfile& profile);
    // The status text for a debtor missing in either table, else empty.
    QString debtorWarning(const QString& debiteur);
    // The call-off choice of a stored order: 1 when neither its metre nor
    // its piece contract flag is set, else 0.
    int gebruikAfroep(const QString& number);

    // ---- Deleting.
    struct Removal {
        bool removable = false;
        QString reason;   // why not, when not removable
        bool failed = false;
    };
    // Whether stored order `number` may still be removed, and why not.
    Removal removal(const QString& number);
    // The question before a delete: the file's display name, and the order
    // number with its removal test (no number: the file only).
    static QStringList deleteQuestion(const QString& fileDisplayName, const QString& number, const Removal& removal);
    // Removes the sales lines, production lines, their entered sizes and the
    // header of order `number`, all or nothing.
    bool deleteOrder(const QString& number);

private:
    DbSession& db_;
};

} // namespace vonu
