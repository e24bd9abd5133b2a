// Storing orders: the largest order whose rows fit the four-character line
// numbers (66 lines x (1 main + 25 sub-article/operation + 125 detail rows)
// = 9,967 production rows) written batched in one transaction against the
// same statements sent one row per round trip with autocommit, and a
// typical 20-line order. Each store includes the size corrections, line
// quantities and sales lines. Needs a PostgreSQL server in the environment
// and the template database of scripts/test.d/10-database.sh:
//   pg_virtualenv -t -v 15 bash -c 'ROOT=$PWD; source scripts/test.d/10-database.sh; build/bin/bench_store'

#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/OrderStore.h"

#include <QCoreApplication>
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

bool adminExec(const QString& database, const QString& sql)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench_admin"));
        db.setHostName(qEnvironmentVariable("PGHOST"));
        db.setPort(qEnvironmentVariableIntValue("PGPORT"));
        db.setDatabaseName(database);
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(sql);
            if (!ok)
                std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench_admin"));
    return ok;
}

bool makeDatabase()
{
    const QString tmpl = qEnvironmentVariable("VONU_TEST_TEMPLATE");
    if (qEnvironmentVariableIsEmpty("PGPORT") || tmpl.isEmpty())
        return false;
    g_database = QStringLiteral("vonu_bench_store_%1").arg(QCoreApplication::applicationPid());
    adminExec(QStringLiteral("postgres"), QStringLiteral("drop database if exists %1").arg(g_database));
    return adminExec(QStringLiteral("postgres"), QStringLiteral("create database %1 template %2").arg(g_database, tmpl));
}

// Made-to-size sills with sub-articles, operations and sizes; every line
// coated, so the sales lines get their coating rows too.
OrderModel makeOrder(int lines, int subs, int operations, int details)
{
    OrderModel order;
    order.desk().debiteur = QStringLiteral("104711");
    order.desk().extra.leverdatum = QDate(2026, 12, 22);
    order.desk().extra.productieweek = QStringLiteral("52");
    order.desk().extra.leveringswijze = QStringLiteral("TR");
    const char* mains[] = {"OD67", "OD78", "OD90", "ODA78"};
    const char* subArticles[] = {"EK67", "BB12", "OTD10", "KS10", "VS56"};
    const char* ops[] = {"SPL", "GAT8", "AFV45", "UTS"};
    const char* colours[] = {"9016", "7016", "9010"};
    for (int l = 1; l <= lines; ++l) {
        order.setField(l, Veld::Artikel, QString::fromLatin1(mains[l % 4]));
        order.setField(l, Veld::Kleur, QString::fromLatin1(colours[l % 3]));
        order.setField(l, Veld::Lengte, QStringLiteral("Op maat"));
        order.setField(l, Veld::Correctie, QStringLiteral("Inclusief maat"));
        order.setField(l, Veld::Omschrijving_2, QStringLiteral("Kozijn %1").arg(l));
        int pieces = 0;
        for (int d = 1; d <= details; ++d) {
            order.setDetailAantal(l, d, QString::number(1 + d % 4));
            order.setDetailMaat(l, d, QString::number(900 + 37 * d));
            pieces += 1 + d % 4;
        }
        order.setField(l, Veld::Aantal, QStringLiteral("%1/%2").arg(pieces).arg(pieces * 2));
        for (int f : {Vlag::Kleur, Vlag::Lengte, Vlag::Correctie, Vlag::Subartikelen, Vlag::Bewerkingen, Vlag::Details})
            order.setFlag(l, f, true);
        for (int s = 1; s <= subs; ++s)
            order.setSubartikel(l, s, 1, QString::fromLatin1(subArticles[s % 5]));
        for (int o = 1; o <= operations; ++o)
            order.setBewerking(l, o, 1, QString::fromLatin1(ops[o % 4]));
    }
    return order;
}

void runStores(benchmark::State& state, const OrderModel& order, Writing writing)
{
    CountingMessages messages;
    DbSession session(messages);
    if (!session.open(QStringLiteral("Bench"), settings())) {
        state.SkipWithError("no session");
        return;
    }
    OrderStore store(session, messages);
    store.writing = writing;
    StoreHeader header;
    header.orderdatum = QDate(2026, 12, 10);
    header.verzendadres = QStringLiteral("01");
    const QString number = QString::number(30000 + int(writing) * 1000 + order.lineScrollMaximum());
    if (!store.store(order, header, StoreRequest{true, number, false})) {
        state.SkipWithError("first store failed");
        return;
    }
    for (auto _ : state) {
        if (!store.store(order, header, StoreRequest{false, number, false})) {
            state.SkipWithError("store failed");
            break;
        }
    }
    state.counters["rows"] = double(session.select(QStringLiteral("select count(*) as n from OrderProduktieregel "
                                                                  "where \"order\" = ?"),
                                                   {orderKey(number)})
                                        .text(QStringLiteral("n"))
                                        .toInt());
    session.close();
}

void BM_StoreLargestOrder_Batched(benchmark::State& state)
{
    static const OrderModel order = makeOrder(66, 13, 12, 125);
    runStores(state, order, Writing::Batched);
}
BENCHMARK(BM_StoreLargestOrder_Batched)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

void BM_StoreLargestOrder_RowByRowAutocommit(benchmark::State& state)
{
    static const OrderModel order = makeOrder(66, 13, 12, 125);
    runStores(state, order, Writing::RowByRow);
}
BENCHMARK(BM_StoreLargestOrder_RowByRowAutocommit)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

void BM_StoreTypical20Lines(benchmark::State& state)
{
    static const OrderModel order = makeOrder(20, 3, 2, 6);
    runStores(state, order, Writing::Batched);
}
BENCHMARK(BM_StoreTypical20Lines)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!makeDatabase()) {
        std::fprintf(stderr, "bench_store: no PostgreSQL test server with VONU_TEST_TEMPLATE; skipped\n");
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    adminExec(QStringLiteral("postgres"), QStringLiteral("drop database if exists %1 with (force)").arg(g_database));
    return 0;
}
