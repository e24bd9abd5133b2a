#include "files/ExternBestandActie.h"
#include "base/Text.h"

#include "files/FileDialogs.h"
#include "files/OrderFileActions.h"
#include "files/SillFileImport.h"
#include "order/VonuOrder.h"


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
    screen_.onButton(TVonuOrderscherm::Knop::VonuOrder, this, [this] { run(); });
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
    if (screen_.debtorEntryEnabled())
        screen_.giveFocus(TVonuOrderscherm::Plek::Debiteur);
}

} // namespace vonu
