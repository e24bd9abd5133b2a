#pragma once
// The assortment catalog (`Assortiment.Xml`) as loaded for the run: the
// document and an index of its articles by code. Lookups hand the article
// back; nothing in the catalog moves when somebody reads it.

#include "data/MorvekDocument.h"

#include <QHash>
#include <QStringList>

namespace vonu {

class Catalog {
public:
    // Loads and indexes the file; false with errorText() on a broken file
    // (the catalog is then empty). Integrity and date tests are separate
    // (FileStamp.h, DataStartup.h).
    bool load(const QString& path);
    // The same from memory (tests, generated catalogs, the fuzz target).
    bool loadText(const QString& xml);
    bool loadBytes(const QByteArray& bytes);
    void clear();

    bool isLoaded() const { return doc_.isActive(); }
    QString errorText() const { return doc_.errorText(); }
    QString fileName() const { return doc_.fileName(); }
    MorvekDocument& document() { return doc_; }
    TXMLAssortiment assortiment() const { return doc_.GetMorvek().Assortiment(); }

    QString bestandVersie() const { return assortiment().BestandVersie(); }
    // `LeveringsInformatie` as stored (line breaks kept).
    QString deliveryInformation() const { return assortiment().LeveringsInformatie(); }

    // The entries of the colour lists `Kleur1` ... `Kleur6`: an empty entry,
    // then "code description" per `Kleur` in catalog order.
    QStringList colourEntries() const;
    static QString colourEntry(const TXMLKleur& kleur);

    // The catalog code a line's article text stands for: the trimmed text
    // when it has at most 30 characters, else its characters 31-46 trimmed
    // (the code behind a customer article number).
    static QString catalogCodeOf(const QString& lineArticleText);
    // The catalog article a line's article text stands for (see
    // catalogCodeOf); null when the catalog has none.
    TXMLArtikel lookup(const QString& lineArticleText) const;
    // The article with this (trimmed) code; null when absent. A code listed
    // twice finds its first article.
    TXMLArtikel article(const QString& code) const;
    int articleCount() const { return int(index_.size()); }

    // The first sub-article (operation) of `artikel` whose trimmed code
    // equals the trimmed code; null when none or `artikel` is null.
    static TXMLSubartikel subartikelOf(const TXMLArtikel& artikel, const QString& code);
    static TXMLBewerking bewerkingOf(const TXMLArtikel& artikel, const QString& code);

private:
    bool buildIndex();

    MorvekDocument doc_;
    QHash<QString, pugi::xml_node> index_;
};

} // namespace vonu
