#include "files/SmtpMailSender.h"

#include "base/Platform.h"
#include "files/MimeMessage.h"

#include <curl/curl.h>

#include <cstring>
#include <memory>

namespace vonu {
namespace {

// libcurl's global set-up is not thread-safe; do it once, before the first handle.
void ensureCurlInitialised()
{
    static const bool done = [] { return curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; }();
    (void)done;
}

struct Upload {
    QByteArray data;
    qsizetype position = 0;
};

size_t readUpload(char* buffer, size_t size, size_t count, void* userData)
{
    auto* upload = static_cast<Upload*>(userData);
    const size_t room = size * count;
    const size_t left = size_t(upload->data.size() - upload->position);
    const size_t n = left < room ? left : room;
    std::memcpy(buffer, upload->data.constData() + upload->position, n);
    upload->position += qsizetype(n);
    return n;
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
    const QStringList recipients = splitRecipients(message.recipients);
    if (recipients.isEmpty())
        return MailResult::failure(QStringLiteral("Geen ontvanger opgegeven."));
    if (bareAddress(message.sender).isEmpty())
        return MailResult::failure(QStringLiteral("Geen afzender opgegeven."));
    if (settings_.host.trimmed().isEmpty() || settings_.port <= 0 || settings_.port > 65535)
        return MailResult::failure(QStringLiteral("Geen geldige SMTP-server opgegeven."));

    ensureCurlInitialised();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        return MailResult::failure(QStringLiteral("De e-mailverbinding kan niet worden opgezet."));
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
            return MailResult::failure(QStringLiteral("Onvoldoende geheugen."));
        (void)rcpt.release();
        rcpt.reset(next);
    }

    char errorBuffer[CURL_ERROR_SIZE] = {0};
    QByteArray lastReply;
    const QByteArray user = settings_.user.toUtf8();
    const QByteArray password = settings_.password.toUtf8();
    const QByteArray caFile = settings_.caFile.toLocal8Bit();
    const long timeout = settings_.timeoutSeconds > 0 ? settings_.timeoutSeconds : 60;

    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(h, CURLOPT_URL, url.constData());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, timeout);
    curl_easy_setopt(h, CURLOPT_TIMEOUT, timeout);
    // Never send the password in clear when the server can encrypt.
    if (!implicitTls)
        curl_easy_setopt(h, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caFile.isEmpty())
        curl_easy_setopt(h, CURLOPT_CAINFO, caFile.constData());
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
    if (!lastReply.isEmpty() && (lastReply.startsWith('4') || lastReply.startsWith('5')))
        text += QStringLiteral(" (server: %1)").arg(QString::fromUtf8(lastReply));
    return MailResult::failure(text);
}

std::unique_ptr<IMailSender> SmtpMailTransport::sender(const SmtpSettings& settings)
{
    return std::make_unique<SmtpMailSender>(settings, clock_);
}

} // namespace vonu
