#pragma once
// The sound back end is a module of its own, libzpxsound, loaded at the
// first sound: the multimedia libraries it needs are many, and a start that
// plays nothing should not wait for them.

namespace zpx {

class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    // Stops whatever recording is playing and starts `wave` (1..7).
    virtual void play(int wave) = 0;
    virtual bool isPlaying(int wave) const = 0;
};

// The module's one entry point; the player lives until the program ends.
using CreateWavePlayer = WavePlayer* (*)();
inline constexpr const char* CreateWavePlayerName = "zpxCreateWavePlayer";

}  // namespace zpx
