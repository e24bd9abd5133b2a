#include "support/PgTestDatabase.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace vonu::test {

namespace {

QString templateName() { return qEnvironmentVariable("VONU_TEST_TEMPLATE"); }

QSqlDatabase openConnection(const QString& connection, const QString& database, QString* error)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
    db.setHostName(qEnvironmentVariable("PGHOST"));
    const int port = qEnvironmentVariableIntValue("PGPORT");
    if (port > 0)
        db.setPort(port);
    db.setDatabaseName(database);
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!db.open() && error)
        *error = db.lastError().text();
    return db;
}

} // namespace

QString PgTestDatabase::unavailableReason()
{
    if (qEnvironmentVariableIsEmpty("PGPORT"))
        return QStringLiteral("no PostgreSQL test server (run through scripts/test)");
    if (templateName().isEmpty())
        return QStringLiteral("VONU_TEST_TEMPLATE not set (scripts/test.d/10-database.sh)");
    return {};
}

QString PgTestDatabase::server()
{
    const QString host = qEnvironmentVariable("PGHOST", QStringLiteral("localhost"));
    const QString port = qEnvironmentVariable("PGPORT");
    return port.isEmpty() ? host : host + QLatin1Char(':') + port;
}

PgTestDatabase::PgTestDatabase()
{
    static QAtomicInt counter;
    const int n = counter.fetchAndAddRelaxed(1);
    name_ = QStringLiteral("vonu_t_%1_%2").arg(QCoreApplication::applicationPid()).arg(n);
    adminConnection_ = QStringLiteral("pgtest_admin_%1").arg(n);
    error_ = unavailableReason();
    if (!error_.isEmpty())
        return;
    {
        const QString maintenance = adminConnection_ + QStringLiteral("_m");
        {
            QSqlDatabase db = openConnection(maintenance, QStringLiteral("postgres"), &error_);
            if (db.isOpen()) {
                QSqlQuery q(db);
                // Identifiers cannot be bound; both names are made here.
                q.exec(QStringLiteral("drop database if exists %1").arg(name_));
                if (!q.exec(QStringLiteral("create database %1 template %2").arg(name_, templateName())))
                    error_ = q.lastError().text();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(maintenance);
    }
    if (!error_.isEmpty())
        return;
    QSqlDatabase db = openConnection(adminConnection_, name_, &error_);
    ok_ = db.isOpen();
}

PgTestDatabase::~PgTestDatabase()
{
    if (QSqlDatabase::contains(adminConnection_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(adminConnection_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(adminConnection_);
    }
    if (!ok_)
        return;
    const QString maintenance = adminConnection_ + QStringLiteral("_d");
    {
        QString ignored;
        QSqlDatabase db = openConnection(maintenance, QStringLiteral("postgres"), &ignored);
        if (db.isOpen()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("drop database if exists %1 with (force)").arg(name_));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(maintenance);
}

QString PgTestDatabase::workingFolder(const QString& folder)
{
    const QString root = dir_.path();
    QFile ini(QDir(root).filePath(QStringLiteral("MorvekAdministratie.Ini")));
    if (ini.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ini.write(QStringLiteral("[Administratie1]\r\nAdministratie=1\r\nServerOrder=%1\r\nDatabaseOrder=%2\r\n")
                      .arg(server(), name_)
                      .toUtf8());
    }
    const QString path = QDir(root).filePath(folder);
    QDir().mkpath(path);
    return path;
}

QSqlDatabase PgTestDatabase::admin() const
{
    return QSqlDatabase::database(adminConnection_, false);
}

bool PgTestDatabase::exec(const QString& sql, const QVariantList& params, QString* error) const
{
    QSqlQuery q(admin());
    q.prepare(sql);
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params.at(i));
    if (!q.exec()) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    return true;
}

QVariant PgTestDatabase::scalar(const QString& sql, const QVariantList& params) const
{
    QSqlQuery q(admin());
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    q.prepare(sql);
    for (int i = 0; i < params.size(); ++i)
        q.bindValue(i, params.at(i));
    if (!q.exec() || !q.next())
        return {};
    return q.value(0);
}

} // namespace vonu::test
