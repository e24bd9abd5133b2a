#pragma once
// The order in memory as an order document and back: the order files under
// \Orders, the sent copies under \Verzonden, and the document the order desk
// stores from. Pure logic over OrderModel and MorvekDocument; the buttons
// that use it live in OrderFileActions.

#include "base/FileNames.h"
#include "data/MorvekDocument.h"
#include "data/ValueFormats.h"
#include "order/OrderModel.h"

#include <QDate>
#include <QString>

namespace vonu {

// The header values a build takes from the screen and the profile.
struct OrderHeader {
    Transactie transactie = Transactie::Order;
    QString deskOrderNumber;    // order desk: number the order was opened/stored under
    QString debiteur;           // -> OrderDebiteur
    QString ordervoor;          // text of the `Ordervoor` entry; its first two characters are the code
    QDate orderdatum;
    QString ordernummer;
    QString referentie;
    QString notities;           // customer notes
    QString opmerking;          // order desk: remark for the order confirmation
    bool orderDesk = false;
    bool fromCustomerFile = false;
    QString sentStamp;          // only when the order is built for sending
};

// A new document with one `Order` built from the order's lines in use, in
// the field order the format fixes.
MorvekDocument buildOrderDocument(const OrderModel& order, const OrderHeader& header);

// The header of an opened order file.
struct ReadOrderHeader {
    QString verzendadres;       // `OrderVerzendadres`
    QDate orderdatum;
    QString ordernummer;
    QString referentie;
    Transactie transactie = Transactie::Order;
    NotesAndRemark notes;       // line feeds already turned into CR LF
    QString sentStamp;          // `OrderVerzenddatum` as stored
};

// Reads the first `Order` of the document into the (cleared) order: every
// field, flag and row. False with a Dutch reason when there is no order, its
// date is not a "dd-mm-yyyy" date, it holds more lines or rows than the
// order can take, or a detail quantity or size is not a whole number the
// fields can hold; the order is then left untouched.
bool readOrderDocument(const MorvekDocument& doc, OrderModel& order, ReadOrderHeader& header,
                       QString* error = nullptr);

// ---- names

// "Order-" / "Offerte-", or at the order desk with a current number N
// "Order N-" / "Offerte N-".
QString orderFilePrefix(Transactie transactie, const QString& deskOrderNumber);
// The trimmed order number, else the trimmed reference, else the date.
QString orderBaseName(const QString& ordernummer, const QString& referentie, const QDate& orderdatum);
// Prefix + base name + ".Xml" in the given folder.
QString orderFilePath(const QString& folder, Transactie transactie, const QString& deskOrderNumber,
                      const QString& ordernummer, const QString& referentie, const QDate& orderdatum);

// The name of an order file as the delete question shows it: no folder, no
// ".Xml", cut to 47 characters and "..." when it has 48 or more.
QString deleteDisplayName(const QString& path);

// Debtor + "_" + the sent stamp without its "*" + ".Xml".
QString sentCopyFileName(const QString& debiteur, const QString& sentStamp);

// The window caption after a save or open with the given order number.
QString captionAfterSave(const QString& currentCaption, const QString& orderNumber);

} // namespace vonu
