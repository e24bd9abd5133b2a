// Order-line entry on the real main screen, driven with keys and the mouse:
// the shipping address and its lists, the typed search, the Enter routes,
// scrolling, the typed size, the picture and the shortcuts.
#include "data/AppState.h"
#include "order/LineEntry.h"
#include "order/LineWindow.h"
#include "order/OrderForControl.h"
#include "order/VonuOrder.h"
#include "order/VonuOrderAfbeelding.h"
#include "files/FileDialogs.h"
#include "files/OrderFileActions.h"
#include "sill/VonuOrderSponning.h"
#include "OrderEntryFixture.h"
#include "support/MainScreenFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "widgets/RadioGroup.h"

#include <gtest/gtest.h>

using namespace vonu;

namespace {

class LineEntryTest : public test::MainScreenFixture {
protected:
    LineEntryTest()
    {
        startEntry(QString::fromUtf8(test::EntryCatalogXml), QString::fromUtf8(test::EntryProfileXml));
    }

    const TVonuOrderscherm::RegelRij& row(int r) const { return screen.regelRij(r); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QString field(int line, Veld veld) const { return screen.order().field(line, veld); }

    // Picks an article in row r as the user does from the drop-down.
    void pick(int r, const QString& artikel)
    {
        row(r).artikel->setFocus();
        row(r).artikel->setCurrentIndex(row(r).artikel->findText(artikel));
    }

    // Fills lines 1..n with a piece article through the order tables.
    void fillLines(int n)
    {
        OrderModel& o = screen.order();
        for (int line = 1; line <= n; ++line) {
            o.setField(line, Veld::Artikel, "STUK");
            o.setField(line, Veld::Aantal, QString::number(line));
            o.setFlag(line, Vlag::Aantal, true);
        }
        for (int r = 1; r <= 6; ++r)
            screen.showLineInRow(r);
        screen.lineWindow().updateRange();
    }

};

} // namespace

// ---------------------------------------------------------- shipping address

TEST_F(LineEntryTest, ChosenAddressIsShownAndItsListsFilled)
{
    EXPECT_EQ(screen.ordervoorNaam()->text(), "Bouw B.V.");
    EXPECT_EQ(screen.ordervoorWoonplaats()->text(), "6800 AA  ARNHEM");
    EXPECT_EQ(screen.afleverNaam()->text(), "Bouwplaats");
    EXPECT_EQ(screen.afleverWoonplaats()->text(), "6801 BB  ARNHEM");
    const QString a12 = ArticleLists::customerNumberEntry("A12", "KLANT1");
    for (int r = 1; r <= 6; ++r) {
        EXPECT_GE(row(r).artikel->findText(a12), 1) << r;
        EXPECT_EQ(row(r).artikel->findText("BALI1"), -1) << r;
    }
    EXPECT_EQ(screen.orderFor().lastAccepted(), "01 BOUW ARNHEM");

    // Leaving the choice unchanged does not fill the lists again.
    const int fills = screen.orderFor().fillCount();
    screen.ordervoor()->setFocus();
    QTest::keyClick(screen.ordervoor(), Qt::Key_Return);
    EXPECT_EQ(focus(), screen.orderdatum());
    EXPECT_EQ(screen.orderFor().fillCount(), fills);
}

TEST_F(LineEntryTest, AddressLackingAnOrderedArticleIsRefused)
{
    pick(3, ArticleLists::customerNumberEntry("A12", "KLANT1"));
    ASSERT_EQ(field(3, Veld::Artikel), ArticleLists::customerNumberEntry("A12", "KLANT1"));
    screen.ordervoor()->setFocus();
    screen.ordervoor()->setCurrentIndex(1);

    ASSERT_EQ(messages.count(), 1);
    const MessageRequest& m = messages.last();
    EXPECT_EQ(m.caption, "Informatie");
    EXPECT_EQ(m.lines.value(0), "Artikel " + ArticleLists::customerNumberEntry("A12", "KLANT1") +
                                    " niet gevonden in assortiment van:");
    EXPECT_EQ(m.lines.value(1), "02 OOST ZEIST");
    EXPECT_EQ(m.lines.value(3), "Order voor is teruggezet naar:");
    EXPECT_EQ(m.lines.value(4), "01 BOUW ARNHEM");
    EXPECT_EQ(m.lines.value(6), "Wijzig eerst het artikel...");
    EXPECT_EQ(screen.ordervoor()->currentIndex(), 0);
    EXPECT_EQ(screen.ordervoorNaam()->text(), "Bouw B.V.");
    EXPECT_EQ(row(3).artikel->currentText(), field(3, Veld::Artikel));
    EXPECT_EQ(screen.orderFor().lastAccepted(), "01 BOUW ARNHEM");

    // Without that article the other address is accepted.
    messages.answer(1);  // yes, change the article of a line in use
    pick(3, "");
    screen.ordervoor()->setCurrentIndex(1);
    EXPECT_EQ(screen.orderFor().lastAccepted(), "02 OOST ZEIST");
    EXPECT_EQ(row(1).artikel->findText(ArticleLists::customerNumberEntry("A12", "KLANT1")), -1);
}

// --------------------------------------------------------------- the article

TEST_F(LineEntryTest, TypedSearchSelectsAndPreparesBackspaceWidens)
{
    QComboBox* a = row(1).artikel;
    a->setFocus();
    const struct {
        const char* key;
        const char* buffer;
        const char* selected;
    } steps[] = {{"o", "O", "ON100"}, {"n", "ON", "ON100"}, {"d", "OND", "ONDER200"},
                 {"x", "OND", "ONDER200"}, {"\b", "ON", "ON100"}, {"\b", "O", "ON100"},
                 {"\b", "", ""}};
    for (const auto& s : steps) {
        if (s.key[0] == '\b')
            QTest::keyClick(a, Qt::Key_Backspace);
        else
            QTest::keyClicks(a, s.key);
        EXPECT_EQ(screen.statusText(0), s.buffer) << s.key;
        EXPECT_EQ(a->currentText(), s.selected) << s.key;
    }
    QTest::keyClicks(a, "on");
    EXPECT_FALSE(row(1).uitvoering->isHidden());       // prepared for ON100 ...
    EXPECT_EQ(field(1, Veld::Artikel), "");           // ... and stored on leaving
    QTest::keyClick(a, Qt::Key_Tab);
    EXPECT_EQ(field(1, Veld::Artikel), "ON100");
    EXPECT_EQ(screen.statusText(0), "");
    EXPECT_EQ(focus(), row(1).kleur);  // ON100 has a colour operation

    // A filled line takes no typing.
    a->setFocus();
    QTest::keyClicks(a, "s");
    EXPECT_EQ(screen.statusText(0), "Invoerfunctie niet beschikbaar!");
    EXPECT_EQ(a->currentText(), "ON100");
}

TEST_F(LineEntryTest, ChangingAFilledLinesArticleAsksFirst)
{
    pick(1, "ON100");
    EXPECT_EQ(messages.count(), 0);
    messages.answer(2);
    row(1).artikel->setCurrentIndex(row(1).artikel->findText("STUK"));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Bevestiging");
    EXPECT_EQ(messages.last().lines,
              (QStringList{"Het wijzigen van het artikel verwijderd", "de ingevoerde gegevens bij deze regel!",
                           "Wilt u het artikel wijzigen?"}));
    EXPECT_EQ(row(1).artikel->currentText(), "ON100");
    EXPECT_EQ(field(1, Veld::Artikel), "ON100");

    messages.answer(1);
    row(1).artikel->setCurrentIndex(row(1).artikel->findText("STUK"));
    EXPECT_EQ(field(1, Veld::Artikel), "STUK");
    EXPECT_TRUE(row(1).lengte->isHidden());
    EXPECT_FALSE(row(1).aantal->isHidden());
    EXPECT_TRUE(screen.subartikelen()->isHidden());
}

TEST_F(LineEntryTest, PreparedLineOffersWhatItsArticleHas)
{
    pick(1, "ON100");
    const OrderModel& o = screen.order();
    EXPECT_EQ(o.statusText(1), "011011101100");  // colour, length, size list, execution, quantity, panels
    EXPECT_EQ(row(1).omschrijving1->text(), "Onderdorpel 100");
    EXPECT_EQ(row(1).lengte->count(), 1);
    EXPECT_EQ(field(1, Veld::Lengte), "Handelslengte");
    EXPECT_EQ(field(1, Veld::Maat), "3,00 Mtr");
    // The address gives "Geboord" for trade lengths; made to measure the
    // debtor level's "Ongeboord" fills in.
    EXPECT_EQ(field(1, Veld::Uitvoering), "Geboord");
    EXPECT_EQ(field(1, Veld::Omschrijving_2), "Geboord");
    // "K" offers for listed codes only, "I" never in customer mode, "R" never.
    QStringList subs, bews;
    for (int i = 0; i < screen.subartikelRij(1).keuze->count(); ++i)
        subs << screen.subartikelRij(1).keuze->itemText(i);
    for (int i = 0; i < screen.bewerkingRij(1).keuze->count(); ++i)
        bews << screen.bewerkingRij(1).keuze->itemText(i);
    EXPECT_EQ(subs, (QStringList{"", "EK", "EKK"}));
    EXPECT_EQ(bews, (QStringList{"", "BOOR"}));
    EXPECT_FALSE(screen.subartikelen()->isHidden());
    EXPECT_FALSE(screen.bewerkingen()->isHidden());
    EXPECT_TRUE(screen.details()->isHidden());

    // Entering the length offers both; made to measure shows the details.
    row(1).lengte->setFocus();
    ASSERT_EQ(row(1).lengte->count(), 2);
    row(1).lengte->setCurrentIndex(1);
    EXPECT_EQ(field(1, Veld::Lengte), "Op maat");
    EXPECT_EQ(field(1, Veld::Uitvoering), "Ongeboord");
    EXPECT_EQ(field(1, Veld::Maat), "");
    EXPECT_FALSE(screen.details()->isHidden());
    EXPECT_TRUE(row(1).aantal->isReadOnly());
    EXPECT_TRUE(row(1).maat->isHidden());
    EXPECT_TRUE(row(1).maatInvoer->isHidden());
    EXPECT_TRUE(o.flag(1, Vlag::Details));

    // With a quantity the length change asks; "Nee" keeps the length.
    screen.order().setField(1, Veld::Aantal, "3");
    messages.answer(2);
    row(1).lengte->setCurrentIndex(0);
    EXPECT_EQ(messages.last().lines.value(2), "Wilt u de lengte wijzigen?");
    EXPECT_EQ(row(1).lengte->currentText(), "Op maat");
    EXPECT_EQ(field(1, Veld::Lengte), "Op maat");
}

TEST_F(LineEntryTest, MadeToMeasurePerPieceShowsTheTypedSizeWithoutDetails)
{
    pick(2, "ONDER200");
    EXPECT_EQ(field(2, Veld::Lengte), "Op maat");
    EXPECT_FALSE(row(2).maatInvoer->isHidden());
    EXPECT_TRUE(screen.details()->isHidden());
    EXPECT_FALSE(row(2).aantal->isReadOnly());
    EXPECT_EQ(field(2, Veld::Uitvoering), "Ongeboord");
    pick(3, "OPM300");
    EXPECT_FALSE(screen.details()->isHidden());
    EXPECT_EQ(screen.details()->title(), " &Details regel 3 ");
}

TEST_F(LineEntryTest, ExecutionChangeRewritesTheDescriptionThatHoldsIt)
{
    pick(1, "ON100");
    row(1).uitvoering->setFocus();
    row(1).uitvoering->setCurrentIndex(1);
    EXPECT_EQ(field(1, Veld::Uitvoering), "Ongeboord");
    EXPECT_EQ(field(1, Veld::Omschrijving_2), "Ongeboord");
    screen.order().setField(1, Veld::Omschrijving_2, "Eigen tekst");
    row(1).uitvoering->setCurrentIndex(0);
    EXPECT_EQ(field(1, Veld::Uitvoering), "Geboord");
    EXPECT_EQ(screen.statusText(0), "Detailtekst niet gevonden, handmatig invoeren!");
}

// ------------------------------------------------------------ Enter routes

TEST_F(LineEntryTest, EnterMovesToTheNextFieldTheLineOffers)
{
    pick(1, "ON100");     // colour, single trade length, sizes, execution
    pick(2, "STUK");      // quantity only
    pick(3, "OPM300");    // only made to measure, with details
    pick(4, "ONDER200");  // only made to measure, counted per piece
    pick(5, "MTR");       // trade length without sizes: typed size
    const auto r = [this](int n) { return row(n); };
    const struct {
        QWidget* from;
        QWidget* to;
    } routes[] = {
        {r(1).artikel, r(1).kleur},        {r(1).kleur, r(1).aantal},     {r(1).aantal, r(1).maat},
        {r(1).maat, r(1).uitvoering},      {r(1).uitvoering, r(2).artikel},
        {r(2).artikel, r(2).aantal},       {r(2).aantal, r(3).artikel},
        {r(3).artikel, screen.detailRij(1).aantal},
        {r(4).artikel, r(4).maatInvoer},   {r(5).artikel, r(5).aantal},   {r(5).aantal, r(5).maatInvoer},
        {r(5).maatInvoer, r(6).artikel},   {r(6).artikel, screen.verzenden()},
        {screen.ordervoor(), screen.orderdatum()},   {screen.orderdatum(), screen.ordernummer()},
        {screen.ordernummer(), screen.referentie()}, {screen.referentie(), r(1).artikel},
    };
    for (const auto& route : routes) {
        route.from->setFocus();
        ASSERT_EQ(focus(), route.from) << route.from->objectName().toStdString();
        QTest::keyClick(route.from, Qt::Key_Return);
        EXPECT_EQ(focus(), route.to) << route.from->objectName().toStdString() << " -> "
                                     << (focus() ? focus()->objectName().toStdString() : "none");
    }
}

TEST_F(LineEntryTest, EnterInRowSixScrollsBelowTheMaximumOnly)
{
    fillLines(6);
    row(6).aantal->setFocus();
    ASSERT_EQ(screen.order().lines().current(), 6);
    EXPECT_EQ(screen.orderregelPositie()->value(), 5);
    EXPECT_EQ(screen.orderregelPositie()->maximum(), 6);
    QTest::keyClick(row(6).aantal, Qt::Key_Return);
    EXPECT_EQ(row(1).regel->text(), "2");
    EXPECT_EQ(row(6).regel->text(), "7");
    EXPECT_EQ(screen.order().lines().current(), 7);
    EXPECT_EQ(focus(), row(6).artikel);
    EXPECT_EQ(row(5).aantal->text(), "6");  // line 6 moved up a row

    // At the maximum the focus stays.
    fillLines(100);
    screen.lineWindow().setPosition(99);
    EXPECT_EQ(row(6).regel->text(), "100");
    row(6).aantal->setFocus();
    QTest::keyClick(row(6).aantal, Qt::Key_Return);
    EXPECT_EQ(focus(), row(6).aantal);
    EXPECT_EQ(row(6).regel->text(), "100");
}

// ------------------------------------------------------------ line window

TEST_F(LineEntryTest, ClickingARowMakesItsLineCurrentWithoutMovingTheRows)
{
    fillLines(20);
    screen.orderregelPositie()->setValue(15);  // the scroll bar: rows 11-16
    EXPECT_EQ(row(1).regel->text(), "11");
    EXPECT_EQ(row(6).aantal->text(), "16");
    QTest::mouseClick(row(4).regel, Qt::LeftButton);
    EXPECT_EQ(screen.order().lines().current(), 14);
    EXPECT_EQ(row(1).regel->text(), "11");
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(row(r).regel->palette().color(QPalette::Base) == TVonuOrderscherm::highlightColour(), r == 4);
    EXPECT_EQ(screen.subartikelen()->title(), " &Meeleveren regel 14 ");
    EXPECT_EQ(screen.bewerkingen()->title(), " &Bewerkingen regel 14 ");
    EXPECT_EQ(screen.orderregelPositie()->value(), 13);

    // Scrolling up above the first row moves the rows down by one.
    screen.orderregelPositie()->setValue(9);
    EXPECT_EQ(row(1).regel->text(), "10");
    EXPECT_EQ(row(1).aantal->text(), "10");
    EXPECT_EQ(screen.order().lines().current(), 10);
}

TEST_F(LineEntryTest, ShortcutsFocusTheShownPanelsOnly)
{
    pick(2, "STUK");
    QTest::keyClick(&screen, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(focus(), row(2).artikel);  // no sub-article panel: nothing
    messages.answer(1);  // yes, change the article of a line in use
    pick(2, "");
    pick(2, "ON100");
    QTest::keyClick(focus(), Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(focus(), screen.subartikelRij(1).keuze);
    QTest::keyClick(focus(), Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(focus(), screen.bewerkingRij(1).keuze);
    QTest::keyClick(focus(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(focus(), row(2).artikel);

    // The transaction choice gives the focus back.
    QTest::mouseClick(screen.transactie()->item(1), Qt::LeftButton);
    EXPECT_EQ(focus(), row(2).artikel);
}

// --------------------------------------------------------------- typed size

TEST_F(LineEntryTest, TypedSizeKeysAndCommaRules)
{
    pick(1, "MTR");       // trade length: a length with one decimal comma
    pick(2, "ONDER200");  // made to measure: whole millimetres
    const struct {
        int row;
        const char* keys;
        const char* text;
    } cases[] = {
        {1, "2.5", "2,5"}, {1, "12,5,", "12,5"}, {1, "1a2", "12"}, {1, ",5", ",5"},
        {2, "2,5", "25"},  {2, "2.5", "25"},     {2, "12345", "1234"},
    };
    for (const auto& c : cases) {
        QLineEdit* e = row(c.row).maatInvoer;
        e->clear();
        e->setFocus();
        QTest::keyClicks(e, c.keys);
        EXPECT_EQ(e->text(), c.text) << c.keys;
    }
}

TEST_F(LineEntryTest, TypedSizeIsCheckedOnLeavingAtItsBounds)
{
    pick(4, "ONDER200");  // minimum 300, maximum 3000
    const struct {
        const char* size;
        const char* stored;
        const char* status;
    } cases[] = {
        {"299", "0", "Regel 4, maat 299 te klein, kies andere maat..."},
        {"300", "300", ""},
        {"3000", "3000", ""},
        {"3001", "0", "Regel 4, maat 3001 te groot, kies andere maat..."},
    };
    for (const auto& c : cases) {
        QLineEdit* e = row(4).maatInvoer;
        e->setFocus();
        e->clear();
        QTest::keyClicks(e, c.size);
        const int beeps = fake.sound.beeps;
        row(4).aantal->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(fake.sound.beeps - beeps, QByteArray(c.stored) == "0" ? 1 : 0) << c.size;
        EXPECT_EQ(e->text(), c.stored) << c.size;
        EXPECT_EQ(field(4, Veld::Maat), c.stored) << c.size;
        EXPECT_EQ(screen.statusText(0), c.status) << c.size;
        EXPECT_EQ(focus() == e, QByteArray(c.stored) == "0") << c.size;
    }
    // The quantity takes figures only and is stored on leaving.
    row(4).aantal->setFocus();
    QTest::keyClicks(row(4).aantal, "1x2");
    row(4).artikel->setFocus();
    EXPECT_EQ(field(4, Veld::Aantal), "12");
}

TEST_F(LineEntryTest, OrderNumberAndReferenceRefuseOtherCharacters)
{
    for (QLineEdit* e : {screen.ordernummer(), screen.referentie()}) {
        const int beeps = fake.sound.beeps;
        e->setFocus();
        QTest::keyClicks(e, "ab-1 Z_%9");
        EXPECT_EQ(e->text(), "ab-1 Z9") << e->objectName().toStdString();
        EXPECT_EQ(fake.sound.beeps - beeps, 2) << "one beep for each refused key";
    }
}

// Typing on past a field's room keeps what the order can hold; the rest of
// the keys are not taken.
TEST_F(LineEntryTest, TypingPastAFieldsRoomKeepsWhatTheOrderHolds)
{
    const struct {
        QLineEdit* field;
        const char* typed;
        const char* kept;
    } header[] = {
        {screen.ordernummer(), "PO-12345678901234567890", "PO-123456789012345678"},  // 21
        {screen.referentie(), "Keuken en badkamer van de familie Jansen te Arnhem",
         "Keuken en badkamer van de familie Jansen"},  // 40
    };
    for (const auto& c : header) {
        c.field->setFocus();
        QTest::keyClicks(c.field, c.typed);
        EXPECT_EQ(c.field->text(), c.kept) << c.typed;
    }
    const OrderHeaderValues values = screen.headerValues();
    EXPECT_EQ(values.ordernummer, "PO-123456789012345678");
    EXPECT_EQ(values.referentie, "Keuken en badkamer van de familie Jansen");

    pick(2, "STUK");      // quantity: 5 figures
    pick(4, "ONDER200");  // typed size: 4 figures
    pick(3, "OPM300");    // details, shown while line 3 is current: 5 figures of pieces, 4 of size
    const auto& detail = screen.detailRij(1);
    const struct {
        QLineEdit* field;
        const char* typed;
        const char* kept;
    } lines[] = {
        {detail.aantal, "1234567", "12345"},
        {detail.maat, "123456", "1234"},
        {row(2).aantal, "1234567", "12345"},
        {row(4).maatInvoer, "30001", "3000"},
    };
    for (const auto& c : lines) {
        c.field->setFocus();
        QTest::keyClicks(c.field, c.typed);
        EXPECT_EQ(c.field->text(), c.kept) << c.field->objectName().toStdString();
    }
    row(1).artikel->setFocus();  // leaving stores what was typed
    QApplication::processEvents();
    EXPECT_EQ(field(2, Veld::Aantal), "12345");
    EXPECT_EQ(field(4, Veld::Maat), "3000");
    EXPECT_EQ(screen.order().detailAantal(3, 1), "12345");
    EXPECT_EQ(screen.order().detailMaat(3, 1), "1234");

    // At the order desk the debtor number holds six figures.
    screen.showModeControls(true);
    screen.debiteur()->setFocus();
    QTest::keyClicks(screen.debiteur(), "10471199");
    EXPECT_EQ(screen.debiteur()->text(), "104711");
}

// What only shows (row numbers, descriptions, the rebate, the scroll bars)
// is never a stop of Tab, and typing cannot change it.
TEST_F(LineEntryTest, TabNeverStopsOnWhatOnlyShows)
{
    pick(1, "ON100");  // sub-article and operation panels with their scroll bars
    row(1).lengte->setFocus();
    row(1).lengte->setCurrentIndex(1);  // "Op maat": the details too
    ASSERT_FALSE(screen.details()->isHidden());
    // From line 1's sub-articles and from its details (the panels follow the
    // current line) round the whole screen.
    QSet<QWidget*> stops;
    for (QWidget* start : {static_cast<QWidget*>(screen.subartikelRij(1).keuze),
                           static_cast<QWidget*>(screen.detailRij(1).aantal)}) {
        row(1).artikel->setFocus();
        start->setFocus();
        for (int i = 0; i < 150; ++i) {
            QTest::keyClick(focus(), Qt::Key_Tab);
            stops << focus();
        }
    }
    ASSERT_TRUE(stops.contains(screen.detailRij(1).maat));
    ASSERT_TRUE(stops.contains(row(2).artikel));
    ASSERT_TRUE(stops.contains(screen.ordernummer()));
    QList<QWidget*> shownOnly = {screen.orderregelPositie(), screen.subartikelPositie(), screen.bewerkingPositie(),
                                 screen.detailPositie()};
    for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r)
        shownOnly << row(r).regel << row(r).omschrijving1 << row(r).omschrijving2 << row(r).sponning;
    for (int i = 1; i <= 4; ++i)
        shownOnly << screen.subartikelRij(i).regel << screen.bewerkingRij(i).regel;
    for (int i = 1; i <= 10; ++i)
        shownOnly << screen.detailRij(i).regel;
    for (QWidget* w : shownOnly)
        EXPECT_FALSE(stops.contains(w)) << w->objectName().toStdString();

    const QString description = row(1).omschrijving1->text();
    ASSERT_FALSE(description.isEmpty());
    row(1).omschrijving1->setFocus();
    QTest::keyClicks(row(1).omschrijving1, "x");
    QTest::keyClick(row(1).omschrijving1, Qt::Key_Backspace);
    EXPECT_EQ(row(1).omschrijving1->text(), description);
    EXPECT_EQ(row(1).regel->text(), "1");
}

// ------------------------------------------------------------------ picture

TEST(PictureWindow, LargePicturesAreScaledAndCentred)
{
    const struct {
        QSize picture;
        QRect shown;
    } cases[] = {
        {{520, 260}, {3, 65, 260, 130}}, {{260, 260}, {3, 0, 260, 260}}, {{100, 50}, {83, 105, 100, 50}},
        {{300, 600}, {68, 0, 130, 260}}, {{261, 100}, {3, 80, 260, 99}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TVonuOrderAfbeeldingscherm::pictureRect(c.picture), c.shown) << c.picture.width();
}

TEST_F(LineEntryTest, HoldingTheMouseOnARowNumberShowsThePicture)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("Afbeeldingen"));
    QImage img(520, 260, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(dir.filePath("Afbeeldingen/ON100.png")));
    pick(1, "ON100");
    pick(2, "STUK");

    QTest::mousePress(row(1).regel, Qt::LeftButton);
    TVonuOrderAfbeeldingscherm* w = screen.lineWindow().pictureWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Afbeelding ON100.png");
    EXPECT_EQ(w->size(), QSize(265, 265));
    EXPECT_FALSE(w->image()->isHidden());
    EXPECT_EQ(w->image()->geometry(), QRect(3, 65, 260, 130));
    QTest::mouseRelease(row(1).regel, Qt::LeftButton);
    EXPECT_EQ(screen.lineWindow().pictureWindow(), nullptr);

    QTest::mousePress(row(2).regel, Qt::LeftButton);  // its file is missing
    w = screen.lineWindow().pictureWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->image()->isHidden());
    EXPECT_FALSE(w->missing()->isHidden());
    EXPECT_EQ(w->missing()->text(), "Afbeelding niet beschikbaar");
    QTest::mouseRelease(row(2).regel, Qt::LeftButton);

    QTest::mousePress(row(3).regel, Qt::LeftButton);  // no article
    ASSERT_NE(screen.lineWindow().pictureWindow(), nullptr);
    EXPECT_EQ(screen.lineWindow().pictureWindow()->windowTitle(), "Afbeelding ");
    QTest::mouseRelease(row(3).regel, Qt::LeftButton);

    // A sub-article's picture, found under the current line's article.
    messages.answer(1);
    pick(1, "");
    pick(1, "ON100");
    screen.subartikelRij(2).keuze->setCurrentIndex(1);  // EK
    QTest::mousePress(screen.subartikelRij(2).regel, Qt::LeftButton);
    ASSERT_NE(screen.lineWindow().pictureWindow(), nullptr);
    EXPECT_EQ(screen.lineWindow().pictureWindow()->windowTitle(), "Afbeelding EK.png");
    QTest::mouseRelease(screen.subartikelRij(2).regel, Qt::LeftButton);
}

// ------------------------------------------------- leaving rows every way

TEST_F(LineEntryTest, ATypedSizeIsCheckedWhenTheRowsScrollUnderIt)
{
    fillLines(5);
    pick(6, "ONDER200");  // minimum 300
    QLineEdit* e = row(6).maatInvoer;
    e->setFocus();
    QTest::keyClicks(e, "100");
    // A click on the scroll bar moves the rows without leaving the field.
    screen.orderregelPositie()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_EQ(screen.regelRij(6).regel->text(), "7");
    EXPECT_EQ(field(6, Veld::Maat), "0");
    EXPECT_EQ(screen.statusText(0), "Regel 6, maat 100 te klein, kies andere maat...");
    // Row 5 shows line 6 now, with what the check left.
    EXPECT_EQ(row(5).maatInvoer->text(), "0");
    // The field is left later, showing another line: that line is untouched.
    row(1).artikel->setFocus();
    EXPECT_EQ(field(7, Veld::Maat), "");
    EXPECT_EQ(field(6, Veld::Maat), "0");
}

TEST_F(LineEntryTest, DetailsTypedBeforeAScrollAreCheckedAndCounted)
{
    pick(1, "ON100");  // minimum 500, maximum 6000
    row(1).lengte->setFocus();
    row(1).lengte->setCurrentIndex(1);  // "Op maat": details
    ASSERT_FALSE(screen.details()->isHidden());
    const auto& d1 = screen.detailRij(1);
    const auto& d2 = screen.detailRij(2);
    d1.aantal->setFocus();
    QTest::keyClicks(d1.aantal, "2");
    d1.maat->setFocus();
    QTest::keyClicks(d1.maat, "7000");
    // The detail scroll bar: the size is checked as leaving it would.
    screen.detailPositie()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(screen.order().detailMaat(1, 1), "0");
    EXPECT_EQ(screen.statusText(0), "Regel 1/1, maat 7000 te groot, kies andere maat...");
    EXPECT_EQ(field(1, Veld::Aantal), "2/0,0*");

    // A row typed and then the line scroll bar: the total follows.
    d1.maat->setFocus();
    d1.maat->setText("1500");
    d2.aantal->setFocus();
    QTest::keyClicks(d2.aantal, "1");
    d2.maat->setFocus();
    QTest::keyClicks(d2.maat, "800");
    screen.orderregelPositie()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(screen.order().lines().current(), 2);
    EXPECT_EQ(screen.order().detailMaat(1, 2), "800");
    EXPECT_EQ(field(1, Veld::Aantal), "3/3,8");
    EXPECT_EQ(row(1).aantal->text(), "3/3,8");
}

TEST_F(LineEntryTest, EveryScrollBarMovesOneRowPerPageStep)
{
    fillLines(12);
    QScrollBar* bars[] = {screen.orderregelPositie(), screen.subartikelPositie(), screen.bewerkingPositie(),
                          screen.detailPositie()};
    for (QScrollBar* bar : bars)
        EXPECT_EQ(bar->pageStep(), 1) << bar->objectName().toStdString();
    QScrollBar* bar = screen.orderregelPositie();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(screen.order().lines().current(), 2);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(screen.order().lines().current(), 3);
}

// ------------------------------------------------------------- a new order

TEST_F(LineEntryTest, NewOrderStartsOnTheFirstAddressWithoutJudgingTheOldOrder)
{
    // KLANT1 is offered for the second address only.
    ASSERT_TRUE(state.profile.loadText(
        "<Morvek><Sleutel><Debiteur>1</Debiteur><Verzendadressen>"
        "<Verzendadres Verzend=\"01\"><VerzendadresZoeknaam>EERSTE</VerzendadresZoeknaam></Verzendadres>"
        "<Verzendadres Verzend=\"02\"><VerzendadresZoeknaam>TWEEDE</VerzendadresZoeknaam><Verzendadresartikelen>"
        "<Verzendadresartikel Artikel=\"KLANT1\"/></Verzendadresartikelen></Verzendadres>"
        "</Verzendadressen></Sleutel></Morvek>"));
    screen.ordervoor()->clear();
    screen.ordervoor()->addItems(state.profile.shipToEntries());
    screen.ordervoor()->setCurrentIndex(1);
    pick(1, "KLANT1");
    row(1).aantal->setFocus();
    ASSERT_EQ(field(1, Veld::Artikel), "KLANT1");

    OrderFileActions files(screen, fake.fileDialogs);
    messages.clear();
    messages.answer(1);  // "Order is gewijzigd": yes, start anew
    files.nieuw();
    ASSERT_EQ(messages.count(), 1) << messages.last().lines.join(" | ").toStdString();
    EXPECT_EQ(messages.last().caption, "Bevestiging");
    EXPECT_EQ(screen.ordervoor()->currentIndex(), 0);
    EXPECT_FALSE(screen.order().lineInUse(1));
    EXPECT_EQ(row(1).artikel->findText("KLANT1"), -1) << "the first address's lists";
    EXPECT_EQ(screen.currentSignature(), screen.savedSignature());
}

// ------------------------------------------------------------------ pasting

// The main screen's quantity takes a paste as its detail fields do: whole,
// or not at all with a message that says so; the paste key passes the
// fields' key handlers.
TEST_F(LineEntryTest, APasteIntoTheQuantityIsTakenWholeOrRefusedWithAMessage)
{
    fillLines(1);
    QLineEdit* aantal = row(1).aantal;
    ASSERT_TRUE(aantal->isVisible());
    ASSERT_FALSE(aantal->isReadOnly());
    const struct {
        const char* pasted;
        const char* kept;
        const char* told;   // empty: no message
    } cases[] = {
        {"42", "42", ""},
        {"12a", "", "Niet toegestaan: 'a'"},
        {"123456", "", "ten hoogste 5 tekens"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pasted);
        messages.clear();
        aantal->clear();
        aantal->setFocus();
        QApplication::clipboard()->setText(c.pasted);
        QTest::keyClick(aantal, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(aantal->text(), c.kept);
        if (*c.told == 0) {
            EXPECT_EQ(messages.count(), 0);
            continue;
        }
        ASSERT_EQ(messages.count(), 1);
        EXPECT_TRUE(messages.last().lines.join('\n').contains(c.told)) << messages.last().lines.join('|').toStdString();
    }
}

TEST_F(LineEntryTest, APasteIntoADetailSizeIsTakenWholeOrRefusedWithAMessage)
{
    pick(1, "ON100");
    row(1).lengte->setFocus();
    row(1).lengte->setCurrentIndex(1);  // "Op maat": details
    ASSERT_FALSE(screen.details()->isHidden());
    QLineEdit* maat = screen.detailRij(1).maat;
    maat->setFocus();
    messages.clear();
    QApplication::clipboard()->setText("12000");
    QTest::keyClick(maat, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(maat->text(), "");   // Qt alone kept "1200", a size never meant
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.last().lines.join('\n').contains("ten hoogste 4 tekens"));
    QApplication::clipboard()->setText("1200");
    QTest::keyClick(maat, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(maat->text(), "1200");
    EXPECT_EQ(messages.count(), 1);
}
