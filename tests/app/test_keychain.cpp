// The system keychain through QtKeychain on a real secret service (run by
// with-secret-service: gnome-keyring in a D-Bus session of the test's own)
// and where none answers (a bus address that leads nowhere).
#include "app/MorvekVonu.h"
#include "app/VonuOrderInstelling.h"
#include "base/IniFile.h"
#include "base/SystemKeychain.h"
#include "support/DemoFiles.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace vonu;

namespace {

const QString Password = QString::fromUtf8("g\\eh=im é");

LocalSettings account(const QString& password)
{
    LocalSettings s;
    s.emailAdres = "inkoop@klant.nl";
    s.serverNaam = "mail.klant.nl";
    s.serverGebruiker = "inkoop";
    s.serverWachtwoord = password;
    return s;
}

// What the secret service itself holds for the key, read with libsecret's
// own tool rather than through the code under test.
QString secretToolLookup(const QString& key)
{
    QProcess p;
    p.start("secret-tool", {"lookup", "server", "VonuOrder", "user", key});
    if (!p.waitForFinished(30000))
        return "(secret-tool did not finish)";
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString passwordInFile(const QString& path)
{
    return IniFile::load(path).value("Smtp", "ServerWachtwoord");
}

// Closes the settings screen as it is, reading its status bar first.
void closeSettingsScreen(QString* status)
{
    test::whenModal<TVonuOrderInstellingscherm>([status](TVonuOrderInstellingscherm& s) {
        *status = s.statusText();
        QTest::keyClick(&s, Qt::Key_Escape);
    });
}

class SecretService : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            << "run through tests/app/with-secret-service, which starts the secret service";
    }
    QTemporaryDir dir;
    SystemKeychain keychain;
};

class NoSecretService : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SystemKeychain keychain;
};

} // namespace

TEST_F(SecretService, WritesReadsAndRemovesAPassword)
{
    const QString key = LocalSettingsStore::keyOf(account({}));
    EXPECT_EQ(keychain.read(key).status, KeychainAnswer::Status::NotFound);
    const KeychainAnswer written = keychain.write(key, Password);
    ASSERT_TRUE(written.ok()) << written.error.toStdString();
    EXPECT_EQ(secretToolLookup(key), Password);
    const KeychainAnswer read = keychain.read(key);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.secret, Password);
    EXPECT_TRUE(keychain.remove(key).answered());
    EXPECT_EQ(keychain.read(key).status, KeychainAnswer::Status::NotFound);
    EXPECT_EQ(secretToolLookup(key), "");
}

TEST_F(SecretService, APasswordInTheFileMovesIntoTheKeychainAndComesBackFromIt)
{
    const QString work = dir.filePath("klant");
    ASSERT_TRUE(QDir().mkpath(work));
    ASSERT_TRUE(test::placeDemoProfile(work));
    ASSERT_TRUE(test::placeDemoCatalog(work + "/Assortiment.Xml"));
    const QString ini = work + "/MorvekVonu.Ini";
    ASSERT_TRUE(saveLocalSettings(ini, account(Password)));  // as an earlier version wrote it

    test::FakePlatform fake;
    {
        MorvekVonu program(fake.platform, work, {});
        program.setKeychain(keychain);
        program.runStartup();
        ASSERT_TRUE(program.started());
        EXPECT_EQ(program.localSettings().serverWachtwoord, Password);
        QString status = "(not shown)";
        closeSettingsScreen(&status);
        program.editSettings();
        EXPECT_EQ(status, "");
    }
    EXPECT_EQ(fake.messages.count(), 0);
    EXPECT_EQ(passwordInFile(ini), "");
    EXPECT_TRUE(IniFile::load(ini).contains("Smtp", "ServerWachtwoord"));
    EXPECT_EQ(secretToolLookup(LocalSettingsStore::keyOf(account({}))), Password);

    MorvekVonu next(fake.platform, work, {});
    next.setKeychain(keychain);
    next.runStartup();
    ASSERT_TRUE(next.started());
    EXPECT_EQ(next.localSettings().serverWachtwoord, Password);
}

TEST_F(NoSecretService, EveryCallFailsWithAReason)
{
    const QString key = LocalSettingsStore::keyOf(account({}));
    for (const KeychainAnswer& a : {keychain.read(key), keychain.write(key, Password), keychain.remove(key)}) {
        EXPECT_EQ(a.status, KeychainAnswer::Status::Failed);
        EXPECT_FALSE(a.error.isEmpty());
    }
}

TEST_F(NoSecretService, ThePasswordStaysInTheFileAndTheScreenSaysSo)
{
    const QString ini = dir.filePath("MorvekVonu.Ini");
    LocalSettingsStore store(ini, keychain);
    LocalSettings settings = account(Password);
    test::ScriptedMessages messages;
    QString status;
    closeSettingsScreen(&status);
    EXPECT_TRUE(runSettingsScreen(settings, store, QPoint(), messages));
    EXPECT_EQ(status, "Geen wachtwoordkluis: het wachtwoord staat leesbaar in MorvekVonu.Ini.");
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(passwordInFile(ini), Password);
}
