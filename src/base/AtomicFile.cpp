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
    // errno is read right after the call that failed; a short count can come
    // without an error being set at all (seen on a full disk).
    auto failed = [&](bool shortWrite) {
        const bool full = shortWrite || diskFull(errno) || file.error() == QFileDevice::ResourceError;
        const QString technical = file.errorString();
        file.cancelWriting();
        return fail(full ? SchijfVol : QStringLiteral("schrijffout (%1).").arg(technical));
    };
    errno = 0;
    const qint64 written = file.write(bytes);
    if (written != bytes.size())
        return failed(written >= 0);
    errno = 0;
    if (!file.flush())
        return failed(false);
    errno = 0;
    if (!file.commit())
        return failed(false);
    return true;
}

} // namespace vonu
