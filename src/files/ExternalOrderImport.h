#pragma once
// What is particular to order documents and sill files that customers send
// to the order desk: which incoming folder the button takes from, the
// refusal of article-number files, and the articles of an incoming order
// that the manufacturer has replaced since the customer's catalog was made.

#include <QString>

#include <functional>

namespace vonu {

class OrderModel;

// The folders of Morvek.Ini, resolved to absolute paths (empty when not set).
struct IncomingFolders {
    QString orders;    // `VonuOrder`: customers' order documents
    QString sillPost;  // `OnderdorpelPost`: incoming sill macro files
    QString sillPre;   // `OnderdorpelPre`: the sill macro file folder
};

enum class ImportRoute {
    Geen,
    Order,        // an order document waits: it always goes first
    Onderdorpel,  // no order document, but a sill macro file waits
};
ImportRoute importRoute(const IncomingFolders& folders);

// Article-number files arrive in the same mailbox; they are read by the
// administration, never opened as an order.
bool isArticleNumberFile(const QString& path);

// The successor of a replaced article: true with *successor empty when the
// code stays (active, unknown, or no successor), false when the question
// could not be answered (the answerer has told the user why).
using ArticleSuccessor = std::function<bool(const QString& code, QString* successor)>;

// Replaces, in document order (each line's article, then its sub-articles,
// then its operations; details carry no article), every article the
// lookup names a successor for, and returns through *remark the lines the
// order confirmation remark gets: one per replacement, then an empty line
// and the advice to download the current catalog. False when a lookup
// failed; the order may then be partly changed, so the caller drops it.
bool replaceInactiveArticles(OrderModel& order, const ArticleSuccessor& successor, QString* remark);

} // namespace vonu
