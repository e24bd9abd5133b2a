#include "app/CommandLine.h"

#include "base/Text.h"

namespace vonu {

namespace {

const char* const Help =
    "Gebruik: vonuorder [WERKPLEK]\n"
    "\n"
    "Orders en offerteaanvragen voor onderdorpels, profielen en toebehoren\n"
    "samenstellen, bewaren, afdrukken en verzenden.\n"
    "\n"
    "De werkmap is de map waarin het programma wordt gestart.\n"
    "  Klantmodus (geen Morvek.Ini in de werkmap): het klantprofiel (het\n"
    "  bestand <debiteurnummer>.Xml) en Assortiment.Xml staan in de werkmap;\n"
    "  de orders komen in Orders en Verzonden, de instellingen in\n"
    "  MorvekVonu.Ini.\n"
    "  Orderbalie (Morvek.Ini in de werkmap): werkt op de orderdatabase uit\n"
    "  ../MorvekAdministratie.Ini. WERKPLEK is dan de naam van de werkplek\n"
    "  (maximaal 8 tekens; een naam die met PROEF begint is een proefwerkplek).\n"
    "\n"
    "Opties:\n"
    "  -h, --help     deze hulp tonen\n"
    "      --version  de versie tonen\n"
    "\n"
    "Een demo-werkmap: /usr/share/vonuorder/demo/prepare MAP\n"
    "Meer in de handleiding: man vonuorder\n";

} // namespace

QString versionText()
{
    return QStringLiteral("VonuOrder " VONU_VERSION);
}

QString helpText()
{
    return u8(Help);
}

std::optional<QString> terminalAnswer(const QStringList& arguments)
{
    for (const QString& a : arguments) {
        if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            return helpText();
        if (a == QLatin1String("--version"))
            return versionText() + QLatin1Char('\n');
    }
    return std::nullopt;
}

} // namespace vonu
