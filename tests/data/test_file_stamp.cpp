#include "data/FileStamp.h"

#include <gtest/gtest.h>
#include "QtPrinters.h"

using namespace vonu;

TEST(DosDateTime, PacksDateHighAndTimeLow)
{
    const struct { QDateTime local; qint64 packed; } cases[] = {
        // (46 << 25) | (11 << 21) | (2 << 16) | (8 << 11) | (30 << 5) | 0
        {QDateTime(QDate(2026, 11, 2), QTime(8, 30, 0)), 1566720960},
        {QDateTime(QDate(1980, 1, 1), QTime(0, 0, 0)), (1 << 21) | (1 << 16)},
        {QDateTime(QDate(2006, 9, 8), QTime(23, 59, 58)), (26 << 25) | (9 << 21) | (8 << 16) | (23 << 11) | (59 << 5) | 29},
        // From 2044 the sign bit is set: the stamp is written negative.
        {QDateTime(QDate(2044, 3, 1), QTime(0, 0, 2)), qint64(qint32((64u << 25) | (3u << 21) | (1u << 16) | 1u))},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(packDosDateTime(c.local), c.packed) << c.local.toString().toStdString();
        EXPECT_EQ(unpackDosDateTime(qint32(c.packed)), c.local) << c.local.toString().toStdString();
    }
    EXPECT_LT(packDosDateTime(QDateTime(QDate(2044, 3, 1), QTime(0, 0))), 0);
    EXPECT_EQ(packDosDateTime(QDateTime(QDate(1975, 5, 5), QTime(1, 2))), (1 << 21) | (1 << 16));
}

TEST(DosDateTime, StampToleranceIsBelow4097EitherWay)
{
    const qint32 file = packDosDateTime(QDateTime(QDate(2024, 6, 1), QTime(12, 0)));
    const struct { qint64 offset; bool passes; } cases[] = {
        {0, true}, {4096, true}, {-4096, true}, {4097, false}, {-4097, false}, {1 << 16, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stampMatchesFileTime(qint32(file + c.offset), file), c.passes) << c.offset;
    // No overflow at the ends of the range.
    EXPECT_FALSE(stampMatchesFileTime(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

TEST(BestandVersie, OnlyWholeNumbersInThe32BitRange)
{
    const struct { const char* text; std::optional<qint32> value; } cases[] = {
        {"1566720960", 1566720960},
        {"  1566720960\r\n", 1566720960},
        {"-2147483648", std::numeric_limits<qint32>::min()},
        {"4294967295", -1},  // unsigned form of a negative stamp
        {"4294967296", std::nullopt},
        {"", std::nullopt},
        {"12a", std::nullopt},
        {"1.5", std::nullopt},
        {"versie 3", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseBestandVersie(c.text), c.value) << c.text;
}

TEST(CatalogDate, OutdatedBefore8September2006AndPanelTexts)
{
    EXPECT_TRUE(isOutdatedCatalog(QDate(2006, 9, 7)));
    EXPECT_FALSE(isOutdatedCatalog(QDate(2006, 9, 8)));
    EXPECT_FALSE(isOutdatedCatalog(QDate(2026, 1, 1)));
    EXPECT_EQ(sleutelPanelText(QDate(2024, 3, 5)), "Sleutel 05-03-2024");
    EXPECT_EQ(assortimentPanelText(QDate(2026, 11, 2)), "Assortiment 02-11-2026");
}
