#include "core/SFXUnit.h"

#include "core/SharedState.h"
#include "core/SoundModuleUnit.h"
#include "core/ZpxApplicationUnit.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QTimer>

#include <array>
#include <utility>

namespace zpx {

TSoundFX* SoundFX = nullptr;

namespace {

std::function<void(int)> activeProbe;

// Lengths of the recordings in milliseconds, to bound the wait for the end
// of a sound when no audio device reports it.
constexpr std::array<int, 7> WaveLengthMs = {710, 8090, 1090, 520, 1100, 1740, 170};
constexpr int WaveWatchMs = 20;

// Beside the program in the build, in lib/zephyrtrace of an installation.
WavePlayer* loadWavePlayer()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    QString failure;
    for (const QString& dir : {programDir, programDir + QStringLiteral("/../lib/zephyrtrace")}) {
        QLibrary module(dir + QStringLiteral("/zpxsound"));
        if (const auto create = reinterpret_cast<CreateWavePlayer>(module.resolve(CreateWavePlayerName)))
            return create();
        failure = module.errorString();
    }
    qWarning("No sounds: %s", qUtf8Printable(failure));
    return nullptr;
}

}  // namespace

TSoundFX::TSoundFX(QObject* parent) : QObject(parent), wave5Watch(new QTimer(this))
{
    wave5Watch->setInterval(WaveWatchMs);
    connectGuarded(wave5Watch, &QTimer::timeout, this, [this] { watchWave5(); });
}

void TSoundFX::setProbe(std::function<void(int wave)> probe)
{
    activeProbe = std::move(probe);
}

WavePlayer* TSoundFX::player()
{
    if (!loadTried) {
        loadTried = true;
        loadedPlayer = loadWavePlayer();
    }
    return loadedPlayer;
}

void TSoundFX::play(int wave)
{
    if (activeProbe) {
        activeProbe(wave);
        return;
    }
    if (WavePlayer* sounds = player())
        sounds->play(wave);
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

void TSoundFX::PlayWave5(std::function<void()> finished)
{
    endWave5();  // the sound cuts off one still playing, and so ends its wait
    play(5);
    wave5Finished = std::move(finished);
    if (activeProbe || !player()) {
        endWave5();
        return;
    }
    wave5Limit.setRemainingTime(WaveLengthMs[4] + 200);
    wave5Begun = false;
    wave5Watch->start();
}

// The end: the sound has begun and stopped again, or its length has passed
// (no audio device reports it).
void TSoundFX::watchWave5()
{
    const bool playing = player()->isPlaying(5);
    wave5Begun = wave5Begun || playing;
    if ((wave5Begun && !playing) || wave5Limit.hasExpired())
        endWave5();
}

void TSoundFX::endWave5()
{
    wave5Watch->stop();
    if (const std::function<void()> finished = std::exchange(wave5Finished, {}))
        finished();
}

}  // namespace zpx
