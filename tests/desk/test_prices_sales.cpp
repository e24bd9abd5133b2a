// Prices, contracts and totals, and what the sales lines make of them, on
// the real server: contracts with nothing left, price breaks per address
// and quantity, the amount contract of an order, the entered order costs,
// the call-off choice, the small-quantity surcharge, repricing by the
// quantity of the whole order and coating by the colour's total.

#include "data/QtPrinters.h"
#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/OrderStore.h"
#include "desk/Prices.h"
#include "support/DatabaseFixture.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vonu;

namespace {

class PricesTest : public test::SessionFixture {
protected:
    void SetUp() override
    {
        test::SessionFixture::SetUp();
        if (!ready())
            return;
        header.orderdatum = QDate(2026, 12, 10);
        header.verzendadres = "01";
        order.desk().debiteur = "104711";
        order.desk().extra.leverdatum = QDate(2026, 12, 22);
        order.desk().extra.productieweek = "52";
    }

    void TearDown() override { expectNoMessageShown(); }

    QString price(const QString& artikel, QChar soort, double aantal, PriceContext c)
    {
        Prices prices(*session);
        const auto r = prices.lookup(artikel, c, soort, aantal);
        if (!r)
            return "fout";
        return r->found ? r->oorsprong + ' ' + r->prijs + ' ' + r->kontrakt : "geen";
    }

    void line(int n, const QString& artikel, const QString& aantal)
    {
        order.setField(n, Veld::Artikel, artikel);
        order.setField(n, Veld::Aantal, aantal);
    }
    // A made-to-size line with its sizes.
    void sizeLine(int n, const QString& artikel, const QList<std::pair<int, int>>& sizes, const QString& kleur = {})
    {
        order.setField(n, Veld::Artikel, artikel);
        order.setField(n, Veld::Lengte, "Op maat");
        order.setFlag(n, Vlag::Lengte, true);
        order.setFlag(n, Vlag::Details, true);
        if (!kleur.isEmpty()) {
            order.setField(n, Veld::Kleur, kleur);
            order.setFlag(n, Vlag::Kleur, true);
        }
        int pieces = 0;
        int row = 0;
        for (const auto& [count, size] : sizes) {
            order.setDetailAantal(n, ++row, QString::number(count));
            order.setDetailMaat(n, row, QString::number(size));
            pieces += count;
        }
        order.setField(n, Veld::Aantal, QStringLiteral("%1/%1").arg(pieces));
    }
    bool storeOrder(const QString& number = "24001")
    {
        OrderStore store(*session, messages);
        return store.store(order, header, StoreRequest{true, number, false});
    }
    QStringList sales(const QString& columns, const QString& number = "24001")
    {
        QStringList out;
        const DbRows r = session->select("select " + columns + " as x from OrderVerkoopregel where \"order\" = ? order by Regel",
                                         {orderKey(number)});
        for (int i = 0; i < r.size(); ++i)
            out << r.text("x", i);
        return out;
    }

    OrderModel order;
    StoreHeader header;
};

const PriceContext kAll{"104711", "01", QDate(2026, 12, 10), true, true, true, false, true};

} // namespace

TEST_F(PricesTest, ContractsWithNothingLeftGiveNoContractPrice)
{
    PriceContext unpadded = kAll;
    EXPECT_EQ(price("OD67", 'M', 0, unpadded), "AK2 14.9500 AK24001");   // the debtor as typed
    const struct { const char* change; const char* artikel; QChar soort; const char* expected; } cases[] = {
        {"update Kontrakt set Verwerkt = Termijn where Kontrakt = 'AK24001'", "OD67", 'M', "OP2 19.9500 BK24003"},
        {"update Kontrakt set Verwerkt = Termijn where Kontrakt = 'BK24003'", "OD67", 'M', "OP2 19.9500 BK24004"},
        {"update Kontrakt set Verwerkt = Termijn where Kontrakt = 'BK24004'", "OD67", 'M', "PL2 19.9500 "},
        {"update Kontrakt set Verwerkt = 0 where Kontrakt = 'BK24004'", "EK56", 'H', "OP1 1.8500 BK24004"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(db->exec(c.change));
        EXPECT_EQ(price(c.artikel, c.soort, 0, kAll), c.expected) << c.change;
    }
}

TEST_F(PricesTest, TestStoresTakeNothingFromAContract)
{
    auto processed = [&] {
        return session->call("KontraktStatus", {{"Kontrakt", "AK24001"}}).text("Verwerkt").toDouble();
    };
    const double before = processed();
    for (const QString& status : {QString("Productie") + QChar(0x00A0), QString("Productie")}) {
        const QString key = orderKey(status.size() == 9 ? "901" : "902");
        ASSERT_TRUE(db->exec("insert into \"order\" (\"order\", Status) values (?, ?)", {key, status}));
        ASSERT_TRUE(db->exec("insert into OrderProduktieregel (\"order\", Regel, RegelId, Type, Artikel, Aantal, Kontrakt) "
                             "values (?, '   1', '   1', 'K', 'OD67', 50, 'AK24001')", {key}));
    }
    EXPECT_EQ(processed(), before + 50);
}

TEST_F(PricesTest, PriceBreaksFollowTheAddressTheQuantityAndTheGroup)
{
    PriceContext noContracts{"104711", "01", QDate(2026, 12, 10)};
    PriceContext site = noContracts;
    site.verzend = "02";
    PriceContext group = noContracts;
    group.groep = true;
    const struct { const char* artikel; double aantal; PriceContext c; const char* expected; } cases[] = {
        {"EK56", 19, noContracts, "PL1 1.8500 "},
        {"EK56", 20, noContracts, "DS1 1.6000 "},
        {"EK56", 250, noContracts, "DS1 1.4500 "},
        {"OD56", 0, noContracts, "DP1 13.9500 "},
        {"OD56", 0, site, "DS1 13.5000 "},
        {"OD56", 60, site, "DS1 13.5000 "},    // the address's own price beats the debtor's break
        {"OD56", 60, noContracts, "DS1 12.9500 "},
        {"KS10", 100, noContracts, "PL1 1.2000 "},
        {"KS10", 100, group, "GS1 0.9900 "},
        {"KS10", 600, group, "GS1 0.8900 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(price(c.artikel, 'H', c.aantal, c.c), c.expected) << c.artikel << " " << c.aantal;
}

TEST_F(PricesTest, TheFirstAmountContractWithAnAmountLeftIsAssigned)
{
    Prices prices(*session);
    const QString key = orderKey("903");
    ASSERT_TRUE(db->exec("insert into \"order\" (\"order\", Status, Debnr, Bedrag) values (?, 'Productie', '104711', true)", {key}));
    auto assigned = [&] {
        EXPECT_TRUE(prices.assignAmountContract(key));
        return db->scalar("select coalesce(Kontrakt, '-') || '/' || Bedrag from \"order\" where \"order\" = ?", {key}).toString();
    };
    EXPECT_EQ(assigned(), "BK24003/true");
    // An order that has its contract keeps it.
    ASSERT_TRUE(db->exec("update Kontrakt set Verwerkt = Termijn where Kontrakt = 'BK24003'"));
    EXPECT_EQ(assigned(), "BK24003/true");
    // The older one is used up: the newer one; all used up: the last one.
    ASSERT_TRUE(db->exec("update \"order\" set Kontrakt = null"));
    EXPECT_EQ(assigned(), "BK24004/true");
    ASSERT_TRUE(db->exec("update \"order\" set Kontrakt = ''"));
    ASSERT_TRUE(db->exec("update Kontrakt set Verwerkt = Termijn where Kontrakt = 'BK24004'"));
    EXPECT_EQ(assigned(), "BK24004/true");
    // A debtor without amount contracts: the order may not use one.
    ASSERT_TRUE(db->exec("update \"order\" set Kontrakt = null, Debnr = '104712'"));
    EXPECT_EQ(assigned(), "-/false");
}

TEST_F(PricesTest, EnteredOrderCostsReplaceTheStandingCosts)
{
    Prices prices(*session);
    const QString key = orderKey("904");
    ASSERT_TRUE(db->exec("insert into \"order\" (\"order\", Status, Debnr) values (?, 'Productie', '104711')", {key}));
    const struct { const char* typed; const char* costs; } cases[] = {{"12,50", "12.50"}, {"", "15.00"}, {"0", "0.00"}};
    for (const auto& c : cases) {
        EXPECT_TRUE(prices.orderTotals(key, c.typed));
        EXPECT_EQ(db->scalar("select T_Orderkosten::text from \"order\" where \"order\" = ?", {key}).toString(), c.costs) << c.typed;
    }
    bool bad = false;
    EXPECT_FALSE(prices.orderTotals(key, "twaalf", &bad));
    EXPECT_TRUE(bad);
}

TEST_F(PricesTest, DecliningCallOffContractsDropsThemWhereTheCustomerMayChoose)
{
    order.desk().extra.gebruikAfroep = 1;
    sizeLine(1, "OD67", {{2, 1250}});          // AK24001 leaves the choice to the customer
    sizeLine(2, "ODA78", {{1, 2000}});         // MK24002 does not
    line(3, "EK67", "4");
    ASSERT_TRUE(storeOrder());
    const QString key = orderKey("24001");
    EXPECT_EQ(db->scalar("select Meter || '/' || Stuks from \"order\" where \"order\" = ?", {key}).toString(), "false/false");
    // Every line after the choice is priced without call-off and metre prices.
    EXPECT_EQ(sales("coalesce(Artikel, '') || ' ' || coalesce(Oorsprong, '')").filter(QRegularExpression("^(OD67|ODA78|EK67) ")),
              (QStringList{"OD67 OP2", "ODA78 OP2", "EK67 OP1"}));

    // Without the customer's choice the metre contract stays on its line.
    ASSERT_TRUE(db->exec("update Kontrakt set GebruikAfroep = 'J' where Kontrakt = 'AK24001'"));
    ASSERT_TRUE(storeOrder("24002"));
    EXPECT_EQ(sales("coalesce(Artikel, '') || ' ' || coalesce(Oorsprong, '')", "24002").filter(QRegularExpression("^(OD67|ODA78) ")),
              (QStringList{"OD67 AK2", "ODA78 OM2"}));
}

TEST_F(PricesTest, SmallQuantitiesOfLengthsGetTheSurchargeBelowTheThreshold)
{
    const struct { int pieces; int size; const char* toeslag; } cases[] = {
        {5, 1900, "SL20 9.5 true"},    // 9.5 m < aantal 10
        {5, 2000, "SL20 10 false"},
    };
    int number = 24001;
    for (const auto& c : cases) {
        order.clear();
        order.desk().debiteur = "104711";
        sizeLine(1, "SL20", {{c.pieces, c.size}});
        const QString n = QString::number(number++);
        ASSERT_TRUE(storeOrder(n));
        EXPECT_EQ(sales("Artikel || ' ' || Aantal::float8 || ' ' || Toeslag", n).filter("SL20"), QStringList{c.toeslag});
    }
    // A debtor without the costs surcharge never gets it.
    ASSERT_TRUE(db->exec("update Debiteur set Kosten = false where Debnr = '104711'"));
    sizeLine(1, "SL20", {{5, 1900}});
    ASSERT_TRUE(storeOrder("24010"));
    EXPECT_EQ(sales("Artikel || ' ' || Toeslag", "24010").filter("SL20"), QStringList{"SL20 false"});
}

TEST_F(PricesTest, TheQuantityOfTheWholeOrderRepricesEveryLineOfTheArticle)
{
    line(1, "EK56", "10");
    line(2, "EK56", "15");
    ASSERT_TRUE(storeOrder());
    // Each line alone is below the break of 20; together they reach it.
    EXPECT_EQ(sales("Artikel || ' ' || Prijs").filter("EK56"), (QStringList{"EK56 1.6000", "EK56 1.6000"}));
    EXPECT_EQ(db->scalar("select string_agg(Prijs::text, ',' order by Regel) from OrderProduktieregel "
                         "where \"order\" = ? and Artikel = 'EK56'", {orderKey("24001")}).toString(),
              "1.6000,1.6000");
}

TEST_F(PricesTest, AColourOnSeveralLinesIsChargedOnceByItsTotal)
{
    // 2 x 6 m + 2 x 5 m = 22 m of RAL 9016: from 20 m the colour has a total price.
    order.desk().debiteur = "104712";
    sizeLine(1, "OD78", {{2, 6000}}, "9016");
    sizeLine(2, "OD78", {{2, 5000}}, "9016");
    ASSERT_TRUE(storeOrder());
    const QStringList rows = sales("coalesce(Artikel, '') || '|' || coalesce(Omschrijving, '') || '|' || "
                                   "coalesce(Aantal::float8::text, '') || '|' || coalesce(Prijs::text, '')");
    EXPECT_EQ(rows.filter("MOFFELEN|Moffelen RAL 9016").size(), 1) << rows.join('\n').toStdString();
    EXPECT_EQ(rows.filter("MOFFELEN|Moffelen RAL 9016 Verkeerswit totaalprijs|1|95.0000").size(), 1)
        << rows.join('\n').toStdString();
    EXPECT_EQ(rows.filter("(zie totaalprijs)").size(), 2);
    // Per-line coating rows are not charged besides the total.
    EXPECT_EQ(rows.filter(QRegularExpression("^MOFFELEN\\|RAL 9016\\|")).size(), 0) << rows.join('\n').toStdString();
}
