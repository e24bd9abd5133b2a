#include "order/OrderModel.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vonu;

namespace {

OrderHeaderValues emptyHeader()
{
    return {};
}

} // namespace

// ------------------------------------------------------------------ signature

TEST(Signature, EveryEditChangesItAndUndoingItRestoresIt)
{
    OrderHeaderValues base;
    base.ordervoor = "01 BOUW AMSTERDAM";
    base.ordernummer = "PO-100";
    base.orderdatum = QDate(2024, 2, 1);
    OrderModel order;
    order.setField(1, Veld::Artikel, "ONDER100");
    order.setField(1, Veld::Kleur, "9005 Gitzwart");
    order.setField(2, Veld::Artikel, "KOPSCHOT");
    order.setField(2, Veld::Aantal, "12");
    const auto saved = order.signature(base);
    EXPECT_EQ(OrderModel().signature(emptyHeader()), OrderModel().signature(emptyHeader()));

    struct Case {
        const char* what;
        std::function<void(OrderModel&, OrderHeaderValues&)> edit;
    };
    const Case cases[] = {
        // Edits that keep every length and every number.
        {"order number of the same length", [](OrderModel&, OrderHeaderValues& h) { h.ordernummer = "PO-999"; }},
        {"colour of the same length",
         [](OrderModel& m, OrderHeaderValues&) { m.setField(1, Veld::Kleur, "3005 Wijnrood"); }},
        {"remark for the order confirmation", [](OrderModel&, OrderHeaderValues& h) { h.opmerking = "Bellen"; }},
        {"remark at the desk", [](OrderModel& m, OrderHeaderValues&) { m.desk().ob = "Bellen"; }},
        {"extra order data", [](OrderModel& m, OrderHeaderValues&) { m.desk().extra.plaats = "Zeist"; }},
        {"lines swapped",
         [](OrderModel& m, OrderHeaderValues&) {
             m.setField(1, Veld::Artikel, "KOPSCHOT");
             m.setField(2, Veld::Artikel, "ONDER100");
         }},
        {"value moved to the next field",
         [](OrderModel& m, OrderHeaderValues&) {
             m.setField(2, Veld::Aantal, "");
             m.setField(2, Veld::Sponning, "12");
         }},
        {"order date by one day", [](OrderModel&, OrderHeaderValues& h) { h.orderdatum = QDate(2024, 2, 2); }},
        {"transaction", [](OrderModel&, OrderHeaderValues& h) { h.transactie = 1; }},
        {"a flag", [](OrderModel& m, OrderHeaderValues&) { m.setFlag(1, Vlag::Kleur, true); }},
        {"line field 12 of line 100", [](OrderModel& m, OrderHeaderValues&) { m.setField(100, Veld::Omschrijving_1, "7"); }},
        {"sub-article field 28 of row 25",
         [](OrderModel& m, OrderHeaderValues&) { m.setSubartikel(100, 25, 28, "*"); }},
        {"operation field 28 of row 25",
         [](OrderModel& m, OrderHeaderValues&) { m.setBewerking(100, 25, 28, "40"); }},
        {"detail size of row 125", [](OrderModel& m, OrderHeaderValues&) { m.setDetailMaat(100, 125, "2"); }},
        {"further detail slot 6 of row 125",
         [](OrderModel& m, OrderHeaderValues&) { m.setDetailSlot(100, 125, 6, "1"); }},
    };
    for (const Case& c : cases) {
        OrderModel edited = order;
        OrderHeaderValues h = base;
        c.edit(edited, h);
        EXPECT_NE(edited.signature(h), saved) << c.what;
    }
    // Changing a value and changing it back is no change.
    order.setField(1, Veld::Kleur, "3005 Wijnrood");
    order.setField(1, Veld::Kleur, "9005 Gitzwart");
    EXPECT_EQ(order.signature(base), saved);
}

// -------------------------------------------------------------- scroll ranges

TEST(ScrollMaximum, OrderLines)
{
    struct Case {
        std::vector<int> filled;
        int expected;
    };
    std::vector<int> all(100);
    for (int i = 0; i < 100; ++i)
        all[std::size_t(i)] = i + 1;
    const Case cases[] = {
        {{}, 5}, {{1}, 5}, {{5}, 5}, {{6}, 6}, {{7}, 7}, {{2, 40}, 40}, {{99}, 99}, {{100}, 99},
        {all, 99},
    };
    for (const Case& c : cases) {
        OrderModel order;
        for (int line : c.filled)
            order.setField(line, Veld::Artikel, QStringLiteral("ONDER100"));
        EXPECT_EQ(order.lineScrollMaximum(), c.expected) << "last filled " << (c.filled.empty() ? 0 : c.filled.back());
    }
}

TEST(ScrollMaximum, PanelsUseTheirOwnMinimumAndRowCount)
{
    struct Case {
        const char* what;
        std::function<void(OrderModel&)> fill;
        std::function<int(const OrderModel&)> maximum;
        int expected;
    };
    auto sub = [](int row) {
        return [row](OrderModel& m) { m.setSubartikel(3, row, 1, QStringLiteral("EINDKAP")); };
    };
    auto bew = [](int row) {
        return [row](OrderModel& m) { m.setBewerking(3, row, 1, QStringLiteral("BOOR")); };
    };
    auto subMax = [](const OrderModel& m) { return m.subartikelScrollMaximum(3); };
    auto bewMax = [](const OrderModel& m) { return m.bewerkingScrollMaximum(3); };
    auto detMax = [](const OrderModel& m) { return m.detailScrollMaximum(3); };
    const Case cases[] = {
        {"no sub-article", [](OrderModel&) {}, subMax, 3},
        {"sub-article row 3", sub(3), subMax, 3},
        {"sub-article row 4", sub(4), subMax, 4},
        {"sub-article row 25", sub(25), subMax, 24},
        {"sub-article of another line", [](OrderModel& m) { m.setSubartikel(4, 20, 1, QStringLiteral("X")); }, subMax, 3},
        {"no operation", [](OrderModel&) {}, bewMax, 3},
        {"operation row 12", bew(12), bewMax, 12},
        {"operation row 25", bew(25), bewMax, 24},
        {"no detail", [](OrderModel&) {}, detMax, 9},
        {"detail row 10 quantity", [](OrderModel& m) { m.setDetailAantal(3, 10, QStringLiteral("1")); }, detMax, 10},
        {"detail row 30 size only", [](OrderModel& m) { m.setDetailMaat(3, 30, QStringLiteral("800")); }, detMax, 30},
        {"detail row 125", [](OrderModel& m) { m.setDetailAantal(3, 125, QStringLiteral("1")); }, detMax, 124},
        {"detail slot alone is no detail", [](OrderModel& m) { m.setDetailSlot(3, 50, 1, QStringLiteral("1")); }, detMax, 9},
    };
    for (const Case& c : cases) {
        OrderModel order;
        c.fill(order);
        EXPECT_EQ(c.maximum(order), c.expected) << c.what;
    }
}

// ------------------------------------------------------------------ sent stamp

TEST(SentStamp, UnderscoresBecomeDateAndTimeSeparators)
{
    const std::pair<const char*, const char*> cases[] = {
        {"12_03_2024_14_05_33", "12-03-2024 14:05:33"},
        {"12_03_2024_14_05_33*", "12-03-2024 14:05:33*"},
        {"", ""},
        {"1_2", "1-2"},
        {"1_2_3_4_5_6_7", "1-2-3 4:5:6:7"},
    };
    for (const auto& [stamp, shown] : cases)
        EXPECT_EQ(OrderModel::sentStampDisplay(QString::fromUtf8(stamp)), QString::fromUtf8(shown)) << stamp;
}

// ------------------------------------------------------------------ windows

TEST(RowWindow, MovesOnlyWhenTheCurrentRowLeavesTheScreen)
{
    RowWindow w(6, 100, 5);
    w.setMaximum(99);
    EXPECT_EQ(w.moveTo(15), 10);  // line 16 at the bottom: lines 11-16
    EXPECT_EQ(w.top(), 11);
    EXPECT_EQ(w.current(), 16);
    EXPECT_EQ(w.currentScreenRow(), 6);

    w.makeScreenRowCurrent(4);  // clicking row 4 while lines 11-16 show
    EXPECT_EQ(w.current(), 14);
    EXPECT_EQ(w.top(), 11);
    EXPECT_EQ(w.position(), 13);

    EXPECT_EQ(w.moveTo(9), -1);  // one above the first shown line
    EXPECT_EQ(w.top(), 10);
    EXPECT_EQ(w.currentScreenRow(), 1);
    EXPECT_EQ(w.screenRowOf(15), 6);
    EXPECT_EQ(w.screenRowOf(16), 0);
}

TEST(RowWindow, PositionStaysWithinTheMaximum)
{
    RowWindow w(6, 100, 5);
    w.moveTo(40);  // maximum still 5
    EXPECT_EQ(w.current(), 6);
    EXPECT_EQ(w.top(), 1);
    w.setMaximum(250);
    EXPECT_EQ(w.maximum(), 99);
    w.moveTo(99);
    EXPECT_EQ(w.top(), 95);
    w.setMaximum(6);  // the position is pulled back
    EXPECT_EQ(w.current(), 7);
    EXPECT_EQ(w.top(), 7);
    w.reset();
    EXPECT_EQ(w.top(), 1);
    EXPECT_EQ(w.current(), 1);
    EXPECT_EQ(w.maximum(), 5);
}

// ------------------------------------------------------------ access, clearing

TEST(OrderModel, IndexesOutsideTheTablesReadEmptyAndWriteNothing)
{
    OrderModel order;
    const int badLines[] = {0, -1, 101};
    for (int line : badLines) {
        order.setField(line, Veld::Artikel, QStringLiteral("X"));
        order.setFlag(line, Vlag::Gelezen, true);
        order.setSubartikel(line, 1, 1, QStringLiteral("X"));
        order.setDetailAantal(line, 1, QStringLiteral("1"));
        EXPECT_TRUE(order.field(line, Veld::Artikel).isEmpty());
        EXPECT_FALSE(order.flag(line, Vlag::Gelezen));
    }
    order.setField(1, veldNummer(13), QStringLiteral("X"));
    order.setField(1, veldNummer(0), QStringLiteral("X"));
    order.setFlag(1, vlagNummer(13), true);
    order.setSubartikel(1, 26, 1, QStringLiteral("X"));
    order.setBewerking(1, 1, 29, QStringLiteral("X"));
    order.setDetailMaat(1, 126, QStringLiteral("1"));
    order.setDetailSlot(1, 1, 7, QStringLiteral("1"));
    order.setDetailSlot(1, 1, 0, QStringLiteral("1"));
    EXPECT_EQ(order.signature(emptyHeader()), OrderModel().signature(emptyHeader()));
    EXPECT_EQ(order.statusText(1), QStringLiteral("000000000000"));
}

TEST(OrderModel, StatusTextRoundTrip)
{
    OrderModel order;
    order.setStatusText(4, QStringLiteral("100000101001"));
    EXPECT_TRUE(order.flag(4, Vlag::Gelezen));
    EXPECT_TRUE(order.flag(4, Vlag::Aantal));
    EXPECT_TRUE(order.flag(4, Vlag::Subartikelen));
    EXPECT_TRUE(order.flag(4, Vlag::MaatInvoer));
    EXPECT_FALSE(order.flag(4, Vlag::Kleur));
    EXPECT_EQ(order.statusText(4), QStringLiteral("100000101001"));
    order.setStatusText(4, QStringLiteral("01"));  // short text: the rest clear
    EXPECT_EQ(order.statusText(4), QStringLiteral("010000000000"));
}

TEST(OrderModel, NewArticleClearsTheRestOfItsLineOnly)
{
    OrderModel order;
    for (int line : {2, 3}) {
        for (int f = 1; f <= OrderregelVelden; ++f)
            order.setField(line, veldNummer(f), QStringLiteral("v"));
        order.setStatusText(line, QStringLiteral("111111111111"));
        order.setSubartikel(line, 25, 1, QStringLiteral("S"));
        order.setBewerking(line, 1, 28, QStringLiteral("*"));
        order.setDetailAantal(line, 125, QStringLiteral("1"));
        order.setDetailSlot(line, 1, 6, QStringLiteral("9"));
    }
    order.clearLineForArticle(2);
    EXPECT_EQ(order.field(2, Veld::Artikel), QStringLiteral("v"));
    for (int f = 2; f <= OrderregelVelden; ++f)
        EXPECT_TRUE(order.field(2, veldNummer(f)).isEmpty()) << f;
    EXPECT_EQ(order.statusText(2), QStringLiteral("100000000000"));
    EXPECT_FALSE(order.subartikelInUse(2, 25));
    EXPECT_TRUE(order.bewerking(2, 1, 28).isEmpty());
    EXPECT_FALSE(order.detailInUse(2, 125));
    EXPECT_TRUE(order.detailSlot(2, 1, 6).isEmpty());
    // The neighbour is untouched.
    EXPECT_EQ(order.field(3, Veld::Omschrijving_1), QStringLiteral("v"));
    EXPECT_TRUE(order.subartikelInUse(3, 25));
    EXPECT_EQ(order.detailSlot(3, 1, 6), QStringLiteral("9"));
}

TEST(OrderModel, ClearEmptiesEverythingAndResetsTheWindows)
{
    OrderModel order;
    order.setField(100, Veld::EAN, QStringLiteral("8712345678901"));
    order.setStatusText(50, QStringLiteral("111111111111"));
    order.setSubartikel(1, 1, 1, QStringLiteral("S"));
    order.setDetailSlot(7, 7, 3, QStringLiteral("2"));
    order.lines().setMaximum(99);
    order.lines().moveTo(60);
    order.details().setMaximum(40);
    order.details().moveTo(30);
    order.clear();
    EXPECT_EQ(order.signature(emptyHeader()), OrderModel().signature(emptyHeader()));
    EXPECT_EQ(order.statusText(50), QStringLiteral("000000000000"));
    EXPECT_EQ(order.lines().top(), 1);
    EXPECT_EQ(order.lines().current(), 1);
    EXPECT_EQ(order.lines().maximum(), 5);
    EXPECT_EQ(order.details().maximum(), 9);
    EXPECT_EQ(order.details().current(), 1);
}

TEST(OrderModel, ClearOfferFlagsKeepsTheReadFlag)
{
    OrderModel order;
    order.setStatusText(1, QStringLiteral("111111111111"));
    order.setStatusText(100, QStringLiteral("011000000001"));
    order.clearOfferFlags();
    EXPECT_EQ(order.statusText(1), QStringLiteral("100000000000"));
    EXPECT_EQ(order.statusText(100), QStringLiteral("000000000000"));
}
