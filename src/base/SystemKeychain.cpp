#include "base/SystemKeychain.h"

#include <QEventLoop>

#include <qt6keychain/keychain.h>

namespace vonu {

namespace {

// Runs a job to its end. The wait lets no user input through: the screen
// behind must not act while the keychain (or its unlock prompt) answers. A
// job may also finish inside start(), before any loop runs.
KeychainAnswer finish(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    bool done = false;
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        done = true;
        loop.quit();
    });
    job.start();
    if (!done)
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    KeychainAnswer answer;
    switch (job.error()) {
    case QKeychain::NoError:
        answer.status = KeychainAnswer::Status::Ok;
        break;
    case QKeychain::EntryNotFound:
        answer.status = KeychainAnswer::Status::NotFound;
        break;
    default:
        answer.status = KeychainAnswer::Status::Failed;
        answer.error = job.errorString();
        break;
    }
    return answer;
}

} // namespace

SystemKeychain::SystemKeychain(QString service) : service_(std::move(service)) {}

KeychainAnswer SystemKeychain::read(const QString& key)
{
    QKeychain::ReadPasswordJob job(service_);
    job.setKey(key);
    KeychainAnswer answer = finish(job);
    if (answer.ok())
        answer.secret = job.textData();
    return answer;
}

KeychainAnswer SystemKeychain::write(const QString& key, const QString& secret)
{
    QKeychain::WritePasswordJob job(service_);
    job.setKey(key);
    job.setTextData(secret);
    return finish(job);
}

KeychainAnswer SystemKeychain::remove(const QString& key)
{
    QKeychain::DeletePasswordJob job(service_);
    job.setKey(key);
    return finish(job);
}

} // namespace vonu
