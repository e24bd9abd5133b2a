// The production order report: header placement rules, row types, the
// compact header of later pages, the end block, and the order number's
// barcodes as they come out of the PDF.

#include "Tools.h"

#include "reports/Code128.h"
#include "reports/OrderRapport.h"
#include "reports/ReportPainter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

using namespace vonu;
using namespace vonu::report;
namespace pr = vonu::productionreport;

namespace {

// Module widths, bar first, of a run of modules given as zint's --dump
// (hex digits, 1 a bar, padded with spaces to whole nibbles).
QVector<int> zintModules(const QByteArray& dump)
{
    QByteArray bits;
    for (char c : dump.trimmed()) {
        if (c == ' ')
            continue;
        bits += QByteArray::number(QByteArray(1, c).toInt(nullptr, 16), 2).rightJustified(4, '0');
    }
    while (bits.endsWith('0'))
        bits.chop(1);
    QVector<int> runs;
    for (qsizetype i = 0; i < bits.size(); ++i) {
        if (i == 0 || bits.at(i) != bits.at(i - 1))
            runs << 0;
        ++runs.last();
    }
    return runs;
}

// The bars as they came out of the PDF: the barcode's rectangle and 8
// pixels either side rasterised at 384 dpi (six pixels a module at 1.5
// units a module), read along its middle. Module widths from the quiet
// zone before the first bar to the one after the last, light first.
QVector<int> paintedModules(const QString& pdf, const PageModel& model, const PlacedItem& bar, const QString& stem)
{
    constexpr qreal pixelsPerUnit = 384.0 / kUnitsPerInch;
    constexpr int slack = 8;
    const qreal pixelsPerModule = bar.moduleWidth * pixelsPerUnit;
    const QRectF r = bar.rect.translated(mmToUnits(model.marginsMm.left()), mmToUnits(model.marginsMm.top()));
    const int x = qRound(r.left() * pixelsPerUnit) - slack;
    const int w = qRound(r.width() * pixelsPerUnit) + 2 * slack;
    if (!test::runTool("pdftoppm", {"-r", "384", "-gray", "-png", "-singlefile", "-f", "1", "-l", "1", "-x",
                                    QString::number(x), "-y", QString::number(qRound(r.top() * pixelsPerUnit)), "-W",
                                    QString::number(w), "-H", QString::number(qRound(r.height() * pixelsPerUnit)),
                                    pdf, stem})
             .ok)
        return {};
    const QImage image(stem + ".png");
    QVector<int> pixels;   // run lengths, light first
    bool dark = false;
    for (int px = 0; px < image.width(); ++px) {
        const bool d = qGray(image.pixel(px, image.height() / 2)) < 128;
        if (pixels.isEmpty() || d != dark)
            pixels << 0;
        ++pixels.last();
        dark = d;
    }
    if (pixels.size() < 3 || dark)
        return {};
    pixels.first() -= slack;
    pixels.last() -= slack;
    QVector<int> modules;
    for (int n : pixels)
        modules << qRound(n / pixelsPerModule);
    return modules;
}

ProductionHeader sampleHeader()
{
    ProductionHeader h;
    h.found = true;
    h.order = "12345";
    h.status = "Productie";
    h.datum = QDate(2026, 12, 10);
    h.leverdatum = QDate(2026, 12, 13);   // a Sunday
    h.afleverdatum = QDate(2026, 12, 16);
    h.productieweek = "50";
    h.vAdres = "02";
    h.vNaam = "Kozijnbouw Oost";
    h.vAdres_ = "Handelsweg 4";
    h.vPlaats = "ZEIST";
    h.vTelefoon = "030-1234567";
    h.afleverRelatie = "1002";
    h.aNaam = "Kozijnbouw Oost";
    h.aPlaats = "Zeist";
    h.lwOmschrijving = "Transport";
    h.productie = {"Eerst zagen", "", ""};
    return h;
}

ProductionReportOptions sampleOptions()
{
    ProductionReportOptions o;
    o.order = "12345";
    o.now = QDateTime(QDate(2026, 12, 10), QTime(14, 30, 5));
    o.debiteur = " 104711";
    o.debiteurNaam = "Bouwbedrijf De Vries B.V.";
    return o;
}

ProductionPrintRow row(const QString& type, std::map<QString, QString> values = {})
{
    values["Type"] = type;
    return ProductionPrintRow{values};
}

} // namespace

TEST(ProductionReportRules, WeekdaysLogoAndRemarkLines)
{
    const char* names[] = {"ZONDAG", "MAANDAG", "DINSDAG", "WOENSDAG", "DONDERDAG", "VRIJDAG", "ZATERDAG"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(pr::weekdayName(QDate(2026, 12, 13).addDays(i)), names[i]);
    EXPECT_EQ(pr::weekdayName(QDate()), "");

    const struct { QSize picture; QRect placed; } logos[] = {
        {{684, 128}, {40, 32, 342, 64}},     // wider than the box: to its width
        {{200, 400}, {179, 0, 64, 128}},     // higher than the box: to its height
        {{1000, 1000}, {147, 0, 128, 128}},  // both
        {{100, 50}, {161, 39, 100, 50}},     // smaller: centred at its size
    };
    for (const auto& l : logos)
        EXPECT_EQ(pr::logoRect(l.picture), l.placed) << l.picture.width() << "x" << l.picture.height();

    EXPECT_EQ(pr::remarkLines(QString(160, 'x')), 3);
    EXPECT_EQ(pr::remarkLines(QString(75, 'x')), 1);
    EXPECT_EQ(pr::remarkLines(QString(76, 'x')), 2);
    EXPECT_EQ(pr::remarkLines("een\r\ntwee\ndrie"), 3);
}

TEST(ProductionReportLayout, HeaderBlocksAndDeliveryInstructions)
{
    ProductionHeader h = sampleHeader();
    ProductionReportOptions o = sampleOptions();
    o.logo = QImage(684, 128, QImage::Format_RGB32);
    o.logo.fill(Qt::black);

    PageModel model = layoutProductionOrder(h, o, {});
    const Page& first = model.pages.at(0);
    EXPECT_EQ(first.bandsNamed("Kop").at(0)->height, 388);
    EXPECT_EQ(first.item("KopStreep3"), nullptr);
    ASSERT_NE(first.item("BedrijfsLogo"), nullptr);
    EXPECT_EQ(first.item("BedrijfsLogo")->rect, QRectF(40, 32, 342, 64));
    EXPECT_EQ(first.item("Leverdag")->text, "ZONDAG");
    EXPECT_EQ(first.item("Afleverdag")->text, "WOENSDAG");
    EXPECT_EQ(first.item("Leverweek")->text, "50");
    EXPECT_EQ(first.item("L_Debiteur")->text, "Debiteur: 104711");
    EXPECT_EQ(first.item("L_Verzendadres")->text, "Verzendadres: 02");
    EXPECT_NE(first.item("L_V_Telefoon"), nullptr);
    EXPECT_EQ(first.item("L_V_Fax"), nullptr);        // no fax number
    EXPECT_EQ(first.item("Naam_1"), nullptr);         // the shipping address is printed
    EXPECT_EQ(first.item("A_Plaats")->text, "ZEIST");
    EXPECT_NE(first.item("TekstAchtergrond"), nullptr);
    EXPECT_EQ(first.item("Productie_2"), nullptr);
    EXPECT_EQ(first.item("Orderopmerking"), nullptr);
    EXPECT_NE(first.item("Code128A1"), nullptr);
    EXPECT_EQ(first.item("Code128A1")->text, "12345");
    EXPECT_EQ(first.item("EindeTekst")->text, "[Einde overzicht 10-12-2026 14:30:05]");

    // Instructions 1 and 3: at 388 and 401, the line at 419, the header 424.
    h.afleverTekst = {"Bellen voor levering", "", "Achterom lossen", "", ""};
    h.vAdres.clear();
    h.naam1 = "Bouwbedrijf De Vries B.V.";
    o.controlCopy = true;
    model = layoutProductionOrder(h, o, {});
    const Page& p = model.pages.at(0);
    EXPECT_EQ(p.item("AfleverTekst_1")->rect.top(), 388);
    EXPECT_EQ(p.item("AfleverTekst_3")->rect.top(), 401);
    EXPECT_EQ(p.item("AfleverTekst_2"), nullptr);
    EXPECT_EQ(p.item("KopStreep3")->rect.top(), 419);
    EXPECT_EQ(p.bandsNamed("Kop").at(0)->height, 424);
    EXPECT_EQ(p.item("L_Verzendadres"), nullptr);
    EXPECT_EQ(p.item("Naam_1")->text, "Bouwbedrijf De Vries B.V.");
    EXPECT_EQ(p.item("Orderopmerking")->text, "Controleblad");
    EXPECT_EQ(p.item("Code128A1"), nullptr);
}

TEST(ProductionReportLayout, RowTypesLaterPagesAndTheEndBlock)
{
    QList<ProductionPrintRow> rows{
        row("0"),
        row("1", {{"KopCatalogus", "K-OD67"}, {"KopOmschrijving", "Dorpel"}, {"DetailOmschrijving", "verborgen"}}),
        row("2", {{"KopVerpakking", "2 Koker op maat"}, {"KopAantalGewicht", "4,0 mtr."}}),
        row("3", {{"RegelId", "2"}, {"DetailAantalMaat", "      1 x   800 "}, {"DetailOmschrijving", "Kozijn 1"}}),
        row("4"),
        row("5", {{"VerpakkingAantal", "2"}, {"ColliSoort", "Koker op maat"}, {"ColliGewicht", "16 Kg"}}),
        row("5", {{"VerpakkingOmschrijving", "Totaal:"}, {"VerpakkingAantal", "2"}, {"VerpakkingSoort", " Colli"},
                  {"ColliGewicht", "16 Kg"}}),
    };
    for (int i = 0; i < 60; ++i)
        rows.insert(4, row("3", {{"RegelId", QString::number(3 + i)}, {"DetailAantalMaat", "      1 x 1.000 "}}));
    ProductionHeader h = sampleHeader();
    h.tekstBevestiging = QString(160, 'b');
    h.bDatum = "11-12-2026";
    h.bVolgnummer = "3";
    ProductionReportOptions o = sampleOptions();
    o.coated = true;
    const PageModel model = layoutProductionOrder(h, o, rows);
    ASSERT_GE(model.pageCount(), 2);

    QMap<QString, qreal> heights;
    for (const Page& page : model.pages) {
        for (const PlacedBand* b : page.bandsNamed("Regel")) {
            heights[rows.at(b->row).value("Type")] = b->height;
            const QStringList shown = [&] {
                QStringList names;
                for (const PlacedItem& i : b->items)
                    names << i.name;
                return names;
            }();
            const QString type = rows.at(b->row).value("Type");
            if (type == "1") {
                EXPECT_EQ(shown, (QStringList{"KopCatalogus", "KopEan", "KopOmschrijving"}));
            }
            if (type == "4") {
                EXPECT_EQ(shown, QStringList{"DetailStreep"});
            }
            if (type == "5") {
                const bool total = rows.at(b->row).value("VerpakkingOmschrijving") == "Totaal:";
                EXPECT_EQ(b->item("ColliGewicht")->font.underline(), total);
                EXPECT_EQ(b->item("VerpakkingAantal")->font.underline(), total);
                EXPECT_FALSE(b->item("ColliAantal")->font.underline());
            }
        }
    }
    EXPECT_EQ(heights, (QMap<QString, qreal>{{"0", 10}, {"1", 16}, {"2", 16}, {"3", 14}, {"4", 16}, {"5", 16}}));

    // Page 1 has the whole header; later pages the order number, the page
    // and the remark only.
    EXPECT_EQ(model.pages.at(0).item("L_Ordernummer")->text, "Ordernummer:");
    const Page& second = model.pages.at(1);
    const PlacedBand* kop = second.bandsNamed("Kop").at(0);
    EXPECT_EQ(kop->height, 41);
    QStringList names;
    for (const PlacedItem& i : kop->items)
        names << i.name;
    EXPECT_EQ(names, (QStringList{"L_Ordernummer", "Order", "L_Bladnummer", "Bladnummer", "Orderopmerking", "KopStreep1"}));
    EXPECT_EQ(kop->item("L_Ordernummer")->text, "Ordernummer   :");
    EXPECT_EQ(kop->item("Order")->rect.topLeft(), QPointF(168, 5 + kop->top));
    EXPECT_EQ(kop->item("Bladnummer")->text, "2");
    EXPECT_EQ(kop->item("Orderopmerking")->text, "MOFFELORDER");

    // End block: the remark of 160 characters takes three lines (51), the
    // end text moves below it, the confirmation below that.
    const Page& last = model.pages.last();
    const PlacedBand* einde = last.bandsNamed("Einde").at(0);
    const PlacedItem* remark = einde->item("TekstBevestiging");
    ASSERT_NE(remark, nullptr);
    EXPECT_EQ(remark->rect.height(), 51);
    EXPECT_EQ(einde->item("EindeTekst")->rect.top(), remark->rect.bottom() + 15);
    EXPECT_EQ(einde->item("B_datum")->rect.top(), einde->item("EindeTekst")->rect.top() + 26);
    EXPECT_EQ(einde->item("TekstVonuOrder"), nullptr);
}

TEST(ProductionReportPdf, TextsAndBarcodesComeOutOfThePdf)
{
    QTemporaryDir dir;
    const QStringList numbers{"12345", "7", "123", "1234567", "12345678", "90000001", "A12", "PROEF", "N.N.B.", "b-7 X"};
    for (const QString& number : numbers) {
        ProductionHeader h = sampleHeader();
        h.order = number;
        ProductionReportOptions o = sampleOptions();
        o.order = number;
        const QList<ProductionPrintRow> rows{
            row("1", {{"KopCatalogus", "K-OD67"}, {"KopOmschrijving", "Dorpel 'achter'"}}),
            row("5", {{"VerpakkingOmschrijving", "Totaal:"}, {"VerpakkingAantal", "2"}, {"VerpakkingSoort", " Colli"},
                      {"ColliGewicht", "16 Kg"}})};
        const QString pdf = dir.filePath("order.pdf");
        QString error;
        const PageModel model = layoutProductionOrder(h, o, rows);
        ASSERT_TRUE(writePdf(model, pdf, &error)) << error.toStdString();
        if (number == numbers.first()) {
            const QString text = test::pdfText(pdf);
            for (const char* expected : {"Ordernummer:", "12345", "Debiteur: 104711", "Verzendadres: 02",
                                         "ZONDAG", "13-12-2026", "Dorpel 'achter'", "Totaal:", "16 Kg",
                                         "[Einde overzicht 10-12-2026 14:30:05]"})
                EXPECT_TRUE(text.contains(expected)) << expected;
        }
        ASSERT_TRUE(test::runTool("pdftoppm", {"-r", "200", "-png", "-singlefile", "-f", "1", "-l", "1", pdf,
                                               dir.filePath("page")})
                        .ok);
        const test::ToolResult zbar = test::runTool("zbarimg", {"-q", "--raw", dir.filePath("page.png")});
        ASSERT_TRUE(zbar.ok) << number.toStdString() << zbar.err.constData();
        // Both symbols carry the number (zbar names a repeated symbol once).
        QStringList decoded = QString::fromUtf8(zbar.out).split('\n', Qt::SkipEmptyParts);
        decoded.removeDuplicates();
        EXPECT_EQ(decoded, QStringList{number}) << number.toStdString();

        // The bars are the symbol a Code 128 font draws from the glyph
        // text (start B, data, check, stop), module for module as zint
        // draws the same text in code set B.
        const code128::Symbol symbol = code128::encode(number, code128::CodeSet::B);
        const QByteArray glyphs = code128::fontText(number);
        QVector<int> fromGlyphs;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const int c = quint8(glyphs.at(i));
            const bool check = i == glyphs.size() - 2;
            if (c == 202)
                fromGlyphs << code128::kStartB;
            else if (c == 138)
                fromGlyphs << code128::kStop;
            else if (c == 192)
                fromGlyphs << 0;
            else if (c == 193)
                fromGlyphs << 7;
            else if (check && c == 194)
                fromGlyphs << 64;
            else if (check && c == 134)
                fromGlyphs << 102;
            else
                fromGlyphs << (c >= 195 ? c - 100 : c - 32);
        }
        EXPECT_EQ(symbol.values, fromGlyphs) << number.toStdString();
        const test::ToolResult zint = test::runTool("zint", {"-b", "60", "-d", number, "--dump"});
        ASSERT_TRUE(zint.ok) << zint.err.constData();
        QByteArray bits = code128::moduleBits(symbol);
        while (bits.size() % 4 != 0)
            bits += '0';
        QByteArray hex;
        for (qsizetype i = 0; i < bits.size(); i += 4) {
            if (i > 0 && i % 8 == 0)
                hex += ' ';
            hex += QByteArray::number(bits.mid(i, 4).toInt(nullptr, 2), 16).toUpper();
        }
        EXPECT_EQ(hex, zint.out.trimmed()) << number.toStdString();
        // And what was painted, bar for bar, is zint's symbol too, between
        // quiet zones of ten modules.
        for (const char* name : {"Code128A1", "Code128A2"}) {
            const PlacedItem* bar = model.pages.at(0).item(name);
            ASSERT_NE(bar, nullptr);
            const QVector<int> expected = QVector<int>{10} + zintModules(zint.out) + QVector<int>{10};
            EXPECT_EQ(paintedModules(pdf, model, *bar, dir.filePath(name)), expected)
                << number.toStdString() << " " << name;
        }
    }
    // The order key 12345: check value 90, printed as code 122.
    EXPECT_EQ(code128::fontText("12345").at(6), char(122));
}
