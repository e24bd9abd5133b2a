#include "order/DetailTotal.h"

#include "order/OrderModel.h"

#include <optional>

namespace vonu {

namespace {

// Far beyond anything a field holds, and small enough that 125 rows of
// quantity x size cannot overflow 64 bits.
constexpr std::int64_t GrootsteWaarde = 99'999'999;

// A whole number within range, or nothing: a pasted or hand-edited value
// such as 9999999999 must not wrap the total round.
std::optional<std::int64_t> whole(const QString& text)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < 0 || v > GrootsteWaarde)
        return std::nullopt;
    return v;
}

// Whole millimetres rounded up to the next multiple of 100 (negative
// values, which the fields cannot hold, round towards zero).
std::int64_t upToDecimetres(std::int64_t mm)
{
    return mm > 0 ? (mm + 99) / 100 * 100 : mm / 100 * 100;
}

} // namespace

DetailTotaal detailTotaal(const OrderModel& order, int line)
{
    DetailTotaal t;
    for (int row = 1; row <= MaxDetails; ++row) {
        const QString aantal = order.detailAantal(line, row).trimmed();
        const QString maat = order.detailMaat(line, row).trimmed();
        if (aantal.isEmpty() && maat.isEmpty())
            continue;
        if (aantal.isEmpty()) {
            t.aantalOntbreekt = true;
            continue;
        }
        if (maat.isEmpty()) {
            t.maatOntbreekt = true;
            continue;
        }
        // A refused size is kept as "0" so the user sees where to look; its
        // pieces count, but it is no size the manufacturer can cut.
        if (whole(maat) <= 0)
            t.maatOntbreekt = true;
        // 64 bits: five figures of quantity times four of size over 125
        // rows does not fit 32. A value out of range counts as missing, so
        // the line cannot go out with a wrong total.
        const std::optional<std::int64_t> qv = whole(aantal);
        const std::optional<std::int64_t> sv = whole(maat);
        if (!qv)
            t.aantalOntbreekt = true;
        if (!sv)
            t.maatOntbreekt = true;
        if (!qv || !sv)
            continue;
        const std::int64_t q = *qv;
        const std::int64_t s = *sv;
        t.stuks += q;
        t.lengte += q * s;
        t.gefactureerd += q * (s > 1000 ? upToDecimetres(s) : 1000);
    }
    return t;
}

QString meters(std::int64_t mm, QChar decimaal)
{
    const std::int64_t dm = upToDecimetres(mm) / 100;
    const std::int64_t heel = dm / 10;
    const std::int64_t rest = dm % 10;
    return QString::number(heel) + decimaal + QString::number(rest < 0 ? -rest : rest);
}

QString detailTotaalTekst(const DetailTotaal& t, bool meterDm, QChar decimaal)
{
    if (t.stuks == 0 && t.lengte == 0)
        return QStringLiteral("*");
    QString text = QString::number(t.stuks);
    if (t.aantalOntbreekt)
        text += u'*';
    text += u'/';
    text += meters(meterDm ? t.gefactureerd : t.lengte, decimaal);
    if (t.maatOntbreekt)
        text += u'*';
    return text;
}

} // namespace vonu
