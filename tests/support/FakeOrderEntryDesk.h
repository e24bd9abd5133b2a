#pragma once
// The order desk as order entry sees it, without a database: answers set
// by the test, and every call recorded, so the desk branches of line entry
// are tested on the screen alone.

#include "order/OrderEntryDesk.h"

#include <vector>
#include <QMap>
#include <QStringList>

#include <functional>
#include <utility>

namespace vonu::test {

class FakeOrderEntryDesk final : public IOrderEntryDesk {
public:
    OrderType orderType(const QString& firstArticle) override
    {
        orderTypeAsked << firstArticle;
        return type;
    }
    std::optional<bool> isSillArticle(const QString& code) override
    {
        if (!sillArticles.contains(code))
            return std::nullopt;
        return sillArticles.value(code);
    }
    DeliveryAddressTexts deliveryAddress(int shipTo) override
    {
        addressesAsked.push_back(shipTo);
        return delivery;
    }
    std::optional<QString> searchPanelArticle(ZoekSoort soort, int line) override
    {
        panelSearches.push_back({soort, line});
        return onPanelSearch ? onPanelSearch(soort, line) : std::nullopt;
    }
    void sillMacro(QChar kind, int line, int row) override
    {
        if (onSillMacro)
            onSillMacro(kind, line, row);
    }
    std::optional<std::array<QString, 3>> standardDescription() override
    {
        ++descriptionsAsked;
        return description;
    }
    bool listsFollowFirstArticle() override { return listsFollow; }
    void colourChosen(int line) override { colourLines.push_back(line); }
    void eanEntry(int row) override
    {
        eanRows.push_back(row);
        if (onEan)
            onEan(row);
    }

    OrderType type = OrderType::Undetermined;
    QMap<QString, bool> sillArticles;  // code -> sill article; absent: no product group
    DeliveryAddressTexts delivery;
    bool listsFollow = true;
    std::function<void(int row)> onEan;
    std::function<std::optional<QString>(ZoekSoort, int line)> onPanelSearch;
    std::function<void(QChar kind, int line, int row)> onSillMacro;
    std::optional<std::array<QString, 3>> description;
    int descriptionsAsked = 0;

    QStringList orderTypeAsked;
    std::vector<int> addressesAsked;
    std::vector<int> colourLines;
    std::vector<int> eanRows;
    std::vector<std::pair<ZoekSoort, int>> panelSearches;
};

} // namespace vonu::test
