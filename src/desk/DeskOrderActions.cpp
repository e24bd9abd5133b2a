#include "desk/DeskOrderActions.h"

#include "base/Platform.h"

#include "desk/DbSession.h"
#include "desk/OrderStore.h"
#include "desk/ProductionPapers.h"
#include "order/VonuOrder.h"
#include "order/VonuOrderNotitie.h"


namespace vonu {

namespace {

bool isProef(const QString& name) { return name.startsWith(QLatin1String("PROEF")); }

} // namespace

DeskOrderActions::DeskOrderActions(TVonuOrderscherm& screen, DbSession& session, IProductionPapers& papers,
                                   IDeskStoreSteps& steps, IMessageDialog& messages, ISound& sound,
                                   QString workstation, QObject* parent)
    : QObject(parent), screen_(screen), session_(session), papers_(papers), steps_(steps), messages_(messages),
      sound_(sound), workstation_(std::move(workstation))
{
}

bool DeskOrderActions::firstArticleEmpty() const
{
    // The order, not the list: an article the lists no longer offer is
    // still the line's article.
    return !screen_.order().lineInUse(1);
}

StoreHeader DeskOrderActions::storeHeader() const
{
    StoreHeader h;
    h.transactie = screen_.transactieType();
    const OrderHeaderValues shown = screen_.headerValues();
    h.orderdatum = shown.orderdatum;
    h.verzendadres = screen_.shipToCode(screen_.shipToIndex());
    h.klantOrdernummer = shown.ordernummer;
    h.referentie = shown.referentie;
    if (TVonuOrderNotitiescherm* notes = screen_.notitiescherm())
        h.notities = notes->notitiesText();
    h.onderdorpelorder = screen_.windowTitle().startsWith(QLatin1String("Onderdorpelorder"));
    return h;
}

bool DeskOrderActions::storeOrder(bool newOrder, const QString& number, bool printCopy)
{
    OrderStore store(session_, messages_);
    store.status = [this](const QString& text) { screen_.setStatusText(0, text); };
    // The confirmation remark is kept by the notes screen until the order
    // holds it itself.
    const OrderModel* order = &screen_.order();
    OrderModel withRemark;
    TVonuOrderNotitiescherm* notes = screen_.notitiescherm();
    if (order->desk().ob.isEmpty() && notes && !notes->obText().isEmpty()) {
        withRemark = *order;
        withRemark.desk().ob = notes->obText();
        order = &withRemark;
    }
    return store.store(*order, storeHeader(), StoreRequest{newOrder, number, printCopy});
}

bool DeskOrderActions::verzenden()
{
    if (firstArticleEmpty()) {
        screen_.giveFocus(TVonuOrderscherm::Plek::Verzenden);
        return false;
    }
    screen_.writeBackVisibleRows();
    DeskOrderData& desk = screen_.order().desk();
    const QString before = desk.ordernummer;
    if (!before.trimmed().isEmpty()) {
        OrderStore checks(session_, messages_);
        bool failed = false;
        const QString refusal = checks.refusal(before, &failed);
        if (failed || !refusal.isEmpty()) {
            if (!refusal.isEmpty()) {
                sound_.beep();
                screen_.setStatusText(0, refusal);
            }
            screen_.giveFocus(TVonuOrderscherm::Plek::Verzenden);
            return false;
        }
    }
    bool stored = false;
    if (steps_.validate()) {
        if (!steps_.checkDeliveryDate()) {
            screen_.giveFocus(TVonuOrderscherm::Plek::Verzenden);
            return false;
        }
        const bool newOrder = before.trimmed().isEmpty();
        if (newOrder && !isProef(workstation_)) {
            // Drawn outside the store's transaction: a store that fails
            // afterwards never hands the same number out again.
            const QString number = session_.drawOrderNumber();
            if (number.isEmpty()) {
                screen_.giveFocus(TVonuOrderscherm::Plek::Verzenden);
                return false;
            }
            desk.ordernummer = number.trimmed();
        }
        const QString number = isProef(workstation_) ? workstation_ : desk.ordernummer;
        // Saving the order document names the drawn number in the caption;
        // once the store fails the order no longer holds that number.
        const QString caption = screen_.windowTitle();
        if (!steps_.saveOrderDocument(true) || !storeOrder(newOrder, number, false)) {
            desk.ordernummer = before;
            screen_.setWindowTitle(caption);
            screen_.giveFocus(TVonuOrderscherm::Plek::Verzenden);
            return false;
        }
        stored = true;
        if (newOrder)
            papers_.printProductionOrder(number);
    }
    steps_.nieuw();
    return stored;
}

bool DeskOrderActions::afdrukken()
{
    if (firstArticleEmpty())
        return false;
    screen_.writeBackVisibleRows();
    if (!steps_.validate() || !steps_.checkDeliveryDate() || !steps_.saveOrderDocument(false))
        return false;
    if (!storeOrder(true, workstation_, true))
        return false;
    papers_.printProductionOrder(workstation_);
    return true;
}

} // namespace vonu
