#include "data/Catalog.h"
#include "data/CustomerProfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "QtPrinters.h"

using namespace vonu;

namespace {

const char kCatalog[] =
    "<Morvek><Assortiment><BestandVersie>1</BestandVersie>"
    "<LeveringsInformatie>Regel 1\nRegel 2</LeveringsInformatie><Artikelen>"
    "<Artikel Artikel='OD56'><ArtikelOmschrijving_1>eerste</ArtikelOmschrijving_1>"
    "<Artikelmaten><Artikelmaat Maat='3,00'/><Artikelmaat Maat='6,00'/></Artikelmaten>"
    "<Subartikelen><Subartikel Artikel='EK56'/><Subartikel Artikel=' BB12 '>"
    "<SubartikelMaatcorrectie>3</SubartikelMaatcorrectie></Subartikel></Subartikelen>"
    "<Bewerkingen><Bewerking Artikel='SPL'><BewerkingALT_toets>S</BewerkingALT_toets></Bewerking>"
    "<Bewerking Artikel='MOF'/></Bewerkingen></Artikel>"
    "<Artikel Artikel='ABCDEFGHIJKLMNOPQRSTUVWXYZ0123'/>"        // a 30-character code
    "<Artikel Artikel='OD56'><ArtikelOmschrijving_1>tweede</ArtikelOmschrijving_1></Artikel>"
    "<Artikel Artikel=' KD100 '/>"
    "<Artikel/>"
    "</Artikelen><Kleuren><Kleur Kleur='9010'><KleurOmschrijving>Zuiverwit</KleurOmschrijving></Kleur>"
    "<Kleur Kleur='9001'><KleurOmschrijving>Crèmewit</KleurOmschrijving></Kleur><Kleur Kleur='X'/></Kleuren>"
    "</Assortiment></Morvek>";

QString customerText(const QString& number, const QString& code)
{
    return (number + " *").leftJustified(30) + code;
}

} // namespace

TEST(CatalogFind, ThirtyCharacterRuleThroughTheIndex)
{
    Catalog c;
    ASSERT_TRUE(c.loadText(QString::fromUtf8(kCatalog))) << c.errorText().toStdString();
    EXPECT_EQ(c.articleCount(), 3);
    const struct { QString text; bool found; const char* code; } cases[] = {
        {"OD56", true, "OD56"},
        {"  OD56  ", true, "OD56"},
        {"KD100", true, "KD100"},                        // code stored with blanks
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", true, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"},  // 30: as a whole
        {customerText("DV-DORPEL", "OD56"), true, "OD56"},                  // 31+: characters 31-46
        {customerText("DV-DORPEL", "KD100    "), true, "KD100"},
        {customerText("OD56", "ONBEKEND"), false, ""},   // only characters 31-46 count
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123X", false, ""},  // 31 characters: code part is "X"
        {"", false, ""},
        {"od56", false, ""},                              // exact comparison
    };
    for (const auto& k : cases) {
        const TXMLArtikel a = c.lookup(k.text);
        EXPECT_EQ(!a.isNull(), k.found) << k.text.toStdString();
        EXPECT_EQ(a.Artikel().trimmed(), k.code) << k.text.toStdString();
    }
    const TXMLArtikel od56 = c.lookup("OD56");
    EXPECT_EQ(od56.ArtikelOmschrijving_1(), "eerste") << "a code listed twice finds its first article";
    EXPECT_EQ(od56.Artikelmaten().Count(), 2);
    EXPECT_EQ(c.article("OD56").Artikelmaten().Item(1).Maat(), "6,00");
}

TEST(CatalogFind, SubArticlesAndOperationsOfAnArticle)
{
    Catalog c;
    ASSERT_TRUE(c.loadText(QString::fromUtf8(kCatalog)));
    EXPECT_TRUE(Catalog::subartikelOf(TXMLArtikel(), "EK56").isNull()) << "no article";
    const TXMLArtikel a = c.lookup("OD56");
    ASSERT_FALSE(a.isNull());
    EXPECT_EQ(Catalog::subartikelOf(a, "BB12   ").SubartikelMaatcorrectie(), "3");
    EXPECT_FALSE(Catalog::subartikelOf(a, "EK56").isNull());
    EXPECT_TRUE(Catalog::subartikelOf(a, "SPL").isNull());
    EXPECT_TRUE(Catalog::subartikelOf(a, "").isNull());
    EXPECT_EQ(Catalog::bewerkingOf(a, " SPL").BewerkingALT_toets(), "S");
    EXPECT_TRUE(Catalog::bewerkingOf(a, "EK56").isNull());
    EXPECT_TRUE(Catalog::subartikelOf(c.lookup("KD100"), "EK56").isNull());
}

TEST(CatalogLists, ColoursAndDeliveryInformation)
{
    Catalog c;
    ASSERT_TRUE(c.loadText(QString::fromUtf8(kCatalog)));
    EXPECT_EQ(c.colourEntries(), QStringList({"", "9010 Zuiverwit", QString::fromUtf8("9001 Crèmewit"), "X "}));
    EXPECT_EQ(c.deliveryInformation(), "Regel 1\nRegel 2");

    Catalog empty;
    ASSERT_TRUE(empty.loadText("<Morvek><Assortiment/></Morvek>"));
    EXPECT_EQ(empty.colourEntries(), QStringList({""}));
    EXPECT_EQ(empty.articleCount(), 0);
    EXPECT_TRUE(empty.lookup("OD56").isNull());
}

TEST(CatalogLoad, ABrokenFileLeavesNoHalfUsedCatalog)
{
    Catalog c;
    ASSERT_TRUE(c.loadText(QString::fromUtf8(kCatalog)));
    ASSERT_FALSE(c.lookup("OD56").isNull());
    EXPECT_FALSE(c.loadText("<Morvek><Assortiment><Artikelen><Artikel Artikel='OD56'></Artikelen>"));
    EXPECT_FALSE(c.isLoaded());
    EXPECT_TRUE(c.lookup("OD56").isNull());
    EXPECT_EQ(c.colourEntries(), QStringList({""}));
    EXPECT_FALSE(c.errorText().isEmpty());
}

TEST(ProfileShipTo, EntryTextsByPlaceRule)
{
    CustomerProfile p;
    ASSERT_TRUE(p.loadText(
        "<Morvek><Sleutel><DebiteurNaam>Bouw BV</DebiteurNaam><DebiteurAdres>Weg 1</DebiteurAdres>"
        "<DebiteurPostcode>6827 BK</DebiteurPostcode><DebiteurWoonplaats>ARNHEM</DebiteurWoonplaats>"
        "<Debiteur> 104711 </Debiteur><VonuMail> orders@morvek.example </VonuMail><Verzendadressen>"
        "<Verzendadres Verzend='01'><VerzendadresZoeknaam>BOUW ARNHEM</VerzendadresZoeknaam>"
        "<VerzendadresWoonplaats>ARNHEM</VerzendadresWoonplaats></Verzendadres>"
        "<Verzendadres Verzend='02'><VerzendadresZoeknaam>BOUW ARNHEM</VerzendadresZoeknaam>"
        "<VerzendadresWoonplaats>ZEIST</VerzendadresWoonplaats></Verzendadres>"
        "<Verzendadres Verzend='03'><VerzendadresZoeknaam>MAGAZIJN</VerzendadresZoeknaam></Verzendadres>"
        "<Verzendadres Verzend='04'><VerzendadresWoonplaats>EDE</VerzendadresWoonplaats></Verzendadres>"
        "<Verzendadres Verzend='05'><VerzendadresZoeknaam>OOSTERBEEK</VerzendadresZoeknaam>"
        "<VerzendadresWoonplaats>Oosterbeek</VerzendadresWoonplaats></Verzendadres>"
        "</Verzendadressen></Sleutel></Morvek>"));
    EXPECT_EQ(p.shipToEntries(), QStringList({
                                     "01 BOUW ARNHEM",        // place in the search name
                                     "02 BOUW ARNHEM ZEIST",
                                     "03 MAGAZIJN ",          // no place: trailing blank
                                     "04  EDE",               // no search name
                                     "05 OOSTERBEEK Oosterbeek",  // case counts
                                 }));
    EXPECT_EQ(p.debtorNumber(), "104711");
    EXPECT_EQ(p.orderMailbox(), "orders@morvek.example");
    EXPECT_EQ(p.customerName(), "Bouw BV");
    EXPECT_EQ(p.customerAddress(), "Weg 1");
    EXPECT_EQ(p.customerPlace(), "6827 BK  ARNHEM");
    EXPECT_EQ(p.sleutel().Debiteurartikelen().Count(), 0);

    CustomerProfile none;
    ASSERT_TRUE(none.loadText("<Morvek><Sleutel/></Morvek>"));
    EXPECT_TRUE(none.shipToEntries().isEmpty());
    EXPECT_EQ(none.customerPlace(), "  ");
}

TEST(ProfileFile, NameGivesTheDebtorAndTheFirstFigureFileIsTheProfile)
{
    EXPECT_EQ(CustomerProfile::debtorNumberFromFileName("/klant/104711.Xml"), "104711");
    EXPECT_EQ(CustomerProfile::debtorNumberFromFileName("2.xml"), "2");

    QTemporaryDir dir;
    const auto touch = [&](const QString& name) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    EXPECT_EQ(CustomerProfile::findProfileFile(dir.path()), "");
    touch("Assortiment.Xml");
    touch("Artikelnummers_104711.Xml");
    touch("0999.Xml");     // 0 is not a profile's first figure
    touch("500.Txt");
    EXPECT_EQ(CustomerProfile::findProfileFile(dir.path()), "");
    touch("500.xml");
    touch("104711.Xml");
    QDir(dir.path()).mkdir("300.Xml");  // a folder is no profile
    EXPECT_EQ(CustomerProfile::findProfileFile(dir.path()), dir.filePath("104711.Xml"));
}
