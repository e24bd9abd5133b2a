// Start-up cost of the data files on generated catalogs, side by side with
// pugixml alone parsing the same file, and the cost of find catalog article.
//
// Time and peak memory of one start-up are measured in fresh child
// processes (this program started again with --child), so every
// measurement starts from the same heap and VmHWM belongs to one load.
// Usage: bench_data [google benchmark flags]; VONU_BENCH_SIZES=500,2000
// limits the catalog sizes (default 500,2000,8000).

#include "data/Catalog.h"
#include "data/CustomerProfile.h"
#include "data/DataStartup.h"
#include "data/FileStamp.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <string>

using namespace vonu;

namespace {

const char* const kSubFields[] = {"Tekst", "VonuArtikel", "Catalogus", "Omschrijving_1", "Omschrijving_2",
                                  "Eenheid", "Berekeningaantal", "Uitvoering_1", "Uitvoering_2", "ALT_toets",
                                  "Maatcorrectie", "Subaantal", "Berekeningswijze", "Berekening_UDK",
                                  "Berekening_HOH", "Berekening_MV", "Afbeelding"};
const char* const kArticleFields[] = {"Tekst", "VonuArtikel", "Catalogus", "Omschrijving_1", "Omschrijving_2",
                                      "Eenheid", "BerekeningAantal", "Uitvoering_1", "Uitvoering_2", "ALT_toets",
                                      "Maatcorrectie", "Subaantal", "Berekeningswijze", "Berekening_UDK",
                                      "Berekening_HOH", "Berekening_MV", "Afbeelding", "Minimalemaat",
                                      "Maximalemaat", "Opmaat", "Handelslengte"};

std::string code(int i)
{
    return "ART" + std::to_string(100000 + i);
}

// A catalog with full field sets: per article 8 sizes, 15 sub-articles and
// 15 operations; 200 colours. Written indented like the manufacturer's files.
void writeCatalog(const std::string& path, int articles)
{
    std::ofstream out(path, std::ios::binary);
    std::string buf;
    buf.reserve(1 << 20);
    buf += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Morvek xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
           " xsi:noNamespaceSchemaLocation=\"Morvek.xsd\">\r\n <Assortiment>\r\n  <BestandVersie>1566720960"
           "</BestandVersie>\r\n  <LeveringsInformatie>Levering binnen 5 werkdagen.\r\nVóór 12:00 besteld, "
           "dezelfde dag verwerkt.</LeveringsInformatie>\r\n  <Artikelen>\r\n";
    for (int a = 0; a < articles; ++a) {
        buf += "   <Artikel Artikel=\"" + code(a) + "\">\r\n";
        for (const char* f : kArticleFields)
            buf += std::string("    <Artikel") + f + ">Waarde van " + f + " voor artikel " + std::to_string(a)
                + "</Artikel" + f + ">\r\n";
        buf += "    <Artikelmaten>\r\n";
        for (int m = 0; m < 8; ++m)
            buf += "     <Artikelmaat Maat=\"" + std::to_string(2 + m) + ",40\"/>\r\n";
        buf += "    </Artikelmaten>\r\n";
        for (const char* kind : {"Subartikel", "Bewerking"}) {
            buf += std::string("    <") + kind + "en>\r\n";
            for (int s = 0; s < 15; ++s) {
                buf += std::string("     <") + kind + " Artikel=\"" + kind[0] + std::to_string(s) + "\">\r\n";
                for (const char* f : kSubFields)
                    buf += std::string("      <") + kind + f + ">Waarde " + std::to_string(s) + "</" + kind
                        + f + ">\r\n";
                buf += std::string("     </") + kind + ">\r\n";
            }
            buf += std::string("    </") + kind + "en>\r\n";
        }
        buf += "   </Artikel>\r\n";
        if (buf.size() > (1 << 20) - 70000) {
            out << buf;
            buf.clear();
        }
    }
    buf += "  </Artikelen>\r\n  <Kleuren>\r\n";
    for (int k = 0; k < 200; ++k)
        buf += "   <Kleur Kleur=\"K" + std::to_string(k) + "\"><KleurOmschrijving>Kleur nummer " + std::to_string(k)
            + "</KleurOmschrijving></Kleur>\r\n";
    buf += "  </Kleuren>\r\n </Assortiment>\r\n</Morvek>\r\n";
    out << buf;
}

void writeProfile(const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    out << "<?xml version=\"1.0\"?><Morvek><Sleutel><Debiteur>104711</Debiteur><Verzendadressen>";
    for (int v = 0; v < 20; ++v)
        out << "<Verzendadres Verzend=\"" << (v < 10 ? "0" : "") << v << "\"><VerzendadresZoeknaam>ZOEK " << v
            << "</VerzendadresZoeknaam><VerzendadresWoonplaats>PLAATS" << v
            << "</VerzendadresWoonplaats></Verzendadres>";
    out << "</Verzendadressen></Sleutel></Morvek>";
}

QString benchFolder()
{
    const QString dir = QDir::temp().filePath(QStringLiteral("vonu-bench-data"));
    QDir().mkpath(dir);
    return dir;
}

QString catalogFile(int articles)
{
    const QString path = benchFolder() + QStringLiteral("/catalog-%1.Xml").arg(articles);
    if (!QFileInfo::exists(path))
        writeCatalog(path.toStdString(), articles);
    return path;
}

QString profileFile()
{
    const QString path = benchFolder() + QStringLiteral("/104711.Xml");
    if (!QFileInfo::exists(path))
        writeProfile(path.toStdString());
    return path;
}

long statusKb(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qsizetype(std::strlen(key))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

class NoMessages final : public IMessageDialog {
public:
    int show(const MessageRequest&) override { return 1; }
};

// One measured start-up in this (fresh) process; prints "ms hwm_kb base_kb items".
int runChild(const QString& mode, const QString& catalog, const QString& profile)
{
    const long base = statusKb("VmHWM:");
    QElapsedTimer t;
    t.start();
    size_t items = 0;
    if (mode == QLatin1String("pugixml")) {
        pugi::xml_document doc;
        if (!doc.load_file(catalog.toLocal8Bit().constData()))
            return 2;
        items = size_t(doc.document_element().child("Assortiment").child("Artikelen").first_child() ? 1 : 0);
        const double ms = double(t.nsecsElapsed()) / 1e6;
        std::printf("%.2f %ld %ld %zu\n", ms, statusKb("VmHWM:"), base, items);
        return 0;
    }
    CustomerProfile p;
    Catalog c;
    if (!p.load(profile) || !c.load(catalog))
        return 2;
    const QStringList shipTo = p.shipToEntries();
    const QStringList colours = c.colourEntries();
    const bool stampOk = parseBestandVersie(c.bestandVersie()).has_value();
    items = size_t(shipTo.size() + colours.size() + c.articleCount()) + stampOk;
    const double ms = double(t.nsecsElapsed()) / 1e6;
    std::printf("%.2f %ld %ld %zu\n", ms, statusKb("VmHWM:"), base, items);
    return 0;
}

struct ChildResult {
    double ms = 1e300;
    long hwmKb = 0;
    long baseKb = 0;
};

// One child run folded into the best so far (fastest time; the peak is the
// same every run).
ChildResult measureOnce(const QString& self, const QString& mode, const QString& catalog, ChildResult best)
{
    QProcess child;
    child.start(self, {QStringLiteral("--child"), mode, catalog, profileFile()});
    child.waitForFinished(-1);
    const QList<QByteArray> f = child.readAllStandardOutput().trimmed().split(' ');
    if (child.exitCode() != 0 || f.size() < 3) {
        std::fprintf(stderr, "child %s failed\n", qPrintable(mode));
        std::exit(1);
    }
    best.ms = std::min(best.ms, f[0].toDouble());
    best.hwmKb = f[1].toLong();
    best.baseKb = f[2].toLong();
    return best;
}

void sideBySide(const QString& self)
{
    QList<int> sizes{500, 2000, 8000};
    if (const QByteArray env = qgetenv("VONU_BENCH_SIZES"); !env.isEmpty()) {
        sizes.clear();
        for (const QByteArray& s : env.split(','))
            sizes << s.toInt();
    }
    std::printf("%-8s %9s | %10s %10s %6s | %10s %10s %6s | %s\n", "articles", "file MB", "pugixml ms", "start ms",
                "ratio", "pugixml MB", "start MB", "ratio", "peak / file (pugixml, start)");
    for (int n : sizes) {
        const QString file = catalogFile(n);
        const double mb = double(QFileInfo(file).size()) / 1048576.0;
        // Alternating runs, best of five each, so a busy machine hurts both alike.
        ChildResult pugi, ours;
        for (int run = 0; run < 5; ++run) {
            pugi = measureOnce(self, QStringLiteral("pugixml"), file, pugi);
            ours = measureOnce(self, QStringLiteral("vonu"), file, ours);
        }
        // Peak memory of the load itself: VmHWM minus the process before it.
        const double pugiMb = double(pugi.hwmKb - pugi.baseKb) / 1024.0;
        const double oursMb = double(ours.hwmKb - ours.baseKb) / 1024.0;
        std::printf("%-8d %9.1f | %10.1f %10.1f %6.2f | %10.1f %10.1f %6.2f | %.2f, %.2f\n", n, mb, pugi.ms, ours.ms,
                    ours.ms / pugi.ms, pugiMb, oursMb, oursMb / pugiMb, pugiMb / mb, oursMb / mb);
    }
    std::fflush(stdout);
}

// 100,000 lookups: half plain codes, a quarter customer article texts
// (code in characters 31-46), a quarter misses.
void BM_FindCatalogArticle(benchmark::State& state)
{
    static Catalog catalog;
    if (!catalog.isLoaded() && !catalog.load(catalogFile(2000))) {
        state.SkipWithError("catalog did not load");
        return;
    }
    QStringList texts;
    for (int i = 0; i < 1000; ++i) {
        const QString c = QString::fromStdString(code((i * 7919) % 2000));
        if (i % 4 == 0)
            texts << (QStringLiteral("KLANTNUMMER-%1 *").arg(i)).leftJustified(30) + c;
        else if (i % 4 == 1)
            texts << QStringLiteral("ONBEKEND%1").arg(i);
        else
            texts << c;
    }
    int found = 0;
    for (auto _ : state) {
        for (int round = 0; round < 100; ++round) {
            for (const QString& t : texts)
                found += !catalog.lookup(t).isNull();
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["lookups"] = 100000;
    state.SetLabel("100,000 lookups per iteration");
}
BENCHMARK(BM_FindCatalogArticle)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 5 && std::strcmp(argv[1], "--child") == 0)
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
    QCoreApplication app(argc, argv);
    sideBySide(QCoreApplication::applicationFilePath());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
