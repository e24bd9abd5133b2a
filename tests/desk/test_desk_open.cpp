// Opening and deleting orders at the order desk through the main screen's
// buttons, against the real server: the lock, the debtor and its profile,
// the notes, the extra order data of the document, the coloured lines'
// delivery move, the delete question and the stored order's removal; and
// what line entry asks of the desk on an opened order (the panels' searches,
// the standard reference line).

#include "app/MorvekVonu.h"
#include "desk/DbConventions.h"
#include "desk/DeskOrders.h"
#include "files/OrderFileActions.h"
#include "order/VonuOrder.h"
#include "order/VonuOrderNotitie.h"
#include "order/VonuOrderOmschrijving.h"
#include "support/DatabaseFixture.h"
#include "desk/VonuOrderZoek.h"
#include "desk/VonuOrderZoek_tekst.h"
#include "support/DemoFiles.h"
#include "support/ModalDriver.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace vonu;

namespace {

QDate d(const char* iso) { return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate); }

// The parts of an order document the tests vary.
struct Doc {
    QString name = "Order24010";
    QString debiteur = "104711";
    QString verzend = "02";
    QString notitie;
    QString kleur;          // of line 1
    QString extra = "<OrderAfleveradres>1002</OrderAfleveradres><OrderA_zoeknaam>OOST</OrderA_zoeknaam>"
                    "<OrderA_naam>Bouwplaats Oost</OrderA_naam><OrderA_naam2>Fase 2</OrderA_naam2>"
                    "<OrderA_kontakt>J. Smit</OrderA_kontakt><OrderA_adres1>Bouwweg 1</OrderA_adres1>"
                    "<OrderA_adres2>Kavel 7</OrderA_adres2><OrderA_postkode>3707 AB</OrderA_postkode>"
                    "<OrderA_plaats>ZEIST</OrderA_plaats><OrderA_land>NL</OrderA_land>"
                    "<OrderLeverdatum>18-12-2026</OrderLeverdatum><OrderProductieweek>51</OrderProductieweek>"
                    "<OrderLeveringswijze>EV</OrderLeveringswijze><OrderOrderkosten>12,50</OrderOrderkosten>"
                    "<OrderExtraVrachtkosten>2</OrderExtraVrachtkosten>"
                    "<OrderProductietekst_1>Eerst zagen</OrderProductietekst_1>";

    QByteArray xml() const
    {
        QString notes = notitie.isEmpty() ? QString() : "<OrderNotitie>" + notitie + "</OrderNotitie>";
        QString colour = kleur.isEmpty() ? QString() : "<OrderregelKleur>" + kleur + "</OrderregelKleur>";
        return ("<?xml version=\"1.0\"?><Morvek><Orders><Order Order=\"" + name + "\"><OrderDebiteur>" + debiteur +
                "</OrderDebiteur><OrderVerzendadres>" + verzend + "</OrderVerzendadres>" + extra +
                "<OrderOrderdatum>09-12-2026</OrderOrderdatum><OrderReferentie>Bouw 12</OrderReferentie>" + notes +
                "<Orderregels><Orderregel Regel=\"0\"><OrderregelArtikel>OD56</OrderregelArtikel>" + colour +
                "<OrderregelLengte>Handelslengte</OrderregelLengte><OrderregelMaat>2,40 Mtr</OrderregelMaat>"
                "<OrderregelUitvoering>Geboord</OrderregelUitvoering><OrderregelAantal>2</OrderregelAantal>"
                "<OrderregelOmschrijving_2>Geboord</OrderregelOmschrijving_2>"
                "<OrderregelStatus>011011101100</OrderregelStatus></Orderregel></Orderregels></Order></Orders>"
                "</Morvek>")
            .toUtf8();
    }
};

class DeskOpen : public test::DatabaseFixture {
protected:
    void SetUp() override
    {
        fake.clock.time = QDateTime(QDate(2026, 12, 10), QTime(9, 30));
        DatabaseFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        // A second desk, to hold locks.
        ASSERT_TRUE(openSession("Balie2"));
        work = deskFolder();
        ASSERT_FALSE(HasFailure());
        orders = QDir(QDir(work).filePath("../Orders")).absolutePath();
        program = std::make_unique<MorvekVonu>(fake.platform, work, QStringList{"balie1"});
        program->runStartup();
        ASSERT_TRUE(program->started()) << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
    }

    void TearDown() override
    {
        // The order on screen counts as kept: closing asks nothing.
        if (program)
            screen().takeSavedSignature();
        program.reset();
    }

    TVonuOrderscherm& screen() { return program->mainScreen(); }
    OrderFileActions& files() { return *program->fileActions(); }

    QString place(const Doc& doc, const QString& fileName = "Order 24010-Bouw 12.Xml")
    {
        const QString path = orders + '/' + fileName;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(doc.xml());
        return path;
    }

    void storeOrder(const QString& number)
    {
        ASSERT_TRUE(db->exec("insert into \"order\" (\"order\", Status, Debnr, V_adres, Datum, Levwijze, "
                             "AfleverRelatie, A_adres1, A_plaats, Leverdatum, Meter, Stuks) values "
                             "(?, 'Ingevoerd', '104711', '02', date '2026-12-01', 'TR', 1002, 'Handelsweg 4', "
                             "'ZEIST', date '2026-12-16', false, false)",
                             {orderKey(number)}));
        const char* rows[] = {
            "insert into OrderProduktieregel (\"order\", Regel, RegelId, \"type\", Artikel, Aantal) "
            "values (?, '   1', '   1', 'K', 'OD56', 2)",
            "insert into OrderProduktieregelInvoer (\"order\", Regel, KopRegelId) values (?, '   1', '   1')",
            "insert into OrderVerkoopregel (\"order\", Regel) values (?, '   1')",
        };
        for (const char* sql : rows)
            ASSERT_TRUE(db->exec(sql, {orderKey(number)})) << sql;
    }

    int orderRows(const QString& number)
    {
        int rows = 0;
        for (const char* table : {"\"order\"", "OrderProduktieregel", "OrderProduktieregelInvoer", "OrderVerkoopregel"})
            rows += count(QString("select count(*) from %1 where \"order\" = ?").arg(table), {orderKey(number)});
        return rows;
    }

    int lockOn(const QString& number)
    {
        return count("select count(*) from APC_Tabel where \"table\" = 'VonuOrder' and record = ?", {orderKey(number)});
    }

    // The screen as New leaves it.
    void expectNewOrder()
    {
        EXPECT_EQ(screen().windowTitle(), "Morvek VonuOrder");
        EXPECT_TRUE(screen().debiteur()->isEnabled());
        EXPECT_TRUE(screen().debiteur()->text().isEmpty());
        EXPECT_EQ(screen().ordervoor()->count(), 0);
        EXPECT_TRUE(screen().order().desk().ordernummer.isEmpty());
        EXPECT_FALSE(screen().order().lineInUse(1));
        EXPECT_TRUE(files().currentFile().isEmpty());
    }

    QString work;
    QString orders;
    std::unique_ptr<MorvekVonu> program;
};

} // namespace

TEST_F(DeskOpen, AStoredOrderOpensLockedWithItsDebtorAndExtraData)
{
    storeOrder("24010");
    Doc doc;
    doc.notitie = "Bel vooraf.";
    const QString path = place(doc);
    fake.fileDialogs.answer = path;
    screen().openen()->click();
    ASSERT_EQ(messages.count(), 0) << messages.last().lines.join('|').toStdString();
    EXPECT_EQ(fake.fileDialogs.folders.value(0), QDir::toNativeSeparators(orders) + "") ;

    TVonuOrderscherm& s = screen();
    const DeskOrderData& desk = s.order().desk();
    EXPECT_EQ(desk.ordernummer, "24010");
    EXPECT_EQ(desk.debiteur, "104711");
    EXPECT_EQ(files().currentFile(), path);
    // Behind the order type's prefix.
    EXPECT_TRUE(s.windowTitle().endsWith("Morvek VonuOrder 24010")) << s.windowTitle().toStdString();
    EXPECT_EQ(lockOn("24010"), 1);
    EXPECT_EQ(lockRows("Balie1"), 1);
    EXPECT_EQ(s.debiteur()->text(), "104711");
    EXPECT_EQ(s.debiteurNaam()->text(), "Bouwbedrijf De Vries B.V.");
    for (QWidget* w : {static_cast<QWidget*>(s.debiteur()), static_cast<QWidget*>(s.zoekDebiteur()),
                       static_cast<QWidget*>(s.vonuOrder())})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(s.ordervoor()->currentText().left(2), "02");
    EXPECT_EQ(s.order().field(1, Veld::Artikel).trimmed(), "OD56");

    // The document's extra order data replace what address 02 proposed.
    const ExtraOrderData& e = desk.extra;
    EXPECT_EQ(e.afleverRelatie, "1002");
    EXPECT_EQ(e.zoeknaam, "OOST");
    EXPECT_EQ(e.naam, "Bouwplaats Oost");
    EXPECT_EQ(e.naam2, "Fase 2");
    EXPECT_EQ(e.adres[0], "Bouwweg 1");
    EXPECT_EQ(e.adres[1], "Kavel 7");
    EXPECT_EQ(e.adres[2], "");
    EXPECT_EQ(e.postkode, "3707 AB");
    EXPECT_EQ(e.kontakt, "J. Smit");
    EXPECT_EQ(e.leverdatum, d("2026-12-18"));
    EXPECT_EQ(e.productieweek, "51");
    EXPECT_FALSE(e.gebruikAfleverdatum);
    EXPECT_EQ(e.afleverdatum, d("2026-12-18"));
    EXPECT_EQ(e.leveringswijze, "EV");
    EXPECT_EQ(e.leveringswijzeOmschrijving, "Eigen vervoer");
    EXPECT_EQ(e.orderkosten, "12,50");
    EXPECT_EQ(e.extraVrachtkosten, 2);
    EXPECT_EQ(e.gebruikAfroep, 1);   // neither contract flag of the stored order
    EXPECT_EQ(e.productieteksten[0], "Eerst zagen");
    EXPECT_EQ(s.afleverNaam()->text(), "Bouwplaats Oost");
    EXPECT_EQ(s.afleverWoonplaats()->text(), "3707 AB  ZEIST");
    // Notes without markers are the order desk's remark.
    EXPECT_TRUE(s.notitiescherm()->notitiesText().isEmpty());
    EXPECT_EQ(s.notitiescherm()->obText(), "Bel vooraf.");
    EXPECT_TRUE(s.notities()->font().bold());
    EXPECT_EQ(s.currentSignature(), s.savedSignature());

    // Saved again, the document carries the same extra order data.
    ASSERT_EQ(files().buildOrderDocument(OrderFileActions::Build::BuildOnly), OrderFileActions::Outcome::Done);
    const TXMLOrder o = files().document().GetMorvek().Orders().Item(0);
    EXPECT_EQ(o.Order(), "Order24010");
    EXPECT_EQ(o.OrderA_naam(), "Bouwplaats Oost");
    EXPECT_EQ(o.OrderLeverdatum(), "18-12-2026");
    EXPECT_EQ(o.OrderExtraVrachtkosten(), "2");
    EXPECT_EQ(o.OrderNotitie(), "Bel vooraf.");

    // New releases the lock.
    screen().nieuw()->click();
    EXPECT_EQ(lockOn("24010"), 0);
    expectNewOrder();
}

TEST_F(DeskOpen, NotesDatesAndDebtorsOfTheDocument)
{
    const struct {
        const char* what;
        const char* name;
        const char* debiteur;
        const char* notitie;
        const char* afleverdatum;
        const char* notities;    // expected customer notes
        const char* ob;          // expected remark
        bool klant;
        const char* status;
    } cases[] = {
        {"markers", "Order24011", "104711", "[Notitie]Voor 8 uur[OB]Bevestigd", "", "Voor 8 uur", "Bevestigd", true,
         ""},
        {"remark only", "Offerte24012", "104711", "Alleen intern", "", "", "Alleen intern", false, ""},
        {"separate drop date", "Order", "104711", "", "21-12-2026", "", "", false, ""},
        {"incomplete debtor", "Order24013", "500500", "", "", "", "", false,
         "Debiteur 500500 niet (compleet) aanwezig!"},
        {"unreadable drop date", "Order24014", "104711", "", "31-02-2026", "", "", false,
         "Niet overgenomen uit het bestand: Afleverdatum '31-02-2026'."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Doc doc;
        doc.name = c.name;
        doc.debiteur = c.debiteur;
        doc.notitie = c.notitie;
        if (*c.afleverdatum)
            doc.extra += QString("<OrderAfleverdatum>%1</OrderAfleverdatum>").arg(c.afleverdatum);
        const int beeps = fake.sound.beeps;
        ASSERT_TRUE(files().openFile(place(doc)));
        TVonuOrderscherm& s = screen();
        EXPECT_EQ(s.notitiescherm()->notitiesText(), c.notities);
        EXPECT_EQ(s.notitiescherm()->obText(), c.ob);
        EXPECT_EQ(files().customerFileFlag(), c.klant);
        EXPECT_EQ(s.notitiescherm()->notities()->isReadOnly(), c.klant);
        EXPECT_EQ(s.statusText(0), c.status);
        EXPECT_EQ(fake.sound.beeps - beeps, *c.status ? 1 : 0);
        const QString number = DeskOrders::numberFromOrderName(c.name);
        EXPECT_EQ(s.order().desk().ordernummer, number);
        EXPECT_TRUE(s.windowTitle().endsWith(("Morvek VonuOrder " + number).trimmed())) << s.windowTitle().toStdString();
        // Only the order on screen is locked; an order never stored holds none.
        EXPECT_EQ(lockRows("Balie1"), number.isEmpty() ? 0 : 1);
        if (!number.isEmpty()) {
            EXPECT_EQ(lockOn(number), 1);
        }
        const ExtraOrderData& e = s.order().desk().extra;
        EXPECT_EQ(e.gebruikAfleverdatum, QString(c.afleverdatum) == "21-12-2026");
        EXPECT_EQ(e.afleverdatum, e.gebruikAfleverdatum ? d("2026-12-21") : d("2026-12-18"));
        EXPECT_EQ(s.currentSignature(), s.savedSignature());
    }
    EXPECT_EQ(messages.count(), 0) << messages.last().lines.join('|').toStdString();
}

TEST_F(DeskOpen, AnOrderInUseIsNotOpenedAndTheScreenStartsAnew)
{
    const struct {
        const char* holder;
        const char* line;
    } cases[] = {
        {"Balie2", "Balie2 in MorvekVonu.exe."},
        {"Balie1", "Balie1 in MorvekVonu.exe."},   // this desk holds it already
    };
    const QString path = place(Doc{});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.holder);
        messages.clear();
        if (QString(c.holder) == "Balie2") {
            ASSERT_EQ(DeskOrders(*session).lockForOpen("24010"), DeskOrders::Lock::Locked);
        } else {
            ASSERT_TRUE(files().openFile(path));
            ASSERT_EQ(lockRows("Balie1"), 1);
        }
        const int beeps = fake.sound.beeps;
        EXPECT_FALSE(files().openFile(path));
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().caption, "Informatie");
        EXPECT_EQ(messages.last().lines, QStringList({"Order 24010 in gebruik door:", c.line}));
        EXPECT_EQ(fake.sound.beeps - beeps, 1);
        expectNewOrder();
        EXPECT_EQ(lockRows("Balie1"), 0);
        EXPECT_EQ(lockOn("24010"), QString(c.holder) == "Balie2" ? 1 : 0);
        ASSERT_TRUE(DeskOrders(*session).releaseLocks());
    }
}

TEST_F(DeskOpen, ColouredLinesOfACustomersOrderMoveTheDeliveryDate)
{
    // A customer's document carries no extra order data: the address's
    // proposal stands, a week later for coated lines.
    QDate plain;
    for (const char* kleur : {"", "9010 Zuiverwit"}) {
        SCOPED_TRACE(kleur);
        Doc doc;
        doc.name = "Order";
        doc.extra.clear();
        doc.kleur = kleur;
        const QString path = place(doc, "104711_09_12_2026_16_12_40.Xml");
        ASSERT_TRUE(files().openExternalFile(path));
        EXPECT_FALSE(QFile::exists(path));
        const ExtraOrderData& e = screen().order().desk().extra;
        if (!*kleur) {
            plain = e.leverdatum;
            ASSERT_TRUE(plain.isValid());
            EXPECT_EQ(e.naam, "Kozijnbouw Oost");
        } else {
            EXPECT_EQ(e.leverdatum, plain.addDays(7));
            EXPECT_EQ(e.afleverdatum, plain.addDays(7));
        }
        EXPECT_TRUE(screen().order().desk().ordernummer.isEmpty());
        EXPECT_NE(screen().currentSignature(), screen().savedSignature());
        screen().takeSavedSignature();
    }
}

TEST_F(DeskOpen, DeleteAsksByTheStoredOrderAndRemovesItAllOrNothing)
{
    const struct {
        const char* what;
        const char* name;
        const char* setup;       // on the stored order
        int answer;              // 1 yes, 2 no
        const char* line3;
        const char* line4;
        bool fileGone;
        bool orderGone;
    } cases[] = {
        {"never stored", "Order", nullptr, 1, "worden verwijderd.", "", true, false},
        {"removable", "Order24020", nullptr, 1, "worden verwijderd en in de orderverwerking",
         "wordt order 24020 verwijderd.", true, true},
        {"packing slip", "Order24020", "update \"order\" set P_Datum = date '2026-12-09' where \"order\" = ?", 1,
         "worden verwijderd en in de orderverwerking", "wordt order 24020 NIET verwijderd.", true, false},
        {"answered no", "Order24020", nullptr, 2, "worden verwijderd en in de orderverwerking",
         "wordt order 24020 verwijderd.", false, false},
        {"failing delete", "Order24020",
         "create trigger weiger before delete on OrderProduktieregelInvoer for each statement "
         "execute function weiger()",
         1, "worden verwijderd en in de orderverwerking", "wordt order 24020 verwijderd.", false, false},
    };
    ASSERT_TRUE(session->exec("create function weiger() returns trigger language plpgsql as "
                         "'begin raise exception ''geweigerd''; end'"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(db->exec("delete from \"order\""));
        for (const char* table : {"OrderProduktieregel", "OrderProduktieregelInvoer", "OrderVerkoopregel"})
            ASSERT_TRUE(db->exec(QString("delete from %1").arg(table)));
        storeOrder("24020");
        storeOrder("24021");
        if (c.setup) {
            ASSERT_TRUE(session->exec(c.setup, QString(c.setup).contains('?') ? QVariantList{orderKey("24020")}
                                                                               : QVariantList{}));
        }
        Doc doc;
        doc.name = c.name;
        const QString path = place(doc, "Order 24020-Bouw 12.Xml");
        ASSERT_TRUE(files().openFile(path));
        messages.clear();
        messages.answer(c.answer);
        screen().verwijderen()->click();
        ASSERT_GE(messages.count(), 1);
        const QStringList q = messages.shown.first().lines;
        EXPECT_EQ(messages.shown.first().caption, "Bevestiging");
        EXPECT_EQ(q.value(1), "Order 24020-Bouw 12");
        EXPECT_EQ(q.value(2), c.line3);
        EXPECT_EQ(q.value(3), c.line4);
        if (QString(c.what) == "packing slip") {
            EXPECT_EQ(q.value(5), "REDEN: Pakbon is al gemaakt.");
        }
        EXPECT_EQ(!QFile::exists(path), c.fileGone);
        EXPECT_EQ(orderRows("24020"), c.orderGone ? 0 : 4);
        EXPECT_EQ(orderRows("24021"), 4);
        if (QString(c.what) == "failing delete") {
            EXPECT_EQ(messages.last().lines, QStringList({"De order is niet uit de orderverwerking verwijderd.",
                                                          "Het bestand blijft bewaard."}));
            ASSERT_TRUE(session->exec("drop trigger weiger on OrderProduktieregelInvoer"));
        }
        if (c.fileGone) {
            expectNewOrder();
            EXPECT_EQ(lockRows("Balie1"), 0);
        } else {
            EXPECT_EQ(screen().order().desk().ordernummer, DeskOrders::numberFromOrderName(c.name));
            screen().nieuw()->click();
        }
        QFile::remove(path);
    }
}

TEST_F(DeskOpen, TheLinesSearchesAndTheReferenceUseTheDatabase)
{
    ASSERT_TRUE(files().openFile(place(Doc{})));
    TVonuOrderscherm& s = screen();
    program->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
    s.regelRij(1).artikel->setFocus();

    // The sub-article search lists what the database delivers with OD56,
    // active articles first (the filter menu's first entry).
    QStringList expected;
    {
        QSqlQuery q(db->admin());
        ASSERT_TRUE(q.exec("select a.Artikel from ArtikelSubArtikel s join Artikel a on a.Artikel = s.SubArtikel "
                           "where s.Artikel = 'OD56' and not a.Tekst and a.Aktief and a.Artikel <> 'MOFFELEN' "
                           "order by a.Artikel"));
        while (q.next())
            expected << q.value(0).toString();
    }
    ASSERT_FALSE(expected.isEmpty());
    QStringList shown;
    QString caption;
    auto ran = test::whenModal<TVonuOrderZoekscherm>([&](TVonuOrderZoekscherm& d) {
        caption = d.windowTitle();
        for (int r = 0; r < d.data()->rowCount(); ++r)
            shown << d.data()->item(r, 0)->text().trimmed();
        d.data()->setCurrentCell(0, 0);
        d.select();
    });
    s.zoekArtikel()->click();
    ASSERT_EQ(*ran, 1);
    EXPECT_TRUE(caption.endsWith("(mee te leveren bij artikel OD56)")) << caption.toStdString();
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(s.order().subartikel(1, 1, 1).trimmed(), expected.first());

    // Cancelled, the operation search places nothing.
    ran = test::whenModal<TVonuOrderZoekscherm>([&](TVonuOrderZoekscherm& d) {
        caption = d.windowTitle();
        d.cancel();
    });
    s.zoekBewerking()->click();
    ASSERT_EQ(*ran, 1);
    EXPECT_TRUE(caption.endsWith("(bewerkingen bij artikel OD56)")) << caption.toStdString();
    EXPECT_TRUE(s.order().bewerking(1, 1, 1).trimmed().isEmpty());

    // The next standard text search picks its first text.
    const auto pickFirst = [] {
        return test::whenModal<TVonuOrderZoek_tekstscherm>([](TVonuOrderZoek_tekstscherm& d) {
            ASSERT_GE(d.list()->rowCount(), 1);
            d.list()->setCurrentCell(0, 0);
            d.select();
        });
    };
    // F5 in the reference: a standard reference line goes only into an
    // empty reference.
    const auto pickReferenceWithF5 = [&] {
        s.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
        s.referentie()->setFocus();
        ASSERT_TRUE(s.referentie()->hasFocus());
        const auto picked = pickFirst();
        QTest::keyClick(s.referentie(), Qt::Key_F5);
        ASSERT_EQ(*picked, 1);
    };
    messages.clear();
    s.referentie()->clear();
    pickReferenceWithF5();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(s.referentie()->text(), "Project: _");
    EXPECT_EQ(messages.count(), 0);
    const int beeps = fake.sound.beeps;
    pickReferenceWithF5();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(s.referentie()->text(), "Project: _");
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Waarschuwing");
    EXPECT_EQ(messages.last().lines, QStringList{"Niet voldoende plaats voor alle tekst!"});
    EXPECT_EQ(fake.sound.beeps - beeps, 1);

    // The notes screen's F5 adds a confirmation remark, the description
    // screen's fills the description lines (both from the first text of
    // their kind).
    std::shared_ptr<int> picked;
    ran = test::whenModal<TVonuOrderNotitiescherm>([&](TVonuOrderNotitiescherm& d) {
        picked = pickFirst();
        d.kiesStandaardtekst();
    });
    s.notities()->click();
    ASSERT_EQ(*ran, 1);
    ASSERT_TRUE(picked && *picked == 1);
    EXPECT_TRUE(s.notitiescherm()->obText().endsWith("Prijzen exclusief BTW.")) << s.notitiescherm()->obText().toStdString();

    QString omschrijving1;
    ran = test::whenModal<TVonuOrderOmschrijvingscherm>([&](TVonuOrderOmschrijvingscherm& d) {
        d.omschrijving(1)->clear();
        picked = pickFirst();
        d.kiesStandaardtekst();
        omschrijving1 = d.omschrijving(1)->text();
    });
    ASSERT_TRUE(s.regelRij(1).omschrijving->isVisible());
    s.regelRij(1).omschrijving->click();
    ASSERT_EQ(*ran, 1);
    ASSERT_TRUE(picked && *picked == 1);
    EXPECT_EQ(omschrijving1, "Merk: _");
}

TEST_F(DeskOpen, AKilledConnectionDuringOpenIsToldAndLeavesNoLock)
{
    const QString first = place(Doc{});
    Doc other;
    other.name = "Order24011";
    const QString second = place(other, "Order 24011-Bouw 12.Xml");
    ASSERT_TRUE(files().openFile(first));
    ASSERT_EQ(lockOn("24010"), 1);

    ASSERT_TRUE(db->exec("select pg_terminate_backend(pid) from pg_stat_activity where application_name = ?",
                         {program->database()->applicationName()}));
    EXPECT_FALSE(files().openFile(second));
    ASSERT_GE(messages.count(), 1);
    EXPECT_EQ(messages.shown.first().caption, "Fout");
    // The screen starts anew and holds no lock: neither the order it showed
    // nor the one it failed to open stays locked.
    expectNewOrder();
    EXPECT_EQ(lockRows("Balie1"), 0);

    // The desk works on afterwards.
    messages.clear();
    EXPECT_TRUE(files().openFile(second));
    EXPECT_EQ(lockOn("24011"), 1);
    EXPECT_EQ(messages.count(), 0) << messages.last().lines.join('|').toStdString();
}
