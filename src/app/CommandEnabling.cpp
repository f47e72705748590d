#include "app/CommandEnabling.h"

#include "core/SharedState.h"

namespace zpx {

bool commandEnabled(EnableRule rule, std::uint8_t mode, PuzzleState state)
{
    const bool everLoaded = state != PuzzleState::None;
    const bool loaded = state == PuzzleState::Loaded;
    switch (rule) {
    case EnableRule::Always:
    case EnableRule::ToolPath:
        return true;
    case EnableRule::Loaded:
        return loaded;
    case EnableRule::EverLoaded:
        return everLoaded;
    case EnableRule::Building:
        return everLoaded && mode != ModeSolve;
    case EnableRule::Constructing:
        return everLoaded && mode == ModeConstruction;
    case EnableRule::Solving:
        return everLoaded && mode == ModeSolve;
    case EnableRule::SolvingLoaded:
        return loaded && mode == ModeSolve;
    }
    return false;
}

}  // namespace zpx
