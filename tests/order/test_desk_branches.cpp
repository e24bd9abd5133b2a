// What order entry does differently at the order desk, on the real main
// screen with the desk's answers given by a fake: the EAN entry on "*", the
// delivery date after a colour, the order type and lists decided by the
// first article, and the delivery texts of the chosen address.
#include "order/ArticleLists.h"
#include "order/OrderForControl.h"
#include "order/VonuOrder.h"
#include "OrderEntryFixture.h"
#include "support/FakeOrderEntryDesk.h"
#include "support/MainScreenFixture.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace vonu;

namespace {

class DeskBranches : public test::MainScreenFixture {
protected:
    // At the desk (the fake plugged in) or in customer mode.
    void start(bool atDesk)
    {
        state.internalMode = atDesk;
        screen.showModeControls(atDesk);
        if (atDesk)
            screen.setOrderEntryDesk(desk);
        startEntry(QString::fromUtf8(test::EntryCatalogXml), QString::fromUtf8(test::EntryProfileXml));
    }

    const TVonuOrderscherm::RegelRij& row(int r) const { return screen.regelRij(r); }
    QStringList articleEntries(int r) const
    {
        QStringList list;
        QAbstractItemModel* m = row(r).artikel->model();
        for (int i = 0; i < m->rowCount(); ++i)
            list << m->index(i, 0).data().toString().trimmed();
        return list;
    }
    void pick(int r, const QString& artikel)
    {
        row(r).artikel->setFocus();
        row(r).artikel->setCurrentIndex(row(r).artikel->findText(artikel));
    }

    test::FakeOrderEntryDesk desk;
};

TEST_F(DeskBranches, StarInTheArticleFieldIsTheEanEntryAtTheDeskOnly)
{
    const struct {
        const char* what;
        bool atDesk;
        std::vector<int> eanRows;
    } cases[] = {
        {"order desk", true, {3}},
        {"customer mode", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        start(c.atDesk);
        desk.eanRows.clear();
        row(3).artikel->setFocus();
        QTest::keyClick(row(3).artikel, Qt::Key_Asterisk);
        EXPECT_EQ(desk.eanRows, c.eanRows);
        EXPECT_TRUE(screen.order().field(3, Veld::Artikel).trimmed().isEmpty());
    }
}

TEST_F(DeskBranches, BeforeTheDeskPlugsInTheStarChangesNothing)
{
    state.internalMode = true;
    screen.showModeControls(true);
    startEntry(QString::fromUtf8(test::EntryCatalogXml), QString::fromUtf8(test::EntryProfileXml));
    row(1).artikel->setFocus();
    QTest::keyClick(row(1).artikel, Qt::Key_Asterisk);
    EXPECT_FALSE(screen.order().lineInUse(1));
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(DeskBranches, AChosenColourLetsTheDeskMoveTheDeliveryDate)
{
    start(true);
    pick(2, "STUK");
    row(2).kleur->setFocus();
    row(2).kleur->setCurrentIndex(row(2).kleur->findText(state.catalog.colourEntries().value(1)));
    EXPECT_EQ(desk.colourLines, std::vector<int>{2});
    // Emptying the colour moves nothing.
    row(2).kleur->setCurrentIndex(0);
    EXPECT_EQ(desk.colourLines, std::vector<int>{2});
}

TEST_F(DeskBranches, TheFirstArticleDecidesTheOrderTypeAndTheLists)
{
    start(true);
    desk.type = OrderType::Sill;
    desk.sillArticles = {{"ON100", true}, {"ONDER200", true}, {"STUK", false}, {"MTR", false}};
    pick(1, "ON100");
    QTest::keyClick(row(1).artikel, Qt::Key_Tab);

    // Asked again once the first line holds an article.
    EXPECT_EQ(desk.orderTypeAsked.last(), "ON100");
    EXPECT_TRUE(screen.windowTitle().startsWith("Onderdorpelorder in ")) << screen.windowTitle().toStdString();
    const QStringList entries = articleEntries(2);
    EXPECT_TRUE(entries.contains("ON100"));
    EXPECT_TRUE(entries.contains("ONDER200"));
    EXPECT_FALSE(entries.contains("STUK"));
    EXPECT_FALSE(entries.contains("MTR"));
    // No product group: not offered in a typed order.
    EXPECT_FALSE(entries.contains("OPM300"));
}

TEST_F(DeskBranches, ListsStayWhenTheDeskSaysTheyDoNotFollow)
{
    start(true);
    desk.type = OrderType::Sill;
    desk.listsFollow = false;
    pick(1, "ON100");
    QTest::keyClick(row(1).artikel, Qt::Key_Tab);
    EXPECT_FALSE(desk.orderTypeAsked.contains("ON100")) << desk.orderTypeAsked.join(',').toStdString();
    EXPECT_FALSE(screen.windowTitle().startsWith("Onderdorpelorder in "));
    EXPECT_TRUE(articleEntries(2).contains("STUK"));
}

TEST_F(DeskBranches, TheDeliveryTextsOfTheChosenAddressComeFromTheDesk)
{
    desk.delivery = {"Bouwplaats Noord", "Kade 3", "8011 AB  ZWOLLE"};
    start(true);
    screen.ordervoor()->setCurrentIndex(1);
    EXPECT_TRUE(std::count(desk.addressesAsked.begin(), desk.addressesAsked.end(), 1) > 0);
    EXPECT_EQ(screen.afleverNaam()->text(), "Bouwplaats Noord");
    EXPECT_EQ(screen.afleverAdres()->text(), "Kade 3");
    EXPECT_EQ(screen.afleverWoonplaats()->text(), "8011 AB  ZWOLLE");
}

TEST_F(DeskBranches, InCustomerModeTheDeliveryTextsComeFromTheProfile)
{
    start(false);
    screen.ordervoor()->setCurrentIndex(0);
    EXPECT_TRUE(desk.addressesAsked.empty());
    EXPECT_EQ(screen.afleverNaam()->text(), "Bouwplaats");
    EXPECT_EQ(screen.afleverWoonplaats()->text(), "6801 BB  ARNHEM");
}

TEST_F(DeskBranches, ShowingAShippingAddressRunsNoChangeChoosingTheFirstDoes)
{
    start(true);
    ASSERT_GE(screen.shipToCount(), 2);
    EXPECT_EQ(screen.shipToIndexOf("02"), 1);
    EXPECT_EQ(screen.shipToIndexOf("99"), -1);

    // Opening an order shows its address; the order brings its own delivery data.
    desk.addressesAsked.clear();
    screen.showShipTo(screen.shipToIndexOf("02"));
    EXPECT_EQ(screen.shipToIndex(), 1);
    EXPECT_EQ(screen.shipToCode(screen.shipToIndex()), "02");
    EXPECT_TRUE(desk.addressesAsked.empty());
    screen.showShipTo(screen.shipToIndexOf("99"));
    EXPECT_EQ(screen.shipToIndex(), -1);
    EXPECT_EQ(screen.shipToCode(screen.shipToIndex()), "");

    // An accepted debtor starts on the first address with its delivery data.
    screen.chooseFirstShipTo();
    EXPECT_EQ(screen.shipToIndex(), 0);
    EXPECT_EQ(desk.addressesAsked, std::vector<int>{0});
}

TEST_F(DeskBranches, TheDebtorFieldsKeysGoToTheDeskOnlyWhenItListens)
{
    start(true);
    QLineEdit* field = screen.debiteur();
    int returnPressed = 0;
    QObject::connect(field, &QLineEdit::returnPressed, [&] { ++returnPressed; });
    int entered = 0;
    int searches = 0;
    int fieldEntered = 0;

    // Before the desk listens (and in customer mode) the field keeps its keys.
    screen.giveFocus(TVonuOrderscherm::Plek::Ordervoor);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(returnPressed, 1);

    QObject::connect(&screen, &TVonuOrderscherm::debtorEntered, [&] { ++entered; });
    QObject::connect(&screen, &TVonuOrderscherm::debtorSearchRequested, [&] { ++searches; });
    QObject::connect(&screen, &TVonuOrderscherm::debtorFieldEntered, [&] { ++fieldEntered; });
    screen.giveFocus(TVonuOrderscherm::Plek::Debiteur);
    EXPECT_EQ(fieldEntered, 1);
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter);
    EXPECT_EQ(entered, 2);
    EXPECT_EQ(returnPressed, 1);
    QTest::keyClick(field, Qt::Key_F5);
    EXPECT_EQ(searches, 1);
    QTest::mouseDClick(field, Qt::LeftButton);
    EXPECT_EQ(searches, 2);
    screen.zoekDebiteur()->click();
    EXPECT_EQ(searches, 3);
}

} // namespace
