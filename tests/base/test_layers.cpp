// The source folders form floors: a folder may include its own headers and
// those of the floors below it, never one above. A cycle between folders
// starts with one such include, so the check runs with every build of the tests.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace {

// Lowest floor first; app/ is the top.
const QStringList kFloors = {"base", "widgets", "data", "order", "sill", "files", "desk", "reports", "app"};

QStringList upwardIncludes()
{
    const QString src = QStringLiteral(VONU_SOURCE_DIR "/src");
    const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*"([a-z]+)/)"));
    QStringList found;
    QDirIterator it(src, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString folder = path.mid(src.size() + 1).section(QLatin1Char('/'), 0, 0);
        const qsizetype own = kFloors.indexOf(folder);
        if (own < 0) {
            found << QStringLiteral("%1: folder '%2' has no floor").arg(path, folder);
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            found << QStringLiteral("%1: cannot be read").arg(path);
            continue;
        }
        int lineNumber = 0;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine());
            ++lineNumber;
            const auto match = include.match(line);
            if (!match.hasMatch())
                continue;
            const qsizetype target = kFloors.indexOf(match.captured(1));
            if (target > own)
                found << QStringLiteral("%1:%2 includes %3/").arg(path).arg(lineNumber).arg(match.captured(1));
        }
    }
    return found;
}

TEST(Layers, NoFolderIncludesAFolderAboveIt)
{
    const QStringList found = upwardIncludes();
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

} // namespace
