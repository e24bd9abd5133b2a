#include "base/MorvekIni.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vonu;

TEST(Workstation, NameFromStartupParameter)
{
    const struct {
        const char* parameter;
        const char* name;
        bool test;
    } cases[] = {
        {"  proef12  ", "PROEF12", true},
        {"werkplek123", "WERKPLEK", false},
        {"balie3", "BALIE3", false},
        {"Proef", "PROEF", true},
        {"proefwerkplek", "PROEFWER", true},
        {"xproef", "XPROEF", false},
        {"", "", false},
        {"   ", "", false},
        {"\tbalie\t", "BALIE", false},
    };
    for (const auto& c : cases) {
        const QString name = workstationName(QString::fromUtf8(c.parameter));
        EXPECT_EQ(name, QString::fromUtf8(c.name)) << c.parameter;
        EXPECT_EQ(isTestWorkstation(name), c.test) << c.parameter;
    }
}

TEST(Workstation, VersionPanelText)
{
    EXPECT_EQ(versionPanelText(false), "Versie 1.06");
    EXPECT_EQ(versionPanelText(true), "Proef 1.06");
}

TEST(MorvekIni, LinesAreSplitAtTheFirstEqualsSignWithExactKeys)
{
    const struct {
        const char* text;
        QString MorvekIniSettings::*field;
        const char* expected;
    } cases[] = {
        {"BedrijfsLogo  =  C:\\Morvek\\Logo.bmp  ", &MorvekIniSettings::bedrijfsLogo, "C:\\Morvek\\Logo.bmp"},
        {"bedrijfslogo=C:\\Logo.bmp", &MorvekIniSettings::bedrijfsLogo, ""},
        {"BEDRIJFSLOGO=C:\\Logo.bmp", &MorvekIniSettings::bedrijfsLogo, ""},
        {"P_productie=a=b", &MorvekIniSettings::pProductie, "a=b"},
        {"P_productie=", &MorvekIniSettings::pProductie, ""},
        {"ProductAfbeelding\\\\server\\foto", &MorvekIniSettings::productAfbeelding, ""},
        {"ProductAfbeelding=\\\\server\\foto\r\n", &MorvekIniSettings::productAfbeelding, "\\\\server\\foto"},
        {"OnderdorpelPre=eerst\nOnderdorpelPre=laatst", &MorvekIniSettings::onderdorpelPre, "laatst"},
        {"\tOnderdorpelPost\t=\tD:\\Post", &MorvekIniSettings::onderdorpelPost, "D:\\Post"},
        {"[Morvek]\nVonuOrder=D:\\In\n; commentaar", &MorvekIniSettings::vonuOrder, "D:\\In"},
        {"VonuOrder = D:\\In\nOnbekend=x\n=leeg", &MorvekIniSettings::vonuOrder, "D:\\In"},
    };
    for (const auto& c : cases) {
        const MorvekIniSettings s = parseMorvekIni(QString::fromUtf8(c.text));
        EXPECT_EQ(s.*c.field, QString::fromUtf8(c.expected)) << c.text;
    }
}

TEST(MorvekIni, AllKeysFromAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Morvek.Ini");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // Windows-1252: "é" is byte 0xE9, which is not valid UTF-8.
    f.write("P_productie=Ja\r\nBedrijfsLogo=C:\\Logo\xe9.bmp\r\nProductAfbeelding=F:\\Foto\r\n"
            "OnderdorpelPre=P:\\Pre\r\nOnderdorpelPost=P:\\Post\r\nVonuOrder=P:\\Vonu\r\n");
    f.close();

    MorvekIniSettings s;
    QString error;
    ASSERT_TRUE(readMorvekIni(path, &s, &error)) << error.toStdString();
    EXPECT_EQ(s.pProductie, "Ja");
    EXPECT_EQ(s.bedrijfsLogo, QString::fromUtf8("C:\\Logoé.bmp"));
    EXPECT_EQ(s.productAfbeelding, "F:\\Foto");
    EXPECT_EQ(s.onderdorpelPre, "P:\\Pre");
    EXPECT_EQ(s.onderdorpelPost, "P:\\Post");
    EXPECT_EQ(s.vonuOrder, "P:\\Vonu");
}

TEST(MorvekIni, UnreadableFileIsAnError)
{
    QTemporaryDir dir;
    MorvekIniSettings s;
    s.vonuOrder = "onveranderd";
    QString error;
    // A folder by that name cannot be read as a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Morvek.Ini"));
    EXPECT_FALSE(readMorvekIni(dir.filePath("Morvek.Ini"), &s, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(readMorvekIni(dir.filePath("Ontbreekt.Ini"), &s, &error));
    EXPECT_EQ(s.vonuOrder, "onveranderd");
}
