// The counting rules of storing an order: rounding, pieces and pricing
// quantities of a line, fixings along a length, size corrections, packages
// and packing texts.

#include "desk/SalesLines.h"
#include "desk/StoreRules.h"

#include <gtest/gtest.h>

using namespace vonu;

TEST(StoreRules, Round1RoundsAFractionUpFromATenThousandth)
{
    const struct { double x; double expected; } cases[] = {
        {1.25, 1.3}, {1.2, 1.2}, {1.2001, 1.3}, {1.15, 1.2},
        {3.75, 3.8}, {0, 0}, {9.96, 10.0}, {2.385, 2.4},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(round1(c.x), c.expected) << c.x;
}

// What a numeric column of three decimals holds of a number the store
// writes: its written figures rounded half away from zero (900.0005 is
// 900.00049999... as a double, rounding the double would give 900.000).
TEST(StoreRules, StoredNumbersRoundTheirWrittenFiguresAsTheDatabaseDoes)
{
    const struct { double x; int scale; double expected; } cases[] = {
        {900.0005, 3, 900.001}, {999.9995, 3, 1000.0}, {-9.9995, 3, -10.0}, {1.2344, 3, 1.234},
        {1000.0004, 3, 1000.0}, {3, 3, 3}, {0.0005, 3, 0.001}, {-0.0004, 3, 0}, {12.5, 0, 13}, {1234.5678, 3, 1234.568},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(storedNumber(c.x, c.scale), c.expected) << c.x;
}

TEST(StoreRules, LineArticleSplitsEanAndCustomerLayouts)
{
    const QString withEan = QStringLiteral("OD67").leftJustified(20, ' ') + "8712340000048";
    const QString customer = QString(30, ' ').replace(0, 6, "KLANT1") + QStringLiteral("OD56").leftJustified(16, ' ');
    const struct { QString text; QString artikel; QString ean; } cases[] = {
        {"OD67", "OD67", ""},
        {withEan, "OD67", "8712340000048"},
        {QStringLiteral("ABCDEFGHIJKLMNOPQRSTU") + "871234000004", "ABCDEFGHIJKLMNOPQRST", "U871234000004"},
        {QStringLiteral("X") + customer.mid(1), "OD56", ""},
    };
    for (const auto& c : cases) {
        const LineArticle a = splitLineArticle(c.text);
        EXPECT_EQ(a.artikel, c.artikel) << c.text.toStdString();
        EXPECT_EQ(a.ean, c.ean) << c.text.toStdString();
    }
}

TEST(StoreRules, PiecesPricingQuantityAndSize)
{
    const struct { QString aantal, maat; bool details, size, metre; double p, o, m; } cases[] = {
        {"5/7,3", "", true, true, true, 5, 7.3, 0},        // details: P/O as counted
        {"12", "", false, false, false, 12, 12, 0},        // a line without size
        {"3", "1250 mm", false, true, false, 3, 3.9, 1250}, // round1(1.25) x 3
        {"3", "900", false, true, false, 3, 3, 900},        // up to a metre counts as pieces
        {"2", "3", false, true, true, 2, 6, 3},             // metres by length: round1(P x M)
        {"2", "2,45", false, true, true, 2, 4.9, 2.45},
    };
    for (const auto& c : cases) {
        const auto q = lineQuantity(c.aantal, c.maat, c.details, c.size, c.metre);
        ASSERT_TRUE(q) << c.aantal.toStdString();
        EXPECT_DOUBLE_EQ(q->p, c.p) << c.aantal.toStdString();
        EXPECT_NEAR(q->o, c.o, 1e-9) << c.aantal.toStdString() << " " << c.maat.toStdString();
        EXPECT_DOUBLE_EQ(q->m, c.m);
    }
    EXPECT_FALSE(lineQuantity("drie", "", false, false, false));
    EXPECT_FALSE(lineQuantity("3", "", false, true, false));
}

TEST(StoreRules, FixingsAlongALength)
{
    const struct { const char* wijze; double l, udk, hoh, mv; int n; } cases[] = {
        {"A", 2000, 100, 500, 0, 5},    // k = Round(3.6 + 0.49) = 4
        {"A", 150, 100, 500, 0, 2},     // shorter than both end distances
        {"A", 700, 100, 500, 0, 2},     // k = 1
        {"B", 2000, 100, 500, 0, 4},    // k = Round(3.6 - 0.49) = 3
        {"B", 400, 100, 500, 0, 2},     // not longer than the spacing
        {"M", 2000, 100, 500, 200, 2},  // k = Round(2.09) = 2
        {"M", 600, 100, 500, 200, 0},   // k = 1: no pieces, not two
        {"M", 400, 100, 500, 200, 2},   // inside the ends and the middle zone
        {"", 2000, 100, 500, 200, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(piecesPerLength(c.wijze, c.l, c.udk, c.hoh, c.mv), c.n) << c.wijze << " " << c.l;
}

TEST(StoreRules, OneCorrectionPerStartedMetre)
{
    const struct { double entered; bool correctie; double mc, sub; double size; bool flag; } cases[] = {
        {2400, true, 5, 0, 2385, true},   // r = 2400, 1400, 400
        {1000, true, 5, 0, 995, true},
        {1001, true, 5, 0, 991, true},
        {2400, true, 0, 3, 2397, true},   // the sub-articles' correction alone
        {2400, true, 5, 3, 2382, true},
        {2400, false, 5, 3, 2400, false},
    };
    for (const auto& c : cases) {
        bool flag = false;
        EXPECT_DOUBLE_EQ(correctedSize(c.entered, c.correctie, c.mc, c.sub, &flag), c.size) << c.entered;
        EXPECT_EQ(flag, c.flag) << c.entered;
    }
}

TEST(StoreRules, PackagesAndPackingTexts)
{
    EXPECT_EQ(packages(10, 4) + packages(3, 4), 4);    // 3 + 1
    EXPECT_EQ(roundHalfEven(3.0 / 4 + 0.4999), 1);     // three single pieces
    EXPECT_EQ(packages(5, 0), 1);                      // no content known
    const struct { PackingInput in; const char* text; } cases[] = {
        {{2, "Bundel", true, "Mtr", 6, "Meter", "Aantal x maat"}, "2 Bundel a 6,00 mtr."},
        {{2, "Doos", true, "Mtr", 6, "Meter", "Aantal x maat"}, "2 Doos"},
        {{2, "Doos", true, "Mtr", 6, "Meter", "Aantal"}, "2 Doos a 6,00 mtr."},
        {{2, "Bundel", true, "mm", 1250, "Meter", "Aantal x maat"}, "2 Bundel op maat"},
        {{3, "Doos", false, "", 0, "Stuks", "Aantal"}, "3 Doos"},
        {{1200, "Stuk", false, "", 0, "Stuks", "Aantal"}, "1.200 Stuk"},
        {{2, " ", true, "Mtr", 6, "Meter", "Aantal"}, ""},
        {{0, "Bundel", false, "", 0, "Meter", "Aantal"}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(packingText(c.in), QString::fromUtf8(c.text));
}

TEST(StoreRules, EachRebateIsDescribedOnce)
{
    QString rebate(90, ' ');
    rebate.replace(30, 3, "SPL").replace(46, 2, "12").replace(58, 1, "L");
    rebate.replace(60, 3, "SPR").replace(76, 4, "17,5").replace(88, 1, "R");
    QString text = rebate;
    EXPECT_EQ(rebateDescription("SPL", text), "SPONNING LINKS 12 mm.");
    EXPECT_EQ(rebateDescription("SPL", text), "");
    EXPECT_EQ(rebateDescription("SPR", text), "SPONNING RECHTS 17,5 mm.");
    EXPECT_EQ(rebateDescription("GAT8", text), "");
}
