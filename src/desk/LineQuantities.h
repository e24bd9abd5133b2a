#pragma once
// The two passes that make the quantities of stored lines final: the size
// corrections (detail sizes of metre articles shortened by the article's
// and the sub-articles' correction, with the metre quantity of the main
// line recomputed) and the line quantities (the quantity of a line made to
// size and of each of its sub-articles, fixings counted along each length).

#include "desk/RowBatch.h"

#include <QString>

namespace vonu {

class DbSession;
struct DbRows;

class LineQuantities {
public:
    explicit LineQuantities(DbSession& session, Writing writing = Writing::Batched)
        : session_(session), writing_(writing)
    {
    }

    // Records the sizes in mm as entered and gives rows without a packing
    // type theirs (VonuOrderCorrigeer_MV_VP). False on failure.
    bool recordEnteredSizes(const QString& orderKey);
    // Size corrections of every metre line of rows stored as entered, read
    // back and written over them (correctLine per line; a batched store
    // writes its rows corrected at once by the same rule). False on failure.
    bool correctSizes(const QString& orderKey);
    // Line quantities of every main line made to size (an article and no
    // measure text).
    bool recomputeMadeToSize(const QString& orderKey);

private:
    bool recompute(const QString& orderKey, const QString& regel, RowBatch& updates);
    bool recomputeAllMadeToSize(const QString& orderKey);
    // The main lines made to size (an article and no measure text).
    DbRows madeToSize(const QString& orderKey);
    RowBatch quantityUpdates() const;

    DbSession& session_;
    Writing writing_;
};

} // namespace vonu
