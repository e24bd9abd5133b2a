#pragma once
// Taking in a sill macro file that a customer sent: it moves from the
// incoming sill folder into the sill macro file folder, where the sill
// configurator looks for special sills by production number. A file never
// replaces one already there, and it leaves the incoming folder only once
// its copy is complete.

#include <QString>
#include <QStringList>

namespace vonu {

struct SillFileImportResult {
    enum class Uitkomst {
        Verplaatst,          // copied and removed from the incoming folder
        DoelBestaat,         // the target name is taken: nothing changed
        KopieMislukt,        // the copy could not be made: nothing changed
        VerwijderenMislukt,  // copied, but the incoming file could not be removed
        BuitenMap,           // the chosen file is not below the incoming folder
    };
    Uitkomst uitkomst = Uitkomst::KopieMislukt;
    QString bron;
    QString doel;
    QString reden;           // why, in Dutch (the system's own words in brackets)

    bool verplaatst() const { return uitkomst == Uitkomst::Verplaatst; }
};

// The target of `chosen`: its path below `postFolder` placed below
// `preFolder` ("<post>/12345.Txt" -> "<pre>/12345.Txt", a sub-folder kept).
// Empty when `chosen` does not lie below `postFolder`.
QString sillTargetPath(const QString& chosen, const QString& postFolder, const QString& preFolder);

// Moves `chosen` as above. Missing sub-folders below `preFolder` are made.
SillFileImportResult importSillFile(const QString& chosen, const QString& postFolder, const QString& preFolder);

// What the user is told when the file did not simply move (caption "Fout");
// empty for a file that moved.
QStringList sillFileImportMessage(const SillFileImportResult& result);

} // namespace vonu
