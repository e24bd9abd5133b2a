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
    s.caFile = settings.serverCertificaat.trimmed();
    return s;
}

QStringList mailFailureLines(const MailResult& result)
{
    using Failure = MailResult::Failure;
    QStringList lines;
    switch (result.kind) {
    case Failure::Settings:
        lines << QStringLiteral("De e-mailinstellingen zijn onvolledig.")
              << QStringLiteral("Vul ze aan met de knop <&Instellingen>.");
        break;
    case Failure::Address:
        lines << QStringLiteral("Een e-mailadres bevat tekens die niet zijn toegestaan.")
              << QStringLiteral("Controleer uw e-mailadres bij <&Instellingen>, of neem contact op met Morvek.");
        break;
    case Failure::Unreachable:
        lines << QStringLiteral("De mailserver is niet bereikbaar.")
              << QStringLiteral("Controleer de internetverbinding en de servernaam en -poort bij <&Instellingen>.");
        break;
    case Failure::Timeout:
        lines << QStringLiteral("De mailserver antwoordt niet meer (time-out).")
              << QStringLiteral("Probeer het later opnieuw.");
        break;
    case Failure::Login:
        lines << QStringLiteral("De mailserver weigert de gebruikersnaam of het wachtwoord.")
              << QStringLiteral("Controleer ze bij <&Instellingen>.");
        break;
    case Failure::NoTls:
        lines << QStringLiteral("De mailserver biedt geen beveiligde verbinding;")
              << QStringLiteral("het wachtwoord wordt niet onbeveiligd verstuurd. Vraag uw beheerder om STARTTLS of poort 465.");
        break;
    case Failure::Certificate:
        lines << QStringLiteral("Het certificaat van de mailserver wordt niet vertrouwd.")
              << QStringLiteral("Controleer de servernaam, of vraag uw beheerder om het certificaat.");
        break;
    case Failure::Refused:
        lines << QStringLiteral("De mailserver weigert het bericht.")
              << QStringLiteral("Controleer de e-mailadressen, of vraag uw beheerder.");
        break;
    case Failure::Cancelled:
        lines << QStringLiteral("Het verzenden is afgebroken.");
        break;
    case Failure::None:
    case Failure::Other:
        lines << QStringLiteral("Het verzenden is mislukt.") << QStringLiteral("Probeer het later opnieuw.");
        break;
    }
    if (result.mayHaveArrived)
        lines << QStringLiteral("Het bericht is wel volledig aangeboden en kan toch zijn aangekomen:")
              << QStringLiteral("vraag Morvek na of het binnen is voordat u opnieuw verzendt.");
    if (!result.error.isEmpty())
        lines << QString() << result.error;
    return lines;
}

} // namespace vonu
