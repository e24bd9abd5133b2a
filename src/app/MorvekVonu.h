#pragma once
// The program: the three long-lived screens, the documents and settings they
// share, the start-up sequence run on the main screen's first activation and
// the close that follows the close query. main() only builds the platform
// seams and one MorvekVonu.

#include "app/LocalSettings.h"
#include "app/MorvekIni.h"
#include "app/Platform.h"
#include "app/WorkingFolder.h"
#include "data/Catalog.h"
#include "data/CustomerProfile.h"

#include <QObject>
#include <QStringList>

#include <memory>

namespace vonu {

class DbSession;
class TVonuOrderscherm;
class TVonuOrderNotitiescherm;
class TVonuOrderExtrascherm;

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

    TVonuOrderscherm& mainScreen() const { return *main_; }
    TVonuOrderNotitiescherm& notesScreen() const { return *notes_; }
    TVonuOrderExtrascherm& extraScreen() const { return *extra_; }

    bool internalMode() const { return internal_; }
    const QString& workstation() const { return workstation_; }
    bool testWorkstation() const;
    const MorvekIniSettings& orderDeskSettings() const { return deskSettings_; }
    const LocalSettings& localSettings() const { return settings_; }
    const WorkingFolder& workingFolder() const { return folder_; }
    CustomerProfile& profile() { return profile_; }
    Catalog& catalog() { return catalog_; }
    DbSession* database() const { return db_.get(); }

    // The start-up sequence; public so tests can run it without activating a
    // window. Runs once.
    void runStartup();
    // True when the start-up completed and the order screen is in use.
    bool started() const;

    // Enables `VonuOrder` when incoming orders wait and plays the signal.
    void signalIncomingOrders();

signals:
    // The start-up failed and the program ends.
    void startupFailed();

private:
    bool startupBody();
    bool prepareOrderDesk();
    void fillFixedLists();
    void onClose();
    void endProgram();

    Platform& platform_;
    WorkingFolder folder_;
    QStringList arguments_;

    std::unique_ptr<TVonuOrderscherm> main_;
    std::unique_ptr<TVonuOrderNotitiescherm> notes_;
    std::unique_ptr<TVonuOrderExtrascherm> extra_;

    bool internal_ = false;
    QString workstation_;
    MorvekIniSettings deskSettings_;
    LocalSettings settings_;
    bool settingsReadable_ = true;
    CustomerProfile profile_;
    Catalog catalog_;
    std::unique_ptr<DbSession> db_;
    bool startupDone_ = false;
};

} // namespace vonu
