// The sub-article, operation and detail panels on the real main screen,
// driven with keys and choices as the user drives them, and the dialogs the
// screen's buttons open.
#include "data/AppState.h"
#include "order/DetailTotal.h"
#include "order/LineWindow.h"
#include "order/OrderValidation.h"
#include "order/PanelEntry.h"
#include "order/VonuOrder.h"
#include "order/VonuOrderLevering.h"
#include "order/VonuOrderNotitie.h"
#include "order/VonuOrderOmschrijving.h"
#include "order/VonuOrderZoekArtikel.h"
#include "sill/VonuOrderSponning.h"
#include "support/FakeOrderEntryDesk.h"
#include "support/MainScreenFixture.h"
#include "support/ModalDriver.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>

using namespace vonu;

namespace {

// OD67 is made to measure only and counted "Aantal x maat", OD67DM the same
// counted "Meter-dm", OD67H a trade length. Sub-article EK asks for a size
// correction; SP20 and SP30 are rebates.
const char* const CatalogXml = R"(<?xml version="1.0"?>
<Morvek><Assortiment><BestandVersie>1</BestandVersie>
<LeveringsInformatie>Levering binnen twee weken.</LeveringsInformatie><Artikelen>
<Artikel Artikel="OD67"><ArtikelVonuArtikel>J</ArtikelVonuArtikel><ArtikelOmschrijving_1>Onderdorpel 67</ArtikelOmschrijving_1>
 <ArtikelEenheid>Meter</ArtikelEenheid><ArtikelBerekeningAantal>Aantal x maat</ArtikelBerekeningAantal>
 <ArtikelMinimalemaat>500</ArtikelMinimalemaat><ArtikelMaximalemaat>6000</ArtikelMaximalemaat><ArtikelOpmaat>J</ArtikelOpmaat>
 <Subartikelen>
  <Subartikel Artikel="EK"><SubartikelOmschrijving_1>Eindkap</SubartikelOmschrijving_1><SubartikelMaatcorrectie>3</SubartikelMaatcorrectie></Subartikel>
  <Subartikel Artikel="EP"><SubartikelOmschrijving_1>Eindplaat</SubartikelOmschrijving_1></Subartikel>
  <Subartikel Artikel="S1"/><Subartikel Artikel="S2"/><Subartikel Artikel="S3"/><Subartikel Artikel="S4"/>
 </Subartikelen>
 <Bewerkingen>
  <Bewerking Artikel="BOOR"><BewerkingOmschrijving_1>Boren</BewerkingOmschrijving_1></Bewerking>
  <Bewerking Artikel="SP20"><BewerkingOmschrijving_1>Sponning 20</BewerkingOmschrijving_1><BewerkingALT_toets>S</BewerkingALT_toets></Bewerking>
  <Bewerking Artikel="SP30"><BewerkingOmschrijving_1>Sponning 30</BewerkingOmschrijving_1><BewerkingALT_toets>S</BewerkingALT_toets></Bewerking>
  <Bewerking Artikel="B1"/><Bewerking Artikel="B2"/>
 </Bewerkingen></Artikel>
<Artikel Artikel="OD67DM"><ArtikelVonuArtikel>J</ArtikelVonuArtikel><ArtikelEenheid>Meter</ArtikelEenheid>
 <ArtikelBerekeningAantal>Meter-dm</ArtikelBerekeningAantal><ArtikelOpmaat>J</ArtikelOpmaat></Artikel>
<Artikel Artikel="OD67H"><ArtikelVonuArtikel>J</ArtikelVonuArtikel><ArtikelEenheid>Meter</ArtikelEenheid>
 <ArtikelHandelslengte>J</ArtikelHandelslengte><Artikelmaten><Artikelmaat Maat="3,00"/></Artikelmaten>
 <Subartikelen><Subartikel Artikel="EK"><SubartikelMaatcorrectie>3</SubartikelMaatcorrectie></Subartikel>
  <Subartikel Artikel="EP"/></Subartikelen>
 <Bewerkingen><Bewerking Artikel="BOOR"/></Bewerkingen></Artikel>
</Artikelen></Assortiment></Morvek>)";

const char* const ProfileXml = R"(<?xml version="1.0"?>
<Morvek><Sleutel><Debiteur>104711</Debiteur><Verzendadressen>
 <Verzendadres Verzend="01"><VerzendadresZoeknaam>BOUW</VerzendadresZoeknaam><VerzendadresWoonplaats>ARNHEM</VerzendadresWoonplaats></Verzendadres>
</Verzendadressen></Sleutel></Morvek>)";

class PanelTest : public test::MainScreenFixture {
protected:
    PanelTest()
    {
        loadCatalog(QString::fromUtf8(CatalogXml));
        loadProfile(QString::fromUtf8(ProfileXml));
        fillShipTo();
        screen.show();
        screen.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&screen));
    }

    const TVonuOrderscherm::RegelRij& row(int r) const { return screen.regelRij(r); }
    QComboBox* sub(int n) const { return screen.subartikelRij(n).keuze; }
    QComboBox* bew(int n) const { return screen.bewerkingRij(n).keuze; }
    QLineEdit* dAantal(int n) const { return screen.detailRij(n).aantal; }
    QLineEdit* dMaat(int n) const { return screen.detailRij(n).maat; }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QString field(int line, Veld veld) const { return screen.order().field(line, veld); }

    // Chooses an entry as the user does from the drop-down.
    static void choose(QComboBox* box, const QString& text)
    {
        box->setFocus();
        const int i = box->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        box->setCurrentIndex(i);
    }
    void pick(int r, const QString& artikel) { choose(row(r).artikel, artikel); }

    // Types a detail row as the user does: quantity, Enter, size, Enter.
    void typeDetail(int n, const char* aantal, const char* maat)
    {
        dAantal(n)->setFocus();
        QTest::keyClicks(dAantal(n), aantal);
        QTest::keyClick(dAantal(n), Qt::Key_Return);
        QTest::keyClicks(dMaat(n), maat);
        QTest::keyClick(dMaat(n), Qt::Key_Return);
    }

    QStringList panelNumbers(bool bewerkingen) const
    {
        QStringList list;
        for (int n = 1; n <= TVonuOrderscherm::PanelRijen; ++n)
            list << (bewerkingen ? screen.bewerkingRij(n).regel : screen.subartikelRij(n).regel)->text();
        return list;
    }
    QStringList detailNumbers() const
    {
        QStringList list;
        for (int n = 1; n <= TVonuOrderscherm::DetailRijen; ++n)
            list << screen.detailRij(n).regel->text();
        return list;
    }
    static bool highlighted(const QLineEdit* number)
    {
        return number->palette().color(QPalette::Base) == TVonuOrderscherm::highlightColour();
    }
};

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

} // namespace

// ---------------------------------------------------------------- details

TEST_F(PanelTest, DetailTotalsFollowTheArticlesCalculation)
{
    const struct {
        int r;
        const char* artikel;
        const char* tekst;
    } cases[] = {{1, "OD67", "3/3,8"}, {2, "OD67DM", "3/4,0"}};
    for (const auto& c : cases) {
        pick(c.r, c.artikel);
        ASSERT_FALSE(screen.details()->isHidden()) << c.artikel;
        EXPECT_EQ(screen.details()->title(), QStringLiteral(" &Details regel %1 ").arg(c.r));
        EXPECT_TRUE(row(c.r).aantal->isReadOnly());
        typeDetail(1, "2", "1500");
        EXPECT_EQ(focus(), dAantal(2)) << c.artikel;
        typeDetail(2, "1", "800");
        EXPECT_EQ(row(c.r).aantal->text(), c.tekst) << c.artikel;
        EXPECT_EQ(field(c.r, Veld::Aantal), c.tekst) << c.artikel;
        EXPECT_EQ(screen.order().detailAantal(c.r, 2), "1");
        EXPECT_EQ(screen.order().detailMaat(c.r, 2), "800");
        // An empty quantity leaves the details for the next line.
        EXPECT_EQ(focus(), dAantal(3));
        QTest::keyClick(dAantal(3), Qt::Key_Return);
        EXPECT_EQ(focus(), row(c.r + 1).artikel) << c.artikel;
    }
    EXPECT_TRUE(incompleteLineMessages(screen.order()).isEmpty());
}

TEST_F(PanelTest, MissingValuesAreMarkedAndTheLineIsRefused)
{
    pick(1, "OD67");
    typeDetail(1, "2", "1500");
    typeDetail(2, "1", "800");
    // A quantity without its size: Enter in the empty size leaves the line.
    dAantal(3)->setFocus();
    QTest::keyClicks(dAantal(3), "2");
    QTest::keyClick(dAantal(3), Qt::Key_Return);
    EXPECT_EQ(screen.order().detailAantal(1, 3), "2");
    EXPECT_EQ(field(1, Veld::Aantal), "3/3,8*");
    QTest::keyClick(dMaat(3), Qt::Key_Return);
    EXPECT_EQ(focus(), row(2).artikel);
    EXPECT_EQ(field(1, Veld::Aantal), "3/3,8*");
    EXPECT_EQ(incompleteLineMessages(screen.order()), QStringList{"Detail in regel 1 niet ingevoerd."});

    // Emptied again, the rows count nothing: a lone "*".
    row(1).artikel->setFocus();
    for (int n = 1; n <= 3; ++n) {
        dAantal(n)->setFocus();
        dAantal(n)->clear();
        dMaat(n)->setFocus();
        dMaat(n)->clear();
    }
    dAantal(1)->setFocus();
    EXPECT_EQ(field(1, Veld::Aantal), "*");
    EXPECT_EQ(row(1).aantal->text(), "*");

    // A size without a quantity is told when the quantity is left.
    dMaat(1)->setFocus();
    QTest::keyClicks(dMaat(1), "800");
    dAantal(1)->setFocus();
    EXPECT_EQ(field(1, Veld::Aantal), "*");
    dMaat(1)->setFocus();
    EXPECT_EQ(screen.statusText(0), "Aantal, verplichte invoer!");
    QTest::keyClicks(dAantal(1), "");
    dAantal(1)->setFocus();
    QTest::keyClicks(dAantal(1), "4");
    dMaat(1)->setFocus();
    EXPECT_EQ(screen.statusText(0), "");
    EXPECT_EQ(field(1, Veld::Aantal), "4/3,2");
}

TEST_F(PanelTest, DetailKeysTakeFiguresOnly)
{
    pick(1, "OD67");
    dAantal(1)->setFocus();
    QTest::keyClicks(dAantal(1), "1a2.,-3");
    EXPECT_EQ(dAantal(1)->text(), "123");
    QTest::keyClick(dAantal(1), Qt::Key_Backspace);
    EXPECT_EQ(dAantal(1)->text(), "12");
    dMaat(1)->setFocus();
    QTest::keyClicks(dMaat(1), "15x0,5");
    EXPECT_EQ(dMaat(1)->text(), "1505");
}

TEST_F(PanelTest, DetailSizesOutsideTheArticlesBoundsBecomeZero)
{
    pick(3, "OD67");
    const struct {
        const char* maat;
        const char* status;
        const char* veld;
    } cases[] = {
        {"7000", "Regel 3/1, maat 7000 te groot, kies andere maat...", "0"},
        {"499", "Regel 3/1, maat 499 te klein, kies andere maat...", "0"},
        {"6000", "", "6000"},
        {"500", "", "500"},
    };
    for (const auto& c : cases) {
        dMaat(1)->setFocus();
        dMaat(1)->clear();
        QTest::keyClicks(dMaat(1), c.maat);
        dAantal(2)->setFocus();
        QApplication::processEvents(); // the refused size takes the focus back
        EXPECT_EQ(screen.statusText(0), c.status) << c.maat;
        EXPECT_EQ(dMaat(1)->text(), c.veld) << c.maat;
        EXPECT_EQ(screen.order().detailMaat(3, 1), c.veld) << c.maat;
        EXPECT_EQ(focus(), QString(c.veld) == "0" ? static_cast<QWidget*>(dMaat(1)) : dAantal(2)) << c.maat;
    }
}

TEST_F(PanelTest, DetailRowsScrollBeyondTheTenthRow)
{
    pick(1, "OD67");
    EXPECT_EQ(screen.detailPositie()->maximum(), 9);
    for (int n = 1; n <= 10; ++n)
        typeDetail(n, "1", QByteArray::number(1000 + n).constData());
    // Enter in the tenth size moves the rows up by one and stays in row 10.
    EXPECT_EQ(focus(), dAantal(10));
    EXPECT_EQ(detailNumbers().first(), "2");
    EXPECT_EQ(detailNumbers().last(), "11");
    EXPECT_TRUE(highlighted(screen.detailRij(10).regel));
    EXPECT_FALSE(highlighted(screen.detailRij(9).regel));
    EXPECT_EQ(dAantal(10)->text(), "");
    EXPECT_EQ(dMaat(9)->text(), "1010");
    EXPECT_EQ(screen.detailPositie()->maximum(), 10);
    EXPECT_EQ(screen.detailPositie()->value(), 10);

    typeDetail(10, "2", "2000");
    EXPECT_EQ(screen.order().detailMaat(1, 11), "2000");
    EXPECT_EQ(detailNumbers().last(), "12");
    EXPECT_EQ(screen.detailPositie()->maximum(), 11);
    EXPECT_EQ(field(1, Veld::Aantal), "12/14,1");
    // A total longer than a typed quantity survives the line's row being
    // rebuilt.
    EXPECT_EQ(row(1).aantal->text(), "12/14,1");
    screen.showLineInRow(1);
    EXPECT_EQ(row(1).aantal->text(), "12/14,1");

    // Back to the top with the scroll bar: row 1 current, values reloaded.
    screen.detailPositie()->setValue(0);
    EXPECT_EQ(detailNumbers().first(), "1");
    EXPECT_TRUE(highlighted(screen.detailRij(1).regel));
    EXPECT_EQ(dMaat(1)->text(), "1001");
    EXPECT_EQ(dMaat(10)->text(), "1010");
    // Within the shown rows the rows stay where they are.
    screen.detailPositie()->setValue(4);
    EXPECT_EQ(detailNumbers().first(), "1");
    EXPECT_TRUE(highlighted(screen.detailRij(5).regel));

    // A refused size in row 10 does not move the rows.
    screen.detailPositie()->setValue(11);
    ASSERT_EQ(detailNumbers().last(), "12");
    dAantal(10)->setFocus();
    QTest::keyClicks(dAantal(10), "1");
    QTest::keyClick(dAantal(10), Qt::Key_Return);
    QTest::keyClicks(dMaat(10), "9999");
    QTest::keyClick(dMaat(10), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(dMaat(10)->text(), "0");
    EXPECT_EQ(detailNumbers().last(), "12");
    EXPECT_EQ(focus(), dMaat(10));
}

// ---------------------------------------------------- sub-articles, operations

TEST_F(PanelTest, SizeCorrectionOnlyOnAMadeToMeasureLine)
{
    const struct {
        const char* artikel;
        bool correctie;
    } cases[] = {{"OD67", true}, {"OD67H", false}};
    int r = 0;
    for (const auto& c : cases) {
        ++r;
        pick(r, c.artikel);
        ASSERT_FALSE(screen.subartikelen()->isHidden()) << c.artikel;
        EXPECT_EQ(screen.subartikelen()->title(), QStringLiteral(" &Meeleveren regel %1 ").arg(r));
        choose(sub(1), "EP");
        EXPECT_TRUE(row(r).correctie->isHidden()) << c.artikel;
        choose(sub(2), "EK");
        EXPECT_EQ(!row(r).correctie->isHidden(), c.correctie) << c.artikel;
        EXPECT_EQ(screen.order().flag(r, Vlag::Correctie), c.correctie) << c.artikel;
        EXPECT_EQ(screen.panelEntry().previousArticle(), "");
        if (c.correctie) {
            EXPECT_EQ(row(r).correctie->currentText(), "Zaagmaat");
            EXPECT_EQ(field(r, Veld::Correctie), "Zaagmaat");
        }
        // Taking the sub-article away again takes the correction away.
        choose(sub(2), "");
        EXPECT_EQ(screen.panelEntry().previousArticle(), "EK");
        EXPECT_TRUE(row(r).correctie->isHidden()) << c.artikel;
        EXPECT_FALSE(screen.order().flag(r, Vlag::Correctie)) << c.artikel;
        EXPECT_EQ(screen.order().subartikel(r, 2, 1), "");
    }
}

TEST_F(PanelTest, EnterInThePanelsRows)
{
    pick(1, "OD67");
    pick(2, "OD67H");
    const struct {
        int r;
        bool bewerking;
        const char* before; // sub-article chosen first, "" for none
        const char* target;
    } cases[] = {
        {1, false, "EK", "Correctie1"},                              // correction shown
        {1, false, "EP", "DAantal1"},                                // made to measure: the details
        {1, true, "", "DAantal1"},      {2, false, "EP", "Aantal2"}, // trade length: the line's quantity
        {2, true, "", "Aantal2"},
    };
    for (const auto& c : cases) {
        row(c.r).artikel->setFocus();
        if (*c.before)
            choose(sub(1), c.before);
        QComboBox* empty = c.bewerking ? bew(1) : sub(2);
        if (c.bewerking)
            choose(bew(1), "");
        empty->setFocus();
        QTest::keyClick(empty, Qt::Key_Return);
        ASSERT_NE(focus(), nullptr);
        EXPECT_EQ(focus()->objectName(), c.target) << c.r << " " << c.before;
    }

    // A filled row goes on to the next one.
    row(2).artikel->setFocus();
    choose(sub(1), "EK");
    QTest::keyClick(sub(1), Qt::Key_Return);
    EXPECT_EQ(focus(), sub(2));
}

TEST_F(PanelTest, PanelRowsScrollWithEnterAndTheScrollBar)
{
    pick(1, "OD67");
    EXPECT_EQ(panelNumbers(false), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(screen.subartikelPositie()->maximum(), 3);
    const char* codes[] = {"EP", "S1", "S2", "S3"};
    for (int n = 1; n <= 4; ++n) {
        choose(sub(n), codes[n - 1]);
        EXPECT_TRUE(highlighted(screen.subartikelRij(n).regel)) << n;
        QTest::keyClick(sub(n), Qt::Key_Return);
    }
    // Row 4 filled: the rows move up by one and the focus stays in row 4.
    EXPECT_EQ(focus(), sub(4));
    EXPECT_EQ(panelNumbers(false), (QStringList{"2", "3", "4", "5"}));
    EXPECT_EQ(sub(4)->currentText(), "");
    EXPECT_EQ(sub(1)->currentText(), "S1");
    EXPECT_TRUE(highlighted(screen.subartikelRij(4).regel));
    EXPECT_EQ(screen.subartikelPositie()->maximum(), 4);
    EXPECT_EQ(screen.subartikelPositie()->value(), 4);

    choose(sub(4), "S4");
    EXPECT_EQ(screen.order().subartikel(1, 5, 1), "S4");
    EXPECT_EQ(screen.subartikelPositie()->maximum(), 5);

    // The scroll bar moves them back; the rows come from the table.
    screen.subartikelPositie()->setValue(0);
    EXPECT_EQ(panelNumbers(false), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(sub(1)->currentText(), "EP");
    EXPECT_EQ(sub(4)->currentText(), "S3");
    EXPECT_TRUE(highlighted(screen.subartikelRij(1).regel));
    screen.subartikelPositie()->setValue(5);
    EXPECT_EQ(panelNumbers(false), (QStringList{"3", "4", "5", "6"}));
    EXPECT_EQ(sub(3)->currentText(), "S4");

    // Another line and back: the panel starts at the top again.
    pick(2, "OD67H");
    EXPECT_EQ(screen.subartikelen()->title(), " &Meeleveren regel 2 ");
    EXPECT_EQ(sub(1)->currentText(), "");
    row(1).artikel->setFocus();
    EXPECT_EQ(panelNumbers(false), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(sub(2)->currentText(), "S1");
    EXPECT_EQ(screen.subartikelPositie()->maximum(), 5);

    // Emptying the last filled row lowers the range.
    screen.subartikelPositie()->setValue(4);
    ASSERT_EQ(sub(4)->currentText(), "S4");
    choose(sub(4), "");
    EXPECT_EQ(screen.subartikelPositie()->maximum(), 4);
}

// ----------------------------------------------------------------- rebates

TEST_F(PanelTest, RebateDialogOpensUntilEveryRebateIsEntered)
{
    pick(1, "OD67");
    QString title;
    auto shown = test::whenModal<TVonuOrderSponningscherm>([&title](TVonuOrderSponningscherm& s) {
        title = s.windowTitle();
        QTest::keyClicks(s.sponningMaat(1), "15");
        s.sponningLR(1)->setCurrentIndex(1);
    });
    choose(bew(1), "SP20");
    EXPECT_EQ(*shown, 1);
    EXPECT_EQ(title, "Gewenste sponningen regel 1 ");
    EXPECT_FALSE(row(1).sponning->isHidden());
    EXPECT_TRUE(screen.order().flag(1, Vlag::Sponning));
    EXPECT_EQ(field(1, Veld::Sponning).left(30).trimmed(), "15L");

    shown = test::whenModal<TVonuOrderSponningscherm>([](TVonuOrderSponningscherm& s) {
        EXPECT_EQ(s.sponningMaat(1)->text(), "15");
        QTest::keyClicks(s.sponningMaat(2), "18");
        s.sponningLR(2)->setCurrentIndex(2);
    });
    choose(bew(2), "SP30");
    EXPECT_EQ(*shown, 1);
    EXPECT_EQ(field(1, Veld::Sponning).left(30).trimmed(), "15L/18R");
    EXPECT_EQ(row(1).sponning->text(), field(1, Veld::Sponning));
    EXPECT_EQ(field(1, Veld::Omschrijving_2), "SPONNING LINKS 15 mm. RECHTS 18 mm.");

    // Both rebates recorded: another operation opens nothing.
    test::noModalDuring([this] { choose(bew(3), "BOOR"); });
    EXPECT_EQ(screen.bewerkingPositie()->maximum(), 3);
    EXPECT_EQ(messages.count(), 0);

    // A double click in the rebate field opens it again.
    shown = test::whenModal<TVonuOrderSponningscherm>(
        [](TVonuOrderSponningscherm& s) { EXPECT_EQ(s.sponningMaat(2)->text(), "18"); });
    QTest::mouseDClick(row(1).sponning, Qt::LeftButton);
    EXPECT_EQ(*shown, 1);
    EXPECT_EQ(field(1, Veld::Sponning).left(30).trimmed(), "15L/18R");
}

TEST_F(PanelTest, RemovingTheOnlyRebateOperationHidesTheField)
{
    pick(1, "OD67");
    test::whenModal<TVonuOrderSponningscherm>(
        [](TVonuOrderSponningscherm& s) { QTest::keyClicks(s.sponningMaat(1), "20"); });
    choose(bew(1), "SP20");
    ASSERT_EQ(field(1, Veld::Sponning).left(30).trimmed(), "20B");
    test::noModalDuring([this] { choose(bew(1), ""); });
    EXPECT_TRUE(row(1).sponning->isHidden());
    EXPECT_EQ(row(1).sponning->text(), "");
    EXPECT_EQ(field(1, Veld::Sponning), "");
    EXPECT_FALSE(screen.order().flag(1, Vlag::Sponning));
}

TEST_F(PanelTest, RefusedSecondRebateLeavesThePanel)
{
    pick(1, "OD67");
    test::whenModal<TVonuOrderSponningscherm>(
        [](TVonuOrderSponningscherm& s) { QTest::keyClicks(s.sponningMaat(1), "20"); });
    choose(bew(1), "SP20");
    // Both sides twice: the dialog opens, and closed as it is the second
    // rebate is refused.
    const auto shown = test::whenModal<TVonuOrderSponningscherm>([](TVonuOrderSponningscherm&) {});
    choose(bew(2), "SP30");
    EXPECT_EQ(*shown, 1);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_EQ(bew(2)->currentText(), "");
    EXPECT_EQ(screen.order().bewerking(1, 2, 1), "");
    EXPECT_EQ(screen.bewerkingPositie()->maximum(), 3);
    EXPECT_EQ(field(1, Veld::Sponning), QStringLiteral("20B") + blanks(27) + "SP20" + blanks(12) + "20" +
                                            blanks(10) + "B" + blanks(31));
}

TEST_F(PanelTest, EanEntrySuppressesTheRebateDialog)
{
    pick(1, "OD67");
    screen.panelEntry().setRebateDialog(SponningDialoog::Onderdrukt);
    test::noModalDuring([this] { choose(bew(1), "SP20"); });
    EXPECT_FALSE(row(1).sponning->isHidden());
    EXPECT_TRUE(screen.order().flag(1, Vlag::Sponning));
}

// ------------------------------------------------------ buttons and dialogs

TEST_F(PanelTest, ArticleSearchPlacesTheChoiceInTheFirstEmptyRow)
{
    pick(1, "OD67");
    QStringList titles;
    const auto chooseRow = [&titles](const QString& code) {
        return [code, &titles](TVonuOrderZoekArtikelscherm& z) {
            titles << z.windowTitle();
            QTableWidget* t = z.artikelen();
            for (int i = 0; i < t->rowCount(); ++i)
                if (t->item(i, 0)->text() == code)
                    t->setCurrentCell(i, 0);
            z.selecteren()->click();
        };
    };
    test::whenModal<TVonuOrderZoekArtikelscherm>(chooseRow("EK"));
    screen.zoekArtikel()->click();
    EXPECT_EQ(titles.value(0), "Zoek artikel ...");
    EXPECT_EQ(sub(1)->currentText(), "EK");
    EXPECT_EQ(screen.order().subartikel(1, 1, 1), "EK");
    EXPECT_FALSE(row(1).correctie->isHidden()); // the row's change ran

    for (int n = 2; n <= 4; ++n)
        choose(sub(n), "S1");
    test::whenModal<TVonuOrderZoekArtikelscherm>(chooseRow("EP"));
    screen.zoekArtikel()->click();
    EXPECT_EQ(panelNumbers(false), (QStringList{"2", "3", "4", "5"}));
    EXPECT_EQ(sub(4)->currentText(), "EP");
    EXPECT_EQ(screen.order().subartikel(1, 5, 1), "EP");
    EXPECT_TRUE(highlighted(screen.subartikelRij(4).regel));

    // Operations: a cancelled search changes nothing.
    test::whenModal<TVonuOrderZoekArtikelscherm>([&titles](TVonuOrderZoekArtikelscherm& z) {
        titles << z.windowTitle();
        z.reject();
    });
    screen.zoekBewerking()->click();
    EXPECT_EQ(titles.value(2), "Zoek bewerking ...");
    EXPECT_EQ(bew(1)->currentText(), "");
    test::whenModal<TVonuOrderZoekArtikelscherm>(chooseRow("BOOR"));
    screen.zoekBewerking()->click();
    EXPECT_EQ(bew(1)->currentText(), "BOOR");
    EXPECT_EQ(screen.order().bewerking(1, 1, 1), "BOOR");
}

TEST_F(PanelTest, NotesButtonIsBoldWhileTheOrderHasNotes)
{
    auto shown = test::whenModal<TVonuOrderNotitiescherm>([this](TVonuOrderNotitiescherm&) {
        EXPECT_EQ(notes.notities()->isVisible(), true);
        EXPECT_FALSE(notes.ob()->isVisible());
        QTest::keyClicks(notes.notities(), "Graag bellen");
        QTest::keyClick(notes.notities(), Qt::Key_Return);
    });
    screen.notities()->click();
    EXPECT_EQ(*shown, 1);
    EXPECT_EQ(notes.notitiesText(), "Graag bellen");
    EXPECT_TRUE(screen.notities()->font().bold());

    shown = test::whenModal<TVonuOrderNotitiescherm>([this](TVonuOrderNotitiescherm&) {
        notes.notities()->setPlainText("   ");
        QTest::keyClick(notes.notities(), Qt::Key_Return);
    });
    screen.notities()->click();
    EXPECT_EQ(*shown, 1);
    EXPECT_FALSE(screen.notities()->font().bold());
}

TEST_F(PanelTest, DeliveryInformationAndDescriptionScreens)
{
    QString title;
    auto shown = test::whenModal<TVonuOrderLeveringscherm>([&title](TVonuOrderLeveringscherm& d) {
        title = d.windowTitle();
        EXPECT_EQ(d.memo()->toPlainText(), "Levering binnen twee weken.");
    });
    screen.leveringsInformatie()->click();
    EXPECT_EQ(*shown, 1);
    EXPECT_EQ(title, "Algemene leveringsinformatie");

    // The description button works only while the row's length is shown.
    test::noModalDuring([this] { row(2).omschrijving->click(); });
    pick(2, "OD67");
    bool offered = true;
    shown = test::whenModal<TVonuOrderOmschrijvingscherm>([&](TVonuOrderOmschrijvingscherm& o) {
        title = o.windowTitle();
        offered = o.standaardtekstActie()->isVisible();
        QTest::keyClicks(o.omschrijving(1), "Voordeur");
    });
    row(2).omschrijving->click();
    EXPECT_EQ(*shown, 1);
    EXPECT_EQ(title, "Detailomschrijvingen regel 2");
    EXPECT_FALSE(offered) << "a customer's program has no standard texts";
    EXPECT_EQ(field(2, Veld::Omschrijving_1), "Voordeur");
}

// ------------------------------------------------------------- order desk

TEST_F(PanelTest, OrderDeskOpensTheConfiguratorAndItsOwnSearch)
{
    state.internalMode = true;
    struct Opening {
        QChar soort;
        int line;
        int row;
        QString previous;
    };
    std::vector<Opening> openings;
    PanelEntry& panels = screen.panelEntry();
    test::FakeOrderEntryDesk desk;
    desk.onSillMacro = [&](QChar soort, int line, int row) {
        openings.push_back({soort, line, row, panels.previousArticle()});
        panels.setPreviousArticle(QString()); // the configurator consumes it
    };
    desk.onPanelSearch = [](ZoekSoort soort, int) -> std::optional<QString> {
        return soort == ZoekSoort::Subartikel ? std::optional<QString>("EP") : std::nullopt;
    };
    screen.setOrderEntryDesk(desk);
    // Without an article on the line there is nothing to search.
    screen.zoekArtikel()->click();
    EXPECT_TRUE(desk.panelSearches.empty());

    pick(1, "OD67");
    choose(sub(1), "EK");
    choose(sub(1), "EP");
    choose(bew(1), "BOOR");
    ASSERT_EQ(openings.size(), 3u);
    EXPECT_EQ(openings[0].soort, u'S');
    EXPECT_EQ(openings[0].previous, "");
    EXPECT_EQ(openings[1].previous, "EK");
    EXPECT_EQ(openings[2].soort, u'B');
    EXPECT_EQ(openings[2].line, 1);
    EXPECT_EQ(openings[2].row, 1);

    // Tab in a sub-article row opens it for the highlighted row.
    sub(1)->setFocus();
    QTest::keyClick(sub(1), Qt::Key_Tab);
    ASSERT_EQ(openings.size(), 4u);
    EXPECT_EQ(openings[3].soort, u'S');
    EXPECT_EQ(openings[3].previous, "EP");

    // The search buttons use the desk's search; its choice is placed.
    test::noModalDuring([this] {
        screen.zoekArtikel()->click();
        screen.zoekBewerking()->click();
    });
    EXPECT_EQ(desk.panelSearches, (std::vector<std::pair<ZoekSoort, int>>{{ZoekSoort::Subartikel, 1},
                                                                          {ZoekSoort::Bewerking, 1}}));
    EXPECT_EQ(sub(2)->currentText(), "EP");
    EXPECT_EQ(bew(2)->currentText(), "");

    // The description screen offers the desk's standard texts.
    desk.description = std::array<QString, 3>{"Merk: _", "", "Kozijn 3"};
    bool offered = false;
    auto shown = test::whenModal<TVonuOrderOmschrijvingscherm>([&offered](TVonuOrderOmschrijvingscherm& o) {
        offered = o.standaardtekstActie()->isVisible();
        o.kiesStandaardtekst();
    });
    row(1).omschrijving->click();
    EXPECT_EQ(*shown, 1);
    EXPECT_TRUE(offered);
    EXPECT_EQ(desk.descriptionsAsked, 1);
    EXPECT_EQ(field(1, Veld::Omschrijving_1), "Merk: _");
    EXPECT_EQ(field(1, Veld::Omschrijving_3), "Kozijn 3");

    // Without a chosen debtor the notes stay closed.
    screen.ordervoor()->clear();
    test::noModalDuring([this] { screen.notities()->click(); });
    screen.setOrderEntryDesk(noOrderDesk());
}
