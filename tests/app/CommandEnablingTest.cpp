#include "app/CommandEnabling.h"

#include "core/SharedState.h"

#include <gtest/gtest.h>

using namespace zpx;

namespace {

struct Case {
    EnableRule rule;
    std::uint8_t mode;
    PuzzleState state;
    bool enabled;
};

}  // namespace

TEST(CommandEnabling, FollowsTheModeAndThePuzzleInMemory)
{
    const Case cases[] = {
        // Before the first load only the commands without a puzzle work.
        {EnableRule::Always, ModeNone, PuzzleState::None, true},
        {EnableRule::Loaded, ModeNone, PuzzleState::None, false},
        {EnableRule::Building, ModeNone, PuzzleState::None, false},
        {EnableRule::EverLoaded, ModeNone, PuzzleState::None, false},
        // Building commands in both build modes; Spill only while constructing.
        {EnableRule::Building, ModeGridEditing, PuzzleState::Loaded, true},
        {EnableRule::Building, ModeSolve, PuzzleState::Loaded, false},
        {EnableRule::Constructing, ModeConstruction, PuzzleState::Loaded, true},
        {EnableRule::Constructing, ModeGridEditing, PuzzleState::Loaded, false},
        {EnableRule::SolvingLoaded, ModeSolve, PuzzleState::Loaded, true},
        {EnableRule::SolvingLoaded, ModeConstruction, PuzzleState::Loaded, false},
        // A recycled puzzle can no longer be saved or scored; arranging and the clock go on.
        {EnableRule::Loaded, ModeSolve, PuzzleState::Recycled, false},
        {EnableRule::SolvingLoaded, ModeSolve, PuzzleState::Recycled, false},
        {EnableRule::EverLoaded, ModeSolve, PuzzleState::Recycled, true},
        {EnableRule::Solving, ModeSolve, PuzzleState::Recycled, true},
        // The tools follow their paths, never the mode.
        {EnableRule::ToolPath, ModeNone, PuzzleState::None, true},
        {EnableRule::ToolPath, ModeSolve, PuzzleState::Recycled, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commandEnabled(c.rule, c.mode, c.state), c.enabled)
            << static_cast<int>(c.rule) << " mode " << int(c.mode) << " state " << static_cast<int>(c.state);
}
