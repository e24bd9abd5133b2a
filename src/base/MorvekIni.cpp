#include "base/MorvekIni.h"

#include <QFile>
#include <QStringDecoder>

namespace vonu {

namespace {

QString* fieldFor(MorvekIniSettings& s, const QString& key)
{
    static const struct {
        const char* key;
        QString MorvekIniSettings::*field;
    } keys[] = {
        {"P_productie", &MorvekIniSettings::pProductie},
        {"BedrijfsLogo", &MorvekIniSettings::bedrijfsLogo},
        {"ProductAfbeelding", &MorvekIniSettings::productAfbeelding},
        {"OnderdorpelPre", &MorvekIniSettings::onderdorpelPre},
        {"OnderdorpelPost", &MorvekIniSettings::onderdorpelPost},
        {"VonuOrder", &MorvekIniSettings::vonuOrder},
    };
    for (const auto& k : keys) {
        if (key == QLatin1String(k.key))
            return &(s.*k.field);
    }
    return nullptr;
}

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        QStringDecoder ansi("windows-1252");
        text = ansi.decode(bytes);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

} // namespace

MorvekIniSettings parseMorvekIni(const QString& text)
{
    MorvekIniSettings settings;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        if (QString* field = fieldFor(settings, line.left(eq).trimmed()))
            *field = line.mid(eq + 1).trimmed();
    }
    return settings;
}

bool readMorvekIni(const QString& path, MorvekIniSettings* settings, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Kan %1 niet lezen: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Kan %1 niet lezen: %2").arg(path, file.errorString());
        return false;
    }
    *settings = parseMorvekIni(decodeText(bytes));
    return true;
}

QString workstationName(const QString& parameter)
{
    return parameter.trimmed().toUpper().left(8);
}

bool isTestWorkstation(const QString& workstation)
{
    return workstation.startsWith(QLatin1String("PROEF"));
}

QString versionPanelText(bool testWorkstation)
{
    const QString version = QStringLiteral("Versie 1.06");
    if (!testWorkstation)
        return version;
    return QStringLiteral("Proef ") + version.mid(7, 4);
}

} // namespace vonu
