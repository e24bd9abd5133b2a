#pragma once
// The order desk's `Verzenden` ("Bewaren order&verwerking") and
// `Afdrukken`: refuse orders that later stages have taken up, number a new
// order, save its order document, store it and print its production
// papers. A store that fails leaves the order on screen exactly as it was,
// its number included. The program connects the buttons and fills the
// hooks (validation, delivery date, order document, New).

#include <QObject>
#include <QString>

#include <functional>

namespace vonu {

class DbSession;
class IMessageDialog;
class IProductionPapers;
class TVonuOrderscherm;
struct StoreHeader;

class DeskOrderActions : public QObject {
    Q_OBJECT
public:
    DeskOrderActions(TVonuOrderscherm& screen, DbSession& session, IProductionPapers& papers,
                     IMessageDialog& messages, QString workstation, QObject* parent = nullptr);

    // Order validation; false when it found a problem (shown). Unset: none.
    std::function<bool()> validate;
    // The delivery date check of the extra order data; false stops the
    // store. Unset: none.
    std::function<bool()> checkDeliveryDate;
    // Saves the order document: sending = with its sent stamp and without a
    // confirmation, else as `Bewaren` does. False when it failed (shown).
    std::function<bool(bool sending)> saveOrderDocument;
    // New: clears the screen, asking first about unsaved changes.
    std::function<void()> nieuw;
    // The short signal that goes with a refusal in the status bar.
    std::function<void()> beep = [] {};

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
    IMessageDialog& messages_;
    QString workstation_;
};

} // namespace vonu
