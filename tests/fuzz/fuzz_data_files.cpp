// libFuzzer target: any bytes as profile, catalog and order document.
// Everything the program reads from such a file is read; nothing may crash,
// and a document that loads must write out and load back to the same tree.

#include "data/Catalog.h"
#include "data/CustomerProfile.h"
#include "data/DataStartup.h"
#include "data/FileStamp.h"
#include "data/ValueFormats.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    readProfile(bytes);
    readCatalog(bytes);
    readOrder(bytes);
    return 0;
}
