#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "support/PgTestDatabase.h"
#include "support/ScriptedMessages.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vonu;
using vonu::test::PgTestDatabase;
using vonu::test::ScriptedMessages;

namespace {

class DbSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString why = PgTestDatabase::unavailableReason();
        if (!why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        db = std::make_unique<PgTestDatabase>();
        ASSERT_TRUE(db->ok()) << db->error().toStdString();
    }

    ConnectionSettings settings() const
    {
        return ConnectionSettings{"1", PgTestDatabase::server(), db->name()};
    }

    int count(const QString& sql, const QVariantList& params = {}) const
    {
        return db->scalar(sql, params).toInt();
    }

    int sessionRows(const QString& user) const
    {
        return count("select count(*) from APC_Tabel where \"user\" = ? and record = 'VonuOrder' and \"table\" is null",
                     {user});
    }

    int lockRows(const QString& user) const
    {
        return count("select count(*) from APC_Tabel where \"user\" = ? and \"table\" = 'VonuOrder'", {user});
    }

    std::unique_ptr<PgTestDatabase> db;
    ScriptedMessages messages;
};

} // namespace

TEST_F(DbSessionTest, OpensFromTheWorkingFolderAndReadsTheConstants)
{
    DbSession session(messages);
    ASSERT_TRUE(session.open(db->workingFolder("Balie2")));
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(session.userName(), "Balie2");
    EXPECT_EQ(session.settings().databaseOrder, db->name());
    EXPECT_EQ(sessionRows("Balie2"), 1);
    EXPECT_EQ(session.extraVrachtOmschrijving1(), "Spoed, levering binnen 5 werkdagen");
    EXPECT_EQ(session.extraVrachtOmschrijving2(), "Spoed, levering volgende werkdag");
    EXPECT_EQ(session.constant("MoffelProductie").toInt(), 1);
    EXPECT_EQ(session.constant("EAN_leverancier").toString(), "871234");
    EXPECT_TRUE(session.constant("KleurToeslag").toBool());
    // Money comes back exact.
    EXPECT_EQ(session.constant("KleurToeslagBedrag").toString(), "25.00");
    EXPECT_EQ(session.select("show statement_timeout").text("statement_timeout"), "5min");

    session.close();
    EXPECT_FALSE(session.isOpen());
    EXPECT_EQ(sessionRows("Balie2"), 0);
}

TEST_F(DbSessionTest, TwoStartsOfOneUserShareOneSessionRowAndEitherCloseRemovesIt)
{
    DbSession first(messages), second(messages);
    ASSERT_TRUE(first.open("Balie1", settings()));
    ASSERT_TRUE(second.open("Balie1", settings()));
    EXPECT_EQ(sessionRows("Balie1"), 1);
    second.close();
    EXPECT_EQ(sessionRows("Balie1"), 0);
    first.close();
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(DbSessionTest, DriveRootAndLongFolderNamesGiveTheirUserRows)
{
    const QString longName = sessionUserName("C:\\Orderdesk\\Werkplek_met_een_heel_lange_naam_2024");
    ASSERT_EQ(longName.size(), 30);
    for (const QString& user : {sessionUserName("C:\\"), longName}) {
        DbSession session(messages);
        ASSERT_TRUE(session.open(user, settings())) << user.toStdString();
        EXPECT_EQ(sessionRows(user), 1) << user.toStdString();
        session.close();
        EXPECT_EQ(sessionRows(user), 0);
    }
}

TEST_F(DbSessionTest, StartUpRemovesLeftoverLocksOfTheUserOnly)
{
    ASSERT_TRUE(db->exec("insert into APC_Tabel (\"user\", \"table\", record) values "
                         "('Balie1', 'VonuOrder', '     100'), ('Balie2', 'VonuOrder', '     200')"));
    DbSession session(messages);
    ASSERT_TRUE(session.open("Balie1", settings()));
    EXPECT_EQ(lockRows("Balie1"), 0);
    EXPECT_EQ(lockRows("Balie2"), 1);
}

TEST_F(DbSessionTest, LocksAreTakenReleasedAndRefusedToAnotherWorkstation)
{
    DbSession balie1(messages), balie2(messages);
    ASSERT_TRUE(balie1.open("Balie1", settings()));
    ASSERT_TRUE(balie2.open("Balie2", settings()));

    EXPECT_EQ(balie1.lockOrder(orderKey("24001")), DbSession::LockResult::Locked);
    EXPECT_EQ(count("select count(*) from APC_Tabel where record = ? and \"table\" = 'VonuOrder'",
                    {"   24001"}), 1);

    DbSession::LockHolder holder;
    EXPECT_EQ(balie2.lockOrder(orderKey("24001"), &holder), DbSession::LockResult::InUse);
    EXPECT_EQ(holder.user, "Balie1");
    EXPECT_EQ(holder.table, "VonuOrder");
    // The own lock is reported too (the order is open in another window).
    EXPECT_EQ(balie1.lockOrder(orderKey("24001"), &holder), DbSession::LockResult::InUse);

    // The administration program's lock counts as well.
    ASSERT_TRUE(db->exec("insert into APC_Tabel (\"user\", \"table\", record) values ('MorvekServer', 'Order', ?)",
                         {orderKey("24002")}));
    EXPECT_EQ(balie2.lockOrder(orderKey("24002"), &holder), DbSession::LockResult::InUse);
    EXPECT_EQ(holder.user, "MorvekServer");
    EXPECT_EQ(holder.table, "Order");

    // Locking another order releases the previous one.
    EXPECT_EQ(balie1.lockOrder(orderKey("24003")), DbSession::LockResult::Locked);
    EXPECT_FALSE(balie1.lockHolder(orderKey("24001")).has_value());
    EXPECT_EQ(lockRows("Balie1"), 1);

    EXPECT_TRUE(balie1.releaseOrderLocks());
    EXPECT_EQ(lockRows("Balie1"), 0);
    EXPECT_EQ(balie1.lockOrder(orderKey("24001")), DbSession::LockResult::Locked);
    balie1.close();
    EXPECT_EQ(lockRows("Balie1"), 0);
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(DbSessionTest, TheDatabaseRefusesASecondLockOnOneOrder)
{
    // Two workstations that both passed the check at the same moment: the
    // second insert fails instead of giving two lock rows.
    ASSERT_TRUE(db->exec("insert into APC_Tabel (\"user\", \"table\", record) values ('Balie1', 'VonuOrder', ?)",
                         {orderKey("7")}));
    QString error;
    EXPECT_FALSE(db->exec("insert into APC_Tabel (\"user\", \"table\", record) values ('Balie2', 'VonuOrder', ?)",
                          {orderKey("7")}, &error));
    EXPECT_FALSE(db->exec("insert into APC_Tabel (\"user\", \"table\", record) values ('MorvekServer', 'Order', ?)",
                          {orderKey("7")}, &error));
    EXPECT_TRUE(error.contains("apc_tabel_orderlock")) << error.toStdString();
    EXPECT_EQ(count("select count(*) from APC_Tabel where record = ?", {orderKey("7")}), 1);
}

TEST_F(DbSessionTest, HostileUserNamesAndTextsArriveUnchanged)
{
    const QStringList texts = {
        "O'Brien",
        "'; drop table Artikel; --",
        "Zeg \"ja\" en 'nee'",
        "C:\\pad\\naar\\bestand \\' \\\\",
        "Crème brûlée à 12 € — Łódź 東京",
        "?, :naam, $1 en %s",
    };
    for (const QString& user : texts) {
        DbSession session(messages);
        ASSERT_TRUE(session.open(user.left(30), settings())) << user.toStdString();
        EXPECT_EQ(sessionRows(user.left(30)), 1) << user.toStdString();
        EXPECT_EQ(session.lockOrder(orderKey("1")), DbSession::LockResult::Locked);
        EXPECT_EQ(session.lockHolder(orderKey("1"))->user, user.left(30));
        session.close();
        EXPECT_EQ(count("select count(*) from APC_Tabel where \"user\" = ?", {user.left(30)}), 0);
    }
    DbSession session(messages);
    ASSERT_TRUE(session.open("Balie1", settings()));
    int number = 100;
    for (const QString& text : texts) {
        ASSERT_TRUE(session.exec("insert into Standaardtekst (Tekst, Type, Bevestiging) values (?, 'B', ?)",
                                 {number, text}));
        EXPECT_EQ(session.select("select Bevestiging from Standaardtekst where Tekst = ?", {number})
                      .text("Bevestiging"), text);
        ++number;
    }
    // Where a statement escapes a typed text, a double quote arrives as an
    // apostrophe and an apostrophe as itself.
    ASSERT_TRUE(session.exec("insert into Standaardtekst (Tekst, Type, Bevestiging) values (?, 'B', ?)",
                             {number, sqlEscapedValue("O'Brien zegt \"ja\"")}));
    EXPECT_EQ(db->scalar("select Bevestiging from Standaardtekst where Tekst = ?", {number}).toString(),
              "O'Brien zegt 'ja'");
    EXPECT_EQ(count("select count(*) from Artikel"), 49);
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(DbSessionTest, StatementErrorsShowTheServerTextAndStopOnlyTheAction)
{
    DbSession session(messages);
    ASSERT_TRUE(session.open("Balie1", settings()));
    const DbRows bad = session.select("select * from GeenTabel where Artikel = ?", {"OD56"});
    EXPECT_FALSE(bad.ok);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_TRUE(messages.last().lines.join(' ').contains("geentabel")) << messages.last().lines.join('|').toStdString();
    EXPECT_TRUE(session.isConnected());

    const DbRows good = session.select("select Prijs, Aktief, Gewicht from Artikel where Artikel = ?", {"OD56"});
    ASSERT_TRUE(good.found());
    EXPECT_EQ(good.text("prijs"), "14.8000");
    EXPECT_TRUE(good.flag("Aktief"));
    EXPECT_EQ(messages.count(), 1);
}

TEST_F(DbSessionTest, AFailedStatementRollsBackTheWholeTransaction)
{
    DbSession session(messages);
    ASSERT_TRUE(session.open("Balie1", settings()));
    ASSERT_TRUE(session.begin());
    EXPECT_TRUE(session.exec("insert into Leveringswijze (Levwijze, Omschrijving) values (?, ?)", {"ZZ", "Test"}));
    EXPECT_FALSE(session.exec("insert into Leveringswijze (Levwijze, Omschrijving) values (?, ?)", {"ZZ", "Dubbel"}));
    EXPECT_FALSE(session.exec("insert into Leveringswijze (Levwijze, Omschrijving) values (?, ?)", {"ZY", "Na fout"}));
    EXPECT_FALSE(session.commit());
    EXPECT_EQ(messages.count(), 1);
    EXPECT_EQ(count("select count(*) from Leveringswijze where Levwijze in ('ZZ', 'ZY')"), 0);

    ASSERT_TRUE(session.begin());
    EXPECT_TRUE(session.exec("insert into Leveringswijze (Levwijze, Omschrijving) values (?, ?)", {"ZZ", "Test"}));
    EXPECT_TRUE(session.commit());
    EXPECT_EQ(count("select count(*) from Leveringswijze where Levwijze = 'ZZ'"), 1);
}

TEST_F(DbSessionTest, OrderNumbersAreDrawnOnceEach)
{
    DbSession a(messages), b(messages);
    ASSERT_TRUE(a.open("Balie1", settings()));
    ASSERT_TRUE(b.open("Balie2", settings()));
    EXPECT_EQ(a.drawOrderNumber(), "24001");
    EXPECT_EQ(b.drawOrderNumber(), "24002");
    EXPECT_EQ(a.drawOrderNumber(), "24003");
    EXPECT_EQ(count("select \"order\" from Konstanten where ID = 1"), 24004);
}

TEST_F(DbSessionTest, AKilledConnectionGivesAMessageAndTheNextActionReconnects)
{
    DbSession session(messages);
    ASSERT_TRUE(session.open("Balie1", settings()));
    ASSERT_TRUE(session.select("select 1").found());
    const int killed = count("select count(pg_terminate_backend(pid)) from pg_stat_activity "
                             "where datname = ? and application_name like 'VonuOrder%'", {db->name()});
    ASSERT_EQ(killed, 1);

    const DbRows lost = session.select("select Artikel from Artikel where Artikel = ?", {"OD56"});
    EXPECT_FALSE(lost.ok);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_TRUE(messages.last().lines.contains("De verbinding met de orderdatabase is verbroken."))
        << messages.last().lines.join('|').toStdString();
    EXPECT_FALSE(session.isConnected());

    const DbRows again = session.select("select Artikel from Artikel where Artikel = ?", {"OD56"});
    ASSERT_TRUE(again.found());
    EXPECT_EQ(again.text("Artikel"), "OD56");
    EXPECT_EQ(session.select("show statement_timeout").text("statement_timeout"), "5min");
    EXPECT_EQ(messages.count(), 1);
    session.close();
    EXPECT_EQ(sessionRows("Balie1"), 0);
}

TEST_F(DbSessionTest, MissingOrWrongSettingsAreReportedNotFatal)
{
    DbSession session(messages);
    EXPECT_FALSE(session.open("Balie1", ConnectionSettings{}));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");

    EXPECT_FALSE(session.open("Balie1", ConnectionSettings{"1", PgTestDatabase::server(), "bestaat_niet"}));
    ASSERT_EQ(messages.count(), 2);
    EXPECT_TRUE(messages.last().lines.join(' ').contains("bestaat_niet"));
    EXPECT_FALSE(session.isOpen());
    // A folder without MorvekAdministratie.Ini beside it reads empty values.
    EXPECT_TRUE(ConnectionSettings::read(QDir::tempPath() + "/geen/map").databaseOrder.isEmpty());
}

TEST(ConnectionSettingsTest, ServerOrderIsHostOrHostAndPort)
{
    const struct { const char* server; const char* host; int port; } cases[] = {
        {"dbserver", "dbserver", -1},
        {"dbserver:5433", "dbserver", 5433},
        {"", "", -1},
        {"/var/run/postgresql", "/var/run/postgresql", -1},
        {"dbserver:geen", "dbserver", -1},
    };
    for (const auto& c : cases) {
        ConnectionSettings s{"", c.server, "db"};
        EXPECT_EQ(s.host(), QString(c.host)) << c.server;
        EXPECT_EQ(s.port(), c.port) << c.server;
    }
}
