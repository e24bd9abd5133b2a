#include "desk/DeskOrderEntry.h"
#include "desk/EanEntry.h"

#include "base/Text.h"
#include "data/AppState.h"
#include "desk/ArticleSuccessors.h"
#include "desk/DbSession.h"
#include "desk/DeliveryCalendar.h"
#include "desk/DeskOrderDocument.h"
#include "data/MorvekXML.h"
#include "files/OrderDocument.h"
#include "desk/VonuOrderExtra.h"
#include "desk/VonuOrderZoek.h"
#include "desk/VonuOrderZoek_tekst.h"
#include "order/LineWindow.h"
#include "order/OrderForControl.h"
#include "order/VonuOrderNotitie.h"
#include "order/VonuOrderOmschrijving.h"
#include "order/VonuOrder.h"
#include "sill/VonuOrderOnderdorpelmacro.h"

#include <QApplication>
#include <QStatusBar>

namespace vonu {

namespace {
namespace Tekst {
const char* const Initialiseren = "De debiteur wordt geinitialiseerd...";
const char* const Caption = "Morvek VonuOrder";
const char* const Debiteuren = "Debiteuren";
const char* const Informatie = "Informatie";
const char* const Waarschuwing = "Waarschuwing";
const char* const NietVoldoendePlaats = "Niet voldoende plaats voor alle tekst!";
const char* const Bevestiging = "Bevestiging";
const char* const Fout = "Fout";
const char* const NietVerwijderd = "De order is niet uit de orderverwerking verwijderd.";
const char* const BestandBlijft = "Het bestand blijft bewaard.";
const char* const OnleesbareWaarden = "Niet overgenomen uit het bestand: %1.";
const char* const Artikelen = "Artikelen";
const char* const MeeTeLeveren = "(mee te leveren bij artikel %1)";
const char* const Bewerkingen = "(bewerkingen bij artikel %1)";
} // namespace Tekst

// What the header shows of the delivery address.
DeliveryAddressTexts deliveryTexts(const ExtraOrderData& extra)
{
    return {extra.naam, extra.adres[0], extra.postkode.trimmed() + QStringLiteral("  ") + extra.plaats.trimmed()};
}

} // namespace

DeskOrderEntry::DeskOrderEntry(TVonuOrderscherm& screen, TVonuOrderExtrascherm& extra, DbSession& db)
    : QObject(&screen), screen_(screen), extra_(extra), db_(db), orders_(db), delivery_(db), articles_(db),
      searchQueries_(db), sillQueries_(db)
{
    search = [this](const QString& title, const QString& initial, const SearchOptions& options) -> std::optional<QString> {
        return TVonuOrderZoekscherm::choose(searchQueries_, screen_.platform().messages, db_.userName(), db_.settings().administratie,
                                            title, initial, options, &screen_);
    };
    extra_.search = [this](const QString& title, const QString& initial) { return search(title, initial, {}); };
    extra_.standaardTekst = [this](QChar type) -> std::optional<StandaardTekstKeuze> {
        const auto text =
            TVonuOrderZoek_tekstscherm::choose(db_, screen_.platform().messages, type, db_.settings().administratie, &extra_);
        if (!text)
            return std::nullopt;
        return StandaardTekstKeuze{text->aflever, text->productie};
    };
    extra_.setDelivery(&delivery_);
    wireLineEntry();
    connect(&screen_, &TVonuOrderscherm::debtorEntered, this, [this] { chooseDebtor(); });
    connect(&screen_, &TVonuOrderscherm::debtorSearchRequested, this, [this] { searchDebtor(); });
    screen_.onButton(TVonuOrderscherm::Knop::Extra, this, [this] { showExtra(); });
}

void DeskOrderEntry::wireLineEntry()
{
    if (TVonuOrderNotitiescherm* notes = screen_.notitiescherm())
        notes->setStandaardtekst([this]() -> std::optional<QString> {
            const auto text = standardText(QLatin1Char('B'));
            if (!text)
                return std::nullopt;
            return text->bevestiging;
        });
    connect(&screen_.lineWindow(), &LineWindow::standaardtekstRequested, this, [this] { standardReference(); });
}

std::optional<std::array<QString, 3>> DeskOrderEntry::standardDescription()
{
    const auto text = standardText(QLatin1Char('O'));
    if (!text)
        return std::nullopt;
    return std::array<QString, 3>{text->omschrijving[0], text->omschrijving[1], text->omschrijving[2]};
}

void DeskOrderEntry::sillMacro(QChar kind, int line, int row)
{
    openSillMacroDialog(screen_, sillQueries_, kind, line, row);
}

std::optional<StandardText> DeskOrderEntry::standardText(QChar type)
{
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &screen_;
    return TVonuOrderZoek_tekstscherm::choose(db_, screen_.platform().messages, type, db_.settings().administratie,
                                              parent);
}

void DeskOrderEntry::standardReference()
{
    const auto text = standardText(QLatin1Char('R'));
    if (text && !text->referentie2.trimmed().isEmpty()) {
        if (screen_.headerValues().referentie.trimmed().isEmpty()) {
            screen_.setReference(text->referentie2);
        } else {
            screen_.platform().sound.beep();
            showMessage(screen_.platform().messages, u8(Tekst::Waarschuwing), {u8(Tekst::NietVoldoendePlaats)});
        }
    }
    screen_.giveFocus(TVonuOrderscherm::Plek::Referentie);
}

QString DeskOrderEntry::ordernummer() const
{
    return screen_.order().desk().ordernummer;
}

OrderType DeskOrderEntry::orderType(const QString& firstArticle)
{
    return articles_.orderType(ordernummer(), firstArticle);
}

std::optional<bool> DeskOrderEntry::isSillArticle(const QString& code)
{
    return articles_.isSillArticle(code);
}

DeliveryAddressTexts DeskOrderEntry::deliveryAddress(int shipTo)
{
    ExtraOrderData& extra = screen_.order().desk().extra;
    const QString verzend = screen_.shipToCode(shipTo);
    const QDate today = screen_.platform().clock.today();
    const DeskDelivery::Applied applied =
        delivery_.applyShipTo(extra, screen_.order().desk().debiteur, verzend, screen_.headerValues().orderdatum, today,
                              !ordernummer().trimmed().isEmpty());
    if (!applied.dateError.isEmpty()) {
        screen_.platform().sound.beep();
        screen_.setStatusText(0, applied.dateError);
    }
    if (applied.freeDayMoved && !showingExtra_) {
        // The operator sees the date that replaced the free day at once.
        screen_.platform().sound.beep();
        extra_.statusBar()->showMessage(applied.freeDayMessage);
        QWidget* focus = QApplication::focusWidget();
        showExtra();
        if (focus)
            focus->setFocus();
    }
    return deliveryTexts(extra);
}

bool DeskOrderEntry::listsFollowFirstArticle()
{
    const DeskOrderData& desk = screen_.order().desk();
    return desk.ordernummer.trimmed().isEmpty() && !desk.klantbestand && !desk.externBestand;
}

void DeskOrderEntry::colourChosen(int line)
{
    if (screen_.order().field(line, Veld::Kleur).trimmed().isEmpty())
        return;
    DeliveryCalendar::applyCoating(screen_.order().desk().extra, DeliveryCalendar(db_).coatingWeeks(), true);
}

void DeskOrderEntry::eanEntry(int row)
{
    EanEntry(screen_, db_, EanEntry::dialoog(&screen_)).run(row);
}

void DeskOrderEntry::chooseDebtor()
{
    const QString text = screen_.debtorHeader().debiteur.trimmed();
    QString status;
    switch (orders_.checkDebtor(text, &status)) {
    case DeskOrders::DebtorCheck::Empty:
    case DeskOrders::DebtorCheck::Failed:
        return;
    case DeskOrders::DebtorCheck::NotInAdministration:
    case DeskOrders::DebtorCheck::NoOrderData:
        screen_.platform().sound.beep();
        screen_.setStatusText(0, status);
        screen_.setDebtorNumber(QString());
        screen_.giveFocus(TVonuOrderscherm::Plek::Debiteur);
        return;
    case DeskOrders::DebtorCheck::Found:
        break;
    }
    CustomerProfile& profile = screen_.appState().profile;
    screen_.setStatusText(0, u8(Tekst::Initialiseren));
    if (!DeskProfile(db_).build(text, profile)) {
        screen_.setStatusText(0, QString());
        return;
    }
    screen_.order().desk().debiteur = profile.debtorNumber();
    showDebtor();
    for (int line = 1; line <= MaxOrderregels; ++line)
        for (int flag = int(Vlag::Kleur); flag <= int(Vlag::MaatInvoer); ++flag)
            screen_.order().setFlag(line, vlagNummer(flag), false);
    screen_.setOrderDate(screen_.platform().clock.today());
    screen_.setStatusText(0, QString());
    screen_.chooseFirstShipTo();
    screen_.takeSavedSignature();
    screen_.setDebtorEntryEnabled(false);
    screen_.giveFocus(TVonuOrderscherm::Plek::Ordervoor);
}

void DeskOrderEntry::showDebtor()
{
    screen_.showDebtor(screen_.appState().profile);
}

IOrderFileDesk::Open DeskOrderEntry::opening(const MorvekDocument& doc, OrderModel& read, bool external)
{
    const DeskDocumentHead head = deskDocumentHead(doc.GetMorvek().Orders().Item(0));
    // A customer's document names no order of ours, whatever it says.
    const QString number = external ? QString() : head.number;
    const DeskOrders::Opened r = orders_.openOrder(number, head.debiteur, screen_.appState().profile);
    if (r.lock == DeskOrders::Lock::InUse) {
        screen_.platform().sound.beep();
        showMessage(screen_.platform().messages, u8(Tekst::Informatie), r.inUse);
        return Open::InUse;
    }
    if (!r.ok())
        return Open::Failed;
    // An order never stored has nothing to lock; the lock of the order
    // it replaces goes with that order.
    if (number.isEmpty())
        orders_.releaseLocks();
    debtorWarning_ = r.debtorWarning;
    read.desk().debiteur = head.debiteur;
    read.desk().ordernummer = number;
    screen_.setWindowTitle((u8(Tekst::Caption) + QLatin1Char(' ') + number).trimmed());
    screen_.setDebtorNumber(head.debiteur);
    showDebtor();
    return Open::Go;
}

void DeskOrderEntry::opened(const MorvekDocument& doc, bool external)
{
    DeskOrderData& desk = screen_.order().desk();
    bool coloured = false;
    for (int line = 1; line <= MaxOrderregels && !coloured; ++line)
        coloured = screen_.order().lineInUse(line) && !screen_.order().field(line, Veld::Kleur).trimmed().isEmpty();
    if (coloured)
        DeliveryCalendar::applyCoating(desk.extra, DeliveryCalendar(db_).coatingWeeks(), false);
    QStringList unreadable;
    if (!external) {
        takeDeskExtra(doc.GetMorvek().Orders().Item(0), desk.extra, &unreadable);
        desk.extra.leveringswijzeOmschrijving = delivery_.leveringswijzeOmschrijving(desk.extra.leveringswijze);
        desk.extra.gebruikAfroep = orders_.gebruikAfroep(desk.ordernummer);
    }
    refreshDeliveryLabels();
    QString status = debtorWarning_;
    if (!unreadable.isEmpty())
        status = (status + QLatin1Char(' ') + u8(Tekst::OnleesbareWaarden).arg(unreadable.join(QStringLiteral(", "))))
                     .trimmed();
    if (!status.isEmpty()) {
        screen_.platform().sound.beep();
        screen_.setStatusText(0, status);
    }
    debtorWarning_.clear();
    screen_.setDebtorEntryEnabled(false);
    screen_.setIncomingWaiting(false);
}

bool DeskOrderEntry::confirmDelete(const QString& file)
{
    const QString number = ordernummer().trimmed();
    DeskOrders::Removal removal;
    if (!number.isEmpty()) {
        removal = orders_.removal(number);
        if (removal.failed)
            return false;
    }
    IMessageDialog& messages = screen_.platform().messages;
    if (!askYesNo(messages, u8(Tekst::Bevestiging),
                  DeskOrders::deleteQuestion(deleteDisplayName(file), number, removal)))
        return false;
    // The stored order goes first: when it cannot, the file stays and the
    // order can be deleted again.
    if (removal.removable && !orders_.deleteOrder(number)) {
        showMessage(messages, u8(Tekst::Fout), {u8(Tekst::NietVerwijderd), u8(Tekst::BestandBlijft)});
        return false;
    }
    return true;
}

void DeskOrderEntry::searchDebtor()
{
    if (!search || !screen_.debtorEntryEnabled())
        return;
    const auto chosen = search(u8(Tekst::Debiteuren), screen_.debtorHeader().debiteur.trimmed(), {});
    if (!chosen)
        return;
    screen_.setDebtorNumber(chosen->trimmed());
    chooseDebtor();
}

void DeskOrderEntry::showExtra()
{
    screen_.giveFocus(TVonuOrderscherm::Plek::Extra);
    if (screen_.shipToCount() == 0 || showingExtra_)
        return;
    showingExtra_ = true;
    extra_.showFor(screen_.order().desk().extra, ordernummer(),
                   screen_.transactieType() == Transactie::Offerte);
    showingExtra_ = false;
    refreshDeliveryLabels();
}

bool DeskOrderEntry::checkDeliveryDate()
{
    ExtraOrderData& extra = screen_.order().desk().extra;
    const QString verzend = screen_.shipToCode(screen_.shipToIndex());
    QString message;
    DeliveryCalendar calendar(db_);
    const auto check = calendar.checkFreeDays(extra, extra.leverdatum, !ordernummer().trimmed().isEmpty(),
                                              screen_.order().desk().debiteur, verzend,
                                              screen_.platform().clock.today(), &message);
    if (check == DeliveryCalendar::FreeDayCheck::Failed) {
        screen_.platform().sound.beep();
        if (!message.isEmpty())
            screen_.setStatusText(0, message);
        return false;
    }
    if (check == DeliveryCalendar::FreeDayCheck::Moved) {
        screen_.platform().sound.beep();
        extra_.statusBar()->showMessage(message);
        QWidget* focus = QApplication::focusWidget();
        showExtra();
        if (focus)
            focus->setFocus();
    }
    return true;
}

bool DeskOrderEntry::articleSuccessor(const QString& code, QString* successor)
{
    return vonu::articleSuccessor(db_, code, successor);
}

void DeskOrderEntry::refreshDeliveryLabels()
{
    screen_.showDeliveryAddress(deliveryTexts(screen_.order().desk().extra));
}

void DeskOrderEntry::startNew()
{
    orders_.releaseLocks();
    screen_.order().desk() = DeskOrderData{};
    screen_.clearDebtor();
    screen_.setDebtorEntryEnabled(true);
    screen_.setWindowTitle(u8(Tekst::Caption));
    screen_.takeSavedSignature();
    screen_.giveFocus(TVonuOrderscherm::Plek::Debiteur);
}

std::optional<QString> DeskOrderEntry::searchPanelArticle(ZoekSoort soort, int line)
{
    // The code of the line's catalog article (the line's text may carry the
    // customer's own number in front): its accompanying articles or its
    // operations, never the coating row.
    const QString article = screen_.appState().catalog.lookup(screen_.order().field(line, Veld::Artikel)).Artikel();
    const bool bewerking = soort == ZoekSoort::Bewerking;
    SearchOptions options;
    options.filter.sql = QStringLiteral("Artikel in (select SubArtikel from ArtikelSubArtikel where Artikel = ?) "
                                        "and Artikel <> 'MOFFELEN' and Tekst = %1")
                             .arg(bewerking ? QStringLiteral("true") : QStringLiteral("false"));
    options.filter.params = {article};
    options.searchTitle = u8(bewerking ? Tekst::Bewerkingen : Tekst::MeeTeLeveren).arg(article.trimmed());
    const auto chosen = search(u8(Tekst::Artikelen), QString(), options);
    if (!chosen)
        return std::nullopt;
    return chosen->trimmed();
}

} // namespace vonu
