#include "app/MorvekVonu.h"

#include "app/VonuOrderInstelling.h"
#include "base/FontFit.h"
#include "base/LocalSettingsStore.h"
#include "base/Text.h"
#include "widgets/ButtonKeys.h"
#include "widgets/Placement.h"

#include "data/DataStartup.h"
#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "desk/DeskOrderActions.h"
#include "desk/ProductionPapers.h"
#include "desk/DeskOrderEntry.h"
#include "desk/VonuOrderExtra.h"
#include "files/ArtikelnummerActie.h"
#include "files/ExternBestandActie.h"
#include "files/OrderFileActions.h"
#include "files/OrderVerzenden.h"
#include "order/ArticleLists.h"
#include "order/LineWindow.h"
#include "order/OrderForControl.h"
#include "order/VonuOrder.h"
#include "reports/OrderOverzichtActie.h"
#include "sill/VonuOrderSponning.h"
#include "reports/ProductionPrintRun.h"
#include "order/VonuOrderNotitie.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace vonu {

namespace {

namespace Tekst {
const char* const Fout = "Fout";
const char* const GeenOpstartparameter = "Géén opstartparameter meegegeven!";
const char* const Werkpleknaam = "Dit is de werkpleknaam of 'Proef\?\?\?',";
const char* const MaximaalAcht = "deze mag maximaal 8 posities lang zijn.";
const char* const MorvekIniOnleesbaar = "Morvek.Ini kan niet worden gelezen!";
const char* const WordtAfgesloten = "Het programma wordt afgesloten.";
const char* const MapNietAangemaakt = "De map %1 kan niet worden aangemaakt!";
const char* const SchrijvenWerkmap = "Controleer of u in de werkmap mag schrijven.";
const char* const InstellingenOnleesbaar = "MorvekVonu.Ini kan niet worden gelezen!";
const char* const StandaardInstellingen = "De standaardinstellingen worden gebruikt.";
const char* const InstellingenNietBewaard = "De instellingen kunnen niet worden bewaard!";
} // namespace Tekst

} // namespace

namespace StartupMessages {
QString caption() { return u8(Tekst::Fout); }
QStringList noWorkstation()
{
    return {u8(Tekst::GeenOpstartparameter), u8(Tekst::Werkpleknaam), u8(Tekst::MaximaalAcht)};
}
QStringList morvekIniUnreadable(const QString& reason)
{
    return {u8(Tekst::MorvekIniOnleesbaar), reason, u8(Tekst::WordtAfgesloten)};
}
QStringList folderNotCreated(const QString& folder)
{
    return {u8(Tekst::MapNietAangemaakt).arg(folder), u8(Tekst::SchrijvenWerkmap), u8(Tekst::WordtAfgesloten)};
}
QStringList settingsUnreadable(const QString& reason)
{
    return {u8(Tekst::InstellingenOnleesbaar), reason, u8(Tekst::StandaardInstellingen)};
}
QStringList settingsNotSaved(const QString& reason)
{
    return {u8(Tekst::InstellingenNietBewaard), reason};
}
} // namespace StartupMessages

namespace {

constexpr int HintDurationMs = 5000;

// A folder named in Morvek.Ini: written for the platform the settings come
// from, so backslashes separate; a relative one is taken from the working
// folder.
QString settingFolder(const WorkingFolder& folder, const QString& setting)
{
    QString p = setting.trimmed();
    if (p.isEmpty())
        return {};
    p.replace(u'\\', u'/');
    return QDir::cleanPath(QDir(folder.path()).absoluteFilePath(p));
}

// What a desk store asks of order entry and the order file.
class DeskStoreSteps final : public IDeskStoreSteps {
public:
    DeskStoreSteps(TVonuOrderscherm& screen, OrderFileActions& files, DeskOrderEntry& entry)
        : screen_(screen), files_(files), entry_(entry)
    {
    }
    bool validate() override { return screen_.validateOrder(); }
    bool checkDeliveryDate() override { return entry_.checkDeliveryDate(); }
    bool saveOrderDocument(bool sending) override
    {
        return files_.buildOrderDocument(sending ? OrderFileActions::Build::Sending : OrderFileActions::Build::Normal)
               == OrderFileActions::Outcome::Done;
    }
    void nieuw() override
    {
        files_.nieuw();
        // A cleared screen holds a new order: the stored one's number goes
        // with it, or the next store would count as a change of that order.
        if (screen_.order().field(1, Veld::Artikel).trimmed().isEmpty())
            screen_.order().desk().ordernummer.clear();
    }

private:
    TVonuOrderscherm& screen_;
    OrderFileActions& files_;
    DeskOrderEntry& entry_;
};

// The production papers show their progress in status panel 0 and take the
// debtor and order number as the main screen shows them.
class ProductionScreen final : public IProductionScreen {
public:
    explicit ProductionScreen(TVonuOrderscherm& screen) : screen_(screen) {}
    void showStatus(const QString& text) override { screen_.setStatusText(0, text); }
    DebtorLabels debtor() const override
    {
        const TVonuOrderscherm::DebtorHeader d = screen_.debtorHeader();
        return DebtorLabels{d.debiteur, d.naam, d.adres, d.woonplaats};
    }
    QString currentOrder() const override { return screen_.order().desk().ordernummer; }

private:
    TVonuOrderscherm& screen_;
};

} // namespace

MorvekVonu::MorvekVonu(Platform& platform, const QString& workingFolder, const QStringList& arguments,
                       QObject* parent)
    : QObject(parent), platform_(platform), state_(workingFolder), arguments_(arguments)
{
    main_ = std::make_unique<TVonuOrderscherm>(platform_, state_, sponningKoppeling());
    notes_ = std::make_unique<TVonuOrderNotitiescherm>();
    extra_ = std::make_unique<TVonuOrderExtrascherm>(platform_);
    main_->setNotitiescherm(notes_.get());
    main_->setStartupHandler([this] { runStartup(); });
    main_->setCloseHandler([this] { onClose(); });
    // Entering the debtor field looks for incoming orders.
    connect(main_.get(), &TVonuOrderscherm::debtorFieldEntered, this, [this] {
        if (internalMode())
            signalIncomingOrders();
    });
    main_->onButton(TVonuOrderscherm::Knop::Instellingen, this, [this] { editSettings(); });
    wireOrderActions();
    for (QWidget* screen : {static_cast<QWidget*>(main_.get()), static_cast<QWidget*>(notes_.get()),
                            static_cast<QWidget*>(extra_.get())})
        pressFirstOfSharedAccelerators(screen);
}

void MorvekVonu::wireOrderActions()
{
    TVonuOrderscherm& screen = *main_;
    fileActions_ = new OrderFileActions(screen, platform_.fileDialogs, &screen);

    printAction_ = new OrderOverzichtActie(screen, platform_.printer, &screen);
    sendAction_ = new OrderVerzenden(screen, *fileActions_, [this] { return printAction_->afdrukken(); }, &screen);

    articleNumbers_ = new ArtikelnummerActie(screen, &screen);
    articleNumbers_->customerArticleList = [&screen] {
        QStringList codes;
        const CustomerArticleList& list = screen.orderFor().customerArticles();
        for (int i = 0; i < list.count(); ++i)
            codes.append(list.entry(i).artikel);
        return codes;
    };
}

void MorvekVonu::editSettings()
{
    runSettingsScreen(state_.settings, settingsStore(), main_->pos(), platform_.messages, main_.get());
    main_->setSendCaption(verzendenCaption(state_.settings));
}

MorvekVonu::~MorvekVonu() = default;

void MorvekVonu::show()
{
    // Centred once it has its frame; a stored position, applied by the
    // start-up on the first activation, moves it from there.
    main_->show();
    centreOnScreen(main_.get());
    // The start-up belongs to the first activation, but a display without a
    // window manager may never activate the window; once the event loop runs
    // the start-up happens either way (it runs only once).
    QTimer::singleShot(0, this, &MorvekVonu::runStartup);
}

bool MorvekVonu::testWorkstation() const
{
    return isTestWorkstation(state_.workstation);
}

bool MorvekVonu::started() const
{
    return main_->isStarted();
}

void MorvekVonu::runStartup()
{
    if (startupDone_)
        return;
    startupDone_ = true;
    if (!startupBody())
        endProgram();
}

bool MorvekVonu::startupBody()
{
    IMessageDialog& messages = platform_.messages;
    const QString fout = StartupMessages::caption();

    // 1. Hints.
    for (QWidget* w : main_->findChildren<QWidget*>())
        w->setToolTipDuration(HintDurationMs);

    // 2. Mode.
    state_.internalMode = QFileInfo::exists(state_.folder.file(QStringLiteral("\\Morvek.Ini")));
    if (state_.internalMode) {
        state_.workstation = workstationName(arguments_.value(0));
        if (testWorkstation())
            main_->setStatusText(1, versionPanelText(true));
        QString reason;
        if (!readMorvekIni(state_.folder.file(QStringLiteral("\\Morvek.Ini")), &state_.desk, &reason)) {
            showMessage(messages, fout, StartupMessages::morvekIniUnreadable(reason));
            return false;
        }
    }

    // 3. Folders of the customer's orders and pictures.
    if (!state_.internalMode) {
        const QString failed = state_.folder.createFolders(WorkingFolder::customerFolders());
        if (!failed.isEmpty()) {
            showMessage(messages, fout, StartupMessages::folderNotCreated(failed));
            return false;
        }
    }

    // 4. Local settings. An unreadable file is reported once; the defaults
    // serve and the file is left alone on close.
    QString reason;
    state_.settingsRead = settingsStore().load(&state_.settings, &reason);
    if (!state_.settingsRead)
        showMessage(messages, fout, StartupMessages::settingsUnreadable(reason));
    if (state_.settings.hasStoredPosition())
        main_->move(state_.settings.links, state_.settings.boven);

    // 5. Profile and catalog.
    if (state_.internalMode && state_.workstation.isEmpty()) {
        showMessage(messages, fout, StartupMessages::noWorkstation());
        return false;
    }
    DataStartupRequest request;
    request.workingFolder = state_.folder.path();
    request.orderDesk = state_.internalMode;
    request.today = platform_.clock.today();
    const DataStartupResult data = loadStartupData(request, state_.profile, state_.catalog, messages);
    if (data.profileOk) {
        main_->setStatusText(2, data.sleutelPanel);
        if (!state_.internalMode) {
            main_->showCustomer(data.debtorFromFileName, data.customerName, data.customerAddress, data.customerPlace);
        }
    }
    if (data.catalogOk)
        main_->setStatusText(3, data.assortimentPanel);
    if (!data.ok())
        return false;

    // 6. Fixed lists, the fresh order, and the controls of the mode.
    if (!state_.internalMode)
        main_->showShipToEntries(data.shipToEntries);
    main_->showColourEntries(data.colourEntries);
    main_->order().clearOfferFlags();
    main_->setOrderDate(platform_.clock.today());
    main_->takeSavedSignature();
    main_->setStarted(true);

    if (state_.internalMode) {
        if (!prepareOrderDesk()) {
            main_->setStarted(false);
            return false;
        }
    } else {
        main_->setSendCaption(verzendenCaption(state_.settings));
    }

    main_->showModeControls(state_.internalMode);
    main_->focusStart();
    return true;
}

bool MorvekVonu::prepareOrderDesk()
{
    main_->shapeForOrderDesk();

    std::unique_ptr<DbSession, DbSessionDeleter> db(new DbSession(platform_.messages));
    if (!db->open(state_.folder.path()))
        return false;
    extra_->setExtraVrachtOmschrijvingen(db->extraVrachtOmschrijving1(), db->extraVrachtOmschrijving2());
    state_.db = std::move(db);
    wireProductionPapers();
    deskEntry_ = new DeskOrderEntry(*main_, *extra_, *state_.db);
    main_->setOrderEntryDesk(*deskEntry_);
    fileActions_->setOrderFileDesk(*deskEntry_);
    // The store's steps ask the desk's order entry (the delivery date).
    wireDeskActions();
    wireExternalFiles();
    return true;
}

namespace {

// Without the printing seams (tests of the start-up alone) a store prints
// no production papers.
class NoProductionPapers final : public IProductionPapers {
public:
    bool printProductionOrder(const QString&) override { return false; }
};

} // namespace

IProductionPapers& MorvekVonu::productionPapers()
{
    if (!productionPapers_)
        productionPapers_ = std::make_unique<NoProductionPapers>();
    return *productionPapers_;
}

void MorvekVonu::setProductionPapers(std::unique_ptr<IProductionPapers> papers)
{
    productionPapers_ = std::move(papers);
}

void MorvekVonu::wireProductionPapers()
{
    // Tests set papers of their own before the start-up.
    if (productionPapers_)
        return;
    ProductionPrintSettings settings;
    settings.pProductie = state_.desk.pProductie;
    settings.bedrijfsLogo = settingFolder(state_.folder, state_.desk.bedrijfsLogo);
    settings.productAfbeelding = settingFolder(state_.folder, state_.desk.productAfbeelding);
    settings.workstation = state_.workstation;
    productionScreen_ = std::make_unique<ProductionScreen>(*main_);
    productionPapers_ = std::make_unique<ProductionPrintRun>(*state_.db, platform_.printer, platform_.messages,
                                                             platform_.clock, platform_.sound, *productionScreen_,
                                                             settings);
}

void MorvekVonu::wireDeskActions()
{
    if (deskActions_)
        return;
    deskStoreSteps_ = std::make_unique<DeskStoreSteps>(*main_, *fileActions_, *deskEntry_);
    deskActions_ = new DeskOrderActions(*main_, *state_.db, productionPapers(), *deskStoreSteps_, platform_.messages,
                                        platform_.sound, state_.workstation, main_.get());
    main_->onButton(TVonuOrderscherm::Knop::Verzenden, deskActions_, [this] { deskActions_->verzenden(); });
    main_->onButton(TVonuOrderscherm::Knop::Afdrukken, deskActions_, [this] { deskActions_->afdrukken(); });
}

IncomingFolders MorvekVonu::incomingFolders() const
{
    return {settingFolder(state_.folder, state_.desk.vonuOrder), settingFolder(state_.folder, state_.desk.onderdorpelPost),
            settingFolder(state_.folder, state_.desk.onderdorpelPre)};
}

void MorvekVonu::wireExternalFiles()
{
    externFiles_ = new ExternBestandActie(*main_, *fileActions_, platform_.fileDialogs, incomingFolders(), main_.get());
}

void MorvekVonu::signalIncomingOrders()
{
    // A new order starts here: whatever came from a file before is done.
    fileActions_->clearFileFlags();
    const bool waiting = importRoute(incomingFolders()) != ImportRoute::Geen;
    main_->setIncomingWaiting(waiting);
    if (waiting)
        platform_.sound.playOnce(state_.folder.file(QStringLiteral("\\Wav\\DO.Wav")));
}

void MorvekVonu::onClose()
{
    if (state_.db)
        state_.db->close();
    const QPoint pos = main_->pos();
    if (state_.settingsRead && (pos.y() != state_.settings.boven || pos.x() != state_.settings.links)) {
        state_.settings.boven = pos.y();
        state_.settings.links = pos.x();
        QString reason;
        if (!storeSettings(settingsStore(), state_.settings, platform_.messages, &reason))
            showMessage(platform_.messages, StartupMessages::caption(), StartupMessages::settingsNotSaved(reason));
    }
}

LocalSettingsStore& MorvekVonu::settingsStore()
{
    // Made once the mode is known: the order desk keeps no mail password and
    // leaves the keychain alone.
    if (!settingsStore_)
        settingsStore_ = std::make_unique<LocalSettingsStore>(state_.folder.file(QStringLiteral("\\MorvekVonu.Ini")),
                                                              state_.internalMode ? noKeychain_ : *keychain_);
    return *settingsStore_;
}

void MorvekVonu::endProgram()
{
    emit startupFailed();
    // Queued: the start-up runs inside the activation of the screen, which
    // must finish before the screen goes.
    QTimer::singleShot(0, main_.get(), [this] { main_->close(); });
}

} // namespace vonu
