#include "desk/ArticleSuccessors.h"

#include "desk/DbSession.h"

namespace vonu {

bool articleSuccessor(DbSession& db, const QString& code, QString* successor)
{
    successor->clear();
    const DbRows article = db.select(QStringLiteral("select Artikel, Aktief from Artikel where Artikel = ?"), {code});
    if (!article)
        return false;
    if (!article.found() || article.flag(QStringLiteral("Aktief")))
        return true;
    // The first successor by code, so the answer does not depend on the
    // order the server happens to return rows in.
    const DbRows next = db.select(QStringLiteral("select Artikel, VoorraadVoorloopArtikel from Artikel "
                                                 "where VoorraadVoorloopArtikel = ? order by Artikel limit 1"),
                                  {code});
    if (!next)
        return false;
    if (next.found())
        *successor = next.text(QStringLiteral("Artikel"));
    return true;
}

} // namespace vonu
