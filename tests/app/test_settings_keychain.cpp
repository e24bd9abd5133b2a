// The program's start and close with the mail password in the keychain.
#include "app/MorvekVonu.h"
#include "base/IniFile.h"
#include "order/VonuOrder.h"
#include "support/DemoFiles.h"
#include "support/FakeKeychain.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vonu;

namespace {

const char* const Key = "smtp://inkoop@mail.klant.nl";

class KeychainRun : public ::testing::Test {
protected:
    KeychainRun()
    {
        QDir(root.path()).mkpath("werk");
        work = root.filePath("werk");
    }

    void writeIni(const QByteArray& password)
    {
        QFile f(work + "/MorvekVonu.Ini");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Smtp]\r\nServerNaam=mail.klant.nl\r\nServerGebruiker=inkoop\r\nServerWachtwoord=" + password +
                "\r\n");
    }

    MorvekVonu& start(const QStringList& args = {})
    {
        program = std::make_unique<MorvekVonu>(fake.platform, work, args);
        program->setKeychain(keychain);
        program->runStartup();
        return *program;
    }

    QString passwordInFile() const
    {
        return IniFile::load(work + "/MorvekVonu.Ini").value("Smtp", "ServerWachtwoord");
    }

    QTemporaryDir root;
    QString work;
    test::FakePlatform fake;
    test::FakeKeychain keychain;
    std::unique_ptr<MorvekVonu> program;
};

} // namespace

TEST_F(KeychainRun, CustomerStartTakesThePasswordFromTheKeychain)
{
    ASSERT_TRUE(test::placeDemoProfile(work));
    ASSERT_TRUE(test::placeDemoCatalog(work + "/Assortiment.Xml"));
    writeIni("");
    keychain.entries.insert(Key, "uitkluis");
    ASSERT_TRUE(start().started()) << fake.messages.last().lines.join(" | ").toStdString();
    EXPECT_EQ(program->localSettings().serverWachtwoord, "uitkluis");
}

TEST_F(KeychainRun, TheOrderDeskLeavesTheKeychainAlone)
{
    QFile(work + "/Morvek.Ini").open(QIODevice::WriteOnly);
    writeIni("");
    keychain.entries.insert(Key, "uitkluis");
    start({"BALIE1"});  // ends at the missing catalog, after the settings
    EXPECT_TRUE(keychain.calls.isEmpty()) << keychain.calls.join(", ").toStdString();
    EXPECT_EQ(program->localSettings().serverWachtwoord, "");
}

TEST_F(KeychainRun, ClosingAMovedScreenMovesAFilesPasswordIntoTheKeychain)
{
    ASSERT_TRUE(test::placeDemoProfile(work));
    ASSERT_TRUE(test::placeDemoCatalog(work + "/Assortiment.Xml"));
    writeIni("uitbestand");
    ASSERT_TRUE(start().started());
    EXPECT_EQ(program->localSettings().serverWachtwoord, "uitbestand");
    program->mainScreen().move(program->mainScreen().pos() + QPoint(17, 9));
    program->mainScreen().close();
    EXPECT_EQ(passwordInFile(), "");
    EXPECT_EQ(keychain.entries.value(Key), "uitbestand");
}
