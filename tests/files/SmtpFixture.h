#pragma once
// A real SMTP server on loopback for one test: tests/files/smtp_server.py
// run by Debian's python3 (it has aiosmtpd), with a throwaway certificate
// when TLS is wanted. Received messages land in a temporary folder.

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace vonu::test {

struct ReceivedAttachment {
    QString fileName;
    QString contentType;
    QByteArray data;
};

// What the server got, decoded independently by Python's email package.
struct ReceivedMail {
    QByteArray raw;          // DATA as received
    QString subject;
    QString from;
    QString to;
    QString date;
    QString messageId;
    QString body;            // the text part, decoded, with \n line ends
    QStringList defects;     // MIME faults the parser found
    QList<ReceivedAttachment> attachments;
    QString mailFrom;
    QStringList rcptTos;
    QString login;           // user name of a successful LOGIN; empty when none
    bool loggedIn = false;
    bool tls = false;
};

class SmtpFixture {
public:
    enum class Tls { None, StartTls, Implicit };
    struct Options {
        Tls tls = Tls::None;
        bool requireLogin = false;
        QString user;
        QString password;
        bool stallAfterData = false;  // takes the message, never answers the final dot
    };

    SmtpFixture() = default;
    ~SmtpFixture();
    SmtpFixture(const SmtpFixture&) = delete;
    SmtpFixture& operator=(const SmtpFixture&) = delete;

    // Starts the server and waits (bounded) for its ready line; false with
    // error() set when it did not come up.
    bool start(const Options& options);
    int port() const { return port_; }
    QString caFile() const;   // the certificate the server presents (self-signed)
    QString error() const { return error_; }

    QList<ReceivedMail> received() const;
    // With stallAfterData: the message the server took before it went silent.
    QByteArray stalled() const;

    // A loopback port nothing listens on, for "server down".
    static int unusedPort();

private:
    bool makeCertificate();

    QTemporaryDir dir_;
    QProcess process_;
    int port_ = 0;
    QString error_;
};

} // namespace vonu::test
