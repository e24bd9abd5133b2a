#include "desk/VonuOrderExtra.h"
#include "widgets/RadioGroup.h"
#include "order/VonuOrderNotitie.h"
#include "support/FakePlatform.h"
#include "support/MainScreenFixture.h"
#include "support/ModalDriver.h"
#include "order/OrderModel.h"
#include "order/PanelEntry.h"
#include "order/VonuOrder.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <functional>

using namespace vonu;

namespace {

class NotesScreen : public test::MainScreenFixture {
protected:
    NotesScreen()
    {
        screen.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&screen));
    }
};

} // namespace

// The notes button opens the memos the kind of order has; what is typed
// there is what the order keeps.
TEST_F(NotesScreen, OffersTheMemosOfTheKindOfOrderAndTheOrderKeepsWhatIsTyped)
{
    struct Case {
        const char* what;
        bool desk;
        bool fromCustomer;  // an order the customer's program made, with its notes
        bool notesShown;
        bool notesTyped;    // false: read-only
        bool remarkShown;
    };
    const Case cases[] = {
        {"customer", false, false, true, true, false},
        {"desk, a customer's order", true, true, true, false, true},
        {"desk, its own order", true, false, false, false, true},
    };
    for (const Case& c : cases) {
        notes.clearTexts();
        screen.order().desk() = {};
        state.internalMode = c.desk;
        screen.showModeControls(c.desk);
        screen.ordervoor()->clear();
        screen.ordervoor()->addItem(QStringLiteral("01 BOUW ARNHEM"));
        screen.order().desk().klantbestand = c.fromCustomer;
        if (c.fromCustomer)
            notes.notities()->setPlainText(QStringLiteral("Van de klant"));
        const QString notesBefore = notes.notitiesText();

        bool notesShown = false, remarkShown = false;
        auto ran = test::whenModal<TVonuOrderNotitiescherm>([&](TVonuOrderNotitiescherm& d) {
            notesShown = d.notities()->isVisible();
            remarkShown = d.ob()->isVisible();
            if (notesShown)
                QTest::keyClicks(d.notities(), " bellen");
            if (remarkShown)
                QTest::keyClicks(d.ob(), "Vooruit betaald");
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
        });
        screen.notities()->click();
        ASSERT_EQ(*ran, 1) << c.what;
        EXPECT_EQ(notesShown, c.notesShown) << c.what;
        EXPECT_EQ(remarkShown, c.remarkShown) << c.what;

        const OrderHeaderValues header = screen.headerValues();
        EXPECT_EQ(header.notities, c.notesTyped ? notesBefore + " bellen" : notesBefore) << c.what;
        const QString remark = c.remarkShown ? QStringLiteral("Vooruit betaald") : QString();
        EXPECT_EQ(header.opmerking, remark) << c.what;
        EXPECT_EQ(screen.order().desk().ob, remark) << c.what;
        EXPECT_TRUE(screen.notities()->font().bold()) << c.what;
    }

    // At the desk the notes belong to a chosen debtor: before one is chosen
    // the button opens nothing.
    screen.ordervoor()->clear();
    screen.notities()->click();
    EXPECT_FALSE(notes.isVisible());
    EXPECT_EQ(messages.count(), 0);
}

// What is typed into the extra order data screen goes into the order's
// extra data as far as the order holds it; what the program fills (the
// relation, its instruction, the delivery method) cannot be typed over.
TEST(ExtraScreen, TypedFieldsFillTheOrdersExtraDataAsFarAsItHoldsThem)
{
    test::FakePlatform fake;
    TVonuOrderExtrascherm screen(fake.platform);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Extra ordergegevens"));
    ExtraOrderData extra;
    screen.prepare(extra, QStringLiteral("24100"), false);  // a stored order: its delivery texts are edited
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));

    using Member = std::function<QString&(ExtraOrderData&)>;
    const struct {
        QLineEdit* field;
        int room;
        Member member;
    } fields[] = {
        {screen.zoeknaam(), 50, [](ExtraOrderData& d) -> QString& { return d.zoeknaam; }},
        {screen.naam(), 40, [](ExtraOrderData& d) -> QString& { return d.naam; }},
        {screen.naam2(), 40, [](ExtraOrderData& d) -> QString& { return d.naam2; }},
        {screen.adres1(), 40, [](ExtraOrderData& d) -> QString& { return d.adres[0]; }},
        {screen.adres3(), 40, [](ExtraOrderData& d) -> QString& { return d.adres[2]; }},
        {screen.postkode(), 8, [](ExtraOrderData& d) -> QString& { return d.postkode; }},
        {screen.plaats(), 30, [](ExtraOrderData& d) -> QString& { return d.plaats; }},
        {screen.land(), 30, [](ExtraOrderData& d) -> QString& { return d.land; }},
        {screen.kontakt(), 40, [](ExtraOrderData& d) -> QString& { return d.kontakt; }},
        {screen.productieweek(), 2, [](ExtraOrderData& d) -> QString& { return d.productieweek; }},
        {screen.orderkosten(), 7, [](ExtraOrderData& d) -> QString& { return d.orderkosten; }},
        {screen.aflevertekst(1), 65, [](ExtraOrderData& d) -> QString& { return d.afleverteksten[0]; }},
        {screen.aflevertekst(5), 65, [](ExtraOrderData& d) -> QString& { return d.afleverteksten[4]; }},
        {screen.productietekst(1), 85, [](ExtraOrderData& d) -> QString& { return d.productieteksten[0]; }},
        {screen.productietekst(3), 85, [](ExtraOrderData& d) -> QString& { return d.productieteksten[2]; }},
    };
    const QString figures = QStringLiteral("1234567890").repeated(10);
    for (const auto& f : fields) {
        f.field->setFocus();
        f.field->clear();
        QTest::keyClicks(f.field, figures.left(f.room + 5));
        EXPECT_EQ(f.member(extra), figures.left(f.room)) << f.field->objectName().toStdString();
    }
    for (QWidget* filled :
         {static_cast<QWidget*>(screen.afleverRelatie()), static_cast<QWidget*>(screen.leveringswijze()),
          static_cast<QWidget*>(screen.leverdatumGewijzigd()), static_cast<QWidget*>(screen.afleverdatum()),
          static_cast<QWidget*>(screen.aflevertekst41()), static_cast<QWidget*>(screen.aflevertekst51())})
        EXPECT_FALSE(filled->isEnabled()) << filled->objectName().toStdString();

    EXPECT_EQ(extra.gebruikAfroep, 0);
    EXPECT_EQ(screen.gebruikAfroep()->itemText(1),
              QStringLiteral("Nee, afroepkontrakten indien mogelijk niet gebruiken"));
    screen.gebruikAfroep()->item(1)->click();
    EXPECT_EQ(extra.gebruikAfroep, 1);
    screen.hide();
}

// The freight choice of a new order puts its caption into the delivery texts
// (the constants name choices 1 and 2); another choice replaces it and "none"
// takes it out.
TEST(ExtraScreen, TheFreightChoiceWritesItsCaptionIntoTheDeliveryTexts)
{
    test::FakePlatform fake;
    TVonuOrderExtrascherm screen(fake.platform);
    screen.setExtraVrachtOmschrijvingen(QStringLiteral("Spoed, 2 dagen"), QStringLiteral("Spoed, morgen"));
    RadioGroup* vracht = screen.extraVrachtkosten();
    ASSERT_EQ(vracht->count(), 3);
    EXPECT_EQ(vracht->itemText(0), QString::fromUtf8("Géén, normale levertijd"));
    ExtraOrderData extra;
    screen.prepare(extra, QString(), false);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    EXPECT_EQ(vracht->itemIndex(), 0);

    const struct {
        int choice;
        std::array<const char*, 5> texts;
    } steps[] = {
        {1, {"", "", "Spoed, 2 dagen", "", ""}},
        {2, {"", "", "Spoed, morgen", "", ""}},
        {0, {"", "", "", "", ""}},
    };
    for (const auto& step : steps) {
        vracht->item(step.choice)->click();
        EXPECT_EQ(extra.extraVrachtkosten, step.choice);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(extra.afleverteksten[std::size_t(i)], QString::fromUtf8(step.texts[std::size_t(i)]))
                << "choice " << step.choice << ", text " << i + 1;
            EXPECT_EQ(screen.aflevertekst(i + 1)->text(), extra.afleverteksten[std::size_t(i)]);
        }
    }
    screen.hide();
}

TEST(RadioGroup, IndexFollowsClicksAndCanBeCleared)
{
    RadioGroup group(QStringLiteral("Keuze"), {"a", "b", "c"}, Qt::Vertical);
    EXPECT_EQ(group.itemIndex(), -1);
    int clicked = -1;
    QObject::connect(&group, &RadioGroup::clicked, [&clicked](int i) { clicked = i; });
    group.item(2)->click();
    EXPECT_EQ(clicked, 2);
    EXPECT_EQ(group.itemIndex(), 2);
    group.setItemIndex(0);
    EXPECT_EQ(group.itemIndex(), 0);
    group.setItemIndex(-1);
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_EQ(group.itemText(7), QString());
}
