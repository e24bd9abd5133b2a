#include "support/DemoFiles.h"

#include "data/Catalog.h"
#include "data/FileStamp.h"

#include <QDir>
#include <QFile>

namespace vonu::test {

namespace {
const QString DemoDir = QStringLiteral(VONU_SOURCE_DIR "/demo");
}

bool placeDemoCatalog(const QString& target)
{
    const QString source = DemoDir + QStringLiteral("/Assortiment.Xml");
    Catalog catalog;
    if (!catalog.load(source))
        return false;
    const auto stamp = parseBestandVersie(catalog.bestandVersie());
    if (!stamp)
        return false;
    QFile::remove(target);
    if (!QFile::copy(source, target))
        return false;
    QFile copy(target);
    return copy.open(QIODevice::ReadWrite) &&
           copy.setFileTime(unpackDosDateTime(*stamp), QFileDevice::FileModificationTime);
}

bool placeDemoProfile(const QString& folder)
{
    return QFile::copy(DemoDir + QStringLiteral("/104711.Xml"), QDir(folder).filePath(QStringLiteral("104711.Xml")));
}

QString demoFile(const QString& name)
{
    QFile f(DemoDir + QLatin1Char('/') + name);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace vonu::test
