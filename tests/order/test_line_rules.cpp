// The line rules on the order alone, as opening a file, the EAN entry and
// the import use them: what an article offers, the length choice, the
// panel consequences, the details and the checks.
#include "data/Catalog.h"
#include "data/CustomerProfile.h"
#include "files/OrderDocument.h"
#include "order/ArticleLists.h"
#include "order/LineRules.h"
#include "order/OrderModel.h"
#include "sill/Rebates.h"
#include "OrderEntryFixture.h"

#include <gtest/gtest.h>

using namespace vonu;

namespace {

class Rules : public ::testing::Test {
protected:
    Rules()
    {
        EXPECT_TRUE(catalog.loadText(QString::fromUtf8(test::EntryCatalogXml)));
        EXPECT_TRUE(profile.loadText(QString::fromUtf8(test::EntryProfileXml)));
        lists.fill(profile, 0, catalog, false);
    }

    LineRules rules()
    {
        return LineRules(order, catalog, lists.customerArticles(), false,
                         [this](OrderModel& o, const Catalog& c, int line) {
                             ++rebateRuns;
                             const sponning::Controle k = sponning::controleerNaBewerking(o, c, line);
                             return SponningGevolg{k.veldGetoond, k.veldGewijzigd, k.dialoogNodig};
                         });
    }

    QString field(int line, Veld veld) const { return order.field(line, veld); }

    Catalog catalog;
    CustomerProfile profile;
    ArticleLists lists;
    OrderModel order;
    int rebateRuns = 0;
};

} // namespace

TEST_F(Rules, PreparedLineOffersWhatItsArticleHas)
{
    const struct {
        const char* artikel;
        const char* status;  // flags 1-12
        const char* lengte;
        const char* maat;
        const char* uitvoering;
    } cases[] = {
        // colour, length, size list, execution, quantity, both panels
        {"ON100", "011011101100", "Handelslengte", "3,00 Mtr", "Geboord"},
        // made to measure only, counted per piece: the typed size at once
        {"ONDER200", "001001100001", "Op maat", "", "Ongeboord"},
        // made to measure only, billed per dm: details
        {"OPM300", "001000100010", "Op maat", "", ""},
        // a trade length without sizes: the typed size
        {"MTR", "001000100001", "Handelslengte", "", ""},
        {"STUK", "000000100000", "", "", ""},
        // not in the catalog: only a quantity is known to be wanted
        {"ONBEKEND", "000000100000", "", "", ""},
        {"", "000000000000", "", "", ""},
    };
    for (const auto& c : cases) {
        // Whatever the line held before goes.
        order.setField(1, Veld::Kleur, "9010 Wit");
        order.setField(1, Veld::Aantal, "4");
        order.setSubartikel(1, 3, 1, "EK");
        order.setDetailAantal(1, 2, "1");
        rules().changeArticle(1, c.artikel);
        EXPECT_EQ(field(1, Veld::Artikel), c.artikel);
        EXPECT_EQ(order.statusText(1), c.status) << c.artikel;
        EXPECT_EQ(field(1, Veld::Lengte), c.lengte) << c.artikel;
        EXPECT_EQ(field(1, Veld::Maat), c.maat) << c.artikel;
        EXPECT_EQ(field(1, Veld::Uitvoering), c.uitvoering) << c.artikel;
        EXPECT_EQ(field(1, Veld::Kleur), "") << c.artikel;
        EXPECT_EQ(field(1, Veld::Aantal), "") << c.artikel;
        EXPECT_FALSE(order.subartikelInUse(1, 3)) << c.artikel;
        EXPECT_FALSE(order.detailInUse(1, 2)) << c.artikel;
    }

    // The typed search prepares before the article is stored.
    rules().prepareLine(2, "ON100");
    EXPECT_EQ(field(2, Veld::Artikel), "");
    EXPECT_TRUE(order.flag(2, Vlag::Maat));
}

TEST_F(Rules, LengthChoiceAndTheSizeCorrection)
{
    LineRules r = rules();
    r.changeArticle(1, "ON100");
    EXPECT_EQ(r.lengthChoices(1), (QStringList{"Handelslengte", "Op maat"}));
    EXPECT_EQ(r.sizeChoices(1), (QStringList{"3,00 Mtr", "6,00 Mtr"}));
    order.setBewerking(1, 1, 1, "BOOR");
    order.setField(1, Veld::Sponning, "20B");
    order.setField(1, Veld::Aantal, "2");

    r.changeLength(1, "Op maat");
    EXPECT_EQ(field(1, Veld::Maat), "");
    EXPECT_EQ(field(1, Veld::Aantal), "");
    EXPECT_EQ(field(1, Veld::Sponning), "");
    EXPECT_FALSE(order.bewerkingInUse(1, 1)) << "a new length starts the operations anew";
    // The debtor level gives ON100 "Ongeboord" for made to measure.
    EXPECT_EQ(field(1, Veld::Uitvoering), "Ongeboord");
    EXPECT_EQ(field(1, Veld::Omschrijving_2), "Ongeboord");
    EXPECT_TRUE(order.flag(1, Vlag::Details));
    EXPECT_FALSE(order.flag(1, Vlag::MaatInvoer));
    EXPECT_FALSE(order.flag(1, Vlag::Correctie));

    // A sub-article with a size correction offers the correction; taking it
    // away withdraws it.
    EXPECT_EQ(r.changeSubartikel(1, 2, "EK"), "");
    EXPECT_TRUE(order.flag(1, Vlag::Correctie));
    EXPECT_EQ(field(1, Veld::Correctie), "Zaagmaat");
    EXPECT_EQ(r.changeSubartikel(1, 2, ""), "EK");
    EXPECT_FALSE(order.flag(1, Vlag::Correctie));
    EXPECT_EQ(field(1, Veld::Correctie), "");

    // Back to a trade length: the first size, no details, no correction.
    r.changeSubartikel(1, 1, "EK");
    order.setDetailAantal(1, 1, "2");
    r.changeLength(1, "Handelslengte");
    EXPECT_EQ(field(1, Veld::Maat), "3,00 Mtr");
    EXPECT_EQ(field(1, Veld::Uitvoering), "Geboord");
    EXPECT_FALSE(order.flag(1, Vlag::Details));
    EXPECT_FALSE(order.detailInUse(1, 1));
    EXPECT_EQ(field(1, Veld::Correctie), "");
    r.subartikelConsequences(1);
    EXPECT_FALSE(order.flag(1, Vlag::Correctie)) << "a trade length is cut by the manufacturer";

    // The execution rewrites the description line that holds it.
    EXPECT_TRUE(r.changeExecution(1, "Ongeboord"));
    EXPECT_EQ(field(1, Veld::Omschrijving_2), "Ongeboord");
    order.setField(1, Veld::Omschrijving_2, "eigen tekst");
    EXPECT_FALSE(r.changeExecution(1, "Geboord"));
    EXPECT_EQ(field(1, Veld::Uitvoering), "Geboord");

    // Operations run the rebate rules.
    SponningGevolg g;
    EXPECT_EQ(r.changeBewerking(1, 1, "BOOR", &g), "");
    EXPECT_EQ(rebateRuns, 1);
    EXPECT_FALSE(g.veldGetoond);
}

TEST_F(Rules, SizesDetailsAndTheCompletenessCheck)
{
    LineRules r = rules();
    // A typed size on a made-to-measure line is checked; a refused one is
    // "0", which is still no size.
    r.changeArticle(1, "ONDER200");  // 300 .. 3000
    EXPECT_EQ(r.changeTypedSize(1, "299").size, "0");
    EXPECT_EQ(field(1, Veld::Maat), "0");
    order.setField(1, Veld::Aantal, "2");
    EXPECT_EQ(r.completenessMessages(), QStringList{"Geen maat ingevoerd in regel 1."});
    EXPECT_EQ(r.changeTypedSize(1, "1200").status, "");
    EXPECT_TRUE(r.completenessMessages().isEmpty());

    // A trade length's typed size is a length in metres: not checked.
    r.changeArticle(1, "MTR");
    order.setField(1, Veld::Aantal, "1");
    EXPECT_EQ(r.changeTypedSize(1, "2,5").size, "2,5");
    EXPECT_EQ(r.changeTypedSize(1, "0").size, "0");
    EXPECT_EQ(r.completenessMessages(), QStringList{"Geen maat ingevoerd in regel 1."});
    r.changeTypedSize(1, "3");

    // The quantity of a line with details always follows them.
    r.changeArticle(2, "OPM300");  // billed per dm, no bounds
    EXPECT_EQ(r.completenessMessages(), QStringList{"Geen aantallen en maten ingevoerd in regel 2."});
    EXPECT_FALSE(r.changeDetailAantal(2, 1, "2"));
    EXPECT_EQ(field(2, Veld::Aantal), "*");
    EXPECT_EQ(r.changeDetailMaat(2, 1, "1500").size, "1500");
    EXPECT_EQ(field(2, Veld::Aantal), "2/3,0");
    EXPECT_TRUE(r.completenessMessages().isEmpty());
    const SizeCheckResult refused = r.changeDetailMaat(2, 2, "0");
    EXPECT_EQ(refused.size, "0");
    EXPECT_EQ(refused.status, "Regel 2/2, maat 0 te klein, kies andere maat...");
    EXPECT_TRUE(r.changeDetailAantal(2, 2, ""));  // a size without a quantity
    r.changeDetailAantal(2, 2, "1");
    EXPECT_EQ(field(2, Veld::Aantal), "3/4,0*");  // billed at least a metre a piece
    EXPECT_EQ(r.completenessMessages(), QStringList{"Detail in regel 2 niet ingevoerd."});
    r.changeDetailMaat(2, 2, "");
    r.changeDetailAantal(2, 2, "");
    EXPECT_EQ(field(2, Veld::Aantal), "2/3,0");
}

TEST_F(Rules, ValuesTheListsNoLongerOfferAreNamed)
{
    order.setField(1, Veld::Artikel, "OUDART");
    order.setField(2, Veld::Artikel, "ON100");
    order.setFlag(2, Vlag::Maat, true);
    order.setField(2, Veld::Kleur, "1234 Paars");
    order.setField(2, Veld::Maat, "7,00 Mtr");
    order.setSubartikel(2, 4, 1, "EKX");  // "K", and this customer does not list it
    order.setBewerking(2, 1, 1, "BOOR");
    order.setField(3, Veld::Artikel, "BALI1");  // the order desk's only
    order.setField(4, Veld::Artikel, "ON100");
    order.setField(4, Veld::Maat, "6,00 Mtr");
    order.setFlag(4, Vlag::Maat, true);

    const std::vector<OnbekendeWaarde> unknown = rules().unknownValues(lists.entries(), catalog.colourEntries());
    std::vector<std::tuple<int, QString, QString>> found;
    for (const OnbekendeWaarde& u : unknown)
        found.emplace_back(u.line, u.wat, u.waarde);
    const std::vector<std::tuple<int, QString, QString>> expected{
        {1, "artikel", "OUDART"},  {2, "kleur", "1234 Paars"}, {2, "maat", "7,00 Mtr"},
        {2, "meeleveren", "EKX"}, {3, "artikel", "BALI1"},
    };
    EXPECT_EQ(found, expected);
}

TEST_F(Rules, BlankRowsAreNotInUseAndShiftNoNumbers)
{
    rules().changeArticle(1, "OPM300");
    order.setDetailAantal(1, 1, " ");
    order.setDetailMaat(1, 1, "  ");
    order.setDetailAantal(1, 2, "1");
    order.setDetailMaat(1, 2, "800");
    EXPECT_FALSE(order.detailInUse(1, 1));
    EXPECT_EQ(rules().updateDetailTotal(1), "1/1,0");
    EXPECT_EQ(order.detailScrollMaximum(1), 9);

    rules().changeArticle(2, "ON100");
    order.setSubartikel(2, 1, 1, "  ");
    order.setSubartikel(2, 2, 1, "EK");
    EXPECT_FALSE(order.subartikelInUse(2, 1));

    OrderHeader h;
    h.orderdatum = QDate(2025, 1, 2);
    const QString xml = QString::fromUtf8(buildOrderDocument(order, h).toBytes());
    EXPECT_EQ(xml.count("<OrderregelDetail "), 1) << qPrintable(xml);
    EXPECT_TRUE(xml.contains("DetailRegel=\"0\"")) << "the first detail written keeps the first number";
    EXPECT_EQ(xml.count("<OrderregelSubartikel "), 1);
}
