#include "order/OfferLists.h"

#include "order/ArticleLists.h"
#include "order/OrderValues.h"

namespace vonu::OfferLists {

namespace {

const QString Geboord{Waarde::Geboord};
const QString Ongeboord{Waarde::Ongeboord};

template <class Item, class Collection, class ClassOf, class Skip>
QStringList choices(const Collection& items, const CustomerArticleList& klant, bool internalMode,
                    ClassOf classOf, Skip skip)
{
    QStringList list;
    for (const Item item : items) {
        if (list.isEmpty())
            list.append(QString());
        const QString code = item.Artikel().trimmed();
        if (skip(item) || !offered(classOf(item), code, klant, internalMode))
            continue;
        list.append(code);
    }
    return list;
}

} // namespace

bool offered(const QString& vonuArtikel, const QString& code, const CustomerArticleList& klant,
             bool internalMode)
{
    const QString k = vonuArtikel.trimmed();
    if (k == QLatin1String("K"))
        return klant.contains(code);
    if (k == QLatin1String("I"))
        return internalMode;
    return true;
}

QStringList subartikelChoices(const TXMLArtikel& artikel, const CustomerArticleList& klant,
                              bool internalMode)
{
    return choices<TXMLSubartikel>(
        artikel.Subartikelen(), klant, internalMode,
        [](const TXMLSubartikel& s) { return s.SubartikelVonuArtikel(); },
        [](const TXMLSubartikel&) { return false; });
}

QStringList bewerkingChoices(const TXMLArtikel& artikel, const CustomerArticleList& klant,
                             bool internalMode)
{
    return choices<TXMLBewerking>(
        artikel.Bewerkingen(), klant, internalMode,
        [](const TXMLBewerking& b) { return b.BewerkingVonuArtikel(); },
        [](const TXMLBewerking& b) { return b.BewerkingALT_toets().trimmed() == QLatin1String("R"); });
}

bool offersColour(const TXMLArtikel& artikel)
{
    for (const TXMLBewerking b : artikel.Bewerkingen())
        if (b.BewerkingALT_toets().trimmed() == QLatin1String("R"))
            return true;
    return false;
}

bool needsCorrection(const TXMLArtikel& artikel, const QStringList& subartikelCodes)
{
    for (const QString& code : subartikelCodes) {
        const QString wanted = code.trimmed();
        if (wanted.isEmpty())
            continue;
        for (const TXMLSubartikel s : artikel.Subartikelen())
            if (s.Artikel().trimmed() == wanted) {
                if (!s.SubartikelMaatcorrectie().trimmed().isEmpty())
                    return true;
                break;
            }
    }
    return false;
}

QString tradeLengthExecution(const TXMLArtikel& artikel, const KlantArtikel* klant)
{
    if (klant && !klant->uitvoering1.trimmed().isEmpty())
        return klant->uitvoering1.trimmed() == Geboord ? Geboord : Ongeboord;
    return artikel.ArtikelUitvoering_1().trimmed() == Geboord ? Geboord : Ongeboord;
}

QString madeToMeasureExecution(const TXMLArtikel& artikel, const KlantArtikel* klant)
{
    if (klant && !klant->uitvoering2.trimmed().isEmpty())
        return klant->uitvoering2.trimmed() == Ongeboord ? Ongeboord : Geboord;
    return artikel.ArtikelUitvoering_2().trimmed() == Geboord ? Geboord : Ongeboord;
}

} // namespace vonu::OfferLists
