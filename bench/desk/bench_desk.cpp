// Order database round trips from the client: the price lookup as the order
// desk calls it, and opening a session (connect, session row, constants,
// lock clean-up) and closing it again. The database: see
// bench/support/BenchDatabase.h.

#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "support/BenchDatabase.h"

#include <QCoreApplication>
#include <QDateTime>
#include <benchmark/benchmark.h>

#include <cstdio>

using namespace vonu;

namespace {

const bench::BenchDatabase* g_database = nullptr;

void BM_ArtikelPrijs(benchmark::State& state)
{
    bench::PrintedMessages messages;
    DbSession session(messages);
    if (!session.open(QStringLiteral("Bench"), g_database->settings())) {
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
    bench::PrintedMessages messages;
    for (auto _ : state) {
        DbSession session(messages);
        if (!session.open(QStringLiteral("Bench"), g_database->settings())) {
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
    bench::BenchDatabase database(QStringLiteral("vonu_bench"));
    if (!database.ok()) {
        std::fprintf(stderr, "bench_desk: no PostgreSQL test server with VONU_TEST_TEMPLATE; skipped\n");
        return 0;
    }
    g_database = &database;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
