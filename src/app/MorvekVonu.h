#pragma once
// The program: the three long-lived screens, the documents and settings they
// share, the start-up sequence run on the main screen's first activation and
// the close that follows the close query. main() only builds the platform
// seams and one MorvekVonu.

#include "data/AppState.h"
#include "base/Keychain.h"
#include "base/Platform.h"
#include "files/ExternalOrderImport.h"

#include <QObject>
#include <QStringList>

#include <memory>

namespace vonu {

class ArtikelnummerActie;
class DbSession;
class DeskOrderActions;
class IProductionPapers;
class IProductionScreen;
class IDeskStoreSteps;
class ExternBestandActie;
class OrderFileActions;
class OrderOverzichtActie;
class OrderVerzenden;
class TVonuOrderscherm;
class TVonuOrderNotitiescherm;
class TVonuOrderExtrascherm;
class DeskOrderEntry;
class LocalSettingsStore;

namespace StartupMessages {
QString caption();  // "Fout"
QStringList noWorkstation();
QStringList morvekIniUnreadable(const QString& reason);
QStringList folderNotCreated(const QString& folder);
QStringList settingsUnreadable(const QString& reason);
QStringList settingsNotSaved(const QString& reason);
} // namespace StartupMessages

class MorvekVonu : public QObject {
    Q_OBJECT
public:
    // `arguments` are the start-up parameters without the program name.
    MorvekVonu(Platform& platform, const QString& workingFolder, const QStringList& arguments,
               QObject* parent = nullptr);
    ~MorvekVonu() override;

    // Shows the main screen; its first activation runs the start-up.
    void show();
    // The keychain that keeps the mail password; set it before the start-up.
    // Without one the password stays in MorvekVonu.Ini.
    void setKeychain(IKeychain& keychain) { keychain_ = &keychain; }

    TVonuOrderscherm& mainScreen() const { return *main_; }
    TVonuOrderNotitiescherm& notesScreen() const { return *notes_; }
    TVonuOrderExtrascherm& extraScreen() const { return *extra_; }

    bool internalMode() const { return state_.internalMode; }
    const QString& workstation() const { return state_.workstation; }
    bool testWorkstation() const;
    const MorvekIniSettings& orderDeskSettings() const { return state_.desk; }
    const LocalSettings& localSettings() const { return state_.settings; }
    const WorkingFolder& workingFolder() const { return state_.folder; }
    CustomerProfile& profile() { return state_.profile; }
    Catalog& catalog() { return state_.catalog; }
    OrderFileActions* fileActions() const { return fileActions_; }
    DbSession* database() const { return state_.db.get(); }
    AppState& state() { return state_; }
    // The order desk's `Verzenden` and `Afdrukken`; set once the session is open.
    DeskOrderActions* deskActions() const { return deskActions_; }
    // The production papers the desk prints after a store; set them before
    // the start-up runs.
    IProductionPapers& productionPapers();
    void setProductionPapers(std::unique_ptr<IProductionPapers> papers);

    // The start-up sequence; public so tests can run it without activating a
    // window. Runs once.
    void runStartup();
    // True when the start-up completed and the order screen is in use.
    bool started() const;

    // Enables `VonuOrder` when incoming orders wait and plays the signal.
    void signalIncomingOrders();
    // The folders of Morvek.Ini that customers' files arrive in and go to.
    IncomingFolders incomingFolders() const;
    // The button `VonuOrder` (order desk, once the session is open).
    ExternBestandActie* externalFiles() const { return externFiles_; }
    // `Instellingen`: the settings screen, then the caption of `Verzenden`.
    void editSettings();

signals:
    // The start-up failed and the program ends.
    void startupFailed();

private:
    bool startupBody();
    bool prepareOrderDesk();
    void wireOrderActions();
    void wireProductionPapers();
    void wireDeskActions();
    void wireExternalFiles();
    void onClose();
    void endProgram();
    LocalSettingsStore& settingsStore();

    Platform& platform_;
    AppState state_;
    QStringList arguments_;
    NoKeychain noKeychain_;
    IKeychain* keychain_ = &noKeychain_;  // never null
    std::unique_ptr<LocalSettingsStore> settingsStore_;

    std::unique_ptr<TVonuOrderscherm> main_;
    std::unique_ptr<TVonuOrderNotitiescherm> notes_;
    std::unique_ptr<TVonuOrderExtrascherm> extra_;
    DeskOrderEntry* deskEntry_ = nullptr;   // owned by the main screen

    // The buttons' handlers; children of the main screen.
    OrderFileActions* fileActions_ = nullptr;
    OrderOverzichtActie* printAction_ = nullptr;
    OrderVerzenden* sendAction_ = nullptr;
    ArtikelnummerActie* articleNumbers_ = nullptr;
    DeskOrderActions* deskActions_ = nullptr;
    std::unique_ptr<IDeskStoreSteps> deskStoreSteps_;
    std::unique_ptr<IProductionScreen> productionScreen_;  // what the papers show on the main screen
    std::unique_ptr<IProductionPapers> productionPapers_;
    ExternBestandActie* externFiles_ = nullptr;
    bool startupDone_ = false;
};

} // namespace vonu
