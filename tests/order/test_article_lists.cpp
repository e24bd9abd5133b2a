// Article lists, offers and the two order checks, on the small entry
// catalog and profile.
#include "data/Catalog.h"
#include "data/CustomerProfile.h"
#include "order/ArticleLists.h"
#include "order/OfferLists.h"
#include "order/OrderModel.h"
#include "order/OrderValidation.h"
#include "OrderEntryFixture.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

using namespace vonu;

namespace {

class Lists : public ::testing::Test {
protected:
    Lists()
    {
        EXPECT_TRUE(catalog.loadText(QString::fromUtf8(test::EntryCatalogXml)));
        EXPECT_TRUE(profile.loadText(QString::fromUtf8(test::EntryProfileXml)));
    }
    Catalog catalog;
    CustomerProfile profile;
    ArticleLists lists;
};

} // namespace

TEST(CustomerNumberEntry, NumberStarAndBlanksUpToThirtyThenTheCode)
{
    const QString e = ArticleLists::customerNumberEntry("A12", "ONDER100");
    EXPECT_EQ(e, QStringLiteral("A12 *") + QString(25, u' ') + "ONDER100");
    EXPECT_EQ(Catalog::catalogCodeOf(e), "ONDER100");
    // A long number loses its end, never the code.
    EXPECT_EQ(ArticleLists::customerNumberEntry(QString(40, u'9'), "X"), QString(30, u'9') + "X");
}

TEST_F(Lists, CustomerModeOffersGeneralCustomerAndOwnNumberEntriesSorted)
{
    lists.fill(profile, 0, catalog, false);
    const QStringList expected{"",
                               ArticleLists::customerNumberEntry("A12", "KLANT1"),
                               ArticleLists::customerNumberEntry("B7", "KLANT2"),
                               "KLANT1", "KLANT2", "MTR", "ON100", "ONDER200", "OPM300", "STUK"};
    EXPECT_EQ(lists.entries(), expected);
    EXPECT_EQ(lists.indexOf("  ON100 "), 6);
    EXPECT_EQ(lists.indexOf(""), 0);
    EXPECT_EQ(lists.indexOf("BALI1"), 0);
    EXPECT_EQ(lists.firstStartingWith("ON"), 6);
    EXPECT_EQ(lists.firstStartingWith("OND"), 7);
    EXPECT_EQ(lists.firstStartingWith(""), 0);
    EXPECT_EQ(lists.firstStartingWith("on"), -1);  // exact case

    // Address 02 lists nothing itself: KLANT1 and its number are gone.
    lists.fill(profile, 1, catalog, false);
    EXPECT_EQ(lists.indexOf("KLANT1"), 0);
    EXPECT_GT(lists.indexOf("KLANT2"), 0);
}

TEST_F(Lists, OrderDeskAddsDeskArticlesAndFiltersByOrderType)
{
    lists.fill(profile, 1, catalog, true);
    EXPECT_GT(lists.indexOf("BALI1"), 0);
    EXPECT_EQ(lists.indexOf("NOOIT"), 0);

    // A sill order offers only sill articles; an article without a product
    // group is never offered, and leaves no gap in the customer list.
    const SillArticleQuery sill = [](const QString& code) -> std::optional<bool> {
        if (code == "ON100" || code == "KLANT2" || code == "EKK")
            return true;
        if (code == "KLANT1")
            return std::nullopt;
        return false;
    };
    lists.fill(profile, 0, catalog, true, OrderType::Sill, sill);
    const QStringList expected{"", ArticleLists::customerNumberEntry("B7", "KLANT2"), "KLANT2", "ON100"};
    EXPECT_EQ(lists.entries(), expected);
    const CustomerArticleList& k = lists.customerArticles();
    EXPECT_EQ(k.count(), 3);
    EXPECT_EQ(k.find("ON100"), 0);
    EXPECT_EQ(k.find("EKK"), 2);
}

TEST_F(Lists, ShippingAddressExecutionsWinDebtorLevelFillsTheEmptyOnes)
{
    lists.fill(profile, 0, catalog, false);
    const CustomerArticleList& k = lists.customerArticles();
    ASSERT_EQ(k.count(), 4);  // KLANT1, ON100, then KLANT2, EKK from the debtor level
    const KlantArtikel* on = k.lookup("ON100");
    ASSERT_NE(on, nullptr);
    EXPECT_EQ(on->uitvoering1, "Geboord");
    EXPECT_EQ(on->uitvoering2, "Ongeboord");
    EXPECT_EQ(k.find("EKK"), 3);
    EXPECT_EQ(k.find("NIETS"), -1);

    lists.fill(profile, 1, catalog, false);
    EXPECT_EQ(lists.customerArticles().lookup("ON100")->uitvoering1, "Ongeboord");
}

TEST(CustomerArticles, TheListHoldsTwoHundredFiftyEntries)
{
    QString xml = "<Morvek><Sleutel><Verzendadressen><Verzendadres Verzend=\"01\"><Verzendadresartikelen>";
    for (int i = 0; i < 300; ++i)
        xml += QString("<Verzendadresartikel Artikel=\"A%1\"><VerzendadresartikelArtikelKlant>K%1"
                       "</VerzendadresartikelArtikelKlant></Verzendadresartikel>").arg(i);
    xml += "</Verzendadresartikelen></Verzendadres></Verzendadressen></Sleutel></Morvek>";
    CustomerProfile p;
    ASSERT_TRUE(p.loadText(xml));
    Catalog c;
    ASSERT_TRUE(c.loadText("<Morvek><Assortiment/></Morvek>"));
    ArticleLists lists;
    lists.fill(p, 0, c, false);
    EXPECT_EQ(lists.customerArticles().count(), 250);
    EXPECT_TRUE(lists.customerArticles().contains("A249"));
    EXPECT_FALSE(lists.customerArticles().contains("A250"));
    // 251 entries are looked at: the 251st still gives its number entry.
    EXPECT_EQ(lists.entries().size(), 1 + 251);
}

TEST(OrderTypeCaption, PrefixIsReplacedNeverRepeated)
{
    const struct {
        const char* caption;
        OrderType type;
        const char* expected;
    } cases[] = {
        {"Morvek VonuOrder", OrderType::Sill, "Onderdorpelorder in Morvek VonuOrder"},
        {"Onderdorpelorder in Morvek VonuOrder", OrderType::Normal, "Normale order in Morvek VonuOrder"},
        {"Normale order in Morvek VonuOrder", OrderType::Normal, "Normale order in Morvek VonuOrder"},
        {"Normale order in X", OrderType::Undetermined, "Normale order in X"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(orderTypeCaption(c.caption, c.type), c.expected) << c.caption;
}

// ------------------------------------------------------------------ offers

TEST_F(Lists, SubArticleAndOperationOffersFollowTheirClasses)
{
    lists.fill(profile, 0, catalog, false);
    const TXMLArtikel on = catalog.article("ON100");
    const CustomerArticleList& k = lists.customerArticles();
    EXPECT_EQ(OfferLists::subartikelChoices(on, k, false), (QStringList{"", "EK", "EKK"}));
    EXPECT_EQ(OfferLists::subartikelChoices(on, k, true), (QStringList{"", "EK", "EKK", "EKI"}));
    // "R" is never listed, whoever asks; it asks for a colour instead.
    EXPECT_EQ(OfferLists::bewerkingChoices(on, k, false), (QStringList{"", "BOOR"}));
    EXPECT_EQ(OfferLists::bewerkingChoices(on, k, true), (QStringList{"", "BOOR", "BI"}));
    EXPECT_TRUE(OfferLists::offersColour(on));
    const TXMLArtikel stuk = catalog.article("STUK");
    EXPECT_TRUE(OfferLists::subartikelChoices(stuk, k, false).isEmpty());
    EXPECT_FALSE(OfferLists::offersColour(stuk));
    EXPECT_TRUE(OfferLists::needsCorrection(on, {"", "EKK", "EK "}));
    EXPECT_FALSE(OfferLists::needsCorrection(on, {"EKK"}));
}

TEST_F(Lists, DefaultExecutions)
{
    const TXMLArtikel on = catalog.article("ON100");
    const TXMLArtikel onder = catalog.article("ONDER200");
    const KlantArtikel geboord{"ON100", "Geboord", "Geboord"};
    const KlantArtikel anders{"ON100", "X", "X"};
    const KlantArtikel leeg{"ON100", "", ""};
    const KlantArtikel ongeboord{"ON100", "Ongeboord", "Ongeboord"};
    EXPECT_EQ(OfferLists::tradeLengthExecution(on, nullptr), "Geboord");
    EXPECT_EQ(OfferLists::tradeLengthExecution(on, &leeg), "Geboord");
    EXPECT_EQ(OfferLists::tradeLengthExecution(on, &anders), "Ongeboord");
    EXPECT_EQ(OfferLists::tradeLengthExecution(on, &ongeboord), "Ongeboord");
    EXPECT_EQ(OfferLists::madeToMeasureExecution(on, &anders), "Geboord");
    EXPECT_EQ(OfferLists::madeToMeasureExecution(on, &ongeboord), "Ongeboord");
    EXPECT_EQ(OfferLists::madeToMeasureExecution(onder, nullptr), "Ongeboord");
    EXPECT_EQ(OfferLists::madeToMeasureExecution(onder, &geboord), "Geboord");
}

// ---------------------------------------------------------------- size check

TEST_F(Lists, SizeCheckBoundaries)
{
    const QByteArray klant = ArticleLists::customerNumberEntry("A12", "ON100").toUtf8();
    const struct {
        const char* artikel;
        const char* label;
        const char* size;
        const char* result;
        const char* status;
    } cases[] = {
        {"ON100", "4", "499", "0", "Regel 4, maat 499 te klein, kies andere maat..."},
        {"ON100", "4", "500", "500", ""},
        {"ON100", "3/2", "6000", "6000", ""},
        {"ON100", "3/2", "7000", "0", "Regel 3/2, maat 7000 te groot, kies andere maat..."},
        {"ON100", "1", "", "0", "Maat, verplichte invoer!"},
        {"MTR", "1", "99999", "99999", ""},     // no bounds
        // Nothing is made 0 mm long, bounds or not.
        {"MTR", "1", "0", "0", "Regel 1, maat 0 te klein, kies andere maat..."},
        {"ONDER200", "2/1", "0000", "0", "Regel 2/1, maat 0000 te klein, kies andere maat..."},
        {"ONBEKEND", "1", "1", "1", ""},        // not in the catalog
        {klant.constData(), "2", "100", "0",
         "Regel 2, maat 100 te klein, kies andere maat..."},
    };
    for (const auto& c : cases) {
        const SizeCheckResult r = checkSize(catalog, c.artikel, c.label, c.size);
        EXPECT_EQ(r.size, c.result) << c.artikel << " " << c.size;
        EXPECT_EQ(r.status, QString::fromUtf8(c.status)) << c.artikel << " " << c.size;
        EXPECT_EQ(r.beep, QByteArray(c.status).contains("kies")) << c.size;
    }
}

// -------------------------------------------------------- completeness check

TEST(Completeness, FirstFaultyLineGivesUpToThreeMessages)
{
    struct Line {
        int line;
        std::vector<Vlag> flags;
        const char* aantal;
        const char* sponning;
        const char* maat;
    };
    const struct {
        std::vector<Line> lines;
        QStringList expected;
    } cases[] = {
        {{{2, {Vlag::Aantal, Vlag::Details}, "", "", ""}, {1, {Vlag::Aantal}, "3", "", ""}},
         {"Geen aantallen en maten ingevoerd in regel 2."}},
        {{{5, {Vlag::Aantal}, "", "", ""}}, {"Geen aantal ingevoerd in regel 5."}},
        {{{3, {Vlag::Aantal, Vlag::Sponning, Vlag::MaatInvoer}, "2*/1,0", "*", " "}},
         {"Detail in regel 3 niet ingevoerd.", "Sponning in regel 3 niet ingevoerd.",
          "Geen maat ingevoerd in regel 3."}},
        {{{7, {Vlag::Sponning}, "", "*", ""}, {8, {Vlag::Aantal}, "", "", ""}},
         {"Sponning in regel 7 niet ingevoerd."}},
        {{{100, {Vlag::MaatInvoer}, "", "", ""}}, {"Geen maat ingevoerd in regel 100."}},
        // "0" is what a refused size leaves behind.
        {{{4, {Vlag::Aantal, Vlag::MaatInvoer}, "2", "", "0"}}, {"Geen maat ingevoerd in regel 4."}},
        {{{1, {Vlag::Aantal, Vlag::Sponning, Vlag::MaatInvoer}, "4", "20B", "1200"}, {9, {}, "", "*", ""}}, {}},
    };
    for (const auto& c : cases) {
        OrderModel order;
        for (const Line& l : c.lines) {
            order.setField(l.line, Veld::Artikel, "ON100");
            for (Vlag f : l.flags)
                order.setFlag(l.line, f, true);
            order.setField(l.line, Veld::Aantal, l.aantal);
            order.setField(l.line, Veld::Sponning, l.sponning);
            order.setField(l.line, Veld::Maat, l.maat);
        }
        EXPECT_EQ(incompleteLineMessages(order), c.expected) << c.expected.value(0).toStdString();
        test::ScriptedMessages messages;
        EXPECT_EQ(reportIncompleteOrder(order, messages), !c.expected.isEmpty());
        ASSERT_EQ(messages.count(), c.expected.size());
        for (const MessageRequest& m : messages.shown) {
            EXPECT_EQ(m.caption, "Fout");
            EXPECT_EQ(m.lines.value(0), "");
            EXPECT_EQ(m.buttons, QStringList{"OK"});
        }
    }
}
