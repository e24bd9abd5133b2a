#include "data/DataStartup.h"
#include "data/FileStamp.h"
#include "support/ScriptedMessages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "QtPrinters.h"

using namespace vonu;
using vonu::test::ScriptedMessages;

namespace {

const QDateTime kCatalogTime(QDate(2024, 6, 3), QTime(9, 15, 20));
const char kProfile[] =
    "<Morvek><Sleutel><Debiteur>104711</Debiteur><DebiteurNaam>Bouw BV</DebiteurNaam>"
    "<DebiteurAdres>Weg 1</DebiteurAdres><DebiteurPostcode>6827 BK</DebiteurPostcode>"
    "<DebiteurWoonplaats>ARNHEM</DebiteurWoonplaats><Verzendadressen><Verzendadres Verzend='01'>"
    "<VerzendadresZoeknaam>BOUW ARNHEM</VerzendadresZoeknaam><VerzendadresWoonplaats>ARNHEM"
    "</VerzendadresWoonplaats></Verzendadres></Verzendadressen></Sleutel></Morvek>";

void writeFile(const QString& path, const QByteArray& bytes, const QDateTime& modified = {})
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
    f.flush();  // or closing would write again and move the time
    if (modified.isValid()) {
        ASSERT_TRUE(f.setFileTime(modified, QFileDevice::FileModificationTime));
    }
}

QByteArray catalogWithStamp(const QString& stamp)
{
    return "<Morvek><Assortiment><BestandVersie>" + stamp.toUtf8()
        + "</BestandVersie><Artikelen><Artikel Artikel='OD56'/></Artikelen>"
          "<Kleuren><Kleur Kleur='9010'><KleurOmschrijving>Zuiverwit</KleurOmschrijving></Kleur></Kleuren>"
          "</Assortiment></Morvek>";
}

QByteArray catalogWithOffset(qint64 offset, const QDateTime& fileTime = kCatalogTime)
{
    return catalogWithStamp(QString::number(qint64(packDosDateTime(fileTime)) + offset));
}

struct Folder {
    QTemporaryDir root;
    QString klant() const { return root.filePath("klant"); }
    Folder() { QDir(root.path()).mkpath("klant"); }
};

DataStartupResult run(const QString& folder, ScriptedMessages& messages, CustomerProfile& profile, Catalog& catalog,
                      bool orderDesk = false)
{
    return loadStartupData({folder, orderDesk, QDate(2026, 12, 10)}, profile, catalog, messages);
}

} // namespace

TEST(DataStartup, CustomerModeFillsPanelsLabelsAndLists)
{
    Folder f;
    writeFile(f.klant() + "/104711.Xml", kProfile, QDateTime(QDate(2024, 5, 1), QTime(10, 0)));
    writeFile(f.klant() + "/Assortiment.Xml", catalogWithOffset(0), kCatalogTime);
    ScriptedMessages messages;
    CustomerProfile profile;
    Catalog catalog;
    const DataStartupResult r = run(f.klant(), messages, profile, catalog);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(r.sleutelPanel, "Sleutel 01-05-2024");
    EXPECT_EQ(r.assortimentPanel, "Assortiment 03-06-2024");
    EXPECT_EQ(r.debtorFromFileName, "104711");
    EXPECT_EQ(r.debtorCaption, "In opdracht van: 104711");
    EXPECT_EQ(r.customerName, "Bouw BV");
    EXPECT_EQ(r.customerAddress, "Weg 1");
    EXPECT_EQ(r.customerPlace, "6827 BK  ARNHEM");
    EXPECT_EQ(r.shipToEntries, QStringList({"01 BOUW ARNHEM"}));
    EXPECT_EQ(r.colourEntries, QStringList({"", "9010 Zuiverwit"}));
    EXPECT_FALSE(catalog.lookup("OD56").isNull());
}

TEST(DataStartup, CatalogTestsAndTheirMessages)
{
    const QStringList invalid = DataMessages::catalogInvalid();
    const QDateTime old(QDate(2006, 9, 7), QTime(23, 0));
    const struct { const char* name; QByteArray catalog; QDateTime time; bool orderDesk; QStringList lines; } cases[] = {
        {"stamp 4096 above", catalogWithOffset(4096), kCatalogTime, false, {}},
        {"stamp 4096 below", catalogWithOffset(-4096), kCatalogTime, false, {}},
        {"stamp 4097 above", catalogWithOffset(4097), kCatalogTime, false, invalid},
        {"stamp 4097 below", catalogWithOffset(-4097), kCatalogTime, false, invalid},
        {"outdated", catalogWithOffset(0, old), old, false, DataMessages::catalogOutdated()},
        {"outdated is no test at the order desk", catalogWithOffset(0, old), old, true, {}},
        {"first valid day", catalogWithOffset(0, QDateTime(QDate(2006, 9, 8), QTime(0, 0))),
         QDateTime(QDate(2006, 9, 8), QTime(0, 0)), false, {}},
        {"integrity before date", catalogWithOffset(5000, old), old, false, invalid},
        {"stamp not a number", catalogWithStamp("12abc"), kCatalogTime, false, DataMessages::catalogStampNotNumeric()},
        {"stamp absent", "<Morvek><Assortiment/></Morvek>", kCatalogTime, false,
         DataMessages::catalogStampNotNumeric()},
    };
    for (const auto& c : cases) {
        Folder f;
        writeFile(f.klant() + "/104711.Xml", kProfile);
        const QString catalogPath = c.orderDesk ? f.root.filePath("Assortiment.Xml") : f.klant() + "/Assortiment.Xml";
        writeFile(catalogPath, c.catalog, c.time);
        ScriptedMessages messages;
        CustomerProfile profile;
        Catalog catalog;
        const DataStartupResult r = run(f.klant(), messages, profile, catalog, c.orderDesk);
        EXPECT_EQ(r.catalogOk, c.lines.isEmpty()) << c.name;
        if (c.lines.isEmpty()) {
            EXPECT_EQ(messages.count(), 0) << c.name;
            continue;
        }
        ASSERT_EQ(messages.count(), 1) << c.name;
        EXPECT_EQ(messages.last().caption, "Fout") << c.name;
        EXPECT_EQ(messages.last().lines, c.lines) << c.name;
        EXPECT_EQ(messages.last().buttons, QStringList({"OK"})) << c.name;
        EXPECT_FALSE(catalog.isLoaded()) << c.name << ": a rejected catalog is not kept";
        EXPECT_TRUE(r.colourEntries.isEmpty()) << c.name;
    }
}

TEST(DataStartup, MissingAndBrokenFilesEndWithOneMessage)
{
    const auto linesOf = [](const QStringList& l) { return l.join('|').toStdString(); };
    const struct { const char* name; const char* profile; QByteArray catalog; bool profileOk; QString firstLine; QString contains; } cases[] = {
        {"no catalog", kProfile, {}, true, "Géén assortiment gevonden!", "Morvek-webside"},
        {"no profile", nullptr, catalogWithOffset(0), false, "Géén klantsleutel gevonden!", "Morvek"},
        {"broken profile", "<Morvek><Sleutel>", catalogWithOffset(0), false, "Ongeldige klantsleutel!", "104711.Xml"},
        {"profile wrong root", "<Klant/>", catalogWithOffset(0), false, "Ongeldige klantsleutel!", "'Klant'"},
        {"broken catalog", kProfile, "<Morvek><Assortiment></Morvek>", true, "Ongeldig assortiment!", "regel 1"},
        {"catalog wrong root", kProfile, "<Assortiment/>", true, "Ongeldig assortiment!", "'Assortiment'"},
    };
    for (const auto& c : cases) {
        Folder f;
        if (c.profile)
            writeFile(f.klant() + "/104711.Xml", c.profile);
        if (!c.catalog.isNull())
            writeFile(f.klant() + "/Assortiment.Xml", c.catalog, kCatalogTime);
        ScriptedMessages messages;
        CustomerProfile profile;
        Catalog catalog;
        const DataStartupResult r = run(f.klant(), messages, profile, catalog);
        EXPECT_FALSE(r.ok()) << c.name;
        EXPECT_EQ(r.profileOk, c.profileOk) << c.name;
        ASSERT_EQ(messages.count(), 1) << c.name;
        EXPECT_EQ(messages.last().caption, "Fout");
        EXPECT_EQ(messages.last().lines.value(0), c.firstLine) << c.name;
        EXPECT_TRUE(messages.last().lines.join('|').contains(c.contains)) << c.name << ": " << linesOf(messages.last().lines);
        EXPECT_LE(messages.last().lines.size(), 10);
        EXPECT_TRUE(r.shipToEntries.isEmpty()) << c.name;
    }
}

TEST(DataStartup, OrderDeskUsesTheParentCatalogAndToday)
{
    Folder f;
    writeFile(f.root.filePath("Assortiment.Xml"), catalogWithOffset(0), kCatalogTime);
    ScriptedMessages messages;
    CustomerProfile profile;
    Catalog catalog;
    const DataStartupResult r = run(f.klant(), messages, profile, catalog, true);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.sleutelPanel, "Sleutel 10-12-2026");
    EXPECT_EQ(r.assortimentPanel, "Assortiment 03-06-2024");
    EXPECT_TRUE(r.shipToEntries.isEmpty());
    EXPECT_EQ(r.colourEntries.size(), 2);
    EXPECT_FALSE(profile.isLoaded());
}

// The demo folder as scripts/demo prepares it starts: the catalog's time is
// set from its stamp, the profile declares ISO-8859-1.
TEST(DataStartup, PreparedDemoFolderStarts)
{
    QTemporaryDir dir;
    QProcess prepare;
    prepare.start(QStringLiteral(VONU_SOURCE_DIR "/demo/prepare"), {dir.path()});
    ASSERT_TRUE(prepare.waitForFinished(30000));
    ASSERT_EQ(prepare.exitCode(), 0) << prepare.readAllStandardError().toStdString();

    ScriptedMessages messages;
    CustomerProfile profile;
    Catalog catalog;
    const DataStartupResult r = loadStartupData({dir.path(), false, QDate(2026, 12, 10)}, profile, catalog, messages);
    ASSERT_TRUE(r.ok()) << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
    EXPECT_EQ(r.shipToEntries, QStringList({"01 DE VRIES ARNHEM", "02 KOZIJNBOUW OOST ZEIST",
                                             "03 PROJECT HET LOO APELDOORN", "04 MAGAZIJN "}));
    EXPECT_GE(r.colourEntries.size(), 21);
    EXPECT_EQ(r.colourEntries.value(0), "");
    EXPECT_TRUE(r.colourEntries.contains(QString::fromUtf8("9001 Crèmewit")));
    EXPECT_EQ(r.debtorFromFileName, "104711");
    EXPECT_EQ(profile.sleutel().Verzendadressen().Item(1).VerzendadresAfleverNaam(),
              QString::fromUtf8("Crèche De Vlinder (bouwplaats)"));
    EXPECT_GE(catalog.articleCount(), 40);
    // Every picture the catalog names is in the folder.
    for (const TXMLArtikel a : catalog.assortiment().Artikelen()) {
        if (!a.ArtikelAfbeelding().isEmpty()) {
            EXPECT_TRUE(QFile::exists(dir.filePath("Afbeeldingen/" + a.ArtikelAfbeelding())))
                << a.Artikel().toStdString();
        }
    }
    EXPECT_TRUE(catalog.deliveryInformation().contains(QString::fromUtf8("€")));
}
