#pragma once
// The installation's own settings in MorvekVonu.Ini: the main screen's
// position and how orders are sent by e-mail.

#include <QString>

namespace vonu {

class IniFile;

struct LocalSettings {
    int boven = 0;                                            // [Scherm] Boven: top of the main screen
    int links = 0;                                            // [Scherm] Links: left of the main screen
    QString emailVerzenden = QStringLiteral("Ja");            // [Email] EmailVerzenden
    QString emailAdres = QStringLiteral("naam@voorbeeld.nl"); // [Email] EmailAdres
    QString serverNaam = QStringLiteral("smtp.voorbeeld.nl"); // [Smtp] ServerNaam
    int serverPoort = 25;                                     // [Smtp] ServerPoort
    QString serverGebruiker;                                  // [Smtp] ServerGebruiker
    QString serverWachtwoord;                                 // [Smtp] ServerWachtwoord
    // [Smtp] ServerCertificaat: a PEM file trusted beside the system's
    // certificates, for an in-house relay with a certificate of its own.
    // Read only; the settings screen does not show or write it.
    QString serverCertificaat;

    // Orders go out by e-mail only when EmailVerzenden is exactly "Ja".
    bool sendsByEmail() const { return emailVerzenden == QLatin1String("Ja"); }
    // A stored position other than 0,0 is applied to the main screen at start.
    bool hasStoredPosition() const { return boven != 0 || links != 0; }

    bool operator==(const LocalSettings&) const = default;
};

// Reads the eight keys; missing keys and Boven, Links or ServerPoort values
// that are not integers give the defaults.
LocalSettings readLocalSettings(const IniFile& ini);

// Writes the eight keys in the order Boven, Links, EmailVerzenden, EmailAdres,
// ServerNaam, ServerPoort, ServerGebruiker, ServerWachtwoord; everything else
// in the file stays.
void writeLocalSettings(IniFile& ini, const LocalSettings& settings);

// Reads the settings file. A missing file gives the defaults and true; a file
// that cannot be read gives the defaults, false and the reason in *error.
bool loadLocalSettings(const QString& path, LocalSettings* settings, QString* error = nullptr);

// Stores the settings into the file, keeping its other sections and keys; the
// file is created when missing. An existing file that cannot be read is not
// overwritten (its other contents would be lost): false with the reason.
bool saveLocalSettings(const QString& path, const LocalSettings& settings, QString* error = nullptr);

// Caption of the main screen's Verzenden button in customer mode.
QString verzendenCaption(const LocalSettings& settings);

// A port as typed on the settings screen: its integer value, 0 when it is not
// an integer.
int portFromText(const QString& text);

} // namespace vonu
