#pragma once
// The product-group questions order entry asks the order desk: whether an
// article is a sill article, and so whether an order is a sill order.

#include "order/ArticleLists.h"

#include <QString>

#include <optional>

namespace vonu {

class DbSession;

class DeskArticles {
public:
    explicit DeskArticles(DbSession& db);

    // The sill mark of an article's product group; nullopt without a row.
    std::optional<bool> isSillArticle(const QString& code);
    // From line 1 of stored order `ordernummer` when it is not empty, else
    // from `firstArticle`; Undetermined when neither gives a product group.
    OrderType orderType(const QString& ordernummer, const QString& firstArticle);

private:
    DbSession& db_;
};

} // namespace vonu
