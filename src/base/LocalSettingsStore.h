#pragma once
// MorvekVonu.Ini together with the keychain that keeps the mail password.
// Where a keychain answers, the password lives there and the file's
// ServerWachtwoord stays empty; a password still in the file (written by an
// earlier version or by hand) is read as always and moved into the keychain
// by the next save. Without a keychain the file keeps it, as it always did.

#include "base/LocalSettings.h"

namespace vonu {

class IKeychain;

class LocalSettingsStore {
public:
    LocalSettingsStore(QString iniPath, IKeychain& keychain);

    // Reads the file (as loadLocalSettings); an empty password is then taken
    // from the keychain.
    bool load(LocalSettings* settings, QString* error = nullptr);

    struct SaveResult {
        bool saved = false;         // the file was written
        QString error;              // why it was not
        QString keychainRefusal;    // a keychain answered but did not take the password: it is in the file
    };
    // Writes the settings (as saveLocalSettings) with the password in the
    // keychain where one takes it. An emptied password is removed from the
    // keychain too, or the next start would bring it back.
    SaveResult save(const LocalSettings& settings);

    // A keychain answers: the settings screen says so when not.
    bool keychainAvailable(const LocalSettings& settings);

    const QString& iniPath() const { return iniPath_; }

    // The keychain entry of a mail account: the password belongs to the
    // user at the server, not to one working folder.
    static QString keyOf(const LocalSettings& settings);

private:
    QString iniPath_;
    IKeychain& keychain_;
    // What the keychain is known to hold for this program, so a save that
    // changes nothing of the account does not write (or prompt) again.
    QString heldKey_;
    QString heldPassword_;
};

} // namespace vonu
