#include "files/MailSettings.h"

#include "base/LocalSettings.h"

namespace vonu {

MailReadiness mailReadiness(const LocalSettings& settings, const QString& orderMailbox)
{
    if (orderMailbox.trimmed().isEmpty())
        return MailReadiness::NoMailbox;
    const LocalSettings defaults;
    const bool sender = !settings.emailAdres.trimmed().isEmpty() && settings.emailAdres != defaults.emailAdres;
    const bool server = !settings.serverNaam.trimmed().isEmpty() && settings.serverNaam != defaults.serverNaam;
    return sender && server && settings.serverPoort != 0 ? MailReadiness::Ready : MailReadiness::SettingsMissing;
}

QStringList notReadyLines(MailReadiness readiness)
{
    if (readiness == MailReadiness::NoMailbox)
        return {QStringLiteral("Géén VonuOrder eMailadres ontvangen!"), QStringLiteral("Neem contact op met Morvek...")};
    return {QStringLiteral("U dient éérst de instellingen in te voeren!"),
            QStringLiteral("Gebruik hiervoor de knop <&Instellingen>")};
}

SmtpSettings smtpSettingsFrom(const LocalSettings& settings)
{
    SmtpSettings s;
    s.host = settings.serverNaam.trimmed();
    s.port = settings.serverPoort;
    s.user = settings.serverGebruiker;
    s.password = settings.serverWachtwoord;
    return s;
}

} // namespace vonu

namespace vonu {

MailSenderFactory defaultMailSenderFactory(const IClock* clock)
{
    return [clock](const SmtpSettings& settings) -> std::unique_ptr<IMailSender> {
        return std::make_unique<SmtpMailSender>(settings, clock);
    };
}

} // namespace vonu
