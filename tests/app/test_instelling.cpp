#include "base/IniFile.h"
#include "app/VonuOrderInstelling.h"
#include "support/FakeKeychain.h"
#include "support/ScriptedMessages.h"
#include "support/ModalDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace vonu;

namespace {

LocalSettings stored()
{
    LocalSettings s;
    s.emailAdres = "inkoop@klant.nl";
    s.serverNaam = "mail.klant.nl";
    s.serverPoort = 587;
    s.serverGebruiker = "inkoop";
    s.serverWachtwoord = "g\\eheim";
    return s;
}

void whenModal(std::function<void(TVonuOrderInstellingscherm*)> action)
{
    test::whenModal<TVonuOrderInstellingscherm>([action](TVonuOrderInstellingscherm& s) { action(&s); });
}

} // namespace

TEST(Instellingscherm, ShowsTheSettingsUnderTheirLabels)
{
    TVonuOrderInstellingscherm screen(stored());
    EXPECT_EQ(screen.windowTitle(), "Instellingen");
    EXPECT_EQ(screen.size(), QSize(423, 168));
    EXPECT_EQ(screen.minimumSize(), screen.maximumSize());
    EXPECT_TRUE(screen.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(screen.StatusBar->geometry().bottom(), 167);
    EXPECT_EQ(screen.StatusBar->findChildren<QLabel*>().size(), 1);
    EXPECT_EQ(screen.Ok->text(), "&Ok");

    EXPECT_TRUE(screen.EmailVerzenden->isChecked());
    EXPECT_EQ(screen.EmailAdres->text(), "inkoop@klant.nl");
    EXPECT_EQ(screen.ServerNaam->text(), "mail.klant.nl");
    EXPECT_EQ(screen.ServerPoort->text(), "587");
    EXPECT_EQ(screen.ServerGebruiker->text(), "inkoop");
    EXPECT_EQ(screen.ServerWachtwoord->text(), "g\\eheim");
    EXPECT_EQ(screen.ServerWachtwoord->echoMode(), QLineEdit::Password);
    EXPECT_EQ(screen.statusText(), "");

    const struct {
        QWidget* field;
        const char* label;
        const char* text;
    } labels[] = {
        {screen.K_EmailVerzenden, "L_EmailVerzenden", "eMail gebruiken voor orders en offerte's"},
        {screen.EmailAdres, "L_EmailAdres", "Uw emailadres (verplicht)"},
        {screen.ServerNaam, "L_ServerNaam", "SMTP Servernaam (verplicht)"},
        {screen.ServerPoort, "L_ServerPoort", "SMTP Serverpoort (verplicht, meestal 25)"},
        {screen.ServerGebruiker, "L_ServerGebruiker", "SMTP Gebruikersnaam (niet altijd verplicht)"},
        {screen.ServerWachtwoord, "L_ServerWachtwoord", "SMTP Wachtwoord (niet altijd verplicht)"},
    };
    for (const auto& l : labels) {
        auto* label = screen.findChild<QLabel*>(l.label);
        ASSERT_NE(label, nullptr) << l.label;
        EXPECT_EQ(label->text(), QString::fromUtf8(l.text));
        EXPECT_LE(label->geometry().bottom(), l.field->y()) << l.label;
        EXPECT_EQ(label->x(), l.field->x()) << l.label;
        EXPECT_LE(l.field->geometry().bottom(), screen.StatusBar->y()) << l.label;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << l.label;
    }

    // Nothing covers anything else, and everything lies inside the client area.
    QList<QWidget*> parts = {screen.Ok, screen.StatusBar};
    for (const auto& l : labels)
        parts << l.field << screen.findChild<QLabel*>(l.label);
    for (int i = 0; i < parts.size(); ++i) {
        EXPECT_TRUE(screen.rect().contains(parts[i]->geometry())) << i;
        for (int j = i + 1; j < parts.size(); ++j)
            EXPECT_FALSE(parts[i]->geometry().intersects(parts[j]->geometry()))
                << parts[i]->objectName().toStdString() << " / " << parts[j]->objectName().toStdString();
    }
}

TEST(Instellingscherm, EnterWalksTheFieldsAndClosesAfterThePassword)
{
    TVonuOrderInstellingscherm screen(stored());
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    const QList<QWidget*> order = {screen.EmailVerzenden, screen.EmailAdres,      screen.ServerNaam,
                                   screen.ServerPoort,    screen.ServerGebruiker, screen.ServerWachtwoord};
    order.first()->setFocus();
    for (int i = 0; i + 1 < order.size(); ++i) {
        ASSERT_TRUE(order[i]->hasFocus()) << i;
        QTest::keyClick(order[i], i % 2 ? Qt::Key_Enter : Qt::Key_Return);
        EXPECT_TRUE(screen.isVisible()) << i;
    }
    ASSERT_TRUE(screen.ServerWachtwoord->hasFocus());
    QTest::keyClick(screen.ServerWachtwoord, Qt::Key_Return);
    EXPECT_FALSE(screen.isVisible());
}

TEST(Instellingscherm, CheckBoxFrameShowsWhereTheFocusIs)
{
    TVonuOrderInstellingscherm screen(stored());
    auto frameColour = [&] { return screen.K_EmailVerzenden->palette().color(QPalette::Window); };
    EXPECT_EQ(frameColour(), QColor(Qt::white));
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    screen.EmailVerzenden->setFocus();
    EXPECT_EQ(frameColour(), screen.palette().color(QPalette::Active, QPalette::Highlight));
    EXPECT_NE(frameColour(), QColor(Qt::white));
    screen.EmailAdres->setFocus();
    EXPECT_EQ(frameColour(), QColor(Qt::white));
}

TEST(Instellingscherm, EditedSettingsTakeThePositionAndConvertThePort)
{
    TVonuOrderInstellingscherm screen(stored());
    screen.EmailVerzenden->setChecked(false);
    screen.ServerPoort->setText("abc");
    screen.EmailAdres->clear();
    const LocalSettings s = screen.edited(QPoint(40, 75));
    EXPECT_EQ(s.links, 40);
    EXPECT_EQ(s.boven, 75);
    EXPECT_EQ(s.emailVerzenden, "Nee");
    EXPECT_EQ(s.serverPoort, 0);
    EXPECT_EQ(s.emailAdres, ""); // advice only: empty fields are accepted
    EXPECT_EQ(s.serverWachtwoord, "g\\eheim");
    EXPECT_EQ(verzendenCaption(s), "Afd&rukken en bewaren");
}

TEST(Instellingscherm, EveryWayOfClosingWritesTheFile)
{
    const struct {
        const char* name;
        std::function<void(TVonuOrderInstellingscherm*)> close;
        const char* port;
        const char* verzenden;
    } cases[] = {
        {"unchanged, Escape", [](auto* s) { QTest::keyClick(s, Qt::Key_Escape); }, "587", "Ja"},
        {"Ok button after edits",
         [](auto* s) {
             s->EmailVerzenden->setChecked(false);
             s->ServerPoort->setText("abc");
             QTest::mouseClick(s->Ok, Qt::LeftButton);
         },
         "0", "Nee"},
        {"close box", [](auto* s) { s->close(); }, "587", "Ja"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("MorvekVonu.Ini");
        test::ScriptedMessages messages;
        test::FakeKeychain noKeychain;
        noKeychain.available = false;
        LocalSettingsStore store(path, noKeychain);
        LocalSettings settings = stored();
        whenModal(c.close);
        EXPECT_TRUE(runSettingsScreen(settings, store, QPoint(12, 34), messages));
        EXPECT_EQ(messages.count(), 0);
        EXPECT_EQ(settings.emailVerzenden, c.verzenden);

        const IniFile ini = IniFile::load(path);
        EXPECT_EQ(ini.value("Scherm", "Boven"), "34");
        EXPECT_EQ(ini.value("Scherm", "Links"), "12");
        EXPECT_EQ(ini.value("Email", "EmailVerzenden"), c.verzenden);
        EXPECT_EQ(ini.value("Smtp", "ServerPoort"), c.port);
        EXPECT_EQ(ini.value("Smtp", "ServerWachtwoord"), "g\\eheim");
    }
}

TEST(Instellingscherm, FailedWriteIsReportedAndKeepsTheEdits)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("MorvekVonu.Ini");
    ASSERT_TRUE(QDir(dir.path()).mkdir("MorvekVonu.Ini"));
    test::ScriptedMessages messages;
    test::FakeKeychain noKeychain;
    noKeychain.available = false;
    LocalSettingsStore store(path, noKeychain);
    LocalSettings settings = stored();
    whenModal([](auto* s) {
        s->ServerNaam->setText("smtp.nieuw.nl");
        QTest::keyClick(s, Qt::Key_Escape);
    });
    EXPECT_FALSE(runSettingsScreen(settings, store, QPoint(), messages));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.last().caption, "Fout");
    EXPECT_EQ(messages.last().buttons, QStringList{"OK"});
    EXPECT_EQ(settings.serverNaam, "smtp.nieuw.nl");
}

TEST(Instellingscherm, ThePasswordGoesToTheKeychainAndTheScreenSaysWhenThereIsNone)
{
    const struct {
        const char* name;
        bool available;
        bool refuses;
        const char* fileAfter;
        const char* status;
        const char* warning;  // first line of a "Waarschuwing", or nullptr
    } cases[] = {
        {"keychain", true, false, "", "", nullptr},
        {"no keychain", false, false, "g\\eheim",
         "Geen wachtwoordkluis: het wachtwoord staat leesbaar in MorvekVonu.Ini.", nullptr},
        {"keychain refuses", true, true, "g\\eheim", "",
         "Het wachtwoord kon niet in de wachtwoordkluis worden bewaard."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("MorvekVonu.Ini");
        test::ScriptedMessages messages;
        test::FakeKeychain keychain;
        keychain.available = c.available;
        keychain.refuseWrites = c.refuses;
        LocalSettingsStore store(path, keychain);
        LocalSettings settings = stored();
        QString status;
        bool fits = false;
        whenModal([&](TVonuOrderInstellingscherm* s) {
            status = s->statusText();
            auto* label = s->StatusBar->findChild<QLabel*>();
            fits = label && label->fontMetrics().horizontalAdvance(status) <= label->width();
            QTest::keyClick(s, Qt::Key_Escape);
        });
        EXPECT_TRUE(runSettingsScreen(settings, store, QPoint(), messages));
        EXPECT_EQ(status, QString::fromUtf8(c.status));
        EXPECT_TRUE(fits) << status.toStdString();
        EXPECT_EQ(IniFile::load(path).value("Smtp", "ServerWachtwoord"), c.fileAfter);
        EXPECT_EQ(settings.serverWachtwoord, "g\\eheim");  // the session keeps using it
        EXPECT_EQ(keychain.entries.value(LocalSettingsStore::keyOf(settings)), c.fileAfter[0] ? "" : "g\\eheim");
        if (c.warning) {
            ASSERT_EQ(messages.count(), 1);
            EXPECT_EQ(messages.last().caption, "Waarschuwing");
            EXPECT_EQ(messages.last().lines.value(0), QString::fromUtf8(c.warning));
            EXPECT_EQ(messages.last().lines.value(2), "Access denied");
        } else {
            EXPECT_EQ(messages.count(), 0);
        }
    }
}

TEST(Instellingscherm, EmptyingThePasswordRemovesItFromTheKeychain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("MorvekVonu.Ini");
    test::FakeKeychain keychain;
    LocalSettings settings = stored();
    settings.serverWachtwoord.clear();
    ASSERT_TRUE(saveLocalSettings(path, settings));
    keychain.entries.insert(LocalSettingsStore::keyOf(settings), "g\\eheim");
    LocalSettingsStore store(path, keychain);
    ASSERT_TRUE(store.load(&settings));
    ASSERT_EQ(settings.serverWachtwoord, "g\\eheim");

    test::ScriptedMessages messages;
    whenModal([](auto* s) {
        s->ServerWachtwoord->clear();
        QTest::keyClick(s, Qt::Key_Escape);
    });
    EXPECT_TRUE(runSettingsScreen(settings, store, QPoint(), messages));
    EXPECT_TRUE(keychain.entries.isEmpty());
    EXPECT_EQ(settings.serverWachtwoord, "");
}

TEST(Instellingscherm, ASettingTheScreenDoesNotShowSurvivesIt)
{
    LocalSettings s = stored();
    s.serverCertificaat = "/etc/ssl/relay.pem";
    TVonuOrderInstellingscherm screen(s);
    screen.ServerNaam->setText("smtp.nieuw.nl");
    const LocalSettings edited = screen.edited(QPoint());
    EXPECT_EQ(edited.serverCertificaat, "/etc/ssl/relay.pem");
    EXPECT_EQ(edited.serverNaam, "smtp.nieuw.nl");
}
