#include "desk/SearchQueries.h"

#include "desk/DbConventions.h"
#include "desk/DbSession.h"

#include <QRegularExpression>

namespace vonu {

namespace {

QString str(const QSqlRecord& r, const QString& name)
{
    const QVariant v = r.value(name);
    return v.isNull() ? QString() : v.toString();
}

bool blank(const QString& s) { return s.trimmed().isEmpty(); }

const char* const kUnknown = "Zoekscherm \"%1\": de kolom of tabel \"%2\" bestaat niet in de orderdatabase.";
const char* const kBadOrder = "Zoekscherm \"%1\": ongeldige sortering \"%2\".";

// The rows as the grids show them: texts, dates as the desk writes them.
void takeRows(const DbRows& rows, SearchResultRows& result)
{
    result.rows.reserve(std::size_t(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        QStringList row;
        const QSqlRecord& rec = rows.rows.at(i);
        for (int c = 0; c < rec.count(); ++c) {
            const QVariant v = rec.value(c);
            row << (v.isNull() ? QString()
                    : v.typeId() == QMetaType::QDate ? v.toDate().toString(QStringLiteral("dd-MM-yyyy"))
                                                      : v.toString());
        }
        result.rows.push_back(std::move(row));
    }
}

} // namespace

SearchColumn SearchColumn::parse(const QString& name)
{
    const QString n = name.trimmed();
    const qsizetype dot = n.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return {QString(), n};
    return {n.left(dot), n.mid(dot + 1)};
}

std::optional<SearchDrillDown> SearchDrillDown::parse(const QString& searchInfo)
{
    const qsizetype comma = searchInfo.indexOf(QLatin1Char(','));
    if (comma < 0)
        return std::nullopt;
    SearchDrillDown d;
    d.caption = searchInfo.left(comma).trimmed();
    d.statement = searchInfo.mid(comma + 1).trimmed();
    // The settings are configuration, but what runs on a key press must be
    // one select that ends in a column compared with the bound value.
    static const QRegularExpression form(
        QStringLiteral(R"(^select\s[^;]*\swhere\s+("?[A-Za-z_][A-Za-z0-9_]*"?(\."?[A-Za-z_][A-Za-z0-9_]*"?)?)$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(d.statement);
    if (d.caption.isEmpty() || !m.hasMatch())
        return std::nullopt;
    d.column = SearchColumn::parse(m.captured(1).remove(QLatin1Char('"'))).column;
    return d;
}

SearchSettings SearchSettings::fromRecord(const QSqlRecord& r)
{
    SearchSettings s;
    s.title = str(r, QStringLiteral("Title")).trimmed();
    s.file = str(r, QStringLiteral("File")).trimmed();
    s.hasOwnRow = !r.value(QStringLiteral("Active")).isNull();
    s.windowState = r.value(QStringLiteral("WindowState")).toInt();
    s.top = r.value(QStringLiteral("Top")).toInt();
    s.left = r.value(QStringLiteral("left")).toInt();
    s.height = r.value(QStringLiteral("Height")).toInt();
    s.width = r.value(QStringLiteral("Width")).toInt();
    s.locate = str(r, QStringLiteral("FilterLocate")).trimmed() == QLatin1String("L");
    s.startsWith = str(r, QStringLiteral("StartContain")).trimmed() == QLatin1String("S");
    s.descending = str(r, QStringLiteral("SearchOrder")).trimmed() == QLatin1String("D");
    s.fromTop = str(r, QStringLiteral("SearchInitialisation")).trimmed() == QLatin1String("T");
    if (!r.value(QStringLiteral("SearchTop")).isNull())
        s.searchTop = r.value(QStringLiteral("SearchTop")).toInt();
    s.searchOrderField = str(r, QStringLiteral("SearchOrderField")).trimmed();
    s.searchOrderOrder = str(r, QStringLiteral("SearchOrderOrder")).trimmed();
    s.searchOrderOrderDesc = str(r, QStringLiteral("SearchOrderOrderDesc")).trimmed();
    s.searchAlpha = str(r, QStringLiteral("SearchAlpha")).trimmed();
    s.searchNumber = str(r, QStringLiteral("SearchNumber")).trimmed();
    s.searchResult = str(r, QStringLiteral("SearchResult")).trimmed();
    s.searchInfo = str(r, QStringLiteral("SearchInfo")).trimmed();
    s.showFile = str(r, QStringLiteral("ShowFile")).trimmed();
    s.showFindSource = str(r, QStringLiteral("ShowFindSource")).trimmed();
    s.showFindField = str(r, QStringLiteral("ShowFindField")).trimmed();
    s.showDescription = str(r, QStringLiteral("ShowDescription"));
    s.showDescriptionWidth = r.value(QStringLiteral("ShowDescriptionWidth")).toInt();
    for (int i = 0; i < 2; ++i) {
        s.showField[std::size_t(i)] = str(r, QStringLiteral("ShowField(%1)").arg(i)).trimmed();
        s.showFieldWidth[std::size_t(i)] = r.value(QStringLiteral("ShowFieldWidth(%1)").arg(i)).toInt();
    }
    for (int i = 0; i < 10; ++i) {
        const QString title = str(r, QStringLiteral("MenuTitle(%1)").arg(i));
        if (!blank(title))
            s.menu.emplace_back(title, str(r, QStringLiteral("MenuFilter(%1)").arg(i)));
    }
    for (int i = 0; i < 10; ++i) {
        const QString field = str(r, QStringLiteral("Field(%1)").arg(i)).trimmed();
        if (field.isEmpty())
            continue;
        SearchGridColumn c;
        c.field = field;
        c.title = str(r, QStringLiteral("Title(%1)").arg(i));
        c.width = r.value(QStringLiteral("Width(%1)").arg(i)).isNull() ? 80 : r.value(QStringLiteral("Width(%1)").arg(i)).toInt();
        c.number = !blank(str(r, QStringLiteral("Number(%1)").arg(i)));
        c.sort = r.value(QStringLiteral("Sort(%1)").arg(i)).toInt() != 0;
        s.columns.push_back(c);
    }
    return s;
}

SearchQueries::SearchQueries(DbSession& db) : db_(db) {}

std::optional<SearchSettings> SearchQueries::read(const QString& user, const QString& title)
{
    const DbRows rows = db_.call(QStringLiteral("APC_Leesscherm"),
                                 {{QStringLiteral("Gebruiker"), user}, {QStringLiteral("Scherm"), title},
                                  {QStringLiteral("Soort"), QStringLiteral("Z")}});
    if (!rows.found())
        return std::nullopt;
    SearchSettings s = SearchSettings::fromRecord(rows.rows.first());
    if (s.title.isEmpty())
        s.title = title;
    return s;
}

bool SearchQueries::exists(const QString& table, const QString& column)
{
    const QString key = (column.isEmpty() ? table : table + QLatin1Char('.') + column).toLower();
    if (known_.count(key))
        return true;
    if (unknown_.count(key))
        return false;
    const DbRows rows = column.isEmpty()
        ? db_.select(QStringLiteral("select 1 as x from information_schema.tables where table_schema = "
                                    "current_schema() and table_name = ?"),
                     {table.toLower()})
        : db_.select(QStringLiteral("select 1 as x from information_schema.columns where table_schema = "
                                    "current_schema() and table_name = ? and column_name = ?"),
                     {table.toLower(), column.toLower()});
    const bool found = rows.found();
    (found ? known_ : unknown_).insert(key);
    return found;
}

QString SearchQueries::reference(const SearchColumn& c, const QString& file, QString* error)
{
    const QString table = c.table.isEmpty() ? file : c.table;
    if (c.column.isEmpty() || !exists(table, c.column)) {
        if (error)
            *error = c.full().isEmpty() ? table : c.full();
        return {};
    }
    return sqlIdentifier(table) + QLatin1Char('.') + sqlIdentifier(c.column);
}

QString SearchQueries::likePattern(const QString& typed, bool startsWith)
{
    QString p;
    for (const QChar ch : typed) {
        if (ch == QLatin1Char('%') || ch == QLatin1Char('_') || ch == QLatin1Char('\\'))
            p += QLatin1Char('\\');
        p += ch;
    }
    return (startsWith ? QString() : QStringLiteral("%")) + p + QLatin1Char('%');
}

SearchResultRows SearchQueries::run(const SearchSettings& s, const SearchRequest& request)
{
    SearchResultRows result;
    QString bad;
    if (!exists(s.file)) {
        result.error = QString::fromUtf8(kUnknown).arg(s.title, s.file);
        return result;
    }
    QStringList refs;
    auto add = [&](const QString& name) {
        const QString ref = reference(SearchColumn::parse(name), s.file, &bad);
        if (ref.isEmpty())
            return false;
        refs << ref;
        result.columns << SearchColumn::parse(name).column;
        return true;
    };
    for (const QString& part : s.searchResult.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!add(part))
            break;
    if (bad.isEmpty() && !s.showFindSource.isEmpty())
        add(s.showFindSource);
    for (const SearchGridColumn& c : s.columns)
        if (bad.isEmpty())
            add(c.field);
    const SearchColumn field = SearchColumn::parse(request.field);
    const QString searchRef = bad.isEmpty() ? reference(field, s.file, &bad) : QString();
    if (!bad.isEmpty()) {
        result.error = QString::fromUtf8(kUnknown).arg(s.title, bad);
        return result;
    }

    // Keys stored right-aligned ("  4711") are found by what is typed.
    const QString alignKey = s.file + QLatin1Char('|') + field.full();
    auto known = rightAligned_.find(alignKey);
    if (known == rightAligned_.end()) {
        const DbRows probe = db_.select(QStringLiteral("select %1 as v from %2 where %1 is not null order by %1 limit 1")
                                            .arg(searchRef, sqlIdentifier(field.table.isEmpty() ? s.file : field.table)));
        const QString v = probe.text(QStringLiteral("v"));
        known = rightAligned_.emplace(alignKey, !v.isEmpty() && v.at(0) == QLatin1Char(' ')).first;
    }
    const bool rightAligned = known->second;

    QStringList where;
    QVariantList params;
    if (!blank(request.filter.sql)) {
        where << QLatin1Char('(') + request.filter.sql.trimmed() + QLatin1Char(')');
        params += request.filter.params;
    }
    if (!blank(request.menuFilter))
        where << QLatin1Char('(') + request.menuFilter.trimmed() + QLatin1Char(')');
    if (!request.locate && !request.text.isEmpty()) {
        const QString value = QStringLiteral("cast(%1 as text)").arg(searchRef);
        where << (rightAligned ? QStringLiteral("ltrim(%1)").arg(value) : value) +
                     QStringLiteral(" ilike ? escape '\\'");
        params << likePattern(request.text, request.startsWith);
    }
    QString order;
    if (!s.searchOrderField.isEmpty() &&
        SearchColumn::parse(s.searchOrderField).full().compare(field.full(), Qt::CaseInsensitive) == 0 &&
        !blank(request.descending ? s.searchOrderOrderDesc : s.searchOrderOrder)) {
        // A configured order: every name in it must be a known column.
        QStringList parts;
        for (const QString& item : (request.descending ? s.searchOrderOrderDesc : s.searchOrderOrder)
                                       .split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QStringList words = item.simplified().split(QLatin1Char(' '));
            const QString dir = words.size() > 1 ? words.at(1).toLower() : QString();
            const QString ref = reference(SearchColumn::parse(words.value(0)), s.file, &bad);
            if (ref.isEmpty() || words.size() > 2 || !(dir.isEmpty() || dir == QLatin1String("asc") ||
                                                       dir == QLatin1String("desc"))) {
                result.error = QString::fromUtf8(kBadOrder).arg(s.title, item);
                return result;
            }
            parts << (dir.isEmpty() ? ref : ref + QLatin1Char(' ') + dir);
        }
        order = parts.join(QStringLiteral(", "));
    } else {
        order = searchRef + (request.descending ? QStringLiteral(" desc") : QString());
    }
    QString sql = QStringLiteral("select %1 from %2").arg(refs.join(QStringLiteral(", ")), sqlIdentifier(s.file));
    if (!blank(request.join))
        sql += QLatin1Char(' ') + request.join.trimmed();
    if (!where.isEmpty())
        sql += QStringLiteral(" where ") + where.join(QStringLiteral(" and "));
    sql += QStringLiteral(" order by ") + order + QStringLiteral(" limit ?");
    params << std::max(1, request.top);
    result.statement = sql;

    const DbRows rows = db_.select(sql, params);
    if (!rows)
        return result;
    result.ok = true;
    takeRows(rows, result);
    const int searchColumn = int(result.columns.indexOf(field.column));
    QString wanted = request.text;
    if (request.locate && rightAligned && !rows.rows.isEmpty() && searchColumn >= 0) {
        const int length = int(rows.rows.first().value(searchColumn).toString().size());
        while (wanted.size() < length)
            wanted.prepend(QLatin1Char(' '));
    }
    if (request.locate && !request.text.isEmpty() && searchColumn >= 0)
        for (int i = 0; i < int(result.rows.size()); ++i)
            if (result.rows[std::size_t(i)].value(searchColumn).startsWith(wanted, Qt::CaseInsensitive)) {
                result.located = i;
                break;
            }
    return result;
}

std::optional<std::pair<QString, QString>> SearchQueries::stripTexts(const SearchSettings& s, const QString& value,
                                                                     QString* error)
{
    if (s.showFile.isEmpty() || s.showFindField.isEmpty())
        return std::nullopt;
    QStringList names = {s.showFindField};
    for (const QString& f : s.showField)
        if (!f.isEmpty())
            names << f;
    for (const QString& name : names)
        if (!exists(s.showFile, SearchColumn::parse(name).column)) {
            if (error)
                *error = QString::fromUtf8(kUnknown).arg(s.title, s.showFile + QLatin1Char('.') + name);
            return std::nullopt;
        }
    auto ref = [](const QString& name) {
        return name.isEmpty() ? QStringLiteral("null") : sqlIdentifier(SearchColumn::parse(name).column);
    };
    const DbRows rows = db_.select(QStringLiteral("select cast(%1 as text) as t0, cast(%2 as text) as t1 from %3 "
                                                  "where cast(%4 as text) = ? limit 1")
                                       .arg(ref(s.showField[0]), ref(s.showField[1]), sqlIdentifier(s.showFile),
                                            ref(s.showFindField)),
                                   {value});
    if (!rows.found())
        return std::nullopt;
    return std::make_pair(rows.text(QStringLiteral("t0")), rows.text(QStringLiteral("t1")));
}

SearchResultRows SearchQueries::drillDown(const SearchDrillDown& drill, const QString& value)
{
    SearchResultRows result;
    result.statement = drill.statement + QStringLiteral(" = ?");
    const DbRows rows = db_.select(result.statement, {value});
    if (!rows)
        return result;
    result.ok = true;
    if (!rows.rows.isEmpty())
        for (int c = 0; c < rows.rows.first().count(); ++c)
            result.columns << rows.rows.first().fieldName(c);
    takeRows(rows, result);
    return result;
}

bool SearchQueries::save(const QString& user, const SearchSettings& s)
{
    const DbRows own = db_.call(QStringLiteral("APC_Leesscherm"),
                                {{QStringLiteral("Gebruiker"), user}, {QStringLiteral("Scherm"), s.title},
                                 {QStringLiteral("Soort"), QStringLiteral("Z")}});
    if (!own)
        return false;
    if (own.found() && own.value(QStringLiteral("Active")).isNull()) {
        // The user's own row starts as a copy of the default row, so every
        // setting the screen does not write stays as configured.
        const DbRows cols = db_.select(QStringLiteral(
            "select column_name from information_schema.columns where table_schema = current_schema() "
            "and table_name = 'apc_scherm' and column_name not in ('id', 'user', 'title', 'type') "
            "order by ordinal_position"));
        if (!cols)
            return false;
        QStringList names;
        for (int i = 0; i < cols.size(); ++i)
            names << sqlIdentifier(cols.text(QStringLiteral("column_name"), i));
        const QString list = names.join(QStringLiteral(", "));
        int inserted = 0;
        if (!db_.exec(QStringLiteral("insert into APC_Scherm (\"user\", Title, Type, %1) select ?, Title, Type, %1 "
                                     "from APC_Scherm where \"user\" is null and Title = ? and Type = 'Z' "
                                     "on conflict do nothing").arg(list),
                      {user, s.title}, &inserted))
            return false;
        if (inserted == 0 &&
            !db_.exec(QStringLiteral("insert into APC_Scherm (\"user\", Title, Type) values (?, ?, 'Z') "
                                     "on conflict do nothing"),
                      {user, s.title}))
            return false;
    }
    QStringList sets;
    QVariantList params;
    auto set = [&](const QString& column, const QVariant& value) {
        sets << sqlIdentifier(column) + QStringLiteral(" = ?");
        params << value;
    };
    set(QStringLiteral("WindowState"), s.windowState);
    if (s.windowState == 0) {
        set(QStringLiteral("Top"), s.top);
        set(QStringLiteral("left"), s.left);
        set(QStringLiteral("Height"), s.height);
        set(QStringLiteral("Width"), s.width);
    }
    set(QStringLiteral("FilterLocate"), s.locate ? QStringLiteral("L") : QStringLiteral("F"));
    set(QStringLiteral("StartContain"), s.startsWith ? QStringLiteral("S") : QStringLiteral("C"));
    set(QStringLiteral("SearchOrder"), s.descending ? QStringLiteral("D") : QStringLiteral("A"));
    set(QStringLiteral("SearchInitialisation"), s.fromTop ? QStringLiteral("T") : QStringLiteral("S"));
    set(QStringLiteral("SearchTop"), s.searchTop ? QVariant(*s.searchTop) : QVariant(QMetaType(QMetaType::Int)));
    for (std::size_t n = 0; n < s.columns.size() && n < 10; ++n) {
        const SearchGridColumn& c = s.columns[n];
        set(QStringLiteral("Field(%1)").arg(n), s.file + QLatin1Char('.') + SearchColumn::parse(c.field).column);
        set(QStringLiteral("Title(%1)").arg(n), c.title);
        set(QStringLiteral("Width(%1)").arg(n), c.width);
        set(QStringLiteral("Number(%1)").arg(n), c.number ? QVariant(QStringLiteral("0")) : QVariant(QMetaType(QMetaType::QString)));
        set(QStringLiteral("Sort(%1)").arg(n), c.sort ? 1 : 0);
    }
    sets << QStringLiteral("Active = null");
    params << user << s.title;
    return db_.exec(QStringLiteral("update APC_Scherm set %1 where \"user\" = ? and Title = ? and Type = 'Z'")
                        .arg(sets.join(QStringLiteral(", "))),
                    params);
}

QStringList SearchQueries::defaultTitles()
{
    const DbRows rows = db_.select(QStringLiteral("select Title from APC_Scherm where \"user\" is null and "
                                                  "Type = 'Z' order by Title limit 24"));
    QStringList titles;
    for (int i = 0; i < rows.size(); ++i)
        titles << rows.text(QStringLiteral("Title"), i);
    return titles;
}

bool SearchQueries::restore(const QString& user, const QString& title)
{
    return db_.exec(QStringLiteral("delete from APC_Scherm where \"user\" = ? and Title = ? and Type = 'Z'"),
                    {user, title});
}

} // namespace vonu
