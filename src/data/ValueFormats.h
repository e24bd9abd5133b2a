#pragma once
// Text formats of the values the program writes into order files, and their
// readers. Pure functions: no documents, no screen.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>

namespace vonu {

// ---- Sent stamp (`OrderVerzenddatum`)
// "dd-mm-yyyy hh:mm:ss" with every non-figure replaced by "_", plus "*" for
// a request for quotation. At exactly midnight the time part is left out
// (files written by earlier versions look like that, and readers expect it).
QString sentStamp(const QDateTime& moment, bool quotation);
// For the label `Verzonden`: the first and second "_" become "-", the third
// a blank, every later one ":".
QString sentStampDisplay(const QString& stamp);

// ---- `OrderregelArtikel`
constexpr int kEanArticleWidth = 20;
// With an EAN code: the trimmed article padded with blanks (or cut) to 20
// characters, then the trimmed EAN code; without one the trimmed article.
QString formatOrderregelArtikel(const QString& article, const QString& ean);
struct ArticleAndEan {
    QString article;
    QString ean;
};
// Splits at character 21 only when what follows the first 20 characters is
// an EAN code (figures only). A customer article text ("NUMBER *" padded to
// 30, then the catalog code) whose 21st character is not a blank stays
// whole instead of losing its catalog code.
ArticleAndEan splitOrderregelArtikel(const QString& stored);

// ---- `OrderregelStatus`: twelve "1"/"0", flag 1 first.
using LineFlags = std::array<bool, 12>;
QString formatOrderregelStatus(const LineFlags& flags);
// Each flag is set when its character is "1"; short texts leave the rest clear.
LineFlags parseOrderregelStatus(const QString& text);

// ---- Sub-article and operation rows (attribute `Artikel`)
constexpr int kRowFields = 28;
// From the 28 row fields (trimmed here; missing fields count as empty):
// field 28 "*" -> all 28 joined by ","; fields 2-6 all empty -> field 1;
// otherwise fields 1-6 joined by ",". Empty when field 1 is empty: such a
// row is not written.
QString formatRowText(const QStringList& fields);
// The 28 fields of a stored row: no comma -> field 1; ending in "*" ->
// fields 1-27 up to the first 27 commas and field 28 the rest; otherwise
// fields 1-5 up to the first five commas and field 6 the rest.
QStringList parseRowText(const QString& stored);

// ---- `OrderregelDetailMaat`
constexpr int kDetailSlots = 6;
// The size alone when the six further further are all empty, else the size
// and the six further joined by "," (seven values).
QString formatDetailMaat(const QString& size, const QStringList& further);
struct DetailSize {
    QString size;
    QStringList further;  // the six further slots, always six entries
};
// With a comma: the seven comma-separated values (missing ones empty, the
// seventh slot keeps any further commas); without: the whole text is the size.
DetailSize parseDetailMaat(const QString& stored);

// ---- `OrderNotitie`
// Customer mode: the trimmed notes. Order desk: "[Notitie]" + notes + "[OB]"
// + remark when the order came from a customer file, else the trimmed
// remark alone. An empty result means the element is not written.
QString formatOrderNotitie(bool orderDesk, bool fromCustomerFile, const QString& notes, const QString& remark);
struct NotesAndRemark {
    bool markers = false;  // the text held both "[Notitie]" and "[OB]"
    QString notes;
    QString remark;
};
// With both markers: notes between "[Notitie]" and the first "[OB]" after
// it, remark after that "[OB]". Otherwise the whole text is the notes.
NotesAndRemark parseOrderNotitie(const QString& stored);

} // namespace vonu
