#include "order/OrderEntryDesk.h"

namespace vonu {

namespace {

class NoOrderDesk final : public IOrderEntryDesk {
public:
    OrderType orderType(const QString&) override { return OrderType::Undetermined; }
    std::optional<bool> isSillArticle(const QString&) override { return std::nullopt; }
    DeliveryAddressTexts deliveryAddress(int) override { return {}; }
    bool listsFollowFirstArticle() override { return false; }
    void colourChosen(int) override {}
    void eanEntry(int) override {}
    std::optional<QString> searchPanelArticle(ZoekSoort, int) override { return std::nullopt; }
    void sillMacro(QChar, int, int) override {}
    std::optional<std::array<QString, 3>> standardDescription() override { return std::nullopt; }
};

} // namespace

IOrderEntryDesk& noOrderDesk()
{
    static NoOrderDesk none;
    return none;
}

} // namespace vonu
