#include "files/MimeMessage.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>
#include <QUuid>

namespace vonu {

bool loadAttachment(const QString& path, const QString& contentType, MailAttachment& out,
                    QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Bijlage %1 kan niet gelezen worden: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    out.fileName = QFileInfo(path).fileName();
    out.contentType = contentType;
    out.data = file.readAll();
    return true;
}

QStringList splitRecipients(const QString& recipients)
{
    QStringList result;
    for (const QString& part : recipients.split(QLatin1Char(','))) {
        const QString address = part.trimmed();
        if (!address.isEmpty())
            result << address;
    }
    return result;
}

QString bareAddress(const QString& address)
{
    const QString text = address.trimmed();
    const qsizetype open = text.lastIndexOf(QLatin1Char('<'));
    const qsizetype close = text.lastIndexOf(QLatin1Char('>'));
    if (open >= 0 && close > open)
        return text.mid(open + 1, close - open - 1).trimmed();
    return text;
}

QString displayName(const QString& address)
{
    const QString text = address.trimmed();
    const qsizetype open = text.lastIndexOf(QLatin1Char('<'));
    const qsizetype close = text.lastIndexOf(QLatin1Char('>'));
    if (open < 0 || close < open)
        return {};
    QString name = text.left(open).trimmed();
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2).trimmed();
    return name;
}

bool isSafeAddress(const QString& address)
{
    for (QChar c : address)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QChar(0x2028) || c == QChar(0x2029))
            return false;
    const QString bare = bareAddress(address);
    const qsizetype at = bare.indexOf(QLatin1Char('@'));
    if (at <= 0 || at != bare.lastIndexOf(QLatin1Char('@')) || at == bare.size() - 1)
        return false;
    for (QChar c : bare)
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f || QStringLiteral("<>()[],;:\\\"").contains(c))
            return false;
    return true;
}

QString firstUnsafeAddress(const QString& sender, const QString& recipients)
{
    if (!isSafeAddress(sender))
        return sender;
    for (const QString& r : splitRecipients(recipients))
        if (!isSafeAddress(r))
            return r;
    return {};
}

namespace mime {
namespace {

const char* const kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// A header value never carries a line break of its own: that would let a
// typed text add headers or end the header block.
QString oneLine(const QString& text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String(" "));
    result.replace(QLatin1Char('\r'), QLatin1Char(' '));
    result.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return result;
}

bool isPlainAscii(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    // "=?" would be read as the start of an encoded word.
    return !text.contains(QLatin1String("=?"));
}

QByteArray quotedParameter(const QString& value)
{
    const QString line = oneLine(value);
    if (!isPlainAscii(line))
        return encodeHeaderText(line);
    QByteArray quoted = line.toLatin1();
    quoted.replace('\\', "\\\\");
    quoted.replace('"', "\\\"");
    return '"' + quoted + '"';
}

// "Name <address>" with only the name encoded: a reader must still see the
// address when the name holds letters beyond ASCII.
QByteArray addressHeader(const QString& address)
{
    const QByteArray bare = oneLine(bareAddress(address)).toUtf8();
    const QString name = oneLine(displayName(address));
    if (name.isEmpty())
        return bare;
    return quotedParameter(name) + " <" + bare + '>';
}

void appendQpLine(QByteArray& out, const QByteArray& line)
{
    static const char hex[] = "0123456789ABCDEF";
    int column = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        const bool last = i == line.size() - 1;
        QByteArray piece;
        // Trailing blanks are dropped by some relays; a leading dot is
        // escaped so no relay mistakes it for the end of the data.
        const bool literal = (c >= 33 && c <= 126 && c != '=' && !(c == '.' && column == 0))
                             || ((c == ' ' || c == '\t') && !last);
        if (literal)
            piece = QByteArray(1, static_cast<char>(c));
        else
            {
            const char escaped[] = {'=', hex[c >> 4], hex[c & 0x0f]};
            piece = QByteArray(escaped, 3);
        }
        if (column + piece.size() > (last ? 76 : 75)) {
            out += "=\r\n";
            column = 0;
        }
        out += piece;
        column += int(piece.size());
    }
    out += "\r\n";
}

} // namespace

QByteArray rfc5322Date(const QDateTime& date)
{
    const QDate d = date.date();
    const QTime t = date.time();
    const int offset = date.offsetFromUtc() / 60;
    const int absOffset = offset < 0 ? -offset : offset;
    return QStringLiteral("%1, %2 %3 %4 %5:%6:%7 %8%9%10")
        .arg(QLatin1String(kDays[d.dayOfWeek() - 1]))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(kMonths[d.month() - 1]))
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(t.hour(), 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'))
        .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(absOffset / 60, 2, 10, QLatin1Char('0'))
        .arg(absOffset % 60, 2, 10, QLatin1Char('0'))
        .toLatin1();
}

QByteArray encodeHeaderText(const QString& text)
{
    const QString line = oneLine(text);
    if (isPlainAscii(line))
        return line.toLatin1();
    // 45 bytes give 60 base64 characters: with "=?UTF-8?B?" and "?=" each
    // word stays inside the 75 characters RFC 2047 allows. A word never
    // splits a character.
    QByteArray result;
    QByteArray chunk;
    auto flush = [&] {
        if (chunk.isEmpty())
            return;
        if (!result.isEmpty())
            result += "\r\n ";
        result += "=?UTF-8?B?" + chunk.toBase64() + "?=";
        chunk.clear();
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        qsizetype len = line.at(i).isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        const QByteArray bytes = line.mid(i, len).toUtf8();
        if (chunk.size() + bytes.size() > 45)
            flush();
        chunk += bytes;
        i += len - 1;
    }
    flush();
    return result;
}

QByteArray quotedPrintable(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines) {
        // A line of the body is one line: embedded breaks become breaks of the message.
        const QStringList parts = QString(line).replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                      .split(QRegularExpression(QStringLiteral("[\r\n]")));
        for (const QString& part : parts)
            appendQpLine(out, part.toUtf8());
    }
    return out;
}

QByteArray base64Lines(const QByteArray& data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray out;
    out.reserve(encoded.size() + encoded.size() / 76 * 2 + 2);
    for (qsizetype i = 0; i < encoded.size(); i += 76)
        out += encoded.mid(i, 76) + "\r\n";
    return out;
}

QByteArray newMessageId(const QString& sender, const QDateTime& date)
{
    QString domain = bareAddress(sender).section(QLatin1Char('@'), 1).trimmed();
    if (domain.isEmpty() || !isPlainAscii(domain) || domain.contains(QLatin1Char('>')))
        domain = QStringLiteral("vonuorder.invalid");
    const QByteArray unique = QUuid::createUuid().toByteArray(QUuid::Id128);
    return QByteArray::number(date.toSecsSinceEpoch()) + '.' + unique + '@' + domain.toLatin1();
}

QByteArray compose(const MailMessage& message, const QDateTime& date, const QByteArray& messageId)
{
    QByteArray out;
    out += "Date: " + rfc5322Date(date) + "\r\n";
    out += "From: " + addressHeader(message.sender) + "\r\n";
    QByteArray to;
    for (const QString& r : splitRecipients(message.recipients))
        to += (to.isEmpty() ? "" : ", ") + addressHeader(r);
    out += "To: " + to + "\r\n";
    out += "Subject: " + encodeHeaderText(message.subject) + "\r\n";
    out += "Message-ID: <" + messageId + ">\r\n";
    out += "MIME-Version: 1.0\r\n";

    const QByteArray textHeaders = "Content-Type: text/plain; charset=UTF-8\r\n"
                                   "Content-Transfer-Encoding: quoted-printable\r\n";
    const QByteArray text = quotedPrintable(message.bodyLines);
    if (message.attachments.isEmpty()) {
        out += textHeaders + "\r\n" + text;
        return out;
    }

    // The boundary cannot occur in quoted-printable or base64 text: both
    // never contain "=_" followed by letters at a line start.
    const QByteArray boundary = "=_vonu_" + QUuid::createUuid().toByteArray(QUuid::Id128);
    out += "Content-Type: multipart/mixed;\r\n boundary=\"" + boundary + "\"\r\n\r\n";
    out += "This is a multi-part message in MIME format.\r\n";
    out += "--" + boundary + "\r\n" + textHeaders + "\r\n" + text;
    for (const MailAttachment& attachment : message.attachments) {
        const QString type = attachment.contentType.trimmed().isEmpty()
                                 ? QStringLiteral("application/octet-stream")
                                 : oneLine(attachment.contentType.trimmed());
        const QByteArray name = quotedParameter(attachment.fileName);
        // The line break before a delimiter belongs to the delimiter.
        out += "\r\n--" + boundary + "\r\n";
        out += "Content-Type: " + type.toLatin1() + ";\r\n name=" + name + "\r\n";
        out += "Content-Transfer-Encoding: base64\r\n";
        out += "Content-Disposition: attachment;\r\n filename=" + name + "\r\n\r\n";
        out += base64Lines(attachment.data);
    }
    out += "\r\n--" + boundary + "--\r\n";
    return out;
}

} // namespace mime
} // namespace vonu
