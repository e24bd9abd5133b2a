#pragma once
// The customer profile (`Sleutel`): in customer mode the profile file the
// manufacturer supplies (its name is the debtor number + ".Xml"); at the
// order desk an in-memory profile built from the database is loaded into
// the same object with loadText.

#include "data/MorvekDocument.h"

#include <QStringList>

namespace vonu {

class CustomerProfile {
public:
    // False with errorText() on a broken file; the profile is then empty.
    bool load(const QString& path);
    bool loadText(const QString& xml);
    bool loadBytes(const QByteArray& bytes) { return doc_.loadBytes(bytes); }
    void clear() { doc_.clear(); }

    bool isLoaded() const { return doc_.isActive(); }
    QString errorText() const { return doc_.errorText(); }
    QString fileName() const { return doc_.fileName(); }
    MorvekDocument& document() { return doc_; }
    TXMLSleutel sleutel() const { return doc_.GetMorvek().Sleutel(); }

    // Values kept for the run.
    QString debtorNumber() const { return sleutel().Debiteur().trimmed(); }   // -> OrderDebiteur
    QString orderMailbox() const { return sleutel().VonuMail().trimmed(); }   // recipient of orders
    QString customerName() const { return sleutel().DebiteurNaam(); }         // label DebiteurNaam
    QString customerAddress() const { return sleutel().DebiteurAdres(); }     // label DebiteurAdres
    // "postcode  place" (two blanks), for the label DebiteurWoonplaats.
    QString customerPlace() const;

    // The entries of `Ordervoor`, one per `Verzendadres` in profile order.
    QStringList shipToEntries() const;
    // Code, blank, search name; then blank and place unless the (non-empty)
    // place occurs in the search name.
    static QString shipToEntry(const TXMLVerzendadres& address);

    // The debtor number the profile's file name gives: the name without its
    // folder and its last four characters (".Xml").
    static QString debtorNumberFromFileName(const QString& path);
    // The profile file of a customer working folder: the first file (by
    // name) matching *.Xml, in any case, whose name begins with 1-9. Empty
    // when there is none.
    static QString findProfileFile(const QString& folder);

private:
    MorvekDocument doc_;
};

} // namespace vonu
