// The character filter of the entry fields on real widgets: a paste or a
// drop reaches the filter whole, by every way the user can paste, and is
// taken whole or refused whole with a message that says what was not taken
// and why. Typed text keeps the field's own limit.

#include "widgets/CharacterFilter.h"

#include "support/ScriptedMessages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vonu;
using Soort = CharacterFilter::Soort;

namespace {

enum class Weg { CtrlV, ShiftInsert, Menu, Drop };

const char* wegNaam(Weg w)
{
    switch (w) {
    case Weg::CtrlV:
        return "Ctrl+V";
    case Weg::ShiftInsert:
        return "Shift+Insert";
    case Weg::Menu:
        return "context menu";
    case Weg::Drop:
        return "drop";
    }
    return "";
}

// Opens the field's context menu and chooses its paste entry.
void pasteFromMenu(QLineEdit& field)
{
    auto chosen = std::make_shared<bool>(false);
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, chosen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll->stop();
        poll->deleteLater();
        // The entry as the user reads it.
        const QString plakken = QCoreApplication::translate("QLineEdit", "&Paste");
        for (QAction* a : menu->actions()) {
            if (a->text().section(u'\t', 0, 0) == plakken) {
                *chosen = true;
                a->trigger();
            }
        }
        menu->close();
    });
    poll->start(5);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2), field.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&field, &event);
    EXPECT_TRUE(*chosen) << "no paste entry in the field's menu";
}

void dropAtEnd(QLineEdit& field, const QString& text)
{
    QMimeData mime;
    mime.setText(text);
    const QPointF at(field.width() - 3, field.height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&field, &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&field, &drop);
}

struct Case {
    const char* name;
    Soort soort;
    int maxLength;
    QString before;
    int selectFrom, selectLength;   // selectLength 0: cursor at selectFrom
    QString pasted;
    QString after;                  // the field afterwards
    QStringList told;               // fragments of the message; empty: none
};

} // namespace

TEST(CharacterFilter, PastesAreTakenWholeOrRefusedWholeWithTheReason)
{
    const Case cases[] = {
        {"fits", Soort::Cijfers, 5, "12", 2, 0, "345", "12345", {}},
        {"replaces the selection", Soort::Cijfers, 5, "12999", 2, 3, "345", "12345", {}},
        {"longer than the field", Soort::Cijfers, 5, "", 0, 0, "12345678", "",
         {"'12345678'", "ten hoogste 5 tekens", "zouden het er 8 zijn"}},
        {"longer with what is there", Soort::Cijfers, 5, "123", 3, 0, "456", "123",
         {"'456'", "ten hoogste 5 tekens", "er 6 zijn"}},
        {"a letter", Soort::Cijfers, 5, "", 0, 0, "12a", "", {"alleen cijfers", "Niet toegestaan: 'a'"}},
        {"a second comma", Soort::CijfersMetKomma, 4, "2,", 2, 0, "1,5", "2,", {"een tweede komma"}},
        {"a size with a comma", Soort::CijfersMetKomma, 4, "", 0, 0, "12,5", "12,5", {}},
        {"a path", Soort::NummerTekens, 21, "", 0, 0, "AB/../x", "", {"Niet toegestaan: '/', '.'"}},
        {"a line break", Soort::NummerTekens, 40, "", 0, 0, "Schuur\nBcc", "", {"regeleinde"}},
        {"a reference", Soort::NummerTekens, 40, "Ref ", 4, 0, "Schuur 2-b", "Ref Schuur 2-b", {}},
        {"too long and a letter", Soort::Cijfers, 4, "", 0, 0, "123456x", "",
         {"Niet toegestaan: 'x'", "ten hoogste 4 tekens"}},
    };
    for (Weg weg : {Weg::CtrlV, Weg::ShiftInsert, Weg::Menu, Weg::Drop}) {
        for (const Case& c : cases) {
            // A drop lands where it is dropped and replaces nothing.
            if (weg == Weg::Drop && (c.selectLength > 0 || c.selectFrom != c.before.size()))
                continue;
            SCOPED_TRACE(std::string(wegNaam(weg)) + ": " + c.name);
            test::ScriptedMessages messages;
            QLineEdit field;
            field.setMaxLength(c.maxLength);
            new CharacterFilter(c.soort, &field, messages);
            field.setText(c.before);
            field.show();
            field.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&field));
            field.setFocus();
            if (c.selectLength > 0)
                field.setSelection(c.selectFrom, c.selectLength);
            else
                field.setCursorPosition(c.selectFrom);
            QApplication::clipboard()->setText(c.pasted);
            switch (weg) {
            case Weg::CtrlV:
                QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
                break;
            case Weg::ShiftInsert:
                QTest::keyClick(&field, Qt::Key_Insert, Qt::ShiftModifier);
                break;
            case Weg::Menu:
                pasteFromMenu(field);
                break;
            case Weg::Drop:
                dropAtEnd(field, c.pasted);
                break;
            }
            EXPECT_EQ(field.text(), c.after);
            if (c.told.isEmpty()) {
                EXPECT_EQ(messages.count(), 0) << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
                continue;
            }
            ASSERT_EQ(messages.count(), 1);
            EXPECT_EQ(messages.last().caption, "Waarschuwing");
            const QString said = messages.last().lines.join('\n');
            EXPECT_TRUE(said.startsWith("De geplakte tekst is niet overgenomen:")) << said.toStdString();
            for (const QString& part : c.told)
                EXPECT_TRUE(said.contains(part)) << part.toStdString() << " in:\n" << said.toStdString();
        }
    }
}

TEST(CharacterFilter, TypingKeepsTheFieldsLimitAndProgramTextsCanBeShortened)
{
    test::ScriptedMessages messages;
    QLineEdit field;
    field.setMaxLength(3);
    new CharacterFilter(Soort::Cijfers, &field, messages);
    field.show();
    field.setFocus();
    QTest::keyClicks(&field, "12345");
    EXPECT_EQ(field.text(), "123");   // as the field always did, without a message
    // A text the program put there whole (an opened order) can be shortened.
    field.setMaxLength(6);
    field.setText("12/456");
    field.setCursorPosition(6);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "12/45");
    // A read-only field (a quantity from the details) is left to itself.
    field.setReadOnly(true);
    QApplication::clipboard()->setText("9x");
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "12/45");
    EXPECT_EQ(messages.count(), 0);
}

TEST(CharacterFilter, TheRefusalNamesControlCharactersAndCutsLongTexts)
{
    const QStringList why = CharacterFilter::pasteRefusal(Soort::Cijfers, "", QString(80, u'7') + "\t\x01", "", 5);
    ASSERT_GE(why.size(), 4);
    EXPECT_EQ(why.at(1), "'" + QString(60, u'7') + "…'");
    EXPECT_TRUE(why.join('\n').contains("Niet toegestaan: tab, teken U+0001")) << why.join('\n').toStdString();
    EXPECT_TRUE(CharacterFilter::pasteRefusal(Soort::Cijfers, "1", "23", "123", 5).isEmpty());
}
