// Storing an order on the real server: the rows of a three-line order
// against values worked out by hand, a store that fails midway, test
// stores and print copies, free texts with quotes and backslashes, the
// refusals, and order numbers drawn by two workstations at once.

#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/OrderStore.h"
#include "support/DatabaseFixture.h"
#include "data/QtPrinters.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

#include <set>
#include <thread>

using namespace vonu;
using vonu::test::PgTestDatabase;
using vonu::test::ScriptedMessages;

namespace {

// Rows compared as one text, so a difference shows as text.
std::string text(const QStringList& rows) { return rows.join('\n').toStdString(); }

const QString kNbsp = QString(QChar(0x00A0));

class OrderStoreTest : public test::SessionFixture {
protected:
    void SetUp() override
    {
        test::SessionFixture::SetUp();
        if (!ready())
            return;
        store = std::make_unique<OrderStore>(*session, messages);
        store->status = [this](const QString& s) { statusTexts << s; };
        header.orderdatum = QDate(2026, 12, 10);
        header.verzendadres = "01";
        header.klantOrdernummer = "K-77";
        header.referentie = "Project Noord";
        fillOrder();
    }

    // Line 1: OD67 made to size in RAL 9016, corrected to the total size,
    // with a left rebate, end caps, brackets and two sizes; line 2: OD56 in
    // a trade length of 3 m; line 3: ten end caps.
    void fillOrder()
    {
        DeskOrderData& d = order.desk();
        d.debiteur = "104711";
        d.extra.leverdatum = QDate(2026, 12, 22);
        d.extra.productieweek = "52";
        d.extra.leveringswijze = "TR";
        d.extra.naam = "Bouwbedrijf De Vries B.V.";
        d.extra.adres[0] = "Industrieweg 12";
        d.extra.plaats = "ARNHEM";

        order.setField(1, Veld::Artikel, "OD67");
        order.setField(1, Veld::Kleur, "9016");
        order.setField(1, Veld::Lengte, "Op maat");
        order.setField(1, Veld::Correctie, "Inclusief maat");
        order.setField(1, Veld::Aantal, "5/7,3");
        QString rebate(90, ' ');
        rebate.replace(30, 3, "SPL").replace(46, 2, "12").replace(58, 1, "L");
        order.setField(1, Veld::Sponning, rebate);
        for (Vlag f : {Vlag::Kleur, Vlag::Lengte, Vlag::Correctie, Vlag::Sponning, Vlag::Subartikelen, Vlag::Bewerkingen,
                      Vlag::Details})
            order.setFlag(1, f, true);
        order.setBewerking(1, 1, 1, "SPL");
        order.setSubartikel(1, 1, 1, "EK67");
        order.setSubartikel(1, 2, 1, "BB12");
        order.setDetailAantal(1, 1, "2");
        order.setDetailMaat(1, 1, "1250");
        order.setDetailAantal(1, 2, "3");
        order.setDetailMaat(1, 2, "1775");

        order.setField(2, Veld::Artikel, "OD56");
        order.setField(2, Veld::Lengte, "Handelslengte");
        order.setField(2, Veld::Maat, "3");
        order.setField(2, Veld::Aantal, "2");
        order.setFlag(2, Vlag::Lengte, true);

        order.setField(3, Veld::Artikel, "EK56");
        order.setField(3, Veld::Aantal, "10");
    }

    bool storeNew(const QString& number, bool printCopy = false)
    {
        return store->store(order, header, StoreRequest{true, number, printCopy});
    }

    // The rows of one order in a table, columns joined by '|'.
    QStringList rows(const QString& sql, const QString& key) const { return DatabaseFixture::rows(sql, {key}); }

    // A fingerprint of every table a store writes.
    QString snapshot()
    {
        QStringList parts;
        for (const char* t : {"\"order\"", "OrderProduktieregel", "OrderProduktieregelInvoer", "OrderVerkoopregel",
                              "OrderOnderdorpelmacro", "OrderTracking", "OrderAfleverinstructie", "Konstanten"})
            parts << db->scalar(QStringLiteral("select coalesce(md5(string_agg(t::text, ',' order by t::text)), '') from %1 t")
                                    .arg(QLatin1String(t)))
                         .toString();
        return parts.join(',');
    }

    std::unique_ptr<OrderStore> store;
    OrderModel order;
    StoreHeader header;
    QStringList statusTexts;
};

} // namespace

TEST_F(OrderStoreTest, ThreeLinesGiveTheRowsWorkedOutByHand)
{
    ASSERT_TRUE(storeNew("24001")) << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
    EXPECT_EQ(messages.count(), 0);
    const QString key = orderKey("24001");
    // A sill order gives up its amount contract (Bedrag) once its sales lines
    // are built.
    EXPECT_EQ(text(rows("select Status, Debnr, V_adres, Datum, Levwijze, Ordref_1, Ordref_2, Bedrag, Stuks, Meter, "
                   "Kostentoeslag, KleurToeslag, OrderKorting, Leverdatum, LeverdatumCorrectie, Productieweek, Invoer "
                   "from \"order\" where \"order\" = ?", key)),
              text({"Productie|104711|01|2026-12-10|TR|Uw order: K-77|Project Noord|false|true|true|true|true|2.00|"
                    "2026-12-22|false|52|Balie1"}));
    // Sizes corrected by 2 mm per started metre and 3 mm for the end caps;
    // the main quantity is round1 of the corrected metres (7.79 -> 7.8); the
    // brackets are counted along each corrected length (4 x 2 + 5 x 3).
    EXPECT_EQ(text(rows("select Regel, Type, coalesce(Artikel, ''), coalesce(Oorsprong, ''), coalesce(Kontrakt, ''), "
                   "coalesce(Aantal::float8::text, ''), coalesce(Maat::float8::text, ''), coalesce(Maatvoering, ''), "
                   "coalesce(Omschrijving_1, ''), coalesce(Kleur, ''), Correctie "
                   "from OrderProduktieregel where \"order\" = ? order by Regel", key)),
              text({
                  "   1|K|OD67|AK2|AK24001|7.8|||RAL 9016|9016|true",
                  "   2|S|SPL|OP2|BK24003|5|||SPONNING LINKS 12 mm.||false",
                  "   3|S|EK67|AK2|AK24001|5|||||false",
                  "   4|S|BB12|OP2|BK24003|23|||||false",
                  "   5|D||||2|1243|mm|RAL 9016||true",
                  "   6|D||||3|1768|mm|RAL 9016||true",
                  "   7|K|OD56|OP1|BK24003|6|||||false",
                  "   8|D||||2|3|Mtr|||false",
                  "   9|K|EK56|OP1|BK24003|10||St.|||false",
                  "  10|K|||||||||false",
              }));
    // Only the entered sizes are kept as entered; the trade length is not.
    EXPECT_EQ(rows("select Regel, IngevoerdeMaat::float8::text from OrderProduktieregelInvoer where \"order\" = ? order by Regel",
                   key),
              (QStringList{"   5|1250", "   6|1775"}));
    EXPECT_EQ(rows("select Actie from OrderTracking where \"order\" = ?", key), QStringList{"I"});

    const QStringList sales = rows("select Regel, coalesce(Artikel, ''), coalesce(Omschrijving, ''), "
                                   "coalesce(Aantal::float8::text, ''), coalesce(Oorsprong, ''), coalesce(Verpakking, '') "
                                   "from OrderVerkoopregel where \"order\" = ? order by Regel", key);
    ASSERT_FALSE(sales.isEmpty());
    for (int i = 0; i < sales.size(); ++i)
        EXPECT_TRUE(sales[i].startsWith(lineKey(i + 1) + '|')) << sales[i].toStdString();
    EXPECT_EQ(sales.last(), lineKey(sales.size()) + "|||||");
    const QString all = sales.join('\n');
    // The rebate text of the operation survives the coating of its line.
    EXPECT_TRUE(all.contains("||SPONNING LINKS 12 mm.|||")) << all.toStdString();
    // The trade length packs by the article's own packing, not as made to size.
    EXPECT_TRUE(all.contains("|OD56|Onderdorpel kunststof 56 mm|6|OP1|1 Bundel a 3,00 mtr.")) << all.toStdString();
    EXPECT_TRUE(all.contains("||Handelslengte 3 Mtr.|||")) << all.toStdString();
    EXPECT_TRUE(all.contains("|MOFFELEN|RAL 9016|7.8|MP2|")) << all.toStdString();
    EXPECT_TRUE(all.contains("|MOFFELEN|Moffeltoeslag RAL 9016|1|P-1|")) << all.toStdString();
    EXPECT_FALSE(db->scalar("select T_Order from \"order\" where \"order\" = ?", {key}).isNull());
    EXPECT_EQ(statusTexts.first(), "Order 24001 wordt aangemaakt...");
    EXPECT_EQ(statusTexts.last(), "");

    // A later store replaces the lines, keeps the header and tracks a change.
    order.setField(3, Veld::Aantal, "20");
    ASSERT_TRUE(store->store(order, header, StoreRequest{false, "24001", false}));
    EXPECT_EQ(rows("select Aantal::float8::text from OrderProduktieregel where \"order\" = ? and Regel = '   9'", key),
              QStringList{"20"});
    EXPECT_EQ(rows("select Actie from OrderTracking where \"order\" = ? order by ID", key), (QStringList{"I", "W"}));
    EXPECT_EQ(rows("select Invoer, Wijziging from \"order\" where \"order\" = ?", key), QStringList{"Balie1|Balie1"});
}

// A store asks the database for whole sets where the statements one per
// row ask per line (the quantities of the lines, the coated quantities, the
// coating prices): both must write the same rows. A fourth line in the
// colour of line 1, with fixings spread along its sizes, makes the sets
// hold more than one line.
TEST_F(OrderStoreTest, BatchedAndRowByRowStoresWriteTheSameRows)
{
    order.setField(4, Veld::Artikel, "OD78");
    order.setField(4, Veld::Kleur, "9016");
    order.setField(4, Veld::Lengte, "Op maat");
    order.setField(4, Veld::Aantal, "4/5,6");
    for (Vlag f : {Vlag::Kleur, Vlag::Lengte, Vlag::Subartikelen, Vlag::Details})
        order.setFlag(4, f, true);
    order.setSubartikel(4, 1, 1, "OTD10");
    order.setSubartikel(4, 2, 1, "BB12");
    order.setDetailAantal(4, 1, "1");
    order.setDetailMaat(4, 1, "2300");
    order.setDetailAantal(4, 2, "3");
    order.setDetailMaat(4, 2, "1100");

    ASSERT_TRUE(storeNew("24001"));
    OrderStore rowByRow(*session, messages);
    rowByRow.writing = Writing::RowByRow;
    ASSERT_TRUE(rowByRow.store(order, header, StoreRequest{true, "24002", false}));
    EXPECT_EQ(messages.count(), 0);

    // Every column but the order number and the moments of the store.
    const char* tables[] = {"\"order\"", "OrderProduktieregel", "OrderProduktieregelInvoer", "OrderVerkoopregel",
                            "OrderOnderdorpelmacro"};
    for (const char* table : tables) {
        SCOPED_TRACE(table);
        const QString sql = QStringLiteral("select (to_jsonb(t) - 'order' - 'invoerdatum' - 'wijzigingdatum')::text "
                                           "from %1 t where t.\"order\" = ? order by 1")
                                .arg(QLatin1String(table));
        const QStringList batched = rows(sql, orderKey("24001"));
        EXPECT_FALSE(batched.isEmpty() && QLatin1String(table) != QLatin1String("OrderOnderdorpelmacro"));
        EXPECT_EQ(text(rows(sql, orderKey("24002"))), text(batched));
    }
}

// Stored together, the sizes of a metre line are written corrected with the
// rows; one statement per row, they are stored as entered and corrected
// afterwards. Both must give the same sizes, flags and main quantities:
// sizes whose fourth decimal the database rounds away (up, and carried
// into the whole number), a size line without details, an article counted
// per metre-dm, one counted per piece, a line without correction, and
// details without a size or without a number of pieces.
TEST_F(OrderStoreTest, SizesCorrectedWithTheRowsAreThoseCorrectedAfterwards)
{
    struct Line {
        const char* artikel;
        bool correctie;
        const char* aantal;   // "pieces/pricing quantity" with details, else the pieces
        const char* maat;     // a size line without details
        QStringList subs;
        QList<std::pair<QString, QString>> details;   // pieces, size
    };
    const Line lines[] = {
        {"OD78", true, "9/9", "", {"EK90", "EKS56", "BB12"},
         {{"1", "1250,0005"}, {"2", "999,9995"}, {"1", "1000,0004"}, {"3", "2300,4"}, {"2", ""}, {"", "1500"}}},
        {"ODA78", true, "4/4", "", {"EK67"}, {{"3", "850"}, {"1", "1049,96"}}},
        {"OD90", true, "2", "1234,5678", {"EK78"}, {}},
        {"OD67", false, "3/3", "", {"EK67"}, {{"3", "1775,25"}}},
        {"ODK56", true, "2/2", "", {"EK56"}, {{"2", "640"}}},
    };
    int line = 4;
    for (const Line& l : lines) {
        order.setField(line, Veld::Artikel, l.artikel);
        order.setField(line, Veld::Lengte, "Op maat");
        order.setField(line, Veld::Correctie, l.correctie ? "Inclusief maat" : "");
        order.setField(line, Veld::Aantal, l.aantal);
        order.setField(line, Veld::Maat, l.maat);
        for (Vlag f : {Vlag::Lengte, Vlag::Subartikelen})
            order.setFlag(line, f, true);
        order.setFlag(line, Vlag::Correctie, l.correctie);
        order.setFlag(line, Vlag::Details, !l.details.isEmpty());
        for (int s = 0; s < l.subs.size(); ++s)
            order.setSubartikel(line, s + 1, 1, l.subs.at(s));
        for (int d = 0; d < l.details.size(); ++d) {
            order.setDetailAantal(line, d + 1, l.details.at(d).first);
            order.setDetailMaat(line, d + 1, l.details.at(d).second);
        }
        ++line;
    }

    ASSERT_TRUE(storeNew("24001")) << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
    OrderStore rowByRow(*session, messages);
    rowByRow.writing = Writing::RowByRow;
    ASSERT_TRUE(rowByRow.store(order, header, StoreRequest{true, "24002", false}));
    EXPECT_EQ(messages.count(), 0);

    const QString sql = "select Regel, Type, Artikel, Aantal, Maat, IngevoerdeMaat, Maatvoering, Correctie "
                        "from OrderProduktieregel where \"order\" = ? order by Regel";
    const QStringList batched = rows(sql, orderKey("24001"));
    EXPECT_EQ(text(rows(sql, orderKey("24002"))), text(batched));
    // Worked by hand: 1250.0005 is held as 1250.001, less 2 mm for each of
    // its two started metres and 5 mm for the largest end cap; 999.9995 is
    // held as 1000.000, one started metre (as is 1000.0004).
    EXPECT_TRUE(batched.contains(lineKey(14) + "|D|null|1.000|1241.001|1250.001|mm|true"))
        << text(batched);
    EXPECT_TRUE(batched.contains(lineKey(15) + "|D|null|2.000|993.000|1000.000|mm|true")) << text(batched);
    const QString invoer = "select Regel, Aantal, IngevoerdeMaat from OrderProduktieregelInvoer where \"order\" = ? "
                           "order by Regel";
    EXPECT_EQ(text(rows(invoer, orderKey("24002"))), text(rows(invoer, orderKey("24001"))));
}

// The operations of a line come before its sub-articles, except in a sill
// order, where the sill's parts come first.
TEST_F(OrderStoreTest, OperationRowsFollowTheSubArticlesOnlyInASillOrder)
{
    const struct { bool sillOrder; const char* number; const char* rows; } cases[] = {
        {false, "24001", "SPL,EK67,BB12"},
        {true, "24002", "EK67,BB12,SPL"},
    };
    for (const auto& c : cases) {
        header.onderdorpelorder = c.sillOrder;
        ASSERT_TRUE(storeNew(c.number));
        EXPECT_EQ(db->scalar("select string_agg(Artikel, ',' order by Regel) from OrderProduktieregel "
                             "where \"order\" = ? and Type = 'S' and Regel < '   5'",
                             {orderKey(c.number)}).toString(),
                  c.rows)
            << c.sillOrder;
    }
}

// The delivery instruction of the delivery address goes with the first
// order of a delivery; later stores and orders of the same delivery keep
// it, and a text put there since is not overwritten.
TEST_F(OrderStoreTest, TheDeliveryInstructionOfTheAddressIsWrittenOncePerDelivery)
{
    order.desk().extra.afleverRelatie = "1002";
    auto instructions = [&] {
        return rows("select AfleverTekst_4 || '|' || AfleverTekst_5 from OrderAfleverinstructie "
                    "where AfleverRelatie = ?::numeric order by ID", "1002");
    };
    ASSERT_TRUE(storeNew("24001"));
    const QStringList once{"Lossen aan de achterzijde, ingang Handelsweg 6|Bellen bij aankomst: 030-6912345"};
    EXPECT_EQ(instructions(), once);
    ASSERT_TRUE(store->store(order, header, StoreRequest{false, "24001", false}));
    ASSERT_TRUE(storeNew("24002"));
    EXPECT_EQ(instructions(), once);
    ASSERT_TRUE(db->exec("update OrderAfleverinstructie set AfleverTekst_4 = 'Eigen tekst', AfleverTekst_5 = ''"));
    ASSERT_TRUE(storeNew("24003"));
    EXPECT_EQ(instructions(), QStringList{"Eigen tekst|"});
    // Another delivery day is another delivery.
    order.desk().extra.leverdatum = QDate(2026, 12, 23);
    ASSERT_TRUE(storeNew("24004"));
    EXPECT_EQ(instructions().size(), 2);
}

TEST_F(OrderStoreTest, AFailureMidwayLeavesTheDatabaseAndTheOrderAsTheyWere)
{
    ASSERT_TRUE(storeNew("24001"));
    QSqlQuery ddl(db->admin());
    ASSERT_TRUE(ddl.exec("create function weiger() returns trigger language plpgsql as "
                         "$$ begin if new.Regel = '   5' then raise exception 'test: regel geweigerd'; end if; "
                         "return new; end $$"));
    ASSERT_TRUE(ddl.exec("create trigger weiger before insert on OrderVerkoopregel for each row execute function weiger()"));
    const QString before = snapshot();
    const OrderModel copy = order;
    order.setField(3, Veld::Aantal, "20");
    const OrderModel changed = order;

    for (const bool newOrder : {false, true}) {
        messages.clear();
        EXPECT_FALSE(store->store(order, header, StoreRequest{newOrder, newOrder ? "24002" : "24001", false}));
        EXPECT_EQ(snapshot(), before) << newOrder;
        ASSERT_GE(messages.count(), 1);
        EXPECT_EQ(messages.last().caption, "Fout");
        EXPECT_TRUE(messages.last().lines.contains("De order is niet bewaard.")) << messages.last().lines.join('|').toStdString();
        EXPECT_EQ(order.signature({}), changed.signature({}));
    }
    EXPECT_NE(copy.signature({}), changed.signature({}));
    // The session works on after the failure.
    ASSERT_TRUE(ddl.exec("drop trigger weiger on OrderVerkoopregel"));
    EXPECT_TRUE(store->store(order, header, StoreRequest{false, "24001", false}));
}

TEST_F(OrderStoreTest, OrdersThatCannotBeStoredAreRefusedBeforeAnythingIsWritten)
{
    const QString before = snapshot();
    const struct { int line; Veld veld; const char* value; const char* message; } cases[] = {
        {2, Veld::Aantal, "twee", "Het aantal of de maat van regel 2 is geen getal."},
        {2, Veld::Maat, "lang", "Het aantal of de maat van regel 2 is geen getal."},
    };
    for (const auto& c : cases) {
        OrderModel bad = order;
        bad.setField(c.line, c.veld, c.value);
        messages.clear();
        EXPECT_FALSE(store->store(bad, header, StoreRequest{true, "24001", false}));
        ASSERT_EQ(messages.count(), 1);
        EXPECT_TRUE(messages.last().lines.contains(c.message)) << messages.last().lines.join('|').toStdString();
    }
    OrderModel bad = order;
    bad.desk().extra.orderkosten = "veel";
    messages.clear();
    EXPECT_FALSE(store->store(bad, header, StoreRequest{true, "24001", false}));
    EXPECT_TRUE(messages.last().lines.contains("De orderkosten \"veel\" zijn geen bedrag."));

    // Line numbers have four characters; 87 more lines of 125 sizes make 10,972 rows.
    OrderModel large = order;
    for (int line = 4; line <= 90; ++line) {
        large.setField(line, Veld::Artikel, "OD67");
        large.setField(line, Veld::Lengte, "Op maat");
        large.setField(line, Veld::Aantal, "125/150");
        large.setFlag(line, Vlag::Lengte, true);
        large.setFlag(line, Vlag::Details, true);
        for (int row = 1; row <= MaxDetails; ++row) {
            large.setDetailAantal(line, row, "1");
            large.setDetailMaat(line, row, "1200");
        }
    }
    messages.clear();
    EXPECT_FALSE(store->store(large, header, StoreRequest{true, "24001", false}));
    EXPECT_TRUE(messages.last().lines.contains(
        "De order telt 10972 productieregels; er passen er 9999 in een order. Verdeel de regels over twee orders."))
        << messages.last().lines.join('|').toStdString();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(OrderStoreTest, QuotesAndBackslashesInEveryFreeTextArriveUnchanged)
{
    const QString t = "a'b\"c\\d";
    ExtraOrderData& e = order.desk().extra;
    for (QString* s : {&e.zoeknaam, &e.naam, &e.naam2, &e.kontakt, &e.adres[0], &e.adres[1], &e.adres[2], &e.postkode,
                       &e.plaats, &e.land, &e.productieteksten[0], &e.productieteksten[1], &e.productieteksten[2]})
        *s = t;
    order.desk().ob = t;
    header.klantOrdernummer = t;
    header.referentie = t;
    header.notities = t;
    for (Veld veld : {Veld::Omschrijving_1, Veld::Omschrijving_2, Veld::Omschrijving_3})
        order.setField(1, veld, t);
    ASSERT_TRUE(storeNew("24001"));
    const QString key = orderKey("24001");
    const QStringList head = rows("select A_zoeknaam, A_naam, A_naam2, A_kontakt, A_adres1, A_adres2, A_adres3, A_postkode, "
                                  "A_plaats, A_land, Productie_1, Productie_2, Productie_3, Ordref_2, TekstBevestiging, "
                                  "TekstVonuOrder, Ordref_1 from \"order\" where \"order\" = ?", key);
    ASSERT_EQ(head.size(), 1);
    EXPECT_EQ(head.first().toStdString(), (QStringList(16, t).join('|') + "|Uw order: " + t).toStdString());
    EXPECT_EQ(text(rows("select Omschrijving_1, Omschrijving_2, Omschrijving_3 from OrderProduktieregel "
                        "where \"order\" = ? and Type = 'D' and Regel < '   7' order by Regel", key)),
              text({QStringList(3, t).join('|'), QStringList(3, t).join('|')}));
}

TEST_F(OrderStoreTest, TestStoresAndPrintCopiesNeverLookLikeRealOrders)
{
    // A test workstation: status with a no-break space, no tracking event,
    // but sales lines; a second store replaces everything.
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_TRUE(storeNew("PROEF1"));
        const QString key = orderKey("PROEF1");
        EXPECT_EQ(db->scalar("select Status from \"order\" where \"order\" = ?", {key}).toString(), "Productie" + kNbsp);
        EXPECT_EQ(db->scalar("select count(*) from OrderTracking where \"order\" = ?", {key}).toInt(), 0);
        EXPECT_GT(db->scalar("select count(*) from OrderVerkoopregel where \"order\" = ?", {key}).toInt(), 0);
        EXPECT_EQ(db->scalar("select count(*) from OrderProduktieregel where \"order\" = ?", {key}).toInt(), 10);
    }
    // A print copy of a debtor who pays in advance: blocked, with the no-break
    // space; no sales lines and no tracking.
    order.desk().debiteur = "200001";
    ASSERT_TRUE(storeNew("BALIE1", true));
    const QString key = orderKey("BALIE1");
    EXPECT_EQ(db->scalar("select Status from \"order\" where \"order\" = ?", {key}).toString(), "Geblokkeerd" + kNbsp);
    EXPECT_EQ(db->scalar("select count(*) from OrderVerkoopregel where \"order\" = ?", {key}).toInt(), 0);
    EXPECT_EQ(db->scalar("select count(*) from OrderTracking").toInt(), 0);
    // A real order of that debtor is blocked with the plain word.
    ASSERT_TRUE(storeNew("24001"));
    EXPECT_EQ(db->scalar("select Status from \"order\" where \"order\" = ?", {orderKey("24001")}).toString(), "Geblokkeerd");
    // A quotation is never blocked and never tracked.
    header.transactie = Transactie::Offerte;
    ASSERT_TRUE(storeNew("24002"));
    EXPECT_EQ(db->scalar("select Status || '/' || Ordref_1 from \"order\" where \"order\" = ?", {orderKey("24002")}).toString(),
              "Offerte/Offerte: K-77");
    EXPECT_EQ(db->scalar("select count(*) from OrderTracking where \"order\" = ?", {orderKey("24002")}).toInt(), 0);
}

TEST_F(OrderStoreTest, LaterStagesRefuseTheStore)
{
    ASSERT_TRUE(storeNew("24001"));
    const QString key = orderKey("24001");
    EXPECT_EQ(store->refusal("24001"), "");
    const struct { const char* change; const char* undo; const char* message; } cases[] = {
        {"update \"order\" set VonuBlokkeren = true", "update \"order\" set VonuBlokkeren = false",
         "Order voor onderhoud geblokkeerd, bewaren niet toegestaan!"},
        {"update \"order\" set P_Datum = date '2026-12-11'", "update \"order\" set P_Datum = null",
         "Pakbon is al gemaakt, bewaren niet toegestaan!"},
        {"update OrderProduktieregel set WerkbriefjeNummer = 'W1' where Regel = '   1'",
         "update OrderProduktieregel set WerkbriefjeNummer = null", "Werkbriefje gevonden, bewaren niet toegestaan!"},
        {"update OrderProduktieregel set EtiketNummer = 'E1' where Regel = '   7'",
         "update OrderProduktieregel set EtiketNummer = null", "Etiket gevonden, bewaren niet toegestaan!"},
        {"delete from \"order\"", "", "Order is al verwerkt, bewaren niet mogelijk!"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(db->exec(c.change));
        EXPECT_EQ(store->refusal("24001"), c.message);
        if (*c.undo) {
            ASSERT_TRUE(db->exec(c.undo));
        }
    }
    EXPECT_EQ(store->refusal("  24099"), "Order is al verwerkt, bewaren niet mogelijk!");
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(db->scalar("select count(*) from \"order\" where \"order\" = ?", {key}).toInt(), 0);
}

TEST_F(OrderStoreTest, TwoWorkstationsNumberingAtOnceDrawDifferentNumbers)
{
    const QString server = PgTestDatabase::server();
    const QString name = db->name();
    QStringList drawn[2];
    auto draw = [&](int w) {
        ScriptedMessages m;
        DbSession s(m);
        if (!s.open(QStringLiteral("Balie%1").arg(w + 1), ConnectionSettings{"1", server, name}))
            return;
        for (int i = 0; i < 40; ++i)
            drawn[w] << s.drawOrderNumber();
        s.close();
    };
    std::thread a(draw, 0);
    std::thread b(draw, 1);
    a.join();
    b.join();
    std::set<QString> all;
    for (const QStringList& list : drawn) {
        EXPECT_EQ(list.size(), 40);
        for (const QString& n : list) {
            EXPECT_FALSE(n.isEmpty());
            all.insert(n);
        }
    }
    EXPECT_EQ(all.size(), 80u);
    EXPECT_EQ(db->scalar("select \"order\" from Konstanten where ID = 1").toInt(), 24001 + 80);
}

// Every price looks up the debtor's contracts and what the order history
// took of them; on a desk with years of orders a lookup that scans a whole
// table makes a large order take minutes to store. With scans made as
// costly as the planner allows, each lookup must still find an index.
TEST_F(OrderStoreTest, ContractLookupsOfAPriceUseIndexes)
{
    QSqlQuery q(db->admin());
    ASSERT_TRUE(q.exec("set enable_seqscan = off"));
    const struct {
        const char* table;
        const char* sql;
    } cases[] = {
        {"kontrakt", "select k.Kontrakt from Kontrakt k where k.Debnr = '104711' and k.Type = 'B'"},
        {"orderproduktieregel", "select sum(abs(r.Aantal)) from OrderProduktieregel r where r.Kontrakt = 'AK24001'"},
        {"order", "select sum(o.T_Order) from \"order\" o where o.Kontrakt = 'BK24003' and o.Bedrag"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        ASSERT_TRUE(q.exec(QStringLiteral("explain ") + QLatin1String(c.sql)));
        QString plan;
        while (q.next())
            plan += q.value(0).toString() + '\n';
        EXPECT_FALSE(plan.contains(QStringLiteral("Seq Scan on %1").arg(QString::fromLatin1(c.table)))
                     || plan.contains(QStringLiteral("Seq Scan on \"%1\"").arg(QString::fromLatin1(c.table))))
            << plan.toStdString();
    }
}
