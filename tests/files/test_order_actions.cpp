// The order-file buttons, the send and the print on a real main screen:
// files on disk, a real SMTP server on loopback, PDFs through the print seam.
#include "SmtpFixture.h"

#include "data/AppState.h"
#include "files/FileDialogs.h"
#include "files/OrderFileActions.h"
#include "files/OrderVerzenden.h"
#include "widgets/RadioGroup.h"
#include "order/VonuOrder.h"
#include "sill/VonuOrderSponning.h"
#include "order/VonuOrderAfbeelding.h"
#include "order/VonuOrderNotitie.h"
#include "reports/OrderOverzichtActie.h"
#include "reports/PrintTarget.h"
#include "reports/VonuOrderRapport.h"
#include "support/MainScreenFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QTimer>
#include <QDateEdit>
#include <QDir>
#include <QImage>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vonu;

namespace {

const char* const ProfileXml = R"(<?xml version="1.0"?>
<Morvek><Sleutel><VonuMail>orders@morvek.example, kopie@morvek.example</VonuMail><Debiteur>12345</Debiteur>
<DebiteurNaam>Bouwbedrijf Jansen</DebiteurNaam><Verzendadressen>
<Verzendadres Verzend="01"><VerzendadresZoeknaam>JANSEN</VerzendadresZoeknaam><VerzendadresWoonplaats>Utrecht</VerzendadresWoonplaats></Verzendadres>
<Verzendadres Verzend="02"><VerzendadresZoeknaam>DEPOT</VerzendadresZoeknaam><VerzendadresWoonplaats>Gouda</VerzendadresWoonplaats></Verzendadres>
</Verzendadressen></Sleutel></Morvek>)";

const char* const CatalogXml = R"(<?xml version="1.0"?>
<Morvek><Assortiment><Artikelen>
<Artikel Artikel="OD67"><ArtikelOmschrijving_1>Onderdorpel 67</ArtikelOmschrijving_1>
<ArtikelVonuArtikel>J</ArtikelVonuArtikel><ArtikelHandelslengte>J</ArtikelHandelslengte></Artikel>
<Artikel Artikel="VB300"><ArtikelOmschrijving_1>Verbinder</ArtikelOmschrijving_1>
<ArtikelVonuArtikel>J</ArtikelVonuArtikel><ArtikelHandelslengte>J</ArtikelHandelslengte></Artikel>
</Artikelen></Assortiment></Morvek>)";

class OrderActions : public test::MainScreenFixture {
protected:
    OrderActions() : files(screen, dialogs), printer(screen, print), send(screen, files, [this] { return printer.afdrukken(); })
    {
        fake.mail.make = [this](const SmtpSettings& s) -> std::unique_ptr<IMailSender> {
            ++senderCalls;
            SmtpSettings t = s;
            t.caFile = caFile;
            t.timeoutSeconds = 20;
            return std::make_unique<SmtpMailSender>(t, clock);
        };
        QDir(dir.path()).mkpath("Orders");
        QDir(dir.path()).mkpath("Verzonden");
        loadProfile(QString::fromUtf8(ProfileXml));
        loadCatalog(QString::fromUtf8(CatalogXml));
        fillShipTo();
        screen.takeSavedSignature();
    }

    // A line with an article and a quantity, shown in the rows.
    void putLine(int line, const QString& artikel, const QString& aantal)
    {
        OrderModel& o = screen.order();
        o.setField(line, Veld::Artikel, artikel);
        o.setField(line, Veld::Aantal, aantal);
        o.setFlag(line, Vlag::Aantal, true);
        for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r)
            screen.showLineInRow(r);
    }
    QString ordersFile(const QString& name) const { return dir.filePath("Orders/" + name); }
    static QByteArray bytesOf(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void mailSettings(int port)
    {
        state.settings.emailAdres = "inkoop@jansen.example";
        state.settings.serverNaam = "127.0.0.1";
        state.settings.serverPoort = port;
        state.settings.serverGebruiker = "klant";
        state.settings.serverWachtwoord = "geheim";
    }

    test::FixedClock& clock = fake.clock;
    test::ScriptedFileDialogs& dialogs = fake.fileDialogs;
    test::RecordingPrinter& print = fake.printer;
    OrderFileActions files;
    OrderOverzichtActie printer;
    OrderVerzenden send;
    QString caFile;
    int senderCalls = 0;
};

} // namespace

TEST_F(OrderActions, BewarenNamesTheFileAndOverwritesWithoutAQuestion)
{
    putLine(1, "OD67", "4");
    screen.ordernummer()->setText("AB-12");
    screen.bewaren()->click();
    ASSERT_TRUE(QFile::exists(ordersFile("Order-AB-12.Xml")));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Informatie");
    EXPECT_EQ(messages.last().lines.value(1), "Order bewaard als 'Order-AB-12'");
    EXPECT_EQ(screen.windowTitle(), "Morvek VonuOrder ");
    EXPECT_EQ(files.currentFile(), ordersFile("Order-AB-12.Xml"));
    EXPECT_EQ(screen.savedSignature(), screen.currentSignature());

    screen.regelRij(1).aantal->setText("9");
    screen.bewaren()->click();
    EXPECT_EQ(messages.count(), 2);
    EXPECT_TRUE(bytesOf(ordersFile("Order-AB-12.Xml")).contains("<OrderregelAantal>9</OrderregelAantal>"));

    screen.ordernummer()->clear();
    screen.transactie()->setItemIndex(1);
    screen.bewaren()->click();
    EXPECT_TRUE(QFile::exists(ordersFile("Offerte-09-12-2024.Xml")));
    EXPECT_EQ(messages.last().lines.value(1), "Offerteaanvraag bewaard als 'Offerte-09-12-2024'");
}

TEST_F(OrderActions, NothingOnScreenMeansNothingWritten)
{
    screen.bewaren()->click();
    screen.verzenden()->click();
    EXPECT_EQ(messages.count(), 0);
    EXPECT_TRUE(QDir(dir.filePath("Orders")).isEmpty());
}

TEST_F(OrderActions, AFailedSaveKeepsTheOldFileAndTheOrder)
{
    putLine(1, "OD67", "4");
    screen.ordernummer()->setText("AB-12");
    files.bewaren();
    const QByteArray before = bytesOf(ordersFile("Order-AB-12.Xml"));
    const auto saved = screen.savedSignature();
    messages.clear();

    // The orders folder is a file: nothing can be created below it.
    ASSERT_TRUE(QDir(dir.path()).rename("Orders", "Orders.kept"));
    QFile blocker(dir.filePath("Orders"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("keep");
    blocker.close();
    screen.regelRij(1).aantal->setText("7");
    EXPECT_EQ(files.buildOrderDocument(OrderFileActions::Build::Normal), OrderFileActions::Outcome::Failed);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_FALSE(messages.last().lines.value(1).isEmpty());
    EXPECT_EQ(bytesOf(dir.filePath("Orders")), "keep");
    ASSERT_TRUE(QFile::remove(dir.filePath("Orders")));
    ASSERT_TRUE(QDir(dir.path()).rename("Orders.kept", "Orders"));
    EXPECT_EQ(bytesOf(ordersFile("Order-AB-12.Xml")), before);
    EXPECT_EQ(files.currentFile(), ordersFile("Order-AB-12.Xml"));
    EXPECT_EQ(screen.order().field(1, Veld::Aantal), "7");
    EXPECT_EQ(screen.savedSignature(), saved);
    EXPECT_TRUE(screen.statusText(0).isEmpty());

    // A reference holding a folder separator cannot be a file name.
    screen.ordernummer()->clear();
    screen.referentie()->setText("a/b");
    EXPECT_EQ(files.buildOrderDocument(OrderFileActions::Build::Normal), OrderFileActions::Outcome::Failed);
    EXPECT_TRUE(messages.last().lines.value(1).contains("a/b"));
}

TEST_F(OrderActions, OpenenReadsBackWhatBewarenWrote)
{
    putLine(1, "OD67", "4");
    putLine(3, "VB300", "2");
    screen.ordernummer()->setText("AB-12");
    screen.referentie()->setText("Schuur");
    screen.ordervoor()->setCurrentIndex(1);
    screen.transactie()->setItemIndex(1);
    notes.notities()->setPlainText("regel 1\nregel 2");
    files.bewaren();
    const QString path = files.currentFile();

    files.nieuw();
    EXPECT_TRUE(files.currentFile().isEmpty());
    EXPECT_FALSE(screen.order().lineInUse(1));
    EXPECT_EQ(screen.ordervoor()->currentIndex(), 0);
    messages.clear();

    dialogs.answer = path;
    screen.openen()->click();
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(dialogs.folders.value(0), dir.filePath("Orders"));
    EXPECT_EQ(files.currentFile(), path);
    EXPECT_EQ(screen.ordervoor()->currentIndex(), 1);
    EXPECT_EQ(screen.ordernummer()->text(), "AB-12");
    EXPECT_EQ(screen.referentie()->text(), "Schuur");
    EXPECT_EQ(screen.transactieType(), Transactie::Offerte);
    EXPECT_EQ(notes.notitiesText(), "regel 1\nregel 2");
    EXPECT_FALSE(notes.notities()->isReadOnly());
    EXPECT_TRUE(screen.notities()->font().bold());
    EXPECT_EQ(screen.order().field(2, Veld::Artikel), "VB300");
    EXPECT_EQ(screen.regelRij(2).artikel->currentText(), "VB300");
    EXPECT_EQ(screen.regelRij(2).aantal->text(), "2");
    EXPECT_FALSE(screen.order().lineInUse(3));
    EXPECT_TRUE(screen.verzonden()->isHidden());
    EXPECT_EQ(screen.savedSignature(), screen.currentSignature());

    // Cancelling the dialog leaves the order as it is.
    dialogs.answer.clear();
    files.openen();
    EXPECT_EQ(screen.order().field(2, Veld::Artikel), "VB300");
}

TEST_F(OrderActions, OpenedFilesWithMarkersUnknownEntriesOrFaults)
{
    const QString good = ordersFile("Order-X.Xml");
    auto write = [](const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    write(good, "<?xml version=\"1.0\"?><Morvek><Orders><Order Order=\"Order\"><OrderVerzendadres>77</OrderVerzendadres>"
                "<OrderOrderdatum>01-02-2025</OrderOrderdatum><OrderNotitie>[Notitie]T[OB]</OrderNotitie>"
                "<OrderVerzenddatum>01_02_2025_10_00_00</OrderVerzenddatum><Orderregels><Orderregel Regel=\"0\">"
                "<OrderregelArtikel>ONBEKEND</OrderregelArtikel><OrderregelStatus>000000100000</OrderregelStatus>"
                "</Orderregel></Orderregels></Order></Orders></Morvek>");
    messages.clear();
    ASSERT_TRUE(files.openFile(good));
    EXPECT_EQ(screen.ordervoor()->currentIndex(), -1);
    // The article the catalog lacks is shown, kept and reported.
    EXPECT_EQ(screen.regelRij(1).artikel->placeholderText(), "ONBEKEND");
    EXPECT_EQ(screen.order().field(1, Veld::Artikel), "ONBEKEND");
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Informatie");
    EXPECT_EQ(messages.last().lines.value(1), "Regel 1: artikel ONBEKEND");
    EXPECT_EQ(notes.notitiesText(), "T");
    EXPECT_TRUE(notes.notities()->isReadOnly());
    EXPECT_TRUE(files.customerFileFlag());
    EXPECT_EQ(screen.verzonden()->text(), "01-02-2025 10:00:00");
    EXPECT_FALSE(screen.verzonden()->isHidden());

    // Broken files: a message, and the order on screen stays.
    const struct {
        const char* name;
        QByteArray bytes;
    } bad[] = {
        {"Kapot.Xml", "<?xml version=\"1.0\"?><Morvek><Orders><Order>"},
        {"Datum.Xml", "<Morvek><Orders><Order><OrderOrderdatum>2025-02-01</OrderOrderdatum></Order></Orders></Morvek>"},
        {"Leeg.Xml", "<Morvek/>"},
    };
    for (const auto& b : bad) {
        write(ordersFile(b.name), b.bytes);
        messages.clear();
        EXPECT_FALSE(files.openFile(ordersFile(b.name))) << b.name;
        ASSERT_EQ(messages.count(), 1) << b.name;
        EXPECT_EQ(messages.last().caption, "Fout");
        EXPECT_TRUE(messages.last().lines.value(0).contains(b.name));
        EXPECT_FALSE(messages.last().lines.value(1).isEmpty());
        EXPECT_EQ(screen.order().field(1, Veld::Artikel), "ONBEKEND");
        EXPECT_EQ(files.currentFile(), good);
    }
}

TEST_F(OrderActions, ChangeQuestionAndDelete)
{
    // Right after Nieuw there is no file to delete.
    files.nieuw();
    screen.verwijderen()->click();
    EXPECT_EQ(messages.count(), 0);

    putLine(1, "OD67", "4");
    // The reference holds at most 40 characters: "Offerte-" and 40 make 48.
    const QString longName(40, 'L');
    screen.transactie()->setItemIndex(1);
    screen.referentie()->setText(longName);
    files.bewaren();
    messages.clear();

    screen.regelRij(1).aantal->setText("5");
    screen.order().setField(1, Veld::Aantal, "5");
    messages.answer(2);
    files.nieuw();
    EXPECT_EQ(messages.last().caption, "Bevestiging");
    EXPECT_EQ(messages.last().lines.value(1), "Offerteaanvraag is gewijzigd, wilt u doorgaan?");
    EXPECT_TRUE(screen.order().lineInUse(1));

    messages.answer(1);  // delete: yes; Nieuw then asks nothing
    files.verwijderen();
    const MessageRequest& q = messages.shown.at(1);
    EXPECT_EQ(q.lines.value(0), "Met deze actie zal bestand");
    EXPECT_EQ(q.lines.value(1), ("Offerte-" + longName).left(47) + "...");
    EXPECT_EQ(q.lines.value(2), "worden verwijderd.");
    EXPECT_EQ(q.lines.value(4), "Wilt u doorgaan?");
    EXPECT_EQ(q.buttons.value(0), "&Ja");
    EXPECT_EQ(messages.count(), 2);
    EXPECT_FALSE(QFile::exists(ordersFile("Offerte-" + longName + ".Xml")));
    EXPECT_FALSE(screen.order().lineInUse(1));
    EXPECT_TRUE(files.currentFile().isEmpty());
}

TEST_F(OrderActions, AfdrukkenWritesThePrintFileAndPrints)
{
    putLine(1, "OD67", "4");
    print.accept = false;
    screen.afdrukken()->click();
    EXPECT_FALSE(QFile::exists(dir.filePath("VonuOrder.Prt")));
    EXPECT_TRUE(print.printed.isEmpty());

    print.accept = true;
    screen.afdrukken()->click();
    ASSERT_EQ(print.printed.size(), 1);
    QStringList expected;
    ASSERT_TRUE(overviewLines(screen.order(), state.catalog, &expected));
    EXPECT_EQ(readPrintFile(dir.filePath("VonuOrder.Prt")), expected);
    EXPECT_EQ(bytesOf(dir.filePath("VonuOrder.Prt")).count("\r\n"), expected.size());
    const report::Page& page = print.printed[0].pages[0];
    EXPECT_EQ(page.item("Debiteur")->text, "12345");
    EXPECT_EQ(page.item("Verzend")->text, "01");
    EXPECT_TRUE(screen.statusText(0).isEmpty());

    // A line without its quantity is told and nothing is printed.
    putLine(2, "VB300", "");
    messages.clear();
    screen.afdrukken()->click();
    EXPECT_EQ(print.printed.size(), 1);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().lines, (QStringList{QString(), "Geen aantal ingevoerd in regel 2."}));
}

TEST_F(OrderActions, WithoutEmailTheOrderIsPrintedAndSavedOffline)
{
    state.settings.emailVerzenden = "Nee";
    mailSettings(test::SmtpFixture::unusedPort());
    putLine(1, "OD67", "4");
    screen.verzenden()->click();
    EXPECT_EQ(senderCalls, 0);
    EXPECT_EQ(print.printed.size(), 1);
    EXPECT_TRUE(QFile::exists(ordersFile("Order-09-12-2024.Xml")));
    EXPECT_EQ(messages.last().lines.value(1), "Order bewaard als 'Order-09-12-2024'");
    EXPECT_TRUE(QDir(dir.filePath("Verzonden")).isEmpty());
}

TEST_F(OrderActions, NotReadyOrInvalidWritesNothing)
{
    putLine(1, "OD67", "4");
    screen.verzenden()->click();  // placeholder settings
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_EQ(messages.last().lines, (QStringList{"U dient éérst de instellingen in te voeren!",
                                                  "Gebruik hiervoor de knop <&Instellingen>"}));
    mailSettings(test::SmtpFixture::unusedPort());
    state.profile.sleutel().setVonuMail("  ");
    screen.verzenden()->click();
    EXPECT_EQ(messages.last().lines.value(0), "Géén VonuOrder eMailadres ontvangen!");

    state.profile.sleutel().setVonuMail("orders@morvek.example");
    putLine(2, "VB300", "");
    const int before = messages.count();
    screen.verzenden()->click();
    ASSERT_EQ(messages.count(), before + 1);
    EXPECT_EQ(messages.last().lines, (QStringList{QString(), "Geen aantal ingevoerd in regel 2."}));
    EXPECT_EQ(senderCalls, 0);
    EXPECT_TRUE(QDir(dir.filePath("Orders")).isEmpty());
    EXPECT_TRUE(QDir(dir.filePath("Verzonden")).isEmpty());
}

TEST_F(OrderActions, QuotationIsSentWithItsCopyToBothRecipients)
{
    test::SmtpFixture server;
    test::SmtpFixture::Options options;
    options.tls = test::SmtpFixture::Tls::StartTls;
    options.requireLogin = true;
    options.user = "klant";
    options.password = "geheim";
    ASSERT_TRUE(server.start(options)) << server.error().toStdString();
    caFile = server.caFile();
    mailSettings(server.port());

    putLine(1, "OD67", "4");
    screen.transactie()->setItemIndex(1);
    screen.ordernummer()->setText("AB-12");
    screen.referentie()->setText("Schuur");
    EXPECT_TRUE(send.verzenden());

    const QString copy = dir.filePath("Verzonden/12345_09_12_2024_14_05_03.Xml");
    ASSERT_TRUE(QFile::exists(copy));
    EXPECT_EQ(files.currentFile(), copy);
    EXPECT_TRUE(bytesOf(ordersFile("Offerte-AB-12.Xml")).contains("<OrderVerzenddatum>09_12_2024_14_05_03*<"));
    EXPECT_EQ(bytesOf(copy), bytesOf(ordersFile("Offerte-AB-12.Xml")));
    EXPECT_EQ(messages.last().caption, "Informatie");
    EXPECT_EQ(messages.last().lines.value(1), "Offerteaanvraag is verzonden naar Morvek.");
    EXPECT_EQ(screen.verzonden()->text(), "09-12-2024 14:05:03*");

    const QList<test::ReceivedMail> mails = server.received();
    ASSERT_EQ(mails.size(), 1);
    const test::ReceivedMail& m = mails[0];
    EXPECT_TRUE(m.tls);
    EXPECT_EQ(m.login, "klant");
    EXPECT_EQ(m.rcptTos, (QStringList{"orders@morvek.example", "kopie@morvek.example"}));
    EXPECT_EQ(m.mailFrom, "inkoop@jansen.example");
    EXPECT_EQ(m.subject, "VonuOfferte 12345 AB-12 Schuur");
    EXPECT_EQ(m.body, "Order voor  : 01 JANSEN Utrecht\nOrderdatum  : 09-12-2024\nOrdernummer : AB-12\n"
                      "Referentie  : Schuur\n");
    ASSERT_EQ(m.attachments.size(), 1);
    EXPECT_EQ(m.attachments[0].fileName, "12345_09_12_2024_14_05_03.Xml");
    EXPECT_EQ(m.attachments[0].data, bytesOf(copy));

    // A quotation sent before is sent again without a question.
    messages.clear();
    EXPECT_TRUE(send.verzenden());
    EXPECT_EQ(messages.count(), 1);
    EXPECT_EQ(server.received().size(), 2);
}

TEST_F(OrderActions, AnOrderSentBeforeAsksBeforeItGoesAgain)
{
    test::SmtpFixture server;
    ASSERT_TRUE(server.start({})) << server.error().toStdString();
    mailSettings(server.port());
    state.settings.serverGebruiker.clear();
    state.settings.serverWachtwoord.clear();
    putLine(1, "OD67", "4");
    ASSERT_TRUE(send.verzenden());
    EXPECT_TRUE(server.received().value(0).subject.startsWith("VonuOrder 12345"));
    EXPECT_FALSE(server.received().value(0).loggedIn);

    messages.clear();
    messages.answer(2);
    EXPECT_FALSE(send.verzenden());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().lines, (QStringList{"Order is al verzonden naar Morvek!!!",
                                                  "U gaat dus nogmaals bestellen!!!", "Wilt U de order verzenden?"}));
    EXPECT_EQ(server.received().size(), 1);
}

TEST_F(OrderActions, AFailedSendLeavesNoSentStampAndNoSentCopy)
{
    test::SmtpFixture plain;
    test::SmtpFixture::Options plainOptions;
    plainOptions.requireLogin = true;
    plainOptions.user = "klant";
    plainOptions.password = "geheim";
    ASSERT_TRUE(plain.start(plainOptions)) << plain.error().toStdString();
    test::SmtpFixture tls;
    test::SmtpFixture::Options tlsOptions = plainOptions;
    tlsOptions.tls = test::SmtpFixture::Tls::StartTls;
    tlsOptions.password = "anders";
    ASSERT_TRUE(tls.start(tlsOptions)) << tls.error().toStdString();
    caFile = tls.caFile();

    struct Case {
        const char* name;
        int port;
        const char* dutch;
    };
    const Case cases[] = {
        {"login refused", tls.port(), "De mailserver weigert de gebruikersnaam of het wachtwoord."},
        {"no TLS for the password", plain.port(), "De mailserver biedt geen beveiligde verbinding;"},
        {"server down", test::SmtpFixture::unusedPort(), "De mailserver is niet bereikbaar."},
    };
    putLine(1, "OD67", "4");
    // An order saved before the failed send keeps exactly what it had.
    screen.bewaren()->click();
    const QByteArray before = bytesOf(ordersFile("Order-09-12-2024.Xml"));
    ASSERT_FALSE(before.isEmpty());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mailSettings(c.port);
        messages.clear();
        EXPECT_FALSE(send.verzenden());
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().caption, "Fout");
        EXPECT_EQ(messages.last().lines.value(0), "De order is NIET verzonden.");
        EXPECT_EQ(messages.last().lines.value(1), QString::fromUtf8(c.dutch));
        EXPECT_EQ(bytesOf(ordersFile("Order-09-12-2024.Xml")), before);
        EXPECT_TRUE(QDir(dir.filePath("Verzonden")).isEmpty());
        EXPECT_TRUE(screen.verzonden()->isHidden());
        EXPECT_TRUE(screen.order().lineInUse(1));
        EXPECT_TRUE(screen.statusText(0).isEmpty());
    }
    EXPECT_TRUE(plain.received().isEmpty());
    EXPECT_TRUE(tls.received().isEmpty());

    // Reopened, the order is not marked as sent, and the next send asks nothing.
    ASSERT_TRUE(files.openFile(ordersFile("Order-09-12-2024.Xml")));
    EXPECT_TRUE(screen.verzonden()->isHidden());
}

TEST_F(OrderActions, AServerSilentAfterTheDataIsReportedAsPossiblyArrived)
{
    test::SmtpFixture server;
    test::SmtpFixture::Options options;
    options.stallAfterData = true;
    ASSERT_TRUE(server.start(options)) << server.error().toStdString();
    mailSettings(server.port());
    state.settings.serverGebruiker.clear();
    state.settings.serverWachtwoord.clear();
    putLine(1, "OD67", "4");
    // Cancelled from the progress dialog once the server has gone quiet.
    QTimer::singleShot(1500, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Verzendvoortgang" && w->isVisible())
                if (auto* b = w->findChild<QPushButton*>("Annuleren"))
                    b->click();
    });
    EXPECT_FALSE(send.verzenden());
    EXPECT_FALSE(server.stalled().isEmpty());
    ASSERT_EQ(messages.count(), 1);
    const QStringList lines = messages.last().lines;
    EXPECT_EQ(lines.value(0), "De order is NIET verzonden.");
    EXPECT_EQ(lines.value(1), "Het verzenden is afgebroken.");
    EXPECT_TRUE(lines.join('\n').contains("kan toch zijn aangekomen")) << lines.join('\n').toStdString();
    EXPECT_FALSE(QFile::exists(ordersFile("Order-09-12-2024.Xml")));
    EXPECT_TRUE(QDir(dir.filePath("Verzonden")).isEmpty());
}

TEST_F(OrderActions, HostileAddressesOrDebtorNumbersStopTheSendBeforeAnythingIsWritten)
{
    struct Case {
        const char* name;
        QString mailbox;
        QString sender;
        QString debtor;
        const char* first;
    };
    const Case cases[] = {
        {"CR LF in the order mailbox", "orders@morvek.example>\r\nRCPT TO:<x@evil.example", "inkoop@jansen.example",
         "12345", "Het e-mailadres 'orders@morvek.example> RCPT TO:<x@evil.example' bevat tekens die niet zijn toegestaan."},
        {"LF in the sender setting", "orders@morvek.example", "inkoop@jansen.example\nDATA", "12345",
         "Het e-mailadres 'inkoop@jansen.example DATA' bevat tekens die niet zijn toegestaan."},
        {"debtor with a folder", "orders@morvek.example", "inkoop@jansen.example", "../../12345",
         "Het debiteurnummer '../../12345' kan geen deel van een bestandsnaam zijn."},
        {"debtor with a backslash", "orders@morvek.example", "inkoop@jansen.example", "..\\x",
         "Het debiteurnummer '..\\x' kan geen deel van een bestandsnaam zijn."},
    };
    putLine(1, "OD67", "4");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mailSettings(test::SmtpFixture::unusedPort());
        state.settings.emailAdres = c.sender;
        state.profile.sleutel().setVonuMail(c.mailbox);
        state.profile.sleutel().setDebiteur(c.debtor);
        messages.clear();
        EXPECT_FALSE(send.verzenden());
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.last().lines.value(0), QString::fromUtf8(c.first));
    }
    EXPECT_EQ(senderCalls, 0);
    EXPECT_TRUE(QDir(dir.filePath("Verzonden")).isEmpty());
    EXPECT_TRUE(QDir(dir.filePath("Orders")).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST_F(OrderActions, PastedTextPassesTheSameFilterAsTypedText)
{
    struct Case {
        const char* name;
        QLineEdit* field;
        QString pasted;
        QString kept;
    };
    const Case cases[] = {
        {"detail size with a comma", screen.detailRij(1).maat, "12,5", ""},
        {"detail size of figures", screen.detailRij(1).maat, "1200", "1200"},
        {"detail quantity with a letter", screen.detailRij(1).aantal, "12a", ""},
        {"order number with a folder", screen.ordernummer(), "AB/../x", ""},
        {"reference with a line break", screen.referentie(), "Schuur\nBcc", ""},
        {"reference as typed", screen.referentie(), "Schuur 2-b", "Schuur 2-b"},
        {"typed size with two commas", screen.regelRij(1).maatInvoer, "1,2,3", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.field->clear();
        QApplication::clipboard()->setText(c.pasted);
        c.field->paste();
        EXPECT_EQ(c.field->text(), c.kept);
    }
    // A number the program put there (from an opened file) can still be shortened.
    screen.ordernummer()->setText("A/1");
    screen.ordernummer()->setCursorPosition(3);
    screen.ordernummer()->backspace();
    EXPECT_EQ(screen.ordernummer()->text(), "A/");
}

TEST_F(OrderActions, PictureNamesFromTheCatalogStayInsideThePictureFolder)
{
    QDir(dir.path()).mkpath("Afbeeldingen");
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(dir.filePath("Afbeeldingen/ON100.png")));
    ASSERT_TRUE(img.save(dir.filePath("geheim.png")));
    struct Case {
        QString name;
        bool shown;
    };
    const Case cases[] = {
        {"ON100.png", true},
        {"../geheim.png", false},
        {"..\\geheim.png", false},
        {dir.filePath("geheim.png"), false},
        {"C:geheim.png", false},
        {"..", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        TVonuOrderAfbeeldingscherm w(&screen);
        w.setFolder(dir.filePath("Afbeeldingen") + '/');
        w.setWindowTitle(TVonuOrderAfbeeldingscherm::captionFor(c.name));
        w.showPicture();
        EXPECT_EQ(w.missing()->isHidden(), c.shown);
    }
}

TEST_F(OrderActions, OpeningKeepsWhatTheCatalogNoLongerOffers)
{
    QByteArray lines;
    auto line = [&lines](int regel, const char* artikel, const char* maat, const char* status, const char* aantal) {
        lines += QStringLiteral("<Orderregel Regel=\"%1\"><OrderregelArtikel>%2</OrderregelArtikel>"
                                "<OrderregelMaat>%3</OrderregelMaat><OrderregelAantal>%4</OrderregelAantal>"
                                "<OrderregelStatus>%5</OrderregelStatus></Orderregel>")
                     .arg(regel)
                     .arg(artikel, maat, aantal, status)
                     .toUtf8();
    };
    line(0, "OUDART", "", "000000100000", "2");
    line(1, "OD67", "7,00 Mtr", "000010100000", "1");
    for (int i = 2; i < 9; ++i)
        line(i, "VB300", "", "000000100000", "4");
    const QString path = ordersFile("Oud.Xml");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\"?><Morvek><Orders><Order Order=\"Order\"><OrderVerzendadres>01</OrderVerzendadres>"
                "<OrderOrderdatum>01-02-2025</OrderOrderdatum><OrderOrdernummer>OUD</OrderOrdernummer><Orderregels>" +
                lines + "</Orderregels></Order></Orders></Morvek>");
    }
    messages.clear();
    ASSERT_TRUE(files.openFile(path));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Informatie");
    EXPECT_EQ(messages.last().lines.mid(1, 2), (QStringList{"Regel 1: artikel OUDART", "Regel 2: maat 7,00 Mtr"}));

    // Scrolling every line through the rows and back changes nothing.
    QScrollBar* bar = screen.orderregelPositie();
    for (int i = 0; i < 12; ++i)
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    for (int i = 0; i < 12; ++i)
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(screen.currentSignature(), screen.savedSignature());

    // A first line the lists lack does not stop the save.
    EXPECT_EQ(files.buildOrderDocument(OrderFileActions::Build::Normal), OrderFileActions::Outcome::Done);
    const QByteArray saved = bytesOf(files.currentFile());
    EXPECT_TRUE(saved.contains("<OrderregelArtikel>OUDART</OrderregelArtikel>")) << saved.constData();
    EXPECT_TRUE(saved.contains("<OrderregelMaat>7,00 Mtr</OrderregelMaat>"));
    EXPECT_EQ(saved.count("<OrderregelArtikel>VB300</OrderregelArtikel>"), 7);
}

TEST_F(OrderActions, AnOrderForAnAddressTheProfileLacksIsNotSent)
{
    const QString path = ordersFile("Elders.Xml");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\"?><Morvek><Orders><Order Order=\"Order\"><OrderVerzendadres>77</OrderVerzendadres>"
                "<OrderOrderdatum>01-02-2025</OrderOrderdatum><OrderOrdernummer>ELDERS</OrderOrdernummer>"
                "<OrderReferentie>REFERENTIE-VAN-MEER-DAN-VEERTIG-TEKENS-LANG-1</OrderReferentie><Orderregels>"
                "<Orderregel Regel=\"0\"><OrderregelArtikel>OD67</OrderregelArtikel><OrderregelAantal>2</OrderregelAantal>"
                "<OrderregelStatus>000000100000</OrderregelStatus></Orderregel></Orderregels></Order></Orders></Morvek>");
    }
    ASSERT_TRUE(files.openFile(path));
    EXPECT_EQ(screen.ordervoor()->currentIndex(), -1);
    // Longer than the field lets the user type, and kept whole.
    EXPECT_EQ(screen.referentie()->text(), "REFERENTIE-VAN-MEER-DAN-VEERTIG-TEKENS-LANG-1");

    state.settings.emailVerzenden = "Ja";
    mailSettings(25);
    messages.clear();
    EXPECT_FALSE(send.verzenden());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_EQ(messages.last().lines.value(0), "Het verzendadres van deze order staat niet in uw profiel.");
    EXPECT_EQ(senderCalls, 0);

    // Saving keeps the address and the whole reference as they were read.
    EXPECT_EQ(files.buildOrderDocument(OrderFileActions::Build::Normal), OrderFileActions::Outcome::Done);
    const QByteArray saved = bytesOf(files.currentFile());
    EXPECT_TRUE(saved.contains("<OrderVerzendadres>77</OrderVerzendadres>")) << saved.constData();
    EXPECT_TRUE(saved.contains("REFERENTIE-VAN-MEER-DAN-VEERTIG-TEKENS-LANG-1"));
}
