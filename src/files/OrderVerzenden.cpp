#include "files/OrderVerzenden.h"
#include "base/Text.h"

#include "data/AppState.h"
#include "files/OrderDocument.h"
#include "files/OrderFileActions.h"
#include "order/VonuOrder.h"
#include "reports/OrderOverzichtActie.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
const char* const NietVerzonden = "De order is bewaard maar niet verzonden:";
const char* const KopieNietBewaard = "De verzonden kopie is niet bewaard:";
} // namespace Tekst

} // namespace

OrderVerzenden::OrderVerzenden(TVonuOrderscherm& screen, OrderFileActions& files, OrderOverzichtActie& print,
                               QObject* parent)
    : QObject(parent), screen_(screen), files_(files), print_(print)
{
    connect(screen_.verzenden(), &QPushButton::clicked, this, [this] {
        if (!screen_.state() || !screen_.state()->internalMode)
            verzenden();
    });
}

QString OrderVerzenden::sentCopyPath(const QString& stamp) const
{
    const AppState* state = screen_.state();
    return state->folder.file(QStringLiteral("\\Verzonden")) + QLatin1Char('/') +
           sentCopyFileName(state->profile.debtorNumber(), stamp);
}

bool OrderVerzenden::verzenden()
{
    auto done = [this](bool sent) {
        screen_.ordervoor()->setFocus();
        return sent;
    };
    AppState* state = screen_.state();
    IMessageDialog& messages = screen_.platform().messages;
    if (!state)
        return done(false);

    if (!state->settings.sendsByEmail()) {
        print_.afdrukken();
        files_.bewaren();
        return done(false);
    }
    if (screen_.regelRij(1).artikel->currentText().trimmed().isEmpty())
        return done(false);

    const QString mailbox = state->profile.orderMailbox();
    const MailReadiness ready = mailReadiness(state->settings, mailbox);
    if (ready != MailReadiness::Ready) {
        showMessage(messages, u8(Tekst::Fout), notReadyLines(ready));
        return done(false);
    }

    const QString shown = screen_.verzonden()->text();
    if (!shown.isEmpty() && !shown.endsWith(QLatin1Char('*')) &&
        !askYesNo(messages, u8(Tekst::Bevestiging), {u8(Tekst::AlVerzonden), u8(Tekst::Nogmaals), u8(Tekst::WiltU)}))
        return done(false);

    if (validate && !validate())
        return done(false);

    if (files_.buildOrderDocument(OrderFileActions::Build::Sending) != OrderFileActions::Outcome::Done)
        return done(false);

    const bool offerte = screen_.transactieType() == Transactie::Offerte;
    const QString stamp = files_.sentStamp();
    screen_.setStatusText(0, u8(offerte ? Tekst::OfferteWordtVerzonden : Tekst::OrderWordtVerzonden));
    auto fail = [&](const char* what, const QString& reason) {
        screen_.setStatusText(0, QString());
        showMessage(messages, u8(Tekst::Fout), {u8(what), reason});
        return done(false);
    };

    const QString copy = sentCopyPath(stamp);
    if (!files_.document().save(copy))
        return fail(Tekst::KopieNietBewaard, files_.document().errorText());
    files_.setCurrentFile(copy);

    MailMessage mail;
    MailAttachment attachment;
    QString reason;
    if (!loadAttachment(copy, QStringLiteral("application/xml"), attachment, &reason))
        return fail(Tekst::NietVerzonden, reason);
    mail.attachments << attachment;
    mail.subject = QString::fromLatin1(offerte ? "VonuOfferte " : "VonuOrder ") + state->profile.debtorNumber() +
                   QLatin1Char(' ') + screen_.ordernummer()->text() + QLatin1Char(' ') + screen_.referentie()->text();
    mail.bodyLines = {
        QStringLiteral("Order voor  : ") + screen_.ordervoor()->currentText(),
        QStringLiteral("Orderdatum  : ") + screen_.orderdatum()->date().toString(QStringLiteral("dd-MM-yyyy")),
        QStringLiteral("Ordernummer : ") + screen_.ordernummer()->text(),
        QStringLiteral("Referentie  : ") + screen_.referentie()->text(),
    };
    mail.recipients = mailbox;
    mail.sender = state->settings.emailAdres;

    const std::unique_ptr<IMailSender> sender = screen_.platform().mail.sender(smtpSettingsFrom(state->settings));
    const MailResult result = sender ? sender->send(mail) : MailResult::failure(QStringLiteral("Geen mailverbinding."));
    if (!result.ok)
        return fail(Tekst::NietVerzonden, result.error);

    screen_.setStatusText(0, QString());
    screen_.showSentStamp(stamp);
    showMessage(messages, u8(Tekst::Informatie), {QString(), u8(offerte ? Tekst::OfferteVerzonden : Tekst::OrderVerzonden)});
    return done(true);
}

} // namespace vonu
