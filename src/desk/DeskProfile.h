#pragma once
// The customer profile of a debtor, built from the order database each time
// a debtor is chosen or an order opened: the same `Sleutel` vocabulary as a
// customer's profile file, so the shipping addresses, article lists and
// customer article numbers work alike in both modes. Never written to a file.

#include <QString>

namespace vonu {

class CustomerProfile;
class DbSession;

class DeskProfile {
public:
    explicit DeskProfile(DbSession& db);

    // Builds the profile of debtor `debiteur` (typed or padded) into
    // `profile`, replacing what it held. A shipping address whose relation
    // does not exist is left out; one without a delivery relation delivers
    // to its own address. False when a statement failed (shown); `profile`
    // is then unchanged.
    bool build(const QString& debiteur, CustomerProfile& profile);

private:
    DbSession& db_;
};

} // namespace vonu
