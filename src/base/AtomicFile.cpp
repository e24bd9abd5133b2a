#include "base/AtomicFile.h"

#include <QDir>
#include <QSaveFile>

#include <cerrno>

namespace vonu {

namespace {

bool diskFull(int err)
{
    return err == ENOSPC || err == EFBIG
#ifdef EDQUOT
           || err == EDQUOT
#endif
        ;
}

QString reasonText(const QString& path, const QString& why)
{
    return QStringLiteral("Bestand '%1' kan niet worden geschreven: %2 Het vorige bestand is ongewijzigd.")
        .arg(QDir::toNativeSeparators(path), why);
}

const QString SchijfVol = QStringLiteral("de schijf is vol (niet alles kon worden weggeschreven).");

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = reasonText(path, why);
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("het kan niet worden aangemaakt (%1).").arg(file.errorString()));
    // A short count can come without an error being set (seen on a full disk).
    errno = 0;
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const bool full = written >= 0 || diskFull(errno) || file.error() == QFileDevice::ResourceError;
        const QString technical = file.errorString();
        file.cancelWriting();
        return fail(full ? SchijfVol : QStringLiteral("schrijffout (%1).").arg(technical));
    }
    errno = 0;
    if (!file.flush()) {
        const bool full = diskFull(errno) || file.error() == QFileDevice::ResourceError;
        const QString technical = file.errorString();
        file.cancelWriting();
        return fail(full ? SchijfVol : QStringLiteral("schrijffout (%1).").arg(technical));
    }
    errno = 0;
    if (!file.commit()) {
        const bool full = diskFull(errno) || file.error() == QFileDevice::ResourceError;
        return fail(full ? SchijfVol : QStringLiteral("schrijffout (%1).").arg(file.errorString()));
    }
    return true;
}

} // namespace vonu
