// The order desk's side of orders that customers send: the successors of
// replaced articles on the real server, and one order the whole way: typed
// and mailed by the customer's program, taken in at the desk through
// "Extern bestand" and stored.

#include "files/SmtpFixture.h"

#include "app/MorvekVonu.h"
#include "desk/ArticleSuccessors.h"
#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "files/SmtpMailSender.h"
#include "order/VonuOrder.h"
#include "order/VonuOrderNotitie.h"
#include "support/DatabaseFixture.h"
#include "support/DemoFiles.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace vonu;

namespace {

class Successors : public test::DatabaseFixture {
protected:
    void SetUp() override
    {
        DatabaseFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(openSession());
    }
};

TEST_F(Successors, OnlyAnInactiveArticleWithASuccessorIsReplaced)
{
    // SL30 is taken out of the assortment without a successor; WS25 with two.
    ASSERT_TRUE(db->exec("update Artikel set Aktief = false where Artikel in ('SL30', 'WS25')"));
    ASSERT_TRUE(db->exec("update Artikel set VoorraadVoorloopArtikel = 'WS25' where Artikel in ('SL20', 'AFP100')"));
    const struct {
        const char* code;
        const char* successor;
    } cases[] = {
        {"OD55", "OD56"},      // the demo's replaced article
        {"OD56", ""},          // active
        {"SL30", ""},          // inactive, no successor
        {"WS25", "AFP100"},    // the first by code
        {"ONBEKEND", ""},      // not in the database
        {"OD55 '--", ""},      // typed text never reaches the statement
    };
    for (const auto& c : cases) {
        QString next = "x";
        EXPECT_TRUE(articleSuccessor(*session, c.code, &next)) << c.code;
        EXPECT_EQ(next, c.successor) << c.code;
    }
    EXPECT_EQ(messages.count(), 0);
}

// The customer's program and the desk's, each on its own platform; the
// customer's mail goes to a real SMTP server on loopback, and what that
// server received is what lands in the desk's incoming folder.
class CustomerToDesk : public test::DatabaseFixture {
protected:
    void SetUp() override
    {
        klant.clock.time = QDateTime(QDate(2026, 12, 9), QTime(16, 12, 40));
        fake.clock.time = QDateTime(QDate(2026, 12, 10), QTime(9, 30));
        DatabaseFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(server.start({})) << server.error().toStdString();
        klant.mail.make = [this](const SmtpSettings& s) -> std::unique_ptr<IMailSender> {
            SmtpSettings t = s;
            t.timeoutSeconds = 20;
            return std::make_unique<SmtpMailSender>(t, klant.clock);
        };

        // The customer: the demo profile and catalog, mail through the server.
        klantWork = klantDir.filePath("klant");
        ASSERT_TRUE(QDir(klantDir.path()).mkpath("klant"));
        ASSERT_TRUE(test::placeDemoProfile(klantWork));
        ASSERT_TRUE(test::placeDemoCatalog(klantWork + "/Assortiment.Xml"));
        QFile ini(klantWork + "/MorvekVonu.Ini");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(QString("[Email]\r\nEmailAdres=inkoop@devries.example\r\n[Smtp]\r\nServerNaam=127.0.0.1\r\n"
                          "ServerPoort=%1\r\n")
                      .arg(server.port())
                      .toUtf8());
        ini.close();

        // The desk: its incoming order folder outside its own tree.
        incoming = QDir(klantDir.filePath("Inkomend")).absolutePath();
        ASSERT_TRUE(QDir().mkpath(incoming));
        work = deskFolder(QStringLiteral("Balie1"), ("VonuOrder=" + incoming + "\r\n").toUtf8() + DeskIni);
        // No printer of the production print's name on this machine.
        fake.printer.selectable = false;
    }

    QStringList rows(const QString& sql, const QString& number) const
    {
        return DatabaseFixture::rows(sql, {orderKey(number)});
    }

    static void type(QWidget* w, const QString& text)
    {
        w->setFocus();
        QTest::keyClicks(w, text);
    }

    test::FakePlatform klant;
    test::SmtpFixture server;
    QTemporaryDir klantDir;
    QString klantWork;
    QString work;
    QString incoming;
};

// A size text as a number of metres ("3,00 Mtr" -> 3).
double metres(const QString& maat)
{
    return maat.section(QLatin1Char(' '), 0, 0).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

QString num(double v) { return QString::number(std::round(v * 1000) / 1000); }

TEST_F(CustomerToDesk, AnOrderTypedAndMailedByTheCustomerIsStoredAsTyped)
{
    // ---- The customer types three lines and sends them.
    QString slMaat;
    QString slLengte;
    {
        MorvekVonu program(klant.platform, klantWork, {});
        program.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program.mainScreen()));
        ASSERT_TRUE(program.started()) << klant.messages.last().lines.join('|').toStdString();
        TVonuOrderscherm& s = program.mainScreen();

        // Line 1: SL30 in trade lengths, 2 pieces (the customer's catalog
        // still has it; the manufacturer replaced it since).
        type(s.regelRij(1).artikel, "sl3");
        ASSERT_EQ(s.regelRij(1).artikel->currentText(), "SL30");
        type(s.regelRij(1).aantal, "2");
        // Line 2: OD67 made to measure, 2 x 1250 and 1 x 2400 mm.
        type(s.regelRij(2).artikel, "od67");
        ASSERT_EQ(s.regelRij(2).artikel->currentText(), "OD67");
        s.regelRij(2).lengte->setFocus();
        const int opMaat = s.regelRij(2).lengte->findText("Op maat");
        ASSERT_GE(opMaat, 0);
        s.regelRij(2).lengte->setCurrentIndex(opMaat);
        ASSERT_FALSE(s.details()->isHidden());
        type(s.detailRij(1).aantal, "2");
        type(s.detailRij(1).maat, "1250");
        type(s.detailRij(2).aantal, "1");
        type(s.detailRij(2).maat, "2400");
        // Line 3: WS25 in its longer trade length, 1 piece.
        type(s.regelRij(3).artikel, "ws");
        ASSERT_EQ(s.regelRij(3).artikel->currentText(), "WS25");
        s.regelRij(3).maat->setFocus();
        const int zes = s.regelRij(3).maat->findText("6,00 Mtr");
        ASSERT_GT(zes, 0);
        s.regelRij(3).maat->setCurrentIndex(zes);
        type(s.regelRij(3).aantal, "1");
        type(s.ordernummer(), "INK-12");
        type(s.referentie(), "Bouw 12");
        program.notesScreen().notities()->setPlainText("Graag voor 8 uur leveren.");

        const OrderModel& o = s.order();
        ASSERT_EQ(o.field(1, Veld::Artikel), "SL30");
        ASSERT_EQ(o.field(1, Veld::Aantal), "2");
        slMaat = o.field(1, Veld::Maat);
        slLengte = o.field(1, Veld::Lengte);
        ASSERT_EQ(o.field(2, Veld::Aantal), "3/4,9");
        ASSERT_EQ(o.field(3, Veld::Aantal), "1");
        ASSERT_EQ(o.field(3, Veld::Maat), "6,00 Mtr");

        QTest::mouseClick(s.verzenden(), Qt::LeftButton);
        ASSERT_EQ(klant.messages.last().caption, "Informatie") << klant.messages.last().lines.join('|').toStdString();
        s.takeSavedSignature();
    }
    const QList<test::ReceivedMail> mails = server.received();
    ASSERT_EQ(mails.size(), 1);
    ASSERT_EQ(mails[0].attachments.size(), 1);
    {
        // How the mail gets into the incoming folder is not the program's.
        QFile f(incoming + '/' + mails[0].attachments[0].fileName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(mails[0].attachments[0].data);
    }

    // ---- The manufacturer has replaced SL30 by SL20 since.
    ASSERT_TRUE(db->exec("update Artikel set Aktief = false where Artikel = 'SL30'"));
    ASSERT_TRUE(db->exec("update Artikel set VoorraadVoorloopArtikel = 'SL30' where Artikel = 'SL20'"));

    // ---- The desk takes it in and stores it.
    MorvekVonu program(fake.platform, work, {"balie1"});
    program.runStartup();
    ASSERT_TRUE(program.started()) << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
    TVonuOrderscherm& s = program.mainScreen();
    program.signalIncomingOrders();
    ASSERT_TRUE(s.vonuOrder()->isEnabled());
    fake.fileDialogs.answer = incoming + '/' + mails[0].attachments[0].fileName;
    messages.clear();
    QTest::mouseClick(s.vonuOrder(), Qt::LeftButton);
    // The first line makes it an order of profiles, whose lists lack the
    // sill: the desk says so and keeps the line. Then the customer's notes.
    QStringList told;
    for (const auto& m : messages.shown)
        told << m.caption + ": " + m.lines.join('|');
    ASSERT_EQ(messages.count(), 2) << told.join('\n').toStdString();
    EXPECT_EQ(messages.shown[0].lines.value(1), "Regel 2: artikel OD67");
    EXPECT_EQ(messages.shown[1].lines, QStringList{"LET OP!!!  Notities bij de order"});
    EXPECT_TRUE(QDir(incoming).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(s.order().field(1, Veld::Artikel), "SL20");
    EXPECT_TRUE(s.order().desk().ob.startsWith("LET OP, Artikel SL30 is vervangen door artikel SL20.\r\n"));

    // The desk adds to the remark for the confirmation before it stores.
    QPlainTextEdit* ob = program.notesScreen().ob();
    ob->setPlainText(ob->toPlainText() + "Levering in week 51.");

    messages.clear();
    QTest::mouseClick(s.verzenden(), Qt::LeftButton);
    told.clear();
    for (const auto& m : messages.shown)
        told << m.caption + ": " + m.lines.join('|');
    ASSERT_EQ(messages.count(), 0) << told.join('\n').toStdString();
    const QString number = "24001";
    EXPECT_EQ(rows("select Debnr, V_adres, TekstVonuOrder from \"order\" where \"order\" = ?", number),
              QStringList{"104711|01|Graag voor 8 uur leveren."});
    const QStringList bevestiging = rows("select TekstBevestiging from \"order\" where \"order\" = ?", number);
    ASSERT_EQ(bevestiging.size(), 1);
    EXPECT_TRUE(bevestiging[0].startsWith("LET OP, Artikel SL30 is vervangen door artikel SL20.")) << bevestiging[0].toStdString();
    EXPECT_TRUE(bevestiging[0].contains("Download de laatste versie")) << bevestiging[0].toStdString();
    EXPECT_TRUE(bevestiging[0].endsWith("werkt.\r\nLevering in week 51.")) << bevestiging[0].toStdString();

    // The rows against the typed lines: a trade length is one head row of
    // pieces x length in metres and one detail row of the pieces; a line made
    // to measure is its head row of metres and one detail row per typed size;
    // pieces are a head row alone. The rows end with an empty head row.
    QStringList expected;
    if (slLengte == "Handelslengte") {
        const double m = metres(slMaat);
        expected << "K|SL20|" + num(std::round(2 * m * 10) / 10) + "||" << "D||2|" + num(m) + "|Mtr";
    } else {
        expected << "K|SL20|2||Lg.";
    }
    expected << "K|OD67|4.9||" << "D||2|1250|mm" << "D||1|2400|mm" << "K|WS25|6||" << "D||1|6|Mtr" << "K||||";
    QStringList got;
    for (const QString& r : rows("select Type, coalesce(Artikel, ''), coalesce(Aantal::float8::text, ''), "
                                 "coalesce(Maat::float8::text, ''), coalesce(Maatvoering, '') "
                                 "from OrderProduktieregel where \"order\" = ? order by Regel",
                                 number))
        got << r;
    EXPECT_EQ(got, expected) << slLengte.toStdString() << " " << slMaat.toStdString();
}

TEST_F(CustomerToDesk, DeliveryDataComeFromTheShippingAddressNotFromTheFile)
{
    // A document that carries delivery data of its own (edited by hand, or
    // written by another program): the desk takes the address's proposal.
    const QString path = incoming + "/104711_09_12_2026_16_12_40.Xml";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\"?><Morvek><Orders><Order Order=\"Order\"><OrderDebiteur>104711"
                "</OrderDebiteur><OrderVerzendadres>02</OrderVerzendadres><OrderAfleveradres>1002</OrderAfleveradres>"
                "<OrderA_naam>Bouwplaats Oost</OrderA_naam><OrderA_plaats>ZEIST</OrderA_plaats>"
                "<OrderLeverdatum>18-12-2026</OrderLeverdatum><OrderLeveringswijze>EV</OrderLeveringswijze>"
                "<OrderOrderdatum>09-12-2026</OrderOrderdatum><Orderregels><Orderregel Regel=\"0\">"
                "<OrderregelArtikel>OD56</OrderregelArtikel><OrderregelLengte>Handelslengte</OrderregelLengte>"
                "<OrderregelMaat>2,40 Mtr</OrderregelMaat><OrderregelUitvoering>Geboord</OrderregelUitvoering>"
                "<OrderregelAantal>2</OrderregelAantal><OrderregelOmschrijving_2>Geboord</OrderregelOmschrijving_2>"
                "<OrderregelStatus>011011101100</OrderregelStatus></Orderregel></Orderregels></Order></Orders>"
                "</Morvek>");
    }
    MorvekVonu program(fake.platform, work, {"balie1"});
    program.runStartup();
    ASSERT_TRUE(program.started()) << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
    TVonuOrderscherm& s = program.mainScreen();
    program.signalIncomingOrders();
    fake.fileDialogs.answer = path;
    QTest::mouseClick(s.vonuOrder(), Qt::LeftButton);
    ASSERT_FALSE(QFile::exists(path)) << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
    const ExtraOrderData& e = s.order().desk().extra;
    EXPECT_EQ(e.naam, "Kozijnbouw Oost");  // the delivery relation of address 02
    EXPECT_NE(e.leverdatum, QDate(2026, 12, 18));
    EXPECT_NE(e.leveringswijze.trimmed(), "EV");
    EXPECT_TRUE(s.order().desk().externBestand);
    EXPECT_FALSE(s.vonuOrder()->isEnabled());
    // Taken in, not yet stored: leaving it asks.
    EXPECT_NE(s.currentSignature(), s.savedSignature());
    s.takeSavedSignature();
}

} // namespace
