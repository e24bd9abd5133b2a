#pragma once
// The mail transport on libcurl: SMTP with LOGIN authentication when a user
// name or password is set, STARTTLS whenever the server offers it and
// implicit TLS (smtps) on port 465, always with certificate verification.
// A login is only ever sent encrypted: with a user name or password a server
// without STARTTLS is refused before anything is sent.

#include "files/MailTransport.h"

#include <QString>

#include <atomic>
#include <mutex>

namespace vonu {

class IClock;

struct SmtpSettings {
    enum class Tls {
        Auto,       // implicit TLS on port 465, otherwise STARTTLS when offered
        Implicit,   // TLS from the first byte (smtps)
        StartTls,   // plain connection, upgraded when the server offers STARTTLS
    };
    QString host;
    int port = 25;
    QString user;
    QString password;
    Tls tls = Tls::Auto;
    int timeoutSeconds = 180;  // for the whole transfer
    int connectSeconds = 30;   // to reach the server
    int responseSeconds = 60;  // for each reply of the server, also after the data
    QString caFile;            // trusted in addition to the system's certificates (PEM)
};

class SmtpMailSender final : public IMailSender {
public:
    // clock stamps the Date header.
    SmtpMailSender(SmtpSettings settings, const IClock& clock);
    MailResult send(const MailMessage& message) override;
    // Also wakes a send that waits for a silent server's reply: libcurl
    // waits for the answer to the final dot without calling back.
    void cancel() override;

    const SmtpSettings& settings() const { return settings_; }
    // Whether a send would authenticate (user name or password set).
    bool usesLogin() const;

private:
    SmtpSettings settings_;
    const IClock& clock_;
    std::atomic<bool> cancel_{false};
    std::mutex socketMutex_;
    int socket_ = -1;  // the open connection of a running send, or -1

    friend struct SocketHooks;
};

// The program's transport: an SmtpMailSender per mail.
class SmtpMailTransport final : public IMailTransport {
public:
    explicit SmtpMailTransport(const IClock& clock) : clock_(clock) {}
    std::unique_ptr<IMailSender> sender(const SmtpSettings& settings) override;

private:
    const IClock& clock_;
};

} // namespace vonu
