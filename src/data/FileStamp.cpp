#include "data/FileStamp.h"

#include <QFileInfo>
#include <limits>

namespace vonu {

qint32 packDosDateTime(const QDateTime& local)
{
    const QDate d = local.date();
    const QTime t = local.time();
    if (!d.isValid() || d.year() < 1980)
        return qint32((1u << 21) | (1u << 16));
    const quint32 year = quint32(std::min(d.year() - 1980, 127));
    const quint32 packed = (year << 25) | (quint32(d.month()) << 21) | (quint32(d.day()) << 16)
        | (quint32(t.hour()) << 11) | (quint32(t.minute()) << 5) | (quint32(t.second()) / 2);
    return qint32(packed);
}

QDateTime unpackDosDateTime(qint32 packedSigned)
{
    const quint32 packed = quint32(packedSigned);
    const QDate d(int(packed >> 25) + 1980, int((packed >> 21) & 0xF), int((packed >> 16) & 0x1F));
    const QTime t(int((packed >> 11) & 0x1F), int((packed >> 5) & 0x3F), int(packed & 0x1F) * 2);
    if (!d.isValid() || !t.isValid())
        return {};
    return QDateTime(d, t);
}

std::optional<qint32> parseBestandVersie(const QString& text)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < std::numeric_limits<qint32>::min() || v > qlonglong(std::numeric_limits<quint32>::max()))
        return std::nullopt;
    return qint32(quint32(v));
}

bool stampMatchesFileTime(qint32 stamp, qint32 fileStamp)
{
    const qint64 diff = qint64(stamp) - qint64(fileStamp);
    return diff < kStampTolerance && diff > -kStampTolerance;
}

bool isOutdatedCatalog(const QDate& fileDate)
{
    return fileDate < QDate(2006, 9, 8);
}

QDateTime fileModifiedLocal(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return info.lastModified().toLocalTime();
}

QString panelDate(const QDate& date)
{
    return date.toString(QStringLiteral("dd-MM-yyyy"));
}

QString sleutelPanelText(const QDate& date)
{
    return QStringLiteral("Sleutel ") + panelDate(date);
}

QString assortimentPanelText(const QDate& date)
{
    return QStringLiteral("Assortiment ") + panelDate(date);
}

} // namespace vonu
