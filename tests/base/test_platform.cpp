#include "support/ScriptedMessages.h"

#include <gtest/gtest-spi.h>
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

// The tests' message dialog: a question nobody scripted fails the test (and
// counts as "no"), so an unexpected question is never silently answered.
TEST(ScriptedMessages, AnUnscriptedQuestionFailsTheTestAndMeansNo)
{
    static test::ScriptedMessages dialog;
    static int answer = -1;
    EXPECT_NONFATAL_FAILURE(answer = askYesNo(dialog, "Bevestiging", {"Afsluiten?"}) ? 1 : 0,
                            "unscripted question \"Bevestiging\": Afsluiten?");
    EXPECT_EQ(answer, 0);
    // A notice needs no script: it is answered with its only button.
    EXPECT_EQ(showMessage(dialog, "Fout", {"Bestand niet gevonden."}), 1);
    // A test that expects questions it does not care about says so.
    dialog.unscripted = 1;
    EXPECT_TRUE(askYesNo(dialog, "Bevestiging", {"Afsluiten?"}));
    EXPECT_EQ(dialog.count(), 3);
}
