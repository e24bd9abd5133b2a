// The sill macro configurator on the real main screen and the real order
// database with the demo macros: what each sill type shows, the checks and
// keys of the dialog, what confirming and cancelling leave in the order,
// the saved placement, and the configured values stored and read back.
#include "app/MorvekVonu.h"
#include "data/AppState.h"
#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/OrderStore.h"
#include "desk/SillMacroQueries.h"
#include "order/PanelEntry.h"
#include "order/VonuOrder.h"
#include "sill/VonuOrderOnderdorpelmacro.h"
#include "sill/VonuOrderSponning.h"
#include "support/DemoFiles.h"
#include "support/FakeOrderEntryDesk.h"
#include "support/DatabaseFixture.h"
#include "support/ModalDriver.h"
#include "support/PgTestDatabase.h"
#include "support/ScriptedMessages.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace vonu;
using namespace vonu::sill;
using vonu::test::PgTestDatabase;

namespace {

using Dialog = TVonuOrderOnderdorpelmacroscherm;


// Runs `act` on the configurator once it is up; one still open afterwards
// is cancelled, so a test never hangs.
void onConfigurator(int* openings, std::function<void(Dialog&)> act)
{
    test::whenModal<Dialog>([openings, act](Dialog& d) {
        // The main screen's own activation may still be on its way
        // offscreen: the dialog is active once that has passed.
        QTest::qWait(20);
        d.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d, 20000));
        ++*openings;
        act(d);
        if (d.isVisible())
            d.annuleren()->click();
    });
}

class SillDialogTest : public test::SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        if (!ready())
            return;
        queries = std::make_unique<SillMacroQueries>(*session);

        state = std::make_unique<AppState>(work.path());
        state->internalMode = true;
        ASSERT_TRUE(state->catalog.loadText(test::demoFile("Assortiment.Xml")));
        screen = std::make_unique<TVonuOrderscherm>(platform, *state, sponningKoppeling());
        // The desk's answers are the fake's, but its configurator is the real one.
        desk.listsFollow = false;
        desk.onSillMacro = [this](QChar kind, int line, int row) {
            openSillMacroDialog(*screen, *queries, kind, line, row);
        };
        screen->setOrderEntryDesk(desk);
        ASSERT_TRUE(QDir(work.path()).mkpath("Onderdorpels"));
        QFile macro(work.filePath("Onderdorpels/SD1001.Txt"));
        ASSERT_TRUE(macro.open(QIODevice::WriteOnly));
        state->desk.onderdorpelPre = work.filePath("Onderdorpels");
        screen->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        order().setField(1, Veld::Artikel, "OD67");
    }

    void TearDown() override
    {
        if (!session)
            return;
        EXPECT_EQ(openings, expectedOpenings) << "a dialog did not open";
        EXPECT_EQ(messages.count(), expectedMessages)
            << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
    }

    OrderModel& order() { return screen->order(); }

    // Puts an article into a sub-article (S) or operation (B) row of line 1
    // as the order holds it, without the panel's consequences.
    void row(QChar kind, int r, const char* article)
    {
        if (kind == u'S')
            order().setSubartikel(1, r, 1, QString::fromLatin1(article));
        else
            order().setBewerking(1, r, 1, QString::fromLatin1(article));
    }

    void whenShown(std::function<void(Dialog&)> act)
    {
        ++expectedOpenings;
        onConfigurator(&openings, std::move(act));
    }

    void open(QChar kind, int r = 1) { openSillMacroDialog(*screen, *queries, kind, 1, r); }

    static void type(QLineEdit* e, const char* text)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    static void enter(QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }
    static QStringList labels(Dialog& d)
    {
        QStringList l;
        for (int j = 1; j <= Maten; ++j) {
            if (!d.maat(j)->isHidden())
                l << d.lMaat(j)->text();
        }
        return l;
    }
    static bool red(QLabel* l) { return l->palette().color(QPalette::WindowText) == QColor(Qt::red); }

    QTemporaryDir work;
    Platform& platform = fake.platform;
    test::FakeOrderEntryDesk desk;
    std::unique_ptr<SillMacroQueries> queries;
    std::unique_ptr<AppState> state;
    std::unique_ptr<TVonuOrderscherm> screen;
    int openings = 0;
    int expectedOpenings = 0;
    int expectedMessages = 0;
};

} // namespace

TEST_F(SillDialogTest, OnePositionShowsOnlyItsRowAndOneDimensionLabelledA)
{
    row(u'B', 1, "MAFK");
    whenShown([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Bewerking 1/B1");
        EXPECT_EQ(d.configuratie().type(), SillType::BW);
        EXPECT_FALSE(d.bewerking(1)->isHidden());
        EXPECT_TRUE(d.bewerking(2)->isHidden());
        for (QWidget* w : std::initializer_list<QWidget*>{d.productienummer(), d.aantal(), d.zaagmaat(),
                                                          d.lAantal(), d.lZaagmaat(), d.lProductienummer()})
            EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
        EXPECT_EQ(labels(d), QStringList{"A"});
        EXPECT_EQ(d.maat(1)->y(), d.bewerking(1)->y());
        EXPECT_EQ(d.bewerking(0)->currentText(), "Eenvoudige keuze");
        EXPECT_EQ(macroCodeOf(d.bewerking(1)->currentText()), "AFK");
        EXPECT_EQ(d.bewerking(1)->count(), 1); // the extended AFV is not offered
        EXPECT_EQ(d.height(), d.okButton()->y() + 80);
        EXPECT_EQ(d.focusWidget(), d.maat(1));
        QTest::keyClicks(d.maat(1), "850");
        enter(d.maat(1)); // the last field: confirms, nothing else to check
        EXPECT_FALSE(d.isVisible());
    });
    open(u'B');
    EXPECT_EQ(order().bewerking(1, 1, 3), "AFK");
    EXPECT_EQ(order().bewerking(1, 1, 4), "");
    EXPECT_EQ(order().bewerking(1, 1, 15), "850");
    EXPECT_EQ(order().bewerking(1, 1, 28), "*");
}

TEST_F(SillDialogTest, TwoPositionsWithUdkAndHohShowNoDimension)
{
    row(u'B', 2, "MRAIL");
    whenShown([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Onderdorpel hefschuif 1/B2");
        EXPECT_FALSE(d.bewerking(2)->isHidden());
        EXPECT_TRUE(d.bewerking(3)->isHidden());
        EXPECT_EQ(labels(d), QStringList{});
        EXPECT_EQ(d.udk(1)->text(), "60");
        EXPECT_EQ(d.hoh(1)->text(), "120");
        EXPECT_FALSE(d.aantal()->isHidden());
    });
    open(u'B', 2);
}

TEST_F(SillDialogTest, LeftHandedLiftSlideIsMirroredAndFillsItsSecondDimension)
{
    row(u'S', 1, "HSD67L");
    whenShown([](Dialog& d) {
        EXPECT_EQ(d.configuratie().type(), SillType::HL);
        EXPECT_EQ(d.windowTitle(), "Onderdorpel hefschuif 1/S1");
        EXPECT_EQ(labels(d), (QStringList{"z", "B", "A", "a"}));
        // Top-down, and "A" on the line of the rail (position 3).
        EXPECT_LT(d.maat(1)->y(), d.maat(2)->y());
        EXPECT_LT(d.maat(2)->y(), d.maat(3)->y());
        EXPECT_LT(d.maat(3)->y(), d.maat(4)->y());
        EXPECT_EQ(d.maat(3)->y(), d.bewerking(3)->y());
        EXPECT_EQ(d.udk(3)->text(), "60");
        EXPECT_EQ(d.hoh(3)->text(), "120");
        QTest::keyClicks(d.aantal(), "2");
        enter(d.aantal());
        EXPECT_EQ(d.focusWidget(), d.zaagmaat());
        QTest::keyClicks(d.zaagmaat(), "2500");
        enter(d.zaagmaat());
        EXPECT_EQ(d.focusWidget(), d.maat(3));
        QTest::keyClicks(d.maat(3), "700");
        enter(d.maat(3));
        EXPECT_EQ(d.maat(2)->text(), "1800");
        EXPECT_FALSE(d.isVisible());
    });
    open(u'S');
    EXPECT_EQ(order().subartikel(1, 1, 15 + 1), "1800");
    EXPECT_EQ(order().subartikel(1, 1, 15 + 2), "700");
    EXPECT_EQ(order().subartikel(1, 1, 3 + 2), "HS1");
    EXPECT_EQ(order().detailAantal(1, 1), "2");
    EXPECT_EQ(order().detailMaat(1, 1), "2500");
}

TEST_F(SillDialogTest, RestoredExtendedMacroKeepsTheExtendedChoice)
{
    row(u'S', 1, "HSD67R");
    SillValues stored;
    stored.macros = {"AFV", "HS2", "HSM", "OTW"};
    stored.maten[1] = "500";
    stored.maten[2] = "2000";
    writeSillValues(order(), u'S', 1, 1, stored);
    order().setDetailAantal(1, 1, "1");
    order().setDetailMaat(1, 1, "2500");
    screen->panelEntry().setPreviousArticle("HSD67R");
    whenShown([](Dialog& d) {
        EXPECT_EQ(d.bewerking(0)->currentText(), "Uitgebreide keuze");
        EXPECT_EQ(macroCodeOf(d.bewerking(1)->currentText()), "AFV");
        EXPECT_EQ(macroCodeOf(d.bewerking(2)->currentText()), "HS2");
        EXPECT_EQ(d.hoh(2)->text(), "140");
        EXPECT_EQ(d.maat(2)->text(), "500");
        EXPECT_EQ(d.zaagmaat()->text(), "2500");
        d.bewerking(0)->setCurrentIndex(0); // the simple choice cannot show HS2
        EXPECT_EQ(d.bewerking(0)->currentText(), "Uitgebreide keuze");
        EXPECT_EQ(d.statusText(), "Gekozen bewerkingen niet mogelijk met eenvoudige keuze!");
        EXPECT_EQ(macroCodeOf(d.bewerking(2)->currentText()), "HS2");
        d.okButton()->click();
        EXPECT_FALSE(d.isVisible());
    });
    open(u'S');
    EXPECT_EQ(readSillValues(order(), u'S', 1, 1).macros[1], "HS2");
    EXPECT_EQ(screen->panelEntry().previousArticle(), "");

    // Without the previous article the proposals come back, from the simple choice.
    whenShown([](Dialog& d) {
        EXPECT_EQ(d.bewerking(0)->currentText(), "Eenvoudige keuze");
        EXPECT_EQ(macroCodeOf(d.bewerking(2)->currentText()), "HS1");
        EXPECT_EQ(d.maat(2)->text(), "");
    });
    open(u'S');
}

TEST_F(SillDialogTest, SawLengthMustEqualTheDimensions)
{
    const struct {
        const char* zaagmaat;
        bool passes;
    } cases[] = {{"2500", true}, {"2501", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zaagmaat);
        row(u'S', 1, "HSD67R");
        order().clearDetails(1);
        bool stillOpen = false;
        whenShown([&](Dialog& d) {
            QTest::keyClicks(d.aantal(), "3");
            type(d.zaagmaat(), c.zaagmaat);
            type(d.maat(2), "500");
            type(d.maat(3), "2000");
            d.okButton()->click();
            stillOpen = d.isVisible();
            EXPECT_EQ(red(d.lZaagmaat()), !c.passes);
            EXPECT_EQ(red(d.lUDK()), !c.passes);
            EXPECT_EQ(red(d.lMaatKop()), !c.passes);
            if (!c.passes) {
                EXPECT_EQ(d.statusText(),
                          "Zaagmaat komt niet overeen met het totaal van de maten of is leeg!");
                EXPECT_EQ(d.focusWidget(), d.zaagmaat());
                EXPECT_TRUE(d.okButton()->isEnabled());
            }
        });
        open(u'S');
        EXPECT_EQ(stillOpen, !c.passes);
        EXPECT_EQ(order().subartikel(1, 1, 28), c.passes ? "*" : "");
        EXPECT_EQ(order().detailMaat(1, 1), c.passes ? "2500" : "");
        order().setSubartikel(1, 1, 28, QString());
    }
}

TEST_F(SillDialogTest, QuantityIsRequired)
{
    row(u'S', 1, "HSD67R");
    whenShown([](Dialog& d) {
        QTest::keyClicks(d.aantal(), "0");
        enter(d.aantal()); // to Zaagmaat: the quantity's exit refuses "0"
        EXPECT_TRUE(d.aantalRood());
        EXPECT_EQ(d.statusText(), "Aantal is verplicht!");
        type(d.aantal(), "");
        d.aantal()->clear();
        d.okButton()->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), d.aantal());
        EXPECT_EQ(d.statusText(), "Aantal is verplicht!");
    });
    open(u'S');
    EXPECT_EQ(order().subartikel(1, 1, 28), "");
}

TEST_F(SillDialogTest, ProductionNumberSkipsTheLengthCheck)
{
    row(u'S', 1, "HSD67R");
    whenShown([this](Dialog& d) {
        d.productienummer()->setFocus();
        QTest::keyClicks(d.productienummer(), "sd9");
        EXPECT_EQ(d.productienummer()->text(), "SD9");
        enter(d.productienummer());
        ++expectedMessages;
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().caption, "Waarschuwing");
        EXPECT_EQ(messages.last().lines, QStringList{"Macro-bestand 'SD9.Txt' niet gevonden!"});
        EXPECT_EQ(messages.last().buttons, QStringList{"OK"});
        EXPECT_EQ(d.focusWidget(), d.aantal());
        type(d.productienummer(), "SD1001");
        enter(d.productienummer());
        EXPECT_EQ(messages.count(), 1); // this one has its file
        QTest::keyClicks(d.aantal(), "4");
        enter(d.aantal());
        QTest::keyClicks(d.zaagmaat(), "1234");
        enter(d.zaagmaat()); // confirms at once
        EXPECT_FALSE(d.isVisible());
    });
    open(u'S');
    EXPECT_EQ(order().subartikel(1, 1, 2), "SD1001");
    EXPECT_EQ(order().detailMaat(1, 1), "1234");
    EXPECT_EQ(order().detailAantal(1, 1), "4");
}

TEST_F(SillDialogTest, CancelLeavesTheOrderButClearsThePreviousArticle)
{
    row(u'S', 1, "HSD67R");
    order().setDetailAantal(1, 1, "1");
    order().setDetailMaat(1, 1, "900");
    const OrderHeaderValues header = screen->headerValues();
    const auto before = order().signature(header);
    screen->panelEntry().setPreviousArticle("HSD67R");
    whenShown([](Dialog& d) {
        type(d.aantal(), "7");
        type(d.zaagmaat(), "2500");
        type(d.maat(2), "2500");
        d.annuleren()->click();
    });
    open(u'S');
    EXPECT_EQ(order().signature(header), before);
    EXPECT_EQ(order().subartikel(1, 1, 28), "");
    EXPECT_EQ(order().detailAantal(1, 1), "1");
    EXPECT_EQ(screen->panelEntry().previousArticle(), "");

    // An article without macros opens nothing, and still clears it.
    row(u'S', 2, "EK67");
    screen->panelEntry().setPreviousArticle("EK67");
    open(u'S', 2);
    EXPECT_EQ(screen->panelEntry().previousArticle(), "");
}

TEST_F(SillDialogTest, KeysEnterAndArrows)
{
    row(u'B', 1, "MSPB"); // positions 1-3, dimensions a, A, B, z
    whenShown([](Dialog& d) {
        EXPECT_EQ(d.configuratie().type(), SillType::BB);
        EXPECT_EQ(labels(d), (QStringList{"a", "A", "B", "z"}));
        // Figures only, at most five; the production number in capitals,
        // never a path.
        QTest::keyClicks(d.aantal(), "1a2-3456");
        EXPECT_EQ(d.aantal()->text(), "12345");
        d.productienummer()->setFocus();
        QTest::keyClicks(d.productienummer(), "ab/\\:1");
        EXPECT_EQ(d.productienummer()->text(), "AB1");
        d.productienummer()->clear();

        // Enter through the lists to the field labelled "A".
        d.bewerking(0)->setFocus();
        enter(d.bewerking(0));
        EXPECT_EQ(d.focusWidget(), d.bewerking(1));
        enter(d.bewerking(1));
        enter(d.bewerking(2));
        enter(d.bewerking(3));
        EXPECT_EQ(d.focusWidget(), d.maat(2));
        // Up and Down over the shown edits, wrapping at both ends.
        QTest::keyClick(d.maat(2), Qt::Key_Up);
        EXPECT_EQ(d.focusWidget(), d.maat(1));
        QTest::keyClick(d.maat(1), Qt::Key_Up);
        EXPECT_EQ(d.focusWidget(), d.zaagmaat());
        d.maat(4)->setFocus();
        QTest::keyClick(d.maat(4), Qt::Key_Down);
        EXPECT_EQ(d.focusWidget(), d.productienummer());
        QTest::keyClick(d.productienummer(), Qt::Key_Up);
        EXPECT_EQ(d.focusWidget(), d.maat(4));
        // The UDK-only position counts toward the length: 50 + 450 + 1500.
        type(d.aantal(), "1");
        type(d.zaagmaat(), "2000");
        type(d.maat(2), "450");
        enter(d.maat(2));
        EXPECT_EQ(d.focusWidget(), d.maat(3));
        QTest::keyClicks(d.maat(3), "1500");
        enter(d.maat(3)); // skips "z": confirms
        EXPECT_FALSE(d.isVisible());
    });
    open(u'B');
    EXPECT_EQ(order().bewerking(1, 1, 28), "*");
    EXPECT_EQ(order().bewerking(1, 1, 4), "SPB");
}

TEST_F(SillDialogTest, PlacementIsSavedPerUserAndRestored)
{
    row(u'S', 1, "HSD90E");
    QSize size;
    whenShown([&](Dialog& d) {
        EXPECT_EQ(d.configuratie().type(), SillType::H1);
        d.move(123, 45);
        size = d.size();
    });
    open(u'S');
    const std::optional<SillWindowPlacement> saved = queries->readPlacement(Dialog::SchermNaam);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->windowState, 0);
    EXPECT_EQ(saved->left, 123);
    EXPECT_EQ(saved->top, 45);
    EXPECT_EQ(saved->height, size.height());
    EXPECT_EQ(saved->width, size.width());
    whenShown([](Dialog& d) { EXPECT_EQ(d.pos(), QPoint(123, 45)); });
    open(u'S');
}

TEST_F(SillDialogTest, OpensFromAChangedSubArticleAndStoresWhatWasTyped)
{
    // The panel's change sets PreviousArticle to the row's article before
    // the change and opens the configurator through the desk's seam.
    QComboBox* sub = screen->subartikelRij(1).keuze;
    {
        TVonuOrderscherm::UpdateGuard guard(*screen);
        sub->addItems({"", "HSD67L", "HSD67R"});
        sub->setCurrentIndex(1);
    }
    row(u'S', 1, "HSD67L");
    whenShown([this](Dialog& d) {
        EXPECT_EQ(d.configuratie().type(), SillType::HR);
        EXPECT_EQ(screen->panelEntry().previousArticle(), "HSD67L");
        QTest::keyClicks(d.aantal(), "2");
        type(d.zaagmaat(), "2600");
        type(d.maat(1), "20");
        type(d.maat(3), "1000");
        type(d.maat(2), "1580");
        d.okButton()->click();
        EXPECT_FALSE(d.isVisible());
    });
    sub->setCurrentIndex(2);
    EXPECT_EQ(order().subartikel(1, 1, 1), "HSD67R");
    EXPECT_EQ(screen->panelEntry().previousArticle(), "");
    const SillValues typed = readSillValues(order(), u'S', 1, 1);
    ASSERT_TRUE(typed.configured);

    // The order stored by the order desk's store and its sill values read back.
    DeskOrderData& desk = order().desk();
    desk.debiteur = "104711";
    desk.extra.leverdatum = QDate(2026, 12, 22);
    desk.extra.productieweek = "52";
    desk.extra.leveringswijze = "TR";
    order().setField(1, Veld::Lengte, "Op maat");
    for (Vlag f : {Vlag::Lengte, Vlag::Subartikelen, Vlag::Details})
        order().setFlag(1, f, true);
    StoreHeader header;
    header.orderdatum = QDate(2026, 12, 10);
    header.verzendadres = "01";
    OrderStore store(*session, messages);
    ASSERT_TRUE(store.store(order(), header, StoreRequest{true, "24001", false}))
        << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
    const QString key = orderKey("24001");
    const QString regelId =
        db->scalar("select RegelId from OrderProduktieregel where \"order\" = ? and Artikel = 'HSD67R'",
                   {key})
            .toString();
    ASSERT_FALSE(regelId.isEmpty());
    QSqlQuery q(db->admin());
    q.prepare("select RegelId, Type, Volgnummer, Waarde from OrderOnderdorpelmacro where \"order\" = ? "
              "order by Type, Volgnummer");
    q.addBindValue(key);
    ASSERT_TRUE(q.exec());
    QStringList back;
    while (q.next()) {
        EXPECT_EQ(q.value(0).toString(), regelId);
        back << q.value(1).toString() + q.value(2).toString() + u'=' + q.value(3).toString();
    }
    EXPECT_EQ(back, (QStringList{"B1=AFK", "B2=HS1", "B3=HSM", "B4=AFK", "M1=20", "M2=1580", "M3=1000"}));
}

// The program at the order desk wires the configurator to the panels: a
// sub-article change on a sill line opens it, with the desk's own session.
TEST(SillDeskWiring, TheOrderDeskOpensTheConfiguratorFromThePanels)
{
    const QString why = PgTestDatabase::unavailableReason();
    if (!why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    PgTestDatabase db;
    ASSERT_TRUE(db.ok()) << db.error().toStdString();
    const QString work = db.workingFolder("Balie1");
    QFile ini(QDir(work).filePath("Morvek.Ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("OnderdorpelPre=pre\r\nOnderdorpelPost=post\r\n");
    ini.close();
    ASSERT_TRUE(test::placeDemoCatalog(QDir(work).filePath("../Assortiment.Xml")));
    test::FakePlatform fake;
    fake.clock.time = QDateTime(QDate(2026, 12, 10), QTime(8, 0));
    test::ScriptedMessages& messages = fake.messages;
    MorvekVonu program(fake.platform, work, {"balie1"});
    program.runStartup();
    ASSERT_TRUE(program.started()) << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
    TVonuOrderscherm& screen = program.mainScreen();
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));

    OrderModel& order = screen.order();
    order.setField(1, Veld::Artikel, "OD90");
    order.setSubartikel(1, 1, 1, "HSD90D");
    int openings = 0;
    QString title;
    onConfigurator(&openings, [&](Dialog& d) {
        title = d.windowTitle();
        EXPECT_EQ(d.configuratie().type(), SillType::H2);
    });
    screen.panelEntry().setPreviousArticle("HSD90D");
    screen.panelEntry().subartikelConsequences(1);
    EXPECT_EQ(openings, 1);
    EXPECT_EQ(title, "Onderdorpel hefschuif 1/S1");
    EXPECT_EQ(screen.panelEntry().previousArticle(), "");
    EXPECT_EQ(db.scalar("select count(*) from APC_Scherm where \"user\" = 'Balie1' and Title = ?",
                        {QString::fromLatin1(Dialog::SchermNaam)})
                  .toInt(),
              1);
}
