// Files customers send to the order desk: which folder the button takes
// from, sill macro files moved into place, replaced articles, and incoming
// order documents opened on a real main screen from real files.

#include "data/AppState.h"
#include "files/ExternBestandActie.h"
#include "files/ExternalOrderImport.h"
#include "files/FileDialogs.h"
#include "files/OrderDocument.h"
#include "files/OrderFileActions.h"
#include "files/SillFileImport.h"
#include "order/VonuOrder.h"
#include "order/VonuOrderNotitie.h"
#include "sill/VonuOrderSponning.h"
#include "support/FakeOrderFileDesk.h"
#include "support/FakePlatform.h"
#include "support/ScriptedMessages.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vonu;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// ------------------------------------------------------------------ routes

TEST(ExternalRoute, OrderDocumentsComeBeforeSillFiles)
{
    QTemporaryDir dir;
    const IncomingFolders f{dir.filePath("orders"), dir.filePath("post"), dir.filePath("pre")};
    EXPECT_EQ(importRoute(f), ImportRoute::Geen);  // no folders at all
    QDir().mkpath(f.orders);
    QDir().mkpath(f.sillPost);
    ASSERT_TRUE(writeFile(f.orders + "/lees.txt", "x"));
    EXPECT_EQ(importRoute(f), ImportRoute::Geen);
    ASSERT_TRUE(writeFile(f.sillPost + "/12345.Txt", "x"));
    EXPECT_EQ(importRoute(f), ImportRoute::Onderdorpel);
    ASSERT_TRUE(writeFile(f.orders + "/order.xml", "x"));  // any case
    EXPECT_EQ(importRoute(f), ImportRoute::Order);
    EXPECT_EQ(importRoute({}), ImportRoute::Geen);  // settings not given
}

TEST(ExternalRoute, ArticleNumberFilesAreToldApartByTheirExactName)
{
    EXPECT_TRUE(isArticleNumberFile("/in/Artikelnummers_104711.Xml"));
    EXPECT_TRUE(isArticleNumberFile("/in/Artikelnummers_/order.Xml"));
    EXPECT_FALSE(isArticleNumberFile("/in/artikelnummers_104711.Xml"));
    EXPECT_FALSE(isArticleNumberFile("/in/Artikelnummers.Xml"));
}

// -------------------------------------------------------------- sill files

class SillFiles : public ::testing::Test {
protected:
    QString post() const { return dir.filePath("Inkomend/Onderdorpels"); }
    QString pre() const { return dir.filePath("Onderdorpels"); }
    QTemporaryDir dir;
};

TEST_F(SillFiles, MovedWithItsPathBelowTheIncomingFolder)
{
    const struct {
        const char* relative;
    } cases[] = {{"12345.Txt"}, {"Klant 7/23456.Txt"}, {"a/b/34567.Txt"}};
    for (const auto& c : cases) {
        const QString bron = post() + "/" + c.relative;
        ASSERT_TRUE(writeFile(bron, QByteArray("macro ") + c.relative));
        const SillFileImportResult r = importSillFile(bron, post(), pre());
        EXPECT_EQ(r.uitkomst, SillFileImportResult::Uitkomst::Verplaatst) << c.relative;
        EXPECT_EQ(r.doel, pre() + "/" + c.relative);
        EXPECT_EQ(readFile(pre() + "/" + c.relative), QByteArray("macro ") + c.relative);
        EXPECT_FALSE(QFile::exists(bron));
        EXPECT_TRUE(sillFileImportMessage(r).isEmpty());
    }
    // No temporary file is left beside the macro files.
    EXPECT_EQ(QDir(pre()).entryList(QDir::Files | QDir::Hidden), QStringList{"12345.Txt"});
}

TEST_F(SillFiles, WhatCannotMoveStaysAndIsExplained)
{
    using U = SillFileImportResult::Uitkomst;
    // The target name is taken: neither file changes.
    ASSERT_TRUE(writeFile(post() + "/12345.Txt", "nieuw"));
    ASSERT_TRUE(writeFile(pre() + "/12345.Txt", "oud"));
    SillFileImportResult r = importSillFile(post() + "/12345.Txt", post(), pre());
    EXPECT_EQ(r.uitkomst, U::DoelBestaat);
    EXPECT_EQ(readFile(post() + "/12345.Txt"), "nieuw");
    EXPECT_EQ(readFile(pre() + "/12345.Txt"), "oud");
    QStringList lines = sillFileImportMessage(r);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "Onderdorpelbestand 12345.Txt is niet overgenomen:");
    EXPECT_EQ(lines[1], "in " + QDir::toNativeSeparators(pre()) + " staat al een bestand met deze naam.");

    // The sill macro folder cannot be made (a file is in the way).
    ASSERT_TRUE(writeFile(dir.filePath("blok"), "x"));
    r = importSillFile(post() + "/12345.Txt", post(), dir.filePath("blok/Onderdorpels"));
    EXPECT_EQ(r.uitkomst, U::KopieMislukt);
    EXPECT_TRUE(QFile::exists(post() + "/12345.Txt"));
    lines = sillFileImportMessage(r);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_FALSE(lines[1].isEmpty());
    EXPECT_EQ(lines[1], "map " + QDir::toNativeSeparators(dir.filePath("blok/Onderdorpels")) + " kan niet worden aangemaakt.");
    EXPECT_EQ(lines[2], "Het bestand blijft in de map met inkomende onderdorpelbestanden.");

    // Chosen, but gone before it was read (another desk took it): nothing
    // is made below the macro folder.
    r = importSillFile(post() + "/weg.Txt", post(), pre());
    EXPECT_EQ(r.uitkomst, U::KopieMislukt);
    EXPECT_FALSE(QFile::exists(pre() + "/weg.Txt"));
    lines = sillFileImportMessage(r);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].startsWith("het kan niet worden gelezen (")) << lines[1].toStdString();

    // A file the dialog found elsewhere has no place below the macro folder.
    ASSERT_TRUE(writeFile(dir.filePath("elders/45678.Txt"), "x"));
    r = importSillFile(dir.filePath("elders/45678.Txt"), post(), pre());
    EXPECT_EQ(r.uitkomst, U::BuitenMap);
    EXPECT_TRUE(QFile::exists(dir.filePath("elders/45678.Txt")));
    EXPECT_FALSE(QFile::exists(pre() + "/45678.Txt"));
    // A folder whose name only begins like the incoming one is elsewhere too.
    EXPECT_EQ(sillTargetPath(post() + "2/1.Txt", post(), pre()), "");
    EXPECT_EQ(sillTargetPath(post() + "/1.Txt", post(), ""), "");
}

// -------------------------------------------------------- replaced articles

TEST(ReplacedArticles, SuccessorsInDocumentOrderWithTheRemark)
{
    OrderModel order;
    order.setField(1, Veld::Artikel, "OD55");
    order.setSubartikel(1, 1, 1, "EK55");
    order.setSubartikel(1, 2, 1, "EK56");
    order.setBewerking(1, 3, 1, "BOOR55");
    order.setDetailAantal(1, 1, "2");
    order.setField(2, Veld::Artikel, "OD56");
    order.setField(3, Veld::Artikel, "OD55");
    const QHash<QString, QString> successors{{"OD55", "OD56"}, {"EK55", "EK56 "}, {"BOOR55", "GAT8"}};
    QStringList asked;
    const ArticleSuccessor lookup = [&](const QString& code, QString* next) {
        asked << code;
        *next = successors.value(code);
        return true;
    };
    QString remark;
    ASSERT_TRUE(replaceInactiveArticles(order, lookup, &remark));
    EXPECT_EQ(order.field(1, Veld::Artikel), "OD56");
    EXPECT_EQ(order.subartikel(1, 1, 1), "EK56 ");  // as the database holds it
    EXPECT_EQ(order.subartikel(1, 2, 1), "EK56");
    EXPECT_EQ(order.bewerking(1, 3, 1), "GAT8");
    EXPECT_EQ(order.field(3, Veld::Artikel), "OD56");
    EXPECT_EQ(asked, QStringList({"OD55", "EK55", "EK56", "BOOR55", "OD56"}));  // each code once
    EXPECT_EQ(remark, "LET OP, Artikel OD55 is vervangen door artikel OD56.\r\n"
                      "LET OP, Artikel EK55 is vervangen door artikel EK56.\r\n"
                      "LET OP, Artikel BOOR55 is vervangen door artikel GAT8.\r\n"
                      "LET OP, Artikel OD55 is vervangen door artikel OD56.\r\n"
                      "\r\nDownload de laatste versie van het artikelbestand \"divezudazir.ovo\" van "
                      "www.morvek.nl, zodat u met de recente productinformatie werkt.\r\n");

    // Nothing replaced: no remark at all; a failed question fails the whole.
    OrderModel plain;
    plain.setField(1, Veld::Artikel, "OD56");
    ASSERT_TRUE(replaceInactiveArticles(plain, lookup, &remark));
    EXPECT_EQ(remark, "");
    EXPECT_FALSE(replaceInactiveArticles(plain, [](const QString&, QString*) { return false; }, &remark));
}

// ------------------------------------------------- the desk's main screen

const char* const ProfileXml = R"(<?xml version="1.0"?>
<Morvek><Sleutel><Debiteur>104711</Debiteur><Verzendadressen>
<Verzendadres Verzend="01"><VerzendadresZoeknaam>DE VRIES</VerzendadresZoeknaam><VerzendadresWoonplaats>ARNHEM</VerzendadresWoonplaats></Verzendadres>
<Verzendadres Verzend="02"><VerzendadresZoeknaam>OOST</VerzendadresZoeknaam><VerzendadresWoonplaats>ZEIST</VerzendadresWoonplaats></Verzendadres>
</Verzendadressen></Sleutel></Morvek>)";

const char* const CatalogXml = R"(<?xml version="1.0"?>
<Morvek><Assortiment><Artikelen>
<Artikel Artikel="OD56"><ArtikelVonuArtikel>J</ArtikelVonuArtikel><ArtikelHandelslengte>J</ArtikelHandelslengte></Artikel>
<Artikel Artikel="OD55"><ArtikelVonuArtikel>J</ArtikelVonuArtikel><ArtikelHandelslengte>J</ArtikelHandelslengte></Artikel>
</Artikelen></Assortiment></Morvek>)";

class ExternalOpen : public ::testing::Test {
protected:
    ExternalOpen() : state(dir.filePath("Balie1")), screen(fake.platform, state, sponningKoppeling()), files(screen, dialogs)
    {
        QDir(dir.path()).mkpath("Balie1");
        QDir(dir.path()).mkpath("Orders");
        QDir(dir.path()).mkpath("Inkomend");
        state.internalMode = true;
        EXPECT_TRUE(state.profile.loadText(QString::fromUtf8(ProfileXml)));
        EXPECT_TRUE(state.catalog.loadText(QString::fromUtf8(CatalogXml)));
        screen.setNotitiescherm(&notes);
        screen.showModeControls(true);
        screen.ordervoor()->addItems(state.profile.shipToEntries());
        screen.orderdatum()->setDate(QDate(2026, 12, 10));
        screen.takeSavedSignature();
        desk.successors["OD55"] = "OD56";
        files.setOrderFileDesk(desk);
    }

    // An order document as the customer's program writes it.
    QString incoming(const QString& name, const QString& notities, const QString& artikel = "OD56",
                     const QString& ordervoor = "02 OOST ZEIST")
    {
        OrderModel o;
        o.setField(1, Veld::Artikel, artikel);
        o.setField(1, Veld::Aantal, "4");
        o.setFlag(1, Vlag::Aantal, true);
        OrderHeader h;
        h.debiteur = "104711";
        h.ordervoor = ordervoor;
        h.orderdatum = QDate(2026, 12, 9);
        h.referentie = "Bouw 12";
        h.notities = notities;
        const QString path = dir.filePath("Inkomend/" + name);
        EXPECT_TRUE(buildOrderDocument(o, h).save(path));
        return path;
    }

    QTemporaryDir dir;
    AppState state;
    test::FakePlatform fake;
    test::ScriptedMessages& messages = fake.messages;
    TVonuOrderscherm screen;
    TVonuOrderNotitiescherm notes;
    test::ScriptedFileDialogs dialogs;
    OrderFileActions files;
    test::FakeOrderFileDesk desk;
};

TEST_F(ExternalOpen, ACustomersOrderIsTakenInAndItsFileRemoved)
{
    const QString path = incoming("Order-Bouw 12.Xml", "Graag voor 8 uur leveren");
    dialogs.answers << path;
    files.openExternal(dir.filePath("Inkomend"));

    EXPECT_EQ(dialogs.folders, QStringList{dir.filePath("Inkomend")});
    EXPECT_EQ(dialogs.filters, QStringList{"Xml Bestanden (*.Xml);;Alle bestanden (*.*)"});
    EXPECT_EQ(screen.order().field(1, Veld::Artikel).trimmed(), "OD56");
    EXPECT_EQ(screen.referentie()->text(), "Bouw 12");
    EXPECT_TRUE(screen.ordervoor()->currentText().startsWith("02"));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(files.currentFile(), "");
    EXPECT_TRUE(files.customerFileFlag());
    EXPECT_TRUE(screen.order().desk().klantbestand);
    EXPECT_TRUE(screen.order().desk().externBestand);
    EXPECT_EQ(notes.notities()->toPlainText(), "Graag voor 8 uur leveren");
    EXPECT_TRUE(notes.notities()->isReadOnly());
    EXPECT_EQ(notes.ob()->toPlainText(), "");
    // The notes warning, and the order counts as changed.
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Waarschuwing");
    EXPECT_EQ(messages.last().lines, QStringList{"LET OP!!!  Notities bij de order"});
    EXPECT_NE(screen.currentSignature(), screen.savedSignature());
    messages.answer(2);
    EXPECT_FALSE(files.confirmDiscard());
    EXPECT_EQ(messages.last().lines.value(1), "Order is gewijzigd, wilt u doorgaan?");
}

TEST_F(ExternalOpen, NoNotesNoWarningAndReplacedArticlesInTheRemark)
{
    const QString path = incoming("Order-2.Xml", "  ", "OD55");
    dialogs.answers << path;
    files.openExternal(dir.filePath("Inkomend"));
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(screen.order().field(1, Veld::Artikel), "OD56");
    EXPECT_TRUE(notes.ob()->toPlainText().startsWith("LET OP, Artikel OD55 is vervangen door artikel OD56.\n\n"
                                                     "Download de laatste versie"));
    EXPECT_TRUE(screen.order().desk().ob.startsWith("LET OP, Artikel OD55 is vervangen door artikel OD56.\r\n\r\n"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ExternalOpen, FilesThatAreNotTakenInStayWhereTheyAre)
{
    // Article numbers belong to the administration.
    const QString numbers = incoming("Artikelnummers_104711.Xml", "");
    dialogs.answers << numbers;
    files.openExternal(dir.filePath("Inkomend"));
    EXPECT_TRUE(QFile::exists(numbers));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_EQ(messages.last().lines, QStringList{"Inlezen artikelnummers alléén in Orderverwerking!"});
    EXPECT_EQ(screen.order().field(1, Veld::Artikel), "");

    // A broken document, and one whose articles cannot be checked: the
    // order on screen stays and the file waits for another try.
    const QString broken = dir.filePath("Inkomend/kapot.Xml");
    ASSERT_TRUE(writeFile(broken, "<Morvek><Order>"));
    dialogs.answers << broken;
    files.openExternal(dir.filePath("Inkomend"));
    EXPECT_TRUE(QFile::exists(broken));
    EXPECT_EQ(messages.last().caption, "Fout");

    // One line more than an order holds: taking in part of it and deleting
    // the file would lose the rest.
    QByteArray many = "<?xml version=\"1.0\"?><Morvek><Orders><Order Order=\"Order\"><OrderDebiteur>104711"
                      "</OrderDebiteur><OrderVerzendadres>01</OrderVerzendadres><OrderOrderdatum>09-12-2026"
                      "</OrderOrderdatum><Orderregels>";
    for (int i = 0; i <= MaxOrderregels; ++i)
        many += "<Orderregel Regel=\"" + QByteArray::number(i) + "\"><OrderregelArtikel>OD56</OrderregelArtikel>"
                "<OrderregelAantal>1</OrderregelAantal><OrderregelStatus>010000100000</OrderregelStatus></Orderregel>";
    many += "</Orderregels></Order></Orders></Morvek>";
    const QString tooMany = dir.filePath("Inkomend/groot.Xml");
    ASSERT_TRUE(writeFile(tooMany, many));
    messages.clear();
    dialogs.answers << tooMany;
    files.openExternal(dir.filePath("Inkomend"));
    EXPECT_TRUE(QFile::exists(tooMany));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_TRUE(messages.last().lines.join(' ').contains("101 orderregels")) << messages.last().lines.join('|').toStdString();
    EXPECT_EQ(screen.order().field(1, Veld::Artikel), "");

    const QString good = incoming("Order-3.Xml", "");
    desk.lookupWorks = false;
    messages.clear();
    dialogs.answers << good;
    files.openExternal(dir.filePath("Inkomend"));
    EXPECT_TRUE(QFile::exists(good));
    EXPECT_EQ(screen.order().field(1, Veld::Artikel), "");
}

TEST_F(ExternalOpen, DecliningTheChangeQuestionLeavesNoRequestBehind)
{
    screen.order().setField(1, Veld::Artikel, "OD56");  // unsaved work
    const QString path = incoming("Order-4.Xml", "");
    messages.answer(2);
    files.openExternal(dir.filePath("Inkomend"));
    EXPECT_TRUE(dialogs.folders.isEmpty());
    EXPECT_TRUE(QFile::exists(path));

    // An ordinary Openen after it starts in the order folder and keeps the file.
    messages.answer(1);
    dialogs.answers << path;
    files.openen();
    EXPECT_EQ(QDir::cleanPath(dialogs.folders.value(0)), QDir::cleanPath(dir.filePath("Orders")));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(files.currentFile(), path);
    EXPECT_FALSE(screen.order().desk().externBestand);
}

TEST_F(ExternalOpen, TheButtonTakesOrdersFirstThenSillFiles)
{
    const IncomingFolders folders{dir.filePath("Inkomend"), dir.filePath("Post"), dir.filePath("Pre")};
    ExternBestandActie button(screen, files, dialogs, folders);
    const QString order = incoming("Order-5.Xml", "");
    // Only files directly in the incoming folder make the button work; the
    // dialog may still take one from a sub-folder.
    ASSERT_TRUE(writeFile(dir.filePath("Post/Klant/55555.Txt"), "macro"));
    ASSERT_TRUE(writeFile(dir.filePath("Post/44444.Txt"), "macro 2"));

    dialogs.answers << order;
    button.run();
    EXPECT_FALSE(QFile::exists(order));
    EXPECT_EQ(dialogs.folders.value(0), folders.orders);

    // Now only the sill file waits: its own dialog and filter.
    dialogs.answers << dir.filePath("Post/Klant/55555.Txt");
    button.run();
    EXPECT_EQ(dialogs.folders.value(1), folders.sillPost);
    EXPECT_EQ(dialogs.filters.value(1), "Txt Bestanden (*.Txt);;Alle bestanden (*.*)");
    EXPECT_EQ(readFile(dir.filePath("Pre/Klant/55555.Txt")), "macro");
    EXPECT_EQ(messages.count(), 0);

    // A file whose name is taken stays, and the user hears why.
    ASSERT_TRUE(writeFile(dir.filePath("Post/55555.Txt"), "nog een"));
    ASSERT_TRUE(writeFile(dir.filePath("Pre/55555.Txt"), "bestaand"));
    dialogs.answers << dir.filePath("Post/55555.Txt");
    button.run();
    EXPECT_TRUE(QFile::exists(dir.filePath("Post/55555.Txt")));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_EQ(messages.last().lines.value(0), "Onderdorpelbestand 55555.Txt is niet overgenomen:");

    // Cancelled, or nothing waiting: nothing happens.
    button.run();
    EXPECT_EQ(messages.count(), 1);
    QFile::remove(dir.filePath("Post/55555.Txt"));
    QFile::remove(dir.filePath("Post/44444.Txt"));
    const int asked = int(dialogs.folders.size());
    button.run();
    EXPECT_EQ(dialogs.folders.size(), asked);
}

// Whether a document may replace the order on screen is the desk's to say:
// an order someone else holds starts a new one (asking first about unsaved
// work), a failed database starts afresh without a question.
TEST_F(ExternalOpen, TheDeskDecidesWhetherAnOpenedDocumentReplacesTheOrder)
{
    using Open = IOrderFileDesk::Open;
    const QString path = incoming("Order-6.Xml", "", "OD55");
    struct Case {
        Open answer;
        bool unsaved;
        int reply;             // to the change question, when asked
        const char* expected;  // article of line 1 afterwards
        int questions;
        int newOrders;
    };
    const Case cases[] = {
        {Open::Go, false, 0, "OD55", 0, 0},
        {Open::InUse, false, 0, "", 0, 1},
        {Open::InUse, true, 2, "OD56", 1, 0},  // declined: the unsaved order stays
        {Open::InUse, true, 1, "", 1, 1},
        {Open::Failed, true, 0, "", 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.answer) << " unsaved " << c.unsaved << " reply " << c.reply);
        files.setCurrentFile(QString());
        screen.clearOrder();
        screen.order().setField(1, Veld::Artikel, "OD56");
        if (!c.unsaved)
            screen.takeSavedSignature();
        desk = test::FakeOrderFileDesk{};
        desk.openAnswer = c.answer;
        messages.clear();
        if (c.reply)
            messages.answer(c.reply);

        EXPECT_EQ(files.openFile(path), c.answer == Open::Go);
        EXPECT_EQ(desk.openings, std::vector<bool>{false});
        EXPECT_EQ(screen.order().field(1, Veld::Artikel), c.expected);
        EXPECT_EQ(messages.count(), c.questions);
        EXPECT_EQ(desk.newOrders, c.newOrders);
        EXPECT_EQ(desk.openedCalls, c.answer == Open::Go ? std::vector<bool>{false} : std::vector<bool>{});
        EXPECT_EQ(files.currentFile(), c.answer == Open::Go ? path : QString());
        EXPECT_TRUE(QFile::exists(path));
    }
}

TEST_F(ExternalOpen, DeleteAtTheDeskIsTheDesksQuestion)
{
    const QString path = incoming("Order-7.Xml", "");
    ASSERT_TRUE(files.openFile(path));
    messages.clear();

    desk.deleteAnswer = false;
    files.verwijderen();
    EXPECT_EQ(desk.deletesAsked, QStringList{path});
    EXPECT_EQ(messages.count(), 0) << "the customer's question is not asked as well";
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(screen.order().field(1, Veld::Artikel), "OD56");
    EXPECT_EQ(desk.newOrders, 0);

    desk.deleteAnswer = true;
    files.verwijderen();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(screen.order().field(1, Veld::Artikel), "");
    EXPECT_EQ(desk.newOrders, 1);
    EXPECT_EQ(files.currentFile(), "");
}

} // namespace
