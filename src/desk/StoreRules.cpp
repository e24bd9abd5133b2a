#include "desk/StoreRules.h"

#include "order/OrderValues.h"

#include <QLocale>

#include <cmath>

namespace vonu {

double roundHalfEven(double x)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; do it by hand so no mode can interfere.
    const double f = std::floor(x);
    const double diff = x - f;
    if (diff > 0.5)
        return f + 1;
    if (diff < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

double round1(double x)
{
    return roundHalfEven((x + 0.04999) * 10) / 10;
}

std::optional<double> parseDecimal(const QString& text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString decimalText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString s = QString::number(value, 'f', 6);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

LineArticle splitLineArticle(const QString& text)
{
    const QString art = text.trimmed();
    if (art.size() <= 20)
        return {art, {}};
    if (art.at(20) != QLatin1Char(' '))
        return {art.left(20).trimmed(), art.mid(20, 13).trimmed()};
    return {art.mid(30, 16).trimmed(), {}};
}

QString sizeFigures(const QString& maat)
{
    static const QString keep = QStringLiteral("01234567890,");
    QString m = maat;
    while (!m.isEmpty() && !keep.contains(m.back()))
        m.chop(1);
    return m;
}

std::optional<LineQuantity> lineQuantity(const QString& aantal, const QString& maat, bool flag11, bool flag3,
                                         bool metreByLength)
{
    LineQuantity q;
    if (flag11) {
        const qsizetype slash = aantal.indexOf(QLatin1Char('/'));
        const auto p = parseDecimal(aantal.left(slash < 0 ? aantal.size() : slash));
        const auto o = slash < 0 ? p : parseDecimal(aantal.mid(slash + 1));
        if (!p || !o)
            return std::nullopt;
        q.p = *p;
        q.o = *o;
        return q;
    }
    const auto p = parseDecimal(aantal);
    if (!p)
        return std::nullopt;
    q.p = q.o = *p;
    if (!flag3)
        return q;
    const auto m = parseDecimal(sizeFigures(maat));
    if (!m)
        return std::nullopt;
    q.m = *m;
    if (metreByLength)
        q.o = round1(q.p * q.m);
    else
        q.o = q.m > 1000 ? round1(q.m / 1000) * q.p : q.p;
    return q;
}

double correctedSize(double entered, bool correctie, double maatcorrectie, double subCorrectie, bool* corrected)
{
    double q = entered;
    bool flag = false;
    if (correctie) {
        if (maatcorrectie != 0) {
            for (double r = q; r > 0; r -= 1000)
                q -= maatcorrectie;
            flag = true;
        }
        if (subCorrectie != 0) {
            q -= subCorrectie;
            flag = true;
        }
    }
    if (corrected)
        *corrected = flag;
    return q;
}

double storedNumber(double value, int scale)
{
    QString s = decimalText(value);
    const qsizetype point = s.indexOf(QLatin1Char('.'));
    if (point < 0 || s.size() - point - 1 <= scale)
        return s.toDouble();
    const bool up = s.at(point + 1 + scale) >= QLatin1Char('5');
    s.truncate(scale == 0 ? point : point + 1 + scale);
    if (up) {
        // Add one in the last place kept, carrying to the left.
        qsizetype i = s.size() - 1;
        for (; i >= 0; --i) {
            const QChar c = s.at(i);
            if (c == QLatin1Char('.'))
                continue;
            if (c == QLatin1Char('-'))
                break;
            if (c != QLatin1Char('9')) {
                s[i] = QChar(c.unicode() + 1);
                break;
            }
            s[i] = QLatin1Char('0');
        }
        if (i < 0 || s.at(i) == QLatin1Char('-'))
            s.insert(i + 1, QLatin1Char('1'));
    }
    return s.toDouble();
}

LineCorrection correctLine(const std::vector<DetailLength>& details, bool correctie, double maatcorrectie,
                           double subCorrectie, const QString& berekening)
{
    LineCorrection out;
    double exact = 0;
    double rounded = 0;
    for (const DetailLength& d : details) {
        bool corrected = false;
        const double q = correctedSize(d.entered, correctie, maatcorrectie, subCorrectie, &corrected);
        exact += d.aantal * q / 1000;
        rounded += q > 1000 ? d.aantal * round1(q / 1000) : d.aantal;
        out.sizes.push_back(q);
        out.corrected.push_back(corrected);
    }
    if (!details.empty() && berekening == Waarde::AantalMaat)
        out.quantity = round1(exact);
    else if (!details.empty() && berekening == Waarde::MeterDm)
        out.quantity = rounded;
    return out;
}

int piecesPerLength(const QString& wijze, double length, double udk, double hoh, double mv)
{
    const QChar mode = wijze.isEmpty() ? QChar() : wijze.at(0);
    // A spacing of 0 would divide by zero; such a fixing is placed at both
    // ends only.
    if (hoh <= 0)
        return 2;
    if (mode == QLatin1Char('A')) {
        if (length > 2 * udk) {
            const double k = roundHalfEven((length - 2 * udk) / hoh + 0.49);
            if (k > 1)
                return int(k) + 1;
        }
        return 2;
    }
    if (mode == QLatin1Char('B')) {
        if (length > hoh) {
            const double k = roundHalfEven((length - 2 * udk) / hoh - 0.49);
            if (k > 1)
                return int(k) + 1;
        }
        return 2;
    }
    if (length > 2 * udk + mv) {
        const double k = roundHalfEven((length / 2 - udk - mv / 2) / hoh + 0.49);
        return k > 1 ? 2 * (int(k) - 1) : 0;
    }
    return 2;
}

double packages(double n, double content)
{
    if (content <= 0)
        return n > 0 ? 1 : 0;
    if (n <= content)
        return 1;
    return roundHalfEven(n / content + 0.4999);
}

QString rebateDescription(const QString& article, QString& rebateText)
{
    if (rebateText.size() < 90)
        rebateText = rebateText.leftJustified(90, QLatin1Char(' '));
    const QString a = article.trimmed();
    for (const int start : {30, 60}) {
        const QString code = rebateText.mid(start, 16).trimmed();
        if (code.isEmpty() || code != a)
            continue;
        const QChar side = rebateText.at(start + 28);
        QString text = QStringLiteral("SPONNING");
        if (side == QLatin1Char('L'))
            text += QStringLiteral(" LINKS");
        else if (side == QLatin1Char('R'))
            text += QStringLiteral(" RECHTS");
        text += QLatin1Char(' ') + rebateText.mid(start + 16, 12).trimmed() + QStringLiteral(" mm.");
        rebateText.replace(start, 30, QString(30, QLatin1Char(' ')));
        return text;
    }
    return {};
}

} // namespace vonu
