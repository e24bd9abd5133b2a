#pragma once
// The keychain seam as a map: available or not, refusing writes when told,
// and recording every call so a test sees what reached the keychain.

#include "base/Keychain.h"

#include <QMap>
#include <QRegularExpression>
#include <QStringList>

namespace vonu::test {

class FakeKeychain final : public IKeychain {
public:
    KeychainAnswer read(const QString& key) override
    {
        calls << QStringLiteral("read ") + key;
        if (!available)
            return failed(QStringLiteral("The name org.freedesktop.secrets was not provided"));
        if (!entries.contains(key))
            return {KeychainAnswer::Status::NotFound, {}, {}};
        return {KeychainAnswer::Status::Ok, entries.value(key), {}};
    }
    KeychainAnswer write(const QString& key, const QString& secret) override
    {
        calls << QStringLiteral("write ") + key;
        if (!available)
            return failed(QStringLiteral("The name org.freedesktop.secrets was not provided"));
        if (refuseWrites)
            return failed(QStringLiteral("Access denied"));
        entries.insert(key, secret);
        return {KeychainAnswer::Status::Ok, {}, {}};
    }
    KeychainAnswer remove(const QString& key) override
    {
        calls << QStringLiteral("remove ") + key;
        if (!available)
            return failed(QStringLiteral("The name org.freedesktop.secrets was not provided"));
        return {entries.remove(key) ? KeychainAnswer::Status::Ok : KeychainAnswer::Status::NotFound, {}, {}};
    }

    // The calls of one kind ("write", "read", "remove").
    QStringList callsOf(const QString& kind) const { return calls.filter(QRegularExpression("^" + kind + " ")); }

    bool available = true;
    bool refuseWrites = false;
    QMap<QString, QString> entries;
    QStringList calls;

private:
    static KeychainAnswer failed(const QString& why) { return {KeychainAnswer::Status::Failed, {}, why}; }
};

} // namespace vonu::test
