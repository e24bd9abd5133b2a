#pragma once
// Loading the profile and the catalog at start-up, with their tests and
// messages. The main screen calls loadStartupData once on its first
// activation, shows the texts it returns and ends the program when ok() is
// false (the user has then seen one "Fout" message saying why).

#include "base/Platform.h"
#include "data/Catalog.h"
#include "data/CustomerProfile.h"

#include <QDate>
#include <QStringList>

namespace vonu {

// Every message text of loading the data files, in one place.
namespace DataMessages {
QString caption();  // "Fout"
QStringList catalogMissing();
QStringList catalogInvalid();
QStringList catalogOutdated();
// The integrity stamp is absent or not a whole number.
QStringList catalogStampNotNumeric();
// The catalog file cannot be read or is not a Morvek XML document.
QStringList catalogUnreadable(const QString& errorText);
QStringList profileMissing();
QStringList profileUnreadable(const QString& fileName, const QString& errorText);
} // namespace DataMessages

struct DataStartupResult {
    bool profileOk = false;
    bool catalogOk = false;
    bool ok() const { return profileOk && catalogOk; }

    QString sleutelPanel;        // status panel 2
    QString assortimentPanel;    // status panel 3
    // Customer mode: the debtor number from the profile's file name, and the
    // caption of L_Debiteur with it appended ("In opdracht van: 104711").
    QString debtorFromFileName;
    QString debtorCaption;
    QString customerName;        // DebiteurNaam
    QString customerAddress;     // DebiteurAdres
    QString customerPlace;       // DebiteurWoonplaats: postcode, two blanks, place
    QStringList shipToEntries;   // Ordervoor (customer mode), select the first
    QStringList colourEntries;   // Kleur1 ... Kleur6, select the empty first entry
};

struct DataStartupRequest {
    QString workingFolder;   // without trailing separator
    bool orderDesk = false;  // the internal-mode flag
    QDate today;             // for the order-desk panel 2
};

// Customer mode: the profile file of the working folder, then
// Assortiment.Xml beside it. Order desk: ../Assortiment.Xml only.
// The catalog passes when its stamp matches the file time (|diff| < 4097)
// and, in customer mode, the file is dated 8 September 2006 or later. On
// any failure one "Fout" message is shown, the failed document is cleared
// and the result is not ok.
DataStartupResult loadStartupData(const DataStartupRequest& request, CustomerProfile& profile, Catalog& catalog,
                                  IMessageDialog& messages);

// The catalog tests alone, for a loaded catalog and its file time: the
// message lines of the failed test, or empty when it passes.
QStringList catalogTestFailure(const Catalog& catalog, const QDateTime& fileTimeLocal, bool orderDesk);

} // namespace vonu
