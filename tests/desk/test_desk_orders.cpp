#include "data/CustomerProfile.h"
#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/DeskDelivery.h"
#include "desk/DeskOrders.h"
#include "desk/DeskProfile.h"
#include "support/DatabaseFixture.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <latch>
#include <thread>

using namespace vonu;
using vonu::test::ScriptedMessages;

namespace {

QDate d(const char* iso) { return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate); }

class DeskOrdersTest : public test::SessionFixture {
protected:
    // Another session, answering to `m`; null when it does not open.
    std::unique_ptr<DbSession> newSession(const QString& user, ScriptedMessages& m) const
    {
        auto s = std::make_unique<DbSession>(m);
        if (!s->open(user, settings()))
            return nullptr;
        return s;
    }

    int locks(const QString& number) const
    {
        return count("select count(*) from APC_Tabel where record = ? and \"table\" = 'VonuOrder'", {orderKey(number)});
    }

    // A stored order header with one line, enough for the removal test.
    void storeOrder(const QString& number)
    {
        ASSERT_TRUE(db->exec("insert into \"order\" (\"order\", Status, Debnr, V_adres, Datum, Levwijze, "
                             "AfleverRelatie, A_adres1, A_plaats, Leverdatum) values "
                             "(?, 'Ingevoerd', '104711', '02', date '2026-12-01', 'TR', 1002, 'Handelsweg 4', "
                             "'ZEIST', date '2026-12-16')",
                             {orderKey(number)}));
        ASSERT_TRUE(db->exec("insert into OrderProduktieregel (\"order\", Regel, RegelId, \"type\", Artikel, Aantal) "
                             "values (?, '   1', '   1', 'K', 'OD56', 2)",
                             {orderKey(number)}));
    }

};

} // namespace

// ---------------------------------------------------------------------------
// The profile

TEST_F(DeskOrdersTest, TheProfileHoldsTheDebtorItsArticlesAndItsAddresses)
{
    CustomerProfile profile;
    ASSERT_TRUE(DeskProfile(*session).build("104711", profile));
    const TXMLSleutel s = profile.sleutel();
    EXPECT_EQ(s.Debiteur(), "104711");
    EXPECT_EQ(s.DebiteurNaam(), "Bouwbedrijf De Vries B.V.");
    EXPECT_EQ(s.DebiteurWoonplaats(), "Arnhem");
    EXPECT_EQ(s.DebiteurLand(), "Nederland");
    EXPECT_TRUE(s.VonuMail().isEmpty());

    // An article without a customer number has no such element but keeps its
    // executions.
    bool sawOd56 = false;
    for (const TXMLDebiteurartikel a : s.Debiteurartikelen()) {
        if (a.Artikel() != "OD56")
            continue;
        sawOd56 = true;
        EXPECT_TRUE(a.node().child("DebiteurartikelArtikelKlant").empty());
        EXPECT_EQ(a.DebiteurartikelUitvoering_1(), "Ongeboord");
        EXPECT_EQ(a.DebiteurartikelUitvoering_2(), "Geboord");
    }
    EXPECT_TRUE(sawOd56);
    EXPECT_EQ(s.Debiteurartikelen().Count(), 4);

    ASSERT_EQ(s.Verzendadressen().Count(), 4);
    const TXMLVerzendadres eigen = s.Verzendadressen().Item(0);
    EXPECT_EQ(eigen.Verzend(), "01");
    // No delivery relation: the address delivers to itself.
    EXPECT_EQ(eigen.VerzendadresAfleverNaam(), eigen.VerzendadresNaam());
    EXPECT_EQ(eigen.VerzendadresAfleverAdres(), "Industrieweg 12");
    EXPECT_EQ(eigen.VerzendadresAfleverWoonplaats(), "ARNHEM");
    const TXMLVerzendadres oost = s.Verzendadressen().Item(1);
    EXPECT_EQ(oost.VerzendadresZoeknaam(), "KOZIJNBOUW OOST");
    EXPECT_EQ(oost.VerzendadresAfleverNaam(), "Kozijnbouw Oost");
    ASSERT_EQ(oost.Verzendadresartikelen().Count(), 2);
    EXPECT_EQ(oost.Verzendadresartikelen().Item(0).VerzendadresartikelArtikelKlant(), "OOST-EKS56");
    // The ship-to list the main screen shows.
    EXPECT_EQ(profile.shipToEntries().size(), 4);
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(DeskOrdersTest, ProfileEdgeCases)
{
    const struct {
        const char* debtor;
        QStringList codes;     // shipping addresses in the profile
        QStringList searchNames;
    } cases[] = {
        {"600600", {}, {}},                                                     // no addresses
        {"700700", {"01", "02"}, {"BAKKER AANNEMING", "BAKKER AANNEMING"}},     // shared relation; 03 has none
        {"  4711", {"01"}, {"SMIT TIMMERWERK"}},                                // typed with blanks
        {"4711", {"01"}, {"SMIT TIMMERWERK"}},                                  // right-aligned key
    };
    for (const auto& c : cases) {
        CustomerProfile profile;
        ASSERT_TRUE(DeskProfile(*session).build(c.debtor, profile)) << c.debtor;
        QStringList codes, names;
        for (const TXMLVerzendadres v : profile.sleutel().Verzendadressen()) {
            codes << v.Verzend();
            names << v.VerzendadresZoeknaam();
        }
        EXPECT_EQ(codes, c.codes) << c.debtor;
        EXPECT_EQ(names, c.searchNames) << c.debtor;
    }
    // The address with a delivery relation of its own delivers there.
    CustomerProfile profile;
    ASSERT_TRUE(DeskProfile(*session).build("700700", profile));
    EXPECT_EQ(profile.sleutel().Verzendadressen().Item(1).VerzendadresAfleverNaam(), "Kozijnbouw Oost");
    EXPECT_EQ(profile.sleutel().Verzendadressen().Item(0).VerzendadresAfleverNaam(), "Aannemersbedrijf Bakker");
}

// ---------------------------------------------------------------------------
// Choosing the debtor

TEST_F(DeskOrdersTest, DebtorChoiceRefusesUnknownAndIncompleteDebtors)
{
    const struct {
        const char* typed;
        DeskOrders::DebtorCheck result;
        const char* status;
    } cases[] = {
        {"  ", DeskOrders::DebtorCheck::Empty, ""},
        {"104711", DeskOrders::DebtorCheck::Found, ""},
        {"4711", DeskOrders::DebtorCheck::Found, ""},
        {"999999", DeskOrders::DebtorCheck::NotInAdministration, "Debiteur 999999 niet aanwezig!"},
        {"500500", DeskOrders::DebtorCheck::NoOrderData, "Aanvullende gegevens debiteur 500500 niet aanwezig!"},
        {"O'B%_\\", DeskOrders::DebtorCheck::NotInAdministration, "Debiteur O'B%_\\ niet aanwezig!"},
        {"%", DeskOrders::DebtorCheck::NotInAdministration, "Debiteur % niet aanwezig!"},
    };
    DeskOrders orders(*session);
    for (const auto& c : cases) {
        QString status;
        EXPECT_EQ(orders.checkDebtor(c.typed, &status), c.result) << c.typed;
        EXPECT_EQ(status, c.status) << c.typed;
    }
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(DeskOrdersTest, OrderNumbersComeFromTheNameAttribute)
{
    EXPECT_EQ(DeskOrders::numberFromOrderName("Order 1234"), "1234");
    EXPECT_EQ(DeskOrders::numberFromOrderName("Offerte 1234"), "1234");
    EXPECT_EQ(DeskOrders::numberFromOrderName("Order"), "");
    EXPECT_EQ(DeskOrders::numberFromOrderName("Offerte"), "");
    EXPECT_EQ(DeskOrders::numberFromOrderName(""), "");
}

// ---------------------------------------------------------------------------
// Locks

TEST_F(DeskOrdersTest, InUseNamesTheHolderAndItsProgram)
{
    DeskOrders orders(*session);
    ASSERT_TRUE(db->exec("insert into APC_Tabel (\"user\", \"table\", record) values "
                         "('Balie7', 'Order', ?), ('MorvekServer', 'VonuOrder', ?), ('Balie8', 'VonuOrder', ?)",
                         {orderKey("11"), orderKey("12"), orderKey("13")}));
    const struct {
        const char* number;
        const char* who;
    } cases[] = {{"11", "Balie7 in Morvek.exe."}, {"12", "MorvekServer"}, {"13", "Balie8 in MorvekVonu.exe."}};
    for (const auto& c : cases) {
        QStringList lines;
        EXPECT_EQ(orders.lockForOpen(c.number, &lines), DeskOrders::Lock::InUse);
        EXPECT_EQ(lines, QStringList({QString("Order %1 in gebruik door:").arg(c.number), c.who}));
    }
    // This program's own open order counts as in use too.
    ASSERT_EQ(orders.lockForOpen("14"), DeskOrders::Lock::Locked);
    QStringList lines;
    EXPECT_EQ(orders.lockForOpen("14", &lines), DeskOrders::Lock::InUse);
    EXPECT_EQ(lines.value(1), "Balie1 in MorvekVonu.exe.");
}

TEST_F(DeskOrdersTest, TwoDesksOfOneFolderNameKeepEachOthersLocks)
{
    ScriptedMessages otherMessages;
    auto other = newSession("Balie1", otherMessages);
    ASSERT_TRUE(other);
    DeskOrders mine(*session), theirs(*other);
    ASSERT_EQ(theirs.lockForOpen("21"), DeskOrders::Lock::Locked);
    // Opening another order, New, and a start of a third program of the same
    // name leave the other desk's lock alone.
    ASSERT_EQ(mine.lockForOpen("22"), DeskOrders::Lock::Locked);
    EXPECT_TRUE(mine.releaseLocks());
    auto third = newSession("Balie1", messages);
    ASSERT_TRUE(third);
    EXPECT_EQ(locks("21"), 1);
    EXPECT_EQ(locks("22"), 0);
    third->close();
    EXPECT_EQ(locks("21"), 1);
    // Closing the holder removes it; a leftover row of a program that died
    // goes at the next start.
    ASSERT_TRUE(db->exec("insert into APC_Tabel (\"user\", \"table\", record, Sessie) values "
                         "('Balie1', 'VonuOrder', ?, 'dood-programma'), ('Balie1', 'VonuOrder', ?, null)",
                         {orderKey("23"), orderKey("24")}));
    other->close();
    EXPECT_EQ(locks("21"), 0);
    auto fourth = newSession("Balie1", messages);
    ASSERT_TRUE(fourth);
    EXPECT_EQ(locks("23") + locks("24"), 0);
}

TEST_F(DeskOrdersTest, TheOrderOnScreenKeepsItsLockWhenAnotherDeskWinsTheRace)
{
    DeskOrders orders(*session);
    ASSERT_EQ(orders.lockForOpen("31"), DeskOrders::Lock::Locked);
    // Another desk takes order 32 between this desk's check and its insert:
    // its lock row is not committed yet while this desk checks.
    std::latch inserted(1);
    std::thread rival([&] {
        ScriptedMessages m;
        DbSession s(m);
        if (!s.open("Balie2", settings()) || !s.begin()) {
            inserted.count_down();
            return;
        }
        s.exec("insert into APC_Tabel (\"user\", \"table\", record) values ('Balie2', 'VonuOrder', ?)",
               {orderKey("32")});
        inserted.count_down();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        s.commit();
    });
    inserted.wait();
    QStringList lines;
    EXPECT_EQ(orders.lockForOpen("32", &lines), DeskOrders::Lock::InUse);
    rival.join();
    EXPECT_EQ(lines.value(0), "Order 32 in gebruik door:");
    EXPECT_EQ(locks("31"), 1);
    EXPECT_EQ(locks("32"), 1);
    EXPECT_EQ(count("select count(*) from APC_Tabel where record = ? and \"user\" = 'Balie1'", {orderKey("31")}), 1);
}

TEST_F(DeskOrdersTest, TwoWorkstationsOpeningOneOrderAtOnceGiveOneHolder)
{
    for (const bool sameUser : {false, true}) {
        for (int round = 0; round < 5; ++round) {
            const QString number = QString::number(4000 + round + (sameUser ? 100 : 0));
            std::latch start(2);
            // Both sessions stay open until both have tried: a session that
            // closes removes its lock, and the other could then take it.
            std::latch attempted(2);
            std::atomic<int> locked{0}, inUse{0};
            auto desk = [&](const QString& user) {
                ScriptedMessages m;
                DbSession s(m);
                if (!s.open(user, settings())) {
                    ADD_FAILURE() << "no session for " << user.toStdString();
                    start.count_down();
                    attempted.count_down();
                    return;
                }
                DeskOrders o(s);
                start.arrive_and_wait();
                QStringList lines;
                const DeskOrders::Lock r = o.lockForOpen(number, &lines);
                if (r == DeskOrders::Lock::Locked)
                    ++locked;
                else if (r == DeskOrders::Lock::InUse && lines.value(0) == "Order " + number + " in gebruik door:")
                    ++inUse;
                attempted.arrive_and_wait();
            };
            std::thread a(desk, QString("Balie1")), b(desk, QString(sameUser ? "Balie1" : "Balie2"));
            a.join();
            b.join();
            EXPECT_EQ(locked.load(), 1) << number.toStdString();
            EXPECT_EQ(inUse.load(), 1) << number.toStdString();
        }
    }
}

TEST_F(DeskOrdersTest, AKilledConnectionDuringOpenGivesAMessageAndLeavesNoLock)
{
    DeskOrders orders(*session);
    // The profile's statements wait on a table another connection holds;
    // meanwhile that connection ends this desk's backend.
    std::latch held(1);
    std::thread killer([&] {
        ScriptedMessages m;
        DbSession s(m);
        const bool ok = s.open("Beheer", settings()) && s.begin() &&
                        s.exec("lock table DebiteurArtikel in access exclusive mode");
        held.count_down();
        if (!ok)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        s.select("select pg_terminate_backend(pid) from pg_stat_activity where application_name = ?",
                 {session->applicationName()});
        s.rollback();
    });
    held.wait();
    CustomerProfile profile;
    const DeskOrders::Opened opened = orders.openOrder("41", "104711", profile);
    killer.join();
    EXPECT_FALSE(opened.ok());
    EXPECT_FALSE(profile.isLoaded());
    ASSERT_GE(messages.count(), 1);
    EXPECT_EQ(messages.shown.first().caption, "Fout");
    EXPECT_EQ(locks("41"), 0);
    // The desk works on afterwards.
    EXPECT_TRUE(orders.openOrder("41", "104711", profile).ok());
    EXPECT_EQ(locks("41"), 1);
}

TEST_F(DeskOrdersTest, OpeningBuildsTheProfileAndWarnsAboutAnIncompleteDebtor)
{
    DeskOrders orders(*session);
    CustomerProfile profile;
    DeskOrders::Opened opened = orders.openOrder("51", "104711", profile);
    ASSERT_TRUE(opened.ok());
    EXPECT_TRUE(opened.debtorWarning.isEmpty());
    EXPECT_EQ(profile.debtorNumber(), "104711");

    opened = orders.openOrder("", "500500", profile);
    ASSERT_TRUE(opened.ok());
    EXPECT_EQ(opened.debtorWarning, "Debiteur 500500 niet (compleet) aanwezig!");
    // An order without a number takes no lock; the previous one is kept.
    EXPECT_EQ(locks("51"), 1);
}

// ---------------------------------------------------------------------------
// Deleting

TEST_F(DeskOrdersTest, RemovalReasonsInTheirOrder)
{
    const struct {
        const char* number;
        const char* setup;
        bool removable;
        const char* reason;
    } cases[] = {
        {"61", nullptr, true, ""},
        {"62", "update \"order\" set VonuBlokkeren = true, P_Datum = date '2026-12-02' where \"order\" = ?", false,
         "Order voor onderhoud geblokkeerd"},
        {"63", "update \"order\" set P_Datum = date '2026-12-02' where \"order\" = ?", false, "Pakbon is al gemaakt"},
        {"64", "update OrderProduktieregel set WerkbriefjeNummer = 'W1', EtiketNummer = 'E1' where \"order\" = ?",
         false, "Werkbriefje gevonden"},
        {"65", "update OrderProduktieregel set EtiketNummer = 'E1', WerkbriefjeNummer = '' where \"order\" = ?",
         false, "Etiket gevonden"},
    };
    DeskOrders orders(*session);
    for (const auto& c : cases) {
        storeOrder(c.number);
        if (c.setup) {
            ASSERT_TRUE(db->exec(c.setup, {orderKey(c.number)}));
        }
        const DeskOrders::Removal r = orders.removal(c.number);
        EXPECT_EQ(r.removable, c.removable) << c.number;
        EXPECT_EQ(r.reason, c.reason) << c.number;
    }
    const DeskOrders::Removal gone = orders.removal("69");
    EXPECT_FALSE(gone.removable);
    EXPECT_EQ(gone.reason, "Order is al verwerkt");
}

TEST_F(DeskOrdersTest, TheDeleteQuestionHasThreeLayouts)
{
    DeskOrders::Removal yes{true, {}, false}, no{false, "Pakbon is al gemaakt", false};
    EXPECT_EQ(DeskOrders::deleteQuestion("Order_24001", "", no),
              QStringList({"Met deze actie zal bestand", "Order_24001", "worden verwijderd.", "", "Wilt u doorgaan?"}));
    EXPECT_EQ(DeskOrders::deleteQuestion("Order_24001", "24001", yes),
              QStringList({"Met deze actie zal bestand", "Order_24001", "worden verwijderd en in de orderverwerking",
                           "wordt order 24001 verwijderd.", "", "Wilt u doorgaan?"}));
    EXPECT_EQ(DeskOrders::deleteQuestion("Order_24001", "24001", no),
              QStringList({"Met deze actie zal bestand", "Order_24001", "worden verwijderd en in de orderverwerking",
                           "wordt order 24001 NIET verwijderd.", "", "REDEN: Pakbon is al gemaakt.", "",
                           "Wilt u doorgaan?"}));
}

TEST_F(DeskOrdersTest, DeleteRemovesTheOrderAllOrNothing)
{
    storeOrder("71");
    storeOrder("72");
    DeskOrders orders(*session);
    ASSERT_TRUE(orders.deleteOrder("71"));
    EXPECT_EQ(count("select count(*) from \"order\" where \"order\" = ?", {orderKey("71")}), 0);
    EXPECT_EQ(count("select count(*) from OrderProduktieregel where \"order\" = ?", {orderKey("71")}), 0);
    EXPECT_EQ(count("select count(*) from \"order\" where \"order\" = ?", {orderKey("72")}), 1);

    // A failing statement half-way leaves everything in place.
    ASSERT_TRUE(session->exec("create function weiger() returns trigger language plpgsql as "
                         "'begin raise exception ''geweigerd''; end'"));
    ASSERT_TRUE(session->exec("create trigger weiger before delete on OrderProduktieregelInvoer "
                         "for each statement execute function weiger()"));
    EXPECT_FALSE(orders.deleteOrder("72"));
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_EQ(count("select count(*) from OrderProduktieregel where \"order\" = ?", {orderKey("72")}), 1);
    EXPECT_EQ(count("select count(*) from \"order\" where \"order\" = ?", {orderKey("72")}), 1);
}

// ---------------------------------------------------------------------------
// Delivery data

TEST_F(DeskOrdersTest, ApplyingAShipToFillsTheDeliveryData)
{
    DeskDelivery delivery(*session);
    ExtraOrderData extra;
    extra.orderkosten = "12,50";
    extra.extraVrachtkosten = 2;
    extra.productieteksten[0] = "oud";
    // Address 02 of 104711: own delivery method and relation, rules "12".."22".
    DeskDelivery::Applied a = delivery.applyShipTo(extra, "104711", "02", d("2026-03-11"), d("2026-03-11"), false);
    ASSERT_TRUE(a.ok);
    EXPECT_TRUE(a.dateError.isEmpty()) << a.dateError.toStdString();
    EXPECT_EQ(extra.leveringswijze, "TR");
    EXPECT_FALSE(extra.leveringswijzeOmschrijving.isEmpty());
    EXPECT_EQ(extra.afleverRelatie, "1002");
    EXPECT_EQ(extra.naam, "Kozijnbouw Oost");
    EXPECT_EQ(extra.naam2, "Vestiging Zeist");
    EXPECT_EQ(extra.adres[0], "Handelsweg 4");
    EXPECT_EQ(extra.plaats, "ZEIST");
    // Wednesday with rule "14": Thursday of the coming week.
    EXPECT_EQ(extra.leverdatum, d("2026-03-19"));
    EXPECT_EQ(extra.afleverdatum, d("2026-03-19"));
    EXPECT_EQ(extra.productieweek, "12");
    EXPECT_TRUE(extra.orderkosten.isEmpty());
    EXPECT_EQ(extra.extraVrachtkosten, 0);
    EXPECT_TRUE(extra.productieteksten[0].isEmpty());

    // An address that does not exist: empty address, today.
    a = delivery.applyShipTo(extra, "600600", "01", d("2026-03-11"), d("2026-03-11"), false);
    ASSERT_TRUE(a.ok);
    EXPECT_TRUE(extra.afleverRelatie.isEmpty());
    EXPECT_TRUE(extra.naam.isEmpty());
    EXPECT_EQ(extra.leveringswijze, "AF");
    EXPECT_EQ(extra.leverdatum, d("2026-03-11"));
    EXPECT_EQ(extra.productieweek, "11");
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(DeskOrdersTest, ARelationAndItsStandingInstructionAreRead)
{
    DeskDelivery delivery(*session);
    ExtraOrderData extra;
    extra.kontakt = "iemand@example.com";
    EXPECT_TRUE(delivery.readRelation(extra, "1008", true));
    EXPECT_EQ(extra.naam, "O'Brien & Zn.");
    EXPECT_EQ(extra.naam2, "Bouw \"Noord\"");
    EXPECT_TRUE(extra.kontakt.isEmpty());
    for (const char* hostile : {"'; drop table PSR_Relatie; --", "1 or 1=1", "%", "99999999999999999999"}) {
        ExtraOrderData e;
        e.naam = "blijft";
        EXPECT_FALSE(delivery.readRelation(e, hostile, false)) << hostile;
        EXPECT_EQ(e.naam, "blijft");
    }
    EXPECT_EQ(delivery.standingInstruction("1002")[0], "Lossen aan de achterzijde, ingang Handelsweg 6");
    EXPECT_EQ(delivery.standingInstruction("")[0], "");
    EXPECT_EQ(count("select count(*) from PSR_Relatie"), 9);
}

TEST_F(DeskOrdersTest, DeliveryTextsOfAStoredOrderAreWrittenAndReadBack)
{
    DeskDelivery delivery(*session);
    EXPECT_FALSE(delivery.storedDeliveryTexts("81").has_value());
    storeOrder("81");
    auto texts = delivery.storedDeliveryTexts("81");
    ASSERT_TRUE(texts.has_value());
    EXPECT_TRUE((*texts)[0].isEmpty());

    std::array<QString, 5> typed{"O'Brien \"Noord\"", "", "50% korting_\\", "", "laatste"};
    ASSERT_TRUE(delivery.writeDeliveryTexts("81", typed));
    EXPECT_EQ(*delivery.storedDeliveryTexts("81"), typed);
    typed[1] = "tweede";
    ASSERT_TRUE(delivery.writeDeliveryTexts("81", typed));
    EXPECT_EQ(*delivery.storedDeliveryTexts("81"), typed);
    EXPECT_EQ(count("select count(*) from OrderAfleverinstructie where A_plaats = 'ZEIST'"), 1);

    // A typed address without a relation finds its own row again.
    storeOrder("82");
    ASSERT_TRUE(db->exec("update \"order\" set AfleverRelatie = null where \"order\" = ?", {orderKey("82")}));
    ASSERT_TRUE(delivery.writeDeliveryTexts("82", {"een", "", "", "", ""}));
    ASSERT_TRUE(delivery.writeDeliveryTexts("82", {"twee", "", "", "", ""}));
    EXPECT_EQ((*delivery.storedDeliveryTexts("82"))[0], "twee");
    EXPECT_EQ(count("select count(*) from OrderAfleverinstructie where AfleverRelatie is null"), 1);
    EXPECT_EQ(messages.count(), 0);
}
