#include "SmtpFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vonu::test {
namespace {

QString pythonPath()
{
    const QByteArray fromEnv = qgetenv("VONU_TEST_PYTHON");
    return fromEnv.isEmpty() ? QStringLiteral("/usr/bin/python3") : QString::fromLocal8Bit(fromEnv);
}

} // namespace

SmtpFixture::~SmtpFixture()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.closeWriteChannel();   // the server ends when stdin closes
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
}

QString SmtpFixture::caFile() const
{
    return dir_.filePath(QStringLiteral("cert.pem"));
}

bool SmtpFixture::makeCertificate()
{
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                   QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=localhost"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1,DNS:localhost"),
                   QStringLiteral("-keyout"), dir_.filePath(QStringLiteral("key.pem")),
                   QStringLiteral("-out"), caFile()});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) {
        error_ = QStringLiteral("openssl failed: ") + QString::fromLocal8Bit(openssl.readAllStandardError());
        return false;
    }
    return true;
}

bool SmtpFixture::start(const Options& options)
{
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return false;
    }
    QDir(dir_.path()).mkdir(QStringLiteral("out"));
    QStringList args{QStringLiteral(VONU_SOURCE_DIR "/tests/files/smtp_server.py"),
                     QStringLiteral("--out"), dir_.filePath(QStringLiteral("out"))};
    if (options.tls != Tls::None) {
        if (!makeCertificate())
            return false;
        args << QStringLiteral("--tls")
             << (options.tls == Tls::StartTls ? QStringLiteral("starttls") : QStringLiteral("implicit"))
             << QStringLiteral("--cert") << caFile() << QStringLiteral("--key")
             << dir_.filePath(QStringLiteral("key.pem"));
    }
    if (options.requireLogin)
        args << QStringLiteral("--user") << options.user << QStringLiteral("--password")
             << options.password;

    if (options.stallAfterData)
        args << QStringLiteral("--stall-after-data");
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(pythonPath(), args);
    if (!process_.waitForStarted(10000)) {
        error_ = QStringLiteral("cannot start ") + pythonPath();
        return false;
    }
    QByteArray output;
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        while (process_.canReadLine()) {
            const QByteArray line = process_.readLine();
            output += line;
            if (line.startsWith("READY ")) {
                port_ = line.mid(6).trimmed().toInt();
                if (port_ > 0)
                    return true;
            }
        }
        if (process_.state() == QProcess::NotRunning)
            break;
        process_.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    error_ = QStringLiteral("server not ready: ") + QString::fromLocal8Bit(output)
              + QString::fromLocal8Bit(process_.readAllStandardError());
    return false;
}

QList<ReceivedMail> SmtpFixture::received() const
{
    QList<ReceivedMail> result;
    const QDir out(dir_.filePath(QStringLiteral("out")));
    for (int n = 1;; ++n) {
        QFile meta(out.filePath(QStringLiteral("%1.json").arg(n)));
        QFile raw(out.filePath(QStringLiteral("%1.eml").arg(n)));
        if (!meta.open(QIODevice::ReadOnly) || !raw.open(QIODevice::ReadOnly))
            break;
        const QJsonObject o = QJsonDocument::fromJson(meta.readAll()).object();
        ReceivedMail mail;
        mail.raw = raw.readAll();
        mail.mailFrom = o.value(QStringLiteral("mail_from")).toString();
        for (const QJsonValue& v : o.value(QStringLiteral("rcpt_tos")).toArray())
            mail.rcptTos << v.toString();
        mail.loggedIn = !o.value(QStringLiteral("login")).isNull();
        mail.login = o.value(QStringLiteral("login")).toString();
        mail.tls = o.value(QStringLiteral("tls")).toBool();
        mail.subject = o.value(QStringLiteral("subject")).toString();
        mail.from = o.value(QStringLiteral("from")).toString();
        mail.to = o.value(QStringLiteral("to")).toString();
        mail.date = o.value(QStringLiteral("date")).toString();
        mail.messageId = o.value(QStringLiteral("message_id")).toString();
        mail.body = o.value(QStringLiteral("body")).toString().replace(QLatin1String("\r\n"), QLatin1String("\n"));
        for (const QJsonValue& v : o.value(QStringLiteral("defects")).toArray())
            mail.defects << v.toString();
        for (const QJsonValue& v : o.value(QStringLiteral("attachments")).toArray()) {
            const QJsonObject a = v.toObject();
            mail.attachments << ReceivedAttachment{
                a.value(QStringLiteral("filename")).toString(),
                a.value(QStringLiteral("content_type")).toString(),
                QByteArray::fromBase64(a.value(QStringLiteral("data")).toString().toLatin1())};
        }
        result << mail;
    }
    return result;
}

QByteArray SmtpFixture::stalled() const
{
    QFile f(dir_.filePath(QStringLiteral("out/stalled")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int SmtpFixture::unusedPort()
{
    // Bound and released again: nothing listens there afterwards, so a
    // connection is refused at once.
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
        port = ntohs(addr.sin_port);
    ::close(fd);
    return port;
}

} // namespace vonu::test
