#pragma once
// The order desk at the main screen: the debtor field and its search, the
// shipping address applied to the extra order data, the extra order data
// screen, the start of a new order, and the answers order entry asks of
// the database (order type, sill articles, coloured lines).

#include "desk/DeskArticles.h"
#include "desk/DeskDelivery.h"
#include "desk/DeskOrders.h"
#include "desk/DeskProfile.h"
#include "desk/SearchQueries.h"
#include "desk/SillMacroQueries.h"
#include "desk/StandardTexts.h"
#include "files/OrderFileDesk.h"
#include "desk/VonuOrderZoek.h"
#include "order/OrderEntryDesk.h"

#include <QObject>

#include <functional>
#include <optional>

namespace vonu {

class DbSession;
class TVonuOrderExtrascherm;
class TVonuOrderscherm;

class DeskOrderEntry : public QObject, public IOrderEntryDesk, public IOrderFileDesk {
    Q_OBJECT
public:
    // The screen's state must hold the open session.
    DeskOrderEntry(TVonuOrderscherm& screen, TVonuOrderExtrascherm& extra, DbSession& db);

    // The generic search: title, initial value and the caller's options; the
    // chosen value, or nullopt when the user cancelled. The search screen
    // unless replaced.
    std::function<std::optional<QString>(const QString& title, const QString& initial, const SearchOptions& options)>
        search;

    // ---- IOrderEntryDesk
    OrderType orderType(const QString& firstArticle) override;
    std::optional<bool> isSillArticle(const QString& code) override;
    DeliveryAddressTexts deliveryAddress(int shipTo) override;
    bool listsFollowFirstArticle() override;
    void colourChosen(int line) override;
    void eanEntry(int row) override;
    std::optional<QString> searchPanelArticle(ZoekSoort soort, int line) override;
    void sillMacro(QChar kind, int line, int row) override;
    // The standard text library of type 'O'.
    std::optional<std::array<QString, 3>> standardDescription() override;

    // ---- Handlers
    // Enter in `Debiteur`: checks the typed debtor, builds its profile and
    // applies its first shipping address.
    void chooseDebtor();
    // `ZoekDebiteur`, F5 and a double click in `Debiteur`.
    void searchDebtor();
    // The button `Extra`.
    void showExtra();
    // Before a store: a new order's delivery date that fell on a free day
    // moves to the next delivery day, and the extra order data screen shows
    // it (the store goes on with the moved date). False when the free days
    // could not be read or the move cannot end (shown): the store stops.
    bool checkDeliveryDate();

    // ---- IOrderFileDesk
    // New: the locks released, the debtor cleared, the focus in `Debiteur`.
    void startNew() override;
    // Open, before the document replaces the order on screen: the lock of
    // its stored order, the debtor check and the debtor's profile, the
    // debtor and order number set into `read`.
    Open opening(const MorvekDocument& doc, OrderModel& read, bool external) override;
    // Open, with the document on screen: the coloured lines' delivery move,
    // the extra order data of the document, the debtor warning.
    void opened(const MorvekDocument& doc, bool external) override;
    // Delete of `file`: the removal test, the question and, when the stored
    // order may go, its removal; true when the file is to go too.
    bool confirmDelete(const QString& file) override;
    // The article's successor from the articles table.
    bool articleSuccessor(const QString& code, QString* successor) override;

    DeskOrders& orders() { return orders_; }

protected:
    // F5 in `Referentie`: a reference line from the standard texts, only
    // into an empty reference.
    void standardReference();

private:
    // The seams line entry leaves to the order desk.
    void wireLineEntry();
    // The standard text library of `type`: the text picked, if any.
    std::optional<StandardText> standardText(QChar type);
    // The debtor's labels and shipping addresses from the profile just built.
    void showDebtor();
    void refreshDeliveryLabels();
    QString ordernummer() const;

    TVonuOrderscherm& screen_;
    TVonuOrderExtrascherm& extra_;
    DbSession& db_;
    DeskOrders orders_;
    DeskDelivery delivery_;
    DeskArticles articles_;
    SearchQueries searchQueries_;
    SillMacroQueries sillQueries_;
    bool showingExtra_ = false;
    QString debtorWarning_;   // of the order being opened, shown once it is on screen
};

} // namespace vonu
