#pragma once
// The mail transport on libcurl: SMTP with LOGIN authentication when a user
// name or password is set, STARTTLS whenever the server offers it and
// implicit TLS (smtps) on port 465, always with certificate verification.

#include "files/MailTransport.h"

#include <QString>

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
    int timeoutSeconds = 60;   // for connecting and for the whole transfer
    QString caFile;            // extra trusted certificates (PEM); empty: the system's
};

class SmtpMailSender final : public IMailSender {
public:
    // clock stamps the Date header.
    SmtpMailSender(SmtpSettings settings, const IClock& clock);
    MailResult send(const MailMessage& message) override;

    const SmtpSettings& settings() const { return settings_; }
    // Whether a send would authenticate (user name or password set).
    bool usesLogin() const;

private:
    SmtpSettings settings_;
    const IClock& clock_;
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
