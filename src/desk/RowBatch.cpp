#include "desk/RowBatch.h"

#include "desk/DbSession.h"

#include <QJsonDocument>

namespace vonu {

RowBatch::RowBatch(QString table, QStringList columns, Writing writing)
    : table_(std::move(table)), columns_(std::move(columns)), writing_(writing)
{
}

bool RowBatch::run(DbSession& session, const QString& sql) const
{
    if (writing_ == Writing::Batched)
        return session.exec(sql, {json()});
    for (const QJsonValue& row : rows_) {
        const QString one = QString::fromUtf8(QJsonDocument(QJsonArray{row}).toJson(QJsonDocument::Compact));
        if (!session.exec(sql, {one}))
            return false;
    }
    return true;
}

QStringList RowBatch::names() const
{
    QStringList n;
    for (const QString& c : columns_)
        n << c.section(QLatin1Char(' '), 0, 0).remove(QLatin1Char('"')).toLower();
    return n;
}

void RowBatch::add(const QVariantList& values)
{
    const QStringList n = names();
    QJsonObject row;
    for (int i = 0; i < n.size(); ++i) {
        const QVariant v = values.value(i);
        const QString& key = n.at(i);
        if (v.isNull()) {
            row.insert(key, QJsonValue::Null);
            continue;
        }
        switch (v.typeId()) {
        case QMetaType::Bool:
            row.insert(key, v.toBool());
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Double:
            row.insert(key, v.toDouble());
            break;
        default:
            row.insert(key, v.toString());
            break;
        }
    }
    rows_.append(row);
}

QString RowBatch::json() const
{
    return QString::fromUtf8(QJsonDocument(rows_).toJson(QJsonDocument::Compact));
}

QString RowBatch::recordsetClause() const
{
    QStringList defs;
    const QStringList n = names();
    for (int i = 0; i < n.size(); ++i)
        defs << QLatin1Char('"') + n.at(i) + QStringLiteral("\" ") + columns_.at(i).section(QLatin1Char(' '), 1);
    return QStringLiteral("jsonb_to_recordset(?::jsonb) as x(%1)").arg(defs.join(QStringLiteral(", ")));
}

bool RowBatch::insert(DbSession& session) const
{
    if (rows_.isEmpty())
        return true;
    QStringList cols;
    QStringList sel;
    for (const QString& n : names()) {
        cols << QLatin1Char('"') + n + QLatin1Char('"');
        sel << QStringLiteral("x.\"") + n + QLatin1Char('"');
    }
    return run(session, QStringLiteral("insert into %1 (%2) select %3 from %4")
                            .arg(table_, cols.join(QStringLiteral(", ")), sel.join(QStringLiteral(", ")),
                                 recordsetClause()));
}

bool RowBatch::update(DbSession& session, int keyColumns) const
{
    if (rows_.isEmpty())
        return true;
    QStringList sets;
    QStringList keys;
    const QStringList n = names();
    for (int i = 0; i < n.size(); ++i) {
        const QString& name = n.at(i);
        const QString pair = QStringLiteral("\"%1\" = x.\"%1\"").arg(name);
        if (i < keyColumns)
            keys << QStringLiteral("t.") + pair;
        else
            sets << pair;
    }
    return run(session, QStringLiteral("update %1 t set %2 from %3 where %4")
                            .arg(table_, sets.join(QStringLiteral(", ")), recordsetClause(),
                                 keys.join(QStringLiteral(" and "))));
}

} // namespace vonu
