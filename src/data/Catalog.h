#pragma once
// The assortment catalog (`Assortiment.Xml`) as loaded for the run: the
// document, an index of its articles by code, and the current catalog
// article that order entry reads sizes, sub-articles and operations from.

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
    // Find catalog article: makes the matching article current and reports
    // whether there was one. When not found the current article is cleared.
    bool findArticle(const QString& lineArticleText);
    // The article with this (trimmed) code, without changing the current one;
    // null when absent. A code listed twice finds its first article.
    TXMLArtikel article(const QString& code) const;
    int articleCount() const { return int(index_.size()); }

    TXMLArtikel currentArticle() const { return current_; }
    bool hasCurrentArticle() const { return !current_.isNull(); }
    // The article lists make the last article they examined current.
    void setCurrentArticle(const TXMLArtikel& article) { current_ = article; }

    // The first sub-article (operation) of the current article whose trimmed
    // code equals the trimmed code; null when none or no current article.
    TXMLSubartikel findSubartikel(const QString& code) const;
    TXMLBewerking findBewerking(const QString& code) const;

private:
    bool buildIndex();

    MorvekDocument doc_;
    QHash<QString, pugi::xml_node> index_;
    TXMLArtikel current_;
};

} // namespace vonu
