#include "core/SFXUnit.h"

#include "core/SharedState.h"
#include "core/ZpxApplicationUnit.h"

#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace zpx {

TSoundFX* SoundFX = nullptr;

namespace {

std::function<void(int)> activeProbe;

// Lengths of the recordings in milliseconds, to bound the wait for the end
// of a sound when no audio device reports it.
constexpr std::array<int, 7> WaveLengthMs = {710, 8090, 1090, 520, 1100, 1740, 170};

}  // namespace

TSoundFX::TSoundFX(QObject* parent) : QObject(parent) {}

void TSoundFX::setProbe(std::function<void(int wave)> probe)
{
    activeProbe = std::move(probe);
}

// Effects are made on first use: the multimedia back end is not needed at start.
QSoundEffect* TSoundFX::effect(int wave)
{
    QSoundEffect*& slot = effects[wave - 1];
    if (!slot) {
        slot = new QSoundEffect(this);
        slot->setSource(QUrl(QStringLiteral("qrc:/sounds/WAVE_%1.wav").arg(wave)));
    }
    return slot;
}

void TSoundFX::play(int wave)
{
    if (activeProbe) {
        activeProbe(wave);
        return;
    }
    for (QSoundEffect* other : effects)
        if (other)
            other->stop();
    effect(wave)->play();
}

void TSoundFX::PlayWave1() { play(1); }
void TSoundFX::PlayWave2() { play(2); }
void TSoundFX::PlayWave3() { play(3); }
void TSoundFX::PlayWave4() { play(4); }
void TSoundFX::PlayWave6() { play(6); }
void TSoundFX::PlayWave7() { play(7); }

void TSoundFX::PlayQuestion()
{
    if (SoundMode == 1)
        PlayWave1();
    else if (SoundMode == 2)
        PlayWave6();
}

void TSoundFX::PlayWave5()
{
    play(5);
    if (activeProbe)
        return;
    QSoundEffect* sound = effect(5);
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    connectGuarded(&limit, &QTimer::timeout, &loop, [&loop] { loop.quit(); });
    connectGuarded(sound, &QSoundEffect::playingChanged, &loop, [&loop, sound] {
        if (!sound->isPlaying())
            loop.quit();
    });
    limit.start(WaveLengthMs[4] + 200);
    loop.exec();
}

}  // namespace zpx
