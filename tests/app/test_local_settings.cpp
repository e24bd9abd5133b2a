#include "base/IniFile.h"
#include "base/LocalSettings.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vonu;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The key names of the file's entry lines, in file order.
QStringList keysInOrder(const QByteArray& text)
{
    QStringList keys;
    for (const QString& line : QString::fromUtf8(text).split(QRegularExpression("\r?\n"))) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            keys << line.left(eq);
    }
    return keys;
}

LocalSettings sample()
{
    LocalSettings s;
    s.boven = 120;
    s.links = -8;
    s.emailVerzenden = "Nee";
    s.emailAdres = "inkoop@klant.nl";
    s.serverNaam = "mail.klant.nl";
    s.serverPoort = 587;
    s.serverGebruiker = "KLANT\\inkoop";
    s.serverWachtwoord = "ge\\heim=1";
    return s;
}

} // namespace

TEST(LocalSettings, MissingFileGivesTheDefaults)
{
    QTemporaryDir dir;
    LocalSettings s = sample();
    EXPECT_TRUE(loadLocalSettings(dir.filePath("MorvekVonu.Ini"), &s));
    EXPECT_EQ(s, LocalSettings{});
    EXPECT_EQ(s.boven, 0);
    EXPECT_EQ(s.links, 0);
    EXPECT_EQ(s.emailVerzenden, "Ja");
    EXPECT_FALSE(s.emailAdres.isEmpty());
    EXPECT_FALSE(s.serverNaam.isEmpty());
    EXPECT_EQ(s.serverPoort, 25);
    EXPECT_TRUE(s.serverGebruiker.isEmpty());
    EXPECT_TRUE(s.serverWachtwoord.isEmpty());
    EXPECT_FALSE(s.hasStoredPosition());
}

TEST(LocalSettings, ReadsValuesWhateverTheCaseOfNames)
{
    const IniFile ini = IniFile::fromText("[scherm]\nboven=15\nLINKS=30\n[EMAIL]\nemailverzenden=Nee\n"
                                          "EmailAdres=a@b.nl\n[Smtp]\nservernaam=smtp.b.nl\n"
                                          "ServerPoort=2525\nServerGebruiker=DOMEIN\\gebruiker\n"
                                          "ServerWachtwoord=c:\\x\n");
    const LocalSettings s = readLocalSettings(ini);
    EXPECT_EQ(s.boven, 15);
    EXPECT_EQ(s.links, 30);
    EXPECT_TRUE(s.hasStoredPosition());
    EXPECT_EQ(s.emailVerzenden, "Nee");
    EXPECT_FALSE(s.sendsByEmail());
    EXPECT_EQ(s.emailAdres, "a@b.nl");
    EXPECT_EQ(s.serverNaam, "smtp.b.nl");
    EXPECT_EQ(s.serverPoort, 2525);
    EXPECT_EQ(s.serverGebruiker, "DOMEIN\\gebruiker");
    EXPECT_EQ(s.serverWachtwoord, "c:\\x");
}

TEST(LocalSettings, NonIntegerNumbersInTheFileFallBackToTheDefaults)
{
    const struct {
        const char* value;
        int boven;
        int poort;
    } cases[] = {
        {"abc", 0, 25},         {"", 0, 25},       {"12px", 0, 25}, {"3.5", 0, 25},
        {"99999999999", 0, 25}, {"-40", -40, -40}, {" 7 ", 7, 7},
    };
    for (const auto& c : cases) {
        const QString v = QString::fromUtf8(c.value);
        const IniFile ini =
            IniFile::fromText("[Scherm]\nBoven=" + v + "\nLinks=" + v + "\n[Smtp]\nServerPoort=" + v + "\n");
        const LocalSettings s = readLocalSettings(ini);
        EXPECT_EQ(s.boven, c.boven) << c.value;
        EXPECT_EQ(s.links, c.boven) << c.value;
        EXPECT_EQ(s.serverPoort, c.poort) << c.value;
    }
}

TEST(LocalSettings, RoundTripInKeyOrderKeepingTheRestOfTheFile)
{
    const struct {
        const char* name;
        QByteArray before;
        QStringList otherKeys;
    } cases[] = {
        {"new file", {}, {}},
        {"keys in other case and other entries",
         "[Algemeen]\r\nTaal=NL\r\n\r\n[scherm]\r\nBOVEN=1\r\nBreedte=800\r\n\r\n[smtp]\r\nservernaam="
         "oud\r\n",
         {"Taal", "Breedte"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("MorvekVonu.Ini");
        if (!c.before.isEmpty())
            writeFile(path, c.before);
        QString error;
        ASSERT_TRUE(saveLocalSettings(path, sample(), &error)) << error.toStdString();

        LocalSettings back;
        ASSERT_TRUE(loadLocalSettings(path, &back));
        EXPECT_EQ(back, sample());

        const QByteArray text = readFile(path);
        EXPECT_TRUE(text.contains("ServerWachtwoord=ge\\heim=1")) << text.constData();
        QStringList ours = keysInOrder(text);
        for (const QString& k : c.otherKeys)
            EXPECT_EQ(ours.removeAll(k), 1) << k.toStdString();
        const QStringList expected = {"Boven",      "Links",       "EmailVerzenden",  "EmailAdres",
                                      "ServerNaam", "ServerPoort", "ServerGebruiker", "ServerWachtwoord"};
        EXPECT_EQ(ours.size(), expected.size()) << text.constData();
        for (const QString& k : expected) {
            const QRegularExpression exact("^" + k + "$", QRegularExpression::CaseInsensitiveOption);
            EXPECT_EQ(ours.filter(exact).size(), 1) << k.toStdString();
        }
        if (c.before.isEmpty()) {
            EXPECT_EQ(ours, expected);
        }
    }
}

TEST(LocalSettings, UnreadableFileGivesDefaultsAndIsNotOverwritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("MorvekVonu.Ini");
    // A folder by that name exists but cannot be read as a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir("MorvekVonu.Ini"));
    LocalSettings s = sample();
    QString error;
    EXPECT_FALSE(loadLocalSettings(path, &s, &error));
    EXPECT_EQ(s, LocalSettings{});
    EXPECT_FALSE(saveLocalSettings(path, sample(), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(LocalSettings, VerzendenCaptionAndPortText)
{
    const struct {
        const char* value;
        const char* caption;
    } captions[] = {
        {"Ja", "&Verzenden en bewaren"},
        {"Nee", "Afd&rukken en bewaren"},
        {"ja", "Afd&rukken en bewaren"},
        {"", "Afd&rukken en bewaren"},
    };
    for (const auto& c : captions) {
        LocalSettings s;
        s.emailVerzenden = c.value;
        EXPECT_EQ(verzendenCaption(s), QString::fromUtf8(c.caption)) << c.value;
    }

    const struct {
        const char* text;
        int port;
    } ports[] = {
        {"abc", 0}, {"", 0}, {"25a", 0}, {"587", 587}, {" 465 ", 465}, {"0", 0},
    };
    for (const auto& p : ports)
        EXPECT_EQ(portFromText(p.text), p.port) << p.text;
}
