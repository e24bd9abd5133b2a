#pragma once
// A database of a benchmark's own, cloned from the test template of
// scripts/test.d/10-database.sh, on the PostgreSQL server named by the
// environment (PGHOST, PGPORT, ...).

#include "desk/DbConventions.h"
#include "desk/DbSession.h"

#include <QString>
#include <QStringList>

namespace vonu::bench {

// Prints every message instead of showing it.
class PrintedMessages final : public IMessageDialog {
public:
    int show(const MessageRequest& request) override;
};

// Creates the database `prefix`_<pid> from the template and runs `fill` on
// it; false (printed) when there is no server or a statement fails.
bool makeDatabase(const QString& prefix, const QStringList& fill);
// Runs plain statements (no prepared form: VACUUM cannot be prepared).
bool runOn(const QString& database, const QStringList& statements);
// The connection settings of the database made, and its removal.
ConnectionSettings settings();
void dropDatabase();

} // namespace vonu::bench
