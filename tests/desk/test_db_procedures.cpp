// Every stored procedure called the way the order desk calls it, on the demo
// data and a small stored order, returning its named columns with values
// that fit the data.

#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/StoreRules.h"
#include "support/DatabaseFixture.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace vonu;
using vonu::test::PgTestDatabase;

namespace {

const QString kOrder = orderKey("900");
const QString kDebnr = debtorKey("104711");

class ProcedureTest : public test::SessionFixture {
protected:
    void SetUp() override
    {
        test::SessionFixture::SetUp();
        if (!ready())
            return;
        storeOrder();
    }

    void TearDown() override { expectNoMessageShown(); }

    // Line 1: OD67 made to size, coated 9016, two detail rows, an end cap and
    // brackets; line 2: OD56 trade length 3 m; line 3: coated SL20.
    void storeOrder()
    {
        ASSERT_TRUE(session->exec("insert into \"order\" (\"order\", Status, Debnr, V_adres, Datum, OrderKorting) "
                                  "values (?, 'Productie', ?, '01', date '2026-12-10', 2)",
                                  {kOrder, kDebnr}));
        const char* insert = "insert into OrderProduktieregel (\"order\", Regel, RegelId, Type, Artikel, Prijs, "
                             "Oorsprong, Aantal, Maat, Maatvoering, Kleur, Omschrijving_1, Kontrakt) "
                             "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
        const struct {
            int regel; const char* type; const char* artikel; QVariant prijs; const char* oorsprong;
            QVariant aantal; QVariant maat; const char* maatvoering; const char* kleur; const char* kontrakt;
        } rows[] = {
            {1, "K", "OD67", 14.95, "AK2", 7.3, {}, "", "9016", "AK24001"},
            {2, "S", "EK67", 1.95, "PL2", 5, {}, "", "", ""},
            {3, "S", "BB12", 0.95, "PL2", 0, {}, "", "", ""},
            {4, "D", "", {}, "", 3, 1250, "mm", "", ""},
            {5, "D", "", {}, "", 2, 1775, "mm", "", ""},
            {6, "K", "OD56", 13.95, "DP1", 2, {}, "Lg.", "", ""},
            {7, "D", "", {}, "", 2, 3, "Mtr", "", ""},
            {8, "K", "SL20", 4.20, "PL1", 12, {}, "Lg.", "9016", ""},
            {9, "K", "", {}, "", {}, {}, "", "", ""},
        };
        for (const auto& r : rows) {
            auto text = [](const char* s) { return *s ? QVariant(QString(s)) : QVariant(QMetaType(QMetaType::QString)); };
            ASSERT_TRUE(session->exec(insert, {kOrder, lineKey(r.regel), lineKey(r.regel), QString(r.type),
                                               text(r.artikel), r.prijs, text(r.oorsprong), r.aantal, r.maat,
                                               text(r.maatvoering), text(r.kleur), QString("regel"),
                                               text(r.kontrakt)}));
        }
        ASSERT_TRUE(session->exec("insert into OrderVerkoopregel (\"order\", Regel, Artikel, Aantal, Prijs, Korting, Toeslag) "
                                  "values (?, '   1', 'OD67', 7.3, 14.95, null, true), "
                                  "(?, '   2', 'SL20', 12, 4.20, 10, true), (?, '   3', 'SL20', 3, 4.20, null, true)",
                                  {kOrder, kOrder, kOrder}));
    }

    DbRows call(const QString& name, const QList<DbArg>& args) { return session->call(name, args); }
};

QList<DbArg> priceArgs(const QString& artikel, const QString& soort, bool contracts)
{
    return {{"Debnr", kDebnr}, {"Verzend", "01"}, {"Artikel", artikel}, {"Kontrakt", ""},
            {"Datum", QDateTime(QDate(2026, 12, 10), QTime(0, 0))}, {"Soort", soort},
            {"Meter", contracts}, {"Stuks", contracts}, {"Productgroep", contracts}, {"Groep", false},
            {"Bedrag", contracts}, {"Aantal", 0}};
}

} // namespace

TEST_F(ProcedureTest, EveryProcedureReturnsItsNamedColumns)
{
    const QList<DbArg> order{{"order", kOrder}};
    const QList<DbArg> line{{"order", kOrder}, {"Regel", lineKey(1)}};
    const QList<DbArg> packing{{"Debnr", kDebnr}, {"Verzend", "01"}, {"Artikel", "OD67"}, {"EAN", ""},
                               {"Oorsprong", "2"}};
    const DbRows scratch = call("TijdelijkeTabel", {{"user", "Balie1"}, {"table", "OrderVerpakking"},
                                         {"Columns", "[Type] [nvarchar] (1), [Soort] [nvarchar] (20), "
                                                     "[Aantal] [float], [Gewicht] [float], [Etiket] [int]"}});
    ASSERT_TRUE(scratch.found());
    ASSERT_TRUE(session->exec("insert into " + sqlQuotedName(scratch.text("Tabel"))
                              + " values ('B', 'Koker', 2, 18.5, 1)"));
    const struct { const char* name; QList<DbArg> args; QStringList columns; } cases[] = {
        {"ArtikelPrijs", priceArgs("OD67", "M", true),
         {"PrijsGevonden", "Prijs", "Oorsprong", "Korting", "Kontrakt", "OrderKorting"}},
        {"KontraktStatus", {{"Kontrakt", "AK24001"}}, {"Termijn", "Verwerkt"}},
        {"VonuOrderRegelBedrag", line, {"Bedrag"}},
        {"VonuOrderTotaal", {{"order", kOrder}, {"IngevoerdeOrderkosten", QVariant()}},
         {"T_Regels", "T_Korting", "T_Orderkosten", "T_Order"}},
        {"VonuOrderRegelAantal", line, {"RegelAantal", "RegelLengte", "RegelLengteDm", "Eenheid", "BerekeningAantal"}},
        {"VonuOrderSubArtikel", line, {"Regel", "Subaantal", "Wijze", "UDK", "HOH", "MV", "Eenheid"}},
        {"VonuOrderDetailArtikel", line, {"Maat", "Aantal"}},
        {"VonuOrderRegelAantallen", order,
         {"Regel", "RegelAantal", "RegelLengte", "RegelLengteDm", "Eenheid", "BerekeningAantal"}},
        {"VonuOrderSubArtikelen", order, {"KopRegel", "Regel", "Subaantal", "Wijze", "UDK", "HOH", "MV", "Eenheid"}},
        {"VonuOrderDetailArtikelen", order, {"KopRegel", "Maat", "Aantal"}},
        {"VonuOrderCorrigeer_MV_VP", order, {"Aantal"}},
        {"VonuOrderCorrigeer_MC_Sub", line, {"Maatcorrectie"}},
        {"VonuOrderCorrigeer_MC_Detail", line, {"Regel", "IngevoerdeMaat", "Aantal"}},
        {"VonuOrderVerzamelProduktie", order, {"Aantal"}},
        {"OrderVerpakking", {{"Gebruiker", "Balie1"}, {"Verdichten", 0}},
         {"Type", "Soort", "Aantal", "Gewicht", "Etiket", "PalletGewicht"}},
        {"ArtikelVerpakkingstype", packing + QList<DbArg>{{"Verpakkingstype", ""}}, {"Verpakkingstype"}},
        {"ArtikelColli", packing + QList<DbArg>{{"Verpakkingstype", ""}}, {"Colli"}},
        {"ArtikelVerpakking", packing + QList<DbArg>{{"Verpakking", 0}}, {"Verpakking"}},
        {"ArtikelUitvoering", packing, {"Uitvoering"}},
        {"ArtikelAantal", {{"order", kOrder}, {"SoortOrder", "P"}}, {"Artikel", "aantal_1", "aantal_2"}},
        {"ArtikelMoffelAantalKleur", order, {"Kleur", "Aantal", "AantalRegels", "Omschrijving"}},
        {"ArtikelMoffelAantal", line, {"Aantal"}},
        {"ArtikelToeslagUit", order, {"Regel"}},
        {"ArtikelMoffelPrijs", {{"Debnr", kDebnr}, {"Verzend", "01"}, {"Artikel", "OD67"}, {"Soort", "M"},
                                {"Kleur", "9016"}, {"Prijs", QVariant()}, {"Prijslijst", "MP1"}, {"Aantal", 7}},
         {"PrijsGevonden", "PrijsType", "Prijs", "Oorsprong", "Korting"}},
        {"OrderProduktieAfbeeldingen", order, {"Afbeelding"}},
        {"APC_Leesscherm", {{"Gebruiker", "Balie1"}, {"Scherm", "Debiteuren"}, {"Soort", "Z"}},
         {"Active", "Title", "File", "WindowState", "Top", "Left", "Height", "Width", "SearchResult", "Field(0)"}},
    };
    for (const auto& c : cases) {
        const DbRows rows = call(c.name, c.args);
        ASSERT_TRUE(rows.found()) << c.name;
        for (const QString& column : c.columns)
            EXPECT_GE(rows.rows.first().indexOf(column), 0) << c.name << " " << column.toStdString();
    }
}

TEST_F(ProcedureTest, PricesComeFromContractsDebtorPricesAndListPrices)
{
    const struct {
        const char* artikel; const char* soort; bool contracts;
        bool gevonden; const char* prijs; const char* oorsprong; const char* korting; const char* kontrakt;
    } cases[] = {
        {"OD67", "H", true, true, "14.9500", "AK1", "", "AK24001"},     // call-off contract
        {"ODA78", "M", true, true, "21.0000", "OM2", "", "MK24002"},    // metre contract
        {"OD56", "M", true, true, "16.4000", "OP2", "5.00", "BK24003"}, // debtor price under the amount contract
        {"OD56", "H", false, true, "13.9500", "DP1", "", ""},           // net debtor price
        {"KD150", "M", false, true, "55.5000", "DK2", "8.00", ""},      // list price with debtor discount
        {"VB200", "M", true, true, "49.5000", "OP2", "5.00", "BK24003"},
        {"VB200", "M", false, true, "49.5000", "PL2", "5.00", ""},      // standing discount
        {"OD67", "H", false, true, "16.9000", "PL1", "5.00", ""},
        {"GEEN", "H", false, false, "", "", "", ""},
        {"MOFFELEN", "H", false, false, "", "", "", ""},                // no price at all
    };
    for (const auto& c : cases) {
        const DbRows r = call("ArtikelPrijs", priceArgs(c.artikel, c.soort, c.contracts));
        ASSERT_EQ(r.size(), 1) << c.artikel;
        EXPECT_EQ(r.flag("PrijsGevonden"), c.gevonden) << c.artikel;
        EXPECT_EQ(r.text("Prijs"), c.prijs) << c.artikel;
        EXPECT_EQ(r.text("Oorsprong"), c.oorsprong) << c.artikel;
        EXPECT_EQ(r.text("Korting"), c.korting) << c.artikel;
        EXPECT_EQ(r.text("Kontrakt"), c.kontrakt) << c.artikel;
        EXPECT_EQ(r.text("OrderKorting"), "2.00") << c.artikel;
    }
}

TEST_F(ProcedureTest, ContractStatusCountsWhatOpenOrdersCallOff)
{
    const DbRows r = call("KontraktStatus", {{"Kontrakt", "AK24001"}});
    EXPECT_EQ(r.text("Termijn"), "500.00");
    EXPECT_EQ(r.text("Verwerkt"), "127.300");   // 120 invoiced + 7.3 on the stored order
    EXPECT_TRUE(call("KontraktStatus", {{"Kontrakt", "GEEN"}}).ok);
}

TEST_F(ProcedureTest, LineQuantitiesAndCorrectionsFollowTheDetailRows)
{
    DbRows r = call("VonuOrderRegelAantal", {{"order", kOrder}, {"Regel", lineKey(1)}});
    EXPECT_EQ(r.text("RegelAantal"), "5.000");
    EXPECT_EQ(r.text("RegelLengte"), "7.3");          // 3 x 1.25 + 2 x 1.775 = 7.30
    EXPECT_EQ(r.text("Eenheid"), "Meter");
    EXPECT_EQ(r.text("BerekeningAantal"), "Aantal x maat");
    r = call("VonuOrderSubArtikel", {{"order", kOrder}, {"Regel", lineKey(1)}});
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r.text("Regel", 1), lineKey(3));
    EXPECT_EQ(r.text("Wijze", 1), "A");
    EXPECT_EQ(r.text("HOH", 1), "500");
    r = call("VonuOrderDetailArtikel", {{"order", kOrder}, {"Regel", lineKey(6)}});
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r.text("Maat"), "3000.000");             // metres as millimetres
    EXPECT_EQ(call("VonuOrderCorrigeer_MC_Sub", {{"order", kOrder}, {"Regel", lineKey(1)}}).text("Maatcorrectie"), "3");

    // The sizes in mm are recorded as entered; the trade length of line 6 is not.
    EXPECT_EQ(call("VonuOrderCorrigeer_MV_VP", {{"order", kOrder}}).text("Aantal"), "2");
    EXPECT_EQ(db->scalar("select count(*) from OrderProduktieregelInvoer where \"order\" = ? and KopRegelId = ?",
                         {kOrder, lineKey(1)}).toInt(), 2);
    EXPECT_EQ(db->scalar("select Verpakkingstype from OrderProduktieregel where \"order\" = ? and Regel = ?",
                         {kOrder, lineKey(1)}).toString(), "KOKER");
    r = call("VonuOrderCorrigeer_MC_Detail", {{"order", kOrder}, {"Regel", lineKey(1)}});
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r.text("IngevoerdeMaat", 0), "1250.000");
    EXPECT_EQ(r.text("Aantal", 1), "2.000");

    // The sub-article rows of a coated line stay without colour, so their
    // descriptions still reach the sales order.
    EXPECT_EQ(call("VonuOrderVerzamelProduktie", {{"order", kOrder}}).text("Aantal"), "0");
    EXPECT_EQ(db->scalar("select Kleur from OrderProduktieregel where \"order\" = ? and Regel = ?",
                         {kOrder, lineKey(2)}).toString(), "");
}

// The lengths the server adds up are rounded by the desk's rule, which
// rounds a fraction up from a ten-thousandth, not to the nearest tenth.
// Storing an order asks the line quantities of all its lines at once; the
// answers must be those of the questions per line.
TEST_F(ProcedureTest, QuantitiesOfTheWholeOrderAreThoseOfEachLine)
{
    auto texts = [](const DbRows& rows, int from, int to, const QStringList& columns) {
        QStringList out;
        for (int i = from; i < to; ++i) {
            QStringList row;
            for (const QString& c : columns)
                row << rows.text(c, i);
            out << row.join('|');
        }
        return out.join('\n').toStdString();
    };
    // The SL20 line gets a short piece before the closing row.
    ASSERT_TRUE(session->exec("update OrderProduktieregel set Regel = '  10', RegelId = '  10' "
                              "where \"order\" = ? and Regel = '   9'", {kOrder}));
    ASSERT_TRUE(session->exec("insert into OrderProduktieregel (\"order\", Regel, RegelId, Type, Aantal, Maat, Maatvoering) "
                              "values (?, '   9', '   9', 'D', 1, 850, 'mm')",
                              {kOrder}));
    const DbRows all = call("VonuOrderRegelAantallen", {{"order", kOrder}});
    const DbRows subs = call("VonuOrderSubArtikelen", {{"order", kOrder}});
    const DbRows details = call("VonuOrderDetailArtikelen", {{"order", kOrder}});
    ASSERT_EQ(all.size(), 3);   // the closing row has no article
    const QStringList quantities{"RegelAantal", "RegelLengte", "RegelLengteDm", "Eenheid", "BerekeningAantal"};
    for (int i = 0; i < all.size(); ++i) {
        const QString regel = all.text("Regel", i);
        SCOPED_TRACE(regel.toStdString());
        const QList<DbArg> line{{"order", kOrder}, {"Regel", regel}};
        EXPECT_EQ(texts(all, i, i + 1, quantities), texts(call("VonuOrderRegelAantal", line), 0, 1, quantities));
        auto ofLine = [&](const DbRows& rows) {
            int from = 0;
            while (from < rows.size() && rows.text("KopRegel", from) != regel)
                ++from;
            int to = from;
            while (to < rows.size() && rows.text("KopRegel", to) == regel)
                ++to;
            return std::pair{from, to};
        };
        const QStringList subColumns{"Regel", "Subaantal", "Wijze", "UDK", "HOH", "MV", "Eenheid"};
        const auto [s0, s1] = ofLine(subs);
        const DbRows perLineSubs = call("VonuOrderSubArtikel", line);
        EXPECT_EQ(texts(subs, s0, s1, subColumns), texts(perLineSubs, 0, perLineSubs.size(), subColumns));
        const auto [d0, d1] = ofLine(details);
        const DbRows perLineDetails = call("VonuOrderDetailArtikel", line);
        EXPECT_EQ(texts(details, d0, d1, {"Maat", "Aantal"}),
                  texts(perLineDetails, 0, perLineDetails.size(), {"Maat", "Aantal"}));
    }
    EXPECT_EQ(all.text("RegelLengteDm", 2).toDouble(), 1.0);   // 850 mm counts as one metre
}

TEST_F(ProcedureTest, TheServerRoundsLengthsAsTheDeskDoes)
{
    for (const double x : {1.25, 1.2, 1.2001, 1.15, 3.75, 0.0, 9.96, 2.385, 7.21, 0.95}) {
        EXPECT_DOUBLE_EQ(db->scalar("select vonu_round1(?::numeric)::float8", {QString::number(x)}).toDouble(), round1(x))
            << x;
    }
    // 3 x 1.25 + 2 x 1.73 = 7.21 m: 7.3, where the nearest tenth is 7.2.
    ASSERT_TRUE(session->exec("update OrderProduktieregel set Maat = 1730 where \"order\" = ? and Regel = ?",
                              {kOrder, lineKey(5)}));
    EXPECT_EQ(call("VonuOrderRegelAantal", {{"order", kOrder}, {"Regel", lineKey(1)}}).text("RegelLengte"), "7.3");
}

TEST_F(ProcedureTest, AmountsAndTotalsAreStoredAndReturned)
{
    EXPECT_EQ(call("VonuOrderRegelBedrag", {{"order", kOrder}, {"Regel", lineKey(1)}}).text("Bedrag"), "109.14");
    EXPECT_EQ(call("VonuOrderRegelBedrag", {{"order", kOrder}, {"Regel", lineKey(2)}}).text("Bedrag"), "45.36");
    EXPECT_EQ(call("VonuOrderRegelBedrag", {{"order", kOrder}, {"Regel", lineKey(3)}}).text("Bedrag"), "12.60");
    // 167.10 in lines, 2 % order discount, standing order costs below 250.
    DbRows t = call("VonuOrderTotaal", {{"order", kOrder}, {"IngevoerdeOrderkosten", QVariant()}});
    EXPECT_EQ(t.text("T_Regels"), "167.10");
    EXPECT_EQ(t.text("T_Korting"), "3.34");
    EXPECT_EQ(t.text("T_Orderkosten"), "15.00");
    EXPECT_EQ(t.text("T_Order"), "178.76");
    t = call("VonuOrderTotaal", {{"order", kOrder}, {"IngevoerdeOrderkosten", 7.5}});
    EXPECT_EQ(t.text("T_Order"), "171.26");
    EXPECT_EQ(db->scalar("select T_Order from \"order\" where \"order\" = ?", {kOrder}).toString(), "171.26");
    EXPECT_EQ(call("VonuOrderTotaal", {{"order", orderKey("404")}, {"IngevoerdeOrderkosten", 0}}).size(), 0);
}

TEST_F(ProcedureTest, CoatingPackingAndSurchargeFollowTheOrder)
{
    DbRows r = call("ArtikelMoffelAantalKleur", {{"order", kOrder}});
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r.text("Kleur"), "9016");
    EXPECT_EQ(r.text("Aantal"), "19.300");
    EXPECT_EQ(r.text("AantalRegels"), "2");
    EXPECT_EQ(r.text("Omschrijving"), "Moffelen RAL 9016 Verkeerswit");
    EXPECT_EQ(call("ArtikelMoffelAantal", {{"order", kOrder}, {"Regel", lineKey(1)}}).text("Aantal"), "7.300");

    auto moffel = [&](const char* artikel, QVariant prijs, int aantal) {
        return call("ArtikelMoffelPrijs", {{"Debnr", kDebnr}, {"Verzend", "01"}, {"Artikel", artikel},
                                           {"Soort", "H"}, {"Kleur", "9016"}, {"Prijs", prijs},
                                           {"Prijslijst", "MP1"}, {"Aantal", aantal}});
    };
    r = moffel("OD67", QVariant(), 7);
    EXPECT_EQ(r.text("PrijsType"), "M");
    EXPECT_EQ(r.text("Prijs"), "6.5000");
    EXPECT_EQ(r.text("Korting"), "10.00");
    // From 20 on the colour is charged by its total price, also when asked
    // per line, so no line is charged twice.
    r = moffel("OD67", QVariant(), 60);
    EXPECT_EQ(r.text("PrijsType") + r.text("Prijs"), "T95.0000");
    EXPECT_EQ(moffel("OD67", 3.25, 7).text("Oorsprong"), "HM1");
    EXPECT_EQ(moffel("", QVariant(), 19).flag("PrijsGevonden"), false);   // total price from 20 on
    r = moffel("", QVariant(), 20);
    EXPECT_EQ(r.text("PrijsType"), "T");
    EXPECT_EQ(r.text("Prijs"), "95.0000");

    auto packing = [&](const char* proc, const char* artikel, const char* ean, const char* kind, const char* extra,
                       QVariant value) {
        return call(proc, {{"Debnr", kDebnr}, {"Verzend", "01"}, {"Artikel", artikel}, {"EAN", ean},
                           {"Oorsprong", kind}, {extra, value}});
    };
    EXPECT_EQ(packing("ArtikelVerpakkingstype", "OD67", "", "1", "Verpakkingstype", "").text("Verpakkingstype"), "BUNDEL10");
    EXPECT_EQ(packing("ArtikelVerpakkingstype", "OD56X", "", "1", "Verpakkingstype", "").text("Verpakkingstype"), "BUNDEL5");
    EXPECT_EQ(packing("ArtikelVerpakkingstype", "OD67", "", "1", "Verpakkingstype", "PAK").text("Verpakkingstype"), "PAK");
    EXPECT_EQ(packing("ArtikelColli", "OD67", "", "2", "Verpakkingstype", "").text("Colli"), "Koker");
    EXPECT_EQ(packing("ArtikelVerpakking", "OD67", "", "1", "Verpakking", 0).text("Verpakking"), "10");
    EXPECT_EQ(packing("ArtikelVerpakking", "OD67", "", "1", "Verpakking", 4).text("Verpakking"), "4");
    EXPECT_EQ(call("ArtikelUitvoering", {{"Debnr", kDebnr}, {"Verzend", "01"}, {"Artikel", "OD67"},
                                         {"EAN", "8712340000031"}, {"Oorsprong", "2"}}).text("Uitvoering"), "Geboord");
    EXPECT_EQ(call("ArtikelUitvoering", {{"Debnr", kDebnr}, {"Verzend", "01"}, {"Artikel", "OD67"},
                                         {"EAN", ""}, {"Oorsprong", "2"}}).text("Uitvoering"), "Ongeboord");

    r = call("ArtikelAantal", {{"order", kOrder}, {"SoortOrder", "P"}});
    ASSERT_EQ(r.size(), 5);   // BB12, EK67, OD56, OD67, SL20
    EXPECT_EQ(r.text("Artikel", 3), "OD67");
    EXPECT_EQ(r.text("aantal_2", 3), "7.300");
    EXPECT_EQ(r.text("aantal_1", 4), "12.000");
    // SL20 comes to 15 over two lines (limit 10): both lose the surcharge.
    r = call("ArtikelToeslagUit", {{"order", kOrder}});
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r.text("Regel", 0), lineKey(2));
    EXPECT_EQ(r.text("Regel", 1), lineKey(3));

    r = call("OrderProduktieAfbeeldingen", {{"order", kOrder}});
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r.text("Afbeelding", 0), "OD56.png");
}

// Storing an order gives all its rows their packing type at once; the
// sales order asks it per article. Both must choose alike.
TEST_F(ProcedureTest, StoredRowsGetThePackingTypeAnArticleIsAskedFor)
{
    const QString order = orderKey("901");
    ASSERT_TRUE(session->exec("insert into \"order\" (\"order\", Status, Debnr, V_adres, Datum) "
                              "values (?, 'Productie', ?, '01', date '2026-12-10')",
                              {order, kDebnr}));
    const struct {
        const char* artikel; const char* oorsprong; const char* given; const char* expected; const char* why;
    } cases[] = {
        {"OD67", "PL1", "", "BUNDEL10", "trade length: the article's standard type"},
        {"OD67", "PL2", "", "KOKER", "made to size: the article's made-to-size type"},
        {"OD56X", "PL2", "", "BUNDEL5", "the debtor's own type before the made-to-size type"},
        {"OD56X", "DP1", "", "BUNDEL5", "the debtor's own type for a trade length"},
        {"ODH67", "PL2", "", "BUNDEL5", "made to size without a type of its own: the standard type"},
        {"EK67", "AK2", "", "DOOS50", "a sub-article under a contract price"},
        {"OD67", "", "", "BUNDEL10", "no price origin: the standard type"},
        {"OD67", "PL2", "PAK", "PAK", "a type given for the row stays"},
    };
    int regel = 0;
    for (const auto& c : cases) {
        ASSERT_TRUE(session->exec("insert into OrderProduktieregel (\"order\", Regel, RegelId, Type, Artikel, Oorsprong, "
                                  "Aantal, Verpakkingstype) values (?, ?, ?, 'K', ?, ?, 1, ?)",
                                  {order, lineKey(++regel), lineKey(regel), QString(c.artikel),
                                   *c.oorsprong ? QVariant(QString(c.oorsprong)) : QVariant(QMetaType(QMetaType::QString)),
                                   *c.given ? QVariant(QString(c.given)) : QVariant(QMetaType(QMetaType::QString))}));
    }
    ASSERT_TRUE(call("VonuOrderCorrigeer_MV_VP", {{"order", order}}));
    regel = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const QString stored = db->scalar("select Verpakkingstype from OrderProduktieregel where \"order\" = ? and Regel = ?",
                                          {order, lineKey(++regel)}).toString();
        const QString asked = call("ArtikelVerpakkingstype",
                                   {{"Debnr", kDebnr}, {"Verzend", "01"}, {"Artikel", c.artikel}, {"EAN", ""},
                                    {"Oorsprong", QString(c.oorsprong).mid(2, 1)}, {"Verpakkingstype", c.given}})
                                  .text("Verpakkingstype");
        EXPECT_EQ(stored, c.expected);
        EXPECT_EQ(asked, c.expected);
    }
}

TEST_F(ProcedureTest, ScratchTablesAreNamedSafelyAndPacked)
{
    const int articles = db->scalar("select count(*) from Artikel").toInt();
    const QString user = "x\"; drop table Artikel; --";
    DbRows r = call("TijdelijkeTabel", {{"user", user}, {"table", "OrderVerpakking"},
                                        {"Columns", "Type varchar(1), Soort varchar(20), Aantal float, "
                                                    "Gewicht float, Etiket int"}});
    ASSERT_TRUE(r.found());
    EXPECT_EQ(r.text("Tabel"), scratchTableName(user, "OrderVerpakking"));
    EXPECT_EQ(db->scalar("select count(*) from Artikel").toInt(), articles);
    const QString table = sqlQuotedName(scratchTableName(user, "OrderVerpakking"));
    ASSERT_TRUE(session->exec("insert into " + table + " values ('1', 'Bundel', 2, 10, 0), ('2', 'Bundel', 3, 40, 1), "
                              "('B', 'Doos', 1, 5, 0)"));
    r = call("OrderVerpakking", {{"Gebruiker", user}, {"Verdichten", 0}});
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r.text("PalletGewicht"), "55");
    r = call("OrderVerpakking", {{"Gebruiker", user}, {"Verdichten", 1}});
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r.text("Type", 0), "2");
    EXPECT_EQ(r.text("Aantal", 0), "3");
    EXPECT_EQ(r.text("Gewicht", 0), "50");
    // Creating it again empties it.
    ASSERT_TRUE(call("TijdelijkeTabel", {{"user", user}, {"table", "OrderVerpakking"}, {"Columns", "a int"}}).found());
    EXPECT_EQ(db->scalar("select count(*) from " + table).toInt(), 0);

    // Column texts that are not a plain name and type are refused.
    for (const char* columns : {"a int); drop table Artikel; --", "a int default 1", "\"a\" int", "a geheim", ""}) {
        messages.clear();
        EXPECT_FALSE(call("TijdelijkeTabel", {{"user", "Balie1"}, {"table", "T"}, {"Columns", columns}}).ok) << columns;
        EXPECT_EQ(messages.count(), 1) << columns;
    }
    messages.clear();
    EXPECT_EQ(db->scalar("select count(*) from Artikel").toInt(), articles);
}

TEST_F(ProcedureTest, ScreenSettingsPersistPerUser)
{
    DbRows r = call("APC_Leesscherm", {{"Gebruiker", "Balie1"}, {"Scherm", "VonuOrderOnderdorpelmacroscherm"},
                                       {"Soort", "S"}});
    ASSERT_EQ(r.size(), 1);
    EXPECT_TRUE(r.value("Active").isNull());
    ASSERT_TRUE(call("APC_Schrijfscherm", {{"Gebruiker", "Balie1"}, {"Scherm", "VonuOrderOnderdorpelmacroscherm"},
                                           {"WindowState", 0}, {"Boven", 10}, {"Links", 20}, {"Hoogte", 300},
                                           {"Breedte", 400}}).ok);
    ASSERT_TRUE(call("APC_Schrijfscherm", {{"Gebruiker", "Balie1"}, {"Scherm", "VonuOrderOnderdorpelmacroscherm"},
                                           {"WindowState", 0}, {"Boven", 11}, {"Links", 21}, {"Hoogte", 301},
                                           {"Breedte", 401}}).ok);
    r = call("APC_Leesscherm", {{"Gebruiker", "Balie1"}, {"Scherm", "VonuOrderOnderdorpelmacroscherm"}, {"Soort", "S"}});
    EXPECT_EQ(r.text("Active"), "1");
    EXPECT_EQ(r.text("Top"), "11");
    EXPECT_EQ(r.text("Left"), "21");
    EXPECT_TRUE(call("APC_Leesscherm", {{"Gebruiker", "Balie2"}, {"Scherm", "VonuOrderOnderdorpelmacroscherm"},
                                        {"Soort", "S"}}).value("Active").isNull());

    // Search screens: the default row until the user has his own.
    for (const char* title : {"Debiteuren", "Relaties", "Leveringswijzen", "Artikelen"}) {
        r = call("APC_Leesscherm", {{"Gebruiker", "Balie1"}, {"Scherm", title}, {"Soort", "Z"}});
        ASSERT_EQ(r.size(), 1) << title;
        EXPECT_EQ(r.text("Title"), title);
        EXPECT_TRUE(r.value("Active").isNull()) << title;
        EXPECT_FALSE(r.text("SearchResult").isEmpty()) << title;
        EXPECT_FALSE(r.text("Field(0)").isEmpty()) << title;
    }
    ASSERT_TRUE(session->exec("insert into APC_Scherm (\"user\", Title, Type, \"sort(0)\") values (?, ?, 'Z', 1)",
                              {"Balie1", "Debiteuren"}));
    r = call("APC_Leesscherm", {{"Gebruiker", "Balie1"}, {"Scherm", "Debiteuren"}, {"Soort", "Z"}});
    EXPECT_EQ(r.text("Active"), "1");
    EXPECT_EQ(r.text("Sort(0)"), "1");
}

TEST_F(ProcedureTest, SillMacrosGiveEverySillType)
{
    const DbRows r = session->select(
        "select Artikel, case when count(*) = 1 then 'BW' "
        "when sum(case when UDK is not null and HOH is null then 1 else 0 end) > 0 then 'BB' "
        "when count(*) = 4 and sum(case when UDK is not null and HOH is not null then Bewerking else 0 end) = 2 then 'HR' "
        "when count(*) = 4 and sum(case when UDK is not null and HOH is not null then Bewerking else 0 end) = 3 then 'HL' "
        "when count(*) = 5 then 'H2' when count(*) = 6 then 'H1' end as TypeOnderdorpel "
        "from ArtikelOnderdorpelmacro where KeuzeVoorstel = ? group by Artikel order by Artikel", {true});
    QStringList types;
    for (int i = 0; i < r.size(); ++i)
        types << r.text("TypeOnderdorpel", i);
    // Main articles and sub-articles or operations both carry sills; every
    // type is there at least once.
    for (const char* type : {"BB", "BW", "H1", "H2", "HL", "HR"})
        EXPECT_TRUE(types.contains(QString::fromLatin1(type))) << type;
}
