#pragma once
// What the production papers read besides the print rows: the order header
// with its shipping address, delivery instructions and users, the coating
// count, the picture pages and the rows of the sill sheets.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace vonu {

class DbSession;

// The order header as the production order prints it.
struct ProductionHeader {
    bool found = false;
    QString order;                 // the order's key value, trimmed
    QString status;
    QDate datum, leverdatum, afleverdatum;
    QString productieweek;
    QString debnr, vAdres;
    QString afleverRelatie, aNaam, aAdres1, aPostkode, aPlaats;
    QString levwijze, lwOmschrijving;
    QString ordref1, ordref2;
    std::array<QString, 3> productie;
    QString bDatum, bVolgnummer;
    QString invoer, invoerDatum, wijziging, wijzigingDatum;   // user names (APC_Gebruiker) and dates
    QString tekstBevestiging, tekstVonuOrder;
    // Shipping address (Va), when the order has one and it exists.
    bool hasShippingAddress = false;
    QString vNaam, vAdres_, vPostcode, vPlaats, vTelefoon, vFax, vBedrijfsLogo;
    // The debtor's own address (ADb), printed when there is no shipping address.
    QString naam1, adres1, postcode1, woonpl1;
    std::array<QString, 5> afleverTekst;
};

// One row of a sill sheet: a production row of a sill with macros, or a
// further article row of such a sill's line.
struct SillSheetRow {
    QString order;        // key
    QString regel, type, productienummer, regelId, detailRegelId, artikel;
    QString aantal, maat; // of the first following detail row
};

// A macro position of a sill sheet row.
struct SillMacro {
    QString code, omschrijving, udk, hoh;
};

class ProductionPrintData {
public:
    explicit ProductionPrintData(DbSession& db) : db_(db) {}

    // The header of `ordernummer`. For a print copy (stored under the
    // workstation's name) the entry data come from the current order.
    // False when a statement failed.
    bool header(const QString& ordernummer, const QString& currentOrder, bool printCopy, ProductionHeader* out);
    // Production rows with a colour: a coated order.
    std::optional<int> coatedRows(const QString& ordernummer);
    // The picture files of the order's picture pages.
    std::optional<QStringList> pictures(const QString& ordernummer);
    // Rows of the sill sheets; empty when the order has no stored macro values.
    std::optional<QList<SillSheetRow>> sillRows(const QString& ordernummer);
    // The stored macro values of a row: "B" macro codes and "M" dimensions
    // by position (1-based; a position without a value is empty).
    struct SillValues {
        QStringList macros, maten;
        bool empty() const { return macros.isEmpty() && maten.isEmpty(); }
    };
    std::optional<SillValues> sillValues(const QString& orderKey, const QString& regelId);
    // The article's descriptions.
    std::pair<QString, QString> articleTexts(const QString& artikel);
    // The macro of position `bewerking` with this code, from the article's macros.
    SillMacro macro(const QString& artikel, int bewerking, const QString& code);

private:
    DbSession& db_;
};

} // namespace vonu
