#include "desk/DeskDelivery.h"

#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/DeliveryCalendar.h"

#include <algorithm>

namespace vonu {

namespace {

QString col(const char* name) { return QString::fromLatin1(name); }

// Relation numbers are numeric: a blank one means relation 0, anything that
// is not a number finds nothing.
QVariant relationValue(const QString& relatie)
{
    const QString t = relatie.trimmed();
    if (t.isEmpty())
        return QVariant(0LL);
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok);
    return ok ? QVariant(n) : QVariant(-1LL);
}

// The delivery row of a stored order is the one matching the delivery values
// of its header.
const char* const kDeliveryJoin =
    "from OrderAfleverinstructie i join \"order\" o on o.\"order\" = ? "
    "where i.Leverdatum is not distinct from o.Leverdatum and i.Levwijze is not distinct from o.Levwijze "
    "and i.AfleverRelatie is not distinct from o.AfleverRelatie and i.A_adres1 is not distinct from o.A_adres1 "
    "and i.A_plaats is not distinct from o.A_plaats";

} // namespace

DeskDelivery::DeskDelivery(DbSession& db) : db_(db) {}

QString DeskDelivery::leveringswijzeOmschrijving(const QString& code)
{
    const DbRows rows = db_.select(QStringLiteral("select Omschrijving from Leveringswijze where Levwijze = ?"), {code});
    return rows.text(col("Omschrijving"));
}

bool DeskDelivery::readRelation(ExtraOrderData& extra, const QString& relatie, bool emptyWhenMissing)
{
    const DbRows r = db_.select(QStringLiteral("select Relatie, Zoeknaam, Naam, Naam2, Huisadres, Huisadres2, "
                                               "Huisadres3, HuisPostcode, Huisplaats, HuisLand from PSR_Relatie "
                                               "where Relatie = ?"),
                                {relationValue(relatie)});
    if (!r.found() && !emptyWhenMissing)
        return false;
    extra.zoeknaam = r.text(col("Zoeknaam"));
    extra.naam = r.text(col("Naam"));
    extra.naam2 = r.text(col("Naam2"));
    extra.kontakt.clear();
    extra.adres = {r.text(col("Huisadres")), r.text(col("Huisadres2")), r.text(col("Huisadres3"))};
    extra.postkode = r.text(col("HuisPostcode"));
    extra.plaats = r.text(col("Huisplaats"));
    extra.land = r.text(col("HuisLand"));
    return r.found();
}

std::array<QString, 2> DeskDelivery::standingInstruction(const QString& relatie)
{
    const DbRows r = db_.select(
        QStringLiteral("select Relatie, Instructie_1, Instructie_2 from Afleverinstructie where Relatie = ?"),
        {relationValue(relatie)});
    return {r.text(col("Instructie_1")), r.text(col("Instructie_2"))};
}

DeskDelivery::Applied DeskDelivery::applyShipTo(ExtraOrderData& extra, const QString& debiteur,
                                                const QString& verzend, const QDate& orderDate, const QDate& today,
                                                bool hasOrderNumber)
{
    Applied result;
    const QString key = debtorKey(debiteur);
    const DbRows deb = db_.select(QStringLiteral("select Levwijze from Debiteur where Debnr = ?"), {key});
    if (!deb)
        return result;
    if (deb.found()) {
        extra.leveringswijze = deb.text(col("Levwijze"));
        extra.leveringswijzeOmschrijving = leveringswijzeOmschrijving(extra.leveringswijze);
    }
    const DbRows va = db_.select(QStringLiteral("select Levwijze, AfleverRelatie from Verzendadres "
                                                "where Debnr = ? and Verzend = ?"),
                                 {key, verzend});
    if (!va)
        return result;
    if (!va.found()) {
        extra.afleverRelatie.clear();
        extra.zoeknaam.clear();
        extra.naam.clear();
        extra.naam2.clear();
        extra.kontakt.clear();
        extra.adres = {};
        extra.postkode.clear();
        extra.plaats.clear();
        extra.land.clear();
        extra.leverdatum = today;
        extra.productieweek = QString::number(weekNumber(today));
        extra.afleverdatum = today;
        extra.gebruikAfleverdatum = false;
        extra.leverdatumGewijzigd = false;
    } else {
        const QString levwijze = va.text(col("Levwijze"));
        if (!levwijze.trimmed().isEmpty()) {
            extra.leveringswijze = levwijze;
            extra.leveringswijzeOmschrijving = leveringswijzeOmschrijving(levwijze);
        }
        extra.afleverRelatie = va.text(col("AfleverRelatie")).trimmed();
        readRelation(extra, extra.afleverRelatie, true);

        DeliveryCalendar calendar(db_);
        const auto rules = calendar.rules(debiteur, verzend);
        if (!rules)
            return result;
        if (DeliveryCalendar::applyProposal(extra, orderDate, today, *rules, &result.dateError)) {
            const QDate proposed = extra.leverdatum;
            const auto check = calendar.checkFreeDays(extra, proposed, hasOrderNumber, debiteur, verzend, today,
                                                      &result.freeDayMessage);
            if (check == DeliveryCalendar::FreeDayCheck::Moved)
                result.freeDayMoved = true;
            else if (check == DeliveryCalendar::FreeDayCheck::Failed)
                result.dateError = result.freeDayMessage;
        }
    }
    extra.orderkosten.clear();
    extra.gebruikAfroep = 0;
    extra.extraVrachtkosten = 0;
    extra.productieteksten = {};
    result.ok = true;
    return result;
}

std::optional<std::array<QString, ExtraOrderData::Afleverteksten>>
DeskDelivery::storedDeliveryTexts(const QString& number)
{
    const QString key = orderKey(number);
    const DbRows head = db_.select(QStringLiteral("select \"order\" from \"order\" where \"order\" = ?"), {key});
    if (!head.found())
        return std::nullopt;
    const DbRows rows = db_.select(QStringLiteral("select i.AfleverTekst_1, i.AfleverTekst_2, i.AfleverTekst_3, "
                                                  "i.AfleverTekst_4, i.AfleverTekst_5 ") +
                                       QLatin1String(kDeliveryJoin),
                                   {key});
    std::array<QString, ExtraOrderData::Afleverteksten> texts;
    for (int i = 0; i < ExtraOrderData::Afleverteksten; ++i)
        texts[std::size_t(i)] = rows.text(QStringLiteral("AfleverTekst_%1").arg(i + 1));
    return texts;
}

bool DeskDelivery::writeDeliveryTexts(const QString& number,
                                      const std::array<QString, ExtraOrderData::Afleverteksten>& texts)
{
    if (std::all_of(texts.begin(), texts.end(), [](const QString& t) { return t.trimmed().isEmpty(); }))
        return true;
    const QString key = orderKey(number);
    const DbRows head = db_.select(QStringLiteral("select \"order\" from \"order\" where \"order\" = ?"), {key});
    if (!head)
        return false;
    if (!head.found())
        return true;
    const DbRows count = db_.select(QStringLiteral("select count(*) as n ") + QLatin1String(kDeliveryJoin), {key});
    if (!count)
        return false;
    QVariantList values;
    for (const QString& t : texts)
        values << (t.isNull() ? QStringLiteral("") : t);   // an empty text, never null
    if (count.value(col("n")).toInt() == 0) {
        return db_.exec(QStringLiteral("insert into OrderAfleverinstructie (Leverdatum, Levwijze, AfleverRelatie, "
                                       "A_adres1, A_plaats, AfleverTekst_1, AfleverTekst_2, AfleverTekst_3, "
                                       "AfleverTekst_4, AfleverTekst_5) select Leverdatum, Levwijze, AfleverRelatie, "
                                       "A_adres1, A_plaats, ?, ?, ?, ?, ? from \"order\" where \"order\" = ?"),
                        values << key);
    }
    return db_.exec(QStringLiteral("update OrderAfleverinstructie i set AfleverTekst_1 = ?, AfleverTekst_2 = ?, "
                                   "AfleverTekst_3 = ?, AfleverTekst_4 = ?, AfleverTekst_5 = ? from \"order\" o "
                                   "where o.\"order\" = ? and i.Leverdatum is not distinct from o.Leverdatum "
                                   "and i.Levwijze is not distinct from o.Levwijze "
                                   "and i.AfleverRelatie is not distinct from o.AfleverRelatie "
                                   "and i.A_adres1 is not distinct from o.A_adres1 "
                                   "and i.A_plaats is not distinct from o.A_plaats"),
                    values << key);
}

} // namespace vonu
