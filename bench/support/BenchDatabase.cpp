#include "support/BenchDatabase.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

namespace vonu::bench {

int PrintedMessages::show(const MessageRequest& request)
{
    ++count;
    std::fprintf(stderr, "%s: %s\n", qPrintable(request.caption), qPrintable(request.lines.join(' ')));
    return 1;
}

bool BenchDatabase::execOn(const QString& database, const QString& sql)
{
    return execOn(database, QStringList{sql});
}

bool BenchDatabase::execOn(const QString& database, const QStringList& statements)
{
    const QString connection = QStringLiteral("bench_admin");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        db.setHostName(qEnvironmentVariable("PGHOST"));
        db.setPort(qEnvironmentVariableIntValue("PGPORT"));
        db.setDatabaseName(database);
        if (db.open()) {
            ok = true;
            QSqlQuery q(db);
            for (const QString& sql : statements) {
                ok = q.exec(sql);
                if (!ok) {
                    std::fprintf(stderr, "%s\n%s\n", qPrintable(sql), qPrintable(q.lastError().text()));
                    break;
                }
            }
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(db.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

BenchDatabase::BenchDatabase(const QString& prefix)
{
    const QString tmpl = qEnvironmentVariable("VONU_TEST_TEMPLATE");
    if (qEnvironmentVariableIsEmpty("PGPORT") || tmpl.isEmpty())
        return;
    name_ = QStringLiteral("%1_%2").arg(prefix).arg(QCoreApplication::applicationPid());
    execOn(QStringLiteral("postgres"), QStringLiteral("drop database if exists %1").arg(name_));
    ok_ =
        execOn(QStringLiteral("postgres"), QStringLiteral("create database %1 template %2").arg(name_, tmpl));
}

BenchDatabase::~BenchDatabase()
{
    // VONU_BENCH_KEEP leaves the database for a look at its plans afterwards.
    if (ok_ && !qEnvironmentVariableIsSet("VONU_BENCH_KEEP"))
        execOn(QStringLiteral("postgres"),
               QStringLiteral("drop database if exists %1 with (force)").arg(name_));
}

ConnectionSettings BenchDatabase::settings() const
{
    const QString port = qEnvironmentVariable("PGPORT");
    QString server = qEnvironmentVariable("PGHOST", QStringLiteral("localhost"));
    if (!port.isEmpty())
        server += QLatin1Char(':') + port;
    return ConnectionSettings{QStringLiteral("1"), server, name_};
}

bool BenchDatabase::exec(const QString& sql) const
{
    return execOn(name_, sql);
}

bool BenchDatabase::exec(const QStringList& statements) const
{
    return execOn(name_, statements);
}

} // namespace vonu::bench
