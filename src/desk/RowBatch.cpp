#include "desk/RowBatch.h"

#include "desk/DbSession.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace vonu {

namespace {

// One array element: NULL, or the value in double quotes with quotes and
// backslashes escaped, which array input reads back exactly (blanks,
// braces, commas and the word NULL included).
QString element(const QVariant& v)
{
    if (v.isNull())
        return QStringLiteral("NULL");
    QString text;
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Int:
    case QMetaType::LongLong:
        // Whole numbers as they are: a double would round keys past 2^53.
        return QString::number(v.toLongLong());
    case QMetaType::Double:
        return QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
    default:
        text = v.toString();
        break;
    }
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        out += c;
    }
    out += QLatin1Char('"');
    return out;
}

} // namespace

RowBatch::RowBatch(QString table, const QStringList& columns, Writing writing)
    : table_(std::move(table)), writing_(writing)
{
    for (const QString& c : columns) {
        names_ << c.section(QLatin1Char(' '), 0, 0).remove(QLatin1Char('"')).toLower();
        types_ << c.section(QLatin1Char(' '), 1);
    }
}

void RowBatch::add(const QVariantList& values)
{
    ++rows_;
    if (writing_ == Writing::Batched) {
        for (int i = 0; i < names_.size(); ++i)
            cells_.push_back(element(values.value(i)));
        return;
    }
    QJsonObject row;
    for (int i = 0; i < names_.size(); ++i) {
        const QVariant v = values.value(i);
        const QString& key = names_.at(i);
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
            row.insert(key, v.toLongLong());
            break;
        case QMetaType::Double:
            row.insert(key, v.toDouble());
            break;
        default:
            row.insert(key, v.toString());
            break;
        }
    }
    jsonRows_.append(row);
}

void RowBatch::clear()
{
    cells_.clear();
    jsonRows_ = QJsonArray();
    rows_ = 0;
}

QString RowBatch::column(int index) const
{
    const std::size_t n = std::size_t(names_.size());
    qsizetype length = 2;
    for (std::size_t i = std::size_t(index); i < cells_.size(); i += n)
        length += cells_[i].size() + 1;
    QString out;
    out.reserve(length);
    out += QLatin1Char('{');
    for (std::size_t i = std::size_t(index); i < cells_.size(); i += n) {
        if (i != std::size_t(index))
            out += QLatin1Char(',');
        out += cells_[i];
    }
    out += QLatin1Char('}');
    return out;
}

bool RowBatch::run(DbSession& session, const QString& sql) const
{
    if (writing_ == Writing::Batched) {
        QVariantList params;
        for (int c = 0; c < names_.size(); ++c)
            params << column(c);
        return session.exec(sql, params);
    }
    for (const QJsonValue& row : jsonRows_) {
        const QString one = QString::fromUtf8(QJsonDocument(QJsonArray{row}).toJson(QJsonDocument::Compact));
        if (!session.exec(sql, {one}))
            return false;
    }
    return true;
}

QString RowBatch::recordsetClause() const
{
    QStringList defs;
    for (int i = 0; i < names_.size(); ++i)
        defs << QLatin1Char('"') + names_.at(i) + QStringLiteral("\" ") + types_.at(i);
    return QStringLiteral("jsonb_to_recordset(?::jsonb) as x(%1)").arg(defs.join(QStringLiteral(", ")));
}

QString RowBatch::rowsClause() const
{
    if (writing_ == Writing::RowByRow)
        return recordsetClause();
    QStringList arrays;
    QStringList quoted;
    for (int i = 0; i < names_.size(); ++i) {
        arrays << QStringLiteral("?::") + types_.at(i) + QStringLiteral("[]");
        quoted << QLatin1Char('"') + names_.at(i) + QLatin1Char('"');
    }
    return QStringLiteral("unnest(%1) as x(%2)").arg(arrays.join(QStringLiteral(", ")), quoted.join(QStringLiteral(", ")));
}

bool RowBatch::insert(DbSession& session) const
{
    if (rows_ == 0)
        return true;
    QStringList cols;
    QStringList sel;
    for (const QString& n : names_) {
        cols << QLatin1Char('"') + n + QLatin1Char('"');
        sel << QStringLiteral("x.\"") + n + QLatin1Char('"');
    }
    return run(session, QStringLiteral("insert into %1 (%2) select %3 from %4")
                            .arg(table_, cols.join(QStringLiteral(", ")), sel.join(QStringLiteral(", ")), rowsClause()));
}

bool RowBatch::update(DbSession& session, int keyColumns) const
{
    if (rows_ == 0)
        return true;
    QStringList sets;
    QStringList keys;
    for (int i = 0; i < names_.size(); ++i) {
        const QString& name = names_.at(i);
        const QString pair = QStringLiteral("\"%1\" = x.\"%1\"").arg(name);
        if (i < keyColumns)
            keys << QStringLiteral("t.") + pair;
        else
            sets << pair;
    }
    return run(session, QStringLiteral("update %1 t set %2 from %3 where %4")
                            .arg(table_, sets.join(QStringLiteral(", ")), rowsClause(), keys.join(QStringLiteral(" and "))));
}

} // namespace vonu
