#pragma once
// Rows of one table written in one statement. Storing an order writes
// thousands of rows; one round trip each would make a large order take
// seconds. The rows travel as one bound JSON parameter that the server
// unpacks with jsonb_to_recordset, so no value ever becomes statement text.

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace vonu {

class DbSession;

// How the rows of a store travel: together, or one statement per row (the
// way a store was written before; kept as the measure a benchmark compares
// with).
enum class Writing { Batched, RowByRow };

class RowBatch {
public:
    // columns: "name type" pairs in PostgreSQL form, e.g. "regel varchar".
    RowBatch(QString table, QStringList columns, Writing writing = Writing::Batched);

    // One value per column, in column order. Null QVariants become null;
    // numbers and booleans keep their type; everything else is text.
    void add(const QVariantList& values);
    int size() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.isEmpty(); }
    void clear() { rows_ = QJsonArray(); }

    // insert into <table> (cols) select cols from the rows; false when the
    // statement failed (shown by the session). Empty batches do nothing.
    bool insert(DbSession& session) const;
    // update <table> t set <set columns> from the rows where <key columns>
    // match; the first `keyColumns` columns are the key.
    bool update(DbSession& session, int keyColumns) const;

    // The JSON text of the rows (the statement's one parameter).
    QString json() const;

private:
    QString recordsetClause() const;
    QStringList names() const;
    bool run(DbSession& session, const QString& sql) const;

    QString table_;
    QStringList columns_;
    QJsonArray rows_;
    Writing writing_;
};

} // namespace vonu
