#include "base/LocalSettingsStore.h"

#include "base/Keychain.h"

namespace vonu {

LocalSettingsStore::LocalSettingsStore(QString iniPath, IKeychain& keychain)
    : iniPath_(std::move(iniPath)), keychain_(keychain)
{
}

QString LocalSettingsStore::keyOf(const LocalSettings& settings)
{
    return QStringLiteral("smtp://%1@%2").arg(settings.serverGebruiker.trimmed(), settings.serverNaam.trimmed());
}

bool LocalSettingsStore::load(LocalSettings* settings, QString* error)
{
    if (!loadLocalSettings(iniPath_, settings, error))
        return false;
    // A password in the file wins: it is the one the user last saw working.
    if (!settings->serverWachtwoord.isEmpty())
        return true;
    const QString key = keyOf(*settings);
    const KeychainAnswer answer = keychain_.read(key);
    if (answer.ok()) {
        settings->serverWachtwoord = answer.secret;
        heldKey_ = key;
        heldPassword_ = answer.secret;
    }
    return true;
}

bool LocalSettingsStore::keychainAvailable(const LocalSettings& settings)
{
    return keychain_.read(keyOf(settings)).answered();
}

LocalSettingsStore::SaveResult LocalSettingsStore::save(const LocalSettings& settings)
{
    SaveResult result;
    LocalSettings forFile = settings;
    const QString key = keyOf(settings);
    const QString& password = settings.serverWachtwoord;
    if (!password.isEmpty()) {
        if (key == heldKey_ && password == heldPassword_) {
            forFile.serverWachtwoord.clear();
        } else if (const KeychainAnswer present = keychain_.read(key); present.answered()) {
            const bool same = present.ok() && present.secret == password;
            const KeychainAnswer written = same ? present : keychain_.write(key, password);
            if (written.ok()) {
                heldKey_ = key;
                heldPassword_ = password;
                forFile.serverWachtwoord.clear();
            } else {
                result.keychainRefusal = written.error;
            }
        }
        // No keychain: the file keeps the password, as it always did.
    } else if (!heldKey_.isEmpty()) {
        // Only a password this run found or put there is removed: one the
        // keychain holds while it did not answer at start is not ours to
        // drop. A removal that fails is tried again by the next save.
        if (keychain_.remove(heldKey_).answered()) {
            heldKey_.clear();
            heldPassword_.clear();
        }
    }
    result.saved = saveLocalSettings(iniPath_, forFile, &result.error);
    return result;
}

} // namespace vonu
