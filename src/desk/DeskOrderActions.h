#pragma once
// The order desk's `Verzenden` ("Bewaren order&verwerking") and
// `Afdrukken`: refuse orders that later stages have taken up, number a new
// order, save its order document, store it and print its production
// papers. A store that fails leaves the order on screen exactly as it was,
// its number included. The program connects the buttons and gives the
// steps that belong to order entry (validation, delivery date, order
// document, New).

#include <QObject>
#include <QString>

namespace vonu {

class DbSession;
class IMessageDialog;
class ISound;
class IProductionPapers;
class TVonuOrderscherm;
struct StoreHeader;

// The steps around a store that belong to order entry and the order file.
class IDeskStoreSteps {
public:
    virtual ~IDeskStoreSteps() = default;
    // Order validation; false when it found a problem (shown).
    virtual bool validate() = 0;
    // The delivery date check of the extra order data; false stops the store.
    virtual bool checkDeliveryDate() = 0;
    // Saves the order document: sending = with its sent stamp and without a
    // confirmation, else as `Bewaren` does. False when it failed (shown).
    virtual bool saveOrderDocument(bool sending) = 0;
    // New: clears the screen, asking first about unsaved changes.
    virtual void nieuw() = 0;
};

class DeskOrderActions : public QObject {
    Q_OBJECT
public:
    DeskOrderActions(TVonuOrderscherm& screen, DbSession& session, IProductionPapers& papers, IDeskStoreSteps& steps,
                     IMessageDialog& messages, ISound& sound, QString workstation, QObject* parent = nullptr);

    // True when the order was stored.
    bool verzenden();
    bool afdrukken();

    StoreHeader storeHeader() const;

private:
    bool firstArticleEmpty() const;
    bool storeOrder(bool newOrder, const QString& number, bool printCopy);

    TVonuOrderscherm& screen_;
    DbSession& session_;
    IProductionPapers& papers_;
    IDeskStoreSteps& steps_;
    IMessageDialog& messages_;
    ISound& sound_;
    QString workstation_;
};

} // namespace vonu
