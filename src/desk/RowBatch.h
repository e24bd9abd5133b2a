#pragma once
// Rows of one table written in one statement. Storing an order writes
// thousands of rows; one round trip each would make a large order take
// seconds. Each column travels as one bound parameter, an array in
// PostgreSQL's array syntax that the server unpacks with unnest, so no
// value ever becomes statement text. (One JSON document of all rows was
// four times the size, and the server spent longer parsing it than
// writing the rows.) Row by row, each row goes as a one-row JSON
// document, the statements the benchmark has always compared with.

#include <QJsonArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace vonu {

class DbSession;

// How the rows of a store travel: together, or one statement per row (the
// way a store was written before; kept as the measure a benchmark compares
// with).
enum class Writing { Batched, RowByRow };

class RowBatch {
public:
    // columns: "name type" pairs in PostgreSQL form, e.g. "regel varchar".
    RowBatch(QString table, const QStringList& columns, Writing writing = Writing::Batched);

    // One value per column, in column order. Null QVariants become null;
    // numbers and booleans are written as such; everything else is text.
    void add(const QVariantList& values);
    int size() const { return rows_; }
    bool isEmpty() const { return rows_ == 0; }
    void clear();

    // insert into <table> (cols) select cols from the rows; false when the
    // statement failed (shown by the session). Empty batches do nothing.
    bool insert(DbSession& session) const;
    // update <table> t set <set columns> from the rows where <key columns>
    // match; the first `keyColumns` columns are the key.
    bool update(DbSession& session, int keyColumns) const;

    // The array text of one column over all rows (a parameter of the
    // batched statement).
    QString column(int index) const;

private:
    QString rowsClause() const;
    QString recordsetClause() const;
    bool run(DbSession& session, const QString& sql) const;

    QString table_;
    QStringList names_;
    QStringList types_;
    std::vector<QString> cells_;   // batched: row by row, each an array element
    QJsonArray jsonRows_;          // row by row: one JSON object per row
    int rows_ = 0;
    Writing writing_;
};

} // namespace vonu
