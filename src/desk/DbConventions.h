#pragma once
// Conventions shared by every statement on the order database: blank-padded
// keys, the session user name, the escape that typed texts get, and quoted
// identifiers for names built at run time.

#include <QString>

namespace vonu {

// Right-aligns text in width characters: the last width characters of width
// blanks followed by text. A shorter text gets leading blanks ("12", 8 ->
// "      12"); a longer one loses its leading characters ("123456789", 8 ->
// "23456789"). Order keys use width 8, debtor numbers 6, line numbers 4.
QString padLeft(const QString& text, int width);
inline QString orderKey(const QString& number) { return padLeft(number.trimmed(), 8); }
inline QString debtorKey(const QString& number) { return padLeft(number.trimmed(), 6); }
inline QString lineKey(int line) { return padLeft(QString::number(line), 4); }

// The escape for a text placed between apostrophes in a statement: every
// apostrophe doubled, then every double quote replaced by two apostrophes.
QString sqlEscape(const QString& text);
// What reaches the database when a statement applies the escape above:
// apostrophes unchanged, each double quote turned into an apostrophe. Bind
// this value where a statement of the order desk escapes a typed text.
QString sqlEscapedValue(const QString& text);

// The name under which this workstation is known in the database: the last
// folder name of the working folder (everything up to and including the last
// "\" or "/" removed, after trimming), at most 30 characters. A drive root
// gives an empty name.
QString sessionUserName(const QString& workingFolder);

// A name built at run time (a table or column of a search screen, a
// per-user scratch table) as a quoted identifier: lower-cased, because the
// schema's names are stored in lower case, and double-quoted with embedded
// quotes doubled, so no text of the name can leave the identifier.
// "Debiteur" -> "debiteur"; a "table.column" pair is quoted per part.
QString sqlIdentifier(const QString& name);
QString sqlQualifiedIdentifier(const QString& tableDotColumn);

// A name returned by the database (a scratch table) as a quoted identifier,
// its case kept.
QString sqlQuotedName(const QString& name);

// The scratch table TijdelijkeTabel creates for a user: tmp_<user>_<table>,
// the user as written and the table in lower case, or "tmp_" and an md5 of
// both when that would be longer than an identifier may be.
QString scratchTableName(const QString& user, const QString& table);

} // namespace vonu
