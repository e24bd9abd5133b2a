#include "files/OrderFileActions.h"
#include "base/Text.h"

#include "data/AppState.h"
#include "files/FileDialogs.h"
#include "order/LineWindow.h"
#include "order/OrderForControl.h"
#include "order/VonuOrder.h"
#include "order/VonuOrderNotitie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>

#include <new>

namespace vonu {

namespace {

// Every text the order-file buttons show.
namespace Tekst {
const char* const Fout = "Fout";
const char* const Informatie = "Informatie";
const char* const Bevestiging = "Bevestiging";
const char* const OfferteWordtBewaard = "Offerteaanvraag wordt bewaard...";
const char* const OrderWordtBewaard = "Order wordt bewaard...";
const char* const OfferteBewaardAls = "Offerteaanvraag bewaard als '";
const char* const OrderBewaardAls = "Order bewaard als '";
const char* const OfferteGewijzigd = "Offerteaanvraag is gewijzigd, wilt u doorgaan?";
const char* const OrderGewijzigd = "Order is gewijzigd, wilt u doorgaan?";
const char* const OpenFilter = "Xml Bestanden (*.Xml);;Alle bestanden (*.*)";
const char* const OpenCaption = "Openen";
const char* const NietBewaard = "De order is niet bewaard:";
const char* const OngeldigeNaam = "Bestandsnaam '%1' bevat tekens die niet zijn toegestaan.";
const char* const NietGeopend = "Bestand '%1' kan niet worden geopend:";
const char* const MetDezeActie = "Met deze actie zal bestand";
const char* const WordenVerwijderd = "worden verwijderd.";
const char* const Doorgaan = "Wilt u doorgaan?";
const char* const NietGevonden = "Bestand %1 niet gevonden!";
const char* const Waarschuwing = "Waarschuwing";
const char* const ArtikelnummersNiet = "Inlezen artikelnummers alléén in Orderverwerking!";
const char* const NotitiesBijOrder = "LET OP!!!  Notities bij de order";
const char* const NietVerwijderd = "Bestand %1 kan niet uit de map met inkomende orders worden verwijderd:";
const char* const ZelfVerwijderen = "Verwijder het daar zelf, anders wordt de order nogmaals ingelezen.";
const char* const GeenGeheugen = "Onvoldoende geheugen om het bestand te lezen.";
} // namespace Tekst

QString toWidgetText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A customer's program: no stored orders behind its files, nothing to
// lock, no replaced articles to look up.
class CustomerFiles final : public IOrderFileDesk {
public:
    explicit CustomerFiles(IMessageDialog& messages) : messages_(messages) {}

    void startNew() override {}
    Open opening(const MorvekDocument&, OrderModel&, bool) override { return Open::Go; }
    void opened(const MorvekDocument&, bool) override {}
    bool confirmDelete(const QString& file) override
    {
        const QStringList lines{u8(Tekst::MetDezeActie), deleteDisplayName(file), u8(Tekst::WordenVerwijderd),
                                QString(), u8(Tekst::Doorgaan)};
        return askYesNo(messages_, u8(Tekst::Bevestiging), lines);
    }
    bool articleSuccessor(const QString&, QString* successor) override
    {
        successor->clear();
        return true;
    }

private:
    IMessageDialog& messages_;
};

} // namespace

OrderFileActions::OrderFileActions(TVonuOrderscherm& screen, IFileDialogs& dialogs, QObject* parent)
    : QObject(parent),
      screen_(screen),
      dialogs_(dialogs),
      customer_(std::make_unique<CustomerFiles>(screen.platform().messages)),
      desk_(customer_.get())
{
    screen_.onButton(TVonuOrderscherm::Knop::Nieuw, this, [this] { nieuw(); });
    screen_.onButton(TVonuOrderscherm::Knop::Openen, this, [this] { openen(); });
    screen_.onButton(TVonuOrderscherm::Knop::Bewaren, this, [this] { bewaren(); });
    screen_.onButton(TVonuOrderscherm::Knop::Verwijderen, this, [this] { verwijderen(); });
}

OrderFileActions::~OrderFileActions() = default;

QString OrderFileActions::ordersFolder() const
{
    const AppState& state = screen_.appState();
    return state.folder.file(state.internalMode ? QStringLiteral("\\..\\Orders") : QStringLiteral("\\Orders"));
}

OrderHeader OrderFileActions::header() const
{
    OrderHeader h;
    h.transactie = screen_.transactieType();
    const AppState& state = screen_.appState();
    h.orderDesk = state.internalMode;
    h.debiteur = state.internalMode ? screen_.debtorHeader().debiteur : state.profile.debtorNumber();
    if (state.internalMode)
        h.deskOrderNumber = screen_.order().desk().ordernummer;
    const OrderHeaderValues shown = screen_.headerValues();
    h.ordervoor = screen_.shipToIndex() >= 0 ? shown.ordervoor : geopendVerzendadres_;
    h.orderdatum = shown.orderdatum;
    h.ordernummer = shown.ordernummer;
    h.referentie = shown.referentie;
    if (TVonuOrderNotitiescherm* notes = screen_.notitiescherm()) {
        h.notities = notes->notitiesText();
        h.opmerking = notes->obText();
    }
    h.fromCustomerFile = klantBestand_;
    return h;
}

void OrderFileActions::focusOrdervoor()
{
    screen_.giveFocus(TVonuOrderscherm::Plek::Ordervoor);
}

void OrderFileActions::setNotesBold(bool bold)
{
    screen_.markNotes(bold);
}

OrderFileActions::Outcome OrderFileActions::buildOrderDocument(Build build)
{
    if (!screen_.order().lineInUse(1)) {
        focusOrdervoor();
        return Outcome::Skipped;
    }
    const bool offerte = screen_.transactieType() == Transactie::Offerte;
    if (build != Build::BuildOnly)
        screen_.setStatusText(0, u8(offerte ? Tekst::OfferteWordtBewaard : Tekst::OrderWordtBewaard));
    screen_.writeBackVisibleRows();

    OrderHeader h = header();
    if (build == Build::Sending || build == Build::SendingByMail) {
        sentStamp_ = vonu::sentStamp(screen_.platform().clock.now(), offerte);
        h.sentStamp = sentStamp_;
    }
    MorvekDocument doc = vonu::buildOrderDocument(screen_.order(), h);

    if (build == Build::BuildOnly) {
        document_ = std::move(doc);
        return Outcome::Done;
    }

    IMessageDialog& messages = screen_.platform().messages;
    auto fail = [&](const QString& reason) {
        screen_.setStatusText(0, QString());
        showMessage(messages, u8(Tekst::Fout), {u8(Tekst::NietBewaard), reason});
        focusOrdervoor();
        return Outcome::Failed;
    };
    const QString base = orderFilePrefix(h.transactie, h.deskOrderNumber) +
                         orderBaseName(h.ordernummer, h.referentie, h.orderdatum);
    if (!isPlainFileName(base + QStringLiteral(".Xml")))
        return fail(u8(Tekst::OngeldigeNaam).arg(base));
    const QString path = ordersFolder() + QLatin1Char('/') + base + QStringLiteral(".Xml");
    if (build == Build::SendingByMail) {
        document_ = std::move(doc);
        sendingPath_ = path;
        return Outcome::Done;
    }
    if (!doc.save(path))
        return fail(doc.errorText());

    document_ = std::move(doc);
    currentFile_ = path;
    screen_.setWindowTitle(captionAfterSave(screen_.windowTitle(), h.deskOrderNumber.trimmed()));
    if (build == Build::Normal) {
        screen_.setStatusText(0, QString());
        showMessage(messages, u8(Tekst::Informatie),
                    {QString(), u8(offerte ? Tekst::OfferteBewaardAls : Tekst::OrderBewaardAls) + base +
                                    QLatin1Char('\'')});
    }
    screen_.takeSavedSignature();
    focusOrdervoor();
    return Outcome::Done;
}

bool OrderFileActions::saveSentOrder(QString* error)
{
    if (!document_.save(sendingPath_)) {
        if (error)
            *error = document_.errorText();
        return false;
    }
    currentFile_ = sendingPath_;
    const OrderHeader h = header();
    screen_.setWindowTitle(captionAfterSave(screen_.windowTitle(), h.deskOrderNumber.trimmed()));
    screen_.takeSavedSignature();
    return true;
}

void OrderFileActions::bewaren()
{
    buildOrderDocument(Build::Normal);
}

bool OrderFileActions::confirmDiscard()
{
    if (screen_.currentSignature() == screen_.savedSignature())
        return true;
    const bool offerte = screen_.transactieType() == Transactie::Offerte;
    return askYesNo(screen_.platform().messages, u8(Tekst::Bevestiging),
                    {QString(), u8(offerte ? Tekst::OfferteGewijzigd : Tekst::OrderGewijzigd)});
}

void OrderFileActions::nieuw()
{
    if (!confirmDiscard()) {
        focusOrdervoor();
        return;
    }
    startAfresh();
}

void OrderFileActions::startAfresh()
{
    currentFile_.clear();
    geopendVerzendadres_.clear();
    klantBestand_ = false;
    externBestand_ = false;
    // The old order is gone before the first address is shown (and before
    // the desk empties the address list): a new order shows the address and
    // its lists, it is not checked against the old order's articles.
    screen_.clearOrder();
    desk_->startNew();
    screen_.showShipTo(0);
    screen_.orderFor().showAddressAndFillLists();
    screen_.setOrderDate(screen_.platform().clock.today());
    screen_.setTransactie(Transactie::Order);
    setNotesBold(false);
    if (TVonuOrderNotitiescherm* notes = screen_.notitiescherm())
        notes->notities()->setReadOnly(false);
    screen_.takeSavedSignature();
    if (screen_.appState().internalMode)
        screen_.giveFocus(TVonuOrderscherm::Plek::Debiteur);
    else
        focusOrdervoor();
}

void OrderFileActions::openen()
{
    // A request of the external-file button counts for this one Openen,
    // whatever the answer to the change question.
    const bool external = externRequest_;
    externRequest_ = false;
    if (!confirmDiscard()) {
        focusOrdervoor();
        return;
    }
    const QString folder = external ? incomingFolder_ : ordersFolder();
    const QString path = dialogs_.openFile(u8(Tekst::OpenCaption), folder, u8(Tekst::OpenFilter));
    if (path.isEmpty()) {
        focusOrdervoor();
        return;
    }
    if (external)
        openExternalFile(path);
    else
        openFile(path);
}

void OrderFileActions::openExternal(const QString& incomingFolder)
{
    externRequest_ = true;
    incomingFolder_ = incomingFolder;
    openen();
}

void OrderFileActions::clearFileFlags()
{
    klantBestand_ = false;
    externBestand_ = false;
    screen_.order().desk().klantbestand = false;
    screen_.order().desk().externBestand = false;
}

bool OrderFileActions::openFile(const QString& path)
{
    return load(path, false);
}

bool OrderFileActions::openExternalFile(const QString& path)
{
    IMessageDialog& messages = screen_.platform().messages;
    // Customers mail their article-number files to the same mailbox; the
    // file stays for the administration.
    if (isArticleNumberFile(path)) {
        screen_.platform().sound.beep();
        showMessage(messages, u8(Tekst::Fout), {u8(Tekst::ArtikelnummersNiet)});
        focusOrdervoor();
        return false;
    }
    if (!load(path, true))
        return false;
    // Only now is the order wholly on screen; until here a failure keeps
    // the file for another try.
    removeIncomingFile(path);
    if (TVonuOrderNotitiescherm* notes = screen_.notitiescherm();
        notes && !notes->notities()->toPlainText().trimmed().isEmpty()) {
        screen_.platform().sound.beep();
        showMessage(messages, u8(Tekst::Waarschuwing), {u8(Tekst::NotitiesBijOrder)});
    }
    return true;
}

void OrderFileActions::removeIncomingFile(const QString& path)
{
    QFile file(path);
    if (file.remove())
        return;
    showMessage(screen_.platform().messages, u8(Tekst::Fout),
                {u8(Tekst::NietVerwijderd).arg(QDir::toNativeSeparators(path)), file.errorString(),
                 u8(Tekst::ZelfVerwijderen)});
}

bool OrderFileActions::load(const QString& path, bool external)
{
    // The file is read completely before the order on screen is replaced,
    // so a broken file costs nothing.
    MorvekDocument doc;
    OrderModel read;
    ReadOrderHeader h;
    QString reason;
    bool ok = false;
    try {
        ok = doc.loadFile(path) ? readOrderDocument(doc, read, h, &reason) : (reason = doc.errorText(), false);
    } catch (const std::bad_alloc&) {
        reason = u8(Tekst::GeenGeheugen);
    }
    if (!ok) {
        showMessage(screen_.platform().messages, u8(Tekst::Fout), {u8(Tekst::NietGeopend).arg(QDir::toNativeSeparators(path)), reason});
        focusOrdervoor();
        return false;
    }
    // A customer's catalog may be older than the manufacturer's articles.
    QString replaced;
    const auto successor = [this](const QString& code, QString* next) { return desk_->articleSuccessor(code, next); };
    if (external && !replaceInactiveArticles(read, successor, &replaced)) {
        focusOrdervoor();
        return false;
    }
    switch (desk_->opening(doc, read, external)) {
    case IOrderFileDesk::Open::Go:
        break;
    case IOrderFileDesk::Open::InUse:
        nieuw();
        return false;
    case IOrderFileDesk::Open::Failed:
        // The lock of the order on screen may be gone with the failed
        // one: the user already chose to leave that order.
        startAfresh();
        return false;
    }

    screen_.clearOrder();
    document_ = std::move(doc);
    externBestand_ = external;
    currentFile_ = external ? QString() : path;

    // An address the profile no longer has selects no entry.
    // Shown with the order below (address and lists only).
    screen_.showShipTo(screen_.shipToIndexOf(h.verzendadres));
    geopendVerzendadres_ = h.verzendadres;

    screen_.setOrderDate(h.orderdatum);
    screen_.showHeaderTexts(h.ordernummer, h.referentie);
    screen_.setTransactie(h.transactie);

    // Everything a customer sends is the customer's own notes; the remark
    // for the confirmation is the order desk's.
    klantBestand_ = h.notes.markers || external;
    const bool desk = screen_.appState().internalMode;
    // The order desk's own documents hold the remark alone.
    if (desk && !klantBestand_) {
        h.notes.remark = h.notes.notes;
        h.notes.notes.clear();
    }
    const QString remark = h.notes.remark + replaced;
    if (TVonuOrderNotitiescherm* notes = screen_.notitiescherm()) {
        notes->notities()->setPlainText(toWidgetText(h.notes.notes));
        if (desk)
            notes->ob()->setPlainText(toWidgetText(remark));
        notes->notities()->setReadOnly(klantBestand_);
    }
    setNotesBold(!h.notes.notes.trimmed().isEmpty() || !remark.trimmed().isEmpty());
    screen_.showSentStamp(h.sentStamp);

    read.desk().klantbestand = klantBestand_;
    read.desk().externBestand = external;
    read.desk().bestandsnaam = currentFile_;
    read.desk().ob = remark;
    screen_.order() = std::move(read);
    screen_.orderFor().showAddressAndFillLists();
    for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r)
        screen_.showLineInRow(r);
    screen_.order().lines().setMaximum(screen_.order().lineScrollMaximum());
    screen_.syncWindows();
    desk_->opened(document_, external);
    // An order taken in from outside exists nowhere else until it is
    // stored: leaving it must ask.
    if (!external)
        screen_.takeSavedSignature();
    screen_.lineWindow().refillPanels();
    screen_.reportUnknownValues();
    if (screen_.appState().internalMode)
        screen_.giveFocus(TVonuOrderscherm::Plek::EersteArtikel);
    else
        focusOrdervoor();
    return true;
}

void OrderFileActions::verwijderen()
{
    if (currentFile_.trimmed().isEmpty())
        return;
    if (!desk_->confirmDelete(currentFile_))
        return;
    if (!QFile::remove(currentFile_)) {
        screen_.platform().sound.beep();
        screen_.setStatusText(0, u8(Tekst::NietGevonden).arg(QDir::toNativeSeparators(currentFile_)));
    }
    screen_.takeSavedSignature();
    nieuw();
}

} // namespace vonu
