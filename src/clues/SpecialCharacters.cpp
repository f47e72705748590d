#include "clues/SpecialCharacters.h"

#include <array>

namespace zpx {

namespace {

struct Override {
    int column;
    int row;
    unsigned char code;
};

// The cells that differ from the running sequence of codes.
constexpr std::array<Override, 17> Overrides = {{
    {3, 0, 0xA1}, {5, 0, 0x85}, {7, 0, 0x96}, {8, 0, 0x97}, {9, 0, 0xA9},
    {1, 1, 0x91}, {2, 1, 0x92}, {3, 1, 0x93}, {4, 1, 0x94}, {9, 1, 0xAE},
    {2, 2, 0x9A}, {3, 2, 0x8A},
    {5, 9, 0x83}, {6, 9, 0x8C}, {7, 9, 0x9C}, {8, 9, 0x9F}, {9, 9, 0x99},
}};

}  // namespace

std::string specialCharacter(int column, int row)
{
    if (column == 0 && row == 0)
        return "___";
    for (const Override& cell : Overrides)
        if (cell.column == column && cell.row == row)
            return std::string(1, static_cast<char>(cell.code));
    return std::string(1, static_cast<char>((161 + column + 10 * row) % 256));
}

}  // namespace zpx
