#pragma once
// What an order holds only at the order desk: the debtor and the stored
// order it came from, and the extra order data (delivery address, dates,
// delivery method, costs, contract and freight choices, delivery and
// production texts). Part of the order in memory like its lines: screens
// show and edit these values, the store, the sales lines and the order
// document read them from here.

#include <QDate>
#include <QString>

#include <array>

namespace vonu {

struct ExtraOrderData {
    static constexpr int Afleverteksten = 5;
    static constexpr int Productieteksten = 3;

    QString afleverRelatie;   // PSR_Relatie number, empty for a typed address
    QString zoeknaam;
    QString naam;
    QString naam2;
    std::array<QString, 3> adres;
    QString postkode;
    QString plaats;
    QString land;
    QString kontakt;
    QDate leverdatum;
    bool leverdatumGewijzigd = false;
    QString productieweek;
    bool gebruikAfleverdatum = false;
    QDate afleverdatum;
    QString leveringswijze;
    QString leveringswijzeOmschrijving;
    QString orderkosten;      // as typed, decimal comma
    int gebruikAfroep = 0;    // 0 use call-off contracts, 1 avoid them
    int extraVrachtkosten = 0;
    std::array<QString, Afleverteksten> afleverteksten;
    QString aflevertekst41;   // the relation's standing instruction, new orders
    QString aflevertekst51;
    std::array<QString, Productieteksten> productieteksten;

    bool operator==(const ExtraOrderData&) const = default;
};

struct DeskOrderData {
    QString debiteur;         // as typed, unpadded
    QString ordernummer;      // current stored order number, empty for a new order
    QString bestandsnaam;     // order document opened, empty after New or an external file
    bool klantbestand = false;   // the document came from a customer
    bool externBestand = false;  // Openen started from "Extern bestand"
    QString ob;               // remark for the order confirmation (notes screen)
    ExtraOrderData extra;

    bool operator==(const DeskOrderData&) const = default;
};

} // namespace vonu
