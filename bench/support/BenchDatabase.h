#pragma once
// The database every database benchmark runs on: cloned from the template
// database of scripts/test.d/10-database.sh in the PostgreSQL server named
// by the environment (PGHOST, PGPORT, ...), and dropped again at the end:
//   pg_virtualenv -t -v 15 bash -c 'ROOT=$PWD; source scripts/test.d/10-database.sh; build/bin/bench_store'

#include "base/Platform.h"
#include "desk/DbSession.h"

#include <QString>
#include <QStringList>

namespace vonu::bench {

// Messages of a session are printed, never answered by a person.
class PrintedMessages final : public IMessageDialog {
public:
    int show(const MessageRequest& request) override;
    int count = 0;
};

class BenchDatabase {
public:
    // Clones the template as <prefix>_<pid>; ok() is false (and the
    // benchmark should skip) without a server or template.
    explicit BenchDatabase(const QString& prefix);
    ~BenchDatabase();
    BenchDatabase(const BenchDatabase&) = delete;
    BenchDatabase& operator=(const BenchDatabase&) = delete;

    bool ok() const { return ok_; }
    const QString& name() const { return name_; }
    ConnectionSettings settings() const;

    // One statement on a connection of its own to this database (or to
    // another one on the same server); false and the error printed on failure.
    bool exec(const QString& sql) const;
    static bool execOn(const QString& database, const QString& sql);
    // Statements in turn on one connection (plain, not prepared: VACUUM
    // cannot be); stops at the first that fails.
    bool exec(const QStringList& statements) const;
    static bool execOn(const QString& database, const QStringList& statements);

private:
    QString name_;
    bool ok_ = false;
};

} // namespace vonu::bench
