#include "desk/DeskOrderEntry.h"
#include "desk/EanEntry.h"

#include "base/Text.h"
#include "data/AppState.h"
#include "desk/DbSession.h"
#include "desk/DeliveryCalendar.h"
#include "desk/VonuOrderExtra.h"
#include "desk/VonuOrderZoek.h"
#include "desk/VonuOrderZoek_tekst.h"
#include "order/OrderForControl.h"
#include "order/VonuOrder.h"
#include "widgets/RadioGroup.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace vonu {

namespace {
namespace Tekst {
const char* const Initialiseren = "De debiteur wordt geinitialiseerd...";
const char* const Caption = "Morvek VonuOrder";
const char* const Debiteuren = "Debiteuren";
const char* const Artikelen = "Artikelen";
const char* const MeeTeLeveren = "(mee te leveren bij artikel %1)";
const char* const Bewerkingen = "(bewerkingen bij artikel %1)";
} // namespace Tekst
} // namespace

DeskOrderEntry::DeskOrderEntry(TVonuOrderscherm& screen, TVonuOrderExtrascherm& extra, DbSession& db)
    : QObject(&screen), screen_(screen), extra_(extra), db_(db), orders_(db), delivery_(db), articles_(db),
      searchQueries_(db)
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
    screen_.debiteur()->installEventFilter(this);
    connect(screen_.zoekDebiteur(), &QPushButton::clicked, this, [this] { searchDebtor(); });
    connect(screen_.extra(), &QPushButton::clicked, this, [this] { showExtra(); });
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
    const QString verzend = screen_.ordervoor()->itemText(shipTo).left(2);
    const QDate today = screen_.platform().clock.today();
    const DeskDelivery::Applied applied =
        delivery_.applyShipTo(extra, screen_.order().desk().debiteur, verzend, screen_.orderdatum()->date(), today,
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
    const QString twee = QStringLiteral("  ");
    return {extra.naam, extra.adres[0], extra.postkode.trimmed() + twee + extra.plaats.trimmed()};
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
    QLineEdit* field = screen_.debiteur();
    const QString text = field->text().trimmed();
    QString status;
    switch (orders_.checkDebtor(text, &status)) {
    case DeskOrders::DebtorCheck::Empty:
    case DeskOrders::DebtorCheck::Failed:
        return;
    case DeskOrders::DebtorCheck::NotInAdministration:
    case DeskOrders::DebtorCheck::NoOrderData:
        screen_.platform().sound.beep();
        screen_.setStatusText(0, status);
        field->clear();
        field->setFocus();
        return;
    case DeskOrders::DebtorCheck::Found:
        break;
    }
    AppState* state = screen_.state();
    if (!state)
        return;
    screen_.setStatusText(0, u8(Tekst::Initialiseren));
    if (!DeskProfile(db_).build(text, state->profile)) {
        screen_.setStatusText(0, QString());
        return;
    }
    const CustomerProfile& profile = state->profile;
    screen_.order().desk().debiteur = profile.debtorNumber();
    screen_.debiteurNaam()->setText(profile.customerName());
    screen_.debiteurAdres()->setText(profile.customerAddress());
    screen_.debiteurWoonplaats()->setText(profile.customerPlace());
    {
        TVonuOrderscherm::UpdateGuard guard(screen_);
        screen_.ordervoor()->clear();
        screen_.ordervoor()->addItems(profile.shipToEntries());
        screen_.ordervoor()->setCurrentIndex(-1);
    }
    for (int line = 1; line <= MaxOrderregels; ++line)
        for (int flag = int(Vlag::Kleur); flag <= int(Vlag::MaatInvoer); ++flag)
            screen_.order().setFlag(line, vlagNummer(flag), false);
    screen_.orderdatum()->setDate(screen_.platform().clock.today());
    screen_.setStatusText(0, QString());
    // Selecting the first address applies it (lists and delivery data).
    if (screen_.ordervoor()->count() > 0)
        screen_.ordervoor()->setCurrentIndex(0);
    else
        screen_.orderFor().change();
    screen_.takeSavedSignature();
    field->setEnabled(false);
    screen_.zoekDebiteur()->setEnabled(false);
    screen_.ordervoor()->setFocus();
}

void DeskOrderEntry::searchDebtor()
{
    if (!search || !screen_.debiteur()->isEnabled())
        return;
    const auto chosen = search(u8(Tekst::Debiteuren), screen_.debiteur()->text().trimmed(), {});
    if (!chosen)
        return;
    screen_.debiteur()->setText(chosen->trimmed());
    chooseDebtor();
}

void DeskOrderEntry::showExtra()
{
    screen_.extra()->setFocus();
    if (screen_.ordervoor()->count() == 0 || showingExtra_)
        return;
    showingExtra_ = true;
    extra_.showFor(screen_.order().desk().extra, ordernummer(),
                   screen_.transactieType() == Transactie::Offerte);
    showingExtra_ = false;
    refreshDeliveryLabels();
}

void DeskOrderEntry::refreshDeliveryLabels()
{
    const ExtraOrderData& extra = screen_.order().desk().extra;
    screen_.afleverNaam()->setText(extra.naam);
    screen_.afleverAdres()->setText(extra.adres[0]);
    screen_.afleverWoonplaats()->setText(extra.postkode.trimmed() + QStringLiteral("  ") + extra.plaats.trimmed());
}

void DeskOrderEntry::startNew()
{
    orders_.releaseLocks();
    screen_.order().desk() = DeskOrderData{};
    {
        TVonuOrderscherm::UpdateGuard guard(screen_);
        screen_.debiteur()->clear();
        screen_.ordervoor()->clear();
    }
    for (QLabel* l : {screen_.debiteurNaam(), screen_.debiteurAdres(), screen_.debiteurWoonplaats(),
                      screen_.ordervoorNaam(), screen_.ordervoorAdres(), screen_.ordervoorWoonplaats(),
                      screen_.afleverNaam(), screen_.afleverAdres(), screen_.afleverWoonplaats()})
        l->clear();
    screen_.debiteur()->setEnabled(true);
    screen_.zoekDebiteur()->setEnabled(true);
    screen_.setWindowTitle(u8(Tekst::Caption));
    screen_.takeSavedSignature();
    screen_.debiteur()->setFocus();
}

bool DeskOrderEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == screen_.debiteur()) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                chooseDebtor();
                return true;
            }
            if (key->key() == Qt::Key_F5) {
                searchDebtor();
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            searchDebtor();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
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
