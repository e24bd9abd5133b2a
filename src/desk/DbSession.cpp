#include "desk/DbSession.h"

#include "base/IniFile.h"
#include "base/Text.h"
#include "data/AppState.h"
#include "desk/DbConventions.h"

#include <QAtomicInt>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QUuid>
#include <QSqlField>
#include <QTimeZone>

namespace vonu {

namespace {

// Messages of the database session, in one place.
namespace Tekst {
const char* const Fout = "Fout";
const char* const GeenDatabase = "Geen database opgegeven (DatabaseOrder in MorvekAdministratie.Ini).";
const char* const GeenVerbinding = "Geen verbinding met de orderdatabase %1 op %2.";
const char* const DezeComputer = "deze computer";
const char* const VerbindingVerbroken = "De verbinding met de orderdatabase is verbroken.";
const char* const OpnieuwVerbinden = "Bij de volgende actie wordt opnieuw verbinding gemaakt.";
const char* const NietsBewaard = "Niets van deze actie is bewaard.";
const char* const GeenKonstanten = "De konstanten (Konstanten ID 1) ontbreken in de orderdatabase.";
const char* const GeenOrdernummer = "Er kon geen ordernummer worden bepaald (Konstanten ID 1).";
const char* const OngeldigeProcedure = "Ongeldige procedurenaam: %1";
const char* const OngeldigeParameter = "Ongeldige parameternaam: %1";
} // namespace Tekst

// The session row's `[Record]` and the lock rows' `[Table]`.
const QString kVonuOrder = QStringLiteral("VonuOrder");

// Prepared statements are kept per statement text; a program issues a few
// hundred different texts at most, so an overflow only means a busy screen
// that builds texts from its settings.
constexpr int kMaxPrepared = 256;

QStringList errorLines(const QSqlError& error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString& line : lines)
        line = line.trimmed();
    while (lines.size() > 8)
        lines.removeLast();
    return lines;
}

bool isIdentifier(const QString& name)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re.match(name).hasMatch();
}

} // namespace

// ---------------------------------------------------------------------------

ConnectionSettings ConnectionSettings::read(const QString& workingFolder)
{
    const QString path = QDir(workingFolder).filePath(QStringLiteral("../MorvekAdministratie.Ini"));
    const IniFile ini = IniFile::load(path);
    const QString section = QStringLiteral("Administratie1");
    ConnectionSettings s;
    s.administratie = ini.value(section, QStringLiteral("Administratie"));
    s.serverOrder = ini.value(section, QStringLiteral("ServerOrder"));
    s.databaseOrder = ini.value(section, QStringLiteral("DatabaseOrder"));
    return s;
}

QString ConnectionSettings::host() const
{
    const QString server = serverOrder.trimmed();
    const qsizetype colon = server.lastIndexOf(QLatin1Char(':'));
    if (colon < 0 || server.startsWith(QLatin1Char('/')))
        return server;
    return server.left(colon);
}

int ConnectionSettings::port() const
{
    const QString server = serverOrder.trimmed();
    const qsizetype colon = server.lastIndexOf(QLatin1Char(':'));
    if (colon < 0 || server.startsWith(QLatin1Char('/')))
        return -1;
    bool ok = false;
    const int p = server.mid(colon + 1).toInt(&ok);
    return ok && p > 0 && p < 65536 ? p : -1;
}

// ---------------------------------------------------------------------------

int DbRows::column(const QString& name) const
{
    if (rows.isEmpty())
        return -1;
    const auto it = columns_.constFind(name);
    if (it != columns_.constEnd())
        return it.value();
    const int i = rows.first().indexOf(name);
    columns_.insert(name, i);
    return i;
}

QVariant DbRows::value(const QString& column, int row) const
{
    if (row < 0 || row >= rows.size())
        return {};
    const int i = this->column(column);
    return i < 0 ? QVariant() : rows.at(row).value(i);
}

QString DbRows::text(const QString& column, int row) const
{
    return textAt(this->column(column), row);
}

QString DbRows::textAt(int column, int row) const
{
    if (column < 0 || row < 0 || row >= rows.size())
        return {};
    const QVariant v = rows.at(row).value(column);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return v.toString();
}

bool DbRows::flag(const QString& column, int row) const
{
    const QVariant v = value(column, row);
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    const QString t = v.toString().trimmed();
    if (t.isEmpty())
        return false;
    const QChar c = t.at(0).toUpper();
    if (c == QLatin1Char('T') || c == QLatin1Char('J') || c == QLatin1Char('Y'))
        return true;
    bool ok = false;
    const double d = t.toDouble(&ok);
    return ok && d != 0.0;
}

// ---------------------------------------------------------------------------

DbSession::DbSession(IMessageDialog& messages)
    : messages_(messages)
{
    static QAtomicInt counter;
    connectionName_ = QStringLiteral("vonu_order_%1").arg(counter.fetchAndAddRelaxed(1));
    lockOwner_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
}

DbSession::~DbSession()
{
    close();
    disconnect();
    if (QSqlDatabase::contains(connectionName_))
        QSqlDatabase::removeDatabase(connectionName_);
}

bool DbSession::open(const QString& workingFolder)
{
    return open(sessionUserName(workingFolder), ConnectionSettings::read(workingFolder));
}

bool DbSession::open(const QString& userName, const ConnectionSettings& settings)
{
    close();
    user_ = userName;
    settings_ = settings;
    if (!connect())
        return false;
    // The constants first: a database the desk cannot work with gets no
    // session row.
    if (!readConstants() || !registerSession()) {
        disconnect();
        return false;
    }
    if (!removeLeftoverLocks()) {
        removeSession();
        disconnect();
        return false;
    }
    open_ = true;
    return true;
}

void DbSession::close()
{
    if (!open_)
        return;
    open_ = false;
    if (inTransaction_)
        rollback();
    transactionFailed_ = false;
    // A connection lost without a statement noticing it would make the tidy
    // up fail and leave the rows behind for the other workstations to see:
    // connect again first.
    if (connected_ && !probeConnection())
        disconnect();
    if (ensureConnected()) {
        releaseOrderLocks();
        removeSession();
    }
    disconnect();
}

QString DbSession::extraVrachtOmschrijving1() const
{
    return constants_.value(QStringLiteral("ExtraVrachtOmschrijving1")).toString();
}

QString DbSession::extraVrachtOmschrijving2() const
{
    return constants_.value(QStringLiteral("ExtraVrachtOmschrijving2")).toString();
}

// ---------------------------------------------------------------------------

bool DbSession::connect()
{
    if (settings_.databaseOrder.trimmed().isEmpty()) {
        reportLines({u8(Tekst::GeenDatabase)});
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(connectionName_)
                          ? QSqlDatabase::database(connectionName_, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName_);
    // No user or password: libpq finds the account the usual way (the
    // operating-system user, PGUSER/PGPASSWORD, ~/.pgpass, peer or GSSAPI).
    db.setHostName(settings_.host());
    db.setPort(settings_.port());
    db.setDatabaseName(settings_.databaseOrder.trimmed());
    // The application name carries the lock owner, so other programs can tell
    // whether the owner of a lock row still runs. Keep-alives and the user
    // time-out end a dead link long before the statement time-out.
    db.setConnectOptions(QStringLiteral("connect_timeout=10;application_name=%1;keepalives=1;"
                                        "keepalives_idle=%2;keepalives_interval=%3;keepalives_count=%4;"
                                        "tcp_user_timeout=%5")
                             .arg(applicationName())
                             .arg(deadLinkSeconds / 2)
                             .arg(deadLinkSeconds / 6)
                             .arg(3)
                             .arg(deadLinkSeconds * 1000));
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!db.open()) {
        QStringList lines{u8(Tekst::GeenVerbinding).arg(settings_.databaseOrder.trimmed(),
                                            settings_.serverOrder.trimmed().isEmpty()
                                                ? u8(Tekst::DezeComputer)
                                                : settings_.serverOrder.trimmed())};
        lines += errorLines(db.lastError());
        reportLines(lines);
        db.close();
        return false;
    }
    if (!setUpConnection()) {
        db.close();
        return false;
    }
    connected_ = true;
    return true;
}

bool DbSession::setUpConnection()
{
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    QSqlQuery setup(db);
    if (!setup.exec(QStringLiteral("set statement_timeout = %1").arg(statementTimeoutSeconds * 1000))) {
        reportLines(errorLines(setup.lastError()));
        return false;
    }
    // The server's own zone would turn a date bound at midnight into the day
    // before or after, and getdate() into another clock than the desk's.
    const QString zone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    setup.prepare(QStringLiteral("select set_config('TimeZone', ?, false)"));
    setup.addBindValue(zone);
    if (zone.isEmpty() || !setup.exec()) {
        // A zone name the server does not know: the present offset, in hours
        // east of UTC, still gives today's dates right.
        const int offset = QDateTime::currentDateTime().offsetFromUtc();
        if (!setup.exec(QStringLiteral("set time zone %1").arg(double(offset) / 3600.0))) {
            reportLines(errorLines(setup.lastError()));
            return false;
        }
    }
    return true;
}

void DbSession::disconnect()
{
    prepared_.clear();
    adhoc_.reset();
    connected_ = false;
    inTransaction_ = false;
    if (QSqlDatabase::contains(connectionName_)) {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
}

bool DbSession::ensureConnected()
{
    if (connected_)
        return true;
    disconnect();
    return connect();
}

bool DbSession::probeConnection()
{
    QSqlQuery probe(QSqlDatabase::database(connectionName_, false));
    return probe.exec(QStringLiteral("select 1")) && probe.next();
}

void DbSession::reportLines(const QStringList& lines)
{
    showMessage(messages_, u8(Tekst::Fout), lines);
}

void DbSession::reportError(const QSqlError& error)
{
    QStringList lines = errorLines(error);
    // A failed statement aborts the transaction around it; end it now so the
    // connection can be probed and the caller's commit reports the failure.
    if (inTransaction_) {
        QSqlDatabase::database(connectionName_, false).rollback();
        inTransaction_ = false;
        transactionFailed_ = true;
        lines << u8(Tekst::NietsBewaard);
    }
    if (!probeConnection()) {
        lines << QString() << u8(Tekst::VerbindingVerbroken) << u8(Tekst::OpnieuwVerbinden);
        disconnect();
    }
    reportLines(lines);
}

QSqlQuery* DbSession::run(const QString& sql, const QVariantList& params)
{
    if (!inTransaction_ && transactionFailed_) {
        // Statements after a failed transaction but before its commit or
        // rollback belong to an action that has already stopped.
        return nullptr;
    }
    if (!ensureConnected())
        return nullptr;
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (params.isEmpty()) {
        adhoc_ = std::make_unique<QSqlQuery>(db);
        adhoc_->setNumericalPrecisionPolicy(QSql::HighPrecision);
        adhoc_->setForwardOnly(true);
        if (!adhoc_->exec(sql)) {
            const QSqlError error = adhoc_->lastError();
            adhoc_.reset();
            reportError(error);
            return nullptr;
        }
        return adhoc_.get();
    }
    auto it = prepared_.find(sql);
    if (it == prepared_.end()) {
        if (prepared_.size() >= kMaxPrepared)
            prepared_.clear();
        auto q = std::make_unique<QSqlQuery>(db);
        q->setNumericalPrecisionPolicy(QSql::HighPrecision);
        q->setForwardOnly(true);
        if (!q->prepare(sql)) {
            const QSqlError error = q->lastError();
            q.reset();
            reportError(error);
            return nullptr;
        }
        it = prepared_.emplace(sql, std::move(q)).first;
    }
    QSqlQuery* q = it->second.get();
    for (int i = 0; i < params.size(); ++i)
        q->bindValue(i, params.at(i));
    if (!q->exec()) {
        const QSqlError error = q->lastError();
        prepared_.erase(it);
        reportError(error);
        return nullptr;
    }
    return q;
}

DbRows DbSession::select(const QString& sql, const QVariantList& params)
{
    DbRows result;
    QSqlQuery* q = run(sql, params);
    if (!q)
        return result;
    result.ok = true;
    result.rowsAffected = q->numRowsAffected();
    if (q->isSelect()) {
        // The driver describes the columns anew for every record it makes;
        // the first row's description serves all rows.
        QSqlRecord shape;
        while (q->next()) {
            if (result.rows.isEmpty()) {
                shape = q->record();
                result.rows.append(shape);
                continue;
            }
            QSqlRecord record = shape;
            for (int i = 0; i < record.count(); ++i)
                record.setValue(i, q->value(i));
            result.rows.append(record);
        }
    }
    q->finish();
    return result;
}

bool DbSession::exec(const QString& sql, const QVariantList& params, int* rowsAffected)
{
    QSqlQuery* q = run(sql, params);
    if (!q)
        return false;
    if (rowsAffected)
        *rowsAffected = q->numRowsAffected();
    q->finish();
    return true;
}

DbRows DbSession::call(const QString& procedure, const QList<DbArg>& args)
{
    // The names come from the program, never from a user; still, only plain
    // names reach the statement text.
    if (!isIdentifier(procedure)) {
        reportLines({u8(Tekst::OngeldigeProcedure).arg(procedure)});
        return {};
    }
    QStringList parts;
    QVariantList values;
    for (const DbArg& arg : args) {
        if (!isIdentifier(arg.first)) {
            reportLines({u8(Tekst::OngeldigeParameter).arg(arg.first)});
            return {};
        }
        parts << sqlIdentifier(arg.first) + QStringLiteral(" => ?");
        values << arg.second;
    }
    return select(QStringLiteral("select * from %1(%2)").arg(procedure.toLower(), parts.join(QStringLiteral(", "))),
                  values);
}

// ---------------------------------------------------------------------------

bool DbSession::begin()
{
    transactionFailed_ = false;
    if (!ensureConnected())
        return false;
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (!db.transaction()) {
        reportError(db.lastError());
        return false;
    }
    inTransaction_ = true;
    return true;
}

bool DbSession::commit()
{
    if (!inTransaction_) {
        transactionFailed_ = false;
        return false;
    }
    inTransaction_ = false;
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (!db.commit()) {
        reportError(db.lastError());
        db.rollback();
        return false;
    }
    return true;
}

void DbSession::rollback()
{
    transactionFailed_ = false;
    if (!inTransaction_)
        return;
    inTransaction_ = false;
    QSqlDatabase::database(connectionName_, false).rollback();
}

// ---------------------------------------------------------------------------

bool DbSession::registerSession()
{
    // The unique session index turns a second start of the same user into a
    // no-op instead of a second row.
    return exec(QStringLiteral("insert into APC_Tabel (\"user\", record) values (?, ?) on conflict do nothing"),
                {user_, kVonuOrder});
}

bool DbSession::readConstants()
{
    const DbRows rows = select(QStringLiteral(
        "select aantal, Tekst_HL_1, Tekst_OM_1, EAN_leverancier, MoffelProductie, max_mm_doos, min_kg_doos, "
        "max_kg_doos, max_kg_bundel, BedrijfsLogo, OverbundelenBundel, OverbundelenDoos, OverbundelenKoker, "
        "OverbundelenPak, OverbundelenPallet, Leverdatum_1, Leverdatum_2, Leverdatum_3, Leverdatum_4, "
        "Leverdatum_5, Leverdatum_6, Leverdatum_7, KleurToeslag, KleurToeslagBedrag, "
        "ExtraVrachtOmschrijving1, ExtraVrachtOmschrijving2 from Konstanten where ID = ?"), {1});
    if (!rows)
        return false;
    if (!rows.found()) {
        reportLines({u8(Tekst::GeenKonstanten)});
        return false;
    }
    constants_ = rows.rows.first();
    return true;
}

bool DbSession::removeSession()
{
    return exec(QStringLiteral("delete from APC_Tabel where \"user\" = ? and record = ? and \"table\" is null"),
                {user_, kVonuOrder});
}

QString DbSession::applicationName() const
{
    return QStringLiteral("VonuOrder/") + lockOwner_;
}

bool DbSession::releaseOrderLocks()
{
    // Only this program's own locks: another desk of the same user keeps the
    // order it shows.
    return exec(QStringLiteral("delete from APC_Tabel where \"user\" = ? and \"table\" = ? and Sessie = ?"),
                {user_, kVonuOrder, lockOwner_});
}

bool DbSession::removeLeftoverLocks()
{
    // Locks of this user left by a program that ended without closing: rows
    // without an owner, or whose owner no longer has a connection.
    return exec(QStringLiteral(
                    "delete from APC_Tabel t where t.\"user\" = ? and t.\"table\" = ? and "
                    "(t.Sessie is null or t.Sessie = ? or not exists (select 1 from pg_stat_activity a "
                    "where a.application_name = 'VonuOrder/' || t.Sessie))"),
                {user_, kVonuOrder, lockOwner_});
}

std::optional<DbSession::LockHolder> DbSession::lockHolder(const QString& orderKey)
{
    const DbRows rows = select(QStringLiteral("select \"user\", \"table\" from APC_Tabel "
                                              "where \"table\" in ('Order', 'VonuOrder') and record = ?"),
                               {orderKey});
    if (!rows.found())
        return std::nullopt;
    return LockHolder{rows.text(QStringLiteral("user")), rows.text(QStringLiteral("table"))};
}

DbSession::LockResult DbSession::lockOrder(const QString& orderKey, LockHolder* holder)
{
    const DbRows existing = select(QStringLiteral("select \"user\", \"table\" from APC_Tabel "
                                                  "where \"table\" in ('Order', 'VonuOrder') and record = ?"),
                                   {orderKey});
    if (!existing)
        return LockResult::Failed;
    if (existing.found()) {
        if (holder)
            *holder = {existing.text(QStringLiteral("user")), existing.text(QStringLiteral("table"))};
        return LockResult::InUse;
    }
    std::optional<DbTransaction> own;
    if (!inTransaction_) {
        own.emplace(*this);
        if (!*own)
            return LockResult::Failed;
    }
    // The new lock first: when another workstation took the order between
    // the check and now, the order still on screen keeps its lock.
    int inserted = 0;
    bool ok = exec(QStringLiteral("insert into APC_Tabel (\"user\", \"table\", record, Sessie) values (?, ?, ?, ?) "
                                  "on conflict (record) where \"table\" in ('Order', 'VonuOrder') do nothing"),
                   {user_, kVonuOrder, orderKey, lockOwner_}, &inserted);
    if (ok && inserted == 1)
        ok = exec(QStringLiteral("delete from APC_Tabel where \"user\" = ? and \"table\" = ? and Sessie = ? "
                                 "and record <> ?"),
                  {user_, kVonuOrder, lockOwner_, orderKey});
    if (!ok || (own && !own->commit()))
        return LockResult::Failed;
    if (inserted == 1)
        return LockResult::Locked;
    // Another workstation locked it between the check and the insert.
    if (holder) {
        const std::optional<LockHolder> other = lockHolder(orderKey);
        *holder = other.value_or(LockHolder{});
    }
    return LockResult::InUse;
}

QString DbSession::drawOrderNumber()
{
    const DbRows rows = select(QStringLiteral(
        "update Konstanten set \"order\" = \"order\" + 1 where ID = ? returning \"order\" - 1 as nummer"), {1});
    if (!rows)
        return {};
    if (!rows.found()) {
        reportLines({u8(Tekst::GeenOrdernummer)});
        return {};
    }
    return rows.text(QStringLiteral("nummer"));
}

// ---------------------------------------------------------------------------

void DbSessionDeleter::operator()(DbSession* session) const
{
    delete session;
}

DbTransaction::DbTransaction(DbSession& session)
    : session_(session), active_(session.begin())
{
}

DbTransaction::~DbTransaction()
{
    if (active_)
        session_.rollback();
}

bool DbTransaction::commit()
{
    if (!active_)
        return false;
    active_ = false;
    return session_.commit();
}

} // namespace vonu
