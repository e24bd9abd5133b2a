#pragma once
// The laid-out report: pages of placed bands with their items at their final
// place and with their final text. Painting reads nothing else, so tests can
// check a layout without rendering it.

#include "reports/Report.h"

#include <QList>

namespace vonu::report {

struct PlacedItem {
    QString name;
    ItemKind kind = ItemKind::Label;
    QRectF rect;                 // on the page, inside the margins, in units
    QString text;                // label and page-number text; barcode data
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
    QImage picture;
    bool stretch = false;
    qreal penWidth = 1.0;
    QVector<int> bars;           // barcode: module widths, bar first, quiet zones excluded
    qreal moduleWidth = 0;
};

struct PlacedBand {
    QString name;
    BandKind kind = BandKind::Detail;
    qreal top = 0;
    qreal height = 0;
    int row = -1;                // data row of a detail band
    QList<PlacedItem> items;

    const PlacedItem* item(const QString& itemName) const;
};

struct Page {
    int number = 0;              // as printed (starts at the report's firstPageNumber)
    QList<PlacedBand> bands;

    QList<const PlacedBand*> bandsNamed(const QString& bandName) const;
    // First item of that name on the page.
    const PlacedItem* item(const QString& itemName) const;
    // Texts of all text items in page order.
    QStringList texts() const;
};

struct PageModel {
    QString title;
    QPageSize pageSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm;
    QSizeF contentSize;
    QList<Page> pages;

    int pageCount() const { return int(pages.size()); }
    QPageLayout pageLayout() const;
};

} // namespace vonu::report
