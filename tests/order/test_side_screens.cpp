#include "desk/VonuOrderExtra.h"
#include "widgets/RadioGroup.h"
#include "order/VonuOrderNotitie.h"
#include "support/FakePlatform.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace vonu;

TEST(NotesScreen, LayoutPerKindOfOrder)
{
    struct Case {
        TVonuOrderNotitiescherm::Indeling indeling;
        bool notities;
        bool ob;
        bool notitiesReadOnly;
        int height;
        int obTop;
        int okTop;
    };
    using I = TVonuOrderNotitiescherm::Indeling;
    const Case cases[] = {
        {I::Klant, true, false, false, 225, -1, 145},
        {I::BaliMetNotities, true, true, true, 360, 140, 280},
        {I::Bali, false, true, false, 225, 5, 145},
        {I::Klant, true, false, false, 225, -1, 145},  // back from read-only
    };
    TVonuOrderNotitiescherm screen;
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Notities"));
    EXPECT_EQ(screen.okButton()->text(), QStringLiteral("&Ok"));
    EXPECT_EQ(screen.notities()->objectName(), QStringLiteral("Notities"));
    EXPECT_EQ(screen.ob()->objectName(), QStringLiteral("OB"));
    for (const Case& c : cases) {
        screen.arrange(c.indeling);
        const int kind = int(c.indeling);
        EXPECT_EQ(!screen.notities()->isHidden(), c.notities) << kind;
        EXPECT_EQ(!screen.ob()->isHidden(), c.ob) << kind;
        EXPECT_EQ(screen.notities()->isReadOnly(), c.notitiesReadOnly) << kind;
        EXPECT_EQ(screen.height(), c.height) << kind;
        EXPECT_EQ(screen.okButton()->y(), c.okTop) << kind;
        if (c.ob) {
            EXPECT_EQ(screen.ob()->y(), c.obTop) << kind;
        }
    }
}

TEST(ExtraScreen, FieldsLimitsAndFreightChoice)
{
    test::FakePlatform fake;
    TVonuOrderExtrascherm screen(fake.platform);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Extra ordergegevens"));

    const std::pair<const char*, int> edits[] = {
        {"AfleverRelatie", 6}, {"Zoeknaam", 50}, {"Naam", 40},     {"Naam2", 40},
        {"Adres1", 40},        {"Adres2", 40},   {"Adres3", 40},   {"Postkode", 8},
        {"Plaats", 30},        {"Land", 30},     {"Kontakt", 40},  {"Productieweek", 2},
        {"Leveringswijze", 3}, {"Orderkosten", 7},
        {"Aflevertekst_1", 65}, {"Aflevertekst_5", 65}, {"Aflevertekst_41", 65},
        {"Aflevertekst_51", 65}, {"Productietekst_1", 85}, {"Productietekst_3", 85},
    };
    for (const auto& [name, length] : edits) {
        auto* e = screen.findChild<QLineEdit*>(QString::fromUtf8(name));
        ASSERT_NE(e, nullptr) << name;
        EXPECT_EQ(e->maxLength(), length) << name;
    }
    for (QWidget* disabled :
         {static_cast<QWidget*>(screen.afleverRelatie()), static_cast<QWidget*>(screen.leveringswijze()),
          static_cast<QWidget*>(screen.leverdatumGewijzigd()),
          static_cast<QWidget*>(screen.afleverdatum()), static_cast<QWidget*>(screen.aflevertekst41()),
          static_cast<QWidget*>(screen.aflevertekst51())})
        EXPECT_FALSE(disabled->isEnabled()) << disabled->objectName().toStdString();
    EXPECT_EQ(screen.aflevertekst(3)->objectName(), QStringLiteral("Aflevertekst_3"));
    EXPECT_EQ(screen.productietekst(2)->objectName(), QStringLiteral("Productietekst_2"));
    EXPECT_EQ(screen.lAflevergegevens()->text(), QStringLiteral("Extra aflevergegevens:"));
    EXPECT_NE(screen.findChild<QLabel*>("O_Leveringswijze"), nullptr);
    EXPECT_NE(screen.findChild<QDateEdit*>("Leverdatum"), nullptr);
    EXPECT_NE(screen.findChild<QCheckBox*>("GebruikAfleverdatum"), nullptr);

    EXPECT_EQ(screen.gebruikAfroep()->itemIndex(), 0);
    EXPECT_EQ(screen.gebruikAfroep()->itemText(1),
              QStringLiteral("Nee, afroepkontrakten indien mogelijk niet gebruiken"));
    RadioGroup* vracht = screen.extraVrachtkosten();
    ASSERT_EQ(vracht->count(), 3);
    EXPECT_EQ(vracht->itemIndex(), 0);
    EXPECT_EQ(vracht->itemText(0), QString::fromUtf8("Géén, normale levertijd"));
    screen.setExtraVrachtOmschrijvingen(QStringLiteral("Spoed, 2 dagen"), QStringLiteral("Spoed, morgen"));
    EXPECT_EQ(vracht->itemText(1), QStringLiteral("Spoed, 2 dagen"));
    EXPECT_EQ(vracht->itemText(2), QStringLiteral("Spoed, morgen"));
    EXPECT_EQ(vracht->itemText(0), QString::fromUtf8("Géén, normale levertijd"));
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
