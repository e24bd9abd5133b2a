#pragma once
// The order desk's button `VonuOrder` ("Extern bestand"): one file per
// press from the folders customers' files arrive in. An order document is
// opened as an external order; only when none waits, a sill macro file is
// chosen and moved into the sill macro file folder.

#include "files/ExternalOrderImport.h"

#include <QObject>

namespace vonu {

class IFileDialogs;
class OrderFileActions;
class TVonuOrderscherm;

class ExternBestandActie : public QObject {
    Q_OBJECT
public:
    ExternBestandActie(TVonuOrderscherm& screen, OrderFileActions& files, IFileDialogs& dialogs,
                       IncomingFolders folders, QObject* parent = nullptr);

    const IncomingFolders& folders() const { return folders_; }
    // The press.
    void run();

private:
    void takeSillFile();

    TVonuOrderscherm& screen_;
    OrderFileActions& files_;
    IFileDialogs& dialogs_;
    IncomingFolders folders_;
};

} // namespace vonu
