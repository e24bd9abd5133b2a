#pragma once
// The system's keychain (the desktop's secret service, the credential
// manager on Windows): where the mail password is kept instead of the
// settings file. Calls wait for the answer; a keychain may ask the user to
// unlock it meanwhile.

#include <QString>

namespace vonu {

struct KeychainAnswer {
    enum class Status {
        Ok,        // done; `secret` holds what was read
        NotFound,  // the keychain answered and holds nothing under the key
        Failed,    // no keychain answered, or it refused: `error` says why
    };
    Status status = Status::Failed;
    QString secret;
    QString error;

    bool ok() const { return status == Status::Ok; }
    // The keychain is there to be used: it read, wrote or found nothing.
    bool answered() const { return status != Status::Failed; }
};

class IKeychain {
public:
    virtual ~IKeychain() = default;
    virtual KeychainAnswer read(const QString& key) = 0;
    virtual KeychainAnswer write(const QString& key, const QString& secret) = 0;
    // Removing a key that holds nothing answers NotFound.
    virtual KeychainAnswer remove(const QString& key) = 0;
};

// A machine without a keychain: every call fails, so the password stays in
// the settings file as it always did. The order desk uses it too; it keeps no
// mail password.
class NoKeychain final : public IKeychain {
public:
    KeychainAnswer read(const QString&) override { return unavailable(); }
    KeychainAnswer write(const QString&, const QString&) override { return unavailable(); }
    KeychainAnswer remove(const QString&) override { return unavailable(); }

private:
    static KeychainAnswer unavailable() { return {KeychainAnswer::Status::Failed, {}, QStringLiteral("no keychain")}; }
};

} // namespace vonu
