// The quantity text a made-to-measure line takes from its detail rows.
#include "order/DetailTotal.h"
#include "order/OrderModel.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace vonu;

namespace {

struct Rij {
    const char* aantal;
    const char* maat;
};

QString total(const std::vector<Rij>& rijen, bool meterDm, int eersteRij = 1)
{
    OrderModel order;
    int row = eersteRij;
    for (const Rij& r : rijen) {
        order.setDetailAantal(3, row, QString::fromUtf8(r.aantal));
        order.setDetailMaat(3, row, QString::fromUtf8(r.maat));
        ++row;
    }
    return detailTotaalTekst(detailTotaal(order, 3), meterDm);
}

} // namespace

TEST(DetailTotal, TextOfTheRows)
{
    const struct {
        std::vector<Rij> rijen;
        bool meterDm;
        const char* tekst;
    } cases[] = {
        {{{"2", "1500"}, {"1", "800"}}, false, "3/3,8"},
        // Billed: each piece rounded up to whole decimetres, at least a metre.
        {{{"2", "1500"}, {"1", "800"}}, true, "3/4,0"},
        {{{"1", "1050"}}, true, "1/1,1"},
        {{{"1", "1000"}}, true, "1/1,0"},
        {{{"1", "1001"}}, true, "1/1,1"},
        // Metres are rounded up to whole decimetres as well.
        {{{"1", "3801"}}, false, "1/3,9"},
        {{{"1", "3800"}}, false, "1/3,8"},
        {{{"1", "50"}}, false, "1/0,1"},
        // What is missing is marked where it belongs.
        {{{"2", "1500"}, {"1", "800"}, {"2", ""}}, false, "3/3,8*"},
        {{{"", "800"}, {"2", "1500"}}, false, "2*/3,0"},
        {{{"", "800"}, {"2", ""}, {"1", "700"}}, false, "1*/0,7*"},
        // Nothing counted at all.
        {{}, false, "*"},
        {{{"2", ""}}, false, "*"},
        {{{"", "800"}}, true, "*"},
        {{{"0", "1500"}}, false, "*"},
        // A size refused by the size check still counts its pieces, and is
        // still missing.
        {{{"2", "0"}}, false, "2/0,0*"},
        {{{"2", "0"}}, true, "2/2,0*"},
        {{{"1", "1500"}, {"2", "0"}}, false, "3/1,5*"},
        // Blanks are no values.
        {{{" ", " "}, {"1", "800"}}, false, "1/0,8"},
        // Values no field can hold (pasted, or edited in the file) are
        // missing, never wrapped round or read as 0.
        {{{"9999999999", "9999999999"}, {"1", "1000"}}, false, "1*/1,0*"},
        {{{"2", "1200,5"}, {"1", "1000"}}, false, "1/1,0*"},
        {{{"-3", "1000"}, {"1", "1000"}}, true, "1*/1,0"},
    };
    for (const auto& c : cases) {
        QString rows;
        for (const Rij& r : c.rijen)
            rows += QStringLiteral("(%1,%2)").arg(r.aantal, r.maat);
        EXPECT_EQ(total(c.rijen, c.meterDm), c.tekst) << rows.toStdString() << " meterDm=" << c.meterDm;
    }
}

TEST(DetailTotal, EveryRowOfTheLineCountsAndOtherLinesDoNot)
{
    OrderModel order;
    order.setDetailAantal(3, 1, "1");
    order.setDetailMaat(3, 1, "1000");
    order.setDetailAantal(3, MaxDetails, "2");
    order.setDetailMaat(3, MaxDetails, "2000");
    order.setDetailAantal(4, 1, "9");
    order.setDetailMaat(4, 1, "9000");
    const DetailTotaal t = detailTotaal(order, 3);
    EXPECT_EQ(t.stuks, 3);
    EXPECT_EQ(t.lengte, 5000);
    EXPECT_EQ(detailTotaalTekst(t, false), "3/5,0");
}

TEST(DetailTotal, FullRowsOfTheLargestValuesDoNotOverflow)
{
    OrderModel order;
    for (int row = 1; row <= MaxDetails; ++row) {
        order.setDetailAantal(1, row, "99999");
        order.setDetailMaat(1, row, "9999");
    }
    const DetailTotaal t = detailTotaal(order, 1);
    const std::int64_t length = std::int64_t(99999) * 9999 * MaxDetails;
    EXPECT_EQ(t.stuks, std::int64_t(99999) * MaxDetails);
    EXPECT_EQ(t.lengte, length);
    EXPECT_EQ(t.gefactureerd, std::int64_t(99999) * 10000 * MaxDetails);
    const std::int64_t dm = (length + 99) / 100;
    EXPECT_EQ(detailTotaalTekst(t, false),
              QString::number(t.stuks) + "/" + QString::number(dm / 10) + "," + QString::number(dm % 10));
}

TEST(DetailTotal, DecimalSeparatorOfTheNumberFormat)
{
    EXPECT_EQ(meters(3800), "3,8");
    EXPECT_EQ(meters(3800, u'.'), "3.8");
    EXPECT_EQ(meters(0), "0,0");
}
