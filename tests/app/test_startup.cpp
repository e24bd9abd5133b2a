// Start-up runs of the real program objects in throwaway working folders.
#include "base/IniFile.h"
#include "app/MorvekVonu.h"
#include "app/VonuOrderInstelling.h"
#include "desk/VonuOrderExtra.h"
#include "order/VonuOrder.h"
#include "order/VonuOrderNotitie.h"
#include "support/DemoFiles.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace vonu;

namespace {

// A working folder below a throwaway parent (the order desk reads the
// catalog from the parent).
class StartupRun : public ::testing::Test {
protected:
    StartupRun() : work(root.filePath("werk"))
    {
        QDir(root.path()).mkpath("werk");
        clock.time = QDateTime(QDate(2026, 12, 10), QTime(9, 30));
    }

    void write(const QString& name, const QByteArray& text)
    {
        QFile f(QDir(work).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    void placeCustomerFiles()
    {
        ASSERT_TRUE(test::placeDemoProfile(work));
        ASSERT_TRUE(test::placeDemoCatalog(QDir(work).filePath("Assortiment.Xml")));
    }

    MorvekVonu& start(const QStringList& args = {})
    {
        program = std::make_unique<MorvekVonu>(platform, work, args);
        failed = std::make_unique<QSignalSpy>(program.get(), &MorvekVonu::startupFailed);
        program->runStartup();
        return *program;
    }

    QStringList firstMessageLines() const
    {
        return messages.shown.isEmpty() ? QStringList{} : messages.shown.first().lines;
    }

    QTemporaryDir root;
    QString work;
    test::FakePlatform fake;
    test::ScriptedMessages& messages = fake.messages;
    test::FixedClock& clock = fake.clock;
    test::RecordingSound& sound = fake.sound;
    Platform& platform = fake.platform;
    std::unique_ptr<MorvekVonu> program;
    std::unique_ptr<QSignalSpy> failed;
};

} // namespace

TEST_F(StartupRun, OrderDeskWithoutWorkstationNameEnds)
{
    write("Morvek.Ini", "VonuOrder=inkomend\r\n");
    start();
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_EQ(messages.last().lines,
              (QStringList{"Géén opstartparameter meegegeven!", "Dit is de werkpleknaam of 'Proef\?\?\?',",
                           "deze mag maximaal 8 posities lang zijn."}));
    EXPECT_EQ(messages.last().buttons, QStringList{"OK"});
    EXPECT_FALSE(program->started());
    EXPECT_EQ(failed->count(), 1);
    // The order desk makes no customer folders.
    EXPECT_FALSE(QDir(work).exists("Orders"));
}

TEST_F(StartupRun, TestWorkstationShowsItsVersionPanelBeforeTheCatalogIsMissed)
{
    write("Morvek.Ini", "P_productie=1\r\n");
    start({"  proef12 "});
    EXPECT_EQ(program->workstation(), "PROEF12");
    EXPECT_EQ(program->mainScreen().statusText(1), "Proef 1.06");
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(firstMessageLines().value(0), "Géén assortiment gevonden!");
    EXPECT_FALSE(program->started());
}

TEST_F(StartupRun, CustomerWithoutCatalogMakesFoldersAndEnds)
{
    ASSERT_TRUE(test::placeDemoProfile(work));
    start();
    for (const char* folder : {"Orders", "Verzonden", "Afbeeldingen"})
        EXPECT_TRUE(QDir(work).exists(folder)) << folder;
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(firstMessageLines(), (QStringList{"Géén assortiment gevonden!", "U dient dit te downloaden!",
                                                "Ga hiervoor naar de Morvek-webside..."}));
    EXPECT_EQ(failed->count(), 1);
}

TEST_F(StartupRun, CustomerFolderThatCannotHoldItsOrdersFolderEnds)
{
    write("Orders", "a file where the folder should be");
    start();
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(firstMessageLines().value(0).contains("Orders")) << firstMessageLines().value(0).toStdString();
    EXPECT_EQ(failed->count(), 1);
}

TEST_F(StartupRun, CustomerModeShowsItsControlsAndLists)
{
    placeCustomerFiles();
    TVonuOrderscherm& s = start().mainScreen();
    ASSERT_EQ(messages.count(), 0) << firstMessageLines().join(" | ").toStdString();
    EXPECT_TRUE(program->started());
    EXPECT_EQ(failed->count(), 0);

    const struct { QWidget* w; bool shown; } table[] = {
        {s.kDebiteur(), false}, {s.debiteur(), false}, {s.zoekDebiteur(), false},
        {s.ordervoor(), true},  {s.ordernummer(), true}, {s.referentie(), true},
        {s.orderdatum(), true}, {s.leveringsInformatie(), true},
        {s.regelRij(1).regel, true}, {s.regelRij(6).artikel, true}, {s.regelRij(3).omschrijving2, true},
        {s.regelRij(1).omschrijving, false}, {s.regelRij(6).omschrijving, false},
        {s.orderregelPositie(), true},
        {s.notities(), true}, {s.afsluiten(), true}, {s.verzenden(), true}, {s.nieuw(), true},
        {s.openen(), true}, {s.bewaren(), true}, {s.verwijderen(), true}, {s.afdrukken(), true},
        {s.extra(), false}, {s.vonuOrder(), false},
        {s.artikelnummers(), true}, {s.instellingen(), true},
    };
    for (const auto& row : table)
        EXPECT_EQ(!row.w->isHidden(), row.shown) << row.w->objectName().toStdString();

    EXPECT_EQ(s.lDebiteur()->text(), "In opdracht van: 104711");
    EXPECT_EQ(s.debiteurNaam()->text(), "Bouwbedrijf De Vries B.V.");
    EXPECT_EQ(s.statusText(3).left(12), "Assortiment ");
    EXPECT_EQ(s.statusText(2).left(8), "Sleutel ");
    EXPECT_EQ(s.orderdatum()->date(), QDate(2026, 12, 10));
    EXPECT_EQ(s.verzenden()->text(), "&Verzenden en bewaren");
    // The fixed-width panels show their whole text.
    for (int p = 1; p <= 3; ++p) {
        QLabel* panel = s.statusPanel(p);
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->width()) << p;
    }

    // Ship-to entries in profile order, the first selected; the place is
    // left out when the search name holds it already.
    ASSERT_GE(s.ordervoor()->count(), 3);
    EXPECT_EQ(s.ordervoor()->currentIndex(), 0);
    EXPECT_EQ(s.ordervoor()->itemText(0), "01 DE VRIES ARNHEM");
    for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r) {
        QComboBox* kleur = s.regelRij(r).kleur;
        ASSERT_GT(kleur->count(), 20) << r;
        EXPECT_EQ(kleur->itemText(0), "");
        EXPECT_EQ(kleur->currentIndex(), 0);
    }
    EXPECT_EQ(s.ordervoor()->toolTip(),
              "Order voor geeft aan voor wie de order in behandeling wordt genomen,\n"
              "het geeft tevens aan waar de order wordt afgeleverd.");
    // A fresh order is unchanged: closing asks nothing.
    EXPECT_EQ(s.currentSignature(), s.savedSignature());
}

TEST_F(StartupRun, PrintOnlySettingChangesTheSendCaption)
{
    placeCustomerFiles();
    write("MorvekVonu.Ini", "[Email]\r\nEmailVerzenden=Nee\r\n");
    EXPECT_EQ(start().mainScreen().verzenden()->text(), "Afd&rukken en bewaren");
}

TEST_F(StartupRun, StoredPositionIsAppliedAndOnlyAMoveIsWrittenBack)
{
    placeCustomerFiles();
    write("MorvekVonu.Ini", "[Scherm]\r\nBoven=40\r\nLinks=30\r\n[Eigen]\r\nx=y\r\n");
    const QString ini = QDir(work).filePath("MorvekVonu.Ini");
    TVonuOrderscherm& s = start().mainScreen();
    EXPECT_EQ(s.pos(), QPoint(30, 40));

    const auto bytes = [&] { QFile f(ini); f.open(QIODevice::ReadOnly); return f.readAll(); };
    const QByteArray before = bytes();
    s.close();
    EXPECT_EQ(bytes(), before);  // not moved: not written

    start();
    program->mainScreen().move(55, 66);
    program->mainScreen().close();
    const IniFile back = IniFile::load(ini);
    EXPECT_EQ(back.value("Scherm", "Links"), "55");
    EXPECT_EQ(back.value("Scherm", "Boven"), "66");
    EXPECT_EQ(back.value("Eigen", "x"), "y");
}

TEST_F(StartupRun, AFailedStartUpLeavesTheSettingsFileAlone)
{
    // The customer's mail server, user and password must survive a start
    // that ended before the settings were read.
    const QByteArray settings = "[Scherm]\r\nBoven=0\r\nLinks=0\r\n[Smtp]\r\nServerNaam=mail.klant.nl\r\n"
                                "ServerGebruiker=inkoop\r\nServerWachtwoord=geheim\r\n";
    const struct {
        const char* what;
        std::function<void()> arrange;
    } cases[] = {
        {"Morvek.Ini unreadable", [this] { QDir(work).mkpath("Morvek.Ini"); }},
        {"Orders cannot be created", [this] { write("Orders", "a file where the folder should be"); }},
    };
    for (const auto& c : cases) {
        QDir(work).removeRecursively();
        QDir(root.path()).mkpath("werk");
        write("MorvekVonu.Ini", settings);
        c.arrange();
        messages.clear();
        TVonuOrderscherm& s = start().mainScreen();
        EXPECT_EQ(failed->count(), 1) << c.what;
        s.move(120, 80);
        s.close();
        QFile f(QDir(work).filePath("MorvekVonu.Ini"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.what;
        EXPECT_EQ(f.readAll(), settings) << c.what;
    }
}

TEST_F(StartupRun, TheMainScreenOpensCentredUnlessAPositionIsStored)
{
    placeCustomerFiles();
    for (const bool stored : {false, true}) {
        if (stored)
            write("MorvekVonu.Ini", "[Scherm]\r\nBoven=40\r\nLinks=30\r\n");
        program = std::make_unique<MorvekVonu>(platform, work, QStringList{});
        program->show();
        TVonuOrderscherm& s = program->mainScreen();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
        ASSERT_TRUE(program->started());
        if (stored) {
            EXPECT_EQ(s.pos(), QPoint(30, 40));
        } else {
            const QPoint centre = s.screen()->availableGeometry().center();
            EXPECT_LE(std::abs(s.frameGeometry().center().x() - centre.x()), 1) << s.frameGeometry().center().x();
            EXPECT_LE(std::abs(s.frameGeometry().center().y() - centre.y()), 1) << s.frameGeometry().center().y();
        }
        s.close();
    }
}

TEST_F(StartupRun, SharedAcceleratorsPressTheFirstButtonInTabOrder)
{
    // "&Notities" and "&Nieuw"; "Afd&rukken en bewaren" and "A&rtikelnummers"
    // (the print-only customer).
    placeCustomerFiles();
    write("MorvekVonu.Ini", "[Email]\r\nEmailVerzenden=Nee\r\n");
    TVonuOrderscherm& s = start().mainScreen();
    s.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
    const struct {
        Qt::Key key;
        QPushButton* first;
    } cases[] = {{Qt::Key_N, s.nieuw()}, {Qt::Key_R, s.verzenden()}};
    for (const auto& [key, first] : cases) {
        ASSERT_EQ(s.verzenden()->text(), "Afd&rukken en bewaren");
        // Clicking it may open a dialog: count the clicks only.
        first->disconnect();
        QSignalSpy clicked(first, &QPushButton::clicked);
        s.ordernummer()->setFocus();
        QTest::keyClick(&s, key, Qt::AltModifier);
        QTest::keyClick(&s, key, Qt::AltModifier);
        EXPECT_EQ(clicked.count(), 2) << first->text().toStdString();
    }
}

TEST_F(StartupRun, UnchangedOrderClosesButAChangedOneAsks)
{
    placeCustomerFiles();
    TVonuOrderscherm& s = start().mainScreen();
    s.show();
    s.ordernummer()->setText("PO-1");
    messages.answer(2);  // "&Nee": stay
    EXPECT_FALSE(s.close());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Bevestiging");
    EXPECT_EQ(messages.last().lines.value(1), "Order is gewijzigd, wilt u afsluiten?");
    messages.answer(1);
    EXPECT_TRUE(s.close());
}

TEST_F(StartupRun, FirstActivationRunsTheStartupOnce)
{
    placeCustomerFiles();
    program = std::make_unique<MorvekVonu>(platform, work, QStringList{});
    program->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program->mainScreen()));
    EXPECT_TRUE(program->started());
    const int entries = program->mainScreen().ordervoor()->count();

    program->notesScreen().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program->notesScreen()));
    program->notesScreen().hide();
    program->mainScreen().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program->mainScreen()));
    EXPECT_EQ(program->mainScreen().ordervoor()->count(), entries);
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(StartupRun, IncomingOrdersEnableTheImportButtonAndPlayTheSignalOnce)
{
    write("Morvek.Ini", "VonuOrder=inkomend\r\nOnderdorpelPost=post\r\n");
    QDir(work).mkpath("inkomend");
    QDir(work).mkpath("post");
    program = std::make_unique<MorvekVonu>(platform, work, QStringList{"WERKPLEK"});
    program->runStartup();  // ends at the missing catalog, but the settings are read
    QPushButton* button = program->mainScreen().vonuOrder();

    const struct { const char* file; bool waiting; } cases[] = {
        {nullptr, false},
        {"post/DORPEL1.TXT", true},        // case of the extension does not matter
        {"inkomend/order.xml", true},
    };
    for (const auto& c : cases) {
        if (c.file)
            write(c.file, "x");
        sound.played.clear();
        program->signalIncomingOrders();
        EXPECT_EQ(button->isEnabled(), c.waiting) << (c.file ? c.file : "none");
        EXPECT_EQ(sound.played.size(), c.waiting ? 1 : 0);
        if (c.waiting) {
            EXPECT_TRUE(sound.played.value(0).endsWith("Wav/DO.Wav"));
        }
    }
}

TEST_F(StartupRun, SettingsScreenChangesTheSendCaptionAndStoresThePosition)
{
    placeCustomerFiles();
    TVonuOrderscherm& s = start().mainScreen();
    s.move(12, 34);
    const auto seen = test::whenModal<TVonuOrderInstellingscherm>([](TVonuOrderInstellingscherm& screen) {
        screen.EmailVerzenden->setChecked(false);
        QTest::mouseClick(screen.Ok, Qt::LeftButton);
    });
    QTest::mouseClick(s.instellingen(), Qt::LeftButton);
    EXPECT_EQ(*seen, 1);
    EXPECT_EQ(s.verzenden()->text(), "Afd&rukken en bewaren");
    const IniFile ini = IniFile::load(QDir(work).filePath("MorvekVonu.Ini"));
    EXPECT_EQ(ini.value("Email", "EmailVerzenden"), "Nee");
    EXPECT_EQ(ini.value("Scherm", "Links"), "12");
    EXPECT_EQ(ini.value("Scherm", "Boven"), "34");
}
