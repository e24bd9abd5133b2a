#include "data/DataStartup.h"

#include "base/Text.h"
#include "data/FileStamp.h"

#include <QDir>
#include <QFileInfo>

namespace vonu {

namespace {

namespace Tekst {
const char* const Fout = "Fout";
const char* const GeenAssortiment = "Géén assortiment gevonden!";
const char* const Downloaden = "U dient dit te downloaden!";
const char* const OngeldigAssortiment = "Ongeldig assortiment!";
const char* const VerouderdAssortiment = "Verouderd assortiment!";
const char* const NieuwDownloaden = "U dient een nieuw assortiment te downloaden!";
const char* const Webside = "Ga hiervoor naar de Morvek-webside...";
const char* const VersieGeenGetal = "De bestandsversie in het assortiment is geen getal.";
const char* const AssortimentOnleesbaar = "Assortiment.Xml is niet leesbaar:";
const char* const GeenSleutel = "Géén klantsleutel gevonden!";
const char* const SleutelOntbreekt = "Het sleutelbestand (debiteurnummer.Xml) ontbreekt in deze map.";
const char* const ContactMorvek = "Neem hiervoor contact op met Morvek.";
const char* const OngeldigeSleutel = "Ongeldige klantsleutel!";
const char* const BestandOnleesbaar = "Bestand %1 is niet leesbaar:";
} // namespace Tekst

} // namespace

namespace DataMessages {

QString caption()
{
    return u8(Tekst::Fout);
}

QStringList catalogMissing()
{
    return {u8(Tekst::GeenAssortiment), u8(Tekst::Downloaden), u8(Tekst::Webside)};
}

QStringList catalogInvalid()
{
    return {u8(Tekst::OngeldigAssortiment), u8(Tekst::NieuwDownloaden), u8(Tekst::Webside)};
}

QStringList catalogOutdated()
{
    return {u8(Tekst::VerouderdAssortiment), u8(Tekst::NieuwDownloaden), u8(Tekst::Webside)};
}

QStringList catalogStampNotNumeric()
{
    return catalogInvalid() << QString() << u8(Tekst::VersieGeenGetal);
}

QStringList catalogUnreadable(const QString& errorText)
{
    return catalogInvalid() << QString() << u8(Tekst::AssortimentOnleesbaar) << errorText;
}

QStringList profileMissing()
{
    return {u8(Tekst::GeenSleutel), u8(Tekst::SleutelOntbreekt), u8(Tekst::ContactMorvek)};
}

QStringList profileUnreadable(const QString& fileName, const QString& errorText)
{
    return {u8(Tekst::OngeldigeSleutel), u8(Tekst::BestandOnleesbaar).arg(fileName), errorText,
            u8(Tekst::ContactMorvek)};
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
