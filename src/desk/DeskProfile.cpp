#include "desk/DeskProfile.h"

#include "data/CustomerProfile.h"
#include "data/MorvekDocument.h"
#include "desk/DbConventions.h"
#include "desk/DbSession.h"

#include <QHash>

namespace vonu {

namespace {

QString col(const char* name) { return QString::fromLatin1(name); }

// Customer article fields are written as read, and only when they hold more
// than blanks.
template <class Entry, class Setter>
void setWhenFilled(Entry& entry, Setter setter, const QString& value)
{
    if (!value.trimmed().isEmpty())
        (entry.*setter)(value);
}

} // namespace

DeskProfile::DeskProfile(DbSession& db) : db_(db) {}

bool DeskProfile::build(const QString& debiteur, CustomerProfile& profile)
{
    const QString key = debtorKey(debiteur);
    const DbRows adm = db_.select(
        QStringLiteral("select Debnr, Naam, Adres1, Postcode, Woonpl, Landomschrijving from ADM_Debiteur "
                       "where Debnr = ?"),
        {key});
    if (!adm)
        return false;
    const DbRows artikelen = db_.select(
        QStringLiteral("select Artikel, ArtikelKlant, Uitvoering_1, Uitvoering_2 from DebiteurArtikel "
                       "where Debnr = ? order by Artikel"),
        {key});
    if (!artikelen)
        return false;
    // Both relations of every address in one statement: `gevonden` tells an
    // address whose relation exists, `aflevering` one with a delivery relation.
    const DbRows adressen = db_.select(
        QStringLiteral(
            "select v.Verzend, r.Relatie is not null as gevonden, r.Zoeknaam, r.Naam, r.Huisadres, r.HuisPostcode, "
            "r.Huisplaats, r.HuisLand, a.Relatie is not null as aflevering, a.Naam as ANaam, "
            "a.Huisadres as AHuisadres, a.HuisPostcode as AHuisPostcode, a.Huisplaats as AHuisplaats, "
            "a.HuisLand as AHuisLand "
            "from Verzendadres v "
            "left join PSR_Relatie r on r.Relatie = coalesce(v.VerzendRelatie, 0) "
            "left join PSR_Relatie a on a.Relatie = coalesce(v.AfleverRelatie, 0) "
            "where v.Debnr = ? order by v.Verzend"),
        {key});
    if (!adressen)
        return false;
    const DbRows adresArtikelen = db_.select(
        QStringLiteral("select Verzend, Artikel, ArtikelKlant, Uitvoering_1, Uitvoering_2 from VerzendadresArtikel "
                       "where Debnr = ? order by Verzend, Artikel"),
        {key});
    if (!adresArtikelen)
        return false;

    MorvekDocument doc = MorvekDocument::NewMorvek();
    TXMLMorvek root = doc.GetMorvek();
    root.setSchemaAttributes();
    TXMLSleutel sleutel = root.Sleutel();
    sleutel.setDebiteur(adm.text(col("Debnr")).trimmed());
    sleutel.setDebiteurNaam(adm.text(col("Naam")).trimmed());
    sleutel.setDebiteurAdres(adm.text(col("Adres1")).trimmed());
    sleutel.setDebiteurPostcode(adm.text(col("Postcode")).trimmed());
    sleutel.setDebiteurWoonplaats(adm.text(col("Woonpl")).trimmed());
    sleutel.setDebiteurLand(adm.text(col("Landomschrijving")).trimmed());

    TXMLDebiteurartikelen debArt = sleutel.Debiteurartikelen();
    for (int i = 0; i < artikelen.size(); ++i) {
        TXMLDebiteurartikel a = debArt.Add();
        a.setArtikel(artikelen.text(col("Artikel"), i));
        setWhenFilled(a, &TXMLDebiteurartikel::setDebiteurartikelArtikelKlant, artikelen.text(col("ArtikelKlant"), i));
        setWhenFilled(a, &TXMLDebiteurartikel::setDebiteurartikelUitvoering_1, artikelen.text(col("Uitvoering_1"), i));
        setWhenFilled(a, &TXMLDebiteurartikel::setDebiteurartikelUitvoering_2, artikelen.text(col("Uitvoering_2"), i));
    }

    // The article rows per address, in the order read.
    QHash<QString, QList<int>> perAdres;
    for (int i = 0; i < adresArtikelen.size(); ++i)
        perAdres[adresArtikelen.text(col("Verzend"), i)].append(i);

    TXMLVerzendadressen lijst = sleutel.Verzendadressen();
    for (int i = 0; i < adressen.size(); ++i) {
        if (!adressen.flag(col("gevonden"), i))
            continue;
        const QString verzend = adressen.text(col("Verzend"), i);
        TXMLVerzendadres v = lijst.Add();
        v.setVerzend(verzend);
        v.setVerzendadresZoeknaam(adressen.text(col("Zoeknaam"), i));
        v.setVerzendadresNaam(adressen.text(col("Naam"), i));
        v.setVerzendadresAdres(adressen.text(col("Huisadres"), i));
        v.setVerzendadresPostcode(adressen.text(col("HuisPostcode"), i));
        v.setVerzendadresWoonplaats(adressen.text(col("Huisplaats"), i));
        v.setVerzendadresLand(adressen.text(col("HuisLand"), i));
        const bool eigen = !adressen.flag(col("aflevering"), i);
        const QString p = eigen ? QString() : QStringLiteral("A");
        v.setVerzendadresAfleverNaam(adressen.text(p + col("Naam"), i));
        v.setVerzendadresAfleverAdres(adressen.text(p + col("Huisadres"), i));
        v.setVerzendadresAfleverPostcode(adressen.text(p + col("HuisPostcode"), i));
        v.setVerzendadresAfleverWoonplaats(adressen.text(p + col("Huisplaats"), i));
        v.setVerzendadresAfleverLand(adressen.text(p + col("HuisLand"), i));
        TXMLVerzendadresartikelen va = v.Verzendadresartikelen();
        for (int r : perAdres.value(verzend)) {
            TXMLVerzendadresartikel a = va.Add();
            a.setArtikel(adresArtikelen.text(col("Artikel"), r));
            setWhenFilled(a, &TXMLVerzendadresartikel::setVerzendadresartikelArtikelKlant,
                          adresArtikelen.text(col("ArtikelKlant"), r));
            setWhenFilled(a, &TXMLVerzendadresartikel::setVerzendadresartikelUitvoering_1,
                          adresArtikelen.text(col("Uitvoering_1"), r));
            setWhenFilled(a, &TXMLVerzendadresartikel::setVerzendadresartikelUitvoering_2,
                          adresArtikelen.text(col("Uitvoering_2"), r));
        }
    }
    profile.document() = std::move(doc);
    return true;
}

} // namespace vonu
