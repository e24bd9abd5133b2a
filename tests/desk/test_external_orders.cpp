// The order desk's side of orders that customers send: the successors of
// replaced articles on the real server.

#include "desk/ArticleSuccessors.h"
#include "desk/DbSession.h"
#include "support/DatabaseFixture.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vonu;

namespace {

class Successors : public test::SessionFixture {};

TEST_F(Successors, OnlyAnInactiveArticleWithASuccessorIsReplaced)
{
    // SL30 is taken out of the assortment without a successor; WS25 with two.
    ASSERT_TRUE(db->exec("update Artikel set Aktief = false where Artikel in ('SL30', 'WS25')"));
    ASSERT_TRUE(db->exec("update Artikel set VoorraadVoorloopArtikel = 'WS25' where Artikel in ('SL20', 'AFP100')"));
    const struct {
        const char* code;
        const char* successor;
    } cases[] = {
        {"OD55", "OD56"},      // the demo's replaced article
        {"OD56", ""},          // active
        {"SL30", ""},          // inactive, no successor
        {"WS25", "AFP100"},    // the first by code
        {"ONBEKEND", ""},      // not in the database
        {"OD55 '--", ""},      // typed text never reaches the statement
    };
    for (const auto& c : cases) {
        QString next = "x";
        EXPECT_TRUE(articleSuccessor(*session, c.code, &next)) << c.code;
        EXPECT_EQ(next, c.successor) << c.code;
    }
    EXPECT_EQ(messages.count(), 0);
}

} // namespace
