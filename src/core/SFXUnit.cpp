#include "core/SFXUnit.h"

#include "core/SharedState.h"
#include "core/SoundModuleUnit.h"
#include "core/ZpxApplicationUnit.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QLibrary>
#include <QTimer>

#include <array>

namespace zpx {

TSoundFX* SoundFX = nullptr;

namespace {

std::function<void(int)> activeProbe;

// Lengths of the recordings in milliseconds, to bound the wait for the end
// of a sound when no audio device reports it.
constexpr std::array<int, 7> WaveLengthMs = {710, 8090, 1090, 520, 1100, 1740, 170};

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

TSoundFX::TSoundFX(QObject* parent) : QObject(parent) {}

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

// Waits for the end: the sound has begun and stopped again, or its length
// has passed.
void TSoundFX::PlayWave5()
{
    play(5);
    WavePlayer* sounds = activeProbe ? nullptr : player();
    if (!sounds)
        return;
    QEventLoop loop;
    QTimer watch;
    const QDeadlineTimer limit(WaveLengthMs[4] + 200);
    bool begun = false;
    connectGuarded(&watch, &QTimer::timeout, &loop, [&] {
        const bool playing = sounds->isPlaying(5);
        begun = begun || playing;
        if ((begun && !playing) || limit.hasExpired())
            loop.quit();
    });
    watch.start(20);
    loop.exec();
}

}  // namespace zpx
