#include "widgets/RadioGroup.h"
#include "order/LineWindow.h"
#include "order/VonuOrder.h"
#include "data/AppState.h"
#include "sill/VonuOrderSponning.h"
#include "order/VonuOrderNotitie.h"
#include "support/MainScreenFixture.h"
#include "widgets/ButtonKeys.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <span>

using namespace vonu;
using vonu::test::ScriptedMessages;

namespace {

class MainScreen : public vonu::test::MainScreenFixture {
protected:

    template <typename T = QWidget>
    T* control(const QString& name) const
    {
        return screen.findChild<T*>(name);
    }

    // Puts `text` as the only real entry of a list and selects it.
    static void choose(QComboBox* box, const QString& text)
    {
        box->clear();
        box->addItems({QString(), text});
        box->setCurrentIndex(1);
    }

};

QString n(int i)
{
    return QString::number(i);
}

} // namespace

TEST_F(MainScreen, TheWindowKeepsItsSizeAndItsStatusBarShowsTheVersion)
{
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Morvek VonuOrder"));
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    const QSize size = screen.size();
    screen.resize(size + QSize(200, 100));
    EXPECT_EQ(screen.size(), size) << "dragged larger";
    EXPECT_FALSE(screen.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(screen.windowFlags() & Qt::WindowMinimizeButtonHint);

    EXPECT_EQ(screen.statusText(1), QStringLiteral("Versie 1.06"));
    screen.setStatusText(0, QStringLiteral("ON"));
    EXPECT_EQ(screen.statusText(0), QStringLiteral("ON"));
    EXPECT_EQ(screen.statusText(1), QStringLiteral("Versie 1.06"));
    screen.setStatusText(4, QStringLiteral("x"));  // no such panel: nothing happens
    EXPECT_EQ(screen.statusText(4), QString());
}

// Alt with a button's underlined letter presses it, in either mode, as the
// program sets the screen up. Where two visible buttons share a letter the
// first in tab order takes it; the other only shows its caption.
TEST_F(MainScreen, AltWithTheUnderlinedLetterPressesTheButton)
{
    struct Case {
        QPushButton* button;
        const char* caption;
        Qt::Key key;  // Qt::Key_unknown: the letter belongs to an earlier button
    };
    const Case customer[] = {
        {screen.verzenden(), "&Verzenden en bewaren", Qt::Key_V},
        {screen.afdrukken(), "A&fdrukken", Qt::Key_F},
        {screen.nieuw(), "&Nieuw", Qt::Key_N},
        {screen.notities(), "&Notities", Qt::Key_unknown},
        {screen.openen(), "O&penen", Qt::Key_P},
        {screen.bewaren(), "Be&waren", Qt::Key_W},
        {screen.verwijderen(), "Ve&rwijderen", Qt::Key_R},
        {screen.artikelnummers(), "A&rtikelnummers", Qt::Key_unknown},
        {screen.instellingen(), "&Instellingen", Qt::Key_I},
        {screen.afsluiten(), "&Afsluiten", Qt::Key_A},
        {screen.leveringsInformatie(), "Bekijk hier de algemene &leveringsinformatie", Qt::Key_L},
        {screen.zoekArtikel(), "Zoek arti&kel ...", Qt::Key_K},
        {screen.zoekBewerking(), "Zoek b&ewerking ...", Qt::Key_E},
    };
    const Case desk[] = {
        {screen.verzenden(), "Bewaren order&verwerking", Qt::Key_V},
        {screen.nieuw(), "&Nieuw", Qt::Key_N},
        {screen.notities(), "Noti&ties / O.B.", Qt::Key_T},
        {screen.vonuOrder(), "Extern bes&tand", Qt::Key_unknown},
        {screen.verwijderen(), "Ve&rwijderen", Qt::Key_R},
        {screen.extra(), "E&xtra ordergegevens", Qt::Key_X},
        {screen.afsluiten(), "&Afsluiten", Qt::Key_A},
    };
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    for (const bool atDesk : {false, true}) {
        screen.showModeControls(atDesk);
        if (atDesk)
            screen.shapeForOrderDesk();
        screen.subartikelen()->show();
        screen.bewerkingen()->show();
        pressFirstOfSharedAccelerators(&screen);
        for (const Case& c : atDesk ? std::span<const Case>(desk) : std::span<const Case>(customer)) {
            const std::string what = (atDesk ? "desk: " : "customer: ") + c.button->objectName().toStdString();
            EXPECT_EQ(c.button->text(), QString::fromUtf8(c.caption)) << what;
            if (c.key == Qt::Key_unknown)
                continue;
            // Only the press is counted: what the button does is tested elsewhere.
            c.button->disconnect(SIGNAL(clicked(bool)));
            QSignalSpy clicked(c.button, &QPushButton::clicked);
            screen.ordernummer()->setFocus();
            QTest::keyClick(&screen, c.key, Qt::AltModifier);
            // Qt presses a letter of one control's own a moment later.
            for (int i = 0; i < 100 && clicked.isEmpty(); ++i)
                QTest::qWait(10);
            EXPECT_EQ(clicked.count(), 1) << what;
        }
    }
    EXPECT_EQ(screen.transactie()->itemText(0), QStringLiteral("Order plaatsen"));
    EXPECT_EQ(screen.transactie()->itemText(1), QStringLiteral("Offerte aanvragen"));
}

// At the order desk the screen speaks of the debtor, the notes screen of
// the confirmation remark too, and the order number takes the desk's longer
// numbers.
TEST_F(MainScreen, AtTheDeskTheScreenSpeaksOfTheDebtorAndTakesLongerOrderNumbers)
{
    screen.shapeForOrderDesk();
    screen.showModeControls(true);
    EXPECT_EQ(screen.lDebiteur()->text(), QStringLiteral("Debiteur:"));
    EXPECT_EQ(notes.windowTitle(), QStringLiteral("Notities / Opmerking orderbevestiging"));
    screen.ordernummer()->setFocus();
    QTest::keyClicks(screen.ordernummer(), "INK-2026-000123456789012345678901234");
    EXPECT_EQ(screen.headerValues().ordernummer, QStringLiteral("INK-2026-000123456789012345678"));
}

// ------------------------------------------------------------------ mode table

TEST_F(MainScreen, ModeTableShowsEachModesControls)
{
    struct Row {
        QString name;
        bool desk;
        bool customer;
    };
    std::vector<Row> rows = {
        {"K_Debiteur", true, false},  {"Debiteur", true, false},   {"ZoekDebiteur", true, false},
        {"Ordervoor", true, true},    {"Ordernummer", true, true}, {"Referentie", true, true},
        {"Orderdatum", true, true},   {"LeveringsInformatie", true, true},
        {"OrderregelPositie", true, true},
        {"Notities", true, true},     {"Afsluiten", true, true},   {"Verzenden", true, true},
        {"Nieuw", true, true},        {"Openen", true, true},      {"Bewaren", true, true},
        {"Verwijderen", true, true},  {"Afdrukken", true, true},
        {"Extra", true, false},       {"VonuOrder", true, false},
        {"Artikelnummers", false, true}, {"Instellingen", false, true},
    };
    for (int r = 1; r <= 6; ++r) {
        rows.push_back({"Regel" + n(r), true, true});
        rows.push_back({"Artikel" + n(r), true, true});
        rows.push_back({"Omschrijving" + n(r) + "1", true, true});
        rows.push_back({"Omschrijving" + n(r) + "2", true, true});
        rows.push_back({"Omschrijving" + n(r), true, false});  // description button
    }
    // Before the start-up every one of them is hidden.
    const TVonuOrderscherm fresh(platform, state, sponningKoppeling());
    for (const Row& row : rows)
        EXPECT_TRUE(fresh.findChild<QWidget*>(row.name)->isHidden()) << "before start: " << row.name.toStdString();

    for (bool desk : {true, false, true}) {
        screen.showModeControls(desk);
        for (const Row& row : rows)
            EXPECT_EQ(!control(row.name)->isHidden(), desk ? row.desk : row.customer)
                << (desk ? "order desk: " : "customer: ") << row.name.toStdString();
    }
    // The line fields and panels are not the mode's business.
    for (const char* name : {"Kleur1", "Aantal3", "Sponning6", "Subartikelen", "Details"})
        EXPECT_TRUE(control(QString::fromUtf8(name))->isHidden()) << name;
}

// ------------------------------------------------------------------ clear order

TEST_F(MainScreen, ClearOrderEmptiesTheOrderAndResetsTheWindows)
{
    screen.showModeControls(false);
    OrderModel& order = screen.order();
    // A busy order: scrolled to line 20, panels open and moved, stamp shown.
    for (int line = 1; line <= 30; ++line)
        order.setField(line, Veld::Artikel, QStringLiteral("ONDER100"));
    order.setSubartikel(20, 9, 1, QStringLiteral("EINDKAP"));
    order.setDetailSlot(20, 100, 2, QStringLiteral("5"));
    order.lines().setMaximum(order.lineScrollMaximum());
    order.lines().moveTo(19);
    order.subartikelen().setMaximum(10);
    order.subartikelen().moveTo(9);
    screen.syncWindows();
    screen.ordernummer()->setText(QStringLiteral("A-12"));
    screen.referentie()->setText(QStringLiteral("Keuken"));
    notes.notities()->setPlainText(QStringLiteral("Bellen"));
    notes.ob()->setPlainText(QStringLiteral("Vooruit betaald"));
    screen.showSentStamp(QStringLiteral("12_03_2024_14_05_33"));
    for (int r = 1; r <= 6; ++r) {
        const auto& rij = screen.regelRij(r);
        rij.kleur->addItems({QString(), QStringLiteral("9010 Wit")});
        rij.kleur->setCurrentIndex(1);
        rij.kleur->show();
        rij.aantal->setText(QStringLiteral("4"));
        rij.aantal->show();
        rij.maatInvoer->setText(QStringLiteral("1500"));
        rij.maatInvoer->show();
        rij.sponning->setText(QStringLiteral("S"));
        rij.sponning->show();
        rij.omschrijving1->setText(QStringLiteral("Onderdorpel"));
        rij.uitvoering->setCurrentIndex(1);
        rij.uitvoering->show();
    }
    screen.subartikelen()->show();
    screen.details()->show();
    screen.detailRij(3).aantal->setText(QStringLiteral("2"));
    screen.subartikelRij(1).keuze->addItem(QStringLiteral("EINDKAP"));

    screen.clearOrder();

    EXPECT_TRUE(screen.ordernummer()->text().isEmpty());
    EXPECT_TRUE(screen.referentie()->text().isEmpty());
    EXPECT_TRUE(notes.notitiesText().isEmpty());
    EXPECT_TRUE(notes.obText().isEmpty());
    EXPECT_TRUE(screen.verzonden()->isHidden());
    EXPECT_TRUE(screen.kVerzonden()->isHidden());
    EXPECT_TRUE(screen.verzonden()->text().isEmpty());
    EXPECT_EQ(order.signature(OrderHeaderValues{}), OrderModel().signature(OrderHeaderValues{}));

    EXPECT_EQ(screen.orderregelPositie()->value(), 0);
    EXPECT_EQ(screen.orderregelPositie()->maximum(), 5);
    for (int r = 1; r <= 6; ++r) {
        const auto& rij = screen.regelRij(r);
        EXPECT_EQ(rij.regel->text(), n(r));
        EXPECT_EQ(rij.regel->palette().color(QPalette::Base) == TVonuOrderscherm::highlightColour(),
                  r == 1)
            << "row " << r;
        EXPECT_FALSE(rij.artikel->isHidden());
        EXPECT_TRUE(rij.omschrijving1->text().isEmpty());
        for (QWidget* w : {static_cast<QWidget*>(rij.kleur), static_cast<QWidget*>(rij.lengte),
                           static_cast<QWidget*>(rij.correctie), static_cast<QWidget*>(rij.maat),
                           static_cast<QWidget*>(rij.maatInvoer),
                           static_cast<QWidget*>(rij.uitvoering), static_cast<QWidget*>(rij.aantal),
                           static_cast<QWidget*>(rij.sponning)})
            EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
        EXPECT_EQ(rij.kleur->currentIndex(), 0);
        EXPECT_TRUE(rij.aantal->text().isEmpty());
        EXPECT_TRUE(rij.maatInvoer->text().isEmpty());
        EXPECT_TRUE(rij.sponning->text().isEmpty());
        EXPECT_EQ(rij.uitvoering->currentText(), QStringLiteral("Geboord"));
    }

    EXPECT_TRUE(screen.subartikelen()->isHidden());
    EXPECT_TRUE(screen.bewerkingen()->isHidden());
    EXPECT_TRUE(screen.details()->isHidden());
    EXPECT_EQ(screen.subartikelen()->title(), QStringLiteral(" &Meeleveren regel 1 "));
    EXPECT_EQ(screen.bewerkingen()->title(), QStringLiteral(" &Bewerkingen regel 1 "));
    EXPECT_EQ(screen.details()->title(), QStringLiteral(" &Details regel 1 "));
    EXPECT_EQ(screen.subartikelRij(1).keuze->count(), 0);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(screen.subartikelRij(i).regel->text(), n(i));
        EXPECT_EQ(screen.bewerkingRij(i).regel->text(), n(i));
    }
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(screen.detailRij(i).regel->text(), n(i));
        EXPECT_TRUE(screen.detailRij(i).aantal->text().isEmpty());
    }
    EXPECT_EQ(screen.subartikelPositie()->maximum(), 3);
    EXPECT_EQ(screen.subartikelPositie()->value(), 0);
    EXPECT_EQ(screen.bewerkingPositie()->maximum(), 3);
    EXPECT_EQ(screen.detailPositie()->maximum(), 9);
    EXPECT_FALSE(screen.programmaticUpdate());
}

TEST_F(MainScreen, SentStampIsShownWithItsFrame)
{
    screen.showSentStamp(QStringLiteral("01_02_2024_09_30_00*"));
    EXPECT_EQ(screen.verzonden()->text(), QStringLiteral("01-02-2024 09:30:00*"));
    EXPECT_FALSE(screen.verzonden()->isHidden());
    EXPECT_FALSE(screen.kVerzonden()->isHidden());
    screen.showSentStamp(QString());
    EXPECT_TRUE(screen.verzonden()->isHidden());
    EXPECT_TRUE(screen.kVerzonden()->isHidden());
}

// ----------------------------------------------------------- write back rows

TEST_F(MainScreen, WriteBackStoresWhatWasTypedAndKeepsWhatTheListsCannotShow)
{
    screen.showModeControls(false);
    OrderModel& order = screen.order();
    // Rows show lines 11-16; line 16 is current. The lines hold values as
    // read from a file; none of them is in the (empty) lists.
    order.lines().setMaximum(99);
    order.lines().moveTo(15);
    const std::pair<Veld, const char*> line12[] = {
        {Veld::Artikel, "ONDER100"}, {Veld::Kleur, "9010 Wit"}, {Veld::Lengte, "Op maat"},
        {Veld::Correctie, "Inclusief maat"}, {Veld::Maat, "1400"}, {Veld::Uitvoering, "Geboord"},
        {Veld::Aantal, "2"},         {Veld::Sponning, "S1"},    {Veld::EAN, "8712345678901"},
    };
    for (const auto& [veld, value] : line12)
        order.setField(12, veld, QString::fromUtf8(value));
    order.setStatusText(12, "111110110001");
    order.setField(13, Veld::Artikel, "KOPSCHOT");
    order.setField(13, Veld::Maat, "7,00 Mtr");
    order.setStatusText(13, "100010100000");
    order.setField(16, Veld::Artikel, "ON200");
    order.setStatusText(16, "100000101110");
    order.setSubartikel(16, 5, 1, "EINDKAP");
    order.setBewerking(16, 1, 1, "KEEP");
    for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r)
        screen.showLineInRow(r);
    screen.lineWindow().refillPanels();
    order.details().setMaximum(20);
    order.details().moveTo(15);  // rows 7-16 shown
    screen.syncWindows();

    const auto& rij = screen.regelRij(2);  // line 12
    EXPECT_EQ(rij.artikel->placeholderText(), "ONDER100") << "shown although the lists lack it";
    EXPECT_EQ(rij.correctie->currentText(), "Inclusief maat");
    EXPECT_EQ(screen.regelRij(3).maat->placeholderText(), "7,00 Mtr");
    // Typed, not yet left.
    rij.aantal->setText("3");
    rij.maatInvoer->setText("1500");
    screen.detailRij(1).aantal->setText("2");
    screen.detailRij(1).maat->setText("1500");

    screen.writeBackVisibleRows();

    const std::pair<Veld, const char*> expected12[] = {
        {Veld::Artikel, "ONDER100"}, {Veld::Kleur, "9010 Wit"}, {Veld::Lengte, "Op maat"},
        {Veld::Correctie, "Inclusief maat"}, {Veld::Maat, "1500"}, {Veld::Uitvoering, "Geboord"},
        {Veld::Aantal, "3"},         {Veld::Sponning, "S1"},    {Veld::EAN, "8712345678901"},
    };
    for (const auto& [veld, value] : expected12)
        EXPECT_EQ(order.field(12, veld), QString::fromUtf8(value)) << "field " << int(veld);
    EXPECT_EQ(order.field(13, Veld::Artikel), "KOPSCHOT");
    EXPECT_EQ(order.field(13, Veld::Maat), "7,00 Mtr");
    EXPECT_EQ(order.subartikel(16, 5, 1), "EINDKAP");
    EXPECT_EQ(order.bewerking(16, 1, 1), "KEEP");
    EXPECT_EQ(order.detailAantal(16, 7), "2");
    EXPECT_EQ(order.detailMaat(16, 7), "1500");
    EXPECT_EQ(order.field(16, Veld::Aantal), "2/3,0") << "the total follows the details";
    EXPECT_FALSE(order.detailInUse(16, 1));
}

// ------------------------------------------------------------------ signature

TEST_F(MainScreen, SignatureFollowsTheHeaderFieldsAndNotes)
{
    screen.orderdatum()->setDate(QDate(2024, 1, 10));
    screen.ordernummer()->setText(QStringLiteral("PO-100"));
    const auto base = screen.currentSignature();
    // Each a change of the order, also where no length changes.
    const std::function<void()> edits[] = {
        [&] { screen.ordernummer()->setText(QStringLiteral("PO-999")); },
        [&] { screen.referentie()->setText(QStringLiteral("Keuken")); },
        [&] { notes.notities()->setPlainText(QStringLiteral("abc")); },
        [&] { notes.ob()->setPlainText(QStringLiteral("abc")); },
        [&] { screen.transactie()->setItemIndex(1); },
        [&] { screen.orderdatum()->setDate(QDate(2024, 1, 11)); },
        [&] { screen.ordervoor()->addItem(QStringLiteral("01 BOUW")); },
    };
    auto previous = base;
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        edits[i]();
        EXPECT_NE(screen.currentSignature(), previous) << "edit " << i;
        previous = screen.currentSignature();
    }
    EXPECT_EQ(screen.transactieType(), Transactie::Offerte);
    screen.takeSavedSignature();
    EXPECT_EQ(screen.savedSignature(), previous);
}

// ------------------------------------------------------------------ close query

TEST_F(MainScreen, CloseQuery)
{
    struct Case {
        const char* what;
        bool started;
        bool changed;
        Transactie transactie;
        int answer;
        bool closes;
        const char* question;  // nullptr: nothing asked
    };
    const Case cases[] = {
        {"before start-up", false, true, Transactie::Order, 2, true, nullptr},
        {"unchanged", true, false, Transactie::Order, 2, true, nullptr},
        {"changed order, yes", true, true, Transactie::Order, 1, true,
         "Order is gewijzigd, wilt u afsluiten?"},
        {"changed order, no", true, true, Transactie::Order, 2, false,
         "Order is gewijzigd, wilt u afsluiten?"},
        {"changed quotation, escape", true, true, Transactie::Offerte, 0, false,
         "Offerteaanvraag is gewijzigd, wilt u afsluiten?"},
        {"changed quotation, yes", true, true, Transactie::Offerte, 1, true,
         "Offerteaanvraag is gewijzigd, wilt u afsluiten?"},
    };
    for (const Case& c : cases) {
        vonu::test::FakePlatform own;
        ScriptedMessages& dialog = own.messages;
        TVonuOrderscherm s(own.platform, state, sponningKoppeling());
        int closed = 0;
        s.setCloseHandler([&closed] { ++closed; });
        s.transactie()->setItemIndex(int(c.transactie));
        s.takeSavedSignature();
        s.setStarted(c.started);
        if (c.changed)
            s.order().setField(57, Veld::Aantal, QStringLiteral("2"));
        dialog.answer(c.answer);

        EXPECT_EQ(s.close(), c.closes) << c.what;
        EXPECT_EQ(closed, c.closes ? 1 : 0) << c.what;
        if (!c.question) {
            EXPECT_EQ(dialog.count(), 0) << c.what;
            continue;
        }
        ASSERT_EQ(dialog.count(), 1) << c.what;
        EXPECT_EQ(dialog.last().caption, QStringLiteral("Bevestiging"));
        EXPECT_EQ(dialog.last().lines, QStringList({QString(), QString::fromUtf8(c.question)}));
        EXPECT_EQ(dialog.last().buttons, QStringList({"&Ja", "&Nee"}));
    }
}

// ------------------------------------------------------- activation, Afsluiten

TEST_F(MainScreen, StartupRunsOnceAndEscapeIsAfsluiten)
{
    int startups = 0;
    screen.setStartupHandler([&] {
        ++startups;
        screen.showModeControls(false);
        screen.takeSavedSignature();
        screen.setStarted(true);
    });
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    EXPECT_EQ(startups, 1);

    // Another window takes the focus and gives it back, as a dialog does.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    EXPECT_EQ(startups, 1);

    // Escape presses Afsluiten, which asks because the order changed.
    screen.ordernummer()->setText(QStringLiteral("PO-100"));
    messages.answer(2);
    QTest::keyClick(&screen, Qt::Key_Escape);
    EXPECT_EQ(messages.count(), 1);
    EXPECT_TRUE(screen.isVisible());
    messages.answer(1);
    screen.afsluiten()->click();
    EXPECT_EQ(messages.count(), 2);
    EXPECT_FALSE(screen.isVisible());
}
