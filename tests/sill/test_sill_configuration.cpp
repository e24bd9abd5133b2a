// The rules of a sill configuration without a screen: what a sill type
// shows and how it is labelled and laid out, the length check, where Enter
// and the arrows lead, and the sill values of a row.
#include "order/OrderModel.h"
#include "sill/SillConfiguration.h"

#include <gtest/gtest.h>

using namespace vonu;
using namespace vonu::sill;

namespace {

SillConfiguration config(int macros, int maten, SillType type)
{
    return SillConfiguration(SillProposal{macros, maten, type});
}

QString labels(const SillConfiguration& c)
{
    QStringList l;
    for (int j = 1; j <= c.lastMaat(); ++j)
        l << c.maatLabel(j);
    return l.join(u',');
}

SillField maat(int j)
{
    return {SillField::Maat, j};
}

} // namespace

TEST(SillConfiguration, TypeCodesAndTitles)
{
    const struct {
        const char* code;
        SillType type;
        const char* title;
    } cases[] = {
        {"BW", SillType::BW, "Bewerking"},
        {"BB", SillType::BB, "Onderdorpel binnen/buiten"},
        {"HR", SillType::HR, "Onderdorpel hefschuif"},
        {"HL", SillType::HL, "Onderdorpel hefschuif"},
        {"H1", SillType::H1, "Onderdorpel hefschuif"},
        {"H2", SillType::H2, "Onderdorpel hefschuif"},
        {"", SillType::Geen, "Onderdorpel hefschuif"},
        {"XX", SillType::Geen, "Onderdorpel hefschuif"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(sillTypeFromCode(QString::fromLatin1(c.code)), c.type);
        EXPECT_EQ(sillTitle(c.type), QString::fromLatin1(c.title));
    }
}

TEST(SillConfiguration, FieldsShownAndTheirLabels)
{
    const struct {
        const char* name;
        SillConfiguration c;
        int positions;
        bool header;
        const char* labels;
    } cases[] = {
        // One position: no header fields, one dimension labelled "A".
        {"BW", config(1, 0, SillType::BW), 1, false, "A"},
        // Two positions that both carry UDK and HOH: no dimension at all.
        {"two with both", config(2, 1, SillType::Geen), 2, true, ""},
        {"two fields only", config(3, 2, SillType::BB), 3, true, ""},
        {"BB", config(3, 3, SillType::BB), 3, true, "a,A,z"},
        {"HR", config(4, 4, SillType::HR), 4, true, "a,A,B,z"},
        {"HL mirrored", config(4, 4, SillType::HL), 4, true, "z,B,A,a"},
        {"H1", config(6, 5, SillType::H1), 6, true, "a,A,B,C,z"},
        {"more than fits", config(14, 15, SillType::Geen), 12, true, "a,A,B,C,D,E,F,G,H,I,J,K,z"},
        {"nothing proposed", config(0, 0, SillType::Geen), 0, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.c.positionsShown(), c.positions);
        EXPECT_EQ(c.c.headerFieldsShown(), c.header);
        EXPECT_EQ(labels(c.c), QString::fromLatin1(c.labels));
        EXPECT_FALSE(c.c.positionShown(c.positions + 1));
    }
    EXPECT_EQ(designMaatLabel(1), "a");
    EXPECT_EQ(designMaatLabel(12), "K");
    EXPECT_EQ(designMaatLabel(13), "z");
}

TEST(SillConfiguration, PositionsWithBothValuesCarryTheirDimension)
{
    // A right-handed lift-slide sill: position 2 has UDK and HOH, so field 2
    // sits on its line and fields 3 and 4 move down one row.
    const SillConfiguration hr = config(4, 4, SillType::HR);
    SillEntry e;
    e.udk[1] = "60";
    e.hoh[1] = "120";
    const std::array<int, Maten> tops = hr.maatTops(e);
    EXPECT_EQ(tops[0], hr.rowTop(1) - 9);
    EXPECT_EQ(tops[1], hr.rowTop(2));
    EXPECT_EQ(tops[2], hr.rowTop(4) - 9);
    EXPECT_EQ(tops[3], hr.rowTop(5) - 9);
    EXPECT_EQ(hr.buttonsTop(), hr.rowTop(4) + 28);

    // Positions 2 and 5 of a six-position sill: fields 2 and 4 (the count
    // of fields already placed is taken off the position) land on their
    // lines; each placement pushes the later fields down a row.
    const SillConfiguration h1 = config(6, 5, SillType::H1);
    SillEntry two;
    two.udk[1] = two.udk[4] = "40";
    two.hoh[1] = two.hoh[4] = "100";
    const std::array<int, Maten> t = h1.maatTops(two);
    EXPECT_EQ(t[0], h1.rowTop(1) - 9);
    EXPECT_EQ(t[1], h1.rowTop(2));
    EXPECT_EQ(t[2], h1.rowTop(4) - 9);
    EXPECT_EQ(t[3], h1.rowTop(5));
    EXPECT_EQ(t[4], h1.rowTop(7) - 9);
    // One position only: its dimension is on its own line.
    EXPECT_EQ(config(1, 0, SillType::BW).maatTops(SillEntry{})[0], 0);
}

TEST(SillConfiguration, LengthCheck)
{
    const SillConfiguration bb = config(3, 3, SillType::BB);
    const struct {
        const char* name;
        const char* productienummer;
        const char* zaagmaat;
        std::array<const char*, 3> maten;
        const char* udk2;
        const char* hoh2;
        bool refused;
    } cases[] = {
        {"sum matches", "", "2500", {"500", "2000", ""}, "", "", false},
        {"one millimetre off", "", "2501", {"500", "2000", ""}, "", "", true},
        {"UDK without HOH counts", "", "2550", {"500", "2000", ""}, "50", "", false},
        {"UDK with HOH does not", "", "2500", {"500", "2000", ""}, "50", "120", false},
        {"empty saw length", "", "", {"", "", ""}, "", "", true},
        {"zero saw length", "", "0", {"", "", ""}, "", "", true},
        {"zeros are zero", "", "00", {"", "", ""}, "", "", true},
        {"production number skips", "SD12", "2501", {"500", "2000", ""}, "", "", false},
        {"production number, no length", "SD12", "", {"", "", ""}, "", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SillEntry e;
        e.productienummer = QString::fromLatin1(c.productienummer);
        e.zaagmaat = QString::fromLatin1(c.zaagmaat);
        for (int j = 0; j < 3; ++j)
            e.maten[std::size_t(j)] = QString::fromLatin1(c.maten[std::size_t(j)]);
        e.udk[1] = QString::fromLatin1(c.udk2);
        e.hoh[1] = QString::fromLatin1(c.hoh2);
        EXPECT_EQ(bb.lengthRefused(e), c.refused);
    }
    // Values beyond the shown fields and positions do not count.
    SillEntry hidden;
    hidden.zaagmaat = "100";
    hidden.maten[0] = "100";
    hidden.maten[3] = "5";
    hidden.udk[3] = "7";
    EXPECT_FALSE(bb.lengthRefused(hidden));
    // Without a saw length field there is nothing to check.
    EXPECT_FALSE(config(1, 0, SillType::BW).lengthRefused(SillEntry{}));
    EXPECT_TRUE(quantityRefused(" 0 "));
    EXPECT_FALSE(quantityRefused(""));
    EXPECT_FALSE(quantityRefused("10"));
}

TEST(SillConfiguration, EnterRoutes)
{
    const SillConfiguration bb = config(3, 4, SillType::BB); // a, A, B, z
    const SillConfiguration hl = config(4, 4, SillType::HL);
    const SillConfiguration bw = config(1, 0, SillType::BW);
    const SillConfiguration none = config(2, 1, SillType::Geen);
    SillEntry e;
    const EnterStep confirm{EnterStep::Confirm, {}, {}, 0};
    const auto to = [](SillField f) { return EnterStep{EnterStep::Focus, f, {}, 0}; };
    const SillField aantal{SillField::Aantal, 0};
    const SillField zaagmaat{SillField::Zaagmaat, 0};
    const SillField productienummer{SillField::Productienummer, 0};

    EXPECT_EQ(bb.enter(productienummer, e), to(aantal));
    EXPECT_EQ(bb.enter(aantal, e), to(productienummer));
    e.aantal = "2";
    EXPECT_EQ(bb.enter(aantal, e), to(zaagmaat));
    // The saw length leads to the field labelled "A".
    EXPECT_EQ(bb.enter(zaagmaat, e), to(maat(2)));
    EXPECT_EQ(hl.enter(zaagmaat, e), to(maat(3)));
    // No dimension to go to: Enter confirms.
    EXPECT_EQ(none.enter(zaagmaat, e), confirm);
    EXPECT_EQ(none.enter({SillField::Bewerking, 2}, e), confirm);
    e.productienummer = "SD12";
    EXPECT_EQ(bb.enter(zaagmaat, e), confirm);
    e.productienummer.clear();

    EXPECT_EQ(bb.enter({SillField::Bewerking, 0}, e), to({SillField::Bewerking, 1}));
    EXPECT_EQ(bb.enter({SillField::Bewerking, 2}, e), to({SillField::Bewerking, 3}));
    EXPECT_EQ(bb.enter({SillField::Bewerking, 3}, e), to(maat(2)));
    EXPECT_EQ(bw.enter({SillField::Bewerking, 1}, e), to(maat(1)));
    EXPECT_EQ(hl.enter({SillField::Bewerking, 4}, e), to(maat(3)));

    // Enter skips the last dimension: the one before it confirms.
    EXPECT_EQ(bb.enter(maat(1), e), to(maat(2)));
    EXPECT_EQ(bb.enter(maat(2), e), to(maat(3)));
    EXPECT_EQ(bb.enter(maat(3), e), confirm);
    EXPECT_EQ(bw.enter(maat(1), e), confirm);
    const SillConfiguration h1 = config(6, 7, SillType::H1);
    EXPECT_EQ(h1.enter(maat(5), e), to(maat(6)));
    EXPECT_EQ(h1.enter(maat(6), e), confirm);
    EXPECT_EQ(h1.enter(maat(13), e), confirm);
}

TEST(SillConfiguration, SecondDimensionOfLiftSlideSills)
{
    const SillConfiguration hr = config(4, 4, SillType::HR);
    const SillConfiguration hl = config(4, 4, SillType::HL);
    const struct {
        const char* name;
        const SillConfiguration* c;
        int from;
        const char* zaagmaat;
        const char* a;
        const char* end1;
        const char* end4;
        EnterStep step;
    } cases[] = {
        {"HR fills B", &hr, 2, "2500", "500", "", "", {EnterStep::Confirm, {}, "2000", 3}},
        {"HR zero ends", &hr, 2, "2500", "500", "0", "0", {EnterStep::Confirm, {}, "2000", 3}},
        {"HR with an end", &hr, 2, "2500", "500", "30", "", {EnterStep::Focus, maat(3), {}, 0}},
        {"HR no saw length", &hr, 2, "", "500", "", "", {EnterStep::Focus, {SillField::Zaagmaat, 0}, {}, 0}},
        {"HR nothing typed", &hr, 2, "2500", "", "", "", {EnterStep::Stay, maat(2), {}, 0}},
        {"HR longer than the sill", &hr, 2, "400", "500", "", "", {EnterStep::Focus, maat(3), {}, 0}},
        {"HL fills B", &hl, 3, "2500", "700", "", "", {EnterStep::Confirm, {}, "1800", 2}},
        {"HL with an end", &hl, 3, "2500", "700", "", "15", {EnterStep::Focus, maat(4), {}, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SillEntry e;
        e.zaagmaat = QString::fromLatin1(c.zaagmaat);
        e.maat(c.from) = QString::fromLatin1(c.a);
        e.maat(1) = QString::fromLatin1(c.end1);
        e.maat(4) = QString::fromLatin1(c.end4);
        EXPECT_EQ(c.c->enter(maat(c.from), e), c.step);
    }
}

TEST(SillConfiguration, ArrowsMoveOverTheShownEditsAndWrap)
{
    const SillConfiguration bb = config(3, 3, SillType::BB); // header + dimensions 1..3
    const SillField productienummer{SillField::Productienummer, 0};
    const SillField aantal{SillField::Aantal, 0};
    EXPECT_EQ(bb.arrow(aantal, false), (SillField{SillField::Zaagmaat, 0}));
    EXPECT_EQ(bb.arrow(maat(3), false), productienummer);
    EXPECT_EQ(bb.arrow(productienummer, true), maat(3));
    EXPECT_EQ(bb.arrow(maat(1), true), (SillField{SillField::Zaagmaat, 0}));
    // From outside the edits: down starts after the production number, up at the end.
    EXPECT_EQ(bb.arrow({SillField::Bewerking, 2}, false), aantal);
    EXPECT_EQ(bb.arrow({}, true), maat(3));
    // A single position shows one edit only.
    const SillConfiguration bw = config(1, 0, SillType::BW);
    EXPECT_EQ(bw.arrow(maat(1), false), maat(1));
    EXPECT_EQ(bw.arrow(maat(1), true), maat(1));
}

TEST(SillConfiguration, MacroItemTexts)
{
    const QString item = macroItemText("Hefschuif rail enkel", "HS1");
    EXPECT_EQ(item.size(), 53);
    EXPECT_EQ(macroCodeOf(item), "HS1");
    EXPECT_EQ(macroItemText(QString(60, u'x'), "K").mid(49), "xK");
    EXPECT_EQ(macroCodeOf(""), "");
    EXPECT_EQ(macroCodeOf(QString(50, u' ') + "AFK"), "AFK");
}

TEST(SillConfiguration, RowValuesKeepTheirFieldsAndMarker)
{
    OrderModel order;
    order.setSubartikel(3, 2, 1, "ODS67R");
    SillValues v;
    v.productienummer = "P100";
    v.macros[0] = "AFK";
    v.macros[11] = "KOP";
    v.maten[0] = "500";
    v.maten[12] = "20";
    writeSillValues(order, u'S', 3, 2, v);
    EXPECT_EQ(order.subartikel(3, 2, 1), "ODS67R");
    EXPECT_EQ(order.subartikel(3, 2, 2), "P100");
    EXPECT_EQ(order.subartikel(3, 2, 3), "AFK");
    EXPECT_EQ(order.subartikel(3, 2, 14), "KOP");
    EXPECT_EQ(order.subartikel(3, 2, 15), "500");
    EXPECT_EQ(order.subartikel(3, 2, 27), "20");
    EXPECT_EQ(order.subartikel(3, 2, 28), "*");
    EXPECT_EQ(order.bewerking(3, 2, 28), "");
    v.configured = true;
    EXPECT_EQ(readSillValues(order, u'S', 3, 2), v);
    EXPECT_FALSE(readSillValues(order, u'B', 3, 2).configured);
    writeSillValues(order, u'B', 1, 25, v);
    EXPECT_EQ(readSillValues(order, u'B', 1, 25), v);
}
