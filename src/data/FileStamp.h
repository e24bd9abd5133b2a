#pragma once
// The catalog's integrity stamp and file dates.
//
// `BestandVersie` holds the catalog file's last-write time as a packed DOS
// date-time (date in the high 16 bits: years since 1980 << 9 | month << 5 |
// day; time in the low 16 bits: hours << 11 | minutes << 5 | seconds / 2),
// written as a signed 32-bit decimal. A catalog passes when that number and
// the packed local modification time of the file differ by less than 4097
// (about two hours of the time part, so a change of summer time or a copy
// across time zones still passes).

#include <QDateTime>
#include <QString>
#include <optional>

namespace vonu {

// Packed DOS date-time of a local date-time, as a signed 32-bit value.
// Years before 1980 pack as 1 January 1980 00:00.
qint32 packDosDateTime(const QDateTime& local);
// The inverse (2-second resolution); invalid when the fields are out of range.
QDateTime unpackDosDateTime(qint32 packed);

// The integer of a `BestandVersie` text (blanks around it allowed); nothing
// when it is not a whole number in the 32-bit range. Values above the signed
// range are read as the unsigned packed value they are.
std::optional<qint32> parseBestandVersie(const QString& text);

constexpr int kStampTolerance = 4097;
bool stampMatchesFileTime(qint32 stamp, qint32 fileStamp);

// Customer mode: catalogs from before 8 September 2006 are outdated.
bool isOutdatedCatalog(const QDate& fileDate);

// The file's last-modified time in local time (invalid when missing).
QDateTime fileModifiedLocal(const QString& path);

// "dd-mm-yyyy".
QString panelDate(const QDate& date);
// Status panel 2 ("Sleutel " + date) and panel 3 ("Assortiment " + date).
QString sleutelPanelText(const QDate& date);
QString assortimentPanelText(const QDate& date);

} // namespace vonu
