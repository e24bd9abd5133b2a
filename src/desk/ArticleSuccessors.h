#pragma once
// The articles the manufacturer has replaced: an article that is no longer
// active and is named by another article as its stock predecessor has that
// article as successor.

#include <QString>

namespace vonu {

class DbSession;

// True with *successor set (as the database holds it) when `code` is an
// inactive article with a successor; true with *successor empty when it
// stays (active, unknown, or without successor); false when a statement
// failed (the session has shown why).
bool articleSuccessor(DbSession& db, const QString& code, QString* successor);

} // namespace vonu
