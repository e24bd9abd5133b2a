#pragma once
// The one order being edited, held as fixed tables of texts. Screens show
// windows onto these tables (RowWindow); the tables themselves are the only
// copy of the order. Every index is 1-based, as the order is addressed
// throughout the program.

#include "order/DeskOrderData.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <vector>

namespace vonu {

inline constexpr int MaxOrderregels = 100;
inline constexpr int MaxSubartikelen = 25;     // per line
inline constexpr int MaxBewerkingen = 25;      // per line
inline constexpr int MaxDetails = 125;         // per line
inline constexpr int MaxKlantartikelen = 250;  // customer article list

inline constexpr int OrderregelVelden = 12;
inline constexpr int StatusVlaggen = 12;
inline constexpr int SubregelVelden = 28;      // sub-article and operation rows
inline constexpr int DetailSlots = 6;          // extra texts of a detail row
inline constexpr int DetailAantalCijfers = 5;  // figures a detail quantity field holds
inline constexpr int DetailMaatCijfers = 4;    // figures a detail size field holds

// Fields of an order line, numbered in the order the whole program
// addresses them. Separate types for fields and flags: a flag cannot be
// passed where a field is meant.
enum class Veld {
    Artikel = 1,
    Kleur = 2,
    Lengte = 3,
    Correctie = 4,
    Maat = 5,
    Uitvoering = 6,
    Aantal = 7,
    Sponning = 8,
    EAN = 9,
    Omschrijving_2 = 10,
    Omschrijving_3 = 11,
    Omschrijving_1 = 12,
};

// Line status flags: which inputs the line's article offers.
enum class Vlag {
    Gelezen = 1,  // kept as read from a stored order
    Kleur = 2,
    Lengte = 3,
    Correctie = 4,
    Maat = 5,
    Uitvoering = 6,
    Aantal = 7,
    Sponning = 8,
    Subartikelen = 9,
    Bewerkingen = 10,
    Details = 11,
    MaatInvoer = 12,
};

// Field (flag) number n, 1..12, for walking a whole line.
constexpr Veld veldNummer(int n) { return Veld(n); }
constexpr Vlag vlagNummer(int n) { return Vlag(n); }

enum class Transactie { Order = 0, Offerte = 1 };

// The header values that live in the main screen's own fields; the screen
// collects them for the change signature.
struct OrderHeaderValues {
    QString ordervoor;    // text of the chosen shipping address entry
    QString ordernummer;
    QString referentie;
    int transactie = 0;   // index of the transaction choice
    QDate orderdatum;
    QString notities;     // customer notes
    QString opmerking;    // order desk: the remark for the order confirmation
};

// Which table rows a fixed set of screen rows shows, and which one is
// current. The scroll position is always current - 1.
class RowWindow {
public:
    RowWindow(int visibleRows, int tableRows, int minimumMaximum);

    int visibleRows() const { return visible_; }
    int tableRows() const { return rows_; }
    int minimumMaximum() const { return minimumMax_; }
    int top() const { return top_; }
    int current() const { return current_; }
    int maximum() const { return maximum_; }
    int position() const { return current_ - 1; }

    // Table row shown in screen row r (1..visibleRows).
    int rowAt(int screenRow) const { return top_ + screenRow - 1; }
    // Screen row showing table row t, 0 when it is not on screen.
    int screenRowOf(int tableRow) const;
    int currentScreenRow() const { return current_ - top_ + 1; }

    // Shows rows 1..visibleRows with row 1 current and the initial maximum.
    void reset();
    // Clamped to 0..tableRows-1; a position beyond it is pulled back.
    void setMaximum(int maximum);
    // Makes row position+1 current (position clamped to 0..maximum) and
    // moves the window just far enough to keep it on screen. Returns how far
    // the top moved: negative when the rows moved down, 0 when they stayed.
    int moveTo(int position);
    void makeScreenRowCurrent(int screenRow) { moveTo(rowAt(screenRow) - 1); }

private:
    int visible_;
    int rows_;
    int minimumMax_;
    int top_ = 1;
    int current_ = 1;
    int maximum_;
};

// The scroll maximum of a window over `rows` table rows whose last filled
// row is `lastFilled` (0 when none): one row beyond the last filled one is
// always reachable, never beyond the table, and never less than `minimum`.
int scrollMaximum(int lastFilled, int rows, int minimum);

class OrderModel {
public:
    OrderModel();

    // A sent stamp ("dd_mm_yyyy_hh_mm_ss", "*" appended for a request for
    // quotation) as shown to the user: "dd-mm-yyyy hh:mm:ss".
    static QString sentStampDisplay(const QString& stamp);

    // Line fields 1..12 of lines 1..100. Out-of-range indexes read as empty
    // and are ignored when written, so a stray index never corrupts memory.
    const QString& field(int line, Veld field) const;
    void setField(int line, Veld field, const QString& value);
    bool flag(int line, Vlag flag) const;
    void setFlag(int line, Vlag flag, bool on);
    // The flags as twelve "1"/"0" characters in flag order, as stored.
    QString statusText(int line) const;
    // Sets each flag whose character is "1"; missing characters clear.
    void setStatusText(int line, const QString& text);

    // Sub-article and operation rows 1..25, fields 1..28.
    const QString& subartikel(int line, int row, int field) const;
    void setSubartikel(int line, int row, int field, const QString& value);
    const QString& bewerking(int line, int row, int field) const;
    void setBewerking(int line, int row, int field, const QString& value);

    // Detail rows 1..125: quantity, size and six further slots 1..6.
    const QString& detailAantal(int line, int row) const;
    void setDetailAantal(int line, int row, const QString& value);
    const QString& detailMaat(int line, int row) const;
    void setDetailMaat(int line, int row, const QString& value);
    const QString& detailSlot(int line, int row, int slot) const;
    void setDetailSlot(int line, int row, int slot, const QString& value);

    // A row counts only with a value that is not blank: a blank left in a
    // field must neither write an empty row nor shift the numbers of the
    // rows after it.
    bool lineInUse(int line) const;                 // Artikel not blank
    bool subartikelInUse(int line, int row) const;  // field 1 not blank
    bool bewerkingInUse(int line, int row) const;
    bool detailInUse(int line, int row) const;      // quantity or size not blank

    // Empties every table and resets the four windows.
    void clear();
    // Fields 2..12, flags 2..12 and all rows of one line (a new article).
    void clearLineForArticle(int line);
    void clearSubartikelen(int line);
    void clearBewerkingen(int line);
    void clearDetails(int line);
    // Flags 2..12 of every line (the start of a run).
    void clearOfferFlags();

    // Change signature: a fingerprint of the header values, every table,
    // the flags and the order-desk part. Any edit changes it, also one that
    // keeps every length (PO-100 to PO-999); it is never stored.
    std::uint64_t signature(const OrderHeaderValues& header) const;

    int lineScrollMaximum() const;
    int subartikelScrollMaximum(int line) const;
    int bewerkingScrollMaximum(int line) const;
    int detailScrollMaximum(int line) const;

    // The windows of the screen over the lines and over the current line's
    // sub-article, operation and detail rows.
    RowWindow& lines() { return lines_; }
    RowWindow& subartikelen() { return subartikelen_; }
    RowWindow& bewerkingen() { return bewerkingen_; }
    RowWindow& details() { return details_; }
    const RowWindow& lines() const { return lines_; }
    const RowWindow& subartikelen() const { return subartikelen_; }
    const RowWindow& bewerkingen() const { return bewerkingen_; }
    const RowWindow& details() const { return details_; }
    void resetWindows();

    // The order-desk part of the order; empty in customer mode.
    DeskOrderData& desk() { return desk_; }
    const DeskOrderData& desk() const { return desk_; }

private:
    static constexpr int DetailTexts = 2 + DetailSlots;

    static bool validLine(int line) { return line >= 1 && line <= MaxOrderregels; }
    QString* lineField(int line, Veld field);
    QString* subField(std::vector<QString>& table, int line, int row, int field);
    const QString* subField(const std::vector<QString>& table, int line, int row, int field) const;
    QString* detailText(int line, int row, int index);
    const QString* detailText(int line, int row, int index) const;

    std::vector<QString> fields_;      // 100 x 12
    std::vector<bool> flags_;          // 100 x 12
    std::vector<QString> subartikelen_rows_;  // 100 x 25 x 28
    std::vector<QString> bewerkingen_rows_;   // 100 x 25 x 28
    std::vector<QString> details_rows_;       // 100 x 125 x 8
    RowWindow lines_;
    RowWindow subartikelen_;
    RowWindow bewerkingen_;
    RowWindow details_;
    DeskOrderData desk_;
};

} // namespace vonu
