#include "app/CommandLine.h"

#include <gtest/gtest.h>

using namespace vonu;

TEST(CommandLine, HelpAndVersionAreAnsweredAndEverythingElseStarts)
{
    const struct {
        QStringList arguments;
        const char* answer;  // "help", "version" or nullptr to start
    } cases[] = {
        {{"--help"}, "help"},
        {{"-h"}, "help"},
        {{"--version"}, "version"},
        {{"BALIE1", "--version"}, "version"},
        {{}, nullptr},
        {{"BALIE1"}, nullptr},
        {{"  proef12 "}, nullptr},
        // Qt's own options stay Qt's.
        {{"-platform", "offscreen"}, nullptr},
        {{"-help"}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const std::optional<QString> answer = terminalAnswer(c.arguments);
        if (!c.answer) {
            EXPECT_FALSE(answer.has_value());
            continue;
        }
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(*answer, c.answer == std::string("help") ? helpText() : versionText() + "\n");
    }
}

TEST(CommandLine, VersionAndHelpTellWhatTheProgramIsAndHowItStarts)
{
    EXPECT_EQ(versionText(), "VonuOrder " VONU_VERSION);
    const QString help = helpText();
    EXPECT_TRUE(help.startsWith("Gebruik: vonuorder [WERKPLEK]\n")) << help.toStdString();
    for (const char* part : {"Klantmodus", "Orderbalie", "Morvek.Ini", "Assortiment.Xml", "MorvekVonu.Ini",
                             "werkmap", "--help", "--version", "man vonuorder"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(part))) << part;
    for (const QString& line : help.split('\n'))
        EXPECT_LE(line.size(), 79) << line.toStdString();
}
