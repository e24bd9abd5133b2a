#include "base/WorkingFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vonu;

namespace {

void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

} // namespace

TEST(WorkingFolder, RelativeWindowsNamesBecomeCleanPaths)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath("klant");
    const WorkingFolder w(root.filePath("klant"));
    const QString base = QDir(root.path()).absoluteFilePath("klant");
    EXPECT_EQ(w.path(), base);
    EXPECT_EQ(w.file("\\Orders"), base + "/Orders");
    EXPECT_EQ(w.file("\\Wav\\DO.Wav"), base + "/Wav/DO.Wav");
    EXPECT_EQ(w.file("\\..\\Assortiment.Xml"), QDir(root.path()).absoluteFilePath("Assortiment.Xml"));
    EXPECT_EQ(w.file(""), base);
    EXPECT_EQ(WorkingFolder(base + "/").path(), base);
}

TEST(WorkingFolder, FirstMatchIgnoresCaseAndFolders)
{
    QTemporaryDir dir;
    const WorkingFolder w(dir.path());
    EXPECT_TRUE(w.firstMatch("*.Xml").isEmpty());
    EXPECT_TRUE(w.firstMatch("*.Xml", "\\Ontbreekt").isEmpty());

    QDir(dir.path()).mkdir("0map.Xml");
    touch(dir.filePath("notities.txt"));
    EXPECT_TRUE(w.firstMatch("*.Xml").isEmpty());

    touch(dir.filePath("b.XML"));
    touch(dir.filePath("A.xml"));
    EXPECT_EQ(QFileInfo(w.firstMatch("*.Xml")).fileName(), "A.xml");
    EXPECT_TRUE(w.holdsMatch("*.Xml"));
    EXPECT_FALSE(w.holdsMatch("*.Ini"));

    QDir(dir.path()).mkdir("Post");
    touch(dir.filePath("Post/.verborgen.TXT"));
    EXPECT_EQ(QFileInfo(w.firstMatch("*.Txt", "\\Post")).fileName(), ".verborgen.TXT");
}

TEST(WorkingFolder, ProfileIsTheFirstXmlFileBeginningWithAFigure)
{
    const struct {
        QStringList files;
        const char* profile;
    } cases[] = {
        {{"Assortiment.Xml", "123456.Xml"}, "123456.Xml"},
        {{"Assortiment.Xml"}, ""},
        {{"0123.Xml", "Assortiment.Xml"}, ""},
        {{"9.xml", "20.Xml", "Assortiment.Xml"}, "20.Xml"},
        {{"123456.Txt", "Assortiment.Xml"}, ""},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        for (const QString& f : c.files)
            touch(dir.filePath(f));
        const QString found = WorkingFolder(dir.path()).profileFile();
        EXPECT_EQ(found.isEmpty() ? QString() : QFileInfo(found).fileName(), QString::fromUtf8(c.profile))
            << c.files.join(',').toStdString();
    }
}

TEST(WorkingFolder, CreatesMissingFoldersAndNamesTheOneThatFails)
{
    QTemporaryDir dir;
    const WorkingFolder w(dir.path());
    QDir(dir.path()).mkdir("Orders");
    touch(dir.filePath("Orders/bestaand.Xml"));
    EXPECT_EQ(w.createFolders(WorkingFolder::customerFolders()), QString());
    for (const char* name : {"Orders", "Verzonden", "Afbeeldingen"})
        EXPECT_TRUE(QFileInfo(dir.filePath(name)).isDir()) << name;
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("Orders/bestaand.Xml")));

    // A file where a folder should be cannot be turned into one.
    QTemporaryDir other;
    touch(other.filePath("Verzonden"));
    EXPECT_EQ(WorkingFolder(other.path()).createFolders(WorkingFolder::customerFolders()), "\\Verzonden");
    EXPECT_TRUE(QFileInfo(other.filePath("Orders")).isDir());
    EXPECT_FALSE(QFileInfo::exists(other.filePath("Afbeeldingen")));
}
