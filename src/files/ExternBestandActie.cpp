#include "files/ExternBestandActie.h"
#include "base/Text.h"

#include "files/FileDialogs.h"
#include "files/OrderFileActions.h"
#include "files/SillFileImport.h"
#include "order/VonuOrder.h"

#include <QLineEdit>
#include <QPushButton>

namespace vonu {

namespace {

namespace Tekst {
const char* const Fout = "Fout";
const char* const OpenCaption = "Openen";
const char* const TxtFilter = "Txt Bestanden (*.Txt);;Alle bestanden (*.*)";
} // namespace Tekst

} // namespace

ExternBestandActie::ExternBestandActie(TVonuOrderscherm& screen, OrderFileActions& files, IFileDialogs& dialogs,
                                       IncomingFolders folders, QObject* parent)
    : QObject(parent), screen_(screen), files_(files), dialogs_(dialogs), folders_(std::move(folders))
{
    connect(screen_.vonuOrder(), &QPushButton::clicked, this, &ExternBestandActie::run);
}

void ExternBestandActie::run()
{
    switch (importRoute(folders_)) {
    case ImportRoute::Order:
        files_.openExternal(folders_.orders);
        break;
    case ImportRoute::Onderdorpel:
        takeSillFile();
        break;
    case ImportRoute::Geen:
        break;
    }
}

void ExternBestandActie::takeSillFile()
{
    const QString chosen = dialogs_.openFile(u8(Tekst::OpenCaption), folders_.sillPost, u8(Tekst::TxtFilter));
    if (!chosen.isEmpty()) {
        const SillFileImportResult result = importSillFile(chosen, folders_.sillPost, folders_.sillPre);
        const QStringList lines = sillFileImportMessage(result);
        if (!lines.isEmpty())
            showMessage(screen_.platform().messages, u8(Tekst::Fout), lines);
    }
    // Entering the debtor field looks again: the button goes off when
    // nothing is left, and the signal sounds while files remain.
    if (screen_.debiteur()->isEnabled())
        screen_.debiteur()->setFocus(Qt::OtherFocusReason);
}

} // namespace vonu
