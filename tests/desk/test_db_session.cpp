#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/RowBatch.h"
#include "support/DatabaseFixture.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <libpq-fe.h>

using namespace vonu;
using vonu::test::PgTestDatabase;

namespace {

using DbSessionTest = test::DatabaseFixture;

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
    const int articles = count("select count(*) from Artikel");
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
    EXPECT_EQ(count("select count(*) from Artikel"), articles);
    EXPECT_EQ(messages.count(), 0);
}

// Rows written together travel as text the server takes apart again:
// whatever a value holds must arrive as if it had been bound on its own,
// written batched or row by row, inserted or updated.
TEST_F(DbSessionTest, RowsWrittenTogetherArriveAsTheyWereBound)
{
    ASSERT_TRUE(openSession());
    ASSERT_TRUE(session->exec("create table Proef (Sleutel varchar primary key, Tekst varchar, Getal numeric, "
                         "Vlag boolean, Klein smallint, Groot bigint)"));
    const QVariant nullText{QMetaType(QMetaType::QString)};
    const QList<QVariantList> values = {
        {"1", "gewoon", "12.345", true, 3, qlonglong(9007199254740993)},  // 2^53 + 1: no double holds it
        {"2", "Zeg \"ja\", {of} 'nee'", 0.25, false, -7, qlonglong(-9223372036854775807)},
        {"3", "C:\\pad\\ \\\" \\\\", QVariant(QMetaType(QMetaType::QString)), QVariant(), QVariant(), QVariant()},
        {"4", "NULL", "-0.5", QVariant(QMetaType(QMetaType::Bool)), 0, 0},
        {"5", "", 1234567.125, true, 1, 1},
        {"6", "  blanco's rondom  ", "3", false, 2, 2},
        {"7", nullText, 2.5, true, 4, 4},
        {"8", "Crème brûlée à 12 € — Łódź 東京\t\n", "0", false, 5, 5},
        {"9", "?, :naam, $1, ) ; drop table Proef; --", "1e3", true, 6, 6},
    };
    const QStringList columns{"sleutel varchar", "tekst varchar", "getal numeric", "vlag boolean", "klein smallint",
                               "groot bigint"};
    const QString withoutKey = "select (to_jsonb(t) - 'sleutel')::text from Proef t order by Sleutel";

    for (const QVariantList& v : values)
        ASSERT_TRUE(session->exec("insert into Proef values (?, ?, ?::numeric, ?, ?, ?)", v));
    const QStringList bound = rows(withoutKey);
    ASSERT_EQ(bound.size(), values.size());

    for (const Writing writing : {Writing::Batched, Writing::RowByRow}) {
        SCOPED_TRACE(writing == Writing::Batched ? "batched" : "row by row");
        ASSERT_TRUE(session->exec("delete from Proef"));
        RowBatch inserted("Proef", columns, writing);
        for (const QVariantList& v : values)
            inserted.add(v);
        ASSERT_TRUE(inserted.insert(*session));
        EXPECT_EQ(rows(withoutKey), bound);

        // Updated by key: every row's values moved one row on.
        RowBatch updated("Proef", columns, writing);
        for (int i = 0; i < values.size(); ++i) {
            QVariantList v = values.at((i + 1) % values.size());
            v[0] = values.at(i).at(0);
            updated.add(v);
        }
        ASSERT_TRUE(updated.update(*session, 1));
        QStringList moved;
        for (int i = 0; i < bound.size(); ++i)
            moved << bound.at((i + 1) % bound.size());
        EXPECT_EQ(rows(withoutKey), moved);
    }
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
    const QString insert = "insert into Leveringswijze (Levwijze, Omschrijving) values (?, ?)";
    DbSession session(messages);
    ASSERT_TRUE(session.open("Balie1", settings()));
    ASSERT_TRUE(session.begin());
    EXPECT_TRUE(session.exec(insert, {"ZZ", "Test"}));
    EXPECT_FALSE(session.exec(insert, {"ZZ", "Dubbel"}));
    EXPECT_FALSE(session.exec(insert, {"ZY", "Na fout"}));
    EXPECT_FALSE(session.commit());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.last().lines.contains("Niets van deze actie is bewaard."))
        << messages.last().lines.join('|').toStdString();
    EXPECT_EQ(count("select count(*) from Leveringswijze where Levwijze in ('ZZ', 'ZY')"), 0);

    ASSERT_TRUE(session.begin());
    EXPECT_TRUE(session.exec(insert, {"ZZ", "Test"}));
    EXPECT_TRUE(session.commit());
    EXPECT_EQ(count("select count(*) from Leveringswijze where Levwijze = 'ZZ'"), 1);
}

TEST_F(DbSessionTest, ATransactionGuardRollsBackUnlessCommitted)
{
    const QString insert = "insert into Leveringswijze (Levwijze, Omschrijving) values (?, ?)";
    DbSession session(messages);
    ASSERT_TRUE(session.open("Balie1", settings()));
    {
        // An action that returns early: nothing of it stays.
        DbTransaction t(session);
        ASSERT_TRUE(t);
        EXPECT_TRUE(session.exec(insert, {"Z1", "Verlaten"}));
    }
    EXPECT_FALSE(session.inTransaction());
    EXPECT_EQ(count("select count(*) from Leveringswijze where Levwijze = 'Z1'"), 0);
    {
        // A failed statement ends the transaction; the guard's end frees
        // the session for the next action.
        DbTransaction t(session);
        EXPECT_TRUE(session.exec(insert, {"Z2", "Eerste"}));
        EXPECT_FALSE(session.exec("insert into GeenTabel values (?)", {1}));
        EXPECT_FALSE(session.exec(insert, {"Z3", "Na de fout"}));
    }
    EXPECT_EQ(messages.count(), 1);
    EXPECT_TRUE(session.exec(insert, {"Z4", "Volgende actie"}));
    EXPECT_EQ(count("select count(*) from Leveringswijze where Levwijze in ('Z2', 'Z3')"), 0);
    {
        DbTransaction t(session);
        EXPECT_TRUE(session.exec(insert, {"Z5", "Bewaard"}));
        EXPECT_TRUE(t.commit());
        EXPECT_FALSE(t.commit());
    }
    EXPECT_EQ(count("select count(*) from Leveringswijze where Levwijze in ('Z4', 'Z5')"), 2);
    EXPECT_EQ(messages.count(), 1);
}

TEST_F(DbSessionTest, DatesAndTheServerClockFollowTheDeskNotTheServerZone)
{
    // A session that starts in a zone far east of the desk (as on a server
    // set up elsewhere): a date bound at the desk's late evening would be
    // stored as the next day.
    qputenv("PGTZ", "Pacific/Kiritimati");
    DbSession session(messages);
    const bool opened = session.open("Balie1", settings());
    qunsetenv("PGTZ");
    ASSERT_TRUE(opened);
    const QDate day(2026, 3, 1);
    const QDateTime lateEvening(day, QTime(23, 30));
    ASSERT_TRUE(session.exec("insert into Vrijedag (VanDatum, TotDatum) values (?, ?)", {lateEvening, day}));
    const DbRows stored = session.select("select VanDatum, TotDatum from Vrijedag where TotDatum = ?", {day});
    ASSERT_TRUE(stored.found());
    EXPECT_EQ(stored.text("VanDatum"), "2026-03-01");
    EXPECT_EQ(stored.text("TotDatum"), "2026-03-01");

    const QDateTime serverNow = session.select("select getdate() as nu").value("nu").toDateTime();
    EXPECT_LT(std::abs(serverNow.secsTo(QDateTime::currentDateTime())), 120)
        << serverNow.toString(Qt::ISODate).toStdString();
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(DbSessionTest, TheConnectionNoticesADeadLinkWithinTheStatementTimeOut)
{
    DbSession session(messages);
    ASSERT_TRUE(session.open("Balie1", settings()));
    const QVariant handle = QSqlDatabase::database(session.connectionName(), false).driver()->handle();
    ASSERT_TRUE(qstrcmp(handle.typeName(), "PGconn*") == 0 || qstrcmp(handle.typeName(), "pg_conn*") == 0)
        << handle.typeName();
    PGconn* conn = *static_cast<PGconn* const*>(handle.data());
    ASSERT_NE(conn, nullptr);
    QMap<QString, QString> options;
    PQconninfoOption* info = PQconninfo(conn);
    for (PQconninfoOption* o = info; o && o->keyword; ++o)
        options[o->keyword] = o->val ? QString::fromUtf8(o->val) : QString();
    PQconninfoFree(info);
    EXPECT_EQ(options.value("keepalives"), "1");
    const int idle = options.value("keepalives_idle").toInt();
    const int interval = options.value("keepalives_interval").toInt();
    const int probes = options.value("keepalives_count").toInt();
    const int userTimeout = options.value("tcp_user_timeout").toInt();
    EXPECT_GT(idle, 0);
    EXPECT_GT(interval, 0);
    EXPECT_GT(probes, 0);
    EXPECT_GT(userTimeout, 0);
    // Both ways of noticing end well before the statement time-out.
    EXPECT_LT(idle + interval * probes, DbSession::statementTimeoutSeconds);
    EXPECT_LT(userTimeout / 1000, DbSession::statementTimeoutSeconds);
}

TEST_F(DbSessionTest, ClosingAfterAnUnnoticedConnectionLossStillRemovesTheRows)
{
    DbSession session(messages);
    ASSERT_TRUE(session.open("Balie1", settings()));
    ASSERT_EQ(session.lockOrder(orderKey("24001")), DbSession::LockResult::Locked);
    ASSERT_EQ(count("select count(pg_terminate_backend(pid)) from pg_stat_activity "
                    "where datname = ? and application_name like 'VonuOrder%'", {db->name()}), 1);
    session.close();
    EXPECT_EQ(sessionRows("Balie1"), 0);
    EXPECT_EQ(lockRows("Balie1"), 0);
    EXPECT_EQ(messages.count(), 0) << messages.last().lines.join('|').toStdString();
}

TEST_F(DbSessionTest, AFailedConstantsReadLeavesNoSessionRow)
{
    ASSERT_TRUE(db->exec("delete from Konstanten where ID = 1"));
    DbSession session(messages);
    EXPECT_FALSE(session.open("Balie1", settings()));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().lines.value(0), "De konstanten (Konstanten ID 1) ontbreken in de orderdatabase.");
    EXPECT_FALSE(session.isOpen());
    EXPECT_EQ(sessionRows("Balie1"), 0);
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
