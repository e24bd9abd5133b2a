#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

using namespace vonu;

TEST(YesNoQuestion, OnlyTheFirstButtonCountsAsYes)
{
    const struct { int pressed; bool yes; } cases[] = {{1, true}, {2, false}, {0, false}};
    for (const auto& c : cases) {
        test::ScriptedMessages dialog;
        dialog.answer(c.pressed);
        EXPECT_EQ(askYesNo(dialog, "Bevestiging", {"Vraag?"}), c.yes) << c.pressed;
        EXPECT_EQ(dialog.last().buttons, (QStringList{"&Ja", "&Nee"}));
    }
}
