#pragma once
// The database side of entering a line by its EAN code: the product the
// code stands for, the checks that it may be sold and that every price
// involved is known, and the size text it asks for. Nothing here touches
// the order; the entry applies the product through the line rules.

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

namespace vonu {

class DbSession;

// Who asks for the prices: the debtor as typed, the shipping address code
// (the first two characters of the chosen `Ordervoor` entry) and the order
// date. The EAN entry uses no contract kinds.
struct EanPriceContext {
    QString debiteur;
    QString verzend;
    QDate orderdatum;
};

// An accompanying article that exists in `Artikel`.
struct EanBegeleidend {
    QString code;            // as the EAN row holds it, trimmed
    bool bewerking = false;  // `Tekst`: an operation rather than a sub-article
};

struct EanProduct {
    QString ean;
    QString artikel;         // trimmed
    QString maat;            // as stored: "Op maat", a length in metres, or blank
    QString uitvoering;      // trimmed; empty when the code fixes none
    std::vector<EanBegeleidend> begeleidend;  // in the order of the EAN row
    bool sponning = false;   // an accompanying operation is a rebate

    bool opMaat() const { return maat.trimmed() == QLatin1String("Op maat"); }
    bool vasteMaat() const { return !opMaat() && !maat.trimmed().isEmpty(); }
};

struct EanLookupResult {
    enum class Status {
        Gevonden,
        TeKort,              // fewer than 13 characters
        NietAanwezig,        // no ArtikelEAN row
        NietToegestaan,      // its article has no Artikel row
        PrijsOnbekend,       // the article's or an accompanying article's price
        DatabaseFout,        // a statement failed; the session has said why
    };
    Status status = Status::DatabaseFout;
    QString melding;         // the status panel text of a refusal
    EanProduct product;
};

class EanLookup {
public:
    explicit EanLookup(DbSession& db) : db_(db) {}

    // Looks `code` (already trimmed) up and runs every check that needs the
    // database, in the order the refusals take precedence.
    EanLookupResult lookup(const QString& code, const EanPriceContext& context);

    // True when `ArtikelPrijs` knows a price for the article in this
    // context; false without one and when the call failed (*failed set).
    bool priceKnown(const QString& artikel, bool opMaat, const EanPriceContext& context, bool* failed);

    static constexpr int CodeLengte = 13;

private:
    DbSession& db_;
};

// ---- the size an EAN code fixes

// The length in metres that `ArtikelEAN.Maat` holds, whichever way it was
// written ("3", "3,0", "3.00", " 3,60 "); false when it is no number.
bool eanMaatWaarde(const QString& maat, double* metres);
// The length as the refusal names it: the shortest number text with a
// decimal comma ("3", "3,6"); the stored text when it is no number.
QString eanMaatGetal(const QString& maat);
// The index of the size list entry ("3,00 Mtr") that holds the same length
// as `maat`, compared as numbers to the millimetre; -1 when none does.
int eanMaatIndex(const QString& maat, const QStringList& entries);

} // namespace vonu
