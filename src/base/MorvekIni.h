#pragma once
// Order-desk settings file Morvek.Ini and the workstation identity given on
// the command line.

#include <QString>

namespace vonu {

// The recognised keys of Morvek.Ini; a key never given stays empty.
struct MorvekIniSettings {
    QString pProductie;        // P_productie
    QString bedrijfsLogo;      // BedrijfsLogo
    QString productAfbeelding; // ProductAfbeelding
    QString onderdorpelPre;    // OnderdorpelPre
    QString onderdorpelPost;   // OnderdorpelPost
    QString vonuOrder;         // VonuOrder
};

// Parses the key=value lines: split at the first "=", key and value trimmed,
// keys compared exactly, unknown keys and lines without "=" ignored, the last
// occurrence of a key wins. Accepts LF and CRLF line ends.
MorvekIniSettings parseMorvekIni(const QString& text);

// Reads and parses the file. Bytes that are not valid UTF-8 are taken as
// Windows-1252, the encoding such files are usually written in. Returns false
// with a Dutch reason in *error when the file cannot be read.
bool readMorvekIni(const QString& path, MorvekIniSettings* settings, QString* error = nullptr);

// Start-up parameter 1 as workstation name: trimmed, upper case, at most 8
// characters. Empty when no parameter was given.
QString workstationName(const QString& parameter);

// A workstation whose name begins with "PROEF" is a test workstation.
bool isTestWorkstation(const QString& workstation);

// Text of status panel 1: "Versie 1.06", on a test workstation "Proef " and
// characters 8-11 of that text ("Proef 1.06").
QString versionPanelText(bool testWorkstation);

} // namespace vonu
