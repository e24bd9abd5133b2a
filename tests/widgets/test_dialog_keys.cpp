// Keys and placement the small dialogs share: Enter on a focused Ok closes
// them as a click does; the rebate dialog opens in the middle of the screen.
#include "app/VonuOrderInstelling.h"
#include "base/LocalSettings.h"
#include "order/VonuOrderNotitie.h"
#include "order/VonuOrderOmschrijving.h"
#include "sill/VonuOrderSponning.h"
#include "support/FakePlatform.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace vonu;

TEST(DialogKeys, EnterOnAFocusedOkClosesTheDialog)
{
    test::FakePlatform fake;
    const LocalSettings settings;
    struct Case {
        const char* what;
        std::function<std::unique_ptr<QDialog>()> make;
        std::function<QPushButton*(QDialog&)> ok;
    };
    const Case cases[] = {
        {"settings", [&] { return std::make_unique<TVonuOrderInstellingscherm>(settings); },
         [](QDialog& d) { return static_cast<TVonuOrderInstellingscherm&>(d).Ok; }},
        {"notes", [] { return std::make_unique<TVonuOrderNotitiescherm>(); },
         [](QDialog& d) { return static_cast<TVonuOrderNotitiescherm&>(d).okButton(); }},
        {"descriptions", [&] { return std::make_unique<TVonuOrderOmschrijvingscherm>(fake.platform); },
         [](QDialog& d) { return static_cast<TVonuOrderOmschrijvingscherm&>(d).okButton(); }},
        {"rebates", [&] { return std::make_unique<TVonuOrderSponningscherm>(fake.messages); },
         [](QDialog& d) { return static_cast<TVonuOrderSponningscherm&>(d).okButton(); }},
    };
    for (const Case& c : cases) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            std::unique_ptr<QDialog> d = c.make();
            d->show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(d.get())) << c.what;
            QPushButton* ok = c.ok(*d);
            ok->setFocus();
            ASSERT_EQ(QApplication::focusWidget(), ok) << c.what;
            QSignalSpy clicked(ok, &QPushButton::clicked);
            QTest::keyClick(ok, key);
            EXPECT_EQ(clicked.count(), 1) << c.what << " " << key;
            EXPECT_FALSE(d->isVisible()) << c.what << " " << key;
            EXPECT_EQ(d->result(), QDialog::Accepted) << c.what << " " << key;
        }
    }
}

TEST(DialogPlacement, TheRebateDialogOpensInTheMiddleOfTheScreen)
{
    test::FakePlatform fake;
    // A parent far off centre: the dialog does not follow it.
    QWidget parent;
    parent.setGeometry(10, 10, 200, 150);
    parent.show();
    TVonuOrderSponningscherm d(fake.messages, &parent);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    const QRect area = d.screen()->availableGeometry();
    const QPoint centre = d.frameGeometry().center();
    EXPECT_LE(std::abs(centre.x() - area.center().x()), 1) << centre.x() << " " << area.center().x();
    EXPECT_LE(std::abs(centre.y() - area.center().y()), 1) << centre.y() << " " << area.center().y();
}
