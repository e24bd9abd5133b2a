#pragma once
// The choices a line's catalog article offers: the entries of the
// sub-article and operation lists (with their offer classes) and the
// default executions, as the line entry and the panels of the current line
// both need them.

#include "data/MorvekXML.h"

#include <QString>
#include <QStringList>

namespace vonu {

class CustomerArticleList;
struct KlantArtikel;

namespace OfferLists {

// Offer class of a sub-article or operation: "K" only for customers whose
// article list holds the code, "I" only at the order desk, any other value
// for everybody.
bool offered(const QString& vonuArtikel, const QString& code, const CustomerArticleList& klant,
             bool internalMode);

// An empty entry, then the code of each offered sub-article in catalog
// order; empty (no entry at all) when the article has no sub-articles.
QStringList subartikelChoices(const TXMLArtikel& artikel, const CustomerArticleList& klant,
                              bool internalMode);
// The same for operations; an operation with ALT key "R" is never listed.
QStringList bewerkingChoices(const TXMLArtikel& artikel, const CustomerArticleList& klant,
                             bool internalMode);
// True when the article has an operation with ALT key "R": the line then
// offers a colour.
bool offersColour(const TXMLArtikel& artikel);
// True when one of the line's sub-article codes is a catalog sub-article
// of `artikel` with a size correction.
bool needsCorrection(const TXMLArtikel& artikel, const QStringList& subartikelCodes);

// Default execution of a trade-length line: the customer's execution for
// trade lengths when it has one ("Geboord" stays, anything else is
// "Ongeboord"), else from `ArtikelUitvoering_1`.
QString tradeLengthExecution(const TXMLArtikel& artikel, const KlantArtikel* klant);
// Default execution of a made-to-measure line: the customer's execution for
// made-to-measure when it has one ("Ongeboord" stays, anything else is
// "Geboord"), else from `ArtikelUitvoering_2`.
QString madeToMeasureExecution(const TXMLArtikel& artikel, const KlantArtikel* klant);

} // namespace OfferLists
} // namespace vonu
