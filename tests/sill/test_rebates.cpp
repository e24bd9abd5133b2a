// The rebate text is read back column by column when a line is stored, so
// every column is checked exactly; the description lines must never repeat
// or overwrite what the user typed.
#include "RebateCatalog.h"
#include "data/Catalog.h"
#include "order/OrderModel.h"
#include "sill/Rebates.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vonu;
using namespace vonu::sponning;

namespace {

// Columns start..start+width-1 (1-based) of a text.
QString cols(const QString& text, int start, int width)
{
    return text.mid(start - 1, width);
}

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

std::string s(const QString& text)
{
    return text.toStdString();
}

} // namespace

TEST(RebateText, ColumnsOfEveryShape)
{
    using Z = Zijde;
    struct Case {
        const char* name;
        std::optional<Sponning> a, b;
        const char* summary;
        const char* artA; const char* maatA; char zijdeA;
        const char* artB; const char* maatB; char zijdeB;
    };
    const Case cases[] = {
        {"both sides", Sponning{"SP20", "20", Z::LinksEnRechts}, std::nullopt, "20B", "SP20", "20", 'B', "", "", ' '},
        {"left and right", Sponning{"SP20", "15", Z::AlleenLinks}, Sponning{"SP30", "18", Z::AlleenRechts},
         "15L/18R", "SP20", "15", 'L', "SP30", "18", 'R'},
        {"no size", Sponning{"SP20", "", Z::LinksEnRechts}, std::nullopt, "*", "SP20", "0", 'B', "", "", ' '},
        {"two without size", Sponning{"SP20", " ", Z::AlleenLinks}, Sponning{"SP30", "", Z::AlleenRechts},
         "*/*", "SP20", "0", 'L', "SP30", "0", 'R'},
        {"size with x and comma", Sponning{"SP20", "20x15", Z::AlleenRechts}, std::nullopt, "20x15R", "SP20", "20x15", 'R', "", "", ' '},
        {"decimal comma", Sponning{"SP20", "20,5", Z::LinksEnRechts}, std::nullopt, "20,5B", "SP20", "20,5", 'B', "", "", ' '},
        {"longest values keep their columns", Sponning{"ABCDEFGHIJKLMNOPQR", "123456789012", Z::AlleenLinks},
         Sponning{"SP30", "999999999999", Z::AlleenRechts}, "123456789012L/999999999999R", "ABCDEFGHIJKLMNOP",
         "123456789012", 'L', "SP30", "999999999999", 'R'},
    };
    for (const Case& c : cases) {
        const QString t = maakTekst(c.a, c.b);
        ASSERT_EQ(t.size(), TekstLengte) << c.name;
        EXPECT_EQ(s(cols(t, 1, 30)), s(QString::fromUtf8(c.summary).leftJustified(30))) << c.name;
        EXPECT_EQ(s(cols(t, 31, 16)), s(QString::fromUtf8(c.artA).leftJustified(16))) << c.name;
        EXPECT_EQ(s(cols(t, 47, 12)), s(QString::fromUtf8(c.maatA).leftJustified(12))) << c.name;
        EXPECT_EQ(t.at(58), QLatin1Char(c.zijdeA)) << c.name;
        EXPECT_EQ(t.at(59), QLatin1Char(' ')) << c.name;
        EXPECT_EQ(s(cols(t, 61, 16)), s(QString::fromUtf8(c.artB).leftJustified(16))) << c.name;
        EXPECT_EQ(s(cols(t, 77, 12)), s(QString::fromUtf8(c.maatB).leftJustified(12))) << c.name;
        EXPECT_EQ(t.at(88), QLatin1Char(c.zijdeB)) << c.name;
        EXPECT_EQ(t.at(89), QLatin1Char(' ')) << c.name;
    }
    EXPECT_EQ(s(maakTekst(std::nullopt, std::nullopt)), s(blanks(90)));
}

TEST(RebateText, ReadingBackRecordsAndCounts)
{
    const QString two = maakTekst(Sponning{"SP20", "15", Zijde::AlleenLinks}, Sponning{"SP30", "", Zijde::AlleenRechts});
    const VastgelegdeSponning a = vastgelegd(two, 1);
    const VastgelegdeSponning b = vastgelegd(two, 2);
    EXPECT_EQ(a.artikel, "SP20");
    EXPECT_EQ(a.maat, "15");
    EXPECT_EQ(a.zijde, QLatin1Char('L'));
    EXPECT_EQ(b.artikel, "SP30");
    EXPECT_EQ(b.maat, "0");
    EXPECT_EQ(zijdeVanLetter(b.zijde), Zijde::AlleenRechts);
    EXPECT_EQ(aantalVastgelegd(two), 2);
    EXPECT_EQ(aantalVastgelegd(maakTekst(Sponning{"SP20", "20", Zijde::LinksEnRechts}, std::nullopt)), 1);
    // Stored orders may carry shorter or empty texts: they read as blank.
    EXPECT_EQ(aantalVastgelegd(QString()), 0);
    EXPECT_EQ(aantalVastgelegd(QStringLiteral("20B") + blanks(27) + "SP20"), 1);
    EXPECT_FALSE(vastgelegd(two, 3).aanwezig());
    EXPECT_EQ(zijdeVanLetter(QLatin1Char(' ')), Zijde::LinksEnRechts);
}

TEST(RebateText, DescriptionLines)
{
    struct Case {
        std::optional<Sponning> a, b;
        const char* tekst1;
        const char* tekst2;
    };
    const Case cases[] = {
        {Sponning{"SP20", "20", Zijde::LinksEnRechts}, std::nullopt, "SPONNING  20 mm.", ""},
        {Sponning{"SP20", "15", Zijde::AlleenLinks}, Sponning{"SP30", "18", Zijde::AlleenRechts},
         "SPONNING LINKS 15 mm. RECHTS 18 mm.", "VAN BUITENAF GEZIEN"},
        {Sponning{"SP20", "", Zijde::LinksEnRechts}, std::nullopt, "SPONNING  0 mm.", ""},
        {Sponning{"SP20", "12", Zijde::AlleenRechts}, std::nullopt, "SPONNING RECHTS 12 mm.", "VAN BUITENAF GEZIEN"},
        {Sponning{"SP20", "20x15", Zijde::AlleenLinks}, std::nullopt, "SPONNING LINKS 20x15 mm.", "VAN BUITENAF GEZIEN"},
        {std::nullopt, std::nullopt, "", ""},
    };
    for (const Case& c : cases) {
        const Omschrijvingen o = omschrijvingen(maakTekst(c.a, c.b));
        EXPECT_EQ(s(o.tekst1), c.tekst1);
        EXPECT_EQ(s(o.tekst2), c.tekst2);
    }
}

TEST(RebateText, GeneratedLinesAreRecognised)
{
    const std::pair<const char*, bool> cases[] = {
        {"SPONNING  20 mm.", true},
        {"SPONNING LINKS 15 mm. RECHTS 18 mm.  ", true},
        {"VAN BUITENAF GEZIEN", true},
        {"  VAN BUITENAF GEZIEN ", true},
        {"SPONNING 20 MM", false},           // user text
        {"SPONNINGEN VOLGENS TEKENING", false},
        {" SPONNING  20 mm.", false},        // begins with a blank: typed by hand
        {"", false},
    };
    for (const auto& [text, generated] : cases)
        EXPECT_EQ(isGegenereerd(QString::fromUtf8(text)), generated) << text;
}

TEST(RebateText, PlacingDescriptionsKeepsUserTextAndNeverRepeats)
{
    const Omschrijvingen beide{"SPONNING  20 mm.", ""};
    const Omschrijvingen zijden{"SPONNING LINKS 15 mm.", "VAN BUITENAF GEZIEN"};
    struct Case {
        const char* name;
        const char* tweede;
        const char* derde;
        Omschrijvingen teksten;
        const char* tweedeNa;
        const char* derdeNa;
        Plaatsing uitkomst;
    };
    const Case cases[] = {
        {"room for both", "", "", zijden, "SPONNING LINKS 15 mm.", "VAN BUITENAF GEZIEN", Plaatsing::Geplaatst},
        {"earlier texts replaced", "SPONNING  12 mm.", "VAN BUITENAF GEZIEN", zijden, "SPONNING LINKS 15 mm.",
         "VAN BUITENAF GEZIEN", Plaatsing::Geplaatst},
        {"earlier texts removed for one line", "SPONNING LINKS 15 mm.", "VAN BUITENAF GEZIEN", beide,
         "SPONNING  20 mm.", "", Plaatsing::Geplaatst},
        {"user text in both", "KLANT A", "KLANT B", beide, "KLANT A", "KLANT B", Plaatsing::Vol},
        {"user text in second", "KLANT A", "", zijden, "KLANT A", "SPONNING LINKS 15 mm.", Plaatsing::NietCompleet},
        {"user text in third, one line", "", "KLANT B", beide, "SPONNING  20 mm.", "KLANT B", Plaatsing::Geplaatst},
        {"user text in third after an earlier one", "SPONNING  20 mm.", "KLANT B", zijden, "SPONNING LINKS 15 mm.",
         "KLANT B", Plaatsing::NietCompleet},
        {"no rebate left: generated texts go", "VAN BUITENAF GEZIEN", "SPONNING  20 mm.", Omschrijvingen{}, "", "",
         Plaatsing::Geplaatst},
        {"no rebate and user texts: nothing to report", "KLANT A", "KLANT B", Omschrijvingen{}, "KLANT A", "KLANT B",
         Plaatsing::Geplaatst},
    };
    for (const Case& c : cases) {
        OrderModel order;
        order.setField(4, Veld::Omschrijving_1, "EIGEN");
        order.setField(4, Veld::Omschrijving_2, QString::fromUtf8(c.tweede));
        order.setField(4, Veld::Omschrijving_3, QString::fromUtf8(c.derde));
        EXPECT_EQ(plaatsOmschrijvingen(order, 4, c.teksten), c.uitkomst) << c.name;
        EXPECT_EQ(s(order.field(4, Veld::Omschrijving_2)), c.tweedeNa) << c.name;
        EXPECT_EQ(s(order.field(4, Veld::Omschrijving_3)), c.derdeNa) << c.name;
        EXPECT_EQ(order.field(4, Veld::Omschrijving_1), "EIGEN") << c.name;
    }
    EXPECT_EQ(plaatsingMelding(Plaatsing::Vol), "Detailtekst vol, handmatig invoeren!");
    EXPECT_EQ(plaatsingMelding(Plaatsing::NietCompleet), "Detailtekst niet compleet, handmatig invoeren!");
    EXPECT_EQ(plaatsingMelding(Plaatsing::Geplaatst), "");
}

namespace {

class RebateRules : public ::testing::Test {
protected:
    RebateRules() { EXPECT_TRUE(catalog.loadText(QString::fromUtf8(test::RebateCatalogXml))); }

    void operations(int line, const std::vector<std::pair<int, const char*>>& rows)
    {
        for (const auto& [row, code] : rows)
            order.setBewerking(line, row, 1, QString::fromUtf8(code));
    }

    Catalog catalog;
    OrderModel order;
};

} // namespace

TEST_F(RebateRules, RebateOperationsInRowOrderAtMostTwo)
{
    order.setField(2, Veld::Artikel, "OD67");
    operations(2, {{1, "BOOR"}, {3, "SP30"}, {5, " SP20 "}, {7, "SP20"}, {8, "ONBEKEND"}});
    const auto found = sponningBewerkingen(order, catalog, 2);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].rij, 3);
    EXPECT_EQ(found[0].artikel, "SP30");
    EXPECT_EQ(found[0].omschrijving1, "Sponning 30");
    EXPECT_EQ(found[1].rij, 5);
    EXPECT_EQ(found[1].artikel, "SP20");
    EXPECT_EQ(found[1].omschrijving2, "eind");

    // A customer article text finds the catalog article by its code part.
    order.setField(2, Veld::Artikel, QStringLiteral("A12 *").leftJustified(30) + "OD67");
    EXPECT_EQ(sponningBewerkingen(order, catalog, 2).size(), 2u);
    order.setField(2, Veld::Artikel, "VB300");
    EXPECT_TRUE(sponningBewerkingen(order, catalog, 2).empty());
    order.setField(2, Veld::Artikel, "ONBEKEND");
    EXPECT_TRUE(sponningBewerkingen(order, catalog, 2).empty());
}

TEST_F(RebateRules, FlagFieldAndDialogAfterAnOperationChange)
{
    const QString een = maakTekst(Sponning{"SP20", "20", Zijde::AlleenLinks}, std::nullopt);
    const QString twee =
        maakTekst(Sponning{"SP20", "20", Zijde::AlleenLinks}, Sponning{"SP30", "20", Zijde::AlleenRechts});
    struct Case {
        const char* name;
        std::vector<std::pair<int, const char*>> rows;
        bool vlagVoor;
        QString tekstVoor;
        int bewerkingen;
        bool vlagNa;
        bool gewijzigd;
        bool dialoog;
        bool tekstLeeg;
    };
    const Case cases[] = {
        {"first rebate operation", {{1, "SP20"}}, false, {}, 1, true, true, true, true},
        {"second rebate, one recorded", {{1, "SP20"}, {2, "SP30"}}, true, een, 2, true, false, true, false},
        {"two recorded: no dialog", {{1, "SP20"}, {2, "SP30"}}, true, twee, 2, true, false, false, false},
        {"a third never recorded is not counted", {{1, "SP20"}, {2, "SP30"}, {3, "SP20"}}, true, twee, 2, true, false,
         false, false},
        {"other operation only", {{1, "BOOR"}}, false, {}, 0, false, false, false, true},
        {"only rebate operation removed", {{1, "BOOR"}}, true, een, 0, false, true, false, true},
        {"stale text under a clear flag is emptied", {{1, "SP20"}}, false, een, 1, true, true, true, true},
    };
    for (const Case& c : cases) {
        OrderModel fresh;
        order = fresh;
        order.setField(2, Veld::Artikel, "OD67");
        operations(2, c.rows);
        order.setFlag(2, Vlag::Sponning, c.vlagVoor);
        order.setField(2, Veld::Sponning, c.tekstVoor);
        const Controle r = controleerNaBewerking(order, catalog, 2);
        EXPECT_EQ(r.bewerkingen, c.bewerkingen) << c.name;
        EXPECT_EQ(r.veldGetoond, c.vlagNa) << c.name;
        EXPECT_EQ(order.flag(2, Vlag::Sponning), c.vlagNa) << c.name;
        EXPECT_EQ(r.veldGewijzigd, c.gewijzigd) << c.name;
        EXPECT_EQ(r.dialoogNodig, c.dialoog) << c.name;
        EXPECT_EQ(order.field(2, Veld::Sponning).isEmpty(), c.tekstLeeg) << c.name;
    }
}
