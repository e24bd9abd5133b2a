#pragma once
// The main screen's order-file buttons `Nieuw`, `Openen`, `Bewaren` and
// `Verwijderen` in customer mode, and build order document, which the send
// and the order desk's store call too. Created once by the program beside
// the main screen; connects itself to the four buttons.

#include "data/MorvekDocument.h"
#include "files/ExternalOrderImport.h"
#include "files/OrderFileDesk.h"
#include "files/OrderDocument.h"

#include <QObject>

#include <memory>

namespace vonu {

class IFileDialogs;
class TVonuOrderscherm;

class OrderFileActions : public QObject {
    Q_OBJECT
public:
    enum class Build {
        Normal,     // `Bewaren`: save with a confirmation
        Sending,    // with the sent stamp, no confirmation (the order desk's store)
        SendingByMail, // the same, but written by saveSentOrder only once the mail
                       // has gone, so a failed send leaves no stamp behind
        BuildOnly,  // nothing written, nothing shown
    };
    enum class Outcome {
        Skipped,    // no order on screen (the first line row is empty)
        Done,
        Failed,     // the save failed; the old file and the order stay as they were
    };

    OrderFileActions(TVonuOrderscherm& screen, IFileDialogs& dialogs, QObject* parent = nullptr);
    ~OrderFileActions() override;

    // The order desk, once its session is open; the customer's answers until then.
    void setOrderFileDesk(IOrderFileDesk& desk) { desk_ = &desk; }

    Outcome buildOrderDocument(Build build);
    // Writes the document built with SendingByMail to its order file and takes the
    // saved signature; false with the reason when the file cannot be written.
    bool saveSentOrder(QString* error);
    void bewaren();
    void nieuw();
    void openen();
    // `Openen` with the file already chosen (also used by tests); false
    // when the file could not be read.
    bool openFile(const QString& path);
    // `Openen` for the order documents customers send (the button "Extern
    // bestand"): the dialog starts in `incomingFolder`, article-number files
    // are refused, the order is tied to no file, its notes are the
    // customer's, replaced articles get their successors, the file is
    // deleted once the order is wholly on screen, and the order counts as
    // changed until it is stored.
    void openExternal(const QString& incomingFolder);
    // The incoming document `path` opened as above, the file already chosen.
    bool openExternalFile(const QString& path);
    // Focus on the debtor field starts afresh: no customer or external file.
    void clearFileFlags();
    void verwijderen();

    // The full path of the order file last saved, sent or opened.
    QString currentFile() const { return currentFile_; }
    void setCurrentFile(const QString& path) { currentFile_ = path; }
    // The document last built or opened.
    MorvekDocument& document() { return document_; }
    // The sent stamp of the last build for sending.
    QString sentStamp() const { return sentStamp_; }
    // The opened file carried the notes markers ("[Notitie]"/"[OB]").
    bool customerFileFlag() const { return klantBestand_; }

    // The folder order files go to.
    QString ordersFolder() const;
    // The header values of the order on screen.
    OrderHeader header() const;

    // Asks whether to go on when the order has unsaved changes; true to go on.
    bool confirmDiscard();

private:
    // New without the change question.
    void startAfresh();
    void focusOrdervoor();
    void setNotesBold(bool bold);
    bool load(const QString& path, bool external);
    void removeIncomingFile(const QString& path);

    TVonuOrderscherm& screen_;
    IFileDialogs& dialogs_;
    std::unique_ptr<IOrderFileDesk> customer_;
    IOrderFileDesk* desk_;
    MorvekDocument document_;
    QString currentFile_;
    QString sentStamp_;
    // The shipping address code of the opened file, kept while the profile
    // offers no entry for it so that saving does not drop it.
    QString geopendVerzendadres_;
    QString sendingPath_;   // the order file of the last build for sending
    bool klantBestand_ = false;
    bool externBestand_ = false;
    bool externRequest_ = false;  // set by openExternal for the Openen it starts
    QString incomingFolder_;
};

} // namespace vonu
