#pragma once
// The statements of the generic search screen: its settings row per user
// and title (APC_Scherm through APC_Leesscherm), the search itself and the
// saving of the user's settings. The settings rows are configuration, but
// every table and column name taken from them is checked against the
// database catalog before it reaches a statement, and every value the user
// types is a bound parameter.

#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace vonu {

class DbSession;

// A column name of a settings row: "table.column" or "column".
struct SearchColumn {
    QString table;
    QString column;
    static SearchColumn parse(const QString& name);
    QString full() const { return table.isEmpty() ? column : table + QLatin1Char('.') + column; }
};

struct SearchGridColumn {
    QString field;   // as stored
    QString title;
    int width = 80;
    bool number = false;   // right-aligned
    bool sort = false;
};

// An SQL condition and its bound values (a caller's filter, a menu filter).
struct SearchCondition {
    QString sql;
    QVariantList params;
};

struct SearchSettings {
    QString title;
    QString file;
    bool hasOwnRow = false;   // Active not null
    int windowState = 0;
    int top = 0, left = 0, height = 0, width = 0;
    bool locate = false;          // "Positie" instead of "Filter"
    bool startsWith = true;       // "Voorin" instead of "Bevat"
    bool descending = false;
    bool fromTop = false;         // "Vooraan": the caller's value is ignored
    std::optional<int> searchTop;
    QString searchOrderField, searchOrderOrder, searchOrderOrderDesc;
    QString searchAlpha, searchNumber, searchResult, searchInfo;
    QString showFile, showFindSource, showFindField;
    // The information strip under the grid: a label and two texts of the
    // row of `showFile` that belongs to the current row.
    QString showDescription;
    int showDescriptionWidth = 0;
    std::array<QString, 2> showField;
    std::array<int, 2> showFieldWidth{};
    std::vector<std::pair<QString, QString>> menu;   // title, filter (blank titles skipped)
    std::vector<SearchGridColumn> columns;           // blank fields skipped

    static SearchSettings fromRecord(const QSqlRecord& record);
};

// The F5 drill-down of a settings row: "caption, select ... where column";
// the rows of the statement for the current row's value of that column.
struct SearchDrillDown {
    QString caption;
    QString statement;   // the select up to and including the column
    QString column;
    // Nullopt when the text is blank or not of that form (a select ending in
    // "where" and a column name, one statement).
    static std::optional<SearchDrillDown> parse(const QString& searchInfo);
};

// One search as the screen asks it.
struct SearchRequest {
    QString text;          // typed, trimmed
    QString field;         // search field, table.column
    bool locate = false;
    bool startsWith = true;
    bool descending = false;
    int top = 1000;
    SearchCondition filter;       // the caller's
    QString join;                 // the caller's join line
    QString menuFilter;           // the chosen menu entry's condition
};

struct SearchResultRows {
    bool ok = false;
    QString error;               // why the search was not run
    QStringList columns;         // result column names, select order
    std::vector<QStringList> rows;
    int located = -1;            // Positie: the row found, -1 when none
    QString statement;           // for the Query view
};

class SearchQueries {
public:
    explicit SearchQueries(DbSession& db);

    // The settings of `title` for `user`: the user's own row or the default.
    std::optional<SearchSettings> read(const QString& user, const QString& title);
    // Runs a search with the settings' file and columns.
    SearchResultRows run(const SearchSettings& settings, const SearchRequest& request);
    // Writes the user's settings: the user's row is made from the default
    // row the first time, then updated.
    bool save(const QString& user, const SearchSettings& settings);
    // The strip's two texts for the current row's value of `showFindSource`;
    // nullopt when no row of `showFile` matches (or *error names an unknown
    // table or column).
    std::optional<std::pair<QString, QString>> stripTexts(const SearchSettings& settings, const QString& value,
                                                          QString* error);
    // The drill-down's rows for `value` (bound, never pasted in).
    SearchResultRows drillDown(const SearchDrillDown& drill, const QString& value);
    // Titles of the default rows (the screens a user can restore).
    QStringList defaultTitles();
    // Removes the user's own row of `title`.
    bool restore(const QString& user, const QString& title);

    // True when the catalog knows `table` (a table or view), and `column` in
    // it when given.
    bool exists(const QString& table, const QString& column = {});
    // The select-list reference of a settings column, or empty with *error
    // when the catalog does not know it.
    QString reference(const SearchColumn& c, const QString& file, QString* error);
    // The typed text as a LIKE pattern that matches itself: % _ \ escaped.
    static QString likePattern(const QString& typed, bool startsWith);

private:
    DbSession& db_;
    std::set<QString> known_;     // "table" and "table.column", lower case
    std::set<QString> unknown_;
    std::map<QString, bool> rightAligned_;   // per file and search field
};

} // namespace vonu
