#include "data/MorvekDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "QtPrinters.h"

using namespace vonu;

namespace {

QByteArray wrapProfile(const QByteArray& declaration, const QByteArray& name)
{
    return declaration + "<Morvek><Sleutel><DebiteurNaam>" + name + "</DebiteurNaam></Sleutel></Morvek>";
}

} // namespace

TEST(XmlWriting, DeclarationRootAttributesAndFieldOrder)
{
    MorvekDocument doc = MorvekDocument::NewMorvek();
    TXMLMorvek root = doc.GetMorvek();
    root.setSchemaAttributes();
    TXMLOrder order = root.Orders().Add();
    order.setOrder("Order");
    order.setOrderVerzendadres("02");  // set before the debtor: written before it
    order.setOrderDebiteur("104711");
    TXMLOrderregel line = order.Orderregels().Add();
    line.setRegel("0");
    line.setOrderregelArtikel("OD56 & <co>");
    line.setOrderregelStatus("100000000000");

    EXPECT_EQ(doc.toBytes().toStdString(),
              "<?xml version=\"1.0\"?>"
              "<Morvek xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
              "xsi:noNamespaceSchemaLocation=\"Morvek.xsd\"><Orders><Order Order=\"Order\">"
              "<OrderVerzendadres>02</OrderVerzendadres><OrderDebiteur>104711</OrderDebiteur>"
              "<Orderregels><Orderregel Regel=\"0\"><OrderregelArtikel>OD56 &amp; &lt;co&gt;</OrderregelArtikel>"
              "<OrderregelStatus>100000000000</OrderregelStatus></Orderregel></Orderregels></Order></Orders></Morvek>");
    EXPECT_EQ(doc.rootXml().left(8), "<Morvek ");
}

TEST(XmlWriting, WrittenDocumentReadsBackThroughTextAndFile)
{
    MorvekDocument doc = MorvekDocument::NewMorvek();
    TXMLSleutel s = doc.GetMorvek().Sleutel();
    s.setDebiteurNaam(QString::fromUtf8("Crème & Zoon \"één\"\nregel 2"));
    s.setDebiteurAdres(QString::fromUtf8("bel\x07let\x01ter"));  // control characters are dropped
    TXMLVerzendadres v = s.Verzendadressen().Add();
    v.setVerzend(QString::fromUtf8("0<1>\"é"));

    MorvekDocument fromText;
    ASSERT_TRUE(fromText.loadText(doc.rootXml())) << fromText.errorText().toStdString();
    EXPECT_EQ(fromText.GetMorvek().Sleutel().DebiteurNaam(), QString::fromUtf8("Crème & Zoon \"één\"\nregel 2"));
    EXPECT_EQ(fromText.GetMorvek().Sleutel().DebiteurAdres(), "belletter");

    QTemporaryDir dir;
    const QString path = dir.filePath("uit.Xml");
    ASSERT_TRUE(doc.save(path)) << doc.errorText().toStdString();
    EXPECT_EQ(doc.fileName(), path);
    MorvekDocument fromFile;
    ASSERT_TRUE(fromFile.loadFile(path)) << fromFile.errorText().toStdString();
    EXPECT_EQ(fromFile.GetMorvek().Sleutel().Verzendadressen().Item(0).Verzend(), QString::fromUtf8("0<1>\"é"));
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_TRUE(raw.readAll().contains("Cr\xC3\xA8me"));  // UTF-8, no declaration of an encoding
}

TEST(XmlWriting, FailedSaveKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    MorvekDocument doc = MorvekDocument::NewMorvek();
    EXPECT_FALSE(doc.save(dir.filePath("geen/map/order.Xml")));
    EXPECT_TRUE(doc.errorText().contains("kan niet worden aangemaakt")) << doc.errorText().toStdString();
}

TEST(XmlReading, AbsentFieldsAndContainersReadEmptyWithoutChangingTheTree)
{
    MorvekDocument doc;
    ASSERT_TRUE(doc.loadText("<Morvek><Sleutel><Debiteur>12</Debiteur></Sleutel></Morvek>"));
    const QString before = doc.rootXml();
    const TXMLSleutel s = doc.GetMorvek().Sleutel();
    EXPECT_EQ(s.Debiteur(), "12");
    EXPECT_EQ(s.VonuMail(), "");
    EXPECT_EQ(s.Debiteurartikelen().Count(), 0);
    EXPECT_TRUE(s.Debiteurartikelen().Item(0).isNull());
    EXPECT_EQ(s.Debiteurartikelen().Item(0).DebiteurartikelArtikelKlant(), "");
    EXPECT_EQ(s.Verzendadressen().Item(-1).Verzend(), "");
    EXPECT_EQ(doc.rootXml(), before);

    // An inactive document hands out null handles that read as empty.
    const MorvekDocument none;
    EXPECT_EQ(none.GetMorvek().Assortiment().Artikelen().Count(), 0);
    EXPECT_EQ(none.GetMorvek().Sleutel().Debiteur(), "");
}

TEST(XmlContainers, AddInsertItemAndRangeFor)
{
    MorvekDocument doc = MorvekDocument::NewMorvek();
    TXMLArtikel art = doc.GetMorvek().Assortiment().Artikelen().Add();
    TXMLArtikelmaten maten = art.Artikelmaten();
    EXPECT_EQ(art.xml(), "<Artikel/>") << "no container before the first item";
    maten.Add().setMaat("3,00");
    maten.Add().setMaat("6,00");
    maten.Insert(0).setMaat("2,40");
    maten.Insert(2).setMaat("4,20");
    maten.Insert(99).setMaat("7,00");  // past the end appends
    QStringList seen;
    for (const TXMLArtikelmaat m : art.Artikelmaten())
        seen << m.Maat();
    EXPECT_EQ(seen, QStringList({"2,40", "3,00", "4,20", "6,00", "7,00"}));
    EXPECT_EQ(maten.Count(), 5);
    EXPECT_EQ(maten.Item(3).Maat(), "6,00");
    EXPECT_TRUE(maten.Item(5).isNull());
}

// Attribute or field element, and the exact name, for the classes whose
// fields order entry reads; a fixture holds each field's name as its value.
TEST(XmlVocabulary, FieldsAreReadUnderTheirNamesAndKinds)
{
    MorvekDocument doc;
    ASSERT_TRUE(doc.loadText(
        "<Morvek><Assortiment><BestandVersie>BestandVersie</BestandVersie>"
        "<Artikelen><Artikel Artikel='A'><ArtikelBerekeningAantal>ArtikelBerekeningAantal</ArtikelBerekeningAantal>"
        "<ArtikelALT_toets>ArtikelALT_toets</ArtikelALT_toets><ArtikelOpmaat>ArtikelOpmaat</ArtikelOpmaat>"
        "<ArtikelMinimalemaat>ArtikelMinimalemaat</ArtikelMinimalemaat>"
        "<Subartikelen><Subartikel Artikel='S'><SubartikelBerekeningaantal>SubartikelBerekeningaantal"
        "</SubartikelBerekeningaantal><SubartikelMaatcorrectie>SubartikelMaatcorrectie</SubartikelMaatcorrectie>"
        "</Subartikel></Subartikelen>"
        "<Bewerkingen><Bewerking Artikel='B'><BewerkingALT_toets>BewerkingALT_toets</BewerkingALT_toets>"
        "<BewerkingVonuArtikel>BewerkingVonuArtikel</BewerkingVonuArtikel></Bewerking></Bewerkingen>"
        "</Artikel></Artikelen><Kleuren><Kleur Kleur='K'><KleurOmschrijving>KleurOmschrijving</KleurOmschrijving>"
        "</Kleur></Kleuren></Assortiment>"
        "<Orders><Order Order='O'><Orderregels><Orderregel Regel='R'>"
        "<OrderregelDetails><OrderregelDetail DetailRegel='D'><OrderregelDetailMaat>OrderregelDetailMaat"
        "</OrderregelDetailMaat></OrderregelDetail></OrderregelDetails></Orderregel></Orderregels></Order></Orders>"
        "<Artikelnummers><Artikelnummer Debiteur='Db' Verzend='V' Artikel='Ar'><ArtikelnummerArtikelKlant>"
        "ArtikelnummerArtikelKlant</ArtikelnummerArtikelKlant></Artikelnummer></Artikelnummers></Morvek>"));
    const TXMLMorvek m = doc.GetMorvek();
    const TXMLArtikel a = m.Assortiment().Artikelen().Item(0);
    const TXMLSubartikel s = a.Subartikelen().Item(0);
    const TXMLBewerking b = a.Bewerkingen().Item(0);
    const TXMLOrderregelDetail d = m.Orders().Item(0).Orderregels().Item(0).OrderregelDetails().Item(0);
    const TXMLArtikelnummer n = m.Artikelnummers().Item(0);
    const std::pair<QString, QString> cases[] = {
        {m.Assortiment().BestandVersie(), "BestandVersie"},
        {a.Artikel(), "A"},
        {a.ArtikelBerekeningAantal(), "ArtikelBerekeningAantal"},
        {a.ArtikelALT_toets(), "ArtikelALT_toets"},
        {a.ArtikelOpmaat(), "ArtikelOpmaat"},
        {a.ArtikelMinimalemaat(), "ArtikelMinimalemaat"},
        {s.Artikel(), "S"},
        {s.SubartikelBerekeningaantal(), "SubartikelBerekeningaantal"},
        {s.SubartikelMaatcorrectie(), "SubartikelMaatcorrectie"},
        {b.Artikel(), "B"},
        {b.BewerkingALT_toets(), "BewerkingALT_toets"},
        {b.BewerkingVonuArtikel(), "BewerkingVonuArtikel"},
        {m.Assortiment().Kleuren().Item(0).Kleur(), "K"},
        {m.Assortiment().Kleuren().Item(0).KleurOmschrijving(), "KleurOmschrijving"},
        {m.Orders().Item(0).Order(), "O"},
        {m.Orders().Item(0).Orderregels().Item(0).Regel(), "R"},
        {d.DetailRegel(), "D"},
        {d.OrderregelDetailMaat(), "OrderregelDetailMaat"},
        {n.Debiteur(), "Db"},
        {n.Verzend(), "V"},
        {n.Artikel(), "Ar"},
        {n.ArtikelnummerArtikelKlant(), "ArtikelnummerArtikelKlant"},
    };
    for (const auto& [got, expected] : cases)
        EXPECT_EQ(got, expected);
}

TEST(XmlEncodings, AccentedLettersSurviveEveryManufacturerEncoding)
{
    const QString expected = QString::fromUtf8("Crème Brûlée Hüsken €");
    const QByteArray utf8 = "Cr\xC3\xA8me Br\xC3\xBBl\xC3\xA9" "e H\xC3\xBCsken \xE2\x82\xAC";
    const QByteArray cp1252 = "Cr\xE8me Br\xFBl\xE9" "e H\xFCsken \x80";
    const QString utf16Text = QChar(0xFEFF) + QStringLiteral("<Morvek><Sleutel><DebiteurNaam>") + expected
        + QStringLiteral("</DebiteurNaam></Sleutel></Morvek>");
    const QByteArray utf16(reinterpret_cast<const char*>(utf16Text.utf16()), utf16Text.size() * 2);
    const struct { const char* name; QByteArray bytes; } cases[] = {
        {"utf-8 without mark", wrapProfile("<?xml version=\"1.0\"?>", utf8)},
        {"utf-8 declared", wrapProfile("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", utf8)},
        {"utf-8 with mark", wrapProfile("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>", utf8)},
        {"iso-8859-1", wrapProfile("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", cp1252)},
        {"windows-1252, single quotes", wrapProfile("<?xml version='1.0' encoding = 'windows-1252' ?>", cp1252)},
        {"utf-16 with mark", utf16},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        MorvekDocument fromBytes;
        ASSERT_TRUE(fromBytes.loadBytes(c.bytes)) << c.name << ": " << fromBytes.errorText().toStdString();
        EXPECT_EQ(fromBytes.GetMorvek().Sleutel().DebiteurNaam(), expected) << c.name;

        const QString path = dir.filePath("p.Xml");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        MorvekDocument fromFile;
        ASSERT_TRUE(fromFile.loadFile(path)) << c.name << ": " << fromFile.errorText().toStdString();
        EXPECT_EQ(fromFile.GetMorvek().Sleutel().DebiteurNaam(), expected) << c.name << " (file)";
    }
}

TEST(XmlFailures, BrokenFilesLeaveAnEmptyDocumentAndADutchReason)
{
    const struct { const char* name; QByteArray bytes; const char* reason; } cases[] = {
        {"unclosed", "<Morvek>\n<Sleutel>\n<Debiteur>1</Sleutel></Morvek>", "regel 3"},
        {"wrong root", "<Klant><Sleutel/></Klant>", "'Klant' in plaats van 'Morvek'"},
        {"two roots", "<Morvek/><Morvek/>", "meer dan één hoofdelement"},
        {"empty", "", "Geen XML-element"},
        {"text only", "geen xml", "Geen XML-element"},
        {"unknown charset", "<?xml version=\"1.0\" encoding=\"x-klingon\"?><Morvek/>", "Onbekende tekenset"},
        {"bad attribute", "<Morvek a=1/>", "attribuut"},
    };
    for (const auto& c : cases) {
        MorvekDocument doc;
        ASSERT_TRUE(doc.loadText("<Morvek><Sleutel><Debiteur>9</Debiteur></Sleutel></Morvek>"));
        EXPECT_FALSE(doc.loadBytes(c.bytes)) << c.name;
        EXPECT_FALSE(doc.isActive()) << c.name;
        EXPECT_EQ(doc.GetMorvek().Sleutel().Debiteur(), "") << c.name << ": nothing of the old or new content";
        EXPECT_TRUE(doc.errorText().contains(QString::fromUtf8(c.reason)))
            << c.name << ": " << doc.errorText().toStdString();
    }

    MorvekDocument missing;
    EXPECT_FALSE(missing.loadFile(QDir::temp().filePath("bestaat-niet-42.Xml")));
    EXPECT_EQ(missing.errorText(), "Bestand niet gevonden.");
}

TEST(XmlFailures, ParseErrorInAFileNamesItsLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kapot.Xml");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<?xml version=\"1.0\"?>\r\n<Morvek>\r\n  <Sleutel>\r\n  </Sleutl>\r\n</Morvek>\r\n");
    f.close();
    MorvekDocument doc;
    EXPECT_FALSE(doc.loadFile(path));
    EXPECT_TRUE(doc.errorText().startsWith("Eindtag past niet bij begintag op regel 4"))
        << doc.errorText().toStdString();
}

TEST(XmlEncodings, DeclaredEncodingIsFoundOnlyInTheDeclaration)
{
    EXPECT_EQ(declaredEncoding("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a/>"), "iso-8859-1");
    EXPECT_EQ(declaredEncoding("<?xml version=\"1.0\"?><a encoding=\"latin1\"/>"), "");
    EXPECT_EQ(declaredEncoding("<a/>"), "");
    EXPECT_EQ(declaredEncoding("<?xml version=\"1.0\" encoding=\"utf-8"), "");  // unterminated
}
