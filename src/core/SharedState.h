#pragma once
// The shell's global state, read and written by every window.

#include <cstdint>
#include <string>

namespace zpx {

enum : std::uint8_t {
    ModeNone = 0,
    ModeSolve = 1,
    ModeGridEditing = 2,
    ModeConstruction = 4,
};

extern std::string PuzzleFileName;  // full path, UTF-8; empty when no puzzle
extern std::uint8_t Mode;
extern std::int32_t SelectedWord;   // 1..30, 0 for none
// The solver's current square as a square reference (column × 100 + row), 0
// for none: where the next letter goes, in the grid or the solve window. The
// grid and the author-title window mark it and SelectedWord's squares.
extern std::int32_t CurrentSquare;
extern bool Modified;
extern std::int32_t SoundMode;      // 0 silent, 1 sounds, 2 speech
extern bool AllowClose;
extern std::int32_t AutoSquare;
extern std::int32_t ScreenSquare;
extern std::int32_t AuthorTitleSquare;
// The first letters as the puzzle was created or loaded (Windows-1252, one
// per word): the author-title line that Scan Grid and Save hold the words to.
extern std::string LoadedAuthorTitle;

inline const char* const MainSettingsKey = "Software\\Marlowick32\\Zephyrtrace5";
inline const char* const ToolsSettingsKey = "Software\\Marlowick32\\Tools";
extern std::string SettingsKey;

}  // namespace zpx
