// The production order of a stored order: packages, weights and texts of
// the print rows, the colli summary, the control copy and the users'
// scratch tables, on the demo data and small orders written here.

#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/ProductionOrder.h"
#include "desk/StoreRules.h"
#include "support/DatabaseFixture.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

using namespace vonu;
using vonu::test::PgTestDatabase;

// ---------------------------------------------------------------------------
// Figures and texts

TEST(ProductionFigures, PackagesPerContent)
{
    const struct { double n, content; int packages; } cases[] = {
        {10, 4, 3},   // round(2.5 + 0.4999)
        {8, 4, 2},    // round(2.4999)
        {3, 4, 1},    // not more than the content
        {4, 4, 1},
        {5, 4, 2},
        {9, 4, 3},
        {5, 0, 1},    // no content known: one package, no division by zero
        {5, -2, 1},
        {0, 4, 1},
        {0, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(packages(c.n, c.content), c.packages) << c.n << "/" << c.content;
}

TEST(ProductionFigures, NumbersWeightsAndSizes)
{
    EXPECT_EQ(weightText(12.46, 1), "12,5 kg");
    EXPECT_EQ(weightText(12.44, 1), "12,5 kg");
    EXPECT_EQ(weightText(12.40, 1), "12,4 kg");
    EXPECT_EQ(weightText(-1.5, 2), "3,0 kg");
    EXPECT_EQ(weightText(1234.5, 1), "1.234,5 kg");
    EXPECT_EQ(weightText(0, 5), "");
    EXPECT_EQ(weightText(1.2, 0), "");
    EXPECT_EQ(wholeNumber(1234567.5), "1.234.568");
    EXPECT_EQ(wholeNumber(0.4), "0");
    EXPECT_EQ(formatNumber(7.25, 1), "7,3");
    EXPECT_EQ(formatNumber(0.05, 1), "0,1");
    EXPECT_EQ(sizeNumber(2.5), "2,500");
    EXPECT_EQ(sizeNumber(3), "3");
    EXPECT_EQ(sizeNumber(1250), "1.250");
}

TEST(ProductionFigures, DetailTextsAndExecutionMarks)
{
    EXPECT_EQ(detailDescription(" Kozijn 1 ", "GEBOORD links", "ongeboord  rechts"), "Kozijn 1 links rechts");
    EXPECT_EQ(detailDescription("", "", "Merk: B"), "Merk: B");
    EXPECT_EQ(executionMark("x", "geboord 8 mm", "Standaard"), "Geboord");
    EXPECT_EQ(executionMark("ONGEBOORD", "", "Standaard"), "Ongeboord");
    EXPECT_EQ(executionMark("", "", "Standaard"), "Standaard");
    const QString seventy = QString(61, 'a') + QString(9, 'b');
    EXPECT_EQ(splitText(seventy, 61), (QStringList{QString(61, 'a'), QString(9, 'b')}));
    EXPECT_EQ(splitText("", 61), QStringList{QString()});
}

// ---------------------------------------------------------------------------
// Filled from the database

namespace {

const QString kDebnr = debtorKey("104711");

struct Row {
    const char* type;
    const char* artikel = "";
    QVariant aantal = {};
    QVariant maat = {};
    const char* maatvoering = "";
    QString omschrijving1 = {};
    QVariant verpakking = {};
    bool correctie = false;
    QVariant ingevoerdeMaat = {};
    const char* oorsprong = "AK2";
};

class ProductionOrderTest : public test::SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        if (!ready())
            return;
        rules.maxMmDoos = 1000;
        rules.minKgDoos = 1000;
        rules.maxKgDoos = 25;
        rules.maxKgBundel = 40;
        rules.overbundelenBundel = rules.overbundelenKoker = true;
    }

    void TearDown() override { expectNoMessageShown(); }

    void storeOrder(const QString& number, const QList<Row>& rows, const QString& verzend = "01",
                    DbSession* on = nullptr)
    {
        DbSession& s = on ? *on : *session;
        ASSERT_TRUE(s.exec("insert into \"order\" (\"order\", Status, Debnr, V_adres, Datum) "
                           "values (?, 'Productie', ?, ?, date '2026-12-10')",
                           {orderKey(number), kDebnr, verzend}));
        int regel = 0;
        for (const Row& r : rows) {
            ++regel;
            auto text = [](const char* t) { return *t ? QVariant(QString(t)) : QVariant(QMetaType(QMetaType::QString)); };
            ASSERT_TRUE(s.exec("insert into OrderProduktieregel (\"order\", Regel, RegelId, Type, Artikel, Oorsprong, "
                               "Aantal, Maat, IngevoerdeMaat, Maatvoering, Omschrijving_1, Verpakking, Correctie) "
                               "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                               {orderKey(number), lineKey(regel), lineKey(regel), QString(r.type), text(r.artikel),
                                text(r.oorsprong), r.aantal, r.maat, r.ingevoerdeMaat, text(r.maatvoering),
                                r.omschrijving1, r.verpakking, r.correctie}));
        }
    }

    QList<ProductionPrintRow> fill(const QString& number, const QString& variant = {}, bool* entered = nullptr,
                                   DbSession* on = nullptr)
    {
        ProductionOrder p(on ? *on : *session, rules);
        EXPECT_TRUE(p.fill(number, variant, entered));
        packingTable = p.packingTable();
        return p.printRows();
    }

    static QList<ProductionPrintRow> ofType(const QList<ProductionPrintRow>& rows, const QString& type)
    {
        QList<ProductionPrintRow> result;
        for (const ProductionPrintRow& r : rows) {
            if (r.value("Type") == type)
                result << r;
        }
        return result;
    }

    // Packing rows as "type|soort|aantal|gewicht|etiket".
    QStringList packing()
    {
        const DbRows r = session->select("select * from " + packingTable + " order by type, soort");
        QStringList out;
        for (int i = 0; i < r.size(); ++i) {
            out << QStringList{r.text("Type", i), r.text("Soort", i), r.text("Aantal", i), QString::number(r.value("Gewicht", i).toDouble(), 'g', 6),
                               r.text("Etiket", i)}
                       .join('|');
        }
        return out;
    }

    PackingRules rules;
    QString packingTable;
};

} // namespace

TEST_F(ProductionOrderTest, ShortSinglePiecesOfAMetreArticleArePackedTogether)
{
    // Five pieces of 800 mm (not above max_mm_doos 1000), four to a package:
    // round(5 / 4 + 0.4999) = 2 short packages.
    QList<Row> rows{{"K", "OD67", 4.0, {}, "", "Dorpel", 4}};
    for (int i = 0; i < 5; ++i)
        rows << Row{"D", "", 1, 800, "mm"};
    storeOrder("501", rows);
    const QList<ProductionPrintRow> printed = fill("501");
    ASSERT_EQ(packing(), QStringList{"1|Koker op maat|2|5.28|0"});
    const QList<ProductionPrintRow> heads = ofType(printed, "2");
    ASSERT_GE(heads.size(), 1);
    EXPECT_EQ(heads.at(0).value("KopVerpakking"), "2 Koker op maat");
    EXPECT_EQ(heads.at(0).value("KopAantalGewicht"), "4,0 mtr.");
    const QList<ProductionPrintRow> details = ofType(printed, "3");
    ASSERT_EQ(details.size(), 5);
    EXPECT_EQ(details.at(0).value("DetailAantalMaat"), "      1 x   800 ");
    EXPECT_EQ(details.at(0).value("RegelId"), "2");
}

TEST_F(ProductionOrderTest, AMarkedPieceIsPackedOnItsOwnAndLongPiecesGoLong)
{
    // A "Merk:" row of one piece is no single piece: it gets a package of its
    // own beside the package of the one single piece; pieces above
    // max_mm_doos are long packages.
    storeOrder("502", {{"K", "OD67", 6.0, {}, "", "Dorpel", 4},
                       {"D", "", 1, 800, "mm", "Merk: A"},
                       {"D", "", 1, 900, "mm"},
                       {"D", "", 3, 1500, "mm"}});
    fill("502");
    EXPECT_EQ(packing(), (QStringList{"1|Koker op maat|2|2.244|0", "2|Koker op maat|1|5.94|0"}));
}

TEST_F(ProductionOrderTest, DetailRowsSplitLongTextsAndKeepApostrophes)
{
    const QString seventy = QString("O'Brien ") + QString(62, 'x');
    ASSERT_EQ(seventy.size(), 70);
    const QString longHead = QString("Kozijn 'achter' ") + QString(84, 'k');
    storeOrder("503", {{"K", "OD67", 2.0, {}, "", longHead, 4},
                       {"D", "", 2, 1250, "mm", seventy},
                       {"D", "", {}, {}, "mm"}});   // neither quantity nor size: removed
    const QList<ProductionPrintRow> printed = fill("503");
    const QList<ProductionPrintRow> details = ofType(printed, "3");
    ASSERT_EQ(details.size(), 2);
    EXPECT_EQ(details.at(0).value("DetailOmschrijving"), seventy.left(61));
    EXPECT_EQ(details.at(0).value("DetailAantalMaat"), "      2 x 1.250 ");
    EXPECT_EQ(details.at(1).value("DetailOmschrijving"), seventy.mid(61));
    EXPECT_EQ(details.at(1).value("DetailAantalMaat"), "");
    EXPECT_EQ(details.at(1).value("RegelId"), "");
    EXPECT_EQ(ofType(printed, "1").at(0).value("KopOmschrijving"), longHead);
    EXPECT_EQ(db->scalar("select count(*) from OrderProduktieregel where \"order\" = ?", {orderKey("503")}).toInt(), 2);
}

TEST_F(ProductionOrderTest, SummaryRowsWithAndWithoutOverBundleLabels)
{
    // Long pieces of 1500 mm in a tube: type 2 packages of 1.32 kg/m.
    storeOrder("504", {{"K", "OD67", 12.0, {}, "", "Dorpel", 4}, {"D", "", 8, 1500, "mm"}});
    // Below min_kg_doos, label mode A (the debtor's): over-bundle labels.
    QList<ProductionPrintRow> summary = ofType(fill("504"), "5");
    ASSERT_EQ(summary.size(), 2);
    EXPECT_EQ(summary.at(0).value("VerpakkingSoort"), " Overbundel");
    EXPECT_EQ(summary.at(0).value("VerpakkingAantal"), "1");   // int(15.84 / 40) + 1
    EXPECT_EQ(summary.at(0).value("ColliAantal"), "2");
    EXPECT_EQ(summary.at(0).value("ColliSoort"), "Koker op maat");
    EXPECT_EQ(summary.at(0).value("ColliGewicht"), "16 Kg");
    EXPECT_EQ(summary.at(0).value("ColliOverbundel"), "1 overbundel-etiket(ten)");
    EXPECT_EQ(summary.at(1).value("VerpakkingOmschrijving"), "Totaal:");
    EXPECT_EQ(summary.at(1).value("VerpakkingAantal"), "1");
    EXPECT_EQ(summary.at(1).value("VerpakkingSoort"), " Colli");
    EXPECT_EQ(summary.at(1).value("ColliGewicht"), "16 Kg");

    // At min_kg_doos and above: no labels, the packages counted as they are.
    for (double min : {8 * 1.5 * 1.32, 10.0}) {
        rules.minKgDoos = min;
        summary = ofType(fill("504"), "5");
        ASSERT_EQ(summary.size(), 2) << min;
        EXPECT_EQ(summary.at(0).value("VerpakkingSoort"), "") << min;
        EXPECT_EQ(summary.at(0).value("VerpakkingAantal"), "2") << min;
        EXPECT_EQ(summary.at(0).value("ColliOverbundel"), "") << min;
        EXPECT_EQ(summary.at(1).value("VerpakkingAantal"), "2") << min;
    }

    // Nothing to divide by: no limits known still gives labels and boxes.
    rules.minKgDoos = 1000;
    rules.maxKgBundel = 0;
    summary = ofType(fill("504"), "5");
    EXPECT_EQ(summary.at(0).value("VerpakkingAantal"), "1");
}

TEST_F(ProductionOrderTest, PiecesOfOtherArticlesAndTheFixedLabelCount)
{
    // End caps (not a metre article) with a package content from the
    // packing type (50): a "B" row and its quantity line. The shipping
    // address 02 has its own label mode A with a fixed count of 2.
    storeOrder("505", {{"K", "EK67", 120, {}, "St.", "Eindkappen", {}, false, {}, "PL2"}}, "02");
    const QList<ProductionPrintRow> printed = fill("505");
    EXPECT_EQ(packing(), QStringList{"B|Doos|3|5.4|0"});
    const QList<ProductionPrintRow> quantity = ofType(printed, "3");
    ASSERT_EQ(quantity.size(), 1);
    EXPECT_EQ(quantity.at(0).value("DetailAantalMaat"), "    120 Stuks");
    EXPECT_EQ(ofType(printed, "2").at(0).value("KopAantalGewicht"), "5,4 kg");
    EXPECT_EQ(ofType(printed, "2").at(0).value("KopVerpakking"), "3 Doos");
    const QList<ProductionPrintRow> summary = ofType(printed, "5");
    ASSERT_EQ(summary.size(), 2);
    EXPECT_EQ(summary.at(0).value("VerpakkingAantal"), "3");
    EXPECT_EQ(summary.at(1).value("VerpakkingAantal"), "3");
}

TEST_F(ProductionOrderTest, ControlCopyShowsTheSizesAsEntered)
{
    storeOrder("506", {{"K", "OD67", 2.6, {}, "", "Dorpel", 4, true},
                       {"D", "", 1, 1296, "mm", "", {}, true, 1300},
                       {"D", "", 1, 1300, "mm", "", {}, false, 1300}});
    bool entered = false;
    QList<ProductionPrintRow> details = ofType(fill("506", {}, &entered), "3");
    EXPECT_TRUE(entered);   // a line with corrected sizes
    ASSERT_EQ(details.size(), 2);
    EXPECT_EQ(details.at(0).value("DetailAantalMaat"), "      1 x 1.296\u00F7");
    EXPECT_EQ(details.at(1).value("DetailAantalMaat"), "      1 x 1.300 ");

    // Without entered rows the control copy shows the sizes before correction.
    details = ofType(fill("506", ProductionOrder::kIngevoerdeMaten), "3");
    ASSERT_EQ(details.size(), 2);
    EXPECT_EQ(details.at(0).value("DetailAantalMaat"), "      1 x 1.300 ");

    // With entered rows it shows those, without line numbers.
    ASSERT_TRUE(session->exec("insert into OrderProduktieregelInvoer (\"order\", Regel, KopRegelId, Aantal, "
                              "IngevoerdeMaat, Maatvoering, Omschrijving_1) values "
                              "(?, '   1', '   1', 2, 1300, 'mm', 'Zoals ingevoerd'), "
                              "(?, '   2', '   1', 1, 2.5, 'Mtr', '')",
                              {orderKey("506"), orderKey("506")}));
    details = ofType(fill("506", ProductionOrder::kIngevoerdeMaten), "3");
    ASSERT_EQ(details.size(), 2);
    EXPECT_EQ(details.at(0).value("DetailAantalMaat"), "      2 x 1.300 ");
    EXPECT_EQ(details.at(0).value("DetailOmschrijving"), "Zoals ingevoerd");
    EXPECT_EQ(details.at(0).value("RegelId"), "");
    EXPECT_EQ(details.at(1).value("DetailAantalMaat"), "      1 x 2,500 ");

    // A line without corrections or entered sizes leaves the flag alone.
    storeOrder("507", {{"K", "OD67", 1.0, {}, "", "Dorpel", 4}, {"D", "", 1, 1000, "mm"}});
    entered = false;
    fill("507", {}, &entered);
    EXPECT_FALSE(entered);
}

TEST_F(ProductionOrderTest, UsersWhoseNamesDifferInCaseOrAreLongKeepTheirOwnTables)
{
    storeOrder("508", {{"K", "OD67", 1.0, {}, "", "Van Balie1", 4}, {"D", "", 1, 1000, "mm"}});
    storeOrder("509", {{"K", "OD67", 1.0, {}, "", "Van balie1", 4}, {"D", "", 1, 1000, "mm"}});
    storeOrder("510", {{"K", "OD67", 1.0, {}, "", "Van de lange", 4}, {"D", "", 1, 1000, "mm"}});
    auto other = [this](const QString& user) {
        auto s = std::make_unique<DbSession>(messages);
        EXPECT_TRUE(s->open(user, ConnectionSettings{"1", PgTestDatabase::server(), db->name()}));
        return s;
    };
    auto lower = other("balie1");
    const QString longName = QString(29, QChar(0xE9)) + "a";
    auto longUser = other(longName);
    auto longUser2 = other(QString(29, QChar(0xE9)) + "b");

    ProductionOrder mine(*session, rules);
    ProductionOrder theirs(*lower, rules);
    ProductionOrder longOne(*longUser, rules);
    ProductionOrder longTwo(*longUser2, rules);
    ASSERT_TRUE(mine.fill("508", {}));
    ASSERT_TRUE(theirs.fill("509", {}));
    ASSERT_TRUE(longOne.fill("510", {}));
    ASSERT_TRUE(longTwo.fill("508", {}));
    EXPECT_NE(mine.printTable(), theirs.printTable());
    EXPECT_EQ(mine.printTable(), sqlQuotedName(scratchTableName("Balie1", "ProductieOrder")));
    EXPECT_EQ(longOne.printTable(), sqlQuotedName(scratchTableName(longName, "ProductieOrder")));
    EXPECT_NE(longOne.printTable(), longTwo.printTable());
    EXPECT_EQ(ofType(mine.printRows(), "1").at(0).value("KopOmschrijving"), "Van Balie1");
    EXPECT_EQ(ofType(theirs.printRows(), "1").at(0).value("KopOmschrijving"), "Van balie1");
    EXPECT_EQ(ofType(longOne.printRows(), "1").at(0).value("KopOmschrijving"), "Van de lange");
    EXPECT_EQ(ofType(longTwo.printRows(), "1").at(0).value("KopOmschrijving"), "Van Balie1");
}
