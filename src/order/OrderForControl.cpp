#include "order/OrderForControl.h"
#include "base/Text.h"

#include "data/AppState.h"
#include "order/OrderEntryDesk.h"
#include "order/VonuOrder.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QStringListModel>

namespace vonu {

namespace {

namespace Tekst {
const char* const Informatie = "Informatie";
const char* const Artikel = "Artikel ";
const char* const NietGevonden = " niet gevonden in assortiment van:";
const char* const Teruggezet = "Order voor is teruggezet naar:";
const char* const WijzigEerst = "Wijzig eerst het artikel...";
} // namespace Tekst

bool isExitOrEntry(const QFocusEvent* e)
{
    // Opening a list's drop-down or another window taking the activation
    // is no leaving of the field.
    return e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason;
}

} // namespace

OrderForControl::OrderForControl(TVonuOrderscherm& screen) : screen_(screen)
{
    QComboBox* box = screen_.ordervoor();
    box->installEventFilter(this);
    connect(box, &QComboBox::currentIndexChanged, this, [this] {
        if (!restoring_ && !screen_.programmaticUpdate())
            change();
    });
}

OrderForControl::~OrderForControl() = default;

void OrderForControl::showAddress()
{
    const AppState* state = &screen_.appState();
    const int index = screen_.ordervoor()->currentIndex();
    if (index < 0)
        return;
    TXMLVerzendadres v;
    int i = 0;
    for (const TXMLVerzendadres a : state->profile.sleutel().Verzendadressen())
        if (i++ == index) {
            v = a;
            break;
        }
    const QString twee = QStringLiteral("  ");
    screen_.ordervoorNaam()->setText(v.VerzendadresNaam());
    screen_.ordervoorAdres()->setText(v.VerzendadresAdres());
    screen_.ordervoorWoonplaats()->setText(v.VerzendadresPostcode() + twee + v.VerzendadresWoonplaats());
    if (state->internalMode) {
        const DeliveryAddressTexts t = screen_.orderEntryDesk().deliveryAddress(index);
        screen_.afleverNaam()->setText(t.naam);
        screen_.afleverAdres()->setText(t.adres);
        screen_.afleverWoonplaats()->setText(t.woonplaats);
    } else {
        screen_.afleverNaam()->setText(v.VerzendadresAfleverNaam());
        screen_.afleverAdres()->setText(v.VerzendadresAfleverAdres());
        screen_.afleverWoonplaats()->setText(v.VerzendadresAfleverPostcode() + twee +
                                             v.VerzendadresAfleverWoonplaats());
    }
}

void OrderForControl::fillArticleLists()
{
    const AppState* state = &screen_.appState();
    ++fills_;
    orderType_ = OrderType::Undetermined;
    SillArticleQuery sill;
    if (state->internalMode) {
        IOrderEntryDesk& desk = screen_.orderEntryDesk();
        orderType_ = desk.orderType(screen_.order().field(1, Veld::Artikel).trimmed());
        if (orderType_ != OrderType::Undetermined) {
            screen_.setWindowTitle(orderTypeCaption(screen_.windowTitle(), orderType_));
            sill = [&desk](const QString& code) { return desk.isSillArticle(code); };
        }
    }
    lists_.fill(state->profile, screen_.ordervoor()->currentIndex(), state->catalog, state->internalMode,
                orderType_, sill);

    TVonuOrderscherm::UpdateGuard guard(screen_);
    if (!model_) {
        // One model behind all six lists: they always hold the same
        // entries, and a catalog's worth of entries is built only once.
        model_ = new QStringListModel(this);
        for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r) {
            QComboBox* box = screen_.regelRij(r).artikel;
            box->setModel(model_);
            box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            if (auto* view = qobject_cast<QListView*>(box->view()))
                view->setUniformItemSizes(true);
        }
    }
    model_->setStringList(lists_.entries());
    filled_ = true;
    selectRowArticles();
}

void OrderForControl::selectRowArticles()
{
    // Every row shows its own line's article again.
    screen_.showRowArticles();
}

void OrderForControl::showAddressAndFillLists()
{
    showAddress();
    fillArticleLists();
    lastAccepted_ = screen_.ordervoor()->currentText();
}

void OrderForControl::change()
{
    showAddress();
    fillArticleLists();

    const OrderModel& order = screen_.order();
    for (int line = 1; line <= MaxOrderregels; ++line) {
        if (!order.lineInUse(line))
            continue;
        const QString& artikel = order.field(line, Veld::Artikel);
        if (lists_.indexOf(artikel) > 0)
            continue;
        QComboBox* box = screen_.ordervoor();
        const QString refused = box->currentText();
        {
            restoring_ = true;
            box->setCurrentIndex(enteredIndex_ >= 0 ? enteredIndex_ : box->findText(lastAccepted_));
            restoring_ = false;
        }
        // The restored address is the one shown: the order is for it.
        showAddress();
        fillArticleLists();
        showMessage(screen_.platform().messages, u8(Tekst::Informatie),
                    {u8(Tekst::Artikel) + artikel.trimmed() + u8(Tekst::NietGevonden), refused, QString(),
                     u8(Tekst::Teruggezet), box->currentText(), QString(), u8(Tekst::WijzigEerst)});
        return;
    }
    lastAccepted_ = screen_.ordervoor()->currentText();
}

bool OrderForControl::eventFilter(QObject* watched, QEvent* event)
{
    QComboBox* box = screen_.ordervoor();
    if (watched != box)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (isExitOrEntry(static_cast<QFocusEvent*>(event)))
            enteredIndex_ = box->currentIndex();
        break;
    case QEvent::FocusOut:
        if (isExitOrEntry(static_cast<QFocusEvent*>(event)) && box->currentText() != lastAccepted_)
            change();
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            screen_.orderdatum()->setFocus();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace vonu
