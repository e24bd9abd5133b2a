#include "desk/Prices.h"

#include "desk/DbSession.h"
#include "desk/RowBatch.h"
#include "desk/StoreRules.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace vonu {

std::optional<PriceResult> Prices::lookup(const QString& artikel, const PriceContext& c, QChar soort, double aantal)
{
    const int flags = (c.meter ? 1 : 0) | (c.stuks ? 2 : 0) | (c.productgroep ? 4 : 0) | (c.groep ? 8 : 0)
                      | (c.bedrag ? 16 : 0);
    const Key key{artikel, c.debnr, c.verzend, c.datum.toJulianDay(), soort, flags, aantal};
    if (const auto it = cache_.find(key); it != cache_.end())
        return it->second;
    const DbRows rows = session_.call(QStringLiteral("ArtikelPrijs"),
                                      {{QStringLiteral("Debnr"), c.debnr},
                                       {QStringLiteral("Verzend"), c.verzend},
                                       {QStringLiteral("Artikel"), artikel},
                                       {QStringLiteral("Kontrakt"), QString()},
                                       {QStringLiteral("Datum"), c.datum},
                                       {QStringLiteral("Soort"), QString(soort)},
                                       {QStringLiteral("Meter"), c.meter},
                                       {QStringLiteral("Stuks"), c.stuks},
                                       {QStringLiteral("Productgroep"), c.productgroep},
                                       {QStringLiteral("Groep"), c.groep},
                                       {QStringLiteral("Bedrag"), c.bedrag},
                                       {QStringLiteral("Aantal"), aantal}});
    if (!rows)
        return std::nullopt;
    PriceResult r;
    if (rows.found() && rows.flag(QStringLiteral("PrijsGevonden"))) {
        r.found = true;
        r.prijs = rows.text(QStringLiteral("Prijs"));
        r.oorsprong = rows.text(QStringLiteral("Oorsprong"));
        r.korting = rows.text(QStringLiteral("Korting")).trimmed();
        r.kontrakt = rows.text(QStringLiteral("Kontrakt"));
        r.orderKorting = rows.text(QStringLiteral("OrderKorting"));
    }
    if (writing_ == Writing::Batched)
        cache_.emplace(key, r);
    return r;
}

std::optional<bool> Prices::customerChooses(const QString& kontrakt)
{
    const DbRows rows =
        session_.select(QStringLiteral("select GebruikAfroep from Kontrakt where Kontrakt = ?"), {kontrakt});
    if (!rows)
        return std::nullopt;
    return rows.found() && rows.text(QStringLiteral("GebruikAfroep")) == QLatin1String("K");
}

bool Prices::assignAmountContract(const QString& orderKey)
{
    const DbRows order = session_.select(
        QStringLiteral("select Bedrag, Kontrakt, Debnr from \"order\" where \"order\" = ?"), {orderKey});
    if (!order)
        return false;
    if (!order.found() || !order.flag(QStringLiteral("Bedrag"))
        || !order.text(QStringLiteral("Kontrakt")).trimmed().isEmpty())
        return true;
    const DbRows contracts = session_.select(
        QStringLiteral("select k.Kontrakt, coalesce(ko.T_Order, 0) as T_Order from Kontrakt k "
                       "left join (select Kontrakt, sum(T_Order) as T_Order from \"order\" "
                       "           where Status in ('Productie', 'Verkoop', 'Credit') and Bedrag "
                       "             and \"order\" <> ? and T_Order is not null "
                       "           group by Kontrakt) ko on ko.Kontrakt = k.Kontrakt "
                       "where k.Debnr = ? and k.Type = 'B' and k.Aktief "
                       "order by k.Datum, k.Kontrakt"),
        {orderKey, order.text(QStringLiteral("Debnr"))});
    if (!contracts)
        return false;
    QString chosen;
    for (int i = 0; i < contracts.size(); ++i) {
        const QString kontrakt = contracts.text(QStringLiteral("Kontrakt"), i);
        const DbRows status = session_.call(QStringLiteral("KontraktStatus"), {{QStringLiteral("Kontrakt"), kontrakt}});
        if (!status)
            return false;
        chosen = kontrakt;
        const double left = status.text(QStringLiteral("Termijn")).toDouble()
                            - status.text(QStringLiteral("Verwerkt")).toDouble()
                            - contracts.text(QStringLiteral("T_Order"), i).toDouble();
        if (left > 0)
            break;
    }
    if (!chosen.isEmpty())
        return session_.exec(QStringLiteral("update \"order\" set Kontrakt = ? where \"order\" = ?"), {chosen, orderKey});
    return session_.exec(QStringLiteral("update \"order\" set Bedrag = false where \"order\" = ?"), {orderKey});
}

bool Prices::orderTotals(const QString& orderKey, const QString& orderkosten, bool* badCosts)
{
    QVariant costs{QMetaType(QMetaType::Double)};
    if (!orderkosten.trimmed().isEmpty()) {
        const auto v = parseDecimal(orderkosten);
        if (!v) {
            if (badCosts)
                *badCosts = true;
            return false;
        }
        costs = decimalText(*v);
    }
    return bool(session_.call(QStringLiteral("VonuOrderTotaal"),
                              {{QStringLiteral("order"), orderKey}, {QStringLiteral("IngevoerdeOrderkosten"), costs}}));
}

bool Prices::lineAmounts(const QString& orderKey, const QStringList& regels)
{
    if (regels.isEmpty())
        return true;
    if (writing_ == Writing::RowByRow) {
        for (const QString& regel : regels)
            if (!session_.call(QStringLiteral("VonuOrderRegelBedrag"),
                               {{QStringLiteral("order"), orderKey}, {QStringLiteral("Regel"), regel}}))
                return false;
        return true;
    }
    const QString list = QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(regels)).toJson(QJsonDocument::Compact));
    return bool(session_.select(QStringLiteral("select VonuOrderRegelBedrag(?, r.regel) from "
                                               "(select jsonb_array_elements_text(?::jsonb) as regel) r"),
                                {orderKey, list}));
}

} // namespace vonu
