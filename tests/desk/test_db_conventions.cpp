#include "desk/DbConventions.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>

using namespace vonu;

TEST(PadLeft, RightAlignsAndCutsFromTheLeft)
{
    const struct { const char* text; int width; const char* expected; } cases[] = {
        {"12", 8, "      12"},
        {"123456789", 8, "23456789"},
        {"12345678", 8, "12345678"},
        {"", 4, "    "},
        {"1", 4, "   1"},
        {"4711", 6, "  4711"},
        {"PROEF12", 8, " PROEF12"},
        {"abc", 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(padLeft(QString::fromUtf8(c.text), c.width), QString::fromUtf8(c.expected)) << c.text;
    EXPECT_EQ(orderKey(" 12 "), "      12");
    EXPECT_EQ(debtorKey("4711"), "  4711");
    EXPECT_EQ(lineKey(1), "   1");
}

TEST(SqlEscape, DoublesApostrophesAndTurnsDoubleQuotesIntoTwo)
{
    EXPECT_EQ(sqlEscape("O'Brien"), "O''Brien");
    EXPECT_EQ(sqlEscape("Zeg \"ja\""), "Zeg ''ja''");
    EXPECT_EQ(sqlEscape("geen"), "geen");
    // What the database receives from an escaped literal, as a bound value.
    EXPECT_EQ(sqlEscapedValue("O'Brien"), "O'Brien");
    EXPECT_EQ(sqlEscapedValue("Zeg \"ja\""), "Zeg 'ja'");
}

TEST(SessionUserName, LastFolderNameOfAtMostThirtyCharacters)
{
    const struct { const char* folder; const char* user; } cases[] = {
        {"C:\\Orderdesk\\Balie2", "Balie2"},
        {"  C:\\Orderdesk\\Balie2  ", "Balie2"},
        {"C:\\", ""},
        {"/", ""},
        {"/home/morvek/orderdesk/Balie3", "Balie3"},
        {"C:\\Orderdesk\\Werkplek_met_een_heel_lange_naam_2024", "Werkplek_met_een_heel_lange_na"},
        {"Balie1", "Balie1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sessionUserName(QString::fromUtf8(c.folder)), QString::fromUtf8(c.user)) << c.folder;
}

TEST(SqlIdentifier, LowerCasesAndQuotes)
{
    EXPECT_EQ(sqlIdentifier("Debiteur"), "\"debiteur\"");
    EXPECT_EQ(sqlIdentifier("Field(0)"), "\"field(0)\"");
    EXPECT_EQ(sqlIdentifier("x\"; drop table artikel; --"), "\"x\"\"; drop table artikel; --\"");
    EXPECT_EQ(sqlQualifiedIdentifier("ZoekDebiteur.Debnr"), "\"zoekdebiteur\".\"debnr\"");
    EXPECT_EQ(sqlQualifiedIdentifier("Naam"), "\"naam\"");
    EXPECT_EQ(sqlQuotedName("tmp_Balie2_x\"y"), "\"tmp_Balie2_x\"\"y\"");
}

TEST(ScratchTableName, UsersNeverShareATable)
{
    EXPECT_EQ(scratchTableName("balie2", "OrderVerpakking"), "tmp_balie2_orderverpakking");
    // Names that differ only in case stay apart.
    EXPECT_EQ(scratchTableName("Balie2", "OrderVerpakking"), "tmp_Balie2_orderverpakking");
    // Long names (30 characters of two bytes each) are not cut where the
    // server would cut them: users sharing the first characters stay apart.
    const QString a = QString(29, QChar(0xE9)) + "a";
    const QString b = QString(29, QChar(0xE9)) + "b";
    const QString na = scratchTableName(a, "ProductieOrder");
    const QString nb = scratchTableName(b, "ProductieOrder");
    EXPECT_NE(na, nb);
    EXPECT_LE(na.toUtf8().size(), 63);
    EXPECT_EQ(na, "tmp_" + QCryptographicHash::hash((a + "/productieorder").toUtf8(), QCryptographicHash::Md5).toHex());
}
