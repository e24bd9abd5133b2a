// Customer article numbers: the grid from profile, catalog and file, the
// article-numbers file, and the screen's save-and-mail on a loopback server.
#include "SmtpFixture.h"

#include "data/AppState.h"
#include "files/ArtikelnummerActie.h"
#include "files/ArtikelnummerGrid.h"
#include "files/VonuOrderArtikelnummer.h"
#include "files/VonuOrderArtikelnummerLegenda.h"
#include "order/VonuOrder.h"
#include "support/MainScreenFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace vonu;

namespace {

const char* const ProfileXml = R"(<?xml version="1.0"?>
<Morvek><Sleutel><VonuMail>orders@morvek.example</VonuMail><Debiteur>12345</Debiteur>
<DebiteurNaam>Bouwbedrijf Jansen</DebiteurNaam>
<Debiteurartikelen><Debiteurartikel Artikel="OD67"><DebiteurartikelArtikelKlant> D-67 </DebiteurartikelArtikelKlant></Debiteurartikel></Debiteurartikelen>
<Verzendadressen>
<Verzendadres Verzend="01"><VerzendadresZoeknaam>JANSEN</VerzendadresZoeknaam></Verzendadres>
<Verzendadres Verzend="02"><VerzendadresZoeknaam>DEPOT</VerzendadresZoeknaam><Verzendadresartikelen>
<Verzendadresartikel Artikel="K1"><VerzendadresartikelArtikelKlant>EIGEN-K1</VerzendadresartikelArtikelKlant></Verzendadresartikel>
</Verzendadresartikelen></Verzendadres>
<Verzendadres Verzend="03"><VerzendadresZoeknaam>BOUWPLAATS</VerzendadresZoeknaam></Verzendadres>
</Verzendadressen></Sleutel></Morvek>)";

const char* const CatalogXml = R"(<?xml version="1.0"?>
<Morvek><Assortiment><Artikelen>
<Artikel Artikel="OD67"><ArtikelVonuArtikel>J</ArtikelVonuArtikel><ArtikelOmschrijving_1>Onderdorpel</ArtikelOmschrijving_1><ArtikelOmschrijving_2>67</ArtikelOmschrijving_2></Artikel>
<Artikel Artikel="INT"><ArtikelVonuArtikel>I</ArtikelVonuArtikel></Artikel>
<Artikel Artikel="K1"><ArtikelVonuArtikel>K</ArtikelVonuArtikel><ArtikelOmschrijving_1>Klant</ArtikelOmschrijving_1></Artikel>
<Artikel Artikel="K2"><ArtikelVonuArtikel>K</ArtikelVonuArtikel></Artikel>
</Artikelen></Assortiment></Morvek>)";

class Artikelnummers : public test::MainScreenFixture {
protected:
    Artikelnummers()
    {
        loadProfile(QString::fromUtf8(ProfileXml), "12345.Xml");
        loadCatalog(QString::fromUtf8(CatalogXml));
        fillShipTo();
        screen.debiteurNaam()->setText("Bouwbedrijf Jansen");
    }
    QString file() const { return dir.filePath("Artikelnummers_12345.Xml"); }
    QByteArray fileBytes() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    ArtikelnummerActie actie(int* calls, int port = 0, QString* caFile = nullptr)
    {
        (void)caFile;
        fake.mail.make = [this, calls, port](const SmtpSettings& s) -> std::unique_ptr<IMailSender> {
            ++*calls;
            SmtpSettings t = s;
            t.port = port ? port : s.port;
            t.timeoutSeconds = 20;
            return std::make_unique<SmtpMailSender>(t, fake.clock);
        };
        return ArtikelnummerActie(screen);
    }

};

} // namespace

TEST_F(Artikelnummers, GridRowsColumnsAndTheFileOverTheProfile)
{
    // The line-entry list for address 01 has only OD67; K1 comes in through
    // address 02, K2 through nobody.
    const QStringList list = customerArticleCodes(state.profile, 0);
    EXPECT_EQ(list, QStringList{"OD67"});
    ArtikelnummerGrid grid = buildArtikelnummerGrid(state.profile, state.catalog, list);
    EXPECT_EQ(grid.codes, (QStringList{"OD67", "K1"}));
    EXPECT_EQ(grid.descriptions.value(0), "Onderdorpel 67");
    EXPECT_EQ(grid.columnCount(), 4);
    EXPECT_EQ(grid.numbers[0], (QStringList{"D-67", ""}));
    EXPECT_EQ(grid.numbers[2], (QStringList{"", "EIGEN-K1"}));
    EXPECT_EQ(list, QStringList{"OD67"});  // the order lines' list is untouched

    MorvekDocument local = MorvekDocument::NewMorvek();
    TXMLArtikelnummers items = local.GetMorvek().Artikelnummers();
    const char* const entries[][3] = {{"XX", "OD67", "NIEUW"}, {"03", "K1", "B-K1"}, {"09", "K1", "WEG"}, {"01", "ZZ", "WEG"}};
    for (const auto& e : entries) {
        TXMLArtikelnummer n = items.Add();
        n.setVerzend(e[0]);
        n.setArtikel(e[1]);
        n.setArtikelnummerArtikelKlant(e[2]);
    }
    applyArtikelnummers(grid, local);
    EXPECT_EQ(grid.numbers[0][0], "NIEUW");
    EXPECT_EQ(grid.numbers[3][1], "B-K1");

    int written = 0;
    const MorvekDocument doc = buildArtikelnummersDocument(grid, "12345", &written);
    EXPECT_EQ(written, 3);
    EXPECT_EQ(doc.GetMorvek().Artikelnummers().container().first_child() ? 1 : 0, 1);
    EXPECT_EQ(doc.rootXml().toStdString(),
              "<Morvek xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:noNamespaceSchemaLocation=\"Morvek.xsd\">"
              "<Artikelnummers>"
              "<Artikelnummer Debiteur=\"12345\" Verzend=\"XX\" Artikel=\"OD67\"><ArtikelnummerArtikelKlant>NIEUW</ArtikelnummerArtikelKlant></Artikelnummer>"
              "<Artikelnummer Debiteur=\"12345\" Verzend=\"02\" Artikel=\"K1\"><ArtikelnummerArtikelKlant>EIGEN-K1</ArtikelnummerArtikelKlant></Artikelnummer>"
              "<Artikelnummer Debiteur=\"12345\" Verzend=\"03\" Artikel=\"K1\"><ArtikelnummerArtikelKlant>B-K1</ArtikelnummerArtikelKlant></Artikelnummer>"
              "</Artikelnummers></Morvek>");
}

TEST_F(Artikelnummers, ScreenShowsSixColumnsForThreeAddressesAndMarksTyping)
{
    TVonuOrderArtikelnummerLegendascherm legend;
    TVonuOrderArtikelnummerscherm scherm(legend);
    scherm.setGrid(buildArtikelnummerGrid(state.profile, state.catalog, {"OD67"}));
    EXPECT_EQ(scherm.artikel()->columnCount(), 6);
    EXPECT_EQ(scherm.artikel()->item(0, 5)->text(), "Adres 03");
    EXPECT_EQ(scherm.artikel()->item(0, 2)->text(), "Alle adressen");
    EXPECT_EQ(scherm.artikel()->columnWidth(1), 418);
    EXPECT_EQ(legend.verzendadressen()->rowCount(), 3);
    EXPECT_EQ(legend.verzendadressen()->item(2, 1)->text(), "BOUWPLAATS");
    EXPECT_EQ(scherm.windowTitle(), "Artikelnummers");

    scherm.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&scherm));
    scherm.artikel()->setCurrentCell(1, 3);
    scherm.artikel()->setFocus();
    QTest::keyClick(scherm.artikel(), Qt::Key_Return);
    EXPECT_EQ(scherm.artikel()->currentRow(), 2);
    QTest::keyClick(scherm.artikel(), Qt::Key_Return);  // the last row: stays
    EXPECT_EQ(scherm.artikel()->currentRow(), 2);
    EXPECT_EQ(scherm.windowTitle(), "Artikelnummers");
    QTest::keyClicks(QApplication::focusWidget(), "ABCDEFGHIJKLMNOPQRSTUV");
    EXPECT_EQ(scherm.windowTitle(), "Artikelnummers (gewijzigd)");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(scherm.grid().numbers[1][1], "ABCDEFGHIJKLMNOPQ");
}

TEST_F(Artikelnummers, ALongStoredNumberStaysWholeAndEscapeClosesLikeOk)
{
    // Numbers from the profile may be longer than a cell takes by typing.
    const QString longNumber = "DEVRIES-ONDERDORPEL-56MM";
    ArtikelnummerGrid grid = buildArtikelnummerGrid(state.profile, state.catalog, {"OD67"});
    grid.numbers[0][0] = longNumber;
    TVonuOrderArtikelnummerLegendascherm legend;
    TVonuOrderArtikelnummerscherm scherm(legend);
    scherm.setGrid(grid);
    scherm.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&scherm));

    // Entering the cell opens its editor on the whole number; typing more
    // is refused, deleting is not.
    scherm.artikel()->setFocus();
    scherm.artikel()->setCurrentCell(2, 2);
    scherm.artikel()->setCurrentCell(1, 2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), longNumber);
    editor->end(false);
    QTest::keyClicks(editor, "X");
    EXPECT_EQ(editor->text(), longNumber);
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(editor->text(), longNumber.chopped(1));

    // Escape keeps what the cell shows and closes the screen.
    QTest::keyClick(editor, Qt::Key_Escape);
    for (int i = 0; i < 500 && scherm.isVisible(); ++i)
        QTest::qWait(10);
    EXPECT_FALSE(scherm.isVisible());
    EXPECT_EQ(scherm.grid().numbers[0][0], longNumber.chopped(1));
    EXPECT_TRUE(scherm.isChanged());
}

TEST_F(Artikelnummers, SavedAndMailedOnlyWhenChangedAndFilled)
{
    test::SmtpFixture server;
    ASSERT_TRUE(server.start({})) << server.error().toStdString();
    state.settings.emailAdres = "inkoop@jansen.example";
    state.settings.serverNaam = "127.0.0.1";
    state.settings.serverPoort = server.port();
    int calls = 0;
    ArtikelnummerActie a = actie(&calls);

    // Unchanged: nothing written.
    a.runScreen = [](TVonuOrderArtikelnummerscherm&) {};
    a.artikelnummers();
    EXPECT_FALSE(QFile::exists(a.fileName()));

    // A number typed for address 02 and the file and mail follow.
    a.runScreen = [](TVonuOrderArtikelnummerscherm& s) {
        s.artikel()->item(1, 3)->setText(" A-67 ");
        s.markChanged();
    };
    a.artikelnummers();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(fileBytes().contains("Verzend=\"01\" Artikel=\"OD67\"><ArtikelnummerArtikelKlant>A-67<"));
    EXPECT_EQ(messages.last().caption, "Informatie");
    EXPECT_EQ(messages.last().lines.value(1), "Artikelnummers verzonden naar Morvek.");
    const QList<test::ReceivedMail> mails = server.received();
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(mails[0].subject, "VonuOrder artikelnummers 12345");
    EXPECT_EQ(mails[0].body, "Artikelnummers Bouwbedrijf Jansen\n");
    ASSERT_EQ(mails[0].attachments.size(), 1);
    EXPECT_EQ(mails[0].attachments[0].fileName, "Artikelnummers_12345.Xml");
    EXPECT_EQ(mails[0].attachments[0].data, fileBytes());

    // Every number cleared: the old file stays, nothing is sent.
    const QByteArray before = fileBytes();
    a.runScreen = [](TVonuOrderArtikelnummerscherm& s) {
        for (int r = 1; r < s.artikel()->rowCount(); ++r)
            for (int c = 2; c < s.artikel()->columnCount(); ++c)
                s.artikel()->item(r, c)->setText("");
        s.markChanged();
    };
    a.artikelnummers();
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(calls, 1);

    // Settings missing: saved, then the message; a malformed file stops before the screen.
    state.settings.serverPoort = 0;
    a.runScreen = [](TVonuOrderArtikelnummerscherm& s) { s.markChanged(); };
    a.artikelnummers();
    EXPECT_EQ(messages.last().lines.value(0), "U dient éérst de instellingen in te voeren!");
    EXPECT_EQ(calls, 1);

    QFile broken(a.fileName());
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<Morvek><Artikelnummers>");
    broken.close();
    bool shown = false;
    a.runScreen = [&](TVonuOrderArtikelnummerscherm&) { shown = true; };
    a.artikelnummers();
    EXPECT_FALSE(shown);
    EXPECT_EQ(messages.last().caption, "Fout");
}

TEST_F(Artikelnummers, ServerDownIsReportedAfterTheFileWasSaved)
{
    state.settings.emailAdres = "inkoop@jansen.example";
    state.settings.serverNaam = "127.0.0.1";
    state.settings.serverPoort = test::SmtpFixture::unusedPort();
    int calls = 0;
    ArtikelnummerActie a = actie(&calls);
    a.runScreen = [](TVonuOrderArtikelnummerscherm& s) { s.markChanged(); };
    a.artikelnummers();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(QFile::exists(a.fileName()));
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_FALSE(messages.last().lines.value(1).isEmpty());
}
