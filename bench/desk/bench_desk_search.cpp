// The debtor search as the search screen runs it on every keystroke, on a
// debtor table of 100,000 rows: Filter mode on the name and on the
// right-aligned number (starts with / contains), and Positie mode. Needs a
// PostgreSQL test server (see bench/support/BenchDatabase.h).
// With VONU_BENCH_WITHOUT_SEARCH_INDEXES set, the search indexes are dropped
// first (the figures before them).

#include "desk/SearchQueries.h"
#include "support/BenchDatabase.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace vonu;

namespace {

using bench::PrintedMessages;

const bench::BenchDatabase* g_database = nullptr;

// 100,000 debtors more: right-aligned numbers, names in five frequent first
// words, postcodes and places.
bool fill(const bench::BenchDatabase& db)
{
    return db.exec({QStringLiteral(
                    "insert into ADM_Debiteur (Debnr, Naam, Adres1, Postcode, Woonpl) "
                    "select lpad(i::text, 6), (array['Bouwbedrijf', 'Kozijnbouw', 'Aannemer', 'Timmerfabriek', "
                    "'Glashandel'])[i % 5 + 1] || ' ' || substr(md5(i::text), 1, 8), 'Straat ' || i, "
                    "(1000 + i % 8999)::text || ' AB', (array['ARNHEM', 'ZEIST', 'APELDOORN', 'UTRECHT', "
                    "'EINDHOVEN'])[i % 5 + 1] from generate_series(1, 100000) i on conflict do nothing"),
                QStringLiteral("insert into Debiteur (Debnr) select Debnr from ADM_Debiteur "
                               "where Adres1 like 'Straat %' on conflict do nothing"),
                // The baseline: VONU_BENCH_WITHOUT_SEARCH_INDEXES=1 measures the
                // search as it was before db/schema.d/40-debtor-search.sql.
                qEnvironmentVariableIsSet("VONU_BENCH_WITHOUT_SEARCH_INDEXES")
                    ? QStringLiteral("drop index adm_debiteur_zoek_naam, adm_debiteur_zoek_postcode, "
                                     "adm_debiteur_zoek_woonpl, adm_debiteur_naam_trgm, "
                                     "adm_debiteur_postcode_trgm, adm_debiteur_woonpl_trgm, debiteur_debnr_trgm")
                    : QStringLiteral("select 1"),
                QStringLiteral("vacuum analyze")});
}

struct Keystroke {
    const char* name;
    bool number;       // the number column (else the name)
    const char* text;
    bool locate;       // Positie
    bool startsWith;   // Voorin (else Bevat)
};

const Keystroke kKeystrokes[] = {
    {"Filter Naam ''", false, "", false, true},
    {"Filter Naam 'B'", false, "B", false, true},
    {"Filter Naam 'T'", false, "T", false, true},
    {"Filter Naam 'Bouwbedrijf a'", false, "Bouwbedrijf a", false, true},
    {"Filter Naam Bevat 'ab12'", false, "ab12", false, false},
    {"Filter Debnr '7'", true, "7", false, true},
    {"Filter Debnr '75123'", true, "75123", false, true},
    {"Filter Debnr Bevat '99'", true, "99", false, false},
    {"Positie Debnr '75123'", true, "75123", true, true},
};

void BM_DebtorSearchKeystroke(benchmark::State& state)
{
    const Keystroke& k = kKeystrokes[state.range(0)];
    state.SetLabel(k.name);
    PrintedMessages messages;
    DbSession session(messages);
    if (!session.open(QStringLiteral("Bench"), g_database->settings())) {
        state.SkipWithError("no session");
        return;
    }
    SearchQueries queries(session);
    const auto s = queries.read(QStringLiteral("Bench"), QStringLiteral("Debiteuren"));
    if (!s) {
        state.SkipWithError("no settings row");
        return;
    }
    SearchRequest request;
    request.text = QString::fromUtf8(k.text);
    request.field = k.number ? s->searchNumber : s->searchAlpha;
    request.locate = k.locate;
    request.startsWith = k.startsWith;
    request.top = s->searchTop.value_or(1000);
    std::size_t rows = 0;
    for (auto _ : state) {
        const SearchResultRows r = queries.run(*s, request);
        if (!r.ok) {
            state.SkipWithError(qPrintable(r.error.isEmpty() ? QStringLiteral("search failed") : r.error));
            break;
        }
        rows = r.rows.size();
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_DebtorSearchKeystroke)
    ->DenseRange(0, int(std::size(kKeystrokes)) - 1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bench::BenchDatabase database(QStringLiteral("vonu_bench_search"));
    if (!database.ok()) {
        std::fprintf(stderr, "bench_desk_search: no PostgreSQL test server with VONU_TEST_TEMPLATE; skipped\n");
        return 0;
    }
    if (!fill(database))
        return 1;
    g_database = &database;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
