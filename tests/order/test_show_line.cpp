// A row rebuilt from its line must show exactly what the line stores, with
// the fields its flags offer, whatever the row showed before.
#include "data/AppState.h"
#include "order/VonuOrder.h"
#include "sill/VonuOrderSponning.h"
#include "support/MainScreenFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace vonu;

namespace {

const char* const CatalogXml = R"(<?xml version="1.0"?>
<Morvek><Assortiment><BestandVersie>1</BestandVersie><Artikelen>
<Artikel Artikel="OD67"><ArtikelOmschrijving_1>Onderdorpel 67</ArtikelOmschrijving_1>
<ArtikelOmschrijving_2>Geboord</ArtikelOmschrijving_2>
<Artikelmaten><Artikelmaat Maat="2,5"/><Artikelmaat Maat="3,0"/></Artikelmaten></Artikel>
<Artikel Artikel="VB300"><ArtikelOmschrijving_1>Verbinder</ArtikelOmschrijving_1></Artikel>
</Artikelen></Assortiment></Morvek>)";

class ShowLine : public test::MainScreenFixture {
protected:
    ShowLine()
    {
        loadCatalog(QString::fromUtf8(CatalogXml));
        for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r) {
            screen.regelRij(r).artikel->addItems({"", "OD67", "VB300"});
            screen.regelRij(r).kleur->addItems({"", "9010 Wit", "7016 Antraciet"});
        }
    }

    void flags(int line, std::initializer_list<Vlag> on)
    {
        for (Vlag f : on)
            screen.order().setFlag(line, f, true);
    }

};

} // namespace

TEST_F(ShowLine, TradeLengthLineWithSizeList)
{
    OrderModel& o = screen.order();
    o.setField(2, Veld::Artikel, "OD67");
    o.setField(2, Veld::Kleur, "7016 Antraciet");
    o.setField(2, Veld::Lengte, "Handelslengte");
    o.setField(2, Veld::Maat, "3,0 Mtr");
    o.setField(2, Veld::Uitvoering, "Ongeboord");
    o.setField(2, Veld::Aantal, "4");
    flags(2, {Vlag::Kleur, Vlag::Lengte, Vlag::Maat, Vlag::Uitvoering, Vlag::Aantal});
    screen.showLineInRow(2);

    const auto& rij = screen.regelRij(2);
    EXPECT_EQ(rij.artikel->currentText(), "OD67");
    EXPECT_EQ(rij.omschrijving1->text(), "Onderdorpel 67");
    EXPECT_EQ(rij.kleur->currentText(), "7016 Antraciet");
    EXPECT_EQ(rij.lengte->count(), 1);
    EXPECT_EQ(rij.lengte->currentText(), "Handelslengte");
    EXPECT_EQ(rij.maat->count(), 2);
    EXPECT_EQ(rij.maat->currentText(), "3,0 Mtr");
    EXPECT_EQ(rij.uitvoering->currentText(), "Ongeboord");
    EXPECT_EQ(rij.aantal->text(), "4");
    const struct { QWidget* w; bool shown; } table[] = {
        {rij.kleur, true}, {rij.lengte, true}, {rij.maat, true}, {rij.uitvoering, true}, {rij.aantal, true},
        {rij.correctie, false}, {rij.maatInvoer, false}, {rij.sponning, false},
    };
    for (const auto& t : table)
        EXPECT_EQ(!t.w->isHidden(), t.shown) << t.w->objectName().toStdString();
}

TEST_F(ShowLine, MadeToMeasureLineWithTypedSizeAndAnEmptyLineAfterIt)
{
    OrderModel& o = screen.order();
    o.setField(1, Veld::Artikel, "VB300");
    o.setField(1, Veld::Lengte, "Op maat");
    o.setField(1, Veld::Correctie, "Inclusief maat");
    o.setField(1, Veld::Maat, "1250");
    flags(1, {Vlag::Lengte, Vlag::Correctie, Vlag::MaatInvoer, Vlag::Aantal});
    screen.showLineInRow(1);
    const auto& rij = screen.regelRij(1);
    EXPECT_EQ(rij.lengte->currentText(), "Op maat");
    EXPECT_EQ(rij.correctie->currentText(), "Inclusief maat");
    EXPECT_EQ(rij.maatInvoer->text(), "1250");
    EXPECT_FALSE(rij.maatInvoer->isHidden());
    EXPECT_TRUE(rij.maat->isHidden());

    // Row 1 now shows an empty line: nothing of the previous line remains.
    o.clear();
    screen.showLineInRow(1);
    EXPECT_EQ(rij.artikel->currentIndex(), 0);
    EXPECT_EQ(rij.omschrijving1->text(), "");
    EXPECT_EQ(rij.maatInvoer->text(), "");
    EXPECT_EQ(rij.lengte->count(), 0);
    EXPECT_TRUE(rij.lengte->isHidden());
    EXPECT_TRUE(rij.aantal->isHidden());
}

TEST_F(ShowLine, ValuesMissingFromTheListsAreShownAndKept)
{
    screen.order().setField(3, Veld::Artikel, "ONBEKEND");
    screen.order().setField(3, Veld::Kleur, "1234 Paars");
    screen.order().setField(3, Veld::Aantal, "123456");  // longer than the field takes
    screen.order().setFlag(3, Vlag::Aantal, true);
    screen.showLineInRow(3);
    const auto& rij = screen.regelRij(3);
    EXPECT_EQ(rij.artikel->currentIndex(), -1);
    EXPECT_EQ(rij.artikel->placeholderText(), "ONBEKEND");
    EXPECT_EQ(rij.kleur->placeholderText(), "1234 Paars");
    EXPECT_EQ(rij.omschrijving1->text(), "");
    EXPECT_EQ(rij.aantal->text(), "123456");
    screen.writeBackVisibleRows();
    EXPECT_EQ(screen.order().field(3, Veld::Artikel), "ONBEKEND");
    EXPECT_EQ(screen.order().field(3, Veld::Kleur), "1234 Paars");
    EXPECT_EQ(screen.order().field(3, Veld::Aantal), "123456");

    // A row that shows a listed value again drops the mark.
    screen.order().setField(3, Veld::Kleur, QString());
    screen.showLineInRow(3);
    EXPECT_EQ(rij.kleur->currentIndex(), 0);
    EXPECT_EQ(rij.kleur->placeholderText(), "");
}

TEST_F(ShowLine, ReadOnlyTextsShowFromTheirStart)
{
    screen.order().setField(1, Veld::Artikel, "OD67");
    screen.order().setField(1, Veld::Sponning, QString(90, u'x'));
    screen.order().setFlag(1, Vlag::Sponning, true);
    screen.showLineInRow(1);
    EXPECT_EQ(screen.regelRij(1).omschrijving1->text(), "Onderdorpel 67");
    EXPECT_EQ(screen.regelRij(1).omschrijving1->cursorPosition(), 0);
    EXPECT_EQ(screen.regelRij(1).sponning->cursorPosition(), 0);
}
