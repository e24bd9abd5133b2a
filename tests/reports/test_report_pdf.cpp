#include "Tools.h"

#include "reports/PrintTarget.h"
#include "reports/ReportFonts.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPainter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace vonu;
using namespace vonu::report;

namespace {

// Header with fixed and changed captions, fixed-pitch detail lines, summary.
PageModel overview(int lines)
{
    Report r;
    r.title = QStringLiteral("Orderoverzicht");
    ReportBand& kop = r.addBand(QStringLiteral("Kop"), BandKind::PageHeader, 80);
    kop.addLabel(QStringLiteral("Adres"), QRectF(0, 0, 300, 17), QStringLiteral("Bouwbedrijf Müller & Zn. €"));
    ReportItem blad;
    blad.name = QStringLiteral("Blad");
    blad.kind = ItemKind::PageNumber;
    blad.caption = QStringLiteral("Blad ");
    blad.rect = QRectF(600, 0, 100, 17);
    kop.add(blad);
    ReportItem notes;
    notes.name = QStringLiteral("Notities");
    notes.rect = QRectF(0, 30, 300, 34);
    notes.wordWrap = true;
    notes.font = reportFont(QStringLiteral("Courier New"), 10);
    notes.caption = QStringLiteral("eerste notitieregel die lang genoeg is om af te breken");
    kop.add(notes);
    kop.afterPrint = [](BandEvent& e) { e.band.at(QStringLiteral("Notities")).enabled = false; };

    ReportBand& kolom = r.addBand(QStringLiteral("RegelKop"), BandKind::ColumnHeader, 20);
    kolom.addLabel(QStringLiteral("Kolommen"), QRectF(0, 0, 0, 17),
                   QStringLiteral("Rgl  Artikel            Omschrijving"),
                   reportFont(QStringLiteral("Courier New"), 10));
    ReportBand& regel = r.addBand(QStringLiteral("Regel"), BandKind::Detail, 17);
    ReportItem line;
    line.name = QStringLiteral("OrderRegel");
    line.field = QStringLiteral("Line");
    line.rect = QRectF(0, 0, 0, 17);
    line.font = reportFont(QStringLiteral("Courier New"), 10);
    regel.add(line);
    ReportBand& einde = r.addBand(QStringLiteral("Einde"), BandKind::Summary, 17);
    einde.addLabel(QStringLiteral("Einde"), QRectF(0, 0, 300, 17), QStringLiteral("Einde overzicht."));

    QStringList data;
    for (int i = 1; i <= lines; ++i)
        data << QStringLiteral("%1ONDER%2").arg(i, -5).arg(i, 3, 10, QLatin1Char('0'));
    return layout(r, DataSet::fromLines(data));
}

} // namespace

TEST(ReportPdf, TextsPagesAndFontsComeOutOfThePdf)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("overzicht.pdf"));
    const PageModel model = overview(80);
    ASSERT_EQ(model.pageCount(), 2);
    QString error;
    ASSERT_TRUE(writePdf(model, pdf, &error)) << error.toStdString();

    const QString text = test::pdfText(pdf);
    const QStringList pages = text.split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Bouwbedrijf Müller & Zn. €")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Blad 1")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Blad 2")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("eerste notitieregel")));
    EXPECT_FALSE(pages[1].contains(QStringLiteral("notitieregel")));
    EXPECT_TRUE(pages[0].simplified().contains(QStringLiteral("Rgl Artikel Omschrijving 1 ONDER001")));
    EXPECT_TRUE(pages[1].simplified().contains(QStringLiteral("80 ONDER080")));
    // Every line exactly once.
    for (int i = 1; i <= 80; ++i)
        EXPECT_EQ(text.count(QStringLiteral("ONDER%1").arg(i, 3, 10, QLatin1Char('0'))), 1) << i;

    const test::ToolResult info = test::runTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(QString::fromUtf8(info.out).contains(QRegularExpression(QStringLiteral("Pages: +2\n"))))
        << info.out.constData();
    EXPECT_TRUE(info.out.contains("A4")) << info.out.constData();
    EXPECT_TRUE(info.out.contains("Orderoverzicht"));
    const test::ToolResult fonts = test::runTool(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(fonts.out.contains("LiberationMono")) << fonts.out.constData();
    EXPECT_TRUE(fonts.out.contains("LiberationSans")) << fonts.out.constData();
}

// Left edges of the words of a PDF page in points, as pdftotext -bbox reports them.
QList<double> wordLefts(const QString& pdf, const QString& word)
{
    const test::ToolResult bbox =
        test::runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpression re(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>%1</word>")
                                    .arg(QRegularExpression::escape(word)));
    QList<double> result;
    for (auto it = re.globalMatch(QString::fromUtf8(bbox.out)); it.hasNext();)
        result << it.next().captured(1).toDouble();
    return result;
}

TEST(ReportPdf, FixedPitchLinesKeepTheirColumns)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("kolommen.pdf"));
    ASSERT_TRUE(writePdf(overview(12), pdf));
    // Courier New (or its metric twin) advances 0.6 em: 6 pt a character at 10 pt.
    const QList<double> rgl = wordLefts(pdf, QStringLiteral("Rgl"));
    const QList<double> artikel = wordLefts(pdf, QStringLiteral("Artikel"));
    const QList<double> omschrijving = wordLefts(pdf, QStringLiteral("Omschrijving"));
    const QList<double> code = wordLefts(pdf, QStringLiteral("ONDER012"));
    ASSERT_EQ(rgl.size(), 1);
    ASSERT_EQ(artikel.size(), 1);
    ASSERT_EQ(omschrijving.size(), 1);
    ASSERT_EQ(code.size(), 1);
    EXPECT_NEAR(artikel[0] - rgl[0], 5 * 6.0, 0.2);
    EXPECT_NEAR(omschrijving[0] - rgl[0], 24 * 6.0, 0.3);
    EXPECT_NEAR(code[0] - rgl[0], 5 * 6.0, 0.2);
}

TEST(ReportPdf, MarginsPlaceTheFirstLineTenMillimetresIn)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("marge.pdf"));
    ASSERT_TRUE(writePdf(overview(1), pdf));
    // pdftotext -bbox gives word positions in points: 10 mm = 28.35 pt.
    const test::ToolResult bbox =
        test::runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>Bouwbedrijf</word>"));
    const auto m = word.match(QString::fromUtf8(bbox.out));
    ASSERT_TRUE(m.hasMatch()) << bbox.out.left(2000).constData();
    EXPECT_NEAR(m.captured(1).toDouble(), 28.35, 1.5);
    EXPECT_NEAR(m.captured(2).toDouble(), 28.35, 4.0);
}

TEST(ReportPdf, PageRangePaintsOnlyThosePages)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bereik.pdf"));
    const PageModel model = overview(200);
    ASSERT_EQ(model.pageCount(), 4);
    {
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QPdfWriter writer(&file);
        ASSERT_TRUE(paint(model, writer, 2, 3));
    }
    const QString text = test::pdfText(pdf);
    EXPECT_FALSE(text.contains(QStringLiteral("Blad 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("Blad 2")));
    EXPECT_TRUE(text.contains(QStringLiteral("Blad 3")));
    EXPECT_FALSE(text.contains(QStringLiteral("Blad 4")));
}

TEST(ReportPdf, AFailedWriteLeavesThePreviousFileAndSaysWhy)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(writePdf(overview(1), dir.filePath(QStringLiteral("geen/map/x.pdf")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("x.pdf"))) << error.toStdString();

    const QString pdf = dir.filePath(QStringLiteral("oud.pdf"));
    PdfFileTarget target(pdf);
    EXPECT_TRUE(target.choosePrinter());
    EXPECT_FALSE(target.selectPrinter(QStringLiteral("Productie")));
    ASSERT_TRUE(target.print(overview(3), &error)) << error.toStdString();
    EXPECT_TRUE(test::pdfText(pdf).contains(QStringLiteral("ONDER003")));
}
