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

// Why a mail did not go, and what the user can do about it.
const char* const Onvolledig = "De e-mailinstellingen zijn onvolledig.";
const char* const VulAan = "Vul ze aan met de knop <&Instellingen>.";
const char* const OngeldigAdres = "Een e-mailadres bevat tekens die niet zijn toegestaan.";
const char* const ControleerAdres = "Controleer uw e-mailadres bij <&Instellingen>, of neem contact op met Morvek.";
const char* const Onbereikbaar = "De mailserver is niet bereikbaar.";
const char* const ControleerVerbinding =
    "Controleer de internetverbinding en de servernaam en -poort bij <&Instellingen>.";
const char* const TimeOut = "De mailserver antwoordt niet meer (time-out).";
const char* const LaterOpnieuw = "Probeer het later opnieuw.";
const char* const Aanmelding = "De mailserver weigert de gebruikersnaam of het wachtwoord.";
const char* const ControleerAanmelding = "Controleer ze bij <&Instellingen>.";
const char* const GeenTls = "De mailserver biedt geen beveiligde verbinding;";
const char* const NietOnbeveiligd =
    "het wachtwoord wordt niet onbeveiligd verstuurd. Vraag uw beheerder om STARTTLS of poort 465.";
const char* const Certificaat = "Het certificaat van de mailserver wordt niet vertrouwd.";
const char* const ControleerCertificaat = "Controleer de servernaam, of vraag uw beheerder om het certificaat.";
const char* const Geweigerd = "De mailserver weigert het bericht.";
const char* const ControleerAdressen = "Controleer de e-mailadressen, of vraag uw beheerder.";
const char* const Afgebroken = "Het verzenden is afgebroken.";
const char* const Mislukt = "Het verzenden is mislukt.";
const char* const MogelijkAangekomen = "Het bericht is wel volledig aangeboden en kan toch zijn aangekomen:";
const char* const VraagNa = "vraag Morvek na of het binnen is voordat u opnieuw verzendt.";
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
        lines << u8(Tekst::Onvolledig) << u8(Tekst::VulAan);
        break;
    case Failure::Address:
        lines << u8(Tekst::OngeldigAdres) << u8(Tekst::ControleerAdres);
        break;
    case Failure::Unreachable:
        lines << u8(Tekst::Onbereikbaar) << u8(Tekst::ControleerVerbinding);
        break;
    case Failure::Timeout:
        lines << u8(Tekst::TimeOut) << u8(Tekst::LaterOpnieuw);
        break;
    case Failure::Login:
        lines << u8(Tekst::Aanmelding) << u8(Tekst::ControleerAanmelding);
        break;
    case Failure::NoTls:
        lines << u8(Tekst::GeenTls) << u8(Tekst::NietOnbeveiligd);
        break;
    case Failure::Certificate:
        lines << u8(Tekst::Certificaat) << u8(Tekst::ControleerCertificaat);
        break;
    case Failure::Refused:
        lines << u8(Tekst::Geweigerd) << u8(Tekst::ControleerAdressen);
        break;
    case Failure::Cancelled:
        lines << u8(Tekst::Afgebroken);
        break;
    case Failure::None:
    case Failure::Other:
        lines << u8(Tekst::Mislukt) << u8(Tekst::LaterOpnieuw);
        break;
    }
    if (result.mayHaveArrived)
        lines << u8(Tekst::MogelijkAangekomen) << u8(Tekst::VraagNa);
    if (!result.error.isEmpty())
        lines << QString() << result.error;
    return lines;
}

} // namespace vonu
