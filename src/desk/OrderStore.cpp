#include "desk/OrderStore.h"

#include "data/ValueFormats.h"
#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/LineQuantities.h"
#include "desk/Prices.h"
#include "desk/RowBatch.h"
#include "desk/SalesLines.h"
#include "desk/StoreRules.h"
#include "order/OrderValues.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace vonu {

namespace {

namespace Tekst {
const char* const Fout = "Fout";
const char* const NietBewaard = "De order is niet bewaard.";
const char* const NietsVeranderd = "Er is niets in de database veranderd; de order staat nog op het scherm.";
const char* const AlVerwerkt = "Order is al verwerkt, bewaren niet mogelijk!";
const char* const Geblokkeerd = "Order voor onderhoud geblokkeerd, bewaren niet toegestaan!";
const char* const PakbonGemaakt = "Pakbon is al gemaakt, bewaren niet toegestaan!";
const char* const WerkbriefjeGevonden = "Werkbriefje gevonden, bewaren niet toegestaan!";
const char* const EtiketGevonden = "Etiket gevonden, bewaren niet toegestaan!";
const char* const OfferteWordt = "Offerte %1 wordt %2...";
const char* const OrderWordt = "Order %1 wordt %2...";
const char* const Aangemaakt = "aangemaakt";
const char* const Bijgewerkt = "bijgewerkt";
const char* const TeveelRegels = "De order telt %1 productieregels; er passen er %2 in een order. "
                                 "Verdeel de regels over twee orders.";
const char* const AantalGeenGetal = "Het aantal of de maat van regel %1 is geen getal.";
const char* const DetailGeenGetal = "Detail %1/%2 heeft een aantal of maat die geen getal is.";
const char* const ProductieweekGeenGetal = "De productieweek \"%1\" is geen getal.";
const char* const OrderkostenGeenBedrag = "De orderkosten \"%1\" zijn geen bedrag.";
const char* const AfleveradresGeenRelatie = "Het afleveradres \"%1\" is geen relatienummer.";
// Written before the customer's order number and into the confirmation text.
const char* const VonutaleOfferte = "Vonutale offerte: ";
const char* const VonutaleOrder = "Uw vonutale order: ";
const char* const Offerte = "Offerte: ";
const char* const UwOrder = "Uw order: ";
const char* const VervangtOfferte = "Deze offerte vervangt offerte: ";
const char* const VervangtBevestiging = "Deze orderbevestiging vervangt orderbevestiging: ";
} // namespace Tekst

QString u8(const char* text) { return QString::fromUtf8(text); }

const QString kNbsp = QString(QChar(0x00A0));

QVariant nullText() { return QVariant(QMetaType(QMetaType::QString)); }
QVariant textOrNull(const QString& s) { return s.isEmpty() ? nullText() : QVariant(s); }
QVariant numberOrNull(const QString& s) { return s.trimmed().isEmpty() ? nullText() : QVariant(s.trimmed()); }

// The article data the store needs, read once for every article of the order.
struct ArticleInfo {
    QString eenheid;
    QString berekening;
    int subaantal = 1;
    std::optional<int> maatcorrectie;   // mm per started 1000 mm
};

// The production rows of one store, written together.
RowBatch productionBatch(Writing writing)
{
    return RowBatch(QStringLiteral("OrderProduktieregel"),
                    {QStringLiteral("order varchar"), QStringLiteral("regel varchar"), QStringLiteral("regelid varchar"),
                     QStringLiteral("type varchar"), QStringLiteral("artikel varchar"), QStringLiteral("ean varchar"),
                     QStringLiteral("prijs numeric"), QStringLiteral("oorsprong varchar"),
                     QStringLiteral("korting numeric"), QStringLiteral("kontrakt varchar"),
                     QStringLiteral("aantal numeric"), QStringLiteral("maat numeric"),
                     QStringLiteral("ingevoerdemaat numeric"), QStringLiteral("maatvoering varchar"),
                     QStringLiteral("productienummer varchar"), QStringLiteral("omschrijving_1 varchar"),
                     QStringLiteral("omschrijving_2 varchar"), QStringLiteral("omschrijving_3 varchar"),
                     QStringLiteral("kleur varchar"), QStringLiteral("correctie boolean")},
                    writing);
}

struct ProdRow {
    QString type;
    QVariant artikel = nullText(), ean = nullText(), prijs = nullText(), oorsprong = nullText(),
             korting = nullText(), kontrakt = nullText(), aantal = nullText(), maat = nullText(),
             ingevoerdeMaat = nullText(), maatvoering = nullText(), productienummer = nullText(),
             omschrijving1 = nullText(), omschrijving2 = nullText(), omschrijving3 = nullText(),
             kleur = nullText();
    bool correctie = false;
};

void addRow(RowBatch& batch, const QString& order, int regel, const ProdRow& r)
{
    const QString key = lineKey(regel);
    batch.add({order, key, key, r.type, r.artikel, r.ean, r.prijs, r.oorsprong, r.korting, r.kontrakt, r.aantal,
               r.maat, r.ingevoerdeMaat, r.maatvoering, r.productienummer, r.omschrijving1, r.omschrijving2,
               r.omschrijving3, r.kleur, r.correctie});
}

// Line numbers are four characters wide.
constexpr int MaxProduktieregels = 9999;

// The size of the one detail row of a size line without details.
double detailSize(const LineQuantity& q)
{
    return std::round(q.m * 1000) / 1000;
}

// The correction the sub-articles and operations of a line add to its
// sizes: the largest among their articles, 0 when none has one.
double subCorrection(const OrderModel& order, int line, const std::map<QString, ArticleInfo>& info)
{
    std::optional<int> largest;
    auto look = [&](const QString& (OrderModel::*get)(int, int, int) const, int rows) {
        for (int row = 1; row <= rows; ++row) {
            const QString artikel = (order.*get)(line, row, 1).trimmed();
            const auto a = artikel.isEmpty() ? info.end() : info.find(artikel);
            if (a != info.end() && a->second.maatcorrectie)
                largest = std::max(largest.value_or(*a->second.maatcorrectie), *a->second.maatcorrectie);
        }
    };
    if (order.flag(line, Vlag::Bewerkingen))
        look(&OrderModel::bewerking, MaxBewerkingen);
    if (order.flag(line, Vlag::Subartikelen))
        look(&OrderModel::subartikel, MaxSubartikelen);
    return largest.value_or(0);
}

} // namespace

QString statusWord(const QString& word, bool test)
{
    return test ? word + kNbsp : word;
}

OrderStore::OrderStore(DbSession& session, IMessageDialog& messages) : session_(session), messages_(messages) {}

QString OrderStore::refusal(const QString& ordernummer, bool* failed)
{
    if (failed)
        *failed = false;
    const DbRows head = session_.select(
        QStringLiteral("select \"order\", P_Datum, VonuBlokkeren from \"order\" where \"order\" = ?"),
        {orderKey(ordernummer)});
    if (!head) {
        if (failed)
            *failed = true;
        return {};
    }
    if (!head.found())
        return u8(Tekst::AlVerwerkt);
    if (head.flag(QStringLiteral("VonuBlokkeren")))
        return u8(Tekst::Geblokkeerd);
    if (!head.text(QStringLiteral("P_Datum")).isEmpty())
        return u8(Tekst::PakbonGemaakt);
    const DbRows marks = session_.select(
        QStringLiteral("select "
                       "  sum(case when WerkbriefjeNummer is not null and len(WerkbriefjeNummer) > 0 then 1 else 0 end) as Werkbriefjes, "
                       "  sum(case when EtiketNummer is not null and len(EtiketNummer) > 0 then 1 else 0 end) as Etiketten "
                       "from OrderProduktieregel where \"order\" = ?"),
        {head.text(QStringLiteral("order"))});
    if (!marks) {
        if (failed)
            *failed = true;
        return {};
    }
    auto counted = [&](const QString& column) {
        const QString t = marks.text(column);
        return !t.isEmpty() && t != QLatin1String("0");
    };
    if (counted(QStringLiteral("Werkbriefjes")))
        return u8(Tekst::WerkbriefjeGevonden);
    if (counted(QStringLiteral("Etiketten")))
        return u8(Tekst::EtiketGevonden);
    return {};
}

void OrderStore::reportFailure(const QString& problem)
{
    QStringList lines{u8(Tekst::NietBewaard)};
    if (!problem.isEmpty())
        lines << problem;
    lines << u8(Tekst::NietsVeranderd);
    showMessage(messages_, u8(Tekst::Fout), lines);
}

bool OrderStore::store(const OrderModel& order, const StoreHeader& header, const StoreRequest& request)
{
    const bool offerte = header.transactie == Transactie::Offerte;
    status(u8(offerte ? Tekst::OfferteWordt : Tekst::OrderWordt)
               .arg(request.number, u8(request.newOrder ? Tekst::Aangemaakt : Tekst::Bijgewerkt)));
    QString problem;
    if (writing == Writing::RowByRow) {
        const bool ok = storeInTransaction(order, header, request, &problem);
        status(QString());
        if (!ok)
            reportFailure(problem);
        return ok;
    }
    bool ok = session_.begin();
    if (ok) {
        ok = storeInTransaction(order, header, request, &problem);
        if (ok)
            ok = session_.commit();
        else
            session_.rollback();
    }
    status(QString());
    if (!ok)
        reportFailure(problem);
    return ok;
}

bool OrderStore::storeInTransaction(const OrderModel& order, const StoreHeader& header, const StoreRequest& request,
                                    QString* problem)
{
    const DeskOrderData& desk = order.desk();
    const ExtraOrderData& extra = desk.extra;
    const bool offerte = header.transactie == Transactie::Offerte;
    const bool test = request.number.startsWith(QLatin1String("PROEF")) || request.printCopy;
    bool newOrder = request.newOrder;
    const QString key = orderKey(request.number);

    // Everything the lines need is checked before the first statement, so
    // a text that is no number never gets halfway into the database.
    struct LinePlan {
        int line = 0;
        LineArticle art;
        LineQuantity q;
        std::vector<DetailLength> sizes;   // the detail rows in mm, as the database will hold them
    };
    std::vector<LinePlan> plans;
    std::set<QString> articles;
    for (int line = 1; line <= MaxOrderregels; ++line) {
        if (!order.lineInUse(line))
            continue;
        LinePlan plan;
        plan.line = line;
        plan.art = splitLineArticle(
            formatOrderregelArtikel(order.field(line, Veld::Artikel), order.field(line, Veld::EAN)));
        articles.insert(plan.art.artikel);
        auto collect = [&](const QString& (OrderModel::*get)(int, int, int) const, int rows) {
            for (int row = 1; row <= rows; ++row) {
                const QString a = (order.*get)(line, row, 1).trimmed();
                if (!a.isEmpty())
                    articles.insert(a);
            }
        };
        if (order.flag(line, Vlag::Subartikelen))
            collect(&OrderModel::subartikel, MaxSubartikelen);
        if (order.flag(line, Vlag::Bewerkingen))
            collect(&OrderModel::bewerking, MaxBewerkingen);
        plans.push_back(plan);
    }

    // Line numbers are four characters wide; a row beyond 9999 would take
    // the number of an earlier one.
    int rowCount = 1;
    for (const LinePlan& plan : plans) {
        const int line = plan.line;
        ++rowCount;
        for (int row = 1; row <= MaxBewerkingen; ++row)
            rowCount += order.flag(line, Vlag::Bewerkingen) && !order.bewerking(line, row, 1).trimmed().isEmpty();
        for (int row = 1; row <= MaxSubartikelen; ++row)
            rowCount += order.flag(line, Vlag::Subartikelen) && !order.subartikel(line, row, 1).trimmed().isEmpty();
        if (order.flag(line, Vlag::Lengte) && order.flag(line, Vlag::Details)) {
            for (int row = 1; row <= MaxDetails; ++row)
                rowCount += order.detailInUse(line, row);
        } else if (order.flag(line, Vlag::Lengte)) {
            ++rowCount;
        }
    }
    if (rowCount > MaxProduktieregels) {
        *problem = u8(Tekst::TeveelRegels).arg(rowCount).arg(MaxProduktieregels);
        return false;
    }

    std::map<QString, ArticleInfo> info;
    {
        const QString list = QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(QStringList(articles.begin(), articles.end())))
                .toJson(QJsonDocument::Compact));
        const DbRows rows = session_.select(
            QStringLiteral("select Artikel, Eenheid, BerekeningAantal, Subaantal, Maatcorrectie from Artikel "
                           "where Artikel in (select jsonb_array_elements_text(?::jsonb))"),
            {list});
        if (!rows)
            return false;
        for (int i = 0; i < rows.size(); ++i) {
            ArticleInfo a;
            a.eenheid = rows.text(QStringLiteral("Eenheid"), i);
            a.berekening = rows.text(QStringLiteral("BerekeningAantal"), i);
            const QString sub = rows.text(QStringLiteral("Subaantal"), i).trimmed();
            a.subaantal = sub.isEmpty() ? 1 : sub.toInt();
            const QString correctie = rows.text(QStringLiteral("Maatcorrectie"), i).trimmed();
            if (!correctie.isEmpty())
                a.maatcorrectie = correctie.toInt();
            info.emplace(rows.text(QStringLiteral("Artikel"), i), a);
        }
    }
    for (LinePlan& plan : plans) {
        const int line = plan.line;
        const auto it = info.find(plan.art.artikel);
        const bool metreByLength = it == info.end()
                                   || (it->second.eenheid == Waarde::EenheidMeter
                                       && it->second.berekening == Waarde::AantalMaat);
        const auto q = lineQuantity(order.field(line, Veld::Aantal), order.field(line, Veld::Maat),
                                    order.flag(line, Vlag::Details), order.flag(line, Vlag::Lengte), metreByLength);
        if (!q) {
            *problem = u8(Tekst::AantalGeenGetal).arg(line);
            return false;
        }
        plan.q = *q;
        if (order.flag(line, Vlag::Lengte) && order.flag(line, Vlag::Details)) {
            for (int row = 1; row <= MaxDetails; ++row) {
                if (!order.detailInUse(line, row))
                    continue;
                for (const QString& v : {order.detailAantal(line, row), order.detailMaat(line, row)}) {
                    if (!v.trimmed().isEmpty() && !parseDecimal(v)) {
                        *problem = u8(Tekst::DetailGeenGetal).arg(line).arg(row);
                        return false;
                    }
                }
                const auto n = parseDecimal(order.detailAantal(line, row));
                if (const auto m = parseDecimal(order.detailMaat(line, row)))
                    plan.sizes.push_back({storedNumber(*m, 3), n ? storedNumber(*n, 3) : 0});
            }
        } else if (order.flag(line, Vlag::Lengte) && order.field(line, Veld::Lengte) == Waarde::OpMaat) {
            plan.sizes.push_back({storedNumber(detailSize(plan.q), 3), storedNumber(plan.q.p, 3)});
        }
    }
    const QString productieweek = extra.productieweek.trimmed();
    if (!offerte && !productieweek.isEmpty() && !parseDecimal(productieweek)) {
        *problem = u8(Tekst::ProductieweekGeenGetal).arg(productieweek);
        return false;
    }
    if (!request.printCopy && !extra.orderkosten.trimmed().isEmpty() && !parseDecimal(extra.orderkosten)) {
        *problem = u8(Tekst::OrderkostenGeenBedrag).arg(extra.orderkosten.trimmed());
        return false;
    }
    const QString afleverRelatie = extra.afleverRelatie.trimmed();
    if (!afleverRelatie.isEmpty() && !parseDecimal(afleverRelatie)) {
        *problem = u8(Tekst::AfleveradresGeenRelatie).arg(afleverRelatie);
        return false;
    }

    // ---- Header.
    if (test) {
        for (const char* table : {"OrderProduktieregel", "OrderProduktieregelInvoer", "OrderOnderdorpelmacro", "\"order\""}) {
            if (!session_.exec(QStringLiteral("delete from %1 where \"order\" = ?").arg(QLatin1String(table)), {key}))
                return false;
        }
        newOrder = true;
    }
    if (newOrder) {
        if (!session_.exec(
                QStringLiteral("insert into \"order\" (\"order\", Status, LeverdatumCorrectie, VerzendGekozen, VerzendGescand, "
                               "A_gewijzigd, FaxBevestiging, Pakbon, Faktuur, Bedrag, Groep, Productgroep, Meter, Stuks, "
                               "B_gekozen, P_verzend, P_gekozen, P_uitgesteld, F_gekozen, F_uitgesteld, GeenEtiketten, "
                               "GeenVerkooporder, GeenVakken, Kostentoeslag, KleurToeslag, ExtraVrachtkosten, "
                               "VonuInterneOrder, VonuBlokkeren) values (?, ?, false, true, false, false, false, 'V', 'V', "
                               "false, false, false, false, false, false, false, false, false, false, false, false, "
                               "false, false, false, ?, 0, true, false)"),
                {key, statusWord(QStringLiteral("Productie"), test), session_.constant(QStringLiteral("KleurToeslag")).toBool()}))
            return false;
    } else {
        for (const char* table : {"OrderProduktieregel", "OrderProduktieregelInvoer", "OrderOnderdorpelmacro"}) {
            if (!session_.exec(QStringLiteral("delete from %1 where \"order\" = ?").arg(QLatin1String(table)), {key}))
                return false;
        }
    }
    if (!session_.exec(QStringLiteral("update \"order\" set Status = ? where \"order\" = ?"),
                       {statusWord(offerte ? QStringLiteral("Offerte") : QStringLiteral("Productie"), test), key}))
        return false;

    const QString prefix = u8(desk.klantbestand ? (offerte ? Tekst::VonutaleOfferte : Tekst::VonutaleOrder)
                                                : (offerte ? Tekst::Offerte : Tekst::UwOrder));
    if (!session_.exec(
            QStringLiteral("update \"order\" set Debnr = ?, V_adres = ?, Datum = ?, Levwijze = ?, AfleverRelatie = ?::numeric, "
                           "A_zoeknaam = ?, A_naam = ?, A_naam2 = ?, A_kontakt = ?, A_adres1 = ?, A_adres2 = ?, "
                           "A_adres3 = ?, A_postkode = ?, A_plaats = ?, A_land = ?, A_gewijzigd = ?, "
                           "Productie_1 = ?, Productie_2 = ?, Productie_3 = ?, Ordref_1 = ?, Ordref_2 = ?, "
                           "ExtraVrachtkosten = ? where \"order\" = ?"),
            {debtorKey(desk.debiteur), header.verzendadres, header.orderdatum, extra.leveringswijze,
             afleverRelatie.isEmpty() ? QStringLiteral("0") : afleverRelatie, extra.zoeknaam, extra.naam, extra.naam2,
             extra.kontakt, extra.adres[0], extra.adres[1], extra.adres[2], extra.postkode, extra.plaats, extra.land,
             afleverRelatie.isEmpty(), extra.productieteksten[0], extra.productieteksten[1],
             extra.productieteksten[2], prefix + header.klantOrdernummer, header.referentie,
             extra.extraVrachtkosten, key}))
        return false;
    if (!offerte) {
        const bool sameWeek = extra.leverdatum.isValid() && QString::number(extra.leverdatum.weekNumber()) == productieweek;
        if (!session_.exec(QStringLiteral("update \"order\" set Leverdatum = ?, LeverdatumCorrectie = ?, "
                                          "Productieweek = ?::smallint, Afleverdatum = ? where \"order\" = ?"),
                           {extra.leverdatum.isValid() ? QVariant(extra.leverdatum) : QVariant(QMetaType(QMetaType::QDate)),
                            !sameWeek, productieweek.isEmpty() ? nullText() : QVariant(productieweek),
                            extra.gebruikAfleverdatum && extra.afleverdatum.isValid() ? QVariant(extra.afleverdatum)
                                                                                       : QVariant(QMetaType(QMetaType::QDate)),
                            key}))
            return false;
    }
    if (!session_.exec(
            QStringLiteral("update \"order\" o set FaktuurRelatie = d.Faktuurrelatie, Vrachtvergoeding = d.Vracht, "
                           "Bedrag = d.Kontrakt, Groep = d.Kontrakt, Productgroep = d.Kontrakt, Meter = d.Kontrakt, "
                           "Stuks = d.Kontrakt, Pakbon = d.Pakbon, Faktuur = d.Faktuur, "
                           "GeenEtiketten = (d.EtiketAfdrukken = 'N'), Kostentoeslag = d.Kosten "
                           "from Debiteur d where d.Debnr = o.Debnr and o.\"order\" = ?"),
            {key}))
        return false;
    if (!session_.exec(
            QStringLiteral(
                "update \"order\" o set "
                "VerzendGekozen = case when ? then true else o.VerzendGekozen end, "
                "VerzendGescand = case when ? then false else o.VerzendGescand end, "
                "Vrachtvergoeding = case when v.Vracht = 'N' or v.Levwijze <> o.Levwijze then null else o.Vrachtvergoeding end, "
                "Stuks = case when v.S_kontrakt = 'N' then false else o.Stuks end, "
                "Meter = case when v.M_kontrakt = 'N' then false else o.Meter end, "
                "Productgroep = case when v.P_kontrakt = 'N' then false else o.Productgroep end, "
                "Groep = case when v.G_kontrakt = 'N' then false else o.Groep end, "
                "Bedrag = case when v.B_kontrakt = 'N' then false else o.Bedrag end, "
                "Pakbon = case when ? = '' or v.Pakbon = 'N' then 'N' else o.Pakbon end, "
                "GeenEtiketten = case when v.EtiketAfdrukken <> 'O' then v.EtiketAfdrukken = 'N' else o.GeenEtiketten end, "
                "Kostentoeslag = case when v.Kosten <> 'O' then v.Kosten = 'J' else o.Kostentoeslag end, "
                "FaktuurRelatie = case when v.FaktuurRelatie is not null then v.FaktuurRelatie else o.FaktuurRelatie end "
                "from Verzendadres v where v.Debnr = o.Debnr and v.Verzend = o.V_adres and o.\"order\" = ?"),
            {newOrder, newOrder, afleverRelatie, key}))
        return false;
    const QString ob = desk.ob.trimmed();
    if (!session_.exec(QStringLiteral("update \"order\" set TekstBevestiging = ? where \"order\" = ?"), {textOrNull(ob), key}))
        return false;
    if (!session_.exec(QStringLiteral("update \"order\" set TekstVonuOrder = ? where \"order\" = ?"),
                       {textOrNull(header.notities), key}))
        return false;
    {
        const DbRows b = session_.select(
            QStringLiteral("select \"order\", B_volgnummer, TekstBevestiging from \"order\" where \"order\" = ?"), {key});
        if (!b)
            return false;
        QString text = b.text(QStringLiteral("TekstBevestiging"));
        const QString volgnummer = b.text(QStringLiteral("B_volgnummer")).trimmed();
        if (!volgnummer.isEmpty())
            text = u8(offerte ? Tekst::VervangtOfferte : Tekst::VervangtBevestiging)
                   + b.text(QStringLiteral("order")).trimmed() + QLatin1Char('/') + volgnummer + QStringLiteral(". ") + text;
        if (!session_.exec(QStringLiteral("update \"order\" set B_gekozen = false, B_datum = null, TekstBevestiging = ? "
                                          "where \"order\" = ?"),
                           {text, key}))
            return false;
    }
    if (!session_.exec(newOrder ? QStringLiteral("update \"order\" set Invoer = ?, InvoerDatum = getdate() where \"order\" = ?")
                                : QStringLiteral("update \"order\" set Wijziging = ?, WijzigingDatum = getdate() where \"order\" = ?"),
                       {session_.userName(), key}))
        return false;

    // ---- Lines.
    auto readHead = [&](PriceContext* c) {
        const DbRows h = session_.select(QStringLiteral("select \"order\", Debnr, V_adres, Meter, Stuks, Productgroep, Groep, "
                                                        "Bedrag from \"order\" where \"order\" = ?"),
                                         {key});
        if (!h.found())
            return false;
        c->debnr = h.text(QStringLiteral("Debnr"));
        c->verzend = h.text(QStringLiteral("V_adres"));
        c->datum = header.orderdatum;
        c->meter = h.flag(QStringLiteral("Meter"));
        c->stuks = h.flag(QStringLiteral("Stuks"));
        c->productgroep = h.flag(QStringLiteral("Productgroep"));
        c->groep = h.flag(QStringLiteral("Groep"));
        c->bedrag = h.flag(QStringLiteral("Bedrag"));
        return true;
    };
    PriceContext context;
    if (!readHead(&context))
        return false;

    Prices prices(session_, writing);
    RowBatch rows = productionBatch(writing);
    RowBatch macros(QStringLiteral("OrderOnderdorpelmacro"),
                    {QStringLiteral("order varchar"), QStringLiteral("regelid varchar"), QStringLiteral("type varchar"),
                     QStringLiteral("volgnummer smallint"), QStringLiteral("waarde varchar")},
                    writing);
    QString orderKorting;
    int regel = 0;
    const bool avoidCallOff = extra.gebruikAfroep == 1;

    for (const LinePlan& plan : plans) {
        const int line = plan.line;
        const LineQuantity& q = plan.q;
        const auto it = info.find(plan.art.artikel);
        const QString eenheid = it == info.end() ? QString() : it->second.eenheid;
        const bool sizeLine = order.flag(line, Vlag::Lengte);
        const QChar soort = sizeLine && order.field(line, Veld::Lengte) == Waarde::OpMaat ? QLatin1Char('M') : QLatin1Char('H');

        auto price = prices.lookup(plan.art.artikel, context, soort);
        if (!price)
            return false;
        if (avoidCallOff && price->found
            && (price->oorsprong.startsWith(QLatin1Char('A')) || price->oorsprong.startsWith(QLatin1Char('O')))) {
            const auto chooses = prices.customerChooses(price->kontrakt);
            if (!chooses)
                return false;
            if (*chooses) {
                if (!session_.exec(QStringLiteral("update \"order\" set Meter = false, Stuks = false where \"order\" = ?"), {key})
                    || !readHead(&context))
                    return false;
                price = prices.lookup(plan.art.artikel, context, soort);
                if (!price)
                    return false;
            }
        }
        if (price->found)
            orderKorting = price->orderKorting;

        const QString kleur = order.field(line, Veld::Kleur).trimmed();
        QString kleurOmschrijving;
        QString kleurCode;
        if (order.flag(line, Vlag::Kleur) && !kleur.isEmpty()) {
            kleurOmschrijving = QStringLiteral("RAL ") + kleur;
            kleurCode = order.field(line, Veld::Kleur).section(QLatin1Char(' '), 0, 0);
        }

        ProdRow main;
        main.type = QStringLiteral("K");
        main.artikel = plan.art.artikel;
        main.ean = plan.art.ean;
        main.prijs = price->found ? QVariant(price->prijs) : nullText();
        main.oorsprong = price->found ? price->oorsprong : QString();
        main.korting = price->found ? numberOrNull(price->korting) : nullText();
        main.kontrakt = price->found ? price->kontrakt : QString();
        main.aantal = decimalText(q.o);
        main.maatvoering = sizeLine ? QString()
                                    : (eenheid != QLatin1String("Stuks") ? QStringLiteral("Lg.") : QStringLiteral("St."));
        main.omschrijving1 = kleurOmschrijving;
        main.kleur = kleurCode;
        main.correctie = order.flag(line, Vlag::Correctie)
                         && order.field(line, Veld::Correctie) == QLatin1String("Inclusief maat");
        // Batched, the detail sizes of a metre line are written corrected
        // and its quantity with them; row by row they are stored as
        // entered and corrected afterwards. correctLine serves both.
        std::optional<LineCorrection> correction;
        if (writing == Writing::Batched && sizeLine && it != info.end() && it->second.eenheid == Waarde::EenheidMeter)
            correction = correctLine(plan.sizes, main.correctie,
                                     (it->second.berekening == Waarde::AantalMaat
                                      || it->second.berekening == Waarde::MeterDm)
                                         ? it->second.maatcorrectie.value_or(0)
                                         : 0,
                                     subCorrection(order, line, info), it->second.berekening);
        if (correction && correction->quantity)
            main.aantal = decimalText(*correction->quantity);
        addRow(rows, key, ++regel, main);

        QString rebate = order.flag(line, Vlag::Sponning) ? order.field(line, Veld::Sponning) : QString();
        auto panelRows = [&](const QString& (OrderModel::*get)(int, int, int) const, int count, bool operations) {
            for (int row = 1; row <= count; ++row) {
                const QString artikel = (order.*get)(line, row, 1).trimmed();
                if (artikel.isEmpty())
                    continue;
                const auto a = info.find(artikel);
                const QString calc = a != info.end() && a->second.eenheid == Waarde::EenheidMeter ? a->second.berekening
                                                                                                   : QString();
                const int multiplier = a != info.end() ? a->second.subaantal : 1;
                const auto subPrice = prices.lookup(artikel, context, soort);
                if (!subPrice)
                    return false;
                ProdRow s;
                s.type = QStringLiteral("S");
                s.artikel = artikel;
                s.prijs = subPrice->found ? QVariant(subPrice->prijs) : nullText();
                s.oorsprong = subPrice->found ? subPrice->oorsprong : QString();
                s.korting = subPrice->found ? numberOrNull(subPrice->korting) : nullText();
                s.kontrakt = subPrice->found ? subPrice->kontrakt : QString();
                const bool byLength = calc == Waarde::AantalMaat || calc == Waarde::MeterDm;
                s.aantal = decimalText(multiplier * (byLength ? q.o : q.p));
                s.productienummer = textOrNull((order.*get)(line, row, 2).trimmed());
                if (operations)
                    s.omschrijving1 = order.flag(line, Vlag::Sponning) ? rebateDescription(artikel, rebate) : QString();
                addRow(rows, key, ++regel, s);
                if ((order.*get)(line, row, SubregelVelden).trimmed() == QLatin1String("*")) {
                    for (int f = 3; f <= 27; ++f) {
                        const QString v = (order.*get)(line, row, f).trimmed();
                        if (v.isEmpty())
                            continue;
                        const bool b = f <= 14;
                        macros.add({key, lineKey(regel), b ? QStringLiteral("B") : QStringLiteral("M"),
                                    b ? f - 2 : f - 14, v});
                    }
                }
            }
            return true;
        };
        const bool operations = order.flag(line, Vlag::Bewerkingen);
        if (operations && !header.onderdorpelorder && !panelRows(&OrderModel::bewerking, MaxBewerkingen, true))
            return false;
        if (order.flag(line, Vlag::Subartikelen) && !panelRows(&OrderModel::subartikel, MaxSubartikelen, false))
            return false;
        if (operations && header.onderdorpelorder && !panelRows(&OrderModel::bewerking, MaxBewerkingen, true))
            return false;

        if (sizeLine) {
            const QString omschrijving1 = order.field(line, Veld::Omschrijving_1);
            ProdRow d;
            d.type = QStringLiteral("D");
            d.omschrijving1 = omschrijving1.isEmpty() ? kleurOmschrijving : omschrijving1;
            d.omschrijving2 = order.field(line, Veld::Omschrijving_2);
            d.omschrijving3 = order.field(line, Veld::Omschrijving_3);
            // The k-th size in mm gets the k-th corrected size.
            std::size_t k = 0;
            auto corrected = [&](ProdRow& row) {
                row.correctie = false;
                if (!correction || row.maat.isNull() || row.maatvoering.toString() != QLatin1String("mm"))
                    return;
                row.maat = decimalText(correction->sizes.at(k));
                row.correctie = correction->corrected.at(k);
                ++k;
            };
            if (order.flag(line, Vlag::Details)) {
                d.maatvoering = QStringLiteral("mm");
                for (int row = 1; row <= MaxDetails; ++row) {
                    if (!order.detailInUse(line, row))
                        continue;
                    const auto n = parseDecimal(order.detailAantal(line, row));
                    const auto m = parseDecimal(order.detailMaat(line, row));
                    d.aantal = n ? QVariant(decimalText(*n)) : nullText();
                    d.maat = d.ingevoerdeMaat = m ? QVariant(decimalText(*m)) : nullText();
                    corrected(d);
                    addRow(rows, key, ++regel, d);
                }
            } else {
                d.aantal = decimalText(q.p);
                d.maat = d.ingevoerdeMaat = decimalText(detailSize(q));
                d.maatvoering = order.field(line, Veld::Lengte) == Waarde::OpMaat ? QStringLiteral("mm") : QStringLiteral("Mtr");
                corrected(d);
                addRow(rows, key, ++regel, d);
            }
        }
    }
    if (!rows.insert(session_) || !macros.insert(session_))
        return false;
    if (!orderKorting.isEmpty() && orderKorting.toDouble() != 0
        && !session_.exec(QStringLiteral("update \"order\" set OrderKorting = ?::numeric where \"order\" = ?"),
                          {orderKorting, key}))
        return false;

    const DbRows head = session_.select(
        QStringLiteral("select \"order\", Status, Debnr, V_adres, AfleverRelatie, Meter, Stuks, Productgroep, Groep, "
                       "Bedrag, Kostentoeslag from \"order\" where \"order\" = ?"),
        {key});
    if (!head.found())
        return false;
    {
        RowBatch closing = productionBatch(writing);
        ProdRow k;
        k.type = QStringLiteral("K");
        addRow(closing, key, ++regel, k);
        if (!closing.insert(session_))
            return false;
    }

    // ---- Delivery instruction, corrections, gathering.
    if (!offerte) {
        const QString relatie = head.text(QStringLiteral("AfleverRelatie")).trimmed();
        const DbRows instr = session_.select(
            QStringLiteral("select Relatie, Instructie_1, Instructie_2 from Afleverinstructie where Relatie = ?::numeric"),
            {relatie.isEmpty() ? QStringLiteral("0") : relatie});
        if (!instr)
            return false;
        if (instr.found()) {
            const QString match = QStringLiteral(
                "oa.Leverdatum = o.Leverdatum and oa.Levwijze = o.Levwijze and oa.AfleverRelatie = o.AfleverRelatie "
                "and oa.A_adres1 = o.A_adres1 and oa.A_plaats = o.A_plaats");
            const DbRows existing = session_.select(
                QStringLiteral("select oa.AfleverTekst_4, oa.AfleverTekst_5 from OrderAfleverinstructie oa "
                               "join \"order\" o on o.\"order\" = ? where ")
                    + match,
                {key});
            if (!existing)
                return false;
            const QString i1 = instr.text(QStringLiteral("Instructie_1"));
            const QString i2 = instr.text(QStringLiteral("Instructie_2"));
            if (!existing.found()) {
                if (!session_.exec(QStringLiteral("insert into OrderAfleverinstructie (Leverdatum, Levwijze, AfleverRelatie, "
                                                  "A_adres1, A_plaats, AfleverTekst_4, AfleverTekst_5) "
                                                  "select Leverdatum, Levwijze, AfleverRelatie, A_adres1, A_plaats, ?, ? "
                                                  "from \"order\" where \"order\" = ?"),
                                   {i1, i2, key}))
                    return false;
            } else if (existing.text(QStringLiteral("AfleverTekst_4")).isEmpty()
                       && existing.text(QStringLiteral("AfleverTekst_5")).isEmpty()) {
                if (!session_.exec(QStringLiteral("update OrderAfleverinstructie oa set AfleverTekst_4 = ?, AfleverTekst_5 = ? "
                                                  "from \"order\" o where o.\"order\" = ? and ")
                                       + match,
                                   {i1, i2, key}))
                    return false;
            }
        }
    }
    LineQuantities quantities(session_, writing);
    if (!quantities.recordEnteredSizes(key) || (writing == Writing::RowByRow && !quantities.correctSizes(key)))
        return false;
    if (!session_.call(QStringLiteral("VonuOrderVerzamelProduktie"), {{QStringLiteral("order"), key}}))
        return false;

    // ---- Tracking and prepayment.
    const bool track = !request.number.startsWith(QLatin1String("PROEF")) && !offerte && !request.printCopy;
    if (track
        && !session_.exec(QStringLiteral("insert into OrderTracking (DatumTijd, \"order\", Actie) values (getdate(), ?, ?)"),
                          {key, newOrder ? QStringLiteral("I") : QStringLiteral("W")}))
        return false;
    if (newOrder) {
        const DbRows va = session_.select(
            QStringLiteral("select Debnr, Verzend, BetalingVooraf from Verzendadres where Debnr = ? and Verzend = ?"),
            {head.text(QStringLiteral("Debnr")), head.text(QStringLiteral("V_adres"))});
        if (!va)
            return false;
        if (va.found() && va.flag(QStringLiteral("BetalingVooraf"))
            && head.text(QStringLiteral("Status")).left(9) == QLatin1String("Productie")
            && !session_.exec(QStringLiteral("update \"order\" set Status = ? where \"order\" = ?"),
                              {statusWord(QStringLiteral("Geblokkeerd"), test), key}))
            return false;
    }

    // ---- Quantities of lines made to size, sales lines.
    if (!quantities.recomputeMadeToSize(key))
        return false;
    if (!request.printCopy) {
        SalesLines sales(session_, prices, writing);
        sales.status = status;
        SalesLineParams p;
        p.order = key;
        p.kostentoeslag = head.flag(QStringLiteral("Kostentoeslag"));
        p.debnr = head.text(QStringLiteral("Debnr"));
        p.vAdres = head.text(QStringLiteral("V_adres"));
        p.bedrag = head.flag(QStringLiteral("Bedrag"));
        p.groep = head.flag(QStringLiteral("Groep"));
        p.productgroep = head.flag(QStringLiteral("Productgroep"));
        p.stuks = head.flag(QStringLiteral("Stuks"));
        p.meter = head.flag(QStringLiteral("Meter"));
        p.orderdatum = header.orderdatum;
        p.orderkosten = extra.orderkosten;
        if (!sales.build(p, problem))
            return false;
    }
    return true;
}

} // namespace vonu
