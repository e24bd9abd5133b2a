#include "reports/Code128.h"

namespace vonu::code128 {
namespace {

// Bar and space widths of values 0..106 (106 = stop, seven elements).
const char* const kPatterns[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232", "2331112",
};

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool inA(ushort c) { return c < 96; }
bool inB(ushort c) { return c >= 32 && c < 128; }
int valueA(ushort c) { return c >= 32 ? c - 32 : c + 64; }
int valueB(ushort c) { return c - 32; }

int digitRun(const QString& text, qsizetype from)
{
    qsizetype i = from;
    while (i < text.size() && isDigit(text.at(i)))
        ++i;
    return int(i - from);
}

// A or B for the next character that needs one of them: A when a control
// character comes before any lower-case character.
CodeSet letterSetFor(const QString& text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        const ushort c = text.at(i).unicode();
        if (c < 32)
            return CodeSet::A;
        if (c >= 96)
            return CodeSet::B;
    }
    return CodeSet::B;
}

Symbol finish(QVector<int> values)
{
    values << checkValue(values) << kStop;
    return Symbol{values, {}};
}

} // namespace

int checkValue(const QVector<int>& startAndData)
{
    if (startAndData.isEmpty())
        return 0;
    long sum = startAndData.front();
    for (qsizetype i = 1; i < startAndData.size(); ++i)
        sum += long(i) * startAndData.at(i);
    return int(sum % 103);
}

Symbol encode(const QString& text, CodeSet set)
{
    if (text.isEmpty())
        return Symbol{{}, QStringLiteral("Lege barcodetekst")};
    for (QChar c : text) {
        if (c.unicode() > 127)
            return Symbol{{}, QStringLiteral("Teken '%1' kan niet in Code 128").arg(c)};
    }

    QVector<int> values;
    if (set == CodeSet::C) {
        if (text.size() % 2 != 0 || digitRun(text, 0) != text.size())
            return Symbol{{}, QStringLiteral("Code 128 C vraagt een even aantal cijfers")};
        values << kStartC;
        for (qsizetype i = 0; i < text.size(); i += 2)
            values << text.mid(i, 2).toInt();
        return finish(values);
    }
    if (set == CodeSet::A || set == CodeSet::B) {
        values << (set == CodeSet::A ? kStartA : kStartB);
        for (QChar ch : text) {
            const ushort c = ch.unicode();
            if (set == CodeSet::A ? !inA(c) : !inB(c))
                return Symbol{{}, QStringLiteral("Teken '%1' zit niet in code set %2")
                                      .arg(ch)
                                      .arg(set == CodeSet::A ? 'A' : 'B')};
            values << (set == CodeSet::A ? valueA(c) : valueB(c));
        }
        return finish(values);
    }

    // Automatic: digits in pairs where that saves symbols.
    qsizetype i = 0;
    CodeSet current;
    const int leading = digitRun(text, 0);
    if (leading == text.size() && leading >= 2 && leading % 2 == 0) {
        current = CodeSet::C;
    } else if (leading >= 4) {
        current = CodeSet::C;
    } else {
        current = letterSetFor(text, 0);
    }
    values << (current == CodeSet::C ? kStartC : current == CodeSet::A ? kStartA : kStartB);

    while (i < text.size()) {
        if (current == CodeSet::C) {
            if (digitRun(text, i) >= 2) {
                values << text.mid(i, 2).toInt();
                i += 2;
                continue;
            }
            current = letterSetFor(text, i);
            values << (current == CodeSet::A ? kCodeA : kCodeB);
            continue;
        }
        const int run = digitRun(text, i);
        if ((run >= 4 && i + run == text.size()) || run >= 6) {
            if (run % 2 != 0) {
                values << valueB(text.at(i).unicode());   // digits have the same value in A and B
                ++i;
            }
            values << kCodeC;
            current = CodeSet::C;
            continue;
        }
        const ushort c = text.at(i).unicode();
        if (current == CodeSet::B && !inB(c)) {
            current = CodeSet::A;
            values << kCodeA;
        } else if (current == CodeSet::A && !inA(c)) {
            current = CodeSet::B;
            values << kCodeB;
        }
        values << (current == CodeSet::A ? valueA(c) : valueB(c));
        ++i;
    }
    return finish(values);
}

QVector<int> moduleWidths(const Symbol& symbol)
{
    QVector<int> widths;
    if (!symbol.ok())
        return widths;
    for (int v : symbol.values) {
        for (const char* p = kPatterns[v]; *p; ++p)
            widths << (*p - '0');
    }
    return widths;
}

QByteArray moduleBits(const Symbol& symbol)
{
    QByteArray bits;
    bool bar = true;
    for (int w : moduleWidths(symbol)) {
        bits += QByteArray(w, bar ? '1' : '0');
        bar = !bar;
    }
    return bits;
}

int totalModules(const Symbol& symbol)
{
    int n = 0;
    for (int w : moduleWidths(symbol))
        n += w;
    return n == 0 ? 0 : n + 2 * kQuietZone;
}

QByteArray fontText(const QString& text)
{
    QByteArray glyphs(1, char(202));
    QVector<int> values{kStartB};
    for (QChar ch : text) {
        const ushort c = ch.unicode();
        if (c < 32 || c > 126)
            return {};
        glyphs += c == ' ' ? char(192) : c == '\'' ? char(193) : char(c);
        values << valueB(c);
    }
    const int k = checkValue(values);
    char check;
    if (k == 0)
        check = char(192);
    else if (k == 7)
        check = char(193);
    else if (k == 64)
        check = char(194);
    else if (k == 102)
        check = char(134);
    else
        check = char(k < 95 ? k + 32 : k + 100);
    glyphs += check;
    glyphs += char(138);
    return glyphs;
}

} // namespace vonu::code128
