#pragma once
// The order desk's session on the order database: the connection, the
// session row and order locks in APC_Tabel, the constants row and a small
// data-access layer of bound-parameter statements.
//
// Every failure is reported here, through the message dialog ("Fout" with
// the server's text), and comes back to the caller as a failed result, so
// the caller only stops its action. A lost connection is noticed when a
// statement fails; the next statement connects again. A link that dies
// without a word (a cable, a router) is noticed by TCP keep-alives and a
// user time-out well within the statement time-out, so no statement waits
// for ever.
//
// The session runs in the time zone of this computer: a date the desk binds
// is the date the database stores, and getdate() is the desk's local time.

#include "base/Platform.h"

#include <QHash>
#include <QList>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>

class QSqlError;

namespace vonu {

// Section Administratie1 of ..\MorvekAdministratie.Ini.
struct ConnectionSettings {
    QString administratie;   // administration number, kept for titles
    QString serverOrder;     // host, host:port, or empty for libpq's default
    QString databaseOrder;   // database name

    // Reads <workingFolder>/../MorvekAdministratie.Ini; a missing file gives
    // empty values.
    static ConnectionSettings read(const QString& workingFolder);
    QString host() const;    // serverOrder without the port
    int port() const;        // the port after ":", or -1
};

// The rows of one statement, read completely when it ran (results never stay
// open on the connection). Columns are looked up by name without regard to
// case. With ok false the statement failed and its error was shown.
struct DbRows {
    bool ok = false;
    QList<QSqlRecord> rows;
    int rowsAffected = -1;

    explicit operator bool() const { return ok; }
    bool found() const { return ok && !rows.isEmpty(); }
    int size() const { return int(rows.size()); }
    // Null when the row or the column does not exist.
    QVariant value(const QString& column, int row = 0) const;
    // The value as text: empty for null; numbers exact (numeric columns are
    // read in high precision), dates as yyyy-MM-dd, booleans "true"/"false".
    QString text(const QString& column, int row = 0) const;
    // The same by the column's position (column()), for reading many rows.
    QString textAt(int column, int row) const;
    // A boolean column (or a 0/1, "T"/"F" text): false for null.
    bool flag(const QString& column, int row = 0) const;

    // The position of a column (-1 when there is none). Every row has the
    // columns of the first; a large result is read column by name many
    // thousand times, so each name is looked up once.
    int column(const QString& name) const;

private:
    mutable QHash<QString, int> columns_;
};

// A named argument of a stored procedure call.
using DbArg = std::pair<QString, QVariant>;

class DbSession {
public:
    explicit DbSession(IMessageDialog& messages);
    ~DbSession();
    DbSession(const DbSession&) = delete;
    DbSession& operator=(const DbSession&) = delete;

    // Opens the session of the order desk started in workingFolder: derives
    // the session user name, reads the connection settings, connects,
    // registers the session row, reads the constants row and removes the
    // user's leftover order locks. Returns false (the reason shown) when the
    // program cannot work with the database.
    bool open(const QString& workingFolder);
    bool open(const QString& userName, const ConnectionSettings& settings);
    // Removes the user's order locks and session row and disconnects. Safe
    // to call when not open.
    void close();

    bool isOpen() const { return open_; }
    bool isConnected() const { return connected_; }
    const QString& userName() const { return user_; }
    const ConnectionSettings& settings() const { return settings_; }

    // The constants row Konstanten ID 1, read once when the session opened.
    const QSqlRecord& constants() const { return constants_; }
    QVariant constant(const QString& column) const { return constants_.value(column); }
    // Captions of the second and third choice of "Extra vrachtkosten".
    QString extraVrachtOmschrijving1() const;
    QString extraVrachtOmschrijving2() const;

    // ---- Statements. Placeholders "?" (or $1 ...), values bound in order;
    // never put a value into the text. A failure shows "Fout" and returns a
    // failed result.
    DbRows select(const QString& sql, const QVariantList& params = {});
    bool exec(const QString& sql, const QVariantList& params = {}, int* rowsAffected = nullptr);
    // select * from <procedure>(name => ?, ...): the procedure's result rows.
    DbRows call(const QString& procedure, const QList<DbArg>& args);

    // Transactions: everything between begin and commit is stored together
    // or not at all. A failed statement inside one rolls it back at once (its
    // message shown); the statements after it are refused without another
    // message until commit (which then returns false) or rollback. Prefer a
    // DbTransaction, which cannot be left open.
    bool begin();
    bool commit();
    void rollback();
    bool inTransaction() const { return inTransaction_; }

    // ---- Locks (APC_Tabel).
    struct LockHolder {
        QString user;
        QString table;   // "VonuOrder" for this program, "Order" for the administration
    };
    enum class LockResult { Locked, InUse, Failed };
    // Locks the order with this key for the session user, releasing the
    // user's other order locks. InUse: another lock row exists (also one of
    // this user); *holder names it. The database's unique lock index decides
    // when two workstations try at the same moment.
    LockResult lockOrder(const QString& orderKey, LockHolder* holder = nullptr);
    // The existing lock on an order, if any.
    std::optional<LockHolder> lockHolder(const QString& orderKey);
    // Removes this program's order locks (New, Open of another order, close).
    // Another program started from a folder of the same name keeps its own.
    bool releaseOrderLocks();
    // Tells this running program's locks from those of another program of
    // the same user; its connections carry it in their application name.
    const QString& lockOwner() const { return lockOwner_; }
    QString applicationName() const;

    // Draws the next order number in one statement (no two workstations can
    // draw the same number); empty when it failed.
    QString drawOrderNumber();

    // The statement time-out of every statement, in seconds.
    static constexpr int statementTimeoutSeconds = 300;
    // How long a dead link may go unnoticed: idle keep-alives after this many
    // seconds, and unacknowledged data for as long, end the connection.
    static constexpr int deadLinkSeconds = 60;

    // The name of the connection in QSqlDatabase (for diagnostics and tests).
    const QString& connectionName() const { return connectionName_; }

private:
    bool connect();
    void disconnect();
    bool ensureConnected();
    QSqlQuery* run(const QString& sql, const QVariantList& params);
    void reportError(const QSqlError& error);
    void reportLines(const QStringList& lines);
    bool probeConnection();
    bool setUpConnection();
    bool registerSession();
    bool removeSession();
    bool readConstants();
    bool removeLeftoverLocks();

    IMessageDialog& messages_;
    QString connectionName_;
    QString user_;
    QString lockOwner_;
    ConnectionSettings settings_;
    QSqlRecord constants_;
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> prepared_;   // per statement text
    std::unique_ptr<QSqlQuery> adhoc_;                                   // the last unprepared one
    bool open_ = false;
    bool connected_ = false;
    bool inTransaction_ = false;
    bool transactionFailed_ = false;
};

// A transaction that cannot be left open: unless commit() succeeded, it is
// rolled back when the guard ends (an early return, a failed statement).
//
//     DbTransaction t(session);
//     if (!t || !session.exec(...) || !session.exec(...) || !t.commit())
//         return false;   // nothing of it was stored
class DbTransaction {
public:
    explicit DbTransaction(DbSession& session);
    ~DbTransaction();
    DbTransaction(const DbTransaction&) = delete;
    DbTransaction& operator=(const DbTransaction&) = delete;

    // False when the transaction could not begin (the reason was shown).
    explicit operator bool() const { return active_; }
    // True when everything since the start is stored.
    bool commit();

private:
    DbSession& session_;
    bool active_ = false;
};

} // namespace vonu
