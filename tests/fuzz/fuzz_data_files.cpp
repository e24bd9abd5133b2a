// libFuzzer target: any bytes as profile, catalog, order document and
// settings file. Everything the program reads from such a file is read and
// used the way the program uses it: an order file is opened into the order
// model, its detail totals and overview print lines are made and it is
// written again; a profile or catalog fills the article lists. Nothing may
// crash, a document that loads must write out and load back to the same
// tree, and an order written from what was read must read back the same.

#include "data/Catalog.h"
#include "data/CustomerProfile.h"
#include "data/DataStartup.h"
#include "data/FileStamp.h"
#include "data/ValueFormats.h"
#include "base/IniFile.h"
#include "base/LocalSettings.h"
#include "base/MorvekIni.h"
#include "files/OrderDocument.h"
#include "order/ArticleLists.h"
#include "order/DetailTotal.h"
#include "reports/VonuOrderRapport.h"

#include <QFile>

#include <cstdint>
#include <cstdlib>

using namespace vonu;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void readProfile(const QByteArray& bytes)
{
    CustomerProfile p;
    if (!p.loadBytes(bytes)) {
        check(!p.isLoaded() && !p.errorText().isEmpty());
        return;
    }
    (void)p.debtorNumber();
    (void)p.orderMailbox();
    (void)p.customerPlace();
    check(p.shipToEntries().size() == p.sleutel().Verzendadressen().Count());
    for (const TXMLDebiteurartikel a : p.sleutel().Debiteurartikelen())
        (void)(a.Artikel() + a.DebiteurartikelArtikelKlant() + a.DebiteurartikelUitvoering_1());
    for (const TXMLVerzendadres v : p.sleutel().Verzendadressen()) {
        for (const TXMLVerzendadresartikel a : v.Verzendadresartikelen())
            (void)(a.Artikel() + a.VerzendadresartikelArtikelKlant() + a.VerzendadresartikelUitvoering_2());
    }
}

void readCatalog(const QByteArray& bytes)
{
    Catalog c;
    if (!c.loadBytes(bytes)) {
        check(!c.isLoaded() && c.articleCount() == 0);
        return;
    }
    (void)catalogTestFailure(c, QDateTime(QDate(2024, 1, 1), QTime(12, 0)), false);
    (void)c.deliveryInformation();
    check(c.colourEntries().size() == c.assortiment().Kleuren().Count() + 1);
    int n = 0;
    for (const TXMLArtikel a : c.assortiment().Artikelen()) {
        if (++n > 200)
            break;
        const QString code = a.Artikel();
        if (const TXMLArtikel found = c.lookup(code); !found.isNull())
            check(found.Artikel().trimmed() == Catalog::catalogCodeOf(code));
        (void)c.lookup(QStringLiteral("KLANT *").leftJustified(30) + code);
        for (const TXMLArtikelmaat m : a.Artikelmaten())
            (void)m.Maat();
        for (const TXMLSubartikel s : a.Subartikelen())
            (void)Catalog::subartikelOf(a, s.Artikel());
        for (const TXMLBewerking b : a.Bewerkingen())
            (void)Catalog::bewerkingOf(a, b.Artikel());
    }
}

void readOrder(const QByteArray& bytes)
{
    MorvekDocument doc;
    if (!doc.loadBytes(bytes))
        return;
    for (const TXMLOrder o : doc.GetMorvek().Orders()) {
        (void)parseOrderNotitie(o.OrderNotitie());
        (void)sentStampDisplay(o.OrderVerzenddatum());
        for (const TXMLOrderregel r : o.Orderregels()) {
            (void)splitOrderregelArtikel(r.OrderregelArtikel());
            (void)parseOrderregelStatus(r.OrderregelStatus());
            for (const TXMLOrderregelSubartikel s : r.OrderregelSubartikelen()) {
                const QStringList fields = parseRowText(s.Artikel());
                check(fields.size() == kRowFields);
                (void)formatRowText(fields);
            }
            for (const TXMLOrderregelBewerking b : r.OrderregelBewerkingen())
                check(parseRowText(b.Artikel()).size() == kRowFields);
            for (const TXMLOrderregelDetail d : r.OrderregelDetails())
                check(parseDetailMaat(d.OrderregelDetailMaat()).further.size() == kDetailSlots);
        }
    }
    // Written and read again, the tree is the same.
    MorvekDocument again;
    check(again.loadBytes(doc.toBytes()));
    check(again.rootXml() == doc.rootXml());
}

// The demo profile and catalog, the fixed other half when the input plays
// one of the two.
const CustomerProfile& demoProfile()
{
    static const CustomerProfile p = [] {
        CustomerProfile profile;
        check(profile.load(QStringLiteral(VONU_FUZZ_CORPUS "/profile.xml")));
        return profile;
    }();
    return p;
}

const Catalog& demoCatalog()
{
    static const Catalog c = [] {
        Catalog catalog;
        check(catalog.load(QStringLiteral(VONU_FUZZ_CORPUS "/catalog.xml")));
        return catalog;
    }();
    return c;
}

void fillArticleLists(const QByteArray& bytes)
{
    ArticleLists lists;
    CustomerProfile p;
    if (p.loadBytes(bytes)) {
        for (int shipTo = 0; shipTo < std::min<qsizetype>(p.shipToEntries().size(), 3); ++shipTo) {
            lists.fill(p, shipTo, demoCatalog(), false);
            check(lists.entries().value(0).isEmpty());
            check(lists.customerArticles().count() <= MaxKlantartikelen);
        }
    }
    Catalog c;
    if (c.loadBytes(bytes)) {
        for (bool internalMode : {false, true}) {
            lists.fill(demoProfile(), 0, c, internalMode);
            check(lists.entries().value(0).isEmpty());
        }
    }
}

QByteArray written(const OrderModel& order)
{
    OrderHeader h;
    h.orderdatum = QDate(2024, 12, 9);
    return buildOrderDocument(order, h).toBytes();
}

void openOrder(const QByteArray& bytes)
{
    MorvekDocument doc;
    if (!doc.loadBytes(bytes))
        return;
    OrderModel order;
    ReadOrderHeader header;
    QString error;
    if (!readOrderDocument(doc, order, header, &error)) {
        check(!error.isEmpty());
        return;
    }
    for (int line = 1; line <= MaxOrderregels; ++line) {
        if (!order.lineInUse(line))
            continue;
        const DetailTotaal t = detailTotaal(order, line);
        check(t.stuks >= 0 && t.lengte >= 0 && t.gefactureerd >= 0);
        (void)detailTotaalTekst(t, line % 2 == 0);
    }
    QStringList lines;
    if (overviewLines(order, demoCatalog(), &lines, &error))
        check(!lines.isEmpty());

    // What was read, written and read again, writes the same file: a save
    // never loses what an open took in.
    const QByteArray first = written(order);
    MorvekDocument again;
    check(again.loadBytes(first));
    OrderModel reread;
    check(readOrderDocument(again, reread, header, &error));
    check(written(reread) == first);
}

void readSettings(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    IniFile ini = IniFile::fromText(text);
    LocalSettings s = readLocalSettings(ini);
    writeLocalSettings(ini, s);
    // The keys written are found again where they were put.
    const IniFile back = IniFile::fromText(ini.toText());
    check(back.contains(QStringLiteral("Smtp"), QStringLiteral("ServerPoort")));
    check(readLocalSettings(back).serverPoort == s.serverPoort);
    (void)parseMorvekIni(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    readProfile(bytes);
    readCatalog(bytes);
    readOrder(bytes);
    openOrder(bytes);
    fillArticleLists(bytes);
    readSettings(bytes);
    return 0;
}
