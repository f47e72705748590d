#include "core/SharedState.h"

namespace zpx {

std::string PuzzleFileName;
std::uint8_t Mode = ModeNone;
std::int32_t SelectedWord = 0;
std::int32_t CurrentSquare = 0;
bool Modified = false;
std::int32_t SoundMode = 1;
bool AllowClose = false;
std::int32_t AutoSquare = 0;
std::int32_t ScreenSquare = 0;
std::int32_t AuthorTitleSquare = 0;
std::string LoadedAuthorTitle;
std::string SettingsKey = MainSettingsKey;

}  // namespace zpx
