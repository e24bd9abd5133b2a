#pragma once
// What the program knows once it has started and every screen and handler
// reads: the mode, the working folder, both settings files, the profile and
// catalog documents and, at the order desk, the database session. One
// instance lives for the whole run, owned by the program; the main screen
// hands it to the handlers it creates.

#include "base/LocalSettings.h"
#include "base/MorvekIni.h"
#include "base/WorkingFolder.h"
#include "data/Catalog.h"
#include "data/CustomerProfile.h"

#include <memory>

namespace vonu {

class DbSession;
// Lives with the session (desk), so that this header needs no more than its name.
struct DbSessionDeleter {
    void operator()(DbSession* session) const;
};

struct AppState {
    explicit AppState(const QString& workingFolder) : folder(workingFolder) {}

    WorkingFolder folder;
    bool internalMode = false;      // order desk
    QString workstation;            // order desk: start-up parameter 1
    MorvekIniSettings desk;         // order desk: Morvek.Ini
    LocalSettings settings;         // MorvekVonu.Ini
    // Set once MorvekVonu.Ini was read: only settings that were read are
    // written back (a start that ended earlier would write the defaults over
    // the customer's mail settings).
    bool settingsRead = false;
    CustomerProfile profile;        // `Sleutel`
    Catalog catalog;                // `Assortiment`
    // Order desk, once the session is open; the one owner of the session.
    std::unique_ptr<DbSession, DbSessionDeleter> db;
};

} // namespace vonu
