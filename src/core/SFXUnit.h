#pragma once
// The program's seven recordings. Callers decide from SoundMode whether to play.

#include <QDeadlineTimer>
#include <QObject>

#include <functional>

class QTimer;

namespace zpx {

class WavePlayer;

class TSoundFX : public QObject {
    Q_OBJECT

public:
    explicit TSoundFX(QObject* parent = nullptr);

    void PlayWave1();  // question or refusal
    void PlayWave2();  // puzzle solved correctly
    void PlayWave3();  // puzzle incorrect
    void PlayWave4();  // no more clues
    // No more clues, spoken; `finished` runs once it has ended (at once when
    // nothing plays). Nothing waits meanwhile.
    void PlayWave5(std::function<void()> finished);
    void PlayWave6();  // question, spoken
    void PlayWave7();  // error

    // The question sound of the current SoundMode, played before every confirmation box.
    void PlayQuestion();

    // Tests watch which sound was asked for; while a probe is set nothing is played.
    static void setProbe(std::function<void(int wave)> probe);

private:
    void play(int wave);
    WavePlayer* player();
    void watchWave5();
    void endWave5();

    WavePlayer* loadedPlayer = nullptr;
    bool loadTried = false;
    QTimer* wave5Watch;
    QDeadlineTimer wave5Limit;
    bool wave5Begun = false;
    std::function<void()> wave5Finished;
};

extern TSoundFX* SoundFX;

}  // namespace zpx
