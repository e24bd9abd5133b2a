#pragma once
// How a machined sill is configured: its type from the proposed macros, the
// operation positions and dimension fields it shows and how they are
// labelled and laid out, the length check, where Enter and the arrows lead,
// the automatic second dimension of lift-slide sills, and the sill values a
// sub-article or operation row keeps. The configurator dialog draws this;
// the sill sheet of the production papers lays out a stored sill with it.

#include <QChar>
#include <QString>

#include <array>
#include <optional>

namespace vonu {

class OrderModel;

namespace sill {

inline constexpr int Posities = 12;          // operation positions ("Bewerking 1" ... "Bewerking 12")
inline constexpr int Maten = 13;             // dimension fields
inline constexpr int RijAfstand = 18;        // pixels from one position row to the next
inline constexpr int KnopAfstand = 28;       // from the top of the last row to the buttons
inline constexpr int HoogteToeslag = 80;     // from the buttons to the bottom of the dialog
inline constexpr int MacroTekstBreedte = 50; // description part of a macro list item
inline constexpr int MaatLengte = 5;         // figures of quantity, saw length and dimensions

// The texts the configurator and the sill sheet share.
namespace Tekst {
inline constexpr const char* Eenvoudig = "Eenvoudige keuze";
inline constexpr const char* Uitgebreid = "Uitgebreide keuze";
inline constexpr const char* AantalVerplicht = "Aantal is verplicht!";
inline constexpr const char* ZaagmaatFout =
    "Zaagmaat komt niet overeen met het totaal van de maten of is leeg!";
inline constexpr const char* AlleenUitgebreid = "Gekozen bewerkingen niet mogelijk met eenvoudige keuze!";
} // namespace Tekst

enum class SillType { Geen, BW, BB, HR, HL, H1, H2 };

// "BW", "BB", ... as the database gives them; anything else is Geen.
SillType sillTypeFromCode(const QString& code);
QString sillTypeCode(SillType type);
// "Bewerking", "Onderdorpel binnen/buiten" or "Onderdorpel hefschuif".
QString sillTitle(SillType type);

// What the proposed macros of an article give: the positions shown, the
// dimension fields and the type.
struct SillProposal {
    int macroAantal = 0;
    int maatAantal = 0;
    SillType type = SillType::Geen;
};

// The label of dimension field j (1..13) before any relabelling: "a", "A",
// "B" ... "K", "z".
QString designMaatLabel(int j);

// A macro list item: the description padded or cut to 50 characters, then
// the macro code; and the code back from an item's text.
QString macroItemText(const QString& omschrijving, const QString& macro);
QString macroCodeOf(const QString& itemText);

// The values of the configurator's fields that the checks and the layout
// read. Positions and dimensions are 1-based in the accessors.
struct SillEntry {
    QString productienummer;
    QString aantal;
    QString zaagmaat;
    std::array<QString, Posities> udk; // as shown, empty for none
    std::array<QString, Posities> hoh;
    std::array<QString, Maten> maten;

    QString& maat(int j) { return maten.at(std::size_t(j - 1)); }
    const QString& maat(int j) const { return maten.at(std::size_t(j - 1)); }
};

// The fields Enter, the arrows and the checks talk about.
struct SillField {
    enum Kind { Geen, Productienummer, Aantal, Zaagmaat, Bewerking, Maat };
    Kind kind = Geen;
    int n = 0; // position 0..12 for Bewerking, 1..13 for Maat

    bool operator==(const SillField&) const = default;
};

// Where Enter leads.
struct EnterStep {
    enum Action { Focus, Confirm, Stay };
    Action action = Stay;
    SillField target;
    QString fill;      // the automatic second dimension: text for `fillField`
    int fillField = 0; // 0 when nothing is filled

    bool operator==(const EnterStep&) const = default;
};

class SillConfiguration {
public:
    explicit SillConfiguration(const SillProposal& proposal = {});

    const SillProposal& proposal() const { return proposal_; }
    SillType type() const { return proposal_.type; }
    QString title() const { return sillTitle(proposal_.type); }
    // One position only: no production number, quantity or saw length, and
    // one dimension field labelled "A" on the position's line.
    bool single() const { return proposal_.macroAantal == 1; }
    bool headerFieldsShown() const { return !single(); }

    int positionsShown() const; // 0..12
    bool positionShown(int k) const { return k >= 1 && k <= positionsShown(); }
    int lastMaat() const; // highest dimension field shown, 0 when none
    bool maatShown(int j) const { return j >= 1 && j <= lastMaat(); }
    QString maatLabel(int j) const;

    // Vertical layout in pixels, relative to the top of position row 1 as
    // it stands when the header fields are shown (a single position moves
    // up one line into the header's place: see rowTop).
    int rowTop(int k) const;
    // The top of each dimension field: between the rows before and after
    // it, except that a position whose macro has both UDK and HOH carries a
    // dimension field on its own line and pushes the later fields down.
    std::array<int, Maten> maatTops(const SillEntry& entry) const;
    int buttonsTop() const;

    // The length check: true when the saw length is refused (the labels of
    // "Zaagmaat", "UDK" and "Maat" turn red). A production number, or no
    // saw length field, skips it.
    bool lengthRefused(const SillEntry& entry) const;
    // The sum the saw length must equal: UDK of positions whose macro has
    // no HOH, plus every shown dimension.
    long long lengthSum(const SillEntry& entry) const;

    // Where Enter in `from` leads (the production number's file check and
    // the confirmation are the dialog's).
    EnterStep enter(const SillField& from, const SillEntry& entry) const;
    // The edits in arrow order: production number, quantity, saw length,
    // dimensions 1..13; the neighbour of `from` that is shown (wrapping), or
    // Geen when nothing is shown.
    SillField arrow(const SillField& from, bool up) const;
    bool shown(const SillField& field) const;

private:
    EnterStep secondDimension(int from, const SillEntry& entry) const;

    SillProposal proposal_;
};

// Quantity check on leaving the quantity: "0" is refused, empty passes.
bool quantityRefused(const QString& aantal);

// Fields 2..28 of a sub-article (kind 'S') or operation (kind 'B') row.
struct SillValues {
    QString productienummer;              // field 2
    std::array<QString, Posities> macros; // fields 3..14
    std::array<QString, Maten> maten;     // fields 15..27
    bool configured = false;              // field 28 "*"

    bool operator==(const SillValues&) const = default;
};

inline constexpr int ProductienummerVeld = 2;
inline constexpr int EersteMacroVeld = 3;
inline constexpr int EersteMaatVeld = 15;
inline constexpr int GeconfigureerdVeld = 28;

SillValues readSillValues(const OrderModel& order, QChar kind, int line, int row);
// Writes the values and the configured marker.
void writeSillValues(OrderModel& order, QChar kind, int line, int row, const SillValues& values);

} // namespace sill
} // namespace vonu
