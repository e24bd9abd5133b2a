// The rebate dialog on a real main screen: what the user sees when it opens,
// what each key does, and what every close writes into the line.
#include "RebateCatalog.h"
#include "data/AppState.h"
#include "order/VonuOrder.h"
#include "sill/VonuOrderSponning.h"
#include "support/MainScreenFixture.h"
#include "support/ModalDriver.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

#include <functional>
#include <gtest/gtest.h>

using namespace vonu;
using namespace vonu::sponning;

namespace {

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

class RebateDialog : public test::MainScreenFixture {
protected:
    RebateDialog()
    {
        loadCatalog(QString::fromUtf8(test::RebateCatalogXml));
        for (int n = 1; n <= TVonuOrderscherm::PanelRijen; ++n)
            screen.bewerkingRij(n).keuze->addItems({"", "BOOR", "SP20", "SP30"});
        screen.order().setField(1, Veld::Artikel, "OD67");
        screen.syncWindows();
    }

    void operation(int row, const char* code)
    {
        screen.order().setBewerking(1, row, 1, QString::fromUtf8(code));
        const int sr = screen.order().bewerkingen().screenRowOf(row);
        if (sr > 0) {
            TVonuOrderscherm::UpdateGuard guard(screen);
            screen.bewerkingRij(sr).keuze->setCurrentText(QString::fromUtf8(code));
        }
    }

    // Runs `act` on the dialog once it is shown modally; a dialog still
    // open afterwards is closed, so a test never hangs.
    void whenShown(std::function<void(TVonuOrderSponningscherm&)> act)
    {
        ++expectedOpenings;
        test::whenModal<TVonuOrderSponningscherm>([this, act](TVonuOrderSponningscherm& d) {
            ++openings;
            caption = d.windowTitle();
            act(d);
        });
    }

    QString sponning() const { return screen.order().field(1, Veld::Sponning); }
    QString tweede() const { return screen.order().field(1, Veld::Omschrijving_2); }
    QString derde() const { return screen.order().field(1, Veld::Omschrijving_3); }

    int openings = 0;
    int expectedOpenings = 0;
    QString caption;
};

} // namespace

TEST_F(RebateDialog, OneRebateOnBothSidesFromTheFirstOperation)
{
    operation(1, "SP20");
    whenShown([](TVonuOrderSponningscherm& d) {
        EXPECT_TRUE(d.rijGetoond(1));
        EXPECT_FALSE(d.rijGetoond(2));
        EXPECT_FALSE(d.sponningMaat(2)->isVisible());
        EXPECT_EQ(d.artikel(1)->text(), "SP20");
        EXPECT_EQ(d.omschrijving(1, 1)->text(), "Sponning 20");
        EXPECT_EQ(d.omschrijving(1, 2)->text(), "eind");
        EXPECT_TRUE(d.artikel(1)->isReadOnly());
        EXPECT_EQ(d.sponningLR(1)->currentText(), "Links en rechts");
        EXPECT_EQ(d.focusWidget(), d.sponningMaat(1));
        QTest::keyClicks(d.sponningMaat(1), "20");
        QTest::keyClick(d.sponningMaat(1), Qt::Key_Return);
        EXPECT_EQ(d.focusWidget(), d.sponningLR(1));
        QTest::keyClick(d.sponningLR(1), Qt::Key_Return);  // no second row: closes
        EXPECT_FALSE(d.isVisible());
    });
    const Controle c = rebateConsequences(screen, 1);
    EXPECT_EQ(openings, 1);
    EXPECT_TRUE(c.dialoogNodig);
    EXPECT_EQ(caption, "Gewenste sponningen regel 1 ");
    EXPECT_TRUE(screen.order().flag(1, Vlag::Sponning));
    EXPECT_FALSE(screen.regelRij(1).sponning->isHidden());
    EXPECT_EQ(sponning(), QStringLiteral("20B") + blanks(27) + "SP20" + blanks(12) + "20" + blanks(10) + "B" + blanks(31));
    EXPECT_EQ(screen.regelRij(1).sponning->text(), sponning());
    EXPECT_EQ(screen.regelRij(1).sponning->cursorPosition(), 0);
    EXPECT_EQ(tweede(), "SPONNING  20 mm.");
    EXPECT_EQ(derde(), "");
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(RebateDialog, SecondRebateOpensOnceThenTheCountsAgree)
{
    operation(1, "SP20");
    whenShown([](TVonuOrderSponningscherm& d) {
        QTest::keyClicks(d.sponningMaat(1), "15");
        d.sponningLR(1)->setCurrentIndex(1);
    });
    rebateConsequences(screen, 1);

    operation(2, "SP30");
    whenShown([](TVonuOrderSponningscherm& d) {
        // The recorded rebate comes back into its own row.
        EXPECT_EQ(d.sponningMaat(1)->text(), "15");
        EXPECT_EQ(d.sponningLR(1)->currentIndex(), 1);
        EXPECT_TRUE(d.rijGetoond(2));
        EXPECT_EQ(d.artikel(2)->text(), "SP30");
        EXPECT_EQ(d.focusWidget(), d.sponningMaat(2));
        QTest::keyClicks(d.sponningMaat(2), "18");
        QTest::keyClick(d.sponningMaat(2), Qt::Key_Return);
        d.sponningLR(2)->setCurrentIndex(2);
        QTest::keyClick(d.sponningLR(2), Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    rebateConsequences(screen, 1);
    EXPECT_EQ(openings, 2);
    EXPECT_EQ(sponning().left(30).trimmed(), "15L/18R");
    EXPECT_EQ(tweede(), "SPONNING LINKS 15 mm. RECHTS 18 mm.");
    EXPECT_EQ(derde(), "VAN BUITENAF GEZIEN");

    // Another operation: two rebate operations, two recorded.
    operation(3, "BOOR");
    const Controle c = rebateConsequences(screen, 1);
    EXPECT_FALSE(c.dialoogNodig);
    EXPECT_EQ(openings, 2);
}

TEST_F(RebateDialog, TwoRebatesOnBothSidesAreRefusedAndTheSecondOperationGoes)
{
    operation(1, "SP20");
    operation(2, "SP30");
    // The highlight is on another row: the refused rebate's own row goes.
    screen.order().bewerkingen().moveTo(0);
    whenShown([](TVonuOrderSponningscherm& d) {
        QTest::keyClicks(d.sponningMaat(1), "20");
        QTest::keyClicks(d.sponningMaat(2), "25");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
    });
    rebateConsequences(screen, 1);
    ASSERT_EQ(openings, 1);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_EQ(messages.last().lines,
              QStringList({"Sponning links/rechts niet correct ingevoerd!", "Tweede sponningsbewerking wordt verwijderd...",
                           "Corrigeer eventueel sponning links/rechts..."}));
    EXPECT_EQ(messages.last().buttons, QStringList({"OK"}));
    EXPECT_EQ(screen.order().bewerking(1, 2, 1), "");
    EXPECT_EQ(screen.order().bewerking(1, 1, 1), "SP20");
    EXPECT_EQ(screen.bewerkingRij(2).keuze->currentIndex(), 0);
    EXPECT_EQ(screen.bewerkingRij(1).keuze->currentText(), "SP20");
    EXPECT_EQ(aantalVastgelegd(sponning()), 1);
    EXPECT_EQ(sponning().left(30).trimmed(), "20B");
    EXPECT_EQ(sponning().mid(60).trimmed(), "");
    EXPECT_EQ(tweede(), "SPONNING  20 mm.");

    // The line is consistent again: no dialog on the next change.
    const Controle c = rebateConsequences(screen, 1, SponningDialoog::Onderdrukt);
    EXPECT_EQ(c.bewerkingen, 1);
    EXPECT_EQ(c.vastgelegd, 1);
    EXPECT_FALSE(c.dialoogNodig);

    // Opened again (a double click in the rebate field): nothing is refused.
    whenShown([](TVonuOrderSponningscherm& d) { EXPECT_FALSE(d.rijGetoond(2)); });
    EXPECT_EQ(editRebates(screen, 1).vervallenRij, 0);
    EXPECT_EQ(messages.count(), 1);
}

TEST_F(RebateDialog, SidesThatOverlapAreRefusedAndOnesThatDoNotPass)
{
    struct Case {
        int zijde1;
        int zijde2;
        bool refused;
    };
    const Case cases[] = {{0, 0, true}, {0, 1, true}, {2, 0, true}, {1, 1, true}, {2, 2, true}, {1, 2, false}, {2, 1, false}};
    for (const Case& c : cases) {
        messages.clear();
        TVonuOrderSponningscherm d(messages);
        d.laad({{1, "SP20", "", ""}, {2, "SP30", "", ""}}, QString());
        d.sponningLR(1)->setCurrentIndex(c.zijde1);
        d.sponningLR(2)->setCurrentIndex(c.zijde2);
        d.show();
        d.close();
        EXPECT_EQ(messages.count(), c.refused ? 1 : 0) << c.zijde1 << c.zijde2;
        EXPECT_EQ(d.tweedeVervallen(), c.refused) << c.zijde1 << c.zijde2;
        EXPECT_EQ(aantalVastgelegd(d.tekst()), c.refused ? 1 : 2);
    }
}

TEST_F(RebateDialog, RepeatOpeningReplacesItsOwnTextsAndUserTextsBlockNewOnes)
{
    operation(1, "SP20");
    auto size = [](const char* typed) {
        return [typed](TVonuOrderSponningscherm& d) {
            d.sponningMaat(1)->clear();
            QTest::keyClicks(d.sponningMaat(1), typed);
            d.sponningLR(1)->setCurrentIndex(1);
        };
    };
    whenShown(size("15"));
    editRebates(screen, 1);
    EXPECT_EQ(tweede(), "SPONNING LINKS 15 mm.");
    EXPECT_EQ(derde(), "VAN BUITENAF GEZIEN");
    whenShown(size("16"));
    editRebates(screen, 1);
    EXPECT_EQ(tweede(), "SPONNING LINKS 16 mm.");
    EXPECT_EQ(derde(), "VAN BUITENAF GEZIEN");

    screen.order().setField(1, Veld::Omschrijving_2, "KLANTTEKST 1");
    screen.order().setField(1, Veld::Omschrijving_3, "KLANTTEKST 2");
    whenShown([](TVonuOrderSponningscherm&) {});
    const SponningUitkomst u = editRebates(screen, 1);
    EXPECT_EQ(u.plaatsing, Plaatsing::Vol);
    EXPECT_EQ(screen.statusText(0), "Detailtekst vol, handmatig invoeren!");
    EXPECT_EQ(tweede(), "KLANTTEKST 1");
    EXPECT_EQ(derde(), "KLANTTEKST 2");
    // The rebate text itself is always stored.
    EXPECT_EQ(sponning().left(30).trimmed(), "16L");

    screen.order().setField(1, Veld::Omschrijving_3, "");
    whenShown([](TVonuOrderSponningscherm&) {});
    EXPECT_EQ(editRebates(screen, 1).plaatsing, Plaatsing::NietCompleet);
    EXPECT_EQ(screen.statusText(0), "Detailtekst niet compleet, handmatig invoeren!");
    EXPECT_EQ(derde(), "SPONNING LINKS 16 mm.");
    EXPECT_EQ(openings, expectedOpenings);
}

TEST_F(RebateDialog, RemovingTheOnlyRebateOperationHidesAndEmptiesTheField)
{
    operation(1, "SP20");
    whenShown([](TVonuOrderSponningscherm& d) { QTest::keyClicks(d.sponningMaat(1), "20"); });
    rebateConsequences(screen, 1);
    ASSERT_FALSE(sponning().trimmed().isEmpty());

    operation(1, "");
    const Controle c = rebateConsequences(screen, 1);
    EXPECT_FALSE(c.dialoogNodig);
    EXPECT_EQ(openings, 1);
    EXPECT_FALSE(screen.order().flag(1, Vlag::Sponning));
    EXPECT_EQ(sponning(), "");
    EXPECT_TRUE(screen.regelRij(1).sponning->isHidden());
    EXPECT_EQ(screen.regelRij(1).sponning->text(), "");
}

TEST_F(RebateDialog, SuppressedForTheEanEntry)
{
    operation(1, "SP20");
    const Controle c = rebateConsequences(screen, 1, SponningDialoog::Onderdrukt);
    EXPECT_TRUE(c.dialoogNodig);
    EXPECT_EQ(openings, 0);
    EXPECT_TRUE(screen.order().flag(1, Vlag::Sponning));
    EXPECT_FALSE(screen.regelRij(1).sponning->isHidden());
}

TEST_F(RebateDialog, SizeKeysAndShowing)
{
    TVonuOrderSponningscherm d(messages);
    d.laad({{1, "SP20", "", ""}, {4, "SP30", "", ""}},
           maakTekst(Sponning{"SP30", "", Zijde::AlleenRechts}, std::nullopt));
    EXPECT_EQ(d.sponningMaat(2)->text(), "0");
    EXPECT_EQ(d.sponningLR(2)->currentIndex(), 2);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    EXPECT_EQ(d.sponningMaat(2)->text(), "");  // "0" means no size yet
    const std::pair<const char*, const char*> typed[] = {
        {"20.5", "20,5"}, {"20x15", "20x15"}, {"12X3", "12X3"}, {"a-b/20;", "20"},
        {"1234567890123", "123456789012"},  // the rebate text holds 12 characters of size
        {"1 2", "1 2"},
    };
    for (const auto& [keys, shown] : typed) {
        d.sponningMaat(1)->clear();
        QTest::keyClicks(d.sponningMaat(1), keys);
        EXPECT_EQ(d.sponningMaat(1)->text(), shown) << keys;
    }
    QTest::keyClick(d.sponningMaat(1), Qt::Key_Backspace);
    EXPECT_EQ(d.sponningMaat(1)->text(), "1 ");
    QTest::keyClick(d.sponningLR(1), Qt::Key_Return);
    EXPECT_EQ(d.focusWidget(), d.sponningMaat(2));
    EXPECT_TRUE(d.isVisible());
    d.close();
    EXPECT_EQ(d.bewerkingsRij(2), 4);
}

TEST_F(RebateDialog, FocusOnShowingAndSizeOfTheWindow)
{
    const QString beide = maakTekst(Sponning{"SP20", "20", Zijde::AlleenLinks}, Sponning{"SP30", "18", Zijde::AlleenRechts});
    const std::vector<SponningBewerking> twee = {{1, "SP20", "", ""}, {2, "SP30", "", ""}};
    TVonuOrderSponningscherm full(messages);
    full.laad(twee, beide);
    TVonuOrderSponningscherm one(messages);
    one.laad({{1, "SP20", "", ""}}, QString());
    TVonuOrderSponningscherm none(messages);
    none.laad({}, QString());
    EXPECT_EQ(full.height() - one.height(), 40);
    EXPECT_EQ(one.height() - none.height(), 40);
    EXPECT_EQ(full.okButton()->y() - one.okButton()->y(), 40);
    EXPECT_TRUE(full.windowFlags() & Qt::WindowStaysOnTopHint);

    full.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&full));
    EXPECT_EQ(full.focusWidget(), full.okButton());
    full.close();
    EXPECT_EQ(full.tekst(), beide);
}

TEST_F(RebateDialog, LineArticleNotInTheCatalogWritesBlanks)
{
    screen.order().setField(1, Veld::Artikel, "ONBEKEND");
    screen.order().setBewerking(1, 1, 1, "SP20");
    screen.order().setField(1, Veld::Sponning, "oud");
    whenShown([](TVonuOrderSponningscherm& d) {
        EXPECT_FALSE(d.rijGetoond(1));
        EXPECT_FALSE(d.rijGetoond(2));
        EXPECT_EQ(d.focusWidget(), d.okButton());
    });
    const SponningUitkomst u = editRebates(screen, 1);
    EXPECT_EQ(u.tekst, blanks(90));
    EXPECT_EQ(sponning(), blanks(90));
    EXPECT_EQ(openings, 1);
}
