// The small dialogs of order entry driven as the user drives them: notes,
// description lines, delivery information and the article search with the
// placement of its result.
#include "data/Catalog.h"
#include "order/OrderModel.h"
#include "order/VonuOrderLevering.h"
#include "order/VonuOrderNotitie.h"
#include "order/VonuOrderOmschrijving.h"
#include "order/VonuOrderZoekArtikel.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vonu;

namespace {

// The dialogs here are driven by the shared modal driver.
void whenShown(std::function<void(QDialog&)> act)
{
    test::whenModal<QDialog>(std::move(act));
}

} // namespace

// ----------------------------------------------------------------- notes

TEST(NotesBehaviour, EnterInEitherMemoClosesTheScreen)
{
    using I = TVonuOrderNotitiescherm::Indeling;
    for (I indeling : {I::Klant, I::Bali}) {
        TVonuOrderNotitiescherm screen;
        QSignalSpy hidden(&screen, &TVonuOrderNotitiescherm::verborgen);
        screen.arrange(indeling);
        screen.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
        QPlainTextEdit* memo = indeling == I::Klant ? screen.notities() : screen.ob();
        EXPECT_EQ(screen.focusWidget(), memo) << int(indeling);
        QTest::keyClicks(memo, "Graag bellen");
        QTest::keyClick(memo, Qt::Key_Return);
        EXPECT_FALSE(screen.isVisible());
        EXPECT_EQ(memo->toPlainText(), "Graag bellen");  // no line break typed
        EXPECT_EQ(hidden.count(), 1);
    }
}

TEST(NotesBehaviour, CaretAtTheEndAndReadOnlyCustomerNotesAtTheDesk)
{
    TVonuOrderNotitiescherm screen;
    screen.notities()->setPlainText("Van de klant");
    screen.ob()->setPlainText("Bevestiging");
    screen.arrange(TVonuOrderNotitiescherm::Indeling::BaliMetNotities);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    EXPECT_EQ(screen.focusWidget(), screen.ob());
    EXPECT_EQ(screen.ob()->textCursor().position(), 11);
    QTest::keyClicks(screen.ob(), " extra");
    EXPECT_EQ(screen.obText(), "Bevestiging extra");
    screen.notities()->setFocus();
    EXPECT_EQ(screen.notities()->textCursor().position(), 12);
    QTest::keyClicks(screen.notities(), "x");
    EXPECT_EQ(screen.notitiesText(), "Van de klant");
    screen.close();
}

TEST(NotesBehaviour, StandardTextOnlyWithALibraryAndOnlyForTheRemark)
{
    using I = TVonuOrderNotitiescherm::Indeling;
    TVonuOrderNotitiescherm screen;
    screen.ob()->setPlainText("Levering");
    screen.arrange(I::Bali);
    EXPECT_FALSE(screen.standaardtekstActie()->isVisible());  // customer mode has no library
    screen.kiesStandaardtekst();
    EXPECT_EQ(screen.obText(), "Levering");

    int asked = 0;
    std::optional<QString> answer = QStringLiteral("op afroep");
    screen.setStandaardtekst([&] {
        ++asked;
        return answer;
    });
    EXPECT_EQ(screen.standaardtekstActie()->text(), "Standaard&tekst");
    EXPECT_EQ(screen.standaardtekstActie()->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(screen.standaardtekstActie()->isVisible());
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    QTest::keyClick(&screen, Qt::Key_F5);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(screen.obText(), "Levering op afroep");
    EXPECT_EQ(screen.focusWidget(), screen.ob());
    answer.reset();  // nothing picked
    screen.kiesStandaardtekst();
    EXPECT_EQ(screen.obText(), "Levering op afroep");
    screen.close();

    screen.arrange(I::Klant);
    EXPECT_FALSE(screen.standaardtekstActie()->isVisible());
}

TEST(NotesBehaviour, NotesButtonIsBoldWhileTheOrderHasNotes)
{
    struct Case {
        const char* notities;
        const char* ob;
        bool bold;
    };
    const Case cases[] = {{"", "", false}, {"  ", "\n ", false}, {"Bellen", "", true}, {"", "Afroep", true}};
    TVonuOrderNotitiescherm screen;
    QPushButton button("Notities");
    for (const Case& c : cases) {
        screen.notities()->setPlainText(c.notities);
        screen.ob()->setPlainText(c.ob);
        markNotitiesButton(&button, screen);
        EXPECT_EQ(button.font().bold(), c.bold) << c.notities << "|" << c.ob;
    }
    markNotitiesButton(nullptr, screen);  // no button: nothing to do
}

// ----------------------------------------------------------- descriptions

namespace {

class Descriptions : public ::testing::Test {
protected:
    Descriptions() : screen(fake.platform)
    {
        order.setField(7, Veld::Omschrijving_1, "Eerste");
        order.setField(7, Veld::Omschrijving_2, "");
        order.setField(7, Veld::Omschrijving_3, "");
    }

    void fields(const char* a, const char* b, const char* c)
    {
        screen.omschrijving(1)->setText(a);
        screen.omschrijving(2)->setText(b);
        screen.omschrijving(3)->setText(c);
    }

    test::FakePlatform fake;
    test::ScriptedMessages& messages = fake.messages;
    OrderModel order;
    TVonuOrderOmschrijvingscherm screen;
};

} // namespace

// The screen shows the line's three descriptions, each saying where it is
// printed, and writes back what the line can hold.
TEST_F(Descriptions, ShowsTheLinesDescriptionsAndWritesBackWhatTheLineHolds)
{
    order.setField(7, Veld::Omschrijving_2, "Tweede");
    order.setField(7, Veld::Omschrijving_3, "Derde");
    const char* const labels[] = {"Detailomschrijving 1 (op factuur, bevestiging, etc)",
                                  "Detailomschrijving 2 (op werkbriefje)", "Detailomschrijving 3 (op werkbriefje)"};
    const char* const texts[] = {"Eerste", "Tweede", "Derde"};
    const QString typed = QStringLiteral("Voordeur, linksdraaiend, met dorpel van 67 mm");  // 45
    whenShown([&](QDialog& d) {
        auto& s = static_cast<TVonuOrderOmschrijvingscherm&>(d);
        EXPECT_EQ(s.windowTitle(), "Detailomschrijvingen regel 7");
        for (int n = 1; n <= 3; ++n) {
            EXPECT_EQ(s.label(n)->text(), labels[n - 1]);
            EXPECT_EQ(s.omschrijving(n)->text(), texts[n - 1]);
        }
        s.omschrijving(2)->clear();
        s.omschrijving(2)->setFocus();
        QTest::keyClicks(s.omschrijving(2), typed);
        s.okButton()->click();
    });
    TVonuOrderOmschrijvingscherm::bewerk(order, 7, fake.platform);
    EXPECT_EQ(order.field(7, Veld::Omschrijving_1), "Eerste");
    EXPECT_EQ(order.field(7, Veld::Omschrijving_2), typed.left(40));
    EXPECT_EQ(order.field(7, Veld::Omschrijving_3), "Derde");
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(Descriptions, EnterWalksTheFieldsAndEveryCloseWritesBack)
{
    whenShown([](QDialog& d) {
        auto& s = static_cast<TVonuOrderOmschrijvingscherm&>(d);
        EXPECT_EQ(s.focusWidget(), s.omschrijving(1));
        EXPECT_EQ(s.omschrijving(1)->cursorPosition(), 6);  // caret at the end
        QTest::keyClicks(s.omschrijving(1), " regel");
        QTest::keyClick(s.omschrijving(1), Qt::Key_Return);
        EXPECT_EQ(s.focusWidget(), s.omschrijving(2));
        QTest::keyClicks(s.omschrijving(2), "Werk");
        QTest::keyClick(s.omschrijving(2), Qt::Key_Enter);
        EXPECT_EQ(s.focusWidget(), s.omschrijving(3));
        QTest::keyClick(s.omschrijving(3), Qt::Key_Return);
        EXPECT_FALSE(s.isVisible());
    });
    TVonuOrderOmschrijvingscherm::bewerk(order, 7, fake.platform);
    EXPECT_EQ(order.field(7, Veld::Omschrijving_1), "Eerste regel");
    EXPECT_EQ(order.field(7, Veld::Omschrijving_2), "Werk");
    EXPECT_EQ(order.field(7, Veld::Omschrijving_3), "");

    // Closed with Escape: written back all the same.
    whenShown([](QDialog& d) {
        auto& s = static_cast<TVonuOrderOmschrijvingscherm&>(d);
        s.omschrijving(3)->setText("Derde");
        QTest::keyClick(&s, Qt::Key_Escape);
    });
    TVonuOrderOmschrijvingscherm::bewerk(order, 7, fake.platform);
    EXPECT_EQ(order.field(7, Veld::Omschrijving_3), "Derde");
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(Descriptions, EnteringAFieldSelectsItsPlaceholder)
{
    fields("Kleur _ graag", "", "");
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    screen.omschrijving(2)->setFocus();
    screen.omschrijving(1)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(screen.omschrijving(1)->selectedText(), "_");
    EXPECT_EQ(screen.omschrijving(1)->selectionStart(), 6);
    QTest::keyClicks(screen.omschrijving(1), "wit");
    EXPECT_EQ(screen.omschrijving(1)->text(), "Kleur wit graag");
    screen.close();
}

TEST_F(Descriptions, WithoutALibraryTheStandardTextDoesNothing)
{
    screen.laad(order, 7);
    EXPECT_FALSE(screen.standaardtekstActie()->isVisible());
    screen.kiesStandaardtekst();
    EXPECT_EQ(screen.omschrijving(1)->text(), "Eerste");
    EXPECT_EQ(screen.omschrijving(2)->text(), "");
}

TEST_F(Descriptions, StandardTextLinesGoIntoTheEmptyFields)
{
    using R = TVonuOrderOmschrijvingscherm::Regels;
    struct Case {
        const char* name;
        std::array<const char*, 3> before;
        R lines;
        std::array<const char*, 3> after;
        bool warned;
        bool closed;
        int focus;  // field focused afterwards, 0 for unchanged
    };
    const Case cases[] = {
        {"first field taken: lines move down and the screen closes", {"Eerste", "", ""}, {"A", "B", ""},
         {"Eerste", "A", "B"}, false, true, 0},
        {"all empty, one line", {"", "", ""}, {"A", "", ""}, {"A", "", ""}, false, false, 2},
        {"a line never goes up", {"", "", ""}, {"", "", "C"}, {"", "", "C"}, false, true, 0},
        {"blank fields count as empty", {"  ", "", ""}, {"A", "", ""}, {"A", "", ""}, false, false, 2},
        {"placeholder gets the focus", {"", "", ""}, {"Kleur _", "B", ""}, {"Kleur _", "B", ""}, false, false, 1},
        {"full description fields", {"X", "Y", "Z"}, {"A", "", ""}, {"X", "Y", "Z"}, true, false, 0},
        {"third line without room", {"", "", "Z"}, {"A", "", "C"}, {"A", "", "Z"}, true, false, 2},
    };
    for (const Case& c : cases) {
        messages.clear();
        fields(c.before[0], c.before[1], c.before[2]);
        screen.setStandaardtekst([&c] { return std::optional<R>(c.lines); });
        screen.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen)) << c.name;
        screen.okButton()->setFocus();
        screen.kiesStandaardtekst();
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(screen.omschrijving(n)->text(), c.after[std::size_t(n - 1)]) << c.name << " field " << n;
        ASSERT_EQ(messages.count(), c.warned ? 1 : 0) << c.name;
        if (c.warned) {
            EXPECT_EQ(messages.last().caption, "Waarschuwing");
            EXPECT_EQ(messages.last().lines, QStringList({"", "Niet voldoende plaats voor alle tekst!"}));
            EXPECT_EQ(messages.last().buttons, QStringList({"OK"}));
        }
        EXPECT_EQ(!screen.isVisible(), c.closed) << c.name;
        if (c.focus > 0) {
            EXPECT_EQ(screen.focusWidget(), screen.omschrijving(c.focus)) << c.name;
        }
        if (c.focus == 1) {
            EXPECT_EQ(screen.omschrijving(1)->selectedText(), "_") << c.name;
        }
        screen.hide();
    }
}

// -------------------------------------------------------- delivery information

TEST(DeliveryInformation, ShowsTheCatalogTextReadOnly)
{
    Catalog catalog;
    ASSERT_TRUE(catalog.loadText(QStringLiteral(
        "<?xml version=\"1.0\"?><Morvek><Assortiment><BestandVersie>1</BestandVersie>"
        "<LeveringsInformatie>Levering binnen 3 weken.\nFranco vanaf 500 euro.</LeveringsInformatie>"
        "<Artikelen><Artikel Artikel=\"OD67\"/></Artikelen></Assortiment></Morvek>")));
    whenShown([](QDialog& d) {
        auto& s = static_cast<TVonuOrderLeveringscherm&>(d);
        EXPECT_EQ(s.windowTitle(), "Algemene leveringsinformatie");
        EXPECT_EQ(s.memo()->toPlainText(), "Levering binnen 3 weken.\nFranco vanaf 500 euro.");
        EXPECT_TRUE(s.memo()->isReadOnly());
        EXPECT_EQ(s.okButton()->text(), "&Ok");
        QTest::mouseClick(s.okButton(), Qt::LeftButton);
        EXPECT_FALSE(s.isVisible());
    });
    TVonuOrderLeveringscherm::toon(catalog);
}

// ------------------------------------------------------------ article search

namespace {

const char* const SearchCatalog = R"(<?xml version="1.0"?>
<Morvek><Assortiment><BestandVersie>1</BestandVersie><Artikelen>
<Artikel Artikel="OD67"><Subartikelen>
<Subartikel Artikel="EK1"><SubartikelOmschrijving_1> Eindkap </SubartikelOmschrijving_1><SubartikelOmschrijving_2>links </SubartikelOmschrijving_2></Subartikel>
<Subartikel Artikel="EK2"><SubartikelVonuArtikel>K</SubartikelVonuArtikel><SubartikelOmschrijving_1>Klantkap</SubartikelOmschrijving_1></Subartikel>
<Subartikel Artikel="EK3"><SubartikelVonuArtikel>K</SubartikelVonuArtikel></Subartikel>
<Subartikel Artikel="EK4"><SubartikelVonuArtikel>I</SubartikelVonuArtikel></Subartikel>
<Subartikel Artikel="EK5"><SubartikelVonuArtikel>J</SubartikelVonuArtikel><SubartikelOmschrijving_2>los</SubartikelOmschrijving_2></Subartikel>
</Subartikelen><Bewerkingen>
<Bewerking Artikel="BOOR"><BewerkingOmschrijving_1>Boren</BewerkingOmschrijving_1><BewerkingOmschrijving_2>8 mm</BewerkingOmschrijving_2></Bewerking>
<Bewerking Artikel="KLEUR"><BewerkingALT_toets>R</BewerkingALT_toets></Bewerking>
<Bewerking Artikel="SP20"><BewerkingALT_toets>S</BewerkingALT_toets><BewerkingVonuArtikel>K</BewerkingVonuArtikel></Bewerking>
<Bewerking Artikel="FREES"><BewerkingVonuArtikel>I</BewerkingVonuArtikel></Bewerking>
</Bewerkingen></Artikel>
</Artikelen></Assortiment></Morvek>)";

class ArticleSearch : public ::testing::Test {
protected:
    ArticleSearch() { EXPECT_TRUE(catalog.loadText(QString::fromUtf8(SearchCatalog))); }

    Catalog catalog;
    QSet<QString> klant{"EK2", "SP20"};
    InKlantLijst inKlant = [this](const QString& code) { return klant.contains(code); };
};

std::vector<std::pair<QString, QString>> pairs(const std::vector<ZoekArtikelRij>& rows)
{
    std::vector<std::pair<QString, QString>> out;
    for (const auto& r : rows)
        out.emplace_back(r.code, r.omschrijving);
    return out;
}

} // namespace

TEST_F(ArticleSearch, RowsFollowTheOfferClasses)
{
    using P = std::vector<std::pair<QString, QString>>;
    const TXMLArtikel od67 = catalog.article("OD67");
    EXPECT_EQ(pairs(zoekArtikelRijen(od67, ZoekSoort::Subartikel, inKlant)),
              P({{"EK1", "Eindkap links"}, {"EK2", "Klantkap "}, {"EK5", " los"}}));
    EXPECT_EQ(pairs(zoekArtikelRijen(od67, ZoekSoort::Bewerking, inKlant)), P({{"BOOR", "Boren 8 mm"}, {"SP20", " "}}));
    klant.clear();
    EXPECT_EQ(pairs(zoekArtikelRijen(od67, ZoekSoort::Bewerking, inKlant)), P({{"BOOR", "Boren 8 mm"}}));
    EXPECT_EQ(zoekArtikelRijen(od67, ZoekSoort::Subartikel, {}).size(), 2u);  // no customer list at all
    EXPECT_TRUE(zoekArtikelRijen(TXMLArtikel(), ZoekSoort::Subartikel, inKlant).empty());
}

TEST_F(ArticleSearch, ScreenColumnsAndTheChosenCode)
{
    struct Case {
        ZoekSoort soort;
        const char* caption;
        const char* kop;
        std::function<void(TVonuOrderZoekArtikelscherm&)> choose;
        std::optional<QString> result;
    };
    const Case cases[] = {
        {ZoekSoort::Subartikel, "Zoek artikel ...", "Artikel",
         [](TVonuOrderZoekArtikelscherm& s) { QTest::mouseClick(s.selecteren(), Qt::LeftButton); }, "EK1"},
        {ZoekSoort::Subartikel, "Zoek artikel ...", "Artikel",
         [](TVonuOrderZoekArtikelscherm& s) {
             QTest::keyClick(s.artikelen(), Qt::Key_Down);
             QTest::keyClick(s.artikelen(), Qt::Key_Return);
         },
         "EK2"},
        {ZoekSoort::Bewerking, "Zoek bewerking ...", "Bewerking",
         [](TVonuOrderZoekArtikelscherm& s) {
             s.artikelen()->setCurrentCell(1, 1);
             emit s.artikelen()->cellDoubleClicked(1, 1);
         },
         "SP20"},
        {ZoekSoort::Bewerking, "Zoek bewerking ...", "Bewerking",
         [](TVonuOrderZoekArtikelscherm& s) { QTest::mouseClick(s.annuleren(), Qt::LeftButton); }, std::nullopt},
    };
    for (const Case& c : cases) {
        whenShown([&c](QDialog& d) {
            auto& s = static_cast<TVonuOrderZoekArtikelscherm&>(d);
            EXPECT_EQ(s.windowTitle(), c.caption);
            EXPECT_EQ(s.artikelen()->horizontalHeaderItem(0)->text(), c.kop);
            EXPECT_EQ(s.artikelen()->horizontalHeaderItem(1)->text(), "Omschrijving");
            EXPECT_EQ(s.artikelen()->columnWidth(0), 120);
            EXPECT_EQ(s.artikelen()->columnWidth(1), 565);
            EXPECT_EQ(s.artikelen()->horizontalHeader()->height(), 17);
            EXPECT_EQ(s.artikelen()->currentRow(), 0);
            EXPECT_EQ(s.selecteren()->text(), "&Selecteren");
            EXPECT_EQ(s.annuleren()->text(), "&Annuleren");
            c.choose(s);
            EXPECT_FALSE(s.isVisible());
        });
        const auto result = TVonuOrderZoekArtikelscherm::zoek(catalog, "OD67", c.soort, inKlant);
        EXPECT_EQ(result, c.result) << c.caption;
    }
    // A line whose article is not in the catalog: no screen at all.
    EXPECT_EQ(TVonuOrderZoekArtikelscherm::zoek(catalog, "ONBEKEND", ZoekSoort::Bewerking, inKlant), std::nullopt);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(SearchPlacement, FirstEmptyRowScrollingWhenTheVisibleRowsAreFull)
{
    struct Case {
        const char* name;
        std::vector<int> filled;
        int scrolledTo;     // top row of the window before placing
        int screenRow;
        int tableRow;
        int top;            // top row afterwards
    };
    std::vector<int> all24;
    for (int r = 1; r <= 24; ++r)
        all24.push_back(r);
    std::vector<int> all25 = all24;
    all25.push_back(25);
    const Case cases[] = {
        {"empty panel", {}, 1, 1, 1, 1},
        {"gap in the visible rows", {1, 3}, 1, 2, 2, 1},
        {"fourth visible row", {1, 2, 3}, 1, 4, 4, 1},
        {"four filled: one step", {1, 2, 3, 4}, 1, 4, 5, 2},
        {"six filled: three steps", {1, 2, 3, 4, 5, 6}, 1, 4, 7, 4},
        {"stops at the first empty fourth row", {1, 2, 3, 4, 6}, 1, 4, 5, 2},
        {"from a scrolled window", {3, 4, 5, 6, 7}, 3, 4, 8, 5},
        {"scrolled window with an empty row on screen", {1, 2, 3, 5}, 2, 3, 4, 2},
        {"last table row", all24, 1, 4, 25, 22},
        {"full table: nothing placed", all25, 1, 0, 0, 1},
    };
    for (const Case& c : cases) {
        OrderModel order;
        for (int r : c.filled)
            order.setBewerking(3, r, 1, "BOOR");
        RowWindow& w = order.bewerkingen();
        w.setMaximum(order.bewerkingScrollMaximum(3));
        w.moveTo(c.scrolledTo + 3 - 1);  // show the wanted top
        w.moveTo(c.scrolledTo - 1);
        ASSERT_EQ(w.top(), c.scrolledTo) << c.name;
        const PanelPlek p = plekVoorKeuze(order, 3, ZoekSoort::Bewerking);
        EXPECT_EQ(p.schermRij, c.screenRow) << c.name;
        EXPECT_EQ(p.tabelRij, c.tableRow) << c.name;
        EXPECT_EQ(w.top(), c.top) << c.name;
        EXPECT_EQ(p.verschoven, c.top - c.scrolledTo) << c.name;
        if (c.tableRow > 0) {
            EXPECT_EQ(w.current(), c.tableRow) << c.name;
            EXPECT_EQ(w.currentScreenRow(), c.screenRow) << c.name;
        }
    }
}

TEST(SearchPlacement, SubArticleRowsUseTheirOwnWindow)
{
    OrderModel order;
    for (int r = 1; r <= 4; ++r)
        order.setSubartikel(2, r, 1, "EK1");
    order.setBewerking(2, 1, 1, "BOOR");
    const PanelPlek sub = plekVoorKeuze(order, 2, ZoekSoort::Subartikel);
    EXPECT_EQ(sub.tabelRij, 5);
    EXPECT_EQ(order.subartikelen().top(), 2);
    const PanelPlek bew = plekVoorKeuze(order, 2, ZoekSoort::Bewerking);
    EXPECT_EQ(bew.tabelRij, 2);
    EXPECT_EQ(order.bewerkingen().top(), 1);
}
