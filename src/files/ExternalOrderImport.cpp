#include "files/ExternalOrderImport.h"

#include "base/WorkingFolder.h"
#include "order/OrderModel.h"

#include <QHash>

namespace vonu {

namespace {

namespace Tekst {
const char* const Vervangen = "LET OP, Artikel %1 is vervangen door artikel %2.\r\n";
const char* const Download = "\r\nDownload de laatste versie van het artikelbestand \"divezudazir.ovo\" van "
                             "www.morvek.nl, zodat u met de recente productinformatie werkt.\r\n";
const char* const ArtikelnummerBestand = "Artikelnummers_";
} // namespace Tekst

bool holds(const QString& folder, const QString& pattern)
{
    return !folder.isEmpty() && WorkingFolder(folder).holdsMatch(pattern);
}

} // namespace

ImportRoute importRoute(const IncomingFolders& folders)
{
    if (holds(folders.orders, QStringLiteral("*.Xml")))
        return ImportRoute::Order;
    if (holds(folders.sillPost, QStringLiteral("*.Txt")))
        return ImportRoute::Onderdorpel;
    return ImportRoute::Geen;
}

bool isArticleNumberFile(const QString& path)
{
    return path.contains(QLatin1String(Tekst::ArtikelnummerBestand), Qt::CaseSensitive);
}

bool replaceInactiveArticles(OrderModel& order, const ArticleSuccessor& successor, QString* remark)
{
    remark->clear();
    // One question per code: an order repeats its articles.
    QHash<QString, QString> known;
    bool ok = true;
    const auto replace = [&](const QString& code, auto&& store) {
        if (!ok || code.trimmed().isEmpty())
            return;
        auto it = known.constFind(code);
        if (it == known.constEnd()) {
            QString next;
            if (!successor(code, &next)) {
                ok = false;
                return;
            }
            it = known.insert(code, next);
        }
        if (it.value().isEmpty())
            return;
        remark->append(QString::fromUtf8(Tekst::Vervangen).arg(code.trimmed(), it.value().trimmed()));
        store(it.value());
    };
    for (int line = 1; line <= MaxOrderregels && ok; ++line) {
        if (!order.lineInUse(line))
            continue;
        replace(order.field(line, Veld::Artikel), [&](const QString& s) { order.setField(line, Veld::Artikel, s); });
        for (int row = 1; row <= MaxSubartikelen; ++row)
            if (order.subartikelInUse(line, row))
                replace(order.subartikel(line, row, 1),
                        [&](const QString& s) { order.setSubartikel(line, row, 1, s); });
        for (int row = 1; row <= MaxBewerkingen; ++row)
            if (order.bewerkingInUse(line, row))
                replace(order.bewerking(line, row, 1), [&](const QString& s) { order.setBewerking(line, row, 1, s); });
    }
    if (!ok)
        return false;
    if (!remark->isEmpty())
        remark->append(QString::fromUtf8(Tekst::Download));
    return true;
}

} // namespace vonu
