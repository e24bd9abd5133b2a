// The print run of the production papers: which reports come out in which
// order, on which printer, with which page numbers, for orders with and
// without entered sizes, pictures and configured sills.

#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "reports/PrintTarget.h"
#include "reports/ReportPainter.h"
#include "reports/ProductionPrintRun.h"
#include "support/DatabaseFixture.h"
#include "support/ScriptedMessages.h"
#include "Tools.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace vonu;
using vonu::test::FixedClock;
using vonu::test::PgTestDatabase;

namespace {

// Keeps what was printed; a printer is found only by the name it knows.
class RecordingTarget final : public report::IPrintTarget {
public:
    bool choosePrinter() override
    {
        ++dialogs;
        return acceptDialog;
    }
    bool selectPrinter(const QString& name) override { return !installed.isEmpty() && name == installed; }
    bool print(const report::PageModel& pages, QString*) override
    {
        printed << pages;
        return true;
    }
    void preview(const report::PageModel&) override {}

    QStringList titles() const
    {
        QStringList t;
        for (const report::PageModel& m : printed)
            t << m.title;
        return t;
    }

    QString installed;
    bool acceptDialog = true;
    int dialogs = 0;
    QList<report::PageModel> printed;
};

class PrintRunTest : public test::SessionFixture {
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        if (!ready())
            return;
        // The pictures of OD56 and OD67 in the picture folder.
        for (const char* name : {"OD56.png", "OD67.png"}) {
            QImage picture(80, 60, QImage::Format_RGB32);
            picture.fill(Qt::gray);
            ASSERT_TRUE(picture.save(pictures.filePath(name)));
        }
        settings.pProductie = "Productie-printer";
        settings.productAfbeelding = pictures.path();
        settings.workstation = "BALIE1";
    }

    void TearDown() override { expectNoMessageShown(); }

    // Line 1: a sill OD67 with a configured sill OD56 and two sizes (the
    // second corrected when asked); line 2: end caps.
    void storeOrder(const QString& number, bool corrected)
    {
        const QString key = orderKey(number);
        ASSERT_TRUE(session->exec("insert into \"order\" (\"order\", Status, Debnr, V_adres, Datum, Leverdatum, "
                                  "Invoer) values (?, 'Productie', '104711', '01', date '2026-12-10', "
                                  "date '2026-12-13', 'Balie1')",
                                  {key}));
        ASSERT_TRUE(session->exec(
            "insert into OrderProduktieregel (\"order\", Regel, RegelId, Type, Artikel, Oorsprong, Aantal, Maat, "
            "IngevoerdeMaat, Maatvoering, Productienummer, Omschrijving_1, Verpakking, Correctie) values "
            "(?, '   1', '   1', 'K', 'OD67', 'AK2', 2.5, null, null, '', null, 'Dorpel', 4, ?), "
            "(?, '   2', '   2', 'S', 'OD56', 'AK2', 1, null, null, '', 'P-77', 'Neut', null, false), "
            "(?, '   3', '   3', 'D', null, '', 1, 1200, 1200, 'mm', null, '', null, false), "
            "(?, '   4', '   4', 'D', null, '', 1, 1296, 1300, 'mm', null, '', null, ?), "
            "(?, '   5', '   5', 'K', 'EK67', 'PL2', 20, null, null, 'St.', null, 'Eindkappen', null, false)",
            {key, corrected, key, key, key, corrected, key}));
    }

    // The main screen as the run sees it.
    struct Screen final : IProductionScreen {
        void showStatus(const QString& text) override { statuses << text; }
        DebtorLabels debtor() const override
        {
            return DebtorLabels{"104711", "Bouwbedrijf De Vries B.V.", "Industrieweg 12", "Arnhem"};
        }
        QString currentOrder() const override { return current; }
        QString current;
        QStringList statuses;
    };

    std::unique_ptr<ProductionPrintRun> run()
    {
        return std::make_unique<ProductionPrintRun>(*session, target, messages, clock, sound, screen, settings);
    }

    FixedClock clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};
    RecordingTarget target;
    QTemporaryDir pictures;
    ProductionPrintSettings settings;
    test::RecordingSound sound;
    Screen screen;
};

} // namespace

TEST_F(PrintRunTest, WithoutAPrinterTheDialogChoosesAndWithoutSillsNoSheet)
{
    storeOrder("601", false);
    screen.current = "601";
    ASSERT_TRUE(run()->printProductionOrder("601"));
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_TRUE(screen.statuses.contains(ProductionPrintRun::printerNotFound()));
    EXPECT_EQ(screen.statuses.last(), "");
    EXPECT_EQ(target.dialogs, 1);
    // The production order and the picture of OD56; no sill values stored,
    // so no sill sheet.
    ASSERT_EQ(target.titles(), (QStringList{"Productieorder 601", "Productieorder 601 afbeelding",
                                            "Productieorder 601 afbeelding"}));
    const report::PageModel& order = target.printed.at(0);
    EXPECT_EQ(order.pages.at(0).item("Order")->text, "601");
    EXPECT_EQ(order.pages.at(0).item("Code128A1")->text, "601");
    EXPECT_EQ(order.pages.at(0).item("Orderopmerking"), nullptr);
    EXPECT_EQ(target.printed.at(1).pages.at(0).number, order.pageCount() + 1);
    EXPECT_EQ(target.printed.at(2).pages.at(0).number, order.pageCount() + 2);
    EXPECT_EQ(target.printed.at(1).pages.at(0).item("Order")->text, "     601");
}

TEST_F(PrintRunTest, EnteredSizesGiveAControlCopyFollowedByPicturesAndSillSheets)
{
    storeOrder("602", true);
    ASSERT_TRUE(session->exec("insert into OrderOnderdorpelmacro (\"order\", RegelId, Type, Volgnummer, Waarde) values "
                              "(?, '   2', 'B', 1, 'AFK'), (?, '   2', 'B', 2, 'SPB'), (?, '   2', 'M', 1, '12'), "
                              "(?, '   2', 'M', 2, '300')",
                              {orderKey("602"), orderKey("602"), orderKey("602"), orderKey("602")}));
    target.installed = "Productie-printer";
    screen.current = "602";
    auto r = run();
    ASSERT_TRUE(r->printProductionOrder("602"));
    EXPECT_TRUE(r->enteredSizes());
    EXPECT_EQ(target.dialogs, 0);
    EXPECT_EQ(sound.beeps, 0);
    ASSERT_EQ(target.titles(), (QStringList{"Productieorder 602", "Productieorder 602", "Productieorder 602 afbeelding",
                                            "Productieorder 602 afbeelding", "Dorpelblad 602"}));
    const report::Page& production = target.printed.at(0).pages.at(0);
    const report::Page& control = target.printed.at(1).pages.at(0);
    EXPECT_NE(production.item("Code128A1"), nullptr);
    EXPECT_EQ(control.item("Code128A1"), nullptr);
    EXPECT_EQ(control.item("Orderopmerking")->text, "Controleblad");
    EXPECT_TRUE(production.texts().contains("      1 x 1.296\u00F7"));
    EXPECT_TRUE(control.texts().contains("      1 x 1.300 "));

    // The sill sheet: numbered after the control copy, the sill's macros
    // and dimensions.
    const int pages = target.printed.at(1).pageCount();
    const report::PageModel& sheet = target.printed.at(4);
    EXPECT_EQ(sheet.pages.at(0).number, pages + 1);
    const QStringList texts = sheet.pages.at(0).texts();
    EXPECT_TRUE(texts.contains("OD67"));   // the header names the sill's line
    const report::PlacedBand* sill = sheet.pages.at(0).bandsNamed("Regel").at(0);
    EXPECT_EQ(sill->item("Productienummer")->text, "P-77");
    EXPECT_TRUE(sill->item("Bewerking1")->text.startsWith("Recht afkorten"));
    // OD56 has three positions and four dimension fields; two were stored.
    EXPECT_EQ(sill->item("Maat1")->text, "12");
    EXPECT_EQ(sill->item("Maat2")->text, "300");
    EXPECT_EQ(sill->item("Maat4")->text, "");
    EXPECT_EQ(sill->item("L_Maat4")->text, "z");
}

TEST_F(PrintRunTest, ACancelledDialogPrintsNoProductionOrderButTheOtherPapers)
{
    storeOrder("603", false);
    screen.current = "603";
    target.acceptDialog = false;
    settings.workstation = "PROEF1";
    ASSERT_TRUE(run()->printProductionOrder("603"));
    ASSERT_EQ(target.titles(), (QStringList{"Productieorder PROEF afbeelding", "Productieorder PROEF afbeelding"}));
    EXPECT_EQ(target.printed.at(0).pages.at(0).item("Order")->text, "   PROEF");
}

TEST_F(PrintRunTest, AnOrderWithoutConfiguredSillsPrintsNoSillSheet)
{
    // Stored values, but for a line that is no sill: no sheet rows.
    const QString key = orderKey("604");
    ASSERT_TRUE(session->exec("insert into \"order\" (\"order\", Status, Debnr, V_adres) "
                              "values (?, 'Productie', '104711', '')", {key}));
    ASSERT_TRUE(session->exec("insert into OrderProduktieregel (\"order\", Regel, RegelId, Type, Artikel, Oorsprong, "
                              "Aantal, Maatvoering) values (?, '   1', '   1', 'K', 'EK67', 'PL2', 20, 'St.')", {key}));
    ASSERT_TRUE(session->exec("insert into OrderOnderdorpelmacro (\"order\", RegelId, Type, Volgnummer, Waarde) "
                              "values (?, '   1', 'B', 1, 'AFK')", {key}));
    screen.current = "";
    ASSERT_TRUE(run()->printProductionOrder("604"));
    ASSERT_EQ(target.titles(), QStringList{"Productieorder N.N.B."});
    EXPECT_EQ(target.printed.at(0).pages.at(0).item("Naam_1")->text, "Bouwbedrijf De Vries B.V.");
}

TEST_F(PrintRunTest, AWorkstationWithoutAPictureFolderPrintsNoPicturePages)
{
    storeOrder("605", false);
    screen.current = "605";
    settings.productAfbeelding.clear();
    ASSERT_TRUE(run()->printProductionOrder("605"));
    EXPECT_EQ(target.titles(), QStringList{"Productieorder 605"});

    // A picture file that is missing: its page without it, and a warning.
    settings.productAfbeelding = pictures.path();
    ASSERT_TRUE(QFile::remove(pictures.filePath("OD67.png")));
    target.printed.clear();
    ASSERT_TRUE(run()->printProductionOrder("605"));
    EXPECT_EQ(target.titles().size(), 3);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Waarschuwing");
    messages.clear();
}

// The sill sheet shows each configured sill as the configurator shows the
// same stored values: its positions, its dimension fields with their labels
// (mirrored for a left-handed lift-slide sill), a dimension on the line of a
// position whose macro has both UDK and HOH, "Neutset" unless the sill is a
// single operation; the other articles of the line with their descriptions.
TEST_F(PrintRunTest, TheSillSheetIsLaidOutAsTheConfiguratorShowsIt)
{
    const QString key = orderKey("606");
    ASSERT_TRUE(session->exec("insert into \"order\" (\"order\", Status, Debnr, V_adres) "
                              "values (?, 'Productie', '104711', '')", {key}));
    // One sill line: OD67 with four configured sills, a sill not configured
    // and an end cap; its detail row gives quantity and saw length.
    ASSERT_TRUE(session->exec(
        "insert into OrderProduktieregel (\"order\", Regel, RegelId, Type, Artikel, Oorsprong, Aantal, Maat, "
        "Maatvoering, Productienummer) values "
        "(?, '   1', '   1', 'K', 'OD67', 'AK2', 1, null, '', null), "
        "(?, '   2', '   2', 'S', 'HSD67R', 'AK2', 1, null, '', 'SD1003'), "
        "(?, '   3', '   3', 'S', 'HSD67L', 'AK2', 1, null, '', null), "
        "(?, '   4', '   4', 'S', 'MAFK', 'AK2', 1, null, '', null), "
        "(?, '   5', '   5', 'S', 'MRAIL', 'AK2', 1, null, '', null), "
        "(?, '   6', '   6', 'S', 'OD56', 'AK2', 1, null, '', null), "
        "(?, '   7', '   7', 'S', 'EK67', 'AK2', 1, null, '', null), "
        "(?, '   8', '   8', 'D', null, '', 3, 2500, 'mm', null)",
        {key, key, key, key, key, key, key, key}));
    struct Value {
        const char* regelId;
        const char* type;
        int volgnummer;
        const char* waarde;
    };
    const Value values[] = {
        {"   2", "B", 1, "AFK"}, {"   2", "B", 2, "HS1"}, {"   2", "B", 3, "HSM"}, {"   2", "B", 4, "AFK"},
        {"   2", "M", 1, "1101"}, {"   2", "M", 2, "2202"}, {"   2", "M", 3, "3303"}, {"   2", "M", 4, "4404"},
        {"   2", "M", 5, "5505"}, // a dimension HSD67R no longer has a field for
        {"   3", "B", 1, "AFK"}, {"   3", "B", 2, "HSM"}, {"   3", "B", 3, "HS1"}, {"   3", "B", 4, "AFK"},
        {"   3", "M", 1, "11"}, {"   3", "M", 2, "22"}, {"   3", "M", 3, "33"}, {"   3", "M", 4, "44"},
        {"   4", "B", 1, "AFV"}, {"   4", "M", 1, "950"},
        {"   5", "B", 1, "HS2"}, {"   5", "B", 2, "HS1"},
    };
    for (const Value& v : values)
        ASSERT_TRUE(session->exec("insert into OrderOnderdorpelmacro (\"order\", RegelId, Type, Volgnummer, Waarde) "
                                  "values (?, ?, ?, ?, ?)",
                                  {key, v.regelId, v.type, v.volgnummer, v.waarde}));
    screen.current = "606";
    settings.productAfbeelding.clear();
    ASSERT_TRUE(run()->printProductionOrder("606"));
    ASSERT_EQ(target.titles(), (QStringList{"Productieorder 606", "Dorpelblad 606"}));
    const report::PageModel& sheet = target.printed.at(1);

    QMap<QString, const report::PlacedBand*> bands;   // by article
    for (const report::Page& page : sheet.pages) {
        for (const report::PlacedBand* band : page.bandsNamed("Regel"))
            bands.insert(band->item("Bewerking0")->text, band);
    }
    ASSERT_EQ(bands.keys(), (QStringList{"EK67", "HSD67L", "HSD67R", "MAFK", "MRAIL", "OD56"}));
    const auto top = [](const report::PlacedBand* band, const QString& item) {
        const report::PlacedItem* i = band->item(item);
        return i ? i->rect.top() : -1.0;
    };

    struct Case {
        const char* artikel;
        const char* choiceLabel;
        int positions;
        QStringList labels;       // of the dimension fields shown
        QStringList maten;
        int onLine;               // the dimension field on its position's line, 0 none
        bool headerFields;
        bool extraLine = false;   // stored values the layout has no field for
    };
    const Case cases[] = {
        {"HSD67R", "Neutset", 4, {"a", "A", "B", "z"}, {"1101", "2202", "3303", "4404"}, 2, true, true},
        {"HSD67L", "Neutset", 4, {"z", "B", "A", "a"}, {"11", "22", "33", "44"}, 3, true},
        {"MAFK", "Bewerking", 1, {"A"}, {"950"}, 1, false},
        {"MRAIL", "Neutset", 2, {}, {}, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.artikel);
        const report::PlacedBand* band = bands.value(c.artikel);
        EXPECT_EQ(band->item("L_Bewerking0")->text, c.choiceLabel);
        EXPECT_EQ(band->item("Productienummer") != nullptr, c.headerFields);
        EXPECT_NE(band->item(QStringLiteral("Bewerking%1").arg(c.positions)), nullptr);
        EXPECT_EQ(band->item(QStringLiteral("Bewerking%1").arg(c.positions + 1)), nullptr);
        for (int j = 1; j <= 13; ++j) {
            const report::PlacedItem* maat = band->item(QStringLiteral("Maat%1").arg(j));
            ASSERT_EQ(maat != nullptr, j <= c.labels.size()) << j;
            if (!maat)
                continue;
            EXPECT_EQ(band->item(QStringLiteral("L_Maat%1").arg(j))->text, c.labels.at(j - 1));
            EXPECT_EQ(maat->text, c.maten.at(j - 1));
        }
        // The dimension of a position with both UDK and HOH sits on that
        // position's line; the first dimension half a row above row 1
        // otherwise, the later ones a row further down.
        if (c.onLine > 0) {
            EXPECT_EQ(top(band, QStringLiteral("Maat%1").arg(c.onLine)),
                      top(band, QStringLiteral("Bewerking%1").arg(c.onLine)));
        }
        if (c.positions > 1 && c.onLine > 1) {
            EXPECT_EQ(top(band, "Maat1"), top(band, "Bewerking1") - 9);
            EXPECT_EQ(top(band, QStringLiteral("Maat%1").arg(c.onLine + 1)),
                      top(band, QStringLiteral("Bewerking%1").arg(c.onLine + 1)) + 9);
        }
        // The band ends 34 below the last position (25 below a single one),
        // a line further when it names values without a field.
        const QString last = QStringLiteral("Bewerking%1").arg(c.positions);
        EXPECT_EQ(band->top + band->height,
                  top(band, last) - 1 + (c.positions == 1 ? 25 : 34) + (c.extraLine ? 18 : 0));
        EXPECT_EQ(band->item("Overig") != nullptr, c.extraLine);
    }
    EXPECT_EQ(bands.value("HSD67R")->item("Productienummer")->text, "SD1003");
    EXPECT_EQ(bands.value("HSD67R")->item("Aantal")->text, "3");
    EXPECT_EQ(bands.value("HSD67R")->item("Zaagmaat")->text, "2500");
    EXPECT_EQ(bands.value("HSD67R")->item("UDK2")->text, "60");
    EXPECT_EQ(bands.value("HSD67R")->item("HOH2")->text, "120");
    // Articles without values of their own: code and description only.
    for (const char* artikel : {"OD56", "EK67"}) {
        SCOPED_TRACE(artikel);
        const report::PlacedBand* band = bands.value(artikel);
        EXPECT_EQ(band->item("Maat1"), nullptr);
        EXPECT_EQ(band->item("Productienummer"), nullptr);
        EXPECT_FALSE(band->item("Bewerking1")->text.isEmpty());
    }

    // On paper: pdftotext keeps each dimension on its line.
    QTemporaryDir dir;
    const QString pdf = dir.filePath("dorpelblad.pdf");
    QString error;
    ASSERT_TRUE(report::writePdf(sheet, pdf, &error)) << error.toStdString();
    const QStringList lines = test::pdfText(pdf).split('\n');
    const auto lineWith = [&lines](const QString& a, const QString& b) {
        for (const QString& l : lines) {
            if (l.contains(a) && l.contains(b))
                return l.simplified();
        }
        return QString();
    };
    EXPECT_TRUE(lineWith("Bewerking 2", "2202").contains(QRegularExpression("HS1 +60 +120 +A +2202")))
        << lineWith("Bewerking 2", "2202").toStdString();
    EXPECT_TRUE(lineWith("Bewerking 3", " 33").contains(QRegularExpression("HS1 +60 +120 +A +33$")));
    EXPECT_TRUE(lineWith("Bewerking 1", "950").contains(QRegularExpression("AFV +A +950$")));
    EXPECT_EQ(lineWith("Bewerking", "1101"), "");
    EXPECT_NE(lineWith("z", "11"), "");
    EXPECT_NE(lineWith("Speciale dorpel", "SD1003"), "");
    EXPECT_NE(lineWith("Niet in de indeling", "maat 5 5505"), "");
    EXPECT_NE(lineWith("Neutset", "HSD67R"), "");
}

// The demo desk's logo folder (scripts/demo-desk) holds the file the demo
// database names: the demo prints its papers with the logo and no warning.
TEST_F(PrintRunTest, TheDemoDeskPrintsWithItsLogo)
{
    storeOrder("607", false);
    screen.current = "607";
    settings.bedrijfsLogo = QStringLiteral(VONU_SOURCE_DIR "/demo/Logo");
    ASSERT_TRUE(run()->printProductionOrder("607"));
    ASSERT_FALSE(target.printed.isEmpty());
    const report::PlacedItem* logo = target.printed.at(0).pages.at(0).item("BedrijfsLogo");
    ASSERT_NE(logo, nullptr);
    EXPECT_FALSE(logo->picture.isNull());
    EXPECT_EQ(messages.count(), 0);
}
