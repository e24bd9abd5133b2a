#pragma once
// Code 128 symbols: from a text to symbol values (start, data, check, stop)
// and from there to bar and space widths that a report draws as rectangles.

#include <QByteArray>
#include <QString>
#include <QVector>

namespace vonu::code128 {

enum class CodeSet { Auto, A, B, C };

// Special symbol values.
inline constexpr int kShift = 98;
inline constexpr int kCodeC = 99;
inline constexpr int kCodeB = 100;
inline constexpr int kCodeA = 101;
inline constexpr int kStartA = 103;
inline constexpr int kStartB = 104;
inline constexpr int kStartC = 105;
inline constexpr int kStop = 106;
inline constexpr int kQuietZone = 10;   // modules of white space each side

struct Symbol {
    QVector<int> values;   // start, data and code switches, check, stop
    QString error;         // why the text cannot be encoded; empty when it can
    bool ok() const { return error.isEmpty() && !values.isEmpty(); }
};

// Auto picks the start code and switches to code set C for runs of digits
// (four at the start or end, six in the middle) and to A for control
// characters. A forced set encodes every character in that set (C: an even
// number of digits only). Characters outside ASCII cannot be encoded.
Symbol encode(const QString& text, CodeSet set = CodeSet::Auto);

// Check value of the start and data values: (start + sum of i * value) mod 103.
int checkValue(const QVector<int>& startAndData);

// Widths in modules, bar first: six per symbol, seven for the stop. Empty
// for a symbol that failed.
QVector<int> moduleWidths(const Symbol& symbol);
// The modules as '1' (bar) and '0' (space), without quiet zones.
QByteArray moduleBits(const Symbol& symbol);
// Module count including both quiet zones.
int totalModules(const Symbol& symbol);

// The same symbol sequence as text for a Code 128 barcode font in the
// Windows Latin 1 code page (start B = 202, stop = 138, a blank = 192).
// Empty when the text holds a character outside code set B.
QByteArray fontText(const QString& text);

} // namespace vonu::code128
