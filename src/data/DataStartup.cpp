#include "data/DataStartup.h"

#include "data/FileStamp.h"

#include <QDir>
#include <QFileInfo>

namespace vonu {

namespace DataMessages {

namespace {
const QString kDownload = QStringLiteral("U dient een nieuw assortiment te downloaden!");
const QString kWebsite = QStringLiteral("Ga hiervoor naar de Morvek-webside...");
} // namespace

QString caption()
{
    return QStringLiteral("Fout");
}

QStringList catalogMissing()
{
    return {QStringLiteral("Géén assortiment gevonden!"), QStringLiteral("U dient dit te downloaden!"), kWebsite};
}

QStringList catalogInvalid()
{
    return {QStringLiteral("Ongeldig assortiment!"), kDownload, kWebsite};
}

QStringList catalogOutdated()
{
    return {QStringLiteral("Verouderd assortiment!"), kDownload, kWebsite};
}

QStringList catalogStampNotNumeric()
{
    return catalogInvalid() << QString() << QStringLiteral("De bestandsversie in het assortiment is geen getal.");
}

QStringList catalogUnreadable(const QString& errorText)
{
    return catalogInvalid() << QString() << QStringLiteral("Assortiment.Xml is niet leesbaar:") << errorText;
}

QStringList profileMissing()
{
    return {QStringLiteral("Géén klantsleutel gevonden!"),
            QStringLiteral("Het sleutelbestand (debiteurnummer.Xml) ontbreekt in deze map."),
            QStringLiteral("Neem hiervoor contact op met Morvek.")};
}

QStringList profileUnreadable(const QString& fileName, const QString& errorText)
{
    return {QStringLiteral("Ongeldige klantsleutel!"),
            QStringLiteral("Bestand %1 is niet leesbaar:").arg(fileName), errorText,
            QStringLiteral("Neem hiervoor contact op met Morvek.")};
}

} // namespace DataMessages

namespace {

void fail(IMessageDialog& messages, const QStringList& lines)
{
    showMessage(messages, DataMessages::caption(), lines);
}

} // namespace

QStringList catalogTestFailure(const Catalog& catalog, const QDateTime& fileTimeLocal, bool orderDesk)
{
    const std::optional<qint32> stamp = parseBestandVersie(catalog.bestandVersie());
    if (!stamp)
        return DataMessages::catalogStampNotNumeric();
    if (!stampMatchesFileTime(*stamp, packDosDateTime(fileTimeLocal)))
        return DataMessages::catalogInvalid();
    if (!orderDesk && isOutdatedCatalog(fileTimeLocal.date()))
        return DataMessages::catalogOutdated();
    return {};
}

DataStartupResult loadStartupData(const DataStartupRequest& request, CustomerProfile& profile, Catalog& catalog,
                                  IMessageDialog& messages)
{
    DataStartupResult r;
    const QDir folder(request.workingFolder);

    if (request.orderDesk) {
        r.profileOk = true;
        r.sleutelPanel = sleutelPanelText(request.today);
    } else {
        const QString file = CustomerProfile::findProfileFile(request.workingFolder);
        if (file.isEmpty()) {
            fail(messages, DataMessages::profileMissing());
            return r;
        }
        if (!profile.load(file)) {
            fail(messages, DataMessages::profileUnreadable(QFileInfo(file).fileName(), profile.errorText()));
            profile.clear();
            return r;
        }
        r.profileOk = true;
        r.sleutelPanel = sleutelPanelText(fileModifiedLocal(file).date());
        r.debtorFromFileName = CustomerProfile::debtorNumberFromFileName(file);
        r.debtorCaption = QStringLiteral("In opdracht van: ") + r.debtorFromFileName;
        r.customerName = profile.customerName();
        r.customerAddress = profile.customerAddress();
        r.customerPlace = profile.customerPlace();
    }

    const QString catalogFile = request.orderDesk
        ? QDir::cleanPath(folder.filePath(QStringLiteral("../Assortiment.Xml")))
        : folder.filePath(QStringLiteral("Assortiment.Xml"));
    if (!QFileInfo::exists(catalogFile)) {
        fail(messages, DataMessages::catalogMissing());
        return r;
    }
    if (!catalog.load(catalogFile)) {
        fail(messages, DataMessages::catalogUnreadable(catalog.errorText()));
        catalog.clear();
        return r;
    }
    const QDateTime fileTime = fileModifiedLocal(catalogFile);
    const QStringList failure = catalogTestFailure(catalog, fileTime, request.orderDesk);
    if (!failure.isEmpty()) {
        fail(messages, failure);
        catalog.clear();
        return r;
    }
    r.catalogOk = true;
    r.assortimentPanel = assortimentPanelText(fileTime.date());

    if (!request.orderDesk)
        r.shipToEntries = profile.shipToEntries();
    r.colourEntries = catalog.colourEntries();
    return r;
}

} // namespace vonu
