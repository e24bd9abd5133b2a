#include "files/OrderVerzenden.h"
#include "base/Text.h"

#include "data/AppState.h"
#include "files/OrderDocument.h"
#include "files/MailProgress.h"
#include "files/OrderFileActions.h"
#include "order/VonuOrder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vonu {

namespace {

namespace Tekst {
const char* const Fout = "Fout";
const char* const Informatie = "Informatie";
const char* const Bevestiging = "Bevestiging";
const char* const AlVerzonden = "Order is al verzonden naar Morvek!!!";
const char* const Nogmaals = "U gaat dus nogmaals bestellen!!!";
const char* const WiltU = "Wilt U de order verzenden?";
const char* const OfferteWordtVerzonden = "Offerteaanvraag wordt verzonden...";
const char* const OrderWordtVerzonden = "Order wordt verzonden...";
const char* const OfferteVerzonden = "Offerteaanvraag is verzonden naar Morvek.";
const char* const OrderVerzonden = "Order is verzonden naar Morvek.";
const char* const NietVerzonden = "De order is NIET verzonden.";
const char* const OfferteNietVerzonden = "De offerteaanvraag is NIET verzonden.";
const char* const KopieNietBewaard = "De order is niet verzonden: de kopie in \\Verzonden kan niet worden bewaard.";
const char* const OngeldigAdres = "Het e-mailadres '%1' bevat tekens die niet zijn toegestaan.";
const char* const AdresControleren = "Controleer uw e-mailadres bij <&Instellingen>, of neem contact op met Morvek.";
const char* const OngeldigDebiteur = "Het debiteurnummer '%1' kan geen deel van een bestandsnaam zijn.";
const char* const NeemContactOp = "Neem contact op met Morvek...";
const char* const VerzondenNietBewaard = "De order is verzonden, maar het orderbestand kan niet worden bijgewerkt:";
const char* const GeenVerzendadres = "Het verzendadres van deze order staat niet in uw profiel.";
const char* const KiesVerzendadres = "Kies eerst bij \"Order voor\" het adres voor deze order.";
const char* const GeenMailverbinding = "Geen mailverbinding.";
// The mail's subject and the order's header in its body.
const char* const OnderwerpOfferte = "VonuOfferte ";
const char* const OnderwerpOrder = "VonuOrder ";
const char* const BodyOrdervoor = "Order voor  : ";
const char* const BodyOrderdatum = "Orderdatum  : ";
const char* const BodyOrdernummer = "Ordernummer : ";
const char* const BodyReferentie = "Referentie  : ";
} // namespace Tekst

} // namespace

OrderVerzenden::OrderVerzenden(TVonuOrderscherm& screen, OrderFileActions& files,
                               std::function<bool()> printOverview, QObject* parent)
    : QObject(parent), screen_(screen), files_(files), printOverview_(std::move(printOverview))
{
    screen_.onButton(TVonuOrderscherm::Knop::Verzenden, this, [this] {
        if (!screen_.appState().internalMode)
            verzenden();
    });
}

QString OrderVerzenden::sentCopyPath(const QString& stamp) const
{
    const AppState* state = &screen_.appState();
    return state->folder.file(QStringLiteral("\\Verzonden")) + QLatin1Char('/') +
           sentCopyFileName(state->profile.debtorNumber(), stamp);
}

bool OrderVerzenden::verzenden()
{
    auto done = [this](bool sent) {
        screen_.giveFocus(TVonuOrderscherm::Plek::Ordervoor);
        return sent;
    };
    AppState* state = &screen_.appState();
    IMessageDialog& messages = screen_.platform().messages;

    if (!state->settings.sendsByEmail()) {
        printOverview_();
        files_.bewaren();
        return done(false);
    }
    if (!screen_.order().lineInUse(1))
        return done(false);
    // An order for no address would reach the manufacturer without one.
    if (screen_.shipToIndex() < 0) {
        showMessage(messages, u8(Tekst::Fout), {u8(Tekst::GeenVerzendadres), u8(Tekst::KiesVerzendadres)});
        return done(false);
    }

    const QString mailbox = state->profile.orderMailbox();
    const MailReadiness ready = mailReadiness(state->settings, mailbox);
    if (ready != MailReadiness::Ready) {
        showMessage(messages, u8(Tekst::Fout), notReadyLines(ready));
        return done(false);
    }

    // Checked before anything is written: an address with a line break would
    // add commands to the mail session.
    const QString unsafe = firstUnsafeAddress(state->settings.emailAdres, mailbox);
    if (!unsafe.isNull()) {
        showMessage(messages, u8(Tekst::Fout),
                    {u8(Tekst::OngeldigAdres).arg(unsafe.simplified()), u8(Tekst::AdresControleren)});
        return done(false);
    }
    const QString debiteur = state->profile.debtorNumber().trimmed();
    if (!isPlainFileName(debiteur)) {
        showMessage(messages, u8(Tekst::Fout), {u8(Tekst::OngeldigDebiteur).arg(debiteur), u8(Tekst::NeemContactOp)});
        return done(false);
    }

    const QString shown = screen_.sentStampShown();
    if (!shown.isEmpty() && !shown.endsWith(QLatin1Char('*')) &&
        !askYesNo(messages, u8(Tekst::Bevestiging), {u8(Tekst::AlVerzonden), u8(Tekst::Nogmaals), u8(Tekst::WiltU)}))
        return done(false);

    if (!screen_.validateOrder())
        return done(false);

    // Built with the stamp but not yet written: the order file receives the
    // stamp only when the server has taken the mail.
    if (files_.buildOrderDocument(OrderFileActions::Build::SendingByMail) != OrderFileActions::Outcome::Done)
        return done(false);

    const bool offerte = screen_.transactieType() == Transactie::Offerte;
    const QString stamp = files_.sentStamp();
    const QString waiting = u8(offerte ? Tekst::OfferteWordtVerzonden : Tekst::OrderWordtVerzonden);
    screen_.setStatusText(0, waiting);
    const QString copy = sentCopyPath(stamp);
    auto fail = [&](const QStringList& lines) {
        screen_.setStatusText(0, QString());
        QFile::remove(copy);
        showMessage(messages, u8(Tekst::Fout), lines);
        return done(false);
    };

    QDir().mkpath(QFileInfo(copy).absolutePath());
    if (!files_.document().save(copy))
        return fail({u8(Tekst::KopieNietBewaard), files_.document().errorText()});

    MailMessage mail;
    MailAttachment attachment;
    QString reason;
    if (!loadAttachment(copy, QStringLiteral("application/xml"), attachment, &reason))
        return fail({u8(offerte ? Tekst::OfferteNietVerzonden : Tekst::NietVerzonden), reason});
    mail.attachments << attachment;
    const OrderHeaderValues header = screen_.headerValues();
    mail.subject = u8(offerte ? Tekst::OnderwerpOfferte : Tekst::OnderwerpOrder) + state->profile.debtorNumber() +
                   QLatin1Char(' ') + header.ordernummer + QLatin1Char(' ') + header.referentie;
    mail.bodyLines = {
        u8(Tekst::BodyOrdervoor) + header.ordervoor,
        u8(Tekst::BodyOrderdatum) + header.orderdatum.toString(QStringLiteral("dd-MM-yyyy")),
        u8(Tekst::BodyOrdernummer) + header.ordernummer,
        u8(Tekst::BodyReferentie) + header.referentie,
    };
    mail.recipients = mailbox;
    mail.sender = state->settings.emailAdres;

    const std::unique_ptr<IMailSender> sender = screen_.platform().mail.sender(smtpSettingsFrom(state->settings));
    const MailResult result = sender ? sendWithProgress(*sender, mail, waiting, &screen_)
                                     : MailResult::failure(u8(Tekst::GeenMailverbinding));
    if (!result.ok)
        return fail(QStringList{u8(offerte ? Tekst::OfferteNietVerzonden : Tekst::NietVerzonden)} +
                    mailFailureLines(result));

    screen_.setStatusText(0, QString());
    QString saveError;
    if (!files_.saveSentOrder(&saveError))
        showMessage(messages, u8(Tekst::Fout), {u8(Tekst::VerzondenNietBewaard), saveError});
    files_.document().setFileName(copy);
    files_.setCurrentFile(copy);
    screen_.showSentStamp(stamp);
    showMessage(messages, u8(Tekst::Informatie), {QString(), u8(offerte ? Tekst::OfferteVerzonden : Tekst::OrderVerzonden)});
    return done(true);
}

} // namespace vonu
