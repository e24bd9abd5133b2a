#pragma once
// Turns a MailMessage into the bytes of an RFC 5322 / MIME message: UTF-8
// throughout, encoded words for a non-ASCII subject, a quoted-printable text
// part, base64 attachments and CRLF line ends everywhere.

#include "files/MailTransport.h"

#include <QByteArray>
#include <QDateTime>

namespace vonu::mime {

// messageId without angle brackets, e.g. "1733749503.abc@example.nl".
QByteArray compose(const MailMessage& message, const QDateTime& date, const QByteArray& messageId);

// "Mon, 09 Dec 2024 14:05:03 +0100", independent of the locale.
QByteArray rfc5322Date(const QDateTime& date);
// The header value: the text itself when it is plain printable ASCII,
// otherwise RFC 2047 encoded words (UTF-8, base64) folded onto CRLF-space lines.
QByteArray encodeHeaderText(const QString& text);
// Quoted-printable of the UTF-8 bytes of the lines, each line ended by CRLF.
QByteArray quotedPrintable(const QStringList& lines);
// Base64 in lines of 76 characters, each ended by CRLF.
QByteArray base64Lines(const QByteArray& data);
// A fresh Message-ID for a sender address: "<time>.<random>@<domain of sender>".
QByteArray newMessageId(const QString& sender, const QDateTime& date);

} // namespace vonu::mime
