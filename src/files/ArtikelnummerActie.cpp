#include "files/ArtikelnummerActie.h"
#include "files/MailProgress.h"
#include "base/Text.h"

#include "data/AppState.h"
#include "files/ArtikelnummerGrid.h"
#include "files/VonuOrderArtikelnummer.h"
#include "files/VonuOrderArtikelnummerLegenda.h"
#include "order/VonuOrder.h"

#include <QFileInfo>
#include <QStatusBar>

namespace vonu {

namespace {

namespace Tekst {
const char* const Fout = "Fout";
const char* const Informatie = "Informatie";
const char* const WordenBewaard = "Artikelnummers worden bewaard...";
const char* const WordenVerzonden = "Artikelnummers worden verzonden...";
const char* const Verzonden = "Artikelnummers verzonden naar Morvek.";
const char* const Onderwerp = "VonuOrder artikelnummers ";
const char* const Body = "Artikelnummers ";
const char* const NietGelezen = "Bestand '%1' kan niet worden gelezen:";
const char* const NietBewaard = "De artikelnummers zijn niet bewaard:";
const char* const NietVerzonden = "De artikelnummers zijn bewaard maar niet verzonden:";
const char* const GeenMailverbinding = "Geen mailverbinding.";
} // namespace Tekst

} // namespace

ArtikelnummerActie::ArtikelnummerActie(TVonuOrderscherm& screen, QObject* parent)
    : QObject(parent), screen_(screen)
{
    runScreen = [](TVonuOrderArtikelnummerscherm& s) { s.exec(); };
    screen_.onButton(TVonuOrderscherm::Knop::Artikelnummers, this, [this] { artikelnummers(); });
}

QString ArtikelnummerActie::fileName() const
{
    const AppState* state = &screen_.appState();
    const QString profileName = CustomerProfile::debtorNumberFromFileName(state->profile.fileName());
    return state->folder.file(QStringLiteral("\\Artikelnummers_") + profileName + QStringLiteral(".Xml"));
}

void ArtikelnummerActie::artikelnummers()
{
    AppState* state = &screen_.appState();
    IMessageDialog& messages = screen_.platform().messages;

    const QStringList list = customerArticleList ? customerArticleList()
                                                 : customerArticleCodes(state->profile, screen_.shipToIndex());
    ArtikelnummerGrid grid = buildArtikelnummerGrid(state->profile, state->catalog, list);
    const QString path = fileName();
    if (QFileInfo::exists(path)) {
        MorvekDocument file;
        if (!file.loadFile(path)) {
            showMessage(messages, u8(Tekst::Fout), {u8(Tekst::NietGelezen).arg(path), file.errorText()});
            return;
        }
        applyArtikelnummers(grid, file);
    }

    TVonuOrderArtikelnummerLegendascherm legend(&screen_);
    TVonuOrderArtikelnummerscherm scherm(legend, &screen_);
    scherm.setGrid(grid);
    runScreen(scherm);
    legend.hide();
    if (!scherm.isChanged())
        return;

    scherm.statusBar()->showMessage(u8(Tekst::WordenBewaard));
    int written = 0;
    MorvekDocument doc = buildArtikelnummersDocument(scherm.grid(), state->profile.debtorNumber(), &written);
    if (written == 0)
        return;  // an existing file stays as it was
    if (!doc.save(path)) {
        showMessage(messages, u8(Tekst::Fout), {u8(Tekst::NietBewaard), doc.errorText()});
        return;
    }

    const QString mailbox = state->profile.orderMailbox();
    const MailReadiness ready = mailReadiness(state->settings, mailbox);
    if (ready != MailReadiness::Ready) {
        showMessage(messages, u8(Tekst::Fout), notReadyLines(ready));
        return;
    }
    scherm.statusBar()->showMessage(u8(Tekst::WordenVerzonden));
    const QString profileName = CustomerProfile::debtorNumberFromFileName(state->profile.fileName());
    MailMessage mail;
    MailAttachment attachment;
    QString reason;
    if (!loadAttachment(path, QStringLiteral("application/xml"), attachment, &reason)) {
        showMessage(messages, u8(Tekst::Fout), {u8(Tekst::NietVerzonden), reason});
        return;
    }
    mail.attachments << attachment;
    mail.subject = u8(Tekst::Onderwerp) + profileName;
    mail.bodyLines = {u8(Tekst::Body) + screen_.debtorHeader().naam};
    mail.recipients = mailbox;
    mail.sender = state->settings.emailAdres;
    const std::unique_ptr<IMailSender> sender = screen_.platform().mail.sender(smtpSettingsFrom(state->settings));
    const MailResult result = sender ? sendWithProgress(*sender, mail, u8(Tekst::WordenVerzonden), &screen_)
                                     : MailResult::failure(u8(Tekst::GeenMailverbinding));
    if (!result.ok) {
        showMessage(messages, u8(Tekst::Fout), QStringList{u8(Tekst::NietVerzonden)} + mailFailureLines(result));
        return;
    }
    showMessage(messages, u8(Tekst::Informatie), {QString(), u8(Tekst::Verzonden)});
}

} // namespace vonu
