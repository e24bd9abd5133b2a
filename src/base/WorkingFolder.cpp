#include "base/WorkingFolder.h"

#include <QDir>
#include <QFileInfo>

namespace vonu {

namespace {

QString toRelativePath(const QString& windowsName)
{
    QString rel = windowsName;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    return rel;
}

QStringList matches(const QString& folder, const QString& pattern)
{
    QDir dir(folder);
    if (!dir.exists())
        return {};
    // Without QDir::CaseSensitive the name filter ignores case.
    return dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
}

} // namespace

WorkingFolder::WorkingFolder(const QString& folder) : path_(QDir::cleanPath(QDir(folder).absolutePath())) {}

WorkingFolder WorkingFolder::current()
{
    return WorkingFolder(QDir::currentPath());
}

QString WorkingFolder::file(const QString& relativeName) const
{
    const QString rel = toRelativePath(relativeName);
    if (rel.isEmpty())
        return path_;
    return QDir::cleanPath(QDir(path_).filePath(rel));
}

QString WorkingFolder::firstMatch(const QString& pattern, const QString& relativeFolder) const
{
    const QString folder = file(relativeFolder);
    const QStringList names = matches(folder, pattern);
    return names.isEmpty() ? QString() : QDir(folder).filePath(names.first());
}

bool WorkingFolder::holdsMatch(const QString& pattern, const QString& relativeFolder) const
{
    return !firstMatch(pattern, relativeFolder).isEmpty();
}

QString WorkingFolder::profileFile() const
{
    for (const QString& name : matches(path_, QStringLiteral("*.Xml"))) {
        const QChar c = name.at(0);
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9'))
            return QDir(path_).filePath(name);
    }
    return {};
}

QString WorkingFolder::createFolders(const QStringList& relativeFolders) const
{
    for (const QString& rel : relativeFolders) {
        const QString path = file(rel);
        if (QFileInfo(path).isDir())
            continue;
        if (!QDir().mkpath(path))
            return rel;
    }
    return {};
}

QStringList WorkingFolder::customerFolders()
{
    return {QStringLiteral("\\Orders"), QStringLiteral("\\Verzonden"), QStringLiteral("\\Afbeeldingen")};
}

} // namespace vonu
