#include "BenchDatabase.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

namespace vonu::bench {

namespace {
QString g_database;
}

int PrintedMessages::show(const MessageRequest& request)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(request.caption), qPrintable(request.lines.join(' ')));
    return 1;
}

bool runOn(const QString& database, const QStringList& statements)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench_admin"));
        db.setHostName(qEnvironmentVariable("PGHOST"));
        db.setPort(qEnvironmentVariableIntValue("PGPORT"));
        db.setDatabaseName(database);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString& sql : statements) {
            if (!ok)
                break;
            ok = q.exec(sql);
            if (!ok)
                std::fprintf(stderr, "%s\n%s\n", qPrintable(sql), qPrintable(q.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench_admin"));
    return ok;
}

bool makeDatabase(const QString& prefix, const QStringList& fill)
{
    const QString tmpl = qEnvironmentVariable("VONU_TEST_TEMPLATE");
    if (qEnvironmentVariableIsEmpty("PGPORT") || tmpl.isEmpty())
        return false;
    g_database = QStringLiteral("%1_%2").arg(prefix).arg(QCoreApplication::applicationPid());
    if (!runOn(QStringLiteral("postgres"),
               {QStringLiteral("drop database if exists %1").arg(g_database),
                QStringLiteral("create database %1 template %2").arg(g_database, tmpl)}))
        return false;
    return runOn(g_database, fill);
}

ConnectionSettings settings()
{
    const QString port = qEnvironmentVariable("PGPORT");
    QString server = qEnvironmentVariable("PGHOST", QStringLiteral("localhost"));
    if (!port.isEmpty())
        server += QLatin1Char(':') + port;
    return ConnectionSettings{QStringLiteral("1"), server, g_database};
}

void dropDatabase()
{
    runOn(QStringLiteral("postgres"), {QStringLiteral("drop database if exists %1 with (force)").arg(g_database)});
}

} // namespace vonu::bench
