// The order desk's start-up and close against the real database server.
#include "app/MorvekVonu.h"
#include "desk/DbSession.h"
#include "desk/VonuOrderExtra.h"
#include "widgets/RadioGroup.h"
#include "order/VonuOrder.h"
#include "order/VonuOrderNotitie.h"
#include "support/DemoFiles.h"
#include "support/DatabaseFixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace vonu;
using vonu::test::PgTestDatabase;

namespace {

class DeskStartup : public test::DatabaseFixture {
protected:
    void SetUp() override
    {
        test::DatabaseFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        work = deskFolder();
        ASSERT_FALSE(HasFailure());
        fake.clock.time = QDateTime(QDate(2026, 12, 10), QTime(8, 0));
    }

    QString work;
    Platform& platform = fake.platform;
};

} // namespace

TEST_F(DeskStartup, OpensTheSessionShapesTheScreenAndClosesCleanly)
{
    MorvekVonu program(platform, work, {"balie1"});
    program.runStartup();
    ASSERT_EQ(messages.count(), 0) << messages.last().lines.join(" | ").toStdString();
    ASSERT_TRUE(program.started());
    TVonuOrderscherm& s = program.mainScreen();

    EXPECT_EQ(program.workstation(), "BALIE1");
    EXPECT_EQ(s.statusText(1), "Versie 1.06");
    EXPECT_EQ(s.statusText(2), "Sleutel 10-12-2026");
    EXPECT_EQ(s.lDebiteur()->text(), "Debiteur:");
    EXPECT_EQ(s.verzenden()->text(), "Bewaren order&verwerking");
    EXPECT_EQ(s.notities()->text(), "Noti&ties / O.B.");
    EXPECT_EQ(program.notesScreen().windowTitle(), "Notities / Opmerking orderbevestiging");
    EXPECT_EQ(s.ordernummer()->maxLength(), 30);
    // The session's values live in the program's state, where the desk reads them.
    ASSERT_NE(program.state().db, nullptr);
    EXPECT_EQ(program.state().db->userName(), "Balie1");
    EXPECT_EQ(program.state().db->settings().databaseOrder, db->name());
    EXPECT_EQ(program.state().desk.onderdorpelPre, "pre");
    EXPECT_EQ(program.state().desk.onderdorpelPost, "post");
    EXPECT_FALSE(s.debiteur()->isHidden());
    EXPECT_FALSE(s.extra()->isHidden());
    EXPECT_TRUE(s.instellingen()->isHidden());

    const QString freight1 = db->scalar("select ExtraVrachtOmschrijving1 from Konstanten where ID = 1").toString();
    ASSERT_FALSE(freight1.isEmpty());
    EXPECT_EQ(program.extraScreen().extraVrachtkosten()->itemText(1), freight1);
    EXPECT_EQ(sessionRows("Balie1"), 1);

    s.close();
    EXPECT_EQ(sessionRows("Balie1"), 0);
}

TEST_F(DeskStartup, UnreachableDatabaseEndsWithAMessage)
{
    QFile ini(QDir(work).filePath("../MorvekAdministratie.Ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Administratie1]\r\nAdministratie=1\r\nServerOrder=127.0.0.1:1\r\nDatabaseOrder=geen\r\n");
    ini.close();
    MorvekVonu program(platform, work, {"balie1"});
    program.runStartup();
    EXPECT_FALSE(program.started());
    ASSERT_GE(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");
}
