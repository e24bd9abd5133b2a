#pragma once
// The choice `Ordervoor` (the shipping address the order is for) and the
// article lists it decides: showing the address, filling the six article
// lists and the customer article list, and refusing an address whose
// assortment lacks an article already on the order.

#include "order/ArticleLists.h"

#include <QObject>

class QStringListModel;

namespace vonu {

class TVonuOrderscherm;

class OrderForControl : public QObject {
    Q_OBJECT
public:
    explicit OrderForControl(TVonuOrderscherm& screen);
    ~OrderForControl() override;

    // What a new or opened order needs: the chosen address shown and the
    // article lists filled for it (no check of the order's articles).
    void showAddressAndFillLists();
    // Shows the chosen shipping address in the address labels.
    void showAddress();
    // Fills the six article lists and the customer article list for the
    // chosen address and re-selects each row's article.
    void fillArticleLists();
    // The full change: address, lists, the check of every line's article
    // (refused: the entered address comes back with a message) and the
    // rows re-selected.
    void change();

    const ArticleLists& lists() const { return lists_; }
    const CustomerArticleList& customerArticles() const { return lists_.customerArticles(); }
    bool listsFilled() const { return filled_; }
    // Text of `Ordervoor` after the last accepted change.
    const QString& lastAccepted() const { return lastAccepted_; }
    OrderType orderType() const { return orderType_; }
    // How many times the lists were filled (for tests of when they are).
    int fillCount() const { return fills_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectRowArticles();

    TVonuOrderscherm& screen_;
    ArticleLists lists_;
    QStringListModel* model_ = nullptr;  // shared by the six article lists
    bool filled_ = false;
    bool restoring_ = false;
    int enteredIndex_ = -1;
    QString lastAccepted_;
    OrderType orderType_ = OrderType::Undetermined;
    int fills_ = 0;
};

} // namespace vonu
