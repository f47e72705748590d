#pragma once
// The program's seven recordings. Callers decide from SoundMode whether to play.

#include <QObject>

#include <functional>

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
    void PlayWave5();  // no more clues, spoken; returns when it has finished
    void PlayWave6();  // question, spoken
    void PlayWave7();  // error

    // The question sound of the current SoundMode, played before every confirmation box.
    void PlayQuestion();

    // Tests watch which sound was asked for; while a probe is set nothing is played.
    static void setProbe(std::function<void(int wave)> probe);

private:
    void play(int wave);
    WavePlayer* player();

    WavePlayer* loadedPlayer = nullptr;
    bool loadTried = false;
};

extern TSoundFX* SoundFX;

}  // namespace zpx
