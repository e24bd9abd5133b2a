// A dealer's whole job through the program object with every button wired:
// compose a line by keyboard, save, start anew, reopen, send by mail.
#include "app/MorvekVonu.h"
#include "order/VonuOrder.h"
#include "support/DemoFiles.h"
#include "support/FakePlatform.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace vonu;

namespace {

class ProgramFlow : public ::testing::Test {
protected:
    ProgramFlow()
    {
        work = dir.filePath("klant");
        QDir(dir.path()).mkpath("klant");
        EXPECT_TRUE(test::placeDemoProfile(work));
        EXPECT_TRUE(test::placeDemoCatalog(work + "/Assortiment.Xml"));
        QFile ini(work + "/MorvekVonu.Ini");
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Email]\r\nEmailAdres=inkoop@devries.example\r\n[Smtp]\r\nServerNaam=127.0.0.1\r\n");
        ini.close();

        fake.clock.time = QDateTime(QDate(2026, 12, 10), QTime(14, 5, 3));
        program = std::make_unique<MorvekVonu>(fake.platform, work, QStringList{});
        program->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&program->mainScreen()));
    }

    QStringList ordersFiles() const { return QDir(work + "/Orders").entryList({"*.Xml"}, QDir::Files); }

    QTemporaryDir dir;
    QString work;
    test::FakePlatform fake;
    test::ScriptedMessages& messages = fake.messages;
    test::ScriptedFileDialogs& files = fake.fileDialogs;
    QList<MailMessage>& sent = fake.mail.sent;
    std::unique_ptr<MorvekVonu> program;
};

} // namespace

TEST_F(ProgramFlow, ComposeSaveReopenAndSend)
{
    TVonuOrderscherm& s = program->mainScreen();
    ASSERT_TRUE(program->started());
    ASSERT_EQ(messages.count(), 0);

    // Line 1 by keyboard: the typed search finds SL20, Enter walks on.
    s.regelRij(1).artikel->setFocus();
    QTest::keyClicks(s.regelRij(1).artikel, "sl2");
    EXPECT_EQ(s.regelRij(1).artikel->currentText(), "SL20");
    s.regelRij(1).aantal->setFocus();
    QTest::keyClicks(s.regelRij(1).aantal, "4");
    s.referentie()->setFocus();
    QTest::keyClicks(s.referentie(), "Project 7");
    s.ordernummer()->setFocus();
    EXPECT_EQ(s.order().field(1, Veld::Artikel), "SL20");
    EXPECT_EQ(s.order().field(1, Veld::Aantal), "4");

    QTest::mouseClick(s.bewaren(), Qt::LeftButton);
    ASSERT_EQ(ordersFiles().size(), 1) << messages.last().lines.join(" | ").toStdString();
    const QString saved = work + "/Orders/" + ordersFiles().first();
    EXPECT_EQ(s.currentSignature(), s.savedSignature());

    QTest::mouseClick(s.nieuw(), Qt::LeftButton);
    EXPECT_EQ(s.order().field(1, Veld::Artikel), "");
    EXPECT_EQ(s.referentie()->text(), "");

    files.answer = saved;
    QTest::mouseClick(s.openen(), Qt::LeftButton);
    EXPECT_EQ(s.order().field(1, Veld::Artikel), "SL20");
    EXPECT_EQ(s.order().field(1, Veld::Aantal), "4");
    EXPECT_EQ(s.referentie()->text(), "Project 7");
    EXPECT_EQ(s.regelRij(1).artikel->currentText(), "SL20");
    EXPECT_EQ(s.regelRij(1).aantal->text(), "4");

    const int before = messages.count();
    QTest::mouseClick(s.verzenden(), Qt::LeftButton);
    ASSERT_EQ(sent.size(), 1) << messages.last().lines.join(" | ").toStdString();
    EXPECT_EQ(sent.first().recipients, "orders@morvek.example");
    EXPECT_EQ(sent.first().attachments.size(), 1);
    EXPECT_FALSE(s.verzonden()->isHidden());
    EXPECT_EQ(QDir(work + "/Verzonden").entryList({"*.Xml"}, QDir::Files).size(), 1);
    ASSERT_GT(messages.count(), before);
    EXPECT_EQ(messages.last().caption, "Informatie");
}

TEST_F(ProgramFlow, SendingAnIncompleteOrderIsRefusedAndNothingIsWritten)
{
    TVonuOrderscherm& s = program->mainScreen();
    s.regelRij(1).artikel->setFocus();
    QTest::keyClicks(s.regelRij(1).artikel, "sl2");
    s.referentie()->setFocus();  // the article is stored, the quantity left empty
    QTest::mouseClick(s.verzenden(), Qt::LeftButton);
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_TRUE(ordersFiles().isEmpty());
    ASSERT_GE(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");
}

TEST_F(ProgramFlow, AQuantityTypedButNotLeftStillCountsWhenClosing)
{
    TVonuOrderscherm& s = program->mainScreen();
    s.regelRij(1).artikel->setFocus();
    QTest::keyClicks(s.regelRij(1).artikel, "sl2");
    s.regelRij(1).aantal->setFocus();
    QTest::keyClicks(s.regelRij(1).aantal, "7");
    QTest::mouseClick(s.bewaren(), Qt::LeftButton);  // saved with 7
    s.regelRij(1).aantal->setFocus();
    QTest::keyClick(s.regelRij(1).aantal, Qt::Key_Backspace);
    QTest::keyClicks(s.regelRij(1).aantal, "9");      // not left
    messages.clear();
    messages.answer(2);
    EXPECT_FALSE(s.close());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().lines.value(1), "Order is gewijzigd, wilt u afsluiten?");
}
