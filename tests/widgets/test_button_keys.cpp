// Enter on a focused button and accelerators that several controls share.
#include "widgets/ButtonKeys.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace vonu;

namespace {

// A window with a field and four buttons: "&Notities", "&Nieuw" and
// "Ve&rwijderen", "A&rtikelnummers" share their letters; "&Openen" is alone.
class Accelerators : public ::testing::Test {
protected:
    Accelerators()
    {
        veld = new QLineEdit(&window);
        for (const char* caption : {"&Notities", "&Nieuw", "&Openen", "Ve&rwijderen", "A&rtikelnummers"}) {
            auto* b = new QPushButton(QString::fromUtf8(caption), &window);
            buttons << b;
            clicks << std::make_shared<QSignalSpy>(b, &QPushButton::clicked);
        }
        window.resize(400, 200);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        veld->setFocus();
    }

    QList<int> clickCounts() const
    {
        QList<int> n;
        for (const auto& c : clicks)
            n << int(c->count());
        return n;
    }

    QWidget window;
    QLineEdit* veld = nullptr;
    QList<QPushButton*> buttons;
    QList<std::shared_ptr<QSignalSpy>> clicks;
};

} // namespace

TEST_F(Accelerators, ASharedLetterPressesTheFirstReachableControlInTabOrder)
{
    pressFirstOfSharedAccelerators(&window);
    struct Case {
        const char* what;
        Qt::Key key;
        std::function<void()> arrange;
        QList<int> clicks;
    };
    const Case cases[] = {
        {"first of two", Qt::Key_N, [] {}, {1, 0, 0, 0, 0}},
        {"again the first, not the next", Qt::Key_N, [] {}, {1, 0, 0, 0, 0}},
        {"the first disabled", Qt::Key_N, [this] { buttons[0]->setEnabled(false); }, {0, 1, 0, 0, 0}},
        {"the first hidden", Qt::Key_N, [this] { buttons[0]->hide(); }, {0, 1, 0, 0, 0}},
        {"tab order decides", Qt::Key_R, [this] { QWidget::setTabOrder(buttons[4], buttons[3]); }, {0, 0, 0, 0, 1}},
        {"a letter of its own still works", Qt::Key_O, [] {}, {0, 0, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        for (QPushButton* b : buttons) {
            b->setEnabled(true);
            b->show();
        }
        for (auto& spy : clicks)
            spy->clear();
        c.arrange();
        veld->setFocus();
        QTest::keyClick(&window, c.key, Qt::AltModifier);
        // A letter that only one control carries is Qt's own, which clicks
        // a moment later.
        for (int i = 0; i < 100 && clickCounts() != c.clicks; ++i)
            QTest::qWait(10);
        EXPECT_EQ(clickCounts(), c.clicks) << c.what;
    }
}

TEST_F(Accelerators, ALabelsLetterGivesItsBuddyTheFocus)
{
    auto* label = new QLabel("&Nummer", &window);
    auto* nummer = new QLineEdit(&window);
    label->setBuddy(nummer);
    label->show();
    nummer->show();
    // The label's field comes first in tab order.
    QWidget::setTabOrder(veld, nummer);
    QWidget::setTabOrder(nummer, buttons[0]);
    pressFirstOfSharedAccelerators(&window);
    veld->setFocus();
    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), nummer);
    EXPECT_EQ(clickCounts(), (QList<int>{0, 0, 0, 0, 0}));
}

TEST(EnterOnAButton, ClicksItWhenEnabled)
{
    QWidget window;
    auto* button = new QPushButton("&Ok", &window);
    button->setAutoDefault(false);
    clickOnEnter(button);
    QSignalSpy clicked(button, &QPushButton::clicked);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    EXPECT_EQ(clicked.count(), 2);
    button->setEnabled(false);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 2);
}
