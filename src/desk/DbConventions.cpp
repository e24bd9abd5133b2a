#include "desk/DbConventions.h"

#include <QCryptographicHash>

#include <QStringList>

namespace vonu {

QString padLeft(const QString& text, int width)
{
    if (width <= 0)
        return {};
    const QString padded = QString(width, QLatin1Char(' ')) + text;
    return padded.right(width);
}

QString sqlEscape(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('\''), QStringLiteral("''"));
    out.replace(QLatin1Char('"'), QStringLiteral("''"));
    return out;
}

QString sqlEscapedValue(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('"'), QLatin1Char('\''));
    return out;
}

QString sessionUserName(const QString& workingFolder)
{
    const QString path = workingFolder.trimmed();
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1).left(30);
}

QString sqlIdentifier(const QString& name)
{
    QString inner = name.toLower();
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString sqlQualifiedIdentifier(const QString& tableDotColumn)
{
    const qsizetype dot = tableDotColumn.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return sqlIdentifier(tableDotColumn);
    return sqlIdentifier(tableDotColumn.left(dot)) + QLatin1Char('.') + sqlIdentifier(tableDotColumn.mid(dot + 1));
}

QString sqlQuotedName(const QString& name)
{
    QString inner = name;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString scratchTableName(const QString& user, const QString& table)
{
    // PostgreSQL cuts identifiers at 63 bytes; the database names the table
    // by the same rule (vonu_tijdelijke_tabelnaam).
    const QString full = QStringLiteral("tmp_") + user + QLatin1Char('_') + table.toLower();
    if (full.toUtf8().size() <= 63)
        return full;
    const QByteArray key = (user + QLatin1Char('/') + table.toLower()).toUtf8();
    return QStringLiteral("tmp_")
           + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Md5).toHex());
}

} // namespace vonu
