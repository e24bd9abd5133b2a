// The order desk's screens against the real server: the debtor field, the
// extra order data screen and the generic search screen.
#include "app/MorvekVonu.h"
#include "desk/DbSession.h"
#include "desk/DeliveryCalendar.h"
#include "desk/DeskDelivery.h"
#include "desk/SearchQueries.h"
#include "desk/VonuOrderExtra.h"
#include "desk/VonuOrderZoek.h"
#include "desk/VonuOrderZoek_tekst.h"
#include "order/VonuOrder.h"
#include "support/DemoFiles.h"
#include "support/DatabaseFixture.h"
#include "support/FakePlatform.h"
#include "widgets/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace vonu;

namespace {

QDate d(const char* iso) { return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate); }

class DeskScreens : public test::DatabaseFixture {
protected:
    void SetUp() override
    {
        fake.clock.time = QDateTime(QDate(2026, 3, 11), QTime(8, 0));
        // A program ended at the end of a test is closed with its order
        // changed: yes to the close question.
        fake.messages.unscripted = 1;
        DatabaseFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        work = deskFolder();
    }

    // A session of its own for "Balie1".
    std::unique_ptr<DbSession> newSession()
    {
        auto s = std::make_unique<DbSession>(messages);
        EXPECT_TRUE(s->open("Balie1", settings()));
        return s;
    }

    QString work;
    test::FixedClock& clock = fake.clock;
    Platform& platform = fake.platform;
};

} // namespace

// ---------------------------------------------------------------------------
// The debtor field

TEST_F(DeskScreens, TheDebtorFieldRefusesUnknownDebtorsAndTakesAKnownOne)
{
    MorvekVonu program(platform, work, {"balie1"});
    program.runStartup();
    ASSERT_TRUE(program.started()) << messages.last().lines.join(" | ").toStdString();
    TVonuOrderscherm& s = program.mainScreen();

    const struct {
        const char* typed;
        const char* status;
    } refused[] = {
        {"999999", "Debiteur 999999 niet aanwezig!"},
        {"500500", "Aanvullende gegevens debiteur 500500 niet aanwezig!"},
        {"'%_\\", "Debiteur '%_\\ niet aanwezig!"},
    };
    for (const auto& r : refused) {
        s.debiteur()->setText(r.typed);
        QTest::keyClick(s.debiteur(), Qt::Key_Return);
        EXPECT_EQ(s.statusText(0), r.status);
        EXPECT_TRUE(s.debiteur()->text().isEmpty());
        EXPECT_TRUE(s.debiteur()->isEnabled());
        EXPECT_EQ(s.ordervoor()->count(), 0);
    }

    // Wednesday 11 March 2026; address 02 delivers with rule "14".
    s.debiteur()->setText("104711");
    QTest::keyClick(s.debiteur(), Qt::Key_Return);
    EXPECT_EQ(messages.count(), 0) << messages.last().lines.join(" | ").toStdString();
    EXPECT_EQ(s.ordervoor()->count(), 4);
    EXPECT_EQ(s.ordervoor()->currentIndex(), 0);
    EXPECT_EQ(s.debiteurNaam()->text(), "Bouwbedrijf De Vries B.V.");
    EXPECT_FALSE(s.debiteur()->isEnabled());
    EXPECT_FALSE(s.zoekDebiteur()->isEnabled());
    const DeskOrderData& desk = s.order().desk();
    EXPECT_EQ(desk.debiteur, "104711");
    // Address 01 names no delivery relation: the delivery address is empty.
    EXPECT_TRUE(desk.extra.afleverRelatie.isEmpty());
    EXPECT_TRUE(desk.extra.naam.isEmpty());
    EXPECT_EQ(desk.extra.leveringswijze, "TR");
    // Address 01 has no rules of its own: the constants' Wednesday rule "15".
    EXPECT_EQ(desk.extra.leverdatum, d("2026-03-20"));
    EXPECT_EQ(desk.extra.productieweek, "12");
    EXPECT_EQ(s.currentSignature(), s.savedSignature());

    s.ordervoor()->setCurrentIndex(1);
    EXPECT_EQ(desk.extra.afleverRelatie, "1002");
    EXPECT_EQ(s.afleverNaam()->text(), "Kozijnbouw Oost");
    EXPECT_EQ(desk.extra.leverdatum, d("2026-03-19"));
    EXPECT_EQ(s.afleverWoonplaats()->text(), "3707 NH  ZEIST");
    program.mainScreen().close();
}

TEST_F(DeskScreens, ADebtorWithoutAddressesGetsAnEmptyList)
{
    MorvekVonu program(platform, work, {"balie1"});
    program.runStartup();
    ASSERT_TRUE(program.started());
    TVonuOrderscherm& s = program.mainScreen();
    s.debiteur()->setText("600600");
    QTest::keyClick(s.debiteur(), Qt::Key_Return);
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(s.ordervoor()->count(), 0);
    EXPECT_EQ(s.debiteurNaam()->text(), "Zonder Adres B.V.");
    EXPECT_FALSE(s.debiteur()->isEnabled());
    program.mainScreen().close();
}

// ---------------------------------------------------------------------------
// The extra order data screen

TEST(ExtraScreenRules, ExtraFreightCaptionsMoveBetweenTexts)
{
    const QString c1 = "Spoed, levering binnen 5 werkdagen", c2 = "Spoed, levering volgende werkdag";
    const struct {
        std::array<QString, 5> before;
        int choice;
        std::array<QString, 5> after;
    } cases[] = {
        {{"", "", "", "", ""}, 1, {"", "", c1, "", ""}},
        {{"", "", "vol", "", ""}, 1, {"", c1, "vol", "", ""}},
        {{"", c1, "vol", "", ""}, 2, {"", c2, "vol", "", ""}},
        {{"a", "b", "c", "d", "e"}, 1, {"a", "b", "c", "d", "e"}},
        {{"", c1, "", "", ""}, 0, {"", "", "", "", ""}},
        {{"a", "b", "c", "", "e"}, 2, {"a", "b", "c", c2, "e"}},
    };
    for (const auto& c : cases) {
        ExtraOrderData extra;
        extra.afleverteksten = c.before;
        extra.extraVrachtkosten = c.choice;
        placeExtraFreight(extra, c1, c2);
        EXPECT_EQ(extra.afleverteksten, c.after) << c.choice;
    }
}

TEST(ExtraScreenRules, StandardTextsFillEmptyFieldsAndTellWhenNoneIsLeft)
{
    StandaardTekstKeuze a;
    a.aflever = {"een", "", "drie", "vier", ""};
    ExtraOrderData extra;
    extra.afleverteksten = {"x", "", "", "", "oud5"};
    EXPECT_TRUE(placeStandardText(extra, 'A', a));
    EXPECT_EQ(extra.afleverteksten, (std::array<QString, 5>{"x", "een", "drie", "vier", "oud5"}));

    extra.afleverteksten = {"1", "2", "3", "4", "5"};
    StandaardTekstKeuze lastLineOnly;
    lastLineOnly.aflever = {"nieuw", "", "", "", ""};
    EXPECT_FALSE(placeStandardText(extra, 'A', lastLineOnly));
    EXPECT_EQ(extra.afleverteksten[0], "1");

    StandaardTekstKeuze p;
    p.productie = {"p1", "p2", "p3"};
    extra.productieteksten = {"", "bezet", ""};
    EXPECT_FALSE(placeStandardText(extra, 'P', p));
    EXPECT_EQ(extra.productieteksten, (std::array<QString, 3>{"p1", "bezet", "p2"}));
}

TEST_F(DeskScreens, TheExtraScreenEditsTheOrdersDataInPlace)
{
    auto s = newSession();
    DeskDelivery delivery(*s);
    TVonuOrderExtrascherm screen(platform);
    screen.setDelivery(&delivery);
    screen.setExtraVrachtOmschrijvingen("Spoed 1", "Spoed 2");
    ExtraOrderData extra;
    extra.afleverRelatie = "1002";
    extra.naam = "Kozijnbouw Oost";
    extra.leverdatum = d("2026-03-19");
    extra.afleverdatum = d("2026-03-19");
    extra.productieweek = "12";
    extra.extraVrachtkosten = 1;
    screen.prepare(extra, "", false);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));

    // A new order: the relation's standing instruction, the freight caption.
    EXPECT_EQ(extra.aflevertekst41, "Lossen aan de achterzijde, ingang Handelsweg 6");
    EXPECT_EQ(screen.aflevertekst41()->text(), extra.aflevertekst41);
    EXPECT_EQ(extra.afleverteksten[2], "Spoed 1");
    EXPECT_FALSE(screen.aflevertekst(1)->isEnabled());

    // Leaving a name unchanged keeps the relation; a changed one drops it.
    screen.naam()->setFocus();
    screen.kontakt()->setFocus();
    EXPECT_EQ(extra.afleverRelatie, "1002");
    screen.naam()->setFocus();
    QTest::keyClicks(screen.naam(), " B.V.");
    EXPECT_EQ(extra.naam, "Kozijnbouw Oost B.V.");
    QTest::keyClick(screen.naam(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), screen.naam2());
    EXPECT_TRUE(extra.afleverRelatie.isEmpty());

    // A date set by hand is marked; the drop date follows its check box.
    screen.leverdatum()->setDate(d("2026-03-26"));
    EXPECT_EQ(extra.leverdatum, d("2026-03-26"));
    EXPECT_TRUE(extra.leverdatumGewijzigd);
    EXPECT_TRUE(screen.leverdatumGewijzigd()->isChecked());
    screen.leverdatum()->setFocus();
    QTest::keyClick(screen.leverdatum(), Qt::Key_Return);
    EXPECT_EQ(extra.productieweek, "13");
    EXPECT_FALSE(screen.afleverdatum()->isEnabled());
    screen.gebruikAfleverdatum()->click();
    EXPECT_TRUE(extra.gebruikAfleverdatum);
    EXPECT_TRUE(screen.afleverdatum()->isEnabled());

    // Freight choice 2 replaces choice 1's caption.
    screen.extraVrachtkosten()->item(2)->click();
    EXPECT_EQ(extra.extraVrachtkosten, 2);
    EXPECT_EQ(extra.afleverteksten[2], "Spoed 2");
    screen.hide();
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(DeskScreens, TheClosingCheckRefusesDatesBeforeTheProductionWeek)
{
    // Today: 11 March 2026, week 11.
    const struct {
        bool quotation;
        const char* leverdatum;
        const char* week;
        bool gebruik;
        const char* afleverdatum;
        bool closes;
    } cases[] = {
        {false, "2026-03-19", "12", false, "", true},
        {false, "2026-03-12", "12", false, "", false},   // delivery before the production week
        {true, "2026-03-12", "12", false, "", true},     // a quotation closes whatever
        {false, "2026-03-19", "12", true, "2026-03-18", false},  // drop date before delivery
        {false, "2026-03-19", "", false, "", true},      // no production week
        {false, "2026-03-19", "x", false, "", false},    // not a number: refused, not crashed
        {false, "2026-12-30", "2", false, "", true},     // week 2 is next year's: this year passes
        {false, "2027-01-05", "2", false, "", false},    // ... week 1 of next year is before it
    };
    TVonuOrderExtrascherm screen(platform);
    for (const auto& c : cases) {
        ExtraOrderData extra;
        extra.leverdatum = d(c.leverdatum);
        extra.productieweek = c.week;
        extra.gebruikAfleverdatum = c.gebruik;
        extra.afleverdatum = c.gebruik ? d(c.afleverdatum) : extra.leverdatum;
        screen.prepare(extra, "", c.quotation);
        messages.clear();
        EXPECT_EQ(screen.closingCheck(), c.closes) << c.leverdatum << " week " << c.week;
        if (!c.closes) {
            ASSERT_EQ(messages.count(), 1);
            EXPECT_EQ(messages.last().caption, "Waarschuwing");
            EXPECT_EQ(messages.last().lines, QStringList({"Productieweek en/of afleverdatum", "niet correct!"}));
        }
        screen.finish();
    }
}

TEST_F(DeskScreens, AStoredOrderEditsAndWritesItsDeliveryTexts)
{
    ASSERT_TRUE(db->exec("insert into \"order\" (\"order\", Status, Debnr, V_adres, Levwijze, AfleverRelatie, "
                         "A_adres1, A_plaats, Leverdatum) values ('   24100', 'Ingevoerd', '104711', '02', 'TR', "
                         "1002, 'Handelsweg 4', 'ZEIST', date '2026-03-19')"));
    auto s = newSession();
    DeskDelivery delivery(*s);
    TVonuOrderExtrascherm screen(platform);
    screen.setDelivery(&delivery);
    ExtraOrderData extra;
    extra.leverdatum = d("2026-03-19");
    extra.productieweek = "12";
    screen.prepare(extra, "24100", false);
    EXPECT_TRUE(screen.aflevertekst(1)->isEnabled());
    EXPECT_TRUE(screen.lAflevergegevens()->font().bold());
    screen.aflevertekst(1)->setText("Bel O'Brien \"vooraf\"");
    EXPECT_EQ(extra.afleverteksten[0], "Bel O'Brien \"vooraf\"");
    screen.finish();
    EXPECT_EQ(db->scalar("select AfleverTekst_1 from OrderAfleverinstructie where A_plaats = 'ZEIST'").toString(),
              "Bel O'Brien \"vooraf\"");
    EXPECT_EQ(messages.count(), 0);
}

// ---------------------------------------------------------------------------
// The search screen

class SearchScreen : public DeskScreens {
protected:
    void SetUp() override
    {
        DeskScreens::SetUp();
        if (IsSkipped())
            return;
        // Debtors whose names hold the characters a LIKE pattern treats specially.
        ASSERT_TRUE(db->exec(
            "insert into ADM_Debiteur (Debnr, Naam) values ('   901', 'Procent% Bouw'), ('   902', 'Procent Bouw'), "
            "('   903', 'A_B Kozijn'), ('   904', 'AXB Kozijn'), ('   905', 'Back\\slash'), ('   906', 'Backslash'), "
            "('   907', 'Quote''s')"));
        ASSERT_TRUE(db->exec("insert into Debiteur (Debnr) select Debnr from ADM_Debiteur where Debnr like '   90_'"));
        s = newSession();
        queries = std::make_unique<SearchQueries>(*s);
    }

    std::unique_ptr<TVonuOrderZoekscherm> open(const QString& title, const QString& initial)
    {
        auto screen = std::make_unique<TVonuOrderZoekscherm>(*queries, messages, "Balie1", "1");
        EXPECT_TRUE(screen->setUp(title, initial, {}));
        return screen;
    }

    QStringList column(const TVonuOrderZoekscherm& screen, int c) const
    {
        QStringList values;
        for (int r = 0; r < screen.data()->rowCount(); ++r)
            values << screen.data()->item(r, c)->text();
        return values;
    }

    std::unique_ptr<DbSession> s;
    std::unique_ptr<SearchQueries> queries;
};

TEST_F(SearchScreen, TypedTextIsFoundLiterally)
{
    const struct {
        const char* typed;
        QStringList names;
    } cases[] = {
        {"Procent%", {"Procent% Bouw"}},
        {"A_B", {"A_B Kozijn"}},
        {"Back\\", {"Back\\slash"}},
        {"Quote'", {"Quote's"}},
        {"'; drop table Debiteur; --", {}},
    };
    for (const auto& c : cases) {
        auto screen = open("Debiteuren", "");
        screen->typeText(c.typed);
        EXPECT_EQ(column(*screen, 1), c.names) << c.typed;
        screen->cancel();
    }
    EXPECT_EQ(messages.count(), 0);
    EXPECT_GT(db->scalar("select count(*) from Debiteur").toInt(), 5);
}

TEST_F(SearchScreen, RightAlignedKeysAreFoundInBothModes)
{
    auto screen = open("Debiteuren", "4711");
    // A figure first: the number column; Filter mode finds "  4711".
    EXPECT_TRUE(screen->searchField().endsWith("Debnr", Qt::CaseInsensitive));
    EXPECT_EQ(column(*screen, 0), QStringList({"  4711"}));
    // Positie: every row, the key located.
    screen->zoekWijze()->setCurrentIndex(0);
    screen->clearSearchText();
    screen->typeText("4711");
    ASSERT_GT(screen->data()->rowCount(), 1);
    EXPECT_EQ(screen->data()->item(screen->data()->currentRow(), 0)->text(), "  4711");
    screen->select();
    EXPECT_EQ(screen->chosen(), std::optional<QString>("  4711"));
}

TEST_F(SearchScreen, ALetterAfterAFigureSearchesTheNameAndSelectReturnsTheKey)
{
    // The first key searches the marked column; a caller's figure the number.
    auto screen = open("Debiteuren", "");
    EXPECT_TRUE(screen->searchField().endsWith("Naam", Qt::CaseInsensitive));
    screen->cancel();
    screen = open("Debiteuren", "1");
    EXPECT_TRUE(screen->searchField().endsWith("Debnr", Qt::CaseInsensitive));
    screen->typeText("K");
    EXPECT_TRUE(screen->searchField().endsWith("Naam", Qt::CaseInsensitive));
    EXPECT_EQ(screen->statusText(1), "K");
    EXPECT_EQ(column(*screen, 1), QStringList({"Kozijnfabriek Jansen"}));
    QTest::keyClick(screen->data(), Qt::Key_Return);
    EXPECT_EQ(screen->chosen(), std::optional<QString>("104712"));
}

TEST_F(SearchScreen, ClosingKeepsTheUsersChoicesAndRestoringDropsThem)
{
    {
        auto screen = open("Debiteuren", "");
        EXPECT_EQ(screen->zoekTop()->currentText(), "1000");
        screen->zoekTop()->setCurrentIndex(screen->zoekTop()->findText("25"));
        screen->zoekInitialisatie()->setCurrentIndex(1);
        screen->cancel();
    }
    EXPECT_EQ(db->scalar("select SearchTop from APC_Scherm where \"user\" = 'Balie1' and Title = 'Debiteuren'").toInt(),
              25);
    // The user's row keeps the configuration it was copied from.
    EXPECT_EQ(db->scalar("select SearchResult from APC_Scherm where \"user\" = 'Balie1' and Title = 'Debiteuren'")
                  .toString(),
              "ZoekDebiteur.Debnr");
    {
        // "Vooraan": the caller's value is dropped.
        auto screen = open("Debiteuren", "4711");
        EXPECT_EQ(screen->zoekTop()->currentText(), "25");
        EXPECT_TRUE(screen->statusText(1).isEmpty());
        EXPECT_EQ(screen->data()->rowCount(), std::min(25, db->scalar("select count(*) from Debiteur").toInt()));
        screen->cancel();
    }
    EXPECT_TRUE(queries->restore("Balie1", "Debiteuren"));
    EXPECT_EQ(db->scalar("select count(*) from APC_Scherm where \"user\" = 'Balie1'").toInt(), 0);
}

TEST_F(SearchScreen, NamesFromTheSettingsRowAreCheckedAgainstTheCatalog)
{
    for (const char* bad : {"\"field(1)\" = 'ZoekDebiteur.Naam\"; drop table Artikel; --'",
                            "File = 'GeenTabel'", "SearchAlpha = 'ZoekDebiteur.bestaatniet'"}) {
        ASSERT_TRUE(db->exec(QString("update APC_Scherm set %1 where Title = 'Debiteuren' and \"user\" is null").arg(bad)));
        messages.clear();
        auto screen = open("Debiteuren", "");
        screen->typeText("B");
        EXPECT_GE(messages.count(), 1) << bad;
        EXPECT_EQ(messages.last().caption, "Fout");
        EXPECT_EQ(screen->data()->rowCount(), 0);
        screen->cancel();
        ASSERT_TRUE(queries->restore("Balie1", "Debiteuren"));
    }
    EXPECT_EQ(db->scalar("select count(*) from Artikel").toInt() > 0, true);
}

// ---------------------------------------------------------------------------
// Standard texts

TEST_F(DeskScreens, StandardTextsAreAddedChangedAndRemoved)
{
    auto s = newSession();
    TVonuOrderZoek_tekstscherm list(*s, messages, 'A', "1");
    ASSERT_TRUE(list.reload());
    const int before = int(list.texts().size());
    list.edit = [](StandardText& t, bool isNew) {
        EXPECT_TRUE(isNew);
        t.aflever[0] = "Nieuwe tekst met 'quote' en _";
        return true;
    };
    list.toevoegen();
    ASSERT_EQ(int(list.texts().size()), before + 1);
    EXPECT_EQ(list.texts().back().aflever[0], "Nieuwe tekst met 'quote' en _");
    EXPECT_EQ(list.texts().back().tekst, 11);

    // An addition that is cancelled leaves nothing behind.
    list.edit = [](StandardText&, bool) { return false; };
    list.toevoegen();
    EXPECT_EQ(int(list.texts().size()), before + 1);

    messages.answer(1);
    list.list()->selectRow(before);
    list.verwijderen();
    EXPECT_EQ(int(list.texts().size()), before);
    list.list()->selectRow(0);
    list.select();
    ASSERT_TRUE(list.chosen().has_value());
    EXPECT_EQ(list.chosen()->aflever[0], "Lossen met kraan");
    EXPECT_FALSE(list.selekteren()->isEnabled());
}
