#include "desk/LineQuantities.h"

#include "desk/DbSession.h"
#include "desk/RowBatch.h"
#include "desk/StoreRules.h"

#include <map>
#include <vector>

namespace vonu {

namespace {

double number(const DbRows& rows, const QString& column, int row = 0)
{
    return rows.text(column, row).toDouble();
}

} // namespace

RowBatch LineQuantities::quantityUpdates() const
{
    return RowBatch(QStringLiteral("OrderProduktieregel"),
                    {QStringLiteral("order varchar"), QStringLiteral("regel varchar"), QStringLiteral("aantal numeric")},
                    writing_);
}

bool LineQuantities::correctSizes(const QString& orderKey)
{
    if (!session_.call(QStringLiteral("VonuOrderCorrigeer_MV_VP"), {{QStringLiteral("order"), orderKey}}))
        return false;
    const DbRows lines = session_.select(
        QStringLiteral("select Regel, Correctie, BerekeningAantal, "
                       "case when BerekeningAantal in ('Aantal x maat', 'Meter-dm') and Maatcorrectie is not null "
                       "then Maatcorrectie else 0 end as Maatcorrectie "
                       "from OrderProduktieregel join Artikel on Artikel.Artikel = OrderProduktieregel.Artikel "
                       "where \"order\" = ? and Type = 'K' and Eenheid = 'Meter' order by Regel"),
        {orderKey});
    if (!lines)
        return false;
    RowBatch sizes(QStringLiteral("OrderProduktieregel"),
                   {QStringLiteral("order varchar"), QStringLiteral("regel varchar"), QStringLiteral("maat numeric"),
                    QStringLiteral("correctie boolean")},
                   writing_);
    RowBatch quantities = quantityUpdates();
    // What VonuOrderCorrigeer_MC_Sub and _MC_Detail give per line, read for
    // every line at once: a row belongs to the last main row before it.
    const QString perLine = QStringLiteral(
        "(select x.*, max(x.Regel) filter (where x.Type = 'K') over (order by x.Regel) as KopRegel "
        " from OrderProduktieregel x where x.\"order\" = ?) r ");
    const DbRows subs = session_.select(
        QStringLiteral("select r.KopRegel, coalesce(max(a.Maatcorrectie), 0) as Maatcorrectie from ") + perLine
            + QStringLiteral("join Artikel a on a.Artikel = r.Artikel where r.Type = 'S' group by r.KopRegel"),
        {orderKey});
    if (!subs)
        return false;
    std::map<QString, double> subCorrecties;
    for (int i = 0; i < subs.size(); ++i)
        subCorrecties[subs.text(QStringLiteral("KopRegel"), i)] = subs.text(QStringLiteral("Maatcorrectie"), i).trimmed().toInt();
    const DbRows allDetails = session_.select(
        QStringLiteral("select r.KopRegel, r.Regel, coalesce(r.IngevoerdeMaat, r.Maat) as IngevoerdeMaat, r.Aantal from ")
            + perLine
            + QStringLiteral("where r.Type = 'D' and r.Maatvoering = 'mm' and coalesce(r.IngevoerdeMaat, r.Maat) is not null "
                             "order by r.Regel"),
        {orderKey});
    if (!allDetails)
        return false;
    std::map<QString, std::vector<int>> detailsOf;
    for (int d = 0; d < allDetails.size(); ++d)
        detailsOf[allDetails.text(QStringLiteral("KopRegel"), d)].push_back(d);
    for (int i = 0; i < lines.size(); ++i) {
        const QString regel = lines.text(QStringLiteral("Regel"), i);
        const auto sub = subCorrecties.find(regel);
        const double subCorrectie = sub == subCorrecties.end() ? 0 : sub->second;
        const std::vector<int>& rows = detailsOf[regel];
        const bool correctie = lines.flag(QStringLiteral("Correctie"), i);
        const double maatcorrectie = number(lines, QStringLiteral("Maatcorrectie"), i);
        double exact = 0;
        double rounded = 0;
        for (const int d : rows) {
            bool corrected = false;
            const double q = correctedSize(number(allDetails, QStringLiteral("IngevoerdeMaat"), d), correctie,
                                           maatcorrectie, subCorrectie, &corrected);
            const double aantal = number(allDetails, QStringLiteral("Aantal"), d);
            exact += aantal * q / 1000;
            rounded += q > 1000 ? aantal * round1(q / 1000) : aantal;
            sizes.add({orderKey, allDetails.text(QStringLiteral("Regel"), d), decimalText(q), corrected});
        }
        const QString calc = lines.text(QStringLiteral("BerekeningAantal"), i);
        if (!rows.empty() && calc == QLatin1String("Aantal x maat"))
            quantities.add({orderKey, regel, decimalText(round1(exact))});
        else if (!rows.empty() && calc == QLatin1String("Meter-dm"))
            quantities.add({orderKey, regel, decimalText(rounded)});
    }
    return sizes.update(session_, 2) && quantities.update(session_, 2);
}

bool LineQuantities::recomputeLine(const QString& orderKey, const QString& regel)
{
    RowBatch updates = quantityUpdates();
    return recompute(orderKey, regel, updates) && updates.update(session_, 2);
}

bool LineQuantities::recomputeMadeToSize(const QString& orderKey)
{
    const DbRows lines = session_.select(
        QStringLiteral("select Regel from OrderProduktieregel where \"order\" = ? and Type = 'K' and Artikel is not null "
                       "and len(Artikel) > 0 and (Maatvoering is null or len(Maatvoering) = 0) order by Regel"),
        {orderKey});
    if (!lines)
        return false;
    RowBatch updates = quantityUpdates();
    for (int i = 0; i < lines.size(); ++i) {
        if (!recompute(orderKey, lines.text(QStringLiteral("Regel"), i), updates))
            return false;
    }
    return updates.update(session_, 2);
}

bool LineQuantities::recompute(const QString& orderKey, const QString& regel, RowBatch& updates)
{
    const QList<DbArg> args{{QStringLiteral("order"), orderKey}, {QStringLiteral("Regel"), regel}};
    const DbRows line = session_.call(QStringLiteral("VonuOrderRegelAantal"), args);
    if (!line)
        return false;
    double regelAantal = 0;
    double regelLengte = 0;
    double hoofd = 0;
    if (line.found()) {
        regelAantal = number(line, QStringLiteral("RegelAantal"));
        regelLengte = number(line, QStringLiteral("RegelLengte"));
        const bool meter = line.text(QStringLiteral("Eenheid")) == QLatin1String("Meter");
        const QString calc = line.text(QStringLiteral("BerekeningAantal"));
        if (meter && calc == QLatin1String("Aantal x maat"))
            hoofd = regelLengte;
        else if (meter && calc == QLatin1String("Meter-dm"))
            hoofd = number(line, QStringLiteral("RegelLengteDm"));
        else
            hoofd = regelAantal;
    }
    updates.add({orderKey, regel, decimalText(hoofd)});

    const DbRows subs = session_.call(QStringLiteral("VonuOrderSubArtikel"), args);
    if (!subs)
        return false;
    bool detailsRead = false;
    DbRows details;
    for (int i = 0; i < subs.size(); ++i) {
        const double subaantal = number(subs, QStringLiteral("Subaantal"), i);
        const QString wijze = subs.text(QStringLiteral("Wijze"), i);
        double quantity = 0;
        if (subaantal != 0 && !wijze.isEmpty()) {
            // The details are the same for every sub-article of the line.
            if (!detailsRead) {
                details = session_.call(QStringLiteral("VonuOrderDetailArtikel"), args);
                if (!details)
                    return false;
                detailsRead = true;
            }
            const double udk = number(subs, QStringLiteral("UDK"), i);
            const double hoh = number(subs, QStringLiteral("HOH"), i);
            const double mv = number(subs, QStringLiteral("MV"), i);
            for (int d = 0; d < details.size(); ++d)
                quantity += number(details, QStringLiteral("Aantal"), d)
                            * piecesPerLength(wijze, number(details, QStringLiteral("Maat"), d), udk, hoh, mv);
        } else {
            quantity = (subs.text(QStringLiteral("Eenheid"), i) != QLatin1String("Meter") ? regelAantal : regelLengte)
                       * subaantal;
        }
        updates.add({orderKey, subs.text(QStringLiteral("Regel"), i), decimalText(quantity)});
    }
    return true;
}

} // namespace vonu
