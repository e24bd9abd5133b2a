#include "data/Catalog.h"

namespace vonu {

namespace {

constexpr int kCustomerNumberWidth = 30;
constexpr int kCatalogCodeWidth = 16;

} // namespace

bool Catalog::load(const QString& path)
{
    clear();
    return doc_.loadFile(path) && buildIndex();
}

bool Catalog::loadText(const QString& xml)
{
    clear();
    return doc_.loadText(xml) && buildIndex();
}

bool Catalog::loadBytes(const QByteArray& bytes)
{
    clear();
    return doc_.loadBytes(bytes) && buildIndex();
}

void Catalog::clear()
{
    current_ = TXMLArtikel();
    index_.clear();
    doc_.clear();
}

bool Catalog::buildIndex()
{
    const TXMLArtikelen articles = assortiment().Artikelen();
    for (const TXMLArtikel a : articles) {
        const QString code = QString::fromUtf8(a.node().attribute("Artikel").value()).trimmed();
        if (!code.isEmpty() && !index_.contains(code))
            index_.insert(code, a.node());
    }
    return true;
}

QString Catalog::colourEntry(const TXMLKleur& kleur)
{
    return kleur.Kleur() + QLatin1Char(' ') + kleur.KleurOmschrijving();
}

QStringList Catalog::colourEntries() const
{
    QStringList entries{QString()};
    for (const TXMLKleur k : assortiment().Kleuren())
        entries.append(colourEntry(k));
    return entries;
}

QString Catalog::catalogCodeOf(const QString& lineArticleText)
{
    const QString t = lineArticleText.trimmed();
    if (t.size() <= kCustomerNumberWidth)
        return t;
    return t.mid(kCustomerNumberWidth, kCatalogCodeWidth).trimmed();
}

TXMLArtikel Catalog::article(const QString& code) const
{
    const auto it = index_.constFind(code.trimmed());
    return it == index_.constEnd() ? TXMLArtikel() : TXMLArtikel(it.value());
}

bool Catalog::findArticle(const QString& lineArticleText)
{
    const QString code = catalogCodeOf(lineArticleText);
    current_ = code.isEmpty() ? TXMLArtikel() : article(code);
    return !current_.isNull();
}

TXMLSubartikel Catalog::findSubartikel(const QString& code) const
{
    const QString wanted = code.trimmed();
    if (wanted.isEmpty())
        return {};
    for (const TXMLSubartikel s : current_.Subartikelen()) {
        if (s.Artikel().trimmed() == wanted)
            return s;
    }
    return {};
}

TXMLBewerking Catalog::findBewerking(const QString& code) const
{
    const QString wanted = code.trimmed();
    if (wanted.isEmpty())
        return {};
    for (const TXMLBewerking b : current_.Bewerkingen()) {
        if (b.Artikel().trimmed() == wanted)
            return b;
    }
    return {};
}

} // namespace vonu
