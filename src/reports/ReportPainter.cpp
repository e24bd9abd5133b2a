#include "reports/ReportPainter.h"

#include "base/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QBuffer>
#include <QTextOption>

namespace vonu::report {
namespace {

QRectF scaled(const QRectF& r, qreal s)
{
    return {r.x() * s, r.y() * s, r.width() * s, r.height() * s};
}

void paintItem(QPainter& painter, const PlacedItem& item, qreal s)
{
    const QRectF r = scaled(item.rect, s);
    switch (item.kind) {
    case ItemKind::Label:
    case ItemKind::PageNumber:
    case ItemKind::PageCount: {
        painter.setFont(item.font);
        painter.setPen(Qt::black);
        int flags = int(item.alignment);
        if (item.wordWrap)
            flags |= Qt::TextWordWrap;
        else
            flags |= Qt::TextDontClip;
        painter.drawText(r, flags, item.text);
        break;
    }
    case ItemKind::Picture:
        if (item.picture.isNull())
            break;
        if (item.stretch) {
            painter.drawImage(r, item.picture);
        } else {
            // At its own size, cut off at the item's edges.
            const QRectF natural(r.topLeft(), QSizeF(item.picture.size()) * s);
            painter.save();
            painter.setClipRect(r);
            painter.drawImage(natural, item.picture);
            painter.restore();
        }
        break;
    case ItemKind::Line: {
        painter.setPen(QPen(Qt::black, item.penWidth * s));
        if (r.width() >= r.height())
            painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        else
            painter.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
        break;
    }
    case ItemKind::Frame:
        painter.setPen(QPen(Qt::black, item.penWidth * s));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r);
        break;
    case ItemKind::Barcode: {
        if (item.bars.isEmpty())
            break;
        const qreal module = item.moduleWidth * s;
        qreal x = r.left() + 10 * module;   // quiet zone
        bool bar = true;
        for (int w : item.bars) {
            if (bar)
                painter.fillRect(QRectF(x, r.top(), w * module, r.height()), Qt::black);
            x += w * module;
            bar = !bar;
        }
        break;
    }
    }
}

} // namespace

void paintPage(QPainter& painter, const Page& page, qreal unitsToDevice)
{
    for (const PlacedBand& band : page.bands) {
        for (const PlacedItem& item : band.items)
            paintItem(painter, item, unitsToDevice);
    }
}

bool paint(const PageModel& model, QPagedPaintDevice& device, int fromPage, int toPage)
{
    device.setPageLayout(model.pageLayout());
    const int first = fromPage > 0 ? fromPage : 1;
    const int last = toPage > 0 ? qMin(toPage, model.pageCount()) : model.pageCount();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal s = device.logicalDpiX() / kUnitsPerInch;
    bool firstPainted = true;
    for (int n = first; n <= last; ++n) {
        if (!firstPainted)
            device.newPage();
        firstPainted = false;
        paintPage(painter, model.pages.at(n - 1), s);
    }
    return painter.end();
}

bool writePdf(const PageModel& model, const QString& path, QString* error)
{
    // Painted into memory first: QPdfWriter does not report a short write
    // of its device, the atomic writer counts every byte.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(model.title);
        writer.setCreator(QStringLiteral("VonuOrder"));
        // Ten device pixels a point: whole-point fonts get whole pixel sizes,
        // so fixed-pitch columns do not drift from rounded glyph advances.
        writer.setResolution(720);
        if (!paint(model, writer)) {
            if (error)
                *error = QStringLiteral("Het PDF-bestand kan niet worden opgemaakt.");
            return false;
        }
    }
    return writeFileAtomically(path, pdf, error);
}

} // namespace vonu::report
