#include "app/SoundPlayer.h"

#include <QFile>
#include <QSignalSpy>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace vonu;

namespace {

QByteArray le(quint32 v, int bytes)
{
    QByteArray b;
    for (int i = 0; i < bytes; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
    return b;
}

// A wave file of `samples` silent 16-bit mono samples at 8 kHz.
QByteArray waveFile(quint32 samples, quint16 format = 1)
{
    const quint32 dataSize = samples * 2;
    QByteArray w = "RIFF" + le(36 + dataSize, 4) + "WAVEfmt " + le(16, 4) + le(format, 2) + le(1, 2) +
                   le(8000, 4) + le(16000, 4) + le(2, 2) + le(16, 2) + "data" + le(dataSize, 4);
    w.append(QByteArray(int(dataSize), '\0'));
    return w;
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void waitUntilReady(const QSoundEffect* effect)
{
    QSignalSpy statusChanges(effect, &QSoundEffect::statusChanged);
    while (effect->status() != QSoundEffect::Ready && statusChanges.wait(5000)) {
    }
}

} // namespace

TEST(SoundPlayer, MissingFileStaysSilent)
{
    QTemporaryDir dir;
    SoundPlayer player;
    player.playOnce(dir.filePath("Wav/DO.Wav"));
    player.playOnce(QString());
    player.playOnce(dir.path());
    EXPECT_TRUE(player.effect()->source().isEmpty());
    EXPECT_FALSE(player.effect()->isPlaying());
}

TEST(SoundPlayer, OnlyCompleteWaveFilesArePlayed)
{
    const QByteArray good = waveFile(800);
    QByteArray extraChunk = good;
    extraChunk.insert(12, "LIST" + le(3, 4) + "abc" + '\0'); // odd size, padded
    extraChunk.replace(4, 4, le(quint32(extraChunk.size() - 8), 4));
    const struct {
        const char* name;
        QByteArray bytes;
        bool playable;
    } cases[] = {
        {"complete PCM file", good, true},
        {"a chunk before the format", extraChunk, true},
        {"empty file", {}, false},
        {"text", "geen geluid", false},
        {"header only", good.left(44 - 1), false},
        {"data cut short", good.left(good.size() - 10), false},
        {"not PCM", waveFile(800, 2), false},
        {"no samples", waveFile(0), false},
        {"not RIFF", "RIFX" + good.mid(4), false},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("DO.Wav");
        writeBytes(path, c.bytes);
        EXPECT_EQ(SoundPlayer::isPlayableWave(path), c.playable) << c.name;
        SoundPlayer player;
        player.playOnce(path);
        EXPECT_EQ(player.effect()->source().isEmpty(), !c.playable) << c.name;
    }
}

TEST(SoundPlayer, PlaysOnceWithoutWaitingAndAgainOnRequest)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("DO.Wav");
    writeBytes(path, waveFile(800));

    SoundPlayer player;
    player.playOnce(path);
    // Loading happens in the background; playOnce has already returned.
    EXPECT_EQ(player.effect()->source(), QUrl::fromLocalFile(path));
    EXPECT_EQ(player.effect()->loopCount(), 1);
    waitUntilReady(player.effect());
    EXPECT_EQ(player.effect()->status(), QSoundEffect::Ready);
    player.playOnce(path); // again, while the first may still be playing
    EXPECT_EQ(player.effect()->status(), QSoundEffect::Ready);
}

TEST(SoundPlayer, BrokenFileDoesNotBlockTheNextSound)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath("Kapot.Wav");
    const QString good = dir.filePath("DO.Wav");
    writeBytes(bad, waveFile(800).left(30));
    writeBytes(good, waveFile(800));

    SoundPlayer player;
    player.playOnce(bad);
    player.playOnce(good);
    waitUntilReady(player.effect());
    EXPECT_EQ(player.effect()->status(), QSoundEffect::Ready);
}
