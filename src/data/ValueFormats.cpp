#include "data/ValueFormats.h"

namespace vonu {

namespace {

QString fieldAt(const QStringList& fields, int index)
{
    return index < fields.size() ? fields.at(index).trimmed() : QString();
}

// The text split at its first `pieces - 1` commas; the last piece keeps the
// rest, missing pieces are empty.
QStringList splitFirstCommas(const QString& text, int pieces)
{
    QStringList out;
    out.reserve(pieces);
    qsizetype from = 0;
    for (int i = 0; i < pieces - 1; ++i) {
        const qsizetype comma = from <= text.size() ? text.indexOf(QLatin1Char(','), from) : -1;
        if (comma < 0) {
            out.append(from <= text.size() ? text.mid(from) : QString());
            from = text.size() + 1;
            continue;
        }
        out.append(text.mid(from, comma - from));
        from = comma + 1;
    }
    out.append(from <= text.size() ? text.mid(from) : QString());
    return out;
}

bool allFigures(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

QString sentStamp(const QDateTime& moment, bool quotation)
{
    QString text = moment.date().toString(QStringLiteral("dd-MM-yyyy"));
    if (moment.time() != QTime(0, 0))
        text += QLatin1Char(' ') + moment.time().toString(QStringLiteral("hh:mm:ss"));
    for (QChar& c : text) {
        if (!c.isDigit())
            c = QLatin1Char('_');
    }
    if (quotation)
        text += QLatin1Char('*');
    return text;
}

QString sentStampDisplay(const QString& stamp)
{
    QString text = stamp;
    int seen = 0;
    for (QChar& c : text) {
        if (c != QLatin1Char('_'))
            continue;
        ++seen;
        c = seen <= 2 ? QLatin1Char('-') : seen == 3 ? QLatin1Char(' ') : QLatin1Char(':');
    }
    return text;
}

QString formatOrderregelArtikel(const QString& article, const QString& ean)
{
    const QString a = article.trimmed();
    const QString e = ean.trimmed();
    if (e.isEmpty())
        return a;
    return a.left(kEanArticleWidth).leftJustified(kEanArticleWidth, QLatin1Char(' ')) + e;
}

ArticleAndEan splitOrderregelArtikel(const QString& stored)
{
    const QString t = stored.trimmed();
    if (t.size() > kEanArticleWidth && t.at(kEanArticleWidth) != QLatin1Char(' ')) {
        const QString rest = t.mid(kEanArticleWidth).trimmed();
        if (allFigures(rest))
            return {t.left(kEanArticleWidth).trimmed(), rest};
    }
    return {stored, QString()};
}

QString formatOrderregelStatus(const LineFlags& flags)
{
    QString text;
    text.reserve(int(flags.size()));
    for (bool f : flags)
        text += f ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

LineFlags parseOrderregelStatus(const QString& text)
{
    LineFlags flags{};
    for (size_t i = 0; i < flags.size() && qsizetype(i) < text.size(); ++i)
        flags[i] = text.at(qsizetype(i)) == QLatin1Char('1');
    return flags;
}

QString formatRowText(const QStringList& fields)
{
    const QString first = fieldAt(fields, 0);
    if (first.isEmpty())
        return {};
    if (fieldAt(fields, kRowFields - 1) == QLatin1String("*")) {
        QStringList all;
        for (int i = 0; i < kRowFields; ++i)
            all.append(fieldAt(fields, i));
        return all.join(QLatin1Char(','));
    }
    QStringList six;
    bool anyFurther = false;
    for (int i = 0; i < 6; ++i) {
        six.append(fieldAt(fields, i));
        anyFurther = anyFurther || (i > 0 && !six.last().isEmpty());
    }
    return anyFurther ? six.join(QLatin1Char(',')) : first;
}

QStringList parseRowText(const QString& stored)
{
    QStringList fields;
    if (!stored.contains(QLatin1Char(','))) {
        fields.append(stored);
    } else if (stored.endsWith(QLatin1Char('*'))) {
        fields = splitFirstCommas(stored, kRowFields);
    } else {
        fields = splitFirstCommas(stored, 6);
    }
    while (fields.size() < kRowFields)
        fields.append(QString());
    return fields;
}

QString formatDetailMaat(const QString& size, const QStringList& further)
{
    QStringList values{size.trimmed()};
    bool anySlot = false;
    for (int i = 0; i < kDetailSlots; ++i) {
        values.append(fieldAt(further, i));
        anySlot = anySlot || !values.last().isEmpty();
    }
    return anySlot ? values.join(QLatin1Char(',')) : values.first();
}

DetailSize parseDetailMaat(const QString& stored)
{
    DetailSize d;
    if (!stored.contains(QLatin1Char(','))) {
        d.size = stored;
        for (int i = 0; i < kDetailSlots; ++i)
            d.further.append(QString());
        return d;
    }
    QStringList values = splitFirstCommas(stored, kDetailSlots + 1);
    d.size = values.takeFirst();
    d.further = values;
    return d;
}

QString formatOrderNotitie(bool orderDesk, bool fromCustomerFile, const QString& notes, const QString& remark)
{
    const QString n = notes.trimmed();
    const QString r = remark.trimmed();
    if (!orderDesk)
        return n;
    if (n.isEmpty() && r.isEmpty())
        return {};
    if (fromCustomerFile)
        return QStringLiteral("[Notitie]") + n + QStringLiteral("[OB]") + r;
    return r;
}

NotesAndRemark parseOrderNotitie(const QString& stored)
{
    static const QString notitie = QStringLiteral("[Notitie]");
    static const QString ob = QStringLiteral("[OB]");
    NotesAndRemark out;
    const qsizetype start = stored.indexOf(notitie);
    const qsizetype split = start < 0 ? -1 : stored.indexOf(ob, start + notitie.size());
    if (split < 0) {
        out.notes = stored;
        return out;
    }
    out.markers = true;
    out.notes = stored.mid(start + notitie.size(), split - start - notitie.size());
    out.remark = stored.mid(split + ob.size());
    return out;
}

} // namespace vonu
