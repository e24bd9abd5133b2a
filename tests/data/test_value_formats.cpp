#include "data/ValueFormats.h"

#include <gtest/gtest.h>
#include "QtPrinters.h"

using namespace vonu;

namespace {

QStringList rowWith(std::initializer_list<std::pair<int, QString>> filled)
{
    QStringList f;
    for (int i = 0; i < kRowFields; ++i)
        f << QString();
    for (const auto& [field, value] : filled)
        f[field - 1] = value;
    return f;
}

} // namespace

TEST(SentStamp, FiguresAndUnderscoresWithQuotationMark)
{
    const struct { QDateTime moment; bool quotation; const char* stamp; const char* shown; } cases[] = {
        {QDateTime(QDate(2024, 12, 9), QTime(14, 5, 3)), true, "09_12_2024_14_05_03*", "09-12-2024 14:05:03*"},
        {QDateTime(QDate(2024, 12, 9), QTime(14, 5, 3)), false, "09_12_2024_14_05_03", "09-12-2024 14:05:03"},
        {QDateTime(QDate(2025, 1, 1), QTime(0, 0, 0)), false, "01_01_2025", "01-01-2025"},  // midnight: date only
        {QDateTime(QDate(2025, 1, 1), QTime(0, 0, 1)), true, "01_01_2025_00_00_01*", "01-01-2025 00:00:01*"},
    };
    for (const auto& c : cases) {
        const QString stamp = sentStamp(c.moment, c.quotation);
        EXPECT_EQ(stamp, c.stamp);
        EXPECT_EQ(sentStampDisplay(stamp), c.shown);
    }
    EXPECT_EQ(sentStamp(QDateTime(QDate(2024, 12, 9), QTime(14, 5, 3)), true).size(), 20);  // 19 + "*"
}

TEST(OrderregelArtikel, EanIsPlacedAtCharacter21AndSplitBackOnlyWhenItIsOne)
{
    const struct { const char* article; const char* ean; const char* stored; } written[] = {
        {"OD5", "8712345678901", "OD5                 8712345678901"},               // 3 + 17 blanks + 13
        {" OD56 ", " 8712345678901 ", "OD56                8712345678901"},            // both trimmed
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "8712345678901", "ABCDEFGHIJKLMNOPQRST8712345678901"},  // cut to 20
        {"  OD56 ", "", "OD56"},
    };
    for (const auto& c : written)
        EXPECT_EQ(formatOrderregelArtikel(c.article, c.ean), c.stored) << c.article;
    EXPECT_EQ(formatOrderregelArtikel("OD5", "8712345678901").size(), 33);

    const QString customerText = QStringLiteral("DEVRIES-ONDERDORPEL-56MM *").leftJustified(30) + "OD56X";
    const struct { QString stored; QString article; QString ean; } read[] = {
        {"OD5                 8712345678901", "OD5", "8712345678901"},
        {"ABCDEFGHIJKLMNOPQRST8712345678901", "ABCDEFGHIJKLMNOPQRST", "8712345678901"},
        {"OD56", "OD56", ""},
        {"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQRST", ""},   // exactly 20: nothing to split
        {"DV-DORPEL-67 *                OD67", "DV-DORPEL-67 *                OD67", ""},  // blank at 21
        {customerText, customerText, ""},  // 21st character not blank, but no EAN behind it
    };
    for (const auto& c : read) {
        const ArticleAndEan got = splitOrderregelArtikel(c.stored);
        EXPECT_EQ(got.article, c.article) << c.stored.toStdString();
        EXPECT_EQ(got.ean, c.ean) << c.stored.toStdString();
    }
}

TEST(OrderregelStatus, TwelveFlagsFlagOneFirst)
{
    LineFlags flags{};
    flags[0] = flags[8] = flags[11] = true;
    EXPECT_EQ(formatOrderregelStatus(flags), "100000001001");
    EXPECT_EQ(parseOrderregelStatus("100000001001"), flags);
    const LineFlags shortText = parseOrderregelStatus("01x1");
    EXPECT_TRUE(shortText[1]);
    EXPECT_FALSE(shortText[2]);  // only "1" sets a flag
    EXPECT_TRUE(shortText[3]);
    EXPECT_FALSE(shortText[11]);
}

TEST(RowText, ThreeRulesAndTheirReadingBack)
{
    const struct { const char* name; QStringList fields; QString stored; } cases[] = {
        {"configured, only code", rowWith({{1, "MAC1"}, {28, "*"}}), "MAC1" + QString(26, ',') + ",*"},
        {"fields 1 and 3", rowWith({{1, "EK56"}, {3, "x"}}), "EK56,,x,,,"},
        {"code alone despite sill values", rowWith({{1, "EK56"}, {7, "12"}, {27, "99"}}), "EK56"},
        {"all of 1-6", rowWith({{1, "A"}, {2, "b"}, {3, "c"}, {4, "d"}, {5, "e"}, {6, "f"}}), "A,b,c,d,e,f"},
        {"trimmed fields", rowWith({{1, " EK56 "}, {2, " 2 "}}), "EK56,2,,,,"},
        {"configured, full", rowWith({{1, "P"}, {2, "1"}, {15, "900"}, {27, "5"}, {28, "*"}}),
         "P,1" + QString(12, ',') + ",900" + QString(11, ',') + ",5,*"},
    };
    for (const auto& c : cases) {
        const QString stored = formatRowText(c.fields);
        EXPECT_EQ(stored, c.stored) << c.name;
        EXPECT_EQ(stored.count(','), c.stored.count(',')) << c.name;
        QStringList expectedBack = c.fields;
        for (QString& f : expectedBack)
            f = f.trimmed();
        if (!stored.contains(',')) {  // the code alone carries nothing else back
            for (int i = 1; i < kRowFields; ++i)
                expectedBack[i].clear();
        }
        EXPECT_EQ(parseRowText(stored), expectedBack) << c.name;
    }
    EXPECT_EQ(formatRowText(rowWith({{1, "  "}, {2, "x"}})), "") << "no code: row is not written";
    EXPECT_EQ(formatRowText({"EK56"}), "EK56") << "missing fields count as empty";

    // Reading keeps further commas in the last field of its rule.
    EXPECT_EQ(parseRowText("A,b,c,d,e,f,g").at(5), "f,g");
    EXPECT_EQ(parseRowText("A,b").at(1), "b");
    EXPECT_EQ(parseRowText("A,b").size(), kRowFields);
}

TEST(DetailMaat, SizeAloneOrSevenValues)
{
    const QStringList none{"", "", "", "", "", ""};
    EXPECT_EQ(formatDetailMaat("1200", none), "1200");
    EXPECT_EQ(formatDetailMaat(" 1200 ", {}), "1200");
    EXPECT_EQ(formatDetailMaat("1200", {"", "", "L", "", "", "9"}), "1200,,,L,,,9");
    EXPECT_EQ(formatDetailMaat("", {"a"}), ",a,,,,,");

    const DetailSize plain = parseDetailMaat("1200");
    EXPECT_EQ(plain.size, "1200");
    EXPECT_EQ(plain.further, none);
    const DetailSize seven = parseDetailMaat("1200,,,L,,,9");
    EXPECT_EQ(seven.size, "1200");
    EXPECT_EQ(seven.further, QStringList({"", "", "L", "", "", "9"}));
    EXPECT_EQ(parseDetailMaat("800,x").further, QStringList({"x", "", "", "", "", ""}));
}

TEST(OrderNotitie, MarkersByModeAndOrigin)
{
    const struct { bool desk; bool customerFile; const char* notes; const char* remark; const char* stored; } cases[] = {
        {false, false, "  Graag bellen\nvoor levering ", "OB", "Graag bellen\nvoor levering"},
        {false, false, "  ", "", ""},
        {true, true, " klant ", " ob ", "[Notitie]klant[OB]ob"},
        {true, true, "klant", "", "[Notitie]klant[OB]"},
        {true, false, "klant", " bevestiging ", "bevestiging"},
        {true, false, "", "  ", ""},
        {true, true, "", "", ""},  // nothing to write
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatOrderNotitie(c.desk, c.customerFile, c.notes, c.remark), c.stored) << c.stored;

    const NotesAndRemark both = parseOrderNotitie("[Notitie]T\nregel[OB]opmerking");
    EXPECT_TRUE(both.markers);
    EXPECT_EQ(both.notes, "T\nregel");
    EXPECT_EQ(both.remark, "opmerking");
    const NotesAndRemark onlyNotes = parseOrderNotitie("[Notitie]T[OB]");
    EXPECT_TRUE(onlyNotes.markers);
    EXPECT_EQ(onlyNotes.notes, "T");
    EXPECT_EQ(onlyNotes.remark, "");
    const NotesAndRemark plain = parseOrderNotitie("gewoon [OB] tekst");
    EXPECT_FALSE(plain.markers);
    EXPECT_EQ(plain.notes, "gewoon [OB] tekst");
}
