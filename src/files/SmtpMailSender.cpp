#include "files/SmtpMailSender.h"

#include "base/Platform.h"
#include "base/Text.h"
#include "files/MimeMessage.h"

#include <curl/curl.h>

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <memory>

#include <sys/socket.h>
#include <unistd.h>

namespace vonu {
namespace {

namespace Tekst {
const char* const GeenOntvanger = "Geen ontvanger opgegeven.";
const char* const GeenAfzender = "Geen afzender opgegeven.";
const char* const GeenServer = "Geen geldige SMTP-server opgegeven.";
const char* const GeenVerbinding = "De e-mailverbinding kan niet worden opgezet.";
const char* const GeenGeheugen = "Onvoldoende geheugen.";
const char* const ServerAntwoord = " (server: %1)";
const char* const OngeldigAdres = "Ongeldig e-mailadres: %1";
const char* const CertificaatOnleesbaar = "Certificaatbestand %1 kan niet gelezen worden: %2";
} // namespace Tekst

// libcurl's global set-up is not thread-safe; do it once, before the first handle.
void ensureCurlInitialised()
{
    static const bool done = [] { return curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; }();
    (void)done;
}

struct Upload {
    QByteArray data;
    qsizetype position = 0;
    bool finished = false; // libcurl has taken every byte of the message
};

size_t readUpload(char* buffer, size_t size, size_t count, void* userData)
{
    auto* upload = static_cast<Upload*>(userData);
    const size_t room = size * count;
    const size_t left = size_t(upload->data.size() - upload->position);
    const size_t n = left < room ? left : room;
    std::memcpy(buffer, upload->data.constData() + upload->position, n);
    upload->position += qsizetype(n);
    if (upload->position == upload->data.size())
        upload->finished = true;
    return n;
}

// Called by libcurl about once a second and whenever data moves; a non-zero
// return ends the transfer.
int stopWhenCancelled(void* userData, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<std::atomic<bool>*>(userData)->load() ? 1 : 0;
}

MailResult::Failure failureOf(CURLcode code, bool refusal)
{
    using Failure = MailResult::Failure;
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
        return Failure::Unreachable;
    case CURLE_OPERATION_TIMEDOUT:
        return Failure::Timeout;
    case CURLE_LOGIN_DENIED:
        return Failure::Login;
    case CURLE_USE_SSL_FAILED:
        return Failure::NoTls;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
        return Failure::Certificate;
    case CURLE_ABORTED_BY_CALLBACK:
        return Failure::Cancelled;
    default:
        return refusal ? Failure::Refused : Failure::Other;
    }
}

// A host name cannot carry a path, a user or blanks into the URL.
bool isPlainHost(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() <= 0x20 || c.unicode() == 0x7f || QStringLiteral("/@?#\\").contains(c))
            return false;
    return true;
}

// An address as the message shows it: control characters made visible.
QString printable(const QString& text)
{
    QString out;
    for (QChar c : text)
        out += c.unicode() < 0x20 || c.unicode() == 0x7f
                   ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                   : QString(c);
    return out;
}

// Keeps the last reply line of the server: libcurl's own error text says
// what failed ("Login denied"), the reply says why.
int recordReply(CURL*, curl_infotype type, char* data, size_t size, void* userData)
{
    if (type == CURLINFO_HEADER_IN) {
        const QByteArray line = QByteArray(data, qsizetype(size)).trimmed();
        if (!line.isEmpty())
            *static_cast<QByteArray*>(userData) = line;
    }
    return 0;
}

QByteArray angleAddress(const QString& address)
{
    return '<' + bareAddress(address).toUtf8() + '>';
}

QString hostForUrl(const QString& host)
{
    const QString h = host.trimmed();
    return h.contains(QLatin1Char(':')) && !h.startsWith(QLatin1Char('[')) ? '[' + h + ']' : h;
}

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

// libcurl opens and closes the connection through these, so a cancel from
// another thread knows which socket to shut down, and never one that has
// been closed and reused since.
struct SocketHooks {
    static curl_socket_t open(void* userData, curlsocktype, curl_sockaddr* address)
    {
        auto* self = static_cast<SmtpMailSender*>(userData);
        const curl_socket_t fd = ::socket(address->family, address->socktype, address->protocol);
        if (fd == CURL_SOCKET_BAD)
            return fd;
        const std::lock_guard<std::mutex> lock(self->socketMutex_);
        self->socket_ = int(fd);
        if (self->cancel_.load())
            ::shutdown(fd, SHUT_RDWR);
        return fd;
    }
    static int close(void* userData, curl_socket_t fd)
    {
        auto* self = static_cast<SmtpMailSender*>(userData);
        const std::lock_guard<std::mutex> lock(self->socketMutex_);
        if (self->socket_ == int(fd))
            self->socket_ = -1;
        return ::close(fd);
    }
};

void SmtpMailSender::cancel()
{
    cancel_.store(true);
    const std::lock_guard<std::mutex> lock(socketMutex_);
    if (socket_ >= 0)
        ::shutdown(socket_, SHUT_RDWR);
}

SmtpMailSender::SmtpMailSender(SmtpSettings settings, const IClock& clock)
    : settings_(std::move(settings)), clock_(clock)
{
}

bool SmtpMailSender::usesLogin() const
{
    return !settings_.user.isEmpty() || !settings_.password.isEmpty();
}

MailResult SmtpMailSender::send(const MailMessage& message)
{
    using Failure = MailResult::Failure;
    const QStringList recipients = splitRecipients(message.recipients);
    if (recipients.isEmpty())
        return MailResult::failure(u8(Tekst::GeenOntvanger), Failure::Settings);
    if (bareAddress(message.sender).isEmpty())
        return MailResult::failure(u8(Tekst::GeenAfzender), Failure::Settings);
    // Checked here too, whatever the caller did: a line break in an address
    // would reach the server as a command of its own.
    const QString unsafe = firstUnsafeAddress(message.sender, message.recipients);
    if (!unsafe.isNull())
        return MailResult::failure(u8(Tekst::OngeldigAdres).arg(printable(unsafe)), Failure::Address);
    if (settings_.host.trimmed().isEmpty() || settings_.port <= 0 || settings_.port > 65535
        || !isPlainHost(settings_.host.trimmed()))
        return MailResult::failure(u8(Tekst::GeenServer), Failure::Settings);

    ensureCurlInitialised();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        return MailResult::failure(u8(Tekst::GeenVerbinding));
    CURL* h = curl.get();

    const QDateTime now = clock_.now();
    Upload upload;
    upload.data = mime::compose(message, now, mime::newMessageId(message.sender, now));

    const bool implicitTls = settings_.tls == SmtpSettings::Tls::Implicit
                             || (settings_.tls == SmtpSettings::Tls::Auto && settings_.port == 465);
    const QByteArray url = QStringLiteral("%1://%2:%3")
                               .arg(implicitTls ? QStringLiteral("smtps") : QStringLiteral("smtp"),
                                    hostForUrl(settings_.host))
                               .arg(settings_.port)
                               .toUtf8();
    const QByteArray from = angleAddress(message.sender);
    std::unique_ptr<curl_slist, SlistDeleter> rcpt;
    for (const QString& r : recipients) {
        curl_slist* next = curl_slist_append(rcpt.get(), angleAddress(r).constData());
        if (!next)
            return MailResult::failure(u8(Tekst::GeenGeheugen));
        (void)rcpt.release();
        rcpt.reset(next);
    }

    QByteArray extraCertificates;
    if (!settings_.caFile.trimmed().isEmpty()) {
        QFile ca(settings_.caFile.trimmed());
        if (!ca.open(QIODevice::ReadOnly))
            return MailResult::failure(u8(Tekst::CertificaatOnleesbaar)
                                           .arg(QDir::toNativeSeparators(ca.fileName()), ca.errorString()),
                                       Failure::Certificate);
        extraCertificates = ca.readAll();
    }

    char errorBuffer[CURL_ERROR_SIZE] = {0};
    QByteArray lastReply;
    const QByteArray user = settings_.user.toUtf8();
    const QByteArray password = settings_.password.toUtf8();
    const long total = settings_.timeoutSeconds > 0 ? settings_.timeoutSeconds : 180;
    const long connect = std::min<long>(total, settings_.connectSeconds > 0 ? settings_.connectSeconds : 30);
    const long response = std::min<long>(total, settings_.responseSeconds > 0 ? settings_.responseSeconds : 60);

    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(h, CURLOPT_URL, url.constData());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, connect);
    curl_easy_setopt(h, CURLOPT_TIMEOUT, total);
    // The transfer time-out alone does not end a server that goes silent
    // after the data; each reply gets its own limit.
    curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, response);
    // A login is never sent in clear: TRY would fall back to a plain
    // session when the server offers no STARTTLS, ALL refuses instead.
    if (!implicitTls)
        curl_easy_setopt(h, CURLOPT_USE_SSL, long(usesLogin() ? CURLUSESSL_ALL : CURLUSESSL_TRY));
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_blob blob{};
    if (!extraCertificates.isEmpty()) {
        // Added to the system's certificates, not instead of them.
        blob.data = extraCertificates.data();
        blob.len = size_t(extraCertificates.size());
        blob.flags = CURL_BLOB_NOCOPY;
        curl_easy_setopt(h, CURLOPT_CAINFO_BLOB, &blob);
    }
    if (usesLogin()) {
        curl_easy_setopt(h, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(h, CURLOPT_PASSWORD, password.constData());
        curl_easy_setopt(h, CURLOPT_LOGIN_OPTIONS, "AUTH=LOGIN");
    }
    curl_easy_setopt(h, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(h, CURLOPT_MAIL_RCPT, rcpt.get());
    curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, curl_off_t(upload.data.size()));
    curl_easy_setopt(h, CURLOPT_READFUNCTION, readUpload);
    curl_easy_setopt(h, CURLOPT_READDATA, &upload);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, stopWhenCancelled);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &cancel_);
    curl_easy_setopt(h, CURLOPT_OPENSOCKETFUNCTION, &SocketHooks::open);
    curl_easy_setopt(h, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(h, CURLOPT_CLOSESOCKETFUNCTION, &SocketHooks::close);
    curl_easy_setopt(h, CURLOPT_CLOSESOCKETDATA, this);
    curl_easy_setopt(h, CURLOPT_DEBUGFUNCTION, recordReply);
    curl_easy_setopt(h, CURLOPT_DEBUGDATA, &lastReply);
    curl_easy_setopt(h, CURLOPT_VERBOSE, 1L); // feeds recordReply; nothing is printed

    const CURLcode code = curl_easy_perform(h);
    if (code == CURLE_OK)
        return MailResult::success();

    QString text = QString::fromUtf8(errorBuffer).trimmed();
    if (text.isEmpty())
        text = QString::fromUtf8(curl_easy_strerror(code));
    // Only a refusal is worth quoting; a "250" or "334" is where it stopped, not why.
    const bool refusal = !lastReply.isEmpty() && (lastReply.startsWith('4') || lastReply.startsWith('5'));
    if (refusal)
        text += u8(Tekst::ServerAntwoord).arg(QString::fromUtf8(lastReply));
    MailResult result = MailResult::failure(text, cancel_.load() ? Failure::Cancelled : failureOf(code, refusal));
    // The final dot went out: the server may have taken the message even
    // though its answer never came.
    result.mayHaveArrived = upload.finished && !refusal;
    return result;
}

std::unique_ptr<IMailSender> SmtpMailTransport::sender(const SmtpSettings& settings)
{
    return std::make_unique<SmtpMailSender>(settings, clock_);
}

} // namespace vonu
