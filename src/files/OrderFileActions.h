#pragma once
// The main screen's order-file buttons `Nieuw`, `Openen`, `Bewaren` and
// `Verwijderen` in customer mode, and build order document, which the send
// and the order desk's store call too. Created once by the program beside
// the main screen; connects itself to the four buttons.

#include "data/MorvekDocument.h"
#include "files/OrderDocument.h"

#include <QObject>

#include <functional>

namespace vonu {

class IFileDialogs;
class TVonuOrderscherm;

class OrderFileActions : public QObject {
    Q_OBJECT
public:
    enum class Build {
        Normal,     // `Bewaren`: save with a confirmation
        Sending,    // with the sent stamp, no confirmation; written by saveSentOrder
                    // only once the mail has gone, so a failed send leaves no stamp
        BuildOnly,  // nothing written, nothing shown
    };
    enum class Outcome {
        Skipped,    // no order on screen (the first line row is empty)
        Done,
        Failed,     // the save failed; the old file and the order stay as they were
    };

    OrderFileActions(TVonuOrderscherm& screen, IFileDialogs& dialogs, QObject* parent = nullptr);

    // Hooks of order entry; unset hooks are skipped.
    // Shows the shipping address chosen in `Ordervoor` and fills the
    // article lists for it (order-for change, steps 1 and 2).
    std::function<void()> showShippingAddress;
    // Shows the sub-article, operation and detail panels of line 1.
    std::function<void()> showPanels;

    Outcome buildOrderDocument(Build build);
    // Writes the document built for sending to its order file and takes the
    // saved signature; false with the reason when the file cannot be written.
    bool saveSentOrder(QString* error);
    void bewaren();
    void nieuw();
    void openen();
    // `Openen` with the file already chosen (also used by tests and the
    // external-file import); false when the file could not be read.
    bool openFile(const QString& path);
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
    void focusOrdervoor();
    void setNotesBold(bool bold);

    TVonuOrderscherm& screen_;
    IFileDialogs& dialogs_;
    MorvekDocument document_;
    QString currentFile_;
    QString sentStamp_;
    QString sendingPath_;   // the order file of the last build for sending
    bool klantBestand_ = false;
    bool externBestand_ = false;
};

} // namespace vonu
