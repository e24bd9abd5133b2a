// Entering a line by its EAN code: the size texts, the lookup and its
// refusals on the real server, the dialog, and the row filled on the real
// main screen of the order desk with the demo codes.

#include "app/MorvekVonu.h"
#include "desk/DbSession.h"
#include "desk/EanEntry.h"
#include "desk/EanLookup.h"
#include "desk/VonuOrderEANInvoer.h"
#include "order/LineWindow.h"
#include "order/OrderEntryDesk.h"
#include "order/OrderForControl.h"
#include "order/VonuOrder.h"
#include "sill/VonuOrderSponning.h"
#include "support/DemoFiles.h"
#include "support/FakeOrderEntryDesk.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"
#include "support/DatabaseFixture.h"
#include "support/ScriptedMessages.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

using namespace vonu;

namespace {

// The demo codes (db/demo.d/60-ean.sql).
const QString VasteMaat = QStringLiteral("8712340010015");        // OD56, "3", Geboord
const QString SubEnBewerking = QStringLiteral("8712340010022");   // OD56, "3.6", EK56 + GAT8
const QString OpMaatTweeBew = QStringLiteral("8712340010039");    // OD67, Op maat, GAT8 + AFV45
const QString TweeSponningen = QStringLiteral("8712340010046");   // OD78, "4,20", SPL + SPR
const QString OntbrekendSub = QStringLiteral("8712340010053");    // OD56, "6,0", XX999 + EK56
const QString PrijsOnbekend = QStringLiteral("8712340010060");    // OD67 + MOFFELEN
const QString NietVoor104712 = QStringLiteral("8712340010077");   // VB300, Op maat
const QString MaatNiet = QStringLiteral("8712340010084");         // OD56, "7"
const QString OpMaatPerStuk = QStringLiteral("8712340010091");    // ODK67, Op maat, EK67

// ------------------------------------------------------------------- sizes

TEST(EanSize, AnyWrittenFormFindsTheCatalogEntry)
{
    const QStringList list{"2,40 Mtr", "3,00 Mtr", "3,60 Mtr", "6,00 Mtr"};
    const struct {
        const char* maat;
        int index;
        const char* getal;
    } cases[] = {
        {"3", 1, "3"},     {"3,0", 1, "3"},   {"3.00", 1, "3"}, {" 3,60 ", 2, "3,6"}, {"3.6", 2, "3,6"},
        {"6,00", 3, "6"},  {"7", -1, "7"},    {"2,4", 0, "2,4"}, {"3,601", -1, "3,601"},
        {"drie", -1, "drie"}, {"", -1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(eanMaatIndex(c.maat, list), c.index) << c.maat;
        EXPECT_EQ(eanMaatGetal(c.maat), c.getal) << c.maat;
    }
    // Entries are compared by their number too, whatever their own form.
    EXPECT_EQ(eanMaatIndex("3", {"3 Mtr"}), 0);
    EXPECT_EQ(eanMaatIndex("3", {"3,00"}), -1);
}

// ------------------------------------------------------------------ dialog

class EanDialog : public ::testing::Test {
protected:
    // Runs `act` on the dialog once it is up and active.
    void whenShown(std::function<void(TVonuOrderEANInvoerscherm&)> act)
    {
        test::whenModal<TVonuOrderEANInvoerscherm>(std::move(act));
    }
};

TEST_F(EanDialog, PrefixThenTheProductNumberAndEnter)
{
    whenShown([](TVonuOrderEANInvoerscherm& d) {
        EXPECT_EQ(d.windowTitle(), "Invoer EAN-artikelcode");
        EXPECT_EQ(d.label()->text(), "EAN-artikelcode");
        EXPECT_EQ(d.ean()->text(), "871234");
        QTest::qWait(20);
        EXPECT_EQ(d.ean()->cursorPosition(), 6);
        EXPECT_FALSE(d.ean()->hasSelectedText());
        // At most 13 characters: the last two do not fit.
        QTest::keyClicks(d.ean(), "001001599");
        QTest::keyClick(d.ean(), Qt::Key_Return);
    });
    const std::optional<QString> code = TVonuOrderEANInvoerscherm::vraag("871234");
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, VasteMaat);
}

TEST_F(EanDialog, EscapeAndTheCloseBoxCancel)
{
    whenShown([](TVonuOrderEANInvoerscherm& d) { QTest::keyClick(d.ean(), Qt::Key_Escape); });
    EXPECT_FALSE(TVonuOrderEANInvoerscherm::vraag("871234").has_value());
    whenShown([](TVonuOrderEANInvoerscherm& d) {
        QTest::keyClicks(d.ean(), "0010015");
        d.close();
    });
    EXPECT_FALSE(TVonuOrderEANInvoerscherm::vraag("871234").has_value());
}

// -------------------------------------------------------------- database

class EanLookupTest : public test::SessionFixture {
protected:
    void TearDown() override { expectNoMessageShown(); }

    EanLookupResult lookup(const QString& code)
    {
        EanLookup l(*session);
        return l.lookup(code, EanPriceContext{"104711", "01", QDate(2026, 12, 10)});
    }
};

TEST_F(EanLookupTest, RefusalsInTheOrderTheyTakePrecedence)
{
    // A fixed size of an article that only has a made-to-measure price.
    ASSERT_TRUE(db->exec("insert into ArtikelEAN values ('8712340010114', 'KD100', '3', '', '', '')"));
    // A stored code may hold trailing blanks in its article code; its
    // article is still found and reported trimmed.
    using S = EanLookupResult::Status;
    const struct {
        QString code;
        S status;
        const char* melding;
    } cases[] = {
        {VasteMaat.left(12), S::TeKort, "EAN-artikelcode te kort!"},
        {"", S::TeKort, "EAN-artikelcode te kort!"},
        {"8712340099996", S::NietAanwezig, "EAN-artikelcode 8712340099996 niet aanwezig!"},
        {"87123'0099996", S::NietAanwezig, "EAN-artikelcode 87123'0099996 niet aanwezig!"},
        {PrijsOnbekend, S::PrijsOnbekend, "Niet alle prijzen bekend, invoer niet mogelijk!"},
        {"8712340010114", S::PrijsOnbekend, "Niet alle prijzen bekend, invoer niet mogelijk!"},
        {VasteMaat, S::Gevonden, ""},
    };
    for (const auto& c : cases) {
        const EanLookupResult r = lookup(c.code);
        EXPECT_EQ(r.status, c.status) << c.code.toStdString();
        EXPECT_EQ(r.melding, c.melding) << c.code.toStdString();
    }
}

TEST_F(EanLookupTest, AnArticleWithoutArtikelRowIsNotAllowed)
{
    // The demo schema ties EAN rows to articles; a database that does not
    // must still be refused cleanly.
    QSqlQuery q(db->admin());
    ASSERT_TRUE(q.exec("alter table ArtikelEAN drop constraint artikelean_artikel_fkey"))
        << q.lastError().text().toStdString();
    ASSERT_TRUE(db->exec("insert into ArtikelEAN values ('8712340010121', 'WEG12 ', '3', '', '', '')"));
    const EanLookupResult r = lookup("8712340010121");
    EXPECT_EQ(r.status, EanLookupResult::Status::NietToegestaan);
    EXPECT_EQ(r.melding, "Artikel WEG12 niet toegestaan!");
}

TEST_F(EanLookupTest, AccompanyingArticlesTheirKindAndRebates)
{
    const struct {
        QString code;
        const char* artikel;
        const char* maat;
        const char* uitvoering;
        QStringList begeleidend;  // code, "B" for an operation
        bool sponning;
    } cases[] = {
        {SubEnBewerking, "OD56", "3.6", "Ongeboord", {"EK56", "GAT8B"}, false},
        {OpMaatTweeBew, "OD67", "Op maat", "Geboord", {"GAT8B", "AFV45B"}, false},
        {TweeSponningen, "OD78", "4,20", "", {"SPLB", "SPRB"}, true},
        // XX999 is no article: left out as if blank.
        {OntbrekendSub, "OD56", "6,0", "Geboord", {"EK56"}, false},
    };
    for (const auto& c : cases) {
        const EanLookupResult r = lookup(c.code);
        ASSERT_EQ(r.status, EanLookupResult::Status::Gevonden) << c.code.toStdString();
        const EanProduct& p = r.product;
        EXPECT_EQ(p.ean, c.code);
        EXPECT_EQ(p.artikel, c.artikel);
        EXPECT_EQ(p.maat, c.maat);
        EXPECT_EQ(p.uitvoering, c.uitvoering);
        QStringList got;
        for (const EanBegeleidend& b : p.begeleidend)
            got << b.code + (b.bewerking ? "B" : "");
        EXPECT_EQ(got, c.begeleidend) << c.code.toStdString();
        EXPECT_EQ(p.sponning, c.sponning) << c.code.toStdString();
    }
}

TEST_F(EanLookupTest, PricesAreAskedForTheKindOfTheCode)
{
    EanLookup l(*session);
    const EanPriceContext ctx{"104711", "01", QDate(2026, 12, 10)};
    bool failed = true;
    // KD100 has a made-to-measure price only.
    EXPECT_TRUE(l.priceKnown("KD100", true, ctx, &failed));
    EXPECT_FALSE(failed);
    EXPECT_FALSE(l.priceKnown("KD100", false, ctx, &failed));
    EXPECT_FALSE(l.priceKnown("ONBEKEND", false, ctx, &failed));
    EXPECT_FALSE(failed);
}

// ------------------------------------------------------------ the screen

// Forwards "*" to the entry, as the order desk does.

class EanScreen : public test::DatabaseFixture {
protected:
    void SetUp() override
    {
        DatabaseFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        const QString work = deskFolder(QStringLiteral("Balie1"), "OnderdorpelPre=pre\r\n");
        ASSERT_FALSE(HasFailure());
        fake.clock.time = QDateTime(QDate(2026, 12, 10), QTime(8, 0));
        program = std::make_unique<MorvekVonu>(fake.platform, work, QStringList{"balie1"});
        program->runStartup();
        ASSERT_TRUE(program->started()) << (messages.count() ? messages.last().lines.join('|').toStdString() : "");

        // The debtor's profile as the order desk has it once a debtor is
        // accepted.
        ASSERT_TRUE(program->profile().load(VONU_SOURCE_DIR "/demo/104711.Xml"));
        TVonuOrderscherm& s = screen();
        entry = std::make_unique<EanEntry>(s, *program->database(), [this](const QString& voorvoegsel) {
            ++asked;
            prefix = voorvoegsel;
            return answer;
        });
        desk.listsFollow = false;
        desk.onEan = [this](int row) { entry->run(row); };
        programDesk = &s.orderEntryDesk();
        s.setOrderEntryDesk(desk);
        s.ordervoor()->clear();
        s.ordervoor()->addItems(program->profile().shipToEntries());
        chooseAddress(0);
        s.debiteur()->setText("104711");
        s.debiteur()->setEnabled(false);
        s.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
        s.regelRij(1).artikel->setFocus();
        messages.clear();
    }
    void TearDown() override
    {
        if (program)
            screen().setStarted(false);
    }

    TVonuOrderscherm& screen() { return program->mainScreen(); }

    void chooseAddress(int index)
    {
        screen().ordervoor()->setCurrentIndex(index);
        screen().orderFor().showAddressAndFillLists();
    }

    // Types "*" in the article field of row r with `code` as the answer.
    void enter(const QString& code, int r = 1)
    {
        answer = code;
        QComboBox* artikel = screen().regelRij(r).artikel;
        artikel->setFocus();
        QTest::keyClick(artikel, '*');
    }

    QString field(Veld veld, int line = 1) { return screen().order().field(line, veld); }
    QString sub(int row, int line = 1) { return screen().order().subartikel(line, row, 1); }
    QString bew(int row, int line = 1) { return screen().order().bewerking(line, row, 1); }

    std::unique_ptr<MorvekVonu> program;
    test::FakeOrderEntryDesk desk;
    IOrderEntryDesk* programDesk = nullptr;
    std::unique_ptr<EanEntry> entry;
    std::optional<QString> answer;
    QString prefix;
    int asked = 0;
};

TEST_F(EanScreen, FixedSizeWithASubArticleAndAnOperation)
{
    enter(SubEnBewerking);
    EXPECT_EQ(prefix, "871234");
    const TVonuOrderscherm::RegelRij& rij = screen().regelRij(1);
    EXPECT_EQ(rij.artikel->currentText().trimmed(), "OD56");
    EXPECT_EQ(field(Veld::Artikel).trimmed(), "OD56");
    EXPECT_EQ(field(Veld::EAN), SubEnBewerking);
    EXPECT_EQ(field(Veld::Lengte), "Handelslengte");
    EXPECT_EQ(field(Veld::Maat), "3,60 Mtr");
    EXPECT_EQ(rij.maat->currentText(), "3,60 Mtr");
    EXPECT_EQ(field(Veld::Uitvoering), "Ongeboord");
    EXPECT_EQ(field(Veld::Omschrijving_2), "Ongeboord");
    EXPECT_EQ(sub(1), "EK56");
    EXPECT_EQ(screen().subartikelRij(1).keuze->currentText().trimmed(), "EK56");
    EXPECT_EQ(bew(1), "GAT8");
    EXPECT_EQ(screen().bewerkingRij(1).keuze->currentText().trimmed(), "GAT8");
    // A trade length is cut by the manufacturer: no correction.
    EXPECT_FALSE(screen().order().flag(1, Vlag::Correctie));
    EXPECT_TRUE(rij.aantal->hasFocus());
    EXPECT_EQ(screen().statusText(0), "");
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(EanScreen, MadeToMeasureWithTwoOperations)
{
    enter(OpMaatTweeBew);
    const TVonuOrderscherm::RegelRij& rij = screen().regelRij(1);
    EXPECT_EQ(field(Veld::Artikel).trimmed(), "OD67");
    EXPECT_EQ(field(Veld::Lengte), "Op maat");
    EXPECT_EQ(rij.lengte->currentText(), "Op maat");
    EXPECT_EQ(field(Veld::Maat), "");
    EXPECT_TRUE(screen().order().flag(1, Vlag::Details));
    EXPECT_EQ(field(Veld::Uitvoering), "Geboord");
    EXPECT_EQ(bew(1), "GAT8");
    EXPECT_EQ(bew(2), "AFV45");
    EXPECT_EQ(screen().bewerkingRij(2).keuze->currentText().trimmed(), "AFV45");
    EXPECT_TRUE(screen().detailRij(1).aantal->hasFocus());
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(EanScreen, MadeToMeasurePerPieceGoesToTheTypedSize)
{
    enter(OpMaatPerStuk);
    const TVonuOrderscherm::RegelRij& rij = screen().regelRij(1);
    EXPECT_EQ(field(Veld::Lengte), "Op maat");
    EXPECT_FALSE(screen().order().flag(1, Vlag::Details));
    EXPECT_EQ(sub(1), "EK67");
    EXPECT_EQ(field(Veld::Uitvoering), "Ongeboord");
    EXPECT_TRUE(rij.maatInvoer->hasFocus());
}

TEST_F(EanScreen, RebateOperationsOpenTheDialogOnceAtTheEnd)
{
    int openings = 0;
    QString operationsWhenOpened;
    auto* poll = new QTimer(&screen());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [&] {
        auto* d = qobject_cast<TVonuOrderSponningscherm*>(QApplication::activeModalWidget());
        if (!d)
            return;
        ++openings;
        operationsWhenOpened = bew(1) + "," + bew(2);
        d->reject();
    });
    poll->start();
    enter(TweeSponningen);
    poll->stop();
    EXPECT_EQ(openings, 1);
    EXPECT_EQ(operationsWhenOpened, "SPL,SPR");
    EXPECT_TRUE(screen().order().flag(1, Vlag::Sponning));
    EXPECT_EQ(field(Veld::Maat), "4,20 Mtr");
    // Back on the quantity once the main screen is active again.
    EXPECT_EQ(screen().focusWidget(), screen().regelRij(1).aantal);
}

TEST_F(EanScreen, WhatCannotBePlacedIsToldAndTheRestIsFilled)
{
    // XX999 is no article: EK56 takes the first sub-article row.
    enter(OntbrekendSub);
    EXPECT_EQ(field(Veld::Maat), "6,00 Mtr");
    EXPECT_EQ(sub(1), "EK56");
    EXPECT_EQ(sub(2), "");
    EXPECT_EQ(screen().statusText(0), "");

    enter(MaatNiet, 2);
    EXPECT_EQ(screen().statusText(0), "Maat 7 Mtr niet gevonden!");
    EXPECT_EQ(field(Veld::Artikel, 2).trimmed(), "OD56");
    EXPECT_EQ(field(Veld::Maat, 2), "2,40 Mtr");  // the line's first size stays
    EXPECT_EQ(field(Veld::Uitvoering, 2), "Geboord");
    EXPECT_EQ(field(Veld::EAN, 2), MaatNiet);
}

TEST_F(EanScreen, ReplacesTheArticleOfAFilledRowWithoutAsking)
{
    enter(VasteMaat);
    EXPECT_EQ(field(Veld::Maat), "3,00 Mtr");
    EXPECT_EQ(field(Veld::Uitvoering), "Geboord");
    enter(OpMaatTweeBew);
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(field(Veld::Artikel).trimmed(), "OD67");
    EXPECT_EQ(field(Veld::EAN), OpMaatTweeBew);
    EXPECT_EQ(field(Veld::Maat), "");
}

TEST_F(EanScreen, RefusalsLeaveTheRowAsItWas)
{
    enter(VasteMaat);
    const QString before = field(Veld::Artikel) + field(Veld::Maat) + field(Veld::EAN);
    const struct {
        std::optional<QString> code;
        const char* status;
    } cases[] = {
        {std::nullopt, ""},  // cancelled
        {VasteMaat.left(12), "EAN-artikelcode te kort!"},
        {"8712340099996", "EAN-artikelcode 8712340099996 niet aanwezig!"},
        {PrijsOnbekend, "Niet alle prijzen bekend, invoer niet mogelijk!"},
    };
    for (const auto& c : cases) {
        screen().setStatusText(0, "");
        answer = c.code;
        QTest::keyClick(screen().regelRij(1).artikel, '*');
        EXPECT_EQ(screen().statusText(0), c.status);
        EXPECT_EQ(field(Veld::Artikel) + field(Veld::Maat) + field(Veld::EAN), before);
        EXPECT_EQ(sub(1), "");
    }
    EXPECT_EQ(messages.count(), 0);

    enter(NietVoor104712, 2);
    EXPECT_EQ(field(Veld::Artikel, 2).trimmed(), "VB300");
    EXPECT_EQ(field(Veld::EAN, 2), NietVoor104712);
}

TEST_F(EanScreen, AnArticleTheAddressIsNotOfferedIsLeftOut)
{
    // Debtor 104712 does not list the customer-only VB300.
    ASSERT_TRUE(program->profile().loadText(
        "<Morvek><Sleutel><Debiteur>104712</Debiteur><Verzendadressen><Verzendadres Verzend=\"01\">"
        "<VerzendadresZoeknaam>JANSEN</VerzendadresZoeknaam></Verzendadres></Verzendadressen></Sleutel></Morvek>"));
    screen().ordervoor()->clear();
    screen().ordervoor()->addItems(program->profile().shipToEntries());
    chooseAddress(0);
    screen().debiteur()->setText("104712");
    enter(NietVoor104712);
    EXPECT_EQ(field(Veld::Artikel), "");
    EXPECT_EQ(screen().statusText(0), "");
    EXPECT_EQ(messages.count(), 0);
    enter(VasteMaat);
    EXPECT_EQ(field(Veld::Artikel).trimmed(), "OD56");
}

TEST_F(EanScreen, TheDesksOwnEntryAsksTheCodeInItsDialog)
{
    // The program's own desk: the debtor chosen by Enter, its profile from
    // the database; "*" opens the dialog.
    TVonuOrderscherm& s = screen();
    ASSERT_NE(programDesk, nullptr);
    s.setOrderEntryDesk(*programDesk);
    s.debiteur()->setEnabled(true);
    s.debiteur()->clear();
    s.debiteur()->setFocus();
    QTest::keyClicks(s.debiteur(), "104711");
    QTest::keyClick(s.debiteur(), Qt::Key_Return);
    ASSERT_FALSE(s.debiteur()->isEnabled()) << s.statusText(0).toStdString();
    const auto shown = test::whenModal<TVonuOrderEANInvoerscherm>([](TVonuOrderEANInvoerscherm& d) {
        QTest::keyClicks(d.ean(), "0010015");
        QTest::keyClick(d.ean(), Qt::Key_Return);
    });
    s.regelRij(1).artikel->setFocus();
    QTest::keyClick(s.regelRij(1).artikel, '*');
    EXPECT_EQ(*shown, 1);
    EXPECT_EQ(field(Veld::EAN), VasteMaat);
    EXPECT_EQ(field(Veld::Maat), "3,00 Mtr");
}

// Everything of a line but its EAN code: fields, flags and the first rows
// of its sub-articles, operations and details.
QStringList lineSnapshot(const OrderModel& o, int line)
{
    QStringList out;
    for (int n = 1; n <= OrderregelVelden; ++n)
        if (veldNummer(n) != Veld::EAN)
            out << QString("veld %1: %2").arg(n).arg(o.field(line, veldNummer(n)));
    out << "vlaggen: " + o.statusText(line);
    for (int row = 1; row <= 3; ++row) {
        for (int f = 1; f <= SubregelVelden; ++f) {
            out << QString("sub %1.%2: %3").arg(row).arg(f).arg(o.subartikel(line, row, f));
            out << QString("bew %1.%2: %3").arg(row).arg(f).arg(o.bewerking(line, row, f));
        }
        out << QString("detail %1: %2 %3").arg(row).arg(o.detailAantal(line, row), o.detailMaat(line, row));
    }
    return out;
}

// Picks the entry whose trimmed text is `text` in a list the user chooses from.
void choose(QComboBox* box, const QString& text)
{
    box->setFocus();
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).trimmed() == text) {
            if (i != box->currentIndex())
                box->setCurrentIndex(i);
            return;
        }
    ADD_FAILURE() << "no entry " << text.toStdString() << " in " << box->objectName().toStdString();
}

TEST_F(EanScreen, TheLineEndsAsTheSameChoicesMadeByHandLeaveIt)
{
    const struct {
        QString code;
        const char* artikel;
        bool opMaat;
        const char* maat;        // a fixed size's entry
        const char* uitvoering;
        QStringList subartikelen;
        QStringList bewerkingen;
    } cases[] = {
        {SubEnBewerking, "OD56", false, "3,60 Mtr", "Ongeboord", {"EK56"}, {"GAT8"}},
        {OpMaatTweeBew, "OD67", true, "", "Geboord", {}, {"GAT8", "AFV45"}},
        {OpMaatPerStuk, "ODK67", true, "", "Ongeboord", {"EK67"}, {}},
        {VasteMaat, "OD56", false, "3,00 Mtr", "Geboord", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code.toStdString());
        enter(c.code, 1);
        // Taken before the focus leaves the row it ends on (leaving a detail
        // field derives the quantity).
        const QStringList byCode = lineSnapshot(screen().order(), 1);

        // The same product chosen by hand on the next row; from the second
        // case on, its article replaces the previous one after the question.
        const TVonuOrderscherm::RegelRij& rij = screen().regelRij(2);
        if (screen().order().lineInUse(2))
            messages.answer(1);
        choose(rij.artikel, c.artikel);
        if (c.opMaat && rij.lengte->currentText() != "Op maat") {
            rij.lengte->setFocus();
            choose(rij.lengte, "Op maat");
        }
        if (*c.maat)
            choose(rij.maat, c.maat);
        if (screen().order().flag(2, Vlag::Uitvoering))
            choose(rij.uitvoering, c.uitvoering);
        for (int n = 0; n < c.subartikelen.size(); ++n)
            choose(screen().subartikelRij(n + 1).keuze, c.subartikelen[n]);
        for (int n = 0; n < c.bewerkingen.size(); ++n)
            choose(screen().bewerkingRij(n + 1).keuze, c.bewerkingen[n]);

        EXPECT_EQ(field(Veld::EAN), c.code);
        const QStringList byHand = lineSnapshot(screen().order(), 2);
        EXPECT_EQ(byCode.join('\n').toStdString(), byHand.join('\n').toStdString());
        EXPECT_TRUE(messages.answers.empty());
    }
}

TEST_F(EanScreen, OnlyForTheOrderOfAnAcceptedDebtor)
{
    screen().debiteur()->setEnabled(true);
    enter(VasteMaat);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(field(Veld::Artikel), "");
}

} // namespace
