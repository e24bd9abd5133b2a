#include "app/Boodschap.h"
#include "support/ModalDriver.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace vonu;

namespace {

QStringList linesAt(std::initializer_list<int> filled)
{
    QStringList lines;
    for (int i : filled) {
        while (lines.size() <= i)
            lines.append(QString());
        lines[i] = QStringLiteral("regel %1").arg(i);
    }
    return lines;
}

void whenModal(std::function<void(TMelding*)> action)
{
    test::whenModal<TMelding>([action](TMelding& d) { action(&d); });
}

} // namespace

// Before it is filled the dialog shows its icon and nothing else; it stays
// above the program's windows and cannot be dragged to another size.
TEST(Melding, UnfilledItShowsOnlyItsIconStaysOnTopAndKeepsItsSize)
{
    TMelding d;
    EXPECT_EQ(d.windowTitle(), "Melding");
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(d.icon()->pixmap().isNull());
    for (int i = 0; i < TMelding::LineCount; ++i)
        EXPECT_TRUE(d.tekst(i)->text().isEmpty()) << i;
    for (int n = 1; n <= TMelding::ButtonCount; ++n)
        EXPECT_TRUE(d.knop(n)->isHidden()) << n;
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    const QSize size = d.size();
    d.resize(size + QSize(100, 100));
    EXPECT_EQ(d.size(), size);
    d.hide();
}

TEST(Melding, LayoutFollowsLinesAndButtons)
{
    const struct {
        const char* name;
        QStringList lines;
        int buttons;
        int shrink;       // pixels below the initial height
        QList<int> lefts; // Knop1..Knopn
    } cases[] = {
        {"two lines, one button", linesAt({0, 1}), 1, 84, {112}},
        {"only Tekst6", linesAt({6}), 1, 36, {112}},
        {"all ten lines, four buttons", linesAt({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), 4, 0, {8, 80, 152, 224}},
        {"no lines at all", {}, 2, 84, {80, 152}},
        {"Tekst3 is the last kept line", linesAt({3}), 3, 72, {40, 112, 184}},
        {"a gap between filled lines keeps its space", linesAt({0, 5}), 2, 48, {80, 152}},
        {"Tekst9 filled keeps every line", linesAt({9}), 1, 0, {112}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TMelding d;
        QStringList buttons;
        for (int n = 1; n <= c.buttons; ++n)
            buttons << QStringLiteral("Knop %1").arg(n);
        d.fill({QStringLiteral("Informatie"), c.lines, buttons});
        d.prepare();
        const int initialDialogHeight = 165 + (d.dialogHeight() - d.height());
        EXPECT_EQ(d.height(), 165 - c.shrink);
        EXPECT_EQ(d.width(), 295);
        EXPECT_EQ(d.minimumSize(), d.maximumSize());
        EXPECT_EQ(initialDialogHeight - d.dialogHeight(), c.shrink);
        for (int n = 1; n <= 4; ++n) {
            const bool used = n <= c.buttons;
            EXPECT_EQ(d.knop(n)->isHidden(), !used) << n;
            EXPECT_EQ(d.knop(n)->y(), d.dialogHeight() - 62) << n;
            if (used) {
                EXPECT_EQ(d.knop(n)->x(), c.lefts[n - 1]) << n;
            }
            // Every button stays inside the client area, below the kept lines.
            EXPECT_LE(d.knop(n)->geometry().bottom(), d.height() - 1) << n;
        }
        d.prepare(); // a second run changes nothing
        EXPECT_EQ(d.height(), 165 - c.shrink);
    }
}

TEST(Melding, ButtonPositionsGoToTheFirstButtonsWhateverCarriesACaption)
{
    TMelding d;
    d.fill({QStringLiteral("Vraag"),
            {QStringLiteral("regel")},
            {QStringLiteral("&Ja"), QString(), QStringLiteral("&Later")}});
    d.prepare();
    EXPECT_FALSE(d.knop(1)->isHidden());
    EXPECT_TRUE(d.knop(2)->isHidden());
    EXPECT_FALSE(d.knop(3)->isHidden());
    EXPECT_EQ(d.knop(1)->x(), 80);
    EXPECT_EQ(d.knop(2)->x(), 152);
    EXPECT_NE(d.knop(3)->x(), d.knop(1)->x());
}

TEST(Melding, FillTakesCaptionLinesAndButtonsAndDropsWhatHasNoPlace)
{
    TMelding d;
    QStringList lines;
    for (int i = 0; i < 12; ++i)
        lines << QStringLiteral("r%1").arg(i);
    d.fill({QStringLiteral("Fout"), lines, {"1", "2", "3", "4", "5"}});
    EXPECT_EQ(d.windowTitle(), "Fout");
    EXPECT_EQ(d.tekst(0)->text(), "r0");
    EXPECT_EQ(d.tekst(9)->text(), "r9");
    EXPECT_EQ(d.knop(4)->text(), "4");
}

TEST(Melding, PressedButtonDisablesItselfAndCloses)
{
    TMelding d;
    d.fill({QStringLiteral("Bevestiging"), {QStringLiteral("Zeker?")}, {"&Ja", "&Nee"}});
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    EXPECT_EQ(d.pressedButton(), 0);
    QTest::mouseClick(d.knop(2), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.knop(2)->isEnabled());
    EXPECT_TRUE(d.knop(1)->isEnabled());
    EXPECT_EQ(d.pressedButton(), 2);
}

TEST(Melding, ModalShowReturnsTheClickedButton)
{
    MeldingMessageDialog dialog;
    QString seenCaption, seenLine;
    whenModal([&](TMelding* d) {
        seenCaption = d->windowTitle();
        seenLine = d->tekst(1)->text();
        QTest::mouseClick(d->knop(3), Qt::LeftButton);
    });
    const int pressed =
        showMessage(dialog, QStringLiteral("Waarschuwing"), {QStringLiteral("een"), QStringLiteral("twee")},
                    {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    EXPECT_EQ(pressed, 3);
    EXPECT_EQ(seenCaption, "Waarschuwing");
    EXPECT_EQ(seenLine, "twee");
}

TEST(Melding, EscapeClosesWithoutAButtonAndMeansNo)
{
    MeldingMessageDialog dialog;
    whenModal([](TMelding* d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_EQ(showMessage(dialog, QStringLiteral("Fout"), {QStringLiteral("x")}), 0);

    whenModal([](TMelding* d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_FALSE(askYesNo(dialog, QStringLiteral("Bevestiging"), {QStringLiteral("Afsluiten?")}));

    whenModal([](TMelding* d) { QTest::mouseClick(d->knop(1), Qt::LeftButton); });
    EXPECT_TRUE(askYesNo(dialog, QStringLiteral("Bevestiging"), {QStringLiteral("Afsluiten?")}));
}

TEST(Melding, TheLongestStartupLinesShowWhole)
{
    TMelding d;
    d.fill({QStringLiteral("Fout"),
            {QStringLiteral("Ongeldig assortiment!"), QStringLiteral("U dient een nieuw assortiment te downloaden!"),
             QStringLiteral("Ga hiervoor naar de Morvek-webside...")},
            {QStringLiteral("OK")}});
    d.prepare();
    for (int i = 0; i < 3; ++i) {
        const QLabel* line = d.tekst(i);
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width()) << i;
        EXPECT_EQ(line->x(), 48);
    }
}

TEST(Melding, ALineTooLongForTheDialogWidensItInsteadOfBeingCut)
{
    const QString path = QStringLiteral("/home/balie/werkplekken/orderbalie-werkplek-1/Morvek Onderdorpels/Logo.png");
    const struct {
        const char* what;
        QStringList buttons;
    } cases[] = {{"one button", {"OK"}}, {"two buttons", {"&Ja", "&Nee"}}};
    for (const auto& c : cases) {
        TMelding d;
        d.fill({QStringLiteral("Waarschuwing"), {QStringLiteral("Het logo ") + path + QStringLiteral(" is niet gevonden;"),
                                                 QStringLiteral("de productieorder wordt zonder logo afgedrukt.")},
                c.buttons});
        d.prepare();
        const QLabel* line = d.tekst(0);
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width()) << c.what;
        EXPECT_GT(d.width(), TMelding::InitialClientWidth) << c.what;
        // The buttons stay centred under the wider text.
        const QPushButton* first = d.knop(1);
        const QPushButton* last = d.knop(int(c.buttons.size()));
        EXPECT_NEAR(first->x() + (last->x() + last->width() - first->x()) / 2.0, d.width() / 2.0, 4.0) << c.what;
    }
    // Short lines keep the fixed width.
    TMelding d;
    d.fill({QStringLiteral("Informatie"), {QStringLiteral("Kort.")}, {QStringLiteral("OK")}});
    d.prepare();
    EXPECT_EQ(d.width(), TMelding::InitialClientWidth);
}
