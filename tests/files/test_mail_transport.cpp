#include "SmtpFixture.h"

#include "files/MailProgress.h"
#include "files/MailSettings.h"
#include "files/MimeMessage.h"
#include "files/SmtpMailSender.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QTemporaryDir>
#include <QTimeZone>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace vonu;
using vonu::test::SmtpFixture;

namespace {

// The Date header of these mails is not under test.
const SystemClock anyClock;


QByteArray allBytes()
{
    QByteArray data;
    for (int i = 0; i < 256; ++i)
        data += char(i);
    return data + "<?xml version=\"1.0\"?>\r\n<Morvek/>\n";
}

MailMessage orderMail()
{
    MailMessage m;
    m.sender = QStringLiteral("klant@example.nl");
    m.recipients = QStringLiteral(" orders@morvek.example , kopie@morvek.example,");
    m.subject = QStringLiteral("VonuOrder 12345 Ørdér – “één” ");
    m.bodyLines = {QStringLiteral("Order voor  : Bouwbedrijf Müller"),
                   QStringLiteral("Orderdatum  : 09-12-2024"), QStringLiteral("Ordernummer : A-17"),
                   QStringLiteral("Referentie  : .begint met punt en eindigt met blank ")};
    m.attachments << MailAttachment{QStringLiteral("12345_09_12_2024_14_05_03.Xml"),
                                    QStringLiteral("application/xml"), allBytes()};
    return m;
}

QDateTime fixedTime()
{
    return QDateTime(QDate(2024, 12, 9), QTime(14, 5, 3), QTimeZone(3600));
}

SmtpSettings settingsFor(const SmtpFixture& server)
{
    SmtpSettings s;
    s.host = QStringLiteral("127.0.0.1");
    s.port = server.port();
    s.timeoutSeconds = 20;
    return s;
}

} // namespace

// --- composition -------------------------------------------------------------

TEST(MimeHeader, PlainAsciiStaysReadableOtherTextIsEncodedInWholeCharacters)
{
    EXPECT_EQ(mime::encodeHeaderText(QStringLiteral("VonuOrder 12345 A-17 ref")),
              QByteArray("VonuOrder 12345 A-17 ref"));
    // "=?" would start an encoded word, so it is encoded itself.
    EXPECT_TRUE(mime::encodeHeaderText(QStringLiteral("a =?b")).startsWith("=?UTF-8?B?"));

    const QString longText = QString(40, QChar(0x00e9)) + QStringLiteral("€𝄞") + QString(30, QChar('x'));
    const QByteArray encoded = mime::encodeHeaderText(longText);
    QString decoded;
    for (const QByteArray& line : encoded.split('\n')) {
        const QByteArray word = line.trimmed();
        ASSERT_LE(word.size(), 75) << word.constData();
        ASSERT_TRUE(word.startsWith("=?UTF-8?B?") && word.endsWith("?="));
        // Each word on its own must be valid UTF-8: no character split over two words.
        const QByteArray bytes = QByteArray::fromBase64(word.mid(10, word.size() - 12));
        const QString part = QString::fromUtf8(bytes);
        ASSERT_EQ(part.toUtf8(), bytes);
        ASSERT_FALSE(part.contains(QChar::ReplacementCharacter));
        decoded += part;
    }
    EXPECT_EQ(decoded, longText);
}

TEST(MimeHeader, LineBreaksInTypedTextsCannotAddHeaders)
{
    MailMessage m = orderMail();
    m.subject = QStringLiteral("Order\r\nBcc: stiekem@example.org");
    m.sender = QStringLiteral("klant@example.nl\nX-Evil: 1");
    const QByteArray raw = mime::compose(m, fixedTime(), "id@example.nl");
    const QByteArray headers = raw.left(raw.indexOf("\r\n\r\n"));
    for (const QByteArray& line : headers.split('\n')) {
        EXPECT_FALSE(line.startsWith("Bcc:"));
        EXPECT_FALSE(line.startsWith("X-Evil:"));
    }
}

TEST(MimeBody, QuotedPrintableCases)
{
    struct Case {
        QString line;
        QByteArray expected;
    };
    const Case cases[] = {
        {QStringLiteral("a=b"), "a=3Db\r\n"},
        {QStringLiteral("eind "), "eind=20\r\n"},
        {QStringLiteral("tab\t"), "tab=09\r\n"},
        {QStringLiteral("één"), "=C3=A9=C3=A9n\r\n"},
        {QStringLiteral(".punt"), "=2Epunt\r\n"},
        {QStringLiteral(""), "\r\n"},
        {QStringLiteral("twee\nregels"), "twee\r\nregels\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mime::quotedPrintable({c.line}), c.expected) << c.line.toStdString();

    // Long lines are broken softly, never beyond 76 characters, and an
    // escape is never cut in half.
    const QString longLine = QString(100, QChar('a')) + QString(50, QChar(0x00e9));
    const QByteArray qp = mime::quotedPrintable({longLine});
    QByteArray joined;
    for (const QByteArray& line : qp.split('\n')) {
        QByteArray l = line;
        if (l.endsWith('\r'))
            l.chop(1);
        EXPECT_LE(l.size(), 76);
        if (l.endsWith('='))
            l.chop(1);
        joined += l;
    }
    EXPECT_EQ(QString::fromUtf8(QByteArray::fromPercentEncoding(joined.replace('=', '%'))), longLine);
}

TEST(MimeMessage, DateIsEnglishWithOffsetAndEveryLineEndsInCrlf)
{
    EXPECT_EQ(mime::rfc5322Date(fixedTime()), QByteArray("Mon, 09 Dec 2024 14:05:03 +0100"));
    EXPECT_EQ(mime::rfc5322Date(QDateTime(QDate(2025, 7, 6), QTime(1, 2, 3), QTimeZone(-9000))),
              QByteArray("Sun, 06 Jul 2025 01:02:03 -0230"));

    const QByteArray raw = mime::compose(orderMail(), fixedTime(), "x@example.nl");
    EXPECT_TRUE(raw.endsWith("\r\n"));
    for (qsizetype i = raw.indexOf('\n'); i >= 0; i = raw.indexOf('\n', i + 1))
        ASSERT_EQ(raw.at(i - 1), '\r') << "bare LF at " << i;
    for (const QByteArray& line : raw.split('\n'))
        EXPECT_LE(line.size(), 78) << line.constData();
}

TEST(MailAddresses, RecipientsAreSplitOnCommasAndTrimmed)
{
    EXPECT_EQ(splitRecipients(QStringLiteral(" a@x.nl ,b@y.nl,, ")),
              (QStringList{QStringLiteral("a@x.nl"), QStringLiteral("b@y.nl")}));
    EXPECT_TRUE(splitRecipients(QStringLiteral(" , ")).isEmpty());
    EXPECT_EQ(bareAddress(QStringLiteral("Morvek Orders <orders@morvek.example>")),
              QStringLiteral("orders@morvek.example"));
    EXPECT_EQ(bareAddress(QStringLiteral(" a@x.nl ")), QStringLiteral("a@x.nl"));
}

TEST(MailAttachmentFile, MissingFileGivesAnErrorText)
{
    QTemporaryDir dir;
    MailAttachment a;
    QString error;
    EXPECT_FALSE(loadAttachment(dir.filePath(QStringLiteral("weg.Xml")), {}, a, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("weg.Xml"))) << error.toStdString();

    QFile f(dir.filePath(QStringLiteral("order.Xml")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(allBytes());
    f.close();
    ASSERT_TRUE(loadAttachment(f.fileName(), QStringLiteral("application/xml"), a, &error));
    EXPECT_EQ(a.fileName, QStringLiteral("order.Xml"));
    EXPECT_EQ(a.data, allBytes());
}

// --- delivery to a real server on loopback -----------------------------------

TEST(SmtpDelivery, OrderMailArrivesIntactWithoutLogin)
{
    SmtpFixture server;
    ASSERT_TRUE(server.start({})) << server.error().toStdString();
    test::FixedClock clock(fixedTime());
    SmtpMailSender sender(settingsFor(server), clock);
    EXPECT_FALSE(sender.usesLogin());

    const MailMessage message = orderMail();
    const MailResult result = sender.send(message);
    ASSERT_TRUE(result.ok) << result.error.toStdString();

    const auto mails = server.received();
    ASSERT_EQ(mails.size(), 1);
    const auto& mail = mails.front();
    EXPECT_EQ(mail.mailFrom, QStringLiteral("klant@example.nl"));
    EXPECT_EQ(mail.rcptTos,
              (QStringList{QStringLiteral("orders@morvek.example"), QStringLiteral("kopie@morvek.example")}));
    EXPECT_FALSE(mail.loggedIn);
    EXPECT_TRUE(mail.defects.isEmpty()) << mail.defects.join(',').toStdString();
    EXPECT_EQ(mail.subject, message.subject);
    EXPECT_EQ(mail.from, QStringLiteral("klant@example.nl"));
    EXPECT_EQ(mail.to, QStringLiteral("orders@morvek.example, kopie@morvek.example"));
    EXPECT_EQ(mail.date, QStringLiteral("Mon, 09 Dec 2024 14:05:03 +0100"));
    EXPECT_TRUE(mail.messageId.startsWith('<') && mail.messageId.endsWith(QStringLiteral("@example.nl>")))
        << mail.messageId.toStdString();
    EXPECT_EQ(mail.body.toStdString(), (message.bodyLines.join('\n') + '\n').toStdString());
    ASSERT_EQ(mail.attachments.size(), 1);
    EXPECT_EQ(mail.attachments[0].fileName, QStringLiteral("12345_09_12_2024_14_05_03.Xml"));
    EXPECT_EQ(mail.attachments[0].contentType, QStringLiteral("application/xml"));
    EXPECT_EQ(mail.attachments[0].data, allBytes());
}

TEST(SmtpDelivery, EachMessageGetsItsOwnMessageId)
{
    SmtpFixture server;
    ASSERT_TRUE(server.start({})) << server.error().toStdString();
    SmtpMailSender sender(settingsFor(server), anyClock);
    MailMessage m = orderMail();
    m.attachments.clear();
    ASSERT_TRUE(sender.send(m).ok);
    ASSERT_TRUE(sender.send(m).ok);
    const auto mails = server.received();
    ASSERT_EQ(mails.size(), 2);
    EXPECT_NE(mails[0].messageId, mails[1].messageId);
    EXPECT_EQ(mails[1].body.toStdString(), (m.bodyLines.join('\n') + '\n').toStdString());
    EXPECT_TRUE(mails[1].attachments.isEmpty());
}

TEST(SmtpLogin, LoginCases)
{
    struct Case {
        const char* name;
        QString user;
        QString password;
        bool ok;
    };
    const Case cases[] = {
        {"user and password", QStringLiteral("klant"), QStringLiteral("gEh€im"), true},
        {"only a password", QString(), QStringLiteral("alleenwachtwoord"), true},
        {"wrong password", QStringLiteral("klant"), QStringLiteral("fout"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SmtpFixture server;
        SmtpFixture::Options options;
        options.tls = SmtpFixture::Tls::StartTls;
        options.requireLogin = true;
        options.user = c.user;
        options.password = c.ok ? c.password : QStringLiteral("goed");
        ASSERT_TRUE(server.start(options)) << server.error().toStdString();

        SmtpSettings settings = settingsFor(server);
        settings.caFile = server.caFile();
        settings.user = c.user;
        settings.password = c.password;
        SmtpMailSender sender(settings, anyClock);
        EXPECT_TRUE(sender.usesLogin());
        const MailResult result = sender.send(orderMail());
        EXPECT_EQ(result.ok, c.ok) << result.error.toStdString();
        const auto mails = server.received();
        if (c.ok) {
            ASSERT_EQ(mails.size(), 1);
            EXPECT_TRUE(mails[0].loggedIn);
            EXPECT_EQ(mails[0].login, c.user);
        } else {
            EXPECT_TRUE(mails.isEmpty());
            EXPECT_TRUE(result.error.contains(QStringLiteral("535"))) << result.error.toStdString();
            EXPECT_EQ(result.kind, MailResult::Failure::Login);
        }
    }
}

TEST(SmtpLogin, NoCredentialsMeansNoLoginAndARefusalIsReported)
{
    SmtpFixture server;
    SmtpFixture::Options options;
    options.requireLogin = true;
    options.user = QStringLiteral("klant");
    options.password = QStringLiteral("geheim");
    ASSERT_TRUE(server.start(options)) << server.error().toStdString();
    const MailResult result = SmtpMailSender(settingsFor(server), anyClock).send(orderMail());
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("530"))) << result.error.toStdString();
    EXPECT_TRUE(server.received().isEmpty());
}

TEST(SmtpFailure, ServerDownIsReportedWithLibcurlsText)
{
    SmtpSettings s;
    s.host = QStringLiteral("127.0.0.1");
    s.port = SmtpFixture::unusedPort();
    s.timeoutSeconds = 10;
    const MailResult result = SmtpMailSender(s, anyClock).send(orderMail());
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("onnect"))) << result.error.toStdString();
}

TEST(SmtpFailure, ASilentServerRunsIntoTheTimeOut)
{
    // Accepts connections (through the backlog) but never greets.
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_EQ(::listen(fd, 4), 0);
    ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len), 0);

    SmtpSettings s;
    s.host = QStringLiteral("127.0.0.1");
    s.port = ntohs(addr.sin_port);
    s.timeoutSeconds = 1;
    const MailResult result = SmtpMailSender(s, anyClock).send(orderMail());
    ::close(fd);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("timed out"))) << result.error.toStdString();
}

TEST(SmtpFailure, IncompleteSettingsAreRefusedBeforeConnecting)
{
    SmtpSettings s;
    s.host = QStringLiteral("127.0.0.1");
    s.port = 0;
    EXPECT_FALSE(SmtpMailSender(s, anyClock).send(orderMail()).ok);
    s.port = 25;
    MailMessage m = orderMail();
    m.recipients = QStringLiteral(" , ");
    const MailResult noRecipient = SmtpMailSender(s, anyClock).send(m);
    EXPECT_FALSE(noRecipient.ok);
    EXPECT_FALSE(noRecipient.error.isEmpty());
}

TEST(SmtpTls, StartTlsIsUsedWhenOfferedAndTheCertificateIsChecked)
{
    SmtpFixture server;
    SmtpFixture::Options options;
    options.tls = SmtpFixture::Tls::StartTls;
    options.requireLogin = true;
    options.user = QStringLiteral("klant");
    options.password = QStringLiteral("geheim");
    ASSERT_TRUE(server.start(options)) << server.error().toStdString();

    SmtpSettings settings = settingsFor(server);
    settings.user = options.user;
    settings.password = options.password;

    // Without the throwaway CA the self-signed certificate is refused and
    // the password is never sent.
    const MailResult untrusted = SmtpMailSender(settings, anyClock).send(orderMail());
    EXPECT_FALSE(untrusted.ok);
    EXPECT_TRUE(untrusted.error.contains(QStringLiteral("certificate"), Qt::CaseInsensitive))
        << untrusted.error.toStdString();
    EXPECT_TRUE(server.received().isEmpty());

    settings.caFile = server.caFile();
    const MailResult trusted = SmtpMailSender(settings, anyClock).send(orderMail());
    ASSERT_TRUE(trusted.ok) << trusted.error.toStdString();
    const auto mails = server.received();
    ASSERT_EQ(mails.size(), 1);
    EXPECT_TRUE(mails[0].tls);
    EXPECT_TRUE(mails[0].loggedIn);
    EXPECT_EQ(mails[0].attachments.value(0).data, allBytes());
}

TEST(SmtpTls, ImplicitTlsFromTheFirstByte)
{
    SmtpFixture server;
    SmtpFixture::Options options;
    options.tls = SmtpFixture::Tls::Implicit;
    ASSERT_TRUE(server.start(options)) << server.error().toStdString();

    SmtpSettings settings = settingsFor(server);
    settings.caFile = server.caFile();
    settings.tls = SmtpSettings::Tls::Implicit;
    const MailResult result = SmtpMailSender(settings, anyClock).send(orderMail());
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    const auto mails = server.received();
    ASSERT_EQ(mails.size(), 1);
    EXPECT_TRUE(mails[0].tls);

    // A plain client against the TLS port does not deliver anything.
    settings.tls = SmtpSettings::Tls::StartTls;
    settings.timeoutSeconds = 1;
    EXPECT_FALSE(SmtpMailSender(settings, anyClock).send(orderMail()).ok);
    EXPECT_EQ(server.received().size(), 1);
}

TEST(SmtpLogin, APasswordNeverCrossesTheNetworkInClear)
{
    // The server offers AUTH on a plain connection and no STARTTLS.
    SmtpFixture server;
    SmtpFixture::Options options;
    options.requireLogin = true;
    options.user = QStringLiteral("klant");
    options.password = QStringLiteral("geheim");
    ASSERT_TRUE(server.start(options)) << server.error().toStdString();
    SmtpSettings settings = settingsFor(server);
    settings.user = options.user;
    settings.password = options.password;
    const MailResult result = SmtpMailSender(settings, anyClock).send(orderMail());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.kind, MailResult::Failure::NoTls) << result.error.toStdString();
    EXPECT_FALSE(result.mayHaveArrived);
    EXPECT_EQ(mailFailureLines(result).value(0), QStringLiteral("De mailserver biedt geen beveiligde verbinding;"));
    EXPECT_TRUE(server.received().isEmpty());
}

TEST(SmtpAddresses, ControlCharactersInAnAddressNeverReachTheEnvelope)
{
    struct Case {
        const char* name;
        QString sender;
        QString recipients;
    };
    const Case cases[] = {
        {"CR LF in the order mailbox", QStringLiteral("klant@example.nl"),
         QStringLiteral("orders@morvek.example>\r\nRCPT TO:<stiekem@example.org")},
        {"bare LF in the sender", QStringLiteral("klant@example.nl\nRCPT TO:<stiekem@example.org>"),
         QStringLiteral("orders@morvek.example")},
        {"NUL in a second recipient", QStringLiteral("klant@example.nl"),
         QStringLiteral("orders@morvek.example, a") + QChar(0) + QStringLiteral("@b.nl")},
        {"blank inside the address", QStringLiteral("klant@example.nl"), QStringLiteral("orders @morvek.example")},
        {"no address at all", QStringLiteral("Klant <>"), QStringLiteral("orders@morvek.example")},
    };
    SmtpFixture server;
    ASSERT_TRUE(server.start({})) << server.error().toStdString();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MailMessage m = orderMail();
        m.sender = c.sender;
        m.recipients = c.recipients;
        EXPECT_FALSE(firstUnsafeAddress(m.sender, m.recipients).isNull());
        const MailResult result = SmtpMailSender(settingsFor(server), anyClock).send(m);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.kind == MailResult::Failure::Address || result.kind == MailResult::Failure::Settings)
            << result.error.toStdString();
        EXPECT_FALSE(result.error.contains(QLatin1Char('\n')));
    }
    EXPECT_TRUE(server.received().isEmpty());

    EXPECT_TRUE(firstUnsafeAddress(QStringLiteral("Jan Müller <jan@example.nl>"),
                                   QStringLiteral("a@x.nl, \"Morvek Orders\" <b@y.nl>"))
                    .isNull());
}

TEST(SmtpAddresses, ANonAsciiSenderNameKeepsItsAddressVisible)
{
    SmtpFixture server;
    ASSERT_TRUE(server.start({})) << server.error().toStdString();
    MailMessage m = orderMail();
    m.sender = QStringLiteral("Bouwbedrijf Müller & Zn. <inkoop@mueller.example>");
    m.recipients = QStringLiteral("Morvek Orders <orders@morvek.example>");
    ASSERT_TRUE(SmtpMailSender(settingsFor(server), anyClock).send(m).ok);
    const auto mails = server.received();
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(mails[0].mailFrom, QStringLiteral("inkoop@mueller.example"));
    EXPECT_EQ(mails[0].from, QStringLiteral("\"Bouwbedrijf Müller & Zn.\" <inkoop@mueller.example>"));
    EXPECT_EQ(mails[0].to, QStringLiteral("Morvek Orders <orders@morvek.example>"));
    EXPECT_TRUE(mails[0].defects.isEmpty()) << mails[0].defects.join(',').toStdString();
    // The address itself is never inside an encoded word.
    EXPECT_TRUE(mails[0].raw.contains("<inkoop@mueller.example>"));
}

TEST(SmtpFailure, AServerSilentAfterTheDataEndsOnTheResponseTimeOutAndMayHaveTheMessage)
{
    SmtpFixture server;
    SmtpFixture::Options options;
    options.stallAfterData = true;
    ASSERT_TRUE(server.start(options)) << server.error().toStdString();
    SmtpSettings settings = settingsFor(server);
    settings.timeoutSeconds = 60;
    settings.responseSeconds = 2;
    QElapsedTimer clock;
    clock.start();
    const MailResult result = SmtpMailSender(settings, anyClock).send(orderMail());
    EXPECT_LT(clock.elapsed(), 15000);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.kind, MailResult::Failure::Timeout) << result.error.toStdString();
    EXPECT_TRUE(result.mayHaveArrived);
    EXPECT_FALSE(server.stalled().isEmpty());
    const QStringList lines = mailFailureLines(result);
    EXPECT_EQ(lines.value(0), QStringLiteral("De mailserver antwoordt niet meer (time-out)."));
    EXPECT_TRUE(lines.join('\n').contains(QStringLiteral("kan toch zijn aangekomen")));
    // The technical text comes last, below the Dutch lines.
    EXPECT_EQ(lines.last(), result.error);
}

TEST(SmtpFailure, EachFailureLeadsWithADutchLine)
{
    struct Case {
        MailResult::Failure kind;
        const char* first;
    };
    const Case cases[] = {
        {MailResult::Failure::Unreachable, "De mailserver is niet bereikbaar."},
        {MailResult::Failure::Login, "De mailserver weigert de gebruikersnaam of het wachtwoord."},
        {MailResult::Failure::Certificate, "Het certificaat van de mailserver wordt niet vertrouwd."},
        {MailResult::Failure::Refused, "De mailserver weigert het bericht."},
        {MailResult::Failure::Cancelled, "Het verzenden is afgebroken."},
        {MailResult::Failure::Other, "Het verzenden is mislukt."},
    };
    for (const Case& c : cases) {
        const QStringList lines = mailFailureLines(MailResult::failure(QStringLiteral("Couldn't connect"), c.kind));
        EXPECT_EQ(lines.value(0), QString::fromUtf8(c.first));
        EXPECT_EQ(lines.last(), QStringLiteral("Couldn't connect"));
        EXPECT_LE(lines.size(), 10);
    }
    // A server that is down, for real.
    SmtpSettings s;
    s.host = QStringLiteral("127.0.0.1");
    s.port = SmtpFixture::unusedPort();
    EXPECT_EQ(SmtpMailSender(s, anyClock).send(orderMail()).kind, MailResult::Failure::Unreachable);
}

TEST(SmtpProgress, TheScreenStaysAliveAndCancelStopsASilentServer)
{
    SmtpFixture server;
    SmtpFixture::Options options;
    options.stallAfterData = true;
    ASSERT_TRUE(server.start(options)) << server.error().toStdString();
    SmtpSettings settings = settingsFor(server);
    settings.timeoutSeconds = 120;
    settings.responseSeconds = 120;
    SmtpMailSender sender(settings, anyClock);

    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(50);
    // Looked at while it is up: the dialog is gone once the send returns.
    bool seen = false;
    bool modal = false;
    QTimer::singleShot(1500, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("Verzendvoortgang") && w->isVisible()) {
                seen = true;
                modal = w->windowModality() == Qt::ApplicationModal;
                if (auto* button = w->findChild<QPushButton*>(QStringLiteral("Annuleren")))
                    button->click();
            }
    });
    QElapsedTimer clock;
    clock.start();
    const MailResult result = sendWithProgress(sender, orderMail(), QStringLiteral("Order wordt verzonden..."), nullptr);
    EXPECT_LT(clock.elapsed(), 10000);
    ASSERT_TRUE(seen);
    EXPECT_TRUE(modal);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.kind, MailResult::Failure::Cancelled) << result.error.toStdString();
    EXPECT_TRUE(result.mayHaveArrived);
    EXPECT_GT(ticks, 15);  // the event loop ran all the while
}
