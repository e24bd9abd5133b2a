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
    // What went wrong, in the terms the user can act on.
    enum class Failure {
        None,
        Settings,      // no server, port, sender or recipient
        Address,       // an address holds characters no address may hold
        Unreachable,   // no connection to the server
        Timeout,       // the server stopped answering
        Login,         // user name or password refused
        NoTls,         // a password would have crossed the network in clear
        Certificate,   // the server's certificate is not trusted
        Refused,       // the server refused the sender, a recipient or the message
        Cancelled,     // the user stopped the send
        Other,
    };
    bool ok = false;
    Failure kind = Failure::None;
    QString error;              // the technical text: libcurl's, with the server's reply when there was one
    bool mayHaveArrived = false; // the whole message was handed over before the failure
    static MailResult success() { return {true, Failure::None, {}, false}; }
    static MailResult failure(const QString& text, Failure kind = Failure::Other)
    {
        return {false, kind, text, false};
    }
};

// The Dutch lines of a failure: what failed and what to do first, the
// technical text last.
QStringList mailFailureLines(const MailResult& result);

class IMailSender {
public:
    virtual ~IMailSender() = default;
    // Returns only when the server has accepted the message or the attempt
    // failed. May run on a worker thread.
    virtual MailResult send(const MailMessage& message) = 0;
    // Asks a running send, from another thread, to stop as soon as it can.
    virtual void cancel() {}
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
// The display name of "Name <address>" (unquoted), empty for a plain address.
QString displayName(const QString& address);
// An address fit for the envelope: a bare address with one "@", no control
// characters, blanks or angle brackets (they would add SMTP commands or
// hide the real address).
bool isSafeAddress(const QString& address);
// The first address of the sender and the recipient list that is not safe;
// empty when all are.
QString firstUnsafeAddress(const QString& sender, const QString& recipients);

} // namespace vonu
