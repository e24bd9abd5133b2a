#include "app/SoundPlayer.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace vonu {

namespace {

quint32 le32(const char* p)
{
    return quint32(quint8(p[0])) | quint32(quint8(p[1])) << 8 | quint32(quint8(p[2])) << 16 |
           quint32(quint8(p[3])) << 24;
}

quint16 le16(const char* p)
{
    return quint16(quint8(p[0]) | quint8(p[1]) << 8);
}

} // namespace

// Qt's wave loader waits forever for the rest of a short or truncated file,
// and replacing the source of an effect stuck that way blocks the caller for
// good. So only complete PCM wave files ever reach QSoundEffect.
bool SoundPlayer::isPlayableWave(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 fileSize = file.size();
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return false;

    bool formatOk = false;
    qint64 pos = 12;
    while (pos + 8 <= fileSize) {
        if (!file.seek(pos))
            return false;
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return false;
        const qint64 size = le32(chunk.constData() + 4);
        const qint64 body = pos + 8;
        if (body + size > fileSize)
            return false;
        if (chunk.startsWith("fmt ")) {
            if (size < 16)
                return false;
            const QByteArray fmt = file.read(16);
            if (fmt.size() < 16)
                return false;
            const quint16 format = le16(fmt.constData());
            const quint16 channels = le16(fmt.constData() + 2);
            const quint32 rate = le32(fmt.constData() + 4);
            const quint16 bits = le16(fmt.constData() + 14);
            formatOk = format == 1 && channels >= 1 && channels <= 8 && rate > 0 &&
                       (bits == 8 || bits == 16 || bits == 32);
            if (!formatOk)
                return false;
        } else if (chunk.startsWith("data")) {
            return formatOk && size > 0;
        }
        pos = body + size + (size & 1);
    }
    return false;
}

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent), effect_(new QSoundEffect(this))
{
    effect_->setLoopCount(1);
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::beep()
{
    QApplication::beep();
}

void SoundPlayer::playOnce(const QString& fileName)
{
    effect_->stop();
    if (!QFileInfo(fileName).isFile() || !isPlayableWave(fileName))
        return;
    const QUrl url = QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath());
    if (effect_->source() != url)
        effect_->setSource(url);
    // Loading is asynchronous; play() waits for it instead of blocking.
    effect_->play();
}

} // namespace vonu
