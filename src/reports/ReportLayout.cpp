#include "reports/ReportLayout.h"

#include "reports/Code128.h"

#include <QFontMetricsF>

namespace vonu::report {

qreal lineHeight(const QFont& font)
{
    // Measured at the report's own resolution, not the screen's.
    QFont f(font);
    f.setPixelSize(qMax(1, qRound(font.pointSizeF() * kUnitsPerInch / 72.0)));
    return QFontMetricsF(f).height();
}

namespace {

class Layouter {
public:
    Layouter(Report& report, const DataSet& data) : report_(report), data_(data)
    {
        model_.title = report.title;
        model_.pageSize = report.pageSize;
        model_.orientation = report.orientation;
        model_.marginsMm = report.marginsMm;
        model_.contentSize = report.contentSize();
        pageNumber_ = report.firstPageNumber - 1;
    }

    PageModel run()
    {
        if (report_.beforePrint)
            report_.beforePrint(report_);
        startPage();
        for (int row = 0; row < data_.rowCount(); ++row) {
            for (ReportBand* band : bandsOf(BandKind::Detail))
                flowBand(*band, row);
        }
        for (ReportBand* band : bandsOf(BandKind::Summary))
            flowBand(*band, -1);
        finishPage();
        resolvePageCounts();
        return std::move(model_);
    }

private:
    QList<ReportBand*> bandsOf(BandKind kind)
    {
        QList<ReportBand*> result;
        for (ReportBand& band : report_.bands()) {
            if (band.kind == kind)
                result << &band;
        }
        return result;
    }

    Page& page() { return model_.pages.last(); }

    qreal footerSpace()
    {
        qreal h = 0;
        for (ReportBand* band : bandsOf(BandKind::PageFooter)) {
            if (band->enabled)
                h += band->height;
        }
        return h;
    }

    void startPage()
    {
        ++pageNumber_;
        model_.pages.append(Page{pageNumber_, {}});
        y_ = 0;
        for (ReportBand* band : bandsOf(BandKind::PageHeader))
            printFixed(*band);
        if (model_.pages.size() == 1) {
            for (ReportBand* band : bandsOf(BandKind::Title))
                printFixed(*band);
        }
        for (ReportBand* band : bandsOf(BandKind::ColumnHeader))
            printFixed(*band);
    }

    void finishPage()
    {
        qreal y = model_.contentSize.height() - footerSpace();
        if (y < y_)
            y = y_;   // headers taller than the page: the footer follows them
        y_ = y;
        for (ReportBand* band : bandsOf(BandKind::PageFooter))
            printFixed(*band);
    }

    // Before-print handler; true when the band is to be printed.
    bool prepare(ReportBand& band, int row, BandEvent& event)
    {
        if (band.beforePrint)
            band.beforePrint(event);
        (void)row;
        return event.print && band.enabled;
    }

    // Headers, titles and footers: printed where the page is, no page break.
    void printFixed(ReportBand& band)
    {
        BandEvent event{report_, band, &data_, -1, pageNumber_};
        if (!prepare(band, -1, event))
            return;
        place(band, -1);
        if (band.afterPrint)
            band.afterPrint(event);
    }

    // Details and summaries: a new page first when the band does not fit.
    // A band taller than an empty page is printed on its own page, cut off,
    // rather than pushed forward for ever.
    void flowBand(ReportBand& band, int row)
    {
        BandEvent event{report_, band, &data_, row, pageNumber_};
        if (!prepare(band, row, event))
            return;
        const qreal limit = model_.contentSize.height() - footerSpace();
        const bool full = y_ + band.height > limit + 1e-6 || event.newPage;
        if (full && page().bands.size() > fixedBandsOnPage_()) {
            finishPage();
            startPage();
        }
        place(band, row);
        if (band.afterPrint) {
            event.pageNumber = pageNumber_;
            band.afterPrint(event);
        }
    }

    // Bands on the current page that came with the page (headers): a page
    // holding nothing else gets the band even when it is too tall.
    qsizetype fixedBandsOnPage_()
    {
        qsizetype n = 0;
        for (const PlacedBand& b : page().bands) {
            if (b.kind == BandKind::PageHeader || b.kind == BandKind::Title
                || b.kind == BandKind::ColumnHeader)
                ++n;
        }
        return n;
    }

    void place(const ReportBand& band, int row)
    {
        PlacedBand placed;
        placed.name = band.name;
        placed.kind = band.kind;
        placed.top = y_;
        placed.height = band.height;
        placed.row = row;
        for (const ReportItem& item : band.items) {
            if (item.enabled)
                placed.items << placeItem(item, row);
        }
        page().bands << placed;
        y_ += band.height;
    }

    PlacedItem placeItem(const ReportItem& item, int row)
    {
        PlacedItem p;
        p.name = item.name;
        p.kind = item.kind;
        p.font = item.font.value_or(report_.baseFont);
        p.alignment = item.alignment;
        p.wordWrap = item.wordWrap;
        p.stretch = item.stretch;
        p.penWidth = item.penWidth;
        QRectF r = item.rect;
        switch (item.kind) {
        case ItemKind::Label:
            p.text = item.field.isEmpty() ? item.caption : data_.value(row, item.field);
            break;
        case ItemKind::PageNumber:
            p.text = item.caption + QString::number(pageNumber_);
            break;
        case ItemKind::PageCount:
            p.text = item.caption;   // completed when the page count is known
            break;
        case ItemKind::Picture:
            p.picture = item.picture;
            if (item.autoSize && !item.picture.isNull())
                r.setSize(item.picture.size());
            break;
        case ItemKind::Barcode: {
            p.text = item.field.isEmpty() ? item.caption : data_.value(row, item.field);
            const code128::Symbol symbol = code128::encode(p.text, item.codeSet);
            p.bars = code128::moduleWidths(symbol);
            p.moduleWidth = item.moduleWidth;
            if (symbol.ok())
                r.setWidth(code128::totalModules(symbol) * item.moduleWidth);
            break;
        }
        case ItemKind::Line:
        case ItemKind::Frame:
            break;
        }
        if (r.width() <= 0)
            r.setRight(model_.contentSize.width());
        if (r.height() <= 0 && item.kind != ItemKind::Line)
            r.setHeight(lineHeight(p.font));
        p.rect = r.translated(0, y_);
        return p;
    }

    void resolvePageCounts()
    {
        const QString count = QString::number(pageNumber_);
        for (Page& pg : model_.pages) {
            for (PlacedBand& b : pg.bands) {
                for (PlacedItem& i : b.items) {
                    if (i.kind == ItemKind::PageCount)
                        i.text += count;
                }
            }
        }
    }

    Report& report_;
    const DataSet& data_;
    PageModel model_;
    int pageNumber_ = 0;
    qreal y_ = 0;
};

} // namespace

PageModel layout(Report& report, const DataSet& data)
{
    return Layouter(report, data).run();
}

} // namespace vonu::report
