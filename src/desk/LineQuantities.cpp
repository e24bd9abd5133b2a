#include "desk/LineQuantities.h"

#include "desk/DbSession.h"
#include "desk/RowBatch.h"
#include "desk/StoreRules.h"
#include "order/OrderValues.h"

#include <map>
#include <set>
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

bool LineQuantities::recordEnteredSizes(const QString& orderKey)
{
    return bool(session_.call(QStringLiteral("VonuOrderCorrigeer_MV_VP"), {{QStringLiteral("order"), orderKey}}));
}

bool LineQuantities::correctSizes(const QString& orderKey)
{
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
        const std::vector<int>& rows = detailsOf[regel];
        std::vector<DetailLength> details;
        for (const int d : rows)
            details.push_back({number(allDetails, QStringLiteral("IngevoerdeMaat"), d),
                               number(allDetails, QStringLiteral("Aantal"), d)});
        const LineCorrection c = correctLine(details, lines.flag(QStringLiteral("Correctie"), i),
                                             number(lines, QStringLiteral("Maatcorrectie"), i),
                                             sub == subCorrecties.end() ? 0 : sub->second,
                                             lines.text(QStringLiteral("BerekeningAantal"), i));
        for (std::size_t d = 0; d < rows.size(); ++d)
            sizes.add({orderKey, allDetails.text(QStringLiteral("Regel"), rows[d]), decimalText(c.sizes[d]),
                       bool(c.corrected[d])});
        if (c.quantity)
            quantities.add({orderKey, regel, decimalText(*c.quantity)});
    }
    return sizes.update(session_, 2) && quantities.update(session_, 2);
}

DbRows LineQuantities::madeToSize(const QString& orderKey)
{
    return session_.select(
        QStringLiteral("select Regel from OrderProduktieregel where \"order\" = ? and Type = 'K' and Artikel is not null "
                       "and len(Artikel) > 0 and (Maatvoering is null or len(Maatvoering) = 0) order by Regel"),
        {orderKey});
}

bool LineQuantities::recomputeMadeToSize(const QString& orderKey)
{
    if (writing_ == Writing::Batched)
        return recomputeAllMadeToSize(orderKey);
    const DbRows lines = madeToSize(orderKey);
    if (!lines)
        return false;
    RowBatch updates = quantityUpdates();
    for (int i = 0; i < lines.size(); ++i) {
        if (!recompute(orderKey, lines.text(QStringLiteral("Regel"), i), updates))
            return false;
    }
    return updates.update(session_, 2);
}

namespace {

// What VonuOrderRegelAantal, VonuOrderSubArtikel and VonuOrderDetailArtikel
// give for one line.
struct LineTotals {
    bool found = false;
    double regelAantal = 0, regelLengte = 0, regelLengteDm = 0;
    QString eenheid, berekening;
};

struct SubRow {
    QString regel;
    double subaantal = 0, udk = 0, hoh = 0, mv = 0;
    QString wijze, eenheid;
};

struct Detail {
    double maat = 0, aantal = 0;
};

LineTotals totalsAt(const DbRows& rows, int i)
{
    LineTotals t;
    t.found = true;
    t.regelAantal = number(rows, QStringLiteral("RegelAantal"), i);
    t.regelLengte = number(rows, QStringLiteral("RegelLengte"), i);
    t.regelLengteDm = number(rows, QStringLiteral("RegelLengteDm"), i);
    t.eenheid = rows.text(QStringLiteral("Eenheid"), i);
    t.berekening = rows.text(QStringLiteral("BerekeningAantal"), i);
    return t;
}

SubRow subAt(const DbRows& rows, int i)
{
    return SubRow{rows.text(QStringLiteral("Regel"), i),        number(rows, QStringLiteral("Subaantal"), i),
                  number(rows, QStringLiteral("UDK"), i),        number(rows, QStringLiteral("HOH"), i),
                  number(rows, QStringLiteral("MV"), i),         rows.text(QStringLiteral("Wijze"), i),
                  rows.text(QStringLiteral("Eenheid"), i)};
}

Detail detailAt(const DbRows& rows, int i)
{
    return Detail{number(rows, QStringLiteral("Maat"), i), number(rows, QStringLiteral("Aantal"), i)};
}

// Fixings are counted along each length only when the sub-article says how.
bool spreadAlongLength(const SubRow& s)
{
    return s.subaantal != 0 && !s.wijze.isEmpty();
}

// The quantity of the main row and of each sub-article row of one line.
void addQuantities(const QString& orderKey, const QString& regel, const LineTotals& line,
                   const std::vector<SubRow>& subs, const std::vector<Detail>& details, RowBatch& updates)
{
    double hoofd = 0;
    if (line.found) {
        const bool meter = line.eenheid == Waarde::EenheidMeter;
        if (meter && line.berekening == Waarde::AantalMaat)
            hoofd = line.regelLengte;
        else if (meter && line.berekening == Waarde::MeterDm)
            hoofd = line.regelLengteDm;
        else
            hoofd = line.regelAantal;
    }
    updates.add({orderKey, regel, decimalText(hoofd)});
    for (const SubRow& s : subs) {
        double quantity = 0;
        if (spreadAlongLength(s)) {
            for (const Detail& d : details)
                quantity += d.aantal * piecesPerLength(s.wijze, d.maat, s.udk, s.hoh, s.mv);
        } else {
            quantity = (s.eenheid != Waarde::EenheidMeter ? line.regelAantal : line.regelLengte) * s.subaantal;
        }
        updates.add({orderKey, s.regel, decimalText(quantity)});
    }
}

} // namespace

bool LineQuantities::recompute(const QString& orderKey, const QString& regel, RowBatch& updates)
{
    const QList<DbArg> args{{QStringLiteral("order"), orderKey}, {QStringLiteral("Regel"), regel}};
    const DbRows line = session_.call(QStringLiteral("VonuOrderRegelAantal"), args);
    if (!line)
        return false;
    const DbRows subRows = session_.call(QStringLiteral("VonuOrderSubArtikel"), args);
    if (!subRows)
        return false;
    std::vector<SubRow> subs;
    bool needDetails = false;
    for (int i = 0; i < subRows.size(); ++i) {
        subs.push_back(subAt(subRows, i));
        needDetails = needDetails || spreadAlongLength(subs.back());
    }
    std::vector<Detail> details;
    // The details are the same for every sub-article of the line.
    if (needDetails) {
        const DbRows d = session_.call(QStringLiteral("VonuOrderDetailArtikel"), args);
        if (!d)
            return false;
        for (int i = 0; i < d.size(); ++i)
            details.push_back(detailAt(d, i));
    }
    addQuantities(orderKey, regel, line.found() ? totalsAt(line, 0) : LineTotals{}, subs, details, updates);
    return true;
}

// What recompute asks per line, asked for the whole order: on a large
// order the statements per line (each planned anew) were most of the time
// of this step.
bool LineQuantities::recomputeAllMadeToSize(const QString& orderKey)
{
    const DbRows lines = madeToSize(orderKey);
    if (!lines)
        return false;
    // Asked on its own: joined to the lines, the planner evaluated it once
    // per line.
    const DbRows totals = session_.call(QStringLiteral("VonuOrderRegelAantallen"), {{QStringLiteral("order"), orderKey}});
    if (!totals)
        return false;
    std::map<QString, int> totalsOf;
    for (int i = 0; i < totals.size(); ++i)
        totalsOf.emplace(totals.text(QStringLiteral("Regel"), i), i);
    const DbRows subRows = session_.call(QStringLiteral("VonuOrderSubArtikelen"), {{QStringLiteral("order"), orderKey}});
    if (!subRows)
        return false;
    std::map<QString, std::vector<SubRow>> subsOf;
    std::set<QString> needDetails;
    for (int i = 0; i < subRows.size(); ++i) {
        const QString kop = subRows.text(QStringLiteral("KopRegel"), i);
        subsOf[kop].push_back(subAt(subRows, i));
        if (spreadAlongLength(subsOf[kop].back()))
            needDetails.insert(kop);
    }
    std::map<QString, std::vector<Detail>> detailsOf;
    if (!needDetails.empty()) {
        const DbRows d = session_.call(QStringLiteral("VonuOrderDetailArtikelen"), {{QStringLiteral("order"), orderKey}});
        if (!d)
            return false;
        for (int i = 0; i < d.size(); ++i) {
            const QString kop = d.text(QStringLiteral("KopRegel"), i);
            if (needDetails.count(kop))
                detailsOf[kop].push_back(detailAt(d, i));
        }
    }
    RowBatch updates = quantityUpdates();
    static const std::vector<SubRow> noSubs;
    static const std::vector<Detail> noDetails;
    for (int i = 0; i < lines.size(); ++i) {
        const QString regel = lines.text(QStringLiteral("Regel"), i);
        const auto t = totalsOf.find(regel);
        const auto s = subsOf.find(regel);
        const auto d = detailsOf.find(regel);
        addQuantities(orderKey, regel, t == totalsOf.end() ? LineTotals{} : totalsAt(totals, t->second),
                      s == subsOf.end() ? noSubs : s->second, d == detailsOf.end() ? noDetails : d->second, updates);
    }
    return updates.update(session_, 2);
}

} // namespace vonu
