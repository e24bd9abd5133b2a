#pragma once
// The speaker of the program: the system beep, and a short wave file played
// once through Qt Multimedia. Playing never blocks the screen; a missing file,
// a file that is not a complete PCM wave file or a machine without an audio
// device simply stays silent.

#include "base/Platform.h"

#include <QObject>

class QSoundEffect;

namespace vonu {

class SoundPlayer final : public QObject, public ISound {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    void beep() override;

    // Stops what is playing, then plays `fileName` once. Ignored when the
    // file does not exist.
    void playOnce(const QString& fileName) override;

    // A complete PCM wave file (RIFF header, format chunk, whole data chunk).
    static bool isPlayableWave(const QString& fileName);

    // The effect that plays (tests look at its source).
    const QSoundEffect* effect() const { return effect_; }

private:
    QSoundEffect* effect_;
};

} // namespace vonu
