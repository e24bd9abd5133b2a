#include "SmtpFixture.h"

#include "files/MimeMessage.h"
#include "files/SmtpMailSender.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

#include <QFile>
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
        options.requireLogin = true;
        options.user = c.user;
        options.password = c.ok ? c.password : QStringLiteral("goed");
        ASSERT_TRUE(server.start(options)) << server.error().toStdString();

        SmtpSettings settings = settingsFor(server);
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
