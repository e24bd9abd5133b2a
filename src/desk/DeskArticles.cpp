#include "desk/DeskArticles.h"

#include "desk/DbConventions.h"
#include "desk/DbSession.h"

namespace vonu {

DeskArticles::DeskArticles(DbSession& db) : db_(db) {}

std::optional<bool> DeskArticles::isSillArticle(const QString& code)
{
    const DbRows rows = db_.select(QStringLiteral("select g.Onderdorpel from Artikel a join Productgroep g "
                                                  "on g.Productgroep = a.Productgroep where a.Artikel = ?"),
                                   {code});
    if (!rows.found())
        return std::nullopt;
    return rows.flag(QStringLiteral("Onderdorpel"));
}

OrderType DeskArticles::orderType(const QString& ordernummer, const QString& firstArticle)
{
    std::optional<bool> sill;
    if (!ordernummer.trimmed().isEmpty()) {
        const DbRows rows = db_.select(
            QStringLiteral("select g.Onderdorpel from OrderProduktieregel r join Artikel a on a.Artikel = r.Artikel "
                           "join Productgroep g on g.Productgroep = a.Productgroep "
                           "where r.\"order\" = ? and r.Regel = ?"),
            {orderKey(ordernummer), lineKey(1)});
        if (rows.found())
            sill = rows.flag(QStringLiteral("Onderdorpel"));
    } else if (!firstArticle.trimmed().isEmpty()) {
        sill = isSillArticle(firstArticle);
    }
    if (!sill)
        return OrderType::Undetermined;
    return *sill ? OrderType::Sill : OrderType::Normal;
}

} // namespace vonu
