#include "reports/ProductionPrintRun.h"

#include "base/MorvekIni.h"
#include "base/Text.h"
#include "desk/DbSession.h"
#include "desk/ProductionOrder.h"
#include "desk/ProductionPrintData.h"
#include "desk/SillMacroQueries.h"
#include "reports/OrderRapport.h"
#include "reports/OrderRapportD.h"
#include "reports/OrderRapportO.h"
#include "reports/PrintTarget.h"

#include <QDir>
#include <QImageReader>

namespace vonu {

namespace {

namespace Tekst {
const char* const Aanmaken = "Het tijdelijke afdrukbestand wordt aangemaakt.";
const char* const Afdrukken = "De productieorder wordt afgedrukt.";
const char* const AfdrukkenControle = "De ingevoerde productieorder wordt afgedrukt.";
const char* const PrinterNietGevonden = "Productieorderprinter niet gevonden!";
const char* const Fout = "Fout";
const char* const Waarschuwing = "Waarschuwing";
const char* const NietAfgedrukt = "De productiepapieren zijn niet afgedrukt:";
const char* const GeenAfbeelding = "Afbeelding %1 kan niet worden geladen;";
const char* const ZonderAfbeelding = "de bladzijde wordt zonder afbeelding afgedrukt.";
const char* const GeenLogo = "Het logo %1 kan niet worden geladen;";
const char* const ZonderLogo = "de productieorder wordt zonder logo afgedrukt.";
} // namespace Tekst

// A file in a folder named in Morvek.Ini (written with either separator).
QString inFolder(const QString& folder, const QString& name)
{
    QString f = folder.trimmed();
    f.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(f).filePath(name.trimmed());
}

} // namespace

QString ProductionPrintRun::printerNotFound()
{
    return u8(Tekst::PrinterNietGevonden);
}

ProductionPrintRun::ProductionPrintRun(DbSession& db, report::IPrintTarget& target, IMessageDialog& messages,
                                       IClock& clock, ISound& sound, IProductionScreen& screen,
                                       ProductionPrintSettings settings)
    : db_(db), target_(target), messages_(messages), clock_(clock), sound_(sound), screen_(screen),
      settings_(std::move(settings))
{
}

void ProductionPrintRun::status(const QString& text)
{
    screen_.showStatus(text);
}

bool ProductionPrintRun::printProductionOrder(const QString& ordernummer)
{
    enteredSizes_ = false;
    if (!print(ordernummer, QString()))
        return false;
    return !enteredSizes_ || print(ordernummer, ProductionOrder::kIngevoerdeMaten);
}

bool ProductionPrintRun::send(const report::PageModel& pages)
{
    QString error;
    if (target_.print(pages, &error))
        return true;
    showMessage(messages_, u8(Tekst::Fout), {u8(Tekst::NietAfgedrukt), error});
    return false;
}

QImage ProductionPrintRun::logo(const QString& vAdres, const QString& verzendLogo)
{
    if (settings_.bedrijfsLogo.trimmed().isEmpty())
        return {};
    const QString name = !vAdres.trimmed().isEmpty() && !verzendLogo.trimmed().isEmpty()
                             ? verzendLogo
                             : db_.constant(QStringLiteral("BedrijfsLogo")).toString();
    const QString path = inFolder(settings_.bedrijfsLogo, name);
    QImageReader reader(path);
    const QImage image = reader.read();
    // Said once a session: the papers matter more than the logo.
    if (image.isNull() && !logoWarned_) {
        logoWarned_ = true;
        showMessage(messages_, u8(Tekst::Waarschuwing),
                    {u8(Tekst::GeenLogo).arg(QDir::toNativeSeparators(path)), u8(Tekst::ZonderLogo)});
    }
    return image;
}

bool ProductionPrintRun::print(const QString& ordernummer, const QString& variant)
{
    const bool control = variant == ProductionOrder::kIngevoerdeMaten;
    const QString current = screen_.currentOrder();
    const bool test = isTestWorkstation(settings_.workstation);
    // A print copy is stored under the workstation's name.
    const bool printCopy = !settings_.workstation.isEmpty() && ordernummer.trimmed() == settings_.workstation
                           && !current.trimmed().isEmpty();

    status(u8(Tekst::Aanmaken));
    ProductionPrintData data(db_);
    ProductionHeader header;
    if (!data.header(ordernummer, current, printCopy, &header))
        return false;
    ProductionOrder order(db_, PackingRules::fromConstants(db_));
    if (!order.createPrintTable())
        return false;
    status(ProductionOrder::fillingText());
    if (!order.fill(ordernummer, variant, &enteredSizes_))
        return false;
    const QList<ProductionPrintRow> rows = order.printRows();
    if (rows.isEmpty()) {
        status(QString());
        return true;
    }

    const QString running = u8(control ? Tekst::AfdrukkenControle : Tekst::Afdrukken);
    status(running);
    const bool found = target_.selectPrinter(settings_.pProductie.trimmed());
    if (!found) {
        sound_.beep();
        status(printerNotFound());
    }

    ProductionReportOptions options;
    options.order = paperOrderText(current, test).trimmed();
    options.controlCopy = control;
    if (!control) {
        const std::optional<int> coated = data.coatedRows(ordernummer);
        if (!coated)
            return false;
        options.coated = *coated > 0;
    }
    options.logo = logo(header.vAdres, header.vBedrijfsLogo);
    options.now = clock_.now();
    const DebtorLabels debtor = screen_.debtor();
    options.debiteur = debtor.debiteur;
    options.debiteurNaam = debtor.naam;
    options.debiteurAdres = debtor.adres;
    options.debiteurWoonplaats = debtor.woonplaats;
    const report::PageModel pages = layoutProductionOrder(header, options, rows);
    bool ok = true;
    if (found || target_.choosePrinter()) {
        status(running);
        ok = send(pages);
    }

    // Pictures and sill sheets come once, with the last run.
    if (ok && (control || !enteredSizes_)) {
        const QString orderText = paperOrderText(current, test);
        ok = picturePages(ordernummer, orderText, pages.pageCount())
             && sillSheets(ordernummer, orderText, pages.pageCount());
    }
    status(QString());
    return ok;
}

bool ProductionPrintRun::picturePages(const QString& ordernummer, const QString& orderText, int pages)
{
    // A workstation without a picture folder prints no picture pages.
    if (settings_.productAfbeelding.trimmed().isEmpty())
        return true;
    ProductionPrintData data(db_);
    const std::optional<QStringList> files = data.pictures(ordernummer);
    if (!files)
        return false;
    int page = pages;
    for (const QString& file : *files) {
        const QString path = inFolder(settings_.productAfbeelding, file);
        const QImage picture = QImageReader(path).read();
        if (picture.isNull())
            showMessage(messages_, u8(Tekst::Waarschuwing),
                        {u8(Tekst::GeenAfbeelding).arg(QDir::toNativeSeparators(path)), u8(Tekst::ZonderAfbeelding)});
        if (!send(layoutPicturePage(orderText, ++page, picture)))
            return false;
    }
    return true;
}

bool ProductionPrintRun::sillSheets(const QString& ordernummer, const QString& orderText, int pages)
{
    ProductionPrintData data(db_);
    const std::optional<QList<SillSheetRow>> rows = data.sillRows(ordernummer);
    if (!rows)
        return false;
    if (rows->isEmpty())
        return true;
    SillMacroQueries macros(db_);
    QList<SillSheetEntry> entries;
    for (const SillSheetRow& row : *rows) {
        SillSheetEntry e;
        e.row = row;
        std::tie(e.omschrijving1, e.omschrijving2) = data.articleTexts(row.artikel);
        const auto values = data.sillValues(row.order, row.regelId);
        if (!values)
            return false;
        e.hasValues = !values->empty();
        if (e.hasValues) {
            // Laid out as the configurator shows the sill: from the
            // article's proposed macros.
            const std::optional<sill::SillProposal> proposal = macros.proposal(row.artikel);
            if (!proposal)
                return false;
            e.proposal = *proposal;
        }
        for (int k = 0; k < values->macros.size(); ++k) {
            const QString code = values->macros.at(k).trimmed();
            e.macros << (code.isEmpty() ? SillMacro{} : data.macro(row.artikel, k + 1, code));
        }
        e.maten = values->maten;
        entries << e;
    }
    return send(layoutSillSheet(orderText, pages + 1, entries));
}

} // namespace vonu
