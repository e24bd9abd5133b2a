// The order overview: print lines per line block, the print file, and the
// report laid out and rendered to PDF.
#include "Tools.h"

#include "data/Catalog.h"
#include "order/OrderModel.h"
#include "reports/ReportFonts.h"
#include "reports/ReportPainter.h"
#include "reports/VonuOrderRapport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vonu;

namespace {

const char* const CatalogXml = R"(<?xml version="1.0"?>
<Morvek><Assortiment><Artikelen>
<Artikel Artikel="ONDER100"><ArtikelOmschrijving_1>Onderdorpel 100</ArtikelOmschrijving_1>
<ArtikelOmschrijving_2>Kunststeen</ArtikelOmschrijving_2>
<Subartikelen><Subartikel Artikel="EK"><SubartikelOmschrijving_1>Eindkap</SubartikelOmschrijving_1>
<SubartikelOmschrijving_2>per paar</SubartikelOmschrijving_2></Subartikel></Subartikelen>
<Bewerkingen><Bewerking Artikel="SPA"><BewerkingOmschrijving_1>Sponning</BewerkingOmschrijving_1>
<BewerkingALT_toets>S</BewerkingALT_toets></Bewerking>
<Bewerking Artikel="GAT"><BewerkingOmschrijving_1>Gat</BewerkingOmschrijving_1></Bewerking></Bewerkingen>
</Artikel>
<Artikel Artikel="VB300"><ArtikelOmschrijving_1>Verbinder</ArtikelOmschrijving_1></Artikel>
</Artikelen></Assortiment></Morvek>)";

class Overview : public ::testing::Test {
protected:
    Overview() { EXPECT_TRUE(catalog.loadText(QString::fromUtf8(CatalogXml))); }

    void line(int n, const QString& artikel, std::initializer_list<Vlag> flags)
    {
        order.setField(n, Veld::Artikel, artikel);
        for (Vlag f : flags)
            order.setFlag(n, f, true);
    }
    QStringList lines()
    {
        QStringList out;
        QString error;
        EXPECT_TRUE(overviewLines(order, catalog, &out, &error)) << error.toStdString();
        return out;
    }

    OrderModel order;
    Catalog catalog;
};

QString pad(QString s, int n)
{
    return s.leftJustified(n, ' ');
}

} // namespace

TEST_F(Overview, LengthColumn)
{
    const struct {
        const char* lengte;
        const char* maat;
        const char* aantal;
        bool details;
        const char* expected;
    } cases[] = {
        {"Handelslengte", "6,00 Mtr", "3", false, "3/18,0"},
        {"Op maat", "1250", "2", false, "2/2,5"},
        {"Op maat", "1250", " 7 ", true, " 7 "},
        {"Op maat", "", "2", false, "Op maat"},
        {"Handelslengte", "2,25 Mtr", "1", false, "1/2,2"},  // halves to even
        {"Handelslengte", "2,35 Mtr", "1", false, "1/2,4"},
    };
    for (const auto& c : cases) {
        OrderModel o;
        o.setFlag(1, Vlag::Lengte, true);
        o.setFlag(1, Vlag::Details, c.details);
        o.setField(1, Veld::Lengte, c.lengte);
        o.setField(1, Veld::Maat, c.maat);
        o.setField(1, Veld::Aantal, c.aantal);
        QString text;
        ASSERT_TRUE(lengthColumn(o, 1, &text)) << c.maat;
        EXPECT_EQ(text, c.expected) << c.maat;
    }
    OrderModel bad;
    bad.setFlag(1, Vlag::Lengte, true);
    bad.setField(1, Veld::Artikel, "VB300");
    bad.setField(1, Veld::Lengte, "Op maat");
    bad.setField(1, Veld::Maat, "12a");
    bad.setField(1, Veld::Aantal, "2");
    QString text;
    EXPECT_FALSE(lengthColumn(bad, 1, &text));
    QStringList out;
    QString error;
    EXPECT_FALSE(overviewLines(bad, catalog, &out, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(Overview, TradeLengthLineWithSubArticleAndRebates)
{
    line(3, "ONDER100", {Vlag::Kleur, Vlag::Lengte, Vlag::Maat, Vlag::Uitvoering, Vlag::Aantal, Vlag::Subartikelen,
                         Vlag::Bewerkingen});
    order.setField(3, Veld::Lengte, "Handelslengte");
    order.setField(3, Veld::Maat, "6,00 Mtr");
    order.setField(3, Veld::Aantal, "3");
    order.setField(3, Veld::Uitvoering, "Geboord");
    order.setField(3, Veld::Kleur, "9010 Wit");
    order.setSubartikel(3, 1, 1, "EK");
    order.setBewerking(3, 1, 1, "SPA");
    order.setBewerking(3, 2, 1, "GAT");
    order.setBewerking(3, 3, 1, "SPA");
    // Rebate A (columns 31-60) for SPA on the left, 12 mm; rebate B also SPA, right.
    QString r(90, ' ');
    r.replace(30, 3, "SPA");
    r.replace(46, 2, "12");
    r[58] = 'L';
    r.replace(60, 3, "SPA");
    r[76] = '8';
    r[88] = 'R';
    order.setField(3, Veld::Sponning, r);

    const QStringList expected = {
        pad(pad("3", 5) + "ONDER100", 24).append("Onderdorpel 100").leftJustified(66) + "3/18,0",
        pad("     Geboord", 24) + "Kunststeen",
        pad("     ", 24) + "9010 Wit",
        pad("     EK", 24) + "Eindkap",
        QString(24, ' ') + "per paar",
        pad(pad("     SPA", 24) + "Sponning", 66) + "LINKS 12 mm",
        pad("     GAT", 24) + "Gat",
        pad(pad("     SPA", 24) + "Sponning", 66) + "RECHTS 8 mm",
        "",
        "      3 x 6,00 Mtr",
        "",
        "Einde overzicht.",
    };
    const QStringList got = lines();
    ASSERT_EQ(got.size(), expected.size()) << got.join("|").toStdString();
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(got[i], expected[i]) << i;
}

TEST_F(Overview, QuantityLines)
{
    line(1, "VB300", {Vlag::Aantal});
    order.setField(1, Veld::Aantal, "12");
    line(2, "A12 *" + QString(25, ' ') + "ONDER100", {Vlag::Lengte, Vlag::MaatInvoer, Vlag::Aantal});
    order.setField(2, Veld::Lengte, "Op maat");
    order.setField(2, Veld::Maat, "1250");
    order.setField(2, Veld::Aantal, "2");
    line(4, "ONDER100", {Vlag::Lengte, Vlag::Details});
    order.setField(4, Veld::Lengte, "Op maat");
    for (int d = 1; d <= 13; ++d) {
        order.setDetailAantal(4, d, QString::number(d));
        order.setDetailMaat(4, d, QString::number(1000 + d));
    }
    const QStringList got = lines();
    EXPECT_EQ(got[0], pad(pad(pad("1", 5) + "VB300", 24) + "Verbinder", 66));
    EXPECT_EQ(got[1], "");
    EXPECT_EQ(got[2], "     12 Stuks");
    // The customer number entry prints the catalog code.
    EXPECT_EQ(got[4], pad(pad(pad("2", 5) + "ONDER100", 24) + "Onderdorpel 100", 66) + "2/2,5");
    EXPECT_EQ(got[7], "      2 x 1250 mm");

    qsizetype k = -1;
    for (qsizetype i = 0; i < got.size(); ++i)
        if (got[i].startsWith("4    ONDER100"))
            k = i;
    ASSERT_GE(k, 0) << got.join("|").toStdString();
    QString six = "   ";
    for (int d = 1; d <= 6; ++d)
        six += QString::number(d).rightJustified(4) + " x " + QString::number(1000 + d) + (d < 6 ? "  " : "");
    EXPECT_EQ(got[k + 2], "");
    EXPECT_EQ(got[k + 3], six);
    EXPECT_TRUE(got[k + 4].startsWith("      7 x 1007  "));
    EXPECT_EQ(got[k + 5], "     13 x 1013  ");
    EXPECT_EQ(got[k + 6], "");
    EXPECT_EQ(got.last(), "Einde overzicht.");
}

TEST(PrintFile, CrLfLinesCutAt240)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VonuOrder.Prt");
    const QStringList lines{"een", QString(300, 'x'), "", "Einde overzicht."};
    ASSERT_TRUE(writePrintFile(path, lines));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes, "een\r\n" + QByteArray(240, 'x') + "\r\n\r\nEinde overzicht.\r\n");
    EXPECT_EQ(readPrintFile(path), (QStringList{"een", QString(240, 'x'), "", "Einde overzicht."}));

    QString error;
    EXPECT_FALSE(writePrintFile(path + "/in/a/file", lines, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(OverviewReport, NotesLabelAndFirstPageBlocks)
{
    EXPECT_EQ(notesLabelHeight(QString(200, 'n')), 51);
    EXPECT_EQ(notesLabelHeight("a\nb\nc\nd"), 68);
    EXPECT_EQ(notesLabelHeight("kort"), 17);

    OverviewHeader h;
    h.debiteur = "12345";
    h.debiteurNaam = "Bouwbedrijf Jansen";
    h.verzend = "01";
    h.transactie = "Order";
    h.ordernummer = "AB-12";
    h.notities = QString(200, 'n');
    QStringList lines;
    for (int i = 0; i < 150; ++i)
        lines << QStringLiteral("%1 regel").arg(i);
    const report::PageModel model = layoutOverview(h, lines);
    ASSERT_GE(model.pageCount(), 2);
    EXPECT_NEAR(model.marginsMm.left(), 10, 1e-9);
    const report::PlacedItem* notes = model.pages[0].item("Notities");
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->rect.height(), 51);
    EXPECT_EQ(notes->font.family(), report::reportFont("Courier New", 10).family());
    const report::PlacedBand* kop = model.pages[0].bandsNamed("Kop").value(0);
    EXPECT_EQ(kop->height, notes->rect.top() + 51 + 8);
    EXPECT_NE(model.pages[0].item("Debiteur"), nullptr);
    // Later pages carry only the top of the header.
    EXPECT_EQ(model.pages[1].item("Debiteur"), nullptr);
    EXPECT_EQ(model.pages[1].item("Notities"), nullptr);
    EXPECT_NE(model.pages[1].item("Blad"), nullptr);
    EXPECT_EQ(model.pages[1].item("Blad")->text, "2");
    EXPECT_LT(model.pages[1].bandsNamed("Kop").value(0)->height, kop->height);

    h.notities = "  ";
    const report::PageModel bare = layoutOverview(h, lines.mid(0, 3));
    EXPECT_EQ(bare.pages[0].item("Notities"), nullptr);
}

TEST(OverviewReport, PdfHoldsHeaderAndLines)
{
    QTemporaryDir dir;
    OverviewHeader h;
    h.debiteur = "12345";
    h.transactie = "Offerte";
    h.ordernummer = "AB-12";
    h.referentie = "Schuur";
    const QStringList lines{"1    ONDER100           Onderdorpel 100", "", "      3 Stuks", "", "Einde overzicht."};
    const QString pdf = dir.filePath("overzicht.pdf");
    ASSERT_TRUE(report::writePdf(layoutOverview(h, lines), pdf));
    // pdftotext re-spaces columns; compare the words in order.
    const QString text = test::pdfText(pdf).simplified();
    for (const char* want : {"Debiteur:", "12345", "Soort transactie: Offerte", "Ordernummer: AB-12",
                             "Referentie : Schuur", "Rgl  Artikel", "ONDER100           Onderdorpel 100",
                             "3 Stuks", "Einde overzicht."})
        EXPECT_TRUE(text.contains(QString::fromLatin1(want).simplified())) << want << "\n" << text.toStdString();
}
