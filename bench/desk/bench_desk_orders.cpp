// Building a debtor's profile from the database (50 shipping addresses, 500
// debtor articles and 500 address articles) and opening a stored 100-line
// order at the desk: the document read, the lock, the debtor check, the
// profile and the extra order data. Needs a PostgreSQL test server (see
// bench/support/BenchDatabase.h).

#include "data/CustomerProfile.h"
#include "data/MorvekXML.h"
#include "desk/DeskOrderDocument.h"
#include "desk/DeskOrders.h"
#include "desk/DeskProfile.h"
#include "files/OrderDocument.h"
#include "support/BenchDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

using namespace vonu;

namespace {

const QString kDebtor = QStringLiteral("777777");
QString g_orderFile;
const bench::BenchDatabase* g_database = nullptr;

bool fill(const bench::BenchDatabase& db)
{
    return db.exec(
        {QStringLiteral("insert into ADM_Debiteur (Debnr, Naam, Adres1, Postcode, Woonpl) values "
                        "('777777', 'Grootbouw B.V.', 'Havenweg 1', '3011 AA', 'ROTTERDAM')"),
         QStringLiteral("insert into Debiteur (Debnr, Levwijze) values ('777777', 'TR')"),
         QStringLiteral("insert into Artikel (Artikel, Omschrijving_1) select 'BENCH' || lpad(i::text, 3, '0'), "
                        "'Bankartikel ' || i from generate_series(1, 500) i"),
         QStringLiteral("insert into DebiteurArtikel (Debnr, Artikel, ArtikelKlant) select '777777', Artikel, "
                        "'K-' || Artikel from Artikel where Artikel like 'BENCH%'"),
         QStringLiteral("insert into Verzendadres (Debnr, Verzend, VerzendRelatie, AfleverRelatie, Naam, Adres, Plaats) "
                        "select '777777', lpad(i::text, 2, '0'), 1001, case when i % 2 = 0 then 1002 end, "
                        "'Werk ' || i, 'Bouwweg ' || i, 'ROTTERDAM' from generate_series(1, 50) i"),
         QStringLiteral("insert into VerzendadresArtikel (Debnr, Verzend, Artikel, ArtikelKlant) "
                        "select '777777', lpad((1 + (n % 50))::text, 2, '0'), 'BENCH' || lpad(n::text, 3, '0'), "
                        "'A-' || n from generate_series(1, 500) n"),
         QStringLiteral("insert into \"order\" (\"order\", Status, Debnr, V_adres, Datum) values "
                        "('   24099', 'Ingevoerd', '777777', '01', date '2026-12-01')"),
         QStringLiteral("vacuum analyze")});
}

// A stored order of 100 lines, as the desk saves it.
bool writeOrderFile(const QString& folder)
{
    QByteArray lines;
    for (int i = 0; i < 100; ++i)
        lines += QStringLiteral("<Orderregel Regel=\"%1\"><OrderregelArtikel>OD56</OrderregelArtikel>"
                                "<OrderregelLengte>Handelslengte</OrderregelLengte><OrderregelMaat>2,40 Mtr"
                                "</OrderregelMaat><OrderregelUitvoering>Geboord</OrderregelUitvoering>"
                                "<OrderregelAantal>%2</OrderregelAantal><OrderregelOmschrijving_2>Geboord"
                                "</OrderregelOmschrijving_2><OrderregelStatus>011011101100</OrderregelStatus>"
                                "</Orderregel>")
                     .arg(i)
                     .arg(1 + i % 9)
                     .toUtf8();
    g_orderFile = QDir(folder).filePath(QStringLiteral("Order 24099-Groot.Xml"));
    QFile f(g_orderFile);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write("<?xml version=\"1.0\"?><Morvek><Orders><Order Order=\"Order24099\"><OrderDebiteur>777777"
            "</OrderDebiteur><OrderVerzendadres>01</OrderVerzendadres><OrderAfleveradres>1002</OrderAfleveradres>"
            "<OrderA_naam>Kozijnbouw Oost</OrderA_naam><OrderLeverdatum>18-12-2026</OrderLeverdatum>"
            "<OrderLeveringswijze>TR</OrderLeveringswijze><OrderOrderdatum>01-12-2026</OrderOrderdatum>"
            "<Orderregels>" +
            lines + "</Orderregels></Order></Orders></Morvek>");
    return f.error() == QFile::NoError;
}

void BM_DebtorProfile(benchmark::State& state)
{
    bench::PrintedMessages messages;
    DbSession session(messages);
    if (!session.open(QStringLiteral("Bench"), g_database->settings())) {
        state.SkipWithError("no session");
        return;
    }
    CustomerProfile profile;
    for (auto _ : state) {
        if (!DeskProfile(session).build(kDebtor, profile)) {
            state.SkipWithError("profile failed");
            break;
        }
    }
    state.counters["addresses"] = double(profile.shipToEntries().size());
}
BENCHMARK(BM_DebtorProfile)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)->ReportAggregatesOnly(true);

void BM_OpenStoredOrder(benchmark::State& state)
{
    bench::PrintedMessages messages;
    DbSession session(messages);
    if (!session.open(QStringLiteral("Bench"), g_database->settings())) {
        state.SkipWithError("no session");
        return;
    }
    DeskOrders orders(session);
    for (auto _ : state) {
        MorvekDocument doc;
        OrderModel order;
        ReadOrderHeader header;
        CustomerProfile profile;
        if (!doc.loadFile(g_orderFile) || !readOrderDocument(doc, order, header)) {
            state.SkipWithError("document not read");
            break;
        }
        const TXMLOrder o = doc.GetMorvek().Orders().Item(0);
        const DeskDocumentHead head = deskDocumentHead(o);
        if (!orders.openOrder(head.number, head.debiteur, profile).ok()) {
            state.SkipWithError("not opened");
            break;
        }
        takeDeskExtra(o, order.desk().extra);
        order.desk().extra.gebruikAfroep = orders.gebruikAfroep(head.number);
        state.PauseTiming();
        orders.releaseLocks();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenStoredOrder)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bench::BenchDatabase database(QStringLiteral("vonu_bench_orders"));
    if (!database.ok()) {
        std::fprintf(stderr, "bench_desk_orders: no PostgreSQL test server with VONU_TEST_TEMPLATE; skipped\n");
        return 0;
    }
    QTemporaryDir folder;
    if (!fill(database) || !writeOrderFile(folder.path()))
        return 1;
    g_database = &database;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
