#pragma once
// What order entry asks of the order desk: the database answers and the
// extra order data that only exist there. The order-desk subsystem
// provides it once its session is open; until then (and in customer mode)
// the main screen asks `noOrderDesk()`, so order entry never checks for one.

#include "order/ArticleLists.h"
#include "order/VonuOrderZoekArtikelRijen.h"

#include <QString>

#include <array>
#include <optional>

namespace vonu {

struct DeliveryAddressTexts {
    QString naam;
    QString adres;
    QString woonplaats;  // postcode, two blanks, place
};

class IOrderEntryDesk {
public:
    virtual ~IOrderEntryDesk() = default;

    // The order type, from the first line of the current stored order or
    // else from `firstArticle` (the text of `Artikel1`); Undetermined when
    // neither gives a product group.
    virtual OrderType orderType(const QString& firstArticle) = 0;
    // The product group's sill mark of an article; nullopt without a row.
    virtual std::optional<bool> isSillArticle(const QString& code) = 0;
    // Reads the delivery data of shipping address `shipTo` (0-based) into
    // the extra order data screen and returns what the main screen shows.
    virtual DeliveryAddressTexts deliveryAddress(int shipTo) = 0;
    // True when leaving `Artikel1` on line 1 refills the article lists: no
    // order number is current and the order did not come from a file with
    // its own notes or from an external order file.
    virtual bool listsFollowFirstArticle() = 0;
    // A colour was chosen on `line`: the delivery date may move.
    virtual void colourChosen(int line) = 0;
    // "*" typed in the article field of row `row`: the EAN entry.
    virtual void eanEntry(int row) = 0;
    // `ZoekArtikel` / `ZoekBewerking` for `line`: the code the user chose in
    // the desk's search screen among the article's sub-articles or
    // operations; nullopt when none was chosen.
    virtual std::optional<QString> searchPanelArticle(ZoekSoort soort, int line) = 0;
    // A sub-article (`kind` 'S') or operation ('B') was chosen or changed in
    // table row `row` of `line`, or Tab asked for it: the sill macro
    // configurator, which reads and clears the panels' PreviousArticle.
    virtual void sillMacro(QChar kind, int line, int row) = 0;
    // The description screen's standard text: the three description lines
    // of the text the user picked; nullopt when none was picked.
    virtual std::optional<std::array<QString, 3>> standardDescription() = 0;
};

// The answers without a database: no order type, no sill marks, no delivery
// texts, lists that do not follow the first article, a colour or "*" that
// change nothing, no panel search, no configurator and no standard texts.
IOrderEntryDesk& noOrderDesk();

} // namespace vonu
