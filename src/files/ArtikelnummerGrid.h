#pragma once
// The customer's own article numbers as the grid of the article-numbers
// screen shows them: one row per catalog article the customer may order,
// column 0 for all addresses and one column per shipping address; and the
// article-numbers file that keeps and carries them.

#include "data/MorvekDocument.h"

#include <QStringList>
#include <QVector>

namespace vonu {

class Catalog;
class CustomerProfile;

struct ArtikelnummerGrid {
    QStringList codes;            // row r: catalog code
    QStringList descriptions;     // row r: both description lines
    QStringList addressCodes;     // address column j: `Verzend` code
    QStringList addressNames;     // address column j: `VerzendadresZoeknaam` (legend)
    QVector<QStringList> numbers; // [column][row]; column 0 = all addresses ("XX")

    int columnCount() const { return int(numbers.size()); }
    int rowCount() const { return int(codes.size()); }
    // The row of a (trimmed) code, -1 when absent.
    int rowOf(const QString& code) const;
    // The column of a `Verzend` value: 0 for "XX", else the first address
    // column whose header "Adres " + code has it as characters 7-8; -1 when none.
    int columnOf(const QString& verzend) const;
};

// The article codes of the customer article list for one shipping address,
// as order entry builds it: the address's entries, then the customer-wide
// entries not yet listed; at most 250.
QStringList customerArticleCodes(const CustomerProfile& profile, int addressIndex);

// Rows and the profile's numbers. `customerArticles` is the customer article
// list of the order lines; it is extended, for this grid only, with the
// articles of every shipping address.
ArtikelnummerGrid buildArtikelnummerGrid(const CustomerProfile& profile, const Catalog& catalog,
                                         const QStringList& customerArticles);

// Puts the numbers of an article-numbers file over the profile's; entries
// whose address or article is not in the grid are dropped.
void applyArtikelnummers(ArtikelnummerGrid& grid, const MorvekDocument& file);

// The article-numbers document: one entry per non-empty cell, column by
// column, top to bottom; `written` receives the number of entries.
MorvekDocument buildArtikelnummersDocument(const ArtikelnummerGrid& grid, const QString& debiteur, int* written);

} // namespace vonu
