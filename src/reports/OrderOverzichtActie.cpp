#include "reports/OrderOverzichtActie.h"
#include "base/Text.h"

#include "data/AppState.h"
#include "order/VonuOrder.h"
#include "order/VonuOrderNotitie.h"
#include "reports/PrintTarget.h"

#include <QDir>

namespace vonu {

namespace {

namespace Tekst {
const char* const Fout = "Fout";
const char* const Samengesteld = "Het overzicht wordt samengesteld...";
const char* const Afgedrukt = "Het overzicht wordt afgedrukt...";
const char* const NietAfgedrukt = "Het overzicht is niet afgedrukt:";
} // namespace Tekst

} // namespace

OrderOverzichtActie::OrderOverzichtActie(TVonuOrderscherm& screen, report::IPrintTarget& target, QObject* parent)
    : QObject(parent), screen_(screen), target_(target)
{
    screen_.onButton(TVonuOrderscherm::Knop::Afdrukken, this, [this] {
        if (!screen_.appState().internalMode)
            afdrukken();
    });
}

QString OrderOverzichtActie::printFile() const
{
    return screen_.appState().folder.file(QStringLiteral("\\VonuOrder.Prt"));
}

OverviewHeader OrderOverzichtActie::header() const
{
    OverviewHeader h;
    h.versie = screen_.statusText(1).mid(7, 4);
    h.sleutel = screen_.statusText(2).mid(8, 10);
    h.assortiment = screen_.statusText(3).mid(12, 10);
    h.datum = screen_.platform().clock.today().toString(QStringLiteral("dd-MM-yyyy"));
    {
        const TXMLSleutel s = screen_.appState().profile.sleutel();
        h.debiteur = s.Debiteur();
        h.debiteurNaam = s.DebiteurNaam();
        h.debiteurAdres = s.DebiteurAdres();
        h.debiteurPlaats = s.DebiteurPostcode() + QStringLiteral("  ") + s.DebiteurWoonplaats();
        const int index = screen_.shipToIndex();
        const TXMLVerzendadres v = index >= 0 ? s.Verzendadressen().Item(index) : TXMLVerzendadres();
        h.verzend = v.Verzend();
        h.verzendNaam = v.VerzendadresNaam();
        h.verzendAdres = v.VerzendadresAdres();
        h.verzendPlaats = v.VerzendadresPostcode() + QStringLiteral("  ") + v.VerzendadresWoonplaats();
        h.afleverNaam = v.VerzendadresAfleverNaam();
        h.afleverAdres = v.VerzendadresAfleverAdres();
        h.afleverPlaats = v.VerzendadresAfleverPostcode() + QStringLiteral("  ") + v.VerzendadresAfleverWoonplaats();
    }
    h.transactie = screen_.transactieType() == Transactie::Offerte ? QStringLiteral("Offerte") : QStringLiteral("Order");
    const OrderHeaderValues order = screen_.headerValues();
    h.orderdatum = order.orderdatum.toString(QStringLiteral("dd-MM-yyyy"));
    h.ordernummer = order.ordernummer;
    h.referentie = order.referentie;
    h.notities = order.notities;
    // The logo beside the product pictures; without one the name is printed.
    h.logo = QImage(screen_.appState().folder.file(QStringLiteral("\\Afbeeldingen\\Logo.png")));
    return h;
}

bool OrderOverzichtActie::afdrukken()
{
    auto done = [this](bool printed) {
        screen_.setStatusText(0, QString());
        screen_.giveFocus(TVonuOrderscherm::Plek::Ordervoor);
        return printed;
    };
    if (!screen_.order().lineInUse(1) || !screen_.validateOrder())
        return done(false);
    if (!target_.choosePrinter())
        return done(false);

    screen_.setStatusText(0, u8(Tekst::Samengesteld));
    screen_.writeBackVisibleRows();
    auto fail = [&](const QString& reason) {
        showMessage(screen_.platform().messages, u8(Tekst::Fout), {u8(Tekst::NietAfgedrukt), reason});
        return done(false);
    };
    QStringList lines;
    QString reason;
    if (!overviewLines(screen_.order(), screen_.appState().catalog, &lines, &reason))
        return fail(reason);
    if (!writePrintFile(printFile(), lines, &reason))
        return fail(reason);

    screen_.setStatusText(0, u8(Tekst::Afgedrukt));
    const report::PageModel pages = layoutOverview(header(), readPrintFile(printFile()));
    if (!target_.print(pages, &reason))
        return fail(reason);
    return done(true);
}

} // namespace vonu
