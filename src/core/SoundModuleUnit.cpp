// Built into the module libzpxsound, not into the program.
#include "core/SoundModuleUnit.h"

#include <QSoundEffect>
#include <QUrl>

#include <array>

namespace zpx {
namespace {

class SoundEffectPlayer final : public WavePlayer {
public:
    void play(int wave) override
    {
        for (QSoundEffect* other : effects)
            if (other)
                other->stop();
        effect(wave)->play();
    }

    bool isPlaying(int wave) const override
    {
        const QSoundEffect* sound = effects.at(wave - 1);
        return sound && sound->isPlaying();
    }

private:
    QSoundEffect* effect(int wave)
    {
        QSoundEffect*& slot = effects.at(wave - 1);
        if (!slot) {
            slot = new QSoundEffect(&owner);
            slot->setSource(QUrl(QStringLiteral("qrc:/sounds/WAVE_%1.wav").arg(wave)));
        }
        return slot;
    }

    QObject owner;
    std::array<QSoundEffect*, 7> effects{};
};

}  // namespace
}  // namespace zpx

extern "C" Q_DECL_EXPORT zpx::WavePlayer* zpxCreateWavePlayer()
{
    return new zpx::SoundEffectPlayer;
}
