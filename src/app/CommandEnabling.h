#pragma once
// When the main window's commands are enabled: one rule per command, and
// one function of the mode and the puzzle in memory that decides them all.

#include <cstdint>

namespace zpx {

enum class PuzzleState {
    None,      // nothing loaded since the program started
    Loaded,
    Recycled,  // the solved puzzle went to the recycle bin; only a new load continues
};

enum class EnableRule {
    Always,
    Loaded,         // a puzzle is in memory: Save, Save As, Print, Revert
    EverLoaded,     // a puzzle was loaded at some time, even one recycled since: Auto Arrange
    Building,       // a puzzle in grid editing or construction: Scan Grid, Special, the grid buttons
    Constructing,   // a puzzle in construction, not grid editing: Spill
    Solving,        // a puzzle opened for solving: Clock
    SolvingLoaded,  // ... and still in memory: Score Puzzle, the cheat button
    ToolPath,       // not by the mode: by whether the tool's program is set (the Tools menu, the dictionary button)
};

bool commandEnabled(EnableRule rule, std::uint8_t mode, PuzzleState state);

}  // namespace zpx
