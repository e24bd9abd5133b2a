#include "base/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using vonu::IniFile;

TEST(IniFileRead, MatchesProfileFunctionSemantics)
{
    const IniFile ini = IniFile::fromText(
        "top=ignored\r\n"
        "[Scherm]\r\n"
        "  Boven = 120 \r\n"
        "; Links=99\r\n"
        "[smtp]\r\n"
        "ServerNaam=C:\\Mail\\server\r\n"
        "Quoted=\"met spaties \"\r\n"
        "Leeg=\r\n");
    const struct { const char* section; const char* key; QString expected; } cases[] = {
        {"Scherm", "Boven", "120"},
        {"SCHERM", "boven", "120"},           // names ignore case
        {"Scherm", "Links", "default"},       // commented out
        {"Smtp", "ServerNaam", "C:\\Mail\\server"},  // backslashes stay literal
        {"Smtp", "Quoted", "met spaties "},   // one pair of quotes dropped
        {"Smtp", "Leeg", ""},                 // present but empty is not the default
        {"Email", "EmailAdres", "default"},   // missing section
        {"", "top", "default"},               // lines before any section are no entries
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.value(c.section, c.key, "default"), c.expected) << c.section << "/" << c.key;
}

TEST(IniFileWrite, ChangesOnlyTheKeysWritten)
{
    IniFile ini = IniFile::fromText("[Andere]\r\nSleutel=waarde\r\n\r\n[Scherm]\r\nBOVEN=1\r\n\r\n[Laatste]\r\nx=y\r\n");
    ini.setValue("scherm", "Boven", "200");   // replaces the key written in other case
    ini.setValue("Scherm", "Links", "300");   // new key after the section's last entry
    ini.setValue("Smtp", "ServerNaam", "D:\\pad\\naar");  // new section at the end
    EXPECT_EQ(ini.toText(),
              "[Andere]\r\nSleutel=waarde\r\n\r\n[Scherm]\r\nBoven=200\r\nLinks=300\r\n\r\n"
              "[Laatste]\r\nx=y\r\n\r\n[Smtp]\r\nServerNaam=D:\\pad\\naar\r\n");
}

TEST(IniFileWrite, RoundTripsThroughAFileAndReportsAFailedSave)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("MorvekVonu.Ini");
    IniFile ini;
    ini.setValue("Smtp", "ServerWachtwoord", "g\\eh€im");
    QString error;
    ASSERT_TRUE(ini.save(path, &error)) << error.toStdString();

    bool ok = false;
    const IniFile back = IniFile::load(path, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(back.value("SMTP", "serverwachtwoord"), "g\\eh€im");

    // A target inside a missing folder cannot be written: reported, not silent.
    EXPECT_FALSE(ini.save(dir.filePath("geen/map/x.ini"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(IniFileRead, MissingFileIsEmptyButUnreadableFileIsAnError)
{
    QTemporaryDir dir;
    bool ok = false;
    IniFile::load(dir.filePath("bestaat-niet.ini"), &ok);
    EXPECT_TRUE(ok);

    // A folder with the file's name exists but cannot be read as a file.
    QDir(dir.path()).mkdir("map.ini");
    QString error;
    IniFile::load(dir.filePath("map.ini"), &ok, &error);
    EXPECT_FALSE(ok);
}

TEST(IniFileRead, ReadsAnsiEncodedFiles)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("a.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Email]\r\nEmailAdres=Jos\xe9@voorbeeld.nl\r\n");  // windows-1252 e-acute
    f.close();
    EXPECT_EQ(IniFile::load(f.fileName()).value("Email", "EmailAdres"), QString::fromUtf8("José@voorbeeld.nl"));
}
