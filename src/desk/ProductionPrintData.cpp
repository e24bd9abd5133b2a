#include "desk/ProductionPrintData.h"

#include "desk/DbConventions.h"
#include "desk/DbSession.h"

namespace vonu {

namespace {

QDate dateOf(const DbRows& r, const QString& column)
{
    return QDate::fromString(r.text(column).left(10), QStringLiteral("yyyy-MM-dd"));
}

// A time stamp as the header shows it: "dd-mm-yyyy".
QString dayOf(const DbRows& r, const QString& column)
{
    const QDate d = dateOf(r, column);
    return d.isValid() ? d.toString(QStringLiteral("dd-MM-yyyy")) : QString();
}

} // namespace

bool ProductionPrintData::header(const QString& ordernummer, const QString& currentOrder, bool printCopy,
                                 ProductionHeader* out)
{
    *out = ProductionHeader();
    const QString key = orderKey(ordernummer);
    // A print copy carries the entry data of the order it copies; its own
    // entry is the change.
    const QString users = printCopy ? QStringLiteral("O2.Invoer, O2.InvoerDatum, O1.Invoer as Wijziging, "
                                                     "O1.InvoerDatum as WijzigingDatum")
                                    : QStringLiteral("O1.Invoer, O1.InvoerDatum, O1.Wijziging, O1.WijzigingDatum");
    const DbRows r = db_.select(
        QStringLiteral("select O1.\"order\", O1.Status, O1.Datum, O1.Leverdatum, O1.Productieweek, O1.Afleverdatum, "
                       "O1.Debnr, O1.V_adres, O1.AfleverRelatie, O1.A_naam, O1.A_adres1, O1.A_postkode, O1.A_plaats, "
                       "O1.Levwijze, O1.Ordref_1, O1.Ordref_2, O1.Productie_1, O1.Productie_2, O1.Productie_3, "
                       "O1.B_datum, O1.B_volgnummer, Leveringswijze.Omschrijving as LwOmschrijving, "
                       "O1.TekstBevestiging, O1.TekstVonuOrder, %1 "
                       "from \"order\" O1 "
                       "left join Leveringswijze on Leveringswijze.Levwijze = O1.Levwijze "
                       "left join \"order\" O2 on O2.\"order\" = ? "
                       "where O1.\"order\" = ?")
            .arg(users),
        {orderKey(currentOrder), key});
    if (!r)
        return false;
    if (!r.found())
        return true;
    ProductionHeader& h = *out;
    h.found = true;
    h.order = r.text(QStringLiteral("order")).trimmed();
    h.status = r.text(QStringLiteral("Status"));
    h.datum = dateOf(r, QStringLiteral("Datum"));
    h.leverdatum = dateOf(r, QStringLiteral("Leverdatum"));
    h.afleverdatum = dateOf(r, QStringLiteral("Afleverdatum"));
    h.productieweek = r.text(QStringLiteral("Productieweek"));
    h.debnr = r.text(QStringLiteral("Debnr"));
    h.vAdres = r.text(QStringLiteral("V_adres"));
    h.afleverRelatie = r.text(QStringLiteral("AfleverRelatie"));
    h.aNaam = r.text(QStringLiteral("A_naam"));
    h.aAdres1 = r.text(QStringLiteral("A_adres1"));
    h.aPostkode = r.text(QStringLiteral("A_postkode"));
    h.aPlaats = r.text(QStringLiteral("A_plaats"));
    h.levwijze = r.text(QStringLiteral("Levwijze"));
    h.lwOmschrijving = r.text(QStringLiteral("LwOmschrijving"));
    h.ordref1 = r.text(QStringLiteral("Ordref_1"));
    h.ordref2 = r.text(QStringLiteral("Ordref_2"));
    for (int i = 0; i < 3; ++i)
        h.productie[std::size_t(i)] = r.text(QStringLiteral("Productie_%1").arg(i + 1));
    h.bDatum = dayOf(r, QStringLiteral("B_datum"));
    h.bVolgnummer = r.text(QStringLiteral("B_volgnummer"));
    h.invoerDatum = dayOf(r, QStringLiteral("InvoerDatum"));
    h.wijzigingDatum = dayOf(r, QStringLiteral("WijzigingDatum"));
    h.tekstBevestiging = r.text(QStringLiteral("TekstBevestiging"));
    h.tekstVonuOrder = r.text(QStringLiteral("TekstVonuOrder"));

    auto userName = [this](const QString& user) -> std::optional<QString> {
        const DbRows u = db_.select(QStringLiteral("select UserName from APC_Gebruiker where \"user\" = ?"), {user});
        if (!u)
            return std::nullopt;
        return u.text(QStringLiteral("UserName"));
    };
    const auto invoer = userName(r.text(QStringLiteral("Invoer")));
    const auto wijziging = userName(r.text(QStringLiteral("Wijziging")));
    if (!invoer || !wijziging)
        return false;
    h.invoer = *invoer;
    h.wijziging = *wijziging;

    if (!h.vAdres.trimmed().isEmpty()) {
        const DbRows v = db_.select(
            QStringLiteral("select Debnr, Verzend, VerzendRelatie, Verzendadres.Naam, Adres, "
                           "PSR_Relatie.PostPostcode as Postcode, Plaats, PSR_Relatie.Telefoon, PSR_Relatie.Fax, "
                           "BedrijfsLogo from Verzendadres "
                           "left join PSR_Relatie on Relatie = VerzendRelatie "
                           "where Debnr = ? and Verzend = ?"),
            {h.debnr, h.vAdres});
        if (!v)
            return false;
        h.hasShippingAddress = v.found();
        h.vNaam = v.text(QStringLiteral("Naam"));
        h.vAdres_ = v.text(QStringLiteral("Adres"));
        h.vPostcode = v.text(QStringLiteral("Postcode"));
        h.vPlaats = v.text(QStringLiteral("Plaats"));
        h.vTelefoon = v.text(QStringLiteral("Telefoon"));
        h.vFax = v.text(QStringLiteral("Fax"));
        h.vBedrijfsLogo = v.text(QStringLiteral("BedrijfsLogo"));
    }
    const DbRows a = db_.select(
        QStringLiteral("select Naam, Adres1, Postcode, Woonpl from ADM_Debiteur where Debnr = ?"), {h.debnr});
    if (!a)
        return false;
    h.naam1 = a.text(QStringLiteral("Naam"));
    h.adres1 = a.text(QStringLiteral("Adres1"));
    h.postcode1 = a.text(QStringLiteral("Postcode"));
    h.woonpl1 = a.text(QStringLiteral("Woonpl"));

    const DbRows i = db_.select(
        QStringLiteral("select AfleverTekst_1, AfleverTekst_2, AfleverTekst_3, AfleverTekst_4, AfleverTekst_5 "
                       "from OrderAfleverinstructie join \"order\" O on O.\"order\" = ? "
                       "where OrderAfleverinstructie.Leverdatum = O.Leverdatum and "
                       "OrderAfleverinstructie.Levwijze = O.Levwijze and "
                       "OrderAfleverinstructie.AfleverRelatie = O.AfleverRelatie and "
                       "OrderAfleverinstructie.A_adres1 = O.A_adres1 and "
                       "OrderAfleverinstructie.A_plaats = O.A_plaats"),
        {key});
    if (!i)
        return false;
    for (int t = 0; t < 5; ++t)
        h.afleverTekst[std::size_t(t)] = i.text(QStringLiteral("AfleverTekst_%1").arg(t + 1));
    return true;
}

std::optional<int> ProductionPrintData::coatedRows(const QString& ordernummer)
{
    const DbRows r = db_.select(QStringLiteral("select count(*) as MoffelRegels from OrderProduktieregel "
                                               "where \"order\" = ? and Kleur is not null and len(Kleur) > 0"),
                                {orderKey(ordernummer)});
    if (!r)
        return std::nullopt;
    return r.value(QStringLiteral("MoffelRegels")).toInt();
}

std::optional<QStringList> ProductionPrintData::pictures(const QString& ordernummer)
{
    const DbRows r = db_.call(QStringLiteral("OrderProduktieAfbeeldingen"), {{QStringLiteral("order"), orderKey(ordernummer)}});
    if (!r)
        return std::nullopt;
    QStringList files;
    for (int i = 0; i < r.size(); ++i)
        files << r.text(QStringLiteral("Afbeelding"), i).trimmed();
    return files;
}

std::optional<QList<SillSheetRow>> ProductionPrintData::sillRows(const QString& ordernummer)
{
    const QString key = orderKey(ordernummer);
    const DbRows count = db_.select(
        QStringLiteral("select count(*) as Aantal from OrderOnderdorpelmacro where \"order\" = ?"), {key});
    if (!count)
        return std::nullopt;
    QList<SillSheetRow> rows;
    if (count.value(QStringLiteral("Aantal")).toInt() == 0)
        return rows;
    // The rows of sills with macros, and the other article rows of their
    // lines (a line is known by its first following detail row).
    const QString columns = QStringLiteral(
        "OP.\"order\", OP.Regel, OP.Type, OP.Productienummer, "
        "(select D.Aantal from OrderProduktieregel D where D.\"order\" = OP.\"order\" and D.Regel > OP.Regel "
        " and D.Type = 'D' order by D.Regel limit 1) as Aantal, "
        "(select D.Maat from OrderProduktieregel D where D.\"order\" = OP.\"order\" and D.Regel > OP.Regel "
        " and D.Type = 'D' order by D.Regel limit 1) as Maat, "
        "(select D.RegelId from OrderProduktieregel D where D.\"order\" = OP.\"order\" and D.Regel > OP.Regel "
        " and D.Type = 'D' order by D.Regel limit 1) as DetailRegelId, "
        "OP.RegelId, OP.Artikel ");
    const QString firstDetail = QStringLiteral(
        "(select D.RegelId from OrderProduktieregel D where D.\"order\" = OP.\"order\" and D.Regel > OP.Regel "
        " and D.Type = 'D' order by D.Regel limit 1)");
    const QString sill = QStringLiteral(
        "exists (select 1 from ArtikelOnderdorpelmacro M where M.Artikel = OP.Artikel and M.Bewerking = 1 "
        "and M.Keuze = 1)");
    const DbRows r = db_.select(
        QStringLiteral("select %1 from OrderProduktieregel OP where OP.\"order\" = ? and %2 "
                       "union all "
                       "select %1 from OrderProduktieregel OP where OP.\"order\" = ? and OP.Artikel is not null "
                       "and not %2 and %3 in (select %3 from OrderProduktieregel OP where OP.\"order\" = ? "
                       "and OP.Type = 'K' and %2) "
                       "order by Regel")
            .arg(columns, sill, firstDetail),
        {key, key, key});
    if (!r)
        return std::nullopt;
    for (int i = 0; i < r.size(); ++i) {
        SillSheetRow s;
        s.order = r.text(QStringLiteral("order"), i);
        s.regel = r.text(QStringLiteral("Regel"), i);
        s.type = r.text(QStringLiteral("Type"), i).trimmed();
        s.productienummer = r.text(QStringLiteral("Productienummer"), i);
        s.regelId = r.text(QStringLiteral("RegelId"), i);
        s.detailRegelId = r.text(QStringLiteral("DetailRegelId"), i);
        s.artikel = r.text(QStringLiteral("Artikel"), i).trimmed();
        s.aantal = r.text(QStringLiteral("Aantal"), i);
        s.maat = r.text(QStringLiteral("Maat"), i);
        rows << s;
    }
    return rows;
}

std::optional<ProductionPrintData::SillValues> ProductionPrintData::sillValues(const QString& orderKey,
                                                                               const QString& regelId)
{
    const DbRows r = db_.select(QStringLiteral("select Type, Volgnummer, Waarde from OrderOnderdorpelmacro "
                                               "where \"order\" = ? and RegelId = ? order by Type, Volgnummer"),
                                {orderKey, regelId});
    if (!r)
        return std::nullopt;
    SillValues v;
    for (int i = 0; i < r.size(); ++i) {
        QStringList& list = r.text(QStringLiteral("Type"), i) == QLatin1String("B") ? v.macros : v.maten;
        const int n = r.value(QStringLiteral("Volgnummer"), i).toInt();
        if (n < 1 || n > 99)
            continue;
        while (list.size() < n)
            list << QString();
        list[n - 1] = r.text(QStringLiteral("Waarde"), i);
    }
    return v;
}

std::pair<QString, QString> ProductionPrintData::articleTexts(const QString& artikel)
{
    const DbRows r = db_.select(QStringLiteral("select Omschrijving_1, Omschrijving_2 from Artikel where Artikel = ?"),
                                {artikel});
    return {r.text(QStringLiteral("Omschrijving_1")), r.text(QStringLiteral("Omschrijving_2"))};
}

SillMacro ProductionPrintData::macro(const QString& artikel, int bewerking, const QString& code)
{
    const DbRows r = db_.select(
        QStringLiteral("select Omschrijving, UDK, HOH from ArtikelOnderdorpelmacro "
                       "join Onderdorpelmacro on Onderdorpelmacro.Macro = ArtikelOnderdorpelmacro.Macro "
                       "where Artikel = ? and Bewerking = ? and ArtikelOnderdorpelmacro.Macro = ?"),
        {artikel, bewerking, code});
    return {code, r.text(QStringLiteral("Omschrijving")), r.text(QStringLiteral("UDK")), r.text(QStringLiteral("HOH"))};
}

} // namespace vonu
