#pragma once
// What the program hands to the mail transport, and the seam it goes through.
// Screens compose a MailMessage, ask the platform's IMailTransport for a
// sender and call IMailSender::send; tests swap in a recording transport or
// talk to a loopback server through SmtpMailSender.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace vonu {

struct MailAttachment {
    QString fileName;      // name shown to the recipient, without folder
    QString contentType;   // e.g. "application/xml"; empty means application/octet-stream
    QByteArray data;
};

struct MailMessage {
    QString sender;        // address, optionally "Name <address>"
    QString recipients;    // comma-separated addresses
    QString subject;
    QStringList bodyLines; // plain text, one entry per line
    QList<MailAttachment> attachments;
};

struct MailResult {
    bool ok = false;
    QString error;         // why it failed, with the server's reply when there was one
    static MailResult success() { return {true, {}}; }
    static MailResult failure(const QString& text) { return {false, text}; }
};

class IMailSender {
public:
    virtual ~IMailSender() = default;
    // Returns only when the server has accepted the message or the attempt failed.
    virtual MailResult send(const MailMessage& message) = 0;
};

struct SmtpSettings;

// Makes the sender one mail goes through, for the server of the settings.
class IMailTransport {
public:
    virtual ~IMailTransport() = default;
    virtual std::unique_ptr<IMailSender> sender(const SmtpSettings& settings) = 0;
};

// Reads a file as an attachment named after the file (without folder).
// Returns false and sets error when it cannot be read.
bool loadAttachment(const QString& path, const QString& contentType, MailAttachment& out,
                    QString* error = nullptr);

// The addresses of a comma-separated list, trimmed, empty entries dropped.
QStringList splitRecipients(const QString& recipients);

// The bare address of "Name <address>" or of a plain address.
QString bareAddress(const QString& address);

} // namespace vonu
