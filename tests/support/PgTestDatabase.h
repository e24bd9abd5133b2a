#pragma once
// A database of its own for one test binary: cloned from the template that
// scripts/test.d/10-database.sh loads (schema, procedures, demo data) into
// the throwaway server, and dropped again afterwards, so test binaries that
// ctest runs in parallel never see each other's rows.

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

namespace vonu::test {

class PgTestDatabase {
public:
    // Empty when a database can be made; otherwise why not (no server
    // environment, no template). Tests skip with this reason.
    static QString unavailableReason();

    PgTestDatabase();
    ~PgTestDatabase();
    PgTestDatabase(const PgTestDatabase&) = delete;
    PgTestDatabase& operator=(const PgTestDatabase&) = delete;

    bool ok() const { return ok_; }
    const QString& error() const { return error_; }
    const QString& name() const { return name_; }
    // ServerOrder for MorvekAdministratie.Ini: PGHOST:PGPORT.
    static QString server();

    // A working folder <temp>/<folder> with ../MorvekAdministratie.Ini naming
    // this database; returns the folder's path.
    QString workingFolder(const QString& folder = QStringLiteral("Balie1"));

    // A connection of the test itself to the cloned database (for checking
    // rows and for server functions such as pg_terminate_backend).
    QSqlDatabase admin() const;
    // Runs one statement on the admin connection; false and *error on failure.
    bool exec(const QString& sql, const QVariantList& params = {}, QString* error = nullptr) const;
    // The first column of the first row, or an invalid QVariant.
    QVariant scalar(const QString& sql, const QVariantList& params = {}) const;

private:
    bool ok_ = false;
    QString error_;
    QString name_;
    QString adminConnection_;
    QTemporaryDir dir_;
};

} // namespace vonu::test
