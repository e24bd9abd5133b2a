#pragma once
// Rebates (sponningen) of an order line: the fixed-column rebate text kept in
// the line's `Sponning` field, the description lines generated from it, and
// the rules that decide when the rebate dialog is needed. Everything here
// works on the order in memory and the catalog only; the dialog and the main
// screen call it.
//
// Rebate text columns (1-based): 1-30 summary ("20B", "15L/18R", "*"),
// 31-46 article A, 47-58 size A ("0" when empty), 59 side A, 60 blank,
// 61-76 article B, 77-88 size B, 89 side B, 90 blank. Storing reads the
// article, size and side columns back, so they must never shift.

#include <QString>

#include <optional>
#include <vector>

namespace vonu {

class Catalog;
class OrderModel;

namespace sponning {

inline constexpr int TekstLengte = 90;
inline constexpr int MaxSponningen = 2;  // rebate operations a line can carry
inline constexpr int MaatLengte = 12;
// Characters a rebate size may hold ("20", "20,5", "20x15").
inline constexpr const char* MaatTekens = " xX0123456789,";

// The side choices, by their index in the dialog's side lists.
enum class Zijde { LinksEnRechts = 0, AlleenLinks = 1, AlleenRechts = 2 };

// "B", "L" or "R".
QChar zijdeLetter(Zijde zijde);
// "L" and "R" give their side; anything else both sides.
Zijde zijdeVanLetter(QChar letter);

// One rebate as the dialog holds it.
struct Sponning {
    QString artikel;
    QString maat;  // as typed; empty means no size yet
    Zijde zijde = Zijde::LinksEnRechts;
};

// One rebate as recorded in a rebate text: 1 is A (columns 31-59), 2 is B
// (columns 61-89). Texts shorter than 90 characters read as blank-padded.
struct VastgelegdeSponning {
    QString artikel;  // trimmed; empty when absent
    QString maat;     // trimmed
    QChar zijde;      // column 59 / 89
    bool aanwezig() const { return !artikel.isEmpty(); }
};
VastgelegdeSponning vastgelegd(const QString& tekst, int welke);
// Rebates recorded in a text: one per non-blank article column.
int aantalVastgelegd(const QString& tekst);

// The 90-column text for rebate A and, optionally, rebate B.
QString maakTekst(const std::optional<Sponning>& a, const std::optional<Sponning>& b);

// The two description lines a rebate text asks for: "SPONNING  20 mm." or
// "SPONNING LINKS 15 mm. RECHTS 18 mm." with "VAN BUITENAF GEZIEN". Both
// empty when the text records no rebate.
struct Omschrijvingen {
    QString tekst1;
    QString tekst2;
};
Omschrijvingen omschrijvingen(const QString& tekst);
// True for a description line this module wrote earlier.
bool isGegenereerd(const QString& omschrijving);

enum class Plaatsing {
    Geplaatst,     // everything that was asked for is in place
    Vol,           // both description lines hold user text
    NietCompleet,  // only the first line found room
};
// Removes earlier generated lines from the line's second and third
// description and puts the new lines in the room that is left.
Plaatsing plaatsOmschrijvingen(OrderModel& order, int line, const Omschrijvingen& teksten);
// The status bar text of an outcome; empty when everything was placed.
QString plaatsingMelding(Plaatsing plaatsing);

// A rebate operation on a line: its operation row and catalog texts.
struct SponningBewerking {
    int rij = 0;  // operation row 1..25 of the line
    QString artikel;
    QString omschrijving1;
    QString omschrijving2;
};
// The line's rebate operations in row order (operations of the line's
// catalog article with ALT key "S"), at most `maximum` of them. Empty when
// the line's article is not in the catalog. Leaves the catalog's current
// article alone.
std::vector<SponningBewerking> sponningBewerkingen(const OrderModel& order, const Catalog& catalog,
                                                   int line, int maximum = MaxSponningen);

// What an operation change means for the line's rebates.
struct Controle {
    int bewerkingen = 0;     // rebate operations on the line, at most two
    int vastgelegd = 0;      // rebates in the line's text (0 without operations)
    bool veldGetoond = false;   // flag 8 after the check: the rebate field is offered
    bool veldGewijzigd = false; // flag 8 changed; the field was emptied
    bool dialoogNodig = false;  // the counts differ: the dialog should open
};
// Counts rebate operations and recorded rebates, sets or clears flag 8 and
// empties the line's rebate text when the flag changes.
Controle controleerNaBewerking(OrderModel& order, const Catalog& catalog, int line);

} // namespace sponning
} // namespace vonu
