// The settings file with the mail password in the keychain: what each side
// holds after a load and a save, with the keychain there, gone or refusing.
#include "base/IniFile.h"
#include "base/LocalSettingsStore.h"
#include "support/FakeKeychain.h"

#include <QDir>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vonu;
using vonu::test::FakeKeychain;

namespace {

const char* const Key = "smtp://inkoop@mail.klant.nl";

class SettingsStore : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("MorvekVonu.Ini"); }

    void writeIni(const QByteArray& password)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Email]\r\nEmailAdres=inkoop@klant.nl\r\n[Smtp]\r\nServerNaam=mail.klant.nl\r\n"
                "ServerGebruiker=inkoop\r\nServerWachtwoord=" + password + "\r\nServerCertificaat=relay.pem\r\n");
    }

    QString passwordInFile() const { return IniFile::load(path()).value("Smtp", "ServerWachtwoord"); }

    LocalSettings loaded(LocalSettingsStore& store)
    {
        LocalSettings s;
        EXPECT_TRUE(store.load(&s));
        return s;
    }

    QTemporaryDir dir;
    FakeKeychain keychain;
};

} // namespace

TEST_F(SettingsStore, LoadTakesTheFilesPasswordFirstAndTheKeychainsWhenTheFileHasNone)
{
    const struct {
        const char* name;
        QByteArray inFile;
        bool available;
        const char* inKeychain;  // nullptr: no entry
        const char* expected;
        bool asksKeychain;
    } cases[] = {
        {"file wins", "uitbestand", true, "uitkluis", "uitbestand", false},
        {"keychain fills an empty file", "", true, "uitkluis", "uitkluis", true},
        {"nothing anywhere", "", true, nullptr, "", true},
        {"no keychain", "", false, nullptr, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeIni(c.inFile);
        keychain = FakeKeychain();
        keychain.available = c.available;
        if (c.inKeychain)
            keychain.entries.insert(Key, c.inKeychain);
        LocalSettingsStore store(path(), keychain);
        const LocalSettings s = loaded(store);
        EXPECT_EQ(s.serverWachtwoord, c.expected);
        EXPECT_EQ(s.serverCertificaat, "relay.pem");
        EXPECT_EQ(!keychain.calls.isEmpty(), c.asksKeychain) << keychain.calls.join(", ").toStdString();
    }
}

TEST_F(SettingsStore, SaveMovesTheFilesPasswordIntoTheKeychainWhereOneTakesIt)
{
    const struct {
        const char* name;
        bool available;
        bool refuses;
        const char* fileAfter;
        bool inKeychain;
        bool refusalTold;
    } cases[] = {
        {"keychain takes it", true, false, "", true, false},
        {"no keychain: the file keeps it as always", false, false, "ge\\heim=1", false, false},
        {"keychain refuses: the file keeps it, and it is told", true, true, "ge\\heim=1", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeIni("ge\\heim=1");
        keychain = FakeKeychain();
        keychain.available = c.available;
        keychain.refuseWrites = c.refuses;
        LocalSettingsStore store(path(), keychain);
        const LocalSettings s = loaded(store);
        ASSERT_EQ(s.serverWachtwoord, "ge\\heim=1");

        const LocalSettingsStore::SaveResult r = store.save(s);
        EXPECT_TRUE(r.saved) << r.error.toStdString();
        EXPECT_EQ(passwordInFile(), c.fileAfter);
        EXPECT_EQ(keychain.entries.value(Key), c.inKeychain ? "ge\\heim=1" : "");
        EXPECT_EQ(!r.keychainRefusal.isEmpty(), c.refusalTold) << r.keychainRefusal.toStdString();
        // The key stays in its place, with the keys the store does not write.
        EXPECT_TRUE(IniFile::load(path()).contains("Smtp", "ServerWachtwoord"));
        EXPECT_EQ(IniFile::load(path()).value("Smtp", "ServerCertificaat"), "relay.pem");
    }
}

TEST_F(SettingsStore, AMovedPasswordComesBackFromTheKeychainOnTheNextStart)
{
    writeIni("geheim");
    {
        LocalSettingsStore first(path(), keychain);
        ASSERT_TRUE(first.save(loaded(first)).saved);
    }
    ASSERT_EQ(passwordInFile(), "");
    LocalSettingsStore next(path(), keychain);
    EXPECT_EQ(loaded(next).serverWachtwoord, "geheim");
}

TEST_F(SettingsStore, ASaveThatChangesNothingOfTheAccountDoesNotWriteTheKeychainAgain)
{
    writeIni("");
    keychain.entries.insert(Key, "uitkluis");
    LocalSettingsStore store(path(), keychain);
    LocalSettings s = loaded(store);
    s.boven = 200;  // the window moved
    ASSERT_TRUE(store.save(s).saved);
    EXPECT_TRUE(keychain.callsOf("write").isEmpty());
    EXPECT_EQ(passwordInFile(), "");
}

TEST_F(SettingsStore, AChangedAccountOrPasswordIsWrittenUnderItsOwnKey)
{
    writeIni("");
    keychain.entries.insert(Key, "oud");
    LocalSettingsStore store(path(), keychain);
    LocalSettings s = loaded(store);
    s.serverWachtwoord = "nieuw";
    ASSERT_TRUE(store.save(s).saved);
    EXPECT_EQ(keychain.entries.value(Key), "nieuw");

    s.serverNaam = "smtp.ander.nl";
    ASSERT_TRUE(store.save(s).saved);
    EXPECT_EQ(keychain.entries.value("smtp://inkoop@smtp.ander.nl"), "nieuw");
    EXPECT_EQ(passwordInFile(), "");
}

TEST_F(SettingsStore, AnEmptiedPasswordLeavesTheKeychainOnlyWhenThisRunKnewIt)
{
    // Found at start and emptied: removed, or the next start brings it back.
    writeIni("");
    keychain.entries.insert(Key, "uitkluis");
    {
        LocalSettingsStore store(path(), keychain);
        LocalSettings s = loaded(store);
        s.serverWachtwoord.clear();
        ASSERT_TRUE(store.save(s).saved);
        EXPECT_FALSE(keychain.entries.contains(Key));
        LocalSettingsStore next(path(), keychain);
        EXPECT_EQ(loaded(next).serverWachtwoord, "");
    }

    // The keychain did not answer at start: what it holds is not this run's
    // to drop when it answers later.
    keychain.entries.insert(Key, "uitkluis");
    keychain.available = false;
    LocalSettingsStore store(path(), keychain);
    LocalSettings s = loaded(store);
    keychain.available = true;
    ASSERT_TRUE(store.save(s).saved);
    EXPECT_EQ(keychain.entries.value(Key), "uitkluis");
}

TEST_F(SettingsStore, AFileThatCannotBeWrittenIsReportedAfterTheKeychainTookThePassword)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("MorvekVonu.Ini"));
    LocalSettingsStore store(path(), keychain);
    LocalSettings s;
    s.serverGebruiker = "inkoop";
    s.serverNaam = "mail.klant.nl";
    s.serverWachtwoord = "geheim";
    const LocalSettingsStore::SaveResult r = store.save(s);
    EXPECT_FALSE(r.saved);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(keychain.entries.value(Key), "geheim");
}
