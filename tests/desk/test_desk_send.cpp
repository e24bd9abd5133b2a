// The order desk's `Verzenden` on the real main screen: a debtor, three
// lines of different kinds (a profile length typed in, a sill made to size
// with its sizes, a window board by the customer's own article number), the button, and the stored rows
// against values worked out by hand; a store the server refuses after the
// number was drawn; and `Afdrukken`, the print copy.

#include "app/MorvekVonu.h"
#include "data/QtPrinters.h"
#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/ProductionPapers.h"
#include "files/FileDialogs.h"
#include "files/MailTransport.h"
#include "order/OrderForControl.h"
#include "order/VonuOrder.h"
#include "reports/PrintTarget.h"
#include "support/DemoFiles.h"
#include "support/DatabaseFixture.h"
#include "support/ModalDriver.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <utility>

using namespace vonu;

namespace {

// Production papers that only note which orders they were asked for.
class NotedPapers final : public IProductionPapers {
public:
    explicit NotedPapers(QStringList& asked) : asked_(asked) {}
    bool printProductionOrder(const QString& ordernummer) override
    {
        asked_ << ordernummer;
        return true;
    }

private:
    QStringList& asked_;
};

class DeskSend : public test::DatabaseFixture {
protected:
    void SetUp() override
    {
        test::DatabaseFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        work = deskFolder();
        ASSERT_TRUE(test::placeDemoProfile(profileDir.path()));
        fake.clock.time = QDateTime(QDate(2026, 12, 10), QTime(9, 30));
        // No printer of the production print's name on this machine.
        fake.printer.selectable = false;
    }

    QStringList rows(const QString& sql) const { return DatabaseFixture::rows(sql, {orderKey("24001")}); }

    // The desk started and shown, with debtor 104711 as the debtor choice
    // leaves it: number, profile, addresses. With notedPapers the production
    // papers only note their orders in `printed`.
    TVonuOrderscherm& startWithDebtor(bool notedPapers = false)
    {
        program = std::make_unique<MorvekVonu>(platform, work, QStringList{"balie1"});
        if (notedPapers)
            program->setProductionPapers(std::make_unique<NotedPapers>(printed));
        program->runStartup();
        EXPECT_TRUE(program->started()) << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
        TVonuOrderscherm& s = program->mainScreen();
        program->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&s));
        s.debiteur()->setText("104711");
        s.order().desk().debiteur = "104711";
        EXPECT_TRUE(program->profile().load(QDir(profileDir.path()).filePath("104711.Xml")));
        s.ordervoor()->addItems(program->profile().shipToEntries());
        s.ordervoor()->setCurrentIndex(0);
        s.orderFor().showAddressAndFillLists();
        return s;
    }

    // An OD67 line made to size with its detail rows (pieces, size in mm).
    static void madeToSize(OrderModel& o, int line, const QString& total,
                           std::initializer_list<std::pair<const char*, const char*>> details)
    {
        o.setField(line, Veld::Artikel, "OD67");
        o.setField(line, Veld::Lengte, "Op maat");
        o.setField(line, Veld::Aantal, total);
        o.setFlag(line, Vlag::Lengte, true);
        o.setFlag(line, Vlag::Aantal, true);
        o.setFlag(line, Vlag::Details, true);
        int row = 0;
        for (const auto& [aantal, maat] : details) {
            o.setDetailAantal(line, ++row, aantal);
            o.setDetailMaat(line, row, maat);
        }
    }

    // The desk with debtor 104711 (papers noted), customer's order number
    // INK-12 and line 1 an OD67 made to size, shown.
    TVonuOrderscherm& startWithOneLine()
    {
        TVonuOrderscherm& s = startWithDebtor(true);
        QTest::keyClicks(s.ordernummer(), "INK-12");
        madeToSize(s.order(), 1, "3/4,9", {{"2", "1250"}, {"1", "2400"}});
        s.showLineInRow(1);
        return s;
    }

    // Refuses every production row the server is asked to write.
    void refuseProductionRows()
    {
        QSqlQuery ddl(db->admin());
        ASSERT_TRUE(ddl.exec("create function weiger() returns trigger language plpgsql as "
                             "$$ begin raise exception 'test: regel geweigerd'; end $$"));
        ASSERT_TRUE(ddl.exec("create trigger weiger before insert on OrderProduktieregel for each row "
                             "execute function weiger()"));
    }
    void acceptProductionRows() { ASSERT_TRUE(QSqlQuery(db->admin()).exec("drop trigger weiger on OrderProduktieregel")); }

    // The store's failure message was the last one shown.
    void expectToldNotStored()
    {
        ASSERT_GE(messages.count(), 1);
        EXPECT_EQ(messages.last().caption, "Fout");
        EXPECT_TRUE(messages.last().lines.contains("De order is niet bewaard.")) << messages.last().lines.join('|').toStdString();
    }

    int drawnUpTo() const { return db->scalar("select \"order\" from Konstanten where ID = 1").toInt(); }

    std::unique_ptr<MorvekVonu> program;
    QStringList printed;
    QString work;
    QTemporaryDir profileDir;
    Platform& platform = fake.platform;
};

} // namespace

TEST_F(DeskSend, ThreeLinesAreStoredNumberedAndTheScreenStartsAnew)
{
    TVonuOrderscherm& s = startWithDebtor();
    ASSERT_FALSE(HasFailure());
    QTest::keyClicks(s.ordernummer(), "INK-12");

    // Line 1 typed: the profile SL20, 4 pieces of the trade length.
    s.regelRij(1).artikel->setFocus();
    QTest::keyClicks(s.regelRij(1).artikel, "sl2");
    ASSERT_EQ(s.regelRij(1).artikel->currentText(), "SL20");
    s.regelRij(1).aantal->setFocus();
    QTest::keyClicks(s.regelRij(1).aantal, "4");
    s.referentie()->setFocus();
    ASSERT_EQ(s.order().field(1, Veld::Aantal), "4")
        << s.order().statusText(1).toStdString() << " visible " << s.regelRij(1).aantal->isVisible() << " enabled "
        << s.regelRij(1).aantal->isEnabled() << " ro " << s.regelRij(1).aantal->isReadOnly() << " maat '"
        << s.order().field(1, Veld::Maat).toStdString() << "' lengte '" << s.order().field(1, Veld::Lengte).toStdString()
        << "' text '" << s.regelRij(1).aantal->text().toStdString() << "'";
    const QString slFlags = s.order().statusText(1);
    const QString slMaat = s.order().field(1, Veld::Maat);

    // Line 2: OD67 made to size, 2 x 1250 and 1 x 2400 mm (the detail total
    // of 3 pieces, 4.9 m).
    OrderModel& o = s.order();
    madeToSize(o, 2, "3/4,9", {{"2", "1250"}, {"1", "2400"}});
    s.showLineInRow(2);
    // Line 3 typed by the customer's own article number for VB300, made to
    // size: one piece of 1500 mm.
    s.regelRij(3).artikel->setFocus();
    QTest::keyClicks(s.regelRij(3).artikel, "dv-v");
    ASSERT_TRUE(s.regelRij(3).artikel->currentText().startsWith("DV-VB300"));
    s.referentie()->setFocus();
    ASSERT_TRUE(s.order().flag(3, Vlag::Details) && s.order().flag(3, Vlag::Lengte))
        << s.order().statusText(3).toStdString() << " '" << s.order().field(3, Veld::Lengte).toStdString() << "' '"
        << s.order().field(3, Veld::Artikel).toStdString() << "'";
    s.detailRij(1).aantal->setFocus();
    QTest::keyClicks(s.detailRij(1).aantal, "1");
    s.detailRij(1).maat->setFocus();
    QTest::keyClicks(s.detailRij(1).maat, "1500");
    s.referentie()->setFocus();
    ASSERT_EQ(o.detailMaat(3, 1), "1500");
    ASSERT_EQ(o.field(3, Veld::Aantal), "1/1,5");

    messages.clear();
    QTest::mouseClick(s.verzenden(), Qt::LeftButton);
    ASSERT_EQ(messages.count(), 0) << messages.last().lines.join('|').toStdString();

    // The number was drawn from the constants row, the screen starts anew.
    EXPECT_EQ(db->scalar("select \"order\" from Konstanten where ID = 1").toInt(), 24002);
    EXPECT_EQ(s.order().field(1, Veld::Artikel), "");
    EXPECT_EQ(s.order().desk().ordernummer, "");
    EXPECT_EQ(QDir(work + "/../Orders").entryList({"Order 24001-INK-12.Xml"}, QDir::Files).size(), 1);

    EXPECT_EQ(rows("select Status, Debnr, V_adres, Datum, Ordref_1, Invoer from \"order\" where \"order\" = ?"),
              QStringList{"Productie|104711|01|2026-12-10|Uw order: INK-12|Balie1"});
    EXPECT_EQ(rows("select Actie from OrderTracking where \"order\" = ?"), QStringList{"I"});

    // Worked out by hand:
    // - SL20 (Meter, "Aantal x maat", no contract): list price 4.20 under
    //   the amount contract BK24003; a length line gets no measure text and
    //   one detail row of 4 x the trade length in metres, the main quantity
    //   round1(4 x length); without a length choice it is 4 pieces "Lg.".
    // - OD67 made to size: the call-off contract AK24001 (14.95, "AK2"),
    //   sizes uncorrected (no correction chosen), quantity round1(2 x 1.25 +
    //   2.4) = 4.9 m.
    // - VB300 from the customer's article number (characters 31-46): the
    //   made-to-size list price 64.00 under BK24003 ("OP2"), 1.5 m.
    QStringList expected;
    const bool slLength = slFlags.at(int(Vlag::Lengte) - 1) == '1';
    if (slLength) {
        const double m = slMaat.section(QLatin1Char(' '), 0, 0).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        expected << QString("   1|K|SL20|OP1|BK24003|%1||").arg(QString::number(std::round(4 * m * 10) / 10))
                 << QString("   2|D||||4|%1|Mtr").arg(QString::number(m));
    } else {
        expected << "   1|K|SL20|OP1|BK24003|4||Lg.";
    }
    const int n = int(expected.size());
    auto key = [&](int i) { return lineKey(n + i); };
    expected << key(1) + "|K|OD67|AK2|AK24001|4.9||" << key(2) + "|D||||2|1250|mm" << key(3) + "|D||||1|2400|mm"
             << key(4) + "|K|VB300|OP2|BK24003|1.5||"
             << key(5) + "|D||||1|1500|mm" << key(6) + "|K||||||";
    EXPECT_EQ(rows("select Regel, Type, coalesce(Artikel, ''), coalesce(Oorsprong, ''), coalesce(Kontrakt, ''), "
                   "coalesce(Aantal::float8::text, ''), coalesce(Maat::float8::text, ''), coalesce(Maatvoering, '') "
                   "from OrderProduktieregel where \"order\" = ? order by Regel"),
              expected)
        << slFlags.toStdString() << " " << slMaat.toStdString();

    // Sales lines: one article row per priced production row, the OD67
    // line's made-to-size text, the window board packed 4 to a pack, a closing row.
    const QStringList sales = rows("select Regel, coalesce(Artikel, ''), coalesce(Omschrijving, ''), "
                                   "coalesce(Aantal::float8::text, ''), coalesce(Prijs::text, ''), "
                                   "coalesce(Verpakking, '') from OrderVerkoopregel where \"order\" = ? order by Regel");
    ASSERT_GE(sales.size(), 5);
    EXPECT_TRUE(sales.filter("|OD67|Onderdorpel kunststof 67 mm|4.9|14.9500|").size() == 1) << sales.join('\n').toStdString();
    EXPECT_TRUE(sales.contains(lineKey(sales.indexOf(sales.filter("|OD67|").first()) + 2)
                               + "||Op maat gezaagd volgens opgave|||"))
        << sales.join('\n').toStdString();
    ASSERT_EQ(sales.filter("|VB300|").size(), 1) << sales.join('\n').toStdString();
    EXPECT_TRUE(sales.filter("|VB300|").first().endsWith("|1.5|64.0000|1 Pak op maat")) << sales.join('\n').toStdString();
    EXPECT_EQ(sales.last(), lineKey(sales.size()) + "|||||");
}

// A new order whose delivery date fell on a free day is stored with the
// next delivery day: the constants' rules deliver Tuesday to Friday; after
// Christmas (Friday 25), the closing of 28-31 December and New Year's Day
// that is Tuesday 5 January, in week 1. The extra order data screen shows
// the moved date before the store goes on.
TEST_F(DeskSend, ADeliveryDateOnAFreeDayMovesToTheNextDeliveryDayBeforeTheStore)
{
    TVonuOrderscherm& s = startWithDebtor();
    ASSERT_FALSE(HasFailure());
    OrderModel& o = s.order();
    madeToSize(o, 1, "1/1,2", {{"1", "1200"}});
    s.showLineInRow(1);
    ExtraOrderData& extra = o.desk().extra;
    extra.leverdatum = QDate(2026, 12, 25);
    extra.productieweek = "52";
    extra.leverdatumGewijzigd = false;
    extra.gebruikAfleverdatum = false;

    messages.clear();
    const auto shown = test::whenModalWidget([](QWidget& w) { w.close(); });
    QTest::mouseClick(s.verzenden(), Qt::LeftButton);
    EXPECT_EQ(*shown, 1);
    ASSERT_EQ(messages.count(), 0) << messages.last().lines.join('|').toStdString();
    EXPECT_EQ(rows("select Leverdatum, Productieweek, Afleverdatum from \"order\" where \"order\" = ?"),
              QStringList{"2027-01-05|1|null"});
}

// The number is drawn before the store's transaction begins, so a store the
// server refuses leaves it used: the order file already written under it
// never meets another order of that number. The order stays on screen as it
// was and the next store draws the next number.
TEST_F(DeskSend, AFailedStoreLeavesItsNumberUsedAndTheNextStoreDrawsANewOne)
{
    TVonuOrderscherm& s = startWithOneLine();
    ASSERT_FALSE(HasFailure());
    OrderModel& o = s.order();
    const auto signature = o.signature(s.headerValues());
    const QString title = s.windowTitle();
    const int orders = count("select count(*) from \"order\"");
    ASSERT_EQ(drawnUpTo(), 24001);
    refuseProductionRows();

    messages.clear();
    QTest::mouseClick(s.verzenden(), Qt::LeftButton);
    expectToldNotStored();
    EXPECT_EQ(drawnUpTo(), 24002);
    EXPECT_EQ(count("select count(*) from \"order\""), orders);
    EXPECT_EQ(count("select count(*) from OrderProduktieregel where \"order\" = ?", {orderKey("24001")}), 0);
    EXPECT_EQ(count("select count(*) from OrderTracking"), 0);
    EXPECT_TRUE(printed.isEmpty());
    EXPECT_EQ(o.signature(s.headerValues()), signature);
    EXPECT_EQ(o.desk().ordernummer, "");
    EXPECT_EQ(s.regelRij(1).artikel->currentText(), "OD67");
    EXPECT_EQ(s.ordernummer()->text(), "INK-12");
    // The caption names no number the order no longer holds.
    EXPECT_EQ(s.windowTitle(), title);

    acceptProductionRows();
    messages.clear();
    QTest::mouseClick(s.verzenden(), Qt::LeftButton);
    ASSERT_EQ(messages.count(), 0) << messages.last().lines.join('|').toStdString();
    EXPECT_EQ(drawnUpTo(), 24003);
    EXPECT_EQ(printed, QStringList{"24002"});
    EXPECT_EQ(DatabaseFixture::rows("select \"order\", Ordref_1 from \"order\" where \"order\" in (?, ?)",
                                    {orderKey("24001"), orderKey("24002")}),
              QStringList{orderKey("24002") + "|Uw order: INK-12"});
    EXPECT_EQ(QDir(work + "/../Orders").entryList({"Order 2400*"}, QDir::Files),
              (QStringList{"Order 24001-INK-12.Xml", "Order 24002-INK-12.Xml"}));
}

// `Afdrukken` at the desk stores a print copy under the workstation's name
// and prints its production order, and the order stays on screen to go on
// with: no number drawn, nothing cleared. A second copy replaces the first.
TEST_F(DeskSend, APrintCopyIsStoredUnderTheWorkstationAndPrintedWhileTheOrderStays)
{
    TVonuOrderscherm& s = startWithOneLine();
    ASSERT_FALSE(HasFailure());
    OrderModel& o = s.order();
    const auto signature = o.signature(s.headerValues());
    const QString copy = orderKey("BALIE1");
    const QString productie = QStringLiteral("Productie") + QChar(0x00A0);

    for (int pass = 1; pass <= 2; ++pass) {
        SCOPED_TRACE(pass);
        messages.clear();
        QTest::mouseClick(s.afdrukken(), Qt::LeftButton);
        // Only the order document's confirmation.
        ASSERT_EQ(messages.count(), 1) << messages.last().lines.join('|').toStdString();
        EXPECT_EQ(messages.last().caption, "Informatie");
        EXPECT_EQ(printed, QStringList(pass, "BALIE1"));
        EXPECT_EQ(DatabaseFixture::rows("select \"order\", Status, Debnr from \"order\" where \"order\" in (?, ?)",
                                        {copy, orderKey("24001")}),
                  QStringList{copy + "|" + productie + "|104711"});
        EXPECT_EQ(DatabaseFixture::rows("select Regel, Type, coalesce(Artikel, ''), coalesce(Maat::float8::text, '') "
                                        "from OrderProduktieregel where \"order\" = ? order by Regel",
                                        {copy}),
                  (QStringList{"   1|K|OD67|", "   2|D||1250", "   3|D||2400", "   4|K||"}));
        EXPECT_EQ(count("select count(*) from OrderVerkoopregel where \"order\" = ?", {copy}), 0);
        EXPECT_EQ(count("select count(*) from OrderTracking"), 0);
        EXPECT_EQ(drawnUpTo(), 24001);

        EXPECT_EQ(o.signature(s.headerValues()), signature);
        EXPECT_EQ(o.desk().ordernummer, "");
        EXPECT_EQ(s.regelRij(1).artikel->currentText(), "OD67");
        EXPECT_EQ(s.debiteur()->text(), "104711");
        EXPECT_EQ(s.ordernummer()->text(), "INK-12");
    }
}

// A print copy that is not stored prints nothing, and the order stays as it
// was: without an article on the first line nothing happens at all; a copy
// the server refuses and an incomplete line are reported.
TEST_F(DeskSend, APrintCopyThatIsNotStoredPrintsNothing)
{
    TVonuOrderscherm& s = startWithDebtor(true);
    ASSERT_FALSE(HasFailure());
    OrderModel& o = s.order();
    auto nothingStored = [&] {
        EXPECT_TRUE(printed.isEmpty());
        EXPECT_EQ(count("select count(*) from \"order\" where \"order\" = ?", {orderKey("BALIE1")}), 0);
        EXPECT_EQ(count("select count(*) from OrderProduktieregel where \"order\" = ?", {orderKey("BALIE1")}), 0);
    };

    madeToSize(o, 2, "1/1,2", {{"1", "1200"}});
    s.showLineInRow(2);
    auto signature = o.signature(s.headerValues());
    messages.clear();
    QTest::mouseClick(s.afdrukken(), Qt::LeftButton);
    EXPECT_EQ(messages.count(), 0) << messages.last().lines.join('|').toStdString();
    nothingStored();
    EXPECT_EQ(o.signature(s.headerValues()), signature);

    madeToSize(o, 1, "1/1,2", {{"1", "1200"}});
    s.showLineInRow(1);
    signature = o.signature(s.headerValues());
    refuseProductionRows();
    messages.clear();
    QTest::mouseClick(s.afdrukken(), Qt::LeftButton);
    expectToldNotStored();
    nothingStored();
    EXPECT_EQ(o.signature(s.headerValues()), signature);
    EXPECT_EQ(s.regelRij(1).artikel->currentText(), "OD67");

    // An incomplete line stops the copy with its message before anything is written.
    o.setField(3, Veld::Artikel, "OD67");
    o.setFlag(3, Vlag::Aantal, true);
    s.showLineInRow(3);
    signature = o.signature(s.headerValues());
    messages.clear();
    QTest::mouseClick(s.afdrukken(), Qt::LeftButton);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().lines, (QStringList{QString(), "Geen aantal ingevoerd in regel 3."}));
    nothingStored();
    EXPECT_EQ(o.signature(s.headerValues()), signature);
}
