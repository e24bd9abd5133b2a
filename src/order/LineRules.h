#pragma once
// The rules that fill an order line, on the order in memory alone: what an
// article makes the line offer, what a length choice changes, the size
// check, the quantity derived from the details, and what sub-articles and
// operations mean for the line. Typing on the main screen, opening a stored
// order, the EAN entry and the import of external order files all fill
// lines through these rules; the screen only shows what they leave behind.

#include "order/OrderModel.h"
#include "order/OrderValidation.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace vonu {

class Catalog;
class CustomerArticleList;

// What the rebate rules (which sit above the order) made of an operation
// change on a line.
struct SponningGevolg {
    bool veldGetoond = false;   // flag 8 after the change: the rebate field is offered
    bool veldGewijzigd = false; // flag 8 changed; the line's rebate text was emptied
    bool dialoogNodig = false;  // rebate operations and recorded rebates differ
};
// Whether an operation change may open the rebate dialog: the EAN entry
// sets operations itself and opens the dialog afterwards.
enum class SponningDialoog { Toegestaan, Onderdrukt };
using SponningRegels = std::function<SponningGevolg(OrderModel& order, const Catalog& catalog, int line)>;

// A value of a line that the current catalog or lists cannot offer. It is
// kept as it was read; the user is told.
struct OnbekendeWaarde {
    int line = 0;
    QString wat;    // "artikel", "kleur", "maat", "meeleveren", "bewerking"
    QString waarde;
};

class LineRules {
public:
    // `klant` is the customer article list of the chosen shipping address;
    // `sponning` the rebate rules that run after an operation change.
    LineRules(OrderModel& order, const Catalog& catalog, const CustomerArticleList& klant, bool internalMode,
              SponningRegels sponning);

    // ----- what a line's article offers (all empty without a catalog article)
    // The length entries when the field is entered: "Handelslengte" and/or
    // "Op maat".
    QStringList lengthChoices(int line) const;
    // The trade lengths: each size + " Mtr".
    QStringList sizeChoices(int line) const;
    // An empty entry, then the offered codes; empty without any.
    QStringList subartikelChoices(int line) const;
    QStringList bewerkingChoices(int line) const;
    bool meterDm(int line) const;

    // ----- the line
    // Stores `artikel` as the line's article and prepares the line for it.
    void changeArticle(int line, const QString& artikel);
    // Prepare line for article: clears fields 2-12, flags 2-12 and every
    // row of the line, then sets what the catalog article offers, with the
    // default length, size and execution; a made-to-measure-only article
    // takes its length at once. An empty article leaves the line empty.
    // `artikel` is the text the article field shows; the line's own
    // `Artikel` is not written (the typed search prepares before storing).
    void prepareLine(int line, const QString& artikel);
    // Stores the length and applies it: a new length starts operations,
    // rebate and descriptions anew and picks size, execution, correction
    // and details for it.
    void changeLength(int line, const QString& lengte);
    void applyLengthChoice(int line);
    // Stores the execution and rewrites the description line that held the
    // previous one; false when no description line held an execution.
    bool changeExecution(int line, const QString& uitvoering);
    // A typed size: on a made-to-measure line a non-empty size is checked
    // first and the accepted text ("0" when refused) is stored.
    SizeCheckResult changeTypedSize(int line, const QString& maat);

    // ----- sub-articles and operations (row 1..25); return the previous code
    QString changeSubartikel(int line, int row, const QString& code);
    QString changeBewerking(int line, int row, const QString& code, SponningGevolg* gevolg = nullptr);
    // A sub-article with a size correction on a made-to-measure line offers
    // the correction (as "Zaagmaat"); without one it is withdrawn. True when
    // flag 4 changed.
    bool subartikelConsequences(int line);
    SponningGevolg bewerkingConsequences(int line);

    // ----- details (row 1..125); both recompute the line's quantity
    // True when the row now has a size but no quantity (the user is told).
    bool changeDetailAantal(int line, int row, const QString& aantal);
    // A non-empty size is checked first; the accepted text is stored.
    SizeCheckResult changeDetailMaat(int line, int row, const QString& maat);
    // The line's quantity text derived from its details, stored in the line.
    QString updateDetailTotal(int line);

    // ----- the order
    // The first incomplete line's messages; empty when the order is complete.
    QStringList completenessMessages() const;
    // Every value of the order that the catalog, the article lists
    // (`articleEntries`) or the colour list (`colourEntries`) cannot show.
    std::vector<OnbekendeWaarde> unknownValues(const QStringList& articleEntries,
                                               const QStringList& colourEntries) const;

private:
    QString customerTradeExecution(const QString& artikel) const;

    OrderModel& order_;
    const Catalog& catalog_;
    const CustomerArticleList& klant_;
    bool internalMode_;
    SponningRegels sponning_;
};

} // namespace vonu
