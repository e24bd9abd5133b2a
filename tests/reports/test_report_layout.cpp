#include "reports/ReportFonts.h"
#include "reports/ReportLayout.h"

#include <gtest/gtest.h>

#include <QFontInfo>

using namespace vonu::report;

namespace {

// An overview-like report: page header with a page number, column header,
// one detail band bound to the field "Line", a summary and a page footer.
struct ListReport {
    Report report;
    ReportBand& header = report.addBand(QStringLiteral("Kop"), BandKind::PageHeader, 100);
    ReportBand& columns = report.addBand(QStringLiteral("RegelKop"), BandKind::ColumnHeader, 20);
    ReportBand& detail = report.addBand(QStringLiteral("Regel"), BandKind::Detail, 17);
    ReportBand& summary = report.addBand(QStringLiteral("Einde"), BandKind::Summary, 40);
    ReportBand& footer = report.addBand(QStringLiteral("Voet"), BandKind::PageFooter, 30);

    ListReport()
    {
        ReportItem page;
        page.name = QStringLiteral("Blad");
        page.kind = ItemKind::PageNumber;
        page.caption = QStringLiteral("Blad ");
        page.rect = QRectF(600, 0, 100, 17);
        header.add(page);
        header.addLabel(QStringLiteral("Debiteur"), QRectF(0, 40, 300, 17), QStringLiteral("Debiteur: 12345"));
        columns.addLabel(QStringLiteral("Kolommen"), QRectF(0, 0, 0, 0), QStringLiteral("Rgl  Artikel"),
                         reportFont(QStringLiteral("Courier New"), 10));
        ReportItem line;
        line.name = QStringLiteral("OrderRegel");
        line.field = QStringLiteral("Line");
        line.rect = QRectF(0, 0, 0, 17);
        line.font = reportFont(QStringLiteral("Courier New"), 10);
        detail.add(line);
        summary.addLabel(QStringLiteral("Einde"), QRectF(0, 0, 200, 17), QStringLiteral("Einde overzicht."));
        ReportItem rule;
        rule.name = QStringLiteral("Streep");
        rule.kind = ItemKind::Line;
        rule.rect = QRectF(0, 5, 0, 1);
        footer.add(rule);
    }
};

DataSet numberedLines(int n)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("regel %1").arg(i);
    return DataSet::fromLines(lines);
}

QList<int> detailRows(const Page& page)
{
    QList<int> rows;
    for (const PlacedBand& b : page.bands) {
        if (b.kind == BandKind::Detail)
            rows << b.row;
    }
    return rows;
}

} // namespace

TEST(ReportGeometry, A4WithTenMillimetreMargins)
{
    Report r;
    EXPECT_NEAR(r.contentSize().width(), mmToUnits(190), 1e-9);
    EXPECT_NEAR(r.contentSize().height(), mmToUnits(277), 1e-9);
    r.orientation = QPageLayout::Landscape;
    EXPECT_NEAR(r.contentSize().width(), mmToUnits(277), 1e-9);
}

TEST(ReportLayout, DetailsFlowOverPagesBetweenHeadersAndFooters)
{
    ListReport l;
    const PageModel model = layout(l.report, numberedLines(120));
    const qreal height = l.report.contentSize().height();
    const int perPage = int((height - 100 - 20 - 30) / 17);   // 52 on A4

    ASSERT_EQ(model.pageCount(), 3);
    QList<int> all;
    for (int p = 0; p < model.pageCount(); ++p) {
        SCOPED_TRACE(p);
        const Page& page = model.pages.at(p);
        EXPECT_EQ(page.number, p + 1);
        EXPECT_EQ(page.item(QStringLiteral("Blad"))->text, QStringLiteral("Blad %1").arg(p + 1));
        ASSERT_GE(page.bands.size(), 3);
        EXPECT_EQ(page.bands.first().name, QStringLiteral("Kop"));
        EXPECT_EQ(page.bands.first().top, 0);
        EXPECT_EQ(page.bands.at(1).name, QStringLiteral("RegelKop"));
        EXPECT_EQ(page.bands.at(1).top, 100);
        const PlacedBand& last = page.bands.last();
        EXPECT_EQ(last.name, QStringLiteral("Voet"));
        EXPECT_DOUBLE_EQ(last.top, height - 30);
        for (const PlacedBand& b : page.bands) {
            if (b.kind == BandKind::Detail || b.kind == BandKind::Summary) {
                EXPECT_LE(b.top + b.height, height - 30 + 1e-6) << b.name.toStdString();
            }
        }
        const QList<int> rows = detailRows(page);
        if (p < 2) {
            EXPECT_EQ(rows.size(), perPage);
        }
        all << rows;
    }
    // Every row once, in order, with its own text.
    ASSERT_EQ(all.size(), 120);
    for (int i = 0; i < 120; ++i)
        EXPECT_EQ(all.at(i), i);
    const Page& third = model.pages.at(2);
    EXPECT_EQ(third.bandsNamed(QStringLiteral("Regel")).last()->item(QStringLiteral("OrderRegel"))->text,
              QStringLiteral("regel 120"));
    EXPECT_EQ(third.bandsNamed(QStringLiteral("Einde")).size(), 1);
}

TEST(ReportLayout, SummaryThatDoesNotFitGoesToANewPage)
{
    ListReport l;
    const qreal height = l.report.contentSize().height();
    const int perPage = int((height - 150) / 17);
    // Exactly one page of rows leaves less than the summary's 40 units.
    ASSERT_LT(height - 150 - perPage * 17, 40);
    const PageModel model = layout(l.report, numberedLines(perPage));
    ASSERT_EQ(model.pageCount(), 2);
    EXPECT_TRUE(detailRows(model.pages.at(1)).isEmpty());
    ASSERT_EQ(model.pages.at(1).bandsNamed(QStringLiteral("Einde")).size(), 1);
    EXPECT_EQ(model.pages.at(1).bandsNamed(QStringLiteral("Einde")).first()->top, 120);
}

TEST(ReportLayout, TitleOnlyOnTheFirstPageAndEmptyDataStillPrintsAPage)
{
    ListReport l;
    ReportBand& title = l.report.addBand(QStringLiteral("Titel"), BandKind::Title, 60);
    title.addLabel(QStringLiteral("Titeltekst"), QRectF(0, 0, 300, 20), QStringLiteral("Orderoverzicht"));
    const PageModel model = layout(l.report, numberedLines(60));
    ASSERT_EQ(model.pageCount(), 2);
    ASSERT_EQ(model.pages.at(0).bandsNamed(QStringLiteral("Titel")).size(), 1);
    // After the page header, before the column header.
    EXPECT_EQ(model.pages.at(0).bandsNamed(QStringLiteral("Titel")).first()->top, 100);
    EXPECT_EQ(model.pages.at(0).bandsNamed(QStringLiteral("RegelKop")).first()->top, 160);
    EXPECT_TRUE(model.pages.at(1).bandsNamed(QStringLiteral("Titel")).isEmpty());

    ListReport empty;
    const PageModel none = layout(empty.report, DataSet::fromLines({}));
    ASSERT_EQ(none.pageCount(), 1);
    EXPECT_EQ(none.pages.at(0).texts(),
              (QStringList{QStringLiteral("Blad 1"), QStringLiteral("Debiteur: 12345"),
                           QStringLiteral("Rgl  Artikel"), QStringLiteral("Einde overzicht.")}));
}

TEST(ReportEvents, BeforePrintHidesBandsAndSetsCaptionsHeightsAndEnabledState)
{
    ListReport l;
    int calls = 0;
    l.detail.beforePrint = [&](BandEvent& e) {
        ++calls;
        const QString line = e.value(QStringLiteral("Line"));
        if (line.endsWith(QLatin1Char('3')))
            e.print = false;                       // rows 3 and 13 are left out
        // Like a spacer row: lower and without text.
        if (line == QStringLiteral("regel 5")) {
            e.band.height = 10;
            e.band.at(QStringLiteral("OrderRegel")).enabled = false;
        }
    };
    l.detail.afterPrint = [](BandEvent& e) {
        e.band.height = 17;
        e.band.at(QStringLiteral("OrderRegel")).enabled = true;
    };
    // First page: full header; then only the page number, and lower.
    l.header.beforePrint = [](BandEvent& e) {
        e.band.at(QStringLiteral("Debiteur")).caption = QStringLiteral("Debiteur: 4711");
    };
    l.header.afterPrint = [](BandEvent& e) {
        e.band.at(QStringLiteral("Debiteur")).enabled = false;
        e.band.height = 41;
    };
    l.footer.beforePrint = [](BandEvent& e) { e.print = e.pageNumber > 1; };

    const PageModel model = layout(l.report, numberedLines(70));
    EXPECT_EQ(calls, 70);
    const Page& first = model.pages.at(0);
    EXPECT_EQ(first.item(QStringLiteral("Debiteur"))->text, QStringLiteral("Debiteur: 4711"));
    EXPECT_EQ(first.bandsNamed(QStringLiteral("Kop")).first()->height, 100);
    EXPECT_TRUE(first.bandsNamed(QStringLiteral("Voet")).isEmpty());

    QList<const PlacedBand*> details;
    for (const Page& p : model.pages)
        details << p.bandsNamed(QStringLiteral("Regel"));
    ASSERT_EQ(details.size(), 70 - 7);   // 3, 13, 23, ..., 63
    for (const PlacedBand* b : details) {
        if (const PlacedItem* text = b->item(QStringLiteral("OrderRegel"))) {
            EXPECT_FALSE(text->text.endsWith(QLatin1Char('3')));
        }
    }
    const PlacedBand* spacer = details.at(3);
    EXPECT_EQ(spacer->row, 4);
    EXPECT_EQ(spacer->height, 10);
    EXPECT_EQ(spacer->item(QStringLiteral("OrderRegel")), nullptr);
    EXPECT_EQ(details.at(4)->top, spacer->top + 10);
    EXPECT_EQ(details.at(4)->height, 17);

    ASSERT_GE(model.pageCount(), 2);
    const Page& second = model.pages.at(1);
    EXPECT_EQ(second.item(QStringLiteral("Debiteur")), nullptr);
    EXPECT_EQ(second.bandsNamed(QStringLiteral("Kop")).first()->height, 41);
    EXPECT_EQ(second.bandsNamed(QStringLiteral("RegelKop")).first()->top, 41);
    EXPECT_EQ(second.bandsNamed(QStringLiteral("Voet")).size(), 1);
}

TEST(ReportEvents, ADisabledBandIsNotPrintedAndTheReportHandlerRunsFirst)
{
    ListReport l;
    QStringList order;
    l.report.beforePrint = [&](Report& r) {
        order << QStringLiteral("report");
        r.at(QStringLiteral("RegelKop")).enabled = false;
    };
    l.header.beforePrint = [&](BandEvent&) { order << QStringLiteral("Kop"); };
    const PageModel model = layout(l.report, numberedLines(1));
    EXPECT_EQ(order, (QStringList{QStringLiteral("report"), QStringLiteral("Kop")}));
    EXPECT_TRUE(model.pages.at(0).bandsNamed(QStringLiteral("RegelKop")).isEmpty());
    EXPECT_EQ(model.pages.at(0).bandsNamed(QStringLiteral("Regel")).first()->top, 100);
}

TEST(ReportLayout, ABandTallerThanAPageGetsAPageOfItsOwn)
{
    ListReport l;
    l.detail.height = 2000;
    const PageModel model = layout(l.report, numberedLines(3));
    ASSERT_EQ(model.pageCount(), 4);   // three rows, then the summary
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(detailRows(model.pages.at(p)), QList<int>{p});
}

TEST(ReportLayout, PageNumbersCanStartLaterAndThePageCountIsKnown)
{
    ListReport l;
    l.report.firstPageNumber = 5;
    ReportItem count;
    count.name = QStringLiteral("Van");
    count.kind = ItemKind::PageCount;
    count.caption = QStringLiteral("van ");
    count.rect = QRectF(600, 20, 100, 17);
    l.header.add(count);
    const PageModel model = layout(l.report, numberedLines(60));
    ASSERT_EQ(model.pageCount(), 2);
    EXPECT_EQ(model.pages.at(0).number, 5);
    EXPECT_EQ(model.pages.at(1).item(QStringLiteral("Blad"))->text, QStringLiteral("Blad 6"));
    EXPECT_EQ(model.pages.at(0).item(QStringLiteral("Van"))->text, QStringLiteral("van 6"));
}

TEST(ReportItems, GeometryDefaultsAndPictures)
{
    ListReport l;
    QImage logo(684, 128, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    ReportItem picture;
    picture.name = QStringLiteral("Logo");
    picture.kind = ItemKind::Picture;
    picture.picture = logo;
    picture.autoSize = true;
    picture.rect = QRectF(40, 0, 1, 1);
    l.header.add(picture);
    const PageModel model = layout(l.report, numberedLines(1));
    const Page& page = model.pages.at(0);
    EXPECT_EQ(page.item(QStringLiteral("Logo"))->rect, QRectF(40, 0, 684, 128));
    // Width 0: to the right edge; height 0: one line of its font.
    const PlacedItem* columns = page.item(QStringLiteral("Kolommen"));
    EXPECT_DOUBLE_EQ(columns->rect.right(), l.report.contentSize().width());
    EXPECT_NEAR(columns->rect.height(), 15, 1.5);   // 10 pt at 96 units per inch
    EXPECT_EQ(columns->rect.top(), 100);
    EXPECT_EQ(page.item(QStringLiteral("OrderRegel"))->rect.top(), 120);
}

TEST(ReportFonts, ArialAndCourierNewResolveToMetricCompatibleFamilies)
{
    const QFont courier = reportFont(QStringLiteral("Courier New"), 10);
    const QFont arial = reportFont(QStringLiteral("Arial"), 10, true);
    EXPECT_TRUE(QFontInfo(courier).fixedPitch()) << QFontInfo(courier).family().toStdString();
    EXPECT_FALSE(QFontInfo(arial).fixedPitch());
    EXPECT_TRUE(QFontInfo(arial).bold());
    // With fonts-liberation2 installed (scripts/setup) these are the families used.
    EXPECT_EQ(QFontInfo(courier).family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(QFontInfo(arial).family(), QStringLiteral("Liberation Sans"));
}
