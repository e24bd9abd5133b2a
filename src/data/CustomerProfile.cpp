#include "data/CustomerProfile.h"

#include "base/WorkingFolder.h"

#include <QFileInfo>

namespace vonu {

bool CustomerProfile::load(const QString& path)
{
    return doc_.loadFile(path);
}

bool CustomerProfile::loadText(const QString& xml)
{
    return doc_.loadText(xml);
}

QString CustomerProfile::customerPlace() const
{
    const TXMLSleutel s = sleutel();
    return s.DebiteurPostcode() + QStringLiteral("  ") + s.DebiteurWoonplaats();
}

QString CustomerProfile::shipToEntry(const TXMLVerzendadres& address)
{
    const QString search = address.VerzendadresZoeknaam();
    const QString place = address.VerzendadresWoonplaats();
    QString entry = address.Verzend() + QLatin1Char(' ') + search;
    if (place.isEmpty() || !search.contains(place))
        entry += QLatin1Char(' ') + place;
    return entry;
}

QStringList CustomerProfile::shipToEntries() const
{
    QStringList entries;
    for (const TXMLVerzendadres v : sleutel().Verzendadressen())
        entries.append(shipToEntry(v));
    return entries;
}

QString CustomerProfile::debtorNumberFromFileName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.left(std::max<qsizetype>(0, name.size() - 4));
}

QString CustomerProfile::findProfileFile(const QString& folder)
{
    return WorkingFolder(folder).profileFile();
}

} // namespace vonu
