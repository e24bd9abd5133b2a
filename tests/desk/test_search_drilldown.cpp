// The search screen's information strip and F5 drill-down against the real
// server, with the demo's settings rows: the relations show their delivery
// instruction under the grid, the debtors drill down to their orders.
#include "data/AppState.h"
#include "desk/DeskOrderEntry.h"
#include "desk/SearchQueries.h"
#include "desk/VonuOrderExtra.h"
#include "desk/VonuOrderZoek.h"
#include "order/VonuOrder.h"
#include "sill/VonuOrderSponning.h"
#include "support/DatabaseFixture.h"
#include "support/DemoFiles.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace vonu;

namespace {

TEST(SearchDrillDown, OnlyOneSelectEndingInAColumnIsADrillDown)
{
    const struct {
        const char* info;
        bool valid;
        const char* caption;
        const char* column;
    } cases[] = {
        {"Orders, select \"order\", Status from \"order\" where Debnr", true, "Orders", "Debnr"},
        {" Orders ,SELECT * FROM \"order\" WHERE \"order\".Debnr ", true, "Orders", "Debnr"},
        {"Orders, select * from \"order\" where \"Debnr\"", true, "Orders", "Debnr"},
        {"", false, "", ""},
        {"Orders", false, "", ""},
        {", select * from \"order\" where Debnr", false, "", ""},
        {"Orders, select * from \"order\" where", false, "", ""},
        {"Orders, select * from \"order\" where Debnr = 1", false, "", ""},
        {"Orders, delete from \"order\" where Debnr", false, "", ""},
        {"Orders, select 1; delete from \"order\" where Debnr", false, "", ""},
    };
    for (const auto& c : cases) {
        const auto d = SearchDrillDown::parse(QString::fromUtf8(c.info));
        ASSERT_EQ(d.has_value(), c.valid) << c.info;
        if (!d)
            continue;
        EXPECT_EQ(d->caption, c.caption) << c.info;
        EXPECT_EQ(d->column, c.column) << c.info;
    }
}

class SearchExtras : public test::SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        if (!ready())
            return;
        queries = std::make_unique<SearchQueries>(*session);
    }

    std::unique_ptr<TVonuOrderZoekscherm> open(const QString& title, const QString& initial)
    {
        auto screen = std::make_unique<TVonuOrderZoekscherm>(*queries, messages, "Balie1", "1");
        EXPECT_TRUE(screen->setUp(title, initial, {}));
        return screen;
    }

    static int rowOf(const QTableWidget* grid, int column, const QString& text)
    {
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->item(r, column) && grid->item(r, column)->text().trimmed() == text)
                return r;
        return -1;
    }

    std::unique_ptr<SearchQueries> queries;
};

TEST_F(SearchExtras, TheStripShowsTheCurrentRowsInstructionAndHidesWithoutOne)
{
    auto screen = open("Relaties", "");
    EXPECT_TRUE(screen->stripLabel()->isVisibleTo(screen.get()));
    EXPECT_EQ(screen->stripLabel()->text(), "Instructie:");
    const struct {
        const char* relatie;
        bool shown;
        const char* first;
        const char* second;
    } cases[] = {
        {"1002", true, "Lossen aan de achterzijde, ingang Handelsweg 6", "Bellen bij aankomst: 030-6912345"},
        {"1004", false, "", ""},
        {"1003", true, "Bouwterrein alleen bereikbaar via Koningslaan", "Lossen tussen 7:00 en 15:00 uur"},
    };
    for (const auto& c : cases) {
        const int row = rowOf(screen->data(), 0, c.relatie);
        ASSERT_GE(row, 0) << c.relatie;
        screen->data()->setCurrentCell(row, 0);
        EXPECT_EQ(screen->stripText(0)->isVisibleTo(screen.get()), c.shown) << c.relatie;
        EXPECT_EQ(screen->stripText(0)->text(), c.first) << c.relatie;
        EXPECT_EQ(screen->stripText(1)->text(), c.second) << c.relatie;
    }
    // A search that leaves no row hides the texts.
    screen->typeText("GEEN-ZOEKNAAM");
    EXPECT_EQ(screen->data()->rowCount(), 0);
    EXPECT_FALSE(screen->stripText(0)->isVisibleTo(screen.get()));
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(SearchExtras, F5ShowsTheDebtorsOrdersAndSelectOrEscapeGoesBackToTheList)
{
    ASSERT_TRUE(db->exec("insert into \"order\" (\"order\", Status, Debnr, Datum, Ordref_1) values "
                         "('   24017', 'Productie', '104711', '2026-03-02', 'Project O''Brien'), "
                         "('   24018', 'Offerte', '104712', '2026-03-03', 'Ander')"));
    auto screen = open("Debiteuren", "104711");
    screen->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    ASSERT_EQ(screen->data()->rowCount(), 1);
    screen->data()->setCurrentCell(0, 0);

    QTest::keyClick(screen->data(), Qt::Key_F5);
    ASSERT_TRUE(screen->inDrillDown());
    EXPECT_EQ(screen->windowTitle(), "1 Orders bij Debnr 104711");
    QTableWidget* grid = screen->drillGrid();
    EXPECT_TRUE(grid->isVisible());
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->item(0, 0)->text(), "   24017");
    EXPECT_EQ(grid->item(0, 3)->text(), "Project O'Brien");
    EXPECT_FALSE(screen->zoekWijze()->isVisible());
    EXPECT_FALSE(screen->drillDown()) << "no drill-down within the drill-down";

    // Enter leaves the drill-down; the screen stays open with its list.
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_FALSE(screen->inDrillDown());
    EXPECT_TRUE(screen->isVisible());
    EXPECT_FALSE(screen->chosen().has_value());
    EXPECT_EQ(screen->windowTitle(), "1 Debiteuren");
    EXPECT_TRUE(screen->zoekWijze()->isVisible());

    // Escape in the drill-down leaves it too; then Enter chooses the debtor.
    ASSERT_TRUE(screen->drillDown());
    screen->cancel();
    EXPECT_TRUE(screen->isVisible());
    screen->select();
    EXPECT_EQ(screen->chosen(), std::optional<QString>("104711"));
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(SearchExtras, AScreenWithoutDrillDownOrStripHasNeither)
{
    auto screen = open("Leveringswijzen", "");
    screen->data()->setCurrentCell(0, 0);
    EXPECT_FALSE(screen->drillDown());
    EXPECT_FALSE(screen->stripLabel()->isVisibleTo(screen.get()));
    EXPECT_FALSE(screen->stripText(0)->isVisibleTo(screen.get()));
}

TEST_F(SearchExtras, TheDesksPanelSearchesOfferTheLinesSubArticlesOrItsOperations)
{
    AppState state(db->workingFolder("Balie1"));
    state.internalMode = true;
    ASSERT_TRUE(state.catalog.loadText(test::demoFile("Assortiment.Xml")));
    TVonuOrderscherm screen(fake.platform, state, sponningKoppeling());
    TVonuOrderExtrascherm extra(fake.platform);
    DeskOrderEntry desk(screen, extra, *session);
    screen.order().setField(1, Veld::Artikel, "OD67");

    const struct {
        ZoekSoort soort;
        bool tekst;
        const char* searchTitle;
    } cases[] = {
        {ZoekSoort::Subartikel, false, "(mee te leveren bij artikel OD67)"},
        {ZoekSoort::Bewerking, true, "(bewerkingen bij artikel OD67)"},
    };
    for (const auto& c : cases) {
        QString title;
        SearchOptions used;
        QStringList listed;
        // The real search with the options the desk gives, the first row chosen.
        desk.search = [&](const QString& t, const QString&, const SearchOptions& options) -> std::optional<QString> {
            title = t;
            used = options;
            const auto settings = queries->read("Balie1", t);
            if (!settings)
                return std::nullopt;
            SearchRequest r;
            r.field = settings->searchAlpha;
            r.filter = options.filter;
            const SearchResultRows rows = queries->run(*settings, r);
            for (const QStringList& row : rows.rows)
                listed << row.value(0).trimmed();
            if (listed.isEmpty())
                return std::nullopt;
            return listed.first() + "  ";
        };
        const std::optional<QString> chosen = desk.searchPanelArticle(c.soort, 1);
        EXPECT_EQ(title, "Artikelen");
        EXPECT_EQ(used.searchTitle, c.searchTitle);
        QStringList expected;
        const DbRows rows = session->select(
            "select s.SubArtikel as a from ArtikelSubArtikel s join Artikel a on a.Artikel = s.SubArtikel "
            "where s.Artikel = 'OD67' and a.Artikel <> 'MOFFELEN' and a.Tekst = ? order by s.SubArtikel",
            {c.tekst});
        for (int i = 0; i < rows.size(); ++i)
            expected << rows.text("a", i).trimmed();
        ASSERT_FALSE(expected.isEmpty()) << c.searchTitle;
        EXPECT_EQ(listed, expected) << c.searchTitle;
        EXPECT_EQ(chosen, std::optional<QString>(expected.first())) << "returned trimmed";
    }
    EXPECT_EQ(messages.count(), 0);
}

} // namespace
