#pragma once
// Entering an order line by its EAN code at the order desk: the code is
// asked, looked up and checked in the database, and the line is then filled
// by the same line rules a hand-made choice runs (article, length, size,
// execution, the accompanying sub-articles and operations with their
// consequences), so it ends exactly as if the operator had chosen; the
// screen then shows it once.

#include "desk/EanLookup.h"

#include <functional>
#include <optional>

class QWidget;

namespace vonu {

class DbSession;
class LineRules;
class TVonuOrderscherm;

class EanEntry {
public:
    // Asks the code with the manufacturer's prefix pre-filled; nothing when
    // the operator cancelled.
    using AskCode = std::function<std::optional<QString>(const QString& voorvoegsel)>;

    EanEntry(TVonuOrderscherm& screen, DbSession& db, AskCode ask);

    // The real dialog, over `parent`.
    static AskCode dialoog(QWidget* parent);

    // "*" in the article field of row r (1..6).
    void run(int r);
    // The lookup's outcome put into row r; a refusal only shows its message.
    void apply(int r, const EanLookupResult& result);

private:
    void fill(int r, const EanProduct& product);
    void placeAccompanying(LineRules& rules, int line, const EanBegeleidend& b);
    void refuse(const QString& melding);
    void note(const QString& melding);

    TVonuOrderscherm& screen_;
    DbSession& db_;
    AskCode ask_;
    QString melding_;  // what could not be placed; shown once the focus has settled
};

} // namespace vonu
