#include "base/LocalSettings.h"

#include "base/IniFile.h"

namespace vonu {

namespace {

const QString Scherm = QStringLiteral("Scherm");
const QString Email = QStringLiteral("Email");
const QString Smtp = QStringLiteral("Smtp");

int intValue(const IniFile& ini, const QString& section, const QString& key, int defaultValue)
{
    bool ok = false;
    const int value = ini.value(section, key).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

} // namespace

LocalSettings readLocalSettings(const IniFile& ini)
{
    const LocalSettings d;
    LocalSettings s;
    s.boven = intValue(ini, Scherm, QStringLiteral("Boven"), d.boven);
    s.links = intValue(ini, Scherm, QStringLiteral("Links"), d.links);
    s.emailVerzenden = ini.value(Email, QStringLiteral("EmailVerzenden"), d.emailVerzenden);
    s.emailAdres = ini.value(Email, QStringLiteral("EmailAdres"), d.emailAdres);
    s.serverNaam = ini.value(Smtp, QStringLiteral("ServerNaam"), d.serverNaam);
    s.serverPoort = intValue(ini, Smtp, QStringLiteral("ServerPoort"), d.serverPoort);
    s.serverGebruiker = ini.value(Smtp, QStringLiteral("ServerGebruiker"), d.serverGebruiker);
    s.serverWachtwoord = ini.value(Smtp, QStringLiteral("ServerWachtwoord"), d.serverWachtwoord);
    s.serverCertificaat = ini.value(Smtp, QStringLiteral("ServerCertificaat"));
    return s;
}

void writeLocalSettings(IniFile& ini, const LocalSettings& s)
{
    ini.setValue(Scherm, QStringLiteral("Boven"), QString::number(s.boven));
    ini.setValue(Scherm, QStringLiteral("Links"), QString::number(s.links));
    ini.setValue(Email, QStringLiteral("EmailVerzenden"), s.emailVerzenden);
    ini.setValue(Email, QStringLiteral("EmailAdres"), s.emailAdres);
    ini.setValue(Smtp, QStringLiteral("ServerNaam"), s.serverNaam);
    ini.setValue(Smtp, QStringLiteral("ServerPoort"), QString::number(s.serverPoort));
    ini.setValue(Smtp, QStringLiteral("ServerGebruiker"), s.serverGebruiker);
    ini.setValue(Smtp, QStringLiteral("ServerWachtwoord"), s.serverWachtwoord);
}

bool loadLocalSettings(const QString& path, LocalSettings* settings, QString* error)
{
    bool ok = false;
    const IniFile ini = IniFile::load(path, &ok, error);
    *settings = ok ? readLocalSettings(ini) : LocalSettings{};
    return ok;
}

bool saveLocalSettings(const QString& path, const LocalSettings& settings, QString* error)
{
    bool ok = false;
    IniFile ini = IniFile::load(path, &ok, error);
    if (!ok)
        return false;
    writeLocalSettings(ini, settings);
    return ini.save(path, error);
}

QString verzendenCaption(const LocalSettings& settings)
{
    return settings.sendsByEmail() ? QStringLiteral("&Verzenden en bewaren")
                                   : QStringLiteral("Afd&rukken en bewaren");
}

int portFromText(const QString& text)
{
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    return ok ? port : 0;
}

} // namespace vonu
