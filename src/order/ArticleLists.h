#pragma once
// What a customer may order for the chosen shipping address: the entries of
// the six article lists (the catalog's general articles, the customer's own
// articles and their customer article numbers) and the customer article
// list that gives per-customer executions and decides which customer-only
// sub-articles and operations are offered.

#include "order/OrderModel.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace vonu {

class Catalog;
class CustomerProfile;

// One entry of the customer article list: the article and its executions
// for trade lengths (`Uitvoering_1`) and made-to-measure (`Uitvoering_2`).
struct KlantArtikel {
    QString artikel;
    QString uitvoering1;
    QString uitvoering2;
};

// The customer article list: a fixed table whose first empty entry ends it.
class CustomerArticleList {
public:
    void clear();
    // Entries before the first empty one.
    int count() const { return count_; }
    const KlantArtikel& entry(int index) const { return entries_.at(std::size_t(index)); }
    // Index of the first entry with this (trimmed) code, -1 when none.
    int find(const QString& code) const;
    const KlantArtikel* lookup(const QString& code) const;
    bool contains(const QString& code) const { return find(code) >= 0; }
    // Appends behind the last entry; false when the list is full.
    bool append(const KlantArtikel& entry);
    KlantArtikel& at(int index) { return entries_.at(std::size_t(index)); }

private:
    std::array<KlantArtikel, MaxKlantartikelen> entries_{};
    int count_ = 0;
};

// The order-desk order type: a sill order offers only sill articles, a
// normal order only the others.
enum class OrderType { Undetermined, Sill, Normal };

// Whether an article belongs to sill orders (its product group); nullopt
// when the article has no product group row. Answered by the database.
using SillArticleQuery = std::function<std::optional<bool>(const QString& code)>;

// The window caption with the order-type prefix ("Onderdorpelorder in ",
// "Normale order in "); a prefix it already carries is replaced, never
// repeated. Undetermined leaves the caption as it is.
QString orderTypeCaption(const QString& caption, OrderType type);

class ArticleLists {
public:
    // Width of the customer-number part of a customer article entry.
    static constexpr int CustomerNumberWidth = 30;

    // The customer article number, " *" and blanks, cut to 30 characters,
    // then the catalog code.
    static QString customerNumberEntry(const QString& customerNumber, const QString& code);

    // Rebuilds the entries and the customer article list for shipping
    // address `shipTo` (0-based) of the profile. With a determined order type
    // only articles whose `sill` answer matches it are taken.
    void fill(const CustomerProfile& profile, int shipTo, const Catalog& catalog, bool internalMode,
              OrderType type = OrderType::Undetermined, const SillArticleQuery& sill = {});
    void clear();

    // Sorted alphabetically (case-insensitive); entry 0 is the empty entry.
    const QStringList& entries() const { return entries_; }
    const CustomerArticleList& customerArticles() const { return klant_; }
    // The first entry from index 1 equal to `text` (both trimmed); 0 when
    // none does.
    int indexOf(const QString& text) const;
    // The first entry from index 0 that begins with `prefix` (exact case);
    // -1 when none does.
    int firstStartingWith(const QString& prefix) const;

private:
    struct CatalogOffer {
        const void* root = nullptr;  // the catalog the offer was taken from
        int articles = -1;
        QStringList everybody;    // "J", sorted
        QStringList withDesk;     // "J" and "I", sorted
        QStringList conditional;  // any other class: customers that list it
    };
    void takeCatalogOffer(const Catalog& catalog);

    QStringList entries_{QString()};
    bool untrimmed_ = false;  // an entry with blanks around it (slow lookups)
    CustomerArticleList klant_;
    CatalogOffer offer_;
};

} // namespace vonu
