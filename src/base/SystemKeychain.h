#pragma once
// The keychain seam on QtKeychain: the secret service on a Linux desktop
// (through libsecret, or KWallet on KDE), the credential manager on Windows.
// Never falls back to a plain-text store of its own: where no keychain
// answers, the caller keeps the password where it always was.

#include "base/Keychain.h"

namespace vonu {

class SystemKeychain final : public IKeychain {
public:
    // `service` groups the program's entries in the keychain.
    explicit SystemKeychain(QString service = QStringLiteral("VonuOrder"));

    KeychainAnswer read(const QString& key) override;
    KeychainAnswer write(const QString& key, const QString& secret) override;
    KeychainAnswer remove(const QString& key) override;

private:
    QString service_;
};

} // namespace vonu
