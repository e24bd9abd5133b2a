#include "order/ArticleLists.h"

#include "data/Catalog.h"
#include "data/CustomerProfile.h"

#include <QSet>

#include <algorithm>
#include <cstring>

namespace vonu {

namespace {

const QLatin1String SillPrefix("Onderdorpelorder in ");
const QLatin1String NormalPrefix("Normale order in ");

// Lists are sorted as the user sees them: letters regardless of case, exact
// case only to order otherwise equal entries.
bool entryLess(const QString& a, const QString& b)
{
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

bool isTrimmed(const QString& s)
{
    return s.isEmpty() || (!s.front().isSpace() && !s.back().isSpace());
}

// The field value of a child element, read straight from the tree: the
// article lists read three fields of every catalog article, and the typed
// getters would convert each to a QString first.
bool fieldIs(pugi::xml_node article, const char* name, const char* value)
{
    const char* text = article.child_value(name);
    // Compared trimmed, as every catalog flag is.
    while (*text == ' ' || *text == '\t' || *text == '\r' || *text == '\n')
        ++text;
    const std::size_t n = std::strlen(value);
    if (std::strncmp(text, value, n) != 0)
        return false;
    for (text += n; *text; ++text)
        if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n')
            return false;
    return true;
}

} // namespace

// ------------------------------------------------------- CustomerArticleList

void CustomerArticleList::clear()
{
    for (int i = 0; i < count_; ++i)
        entries_[std::size_t(i)] = KlantArtikel{};
    count_ = 0;
}

int CustomerArticleList::find(const QString& code) const
{
    const QString wanted = code.trimmed();
    if (wanted.isEmpty())
        return -1;
    for (int i = 0; i < count_; ++i)
        if (entries_[std::size_t(i)].artikel.trimmed() == wanted)
            return i;
    return -1;
}

const KlantArtikel* CustomerArticleList::lookup(const QString& code) const
{
    const int i = find(code);
    return i >= 0 ? &entries_[std::size_t(i)] : nullptr;
}

bool CustomerArticleList::append(const KlantArtikel& entry)
{
    if (count_ >= MaxKlantartikelen || entry.artikel.trimmed().isEmpty())
        return false;
    entries_[std::size_t(count_++)] = entry;
    return true;
}

// ---------------------------------------------------------------- captions

QString orderTypeCaption(const QString& caption, OrderType type)
{
    if (type == OrderType::Undetermined)
        return caption;
    QString rest = caption;
    if (rest.startsWith(SillPrefix))
        rest = rest.mid(SillPrefix.size());
    else if (rest.startsWith(NormalPrefix))
        rest = rest.mid(NormalPrefix.size());
    return (type == OrderType::Sill ? QString(SillPrefix) : QString(NormalPrefix)) + rest;
}

// ------------------------------------------------------------ ArticleLists

QString ArticleLists::customerNumberEntry(const QString& customerNumber, const QString& code)
{
    return (customerNumber + QStringLiteral(" *")).leftJustified(CustomerNumberWidth, u' ', true) +
           code.trimmed();
}

void ArticleLists::clear()
{
    entries_ = QStringList{QString()};
    untrimmed_ = false;
    klant_.clear();
}

void ArticleLists::takeCatalogOffer(const Catalog& catalog)
{
    const TXMLAssortiment root = catalog.assortiment();
    const void* id = root.node().internal_object();
    if (offer_.root == id && offer_.articles == catalog.articleCount())
        return;
    offer_ = CatalogOffer{};
    offer_.root = id;
    offer_.articles = catalog.articleCount();
    QStringList desk;
    for (const TXMLArtikel a : root.Artikelen()) {
        const pugi::xml_node n = a.node();
        if (!fieldIs(n, "ArtikelHandelslengte", "J") && !fieldIs(n, "ArtikelOpmaat", "J"))
            continue;
        const QString code = a.Artikel().trimmed();
        if (code.isEmpty())
            continue;
        if (fieldIs(n, "ArtikelVonuArtikel", "J"))
            offer_.everybody.append(code);
        else if (fieldIs(n, "ArtikelVonuArtikel", "I"))
            desk.append(code);
        else
            offer_.conditional.append(code);
    }
    std::sort(offer_.everybody.begin(), offer_.everybody.end(), entryLess);
    std::sort(desk.begin(), desk.end(), entryLess);
    offer_.withDesk.reserve(offer_.everybody.size() + desk.size());
    std::merge(offer_.everybody.cbegin(), offer_.everybody.cend(), desk.cbegin(), desk.cend(),
               std::back_inserter(offer_.withDesk), entryLess);
}

void ArticleLists::fill(const CustomerProfile& profile, int shipTo, const Catalog& catalog,
                        bool internalMode, OrderType type, const SillArticleQuery& sill)
{
    klant_.clear();
    const bool filtered = type != OrderType::Undetermined && sill;
    const auto passes = [&](const QString& code) {
        if (!filtered)
            return true;
        const std::optional<bool> isSill = sill(code.trimmed());
        return isSill.has_value() && *isSill == (type == OrderType::Sill);
    };

    QStringList extra;  // customer-number entries and customer-only codes
    const TXMLSleutel sleutel = profile.sleutel();

    // Articles of the chosen shipping address. Up to 251 entries are looked
    // at (the list holds 250); an entry the order type filters out leaves no
    // gap, so the articles after it are still found.
    int index = 0;
    for (const TXMLVerzendadres v : sleutel.Verzendadressen()) {
        if (index++ != shipTo)
            continue;
        int examined = 0;
        for (const TXMLVerzendadresartikel va : v.Verzendadresartikelen()) {
            if (examined++ > MaxKlantartikelen)
                break;
            const QString code = va.Artikel();
            if (!passes(code))
                continue;
            klant_.append({code, va.VerzendadresartikelUitvoering_1(), va.VerzendadresartikelUitvoering_2()});
            const QString nummer = va.VerzendadresartikelArtikelKlant();
            if (!nummer.isEmpty())
                extra.append(customerNumberEntry(nummer, code));
        }
        break;
    }

    // Debtor-level articles: they complete what the shipping address left
    // empty and never override it.
    for (const TXMLDebiteurartikel da : sleutel.Debiteurartikelen()) {
        const QString code = da.Artikel();
        if (!passes(code))
            continue;
        const int found = klant_.find(code);
        if (found >= 0) {
            KlantArtikel& k = klant_.at(found);
            if (k.uitvoering1.isEmpty())
                k.uitvoering1 = da.DebiteurartikelUitvoering_1();
            if (k.uitvoering2.isEmpty())
                k.uitvoering2 = da.DebiteurartikelUitvoering_2();
        } else {
            klant_.append({code, da.DebiteurartikelUitvoering_1(), da.DebiteurartikelUitvoering_2()});
        }
        const QString nummer = da.DebiteurartikelArtikelKlant();
        if (!nummer.isEmpty())
            extra.append(customerNumberEntry(nummer, code));
    }

    // The catalog. Its general offer is sorted once per catalog; only the
    // customer's part is sorted per fill.
    QStringList base;
    if (filtered) {
        for (const TXMLArtikel a : catalog.assortiment().Artikelen()) {
            const pugi::xml_node n = a.node();
            if (!fieldIs(n, "ArtikelHandelslengte", "J") && !fieldIs(n, "ArtikelOpmaat", "J"))
                continue;
            const QString code = a.Artikel().trimmed();
            if (code.isEmpty() || !passes(code))
                continue;
            if (fieldIs(n, "ArtikelVonuArtikel", "J") || (internalMode && fieldIs(n, "ArtikelVonuArtikel", "I")))
                base.append(code);
            else if (!fieldIs(n, "ArtikelVonuArtikel", "I") && klant_.contains(code))
                extra.append(code);
        }
        std::sort(base.begin(), base.end(), entryLess);
    } else {
        takeCatalogOffer(catalog);
        base = internalMode ? offer_.withDesk : offer_.everybody;
        if (klant_.count() > 0) {
            QSet<QString> codes;
            for (int i = 0; i < klant_.count(); ++i)
                codes.insert(klant_.entry(i).artikel.trimmed());
            for (const QString& code : offer_.conditional)
                if (codes.contains(code))
                    extra.append(code);
        }
    }
    std::sort(extra.begin(), extra.end(), entryLess);

    QStringList entries;
    entries.reserve(1 + base.size() + extra.size());
    entries.append(QString());
    std::merge(base.cbegin(), base.cend(), extra.cbegin(), extra.cend(), std::back_inserter(entries),
               entryLess);
    entries_ = std::move(entries);
    untrimmed_ = !std::all_of(extra.cbegin(), extra.cend(), isTrimmed);
}

int ArticleLists::indexOf(const QString& text) const
{
    const QString wanted = text.trimmed();
    if (untrimmed_) {
        for (qsizetype i = 1; i < entries_.size(); ++i)
            if (entries_[i].trimmed() == wanted)
                return int(i);
        return 0;
    }
    // Entries equal to each other lie side by side; the first is wanted.
    const auto it = std::lower_bound(entries_.cbegin() + 1, entries_.cend(), wanted, entryLess);
    return (it != entries_.cend() && *it == wanted) ? int(it - entries_.cbegin()) : 0;
}

int ArticleLists::firstStartingWith(const QString& prefix) const
{
    if (prefix.isEmpty())
        return entries_.isEmpty() ? -1 : 0;
    for (qsizetype i = 0; i < entries_.size(); ++i)
        if (entries_[i].startsWith(prefix))
            return int(i);
    return -1;
}

} // namespace vonu
