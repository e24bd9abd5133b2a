#pragma once
// A banded report: bands of items laid out down the page over the rows of
// a data set. Lengths are report units of 1/96 inch ("pixels"), measured
// inside the page margins. Before-print handlers change the bands while the
// report is laid out (hide a band, set captions, heights, enabled state,
// pictures); what they change stays changed for the rest of the run.

#include "reports/Code128.h"

#include <QFont>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <deque>
#include <functional>
#include <optional>

namespace vonu::report {

inline constexpr qreal kUnitsPerInch = 96.0;
inline qreal mmToUnits(qreal mm) { return mm / 25.4 * kUnitsPerInch; }

enum class BandKind { Title, PageHeader, ColumnHeader, Detail, Summary, PageFooter };

enum class ItemKind {
    Label,       // caption, or the value of `field` in the current row
    Picture,     // QImage, at its size or stretched to the rect
    Line,        // horizontal (or vertical when taller than wide) through the rect's middle
    Frame,       // rectangle outline
    Barcode,     // Code 128 of the caption
    PageNumber,  // caption followed by the page number
    PageCount,   // caption followed by the number of pages
};

struct ReportItem {
    QString name;
    ItemKind kind = ItemKind::Label;
    QRectF rect;                 // in the band; width <= 0: to the band's right edge,
                                 // height <= 0: one line of the font (labels)
    bool enabled = true;
    QString caption;
    QString field;               // data column shown instead of the caption
    std::optional<QFont> font;   // the report's base font when not set
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
    QImage picture;
    bool stretch = false;        // picture scaled to the rect
    bool autoSize = false;       // picture: rect takes the picture's size
    qreal penWidth = 1.0;        // lines and frames
    qreal moduleWidth = 1.5;     // barcode: units per module; the rect's width follows
    code128::CodeSet codeSet = code128::CodeSet::Auto;
};

class Report;
class ReportBand;
class DataSet;

// What a band handler sees: the band to change, the current row and page.
struct BandEvent {
    Report& report;
    ReportBand& band;
    const DataSet* data = nullptr;
    int row = -1;                // row of the data set for detail bands, else -1
    int pageNumber = 0;
    bool print = true;           // set false to leave the band out this time
    bool newPage = false;        // details: start a new page before this band
    QString value(const QString& column) const;
};

class ReportBand {
public:
    ReportBand(QString name, BandKind kind, qreal height)
        : name(std::move(name)), kind(kind), height(height) {}

    QString name;
    BandKind kind;
    qreal height;
    bool enabled = true;
    QVector<ReportItem> items;
    std::function<void(BandEvent&)> beforePrint;
    std::function<void(BandEvent&)> afterPrint;   // only after the band was printed

    ReportItem& add(ReportItem item);
    ReportItem& addLabel(const QString& name, const QRectF& rect, const QString& caption = {},
                         std::optional<QFont> font = std::nullopt);
    ReportItem* item(const QString& name);
    const ReportItem* item(const QString& name) const;
    // The item by name; a missing name is a programming error in a layout.
    ReportItem& at(const QString& name);
};

// Rows of named text values.
class DataSet {
public:
    DataSet() = default;
    explicit DataSet(QStringList columns) : columns_(std::move(columns)) {}
    // One column `field`, one row per line.
    static DataSet fromLines(const QStringList& lines, const QString& field = QStringLiteral("Line"));

    const QStringList& columns() const { return columns_; }
    int rowCount() const { return int(rows_.size()); }
    void append(QStringList values);
    // Empty for an unknown column or row.
    QString value(int row, const QString& column) const;

private:
    QStringList columns_;
    QVector<QStringList> rows_;
};

class Report {
public:
    Report();

    QString title;
    QPageSize pageSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm{10, 10, 10, 10};
    QFont baseFont;
    int firstPageNumber = 1;
    // Called once when the run starts, before any band.
    std::function<void(Report&)> beforePrint;

    // Bands print in the order they were added within their kind. References
    // stay valid while the report lives.
    ReportBand& addBand(const QString& name, BandKind kind, qreal height);
    ReportBand* band(const QString& name);
    ReportBand& at(const QString& name);
    std::deque<ReportBand>& bands() { return bands_; }
    const std::deque<ReportBand>& bands() const { return bands_; }

    QSizeF contentSize() const;   // inside the margins, in units

private:
    std::deque<ReportBand> bands_;
};

} // namespace vonu::report
