#include "app/MorvekVonu.h"

#include "base/FontFit.h"
#include "app/VonuOrderInstelling.h"

#include "data/DataStartup.h"
#include "desk/DbConventions.h"
#include "desk/ArticleSuccessors.h"
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
#include "order/OrderValidation.h"
#include "order/VonuOrder.h"
#include "reports/OrderOverzichtActie.h"
#include "order/VonuOrderNotitie.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace vonu {

namespace StartupMessages {
QString caption() { return QStringLiteral("Fout"); }
QStringList noWorkstation()
{
    return {QStringLiteral("Géén opstartparameter meegegeven!"),
            QStringLiteral("Dit is de werkpleknaam of 'Proef\?\?\?',"),
            QStringLiteral("deze mag maximaal 8 posities lang zijn.")};
}
QStringList morvekIniUnreadable(const QString& reason)
{
    return {QStringLiteral("Morvek.Ini kan niet worden gelezen!"), reason,
            QStringLiteral("Het programma wordt afgesloten.")};
}
QStringList folderNotCreated(const QString& folder)
{
    return {QStringLiteral("De map %1 kan niet worden aangemaakt!").arg(folder),
            QStringLiteral("Controleer of u in de werkmap mag schrijven."),
            QStringLiteral("Het programma wordt afgesloten.")};
}
QStringList settingsUnreadable(const QString& reason)
{
    return {QStringLiteral("MorvekVonu.Ini kan niet worden gelezen!"), reason,
            QStringLiteral("De standaardinstellingen worden gebruikt.")};
}
QStringList settingsNotSaved(const QString& reason)
{
    return {QStringLiteral("De instellingen kunnen niet worden bewaard!"), reason};
}
} // namespace StartupMessages

namespace {

const QString OrdervoorHint = QStringLiteral(
    "Order voor geeft aan voor wie de order in behandeling wordt genomen,\n"
    "het geeft tevens aan waar de order wordt afgeleverd.");
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

// Focus on the debtor field looks for incoming orders.
class DebiteurFocusWatch : public QObject {
public:
    DebiteurFocusWatch(MorvekVonu* program, QObject* parent) : QObject(parent), program_(program) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && program_->internalMode())
            program_->signalIncomingOrders();
        return QObject::eventFilter(watched, event);
    }

private:
    MorvekVonu* program_;
};

} // namespace

MorvekVonu::MorvekVonu(Platform& platform, const QString& workingFolder, const QStringList& arguments,
                       QObject* parent)
    : QObject(parent), platform_(platform), state_(workingFolder), arguments_(arguments)
{
    main_ = std::make_unique<TVonuOrderscherm>(platform_);
    notes_ = std::make_unique<TVonuOrderNotitiescherm>();
    extra_ = std::make_unique<TVonuOrderExtrascherm>();
    main_->setNotitiescherm(notes_.get());
    main_->setState(&state_);
    main_->setStartupHandler([this] { runStartup(); });
    main_->setCloseHandler([this] { onClose(); });
    main_->debiteur()->installEventFilter(new DebiteurFocusWatch(this, this));
    connect(main_->instellingen(), &QPushButton::clicked, this, &MorvekVonu::editSettings);
    fitStatusPanels();
    wireOrderActions();
}

void MorvekVonu::wireOrderActions()
{
    // Without the seams (tests of the start-up alone) the buttons stay unwired.
    if (!platform_.fileDialogs || !platform_.printer || !platform_.mail)
        return;
    TVonuOrderscherm& screen = *main_;
    fileActions_ = new OrderFileActions(screen, *platform_.fileDialogs, &screen);
    fileActions_->showShippingAddress = [&screen] { screen.orderFor().showAddressAndFillLists(); };
    fileActions_->showPanels = [&screen] { screen.lineWindow().refillPanels(); };

    const auto validate = [this] {
        main_->writeBackVisibleRows();
        return !reportIncompleteOrder(main_->order(), *platform_.messages);
    };
    printAction_ = new OrderOverzichtActie(screen, *platform_.printer, &screen);
    printAction_->validate = validate;
    sendAction_ = new OrderVerzenden(screen, *fileActions_, *printAction_, platform_.mail, &screen);
    sendAction_->validate = validate;

    articleNumbers_ = new ArtikelnummerActie(screen, platform_.mail, &screen);
    articleNumbers_->customerArticleList = [&screen] {
        QStringList codes;
        const CustomerArticleList& list = screen.orderFor().customerArticles();
        for (int i = 0; i < list.count(); ++i)
            codes.append(list.entry(i).artikel);
        return codes;
    };
}

void MorvekVonu::fitStatusPanels()
{
    // The panels keep their fixed widths; the platform's default font is
    // wider than the one they were measured for, so the bar gets a smaller
    // size in which the version and the two dates fit.
    // A panel's text keeps a few pixels from its frame.
    constexpr int Margin = 8;
    QStatusBar* bar = main_->statusBar();
    bar->setFont(fittingFont(bar->font(),
                             {{QStringLiteral("Versie 1.06"), 60 - Margin},
                              {QStringLiteral("Sleutel 00-00-0000"), 100 - Margin},
                              {QStringLiteral("Assortiment 00-00-0000"), 125 - Margin}},
                             5));
}

void MorvekVonu::editSettings()
{
    runSettingsScreen(state_.settings, state_.folder.file(QStringLiteral("\\MorvekVonu.Ini")), main_->pos(),
                      *platform_.messages, main_.get());
    main_->verzenden()->setText(verzendenCaption(state_.settings));
}

MorvekVonu::~MorvekVonu() = default;

void MorvekVonu::show()
{
    main_->show();
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
    IMessageDialog& messages = *platform_.messages;
    const QString fout = StartupMessages::caption();

    // 1. Hints.
    main_->ordervoor()->setToolTip(OrdervoorHint);
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
        main_->onderdorpelPre()->setText(state_.desk.onderdorpelPre);
        main_->onderdorpelPost()->setText(state_.desk.onderdorpelPost);
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
    state_.settingsReadable = loadLocalSettings(state_.folder.file(QStringLiteral("\\MorvekVonu.Ini")), &state_.settings, &reason);
    if (!state_.settingsReadable)
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
    request.today = platform_.clock->today();
    const DataStartupResult data = loadStartupData(request, state_.profile, state_.catalog, messages);
    if (data.profileOk) {
        main_->setStatusText(2, data.sleutelPanel);
        if (!state_.internalMode) {
            main_->lDebiteur()->setText(main_->lDebiteur()->text() + data.debtorFromFileName);
            main_->debiteurNaam()->setText(data.customerName);
            main_->debiteurAdres()->setText(data.customerAddress);
            main_->debiteurWoonplaats()->setText(data.customerPlace);
        }
    }
    if (data.catalogOk)
        main_->setStatusText(3, data.assortimentPanel);
    if (!data.ok())
        return false;

    // 6. Fixed lists, the fresh order, and the controls of the mode.
    if (!state_.internalMode) {
        main_->ordervoor()->clear();
        main_->ordervoor()->addItems(data.shipToEntries);
        main_->ordervoor()->setCurrentIndex(main_->ordervoor()->count() > 0 ? 0 : -1);
    }
    for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r) {
        QComboBox* kleur = main_->regelRij(r).kleur;
        kleur->clear();
        kleur->addItems(data.colourEntries);
        kleur->setCurrentIndex(kleur->count() > 0 ? 0 : -1);
    }
    main_->order().clearOfferFlags();
    main_->orderdatum()->setDate(platform_.clock->today());
    main_->takeSavedSignature();
    main_->setStarted(true);

    if (state_.internalMode) {
        if (!prepareOrderDesk()) {
            main_->setStarted(false);
            return false;
        }
    } else {
        main_->verzenden()->setText(verzendenCaption(state_.settings));
    }

    main_->showModeControls(state_.internalMode);
    if (state_.internalMode)
        main_->debiteur()->setFocus();
    else
        main_->ordervoor()->setFocus();
    return true;
}

bool MorvekVonu::prepareOrderDesk()
{
    main_->schermGebruiker()->setText(sessionUserName(state_.folder.path()));
    main_->shapeForOrderDesk();

    db_ = std::make_unique<DbSession>(*platform_.messages);
    if (!db_->open(state_.folder.path()))
        return false;
    state_.db = db_.get();
    main_->admNr()->setText(db_->settings().administratie);
    main_->serverOrder()->setText(db_->settings().serverOrder);
    main_->databaseOrder()->setText(db_->settings().databaseOrder);
    extra_->setExtraVrachtOmschrijvingen(db_->extraVrachtOmschrijving1(), db_->extraVrachtOmschrijving2());
    wireDeskActions();
    extra_->setPlatform(platform_.messages, platform_.clock);
    deskEntry_ = new DeskOrderEntry(*main_, *extra_, *db_);
    main_->setOrderEntryDesk(deskEntry_);
    if (fileActions_)
        fileActions_->startDeskOrder = [this] { deskEntry_->startNew(); };
    wireExternalFiles();
    return true;
}

namespace {

// Until the production print run is part of the program, a store prints no
// production papers.
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

void MorvekVonu::wireDeskActions()
{
    if (!fileActions_ || deskActions_)
        return;
    deskActions_ = new DeskOrderActions(*main_, *db_, productionPapers(), *platform_.messages, state_.workstation,
                                        main_.get());
    deskActions_->validate = [this] {
        main_->writeBackVisibleRows();
        return !reportIncompleteOrder(main_->order(), *platform_.messages);
    };
    deskActions_->saveOrderDocument = [this](bool sending) {
        return fileActions_->buildOrderDocument(sending ? OrderFileActions::Build::Sending
                                                        : OrderFileActions::Build::Normal)
               == OrderFileActions::Outcome::Done;
    };
    deskActions_->nieuw = [this] {
        fileActions_->nieuw();
        // A cleared screen holds a new order: the stored one's number goes
        // with it, or the next store would count as a change of that order.
        if (main_->order().field(1, Veld::Artikel).trimmed().isEmpty())
            main_->order().desk().ordernummer.clear();
    };
    deskActions_->beep = [] { QApplication::beep(); };
    connect(main_->verzenden(), &QPushButton::clicked, deskActions_, [this] { deskActions_->verzenden(); });
    connect(main_->afdrukken(), &QPushButton::clicked, deskActions_, [this] { deskActions_->afdrukken(); });
}

IncomingFolders MorvekVonu::incomingFolders() const
{
    return {settingFolder(state_.folder, state_.desk.vonuOrder), settingFolder(state_.folder, state_.desk.onderdorpelPost),
            settingFolder(state_.folder, state_.desk.onderdorpelPre)};
}

void MorvekVonu::wireExternalFiles()
{
    if (!fileActions_)
        return;
    DbSession* db = db_.get();
    fileActions_->articleSuccessor = [db](const QString& code, QString* successor) {
        return articleSuccessor(*db, code, successor);
    };
    externFiles_ = new ExternBestandActie(*main_, *fileActions_, *platform_.fileDialogs, incomingFolders(), main_.get());
}

void MorvekVonu::signalIncomingOrders()
{
    // A new order starts here: whatever came from a file before is done.
    if (fileActions_)
        fileActions_->clearFileFlags();
    const bool waiting = importRoute(incomingFolders()) != ImportRoute::Geen;
    main_->vonuOrder()->setEnabled(waiting);
    if (waiting && platform_.sound)
        platform_.sound->playOnce(state_.folder.file(QStringLiteral("\\Wav\\DO.Wav")));
}

void MorvekVonu::onClose()
{
    if (db_)
        db_->close();
    const QPoint pos = main_->pos();
    if (state_.settingsReadable && (pos.y() != state_.settings.boven || pos.x() != state_.settings.links)) {
        state_.settings.boven = pos.y();
        state_.settings.links = pos.x();
        QString reason;
        if (!saveLocalSettings(state_.folder.file(QStringLiteral("\\MorvekVonu.Ini")), state_.settings, &reason))
            showMessage(*platform_.messages, StartupMessages::caption(), StartupMessages::settingsNotSaved(reason));
    }
}

void MorvekVonu::endProgram()
{
    emit startupFailed();
    // Queued: the start-up runs inside the activation of the screen, which
    // must finish before the screen goes.
    QTimer::singleShot(0, main_.get(), [this] { main_->close(); });
}

} // namespace vonu
