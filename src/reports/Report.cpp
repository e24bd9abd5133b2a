#include "reports/PageModel.h"
#include "reports/ReportFonts.h"

#include <stdexcept>

namespace vonu::report {

QString BandEvent::value(const QString& column) const
{
    return data ? data->value(row, column) : QString();
}

ReportItem& ReportBand::add(ReportItem item)
{
    items.append(std::move(item));
    return items.last();
}

ReportItem& ReportBand::addLabel(const QString& itemName, const QRectF& rect, const QString& caption,
                                 std::optional<QFont> font)
{
    ReportItem item;
    item.name = itemName;
    item.rect = rect;
    item.caption = caption;
    item.font = std::move(font);
    return add(std::move(item));
}

ReportItem* ReportBand::item(const QString& itemName)
{
    for (ReportItem& i : items) {
        if (i.name == itemName)
            return &i;
    }
    return nullptr;
}

const ReportItem* ReportBand::item(const QString& itemName) const
{
    return const_cast<ReportBand*>(this)->item(itemName);
}

ReportItem& ReportBand::at(const QString& itemName)
{
    ReportItem* i = item(itemName);
    if (!i)
        throw std::logic_error("report item not found: " + itemName.toStdString());
    return *i;
}

DataSet DataSet::fromLines(const QStringList& lines, const QString& field)
{
    DataSet data({field});
    for (const QString& line : lines)
        data.append({line});
    return data;
}

void DataSet::append(QStringList values)
{
    rows_.append(std::move(values));
}

QString DataSet::value(int row, const QString& column) const
{
    if (row < 0 || row >= rows_.size())
        return {};
    const qsizetype c = columns_.indexOf(column);
    return c >= 0 ? rows_.at(row).value(c) : QString();
}

Report::Report() : baseFont(reportFont(QStringLiteral("Arial"), 10)) {}

ReportBand& Report::addBand(const QString& bandName, BandKind kind, qreal height)
{
    bands_.emplace_back(bandName, kind, height);
    return bands_.back();
}

ReportBand* Report::band(const QString& bandName)
{
    for (ReportBand& b : bands_) {
        if (b.name == bandName)
            return &b;
    }
    return nullptr;
}

ReportBand& Report::at(const QString& bandName)
{
    ReportBand* b = band(bandName);
    if (!b)
        throw std::logic_error("report band not found: " + bandName.toStdString());
    return *b;
}

QSizeF Report::contentSize() const
{
    QSizeF mm = pageSize.size(QPageSize::Millimeter);
    if (orientation == QPageLayout::Landscape)
        mm.transpose();
    return {mmToUnits(mm.width() - marginsMm.left() - marginsMm.right()),
            mmToUnits(mm.height() - marginsMm.top() - marginsMm.bottom())};
}

const PlacedItem* PlacedBand::item(const QString& itemName) const
{
    for (const PlacedItem& i : items) {
        if (i.name == itemName)
            return &i;
    }
    return nullptr;
}

QList<const PlacedBand*> Page::bandsNamed(const QString& bandName) const
{
    QList<const PlacedBand*> result;
    for (const PlacedBand& b : bands) {
        if (b.name == bandName)
            result << &b;
    }
    return result;
}

const PlacedItem* Page::item(const QString& itemName) const
{
    for (const PlacedBand& b : bands) {
        if (const PlacedItem* i = b.item(itemName))
            return i;
    }
    return nullptr;
}

QStringList Page::texts() const
{
    QStringList result;
    for (const PlacedBand& b : bands) {
        for (const PlacedItem& i : b.items) {
            if (i.kind == ItemKind::Label || i.kind == ItemKind::PageNumber
                || i.kind == ItemKind::PageCount)
                result << i.text;
        }
    }
    return result;
}

QPageLayout PageModel::pageLayout() const
{
    return QPageLayout(pageSize, orientation, marginsMm, QPageLayout::Millimeter);
}

} // namespace vonu::report
