// The print run of the production papers: which reports come out in which
// order, on which printer, with which page numbers, for orders with and
// without entered sizes, pictures and configured sills.

#include "desk/DbConventions.h"
#include "desk/DbSession.h"
#include "reports/PrintTarget.h"
#include "reports/ProductionPrintRun.h"
#include "support/PgTestDatabase.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using namespace vonu;
using vonu::test::FixedClock;
using vonu::test::PgTestDatabase;
using vonu::test::ScriptedMessages;

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

class PrintRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString why = PgTestDatabase::unavailableReason();
        if (!why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        db = std::make_unique<PgTestDatabase>();
        ASSERT_TRUE(db->ok()) << db->error().toStdString();
        session = std::make_unique<DbSession>(messages);
        ASSERT_TRUE(session->open("Balie1", ConnectionSettings{"1", PgTestDatabase::server(), db->name()}));
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

    void TearDown() override
    {
        if (session) {
            EXPECT_EQ(messages.count(), 0) << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
        }
    }

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

    std::unique_ptr<ProductionPrintRun> run()
    {
        ProductionPrintRun::Seams seams;
        seams.status = [this](const QString& t) { statuses << t; };
        seams.beep = [this] { ++beeps; };
        seams.debtor = [] { return DebtorLabels{"104711", "Bouwbedrijf De Vries B.V.", "Industrieweg 12", "Arnhem"}; };
        seams.currentOrder = [this] { return current; };
        return std::make_unique<ProductionPrintRun>(*session, target, messages, clock, settings, seams);
    }

    std::unique_ptr<PgTestDatabase> db;
    ScriptedMessages messages;
    FixedClock clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0))};
    std::unique_ptr<DbSession> session;
    RecordingTarget target;
    QTemporaryDir pictures;
    ProductionPrintSettings settings;
    QString current;
    QStringList statuses;
    int beeps = 0;
};

} // namespace

TEST_F(PrintRunTest, WithoutAPrinterTheDialogChoosesAndWithoutSillsNoSheet)
{
    storeOrder("601", false);
    current = "601";
    ASSERT_TRUE(run()->printProductionOrder("601"));
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(statuses.contains(ProductionPrintRun::kPrinterNotFound));
    EXPECT_EQ(statuses.last(), "");
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
    current = "602";
    auto r = run();
    ASSERT_TRUE(r->printProductionOrder("602"));
    EXPECT_TRUE(r->enteredSizes());
    EXPECT_EQ(target.dialogs, 0);
    EXPECT_EQ(beeps, 0);
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
    EXPECT_TRUE(texts.join('\n').contains("Speciale dorpel: P-77"));
    EXPECT_TRUE(texts.join('\n').contains("Recht afkorten"));
    EXPECT_TRUE(texts.join('\n').contains("a: 12  z: 300"));
}

TEST_F(PrintRunTest, ACancelledDialogPrintsNoProductionOrderButTheOtherPapers)
{
    storeOrder("603", false);
    current = "603";
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
    current = "";
    ASSERT_TRUE(run()->printProductionOrder("604"));
    ASSERT_EQ(target.titles(), QStringList{"Productieorder N.N.B."});
    EXPECT_EQ(target.printed.at(0).pages.at(0).item("Naam_1")->text, "Bouwbedrijf De Vries B.V.");
}

TEST_F(PrintRunTest, AWorkstationWithoutAPictureFolderPrintsNoPicturePages)
{
    storeOrder("605", false);
    current = "605";
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
