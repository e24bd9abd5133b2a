#include "files/MailSettings.h"

#include "base/LocalSettings.h"
#include "base/Text.h"

namespace vonu {

namespace {

namespace Tekst {
const char* const GeenMailadres = "Géén VonuOrder eMailadres ontvangen!";
const char* const ContactMorvek = "Neem contact op met Morvek...";
const char* const EerstInstellingen = "U dient éérst de instellingen in te voeren!";
const char* const KnopInstellingen = "Gebruik hiervoor de knop <&Instellingen>";
} // namespace Tekst

} // namespace

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
        return {u8(Tekst::GeenMailadres), u8(Tekst::ContactMorvek)};
    return {u8(Tekst::EerstInstellingen), u8(Tekst::KnopInstellingen)};
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
