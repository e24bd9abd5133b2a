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

struct AppState {
    explicit AppState(const QString& workingFolder) : folder(workingFolder) {}

    WorkingFolder folder;
    bool internalMode = false;      // order desk
    QString workstation;            // order desk: start-up parameter 1
    MorvekIniSettings desk;         // order desk: Morvek.Ini
    LocalSettings settings;         // MorvekVonu.Ini
    bool settingsReadable = true;   // false: the file is left alone on close
    CustomerProfile profile;        // `Sleutel`
    Catalog catalog;                // `Assortiment`
    DbSession* db = nullptr;        // order desk, once the session is open
};

} // namespace vonu
