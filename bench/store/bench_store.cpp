// Storing orders on a database of realistic volume (100,000 debtors with
// a contract each, 100,000 stored orders with 1.2 million production rows;
// VONU_BENCH_ORDERS sets the number, 0 keeps the demo rows only):
// - the largest order whose rows fit the four-character line numbers
//   (66 lines x (1 main + 25 sub-article/operation + 125 detail rows)
//   = 9,967 production rows) written batched in one transaction, side by
//   side with the same statements sent one row per round trip with
//   autocommit (counter `ratio`: row by row / batched);
// - a typical 20-line order.
// Each store includes the size corrections, line quantities and sales
// lines. At the end the time spent in each stored procedure is printed
// (pg_stat_user_functions), the first place to look when a store slows
// down. The database: see bench/support/BenchDatabase.h.

#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/OrderStore.h"
#include "support/BenchDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace vonu;

namespace {

const bench::BenchDatabase* g_database = nullptr;

// Orders, production rows, sales lines, contracts and debtors in the
// numbers a desk has after some years; the contracts are the debtors' own,
// so the price lookups of the stored debtor see a table of this size but
// find only their own contracts.
bool fillVolumes(const bench::BenchDatabase& db, int orders)
{
    if (orders <= 0)
        return true;
    const QString n = QString::number(orders - 1);
    const QStringList steps{
        QStringLiteral("insert into ADM_Debiteur (Debnr, Naam) select (800000 + i)::text, 'Debiteur ' || i "
                       "from generate_series(0, %1) i"),
        QStringLiteral("insert into Debiteur (Debnr, Levwijze, Kontrakt, Korting) select (800000 + i)::text, 'TR', true, 2 "
                       "from generate_series(0, %1) i"),
        QStringLiteral("insert into Verzendadres (Debnr, Verzend, Naam) select (800000 + i)::text, '01', 'Adres ' || i "
                       "from generate_series(0, %1) i"),
        QStringLiteral("insert into Kontrakt (Kontrakt, Debnr, Datum, Type, Termijn, Verwerkt) "
                       "select 'GK' || i, (800000 + i)::text, date '2024-01-01', (array['A', 'M', 'B'])[i % 3 + 1], 100000, 0 "
                       "from generate_series(0, %1) i"),
        QStringLiteral("insert into KontraktArtikel (Kontrakt, Artikel, Prijs) select 'GK' || i, a, 14.50 "
                       "from generate_series(0, %1) i, unnest(array['OD67', 'EK67', 'ODA78']) a where i % 3 < 2"),
        QStringLiteral("insert into \"order\" (\"order\", Status, Debnr, V_adres, Datum, Levwijze, Bedrag, Kontrakt, T_Order) "
                       "select lpad((1000000 + i)::text, 8), (array['Productie', 'Verkoop', 'Faktuur'])[i % 3 + 1], "
                       "(800000 + i)::text, '01', date '2024-01-01' + i % 900, 'TR', i % 3 = 2, 'GK' || i, 250 "
                       "from generate_series(0, %1) i"),
        QStringLiteral("insert into OrderProduktieregel (\"order\", Regel, RegelId, Type, Artikel, Kontrakt, Aantal, Maat, "
                       "Maatvoering, Oorsprong, Prijs) "
                       "select lpad((1000000 + i)::text, 8), lpad(j::text, 4), lpad(j::text, 4), "
                       "case when j = 1 then 'K' when j <= 4 then 'S' else 'D' end, "
                       "case when j = 1 then 'OD67' when j <= 4 then 'EK67' end, "
                       "case when j <= 4 and i % 3 < 2 then 'GK' || i end, 1 + j % 4, "
                       "case when j > 4 then 900 + j end, case when j > 4 then 'mm' end, "
                       "case when j <= 4 then 'AK2' end, case when j <= 4 then 14.50 end "
                       "from generate_series(0, %1) i, generate_series(1, 12) j"),
        QStringLiteral("insert into OrderVerkoopregel (\"order\", Regel, Artikel, Omschrijving, Aantal, Prijs, Bedrag) "
                       "select lpad((1000000 + i)::text, 8), lpad(j::text, 4), 'OD67', 'Onderdorpel', 3, 14.50, 43.50 "
                       "from generate_series(0, %1) i, generate_series(1, 4) j"),
        QStringLiteral("insert into OrderTracking (DatumTijd, \"order\", Actie) "
                       "select timestamp '2024-01-01' + i * interval '10 minutes', lpad((1000000 + i)::text, 8), 'I' "
                       "from generate_series(0, %1) i"),
        QStringLiteral("analyze"),
    };
    QElapsedTimer timer;
    timer.start();
    for (const QString& step : steps)
        if (!db.exec(step.contains(QLatin1String("%1")) ? step.arg(n) : step))
            return false;
    std::fprintf(stderr, "bench_store: %d orders with %d production rows filled in %.1f s\n", orders, orders * 12,
                 double(timer.elapsed()) / 1000);
    return true;
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
        for (Vlag f : {Vlag::Kleur, Vlag::Lengte, Vlag::Correctie, Vlag::Subartikelen, Vlag::Bewerkingen, Vlag::Details})
            order.setFlag(l, f, true);
        for (int s = 1; s <= subs; ++s)
            order.setSubartikel(l, s, 1, QString::fromLatin1(subArticles[s % 5]));
        for (int o = 1; o <= operations; ++o)
            order.setBewerking(l, o, 1, QString::fromLatin1(ops[o % 4]));
    }
    return order;
}

struct StoreRun {
    bench::PrintedMessages messages;
    DbSession session{messages};
    std::unique_ptr<OrderStore> store;
    StoreHeader header;
    QString number;

    // Opens a session and stores the order once as new, so every measured
    // store replaces a stored order as a change does.
    bool start(const OrderModel& order, Writing writing, const QString& orderNumber)
    {
        if (!session.open(QStringLiteral("Bench"), g_database->settings()))
            return false;
        store = std::make_unique<OrderStore>(session, messages);
        store->writing = writing;
        header.orderdatum = QDate(2026, 12, 10);
        header.verzendadres = QStringLiteral("01");
        // A number of its own for every repetition: each starts with a new order.
        static int run = 0;
        number = QString::number(orderNumber.toInt() + 100 * run++);
        return store->store(order, header, StoreRequest{true, number, false});
    }
    // Milliseconds of one store, or a negative number when it failed.
    double again(const OrderModel& order)
    {
        QElapsedTimer timer;
        timer.start();
        if (!store->store(order, header, StoreRequest{false, number, false}))
            return -1;
        return double(timer.nsecsElapsed()) / 1e6;
    }
    ~StoreRun()
    {
        // The procedure times reach the statistics at the end of a
        // statement after this one.
        if (session.isOpen()) {
            session.select(QStringLiteral("select pg_stat_force_next_flush()"));
            session.select(QStringLiteral("select 1"));
        }
    }
    int rows()
    {
        return session.select(QStringLiteral("select count(*) as n from OrderProduktieregel where \"order\" = ?"),
                              {orderKey(number)})
            .text(QStringLiteral("n"))
            .toInt();
    }
};

void BM_StoreLargestOrder_BatchedVsRowByRow(benchmark::State& state)
{
    static const OrderModel order = makeOrder(66, 13, 12, 125);
    StoreRun batched;
    StoreRun rowByRow;
    if (!batched.start(order, Writing::Batched, QStringLiteral("31066"))
        || !rowByRow.start(order, Writing::RowByRow, QStringLiteral("32066"))) {
        state.SkipWithError("first store failed");
        return;
    }
    double batchedMs = 0;
    double rowByRowMs = 0;
    for (auto _ : state) {
        const double b = batched.again(order);
        const double r = rowByRow.again(order);
        if (b < 0 || r < 0) {
            state.SkipWithError("store failed");
            return;
        }
        state.SetIterationTime(b / 1000);
        batchedMs += b;
        rowByRowMs += r;
    }
    state.counters["rows"] = batched.rows();
    state.counters["rowByRow_ms"] = benchmark::Counter(rowByRowMs, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = batchedMs > 0 ? rowByRowMs / batchedMs : 0;
}
BENCHMARK(BM_StoreLargestOrder_BatchedVsRowByRow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3);

void BM_StoreTypical20Lines(benchmark::State& state)
{
    static const OrderModel order = makeOrder(20, 3, 2, 6);
    StoreRun run;
    if (!run.start(order, Writing::Batched, QStringLiteral("30020"))) {
        state.SkipWithError("first store failed");
        return;
    }
    for (auto _ : state) {
        const double ms = run.again(order);
        if (ms < 0) {
            state.SkipWithError("store failed");
            return;
        }
        state.SetIterationTime(ms / 1000);
    }
    state.counters["rows"] = run.rows();
}
BENCHMARK(BM_StoreTypical20Lines)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10)->Repetitions(3);

// Where the server spent its time, per stored procedure (own time and with
// what it called), over the whole run.
void printProcedureTimes(const bench::BenchDatabase& db)
{
    const QString connection = QStringLiteral("bench_stats");
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        c.setHostName(qEnvironmentVariable("PGHOST"));
        c.setPort(qEnvironmentVariableIntValue("PGPORT"));
        c.setDatabaseName(db.name());
        if (c.open()) {
            QSqlQuery q(c);
            q.exec(QStringLiteral("select funcname, calls, round(total_time::numeric, 1), round(self_time::numeric, 1) "
                                  "from pg_stat_user_functions order by total_time desc limit 12"));
            std::fprintf(stderr, "%-32s %8s %12s %12s\n", "procedure", "calls", "total ms", "self ms");
            while (q.next())
                std::fprintf(stderr, "%-32s %8s %12s %12s\n", qPrintable(q.value(0).toString()),
                             qPrintable(q.value(1).toString()), qPrintable(q.value(2).toString()),
                             qPrintable(q.value(3).toString()));
        }
        c.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bench::BenchDatabase database(QStringLiteral("vonu_bench_store"));
    if (!database.ok()) {
        std::fprintf(stderr, "bench_store: no PostgreSQL test server with VONU_TEST_TEMPLATE; skipped\n");
        return 0;
    }
    g_database = &database;
    const int orders = qEnvironmentVariableIsSet("VONU_BENCH_ORDERS") ? qEnvironmentVariableIntValue("VONU_BENCH_ORDERS")
                                                                       : 100000;
    if (!fillVolumes(database, orders)
        || !database.exec(QStringLiteral("alter database %1 set track_functions = 'all'").arg(database.name())))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printProcedureTimes(database);
    return 0;
}
