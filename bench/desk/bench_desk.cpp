// Order database round trips from the client: the price lookup as the order
// desk calls it, and opening a session (connect, session row, constants,
// lock clean-up) and closing it again. Needs a PostgreSQL server in the
// environment (PGHOST, PGPORT, ...) and the template database of
// scripts/test.d/10-database.sh:
//   pg_virtualenv -t -v 15 bash -c 'ROOT=$PWD; source scripts/test.d/10-database.sh; build/bin/bench_desk'

#include "desk/DbConventions.h"
#include "desk/DbSession.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

#include <cstdio>

using namespace vonu;

namespace {

class CountingMessages final : public IMessageDialog {
public:
    int show(const MessageRequest& request) override
    {
        ++count;
        std::fprintf(stderr, "%s: %s\n", qPrintable(request.caption), qPrintable(request.lines.join(' ')));
        return 1;
    }
    int count = 0;
};

QString g_database;

ConnectionSettings settings()
{
    const QString port = qEnvironmentVariable("PGPORT");
    QString server = qEnvironmentVariable("PGHOST", QStringLiteral("localhost"));
    if (!port.isEmpty())
        server += QLatin1Char(':') + port;
    return ConnectionSettings{QStringLiteral("1"), server, g_database};
}

void runOnMaintenance(const QString& sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench_drop"));
        db.setHostName(qEnvironmentVariable("PGHOST"));
        db.setPort(qEnvironmentVariableIntValue("PGPORT"));
        db.setDatabaseName(QStringLiteral("postgres"));
        if (db.open())
            QSqlQuery(db).exec(sql);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench_drop"));
}

bool makeDatabase()
{
    const QString tmpl = qEnvironmentVariable("VONU_TEST_TEMPLATE");
    if (qEnvironmentVariableIsEmpty("PGPORT") || tmpl.isEmpty())
        return false;
    g_database = QStringLiteral("vonu_bench_%1").arg(QCoreApplication::applicationPid());
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench_admin"));
        db.setHostName(qEnvironmentVariable("PGHOST"));
        db.setPort(qEnvironmentVariableIntValue("PGPORT"));
        db.setDatabaseName(QStringLiteral("postgres"));
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("drop database if exists %1").arg(g_database));
            ok = q.exec(QStringLiteral("create database %1 template %2").arg(g_database, tmpl));
            if (!ok)
                std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench_admin"));
    return ok;
}

void BM_ArtikelPrijs(benchmark::State& state)
{
    CountingMessages messages;
    DbSession session(messages);
    if (!session.open(QStringLiteral("Bench"), settings())) {
        state.SkipWithError("no session");
        return;
    }
    const char* articles[] = {"OD67", "OD56", "VB200", "KD150", "EK67", "SL20"};
    const QDateTime date(QDate(2026, 12, 10), QTime(0, 0));
    size_t i = 0;
    for (auto _ : state) {
        const DbRows r = session.call(QStringLiteral("ArtikelPrijs"),
                                      {{"Debnr", debtorKey("104711")}, {"Verzend", "01"},
                                       {"Artikel", articles[i++ % 6]}, {"Kontrakt", ""}, {"Datum", date},
                                       {"Soort", "H"}, {"Meter", true}, {"Stuks", true}, {"Productgroep", true},
                                       {"Groep", false}, {"Bedrag", true}, {"Aantal", 0}});
        if (!r.found()) {
            state.SkipWithError("price lookup failed");
            break;
        }
        benchmark::DoNotOptimize(r.rows.first().value(1));
    }
}
BENCHMARK(BM_ArtikelPrijs)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SessionOpenAndConstants(benchmark::State& state)
{
    CountingMessages messages;
    for (auto _ : state) {
        DbSession session(messages);
        if (!session.open(QStringLiteral("Bench"), settings())) {
            state.SkipWithError("no session");
            break;
        }
        benchmark::DoNotOptimize(session.extraVrachtOmschrijving1());
        session.close();
    }
}
BENCHMARK(BM_SessionOpenAndConstants)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!makeDatabase()) {
        std::fprintf(stderr, "bench_desk: no PostgreSQL test server with VONU_TEST_TEMPLATE; skipped\n");
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    runOnMaintenance(QStringLiteral("drop database if exists %1 with (force)").arg(g_database));
    return 0;
}
